#include "analysis/transit_judgement.h"

#include <algorithm>
#include <cmath>

#include "analysis/ashtakavarga.h"
#include "core/chart_core.h"
#include "core/chart_searches.h"
#include "core/remembered_searches.h"
#include "core/sign_arithmetic.h"

namespace {

// Good (+1) and bad (-1) transit houses 1-12 of the planets Sun .. Ketu, from the natal reference
// (the classical gochara table).
constexpr int kHouseQuality[9][12] = {
    {0, 0, 1, 0, 0, 1, 0, -1, 0, 1, 1, -1},    // Sun: 3 6 10 11 good; 8 12 bad
    {1, 0, 1, 0, 0, 1, 1, -1, 0, 1, 1, -1},    // Moon: 1 3 6 7 10 11; 8 12
    {0, 0, 1, 0, 0, 1, 0, -1, 0, 0, 1, -1},    // Mars: 3 6 11; 8 12
    {0, 1, 0, 1, 0, 1, 0, 1, 0, 1, 1, -1},     // Mercury: 2 4 6 8 10 11; 12
    {0, 1, 0, 0, 1, 0, 1, -1, 1, 0, 1, -1},    // Jupiter: 2 5 7 9 11; 8 12
    {1, 1, 1, 1, 1, -1, 0, 1, 1, 0, 1, 1},     // Venus: 1 2 3 4 5 8 9 11 12; 6
    {-1, -1, 1, -1, 0, 1, 0, -1, 0, 0, 1, -1}, // Saturn: 3 6 11; 1 2 4 8 12
    {0, 0, 1, 0, 0, 1, 0, -1, 0, 0, 1, -1},    // Rahu: 3 6 11; 8 12
    {0, 0, 1, 0, 0, 1, 0, -1, 0, 0, 1, -1},    // Ketu: 3 6 11; 8 12
};

// The vedha house of each good house 1-12 of the planets Sun .. Saturn (0: none), from the classical vedha
// table.
constexpr int kVedhaHouse[7][12] = {
    {0, 0, 9, 0, 0, 12, 0, 0, 0, 4, 5, 0},  // Sun 3:9 6:12 10:4 11:5
    {5, 0, 9, 0, 0, 12, 2, 0, 0, 4, 8, 0},  // Moon 1:5 3:9 6:12 7:2 10:4 11:8
    {0, 0, 12, 0, 0, 9, 0, 0, 0, 0, 5, 0},  // Mars 3:12 6:9 11:5
    {0, 5, 0, 3, 0, 9, 0, 1, 0, 7, 12, 0},  // Mercury 2:5 4:3 6:9 8:1 10:7 11:12
    {0, 12, 0, 0, 4, 0, 3, 0, 10, 0, 8, 0}, // Jupiter 2:12 5:4 7:3 9:10 11:8
    {8, 7, 1, 10, 9, 0, 0, 5, 11, 0, 6, 3}, // Venus 1:8 2:7 3:1 4:10 5:9 8:5 9:11 11:6 12:3
    {0, 0, 12, 0, 0, 9, 0, 0, 0, 0, 5, 0},  // Saturn 3:12 6:9 11:5
};

constexpr bool kGoodTara[kTaraCycle] = {true, true, false, true, false, true, false, true, true};

constexpr int kKakshyaLords[kKakshyaCount] = {kSaturn, kJupiter, kMars, kSun,
                                              kVenus,  kMercury, kMoon, kLagna};
constexpr double kKakshyaDegrees = 3.75; // 30 / 8

// Murthi by the Moon's house 1-12: 1 6 11 Swarna, 2 5 9 Rajata, 3 7 10 Taamra, 4 8 12 Loha.
constexpr int kMurthiByHouse[13] = {0, 0, 1, 2, 3, 1, 0, 2, 3, 1, 2, 0, 3};

bool IsPlanet(int body) {
    return body >= kSun && body <= kKetu;
}

// The body whose sign entry a planet's is: Ketu enters its sign when Rahu enters the opposite one.
int SearchedBody(int planet) {
    return planet == kKetu ? kRahu : planet;
}

bool HasAshtakavarga(int body, int column, int sign) {
    return body >= kLagna && body <= kSaturn && column >= 0 && column < kVargaColumnCount && sign >= 0 &&
           sign < 12;
}

// The pairs that never obstruct each other, in either direction.
bool NeverObstruct(int a, int b) {
    const auto pair = [a, b](int x, int y) { return (a == x && b == y) || (a == y && b == x); };
    return pair(kSun, kSaturn) || pair(kMoon, kMercury);
}

} // namespace

int TaraIndex(int transitStar, int natalMoonStar) {
    return PositiveMod(transitStar - natalMoonStar, 27) % kTaraCycle;
}

bool IsGoodTara(int tara) {
    return tara >= 0 && tara < kTaraCycle && kGoodTara[tara];
}

int HouseFrom(int sign, int reference) {
    return PositiveMod(sign - reference, 12) + 1;
}

int TransitHouseQuality(int planet, int house) {
    if (!IsPlanet(planet) || house < 1 || house > 12) return 0;
    return kHouseQuality[planet - 1][house - 1];
}

int VedhaHouse(int planet, int house) {
    if (planet < kSun || planet > kSaturn || house < 1 || house > 12) return 0;
    return kVedhaHouse[planet - 1][house - 1];
}

VedhaMarks::VedhaMarks(const std::array<int, 10>& houses) {
    for (int planet = kSun; planet <= kSaturn; ++planet) {
        const int vedha = VedhaHouse(planet, houses[planet]);
        if (vedha == 0) continue;
        for (int by = kSun; by <= kKetu; ++by)
            m_marks[by][planet] = by != planet && houses[by] == vedha && !NeverObstruct(by, planet);
    }
}

bool VedhaMarks::IsObstructed(int planet) const {
    if (!IsPlanet(planet)) return false;
    return std::any_of(m_marks.begin(), m_marks.end(), [planet](const auto& row) { return row[planet]; });
}

int KakshyaIndex(double longitude) {
    const double inSign = longitude - 30.0 * std::floor(longitude / 30.0);
    return std::clamp(static_cast<int>(inSign / kKakshyaDegrees), 0, kKakshyaCount - 1);
}

int KakshyaLord(int kakshya) {
    return kKakshyaLords[std::clamp(kakshya, 0, kKakshyaCount - 1)];
}

std::optional<int> TransitBindus(const CAshtakavarga& natal, int column, int body, int sign) {
    if (!HasAshtakavarga(body, column, sign)) return std::nullopt;
    return natal.m_bhinna[column][body][sign];
}

std::optional<bool> IsGoodKakshya(const CAshtakavarga& natal, int column, int body, int sign, int lord) {
    if (!HasAshtakavarga(body, column, sign) || lord < kLagna || lord > kSaturn) return std::nullopt;
    return natal.m_prastara[column][body].m_given[sign][lord] != 0;
}

int MurthiOfMoonHouse(int house) {
    return kMurthiByHouse[std::clamp(house, 1, 12)];
}

SignEntryMurthi FindSignEntryMurthi(const CChartCore& at, int body, int natalMoonSign) {
    SignEntryMurthi result;
    if (!IsPlanet(body)) return result;
    const int searched = SearchedBody(body);
    double stayStart = 0.0, entry = 0.0;
    const SearchResult found =
        at.FindBodyEntersDivision(searched, at.m_bodies[searched].m_nSign, true, stayStart, entry);
    if (!found.found()) {
        result.status = FailureOf(found);
        return result;
    }
    CChartCore probe;
    at.JulianDayToDate(entry, probe);
    const CalcValue moon = RememberedSearchPosition(probe, kMoon, entry);
    if (!moon.ok()) {
        result.status = moon.status;
        return result;
    }
    result.found = true;
    result.jdUt = entry;
    result.murthi = MurthiOfMoonHouse(HouseFrom(SignOfLongitude(moon.value), natalMoonSign));
    return result;
}

SignEntryMurthi FindSignEntryMurthiOnly(const CChartCore& at, int body, int natalMoonSign) {
    if (IsPlanet(body)) {
        const int searched = SearchedBody(body);
        if (const auto moonSign = at.CertainMoonSignAtLatestEntry(searched, at.m_bodies[searched].m_nSign)) {
            SignEntryMurthi result;
            result.found = true;
            result.murthi = MurthiOfMoonHouse(HouseFrom(*moonSign, natalMoonSign));
            return result;
        }
    }
    return FindSignEntryMurthi(at, body, natalMoonSign);
}
