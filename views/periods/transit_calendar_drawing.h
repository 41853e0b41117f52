#pragma once
// What the transit calendar pane draws, as plain functions over the drawing surface: the calendar
// (title, planet heads, one row per step with up to six symbols a planet), the legend of the symbols,
// and the notice shown while the rows are computed. Coordinates are pixels of the pane before print
// scaling; fonts follow the zoom through the display fonts.
#include <array>
#include <string>

#include "document/transit_calendar.h"
#include "platform/draw_surface.h"

using CalendarItems = std::array<bool, kCalendarItems>; // shown flag by CalendarItem

inline constexpr int kCalendarDateWidth = 140;
inline constexpr int kCalendarTop = 48;
inline constexpr int kCalendarRowHeight = 20;
inline constexpr int kCalendarLegendRows = 17;

// Width of one planet's column: 10 and each shown item's width plus a gap of 2, widened by 36 when
// the items take less than 36.
int CalendarColumnWidth(const CalendarItems& shown);
// The scrolled extent of the calendar of `rows` rows at zoom factor `zoom`.
Size CalendarExtent(const CalendarItems& shown, int rows, double zoom);
// The scrolled extent of the legend: across to the end of its longest line as `measure` sets it.
Size CalendarLegendExtent(DrawSurface& measure, double zoom);
// Left edge of planet 1-9's column.
int CalendarColumnLeft(const CalendarItems& shown, int planet);

// " W A I T " in the wait colour.
void DrawCalendarWait(DrawSurface& surface);
// The title and the planets' heads, kCalendarTop high from `top` (content pixels).
void DrawCalendarHeads(DrawSurface& surface, const TransitCalendarRequest& request,
                       const CalendarItems& shown, int top);
// The rows of `calendar`, computed for `request`, from kCalendarTop down; below partial rows, the
// note saying so.
void DrawCalendarRows(DrawSurface& surface, const TransitCalendar& calendar,
                      const TransitCalendarRequest& request, const CalendarItems& shown);
// What the line below partial rows says: how many rows of how many were made, and why no more; ""
// for complete rows.
std::string PartialCalendarNote(const TransitCalendar& calendar, const TransitCalendarRequest& request);
// The seventeen sample symbols with what they mean.
void DrawCalendarLegend(DrawSurface& surface);
// Item `item` of planet 1-9's cell with its box's top-left at (x, y); returns the x of the next item.
int DrawCalendarItem(DrawSurface& surface, int item, int planet, const CalendarCell& cell, int x, int y);
