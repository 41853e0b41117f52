#include "document/chart_file.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <optional>
#include <type_traits>

#include "core/chart_core.h"
#include "core/julian_day.h"
#include "core/region_table.h"

namespace {

// What each value is called in messages, in file order.
constexpr const char* kValueNames[kChartFileValueCount] = {
    "month",        "day",         "year",     "time of day",      "time zone",
    "longitude",    "latitude",    "altitude", "standard zone",    "daylight zone",
    "DST flag",     "place code",  "city",     "state or country", "calendar flag",
    "air pressure", "temperature", "gender"};

// The white space of the C locale, which separates the values.
bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Reads the values one after another: each is a run of characters up to the next white space.
class ValueScanner {
public:
    explicit ValueScanner(std::string_view text) : m_text(text) {}

    // The next value's text; nothing at the end of the text.
    std::optional<std::string_view> Next() {
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !IsSpace(m_text[m_pos])) ++m_pos;
        if (m_pos == start) return std::nullopt;
        m_last = m_text.substr(start, m_pos - start);
        return m_last;
    }
    // The text of the value read last.
    std::string_view Last() const { return m_last; }

private:
    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string_view m_last;
};

// A plain decimal number: an optional sign, then digits, with one decimal point among or after them
// when `fraction` allows it (".5" and "5." included); no exponent, no hexadecimal, no "inf" or "nan".
bool IsPlainDecimal(std::string_view text, bool fraction) {
    if (!text.empty() && (text.front() == '+' || text.front() == '-')) text.remove_prefix(1);
    bool anyDigit = false, point = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            anyDigit = true;
        } else if (c == '.' && fraction && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return anyDigit;
}

// The value of a plain decimal text (IsPlainDecimal); nothing when it lies beyond the kind's range.
template <class Number> std::optional<Number> PlainValue(std::string_view text) {
    if (text.front() == '+') text.remove_prefix(1); // from_chars takes no plus sign
    Number value{};
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
    return value;
}

// The minutes of a packed H.MMSS or D.MMSS text: the two digits after the point (missing ones are 0).
int PackedMinutes(std::string_view text) {
    const std::size_t point = text.find('.');
    if (point == std::string_view::npos) return 0;
    int minutes = 0;
    for (std::size_t i = point + 1; i < point + 3; ++i)
        minutes = 10 * minutes + (i < text.size() ? text[i] - '0' : 0);
    return minutes;
}

// A value's text as a message may show it: printable ASCII, at most 24 characters.
std::string Shown(std::string_view text) {
    constexpr std::size_t kLongest = 24;
    std::string shown;
    for (const char c : text.substr(0, kLongest)) shown += c >= ' ' && c <= '~' ? c : '?';
    if (text.size() > kLongest) shown += "...";
    return shown;
}

// Blanks and other white space become "^"; an empty name becomes "^" too, so that it still takes its
// line and the values after it keep their places.
std::string StoredName(const std::string& name) {
    if (name.empty()) return "^";
    std::string stored = name;
    for (char& c : stored) {
        if (IsSpace(c)) c = '^';
    }
    return stored;
}

// The reverse; a name of blanks alone is no name.
std::string ReadName(std::string stored) {
    for (char& c : stored) {
        if (c == '^') c = ' ';
    }
    return stored.find_first_not_of(' ') == std::string::npos ? std::string() : stored;
}

std::string Fixed(double value, int decimals) {
    char buffer[400]; // the longest double in fixed notation with six decimals fits
    const auto result =
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    return std::string(buffer, result.ptr);
}

void Unpack(double packed, std::uint8_t& positive, int& whole, int& minutes, double& seconds) {
    positive = packed < 0.0 ? 0 : 1;
    const double v = std::fabs(packed);
    whole = static_cast<int>(v);
    minutes = static_cast<int>((v - whole) * 100.0);
    seconds = (v - (minutes * 0.01 + whole)) * 6000.0;
}

double Pack(std::uint8_t positive, int whole, int minutes, double seconds) {
    const double packed = whole + minutes * 0.01 + seconds * (1.0 / 6000.0);
    return positive ? packed : -packed;
}

// Steps of the last decimal in one minute of the packed forms as written: the six decimals of a zone or
// an angle step 0.006 seconds (of time or arc) at a time; the time of day keeps whole milliseconds in
// its fifteen decimals.
constexpr long long kAngleStepsPerMinute = 10000;
constexpr long long kTimeStepsPerMinute = 60000;
constexpr int kAngleDecimals = 6;
constexpr int kTimeDecimals = 15;

// The decimal value (hours or degrees) of a packed one.
double Unpacked(double packed) {
    std::uint8_t positive = 1;
    int whole = 0, minutes = 0;
    double seconds = 0.0;
    Unpack(packed, positive, whole, minutes, seconds);
    const double value = whole + minutes / 60.0 + seconds / 3600.0;
    return positive ? value : -value;
}

// Whole steps (kAngleStepsPerMinute, kTimeStepsPerMinute) in the magnitude of a decimal value.
long long StepsOf(double value, long long stepsPerMinute) {
    return std::llround(std::fabs(value) * 60.0 * static_cast<double>(stepsPerMinute));
}

// The packed text of a value counted in steps, with `decimals` decimals, written from whole numbers so
// that it carries no trace of binary fractions and reads back to the same steps.
std::string PackedText(long long steps, bool negative, long long stepsPerMinute, int decimals) {
    long long scale = 1; // one minute in units of the last decimal
    for (int d = 2; d < decimals; ++d) scale *= 10;
    const long long fraction = (steps % stepsPerMinute * scale + stepsPerMinute / 2) / stepsPerMinute;
    char text[64];
    std::snprintf(text, sizeof text, "%s%lld.%02lld%0*lld", negative && steps > 0 ? "-" : "",
                  steps / (60 * stepsPerMinute), steps / stepsPerMinute % 60, decimals - 2, fraction);
    return text;
}

// A packed zone, longitude or latitude as written.
std::string PackedAngleText(double packed) {
    return PackedText(StepsOf(Unpacked(packed), kAngleStepsPerMinute), packed < 0.0, kAngleStepsPerMinute,
                      kAngleDecimals);
}

// A packed time of day as written; a time that rounds up to midnight stays on its day, a millisecond
// before it.
std::string PackedTimeText(double packed) {
    const long long lastStep = 24 * 60 * kTimeStepsPerMinute - 1;
    return PackedText(std::min(StepsOf(Unpacked(packed), kTimeStepsPerMinute), lastStep), false,
                      kTimeStepsPerMinute, kTimeDecimals);
}

// Checks the values read so far, in file order; the first fault found is the message.
class ValueChecker {
public:
    explicit ValueChecker(const std::string& fileName) : m_fileName(fileName) {}

    void NotPlain(int index, std::string_view text) {
        Fail(index, "is \"" + Shown(text) + "\", which is not a plain decimal number.");
    }
    void TooLarge(int index, std::string_view text) {
        Fail(index, "is " + Shown(text) + ", too large a number.");
    }
    void Range(int index, std::string_view text, double value, double low, double high) {
        if (value < low || value > high)
            Fail(index, "is " + Shown(text) + ", outside " + Plain(low) + " to " + Plain(high) + ".");
    }
    // A time of day lies within its day.
    void WithinDay(int index, std::string_view text, double packed) {
        if (packed >= 24.0)
            Fail(index, "is " + Shown(text) + ", not a time within the day (below 24 hours).");
    }
    // The minutes of a packed value run 0-59 (its seconds, a fraction of a minute, always do).
    void Sixtieths(int index, std::string_view text) {
        if (PackedMinutes(text) >= 60)
            Fail(index, "is " + Shown(text) + ", whose minutes (" + std::to_string(PackedMinutes(text)) +
                            ") are not below 60.");
    }
    // The day exists in its month, year and calendar.
    void Date(const ChartFileValues& v) {
        const int calendar = v.count >= 15 ? v.calendarFlag : kGregorianCalendar;
        const int days = MonthLength(v.year, v.month, calendar);
        if (v.day > days)
            Fail(1, "is " + std::to_string(v.day) + ", but month " + std::to_string(v.month) + " of " +
                        std::to_string(v.year) + " has " + std::to_string(days) + " days in the " +
                        (calendar == kJulianCalendar ? "Julian" : "Gregorian") + " calendar.");
    }

    const std::string& Error() const { return m_error; }

private:
    void Fail(int index, const std::string& what) {
        if (m_error.empty())
            m_error = "The chart file \"" + m_fileName + "\" is damaged: its " + kValueNames[index] +
                      " (value " + std::to_string(index + 1) + ") " + what;
    }
    static std::string Plain(double value) {
        std::string text = Fixed(value, 6);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    }

    const std::string& m_fileName;
    std::string m_error;
};

constexpr double kMaxZoneHours = 24.0;

} // namespace

double PackHms(const CHmsTime& time) {
    return Pack(time.m_bPositive, time.m_nHours, time.m_nMinutes, time.m_dSeconds);
}

double PackDms(const CDmsAngle& angle) {
    return Pack(angle.m_bPositive, angle.m_nDegrees, angle.m_nMinutes, angle.m_dSeconds);
}

void UnpackHms(double packed, CHmsTime& time) {
    Unpack(packed, time.m_bPositive, time.m_nHours, time.m_nMinutes, time.m_dSeconds);
    time.JoinHours();
    time.SplitHours();
}

void UnpackDms(double packed, CDmsAngle& angle) {
    Unpack(packed, angle.m_bPositive, angle.m_nDegrees, angle.m_nMinutes, angle.m_dSeconds);
    angle.JoinDegrees();
    angle.SplitDegrees();
}

ChartFileParse ParseChartText(std::string_view text, const std::string& fileName) {
    ChartFileParse parse;
    ChartFileValues& v = parse.values;
    ValueScanner scanner(text);
    ValueChecker check(fileName);

    // Each step reads one value into its place and checks it. The end of the text ends the scan, and
    // the values after it keep their defaults (a file of an earlier version); a value that is no plain
    // number of its kind is refused.
    const auto read = [&]<class Number>(Number& into, double low, double high) {
        const std::optional<std::string_view> token = scanner.Next();
        if (!token) return false;
        if (!IsPlainDecimal(*token, std::is_floating_point_v<Number>)) {
            check.NotPlain(v.count, *token);
        } else if (const std::optional<Number> value = PlainValue<Number>(*token)) {
            into = *value;
            check.Range(v.count, *token, *value, low, high);
        } else {
            check.TooLarge(v.count, *token);
        }
        return true;
    };
    // A packed value: minutes below 60 as well.
    const auto readPacked = [&](double& into, double low, double high) {
        if (!read(into, low, high)) return false;
        check.Sixtieths(v.count, scanner.Last());
        return true;
    };
    const auto readName = [&](std::string& into) {
        const std::optional<std::string_view> token = scanner.Next();
        if (!token) return false;
        into = ReadName(std::string(*token));
        return true;
    };
    const auto any = [&](auto& into) { return read(into, -HUGE_VAL, HUGE_VAL); };

    const std::function<bool()> steps[kChartFileValueCount] = {
        [&] { return read(v.month, 1, 12); },
        [&] { return read(v.day, 1, 31); },
        [&] { return any(v.year); },
        [&] {
            if (!readPacked(v.packedTime, 0.0, 24.0)) return false;
            check.WithinDay(v.count, scanner.Last(), v.packedTime);
            return true;
        },
        [&] { return readPacked(v.packedZone, -kMaxZoneHours, kMaxZoneHours); },
        [&] { return readPacked(v.packedLongitude, -180.0, 180.0); },
        [&] { return readPacked(v.packedLatitude, -90.0, 90.0); },
        [&] { return read(v.altitude, kMinAltitude, kMaxAltitude); },
        [&] { return read(v.standardZone, -kMaxZoneHours, kMaxZoneHours); },
        [&] { return read(v.daylightZone, -kMaxZoneHours, kMaxZoneHours); },
        [&] { return any(v.dstFlag); },
        [&] { return read(v.placeCode, 0, kRegionCount - 1); },
        [&] { return readName(v.city); },
        [&] { return readName(v.state); },
        [&] { return read(v.calendarFlag, 0, 1); },
        [&] { return any(v.pressure); },
        [&] { return any(v.temperature); },
        [&] { return read(v.gender, 0, 2); },
    };
    for (const auto& step : steps) {
        if (!step()) break;
        ++v.count;
        if (!check.Error().empty()) {
            parse.error = check.Error();
            return parse;
        }
    }

    if (v.count < kChartFileRequiredValues) {
        parse.error = "The chart file \"" + fileName + "\" " +
                      (text.find_first_not_of(" \t\n\v\f\r") == std::string_view::npos
                           ? std::string("is empty.")
                           : "is damaged: its " + std::string(kValueNames[v.count]) + " (value " +
                                 std::to_string(v.count + 1) + ") is missing.") +
                      " A chart needs at least its date, time, time zone, longitude and latitude.";
        return parse;
    }
    check.Date(v);
    parse.error = check.Error();
    return parse;
}

std::string FormatChartText(const ChartFileValues& v) {
    std::string text;
    const auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line(std::to_string(v.month));
    line(std::to_string(v.day));
    line(std::to_string(v.year));
    line(PackedTimeText(v.packedTime));
    line(PackedAngleText(v.packedZone));
    line(PackedAngleText(v.packedLongitude));
    line(PackedAngleText(v.packedLatitude));
    line(Fixed(v.altitude, 6));
    line(Fixed(v.standardZone, 6));
    line(Fixed(v.daylightZone, 6));
    line(std::to_string(v.dstFlag));
    line(std::to_string(v.placeCode));
    line(StoredName(v.city));
    line(StoredName(v.state));
    line(std::to_string(v.calendarFlag));
    line(Fixed(v.pressure, 6));
    line(Fixed(v.temperature, 6));
    line(std::to_string(v.gender));
    return text;
}
