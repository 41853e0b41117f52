#include "display/chart_info_values.h"

#include <cstdio>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/chart_labels.h"
#include "core/printed_angle.h"
#include "shell/display_options.h"

namespace {

// Lords of the tithis (full moon Saturn, new moon Rahu), of the nakshatras and yogas by index mod 9.
constexpr int kTithiLords[30] = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7,
                                 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 8};
constexpr int kNakshatraLords[9] = {9, 6, 1, 2, 3, 8, 5, 7, 4};
constexpr int kYogaLords[9] = {7, 4, 9, 6, 1, 2, 3, 8, 5};
constexpr const char* kMonthKinds[3] = {"", "Nija ", "Adhika "};
constexpr int kMahakalaFrame = 2; // the zone-time day frame gives the Mahakala lords

std::string Format(const char* format, auto... args) {
    char text[256];
    std::snprintf(text, sizeof text, format, args...);
    return text;
}

const char* ShortName(int body) {
    return g_pszPlanetNamesAlt[body];
}

const char* ChartBodyName(int body) {
    return g_pszChartPlanetNames ? g_pszChartPlanetNames[body] : g_pszPlanetNames[body];
}

std::string TimeOfDay(const CHmsTime& time) {
    return g_bTimeDisplayWithAmPm ? time.FormatHmsAmPm() : time.FormatHms();
}

} // namespace

int TithiLord(int tithi) {
    return kTithiLords[tithi];
}

int NakshatraLord(int nakshatra) {
    return kNakshatraLords[nakshatra % 9];
}

int YogaLord(int yoga) {
    return kYogaLords[yoga % 9];
}

std::string MonthName(int month) {
    return g_monthNames[(month + 11) % 12];
}

std::string LunarMonthText(const CChart& chart) {
    const CPanchanga& p = chart.m_panchanga;
    return std::string(kMonthKinds[p.m_nIntercalaryState % 3]) + g_lunarMonthNames[p.m_nLunarMonth];
}

std::string LunarYearMonthText(const CChart& chart) {
    return std::string(g_samvatsaraNames[chart.m_panchanga.m_nCycleYear]) + " - " + LunarMonthText(chart);
}

std::string TithiText(const CChart&, int tithi, bool deity) {
    std::string text = Format("%s (%s)", g_tithiNames[tithi], ShortName(TithiLord(tithi)));
    if (deity) text += Format(" [%s]", g_tithiDeityNames[tithi]);
    return text;
}

std::string WeekdayText(const CChart& chart) {
    const int weekday = chart.m_currentDay.m_nWeekday;
    return Format("%s (%s)", g_weekdayNames[weekday], ShortName(weekday + 1));
}

std::string NakshatraText(const CChart& chart) {
    const int nakshatra = chart.m_panchanga.m_nMoonNakshatra;
    return Format("%s (%s)", g_nakshatraNames[nakshatra], ShortName(NakshatraLord(nakshatra)));
}

std::string YogaText(const CChart&, int yoga, double fractionLeft) {
    return Format("%s (%s) (%.2f%% left)", g_yogaNames[yoga], ShortName(YogaLord(yoga)), 100 * fractionLeft);
}

std::string KaranaText(const CChart& chart) {
    const CPanchanga& p = chart.m_panchanga;
    return Format("%s (%s) (%.2f%% left)", g_karanaNames[p.m_nKarana], ShortName(chart.KaranaLord()),
                  100 * p.m_dKaranaFraction);
}

std::string HoraLordText(const CChart& chart, bool mahakala) {
    const CDayLords& day = mahakala ? chart.m_frameDay[kMahakalaFrame] : chart.m_currentDay;
    return Format("%s (5 min sign: %s)", ChartBodyName(day.m_nHoraLord),
                  g_pszSignNames[day.m_nFiveMinuteSign]);
}

std::string KaalaLordText(const CChart& chart) {
    return Format("%s (Mahakala: %s)", ChartBodyName(chart.m_currentDay.m_nKaalaLord),
                  ChartBodyName(chart.m_frameDay[kMahakalaFrame].m_nKaalaLord));
}

std::string ChoghadiyaText(const CChart& chart) {
    return Format("%s (Choghadiya)", g_choghadiyaNames[chart.m_nPartPlanet]);
}

std::string SunTimeText(const CChart& chart, bool sunset) {
    constexpr int kSunrise = 0;
    constexpr int kSunset = 2;
    const CDayFrameTimes& frame = chart.m_sunriseFrame;
    // Where the Sun stays down or up, say so and which moment of local mean time the day is counted from.
    if (!sunset && frame.m_bStandInStart) return "Sun does not rise (day from 6:00 LMT)";
    if (sunset && frame.m_bStandInNightStart) return "Sun does not set (night from 18:00 LMT)";
    // Dated where it falls on another day than the one the chart's date shows (both to the second).
    const CLocalDateTime moment =
        chart.m_sunSnapshot[sunset ? kSunset : kSunrise].m_dateTime.RoundedToSecond();
    std::string time = TimeOfDay(moment.m_time);
    if (moment.m_nDay != chart.m_dateTime.RoundedToSecond().m_nDay)
        time = Format("%s (%s %d)", time.c_str(), MonthName(moment.m_nMonth).c_str(), moment.m_nDay);
    if (sunset && frame.m_bStandInNextStart) time += " (next day from 6:00 LMT)";
    return time;
}

std::string JanmaGhatisText(const CChart& chart) {
    return Format("%.4f", chart.m_sunriseFrame.m_dGhatisSinceStart);
}

std::string AyanamsaText(const CChart& chart) {
    const CDmsAngle& a = chart.m_ayanamsa;
    const PrintedDms v =
        SplitPrintedAngle(a.m_nDegrees + a.m_nMinutes / 60.0 + a.m_dSeconds / 3600.0, DmsField::kHundredths);
    return Format("%d-%02d-%05.2f", v.degrees, v.minutes, v.seconds);
}

std::string SiderealTimeText(const CChart& chart) {
    return chart.m_siderealTime.FormatHms();
}

std::string PercentLeftText(double fractionLeft) {
    return Format("  (%.2f%% left)", 100 * fractionLeft);
}
