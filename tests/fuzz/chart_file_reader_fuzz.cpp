// libFuzzer entry for the chart-file reader: any bytes read as a .tvd file give a chart or a message;
// a chart they give is written and read back with the same values.
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

bool Close(double a, double b) {
    return std::fabs(a - b) <= 1e-6 * std::fmax(1.0, std::fabs(a));
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
    CHmsTime time, zone;
    CDmsAngle longitude, latitude;
    UnpackHms(v.packedTime, time);
    UnpackHms(v.packedZone, zone);
    UnpackDms(v.packedLongitude, longitude);
    UnpackDms(v.packedLatitude, latitude);

    const ChartFileParse again = ParseChartText(FormatChartText(v), "fuzz.tvd");
    Check(again.ok());
    const ChartFileValues& w = again.values;
    Check(w.count == kChartFileValueCount);
    Check(w.month == v.month && w.day == v.day && w.year == v.year);
    Check(Close(w.packedTime, v.packedTime) && Close(w.packedZone, v.packedZone));
    Check(Close(w.packedLongitude, v.packedLongitude) && Close(w.packedLatitude, v.packedLatitude));
    Check(Close(w.altitude, v.altitude) && Close(w.standardZone, v.standardZone));
    Check(Close(w.daylightZone, v.daylightZone) && Close(w.pressure, v.pressure));
    Check(Close(w.temperature, v.temperature));
    Check(w.dstFlag == v.dstFlag && w.placeCode == v.placeCode && w.calendarFlag == v.calendarFlag);
    Check(w.city == v.city && w.state == v.state && w.gender == v.gender);
    return 0;
}
