#include "display/chart_info.h"

#include <cmath>
#include <cstdio>

#include "chart/chart.h"
#include "core/printed_angle.h"
#include "display/chart_colors.h"
#include "display/chart_info_values.h"
#include "display/drawing_factors.h"
#include "display/pane_settings.h"
#include "display/styled_text.h"
#include "shell/display_fonts.h"

namespace {

constexpr const char* kMonthNames[12] = {"January",   "February", "March",    "April",
                                         "May",       "June",     "July",     "August",
                                         "September", "October",  "November", "December"};
constexpr const char* kUnknownCity = "Unknown";
constexpr int kLineStep = 20; // pixels between lines at zoom 1 (and always while printing)

// The magnitude of split degrees (or hours), minutes and seconds, rounded as a whole to the second.
PrintedDms ToWholeSeconds(int whole, int minutes, double seconds) {
    return SplitPrintedAngle(whole + minutes / 60.0 + seconds / 3600.0, DmsField::kSeconds);
}

std::string Coordinate(const CDmsAngle& angle, char positive, char negative) {
    const PrintedDms v = ToWholeSeconds(angle.m_nDegrees, angle.m_nMinutes, angle.m_dSeconds);
    char text[64];
    std::snprintf(text, sizeof text, "%d %c %02d' %02d\"", v.degrees, angle.m_bPositive ? positive : negative,
                  v.minutes, static_cast<int>(v.seconds));
    return text;
}

} // namespace

std::string FormatMonthDate(const CLocalDateTime& moment) {
    char text[64];
    std::snprintf(text, sizeof text, "%s %d, %d", MonthName(moment.m_nMonth).c_str(), moment.m_nDay,
                  moment.m_nYear);
    return text;
}

std::string FormatInfoDate(const CChart& chart) {
    return FormatMonthDate(chart.m_dateTime.RoundedToSecond());
}

std::string FormatInfoTime(const CChart& chart) {
    const CHmsTime time = chart.m_dateTime.RoundedToSecond().m_time;
    return g_bTimeDisplayWithAmPm ? time.FormatHmsAmPm() : time.FormatHms();
}

std::string FormatInfoZone(const CChart& chart) {
    const CHmsTime& zone = chart.m_dateTime.m_zone;
    const PrintedDms v = ToWholeSeconds(zone.m_nHours, zone.m_nMinutes, zone.m_dSeconds);
    char text[64];
    std::snprintf(text, sizeof text, "%d:%02d:%02d (%s)", v.degrees, v.minutes, static_cast<int>(v.seconds),
                  zone.m_bPositive ? "West of GMT" : "East of GMT");
    return text;
}

std::string FormatInfoCoordinates(const CChart& chart) {
    return Coordinate(chart.m_longitude, 'W', 'E') + ", " + Coordinate(chart.m_latitude, 'N', 'S');
}

std::string FormatInfoCity(const CChart& chart) {
    // A chart never given a place name has no city line, as one named "Unknown".
    if (chart.m_strCity == kUnknownCity || chart.m_strCity.empty()) return "";
    return chart.m_strCity + ", " + chart.m_strState;
}

void DrawChartInfoShort(DrawSurface& surface, const CChart& chart, const Rect& rect, int valueOffset) {
    const int step = g_bPrinting ? kLineStep : static_cast<int>(ZoomFactor() * kLineStep);
    TextStyle style;
    style.format = kTextNoClip;
    style.font = g_displayFonts[3];
    const auto line = [&](int row, int offset, const std::string& text, ChartColor color) {
        style.SetBox(Rect{rect.left + offset, rect.top + row * step, rect.right, rect.bottom});
        style.color = ColorOf(color);
        DrawStyledText(surface, text, style);
    };
    const char* labels[] = {"Date:", "Time:", "Time Zone:", "Place:"};
    for (int row = 0; row < 4; ++row) line(row, 0, labels[row], kColorCoreViewItemDescription);
    line(0, valueOffset, FormatInfoDate(chart), kColorCoreViewItemValue);
    line(1, valueOffset, FormatInfoTime(chart), kColorCoreViewItemValue);
    line(2, valueOffset, FormatInfoZone(chart), kColorCoreViewItemValue);
    line(3, valueOffset, FormatInfoCoordinates(chart), kColorCoreViewItemValue);
    const std::string city = FormatInfoCity(chart);
    if (!city.empty()) line(4, valueOffset, city, kColorCoreViewItemValue);
}
