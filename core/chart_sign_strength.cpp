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

int SignOf(const CChartRecord& chart, int body, int v) {
    return chart.m_vargaSign.Sign(body, v);
}

// Degrees of a body within its sign in the chart's own positions; the nodes move backwards, so the
// comparisons count their degrees from the end of the sign.
double ComparedDegrees(const CChartRecord& chart, int body) {
    const double degrees = DegreesInto(chart.m_bodies[body]);
    return body == kRahu || body == kKetu ? 30.0 - degrees : degrees;
}

int CountOccupants(const CChartRecord& chart, int sign, int v, bool (*dignity)(int, int)) {
    int count = 0;
    for (int p = kSun; p <= kKetu; ++p) {
        if (SignOf(chart, p, v) == sign && dignity(p, sign)) ++count;
    }
    return count;
}

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
    // Scorpio and Aquarius are ruled here by the co-lords the rasi dasas use.
    const int aquariusLord = chart.StrongerCoLordByYears(kSaturn, kRahu, v);
    const int scorpioLord = chart.StrongerCoLordByYears(kMars, kKetu, v);
    auto lordOf = [&](int sign) {
        if (sign == kAquarius) return aquariusLord;
        if (sign == kScorpio) return scorpioLord;
        return SignLordPlain(sign);
    };
    return FirstDifferingTest(a, b, tests, [&](SignTest test, int sign) -> double {
        switch (test) {
        case SignTest::kCompany:
            return chart.CountPlanetsInSign(sign, v);
        case SignTest::kAspects:
            return chart.CountAspectsOnSign(sign, v);
        case SignTest::kExaltedOccupants:
            return CountOccupants(chart, sign, v, IsExaltedIn);
        case SignTest::kDebilitatedOccupants:
            return -CountOccupants(chart, sign, v, IsDebilitatedIn);
        case SignTest::kLordPlacement:
            return IsOddSign(SignOf(chart, lordOf(sign), v)) != IsOddSign(sign) ? 1 : 0;
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
    return FirstDifferingTest(p, q, tests, [&](PlanetTest test, int planet) -> double {
        const int sign = SignOf(chart, planet, v);
        switch (test) {
        case PlanetTest::kCompany:
            return chart.CountPlanetsInSign(sign, v);
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
    return FirstDifferingTest(p, q, tests, [&](CoLordTest test, int planet) -> double {
        const int sign = SignOf(chart, planet, v);
        switch (test) {
        case CoLordTest::kOutsideHome:
            return sign != home;
        case CoLordTest::kCompany:
            return chart.CountPlanetsInSign(sign, v);
        case CoLordTest::kAspects:
            return chart.CountAspectsOnSign(sign, v);
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
    int count = 0;
    if (SignsAspect(SignOf(*this, kMercury, v), sign)) ++count;
    if (SignsAspect(SignOf(*this, kJupiter, v), sign)) ++count;
    if (SignsAspect(SignOf(*this, SignLordPlain(sign), v), sign)) {
        ++count;
    } else if ((sign == kScorpio && SignsAspect(SignOf(*this, kKetu, v), sign)) ||
               (sign == kAquarius && SignsAspect(SignOf(*this, kRahu, v), sign))) {
        ++count;
    }
    return count;
}

int CChartRecord::CountPlanetsInSign(int sign, int v) const {
    return CountOccupants(*this, sign, v, [](int, int) { return true; });
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
        if (SignOf(*this, p, v) == sign) out[count++] = p;
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
