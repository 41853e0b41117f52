#include "document/dasa_nakshatra.h"

#include <cmath>

#include "core/angle_math.h"
#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/sign_arithmetic.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "document/dasa_cycle.h"
#include "document/document_options.h"

namespace {

// Vimsottari: Ketu, Venus, Sun, Moon, Mars, Rahu, Jupiter, Saturn, Mercury; 120 years.
constexpr int kVimsottariLords[] = {kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury};
constexpr double kVimsottariYears[] = {7, 20, 6, 10, 7, 18, 16, 19, 17};
constexpr int kAshtottariLords[] = {kSun, kMoon, kMars, kMercury, kSaturn, kJupiter, kRahu, kVenus};
constexpr double kAshtottariYears[] = {6, 15, 8, 17, 10, 19, 12, 21};
constexpr int kAshtottariGroups[] = {4, 3, 4, 3, 4, 3, 4, 3}; // nakshatras of each lord, from Ardra
constexpr int kShashtiHayaniLords[] = {kJupiter, kSun, kMars, kMoon, kMercury, kVenus, kSaturn, kRahu};
constexpr double kShashtiHayaniYears[] = {10, 10, 10, 6, 6, 6, 6, 6};
constexpr int kShashtiHayaniGroups[] = {3, 4, 3, 4, 3, 4, 3, 4}; // from Aswini
constexpr int kYoginiLords[] = {kMars, kMercury, kSaturn, kVenus, kRahu, kMoon, kSun, kJupiter};
constexpr double kYoginiYears[] = {4, 5, 6, 7, 8, 1, 2, 3};
constexpr int kTithiAshtottariLords[] = {kVenus, kSun, kMoon, kMars, kMercury, kSaturn, kJupiter, kRahu};
constexpr double kTithiAshtottariYears[] = {21, 6, 15, 8, 17, 10, 19, 12};
constexpr int kSevenPlanets[] = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn};
constexpr double kTwelveYearsEach[] = {12, 12, 12, 12, 12, 12, 12};
constexpr int kDwiSaptatiLords[] = {kSun, kMoon, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu};
constexpr double kNineYearsEach[] = {9, 9, 9, 9, 9, 9, 9, 9};
constexpr int kShatTrimsaLords[] = {kMoon, kSun, kJupiter, kMars, kMercury, kSaturn, kVenus, kRahu};
constexpr double kShatTrimsaYears[] = {1, 2, 3, 4, 5, 6, 7, 8};
constexpr int kDwadasottariLords[] = {kSun, kJupiter, kKetu, kMercury, kRahu, kMars, kSaturn, kMoon};
constexpr double kDwadasottariYears[] = {7, 9, 11, 13, 15, 17, 19, 21};
constexpr int kSataabdikaLords[] = {kSun, kMoon, kVenus, kMercury, kJupiter, kMars, kSaturn};
constexpr double kSataabdikaYears[] = {5, 5, 10, 10, 20, 20, 30};
constexpr int kShodasottariLords[] = {kSun, kMars, kJupiter, kSaturn, kKetu, kMoon, kMercury, kVenus};
constexpr double kShodasottariYears[] = {11, 12, 13, 14, 15, 16, 17, 18};
constexpr int kPanchottariLords[] = {kSun, kMercury, kSaturn, kMars, kVenus, kMoon, kJupiter};
constexpr double kPanchottariYears[] = {12, 13, 14, 15, 16, 17, 18};
// The lord of each tithi 0-29.
constexpr int kTithiLords[30] = {1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 7,
                                 1, 2, 3, 4, 5, 6, 7, 8, 1, 2, 3, 4, 5, 6, 8};
// The lord of each yoga, by yoga mod 9.
constexpr int kYogaLords[9] = {kSaturn, kMercury, kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter};
constexpr int kSaptarshiPeriods = 10;
constexpr double kSaptarshiYears = 10.0;
constexpr int kNakshatras28 = 28;
constexpr int kAshtottariAnchor = 5; // Ardra
constexpr int kShashtiHayaniAnchor = 0;

// Codes 3-10: a cycle of lords entered from the seed's nakshatra counted on from an anchor.
constexpr int kFirstCycleCode = 3;
constexpr int kLastCycleCode = 10;
constexpr NakshatraCycle kCycleDasas[] = {
    {kYoginiLords, kYoginiYears, 0, 1, true},
    {kDwiSaptatiLords, kNineYearsEach, 9, 1, false},
    {kShatTrimsaLords, kShatTrimsaYears, 6, 1, true},
    {kDwadasottariLords, kDwadasottariYears, 53, -1, false},
    {kSevenPlanets, kTwelveYearsEach, 13, 1, false},
    {kSataabdikaLords, kSataabdikaYears, 1, 1, false},
    {kShodasottariLords, kShodasottariYears, 20, 1, false},
    {kPanchottariLords, kPanchottariYears, 11, 1, false},
};

// Start longitude and span of nakshatra k of the 28 (Abhijit at 21), degrees.
constexpr double kUttarashadhaStart = 20 * kNakshatraDegrees;
constexpr double kAbhijitStart = kUttarashadhaStart + 10.0;
constexpr double kSravanaStart = 280.0 + 53.0 / 60.0 + 40.0 / 3600.0; // 280 deg 53' 40"
constexpr double kDhanishtaStart = 22 * kNakshatraDegrees;

double Nakshatra28Start(int k) {
    if (k <= 20) return k * kNakshatraDegrees;
    if (k == 21) return kAbhijitStart;
    if (k == 22) return kSravanaStart;
    return (k - 1) * kNakshatraDegrees;
}
double Nakshatra28Span(int k) {
    if (k == 20) return kAbhijitStart - kUttarashadhaStart;
    if (k == 21) return kSravanaStart - kAbhijitStart;
    if (k == 22) return kDhanishtaStart - kSravanaStart;
    return kNakshatraDegrees;
}

// The note's pieces of a nakshatra dasa: the short text the dispatcher put there, then the variations.
void AppendVariations(CDasaTree& tree, const NakshatraDasaOptions& options, bool shiftApplies) {
    if (options.reverse) AppendNote(tree, "reverse");
    if (options.varga != 0) AppendNote(tree, "using " + g_vargaNames[options.varga]);
    if (shiftApplies && options.shift != 0)
        AppendNote(tree, "shift of " + std::to_string(options.shift) + " stars");
}

const CDasaSeed& SeedOf(const CChart& seedChart, const NakshatraDasaOptions& options) {
    const int point = std::clamp(options.startPoint, 0, kDasaSeedCount - 1);
    g_strDasaSeedName = g_dasaSeedNames[point];
    g_bDasaSeedNameValid = true;
    return seedChart.m_panchanga.m_dasaSeed[point];
}

// Seeds that are a lord number 1..n advance by the Tajaka year: ((y + l - 1) mod n) + 1.
int ProgressedLord(int lord, int year, int n) {
    return PositiveMod(year + lord - 1, n) + 1;
}

int PositionOfLord(std::span<const int> lords, int lord) {
    for (int p = 0; p < static_cast<int>(lords.size()); ++p)
        if (lords[p] == lord) return p;
    return 0;
}

void SetTithiTitle(CDasaTree& tree, int harmonic) {
    tree.strName += g_specialTithiNames[std::clamp(harmonic, 0, kSpecialTithiCount - 1)];
}

// Ashtottari and Shashti-hayani: the lords own groups of the 28 nakshatras from an anchor; the first
// lord's arc holds the seed.
CalcStatus CalcArcDasa(const CChart& seedChart, const NakshatraDasaOptions& options, int anchor,
                       std::span<const int> groups, const DasaLordCycle& cycle, CDasaTree& tree) {
    const CDasaSeed& seed = SeedOf(seedChart, options);
    const int a = PositiveMod(options.shift + anchor + options.tajakaYear, kNakshatras28);
    const int n = static_cast<int>(groups.size());
    double arcStart = Nakshatra28Start(a);
    int k = a;
    int first = 0;
    double arcLength = 0.0;
    for (int lord = 0; lord < n; ++lord) {
        arcLength = 0.0;
        for (int g = 0; g < groups[lord]; ++g, k = (k + 1) % kNakshatras28) arcLength += Nakshatra28Span(k);
        first = lord;
        if (IsAngleBetween(seed.m_dLongitude, arcStart, Reduce360(arcStart + arcLength))) break;
        arcStart = Reduce360(arcStart + arcLength);
    }
    FillLordCycle(tree, cycle, first, n, false, SubPeriodOrder::CountSigns(options.subPeriodMode, false));
    tree.bBalance = true;
    tree.dBalance = 1.0 - AngleDiff(seed.m_dLongitude, arcStart) / arcLength;
    AppendVariations(tree, options, true);
    return {};
}

} // namespace

NakshatraDasaOptions NakshatraDasaOptionsFor(const DasaInput& input) {
    NakshatraDasaOptions o;
    const int c = std::clamp(input.code, 0, kNakshatraDasaCodeCount - 1);
    const bool nakshatraCode = input.code < kNakshatraDasaCodeCount;
    o.startPoint = nakshatraCode                             ? g_nNakshatraDasaStartPoint[c]
                   : input.code == kRasiBhuktaVimsottariCode ? g_nRasiBhuktaStartPoint
                                                             : 0;
    o.subPeriodMode = nakshatraCode ? g_nNaksDasaADMethod[c] : 0;
    o.shift = nakshatraCode ? g_nNakshatraDasaShift[c] : 0;
    o.reverse = input.code == kVimsottariCode && g_bAntiZodiacalDasa[kVimsottariCode];
    o.natalSeed = input.mode == kModeTajaka && g_bUseDasaSeedFromNatalInTajaka[input.code];
    o.tajakaYear = o.natalSeed && g_bProgressDasaSeedInTajaka[input.code] ? input.tajakaYear : 0;
    o.varga = g_nNakshatraDasaVarga;
    o.compressed = input.compressed;
    o.tribhagi = input.tribhagi;
    return o;
}

NakshatraDasaAllotment NakshatraDasaDefaultAllotment(int code) {
    constexpr int kKrittika = 2;
    switch (code) {
    case kAshtottariCode:
        return {kAshtottariAnchor, kAshtottariLords[0], kNakshatras28};
    case 11:
        return {kShashtiHayaniAnchor, kShashtiHayaniLords[0], kNakshatras28};
    case 12: // the lords are the stars themselves
        return {0, 0, kNakshatraCount};
    default:
        break;
    }
    if (code >= kFirstCycleCode && code <= kLastCycleCode) {
        // The first lord's star is the one whose count from the anchor is 0.
        const NakshatraCycle& cycle = kCycleDasas[code - kFirstCycleCode];
        return {PositiveMod(-cycle.direction * cycle.anchor, kNakshatraCount), cycle.lords[0],
                kNakshatraCount};
    }
    return {kKrittika, kSun, kNakshatraCount};
}

namespace {
int ShiftDirection(int code) {
    return code >= kFirstCycleCode && code <= kLastCycleCode ? kCycleDasas[code - kFirstCycleCode].direction
                                                             : 1;
}
} // namespace

int NakshatraDasaStarOfShift(int code, int shift) {
    const NakshatraDasaAllotment a = NakshatraDasaDefaultAllotment(code);
    return PositiveMod(a.star + ShiftDirection(code) * shift, a.count);
}

int NakshatraDasaShiftOfStar(int code, int star) {
    const NakshatraDasaAllotment a = NakshatraDasaDefaultAllotment(code);
    return PositiveMod(ShiftDirection(code) * (star - a.star), a.count);
}

CalcStatus CalcVimsottariDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree) {
    const CDasaSeed& seed = SeedOf(seedChart, options);
    const DasaLordCycle cycle{kVimsottariLords, kVimsottariYears};
    const int k0 = PositiveMod(seed.m_nNakshatra + options.tajakaYear - options.shift, kNakshatraCount);
    FillLordCycle(tree, cycle, k0 % 9, 9, options.reverse,
                  SubPeriodOrder::CountSigns(options.subPeriodMode, options.reverse));
    tree.bBalance = true;
    tree.dBalance = options.reverse ? 1.0 - seed.m_dFractionLeft : seed.m_dFractionLeft;
    // The seed progresses one nakshatra per first-level period, from its nakshatra's start (or end).
    const double nakshatraStart = std::floor(seed.m_dLongitude * 0.075) * kNakshatraDegrees;
    tree.dProgressBase = options.reverse ? nakshatraStart + kNakshatraDegrees : nakshatraStart;
    tree.dProgressStep = options.reverse ? -kNakshatraDegrees : kNakshatraDegrees;
    if (options.natalSeed) tree.strName = "Mudda/Vimsottari Dasa";
    AppendVariations(tree, options, true);
    if (options.tribhagi) {
        // The three thirds of each period are named by label: lord and nakshatra, 27 of them.
        tree.bUseLabelTables = tree.bShowLabel2 = tree.bLabel2AtFirstLevelOnly = true;
        const int step = options.reverse ? -1 : 1;
        for (int j = 0; j < kNakshatraCount; ++j) {
            tree.strLabel[j] = g_pszPlanetNamesAlt2[kVimsottariLords[PositiveMod(k0 + step * j, 9)]];
            tree.strLabel2[j] = g_nakshatraNames[PositiveMod(k0 + step * j, kNakshatraCount)];
        }
        for (int i = 0; i < 9; ++i) tree.nLord[0][i] = i;
        for (int i = 0; i < kNakshatraCount; ++i)
            for (int j = 0; j < 9; ++j) tree.nLord[1 + i][j] = PositiveMod(i + step * j, 9);
    }
    return {};
}

CalcStatus CalcCycleDasa(const CChart& seedChart, const NakshatraDasaOptions& options,
                         const NakshatraCycle& cycle, CDasaTree& tree) {
    const CDasaSeed& seed = SeedOf(seedChart, options);
    const int n = static_cast<int>(cycle.lords.size());
    const int k0 =
        PositiveMod(cycle.direction * (seed.m_nNakshatra + options.tajakaYear) + cycle.anchor - options.shift,
                    kNakshatraCount);
    const int periods = cycle.threeRounds && !options.compressed ? 3 * n : n;
    FillLordCycle(tree, {cycle.lords, cycle.years}, k0 % n, periods, false,
                  SubPeriodOrder::CountSigns(options.subPeriodMode, false));
    tree.bBalance = true;
    tree.dBalance = seed.m_dFractionLeft;
    AppendVariations(tree, options, true);
    return {};
}

CalcStatus CalcAshtottariDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree) {
    return CalcArcDasa(seedChart, options, kAshtottariAnchor, kAshtottariGroups,
                       {kAshtottariLords, kAshtottariYears}, tree);
}

CalcStatus CalcShashtiHayaniDasa(const CChart& seedChart, const NakshatraDasaOptions& options,
                                 CDasaTree& tree) {
    return CalcArcDasa(seedChart, options, kShashtiHayaniAnchor, kShashtiHayaniGroups,
                       {kShashtiHayaniLords, kShashtiHayaniYears}, tree);
}

CalcStatus CalcSaptarshiDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree) {
    const CDasaSeed& seed = SeedOf(seedChart, options);
    const int n = seed.m_nNakshatra + options.tajakaYear;
    tree.bUseLabelTables = true;
    tree.bPlanetLords = false;
    for (int k = 0; k < kNakshatraCount; ++k) tree.strLabel[k] = g_nakshatraNames[k];
    tree.nPeriods = tree.nSubPeriods = kSaptarshiPeriods;
    tree.bEqualSubPeriods = true;
    tree.bBalance = false;
    tree.dCycleYears = kSaptarshiPeriods * kSaptarshiYears;
    for (int i = 0; i < kSaptarshiPeriods; ++i) {
        tree.nLord[0][i] = PositiveMod(n - i, kNakshatraCount);
        tree.dYears[i] = kSaptarshiYears;
    }
    for (int p = 0; p < kNakshatraCount; ++p)
        for (int j = 0; j < kSaptarshiPeriods; ++j)
            tree.nLord[1 + p][j] = PositiveMod(p - j, kNakshatraCount);
    AppendVariations(tree, options, false);
    return {};
}

CalcStatus CalcRasiBhuktaVimsottariDasa(const CChart& seedChart, const CChart& chart,
                                        const NakshatraDasaOptions& options, int signVarga, CDasaTree& tree) {
    NakshatraDasaOptions plain = options;
    plain.shift = 0;
    plain.reverse = false;
    plain.tribhagi = false;
    if (CalcStatus status = CalcVimsottariDasa(seedChart, plain, tree); !status.ok()) return status;
    tree.strName = options.natalSeed ? "Rasi-Bhukta Mudda/Vimsottari Dasa" : "Rasi-Bhukta Vimsottari Dasa";
    tree.strNote = "of " + g_vargaNames[signVarga] + " chart, ";
    tree.bPlanetLords = false;
    tree.bEqualSubPeriods = true;
    tree.nSubPeriods = kSignCount;
    for (int lord : kVimsottariLords) {
        const int sign = chart.m_vargaSign.Sign(lord, signVarga);
        for (int j = 0; j < kSignCount; ++j) tree.nLord[1 + lord][j] = SignFrom(sign, j);
    }
    return {};
}

CalcStatus CalcTithiAshtottariDasa(const CChart& tithiChart, int a, int b, int harmonic, int tajakaYear,
                                   CDasaTree& tree, int varga) {
    const int tithi = tithiChart.GetTithiIndex(a, b, harmonic);
    const int lord = ProgressedLord(kTithiLords[tithi], tajakaYear, 8);
    const DasaLordCycle cycle{kTithiAshtottariLords, kTithiAshtottariYears};
    // Nine periods: the first lord returns with its full years; sub-periods start at the next lord.
    FillLordCycle(tree, cycle, PositionOfLord(cycle.lords, lord), 9, false, SubPeriodOrder::FromLord(1));
    tree.bBalance = true;
    tree.dBalance = tithiChart.GetTithiFractionLeft(a, b, harmonic);
    SetTithiTitle(tree, harmonic);
    tree.strName += " in " + g_strVargaLabels[varga];
    return {};
}

CalcStatus CalcTithiYoginiDasa(const CChart& tithiChart, int harmonic, int tajakaYear, bool compressed,
                               CDasaTree& tree) {
    const int h = std::clamp(harmonic, 0, kHarmonicTithiCount - 1);
    const int lord = ProgressedLord(kTithiLords[tithiChart.m_panchanga.m_nTithi[h]], tajakaYear, 8);
    const DasaLordCycle cycle{kYoginiLords, kYoginiYears};
    FillLordCycle(tree, cycle, PositionOfLord(cycle.lords, lord), compressed ? 8 : 24, false,
                  SubPeriodOrder::FromLord(0));
    tree.bBalance = true;
    tree.dBalance = tithiChart.m_panchanga.m_dTithiFraction[h];
    SetTithiTitle(tree, h);
    return {};
}

CalcStatus CalcYogaVimsottariDasa(const CChart& chart, int tajakaYear, CDasaTree& tree) {
    const int lord = ProgressedLord(kYogaLords[chart.m_panchanga.m_nYoga % 9], tajakaYear, 9);
    const DasaLordCycle cycle{kVimsottariLords, kVimsottariYears};
    FillLordCycle(tree, cycle, PositionOfLord(cycle.lords, lord), 10, false, SubPeriodOrder::FromLord(0));
    tree.bBalance = true;
    tree.dBalance = chart.m_panchanga.m_dYogaFraction;
    return {};
}

CalcStatus CalcKaranaChaturaseetiDasa(const CChart& chart, int tajakaYear, CDasaTree& tree) {
    const DasaLordCycle cycle{kSevenPlanets, kTwelveYearsEach};
    const int first = PositiveMod(PositionOfLord(cycle.lords, chart.KaranaLord()) + tajakaYear, 7);
    FillLordCycle(tree, cycle, first, 7, false, SubPeriodOrder::FromLord(0));
    tree.bBalance = true;
    tree.dBalance = chart.m_panchanga.m_dKaranaFraction;
    return {};
}

CalcStatus RunNakshatraDasa(const DasaInput& input, CDasaTree& tree) {
    const NakshatraDasaOptions options = NakshatraDasaOptionsFor(input);
    const CChart& base = options.natalSeed ? input.natal : input.chart;
    const int column = input.code == 69   ? g_nTithiAshtottariVarga
                       : input.code == 72 ? g_nTithiYoginiVarga
                                          : options.varga;
    const CChart* seed = BuiltVargaChart(base, column);
    if (seed == nullptr)
        return CalcStatus::Failure("The varga chart of the dasa seed could not be calculated.");
    switch (input.code) {
    case 1:
        return CalcAshtottariDasa(*seed, options, tree);
    case 11:
        return CalcShashtiHayaniDasa(*seed, options, tree);
    case 12:
        return CalcSaptarshiDasa(*seed, options, tree);
    case 68:
        return CalcRasiBhuktaVimsottariDasa(*seed, base, options, g_nRasiBhuktaVarga, tree);
    case 69:
        return CalcTithiAshtottariDasa(*seed, g_nTithiAshtottariBodyA, g_nTithiAshtottariBodyB,
                                       g_nTithiAshtottariHarmonic, options.tajakaYear, tree, column);
    case 70:
        return CalcYogaVimsottariDasa(*seed, options.tajakaYear, tree);
    case 71:
        return CalcKaranaChaturaseetiDasa(*seed, options.tajakaYear, tree);
    case 72:
        return CalcTithiYoginiDasa(*seed, g_nTithiYoginiHarmonic, options.tajakaYear, options.compressed,
                                   tree);
    default:
        if (input.code >= kFirstCycleCode && input.code <= kLastCycleCode)
            return CalcCycleDasa(*seed, options, kCycleDasas[input.code - kFirstCycleCode], tree);
        return CalcVimsottariDasa(*seed, options, tree);
    }
}
