#pragma once
// How a transiting planet fares against the natal chart: its tara, the good and bad houses of its
// transit with their vedhas (obstructions), its kakshya and the natal ashtakavarga of the sign it
// transits, and the murthi of its entry into that sign. The transit tables and the transit calendar
// both judge with these. No Qt.
//
// Numbering: bodies 0 Lagna, 1 Sun .. 9 Ketu; signs 0 Aries .. 11 Pisces; houses 1-12 counted from a
// reference sign (1 = the reference sign itself); nakshatras 0-26 (13 deg 20' each); murthis
// 0 Swarna (golden), 1 Rajata (silver), 2 Taamra (copper), 3 Loha (iron). Longitudes are degrees.
#include <array>
#include <optional>

#include "core/calc_status.h"

class CAshtakavarga;
class CChartCore;

inline constexpr int kTaraCycle = 9; // Janma .. Parama Mitra

// Tara 0 (Janma) .. 8 (Parama Mitra) of the star a planet transits, counted from the natal Moon's star.
int TaraIndex(int transitStar, int natalMoonStar);
// Sampat, Kshema, Saadhana, Mitra, Parama Mitra and Janma are good; Vipat, Pratyak, Naidhana bad.
bool IsGoodTara(int tara);

// House 1-12 of `sign` counted from `reference`.
int HouseFrom(int sign, int reference);

// Transit quality of planet 1-9 in house 1-12: +1 good, -1 bad, 0 neither (traditional transit table).
int TransitHouseQuality(int planet, int house);
inline bool IsGoodTransitHouse(int planet, int house) {
    return TransitHouseQuality(planet, house) > 0;
}

// The house whose occupant obstructs planet 1-7 transiting its good house 1-12; 0 when there is none:
// a house that is not good for the planet, and every house of Rahu and Ketu, which have no vedha.
int VedhaHouse(int planet, int house);

// Who obstructs whom among the transiting planets Sun .. Ketu.
class VedhaMarks {
public:
    // `houses[b]` is planet b's house 1-12 from the reference, for b = 1 Sun .. 9 Ketu ([0] unread).
    // Every planet standing in the vedha house of a planet of Sun .. Saturn obstructs it, except the Sun
    // and Saturn, and the Moon and Mercury, which never obstruct each other.
    explicit VedhaMarks(const std::array<int, 10>& houses);
    // True when planet `by` (1-9) obstructs planet `planet`'s transit (1-9).
    bool Obstructs(int by, int planet) const { return m_marks[by][planet]; }
    // True when any planet obstructs `planet`'s transit; never for Rahu and Ketu.
    bool IsObstructed(int planet) const;

private:
    std::array<std::array<bool, 10>, 10> m_marks{}; // [by][planet]
};

// Kakshyas: a sign falls into eight of 3 deg 45'.
inline constexpr int kKakshyaCount = 8;
// Kakshya 0-7 of a longitude within its sign: 0 from 0 deg, 7 up to 30 deg.
int KakshyaIndex(double longitude);
// Lord of kakshya 0-7: Saturn, Jupiter, Mars, Sun, Venus, Mercury, Moon, Lagna (body numbers).
int KakshyaLord(int kakshya);

// The natal ashtakavarga of varga column `column` (0-28) as a transit reads it. Owners and
// contributors are bodies 0 Lagna .. 7 Saturn: Rahu and Ketu have no ashtakavarga, and get nothing.
//
// Bindus of `body` in `sign`.
std::optional<int> TransitBindus(const CAshtakavarga& natal, int column, int body, int sign);
// True when contributor `lord` (0-7) gave `body` a bindu in `sign`: the kakshya of that lord is good.
std::optional<bool> IsGoodKakshya(const CAshtakavarga& natal, int column, int body, int sign, int lord);

// The murthi of the house 1-12 the Moon occupied, counted from the natal Moon's sign.
int MurthiOfMoonHouse(int house);

// A planet's latest entry into the sign it occupies, and the murthi the Moon gave it then.
struct SignEntryMurthi {
    CalcStatus status;  // the search's failure (a moment outside the ephemeris); ok otherwise
    bool found = false; // false: no entry within the span searched (a node standing still)
    double jdUt = 0.0;  // the entry, UT Julian day, when found
    int murthi = 0;     // 0-3, when found
};
// The entry of planet 1-9 into the sign it occupies at `at`'s moment (searched backward from it; Ketu
// enters when Rahu enters the opposite sign), with the murthi of the Moon's D-1 sign then, counted from
// `natalMoonSign`. `at` holds the moment, the place and the sidereal positions of bodies 0-12.
SignEntryMurthi FindSignEntryMurthi(const CChartCore& at, int body, int natalMoonSign);
// The same murthi without the entry's time, for a chart that keeps only the murthi: decided from
// tropical positions when their error bound makes it certain (jdUt then stays 0), else as
// FindSignEntryMurthi finds it.
SignEntryMurthi FindSignEntryMurthiOnly(const CChartCore& at, int body, int natalMoonSign);
