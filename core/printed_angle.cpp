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

PrintedDms SplitPrintedFields(int whole, int minutes, double seconds, DmsField field,
                              FieldRounding rounding) {
    const long long perDegree = UnitsPerDegree(field);
    const long long perMinute = perDegree / 60;
    // The seconds in the field's steps, each by one exact operation: 30 seconds are half a minute exactly.
    const double below =
        field == DmsField::kMinutes ? seconds / 60.0 : seconds * static_cast<double>(perMinute / 60);
    if (!std::isfinite(below) || std::fabs(below) >= static_cast<double>(std::numeric_limits<int>::max()))
        return {};
    const double steps = rounding == FieldRounding::kNearest ? std::round(below)
                         : rounding == FieldRounding::kCut   ? std::trunc(below)
                                                             : std::ceil(below);
    const long long units =
        (static_cast<long long>(whole) * 60 + minutes) * perMinute + static_cast<long long>(steps);
    const long long magnitude = units < 0 ? -units : units;
    if (magnitude / perDegree > std::numeric_limits<int>::max()) return {};
    PrintedDms dms = SplitUnits(magnitude, perDegree);
    dms.negative = units < 0;
    return dms;
}
