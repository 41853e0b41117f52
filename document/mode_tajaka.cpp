// The Tajaka mode: the span of the selection, its return moments, the Muntha and the chart.
#include "document/mode_tajaka.h"

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/planet_tables.h"
#include "core/return_charts.h"
#include "core/varga_columns.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/mode_chart.h"
#include "document/tavro_doc.h"

int g_nTajakaYear = 0;
int g_nTajakaMonth = 0;
int g_nTajaka2DayPart = 0;
int g_nTajaka5HourPart = 0;
int g_nTajaka25MinPart = 0;
int g_nTajaka2MinPart = 0;
bool g_bTajakaAtSunrise = false;

namespace {

// Each level is a twelfth of the one above: a month, 2.5 days, 5 hours, 25 minutes, 2 minutes.
constexpr std::array<double, kTajakaLevelCount> kLevelYears = {1.0 / 12, 1.0 / 144, 1.0 / 1728, 1.0 / 20736,
                                                               1.0 / 248832};
constexpr std::array<const char*, kTajakaLevelCount + 1> kTitles = {
    "Tajaka annual", "Tajaka monthly", "Tajaka 2.5-day", "Tajaka 5-hr", "Tajaka 25-min", "Tajaka 2-min"};
constexpr std::array<const char*, kTajakaLevelCount + 1> kSunriseTitles = {
    "Taj ann sunrise", "Taj mon sunrise",   "Taj 2.5d sunrise",
    "Taj 5hr sunrise", "Taj 25min sunrise", "Taj 2min sunrise"};

int Mod12(int n) {
    return ((n % 12) + 12) % 12;
}

} // namespace

TajakaSpan SelectedTajakaSpan(int birthYear, int birthMonth) {
    TajakaSpan span;
    span.yearIndex = g_nTajakaYear - birthYear;
    span.startYears = span.yearIndex;
    span.endYears = span.startYears + 1.0;
    const std::array<int, kTajakaLevelCount> parts = {g_nTajakaMonth, g_nTajaka2DayPart, g_nTajaka5HourPart,
                                                      g_nTajaka25MinPart, g_nTajaka2MinPart};
    for (int level = 0; level < kTajakaLevelCount && parts[level] != 0; ++level) {
        int count = level == 0 ? parts[0] - birthMonth : parts[level] - 1;
        span.startYears += count * kLevelYears[level];
        span.endYears = span.startYears + kLevelYears[level];
        // A month before the birth month belongs to the Tajaka year before.
        if (count < 0) {
            --span.yearIndex;
            count += 12;
        }
        span.counts[level] = count;
        span.levels = level + 1;
    }
    span.title = (g_bTajakaAtSunrise ? kSunriseTitles : kTitles)[span.levels];
    return span;
}

int TajakaYearKind() {
    if (g_bTropicalTajaka) return g_bTrueTajaka ? kYearTrueTropicalSolar : kYearMeanTropical;
    return g_bTrueTajaka ? kYearTrueSiderealSolar : kYearMeanSidereal;
}

Muntha TajakaMuntha(const CChart& natal, const TajakaSpan& span) {
    const int reference = g_nMunthaReference;
    const double natalLongitude = natal.m_bodies[reference].m_dLongitude;
    const auto natalSign = [&](int body, int column) { return natal.m_vargaSign.Sign(body, column); };
    int steps = span.yearIndex; // N: the year and the counts of the levels below it
    for (int level = 0; level < span.levels; ++level) steps += span.counts[level];

    Muntha muntha;
    switch (g_nMunthaPreference) {
    case 0: {
        const double longitude = span.startYears * 30.0 + natalLongitude;
        muntha.longitude = longitude;
        muntha.signs.fill(static_cast<int>(Reduce360(longitude) / 30.0));
        break;
    }
    case 1:
        muntha.longitude = steps * 30.0 + natalLongitude;
        for (int column = 0; column < kVargaColumnCount; ++column) {
            muntha.signs[column] = Mod12(natalSign(reference, column) + steps);
        }
        break;
    default:
        // Each level counts on from the natal place of the lord of the sign the level above reached.
        for (int column = 0; column < kVargaColumnCount; ++column) {
            int sign = Mod12(natalSign(reference, column) + span.yearIndex);
            for (int level = 0; level < span.levels; ++level) {
                sign = Mod12(natalSign(kPlainSignLords[sign], column) + span.counts[level]);
            }
            muntha.signs[column] = sign;
        }
        muntha.longitude = (muntha.signs[0] - natalSign(reference, 0)) * 30.0 + natalLongitude;
        break;
    }
    muntha.longitude = Reduce360(muntha.longitude);
    return muntha;
}

namespace {

// The sunrise of the moment's day (its place and zone), with its bodies 0-12.
CalcStatus MoveToSunrise(CChartCore& moment) {
    CChart day;
    if (CalcStatus status = day.CopyDataAndCalc(moment); !status.ok()) return status;
    if (CalcStatus status = day.ComputeSunriseSunset(); !status.ok()) return status;
    return day.m_sunSnapshot[0].CalcInto(moment);
}

} // namespace

SearchResult CTavroDoc::FindTajakaReturn(CChartCore& start, CChartCore& end) {
    const TajakaSpan span =
        SelectedTajakaSpan(m_natalChart.m_dateTime.m_nYear, m_natalChart.m_dateTime.m_nMonth);
    m_nTajakaYearIndex = span.yearIndex;
    const int kind = TajakaYearKind();
    const SearchResult found = m_natalChart.CastAnnualChart(span.startYears, start, kind);
    if (!found.found()) return found;
    return m_natalChart.CastAnnualChart(span.endYears, end, kind);
}

CalcStatus CTavroDoc::CalculateTajaka() {
    return g_bTajakaAtSunrise ? CalcTajakaAtSunrise() : CalcTajakaChart();
}

CalcStatus CTavroDoc::CalcTajakaChart() {
    return CastTajakaChart(false);
}

CalcStatus CTavroDoc::CalcTajakaAtSunrise() {
    return CastTajakaChart(true);
}

CalcStatus CTavroDoc::CastTajakaChart(bool atSunrise) {
    CChartCore start;
    CChartCore end;
    const SearchResult found = FindTajakaReturn(start, end);
    if (!found.found()) return SearchFailure(found, "No Tajaka return was found for the chosen year.");
    if (atSunrise) {
        if (CalcStatus status = MoveToSunrise(start); !status.ok()) return status;
        if (CalcStatus status = MoveToSunrise(end); !status.ok()) return status;
    }
    const TajakaSpan span =
        SelectedTajakaSpan(m_natalChart.m_dateTime.m_nYear, m_natalChart.m_dateTime.m_nMonth);
    if (CalcStatus status =
            PrepareModeChart(start, span.title, kModeTajaka, end.GetJulianDay() - start.GetJulianDay());
        !status.ok())
        return status;
    const Muntha muntha = TajakaMuntha(m_natalChart, span);
    m_workChart.m_extraName[0] = "Muntha";
    m_workChart.m_extraShortName[0] = "Mun";
    m_workChart.m_extraPoint[0].m_dLongitude = muntha.longitude;
    m_workChart.m_extraPoint[0].SplitLongitude();
    for (int column = 0; column < kVargaColumnCount; ++column) {
        m_workChart.m_extraVargaSign[0][column] = static_cast<std::uint8_t>(muntha.signs[column]);
    }
    return FinishModeChart();
}
