#pragma once
// The birth data as the birth-data dialog edits them, without the widgets: its members, their range
// checks, the zone fields, the daylight-saving decision, and the copy from and back to a chart.
//
// Units: the dialog holds time zones east-positive (hours) with a side choice; charts hold them
// positive WEST. Longitudes likewise: the dialog has an E/W choice, the chart positive west.
#include <optional>
#include <string>

class CChart;

// Limits of the place fields. Altitude: the program's own range (kMinAltitude, kMaxAltitude). Air: the
// lowest and highest pressures and temperatures measured at the surface, rounded outward (WMO world
// weather records).
inline constexpr double kMinPressureMbar = 0.0;
inline constexpr double kMaxPressureMbar = 1100.0;
inline constexpr double kMinTemperatureCelsius = -90.0;
inline constexpr double kMaxTemperatureCelsius = 60.0;
inline constexpr int kMaxZoneHours = 14; // the farthest zone from Greenwich (Kiribati, UTC+14)

// Time-format choice of the hour field.
enum TimeFormatChoice : int { kAm = 0, kPm = 1, kTwentyFourHours = 2 };

struct BirthDataMembers {
    int m_nMonth = -1; // 0 January .. 11 December
    int m_nDay = 1;
    int m_nYear = 2000;
    int m_nCalendar = 1; // 0 Julian, 1 Gregorian
    int m_nHour = 0;
    double m_dMinute = 0;
    double m_dSecond = 0;
    int m_nTimeFormat = kTwentyFourHours;
    std::string m_strCity;
    int m_nZoneHours = 0;
    double m_dZoneMinutes = 0;
    int m_nZoneSide = 0; // 0 "East of GMT", 1 "West of GMT"
    int m_nLonDeg = 0, m_nLonMin = 0;
    double m_dLonSec = 0;
    int m_nLonSide = 0; // 0 E, 1 W
    int m_nLatDeg = 0, m_nLatMin = 0;
    double m_dLatSec = 0;
    int m_nLatSide = 0; // 0 N, 1 S
    int m_bUseLmt = 0;  // derive the zone from the longitude (local mean time)
    double m_dAltitude = 0;
    double m_dPressure = 0;
    double m_dTemperature = 0;
    int m_nGender = 0; // 0 unknown, 1 male, 2 female

    // The region the caller gave for manual entry, and the place chosen in the dialog.
    std::string m_strRegionName;
    int m_nRegion = 0;
    std::string m_strChartCity, m_strChartRegion;
    int m_nChartRegion = 0;                // row of the region table
    double m_dStdZone = 0, m_dDstZone = 0; // hours, positive EAST
    bool m_bDaylight = false;
};

// The edit boxes, in the order they are checked.
enum class BirthField {
    kDay,
    kYear,
    kHour,
    kMinute,
    kSecond,
    kZoneHours,
    kZoneMinutes,
    kLonDeg,
    kLonMin,
    kLonSec,
    kLatDeg,
    kLatMin,
    kLatSec,
    kAltitude,
    kPressure,
    kTemperature,
};

struct FieldProblem {
    BirthField field;
    std::string message; // what is allowed
};

// The first field out of range (day within the month, year within g_nMinYear..g_nMaxYear, hour on
// the chosen clock, minutes and seconds below 60, longitude within 180 and latitude within 90
// degrees, zone, altitude and air within their limits), or nothing when all are in range.
std::optional<FieldProblem> CheckBirthData(const BirthDataMembers& m);

// The zone typed in the zone fields: hours, positive east.
double TypedZoneEast(const BirthDataMembers& m);
// Writes a zone (hours, positive east) into the zone fields: a negative zone sets "West of GMT";
// whole hours and whole minutes, a minute more when the remaining seconds are 30 or more.
void SetZoneFields(BirthDataMembers& m, double zoneEast);

// Decides daylight saving for the chosen place at the entered moment (the process-wide calendar flag
// set from the calendar choice) and writes the zone in effect into the zone fields. Equal standard
// and daylight zones mean standard time. In Russia a daylight zone one hour ahead becomes two.
void DecideDaylightSaving(BirthDataMembers& m);
// The same after the date or time was edited, the zone fields written only when the decision changes:
// a zone the user did not touch keeps its fields, finer than the whole minutes the zone in effect
// would write.
void DecideDaylightSavingAgain(BirthDataMembers& m);

// Edit > Birthdata: the members from a chart (the clock as `withAmPm` says), and back. The fields show
// the time to thousandths of a second, the zone to hundredths of a minute and the coordinates to
// thousandths of a second of arc; applying takes each field the user edited and keeps, field by field,
// the chart's exact value of each one still holding what it was loaded with (a time, zone, longitude or
// latitude none of whose fields changed stays as it was). Applying returns whether the hours were typed
// on the 12-hour clock. The chart is not recomputed.
BirthDataMembers BirthDataFromChart(const CChart& chart, bool withAmPm);
bool ApplyBirthData(const BirthDataMembers& m, CChart& chart);
