// A body at its divisional longitude in a varga column: the longitude the child chart of the column
// holds it at.
#include <algorithm>
#include <cmath>

#include "core/chart_record.h"
#include "core/varga_math.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"
#include "core/varga_special.h"

bool IsOptionEnabled(int column) {
    switch (column) {
    case kD9Column:
        return g_nD9Preference == 2 || g_nD9Preference == 3;
    case kD2Column:
        return g_nHoraPreference == 6;
    case kD3Column:
        return g_nD3Preference == 2 || g_nD3Preference == 4;
    case kD7Column:
        return g_nD7Preference == 1 || g_nD7Preference == 2;
    case kD10Column:
        return g_nD10Preference >= 2 && g_nD10Preference <= 4;
    case kD11Column:
        return g_nD11Preference == 1;
    case kD12Column:
        return g_nD12Preference == 1;
    case kD16Column:
        return g_nD16Preference == 1;
    case kD20Column:
        return g_nD20Preference == 1;
    case kD24Column:
        return g_nD24Preference == 0;
    case kD27Column:
        return g_nD27Preference == 1;
    case kD60Column:
        return g_nD60Preference == 1 || g_nD60Preference == 2;
    default:
        return false;
    }
}

// A body record at its divisional longitude in a column (1-28): the divisor times its longitude (the
// D-30 degree rule for D-30 unless 1-degree parts are chosen; from the end of the sign where the
// column's variant counts so), in the given sign.
static CRasiLongitude DivisionalRecord(const CRasiLongitude& source, int column, int sign) {
    double longitude = g_vargaDivisors[column] * source.m_dLongitude;
    if (column == kD30Column && !g_bUse1DegInD30ForDivLong)
        longitude = D30DivisionalDegrees(source.DegreesInSign(), !IsOddSign(source.m_nSign));
    if (g_bDivLongFromEndToo && !IsOddSign(source.m_nSign) && IsOptionEnabled(column)) {
        const double wholeSigns = 30.0 * std::floor(longitude / 30.0);
        longitude = wholeSigns + (30.0 - (longitude - wholeSigns));
    }
    CRasiLongitude record;
    record.m_dLongitude = longitude;
    record.SplitLongitude();
    record.m_nSign = sign;
    record.JoinLongitude();
    // A split a hair below a sign's end gives 30 degrees of the sign; joined, that would be the next
    // sign's start (360 after Pisces). The record stays just inside the sign the table gives it.
    record.m_dLongitude = std::min(record.m_dLongitude, std::nextafter((sign + 1) * 30.0, 0.0));
    return record;
}

// A body of the parent at its divisional longitude in a column (1-28), in the sign the parent's varga
// table gives it. The composite "D-n of D-m" divides the body's record in the D-m chart by the rule
// of D-n. Columns that hold no sign (D-150, Hadda) give the D-1 sign, so such a child stays a rasi chart.
CRasiLongitude DivisionalLongitudeOf(VargaBodies bodies, const CVargaSignTable& signs, int body, int column) {
    const int sign = signs.Sign(body, column);
    if (column == kCompositeColumn && IsValidCompositeVarga(g_nDmDnChartDm, g_nDmDnChartDn))
        return DivisionalRecord(DivisionalLongitudeOf(bodies, signs, body, g_nDmDnChartDm), g_nDmDnChartDn,
                                sign);
    return DivisionalRecord(bodies[body], column, sign);
}

CRasiLongitude CChartRecord::DivisionalLongitude(int body, int column) const {
    return DivisionalLongitudeOf(m_bodies, m_vargaSign, body, column);
}
