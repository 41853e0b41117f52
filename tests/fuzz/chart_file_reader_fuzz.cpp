// libFuzzer entry for the chart-file reader: any bytes read as a .tvd file give a chart or a message;
// a chart they give is written and read back to the same birth: the same date, time of day, zones and
// place as the program takes them from the file. The packed spellings themselves may change on the way:
// a packed value whose seconds round up to 60 (latitude -89.59999999999999999999 is 90 degrees south)
// is written in its normal form, and so is a time of day that rounds up to midnight (a millisecond
// before it, on its own day). Once written, the text is written again byte for byte.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "document/chart_file.h"

namespace {

void Check(bool holds) {
    if (!holds) std::abort();
}

// The writer's resolution, halved, with room for the binary fractions of the packed form: zones and
// angles are written in steps of 0.006 seconds, the time of day in whole milliseconds (and a time that
// reaches midnight is held a millisecond before it).
constexpr double kAngleToleranceSeconds = 0.0031;
constexpr double kTimeToleranceSeconds = 0.0011;

double HoursOf(double packed) {
    CHmsTime time;
    UnpackHms(packed, time);
    return time.m_dHours;
}

double DegreesOf(double packed) {
    CDmsAngle angle;
    UnpackDms(packed, angle);
    return angle.m_dValue;
}

bool SameAngle(double packedA, double packedB) {
    return std::fabs(DegreesOf(packedA) - DegreesOf(packedB)) * 3600.0 <= kAngleToleranceSeconds;
}

bool SameZone(double packedA, double packedB) {
    return std::fabs(HoursOf(packedA) - HoursOf(packedB)) * 3600.0 <= kAngleToleranceSeconds;
}

bool SameTimeOfDay(double packedA, double packedB) {
    return std::fabs(HoursOf(packedA) - HoursOf(packedB)) * 3600.0 <= kTimeToleranceSeconds;
}

// Plain decimals, written with six decimals.
bool SameDecimal(double a, double b) {
    return std::fabs(a - b) <= 5e-7 + 1e-15 * std::fabs(a);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const ChartFileParse parse = ParseChartText(text, "fuzz.tvd");
    if (!parse.ok()) {
        Check(parse.error.find("\"fuzz.tvd\"") != std::string::npos);
        return 0;
    }
    const ChartFileValues& v = parse.values;
    Check(v.count >= kChartFileRequiredValues && v.count <= kChartFileValueCount);

    const std::string written = FormatChartText(v);
    const ChartFileParse again = ParseChartText(written, "fuzz.tvd");
    Check(again.ok());
    const ChartFileValues& w = again.values;
    Check(w.count == kChartFileValueCount);
    Check(w.month == v.month && w.day == v.day && w.year == v.year);
    Check(SameTimeOfDay(w.packedTime, v.packedTime));
    Check(SameZone(w.packedZone, v.packedZone));
    Check(SameAngle(w.packedLongitude, v.packedLongitude) && SameAngle(w.packedLatitude, v.packedLatitude));
    Check(SameDecimal(w.altitude, v.altitude) && SameDecimal(w.standardZone, v.standardZone));
    Check(SameDecimal(w.daylightZone, v.daylightZone) && SameDecimal(w.pressure, v.pressure));
    Check(SameDecimal(w.temperature, v.temperature));
    Check(w.dstFlag == v.dstFlag && w.placeCode == v.placeCode && w.calendarFlag == v.calendarFlag);
    Check(w.city == v.city && w.state == v.state && w.gender == v.gender);
    Check(FormatChartText(w) == written);
    return 0;
}
