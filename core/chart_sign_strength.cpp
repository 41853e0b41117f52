// Which of two signs, or of two planets, is the stronger: the comparisons the rasi dasas, the Jaimini
// karakas and the graha arudhas rest on, and the four choosers of the co-lords of Scorpio and Aquarius.
#include <algorithm>

#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/sign_rules.h"
#include "core/varga_math.h"

namespace {

// Each comparison is a list of tests; every test scores both candidates, and the first test whose
// scores differ decides for the higher score. A full tie goes to the first candidate.
template <typename Test, std::size_t N, typename Score>
int FirstDifferingTest(int a, int b, const std::array<Test, N>& tests, Score score) {
    for (Test test : tests) {
        const double scoreA = score(test, a);
        const double scoreB = score(test, b);
        if (scoreA != scoreB) return scoreA > scoreB ? a : b;
    }
    return a;
}

// Degrees of a body within its sign in the chart's own positions; the nodes move backwards, so the
// comparisons count their degrees from the end of the sign.
double ComparedDegrees(const CChartRecord& chart, int body) {
    const double degrees = DegreesInto(chart.m_bodies[body]);
    return body == kRahu || body == kKetu ? 30.0 - degrees : degrees;
}

// The signs of the planets Sun .. Ketu in one column, read once for every test of a comparison.
class PlanetSigns {
public:
    PlanetSigns(const CChartRecord& chart, int v) {
        for (int p = kSun; p <= kKetu; ++p) {
            m_sign[p] = chart.m_vargaSign.Sign(p, v);
            ++m_count[m_sign[p]];
        }
    }

    int operator[](int planet) const { return m_sign[planet]; }

    int CountIn(int sign) const { return m_count[sign]; }
    // Planets in `sign` for which dignity(planet, sign) holds.
    int CountIn(int sign, bool (*dignity)(int, int)) const {
        if (m_count[sign] == 0) return 0;
        int count = 0;
        for (int p = kSun; p <= kKetu; ++p) {
            if (m_sign[p] == sign && dignity(p, sign)) ++count;
        }
        return count;
    }

    // Rasi drishti on `sign` from Mercury, Jupiter and the sign's lord; for Scorpio and Aquarius Ketu or
    // Rahu counts when the plain lord does not aspect.
    int AspectsOn(int sign) const {
        int count = 0;
        if (SignsAspect(m_sign[kMercury], sign)) ++count;
        if (SignsAspect(m_sign[kJupiter], sign)) ++count;
        if (SignsAspect(m_sign[SignLordPlain(sign)], sign)) {
            ++count;
        } else if ((sign == kScorpio && SignsAspect(m_sign[kKetu], sign)) ||
                   (sign == kAquarius && SignsAspect(m_sign[kRahu], sign))) {
            ++count;
        }
        return count;
    }

private:
    std::array<int, kKetu + 1> m_sign{}; // [0] unused
    std::array<int, 12> m_count{};       // planets in each sign
};

enum class SignTest {
    kCompany,
    kAspects,
    kExaltedOccupants,
    kDebilitatedOccupants,
    kLordPlacement,
    kNature,
    kLordDegrees
};
constexpr std::array kSignTests = {SignTest::kCompany,          SignTest::kAspects,
                                   SignTest::kExaltedOccupants, SignTest::kDebilitatedOccupants,
                                   SignTest::kLordPlacement,    SignTest::kNature,
                                   SignTest::kLordDegrees};
constexpr std::array kSignTestsDignityFirst = {
    SignTest::kCompany,    SignTest::kExaltedOccupants, SignTest::kDebilitatedOccupants,
    SignTest::kAspects,    SignTest::kLordPlacement,    SignTest::kNature,
    SignTest::kLordDegrees};

template <std::size_t N>
int CompareSigns(const CChartRecord& chart, int a, int b, int v, const std::array<SignTest, N>& tests) {
    if (a == b) return a; // the Sun and the Moon own one sign: nothing to compare
    const PlanetSigns signs(chart, v);
    // Scorpio and Aquarius are ruled here by the co-lords the rasi dasas use. Chosen only when a
    // lord test is reached: most comparisons are decided before.
    auto lordOf = [&](int sign) {
        if (sign == kAquarius) return chart.StrongerCoLordByYears(kSaturn, kRahu, v);
        if (sign == kScorpio) return chart.StrongerCoLordByYears(kMars, kKetu, v);
        return SignLordPlain(sign);
    };
    return FirstDifferingTest(a, b, tests, [&](SignTest test, int sign) -> double {
        switch (test) {
        case SignTest::kCompany:
            return signs.CountIn(sign);
        case SignTest::kAspects:
            return signs.AspectsOn(sign);
        case SignTest::kExaltedOccupants:
            return signs.CountIn(sign, IsExaltedIn);
        case SignTest::kDebilitatedOccupants:
            return -signs.CountIn(sign, IsDebilitatedIn);
        case SignTest::kLordPlacement:
            return IsOddSign(signs[lordOf(sign)]) != IsOddSign(sign) ? 1 : 0;
        case SignTest::kNature:
            return SignNature(sign); // dual over fixed over movable
        case SignTest::kLordDegrees:
            return ComparedDegrees(chart, lordOf(sign));
        }
        return 0;
    });
}

enum class PlanetTest { kCompany, kExalted, kNotDebilitated, kMoolatrikona, kOwnSign, kDegrees };
constexpr std::array kPlanetTests = {PlanetTest::kCompany,        PlanetTest::kExalted,
                                     PlanetTest::kNotDebilitated, PlanetTest::kMoolatrikona,
                                     PlanetTest::kOwnSign,        PlanetTest::kDegrees};
constexpr std::array kPlanetTestsByDignity = {PlanetTest::kExalted, PlanetTest::kNotDebilitated,
                                              PlanetTest::kMoolatrikona, PlanetTest::kOwnSign,
                                              PlanetTest::kDegrees};

template <std::size_t N>
int ComparePlanets(const CChartRecord& chart, int p, int q, int v, const std::array<PlanetTest, N>& tests) {
    const PlanetSigns signs(chart, v);
    return FirstDifferingTest(p, q, tests, [&](PlanetTest test, int planet) -> double {
        const int sign = signs[planet];
        switch (test) {
        case PlanetTest::kCompany:
            return signs.CountIn(sign);
        case PlanetTest::kExalted:
            return IsExaltedIn(planet, sign);
        case PlanetTest::kNotDebilitated:
            return !IsDebilitatedIn(planet, sign);
        case PlanetTest::kMoolatrikona:
            return IsInMoolatrikona(planet, sign);
        case PlanetTest::kOwnSign:
            return IsLordOfSign(planet, sign);
        case PlanetTest::kDegrees:
            return ComparedDegrees(chart, planet);
        }
        return 0;
    });
}

// Tests of the co-lord choosers (H, C, A, E, D, N+, N-, G, G0 and Y).
enum class CoLordTest {
    kOutsideHome,    // the candidate not in the home sign, when only one of them is there
    kCompany,        // more planets in its sign
    kAspects,        // more aspects on its sign
    kExalted,        // exalted in its sign
    kNotDebilitated, // not debilitated there
    kDualFirst,      // dual over fixed over movable
    kMovableFirst,   // movable over fixed over dual
    kDegrees,        // more degrees, the nodes counted from the end of the sign
    kRawDegrees,     // more degrees, no correction for the nodes
    kYears,          // more years from the home sign to its sign
};

// The sign that the pair rules: Aquarius for Saturn and Rahu, Scorpio for Mars and Ketu.
int HomeSign(int p) {
    return p == kSaturn || p == kRahu ? kAquarius : kScorpio;
}

template <std::size_t N>
int ChooseCoLord(const CChartRecord& chart, int p, int q, int v, const std::array<CoLordTest, N>& tests) {
    const int home = HomeSign(p);
    const PlanetSigns signs(chart, v);
    return FirstDifferingTest(p, q, tests, [&](CoLordTest test, int planet) -> double {
        const int sign = signs[planet];
        switch (test) {
        case CoLordTest::kOutsideHome:
            return sign != home;
        case CoLordTest::kCompany:
            return signs.CountIn(sign);
        case CoLordTest::kAspects:
            return signs.AspectsOn(sign);
        case CoLordTest::kExalted:
            return IsExaltedIn(planet, sign);
        case CoLordTest::kNotDebilitated:
            return !IsDebilitatedIn(planet, sign);
        case CoLordTest::kDualFirst:
            return SignNature(sign);
        case CoLordTest::kMovableFirst:
            return -SignNature(sign);
        case CoLordTest::kDegrees:
            return ComparedDegrees(chart, planet);
        case CoLordTest::kRawDegrees:
            return DegreesInto(chart.m_bodies[planet]);
        case CoLordTest::kYears:
            // The rasi dasa years of the home sign with the candidate as its lord: forward from Scorpio,
            // backward from Aquarius, with the exaltation step.
            return chart.RasiDasaYears(home, planet, v);
        }
        return 0;
    });
}

// Stable insertion sort, strongest first: each next item goes before the first placed item it beats.
template <typename Stronger> void InsertionSortByStrength(int* items, int n, Stronger stronger) {
    for (int i = 1; i < n; ++i) {
        const int x = items[i];
        int at = 0;
        while (at < i && stronger(items[at], x) != x) ++at;
        std::move_backward(items + at, items + i, items + i + 1);
        items[at] = x;
    }
}

} // namespace

int CChartRecord::CountAspectsOnSign(int sign, int v) const {
    return PlanetSigns(*this, v).AspectsOn(sign);
}

int CChartRecord::CountPlanetsInSign(int sign, int v) const {
    return PlanetSigns(*this, v).CountIn(sign);
}

int CChartRecord::StrongerSign(int a, int b, int v) const {
    return CompareSigns(*this, a, b, v, kSignTests);
}

int CChartRecord::StrongerSignDignityFirst(int a, int b, int v) const {
    return CompareSigns(*this, a, b, v, kSignTestsDignityFirst);
}

int CChartRecord::CompareSignStrength(int a, int b, int v, int method) const {
    return method == 2 ? StrongerSignDignityFirst(a, b, v) : StrongerSign(a, b, v);
}

void CChartRecord::SortByStrength(int n, int* signs, int v, int method) const {
    InsertionSortByStrength(signs, n, [&](int e, int x) { return CompareSignStrength(e, x, v, method); });
}

int CChartRecord::ListPlanetsInSign(int sign, std::array<int, kPlanetCount>& out, int v) const {
    int count = 0;
    for (int p = kSun; p <= kKetu; ++p) {
        if (m_vargaSign.Sign(p, v) == sign) out[count++] = p;
    }
    InsertionSortByStrength(out.data(), count,
                            [&](int e, int x) { return StrongerPlanetByDignity(e, x, v); });
    return count;
}

int CChartRecord::StrongerPlanet(int p, int q, int v) const {
    return ComparePlanets(*this, p, q, v, kPlanetTests);
}

int CChartRecord::StrongerPlanetByDignity(int p, int q, int v) const {
    return ComparePlanets(*this, p, q, v, kPlanetTestsByDignity);
}

int CChartRecord::StrongerCoLord(int p, int q, int v) const {
    static constexpr std::array kTests = {
        CoLordTest::kOutsideHome,    CoLordTest::kCompany,   CoLordTest::kAspects, CoLordTest::kExalted,
        CoLordTest::kNotDebilitated, CoLordTest::kDualFirst, CoLordTest::kDegrees};
    return ChooseCoLord(*this, p, q, v, kTests);
}

int CChartRecord::StrongerCoLordByYears(int p, int q, int v) const {
    static constexpr std::array kTests = {
        CoLordTest::kOutsideHome,    CoLordTest::kCompany,   CoLordTest::kAspects, CoLordTest::kExalted,
        CoLordTest::kNotDebilitated, CoLordTest::kDualFirst, CoLordTest::kYears};
    return ChooseCoLord(*this, p, q, v, kTests);
}

int CChartRecord::StrongerCoLordByDegrees(int p, int q, int v) const {
    static constexpr std::array kTests = {CoLordTest::kOutsideHome, CoLordTest::kCompany,
                                          CoLordTest::kRawDegrees};
    return ChooseCoLord(*this, p, q, v, kTests);
}

int CChartRecord::CompareSignsByCoLordRule(int p, int q, int v) const {
    static constexpr std::array kTests = {CoLordTest::kOutsideHome, CoLordTest::kCompany,
                                          CoLordTest::kMovableFirst, CoLordTest::kYears};
    return ChooseCoLord(*this, p, q, v, kTests);
}

int CChartRecord::StrongerOwnSign(int p, int v) const {
    return StrongerSign(kOwnSigns[p].first, kOwnSigns[p].second, v);
}
