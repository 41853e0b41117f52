#pragma once
// The chart information block: a chart's birth data as a column of labels beside a column of values.
// Value texts are shared by every form of the block; the short form is what a chart view draws under a
// single pane.
#include <string>

#include "platform/draw_surface.h"

class CChart;
class CLocalDateTime;

// "January 15, 1990": the moment's own date.
std::string FormatMonthDate(const CLocalDateTime& moment);
// The date and local time of the chart as the block shows them: rounded to the second as a whole, so
// that a time which rounds to midnight reads 0:00:00 of the next date. "January 15, 1990".
std::string FormatInfoDate(const CChart& chart);
// "6:30:00", or with TimeDisplayWithAmPm "6:30:00 am".
std::string FormatInfoTime(const CChart& chart);
// "5:30:00 (East of GMT)": the zone to the nearest second, west when the zone is zero or positive.
std::string FormatInfoZone(const CChart& chart);
// "77 E 12' 36\", 28 N 36' 36\"": longitude and latitude to the nearest second.
std::string FormatInfoCoordinates(const CChart& chart);
// "City, State", or empty when the city is "Unknown" or not given.
std::string FormatInfoCity(const CChart& chart);

// Date, time, zone and place at the top-left of `rect` (pixels), one line step apart, the values
// `valueOffset` pixels right of the labels; display font 3, unzoomed steps while printing.
void DrawChartInfoShort(DrawSurface& surface, const CChart& chart, const Rect& rect, int valueOffset);

// The full block: the heading in `headingRect`, then the label and value columns from the top of
// `linesRect`, the values `labelWidth` unzoomed pixels right of the labels. On screen a value wider than
// the room left of `linesRect`'s right edge breaks between words onto the lines below. When printing the
// heading is the chart file's name and the sunrise lines are left out. Returns the y below the last line.
int DrawChartInfo(DrawSurface& surface, const CChart& chart, Rect headingRect, Rect linesRect,
                  int labelWidth);
// The height of the full block's label and value columns as DrawChartInfo draws them with no value
// broken over lines, pixels.
int ChartInfoLinesHeight(const CChart& chart);
// The step from one line of the full block to the next as the screen shows it, pixels.
int ChartInfoLineStep();
// The key-data block of a printed report: the astrologer's address in a frame, the heading and six
// condensed lines, each rectangle given by its top-left corner and the page's right and bottom.
void DrawChartInfoPrint(DrawSurface& surface, const CChart& chart, Rect addressRect, Rect headingRect,
                        Rect linesRect);
// Appends the block as text with 16-character labels, for the clipboard.
void FormatChartInfoText(std::string& text, const CChart& chart);
