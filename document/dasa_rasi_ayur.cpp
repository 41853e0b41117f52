// Sudasa and the rasi dasas of longevity and troubles: Shoola, Niryana Shoola, Brahma, Sthira, the two
// Mandooka dasas, Navamsa and Varnada dasa.
#include "core/computed_bodies.h"
#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"
#include "core/vocabulary_names.h"
#include "document/dasa_rasi.h"
#include "document/dasa_rasi_rules.h"

namespace {

constexpr int kNiryanaShoolaCode = 39;
constexpr int kBrahmaCode = 40;
constexpr int kSthiraCode = 41;
constexpr int kNavamsaCode = 44;
constexpr int kVarnadaCode = 45;
constexpr SignOrder kAlternateOrder = {0, 2, 4, 6, 8, 10, 1, 3, 5, 7, 9, 11};
// Navamsa dasa maps each even sign to the odd sign that begins its navamsas' count.
constexpr int kNavamsaMap[12] = {0, 6, 2, 10, 4, 2, 6, 0, 8, 4, 10, 8};

// Sub-periods of every sign forward through the twelve signs from start(s).
template <typename Start> void SetForwardSubPeriods(CDasaTree& tree, Start start) {
    for (int s = 0; s < 12; ++s) SetSubSigns(tree, s, start(s), 1, kPlainOrder);
}

int Strongest(const CChart& chart, int a, int step, int column) {
    int best = a;
    for (int k = 1; k < 4; ++k) best = chart.StrongerSign(best, SignFrom(a, k * step), column);
    return best;
}

int BrahmaSign(const CChart& chart) {
    return SignIn(chart, chart.m_signLordTables.m_nBrahma, 0);
}

} // namespace

CalcStatus CalcSudasa(const CChart& chart, int subPeriodOption, CDasaTree& tree) {
    const CRasiLongitude& sreeLagna = chart.m_bodies[kSreeLagna];
    const int l = sreeLagna.m_nSign;
    const int direction = WithDirectionException(chart, 0, l, ParityDirection(l));
    const int k1 = ChosenOr(chart.m_signLordTables.m_nSudasaStart, Strongest(chart, l, 3, 0));
    const int k2 = Strongest(chart, SignFrom(k1, 1), 3, 0);
    const int k3 = Strongest(chart, SignFrom(k2, 1), 3, 0);
    std::array<int, 12> signs{};
    for (int k = 0; k < 4; ++k) {
        signs[k] = SignFrom(k1, 3 * k * direction);
        signs[4 + k] = SignFrom(k2, 3 * k * direction);
        signs[8 + k] = SignFrom(k3, 3 * k * direction);
    }
    std::array<double, 12> years = YearsOf(signs, [&](int s) { return RasiYears(chart, s, 0); });
    years[0] *= 1.0 - sreeLagna.DegreesInSign() / 30.0; // the part of Sree lagna's sign still to rise
    FillSignPeriods(tree, signs, years, true, 120.0);
    for (int s = 0; s < 12; ++s) {
        const int start = subPeriodOption == 0   ? LordOfStrongerSign(chart, s, 0)
                          : subPeriodOption <= 2 ? s
                                                 : chart.GetStrongerSignTable(s, 0);
        const bool kendras = subPeriodOption == 1 || subPeriodOption == 3;
        SetSubSigns(tree, s, start, WithDirectionException(chart, 0, start, ParityDirection(start)),
                    kendras ? kKendraOrder : kPlainOrder);
    }
    return {};
}

CalcStatus CalcShoolaDasa(const CChart& chart, int house, int subPeriodStart, CDasaTree& tree,
                          int lagnaBody) {
    const int start = chart.GetStrongerSignTable(SignFrom(SignIn(chart, lagnaBody, 0), house), 0);
    const std::array<int, 12> signs = SignsInOrder(start, 1, kPlainOrder);
    FillSignPeriods(tree, signs, YearsOf(signs, [](int) { return 9.0; }), false, 108.0);
    SetForwardSubPeriods(tree, [&](int s) {
        if (subPeriodStart == 0) return s;
        if (subPeriodStart == 1) return chart.GetStrongerSignTable(s, 0);
        return LordOfStrongerSign(chart, s, 0);
    });
    if (house > 0 && house < 12)
        tree.strName = std::string("Shoola dasa from ") + g_houseOrdinals[house] + " house";
    return {};
}

CalcStatus CalcNiryanaShoolaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const int start = MarkedStartOr(chart, kNiryanaShoolaCode,
                                    chart.GetStrongerSignTable(SignFrom(SignIn(chart, lagnaBody, 0), 1), 0));
    const int direction = WithDirectionException(chart, 0, start, ParityDirection(start));
    const std::array<int, 12> signs = SignsInOrder(start, direction, kPlainOrder);
    FillSignPeriods(tree, signs, SthiraYears(signs), false, kSthiraCycleYears);
    SetForwardSubPeriods(tree, [&](int s) { return LordOfStrongerSign(chart, s, 0); });
    return {};
}

CalcStatus CalcBrahmaDasa(const CChart& chart, CDasaTree& tree) {
    const int brahma = BrahmaSign(chart);
    const int start = MarkedStartOr(chart, kBrahmaCode, IsOddSign(brahma) ? brahma : SignFrom(brahma, 6));
    const std::array<int, 12> signs = SignsInOrder(start, 1, kPlainOrder);
    // Years to the lord of the 6th sign from an odd sign, of the 8th from an even one.
    const auto years = YearsOf(signs, [&](int s) {
        const int lord = chart.SignLordForDasa(SignFrom(s, IsOddSign(s) ? 5 : 7), 0);
        return static_cast<double>(chart.RasiDasaYearsBrahma(s, lord));
    });
    FillSignPeriods(tree, signs, years, true, 120.0);
    SetForwardSubPeriods(tree, [&](int s) { return SignIn(chart, chart.SignLordForDasa(s, 0), 0); });
    return {};
}

CalcStatus CalcSthiraDasa(const CChart& chart, CDasaTree& tree) {
    const int start = MarkedStartOr(chart, kSthiraCode, BrahmaSign(chart));
    const std::array<int, 12> signs =
        SignsInOrder(start, WithDirectionException(chart, 0, start, 1), kPlainOrder);
    FillSignPeriods(tree, signs, SthiraYears(signs), false, kSthiraCycleYears);
    SetNarayanaSubPeriods(chart, tree, 0);
    return {};
}

CalcStatus CalcMandookaDasaD11(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const int start = SignFrom(SignIn(chart, lagnaBody, kD11Column), 10);
    const int direction = WithDirectionException(chart, kD11Column, start, ParityDirection(start));
    // Every other sign, then the ones passed over: the frog's leaps.
    const std::array<int, 12> signs = SignsInOrder(start, direction, kAlternateOrder);
    FillSignPeriods(tree, signs, SthiraYears(signs), false, kSthiraCycleYears);
    SetForwardSubPeriods(tree, [&](int s) { return LordOfStrongerSign(chart, s, kD11Column); });
    return {};
}

CalcStatus CalcMandookaDasaKNRao(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const int lagna = SignIn(chart, lagnaBody, 0);
    const int start = IsOddSign(lagna) ? lagna : SignFrom(lagna, 6);
    const int direction = ParityDirection(start);
    const std::array<int, 12> signs = SignsInOrder(start, direction, kKendraOrder);
    const auto years = YearsOf(signs, [&](int s) {
        return static_cast<double>(chart.RasiDasaYearsMandooka(s, SignLordPlain(s), 0));
    });
    FillSignPeriods(tree, signs, years, false, SumOf(years));
    for (int s = 0; s < 12; ++s) SetSubSigns(tree, s, s, direction, kKendraOrder);
    return {};
}

CalcStatus CalcNavamsaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const auto mapped = [&](int s) { return kNavamsaMap[chart.GetStrongerSignTable(s, 0)]; };
    const int start = MarkedStartOr(chart, kNavamsaCode, mapped(SignIn(chart, lagnaBody, 0)));
    const std::array<int, 12> signs = SignsInOrder(start, 1, kPlainOrder);
    FillSignPeriods(tree, signs, YearsOf(signs, [](int) { return 9.0; }), false, 108.0);
    SetForwardSubPeriods(tree, mapped);
    return {};
}

CalcStatus CalcVarnadaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const int start = MarkedStartOr(
        chart, kVarnadaCode,
        chart.CompareSignStrength(SignIn(chart, lagnaBody, 0), SignIn(chart, kHoraLagna, 0), 0, 0));
    const int varnada = SignIn(chart, kFirstVarnada, 0);
    const std::array<int, 12> signs = SignsInOrder(start, ParityDirection(start), kPlainOrder);
    const auto years =
        YearsOf(signs, [&](int s) { return static_cast<double>(PositiveMod(s - varnada, 12)); });
    FillSignPeriods(tree, signs, years, true, 108.0);
    for (int s = 0; s < 12; ++s) SetSubSigns(tree, s, s, ParityDirection(s), kPlainOrder);
    return {};
}
