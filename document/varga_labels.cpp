#include "document/varga_labels.h"

#include <initializer_list>
#include <string>
#include <vector>

#include "core/body_names.h"
#include "core/chart_core.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"

namespace {

// One column whose label names its variant: the preference that chooses it and the label of each.
struct VariantLabels {
    int column;
    const int& variant;
    std::vector<const char*> labels;
};

const VariantLabels kVariantLabels[] = {
    {kD9Column, g_nD9Preference, {"D-9", "D-9 (K)", "D-9 (KM)", "D-9 (UKM)"}},
    {kD2Column,
     g_nHoraPreference,
     {"D-2 (CnL)", "D-2 (Jn)", "D-2 (Pv)", "D-2 (SN)", "D-2 (Md)", "D-2 (KN)", "D-2 (US)", "D-2 (Lm)",
      "D-2 (Rm)", "D-2 (RmM)", "D-2 (Ni)", "D-2 (NiM)"}},
    {kD3Column, g_nD3Preference, {"D-3 (Trd)", "D-3 (Pv)", "D-3 (Sn)", "D-3 (Jn)", "D-3 (US)"}},
    {kD4Column, g_nD4Preference, {"D-4", "D-4 (Pv)"}},
    {kD5Column, g_nD5Preference, {"D-5", "D-5 (Pv)"}},
    {kD7Column, g_nD7Preference, {"D-7 (Trd)", "D-7 (7-1)", "D-7 (1-7)"}},
    {kD8Column, g_nD8Preference, {"D-8", "D-8 (Ra)"}},
    {kD10Column, g_nD10Preference, {"D-10 (Trd)", "D-10 (Pv)", "D-10 (9-12)", "D-10 (6-9)", "D-10 (5-8)"}},
    {kD11Column, g_nD11Preference, {"D-11", "D-11 (Ra)"}},
    {kD12Column, g_nD12Preference, {"D-12 (Trd)", "D-12 (Rev)"}},
    {kD16Column, g_nD16Preference, {"D-16 (Trd)", "D-16 (Rev)"}},
    {kD20Column, g_nD20Preference, {"D-20 (Trd)", "D-20 (Rev)"}},
    {kD24Column, g_nD24Preference, {"D-24 (Rev)", "D-24 (Trd)", "D-24 (Rev2)"}},
    {kD27Column, g_nD27Preference, {"D-27 (Trd)", "D-27 (Rev)"}},
    {kD30Column, g_nD30Preference, {"D-30", "D-30 (Pv)", "D-30 (Sh)"}},
    {kD60Column, g_nD60Preference, {"D-60 (Trd)", "D-60 (Rev)", "D-60 (RvAr)", "D-60 (Ar)"}},
    {kD81Column, g_nD81Variant, {"D-81", "D-81 (K)"}},
};

// The bhava column's label starts with its base varga, columns 0-22.
constexpr const char* kBhavaBasePrefixes[kLastFixedColumn + 1] = {
    "D-1 (",  "D-9 (",  "D-2 (",  "D-3 (",  "D-4 (",  "D-5 (",   "D-6 (",  "D-7 (",
    "D-8 (",  "D-10 (", "D-11 (", "D-12 (", "D-16 (", "D-20 (",  "D-24 (", "D-27 (",
    "D-30 (", "D-40 (", "D-45 (", "D-60 (", "D-81 (", "D-108 (", "D-144 ("};

std::string PlainLabel(int column) {
    return "D-" + std::to_string(g_vargaDivisors[column]);
}

} // namespace

void BuildVargaLabels() {
    for (const VariantLabels& column : kVariantLabels) {
        const int variant = column.variant;
        g_strVargaLabels[column.column] = variant >= 0 && variant < static_cast<int>(column.labels.size())
                                              ? column.labels[variant]
                                              : PlainLabel(column.column);
    }
    const int base =
        g_nBhavaChartVarga >= 0 && g_nBhavaChartVarga <= kLastFixedColumn ? g_nBhavaChartVarga : 0;
    const int reference =
        g_nBhavaChartRef >= 0 && g_nBhavaChartRef < kNamedBodyCount ? g_nBhavaChartRef : kLagna;
    const char* const* bodyNames = g_pszPlanetNamesAlt2 ? g_pszPlanetNamesAlt2 : g_planetShortNames;
    g_strVargaLabels[kBhavaColumn] = std::string(kBhavaBasePrefixes[base]) + bodyNames[reference] + ")";
}
