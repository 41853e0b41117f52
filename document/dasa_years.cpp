#include "document/dasa_years.h"

#include <cmath>

#include "core/calc_options.h"
#include "core/return_charts.h"
#include "document/dasa_codes.h"

namespace {

constexpr double kOneSecondDays = 1.0 / 86400.0;
constexpr int kYearsToMomentIterations = 500;

bool Contains(const std::string& text, const char* part) {
    return text.find(part) != std::string::npos;
}

} // namespace

double NominalYearDays(int kind, double userDays) {
    switch (kind) {
    case kYearSavana:
        return kSavanaYearDays;
    case kYearUserDefined:
        return userDays;
    case kYearTrueSiderealSolar:
    case kYearMeanSidereal:
        return kMeanSiderealYearDays;
    case kYearTithi:
        return kLunarYearDays;
    case kYearMoonReturn:
        return kMoonReturnYearDays;
    default: // mean and true tropical years, and any kind no menu offers
        return kMeanTropicalYearDays;
    }
}

int DasaYearKindForMode(int kind, int mode, const std::string& chartTitle) {
    int result = kind;
    if (g_bSpecialYearForTP && mode == kModeTithiPravesha)
        result = kYearTithi;
    else if (g_bSpecialYearForTajaka && mode == kModeTajaka)
        result = kYearTrueSiderealSolar;
    if (mode == kModeMundane) {
        if (g_bSpecialYearForTajaka && Contains(chartTitle, "Sol")) result = kYearTrueSiderealSolar;
        if (g_bSpecialYearForTP && (Contains(chartTitle, "Lun") || Contains(chartTitle, "Moon")))
            result = kYearTithi;
    }
    return result;
}

CalcValue DasaYearsToMoment(const CChartCore& ref, double days, int kind, double yearDays) {
    const double target = ref.GetJulianDay() + days;
    double years = 0.0;
    double jd = ref.GetJulianDay();
    CChartCore probe = ref;
    for (int i = 0; i < kYearsToMomentIterations; ++i) {
        if (std::fabs(jd - target) <= kOneSecondDays) break;
        years += (target - jd) / yearDays;
        const SearchResult found = ref.FindReturnChart(years, probe, kind, yearDays);
        if (!found.found())
            return CalcValue::Failure(found.status.ok() ? "A dasa year's moment could not be found."
                                                        : found.status.error);
        jd = found.jdUt;
    }
    return {years, {}};
}
