#include "core/printed_angle.h"

#include <cmath>
#include <limits>

#include "core/angle_time.h"

namespace {

long long UnitsPerDegree(DmsField field) {
    switch (field) {
    case DmsField::kMinutes:
        return 60;
    case DmsField::kSeconds:
        return 3600;
    default:
        return 360000;
    }
}

// A magnitude counted in the field's units split into degrees, minutes and seconds.
PrintedDms SplitUnits(long long units, long long perDegree) {
    const long long perMinute = perDegree / 60;
    PrintedDms dms;
    dms.degrees = static_cast<int>(units / perDegree);
    dms.minutes = static_cast<int>(units % perDegree / perMinute);
    dms.seconds = static_cast<double>(units % perMinute) * 3600.0 / static_cast<double>(perDegree);
    return dms;
}

} // namespace

PrintedDms SplitPrintedAngle(double value, DmsField field) {
    if (!std::isfinite(value) || std::fabs(value) >= static_cast<double>(std::numeric_limits<int>::max()))
        return {};
    const long long perDegree = UnitsPerDegree(field);
    PrintedDms dms = SplitUnits(std::llround(std::fabs(value) * static_cast<double>(perDegree)), perDegree);
    dms.negative = value < 0.0;
    return dms;
}

PrintedDms SplitPrintedLongitude(double longitude, DmsField field) {
    if (!std::isfinite(longitude)) return {};
    const long long perDegree = UnitsPerDegree(field);
    const long long units =
        std::llround(Reduce360(longitude) * static_cast<double>(perDegree)) % (360 * perDegree);
    PrintedDms dms = SplitUnits(units, perDegree);
    dms.sign = dms.degrees / 30;
    dms.degrees %= 30;
    return dms;
}
