#include "document/dasa_years.h"

#include <algorithm>
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
    if (!(yearDays > 0.0)) return CalcValue::Failure("A dasa year of no length cannot span a period.");
    const double start = ref.GetJulianDay();
    const double target = start + std::max(days, 0.0);
    const auto momentOf = [&](double years, double& jd) -> CalcStatus {
        const SearchResult found = ref.LocateReturn(years, kind, yearDays);
        if (!found.found())
            return found.status.ok() ? CalcStatus::Failure("A dasa year's moment could not be found.")
                                     : found.status;
        jd = found.jdUt;
        return {};
    };
    // The years grow with the moment: a bracket from no years to enough, then narrowed, so the answer
    // is never below zero and never beyond the bracket however the true years vary.
    double low = 0.0, lowJd = start;
    double high = (target - start) / yearDays, highJd = start;
    if (CalcStatus status = momentOf(high, highJd); !status.ok()) return {0.0, status};
    for (int i = 0; highJd < target; ++i) {
        if (i == kYearsToMomentIterations)
            return CalcValue::Failure("A dasa year's moment could not be found.");
        low = high, lowJd = highJd;
        high = 2.0 * high + 1.0 / yearDays;
        if (CalcStatus status = momentOf(high, highJd); !status.ok()) return {0.0, status};
    }
    for (int i = 0; i < kYearsToMomentIterations; ++i) {
        if (highJd - target <= kOneSecondDays) return {high, {}};
        if (target - lowJd <= kOneSecondDays) return {low, {}};
        // Where the straight line between the ends meets the target, kept off the ends.
        const double share = std::clamp((target - lowJd) / (highJd - lowJd), 0.05, 0.95);
        const double years = low + share * (high - low);
        double jd = 0.0;
        if (CalcStatus status = momentOf(years, jd); !status.ok()) return {0.0, status};
        (jd < target ? low : high) = years;
        (jd < target ? lowJd : highJd) = jd;
    }
    return {high, {}};
}
