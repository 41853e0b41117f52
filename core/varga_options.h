#pragma once
// Variant preferences of the divisional charts. The varga rules read them at every computation, so a
// change takes effect at the next chart calculation. The variant of each varga column (g_nD9Preference,
// g_nHoraPreference for D-2, ...) is an option of option_table.h; the values are listed beside the rules
// in varga_rules.h.
#include "core/calc_options.h"

// The user-defined D-N (varga column 23), set by the dialog "Custom Divisional Chart for Research".
struct CustomDivisionSettings {
    int nCustDivN = 0;         // "CustDivSettings.nCustDivN": parts per sign, 1-300 when set
    bool bCyclical = false;    // "CustDivSettings.bCyclical": count parts through the zodiac
    bool bHouseAsSeed = false; // "CustDivSettings.bHouseAsSeed": base is the sign itself, not Aries
    bool bReverseDivsInEvenSigns = false; // "sCustDivSettings.bReverseDivsInEvenSigns"
    int tStart = 0;                       // "sCustDivSettings.tStart": start rule 0-9 (CustomVargaSign)
};
inline constexpr int kMinCustomDivisions = 1;
inline constexpr int kMaxCustomDivisions = 300; // the dialog's limit
inline constexpr int kCustomStartRuleCount = 10;
extern CustomDivisionSettings g_nCustDivSettings;

// The composite "D-n of D-m" (column 24), g_nDmDnChartDm and g_nDmDnChartDn, are varga column numbers,
// not divisors. The bhava/chalit chakra (column 28) takes g_nBhavaChartVarga (base varga column 0-22),
// g_nBhavaChartRef (reference body number, 0 = lagna), g_bHouseCuspsInMiddle (the reference degree is
// mid-house) and g_bHousesFromNodesReversed (houses from Rahu/Ketu run backwards).
