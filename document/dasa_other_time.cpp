// Kaala and Chakra dasa, which start by the part of the day or night of the birth, and Sudarsana Chakra
// dasa, which moves three signs on a year. Day parts in ghatis of the chart's sunrise frame.
#include <algorithm>
#include <string>

#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"
#include "document/dasa_cycle.h"
#include "document/dasa_other.h"
#include "document/dasa_rasi_rules.h"

namespace {

constexpr int kKaalaPeriods = 18;
constexpr double kKaalaCycleFactor = 2.6666666666666665; // the two cycles' factors add up to 8/3
constexpr double kKaalaCycleYears = 120.0;
constexpr double kKaalaScale = 1.0 / 225.0; // ghatis x ghatis -> the Kaala factor

// Where the birth falls: the first sixth of the day, the sixths about sunset or the last sixth of the
// night (twilight); the rest of the day; the rest of the night.
enum class DayPart { kTwilight, kDay, kNight };

DayPart DayPartOf(const CDayFrameTimes& f) {
    const double t = f.m_dGhatisSinceStart, u = f.m_dGhatisSinceNightStart;
    const double day = f.m_dDayLength, night = f.m_dNightLength;
    if (t < day / 6.0 || (t >= 5.0 * day / 6.0 && t < day + night / 6.0) || u >= 5.0 * night / 6.0)
        return DayPart::kTwilight;
    return t < 5.0 * day / 6.0 ? DayPart::kDay : DayPart::kNight;
}

// The Kaala factor P from the part of the day or night in which the birth falls, ghatis x ghatis / 225:
// with a day and a night of 30 ghatis each it runs 0 .. 8/3 through every part. A long day or night
// takes it past 8/3, where the second cycle's 8/3 - P would turn negative, so it is held in
// 0 .. 8/3 there; `held` says when that happened.
double KaalaFactor(const CDayFrameTimes& f, bool& held) {
    const double t = f.m_dGhatisSinceStart, u = f.m_dGhatisSinceNightStart;
    const double day = f.m_dDayLength, night = f.m_dNightLength;
    double p;
    if (t < day / 6.0)
        p = (t + night / 6.0) * (day + night) * kKaalaScale;
    else if (t < 5.0 * day / 6.0)
        p = (t - day / 6.0) * day * kKaalaScale;
    else if (t < day + night / 6.0)
        p = (t - 5.0 * day / 6.0) * (day + night) * kKaalaScale;
    else if (u < 5.0 * night / 6.0)
        p = (u - night / 6.0) * night * kKaalaScale;
    else
        p = (u - 5.0 * night / 6.0) * (day + night) * kKaalaScale;
    const double clamped = std::clamp(p, 0.0, kKaalaCycleFactor);
    held = clamped != p;
    return clamped;
}

} // namespace

CalcStatus CalcKaalaDasa(const CChart& chart, CDasaTree& tree) {
    bool held = false;
    const double factor = KaalaFactor(chart.m_sunriseFrame, held);
    if (held) AppendNote(tree, "factor held at " + std::string(factor > 0.0 ? "8/3" : "0"));
    tree.bPlanetLords = true;
    tree.bEqualSubPeriods = false;
    tree.bExplicitSubPeriods = true;
    tree.bBalance = false;
    tree.nPeriods = tree.nSubPeriods = kKaalaPeriods;
    tree.dCycleYears = kKaalaCycleYears;
    // Planet i (1 Sun .. 9 Ketu) has i x P years, then i x (8/3 - P): 120 years in all.
    for (int j = 0; j < kKaalaPeriods; ++j) {
        const int planet = j % 9 + 1;
        tree.nLord[0][j] = planet;
        tree.dYears[j] = planet * (j < 9 ? factor : kKaalaCycleFactor - factor);
    }
    for (int planet = kSun; planet <= kKetu; ++planet) {
        tree.nSubCount[planet] = kKaalaPeriods;
        for (int j = 0; j < kKaalaPeriods; ++j) {
            tree.nLord[1 + planet][j] = tree.nLord[0][j];
            tree.dSubFraction[planet][j] = tree.dYears[j] / kKaalaCycleYears;
        }
    }
    return {};
}

CalcStatus CalcChakraDasa(const CChart& chart, CDasaTree& tree) {
    const int lagna = chart.m_bodies[kLagna].m_nSign;
    const auto occupiedByLord = [&](int s) { return SignIn(chart, SignLordPlain(s), 0); };
    const DayPart part = DayPartOf(chart.m_sunriseFrame);
    const int start = part == DayPart::kTwilight ? SignFrom(lagna, 1)
                      : part == DayPart::kDay    ? occupiedByLord(lagna)
                                                 : lagna;
    const std::array<int, 12> signs = SignsInOrder(start, 1, kPlainOrder);
    std::array<double, 12> years{};
    years.fill(10.0);
    FillSignPeriods(tree, signs, years, false, 120.0);
    for (int s = 0; s < 12; ++s) {
        const int from = part == DayPart::kTwilight ? SignFrom(s, 1)
                         : part == DayPart::kDay    ? occupiedByLord(s)
                                                    : s;
        SetSubSigns(tree, s, from, 1, kPlainOrder);
    }
    return {};
}

CalcStatus CalcSudarsanaChakraDasa(const CChart& chart, int column, bool fromLord, CDasaTree& tree) {
    const int l = SignIn(chart, kLagna, column), m = SignIn(chart, kMoon, column),
              s = SignIn(chart, kSun, column);
    const std::array<int, 12> lagnaSigns = SignsInOrder(l, 1, kPlainOrder);
    std::array<double, 12> years{};
    years.fill(1.0);
    FillSignPeriods(tree, lagnaSigns, years, false, 12.0);
    tree.bLord2 = tree.bLord3 = true;
    for (int i = 0; i < 12; ++i) {
        tree.nLord2[0][i] = SignFrom(m, i);
        tree.nLord3[0][i] = SignFrom(s, i);
    }
    for (int x = 0; x < 12; ++x) {
        const int from = fromLord ? SignIn(chart, SignLordPlain(x), column) : x;
        for (int j = 0; j < 12; ++j)
            tree.nLord[1 + x][j] = tree.nLord2[1 + x][j] = tree.nLord3[1 + x][j] = SignFrom(from, j);
    }
    tree.dProgressBase = chart.m_bodies[kLagna].m_dLongitude; // one sign a year from the lagna
    tree.dProgressStep = 30.0;
    AppendVargaName(tree, column);
    return {};
}
