#include "core/angle_time.h"

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

#include "core/calc_options.h"
#include "core/julian_day.h"
#include "core/printed_angle.h"

namespace {

template <typename... Args> std::string Printf(const char* format, Args... args) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, format, args...);
    return buffer;
}

// Writes `value` at `out` as "%d" would, padded on the left to `width` with `pad` ("%4d" pads with
// spaces, "%02d" with zeros); returns the end. `out` has room for the text. For the dates outside
// four-digit years, which FormatDate writes from a two-digit table.
char* WriteInt(char* out, int value, int width = 0, char pad = ' ') {
    char digits[16];
    char* const end = digits + sizeof digits;
    char* first = end;
    // The magnitude as unsigned, so that the most negative int has one too.
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        *--first = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude != 0);
    if (value < 0) *--first = '-';
    for (auto length = end - first; length < width; ++length) *out++ = pad;
    for (const char* d = first; d != end; ++d) *out++ = *d;
    return out;
}

// "00" to "99" one after another: a two-digit field is copied whole instead of divided out digit by digit.
constexpr std::array<char, 200> kTwoDigits = [] {
    std::array<char, 200> pairs{};
    for (int i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes `value` (0-99) at `out` as "%02d" would; returns the end.
inline char* WriteTwoDigits(char* out, int value) {
    std::memcpy(out, &kTwoDigits[2 * static_cast<std::size_t>(value)], 2);
    return out + 2;
}

bool IsTwoDigit(int value) {
    return value >= 0 && value < 100;
}

// The number of characters WriteInt writes for `value` padded to `width`.
int IntLength(int value, int width) {
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    int length = value < 0 ? 2 : 1;
    for (; magnitude >= 10; magnitude /= 10) ++length;
    return length > width ? length : width;
}

double Join(std::uint8_t positive, int whole, int minutes, double seconds) {
    const double value = whole + minutes / 60.0 + seconds / 3600.0;
    return positive ? value : -value;
}

// The rounding of a minute-only form: 1 = up when the seconds are above 0, 2 = to the nearest minute
// (30 seconds and more count as the next), any other value cuts the seconds off.
FieldRounding MinuteRounding(int roundingMode) {
    if (roundingMode == 1) return FieldRounding::kUp;
    return roundingMode == 2 ? FieldRounding::kNearest : FieldRounding::kCut;
}

// A time's magnitude rounded as a whole to `field`, then split.
PrintedDms Rounded(const CHmsTime& t, DmsField field, FieldRounding rounding) {
    return SplitPrintedFields(t.m_nHours, t.m_nMinutes, t.m_dSeconds, field, rounding);
}

// The same as a clock reads it: the hour within the day, so that midnight reads 0:00, never 24:00.
PrintedDms Clock(const CHmsTime& t, DmsField field, FieldRounding rounding) {
    PrintedDms clock = Rounded(t, field, rounding);
    clock.degrees %= 24;
    return clock;
}

// Seconds within `tolerance` of 60 become 0 and carry into the minutes, and on into the whole units.
void CarryNearlyFullMinute(double& seconds, int& minutes, int& whole, double tolerance) {
    if (60.0 - seconds < tolerance) {
        seconds = 0.0;
        if (++minutes == 60) {
            minutes = 0;
            ++whole;
        }
    }
}

// Whether a value can be split: finite, with its whole units (and a carry of one) inside an int.
bool FitsIntFields(double value) {
    return std::isfinite(value) && std::fabs(value) < static_cast<double>(std::numeric_limits<int>::max());
}

// The moment with its time of day rounded as a whole to `field`; a time that reaches midnight moves the
// date on (by the process-wide calendar, as every date of the program).
CLocalDateTime RoundedMoment(const CLocalDateTime& moment, DmsField field, FieldRounding rounding) {
    const PrintedDms rounded = Rounded(moment.m_time, field, rounding);
    CLocalDateTime shown = moment;
    if (const int days = rounded.degrees / 24; days > 0) {
        double hours = 0.0;
        CivilDateOf(JulianDay(moment.m_nYear, moment.m_nMonth, moment.m_nDay, 12.0) + days, shown.m_nYear,
                    shown.m_nMonth, shown.m_nDay, hours);
    }
    shown.m_time.m_nHours = rounded.degrees % 24;
    shown.m_time.m_nMinutes = rounded.minutes;
    shown.m_time.m_dSeconds = rounded.seconds;
    shown.m_time.JoinHours();
    return shown;
}

int TwelveHour(int hours) {
    return (hours + 11) % 12 + 1;
}
const char* AmPm(int hours) {
    return hours >= 12 ? "pm" : "am";
}

} // namespace

bool CDmsAngle::SplitDegrees() {
    if (!FitsIntFields(m_dValue)) return false;
    double value = m_dValue;
    m_bPositive = value < 0.0 ? 0 : 1;
    if (!m_bPositive) value = -value;
    m_nDegrees = static_cast<int>(value);
    m_nMinutes = static_cast<int>((value - m_nDegrees) * 60.0);
    m_dSeconds = (value - (m_nDegrees + m_nMinutes * (1.0 / 60.0))) * 3600.0;
    CarryNearlyFullMinute(m_dSeconds, m_nMinutes, m_nDegrees, 0.01);
    // Values typed as whole seconds come back as whole seconds.
    const double whole = std::trunc(m_dSeconds);
    if (m_dSeconds - whole < 0.01) {
        m_dSeconds = whole;
    } else if (whole + 1.0 - m_dSeconds < 0.01) {
        m_dSeconds = whole + 1.0;
    }
    m_dValue = m_bPositive ? value : -value;
    return true;
}

void CDmsAngle::JoinDegrees() {
    m_dValue = Join(m_bPositive, m_nDegrees, m_nMinutes, m_dSeconds);
}

bool CHmsTime::SplitHours() {
    if (!FitsIntFields(m_dHours)) return false;
    double value = m_dHours;
    m_bPositive = value < 0.0 ? 0 : 1;
    if (!m_bPositive) value = -value;
    m_nHours = static_cast<int>(value);
    m_nMinutes = static_cast<int>((value - m_nHours) * 60.0);
    // Seconds to the nearest ten-millionth.
    m_dSeconds = std::trunc((value - (m_nMinutes * (1.0 / 60.0) + m_nHours)) * 3.6e10 + 0.5) * 1e-7;
    CarryNearlyFullMinute(m_dSeconds, m_nMinutes, m_nHours, 0.0001);
    if (m_dSeconds < 0.0001) m_dSeconds = 0.0;
    m_dHours = m_bPositive ? value : -value;
    return true;
}

void CHmsTime::JoinHours() {
    m_dHours = Join(m_bPositive, m_nHours, m_nMinutes, m_dSeconds);
}

std::string CHmsTime::FormatAmPm() const {
    return FormatAmPmMode(2);
}

std::string CHmsTime::FormatAmPmMode(int roundingMode) const {
    const PrintedDms c = Clock(*this, DmsField::kMinutes, MinuteRounding(roundingMode));
    return Printf("%d:%02d %s", TwelveHour(c.degrees), c.minutes, AmPm(c.degrees));
}

std::string CHmsTime::FormatHm() const {
    return FormatHmMode(2);
}

std::string CHmsTime::FormatHmMode(int roundingMode) const {
    const PrintedDms c = Clock(*this, DmsField::kMinutes, MinuteRounding(roundingMode));
    return Printf("%d:%02d", c.degrees, c.minutes);
}

std::string CHmsTime::FormatHmsAmPm() const {
    const PrintedDms c = Clock(*this, DmsField::kSeconds, FieldRounding::kNearest);
    return Printf("%d:%02d:%02d %s", TwelveHour(c.degrees), c.minutes, static_cast<int>(c.seconds),
                  AmPm(c.degrees));
}

std::string CHmsTime::FormatHms() const {
    std::string text;
    FormatHms(text);
    return text;
}

void CHmsTime::FormatHms(std::string& text) const {
    // A clock's fields are all below 100: the text is sized once and written in place.
    const PrintedDms c = Clock(*this, DmsField::kSeconds, FieldRounding::kNearest);
    text.resize(c.degrees < 10 ? 7 : 8);
    char* end = text.data();
    if (c.degrees < 10)
        *end++ = static_cast<char>('0' + c.degrees); // "%d": no leading zero
    else
        end = WriteTwoDigits(end, c.degrees);
    *end = ':';
    end = WriteTwoDigits(end + 1, c.minutes);
    *end = ':';
    WriteTwoDigits(end + 1, static_cast<int>(c.seconds));
}

std::string CHmsTime::FormatDuration() const {
    const PrintedDms d = Rounded(*this, DmsField::kSeconds, FieldRounding::kNearest);
    const int days = d.degrees / 24;
    const int hours = d.degrees % 24;
    const int m = d.minutes;
    const int s = static_cast<int>(d.seconds);
    if (days != 0) return Printf("%d day %d hr %02d min %02d sec", days, hours, m, s);
    if (hours != 0) return Printf("%d hr %02d min %02d sec", hours, m, s);
    if (m != 0) return Printf("%d min %02d sec", m, s);
    return Printf("%d sec", s);
}

double Reduce360(double degrees) {
    if (degrees >= 0.0 && degrees < 360.0) return degrees; // most angles are in range: no division
    double x = std::fmod(degrees, 360.0);
    if (x < 0.0) x += 360.0;
    return x >= 360.0 ? x - 360.0 : x; // a tiny negative remainder rounds up to 360
}

bool CRasiLongitude::SplitLongitude() {
    if (!std::isfinite(m_dLongitude)) return false;
    m_dLongitude = Reduce360(m_dLongitude);
    const double L = m_dLongitude;
    m_nSign = static_cast<int>(L * (1.0 / 30.0));
    m_nDegrees = static_cast<int>(L - m_nSign * 30);
    m_nMinutes = static_cast<int>((L - (m_nSign * 30 + m_nDegrees)) * 60.0);
    m_dSeconds = (L - (m_nSign * 30 + m_nDegrees + m_nMinutes * (1.0 / 60.0))) * 3600.0;
    CarryNearlyFullMinute(m_dSeconds, m_nMinutes, m_nDegrees, 0.0001);
    if (m_dSeconds < 0.0001) m_dSeconds = 0.0;
    return true;
}

void CRasiLongitude::JoinLongitude() {
    m_dLongitude = m_nSign * 30.0 + DegreesInSign();
}

double CRasiLongitude::DegreesInSign() const {
    return m_nDegrees + m_nMinutes / 60.0 + m_dSeconds / 3600.0;
}

CLocalDateTime CLocalDateTime::RoundedToMinute(int roundingMode) const {
    return RoundedMoment(*this, DmsField::kMinutes, MinuteRounding(roundingMode));
}

CLocalDateTime CLocalDateTime::RoundedToSecond() const {
    return RoundedMoment(*this, DmsField::kSeconds, FieldRounding::kNearest);
}

std::string CLocalDateTime::FormatTime(int roundingMode, int dayNumber) const {
    const CLocalDateTime shown = RoundedToMinute(roundingMode);
    std::string text = shown.m_time.FormatHmMode(roundingMode);
    if (dayNumber != shown.m_nDay) text += "*";
    return text;
}

std::string CLocalDateTime::FormatDate() const {
    std::string text;
    FormatDate(text);
    return text;
}

void CLocalDateTime::FormatDate(std::string& text) const {
    if (m_nYear >= 1000 && m_nYear <= 9999 && IsTwoDigit(m_nMonth) && IsTwoDigit(m_nDay)) {
        // Four-digit years, every date a listing shows: sized once, written in place.
        text.resize(10);
        char* end = WriteTwoDigits(text.data(), m_nYear / 100);
        end = WriteTwoDigits(end, m_nYear % 100);
        *end = '-';
        end = WriteTwoDigits(end + 1, m_nMonth);
        *end = '-';
        WriteTwoDigits(end + 1, m_nDay);
        return;
    }
    text.resize(
        static_cast<std::size_t>(IntLength(m_nYear, 4) + IntLength(m_nMonth, 2) + IntLength(m_nDay, 2) + 2));
    char* end = WriteInt(text.data(), m_nYear, 4, ' ');
    *end++ = '-';
    end = WriteInt(end, m_nMonth, 2, '0');
    *end = '-';
    WriteInt(end + 1, m_nDay, 2, '0');
}

void CLocalDateTime::ChangeZone(double newZone) {
    // The new local time may leave [0, 24): the Julian day carries the date across.
    const double localHours = m_time.m_dHours + m_zone.m_dHours - newZone;
    m_zone.m_dHours = newZone;
    m_zone.SplitHours();
    CivilDateOf(JulianDay(m_nYear, m_nMonth, m_nDay, localHours), m_nYear, m_nMonth, m_nDay, m_time.m_dHours);
    m_time.SplitHours();
}

bool CBhava::ContainsLongitude(CRasiLongitude longitude) const {
    const double span = Reduce360(m_end.m_dLongitude - m_start.m_dLongitude);
    const double offset = Reduce360(longitude.m_dLongitude - m_start.m_dLongitude);
    return offset <= span;
}
