// Return charts of every year kind and the Pravesha moments with their lunar month.
#include <algorithm>
#include <optional>
#include <string>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/option_snapshot.h"
#include "core/return_charts.h"
#include "core/year_quantity.h"

namespace {

constexpr double kSecondDays = 1.0 / 86400.0;
// A year's moment is narrowed to a tenth of a second, as the other searches' crossings are.
constexpr double kYearMomentTolerance = 0.1 * kSecondDays;
constexpr int kMaxYearMomentPasses = 100; // each pass at least halves the bracket: 40 would do

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

// Finds the moment a searched year kind's quantity has run a given number of degrees past its value at
// an origin. The quantity is read as the chart reads its bodies but without refraction, which lifts a
// body near the horizon and would make it stand still or turn back for a while: so it only grows, and
// the moment grows with the years. The moment is the mean one plus a correction found within a bounded
// bracket, where the quantity passes its target once.
class YearMomentSearch {
public:
    YearMomentSearch(const CChartCore& origin, int kind)
        : m_probe(origin), m_quantity(QuantityOf(kind)), m_origin(origin.GetJulianDay()),
          m_tropical(kind == kYearTrueTropicalSolar ? std::make_optional<TropicalZodiacScope>()
                                                    : std::nullopt) {}

    SearchResult Find(double years) {
        if (years == 0.0) return SearchResult::Found(m_origin);
        const CScopedOption<bool> unrefracted(g_bApparentRefraction, false);
        const CalcValue start = Quantity(m_origin);
        if (!start.ok()) return SearchResult::Failed(start.status);
        m_target = start.value + years * m_quantity.degreesPerYear;
        const double mean = m_origin + years * m_quantity.meanYearDays;
        // A bracket around the mean moment, widened until the quantity passes its target within it.
        for (double half = m_quantity.firstBracketDays; half <= m_quantity.lastBracketDays; half *= 2.0) {
            Sample low{mean - half}, high{mean + half};
            if (!Evaluate(low) || !Evaluate(high)) return SearchResult::Failed(m_failure);
            if (low.offset < 0.0 && high.offset > 0.0) return Narrow(low, high);
        }
        return SearchResult::NotFound();
    }

private:
    struct Sample {
        double t = 0.0;      // UT Julian day
        double offset = 0.0; // degrees from the target, in (-180, 180]
    };

    CalcValue Quantity(double jdUt) {
        std::uint8_t retrograde = 0;
        const CalcValue a = m_probe.CalcBody(m_quantity.body, jdUt, retrograde, false);
        if (!a.ok() || !m_quantity.moonMinusSun) return a;
        const CalcValue sun = m_probe.CalcBody(kSun, jdUt, retrograde, false);
        if (!sun.ok()) return sun;
        return {a.value - sun.value, {}};
    }
    bool Evaluate(Sample& sample) {
        const CalcValue q = Quantity(sample.t);
        if (!q.ok()) {
            m_failure = q.status;
            return false;
        }
        sample.offset = 180.0 - Reduce360(180.0 - (q.value - m_target));
        return true;
    }
    // False position, halving the bracket instead when the same end has moved twice in a row.
    SearchResult Narrow(Sample low, Sample high) {
        int sameEnd = 0; // moves in a row of the same end
        bool lowMoved = false;
        for (int pass = 0; high.t - low.t > kYearMomentTolerance; ++pass) {
            if (pass == kMaxYearMomentPasses) return SearchResult::NotFound();
            const double width = high.t - low.t;
            const double weight = sameEnd >= 2 ? 0.5 : -low.offset / (high.offset - low.offset);
            Sample middle{low.t + std::clamp(weight, 0.01, 0.99) * width};
            if (!Evaluate(middle)) return SearchResult::Failed(m_failure);
            const bool movesLow = middle.offset < 0.0;
            (movesLow ? low : high) = middle;
            sameEnd = movesLow == lowMoved ? sameEnd + 1 : 0;
            lowMoved = movesLow;
        }
        return SearchResult::Found(high.t);
    }

    CChartCore m_probe;
    YearQuantity m_quantity;
    double m_origin;
    std::optional<TropicalZodiacScope> m_tropical;
    double m_target = 0.0;
    CalcStatus m_failure;
};

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
    if (const std::optional<double> yearDays = CountedYearDays(yearKind, userDays))
        return SearchResult::Found(GetJulianDay() + years * *yearDays);
    switch (yearKind) {
    case kYearTrueSiderealSolar:
    case kYearTithi:
    case kYearMoonReturn:
    case kYearTrueTropicalSolar:
        return YearMomentSearch(*this, yearKind).Find(years);
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
