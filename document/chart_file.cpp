#include "document/chart_file.h"

#include <charconv>
#include <cmath>
#include <functional>
#include <optional>

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

// Reads values one after another the way the file's scan format does: white space is skipped before
// each value; a number ends where its digits end, and the next value starts right there.
class ValueScanner {
public:
    explicit ValueScanner(std::string_view text) : m_text(text) {}

    // An int or a double; nothing when the text here is no number of that kind.
    template <class Number> std::optional<Number> Read() {
        SkipSpace();
        const char* const first = m_text.data() + m_pos;
        const char* const last = m_text.data() + m_text.size();
        const char* digits = first;
        if (digits < last && *digits == '+') ++digits; // from_chars takes no plus sign
        Number value{};
        const auto [end, error] = std::from_chars(digits, last, value);
        if (error != std::errc()) return std::nullopt;
        m_token = std::string_view(first, end - first);
        m_pos = end - m_text.data();
        return value;
    }

    // A run of characters up to the next white space; nothing at the end of the text.
    std::optional<std::string> Word() {
        SkipSpace();
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && !IsSpace(m_text[m_pos])) ++m_pos;
        if (m_pos == start) return std::nullopt;
        m_token = m_text.substr(start, m_pos - start);
        return std::string(m_token);
    }

    // The text of the value read last.
    std::string_view Token() const { return m_token; }

private:
    void SkipSpace() {
        while (m_pos < m_text.size() && IsSpace(m_text[m_pos])) ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
    std::string_view m_token;
};

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
    char buffer[400]; // the longest double in fixed notation with 15 decimals fits
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

// Checks the values read so far, in file order; the first fault found is the message.
class ValueChecker {
public:
    ValueChecker(const std::string& fileName, const ValueScanner& scanner)
        : m_fileName(fileName), m_scanner(scanner) {}

    void Range(int index, double value, double low, double high) {
        if (!m_error.empty()) return;
        if (!std::isfinite(value)) {
            m_error = Fault(index) + " is not a finite number.";
        } else if (value < low || value > high) {
            m_error = Fault(index) + " is " + std::string(m_scanner.Token()) + ", outside " + Plain(low) +
                      " to " + Plain(high) + ".";
        }
    }

    const std::string& Error() const { return m_error; }

private:
    std::string Fault(int index) const {
        return "The chart file \"" + m_fileName + "\" is damaged: its " + kValueNames[index] + " (value " +
               std::to_string(index + 1) + ")";
    }
    static std::string Plain(double value) {
        std::string text = Fixed(value, 6);
        text.erase(text.find_last_not_of('0') + 1);
        if (text.back() == '.') text.pop_back();
        return text;
    }

    const std::string& m_fileName;
    const ValueScanner& m_scanner;
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
    ValueChecker check(fileName, scanner);

    // Each step reads one value into its place and checks it; the first that cannot be read ends the
    // scan, and the values after it keep their defaults.
    const auto read = [&]<class Number>(Number& into, double low, double high) {
        const std::optional<Number> value = scanner.Read<Number>();
        if (!value) return false;
        into = *value;
        check.Range(v.count, *value, low, high);
        return true;
    };
    const auto readName = [&](std::string& into) {
        const std::optional<std::string> value = scanner.Word();
        if (!value) return false;
        into = ReadName(*value);
        return true;
    };
    const auto any = [&](auto& into) { return read(into, -HUGE_VAL, HUGE_VAL); };

    const std::function<bool()> steps[kChartFileValueCount] = {
        [&] { return read(v.month, 1, 12); },
        [&] { return read(v.day, 1, 31); },
        [&] { return any(v.year); },
        [&] { return read(v.packedTime, 0.0, 24.0); },
        [&] { return read(v.packedZone, -kMaxZoneHours, kMaxZoneHours); },
        [&] { return read(v.packedLongitude, -180.0, 180.0); },
        [&] { return read(v.packedLatitude, -90.0, 90.0); },
        [&] { return any(v.altitude); },
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
                                 std::to_string(v.count + 1) + ") is missing or not a number.") +
                      " A chart needs at least its date, time, time zone, longitude and latitude.";
    }
    return parse;
}

std::string FormatChartText(const ChartFileValues& v) {
    std::string text;
    const auto line = [&text](const std::string& value) { text += value + "\r\n"; };
    line(std::to_string(v.month));
    line(std::to_string(v.day));
    line(std::to_string(v.year));
    line(Fixed(v.packedTime, 15));
    line(Fixed(v.packedZone, 6));
    line(Fixed(v.packedLongitude, 6));
    line(Fixed(v.packedLatitude, 6));
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
