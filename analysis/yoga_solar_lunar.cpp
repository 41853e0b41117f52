// Solar yogas (planets flanking the Sun, the Sun with Mercury) and lunar yogas (planets flanking the
// Moon, Kemadruma, the Moon with Mars or Jupiter, benefics beyond the Moon).
#include <optional>

#include "analysis/yoga_column.h"

namespace {

// The planets that can flank the Sun or the Moon: never the luminaries or the nodes.
constexpr int kFlankingPlanets[] = {kMars, kMercury, kJupiter, kVenus, kSaturn};

struct FlankYoga {
    int offset; // 0 both sides, 1 the 2nd sign only, 2 the 12th sign only
    YogaGivers givers;
};

// The flanking yoga around `sign`; givers those in the 2nd sign, then those in the 12th.
std::optional<FlankYoga> FlankingYoga(const YogaColumn& col, int sign) {
    YogaGivers second;
    YogaGivers twelfth;
    for (int p : kFlankingPlanets) {
        const int d = SignDistance(col.Sign(p), sign);
        if (d == 1) second.Add(p);
        if (d == 11) twelfth.Add(p);
    }
    if (second.count > 0 && twelfth.count > 0) {
        for (int i = 0; i < twelfth.count; ++i) second.Add(twelfth.body[i]);
        return FlankYoga{0, second};
    }
    if (second.count > 0) return FlankYoga{1, second};
    if (twelfth.count > 0) return FlankYoga{2, twelfth};
    return std::nullopt;
}

// One of the Sun .. Saturn other than the Moon stands in a kendra from the lagna.
bool KendraFromLagnaOccupied(const YogaColumn& col) {
    for (int p = kSun; p <= kSaturn; ++p)
        if (p != kMoon && IsKendraDistance(col.House0(p))) return true;
    return false;
}

} // namespace

void CYogaList::TestSolarFlanks(const YogaColumn& col) {
    if (const auto flank = FlankingYoga(col, col.Sign(kSun)))
        AddYoga(kYogaSolar, flank->offset, flank->givers);
}

void CYogaList::TestNipuna(const YogaColumn& col) {
    if (TogetherOrOpposite(col.Sign(kMercury), col.Sign(kSun))) AddYoga(kYogaSolar, 3, {kSun, kMercury});
}

void CYogaList::TestLunarFlanks(const YogaColumn& col) {
    if (const auto flank = FlankingYoga(col, col.Sign(kMoon))) {
        AddYoga(kYogaLunar, flank->offset, flank->givers);
        return;
    }
    // Kemadruma: nothing beside the Moon and the kendras from the lagna empty.
    if (!KendraFromLagnaOccupied(col)) AddYoga(kYogaLunar, 3, {kMoon});
}

void CYogaList::TestMoonWithMars(const YogaColumn& col) {
    if (TogetherOrOpposite(col.Sign(kMars), col.Sign(kMoon))) AddYoga(kYogaLunar, 4, {kMoon, kMars});
}

void CYogaList::TestMoonWithJupiter(const YogaColumn& col) {
    if (IsKendraDistance(SignDistance(col.Sign(kJupiter), col.Sign(kMoon))))
        AddYoga(kYogaLunar, 5, {kMoon, kJupiter});
}

void CYogaList::TestAdhiYoga(const YogaColumn& col) {
    YogaGivers benefics;
    int malefics = 0;
    for (int p = kSun; p <= kSaturn; ++p) {
        const int d = SignDistance(col.Sign(p), col.Sign(kMoon));
        if (d < 5 || d > 7) continue; // the 6th, 7th and 8th from the Moon
        if (p == kMercury || p == kJupiter || p == kVenus)
            benefics.Add(p);
        else
            ++malefics;
    }
    if (benefics.count >= 2 && benefics.count >= malefics) AddYoga(kYogaLunar, 6, benefics);
}
