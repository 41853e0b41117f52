#pragma once
// The texts of the dasa page's context menu: the dasa systems of each page in menu order (0 marks a
// separator), the year-definition items with the year kind each sets, and the level headings.
#include <span>

struct DasaMenuEntry {
    int code; // dasa code; kDasaMenuSeparator for a separator
    const char* text;
};
inline constexpr int kDasaMenuSeparator = -1;

// The dasa items of page kind `page` (0 nakshatra, 1 rasi, 2 other), separators included.
std::span<const DasaMenuEntry> DasaMenuEntries(int page);

// The text an entry shows in document mode `mode`: in a Tajaka chart that takes Vimsottari's seed from
// the natal chart, Vimsottari reads "Mudda/Vimsottari dasa".
const char* DasaMenuText(const DasaMenuEntry& entry, int mode);

struct YearMenuEntry {
    int kind; // dasa-year kind 0-7; kDasaMenuSeparator for a separator
    const char* text;
};
std::span<const YearMenuEntry> YearMenuEntries();

// The heading of the periods of level 0-5: "Maha Dasas:" ... "Deha-antardasas in this PAD:".
const char* DasaLevelHeading(int level);
