#pragma once
// The deities of the divisions of the vargas and the lookup of the deity in whose part a body stands.
// Varga columns 0-28 in the order of varga_columns.h; signs 0 Aries .. 11 Pisces; longitudes sidereal
// degrees [0, 360). Odd signs are Aries, Gemini, Leo ... (sign numbers 0, 2, 4 ...); the modality of a
// sign is sign mod 3 (0 movable, 1 fixed, 2 dual). The tables are plain English texts, not translated.
#include <array>
#include <span>
#include <string>

#include "core/zodiac_names.h"

class CChart;

extern const char* const g_strNoDeity[1]; // the one empty name of a varga without deities
extern const char* const g_strD9Deities[3];
extern const char* const g_strD2Deities[2];
extern const char* const g_strD3Deities[3];
extern const char* const g_strD4Deities[4];
extern const char* const g_strD7Deities[7];
extern const char* const g_strD10Deities[10];
extern const char* const g_strD12Deities[4];
extern const char* const g_strD16Deities[4];
extern const char* const g_strD20DeitiesOdd[20];
extern const char* const g_strD20DeitiesEven[20];
extern const char* const g_strD24Deities[12];
extern const char* const g_strD27Deities[27];
extern const char* const g_strD30Deities[5];
extern const char* const g_strD40Deities[12];
extern const char* const g_strD45Deities[3];
extern const char* const g_strD60Deities[60];
extern const char* const g_strD150DeitiesA[150]; // used unless D150NamePreference is 1
extern const char* const g_strD150DeitiesB[150]; // used when D150NamePreference is 1

using DeityTable = std::span<const char* const>;

// The number of deities of each column: the size of its table, 1 for every column whose table is the
// empty one (D-1, D-5, D-6, D-8, D-11, D-81, D-108, D-144, the user's and composite columns, 26-28).
extern const std::array<int, kVargaColumnCount> g_nAmsaDeityCounts;

// The deity table of each column (D-20: the odd-sign table; the lookup takes the even one itself);
// D-150 starts on the first list.
extern std::array<DeityTable, kVargaColumnCount> g_pAmsaDeityTables;
// Points D-150 at the list D150NamePreference chooses.
void ChooseD150DeityTable();

struct AmsaDeity {
    int division = 0; // the part of the sign the body stands in, 0-based (D-150: the nadiamsa number)
    int index = 0;    // 0-based index into the varga's deity table
    std::string name; // empty for a column without deities
};

// The part of column `varga` that `longitude` (degrees, in sign `sign`) falls in and its deity. D-150
// takes the body's nadiamsa number from the chart's varga sign table; other columns need only the
// longitude. The index always lies inside the varga's table.
AmsaDeity FindAmsaDeity(const CChart& chart, int body, int sign, double longitude, int varga);
