#pragma once
// Variant preferences of the divisional charts. Each global is named after its preference-file key and
// holds the built-in default until the preference file is read. The varga rules read them at every
// computation, so a change takes effect at the next chart calculation.

// Variant of each varga column; the values are listed beside the rules in varga_rules.h.
extern int g_nD9Preference;   // "D9Preference"
extern int g_nHoraPreference; // "HoraPreference" (D-2)
extern int g_nD3Preference;   // "D3Preference"
extern int g_nD4Preference;   // "D4Preference"
extern int g_nD5Preference;   // "D5Preference"
extern int g_nD7Preference;   // "D7Preference"
extern int g_nD8Preference;   // "D8Preference"
extern int g_nD10Preference;  // "D10Preference"
extern int g_nD11Preference;  // "D11Preference"
extern int g_nD12Preference;  // "D12Preference"
extern int g_nD16Preference;  // "D16Preference"
extern int g_nD20Preference;  // "D20Preference"
extern int g_nD24Preference;  // "D24Preference"
extern int g_nD27Preference;  // "D27Preference"
extern int g_nD30Preference;  // "D30Preference"
extern int g_nD60Preference;  // "D60Preference"
extern int g_nD81Variant;     // no preference key: the chart view's menu sets it for the session
extern int& g_nD81Preference; // the chart view's name for the same variant
extern int g_nD108Preference; // "D108Preference"
extern int g_nD150Preference; // "D150Preference": 0 uniform parts, any other value Chandra Kala Nadi parts
extern int g_nArdhaNadiRulerDefinition; // "ArdhaNadiRulerDefinition": cycle of the D-150 half-part rulers

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
// The dialog and the preference file address the same record by these names too.
extern CustomDivisionSettings& g_bCustDivSettings;
extern CustomDivisionSettings& g_bsCustDivSettings;
extern CustomDivisionSettings& g_nsCustDivSettings;

// The composite "D-n of D-m" (column 24): both are varga column numbers, not divisors.
extern int g_nDmDnChartDm; // "DmDnChartDm": the outer chart, column 0-28
extern int g_nDmDnChartDn; // "DmDnChartDn": the division applied to it, column 0-19

// The bhava/chalit chakra (column 28).
extern int g_nBhavaChartVarga;          // "BhavaChartVarga": base varga column 0-22
extern int g_nBhavaChartRef;            // "BhavaChartRef": reference body number, 0 = lagna
extern bool g_bHouseCuspsInMiddle;      // "HouseCuspsInMiddle": the reference degree is mid-house
extern bool g_bHousesFromNodesReversed; // "HousesFromNodesReversed": houses from Rahu/Ketu run backwards
