// Naabhasa yogas: the spread of the seven planets Sun .. Saturn over signs and houses. The nodes take
// part only as malefics where benefics and malefics are weighed. No Naabhasa yoga names givers.
#include "analysis/yoga_column.h"

namespace {

// Sets of houses as bit masks, bit h for the 0-based house h (0 the 1st).
constexpr int Houses(std::initializer_list<int> houses) {
    int mask = 0;
    for (int h : houses) mask |= 1 << h;
    return mask;
}
constexpr int kKendras = Houses({0, 3, 6, 9});

// The houses that hold one of the seven planets.
int OccupiedHouses(const YogaColumn& col) {
    int mask = 0;
    for (int s = 0; s < 12; ++s)
        if (col.SevenPlanets(s) > 0) mask |= 1 << SignDistance(s, col.Lagna());
    return mask;
}

// Every occupied house is in the set (houses of the set may stay empty).
bool AllIn(const YogaColumn& col, int houses) {
    return (OccupiedHouses(col) & ~houses) == 0;
}

// The occupied houses are exactly the set.
bool Exactly(const YogaColumn& col, int houses) {
    return OccupiedHouses(col) == houses;
}

// Every occupied sign is of one nature: 0 movable, 1 fixed, 2 dual.
bool AllInSignsOfNature(const YogaColumn& col, int nature) {
    for (int s = 0; s < 12; ++s)
        if (col.SevenPlanets(s) > 0 && s % 3 != nature) return false;
    return true;
}

int OccupiedSignCount(const YogaColumn& col) {
    int n = 0;
    for (int s = 0; s < 12; ++s)
        if (col.SevenPlanets(s) > 0) ++n;
    return n;
}

// Kendras from the lagna whose benefics (when `benefics`) or malefics are present and not outnumbered.
int KendrasHeldBy(const YogaColumn& col, bool benefics) {
    int n = 0;
    for (int h = 0; h < 12; h += 3) {
        const int sign = col.NthSign(h + 1);
        const int ours = benefics ? col.Benefics(sign) : col.Malefics(sign);
        const int theirs = benefics ? col.Malefics(sign) : col.Benefics(sign);
        if (ours > 0 && ours >= theirs) ++n;
    }
    return n;
}

// Benefics outnumber malefics in the 1st and 7th houses (when `beneficsInFirst`) and malefics
// outnumber benefics in the 4th and 10th, or the other way round; all four strict.
bool KendrasSplit(const YogaColumn& col, bool beneficsInFirst) {
    for (int h = 0; h < 12; h += 3) {
        const int sign = col.NthSign(h + 1);
        const bool beneficsWin = col.Benefics(sign) > col.Malefics(sign);
        const bool maleficsWin = col.Malefics(sign) > col.Benefics(sign);
        const bool beneficsWanted = (h % 6 == 0) == beneficsInFirst;
        if (!(beneficsWanted ? beneficsWin : maleficsWin)) return false;
    }
    return true;
}

// House (0-based) where a run of seven occupied signs in a row starts, walking the zodiac twice so
// that a run across Pisces and Aries is seen; -1 when there is none.
int SevenSignRunStart(const YogaColumn& col) {
    int run = 0;
    int start = 0;
    for (int k = 0; k < 24; ++k) {
        if (col.SevenPlanets(k % 12) == 0) {
            run = 0;
            continue;
        }
        if (run == 0) start = SignDistance(k % 12, col.Lagna());
        if (++run == 7) return start;
    }
    return -1;
}

} // namespace

void CYogaList::TestRajju(const YogaColumn& col) {
    if (AllInSignsOfNature(col, 0)) AddYoga(kYogaNaabhasa, 0);
}

void CYogaList::TestMusala(const YogaColumn& col) {
    if (AllInSignsOfNature(col, 1)) AddYoga(kYogaNaabhasa, 1);
}

void CYogaList::TestNala(const YogaColumn& col) {
    if (AllInSignsOfNature(col, 2)) AddYoga(kYogaNaabhasa, 2);
}

void CYogaList::TestMaalaa(const YogaColumn& col) {
    if (KendrasHeldBy(col, true) >= 3) AddYoga(kYogaNaabhasa, 3);
}

void CYogaList::TestSarpa(const YogaColumn& col) {
    if (KendrasHeldBy(col, false) >= 3) AddYoga(kYogaNaabhasa, 4);
}

void CYogaList::TestGadaa(const YogaColumn& col) {
    for (int h = 0; h < 12; h += 3) {
        if (AllIn(col, Houses({h, (h + 3) % 12}))) {
            AddYoga(kYogaNaabhasa, 12);
            return;
        }
    }
}

void CYogaList::TestSakata(const YogaColumn& col) {
    if (AllIn(col, Houses({0, 6}))) AddYoga(kYogaNaabhasa, 13);
}

void CYogaList::TestVihanga(const YogaColumn& col) {
    if (AllIn(col, Houses({3, 9}))) AddYoga(kYogaNaabhasa, 14);
}

void CYogaList::TestSringaataka(const YogaColumn& col) {
    if (AllIn(col, Houses({0, 4, 8}))) AddYoga(kYogaNaabhasa, 15);
}

void CYogaList::TestHala(const YogaColumn& col) {
    for (int h = 1; h <= 3; ++h) {
        if (AllIn(col, Houses({h, h + 4, h + 8}))) {
            AddYoga(kYogaNaabhasa, 16);
            return;
        }
    }
}

void CYogaList::TestVajra(const YogaColumn& col) {
    if (KendrasSplit(col, true)) AddYoga(kYogaNaabhasa, 17);
}

void CYogaList::TestYava(const YogaColumn& col) {
    if (KendrasSplit(col, false)) AddYoga(kYogaNaabhasa, 18);
}

void CYogaList::TestKamala(const YogaColumn& col) {
    if (Exactly(col, kKendras)) AddYoga(kYogaNaabhasa, 19);
}

void CYogaList::TestVaapi(const YogaColumn& col) {
    if (Exactly(col, kKendras << 1) || Exactly(col, kKendras << 2)) AddYoga(kYogaNaabhasa, 20);
}

void CYogaList::TestYoopa(const YogaColumn& col) {
    if (Exactly(col, Houses({0, 1, 2, 3}))) AddYoga(kYogaNaabhasa, 21);
}

void CYogaList::TestSara(const YogaColumn& col) {
    if (Exactly(col, Houses({3, 4, 5, 6}))) AddYoga(kYogaNaabhasa, 22);
}

void CYogaList::TestSakti(const YogaColumn& col) {
    if (Exactly(col, Houses({6, 7, 8, 9}))) AddYoga(kYogaNaabhasa, 23);
}

void CYogaList::TestDanda(const YogaColumn& col) {
    if (Exactly(col, Houses({9, 10, 11, 0}))) AddYoga(kYogaNaabhasa, 24);
}

void CYogaList::TestNaukaaGroup(const YogaColumn& col) {
    const int start = SevenSignRunStart(col);
    if (start < 0) return;
    // From the 1st, 4th, 7th or 10th house: Naukaa, Koota, Chatra, Chaapa; else Ardha-Chandra.
    AddYoga(kYogaNaabhasa, IsKendraDistance(start) ? 25 + start / 3 : 29);
}

void CYogaList::TestChakra(const YogaColumn& col) {
    if (Exactly(col, Houses({0, 2, 4, 6, 8, 10}))) AddYoga(kYogaNaabhasa, 30);
}

void CYogaList::TestSamudra(const YogaColumn& col) {
    if (Exactly(col, Houses({1, 3, 5, 7, 9, 11}))) AddYoga(kYogaNaabhasa, 31);
}

void CYogaList::TestSankhyaYogas(const YogaColumn& col) {
    // Gola for one occupied sign .. Veena for seven.
    AddYoga(kYogaNaabhasa, 4 + OccupiedSignCount(col));
}
