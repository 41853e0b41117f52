#include "views/periods/dasa_menu_table.h"

#include "core/calc_options.h"

namespace {
constexpr int kSep = kDasaMenuSeparator;

constexpr DasaMenuEntry kNakshatraPage[] = {
    {0, "&Vimsottari dasa"},
    {1, "&Ashtottari dasa"},
    {2, "&Kalachakra dasa"},
    {3, "&Yogini dasa"},
    {kSep, ""},
    {4, "&Dwisaptati sama dasa"},
    {5, "Shat&trimsa sama dasa"},
    {6, "D&wadasottari dasa"},
    {7, "C&haturaseeti sama dasa"},
    {8, "&Sataabdika dasa"},
    {9, "S&hodasottari dasa"},
    {10, "&Panchottari dasa"},
    {11, "Shashti&hayani dasa"},
    {12, "Sapta&rshi nakshatra dasa (as in the traditional texts)"},
};

constexpr DasaMenuEntry kRasiPage[] = {
    {25, "&Narayana dasa (rasi && vargas)"},
    {26, "&Lagnamsaka dasa"},
    {27, "&Padanaathaamsa dasa"},
    {28, "&Sudasa"},
    {29, "&Drigdasa"},
    {30, "&Lagna Kendradi Rasi dasa"},
    {31, "&AK Kendradi Rasi dasa"},
    {32, "&Trikona dasa"},
    {33, "C&hara dasa (Parasara)"},
    {34, "Chara dasa (second variant, in the commentaries)"},
    {35, "Chara dasa (third variant, in the commentaries)"},
    {36, "&Yogardha dasa"},
    {37, "&Paryaaya dasas (3 types)"},
    {kSep, ""},
    {38, "&Shoola dasa (of all houses)"},
    {39, "N&iryaana shoola dasa"},
    {40, "&Brahma dasa"},
    {41, "&Sthira dasa"},
    {42, "Mandooka dasa of D-11 (first variant, in the commentaries)"},
    {43, "Mandooka dasa (second variant, in the commentaries)"},
    {44, "Na&vamsa dasa"},
    {45, "&Varnada dasa"},
};

constexpr DasaMenuEntry kOtherPage[] = {
    {60, "&Moola dasa"},
    {61, "&Naisargika dasa"},
    {62, "&Tara dasa"},
    {63, "&Kaala dasa"},
    {74, "&Chakra dasa"},
    {64, "&AK Kendradi Graha dasa"},
    {kSep, ""},
    {65, "&Patyayini dasa"},
    {66, "&Sudarsana Chakra dasa"},
    {67, "&Buddhi gati dasa (Agni purana)"},
    {68, "&Rasi-Bhukta Vimsottari (RBV) dasa"},
    {73, "&Karaka dasa"},
    {kSep, ""},
    {69, "&Tithi Ashtottari dasa"},
    {70, "Yoga &Vimsottari dasa"},
    {71, "&Karana Chaturaseeti sama dasa"},
    {72, "Tithi &Yogini dasa"},
};

constexpr YearMenuEntry kYearItems[] = {
    {0, "&Mean tropical solar year (365.24219 days)"},
    {7, "&True tropical solar year (Sun traversing 360 deg tropically)"},
    {kSep, ""},
    {6, "&Mean sidereal solar year (365.256364 days)"},
    {3, "&True sidereal solar year (Sun traversing 360 deg sidereally)"},
    {kSep, ""},
    {1, "&Savana year (360 days)"},
    {4, "Year with 360 &tithis"},
    {kSep, ""},
    {2, "&User defined year (n days)"},
};
const char* const kLevelHeadings[] = {"Maha Dasas:",
                                      "Antardasas in this MD:",
                                      "Pratyantardasas in this AD:",
                                      "Sookshma-antardasas in this PD:",
                                      "Praana-antardasas in this SD:",
                                      "Deha-antardasas in this PAD:"};
} // namespace

const char* DasaLevelHeading(int level) {
    return kLevelHeadings[level];
}

std::span<const DasaMenuEntry> DasaMenuEntries(int page) {
    switch (page) {
    case 1:
        return kRasiPage;
    case 2:
        return kOtherPage;
    default:
        return kNakshatraPage;
    }
}

std::span<const YearMenuEntry> YearMenuEntries() {
    return kYearItems;
}

const char* DasaMenuText(const DasaMenuEntry& entry, int mode) {
    constexpr int kTajakaMode = 1, kVimsottari = 0;
    if (entry.code == kVimsottari && mode == kTajakaMode && g_bUseDasaSeedFromNatalInTajaka[kVimsottari])
        return "Mudda/Vimsottari dasa";
    return entry.text;
}
