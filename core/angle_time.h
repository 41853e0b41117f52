#pragma once
// The small value classes that carry every angle, time and date of a chart. Each keeps a decimal value
// beside its split into whole units; callers set one side and call the matching split or join.
//
// Sign conventions used throughout the program (they differ from the ephemeris library's):
//   geographic longitude positive WEST (negated before it is handed to the ephemeris library),
//   latitude positive NORTH, time zone positive WEST: universal time = local time + zone.
#include <cstdint>
#include <string>

// Degrees reduced into [0, 360).
double Reduce360(double degrees);

// A signed angle in degrees (or hours, when used as such): geographic longitude or latitude,
// the ayanamsa correction.
class CDmsAngle {
public:
    // value -> sign flag, degrees, minutes, seconds (seconds snapped within 0.01). False, and nothing
    // changed, for a value that is not finite or whose whole degrees do not fit the int field.
    bool SplitDegrees();
    void JoinDegrees(); // degrees, minutes, seconds, sign flag -> value

    std::uint8_t m_bPositive = 1; // 1 when the value is zero or positive, 0 when negative
    int m_nDegrees = 0;           // whole degrees of the magnitude
    int m_nMinutes = 0;           // 0-59
    double m_dSeconds = 0.0;      // 0 to below 60
    double m_dValue = 0.0;        // signed decimal degrees
};

// A signed time of day, time zone or duration in hours.
class CHmsTime {
public:
    // value -> sign flag, hours, minutes, seconds (seconds to 1e-7). False, and nothing changed, for a
    // value that is not finite or whose whole hours do not fit the int field.
    bool SplitHours();
    void JoinHours(); // hours, minutes, seconds, sign flag -> value

    // Text forms; they print the magnitude fields only, rounded as a whole to their last field
    // (core/printed_angle.h). Rounding mode of the minute-only forms: 1 = up to the next minute when
    // the seconds are above 0, 2 = to the nearest minute (30 seconds and more count as the next), else
    // the seconds are cut. The clock forms print a time of day: midnight reads 0:00, never 24:00; the
    // date a rounded moment falls on is CLocalDateTime's to tell.
    std::string FormatAmPm() const;                     // "%d:%02d %s", 12-hour clock, mode 2
    std::string FormatAmPmMode(int roundingMode) const; // "%d:%02d %s" with "am"/"pm"
    std::string FormatHm() const;                       // "%d:%02d", 24-hour clock, mode 2
    std::string FormatHmMode(int roundingMode) const;   // "%d:%02d", 24-hour clock
    std::string FormatHmsAmPm() const;                  // "%d:%02d:%02d %s", 12-hour clock
    std::string FormatHms() const;                      // "%d:%02d:%02d"
    void FormatHms(std::string& text) const; // the same written into `text`, in place: quicker in bulk
    std::string FormatDuration() const;      // "2 day 1 hr 30 min 00 sec", ... "45 sec": not a clock

    std::uint8_t m_bPositive = 1; // 1 when the value is zero or positive, 0 when negative
    int m_nHours = 0;             // whole hours of the magnitude
    int m_nMinutes = 0;           // 0-59
    double m_dSeconds = 0.0;      // 0 to below 60
    double m_dHours = 0.0;        // signed decimal hours
};

// One body's place on the zodiac: sign 0 Aries..11 Pisces plus the split degrees, minutes, seconds.
// The longitude is in degrees, [0, 360) after SplitLongitude, sidereal unless the chart is tropical.
class CRasiLongitude {
public:
    // Normalises the longitude into [0, 360), then splits it. A longitude a hair below a sign
    // boundary splits as 30 degrees of the lower sign: the carry stops at the degrees. False, and
    // nothing changed, for a longitude that is not finite.
    bool SplitLongitude();
    void JoinLongitude();         // longitude = sign x 30 + degrees + minutes/60 + seconds/3600
    double DegreesInSign() const; // degrees + minutes/60 + seconds/3600

    int m_nSign = 0;                // 0 Aries .. 11 Pisces
    int m_nDegrees = 0;             // degrees in the sign
    int m_nMinutes = 0;             // 0-59
    double m_dSeconds = 0.0;        // 0 to below 60
    double m_dLongitude = 0.0;      // degrees
    std::uint8_t m_bRetrograde = 0; // 1 when moving backwards; written by the position code only
};

// A local civil moment with its time zone.
class CLocalDateTime {
public:
    // The moment as a text to the minute (rounding mode of CHmsTime::FormatHmMode) or to the second
    // shows it: the time of day rounded as a whole first, and the date moved on where that reaches
    // midnight (23:59:45 of the 5th to the nearest minute is 0:00 of the 6th). Every text that writes
    // a moment's time with its date or day mark takes them from one of these.
    CLocalDateTime RoundedToMinute(int roundingMode) const;
    CLocalDateTime RoundedToSecond() const;
    // The rounded moment's time of day (CHmsTime::FormatHmMode), followed by "*" when dayNumber is not
    // its day.
    std::string FormatTime(int roundingMode, int dayNumber) const;
    // The date as "%4d-%02d-%02d" (a year below 1000 padded with spaces).
    std::string FormatDate() const;
    void FormatDate(std::string& text) const; // the same written into `text`, in place: quicker in bulk
    // Keeps the universal instant and moves the local date and time to newZone (hours, positive west).
    void ChangeZone(double newZone);

    int m_nYear = 0;
    int m_nMonth = 1; // 1-12
    int m_nDay = 1;   // 1-31
    CHmsTime m_time;  // local clock time, decimal hours
    CHmsTime m_zone;  // hours to ADD to the local time to get UT: positive WEST (India is -5.5)
};

// One house: its start, middle (cusp) and end.
class CBhava {
public:
    // True when the longitude (degrees) lies in the house, going forward from start to end; both ends
    // are included.
    bool ContainsLongitude(CRasiLongitude longitude) const;

    CRasiLongitude m_start;
    CRasiLongitude m_middle;
    CRasiLongitude m_end;
};
