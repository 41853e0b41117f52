// The full, printed and text forms of the chart information block.
#include <cstdio>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/chart_labels.h"
#include "display/chart_colors.h"
#include "display/chart_info.h"
#include "display/chart_info_values.h"
#include "display/chart_source.h"
#include "display/drawing_factors.h"
#include "display/pane_settings.h"
#include "display/styled_text.h"
#include "document/document_state.h"
#include "shell/display_fonts.h"

namespace {

constexpr int kLineStep = 20; // pixels between lines at zoom 1, and always while printing
constexpr const char* kNatalTitle = "Natal Chart";
constexpr const char* kUntitled = "Untitled Chart";

// The step from one line of the full form to the next, and the gap of one and a half lines, pixels.
int LineStep(double zoom) {
    return static_cast<int>(zoom * kLineStep);
}
int GapStep(double zoom) {
    return 150 * LineStep(zoom) / 100;
}

struct InfoLine {
    const char* label; // empty: a value's second line
    std::string value;
};

// The lines of the full form, in order; an empty label and value is the gap of one and a half lines.
std::vector<InfoLine> FullFormLines(const CChart& chart) {
    const CPanchanga& p = chart.m_panchanga;
    std::vector<InfoLine> lines = {
        {"Date:", FormatInfoDate(chart)},
        {"Time:", FormatInfoTime(chart)},
        {"Time Zone:", FormatInfoZone(chart)},
        {"Place:", FormatInfoCoordinates(chart)},
    };
    const std::string city = FormatInfoCity(chart);
    if (!city.empty()) lines.push_back({"", city});
    lines.insert(lines.end(), {
                                  {nullptr, ""},
                                  {"Lunar Yr-Mo:", LunarYearMonthText(chart)},
                                  {"Tithi:", TithiText(chart, p.m_nTithi[0], true)},
                                  {"", PercentLeftText(p.m_dTithiFraction[0])},
                                  {"Vedic Weekday:", WeekdayText(chart)},
                                  {"Nakshatra:", NakshatraText(chart)},
                                  {"", PercentLeftText(p.m_dMoonNakshatraFraction)},
                                  {"Yoga:", YogaText(chart, p.m_nYoga, p.m_dYogaFraction)},
                                  {"Karana:", KaranaText(chart)},
                                  {"Hora Lord:", HoraLordText(chart, false)},
                                  {"Mahakala Hora:", HoraLordText(chart, true)},
                                  {"Kaala Lord:", KaalaLordText(chart)},
                                  {"Gouri Panchanga:", ChoghadiyaText(chart)},
                                  {nullptr, ""},
                              });
    if (!g_bPrinting) {
        lines.insert(lines.end(), {
                                      {"Sunrise:", SunTimeText(chart, false)},
                                      {"Sunset:", SunTimeText(chart, true)},
                                      {"Janma Ghatis:", JanmaGhatisText(chart)},
                                      {nullptr, ""},
                                  });
    }
    lines.insert(lines.end(), {
                                  {"Ayanamsa:", AyanamsaText(chart)},
                                  {"Sid Time:", SiderealTimeText(chart)},
                                  {"Karaka Tithi:", TithiText(chart, p.m_nKarakaTithi, true)},
                                  {"", PercentLeftText(p.m_dKarakaTithiFraction)},
                                  {"Karaka Yoga:", YogaText(chart, p.m_nKarakaYoga, p.m_dKarakaYogaFraction)},
                              });
    return lines;
}

std::string CycleSuffix(const char* format, const std::string& name) {
    char text[512];
    std::snprintf(text, sizeof text, format, name.c_str(), LifeCycle() + 1);
    return text;
}

// Returns the rectangle the text takes.
Rect DrawText(DrawSurface& surface, const std::string& text, const Rect& rect, const LogicalFont& font,
              ChartColor color, std::uint32_t format = kTextNoClip) {
    TextStyle style;
    style.SetBox(rect);
    style.format = format;
    style.font = font;
    style.color = ColorOf(color);
    return DrawStyledText(surface, text, style);
}

// Whether `text` in `font` is wider than `width` pixels on `surface`.
bool WiderThan(DrawSurface& surface, const std::string& text, const LogicalFont& font, int width) {
    TextStyle measured;
    measured.font = font;
    return MeasureStyledText(surface, text, measured) - measured.left > width;
}

// The heading of a printed block: the printed name the job began with (the chart file's name or the
// title typed for the print, with its life cycle), then the chart's title below it for any chart but
// the natal one; `linesRect` moves down by that second line.
void DrawPrintHeading(DrawSurface& surface, const CChart& chart, Rect headingRect, Rect& linesRect) {
    const LogicalFont& base = g_displayFonts[3];
    std::string name = g_strChartBaseName;
    if (name.empty()) name = kUntitled;
    if (LifeCycle() != 0) name = CycleSuffix("%s (cycle %d)", name);
    LogicalFont font = ScaledFont(base, 1.6, 1.6, 1.0);
    font.weight = 200 + static_cast<int>(base.weight * 1.6);
    DrawText(surface, name, headingRect, font, kColorCoreViewHeader);
    if (chart.m_strTitle == kNatalTitle) return;
    const int shift = static_cast<int>(base.height * 1.6);
    headingRect.top += shift;
    headingRect.bottom += shift;
    font = ScaledFont(base, 1.3, 1.3, 1.0);
    font.weight = 200 + static_cast<int>(base.weight * 1.3);
    DrawText(surface, chart.m_strTitle, headingRect, font, kColorCoreViewHeader);
    linesRect.top += static_cast<int>(base.height * 1.3);
}

std::string ScreenHeading(const CChart& chart) {
    return LifeCycle() != 0 ? CycleSuffix("%s (cycle %d):", chart.m_strTitle) : chart.m_strTitle + ":";
}

} // namespace

int ChartInfoLinesHeight(const CChart& chart) {
    const double zoom = g_bPrinting ? 1.0 : ZoomFactor();
    int height = 0;
    for (const InfoLine& line : FullFormLines(chart)) height += line.label ? LineStep(zoom) : GapStep(zoom);
    return height;
}

int ChartInfoLineStep() {
    return LineStep(ZoomFactor());
}

int DrawChartInfo(DrawSurface& surface, const CChart& chart, Rect headingRect, Rect linesRect,
                  int labelWidth) {
    // A value column narrower than this lets a long value run on rather than break it word by word.
    constexpr int kLeastWrapWidth = 80;
    const LogicalFont& base = g_displayFonts[3];
    if (g_bPrinting)
        DrawPrintHeading(surface, chart, headingRect, linesRect);
    else
        DrawText(surface, ScreenHeading(chart), headingRect, ScaledFont(base, 1.2, 1.4, 1.4),
                 kColorCoreViewHeader);
    const double zoom = g_bPrinting ? 1.0 : ZoomFactor();
    const int step = LineStep(zoom);
    const int gap = GapStep(zoom);
    constexpr int kWideLabels = 120;
    const LogicalFont font =
        g_bPrinting ? base : ScaledFont(base, 0.85, labelWidth >= kWideLabels ? 1.2 : 1.1, 1.0);
    const int valueLeft = linesRect.left + static_cast<int>(labelWidth * zoom);
    const int valueWidth = linesRect.right - valueLeft;
    int y = linesRect.top;
    for (const InfoLine& line : FullFormLines(chart)) {
        if (!line.label) {
            y += gap;
            continue;
        }
        if (*line.label)
            DrawText(surface, line.label, Rect{linesRect.left, y, linesRect.right, linesRect.bottom}, font,
                     kColorCoreViewItemDescription);
        // A value too long for the block's width goes on over the next lines, which move down by as much.
        const bool wraps =
            !g_bPrinting && valueWidth >= kLeastWrapWidth && WiderThan(surface, line.value, font, valueWidth);
        const Rect value{valueLeft, y, linesRect.right, linesRect.bottom};
        if (!wraps) {
            DrawText(surface, line.value, value, font, kColorCoreViewItemValue);
            y += step;
            continue;
        }
        const Rect taken =
            DrawText(surface, line.value, value, font, kColorCoreViewItemValue, kTextNoClip | kTextWordBreak);
        TextStyle oneLine;
        oneLine.font = font;
        MeasureStyledText(surface, line.value, oneLine);
        y += step + std::max(0, taken.Height() - oneLine.Box().Height());
    }
    return y;
}

void DrawChartInfoPrint(DrawSurface& surface, const CChart& chart, Rect addressRect, Rect headingRect,
                        Rect linesRect) {
    const LogicalFont& base = g_displayFonts[3];
    TextStyle address;
    address.SetBox(addressRect);
    address.format = kTextNoClip;
    address.font = ScaledFont(base, 1.2, 1.4, 1.2);
    address.color = 0;
    DrawTextFrame(surface, g_strJyotishiAddress, address);
    DrawStyledText(surface, g_strJyotishiAddress, address);
    if (g_bPrinting)
        DrawPrintHeading(surface, chart, headingRect, linesRect);
    else
        DrawText(surface, ScreenHeading(chart), headingRect, ScaledFont(base, 1.4, 1.4, 1.4),
                 kColorCoreViewHeader);

    const CPanchanga& p = chart.m_panchanga;
    const CHmsTime& zone = chart.m_dateTime.m_zone;
    char buffer[512];
    std::vector<std::pair<int, std::string>> lines; // step before the line, text
    lines.push_back({0, FormatInfoDate(chart)});
    std::snprintf(buffer, sizeof buffer, "%s (%d:%02d %s)", FormatInfoTime(chart).c_str(), zone.m_nHours,
                  zone.m_nMinutes, zone.m_bPositive ? "West of GMT" : "East of GMT");
    lines.push_back({20, buffer});
    const std::string city = FormatInfoCity(chart);
    lines.push_back({20, FormatInfoCoordinates(chart) + (city.empty() ? "" : " (" + city + ")")});
    std::snprintf(buffer, sizeof buffer, "Lunar day: %s %s %s (%.2f%% left)",
                  g_samvatsaraNames[p.m_nCycleYear], LunarMonthText(chart).c_str(),
                  g_tithiNames[p.m_nTithi[0]], 100 * p.m_dTithiFraction[0]);
    lines.push_back({30, buffer});
    std::snprintf(buffer, sizeof buffer, "Nakshatra: %s (%.2f%% left)", g_nakshatraNames[p.m_nMoonNakshatra],
                  100 * p.m_dMoonNakshatraFraction);
    lines.push_back({20, buffer});
    const char* horaLord = g_pszChartPlanetNames ? g_pszChartPlanetNames[chart.m_currentDay.m_nHoraLord]
                                                 : g_pszPlanetNames[chart.m_currentDay.m_nHoraLord];
    std::snprintf(buffer, sizeof buffer, "%s, %s Yoga, %s Karana, %s Hora",
                  g_weekdayNames[chart.m_currentDay.m_nWeekday], g_yogaNames[p.m_nYoga],
                  g_karanaNames[p.m_nKarana], horaLord);
    lines.push_back({20, buffer});
    int y = linesRect.top;
    for (const auto& [step, text] : lines) {
        y += step;
        DrawText(surface, text, Rect{linesRect.left, y, linesRect.right, linesRect.bottom}, base,
                 kColorCoreViewItemValue);
    }
}

void FormatChartInfoText(std::string& text, const CChart& chart) {
    const CPanchanga& p = chart.m_panchanga;
    const std::string base = ChartBaseName();
    text += base + "\n\n" + chart.m_strTitle;
    if (LifeCycle() != 0) text += " (cycle " + std::to_string(LifeCycle() + 1) + ")";
    text += "\n";
    text += "\nDate:          " + FormatInfoDate(chart);
    text += "\nTime:          " + FormatInfoTime(chart);
    text += "\nTime Zone:     " + FormatInfoZone(chart);
    text += "\nPlace:         " + FormatInfoCoordinates(chart);
    const std::string city = FormatInfoCity(chart);
    if (!city.empty()) text += "\n               " + city;
    char altitude[64];
    std::snprintf(altitude, sizeof altitude, "%.2f meters", chart.m_dAltitude);
    text += std::string("\nAltitude:      ") + altitude;
    text += "\n\nLunar Yr-Mo:   " + LunarYearMonthText(chart);
    text += "\nTithi:         " + TithiText(chart, p.m_nTithi[0], false) +
            PercentLeftText(p.m_dTithiFraction[0]).substr(1);
    text += "\nVedic Weekday: " + WeekdayText(chart);
    text +=
        "\nNakshatra:     " + NakshatraText(chart) + PercentLeftText(p.m_dMoonNakshatraFraction).substr(1);
    text += "\nYoga:          " + YogaText(chart, p.m_nYoga, p.m_dYogaFraction);
    text += "\nKarana:        " + KaranaText(chart);
    text += "\nHora Lord:     " + HoraLordText(chart, false);
    text += "\nMahakala Hora: " + HoraLordText(chart, true);
    text += "\nKaala Lord:    " + KaalaLordText(chart);
    text += "\n\nSunrise:       " + SunTimeText(chart, false);
    text += "\nSunset:        " + SunTimeText(chart, true);
    text += "\nJanma Ghatis:  " + JanmaGhatisText(chart);
    text += "\n\nAyanamsa:      " + AyanamsaText(chart);
    text += "\nSidereal Time: " + SiderealTimeText(chart);
    text += "\n\n";
}
