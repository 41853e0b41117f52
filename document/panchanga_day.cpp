// The panchanga day: its chart cast at sunrise, the ends of its limbs, the Moon's sign change, the rise
// and set of the Sun and the Moon, and runs of consecutive days.
#include "document/panchanga_day.h"

#include <cmath>

#include "chart/sunrise_days.h"
#include "core/julian_day.h"
#include "core/planet_tables.h"
#include "core/rise_set.h"
#include "core/search_progress.h"
#include "document/panchanga_moments.h"

namespace {

constexpr double kTithiSpan = 12.0; // degrees of Moon - Sun
constexpr double kKaranaSpan = 6.0; // half a tithi
constexpr double kSignSpan = 30.0;

// The quantity whose steps make a limb.
enum class LimbQuantity {
    kElongation, // Moon - Sun: tithis and karanas
    kMoon,       // the Moon alone: nakshatras and signs
    kSum,        // Moon + Sun: yogas
};

double QuantityAt(const CChartCore& chart, LimbQuantity quantity) {
    const double moon = chart.m_bodies[kMoon].m_dLongitude;
    const double sun = chart.m_bodies[kSun].m_dLongitude;
    switch (quantity) {
    case LimbQuantity::kElongation:
        return Reduce360(moon - sun);
    case LimbQuantity::kSum:
        return Reduce360(moon + sun);
    default:
        return Reduce360(moon);
    }
}

// The first instant after `from`'s moment at which the quantity reaches `target` degrees.
SearchResult FindQuantity(const CChartCore& from, LimbQuantity quantity, double target) {
    switch (quantity) {
    case LimbQuantity::kElongation:
        return from.LocateLongitudeTime(SeparationRequest(kMoon, kSun, target, false));
    case LimbQuantity::kSum: {
        CLongitudeSearchRequest request = SeparationRequest(kMoon, kSun, target, false);
        CChartCore found;
        return from.SearchAngleTime(found, request);
    }
    default: {
        CLongitudeSearchRequest request;
        request.m_nBodyA = kMoon;
        request.m_dTarget = target;
        return from.LocateLongitudeTime(request);
    }
    }
}

// The ends of consecutive units of `span` degrees of a quantity (`units` in the circle) from the
// chart's moment: the first is always searched, the following ones while the last end lies inside the
// window, up to `maxEnds` in it. `ends` receives every end found (UT Julian days); the count inside the
// window is returned through `inside`.
CalcStatus FindUnitEnds(const CChart& chart, const PanchangaWindow& window, LimbQuantity quantity,
                        double span, int units, int maxEnds, std::vector<double>& ends, int& inside) {
    ends.clear();
    inside = 0;
    int boundary = static_cast<int>(std::floor(QuantityAt(chart, quantity) / span)) + 1;
    CChartCore from = chart;
    for (;;) {
        const SearchResult found = FindQuantity(from, quantity, (boundary % units) * span);
        if (!found.found()) {
            return found.outcome == SearchOutcome::kFailed
                       ? found.status
                       : CalcStatus::Failure("The end of a panchanga limb cannot be found.");
        }
        ends.push_back(found.jdUt);
        if (!window.Contains(found.jdUt)) return {};
        if (++inside == maxEnds) return {};
        chart.JulianDayToDate(found.jdUt, from);
        ++boundary;
    }
}

// Tithi, nakshatra or yoga: the index at the moment, the next and up to two ends in the day.
CalcStatus FillLimb(const CChart& chart, const PanchangaWindow& window, LimbQuantity quantity, double span,
                    int units, int index, CLimbEnds& limb) {
    std::vector<double> ends;
    if (CalcStatus status = FindUnitEnds(chart, window, quantity, span, units, 2, ends, limb.m_nCount);
        !status.ok())
        return status;
    limb.m_nIndex = index;
    limb.m_nNext = (index + 1) % units;
    limb.m_firstEnd = LocalMomentIn(chart, ends.front());
    for (int i = 0; i < limb.m_nCount; ++i) limb.m_end[i] = LocalMomentIn(chart, ends[i]);
    return {};
}

CalcStatus FillKaranas(const CChart& chart, const PanchangaWindow& window, CPanchangaDay& day) {
    std::vector<double> ends;
    if (CalcStatus status = FindUnitEnds(chart, window, LimbQuantity::kElongation, kKaranaSpan, 60,
                                         kMaxKaranaEnds, ends, day.m_nKaranaCount);
        !status.ok())
        return status;
    const int halfTithi = static_cast<int>(QuantityAt(chart, LimbQuantity::kElongation) / kKaranaSpan);
    for (int i = 0; i < kMaxKaranaEnds; ++i) day.m_karana[i] = KaranaOfHalfTithi((halfTithi + i) % 60);
    for (int i = 0; i < day.m_nKaranaCount; ++i) day.m_karanaEnd[i] = LocalMomentIn(chart, ends[i]);
    return {};
}

CalcStatus FillMoonSign(const CChart& chart, const PanchangaWindow& window, CPanchangaDay& day) {
    std::vector<double> ends;
    if (CalcStatus status =
            FindUnitEnds(chart, window, LimbQuantity::kMoon, kSignSpan, 12, 1, ends, day.m_nMoonSignCount);
        !status.ok())
        return status;
    day.m_nMoonSign = chart.m_bodies[kMoon].m_nSign;
    day.m_moonSignEnd = LocalMomentIn(chart, ends.front());
    return {};
}

// The next rise and set of the Moon after the day's moment; a polar sky may have neither.
CalcStatus FillMoonRiseSet(const CChart& chart, CPanchangaDay& day) {
    const double jd = chart.GetJulianDay();
    const HorizonEventResult rise = NextHorizonEvent(chart, jd, kMoon, HorizonEvent::kRise);
    if (!rise.status.ok()) return rise.status;
    const HorizonEventResult set = NextHorizonEvent(chart, jd, kMoon, HorizonEvent::kSet);
    if (!set.status.ok()) return set.status;
    day.m_bMoonrise = rise.found ? 1 : 0;
    day.m_bMoonset = set.found ? 1 : 0;
    if (rise.found) day.m_moonrise = LocalMomentIn(chart, rise.jdUt);
    if (set.found) day.m_moonset = LocalMomentIn(chart, set.jdUt);
    return {};
}

// The moment a day's chart is cast at, for a day starting at `start` (UT Julian days): as the local
// date and time of the place's zone hold it, so that the day before ends on exactly this moment.
double CastMomentOf(const CChartCore& place, double start, CChartCore& probe) {
    place.JulianDayToDate(start + kPanchangaMomentOffsetDays, probe);
    return probe.GetJulianDay();
}

} // namespace

CalcStatus PanchangaDayStart(const CChartCore& place, int civilDate, double& jdUt) {
    switch (g_nWeekdayDefinition) {
    case 0: {
        SunDayStart start;
        if (CalcStatus status = FindSunDayStart(place, civilDate, start); !status.ok()) return status;
        jdUt = start.jdUt;
        return {};
    }
    case 2:
        jdUt = civilDate - 0.5 + (6.0 + place.m_dateTime.m_zone.m_dHours) / 24.0;
        return {};
    default:
        jdUt = MeanSixOClockOn(place, civilDate);
        return {};
    }
}

PanchangaWindow PanchangaWindowOf(const CChart& chart) {
    const double moment = chart.GetJulianDay();
    const int date = SunDayOf(chart, moment - kPanchangaMomentOffsetDays);
    double next = 0.0;
    // A failing search on the next date is reported when that day is cast; until then the chart's own
    // frame bounds this one.
    if (!PanchangaDayStart(chart, date + 1, next).ok()) next = PanchangaDayFrame(chart).m_dNextStartJd;
    CChartCore probe;
    return {moment, CastMomentOf(chart, next, probe)};
}

CalcStatus CastPanchangaDayChart(const CChartCore& place, double jdUtNoon, CChart& work) {
    CChartCore probe;
    place.JulianDayToDate(jdUtNoon, probe);
    // The civil day's weekday, whatever the hour at which its day starts.
    const int weekday = probe.GetWeekday();
    double start = 0.0;
    if (CalcStatus status = PanchangaDayStart(place, CivilDateOf(place, jdUtNoon), start); !status.ok())
        return status;
    CastMomentOf(place, start, probe);
    if (CalcStatus status = work.CopyDataAndCalc(probe); !status.ok()) return status;
    if (CalcStatus status = work.ComputeSunriseSunset(); !status.ok()) return status;
    work.ComputeTimeUpagrahas();
    work.m_currentDay.m_nWeekday = weekday;
    if (CalcStatus status = work.ComputeNakshatraPadas(); !status.ok()) return status;
    work.ComputeCharaKarakas();
    return work.ComputePanchanga();
}

CalcStatus ComputePanchangaDay(const CChart& chart, CPanchangaDay& day, bool withPeriods) {
    const PanchangaWindow window = PanchangaWindowOf(chart);
    day.m_moment = chart.m_dateTime;
    day.m_dStartJd = window.start;
    day.m_dEndJd = window.end;
    day.m_sunrise = chart.m_sunSnapshot[0].m_dateTime;
    day.m_sunset = chart.m_sunSnapshot[2].m_dateTime;
    day.m_bSunrise = chart.m_sunriseFrame.m_bStandInStart ? 0 : 1;
    day.m_bSunset = chart.m_sunriseFrame.m_bStandInNightStart ? 0 : 1;
    if (CalcStatus status = FillMoonRiseSet(chart, day); !status.ok()) return status;

    day.m_nWeekday = chart.m_currentDay.m_nWeekday;
    day.m_nSamvatsara = chart.m_panchanga.m_nCycleYear;
    day.m_nLunarMonth = chart.m_panchanga.m_nLunarMonth;
    day.m_nLeapMonth = chart.m_panchanga.m_nIntercalaryState;

    const CPanchanga& p = chart.m_panchanga;
    if (CalcStatus status =
            FillLimb(chart, window, LimbQuantity::kElongation, kTithiSpan, 30, p.m_nTithi[0], day.m_tithi);
        !status.ok())
        return status;
    if (CalcStatus status = FillLimb(chart, window, LimbQuantity::kMoon, kNakshatraSpan, 27,
                                     chart.m_nakshatra[kMoon], day.m_nakshatra);
        !status.ok())
        return status;
    if (CalcStatus status = FillMoonSign(chart, window, day); !status.ok()) return status;
    if (CalcStatus status =
            FillLimb(chart, window, LimbQuantity::kSum, kNakshatraSpan, 27, p.m_nYoga, day.m_yoga);
        !status.ok())
        return status;
    if (CalcStatus status = FillKaranas(chart, window, day); !status.ok()) return status;

    FillKalas(chart, day);
    if (CalcStatus status = ComputeVarjya(chart, day); !status.ok()) return status;
    // Durmuhurtas are fifteenths of the daylight: none to count where the Sun does not rise or set.
    for (CPanchangaSpan& span : day.m_durmuhurta) span.m_bKnown = day.m_bSunrise && day.m_bSunset;
    if (withPeriods) FillHorasAndChoghadiyas(chart, day);
    return {};
}

double FirstNoonOfRun(const CChartCore& chart, bool fromFirstOfMonth) {
    const CLocalDateTime& moment = chart.m_dateTime;
    return JulianDay(moment.m_nYear, moment.m_nMonth, fromFirstOfMonth ? 1 : moment.m_nDay,
                     12.0 + moment.m_zone.m_dHours);
}

CalcStatus ComputePanchangaDays(const CChartCore& chart, int count, bool fromFirstOfMonth,
                                std::vector<CPanchangaDay>& days, const PanchangaProgress& progress) {
    days.assign(std::max(count, 0), CPanchangaDay{});
    const double firstNoon = FirstNoonOfRun(chart, fromFirstOfMonth);
    CChart work;
    for (int i = 0; i < count; ++i) {
        if (CalcStatus status = CastPanchangaDayChart(chart, firstNoon + i, work); !status.ok())
            return status;
        if (CalcStatus status = ComputePanchangaDay(work, days[i], true); !status.ok()) return status;
        if (progress && !progress(i + 1, count)) return CalcStatus{kSearchCancelledMessage};
    }
    return {};
}
