#pragma once
// The Tajaka (annual return) mode: the chart of a chosen year of life and, nested in it, of a month,
// 2.5-day part, 5-hour part, 25-minute part or 2-minute part (each one twelfth of the one above),
// optionally moved to the sunrise of its day, with the Muntha as extra body 102. The Tajaka form fills
// the selection below and calls CTavroDoc::CalculateTajaka.
//
// Years of life are counted in the year kind the Tajaka options choose (return_charts.h): true or mean,
// sidereal or tropical solar years. Longitudes are degrees in the chart's zodiac.
#include <array>
#include <string>

class CChart;

// The selection of the Tajaka form. A finer level counts only when every coarser one is set.
extern int g_nTajakaYear;       // calendar year of the annual chart
extern int g_nTajakaMonth;      // calendar month 1-12 of the Tajaka month; 0 = annual chart only
extern int g_nTajaka2DayPart;   // 2.5-day part 1-12 within the month; 0 = none
extern int g_nTajaka5HourPart;  // 5-hour part 1-12 within the 2.5-day part; 0 = none
extern int g_nTajaka25MinPart;  // 25-minute part 1-12 within the 5-hour part; 0 = none
extern int g_nTajaka2MinPart;   // 2-minute part 1-12 within the 25-minute part; 0 = none
extern bool g_bTajakaAtSunrise; // move the start and end moments to the sunrise of their days

inline constexpr int kTajakaLevelCount = 5; // month, 2.5 days, 5 hours, 25 minutes, 2 minutes

// The span of life the selection names, in years of the Tajaka year kind since birth.
struct TajakaSpan {
    double startYears = 0.0; // F
    double endYears = 1.0;
    int yearIndex = 0; // Tajaka year minus birth year, one less for a month before the birth month
    int levels = 0;    // levels set below the year, 0-5
    std::array<int, kTajakaLevelCount> counts{}; // month offset k (0-11), then part - 1 of each finer level
    std::string title;
};
// From the selection globals and the birth year and month (1-12).
TajakaSpan SelectedTajakaSpan(int birthYear, int birthMonth);

// The year kind of the Tajaka options: TropicalTajaka and TrueTajaka choose true or mean, tropical or
// sidereal solar years.
int TajakaYearKind();

// The Muntha of a span by MunthaPreference: its longitude (degrees) and its sign in every varga column.
struct Muntha {
    double longitude = 0.0;
    std::array<int, 29> signs{};
};
Muntha TajakaMuntha(const CChart& natal, const TajakaSpan& span);
