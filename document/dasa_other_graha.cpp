// Graha dasas whose lords are ordered by strength, degrees or karaka: Moola, Naisargika, Tara, AK
// Kendradi graha, Patyayini, Karaka and Buddhi Gati dasa.
#include <algorithm>
#include <cstdio>
#include <numeric>
#include <vector>

#include "core/angle_math.h"
#include "core/body_names.h"
#include "core/sign_arithmetic.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "document/dasa_other.h"
#include "document/dasa_rasi_rules.h"

namespace {

constexpr int kSortByDignityFirst = 2; // SortByStrength's rule set 2
constexpr double kCycleYears = 120.0;
// Vimsottari years of the planets 1 Sun .. 9 Ketu (index 0 unused).
constexpr double kVimsottariYears[10] = {0, 6, 10, 7, 17, 16, 20, 19, 18, 7};
// Vimsottari's lords in cycle order, by nakshatra mod 9.
constexpr int kVimsottariOrder[9] = {kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury};

// The planets in the signs, sign by sign, strongest first within a sign.
std::vector<int> PlanetsInSigns(const CChart& chart, const std::array<int, 12>& signs, int column) {
    std::vector<int> planets;
    for (int s : signs) {
        std::array<int, kPlanetCount> inSign{};
        const int n = chart.ListPlanetsInSign(s, inSign, column);
        planets.insert(planets.end(), inSign.begin(), inSign.begin() + n);
    }
    return planets;
}

// Kendras, panaparas and apoklimas from a sign in a direction, each group of four strongest first.
std::array<int, 12> KendraGroupsByStrength(const CChart& chart, int start, int direction, int column,
                                           int rule) {
    std::array<int, 12> signs = SignsInOrder(start, direction, kKendraOrder);
    for (int group = 0; group < 3; ++group) chart.SortByStrength(4, signs.data() + 4 * group, column, rule);
    return signs;
}

// First-level lords with their years; sub-periods of the i-th lord run through the lords from it, with
// shares by the lords' years.
void FillPlanetCycle(CDasaTree& tree, const std::vector<int>& lords, const std::vector<double>& years) {
    const int n = static_cast<int>(lords.size());
    tree.bPlanetLords = true;
    tree.bEqualSubPeriods = false;
    tree.bBalance = false;
    tree.nPeriods = static_cast<int>(years.size());
    tree.nSubPeriods = n;
    tree.dCycleYears = kCycleYears;
    for (int i = 0; i < tree.nPeriods; ++i) {
        tree.nLord[0][i] = lords[i % n];
        tree.dYears[i] = years[i];
    }
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) tree.nLord[1 + lords[i]][j] = lords[(i + j) % n];
}

double MoonNakshatraLeft(const CChart& chart) {
    const int n = chart.m_nakshatra[kMoon];
    return 1.0 - (chart.m_bodies[kMoon].m_dLongitude - n * kNakshatraDegrees) * 0.07500000000000001;
}

} // namespace

CalcStatus CalcMoolaDasa(const CChart& chart, const MoolaDasaOptions& options, CDasaTree& tree) {
    // The sign of the lagna, the Moon or the Sun with the most planets (the lagna counts one more);
    // ties go to the strongest.
    struct Candidate {
        int sign, score;
    };
    const auto candidate = [&](int body, bool used, int bonus) {
        const int sign = SignIn(chart, body, 0);
        return Candidate{sign, used ? chart.CountPlanetsInSign(sign, 0) + bonus : 0};
    };
    const Candidate candidates[] = {candidate(kLagna, options.lagna, 1), candidate(kMoon, options.moon, 0),
                                    candidate(kSun, options.sun, 0)};
    int best = 0;
    for (const Candidate& c : candidates) best = std::max(best, c.score);
    int winner = -1;
    for (const Candidate& c : candidates) {
        if (c.score != best) continue;
        winner = winner < 0 ? c.sign : chart.StrongerSign(winner, c.sign, 0);
    }
    const int direction = IsOddSign(winner) ? 1 : -1;
    const std::vector<int> lords =
        PlanetsInSigns(chart, KendraGroupsByStrength(chart, winner, direction, 0, 0), 0);
    std::vector<double> years(2 * lords.size());
    for (std::size_t i = 0; i < lords.size(); ++i) {
        years[i] = chart.RasiDasaYearsMoola(lords[i], 0);
        years[lords.size() + i] = kVimsottariYears[lords[i]] - years[i];
    }
    FillPlanetCycle(tree, lords, years);
    return {};
}

CalcStatus CalcNaisargikaDasa(const CChart& chart, const NaisargikaDasaOptions& options, CDasaTree& tree) {
    // Natural years: Moon 1, Mars 2, Mercury 9, Venus 20, Jupiter 18, Sun 20, Saturn 50, lagna 12.
    static constexpr int kLords[8] = {kMoon, kMars, kMercury, kVenus, kJupiter, kSun, kSaturn, kLagna};
    static constexpr double kYears[8] = {1, 2, 9, 20, 18, 20, 50, 12};
    tree.bPlanetLords = true;
    tree.bEqualSubPeriods = false;
    tree.bExplicitSubPeriods = true;
    tree.bBalance = false;
    tree.nPeriods = tree.nSubPeriods = 8;
    // The cycle is what the eight periods add up to (132 years), so that compression fits them all.
    tree.dCycleYears = std::accumulate(std::begin(kYears), std::end(kYears), 0.0);
    for (int i = 0; i < 8; ++i) {
        const int lord = kLords[i];
        tree.nLord[0][i] = lord;
        tree.dYears[i] = kYears[i];
        const int lordSign = SignIn(chart, lord, 0);
        std::vector<int> subLords;
        std::vector<double> weights;
        for (int p :
             PlanetsInSigns(chart, KendraGroupsByStrength(chart, lordSign, 1, 0, kSortByDignityFirst), 0)) {
            if (p > kSaturn) continue;
            const int house = PositiveMod(SignIn(chart, p, 0) - lordSign, 12) + 1;
            double weight = 1.0;
            if (house == 1 && p == lord) {
                if (options.noSubPeriodOfLord) continue;
            } else if (house == 1) {
                weight = 0.5;
            } else if (house == 3 || house == 10) {
                if (options.no3rd10th) continue;
            } else if (house == 4 || house == 8) {
                weight = 0.25;
            } else if (house == 5 || house == 9) {
                weight = 0.3333333333333333;
            } else if (house == 7) {
                weight = 0.14285714285714285;
            } else if (options.noOthers) {
                continue;
            }
            subLords.push_back(p);
            weights.push_back(weight);
        }
        // A period whose every planet is left out keeps its lord as its one sub-period.
        if (subLords.empty()) {
            subLords.push_back(lord);
            weights.push_back(1.0);
        }
        const double sum = std::accumulate(weights.begin(), weights.end(), 0.0);
        tree.nSubCount[lord] = static_cast<int>(subLords.size());
        for (std::size_t j = 0; j < subLords.size(); ++j) {
            tree.nLord[1 + lord][j] = subLords[j];
            tree.dSubFraction[lord][j] = weights[j] / sum;
        }
    }
    return {};
}

CalcStatus CalcTaraDasa(const CChart& chart, const TaraDasaOptions& options, CDasaTree& tree) {
    const int moonNakshatra = chart.m_nakshatra[kMoon];
    std::vector<int> lords;
    if (options.parasara) {
        for (int k = 0; k < 9; ++k) lords.push_back(kVimsottariOrder[(moonNakshatra + k) % 9]);
    } else {
        const int lagna = SignIn(chart, kLagna, 0);
        int direction = WithDirectionException(chart, 0, lagna, ParityDirection(lagna));
        if (options.directionFromStar) {
            std::array<int, 4> kendras = {lagna, SignFrom(lagna, 3), SignFrom(lagna, 6), SignFrom(lagna, 9)};
            chart.SortByStrength(4, kendras.data(), 0, kSortByDignityFirst);
            std::array<int, kPlanetCount> inSign{};
            const int body = chart.ListPlanetsInSign(kendras[0], inSign, 0) > 0 ? inSign[0] : kMoon;
            direction = (chart.m_nakshatra[body] / 3) % 2 == 0 ? 1 : -1;
        }
        lords =
            PlanetsInSigns(chart, KendraGroupsByStrength(chart, lagna, direction, 0, kSortByDignityFirst), 0);
    }
    std::vector<double> years;
    for (int lord : lords) years.push_back(kVimsottariYears[lord]);
    FillPlanetCycle(tree, lords, years);
    if (options.parasara || options.sesham) {
        tree.bBalance = true;
        const bool apasavya = (moonNakshatra / 3) % 2 == 1;
        const double left = MoonNakshatraLeft(chart);
        tree.dBalance = !options.parasara && options.seshamReversedApasavya && apasavya ? 1.0 - left : left;
    }
    return {};
}

CalcStatus CalcAKKendradiGrahaDasa(const CChart& chart, int column, CDasaTree& tree) {
    const int start = SignIn(chart, chart.m_charaKaraka[0], column);
    const int direction = WithDirectionException(chart, column, start, ParityDirection(start));
    std::vector<int> lords = PlanetsInSigns(
        chart, KendraGroupsByStrength(chart, start, direction, column, kSortByDignityFirst), column);
    std::erase(lords, kKetu);
    std::vector<double> years;
    for (int lord : lords) years.push_back(chart.RasiDasaYearsAKKendradi(lord, column));
    FillPlanetCycle(tree, lords, years);
    // Every period's sub-periods start with the first lord.
    for (int lord : lords) std::copy(lords.begin(), lords.end(), tree.nLord[1 + lord].begin());
    tree.strName += " of " + g_strVargaLabels[column];
    return {};
}

CalcStatus CalcPatyayiniDasa(const CChart& chart, CDasaTree& tree) {
    // The lagna and Sun .. Saturn by their degrees in their signs, fewest first (ties in body order).
    std::vector<int> order(8);
    std::iota(order.begin(), order.end(), kLagna);
    const auto degrees = [&](int b) {
        return chart.m_bodies[b].m_dLongitude - 30.0 * chart.m_bodies[b].m_nSign;
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return degrees(a) < degrees(b); });
    std::vector<double> years(9);
    const double largest = degrees(order.back());
    for (int i = 0; i < 8; ++i) {
        const double amount = degrees(order[i]) - (i > 0 ? degrees(order[i - 1]) : 0.0);
        // With every body at 0 degrees the amounts are all 0: the eight share the cycle equally.
        years[i] = largest > 0.0 ? amount * kCycleYears / largest : kCycleYears / 8.0;
    }
    years[8] = years[0];
    FillPlanetCycle(tree, order, years);
    return {};
}

CalcStatus CalcKarakaDasa(const CChart& chart, bool withoutPitri, CDasaTree& tree) {
    constexpr int kPitriSlot = 4, kPutraSlot = 5;
    std::vector<int> slots;
    for (int slot = 0; slot < kCharaKarakaSlots; ++slot) {
        if (chart.m_nCharaKarakas == 7 && slot == (withoutPitri ? kPitriSlot : kPutraSlot)) continue;
        slots.push_back(slot);
    }
    const int n = static_cast<int>(slots.size());
    const int lagna = SignIn(chart, kLagna, 0);
    std::vector<double> years(n);
    for (int c = 0; c < n; ++c) {
        const int planet = chart.m_charaKaraka[slots[c]];
        years[c] = SignedModOneBased(PositiveMod(SignIn(chart, planet, 0) - lagna, 12), 12);
        char label[64];
        std::snprintf(label, sizeof label, "%s %s", g_charaKarakaAbbrevs[slots[c]],
                      g_pszPlanetNamesAlt[planet]);
        tree.strLabel[c] = tree.strLabel[n + c] = label;
    }
    const double sum = std::accumulate(years.begin(), years.end(), 0.0);
    tree.bUseLabelTables = true;
    tree.bPlanetLords = false;
    tree.bEqualSubPeriods = false;
    tree.bExplicitSubPeriods = true;
    tree.bBalance = false;
    tree.nPeriods = 2 * n;
    tree.nSubPeriods = n;
    tree.dCycleYears = 12.0 * n;
    for (int c = 0; c < n; ++c) {
        tree.nLord[0][c] = c;
        tree.dYears[c] = years[c];
        tree.nLord[0][n + c] = n + c;
        tree.dYears[n + c] = 12.0 - years[c];
        tree.nSubCount[c] = tree.nSubCount[n + c] = n;
        for (int j = 0; j < n; ++j) {
            const int x = (c + 1 + j) % n; // from the next karaka on, ending with the period's own
            tree.nLord[1 + c][j] = x;
            tree.nLord[1 + n + c][j] = n + x;
            tree.dSubFraction[c][j] = years[x] / sum;
            // Every karaka in the lagna's sign leaves the second cycle without length: equal shares.
            tree.dSubFraction[n + c][j] = 12.0 * n > sum ? (12.0 - years[x]) / (12.0 * n - sum) : 1.0 / n;
        }
    }
    return {};
}

CalcStatus CalcBuddhiGatiDasa(const CChart& chart, int column, CDasaTree& tree) {
    // The planets by descending key: the house from the lagna, the 10th first, then the degrees.
    std::vector<int> order(9);
    std::iota(order.begin(), order.end(), kSun);
    const auto key = [&](int p) {
        return (12 - (chart.HouseFromLagna0(column, p) + 9) % 12) * 100 + chart.m_bodies[p].DegreesInSign();
    };
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return key(a) > key(b); });
    // Twelve places: the first three planets come again at places 9, 10 and 11.
    for (int i = 0; i < 3; ++i) order.push_back(order[i]);
    const int lagna = SignIn(chart, kLagna, column);
    tree.bPlanetLords = true;
    tree.bEqualSubPeriods = true;
    tree.bBalance = false;
    tree.nPeriods = 24;
    tree.nSubPeriods = 12;
    tree.dCycleYears = kCycleYears;
    for (int i = 0; i < 12; ++i) {
        const int lord = order[i];
        const double years = SignedModOneBased(PositiveMod(lagna - SignIn(chart, lord, column) + i, 12), 12);
        tree.nLord[0][i] = tree.nLord[0][12 + i] = lord;
        tree.dYears[i] = years;
        tree.dYears[12 + i] = 12.0 - years;
        // The row belongs to the planet: a planet at two places keeps the row of its later place.
        for (int j = 0; j < 12; ++j) tree.nLord[1 + lord][j] = order[(i + j) % 12];
    }
    AppendVargaName(tree, column);
    return {};
}
