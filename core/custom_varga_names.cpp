#include "core/custom_varga_names.h"

#include <string>

#include "core/chart_labels.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "core/varga_special.h"
#include "core/zodiac_names.h"

namespace {

void BuildUserDivisionNames() {
    const bool defined = IsValidCustomDivision(g_nCustDivSettings);
    const std::string label = defined ? "D-" + std::to_string(g_nCustDivSettings.nCustDivN) : std::string();
    g_strVargaLabels[kCustomColumn] = label;
    g_vargaTitles[kCustomColumn] = label;
    g_vargaDivisors[kCustomColumn] = defined ? g_nCustDivSettings.nCustDivN : 1;
}

void BuildCompositeNames() {
    const int outer = g_nDmDnChartDm;
    const int inner = g_nDmDnChartDn;
    if (!IsValidCompositeVarga(outer, inner)) {
        g_strVargaLabels[kCompositeColumn].clear();
        g_vargaTitles[kCompositeColumn].clear();
        if (g_pszChartVargaNames) g_pszChartVargaNames[kCompositeColumn].clear();
        g_vargaDivisors[kCompositeColumn] = 1;
        return;
    }
    g_strVargaLabels[kCompositeColumn] = g_strVargaLabels[outer] + " x " + g_strVargaLabels[inner];
    g_vargaTitles[kCompositeColumn] = g_vargaTitles[outer] + " x " + g_vargaTitles[inner];
    if (g_pszChartVargaNames) {
        g_pszChartVargaNames[kCompositeColumn] = g_pszChartVargaNames[outer] + g_pszChartVargaNames[inner];
    }
    g_vargaDivisors[kCompositeColumn] = g_vargaDivisors[outer] * g_vargaDivisors[inner];
}

} // namespace

void BuildCustomVargaNames() {
    // The user's D-N first, so that a composite built on it takes its current name and divisor.
    BuildUserDivisionNames();
    BuildCompositeNames();
}
