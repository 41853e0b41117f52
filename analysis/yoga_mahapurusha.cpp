// Pancha Mahapurusha yogas: Jupiter, Venus, Mercury, Mars or Saturn in a kendra from the lagna in one
// of its own signs or its exaltation sign.
#include <algorithm>

#include "analysis/yoga_column.h"

namespace {

struct MahapurushaRule {
    int planet;
    std::array<int, 3> signs; // the planet's own and exaltation signs, kNoSign filling the row
};

// By catalogue index: Hamsa, Malavya, Bhadra, Ruchaka, Sasa.
constexpr MahapurushaRule kRules[] = {
    {kJupiter, {kSagittarius, kPisces, kCancer}}, {kVenus, {kTaurus, kLibra, kPisces}},
    {kMercury, {kGemini, kVirgo, kNoSign}},       {kMars, {kAries, kScorpio, kCapricorn}},
    {kSaturn, {kCapricorn, kAquarius, kLibra}},
};

bool MahapurushaHolds(const YogaColumn& col, const MahapurushaRule& rule) {
    const int sign = col.Sign(rule.planet);
    const bool dignified = std::find(rule.signs.begin(), rule.signs.end(), sign) != rule.signs.end();
    return dignified && IsKendraDistance(col.House0(rule.planet));
}

} // namespace

void CYogaList::TestHamsa(const YogaColumn& col) {
    if (MahapurushaHolds(col, kRules[0])) AddYoga(kYogaMahapurusha, 0, {kJupiter});
}

void CYogaList::TestMalavya(const YogaColumn& col) {
    if (MahapurushaHolds(col, kRules[1])) AddYoga(kYogaMahapurusha, 1, {kVenus});
}

void CYogaList::TestBhadra(const YogaColumn& col) {
    if (MahapurushaHolds(col, kRules[2])) AddYoga(kYogaMahapurusha, 2, {kMercury});
}

void CYogaList::TestRuchaka(const YogaColumn& col) {
    if (MahapurushaHolds(col, kRules[3])) AddYoga(kYogaMahapurusha, 3, {kMars});
}

void CYogaList::TestSasa(const YogaColumn& col) {
    if (MahapurushaHolds(col, kRules[4])) AddYoga(kYogaMahapurusha, 4, {kSaturn});
}
