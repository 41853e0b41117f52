#include "core/drishti.h"

#include <algorithm>
#include <cmath>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/chart_core.h"

namespace {

constexpr double kFullVirupas = 60.0;
constexpr double kVirupasToPercent = 1.6666666666666665;

bool In(double d, double from, double to) {
    return d >= from && d < to;
}

// The graded aspect every planet casts, virupas.
double BaseVirupas(double d) {
    if (d < 30) return 0;
    if (d < 60) return (d - 30) / 2;
    if (d < 90) return d - 45;
    if (d < 120) return (120 - d) / 2 + 30;
    if (d < 150) return 150 - d;
    if (d < 180) return 2 * (d - 150);
    if (d < 300) return (300 - d) / 2;
    return 0;
}

// Parasara's graded special aspects, replacing the base within their ranges.
double ParasaraVirupas(double d, int p, double base) {
    switch (p) {
    case kJupiter:
        if (In(d, 90, 120)) return 45 + (d - 90) / 2;
        if (In(d, 120, 150)) return 60 - 2 * (d - 120);
        if (In(d, 210, 240)) return 45 + (d - 210) / 2;
        if (In(d, 240, 270)) return 60 - 1.5 * (d - 240);
        return base;
    case kMars:
        if (In(d, 60, 90)) return 15 + 1.5 * (d - 60);
        if (In(d, 90, 120)) return 60 - (d - 90);
        if (In(d, 180, 210)) return kFullVirupas;
        if (In(d, 210, 240)) return 60 - (d - 210);
        return base;
    case kSaturn:
        if (In(d, 30, 60)) return 2 * (d - 30);
        if (In(d, 60, 90)) return 60 - (d - 60) / 2;
        if (In(d, 240, 270)) return 30 + (d - 240);
        if (In(d, 270, 300)) return 2 * (300 - d);
        return base;
    default:
        return base;
    }
}

// The added special aspects of Mars, Jupiter and Saturn, virupas.
double SpecialAspectBonus(double d, int p) {
    switch (p) {
    case kMars:
        return In(d, 90, 120) || In(d, 210, 240) ? 15 : 0;
    case kJupiter:
        return In(d, 120, 150) || In(d, 240, 270) ? 30 : 0;
    case kSaturn:
        return In(d, 60, 90) || In(d, 270, 300) ? 45 : 0;
    default:
        return 0;
    }
}

// Deviation from the first of the centres that d lies within the orb of (the conjunction first, on
// both sides of 0), or 360 when none.
template <std::size_t N>
double NearestFullAspect(double x, double y, int p, double orb, const double (&centres)[N]) {
    double d = Reduce360(x - y);
    if (p == kRahu || p == kKetu) d = 360 - d;
    if (std::fabs(d) <= orb) return std::fabs(d);
    if (std::fabs(360 - d) <= orb) return std::fabs(360 - d);
    for (double centre : centres) {
        if (std::fabs(d - centre) <= orb) return std::fabs(d - centre);
    }
    return 360;
}

} // namespace

double DrishtiStrength(double x, double y, int p) {
    const double d = Reduce360(x - y);
    const double base = BaseVirupas(d);
    const double virupas =
        g_bAspectEvalAsPerParasara ? ParasaraVirupas(d, p, base) : base + SpecialAspectBonus(d, p);
    return std::min(virupas, kFullVirupas) * kVirupasToPercent;
}

double AspectFractionText(double x, double y, int p, double orb, std::string& text) {
    double d = Reduce360(x - y);
    if (p == kKetu) {
        text = "None";
        return d;
    }
    if (p == kRahu) d = 360 - d;
    if (d < orb || d >= 360 - orb) {
        text = "Full";
        return d < orb ? std::fabs(d) : std::fabs(d - 360);
    }
    struct Window {
        double centre;
        const char* text;
        int fullFor1;
        int fullFor2;
    };
    static constexpr Window kWindows[] = {
        {180, "Full", 0, 0},           {330, "None", kRahu, 0},       {60, "1/4", kSaturn, 0},
        {90, "3/4", kMars, 0},         {120, "1/2", kJupiter, kRahu}, {210, "3/4", kMars, 0},
        {240, "1/2", kJupiter, kRahu}, {270, "1/4", kSaturn, 0},
    };
    for (const Window& window : kWindows) {
        if (d < window.centre - orb || d >= window.centre + orb) continue;
        text = p == window.fullFor1 || p == window.fullFor2 ? "Full" : window.text;
        return std::fabs(d - window.centre);
    }
    text = "None";
    return d;
}

double SpecialAspectJupiter(double x, double y, int p, double orb) {
    static constexpr double kCentres[] = {120, 240, 180};
    return NearestFullAspect(x, y, p, orb, kCentres);
}

double SpecialAspectMarsSaturn(double x, double y, int p, double orb) {
    static constexpr double kCentres[] = {90, 180, 270};
    return NearestFullAspect(x, y, p, orb, kCentres);
}
