#pragma once
// A chart as the yoga testers read it: the signs of one varga column, houses and house lords counted
// from the lagna's sign there, and the finder's per-sign group counts. Signs 0 Aries .. 11 Pisces;
// bodies 0 lagna, 1 Sun .. 9 Ketu; distances between signs are counted forward and 0-based (0 the
// same sign, 1 the 2nd, 6 the 7th, 11 the 12th).
#include <algorithm>
#include <array>
#include <initializer_list>

#include "analysis/yoga_list.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"

// Giver candidates, in the order testers name them.
inline constexpr std::array<int, 4> g_NaturalBenefics = {kMoon, kMercury, kJupiter, kVenus};
inline constexpr std::array<int, 5> g_NaturalMalefics = {kSun, kMars, kSaturn, kRahu, kKetu};

// Distance of sign `to` counted forward from sign `from`: (to - from + 12) mod 12.
constexpr int SignDistance(int to, int from) {
    return PositiveMod(to - from, 12);
}
constexpr bool IsKendraDistance(int d) {
    return d % 3 == 0; // 1st, 4th, 7th, 10th
}
constexpr bool IsKonaDistance(int d) {
    return d % 4 == 0; // 1st, 5th, 9th
}
constexpr bool IsKendraOrKonaDistance(int d) {
    return IsKendraDistance(d) || IsKonaDistance(d);
}
// The same sign, or signs in mutual 7ths (samasaptaka).
constexpr bool TogetherOrOpposite(int a, int b) {
    return SignDistance(a, b) % 6 == 0;
}
constexpr bool IsNaturalBenefic(int planet) {
    return planet == kMoon || planet == kMercury || planet == kJupiter || planet == kVenus;
}
constexpr bool IsFixedSign(int sign) {
    return sign % 3 == 1;
}

class YogaColumn {
public:
    YogaColumn(const CChartRecord& chart, int column, const YogaGroupCounts& counts)
        : m_chart(chart), m_column(column), m_counts(counts),
          m_lagna(chart.m_vargaSign.Sign(kLagna, column)) {}

    const CChartRecord& Chart() const { return m_chart; }
    int Column() const { return m_column; }

    int Sign(int body) const { return m_chart.m_vargaSign.Sign(body, m_column); }
    int SignIn(int body, int column) const { return m_chart.m_vargaSign.Sign(body, column); }
    int Lagna() const { return m_lagna; }
    // The n-th sign from the lagna, n = 1-12 (n may run past 12: it is taken round the zodiac).
    int NthSign(int n) const { return SignFrom(m_lagna, n - 1); }
    int House0(int body) const { return SignDistance(Sign(body), m_lagna); } // 0 the 1st .. 11 the 12th
    // The body stands in one of the houses listed (1-12).
    bool InHouses(int body, std::initializer_list<int> houses) const {
        return std::find(houses.begin(), houses.end(), House0(body) + 1) != houses.end();
    }
    // Plain lord (body 1-7) of a sign; the lord of the n-th house, Ln.
    int LordOf(int sign) const { return m_chart.SignLordOpt(sign, m_column); }
    int HouseLord(int n) const { return LordOf(NthSign(n)); }
    // The lord of the a-th house stands in the b-th and the lord of the b-th in the a-th (an exchange).
    bool LordsExchanged(int a, int b) const {
        return Sign(HouseLord(a)) == NthSign(b) && Sign(HouseLord(b)) == NthSign(a);
    }
    // Lord of the planet's D-9 sign (whatever the column under test).
    int NavamsaDispositor(int planet) const {
        return m_chart.SignLordOpt(SignIn(planet, kD9Column), kD9Column);
    }

    // The two bodies share a sign or their signs aspect each other by rasi drishti.
    bool Aspect(int a, int b) const { return m_chart.SignsAspectInVarga(m_column, a, b); }
    bool IsExalted(int planet) const { return IsExaltedIn(planet, Sign(planet)); }
    bool IsDebilitated(int planet) const { return IsDebilitatedIn(planet, Sign(planet)); }
    // In its own sign (Rahu Aquarius and Ketu Scorpio included) or its exaltation sign.
    bool IsOwnOrExalted(int planet) const { return m_chart.IsOwnOrExalted(m_column, planet); }
    // In the 1st, 4th, 5th, 7th, 9th or 10th house.
    bool IsInKendraOrKona(int body) const { return IsKendraOrKonaDistance(House0(body)); }
    // CChartRecord::IsWellPlaced in the column.
    bool IsStrong(int planet) const { return m_chart.IsWellPlaced(planet, m_column); }
    // In its own or exaltation sign, or in the sign of a natural friend or of a compound (great)
    // friend in the column.
    bool IsInFriendlySign(int planet) const;

    // Per-sign group counts of the finder.
    int Benefics(int sign) const { return m_counts[kGroupBenefics][sign]; }
    int Malefics(int sign) const { return m_counts[kGroupMalefics][sign]; }
    int Grahas(int sign) const { return m_counts[kGroupGrahas][sign]; }
    int SevenPlanets(int sign) const { return m_counts[kGroupSevenPlanets][sign]; }

private:
    const CChartRecord& m_chart;
    int m_column;
    const YogaGroupCounts& m_counts;
    int m_lagna;
};
