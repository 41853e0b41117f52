#include "shell/dialogs/birth_data.h"

#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/dst_rules.h"
#include "core/region_table.h"
#include "shell/dialogs/field_checks.h"
#include "shell/display_options.h"

namespace {

// Degrees, minutes and seconds of a longitude or latitude within `limit` degrees.
std::optional<FieldProblem> CheckAngle(std::string_view name, int degrees, int minutes, double seconds,
                                       int limit, BirthField degreeField) {
    const auto minuteField = static_cast<BirthField>(static_cast<int>(degreeField) + 1);
    const auto secondField = static_cast<BirthField>(static_cast<int>(degreeField) + 2);
    const std::string label(name);
    if (auto m = CheckIntegerRange(label + " degrees", degrees, 0, limit))
        return FieldProblem{degreeField, *m};
    if (auto m = CheckIntegerRange(label + " minutes", minutes, 0, 59)) return FieldProblem{minuteField, *m};
    if (auto m = CheckSixtieths(label + " seconds", seconds)) return FieldProblem{secondField, *m};
    if (degrees + minutes / 60.0 + seconds / 3600.0 > limit)
        return FieldProblem{degreeField, label + ": enter at most " + std::to_string(limit) + " degrees."};
    return std::nullopt;
}

// Whole units (hours or degrees), minutes and seconds with the seconds at the fields' precision.
struct RoundedSixtieths {
    int whole;
    int minutes;
    double seconds;
};

// Thousandths of a second: what the seconds fields show, as finely as a chart file keeps a birth time.
// Split values carry float noise (11.99999707 s for 12 s after a file's packed time is read); shown as
// typed, it would come back as typed.
constexpr double kSecondSteps = 1000.0;

// `whole`:`minutes`:`seconds` rounded to the fields' precision, a rounding to 60 carried upwards; the
// result stays below `limit` whole units (a time of day never rounds into the next day).
RoundedSixtieths RoundSixtieths(int whole, int minutes, double seconds, int limit) {
    const long long steps = std::llround(((whole * 60.0 + minutes) * 60.0 + seconds) * kSecondSteps);
    const long long last = static_cast<long long>(limit) * 3600 * static_cast<long long>(kSecondSteps) - 1;
    const long long kept = whole < limit ? std::min(steps, last) : steps;
    const long long perMinute = 60 * static_cast<long long>(kSecondSteps);
    return RoundedSixtieths{static_cast<int>(kept / (60 * perMinute)),
                            static_cast<int>(kept / perMinute % 60),
                            static_cast<double>(kept % perMinute) / kSecondSteps};
}

constexpr int kHoursInDay = 24;
constexpr int kLongitudeLimit = 180;
constexpr int kLatitudeLimit = 90;

// Hundredths of a minute: what the zone minutes field shows.
constexpr double kZoneMinuteSteps = 100.0;

// The hour of the 24-hour clock that the hour field and the clock choice give.
int ClockHour(const BirthDataMembers& m) {
    const bool twelveHours = m.m_nTimeFormat != kTwentyFourHours;
    return twelveHours ? m.m_nHour % 12 + (m.m_nTimeFormat == kPm ? 12 : 0) : m.m_nHour;
}

// One edit box: what it showed when loaded from the chart, and what it holds now.
struct Box {
    Box(double shownValue, double nowValue) : shown(shownValue), now(nowValue) {}
    bool Edited() const { return now != shown; }

    double shown;
    double now;
};

// The split fields of a time, zone or angle: whole hours or degrees, whole minutes, seconds.
struct SplitFields {
    int whole;
    int minutes;
    double seconds;
};

SplitFields FieldsOf(const CHmsTime& time) {
    return {time.m_nHours, time.m_nMinutes, time.m_dSeconds};
}
SplitFields FieldsOf(const CDmsAngle& angle) {
    return {angle.m_nDegrees, angle.m_nMinutes, angle.m_dSeconds};
}

// The boxes of a time or angle: whole units, minutes, seconds.
struct SecondBoxes {
    Box whole, minutes, seconds;

    bool Edited() const { return whole.Edited() || minutes.Edited() || seconds.Edited(); }
    // The fields they give a value loaded as `loaded`. A box the user left alone keeps its loaded value
    // exactly: the seconds box stands for the loaded seconds, counted from the whole units and minutes
    // the boxes showed (which differ from the loaded ones only where the seconds were shown rounded up
    // into the next minute).
    SplitFields Fields(const SplitFields& loaded) const {
        const double kept =
            loaded.seconds + ((loaded.whole - whole.shown) * 60 + (loaded.minutes - minutes.shown)) * 60;
        return {static_cast<int>(whole.now), static_cast<int>(minutes.now),
                seconds.Edited() ? seconds.now : kept};
    }
};

// The boxes of a zone: hours, and minutes holding the seconds as a fraction.
struct MinuteBoxes {
    Box hours, minutes;

    bool Edited() const { return hours.Edited() || minutes.Edited(); }
    // As SecondBoxes::Fields: the minutes box left alone stands for the loaded minutes and seconds,
    // counted from the hours it was shown with.
    SplitFields Fields(const SplitFields& loaded) const {
        const int hoursNow = static_cast<int>(hours.now);
        if (!minutes.Edited())
            return {hoursNow, loaded.minutes + (loaded.whole - static_cast<int>(hours.shown)) * 60,
                    loaded.seconds};
        const int wholeMinutes = static_cast<int>(minutes.now);
        return {hoursNow, wholeMinutes, (minutes.now - wholeMinutes) * 60.0};
    }
};

// Fields a kept remainder carried out of their ranges, brought back into them; a value a hair below
// zero (seconds shown rounded up, the boxes before them edited down to zero) is zero.
SplitFields InRange(const SplitFields& f) {
    if (f.minutes >= 0 && f.minutes < 60 && f.seconds >= 0 && f.seconds < 60) return f;
    const double total = std::max(0.0, (f.whole * 60.0 + f.minutes) * 60.0 + f.seconds);
    const auto minutes = static_cast<long long>(total / 60);
    return {static_cast<int>(minutes / 60), static_cast<int>(minutes % 60), total - minutes * 60.0};
}

// A time or zone (whole hours, JoinHours) or an angle (whole degrees, JoinDegrees) from its fields.
template <class Value>
void SetFields(Value& value, int Value::*whole, void (Value::*join)(), const SplitFields& fields,
               bool positive) {
    const SplitFields f = InRange(fields);
    value.*whole = f.whole;
    value.m_nMinutes = f.minutes;
    value.m_dSeconds = f.seconds;
    value.m_bPositive = positive ? 1 : 0;
    (value.*join)();
}
void SetTime(CHmsTime& time, const SplitFields& fields, bool positive) {
    SetFields(time, &CHmsTime::m_nHours, &CHmsTime::JoinHours, fields, positive);
}
void SetAngle(CDmsAngle& angle, const SplitFields& fields, bool positive) {
    SetFields(angle, &CDmsAngle::m_nDegrees, &CDmsAngle::JoinDegrees, fields, positive);
}

// Whether daylight saving is in force for the chosen place at the entered moment (see
// DecideDaylightSaving); in Russia a daylight zone one hour ahead first becomes two.
bool DaylightSavingInForce(BirthDataMembers& m) {
    g_nCalendarFlag = m.m_nCalendar;
    if (m.m_dStdZone == m.m_dDstZone) return false;
    if (m.m_strChartRegion == "Russia" && m.m_dDstZone == m.m_dStdZone + 1) m.m_dDstZone = m.m_dStdZone + 2;
    CChartCore moment;
    moment.m_dateTime.m_nYear = m.m_nYear;
    moment.m_dateTime.m_nMonth = m.m_nMonth + 1;
    moment.m_dateTime.m_nDay = m.m_nDay;
    moment.m_dateTime.m_time.m_dHours = ClockHour(m) + m.m_dMinute / 60.0 + m.m_dSecond / 3600.0;
    moment.m_dateTime.m_time.SplitHours();
    moment.m_dateTime.m_zone.m_dHours = -m.m_dStdZone;
    moment.m_dateTime.m_zone.SplitHours();
    return GetDstCorrection(moment, m.m_nChartRegion, m.m_dStdZone, m.m_dDstZone);
}

void ShowZoneInEffect(BirthDataMembers& m, bool daylight) {
    m.m_bDaylight = daylight;
    SetZoneFields(m, daylight ? m.m_dDstZone : m.m_dStdZone);
}

} // namespace

std::optional<FieldProblem> CheckBirthData(const BirthDataMembers& m) {
    using F = BirthField;
    const int month = m.m_nMonth < 0 ? 1 : m.m_nMonth + 1;
    if (auto e = CheckIntegerRange("Day", m.m_nDay, 1, DaysInMonth(month, m.m_nYear)))
        return FieldProblem{F::kDay, *e};
    if (auto e = CheckIntegerRange("Year", m.m_nYear, g_nMinYear, g_nMaxYear))
        return FieldProblem{F::kYear, *e};
    const bool twelveHours = m.m_nTimeFormat != kTwentyFourHours;
    if (auto e = CheckIntegerRange("Hour", m.m_nHour, twelveHours ? 1 : 0, twelveHours ? 12 : 23))
        return FieldProblem{F::kHour, *e};
    if (auto e = CheckSixtieths("Minutes", m.m_dMinute)) return FieldProblem{F::kMinute, *e};
    if (auto e = CheckSixtieths("Seconds", m.m_dSecond)) return FieldProblem{F::kSecond, *e};
    if (auto e = CheckIntegerRange("Time zone hours", m.m_nZoneHours, 0, kMaxZoneHours))
        return FieldProblem{F::kZoneHours, *e};
    if (auto e = CheckSixtieths("Time zone minutes", m.m_dZoneMinutes))
        return FieldProblem{F::kZoneMinutes, *e};
    if (auto p = CheckAngle("Longitude", m.m_nLonDeg, m.m_nLonMin, m.m_dLonSec, 180, F::kLonDeg)) return p;
    if (auto p = CheckAngle("Latitude", m.m_nLatDeg, m.m_nLatMin, m.m_dLatSec, 90, F::kLatDeg)) return p;
    if (auto e = CheckNumberRange("Altitude", m.m_dAltitude, kMinAltitude, kMaxAltitude))
        return FieldProblem{F::kAltitude, *e};
    if (auto e = CheckNumberRange("Air pressure", m.m_dPressure, kMinPressureMbar, kMaxPressureMbar))
        return FieldProblem{F::kPressure, *e};
    if (auto e =
            CheckNumberRange("Temperature", m.m_dTemperature, kMinTemperatureCelsius, kMaxTemperatureCelsius))
        return FieldProblem{F::kTemperature, *e};
    return std::nullopt;
}

double TypedZoneEast(const BirthDataMembers& m) {
    const double zone = m.m_nZoneHours + m.m_dZoneMinutes / 60.0;
    return m.m_nZoneSide == 1 ? -zone : zone;
}

void SetZoneFields(BirthDataMembers& m, double zoneEast) {
    m.m_nZoneSide = zoneEast < 0 ? 1 : 0;
    CHmsTime zone;
    zone.m_dHours = std::fabs(zoneEast);
    zone.SplitHours();
    m.m_nZoneHours = zone.m_nHours;
    m.m_dZoneMinutes = zone.m_nMinutes + (zone.m_dSeconds >= 30 ? 1 : 0);
}

void DecideDaylightSaving(BirthDataMembers& m) {
    ShowZoneInEffect(m, DaylightSavingInForce(m));
}

void DecideDaylightSavingAgain(BirthDataMembers& m) {
    if (const bool daylight = DaylightSavingInForce(m); daylight != m.m_bDaylight)
        ShowZoneInEffect(m, daylight);
}

BirthDataMembers BirthDataFromChart(const CChart& chart, bool withAmPm) {
    BirthDataMembers m;
    const CLocalDateTime& when = chart.m_dateTime;
    m.m_nMonth = when.m_nMonth - 1;
    m.m_nDay = when.m_nDay;
    m.m_nYear = when.m_nYear;
    m.m_nCalendar = g_nCalendarFlag;
    const RoundedSixtieths time =
        RoundSixtieths(when.m_time.m_nHours, when.m_time.m_nMinutes, when.m_time.m_dSeconds, kHoursInDay);
    const int hours = time.whole;
    if (withAmPm) {
        m.m_nHour = (hours + 11) % 12 + 1;
        m.m_nTimeFormat = hours >= 12 ? kPm : kAm;
    } else {
        m.m_nHour = hours;
        m.m_nTimeFormat = kTwentyFourHours;
    }
    m.m_dMinute = time.minutes;
    m.m_dSecond = time.seconds;
    m.m_nGender = chart.m_nGender;
    const long long zoneSteps =
        std::llround((when.m_zone.m_nHours * 60.0 + when.m_zone.m_nMinutes + when.m_zone.m_dSeconds / 60.0) *
                     kZoneMinuteSteps);
    const long long stepsPerHour = 60 * static_cast<long long>(kZoneMinuteSteps);
    m.m_nZoneHours = static_cast<int>(zoneSteps / stepsPerHour);
    m.m_dZoneMinutes = static_cast<double>(zoneSteps % stepsPerHour) / kZoneMinuteSteps;
    m.m_nZoneSide = when.m_zone.m_bPositive ? 1 : 0; // the chart's zone is positive west
    const CDmsAngle& lon = chart.m_longitude;
    const RoundedSixtieths longitude =
        RoundSixtieths(lon.m_nDegrees, lon.m_nMinutes, lon.m_dSeconds, kLongitudeLimit);
    m.m_nLonDeg = longitude.whole;
    m.m_nLonMin = longitude.minutes;
    m.m_dLonSec = longitude.seconds;
    m.m_nLonSide = chart.m_longitude.m_bPositive ? 1 : 0; // positive west
    const CDmsAngle& lat = chart.m_latitude;
    const RoundedSixtieths latitude =
        RoundSixtieths(lat.m_nDegrees, lat.m_nMinutes, lat.m_dSeconds, kLatitudeLimit);
    m.m_nLatDeg = latitude.whole;
    m.m_nLatMin = latitude.minutes;
    m.m_dLatSec = latitude.seconds;
    m.m_nLatSide = chart.m_latitude.m_bPositive ? 0 : 1; // positive north
    m.m_dAltitude = chart.m_dAltitude;
    m.m_dPressure = chart.m_dPressure;
    m.m_dTemperature = chart.m_dTemperature;
    m.m_strCity = m.m_strChartCity = chart.m_strCity;
    m.m_strRegionName = m.m_strChartRegion = chart.m_strState;
    m.m_dStdZone = -chart.m_dStandardZone;
    m.m_dDstZone = -chart.m_dDstZone;
    m.m_nRegion = m.m_nChartRegion = chart.m_nPlaceCode;
    m.m_bDaylight = chart.m_bDst != 0;
    m.m_bUseLmt = 0;
    return m;
}

bool ApplyBirthData(const BirthDataMembers& m, CChart& chart) {
    // The boxes show the chart's time, zone and coordinates rounded: compared with what they were loaded
    // with, each box the user left alone keeps its exact value, and a value none of whose boxes changed
    // stays as it was, bit for bit.
    const BirthDataMembers loaded = BirthDataFromChart(chart, false);
    chart.m_strCity = m.m_strChartCity;
    chart.m_strState = m.m_strChartRegion;
    CLocalDateTime& when = chart.m_dateTime;
    when.m_nYear = m.m_nYear;
    when.m_nMonth = m.m_nMonth + 1;
    when.m_nDay = m.m_nDay;
    const SecondBoxes time{Box(loaded.m_nHour, ClockHour(m)), Box(loaded.m_dMinute, m.m_dMinute),
                           Box(loaded.m_dSecond, m.m_dSecond)};
    if (time.Edited()) SetTime(when.m_time, time.Fields(FieldsOf(when.m_time)), true);
    chart.m_nGender = m.m_nGender;

    // Longitudes are positive west, latitudes positive north.
    const SecondBoxes longitude{Box(loaded.m_nLonDeg, m.m_nLonDeg), Box(loaded.m_nLonMin, m.m_nLonMin),
                                Box(loaded.m_dLonSec, m.m_dLonSec)};
    if (longitude.Edited() || m.m_nLonSide != loaded.m_nLonSide)
        SetAngle(chart.m_longitude, longitude.Fields(FieldsOf(chart.m_longitude)), m.m_nLonSide == 1);
    const SecondBoxes latitude{Box(loaded.m_nLatDeg, m.m_nLatDeg), Box(loaded.m_nLatMin, m.m_nLatMin),
                               Box(loaded.m_dLatSec, m.m_dLatSec)};
    if (latitude.Edited() || m.m_nLatSide != loaded.m_nLatSide)
        SetAngle(chart.m_latitude, latitude.Fields(FieldsOf(chart.m_latitude)), m.m_nLatSide == 0);

    const MinuteBoxes zoneBoxes{Box(loaded.m_nZoneHours, m.m_nZoneHours),
                                Box(loaded.m_dZoneMinutes, m.m_dZoneMinutes)};
    if (m.m_bUseLmt) {
        const double zone = (m.m_nLonDeg + m.m_nLonMin / 60.0) / 15.0;
        when.m_zone.m_dHours = m.m_nLonSide == 0 ? -zone : zone;
        when.m_zone.SplitHours();
    } else if (zoneBoxes.Edited() || m.m_nZoneSide != loaded.m_nZoneSide) {
        SetTime(when.m_zone, zoneBoxes.Fields(FieldsOf(when.m_zone)), m.m_nZoneSide == 1);
    }
    chart.m_dAltitude = m.m_dAltitude;
    chart.m_dPressure = m.m_dPressure;
    chart.m_dTemperature = m.m_dTemperature;
    chart.m_nPlaceCode = m.m_nChartRegion;
    chart.m_bDst = m.m_bDaylight ? 1 : 0;
    chart.m_dStandardZone = -m.m_dStdZone;
    chart.m_dDstZone = -m.m_dDstZone;
    return m.m_nTimeFormat != kTwentyFourHours;
}
