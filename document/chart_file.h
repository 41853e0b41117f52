#pragma once
// The chart data file (.tvd): the birth data of a natal chart as plain text, one value a line, each
// followed by CR LF, in a fixed order and with no version marker. A shorter file from an earlier
// version holds only the first values; the ones it lacks take their defaults when it is read, but the
// first seven (date, time, zone and place) must be there.
//
// Times, zones and geographic angles are stored packed as H.MMSS (hours + minutes / 100 + seconds /
// 6000), negative when the value is; zones and longitudes positive WEST, latitudes positive NORTH.
// City and state hold no blanks in the file: each is stored with "^" for its blanks.
#include <string>
#include <string_view>

#include "core/angle_time.h"
#include "core/whole_file.h"

inline constexpr int kChartFileValueCount = 18;
// Chart files hold a few hundred bytes: a file past a megabyte is no chart and is not read.
inline constexpr FileSizeLimit kChartFileLimit = {1 << 20, "a chart file"};
inline constexpr int kChartFileRequiredValues = 7; // month, day, year, time, zone, longitude, latitude

// The values of a chart file as stored; `count` says how many the file held (the rest are left as
// they are here).
struct ChartFileValues {
    int count = 0;
    int month = 1;                // 1-12
    int day = 1;                  // 1-31
    int year = 2000;              // civil year
    double packedTime = 0.0;      // local time of day, H.MMSS
    double packedZone = 0.0;      // H.MMSS, positive west
    double packedLongitude = 0.0; // D.MMSS, positive west
    double packedLatitude = 0.0;  // D.MMSS, positive north
    double altitude = 0.0;        // metres
    double standardZone = 0.0;    // decimal hours, positive west
    double daylightZone = 0.0;    // decimal hours, positive west
    int dstFlag = 0;              // non-zero: daylight saving in force at birth
    int placeCode = 0;            // row of the region table
    std::string city;             // with its blanks
    std::string state;            // state or country, with its blanks
    int calendarFlag = 1;         // 1 Gregorian, 0 Julian
    double pressure = 0.0;        // mbar
    double temperature = 0.0;     // degrees Celsius
    int gender = 0;               // 0 unknown, 1 male, 2 female
};

// What came of reading a chart file's text.
struct ChartFileParse {
    ChartFileValues values;
    std::string error; // empty when the text is a chart; else names the file and what is wrong

    bool ok() const { return error.empty(); }
};

// Reads the values from the text of `fileName` (named in the message). Values are separated by any
// white space; the end of the text ends the scan. Refused, with the value named: fewer than the seven
// required values, a number that is not a plain decimal of its kind (no exponent, hexadecimal, "inf"
// or "nan"), a value outside its range (month 1-12, a day of the month in the file's calendar, time of
// day below 24 h, zones up to 24 h, longitude up to 180 and latitude up to 90 degrees, the altitude
// within kMinAltitude to kMaxAltitude metres, place code a row of the region table, calendar flag 0 or
// 1, gender 0-2) and packed minutes of 60 or more.
ChartFileParse ParseChartText(std::string_view text, const std::string& fileName);

// The text of all 18 values, CR LF after each. The time of day is written with 15 decimals from whole
// milliseconds, zones and angles with six from steps of 0.006 seconds, the other numbers with six, so
// that text read back is written again byte for byte. An empty name is stored as "^", and white space
// inside a name as "^" (it reads back as a blank).
std::string FormatChartText(const ChartFileValues& values);

// Packs a time or zone (hours) or an angle (degrees) as the file stores it.
double PackHms(const CHmsTime& time);
double PackDms(const CDmsAngle& angle);
// Unpacks a stored time or zone into `time` (decimal value and split fields); a negative packed value
// gives a negative value.
void UnpackHms(double packed, CHmsTime& time);
void UnpackDms(double packed, CDmsAngle& angle);
