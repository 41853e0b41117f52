#pragma once
// The yoga catalogue: name, brief definition and results ascribed of every yoga the finder knows, by
// (category 1-10, index); 182 entries. The Dhana entries (category 8) are built when asked, from the
// Dhana tables below and the body and sign names the user chose at that moment.
#include <array>
#include <span>

#include "analysis/yoga_list.h"

struct YogaText {
    const char* name;
    const char* definition;
    const char* results;
};

// Fixed texts per category; category 0 ("All") and category 8 (Dhana, built) are empty.
extern const std::array<std::span<const YogaText>, kYogaCategoryCount + 1> g_yogaTexts;
// Entries per category, index 0 ("All") holding 0: 0, 5, 4, 7, 32, 57, 25, 15, 24, 6, 7.
extern const std::array<int, kYogaCategoryCount + 1> g_nYogaCategorySizes;
// Category names as the yogas view shows them ("All", "Mahapurusha" ...) and its menu entries.
extern const std::array<const char*, kYogaCategoryCount + 1> g_yogaCategoryNames;
extern const std::array<const char*, kYogaCategoryCount + 1> g_yogaCategoryMenuNames;

// Appended to the results of the last Parivraja entry: the kind of ascetic shown by the Moon's
// dispositor, by body 1 Sun .. 7 Saturn (index 0 empty); each text begins with a blank.
extern const std::array<const char*, 8> g_parivrajaAsceticTexts;

// A Dhana combination of one lagna sign: a key planet and up to three others (0: none).
struct DhanaRow {
    int key;
    std::array<int, 3> others;
};
// By lagna sign 0-11. Table A (entries 0-11): the key planet in the 5th house, the others in the 11th.
// Table B (entries 12-23): the key planet in the lagna, the others conjoining or aspecting it.
extern const std::array<DhanaRow, 12> g_dhanaFifthAndEleventh;
extern const std::array<DhanaRow, 12> g_dhanaInLagna;

// Writes category, name, definition and results of entry (category, index) into `record`; leaves
// the record untouched and returns false for a pair outside the catalogue.
bool CYogaCatalogue(int category, int index, CYogaRecord& record);
