#include "core/varga_special.h"

#include <algorithm>

#include "core/angle_time.h"
#include "core/varga_math.h"
#include "core/varga_tables.h"

namespace {

// Start offsets of the custom division by start rule: the sign chooses offsets[s mod groups].
struct CustomStartRule {
    int groups;
    std::array<int, 4> offsets;
};
constexpr std::array<CustomStartRule, kCustomStartRuleCount> kCustomStartRules = {{
    {1, {0}},
    {2, {0, 6}},
    {2, {0, 8}},
    {2, {0, 4}},
    {2, {0, 10}},
    {2, {0, 2}},
    {3, {0, 4, 8}},
    {3, {0, 8, 4}},
    {4, {0, 3, 6, 9}},
    {4, {0, 9, 6, 3}},
}};

} // namespace

bool IsValidCustomDivision(const CustomDivisionSettings& settings) {
    const bool partsValid =
        settings.nCustDivN >= kMinCustomDivisions && settings.nCustDivN <= kMaxCustomDivisions;
    const bool startValid =
        settings.bCyclical || (settings.tStart >= 0 && settings.tStart < kCustomStartRuleCount);
    return partsValid && startValid;
}

std::optional<int> CustomVargaSign(const CRasiLongitude& body, const CustomDivisionSettings& settings) {
    if (!IsValidCustomDivision(settings)) return std::nullopt;
    const int parts = settings.nCustDivN;
    if (settings.bCyclical) return CyclicSign(body.m_dLongitude, parts);
    const int s = Mod12(body.m_nSign);
    const int base = settings.bHouseAsSeed ? s : 0;
    const CustomStartRule& rule = kCustomStartRules[settings.tStart];
    int k = Trunc(DegreesInto(body) * parts / 30.0);
    if (settings.bReverseDivsInEvenSigns && !IsOddSign(s)) k = parts - 1 - k;
    return Mod12(k + rule.offsets[s % rule.groups] + base);
}

bool IsValidCompositeVarga(int outerColumn, int innerColumn) {
    const bool outerValid =
        outerColumn >= 0 && outerColumn < kVargaColumnCount && outerColumn != kCompositeColumn;
    return outerValid && innerColumn >= 0 && innerColumn <= kD60Column;
}

D150Place D150PlaceOf(double degreesInSign, int variant) {
    const double d = degreesInSign;
    double start = 0;
    double width = 0;
    int part = 0;
    if (variant == 0) {
        part = std::clamp(Trunc(5.0 * d), 0, 149);
        start = 0.2 * part;
        width = 0.2;
    } else {
        part = static_cast<int>(
                   std::upper_bound(kD150PartStart.begin() + 1, kD150PartStart.end(), d,
                                    [](double x, int unit) { return x < unit / double(kD150Units); }) -
                   kD150PartStart.begin()) -
               1;
        const int end = part + 1 < 150 ? kD150PartStart[part + 1] : kD150PartEnd;
        start = kD150PartStart[part] / double(kD150Units);
        width = (end - kD150PartStart[part]) / double(kD150Units);
    }
    return {part, 2 * part + (d - start >= width / 2 ? 1 : 0)};
}

int D150CycleIndex(int sign, int half, int variant) {
    static constexpr int kFromZeroThreeSix[3] = {0, 3, 6};
    static constexpr int kFromZeroSixThree[3] = {0, 6, 3};
    const int quality = Mod12(sign) % 3; // movable, fixed, dual
    switch (variant) {
    case 0:
        return (kFromZeroThreeSix[quality] + half) % 9;
    case 1:
        return (kFromZeroSixThree[quality] + half) % 9;
    default:
        if (quality == 0) return half % 9;
        if (quality == 1) return (299 - half) % 9;
        return (half < 150 ? half + 150 : half - 150) % 9;
    }
}

int HaddaLord(int sign, double degreesInSign) {
    const HaddaTerms& terms = kHaddaTerms[Mod12(sign)];
    const auto passed = std::count_if(terms.boundaries.begin(), terms.boundaries.end(),
                                      [&](int boundary) { return boundary <= degreesInSign; });
    return terms.lords[passed];
}

int HouseIndexOf(std::span<const CBhava, 12> houses, const CRasiLongitude& body) {
    int latest = 0;
    double nearest = 360.0;
    for (int i = 0; i < 12; ++i) {
        if (houses[i].ContainsLongitude(body)) return i;
        const double sinceStart = Reduce360(body.m_dLongitude - houses[i].m_start.m_dLongitude);
        if (sinceStart < nearest) {
            nearest = sinceStart;
            latest = i;
        }
    }
    return latest;
}

int ChalitSignShift(double x, double r, bool cuspsInMiddle, bool nodesReversed, int referenceBody) {
    if (cuspsInMiddle) {
        if (r >= 15.0 && x < r - 15.0) return -1;
        if (r < 15.0 && x >= r + 15.0) return 1;
        return 0;
    }
    if (nodesReversed && (referenceBody == kRahu || referenceBody == kKetu)) return x > r ? 1 : 0;
    return x < r ? -1 : 0;
}
