// Return charts of every year kind and the Pravesha moments with their lunar month.
#include <string>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/chart_core.h"
#include "core/return_charts.h"

namespace {

// The true returns are searched backward from a little past the mean estimate (forward from a little
// before it for Moon returns at or before the start), so the estimate's drift never lets the search
// reach a neighbouring return.
constexpr double kSolarReturnMarginDays = 30.0;
constexpr double kLunarReturnMarginDays = 15.0;
constexpr double kDegreesPerTithiYear = 4320.0; // twelve turns of the Moon - Sun angle

CLongitudeSearch OneBodySearch(int body, double longitude, bool backward) {
    CLongitudeSearch search;
    search.m_nBodyA = body;
    search.m_dTarget = Reduce360(longitude);
    search.m_bBackward = backward;
    return search;
}

// Moon - Sun = angle, or Moon + Sun = angle.
CLongitudeSearch MoonSunSearch(double angle, bool sum, bool backward) {
    CLongitudeSearch search;
    search.m_nBodyA = kMoon;
    search.m_nBodyB = kSun;
    search.m_dSeparation = Reduce360(angle);
    search.m_bTwoBody = 1;
    search.m_bSum = sum;
    search.m_bBackward = backward;
    return search;
}

// The month named after the sign before the one the tropical Sun stands in.
int TropicalSunMonth(const CChartCore& chart) {
    return static_cast<int>(Reduce360(chart.m_dAyanamsa + chart.m_bodies[kSun].m_dLongitude - 30.0) / 30.0);
}

// The lunar month 0-11 of a Pravesha instant by LunarYrDef; other values leave `month` alone.
SearchResult SetLunarMonth(const CChartCore& pravesha, const SearchResult& found, int& month) {
    switch (g_nLunarYrDef) {
    case 0:
    case 1:
    case 2:
    case 3: {
        // Named from the last full moon (rules 0 and 1) or new moon (2 and 3) before the instant.
        const bool fullMoon = g_nLunarYrDef <= 1;
        CChartCore lunation;
        const SearchResult result =
            pravesha.SearchLongitude(lunation, MoonSunSearch(fullMoon ? 180.0 : 0.0, false, true));
        if (!result.found()) return result;
        const bool siderealSun = g_nLunarYrDef % 2 == 0;
        month = siderealSun ? lunation.m_bodies[kSun].m_nSign : TropicalSunMonth(lunation);
        return found;
    }
    case 4:
        month = (pravesha.m_bodies[kSun].m_nSign + 11) % 12;
        return found;
    case 5:
        month = TropicalSunMonth(pravesha);
        return found;
    default:
        return found;
    }
}

} // namespace

SearchResult CChartCore::FindReturnChart(double years, CChartCore& target, int yearKind,
                                         double userDays) const {
    const SearchResult result = LocateReturn(years, yearKind, userDays);
    if (!result.found()) return result;
    if (!IsSearchedYearKind(yearKind)) {
        JulianDayToDate(result.jdUt, target);
        return result;
    }
    if (const CalcStatus status = SetFromJulianDay(result.jdUt, target); !status.ok()) {
        return SearchResult::Failed(status);
    }
    return result;
}

SearchResult CChartCore::LocateReturn(double years, int yearKind, double userDays) const {
    const auto dayCount = [&](double yearDays) {
        return SearchResult::Found(GetJulianDay() + years * yearDays);
    };
    // Searches start from a record at the estimate, at this record's place and zone.
    const auto probeAt = [&](double jdUt) {
        CChartCore probe;
        JulianDayToDate(jdUt, probe);
        return probe;
    };
    switch (yearKind) {
    case kYearMeanTropical:
        return dayCount(kMeanTropicalYearDays);
    case kYearSavana:
        return dayCount(kSavanaYearDays);
    case kYearUserDefined:
        return dayCount(userDays);
    case kYearMeanSidereal:
        return dayCount(kMeanSiderealYearDays);
    case kYearTrueSiderealSolar:
        return probeAt(GetJulianDay() + years * kMeanTropicalYearDays + kSolarReturnMarginDays)
            .LocateLongitude(OneBodySearch(kSun, m_bodies[kSun].m_dLongitude + years * 360.0, true));
    case kYearTithi: {
        const double natalAngle = m_bodies[kMoon].m_dLongitude - m_bodies[kSun].m_dLongitude;
        return probeAt(GetJulianDay() + years * kLunarYearDays + kLunarReturnMarginDays)
            .LocateLongitude(
                MoonSunSearch(natalAngle + Reduce360(years * kDegreesPerTithiYear), false, true));
    }
    case kYearMoonReturn: {
        const bool backward = years > 0.0;
        const double margin = backward ? kLunarReturnMarginDays : -kLunarReturnMarginDays;
        return probeAt(GetJulianDay() + years * kMoonReturnYearDays + margin)
            .LocateLongitude(OneBodySearch(kMoon, m_bodies[kMoon].m_dLongitude + years * 360.0, backward));
    }
    case kYearTrueTropicalSolar: {
        const TropicalZodiacScope tropical;
        CChartCore natal = *this;
        std::uint8_t retrograde = 0;
        const CalcValue sun = natal.CalcBody(kSun, GetJulianDay(), retrograde, false);
        if (!sun.ok()) return SearchResult::Failed(sun.status);
        return probeAt(GetJulianDay() + years * kMeanSiderealYearDays + kSolarReturnMarginDays)
            .LocateLongitude(OneBodySearch(kSun, sun.value + years * 360.0, true));
    }
    default:
        return SearchResult::Invalid("Year kind " + std::to_string(yearKind) +
                                     " is not known: year kinds run from 0 to 7.");
    }
}

SearchResult CChartCore::CastAnnualChart(double years, CChartCore& target, int yearKind) const {
    return FindReturnChart(years, target, yearKind, 0.0);
}

SearchResult CChartCore::FindSiderealSolarReturn(double years, CChartCore& target) const {
    return FindReturnChart(years, target, kYearTrueSiderealSolar, 0.0);
}

SearchResult CChartCore::FindTithiReturn(double years, CChartCore& target) const {
    return FindReturnChart(years, target, kYearTithi, 0.0);
}

SearchResult CChartCore::FindMoonReturn(double years, CChartCore& target) const {
    return FindReturnChart(years, target, kYearMoonReturn, 0.0);
}

SearchResult CChartCore::FindTropicalSolarReturn(double years, CChartCore& target) const {
    return FindReturnChart(years, target, kYearTrueTropicalSolar, 0.0);
}

SearchResult CChartCore::FindPraveshaMoment(double a, double b, bool backward, int& month,
                                            CChartCore& target) const {
    CLongitudeSearch search;
    switch (g_nTithiPraveshaKind) {
    case kPraveshaNakshatra:
        search = OneBodySearch(kMoon, a, backward);
        break;
    case kPraveshaYoga:
        search = MoonSunSearch(a + b, true, backward);
        break;
    default:
        search = MoonSunSearch(a - b, false, backward);
        break;
    }
    const SearchResult found = SearchLongitude(target, search);
    if (!found.found()) return found;
    return SetLunarMonth(target, found, month);
}
