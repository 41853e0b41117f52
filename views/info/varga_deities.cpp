// The lookup of the deity of a body's division, and which table each varga column reads.
#include <algorithm>
#include <cmath>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/sign_arithmetic.h"
#include "core/varga_columns.h"
#include "views/info/varga_deity_tables.h"

const std::array<int, kVargaColumnCount> g_nAmsaDeityCounts = {
    1, 3, 2, 3,  4,  1,   1, 7,  1, 10, // D-1 D-9 D-2 D-3 D-4 D-5 D-6 D-7 D-8 D-10
    1, 4, 4, 20, 12, 27,  5, 12, 3, 60, // D-11 D-12 D-16 D-20 D-24 D-27 D-30 D-40 D-45 D-60
    1, 1, 1, 1,  1,  150, 1, 1,  1,     // D-81 D-108 D-144, user, composite, D-150, Hora, Hadda, bhava
};

namespace {
constexpr int kD150Parts = 150;

// Vargas whose parts are counted from the start of every sign; the others count from the end of the
// sign in even signs.
bool CountsFromSignStart(int varga) {
    switch (varga) {
    case kD9Column:
    case kD3Column:
    case kD4Column:
    case kD12Column:
    case kD20Column:
    case kD27Column:
    case kD40Column:
        return true;
    default:
        return false;
    }
}

// Vargas whose deities start again from the sign's modality (movable, fixed, dual).
bool ShiftsByModality(int varga) {
    return varga == kD9Column || varga == kD3Column || varga == kD45Column;
}

// The five trimsamsa bands (Agni 0, Vaayu 1, Indra 2, Kubera 3, Varuna 4) of `d` degrees into the sign;
// a bound belongs to the band after it.
int TrimsamsaBand(double d, bool oddSign) {
    if (oddSign) {
        if (d < 5) return 0;
        if (d < 10) return 1;
        if (d < 18) return 2;
        if (d < 25) return 3;
        return 4;
    }
    if (d < 5) return 4;
    if (d < 12) return 3;
    if (d < 20) return 2;
    if (d < 25) return 1;
    return 0;
}

// The deity place of nadiamsa `n` (0-149): counted forward in movable signs, backward in fixed signs,
// and from the middle of the list in dual signs.
int NadiamsaDeityPlace(int n, int sign) {
    switch (sign % 3) {
    case 0:
        return n;
    case 1:
        return kD150Parts - 1 - n;
    default:
        return n < kD150Parts / 2 ? n + kD150Parts / 2 : n - kD150Parts / 2;
    }
}
std::array<DeityTable, kVargaColumnCount> BuiltInDeityTables() {
    std::array<DeityTable, kVargaColumnCount> tables;
    tables.fill(DeityTable(g_strNoDeity));
    tables[kD9Column] = g_strD9Deities;
    tables[kD2Column] = g_strD2Deities;
    tables[kD3Column] = g_strD3Deities;
    tables[kD4Column] = g_strD4Deities;
    tables[kD7Column] = g_strD7Deities;
    tables[kD10Column] = g_strD10Deities;
    tables[kD12Column] = g_strD12Deities;
    tables[kD16Column] = g_strD16Deities;
    tables[kD20Column] = g_strD20DeitiesOdd;
    tables[kD24Column] = g_strD24Deities;
    tables[kD27Column] = g_strD27Deities;
    tables[kD30Column] = g_strD30Deities;
    tables[kD40Column] = g_strD40Deities;
    tables[kD45Column] = g_strD45Deities;
    tables[kD60Column] = g_strD60Deities;
    tables[kD150Column] = g_strD150DeitiesA;
    return tables;
}
} // namespace

std::array<DeityTable, kVargaColumnCount> g_pAmsaDeityTables = BuiltInDeityTables();

void ChooseD150DeityTable() {
    g_pAmsaDeityTables[kD150Column] =
        g_nD150NamePreference == 1 ? DeityTable(g_strD150DeitiesB) : DeityTable(g_strD150DeitiesA);
}

AmsaDeity FindAmsaDeity(const CChart& chart, int body, int sign, double longitude, int varga) {
    AmsaDeity found;
    if (varga < 0 || varga >= kVargaColumnCount) return found;
    sign = PositiveMod(sign, 12);
    const bool oddSign = IsOddSign(sign);
    // A longitude a hair past its sign's end (or before its start) stays in its sign's parts.
    const double d = std::clamp(longitude - 30.0 * sign, 0.0, 30.0);
    const int parts = std::max(1, g_vargaDivisors[varga]);
    int k = std::clamp(static_cast<int>(parts * d / 30.0), 0, parts - 1);
    found.division = k;
    if (!CountsFromSignStart(varga) && !oddSign) k = parts - k - 1;
    if (ShiftsByModality(varga)) k += sign % 3;
    if (varga == kD30Column) k = TrimsamsaBand(d, oddSign);
    if (varga == kD150Column) {
        found.division = chart.m_vargaSign.D150Part(body) % kD150Parts;
        k = NadiamsaDeityPlace(found.division, sign);
    }
    DeityTable table = g_pAmsaDeityTables[varga];
    if (varga == kD20Column)
        table = oddSign ? DeityTable(g_strD20DeitiesOdd) : DeityTable(g_strD20DeitiesEven);
    found.index = k % g_nAmsaDeityCounts[varga];
    found.name = table[static_cast<std::size_t>(found.index)];
    return found;
}
