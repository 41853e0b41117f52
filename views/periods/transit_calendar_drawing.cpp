#include "views/periods/transit_calendar_drawing.h"

#include <algorithm>
#include <string>

#include "core/body_names.h"
#include "core/chart_core.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "platform/draw_state.h"
#include "shell/display_fonts.h"
#include "views/info/cell_format.h"
#include "views/periods/transit_colors.h"

namespace {

constexpr int kItemWidths[kCalendarItems] = {18, 18, 16, 10, 8, 16};
constexpr int kItemGap = 2;
constexpr int kItemHeight = 16;
constexpr int kSymbolText = 12;   // numbers inside the house boxes and stars
constexpr int kColumnMargin = 10; // right of a column's last item
constexpr int kNarrowItems = 36;  // items narrower than this widen the column by as much
constexpr int kTableFont = 0;     // the first display font
constexpr int kLegendSampleLeft = 40;
constexpr int kLegendTextLeft = 80;
constexpr int kLegendTop = 40;
constexpr int kLegendWidthColumns = 7;
constexpr int kLegendHeightRows = 22;
constexpr int kLegendRightMargin = 20; // right of the longest legend line
constexpr std::uint32_t kCentred = kTextCenter | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kLeftCentred =
    kTextLeft | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;

// A point of a figure, scaled to the printer while printing as the texts are.
Point At(int x, int y) {
    if (!g_bPrinting) return Point{x, y};
    const Rect scaled = ScaledPrintRect(Rect{x, y, x, y});
    return Point{scaled.left, scaled.top};
}

Rect Box(int x0, int y0, int x1, int y1) {
    const Point a = At(x0, y0), b = At(x1, y1);
    return Rect{a.x, a.y, b.x, b.y};
}

// The first display font scaled by a, b, c (height, width, weight), made no taller than `fitHeight`
// (0: any height) so that it stays inside the small boxes of the rows.
TextStyle StyleOf(const Rect& box, ColorRef color, double a, double b, double c, int fitHeight,
                  std::uint32_t format) {
    TextStyle style;
    style.SetBox(box);
    style.color = color;
    style.format = format;
    style.font = ScaledFont(g_displayFonts[kTableFont], a, b, c);
    if (fitHeight > 0) style.font = FontNoTallerThan(style.font, fitHeight);
    return style;
}

void Text(DrawSurface& surface, const std::string& text, const Rect& box, ColorRef color, double a, double b,
          double c, int fitHeight = 0, std::uint32_t format = kCentred) {
    DrawStyledText(surface, text, StyleOf(box, color, a, b, c, fitHeight, format));
}

const char* ShortName(int body) {
    return (g_pszPlanetNamesAlt2 ? g_pszPlanetNamesAlt2 : g_planetShortNames)[body];
}

void Outline(DrawSurface& surface, ColorRef fill) {
    surface.SelectPen(LogicalPen{g_colors[kColorTransitLines], 1});
    surface.SelectBrush(LogicalBrush{fill});
}

// A box with its corners cut, the calendar's rounded box.
void RoundedBox(DrawSurface& surface, int x0, int y0, int x1, int y1, ColorRef fill) {
    Outline(surface, fill);
    const Point corners[] = {At(x0 + 1, y0), At(x1 - 1, y0), At(x1, y0 + 1), At(x1, y1 - 1),
                             At(x1 - 1, y1), At(x0 + 1, y1), At(x0, y1 - 1), At(x0, y0 + 1)};
    surface.Polygon(corners);
}

// The house box of items 0 (from the Moon, over a disc) and 1 (from the lagna).
void DrawHouse(DrawSurface& surface, int x0, int y0, int x1, int y1, int house, bool good, bool vedha,
               bool fromMoon) {
    const int inset = fromMoon ? 3 : 2;
    if (fromMoon) {
        Outline(surface, g_colors[kColorTransitMoon]);
        surface.Ellipse(Box(x0, y0 + 6, x1 - 8, y1));
    }
    RoundedBox(surface, x0 + inset, y0, x1, y1 - inset,
               g_colors[good ? kColorTransitBackGood : kColorTransitBackBad]);
    if (good && vedha) surface.FillRect(Box(x1 - 5, y0, x1, y0 + 5), g_colors[kColorTransitVedha]);
    Text(surface, FormatCell("%d", house), Box(x0 + inset, y0, x1, y1 - inset),
         g_colors[good ? kColorTransitTextGood : kColorTransitTextBad], 0.8, 0.8, 1.0, y1 - inset - y0);
}

void DrawTara(DrawSurface& surface, int x0, int y0, int x1, int y1, int tara, bool good) {
    constexpr Point kStar[] = {{8, 0},  {11, 3}, {16, 3}, {14, 9}, {16, 16},
                               {8, 13}, {0, 16}, {2, 9},  {0, 3},  {5, 3}};
    Point points[std::size(kStar)];
    std::transform(std::begin(kStar), std::end(kStar), points,
                   [&](Point p) { return At(x0 + p.x, y0 + p.y); });
    Outline(surface, g_colors[good ? kColorTransitBackGood : kColorTransitBackBad]);
    surface.Polygon(points);
    Text(surface, FormatCell("%d", tara + 1), Box(x0, y0 + 2, x1, y1),
         g_colors[good ? kColorTransitTextGood : kColorTransitTextBad], 0.8, 0.8, 1.0, kSymbolText);
}

void DrawMurthi(DrawSurface& surface, int x0, int y0, int x1, int y1, int murthi) {
    Outline(surface, g_colors[kColorTransitSwarna + murthi]);
    surface.Ellipse(Box(x0 + 3, y0, x1 - 3, y0 + 5));
    RoundedBox(surface, x0 + 1, y0 + 5, x1 - 1, y1, g_colors[kColorTransitSwarna + murthi]);
}

ColorRef ScoreColor(int bindus) {
    if (bindus < 4) return g_colors[kColorTransitTextBad];
    return g_colors[bindus == 4 ? kColorTransitTextNeutral : kColorTransitTextGood];
}

ColorRef KakshyaColor(int good) {
    if (good < 0) return g_colors[kColorTransitTextNeutral]; // the nodes: no ashtakavarga to judge by
    return g_colors[good ? kColorTransitTextGood : kColorTransitTextBad];
}

std::string RowLabel(const CLocalDateTime& moment) {
    const CLocalDateTime shown = moment.RoundedToMinute(2);
    const std::string time = g_bTimeDisplayWithAmPm ? shown.m_time.FormatAmPm() : shown.m_time.FormatHm();
    return FormatCell("%d-%02d-%02d (%s)", shown.m_nYear, shown.m_nMonth, shown.m_nDay, time.c_str());
}

// One legend row: the item, the sample cell and its text.
struct LegendRow {
    int item;
    CalendarCell cell;
    const char* text;
};

CalendarCell HouseSample(bool good, bool vedha) {
    CalendarCell cell;
    cell.houseFromMoon = cell.houseFromLagna = 5;
    cell.goodFromMoon = cell.goodFromLagna = good;
    cell.vedhaFromMoon = cell.vedhaFromLagna = vedha;
    return cell;
}

CalendarCell Sample(int tara, bool goodTara, int murthi, int bindus, int lord, int goodKakshya) {
    CalendarCell cell;
    cell.tara = tara;
    cell.goodTara = goodTara;
    cell.murthi = murthi;
    cell.bindus = bindus;
    cell.kakshyaLord = lord;
    cell.goodKakshya = goodKakshya;
    return cell;
}

const LegendRow kLegend[kCalendarLegendRows] = {
    {kItemHouseFromMoon, HouseSample(true, false),
     "Planet is transiting in the 5th house from natal Moon. It is a good transit for that planet."},
    {kItemHouseFromMoon, HouseSample(false, false),
     "Planet is transiting in the 5th house from natal Moon. It is a bad transit for that planet."},
    {kItemHouseFromMoon, HouseSample(true, true),
     "Planet is transiting in the 5th house from natal Moon. It is a good transit, but there is vedha."},
    {kItemHouseFromLagna, HouseSample(true, false),
     "Planet is transiting in the 5th house from natal lagna. It is a good transit for that planet."},
    {kItemHouseFromLagna, HouseSample(false, false),
     "Planet is transiting in the 5th house from natal lagna. It is a bad transit for that planet."},
    {kItemHouseFromLagna, HouseSample(true, true),
     "Planet is transiting in the 5th house from natal lagna. It is a good transit, but there is vedha."},
    {kItemTara, Sample(7, true, 0, 0, 0, 0),
     "Planet is transiting in the 8th star from natal Moon star (mitra tara). It is a good tara."},
    {kItemTara, Sample(4, false, 0, 0, 0, 0),
     "Planet is transiting in the 5th star from natal Moon star (pratyak tara). It is a bad tara."},
    {kItemMurthi, Sample(0, true, 0, 0, 0, 0),
     "Planet is a Swarna Murthi in transit (golden idol/form - very good)."},
    {kItemMurthi, Sample(0, true, 1, 0, 0, 0),
     "Planet is a Rajata Murthi in transit (silver idol/form - good)."},
    {kItemMurthi, Sample(0, true, 2, 0, 0, 0),
     "Planet is a Taamra Murthi in transit (copper idol/form - bad)."},
    {kItemMurthi, Sample(0, true, 3, 0, 0, 0),
     "Planet is a Loha Murthi in transit (iron idol/form - very bad)."},
    {kItemAshtakavarga, Sample(0, true, 0, 5, 0, 0),
     "Planet is transiting in a sign with a score of 5 in its ashtakavarga (good)."},
    {kItemAshtakavarga, Sample(0, true, 0, 4, 0, 0),
     "Planet is transiting in a sign with a score of 4 in its ashtakavarga (neutral)."},
    {kItemAshtakavarga, Sample(0, true, 0, 3, 0, 0),
     "Planet is transiting in a sign with a score of 3 in its ashtakavarga (bad)."},
    {kItemKakshya, Sample(0, true, 0, 0, kMars, 1),
     "Planet is transiting in the kakshya of Mars and it is a good kakshya for that planet in that sign."},
    {kItemKakshya, Sample(0, true, 0, 0, kJupiter, 0),
     "Planet is transiting in the kakshya of Jupiter and it is a bad kakshya for that planet in that sign."},
};

} // namespace

int CalendarColumnWidth(const CalendarItems& shown) {
    int items = 0;
    for (int i = 0; i < kCalendarItems; ++i)
        if (shown[i]) items += kItemWidths[i] + kItemGap;
    return kColumnMargin + items + (items < kNarrowItems ? kNarrowItems : 0);
}

Size CalendarExtent(const CalendarItems& shown, int rows, double zoom) {
    const int column = CalendarColumnWidth(shown);
    return Size{static_cast<int>(2 * kCalendarDateWidth * zoom) + kCalendarPlanets * column,
                static_cast<int>(2 * kCalendarTop * zoom) + kCalendarRowHeight * rows};
}

int CalendarColumnLeft(const CalendarItems& shown, int planet) {
    return kCalendarDateWidth + CalendarColumnWidth(shown) * (planet - 1);
}

void DrawCalendarWait(DrawSurface& surface) {
    // From the left edge of its box: centred, the widened letters reached past the window's left side.
    Text(surface, " W A I T ", Box(10, 10, 300, 300), g_colors[kColorTransitWait], 2.0, 4.0, 1.0, 0,
         kLeftCentred);
}

int DrawCalendarItem(DrawSurface& surface, int item, int planet, const CalendarCell& cell, int x, int y) {
    const int x1 = x + kItemWidths[item];
    const int y1 = y + kItemHeight;
    switch (item) {
    case kItemHouseFromMoon:
        DrawHouse(surface, x, y, x1, y1, cell.houseFromMoon, cell.goodFromMoon, cell.vedhaFromMoon, true);
        break;
    case kItemHouseFromLagna:
        DrawHouse(surface, x, y, x1, y1, cell.houseFromLagna, cell.goodFromLagna, cell.vedhaFromLagna, false);
        break;
    case kItemTara:
        DrawTara(surface, x, y, x1, y1, cell.tara, cell.goodTara);
        break;
    case kItemMurthi:
        // The Moon has no murthi: half the item's width stays empty.
        if (planet == kMoon) return x + kItemWidths[item] / 2 + kItemGap;
        if (cell.murthi >= 0 && cell.murthi <= 3) DrawMurthi(surface, x, y, x1, y1, cell.murthi);
        break;
    case kItemAshtakavarga:
        if (cell.bindus >= 0)
            Text(surface, FormatCell("%d", cell.bindus), Box(x, y, x1, y1), ScoreColor(cell.bindus), 1.2, 1.0,
                 1.0, kItemHeight);
        break;
    case kItemKakshya:
        Text(surface, FormatCell("%s", ChosenPlanetAbbrevs()[cell.kakshyaLord]), Box(x, y, x1, y1),
             KakshyaColor(cell.goodKakshya), 1.2, 0.9, 1.0, kItemHeight);
        break;
    default:
        break;
    }
    return x1 + kItemGap;
}

void DrawCalendarHeads(DrawSurface& surface, const TransitCalendarRequest& request,
                       const CalendarItems& shown, int top) {
    const int columnWidth = CalendarColumnWidth(shown);
    const int right = CalendarColumnLeft(shown, kCalendarPlanets + 1);
    Text(surface,
         FormatCell("%s chart transits of planets with respect to natal %s chart",
                    g_vargaNames[request.transitColumn].c_str(), g_vargaNames[request.natalColumn].c_str()),
         Box(4, top + 2, right, top + 24), g_colors[kColorTransitTitle], 1.0, 1.5, 1.0, 0, kLeftCentred);
    for (int p = kSun; p <= kKetu; ++p) {
        const int left = CalendarColumnLeft(shown, p);
        Text(surface, FormatCell("%s", ShortName(p)),
             Box(left, top + 24, left + columnWidth - kColumnMargin, top + kCalendarTop),
             g_colors[kColorTransitPlanet], 1.0, 1.4, 1.0);
    }
}

void DrawCalendarRows(DrawSurface& surface, const TransitCalendar& calendar,
                      const TransitCalendarRequest& request, const CalendarItems& shown) {
    const int right = CalendarColumnLeft(shown, kCalendarPlanets + 1);
    for (size_t r = 0; r < calendar.rows.size(); ++r) {
        const CalendarRow& row = calendar.rows[r];
        const int top = kCalendarTop + kCalendarRowHeight * static_cast<int>(r);
        Text(surface, RowLabel(row.moment), Box(4, top, kCalendarDateWidth, top + kCalendarRowHeight),
             g_colors[kColorTransitDate], 1.1, 1.0, 1.5, kItemHeight, kLeftCentred);
        const int itemTop = top + (kCalendarRowHeight - kItemHeight) / 2;
        for (int p = kSun; p <= kKetu; ++p) {
            int x = CalendarColumnLeft(shown, p);
            for (int item = 0; item < kCalendarItems; ++item)
                if (shown[item]) x = DrawCalendarItem(surface, item, p, row.planets[p - 1], x, itemTop);
        }
    }
    if (calendar.Partial()) {
        const int top = kCalendarTop + kCalendarRowHeight * static_cast<int>(calendar.rows.size());
        Text(surface, PartialCalendarNote(calendar, request), Box(4, top, right, top + kCalendarRowHeight),
             g_colors[kColorTransitWait], 1.1, 1.0, 1.5, kItemHeight, kLeftCentred);
    }
}

std::string PartialCalendarNote(const TransitCalendar& calendar, const TransitCalendarRequest& request) {
    if (!calendar.Partial()) return "";
    const int asked = std::clamp(request.count, 0, kCalendarMaxRows);
    const int made = static_cast<int>(calendar.rows.size());
    if (calendar.cancelled)
        return FormatCell("Cancelled after %d of %d rows: the rest is calculated when the calendar is opened "
                          "again.",
                          made, asked);
    return FormatCell("Stopped after %d of %d rows: %s", made, asked, calendar.status.error.c_str());
}

// The style of legend line `row`.
TextStyle LegendTextStyle(int row) {
    const int right =
        kLegendTextLeft +
        CalendarColumnWidth(CalendarItems{true, true, true, true, true, true}) * kLegendWidthColumns;
    const int top = kLegendTop + kCalendarRowHeight * row;
    return StyleOf(Box(kLegendTextLeft, top, right, top + kItemHeight), g_colors[kColorTransitLegendText],
                   1.0, 1.0, 1.0, kItemHeight, kLeftCentred);
}

Size CalendarLegendExtent(DrawSurface& measure, double zoom) {
    int right = 0;
    for (int i = 0; i < kCalendarLegendRows; ++i) {
        TextStyle style = LegendTextStyle(i);
        right = std::max(right, MeasureStyledText(measure, kLegend[i].text, style));
    }
    return Size{right + kLegendRightMargin, static_cast<int>(kCalendarRowHeight * zoom * kLegendHeightRows)};
}

void DrawCalendarLegend(DrawSurface& surface) {
    for (int i = 0; i < kCalendarLegendRows; ++i) {
        const LegendRow& row = kLegend[i];
        DrawCalendarItem(surface, row.item, kSun, row.cell, kLegendSampleLeft,
                         kLegendTop + kCalendarRowHeight * i);
        DrawStyledText(surface, row.text, LegendTextStyle(i));
    }
}
