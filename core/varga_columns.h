#pragma once
// The 29 columns of the varga sign table, the body records the varga rules read, and the divisors.
#include <array>
#include <span>

#include "core/chart_core.h"
#include "core/zodiac_names.h"

// Column numbers of the varga sign table; the order is the one every view uses.
enum VargaColumn : int {
    kD1Column = 0,
    kD9Column = 1,
    kD2Column = 2,
    kD3Column = 3,
    kD4Column = 4,
    kD5Column = 5,
    kD6Column = 6,
    kD7Column = 7,
    kD8Column = 8,
    kD10Column = 9,
    kD11Column = 10,
    kD12Column = 11,
    kD16Column = 12,
    kD20Column = 13,
    kD24Column = 14,
    kD27Column = 15,
    kD30Column = 16,
    kD40Column = 17,
    kD45Column = 18,
    kD60Column = 19,
    kD81Column = 20,
    kD108Column = 21,
    kD144Column = 22,
    kCustomColumn = kUserVargaColumn,         // the user's D-N
    kCompositeColumn = kCompositeVargaColumn, // "D-n of D-m"
    kD150Column = 25,  // not a sign: the D-150 part of each body (CVargaSignTable::D150Part)
    kHoraColumn = 26,  // always the Parasara hora, Cancer or Leo
    kHaddaColumn = 27, // not a sign: the lord of the term (CVargaSignTable::HaddaLord)
    kBhavaColumn = 28, // the bhava/chalit chakra on a chosen base varga
};
inline constexpr int kLastFixedColumn = kD144Column;

// False for the two columns that hold a D-150 part or a term lord rather than a sign.
constexpr bool VargaColumnHoldsSign(int column) {
    return column >= 0 && column < kVargaColumnCount && column != kD150Column && column != kHaddaColumn;
}

// The body records of one chart, by body number. The rules read each record's sign s and longitude L
// (degrees [0, 360), sidereal unless the chart is tropical) and work on d = L - 30 s.
using VargaBodies = std::span<const CRasiLongitude, kBodyCount>;

// Divisor of each column: a child chart of column c puts a body at divisor x its longitude. Entries 23
// and 24 follow the user's divisions (BuildCustomVargaNames); the others never change.
extern std::array<int, kVargaColumnCount> g_vargaDivisors;
