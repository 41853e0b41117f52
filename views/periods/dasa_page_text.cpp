// The status texts of the dasa page: the year measure, the shift, the Quick Info caption.
#include <cmath>
#include <cstdio>

#include "core/calc_options.h"
#include "document/dasa_codes.h"
#include "document/dasa_tree.h"
#include "views/periods/dasa_view.h"

namespace {
std::string Format(const char* format, auto... values) {
    char buffer[128];
    std::snprintf(buffer, sizeof buffer, format, values...);
    return buffer;
}

bool Contains(const std::string& text, const char* piece) {
    return text.find(piece) != std::string::npos;
}
} // namespace

bool DasaHasOptions(int code) {
    return (code >= 0 && code <= 12) || (code >= 25 && code <= 34) || (code >= 36 && code <= 41) ||
           (code >= 60 && code <= 62) || code == 64 || (code >= 66 && code <= 69) || code == 72;
}

std::string DasaYearText(const CDasaTree& tree, int mode, const std::string& chartTitle) {
    const bool solarCompression = (g_bSpecialYearForTajaka && mode == kModeTajaka) ||
                                  (mode == kModeMundane && Contains(chartTitle, "Sol"));
    const bool tithiCompression =
        (g_bSpecialYearForTP && mode == kModeTithiPravesha) ||
        (mode == kModeMundane && (Contains(chartTitle, "Lun") || Contains(chartTitle, "Moon")));
    switch (tree.nYearKind) {
    case 0:
        return "Using mean tropical solar years";
    case 1:
        return "Using 360 day savana years";
    case 2:
        return Format("Using %.2f day years", g_dDasaYearLength[tree.nDasaCode]);
    case 3:
        return solarCompression ? "Using solar longitude based dasa compression"
                                : "Using true sidereal solar years";
    case 4:
        return tithiCompression ? "Using tithi based dasa compression" : "Using 360 tithi years";
    case 6:
        return "Using mean sidereal solar years";
    case 7:
        return solarCompression ? "Using solar longitude based dasa compression"
                                : "Using true tropical solar years";
    default:
        return "";
    }
}

std::string DasaShiftText(double days) {
    const double amount = std::fabs(days);
    const int wholeDays = static_cast<int>(amount);
    const int totalMinutes = static_cast<int>(std::lround((amount - wholeDays) * 24 * 60));
    std::string text = "Shift:";
    if (wholeDays != 0) text += Format(" %d days", wholeDays);
    if (totalMinutes / 60 != 0) text += Format(" %d hrs", totalMinutes / 60);
    if (totalMinutes % 60 != 0) text += Format(" %d min", totalMinutes % 60);
    text += days < 0 ? " (back)" : " (forward)";
    return text;
}

std::string QuickInfoCaption(const std::string& dasaName) {
    std::size_t at = dasaName.find("Dasa");
    if (at == std::string::npos) at = dasaName.find("dasa");
    return "Quick Info on " + (at == std::string::npos ? dasaName : dasaName.substr(0, at + 4));
}
