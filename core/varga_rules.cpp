#include "core/varga_rules.h"

#include "core/planet_tables.h"
#include "core/varga_math.h"
#include "core/varga_tables.h"

namespace {

// Start sign offsets by the sign's quality (movable, fixed, dual) or element (fire, earth, air, water).
constexpr int kFromFifthNinth[3] = {0, 4, 8}; // movable 1st, fixed 5th, dual 9th
constexpr int kFromNinthFifth[3] = {0, 8, 4}; // movable 1st, fixed 9th, dual 5th
constexpr int kByElement[4] = {0, 3, 6, 9};

// Lord 0 Mars, 1 Saturn, 2 Jupiter, 3 Mercury, 4 Venus of a five-lord part, from the degrees counted
// from the start of an odd sign or the end of an even one. A part's upper limit belongs to it, except
// that the first part ends before its limit.
int FiveLordPart(double degrees, const int (&limits)[4]) {
    if (degrees < limits[0]) return 0;
    for (int part = 1; part < 4; ++part) {
        if (degrees <= limits[part]) return part;
    }
    return 4;
}

int FiveLordPartSign(const CRasiLongitude& body, const int (&limits)[4]) {
    const double d = DegreesInto(body);
    const bool odd = IsOddSign(body.m_nSign);
    return kFiveLordSign[odd ? 0 : 1][FiveLordPart(odd ? d : 30.0 - d, limits)];
}

} // namespace

int D1Sign(const CRasiLongitude& body) {
    return Mod12(body.m_nSign);
}

int NavamsaSign(const CRasiLongitude& body, int variant) {
    const double longitude = body.m_dLongitude;
    const int navamsa = Trunc(0.3 * longitude);
    const int k = Trunc(0.3 * DegreesInto(body));
    const int sign = Mod12(Trunc(longitude / 30.0));
    const int start = Mod12(sign + kFromNinthFifth[sign % 3]);
    switch (variant) {
    case 1: {
        const int regular = Mod12(navamsa);
        return Trunc(longitude / 40.0) % 2 == 1 ? kMirrorSign[regular] : regular;
    }
    case 2:
        return IsOddSign(sign) ? Mod12(start + k) : Mod12(start - k);
    case 3:
        return IsOddSign(sign) ? Mod12(start + k) : Mod12(start + 8 - k);
    default:
        return Mod12(navamsa);
    }
}

int ParasaraHoraSign(const CRasiLongitude& body) {
    const int q = Trunc((body.m_dLongitude / 15.0 + 1.0) / 2.0);
    return q % 2 == 1 ? kCancer : kLeo;
}

int HoraSideSign(int sign, int row, bool keep) {
    sign = Mod12(sign);
    if (!keep && (sign == kCancer || sign == kLeo)) return sign;
    return kLordSideSign[row != 0 ? 1 : 0][sign];
}

int HoraSign(const CRasiLongitude& body, int variant) {
    const int s = Mod12(body.m_nSign);
    const double d = DegreesInto(body);
    const int h = d < 15.0 ? 0 : 1;
    const bool odd = IsOddSign(s);
    const int sunRow = (odd == (h == 0)) ? 1 : 0; // Sun hora: first half of odd, second half of even
    switch (variant) {
    case 1:
        return kLuminaryHalfSign[ParasaraHoraSign(body) == kLeo ? 1 : 0][s];
    case 2:
        return CyclicSign(body.m_dLongitude, 2);
    case 3:
        return Mod12(s + 6 * h);
    case 4:
        return Mod12(s + 2 * h);
    case 5:
        return HoraSideSign(s, sunRow, true);
    case 6: {
        const double mirrored = odd ? body.m_dLongitude : 30.0 * s + (30.0 - d);
        return Mod12(Trunc(mirrored / 15.0));
    }
    case 7:
        return Mod12(s + 10 * h);
    case 8:
    case 9:
        return HoraSideSign(h == 0 ? s : s + 10, sunRow, variant == 9);
    case 10:
    case 11: {
        const int base = odd ? s : s + 11;
        return HoraSideSign(h == 0 ? base + 2 : base + 7, sunRow, variant == 11);
    }
    default:
        return ParasaraHoraSign(body);
    }
}

int DrekkanaSign(const CRasiLongitude& body, int variant) {
    static constexpr int kUmaShambhu[12] = {0, 1, 2, 5, 4, 3, 6, 7, 8, 11, 10, 9};
    const int s = Mod12(body.m_nSign);
    const int k = Trunc(DegreesInto(body) / 10.0);
    switch (variant) {
    case 1:
        return CyclicSign(body.m_dLongitude, 3);
    case 2: {
        const int v = Mod12(3 * (s / 2) + k);
        return IsOddSign(s) ? v : 11 - v;
    }
    case 3:
        return Mod12(9 * (s % 4) + 4 * k);
    case 4:
        return kUmaShambhu[CyclicSign(body.m_dLongitude, 3)];
    default:
        return Mod12(s + 4 * k);
    }
}

int D4Sign(const CRasiLongitude& body, int variant) {
    if (variant == 1) return CyclicSign(body.m_dLongitude, 4);
    return Mod12(body.m_nSign + 3 * Trunc(4.0 * DegreesInto(body) / 30.0));
}

int D5Sign(const CRasiLongitude& body, int variant) {
    static constexpr int kLimits[4] = {6, 12, 18, 24};
    if (variant == 1) return CyclicSign(body.m_dLongitude, 5);
    return FiveLordPartSign(body, kLimits);
}

int D6Sign(const CRasiLongitude& body) {
    return CyclicSign(body.m_dLongitude, 6);
}

int D7Sign(const CRasiLongitude& body, int variant) {
    const int s = body.m_nSign;
    const int k = Trunc(7.0 * DegreesInto(body) / 30.0);
    if (variant == 1 || variant == 2) {
        if (IsOddSign(s)) return Mod12(s + k);
        return variant == 1 ? Mod12(s + 6 - k) : Mod12(s - k);
    }
    return CyclicSign(body.m_dLongitude, 7);
}

int D8Sign(const CRasiLongitude& body, int variant) {
    if (variant != 1) return CyclicSign(body.m_dLongitude, 8);
    const int s = Mod12(body.m_nSign);
    return Mod12(kFromFifthNinth[s % 3] + Trunc(8.0 * DegreesInto(body) / 30.0));
}

int D10Sign(const CRasiLongitude& body, int variant) {
    if (variant == 1) return CyclicSign(body.m_dLongitude, 10);
    const int s = body.m_nSign;
    const int k = Trunc(DegreesInto(body) / 3.0);
    if (IsOddSign(s)) return Mod12(s + k);
    switch (variant) {
    case 2:
        return Mod12(s + 20 - k);
    case 3:
        return Mod12(s + 17 - k);
    case 4:
        return Mod12(s + 16 - k);
    default:
        return Mod12(s + 8 + k);
    }
}

int D11Sign(const CRasiLongitude& body, int variant) {
    const int s = body.m_nSign;
    const int k = Trunc(11.0 * DegreesInto(body) / 30.0);
    return variant == 1 ? Mod12(s - k + 11) : Mod12(k - s);
}

int D12Sign(const CRasiLongitude& body, int variant) {
    int k = Trunc(0.4 * DegreesInto(body));
    if (variant == 1 && !IsOddSign(body.m_nSign)) k = 11 - k;
    return Mod12(body.m_nSign + k);
}

int D16Sign(const CRasiLongitude& body, int variant) {
    const int s = Mod12(body.m_nSign);
    int k = Trunc(16.0 * DegreesInto(body) / 30.0);
    if (variant == 1 && !IsOddSign(s)) k = 15 - k;
    return Mod12(kFromFifthNinth[s % 3] + k);
}

int D20Sign(const CRasiLongitude& body, int variant) {
    const int s = Mod12(body.m_nSign);
    int k = Trunc(20.0 * DegreesInto(body) / 30.0);
    if (variant == 1 && !IsOddSign(s)) k = 19 - k;
    return Mod12(kFromNinthFifth[s % 3] + k);
}

int D24Sign(const CRasiLongitude& body, int variant) {
    const int k = Trunc(0.8 * DegreesInto(body));
    if (IsOddSign(body.m_nSign) || variant == 2) return Mod12(4 + k);
    return variant == 1 ? Mod12(3 + k) : Mod12(3 - k);
}

int D27Sign(const CRasiLongitude& body, int variant) {
    const int s = Mod12(body.m_nSign);
    int k = Trunc(0.9 * DegreesInto(body));
    if (variant == 1 && !IsOddSign(s)) k = 26 - k;
    return Mod12(kByElement[s % 4] + k);
}

int D30Sign(const CRasiLongitude& body, int variant) {
    static constexpr int kLimits[4] = {5, 10, 18, 25};
    switch (variant) {
    case 1:
        return Mod12(Trunc(body.m_dLongitude));
    case 2:
        return Mod12(body.m_nSign + Trunc(DegreesInto(body)));
    default:
        return FiveLordPartSign(body, kLimits);
    }
}

double D30DivisionalDegrees(double degreesInSign, bool evenSign) {
    static constexpr double kStart[5] = {0, 5, 10, 18, 25};
    static constexpr double kWidth[5] = {5, 5, 8, 7, 5};
    const double d = evenSign ? 30.0 - degreesInSign : degreesInSign;
    int part = 4;
    while (part > 0 && d < kStart[part]) --part;
    double offset = d - kStart[part];
    if (evenSign) offset = kWidth[part] - offset;
    return offset * 30.0 / kWidth[part];
}

int D40Sign(const CRasiLongitude& body) {
    return Mod12((IsOddSign(body.m_nSign) ? 0 : 6) + Trunc(4.0 * DegreesInto(body) / 3.0));
}

int D45Sign(const CRasiLongitude& body) {
    return Mod12(kFromFifthNinth[Mod12(body.m_nSign) % 3] + Trunc(1.5 * DegreesInto(body)));
}

int D60Sign(const CRasiLongitude& body, int variant) {
    const int s = body.m_nSign;
    const int k = Trunc(2.0 * DegreesInto(body));
    switch (variant) {
    case 1:
        return IsOddSign(s) ? Mod12(s + k) : Mod12(s + 59 - k);
    case 2:
        return IsOddSign(s) ? Mod12(k) : Mod12(59 - k);
    case 3:
        return Mod12(k);
    default:
        return Mod12(s + k);
    }
}

int D81Sign(const CRasiLongitude& body, int variant) {
    const double longitude = body.m_dLongitude;
    const int navamsa = Trunc(0.3 * longitude);
    int navamsaSign = Mod12(navamsa);
    double inNavamsa = 9.0 * (longitude - navamsa * 10.0 / 3.0); // scaled to 0-30 degrees
    const bool kalachakra = variant == 1;
    if (kalachakra && Trunc(longitude / 40.0) % 2 == 1) {
        inNavamsa = 30.0 - inNavamsa;
        navamsaSign = kMirrorSign[navamsaSign];
    }
    const double x = 30.0 * navamsaSign + inNavamsa;
    const int sign = Mod12(Trunc(0.3 * x));
    return kalachakra && Trunc(x / 40.0) % 2 == 1 ? kMirrorSign[sign] : sign;
}

int D108Sign(const CRasiLongitude& body, int variant, int navamsaSign) {
    const int k = Trunc(3.6 * DegreesInto(body));
    return Mod12((variant == 1 ? navamsaSign : body.m_nSign) + k);
}

int D144Sign(const CRasiLongitude& body, int dwadasamsaSign) {
    return Mod12(dwadasamsaSign + Trunc(4.8 * DegreesInto(body)));
}
