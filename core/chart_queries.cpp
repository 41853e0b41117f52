// Queries of a chart: houses from the lagna, relationships, dignity, combustion and planetary war.
// Pure functions of the chart's tables and positions.
#include "core/angle_math.h"
#include "core/chart_record.h"
#include "core/option_appliers.h"
#include "core/planet_tables.h"
#include "core/sign_arithmetic.h"
#include "core/sign_rules.h"

// Natural (permanent) relationship of planet i to planet j, Sun .. Ketu at 0..8: 0 self, 2 friend,
// 3 neutral, 4 enemy.
const RelationTable g_nNaturalRelation = {{
    {0, 2, 2, 3, 2, 4, 4, 4, 4}, // Sun
    {2, 0, 3, 2, 3, 3, 3, 4, 4}, // Moon
    {2, 2, 0, 4, 2, 3, 3, 4, 2}, // Mars
    {2, 4, 3, 0, 3, 2, 3, 3, 3}, // Mercury
    {2, 2, 2, 4, 0, 4, 3, 3, 3}, // Jupiter
    {4, 4, 3, 2, 3, 0, 2, 2, 2}, // Venus
    {4, 4, 4, 2, 3, 2, 0, 2, 4}, // Saturn
    {4, 4, 4, 3, 3, 2, 2, 0, 2}, // Rahu
    {4, 4, 4, 3, 3, 2, 2, 2, 0}, // Ketu
}};

namespace {

// Pachakadi planets of Sun .. Saturn, by kind 0 Pachaka, 1 Bodhaka, 2 Karaka, 3 Vedhaka.
constexpr int kPachakadiPlanet[7][4] = {
    {7, 3, 5, 6}, // Sun: Saturn, Mars, Jupiter, Venus
    {6, 3, 7, 1}, // Moon: Venus, Mars, Saturn, Sun
    {1, 2, 7, 4}, // Mars: Sun, Moon, Saturn, Mercury
    {2, 5, 6, 3}, // Mercury: Moon, Jupiter, Venus, Mars
    {7, 3, 2, 1}, // Jupiter: Saturn, Mars, Moon, Sun
    {2, 4, 7, 1}, // Venus: Moon, Mercury, Saturn, Sun
    {6, 2, 5, 3}, // Saturn: Venus, Moon, Jupiter, Mars
};
// The house (counted from the planet) of each Pachakadi kind, for Sun .. Saturn.
constexpr int kPachakadiHouse[7][4] = {
    {6, 7, 9, 11}, {7, 9, 11, 3}, {2, 6, 11, 12}, {2, 4, 5, 3}, {6, 5, 7, 12}, {2, 6, 12, 4}, {3, 11, 6, 7},
};

constexpr double kCombustionOrb = 6.0; // degrees, Mars to Saturn; the others are never combust
constexpr double kWarOrb = 1.0;        // degrees
constexpr int kFirstMovableKarana = 7; // karanas 7-10 are ruled by the lords of the kendras

bool IsKendraOrTrikonaHouse(int house0) {
    return house0 % 3 == 0 || house0 % 4 == 0; // 1st, 4th, 7th, 10th; 5th, 9th
}

} // namespace

int CChartRecord::HouseFromLagna0(int c, int body) const {
    return PositiveMod(m_vargaSign.Sign(body, c) - m_vargaSign.Sign(kLagna, c), 12);
}

int CChartRecord::HouseFromLagna(int c, int body) const {
    return HouseFromLagna0(c, body) + 1;
}

int CChartRecord::RasiHouseFromLagna0(int body) const {
    return HouseFromLagna0(kD1Column, body);
}

int CChartRecord::RelationInVarga(int c, int p, int q) const {
    if (!g_bUseCompundRelationshipInAvasthas) return g_nNaturalRelation[p - 1][q - 1];
    return CompoundRelation(c, p, q);
}

int CChartRecord::CompoundRelation(int c, int p, int q) const {
    // The D-150 and Hadda columns have no relationship tables of their own: they read the rasi's.
    const int column = g_bCompoundRelationshipsFromRasi || !VargaColumnHoldsSign(c) ? kD1Column : c;
    return m_compoundRelation[column][p - 1][q - 1];
}

bool CChartRecord::IsMarakaInfluenced(int c, int sign) const {
    const int lagna = m_vargaSign.Sign(kLagna, c);
    const int second = SignFrom(lagna, 1);
    const int seventh = SignFrom(lagna, 6);
    for (int p = kSun; p <= kKetu; ++p) {
        const int placed = m_vargaSign.Sign(p, c);
        const bool maraka =
            placed == second || placed == seventh || IsLordOfSign(p, second) || IsLordOfSign(p, seventh);
        if (maraka && SignsAspect(placed, sign)) return true; // a sign "aspects" itself
    }
    return false;
}

bool CChartRecord::IsMarakaInfluencedOwnSign(int c, int body) const {
    return IsMarakaInfluenced(c, m_vargaSign.Sign(body, c));
}

bool CChartRecord::SignsAspectInVarga(int c, int a, int b) const {
    return SignsAspect(m_vargaSign.Sign(a, c), m_vargaSign.Sign(b, c));
}

bool CChartRecord::IsWellPlaced(int p, int c) const {
    const int sign = m_vargaSign.Sign(p, c);
    if (IsKendraOrTrikonaHouse(HouseFromLagna0(c, p)) || IsOwnOrExalted(c, p)) return true;
    const int dispositor = SignLordOpt(sign, c);
    if (g_nNaturalRelation[p - 1][dispositor - 1] == 2) return true;
    const int compound = m_compoundRelation[c][p - 1][dispositor - 1];
    return compound == 1 || compound == 2;
}

bool CChartRecord::IsOwnOrExalted(int c, int p) const {
    const int sign = m_vargaSign.Sign(p, c);
    return IsLordOfSign(p, sign) || sign == g_exaltationSigns[p];
}

bool CChartRecord::IsKendraOrTrikona(int c, int body) const {
    return IsKendraOrTrikonaHouse(HouseFromLagna0(c, body));
}

bool CChartRecord::OwnsSignFrom(int c, int p, int k) const {
    return IsLordOfSign(p, SignFrom(m_vargaSign.Sign(kLagna, c), k));
}

int CChartRecord::PachakadiRelation(int p, int kind) const {
    return kPachakadiPlanet[p - 1][kind];
}

int CChartRecord::PachakadiRelationInVarga(int c, int p, int kind) const {
    return SignFrom(m_vargaSign.Sign(p, c), kPachakadiHouse[p - 1][kind] - 1);
}

bool CChartRecord::IsCombust(int p) const {
    if (p < kMars || p > kSaturn) return false;
    const bool retrograde = m_bodies[p].m_bRetrograde != 0;
    if (g_bCombustionSpecialRuleVenusMercury) {
        if (p == kMercury && retrograde) return false;
        if (p == kVenus && !retrograde) return false;
    }
    return AngleDistance(m_bodies[p].m_dLongitude, m_bodies[kSun].m_dLongitude) <= kCombustionOrb;
}

bool CChartRecord::IsInPlanetaryWar(int p) const {
    for (int q = kSun; q <= kKetu; ++q) {
        if (q != p && AngleDiff(m_bodies[p].m_dLongitude, m_bodies[q].m_dLongitude) <= kWarOrb) return true;
    }
    return false;
}

bool CChartRecord::IsInPlanetaryWarAlt(int p) const {
    for (int q = kSun; q <= kKetu; ++q) {
        if (q != p && AngleDiff(m_bodies[q].m_dLongitude, m_bodies[p].m_dLongitude) <= kWarOrb) return true;
    }
    return false;
}

int CChartRecord::KaranaLord() const {
    const int karana = m_panchanga.m_nKarana;
    if (karana < kFirstMovableKarana) return karana + 1;
    return kPlainSignLords[SignFrom(m_bodies[kLagna].m_nSign, 3 * (karana - kFirstMovableKarana))];
}
