#pragma once
// Names of the signs (0 Aries ... 11 Pisces), nakshatras (0 Aswini ... 26 Revati) and varga columns
// (codes 0-28 in the column order D-1, D-9, D-2, D-3 ... D-144, user D-n, composite, D-150, Hora,
// Hadda, Bhava/Chalit).
#include <string>

inline constexpr int kSignCount = 12;
inline constexpr int kNakshatraCount = 27;
inline constexpr int kVargaColumnCount = 29;
inline constexpr int kUserVargaColumn = 23;      // the user-defined D-n
inline constexpr int kCompositeVargaColumn = 24; // "D-n of D-m"

extern const char* const g_signNames[kSignCount];         // "Aries"
extern const char* const g_signAbbrevs[kSignCount];       // "Ar"
extern const char* const g_signNamesSanskrit[kSignCount]; // "Mesh"
// g_signNamesSanskrit or g_signAbbrevs as the user chose; null until SelectNameTables first runs.
extern const char* const* g_pszSignNames;

extern const char* const g_nakshatraNames[kNakshatraCount];      // "Aswini"
extern const char* const g_nakshatraShortNames[kNakshatraCount]; // "Aswi"
// The 28-star scheme: "Abhijit" at 21, the 27-table's 21-26 at 22-27.
extern const char* const g_nakshatraNames28[kNakshatraCount + 1];
// The 28-star scheme: "Abhi" (Abhijit) at 21, the 27-table's 21-26 at 22-27.
extern const char* const g_nakshatraShortNames28[kNakshatraCount + 1];

// Varga names ("Rasi", "Navamsa" ...); one entry beyond the columns repeats "Bhava/Chalit".
// Entry 24 is rewritten when the user defines a composite varga, hence strings.
extern std::string g_vargaNames[kVargaColumnCount + 1];
// Column labels "D-1" ...; the document rewrites them with the chosen variants ("D-9 (K)").
extern std::string g_strVargaLabels[kVargaColumnCount];
// Column titles: "Rasi", "Navamsa", then the labels; entries 23 and 24 rewritten at run time.
extern std::string g_vargaTitles[kVargaColumnCount];
