#include "document/dasa_kalachakra.h"

#include <algorithm>
#include <cstdio>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/zodiac_names.h"
#include "document/document_options.h"

namespace {

constexpr int kCycle = 9;
constexpr int kGroups = 24;
constexpr int kSavyaGroups = 12;
// Years of each sign's dasa, Aries to Pisces.
constexpr int kSignYears[12] = {7, 16, 9, 21, 5, 9, 16, 7, 10, 4, 4, 10};
// The padas of an apasavya nakshatra run through the signs in this order.
constexpr int kApasavyaOrder[12] = {7, 6, 5, 3, 4, 2, 1, 0, 11, 10, 9, 8};
// Seed choices 0-17 as bodies: Moon, lagna, Sun .. Ketu, Maandi, Gulika, Sookshma TriSphuta, Bhrigu
// Bindu, Indu Lagna, Pranapada Lagna, the user's special point and special lagna.
constexpr int kSeedBodies[kKalachakraSeedChoices] = {2, 0,  1,  3,  4,  5,  6,  7,   8,
                                                     9, 31, 32, 36, 20, 19, 17, 103, 104};
constexpr double kPadaDegrees = 10.0 / 3.0;
// Padas whose cycles change places when the 4th pada of Rohini is Cancer's navamsa.
constexpr int kRohiniFourthGroup = 15;
constexpr int kMrigasiraFirstGroup = 16;

enum class SubRule { kOwnGroup, kNextPositions, kPadaCycle };

SubRule SubRuleOf(int method) {
    if (method <= 1) return SubRule::kOwnGroup;
    if (method <= 3) return SubRule::kNextPositions;
    return SubRule::kPadaCycle;
}

// Methods 0, 2 and 6 apply the traversed part to the whole cycle and start at the period running at
// birth; the others shorten the cycle's first period.
bool BalanceOfWholeCycle(int method) {
    return method == 0 || method == 2 || method == 6;
}

int YearsAt(int position) {
    return kSignYears[KalachakraSign(position)];
}

// Position p + m, wrapping within p's half.
int WithinHalf(int p, int m) {
    const int half = p < kKalachakraSavyaPositions ? 0 : kKalachakraSavyaPositions;
    return half + (p - half + m) % kKalachakraSavyaPositions;
}

// Sub-period rows of savya position i and its mirror a, nine positions each.
void FillSubRows(CDasaTree& tree, int i, SubRule rule, bool rohini4InLeo) {
    const int a = KalachakraMirror(i);
    for (int j = 0; j < kCycle; ++j) {
        int& rowI = tree.nLord[1 + i][j];
        int& rowA = tree.nLord[1 + a][j];
        switch (rule) {
        case SubRule::kOwnGroup:
            rowI = kCycle * (i / kCycle) + (i % kCycle + j) % kCycle;
            rowA = kCycle * (a / kCycle) + (a % kCycle + j) % kCycle;
            break;
        case SubRule::kNextPositions:
            rowI = WithinHalf(i, j);
            rowA = WithinHalf(a, j);
            break;
        case SubRule::kPadaCycle: {
            const int start = KalachakraPadaStart(i, rohini4InLeo);
            rowI = start + j;
            rowA = start + kCycle - 1 - j;
            break;
        }
        }
    }
}

void FillSubFractions(CDasaTree& tree) {
    for (int x = 0; x < kKalachakraPositions; ++x) {
        tree.nSubCount[x] = kCycle;
        double sum = 0.0;
        for (int j = 0; j < kCycle; ++j) sum += YearsAt(tree.nLord[1 + x][j]);
        for (int j = 0; j < kCycle; ++j) tree.dSubFraction[x][j] = YearsAt(tree.nLord[1 + x][j]) / sum;
    }
}

void FillLabels(CDasaTree& tree) {
    for (int x = 0; x < kKalachakraPositions; ++x) tree.strLabel[x] = g_pszSignNames[KalachakraSign(x)];
    for (int i = 0; i < kKalachakraSavyaPositions; ++i) {
        const std::string label = std::string(g_nakshatraShortNames[i / 4]) + static_cast<char>('1' + i % 4);
        tree.strLabel2[i] = label;
        tree.strLabel2[KalachakraMirror(i)] = label;
    }
}

std::string SeedName(const CChart& chart, int body) {
    if (body >= kFirstExtraPointBody) return chart.m_extraName[body - kFirstExtraPointBody];
    return g_pszPlanetNames[body];
}

} // namespace

int KalachakraSign(int position) {
    if (position >= kKalachakraSavyaPositions) {
        const int m = position - kKalachakraSavyaPositions;
        return KalachakraSign(m < 72 ? 71 - m : 107 - (m - 72));
    }
    return (position / 12) % 2 == 0 ? position % 12 : kApasavyaOrder[position % 12];
}

int KalachakraMirror(int savyaPosition) {
    return savyaPosition < 72 ? 179 - savyaPosition : 287 - savyaPosition;
}

int KalachakraPadaStart(int pada, bool rohini4InLeo) {
    int group = pada % kGroups;
    if (!rohini4InLeo && group == kRohiniFourthGroup)
        group = kMrigasiraFirstGroup;
    else if (!rohini4InLeo && group == kMrigasiraFirstGroup)
        group = kRohiniFourthGroup;
    return kCycle * group;
}

int KalachakraParamayush(int group) {
    int sum = 0;
    for (int j = 0; j < kCycle; ++j) sum += YearsAt(kCycle * group + j);
    return sum;
}

int KalachakraSeedBody(int seedChoice) {
    return kSeedBodies[std::clamp(seedChoice, 0, kKalachakraSeedChoices - 1)];
}

KalachakraOptions KalachakraOptionsFromGlobals() {
    KalachakraOptions o;
    o.seedChoice = g_nNakshatraDasaStartPoint[kKalachakraCode];
    o.varga = g_nNakshatraDasaVarga;
    o.method = g_nKalachakraDasaCalculation;
    o.rohini4InLeo = g_bKCDRohini4NavamsaInLeo;
    return o;
}

CalcStatus CalcKalachakraDasa(const CChart& seedChart, const KalachakraOptions& options, CDasaTree& tree) {
    const int method = std::clamp(options.method, 0, 6);
    const int body = KalachakraSeedBody(options.seedChoice);
    const int n = seedChart.m_nakshatra[body];
    const int k = seedChart.m_pada[body];
    const int q = 4 * n + k;
    const double longitude = seedChart.m_bodies[body].m_dLongitude;
    int p = KalachakraPadaStart(q, options.rohini4InLeo);
    const int group = p / kCycle;
    const bool savya = (q / 12) % 2 == 0;
    const int first = kCycle * group, last = first + kCycle - 1;
    const bool savyaGroup = group < kSavyaGroups;
    const int deha = KalachakraSign(savyaGroup ? first : last);
    const int jiva = KalachakraSign(savyaGroup ? last : first);

    tree.bUseLabelTables = true;
    tree.bShowLabel2 = true;
    tree.bEqualSubPeriods = false;
    tree.bExplicitSubPeriods = true;
    tree.nPeriods = tree.nSubPeriods = kCycle;
    tree.bBalance = true;
    tree.dProgressStep = kPadaDegrees;

    // The part of the pada the seed has traversed, 0 to 1.
    const double traversed = (longitude - n * kNakshatraDegrees - k * kPadaDegrees) * 0.3;
    if (BalanceOfWholeCycle(method)) {
        double elapsed = traversed * KalachakraParamayush(group);
        int c = 0;
        while (c < kCycle - 1 && elapsed >= YearsAt(p + c)) elapsed -= YearsAt(p + c++);
        const double years = YearsAt(p + c);
        tree.dBalance = std::clamp((years - elapsed) / years, 0.0, 1.0);
        p += c;
    } else {
        tree.dBalance = 1.0 - traversed;
    }

    FillLabels(tree);
    const SubRule rule = SubRuleOf(method);
    for (int i = 0; i < kKalachakraSavyaPositions; ++i) FillSubRows(tree, i, rule, options.rohini4InLeo);
    FillSubFractions(tree);

    int paramayush = 0;
    for (int m = 0; m < kCycle; ++m) {
        int z;
        if (method == 5)
            z = (q + m) % kKalachakraSavyaPositions;
        else if (method == 6)
            z = (p + m) <= last ? p + m : p + m - kCycle;
        else
            z = WithinHalf(p, m);
        tree.nLord[0][m] = z;
        tree.dYears[m] = YearsAt(z);
        paramayush += YearsAt(z);
    }
    tree.dCycleYears = paramayush;
    tree.dProgressBase = q * kPadaDegrees;

    char note[256];
    std::snprintf(note, sizeof note, "From %s of %s, %s, Paramayush: %d yr, Deha: %s, Jiva: %s",
                  SeedName(seedChart, body).c_str(), g_strVargaLabels[options.varga].c_str(),
                  savya ? "Savya" : "Apasavya", paramayush, g_pszSignNames[deha], g_pszSignNames[jiva]);
    tree.strNote = note;
    return {};
}

CalcStatus RunKalachakraDasa(const DasaInput& input, CDasaTree& tree) {
    const KalachakraOptions options = KalachakraOptionsFromGlobals();
    const CChart* seed = BuiltVargaChart(input.chart, options.varga);
    if (seed == nullptr)
        return CalcStatus::Failure("The varga chart of the dasa seed could not be calculated.");
    return CalcKalachakraDasa(*seed, options, tree);
}
