// The six-fold strengths of the seven planets: sthana, dig, kala, cheshta, naisargika and drik bala,
// their totals, the ishta and kashta phala and the rashmis.
#include "analysis/shadbala.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "core/angle_math.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"
#include "core/drishti.h"
#include "core/julian_day.h"
#include "core/sign_arithmetic.h"

namespace {

// The point 180 degrees from each planet's deep exaltation point, where its uchcha bala is 0 (degrees;
// exaltation points of Parasara).
constexpr std::array<double, kShadbalaPlanets> kDebilitationPoint = {190, 213, 118, 345, 275, 177, 20};

// Virupas of a compound relationship by the chart's code 0 (the planet itself, its own sign), 1 great
// friend .. 5 great enemy; 45 for the moolatrikona (Parasara).
constexpr std::array<double, 6> kCompoundRelationValue = {30, 22.5, 15, 7.5, 3.75, 1.875};
constexpr double kMoolatrikonaValue = 45;
// Longitudes (degrees, both ends included) of each planet's moolatrikona in the rasi.
struct LongitudeRange {
    double from;
    double to;
};
constexpr std::array<LongitudeRange, kShadbalaPlanets> kMoolatrikonaRange = {
    {{120, 140}, {34, 50}, {0, 12}, {166, 170}, {240, 250}, {180, 195}, {300, 320}}};
constexpr std::array kSaptavargaRows = {CShadbala::kRowD1, CShadbala::kRowD2, CShadbala::kRowD3,
                                        CShadbala::kRowD7, CShadbala::kRowD9, CShadbala::kRowD12,
                                        CShadbala::kRowD30};

// Drekkana bala: the signs (after the D-1 sign) of the drekkana in which the planet is strong: the first
// for male planets, the second for neuters, the third for female planets.
constexpr std::array<int, kShadbalaPlanets> kDrekkanaStep = {0, 8, 0, 4, 0, 8, 4};

// Dig bala: degrees after the lagna of the point where the planet has no directional strength.
constexpr std::array<double, kShadbalaPlanets> kPowerlessPoint = {90, 270, 90, 180, 180, 270, 0};

// Declination (arc minutes) at 0, 15 .. 75 degrees from the equinox and the rise over each 15 degrees,
// for the ayana bala; 1440' (24 degrees, the obliquity of the Surya Siddhanta) at 90.
constexpr std::array<double, 6> kDeclinationAt = {0, 362, 703, 1002, 1238, 1388};
constexpr std::array<double, 6> kDeclinationStep = {362, 341, 299, 236, 150, 52};
// Sidereal to tropical for the ayana bala, degrees: a fixed approximation of the ayanamsa.
constexpr double kAyanaAyanamsa = 23;

// Naisargika bala (60 x 1/7 .. 7/7 by the planets' natural luminosity) and the rupas each planet needs to
// be strong (Parasara).
constexpr std::array<double, kShadbalaPlanets> kNaisargikaVirupas = {60,    51.43, 17.14, 25.7,
                                                                     34.28, 42.85, 8.57};
constexpr std::array<double, kShadbalaPlanets> kRequiredRupas = {5, 6, 5, 7, 6.5, 5.5, 5};

// Days from 1 January 1900 to a date, both Gregorian; negative before it.
double DaysSince1900(int year, int month, int day) {
    return JulianDay(year, month, day, 0.0, kGregorianCalendar) -
           JulianDay(1900, 1, 1, 0.0, kGregorianCalendar);
}

double Packed(const CHmsTime& time) {
    CHmsTime split = time;
    split.SplitHours();
    const double magnitude = split.m_nHours + split.m_nMinutes / 100.0 + split.m_dSeconds / 6000.0;
    return split.m_bPositive ? magnitude : -magnitude;
}

} // namespace

double AyanaDeclination(double longitude) {
    // No place gives no declination, and must never pick a step of the table.
    if (!std::isfinite(longitude)) return std::numeric_limits<double>::quiet_NaN();
    const double tropical = Reduce360(longitude + kAyanaAyanamsa);
    double x = tropical > 180.0 ? 360.0 - tropical : tropical;
    if (x > 90.0) x = 180.0 - x;
    const int step = std::min(static_cast<int>(x / 15.0), 5);
    const double arcMinutes = kDeclinationAt[step] + kDeclinationStep[step] * (x - 15.0 * step) / 15.0;
    return tropical >= 180.0 ? -arcMinutes / 60.0 : arcMinutes / 60.0;
}

void CShadbala::Compute(const CChartRecord& chart) {
    CopyInputs(chart);
    ComputeComponent();
    ComputeUchcha();
    ComputeSaptavargaja(chart);
    ComputeOjaYugma();
    ComputeKendra();
    ComputeDrekkana();
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        Value(i, kSthanaBala) = Value(i, kUchcha) + Value(i, kSaptavargaja) + Value(i, kOjaYugma) +
                                Value(i, kKendra) + Value(i, kDrekkana);
    }
    ComputeDigBala();
    ComputeNatonnata();
    ComputePaksha();
    ComputeTribhaga();
    ComputeYearMonthDayLords();
    ComputeHora();
    ComputeAyana();
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        Value(i, kYuddha) = 0.0; // planetary war is not counted
        double kaala = 0.0;
        for (Item item : {kNatonnata, kPaksha, kTribhaga, kAbda, kMaasa, kVaara, kHora, kAyana, kYuddha})
            kaala += Value(i, item);
        Value(i, kKaalaBala) = kaala;
    }
    ComputeCheshta();
    ComputeNaisargika();
    ComputeDrigBala();
    ComputeTotals();
    ComputePhalaAndRashmis();
    ComputeBhavaBala();
    ComputePanchaVargeeya();
    ComputeDwadasaVargeeya(chart);
}

void CShadbala::CopyInputs(const CChartRecord& chart) {
    Inputs& in = m_inputs;
    in.m_bDayBirth = chart.m_sunriseFrame.m_bDayBirth;
    in.m_dGhatisSinceSunrise = chart.m_sunriseFrame.m_dGhatisSinceStart;
    in.m_dDayLength = chart.m_sunriseFrame.m_dDayLength;
    in.m_dNightLength = chart.m_sunriseFrame.m_dNightLength;
    in.m_nDayCount = chart.m_currentDay.m_nDayNumber;
    in.m_dMonth = chart.m_dateTime.m_nMonth;
    in.m_dDay = chart.m_dateTime.m_nDay;
    in.m_dYear = chart.m_dateTime.m_nYear;
    in.m_dPackedTime = Packed(chart.m_dateTime.m_time);
    in.m_dPackedZone = Packed(chart.m_dateTime.m_zone);
    constexpr std::array<int, 7> kColumns = {kD1Column, kD2Column,  kD3Column, kD7Column,
                                             kD9Column, kD12Column, kD30Column};
    for (int b = 0; b < 10; ++b) {
        in.m_dLongitude[b] = chart.m_bodies[b].m_dLongitude;
        for (std::size_t row = 0; row < kColumns.size(); ++row)
            in.m_nSign[row][b] = chart.m_vargaSign.Sign(b, kColumns[row]);
        in.m_nSign[kRowHaddaLord][b] = chart.m_vargaSign.HaddaLord(b);
    }
}

double CShadbala::Longitude(int i) const {
    return m_inputs.m_dLongitude[i + 1];
}

int CShadbala::SignIn(InputRow row, int i) const {
    return m_inputs.m_nSign[row][i + 1];
}

void CShadbala::ComputeComponent() {
    m_nNature[kMoonIndex] = AngleDistance(Longitude(kMoonIndex), Longitude(kSunIndex)) >= 90.0 ? 1 : -1;

    // Mercury takes the nature of the planets it conjoins or opposes (within 15 degrees), and at three
    // quarters weight of those whose special aspects fall on it.
    struct SpecialAspect {
        int planet;
        double angles[2];
    };
    constexpr SpecialAspect kSpecialAspects[] = {
        {kMarsIndex, {90, 210}}, {kJupiterIndex, {120, 240}}, {kSaturnIndex, {60, 270}}};
    double sum = 0.0;
    bool influenced = false;
    for (int p = 0; p < kShadbalaPlanets; ++p) {
        if (p == kMercuryIndex) continue;
        const double d = Reduce360(Longitude(kMercuryIndex) - Longitude(p));
        if (d <= 15.0 || d >= 345.0 || (d >= 165.0 && d <= 195.0)) {
            sum += m_nNature[p];
            influenced = true;
        }
        for (const SpecialAspect& aspect : kSpecialAspects) {
            if (aspect.planet != p) continue;
            for (double angle : aspect.angles) {
                if (d >= angle - 15.0 && d <= angle + 15.0) {
                    sum += 0.75 * m_nNature[p];
                    influenced = true;
                }
            }
        }
    }
    m_nNature[kMercuryIndex] = sum > 0.0 || (sum == 0.0 && !influenced) ? 1 : -1;
}

void CShadbala::ComputeUchcha() {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        Value(i, kUchcha) = AngleDistance(Longitude(i), kDebilitationPoint[i]) / 3.0;
        Value(i, kUchchaRashmi) = (Value(i, kUchcha) * 0.1 + 1.0) * 2.0;
    }
}

// The relation in every varga is the compound relationship of the rasi chart: natural friendship plus
// the temporal one of the D-1 signs, as the chart keeps it.
void CShadbala::ComputeSaptavargaja(const CChartRecord& chart) {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        double total = 0.0;
        for (InputRow row : kSaptavargaRows) {
            const LongitudeRange& moolatrikona = kMoolatrikonaRange[i];
            if (row == kRowD1 && Longitude(i) >= moolatrikona.from && Longitude(i) <= moolatrikona.to) {
                total += kMoolatrikonaValue;
                continue;
            }
            const int lord = SignLordPlain(SignIn(row, i));
            total += kCompoundRelationValue[chart.CompoundRelation(kD1Column, i + 1, lord)];
        }
        Value(i, kSaptavargaja) = total;
    }
}

void CShadbala::ComputeOjaYugma() {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        // The Moon and Venus are strong in even signs, the others in odd signs.
        const bool wantsOdd = i != kMoonIndex && i != kVenusIndex;
        double value = 0.0;
        if (IsOddSign(SignIn(kRowD1, i)) == wantsOdd) value += 15.0;
        if (IsOddSign(SignIn(kRowD9, i)) == wantsOdd) value += 15.0;
        Value(i, kOjaYugma) = value;
    }
}

void CShadbala::ComputeKendra() {
    constexpr std::array<double, 3> kByHouseKind = {60, 30, 15}; // kendra, panapara, apoklima
    const int lagna = m_inputs.m_nSign[kRowD1][kLagna];
    for (int i = 0; i < kShadbalaPlanets; ++i)
        Value(i, kKendra) = kByHouseKind[PositiveMod(SignIn(kRowD1, i) - lagna, 12) % 3];
}

void CShadbala::ComputeDrekkana() {
    for (int i = 0; i < kShadbalaPlanets; ++i)
        Value(i, kDrekkana) = SignIn(kRowD3, i) == (SignIn(kRowD1, i) + kDrekkanaStep[i]) % 12 ? 15.0 : 0.0;
}

void CShadbala::ComputeDigBala() {
    const double lagna = m_inputs.m_dLongitude[kLagna];
    for (int i = 0; i < kShadbalaPlanets; ++i)
        Value(i, kDigBala) = AngleDistance(Longitude(i), lagna + kPowerlessPoint[i]) / 3.0;
}

void CShadbala::ComputeNatonnata() {
    double x = Reduce360(m_inputs.m_dLongitude[kLagna] - Longitude(kSunIndex) + 90.0);
    x = std::min(x, 360.0 - x) / 3.0;
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        // Day-strong planets grow towards noon, night-strong ones towards midnight; Mercury is always strong.
        switch (i) {
        case kSunIndex:
        case kJupiterIndex:
        case kVenusIndex:
            Value(i, kNatonnata) = x;
            break;
        case kMercuryIndex:
            Value(i, kNatonnata) = 60.0;
            break;
        default:
            Value(i, kNatonnata) = 60.0 - x;
        }
    }
}

void CShadbala::ComputePaksha() {
    const double elongation = AngleDistance(Longitude(kMoonIndex), Longitude(kSunIndex));
    for (int i = 0; i < kShadbalaPlanets; ++i)
        Value(i, kPaksha) = m_nNature[i] == 1 ? elongation / 3.0 : 60.0 - elongation / 3.0;
    Value(kMoonIndex, kPaksha) *= 2.0;
}

void CShadbala::ComputeTribhaga() {
    for (int i = 0; i < kShadbalaPlanets; ++i) Value(i, kTribhaga) = 0.0;
    Value(kJupiterIndex, kTribhaga) = 60.0;
    // The lords of the three thirds of the day and of the night.
    constexpr std::array<int, 3> kDayThirds = {kMercuryIndex, kSunIndex, kSaturnIndex};
    constexpr std::array<int, 3> kNightThirds = {kMoonIndex, kVenusIndex, kMarsIndex};
    const double t = m_inputs.m_dGhatisSinceSunrise;
    const double day = m_inputs.m_dDayLength;
    const double night = m_inputs.m_dNightLength;
    if (m_inputs.m_bDayBirth) {
        if (day > 0.0) Value(kDayThirds[PositiveMod(static_cast<int>(t / (day / 3.0)), 3)], kTribhaga) = 60.0;
    } else if (night > 0.0) {
        Value(kNightThirds[PositiveMod(static_cast<int>((t - day) / (night / 3.0)), 3)], kTribhaga) = 60.0;
    }
}

void CShadbala::ComputeYearMonthDayLords() {
    const int days = m_inputs.m_nDayCount;
    // The lord of a weekday count w (a multiple of 7 counting as 7) is planet index (w + 2) mod 7.
    auto lord = [](int weekdayCount) { return PositiveMod(weekdayCount + 2, 7); };
    for (int i = 0; i < kShadbalaPlanets; ++i) Value(i, kAbda) = Value(i, kMaasa) = Value(i, kVaara) = 0.0;
    Value(lord((days / 360) * 3 + 1), kAbda) = 15.0;
    Value(lord((days / 30) * 2 + 1), kMaasa) = 30.0;
    m_inputs.m_nWeekdayLord = lord(days);
    Value(m_inputs.m_nWeekdayLord, kVaara) = 45.0;
}

void CShadbala::ComputeHora() {
    // Position of each weekday lord in the hora sequence, and that sequence (Saturn, Jupiter, Mars, Sun,
    // Venus, Mercury, Moon).
    constexpr std::array<int, kShadbalaPlanets> kSequenceStart = {3, 6, 2, 5, 1, 4, 0};
    constexpr std::array<int, kShadbalaPlanets> kHoraSequence = {
        kSaturnIndex, kJupiterIndex, kMarsIndex, kSunIndex, kVenusIndex, kMercuryIndex, kMoonIndex};
    for (int i = 0; i < kShadbalaPlanets; ++i) Value(i, kHora) = 0.0;
    const int hours = static_cast<int>(m_inputs.m_dGhatisSinceSunrise * 0.4); // 1 ghati = 0.4 hours
    Value(kHoraSequence[PositiveMod(kSequenceStart[m_inputs.m_nWeekdayLord] + hours, 7)], kHora) = 60.0;
}

void CShadbala::ComputeAyana() {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        double declination = AyanaDeclination(Longitude(i));
        // The Moon and Saturn are strong in southern declination, Mercury in either.
        if (i == kMoonIndex || i == kSaturnIndex) declination = -declination;
        if (i == kMercuryIndex) declination = std::fabs(declination);
        Value(i, kAyana) = (declination + 24.0) * 1.25;
    }
    Value(kSunIndex, kAyana) *= 2.0;
}

void CShadbala::ComputeCheshta() {
    Value(kSunIndex, kCheshtaBala) = AngleDistance(Longitude(kSunIndex), -113.0) / 3.0;
    Value(kMoonIndex, kCheshtaBala) = AngleDistance(Longitude(kMoonIndex), Longitude(kSunIndex)) / 3.0;

    // Sighrocca M and mean longitude S of the five star planets (degrees) from their mean motions since
    // 1900, the elements the traditional shadbala worksheets use; the day is reckoned from the zone
    // and time in their packed hours-and-minutes form.
    const int year = static_cast<int>(m_inputs.m_dYear);
    const double Y = year - 1900;
    const double D =
        DaysSince1900(year, static_cast<int>(m_inputs.m_dMonth), static_cast<int>(m_inputs.m_dDay)) +
        ((m_inputs.m_dPackedZone + 76.0) / 15.0 + m_inputs.m_dPackedTime) / 24.0;
    const double meanSun = 257.4568 + 0.98560265 * D;
    struct MeanPlaces {
        int planet;
        double sighrocca;
        double meanLongitude;
    };
    const MeanPlaces places[] = {
        {kMarsIndex, meanSun, 270.22 + 0.524019 * D},
        {kMercuryIndex, 164.0 + 6.67 + 4.092318 * D - 0.00133 * Y, meanSun},
        {kJupiterIndex, meanSun, 220.04 - 3.33 + 0.083096 * D - 0.0067 * Y},
        {kVenusIndex, 328.51 - 5.0 + 1.602146 * D - 0.001 * Y, meanSun},
        {kSaturnIndex, meanSun, 236.74 + 5.0 + 0.033439 * D + 0.001 * Y},
    };
    for (const MeanPlaces& place : places) {
        const double M = Reduce360(place.sighrocca);
        const double S = Reduce360(place.meanLongitude);
        Value(place.planet, kCheshtaBala) = AngleDistance(M, (S + Longitude(place.planet)) / 2.0) / 3.0;
    }
    for (int i = 0; i < kShadbalaPlanets; ++i)
        Value(i, kCheshtaRashmi) = (Value(i, kCheshtaBala) * 0.1 + 1.0) * 2.0;
}

void CShadbala::ComputeNaisargika() {
    for (int i = 0; i < kShadbalaPlanets; ++i) Value(i, kNaisargikaBala) = kNaisargikaVirupas[i];
}

void CShadbala::ComputeDrigBala() {
    for (int t = 0; t < kShadbalaPlanets; ++t) {
        double sum = 0.0;
        for (int a = 0; a < kShadbalaPlanets; ++a) {
            // From the aspecting planet forward to the aspected one; percent of a full aspect to virupas.
            const double virupas = 0.6 * DrishtiStrength(Longitude(t), Longitude(a), a + 1);
            sum += m_nNature[a] == 1 ? virupas : -virupas;
        }
        Value(t, kDrigBala) = 0.25 * sum;
    }
}

void CShadbala::ComputeTotals() {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        double total = Value(i, kSthanaBala) + Value(i, kDigBala) + Value(i, kKaalaBala) +
                       Value(i, kNaisargikaBala) + Value(i, kDrigBala);
        // The cheshta bala of the luminaries is shown but not counted.
        if (i >= kMarsIndex) total += Value(i, kCheshtaBala);
        Value(i, kShadbala) = total;
        Value(i, kShadbalaRupas) = total / 60.0;
        Value(i, kPercentStrength) = Value(i, kShadbalaRupas) * 100.0 / kRequiredRupas[i];
    }
}

void CShadbala::ComputePhalaAndRashmis() {
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        const double uchcha = Value(i, kUchcha);
        const double cheshta = Value(i, kCheshtaBala);
        const double uchchaRashmi = Value(i, kUchchaRashmi);
        const double cheshtaRashmi = Value(i, kCheshtaRashmi);
        Value(i, kIshtaPhala) = std::sqrt(uchcha * cheshta);
        Value(i, kKashtaPhala) = std::sqrt((60.0 - uchcha) * (60.0 - cheshta));
        Value(i, kSubhaRashmi) = (uchchaRashmi / 2.0 + cheshtaRashmi / 2.0) / 2.0;
        Value(i, kAsubhaRashmi) = 8.0 - Value(i, kSubhaRashmi);
        Value(i, kIshtaParasara) = ((uchchaRashmi / 2.0 - 1.0) + (cheshtaRashmi / 2.0 - 1.0)) * 5.0;
        Value(i, kKashtaParasara) = 60.0 - Value(i, kIshtaParasara);
    }
}
