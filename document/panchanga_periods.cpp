// The periods of a panchanga day measured from its sunrise: Rahu kala, Gulika kala and Yama ganda (an
// eighth of the day or of the night, or a sixteenth of the whole day), Varjya (four ghatis of each
// nakshatra, from its own offset), Durmuhurta (one or two fifteenths of the daylight), the 24 horas and
// the 16 choghadiyas.
#include <array>
#include <optional>
#include <vector>

#include "core/planet_tables.h"
#include "document/panchanga_day.h"
#include "document/panchanga_moments.h"

// The tyajya ghatis of the classical tables. Bharani 24 and Uttara Phalguni 18 are the classical values
// (tables that give 4 and 1 have lost a digit); Mula 20, Purva Ashadha 20 and Purva Bhadrapada 16 are
// kept where regional tables differ (some give 56, 24 and 24).
const std::array<int, 27> g_nVarjyaGhatis = {50, 24, 30, 40, 14, 21, 30, 20, 32, 30, 20, 18, 21, 20,
                                             14, 14, 10, 14, 20, 20, 20, 10, 10, 18, 16, 30, 30};

namespace {

// Zero-based parts of the day (eighths, or sixteenths of the whole day) by weekday 0 Sunday .. 6 Saturday.
constexpr std::array<int, 7> kRahuKalaPart = {7, 1, 6, 4, 5, 3, 2};
constexpr std::array<int, 7> kGulikaKalaPart = {6, 5, 4, 3, 2, 1, 0}; // Gulika in Saturn's portion
constexpr std::array<int, 7> kYamaGandaPart = {4, 3, 2, 1, 0, 6, 5};
// Durmuhurtas: zero-based muhurtas (fifteenths of the daylight) by weekday; Sunday and Wednesday have one.
constexpr std::array<int, 7> kFirstDurmuhurta = {13, 7, 3, 7, 11, 3, 0};
constexpr std::array<std::optional<int>, 7> kSecondDurmuhurta = {std::nullopt, 11, 10, std::nullopt,
                                                                 12,           8,  1};
constexpr double kGhatisPerNakshatra = 60.0;
constexpr double kGhatisPerDay = 60.0;
constexpr double kVarjyaGhatis = 4.0;

CPanchangaSpan SpanIn(const CChart& chart, double start, double end) {
    return {LocalMomentIn(chart, start), LocalMomentIn(chart, end)};
}

// The first instant after (or, backward, before) the chart's moment at which the Moon stands at
// `target` degrees, or nothing with the failure.
CalcStatus FindMoonAt(const CChartCore& from, double target, bool backward, double& jdUt) {
    CLongitudeSearchRequest request;
    request.m_nBodyA = kMoon;
    request.m_dTarget = target;
    request.m_bBackward = backward ? 1 : 0;
    const SearchResult found = from.LocateLongitudeTime(request);
    if (found.found()) {
        jdUt = found.jdUt;
        return {};
    }
    return found.outcome == SearchOutcome::kFailed
               ? found.status
               : CalcStatus::Failure("The Moon's nakshatra cannot be found.");
}

} // namespace

void FillKalas(const CChart& chart, CPanchangaDay& day) {
    const CDayFrameTimes& frame = PanchangaDayFrame(chart);
    double start = frame.m_dStartJd;
    double part = (frame.m_dNextStartJd - frame.m_dStartJd) / 16.0;
    bool known = !frame.m_bStandInStart && !frame.m_bStandInNextStart;
    if (g_bKaalaInDayNightSeparate) {
        const bool byDay = chart.GetJulianDay() < frame.m_dNightStartJd;
        start = byDay ? frame.m_dStartJd : frame.m_dNightStartJd;
        part = ((byDay ? frame.m_dNightStartJd : frame.m_dNextStartJd) - start) / 8.0;
        known = !frame.m_bStandInNightStart && !(byDay ? frame.m_bStandInStart : frame.m_bStandInNextStart);
    }
    const int w = day.m_nWeekday;
    const auto span = [&](int p) {
        CPanchangaSpan s = SpanIn(chart, start + p * part, start + (p + 1) * part);
        s.m_bKnown = known;
        return s;
    };
    day.m_rahuKala = span(kRahuKalaPart[w]);
    day.m_gulikaKala = span(kGulikaKalaPart[w] + (g_bGulikaInSaturnPortion ? 0 : 1));
    day.m_yamaGanda = span(kYamaGandaPart[w]);
}

CalcStatus FindVarjyaSpans(const CChartCore& from, const PanchangaWindow& window,
                           std::vector<JdSpan>& spans) {
    // The Moon's star at the moment from its start, then every one that begins within the window: a
    // window longer than a star and the next star's offset (24 h 45 min at the least) holds the Varjya
    // of a third star. Two Varjyas at most fit in a day.
    spans.clear();
    int star = NakshatraOfLongitude(from.m_bodies[kMoon].m_dLongitude);
    double starStart = 0.0, starEnd = 0.0;
    if (CalcStatus status = FindMoonAt(from, star * kNakshatraSpan, true, starStart); !status.ok())
        return status;
    CChartCore probe = from;
    while (starStart < window.end && static_cast<int>(spans.size()) < kMaxVarjyas) {
        if (CalcStatus status = FindMoonAt(probe, ((star + 1) % 27) * kNakshatraSpan, false, starEnd);
            !status.ok())
            return status;
        const double ghati = (starEnd - starStart) / kGhatisPerNakshatra;
        const double start = starStart + g_nVarjyaGhatis[star] * ghati;
        const double end = start + kVarjyaGhatis * ghati;
        if (end >= window.start && start < window.end) spans.push_back({start, end});
        star = (star + 1) % 27;
        starStart = starEnd;
        from.JulianDayToDate(starEnd, probe);
    }
    return {};
}

CalcStatus ComputeVarjya(const CChart& chart, CPanchangaDay& day) {
    std::vector<JdSpan> varjyas;
    if (CalcStatus status = FindVarjyaSpans(chart, PanchangaWindowOf(chart), varjyas); !status.ok())
        return status;
    day.m_nVarjyaCount = static_cast<int>(varjyas.size());
    for (std::size_t i = 0; i < varjyas.size(); ++i)
        day.m_varjya[i] = SpanIn(chart, varjyas[i].start, varjyas[i].end);

    // Durmuhurtas: fifteenths of the daylight, whatever day frame the options choose.
    const double sunrise = chart.m_sunriseFrame.m_dStartJd;
    const double muhurta = (chart.m_sunriseFrame.m_dNightStartJd - sunrise) / 15.0;
    const int w = day.m_nWeekday;
    const auto muhurtaSpan = [&](int m) {
        return SpanIn(chart, sunrise + m * muhurta, sunrise + (m + 1) * muhurta);
    };
    day.m_durmuhurta[0] = muhurtaSpan(kFirstDurmuhurta[w]);
    day.m_nDurmuhurtaCount = 1;
    if (kSecondDurmuhurta[w]) day.m_durmuhurta[day.m_nDurmuhurtaCount++] = muhurtaSpan(*kSecondDurmuhurta[w]);
    return {};
}

void FillHorasAndChoghadiyas(const CChart& chart, CPanchangaDay& day) {
    const CDayFrameTimes& frame = PanchangaDayFrame(chart);
    const double sunrise = frame.m_dStartJd;
    const double hora = (frame.m_dNextStartJd - sunrise) / kHoraCount;
    // From the weekday's lord on in the order Sun, Venus, Mercury, Moon, Saturn, Jupiter, Mars.
    for (int i = 0; i < kHoraCount; ++i) {
        CPanchangaPeriod& period = day.m_hora[i];
        period.m_nLord = (day.m_nWeekday - 2 * i + 49) % 7 + 1;
        period.m_start = LocalMomentIn(chart, sunrise + i * hora);
        period.m_end = LocalMomentIn(chart, sunrise + (i + 1) * hora);
        period.m_bKnown = !frame.m_bStandInStart && !frame.m_bStandInNextStart;
    }

    // Choghadiyas: eighths of the day and of the night of the sunrise day, named from the weekday of
    // the chart's own sunrise.
    const int w = chart.m_frameDay[0].m_nWeekday;
    const double dayLength = chart.m_sunriseFrame.m_dDayLength / kGhatisPerDay;     // days
    const double nightLength = chart.m_sunriseFrame.m_dNightLength / kGhatisPerDay; // days
    const auto offset = [&](int k) {
        return k <= 8 ? k * dayLength / 8.0 : dayLength + (k - 8) * nightLength / 8.0;
    };
    for (int k = 0; k < kChoghadiyaSlots; ++k) {
        CPanchangaPeriod& period = day.m_choghadiya[k];
        period.m_nLord = k < 8 ? (w + 5 * k) % 7 : (w + 4 + 4 * (k - 8)) % 7;
        period.m_start = LocalMomentIn(chart, sunrise + offset(k));
        period.m_end = LocalMomentIn(chart, sunrise + offset(k + 1));
        // Eighths of the daylight, then of the night, of the sunrise day.
        const CDayFrameTimes& sun = chart.m_sunriseFrame;
        period.m_bKnown = !sun.m_bStandInNightStart && !(k < 8 ? sun.m_bStandInStart : sun.m_bStandInNextStart);
    }
}
