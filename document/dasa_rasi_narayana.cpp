// Narayana dasa and the dasas built like it: Lagnamsaka, Padanaathaamsa, Lagna and Atma Karaka
// Kendradi, Yogardha and Paryaya.
#include "core/computed_bodies.h"
#include "core/sign_arithmetic.h"
#include "document/dasa_rasi.h"
#include "document/dasa_rasi_rules.h"

namespace {

constexpr int kLagnaKendradiCode = 30;
constexpr int kAtmaKarakaKendradiCode = 31;
constexpr int kYogardhaCode = 36;
constexpr double kRasiCycleYears = 120.0;
constexpr int kSortByDignityFirst = 2; // SortByStrength's rule set 2

// Narayana's walk from S: the order of S's nature, forward from Aries, Leo, Virgo, Libra, Aquarius and
// Pisces; a forward exception of the column makes it plain and forward, a reversed one turns it.
std::array<int, 12> NarayanaSigns(const CChart& chart, int column, int start) {
    const SignOrder* order = &OrderByNature(start, kNarayanaTrineOrder);
    int direction = NarayanaDirection(start);
    const int exception = DirectionException(chart, column, start);
    if (exception == kForwardException) {
        order = &kPlainOrder;
        direction = 1;
    } else if (exception == kReversedException) {
        direction = -direction;
    }
    return SignsInOrder(start, direction, *order);
}

// Two cycles of twelve by the rasi dasas' years in the column.
void FillRasiYears(const CChart& chart, CDasaTree& tree, const std::array<int, 12>& signs, int column) {
    const auto years = YearsOf(signs, [&](int s) { return RasiYears(chart, s, column); });
    FillSignPeriods(tree, signs, years, true, kRasiCycleYears);
}

// The strongest of the signs by StrongerSign in the column, compared in turn.
int Strongest(const CChart& chart, std::initializer_list<int> signs, int column) {
    int best = *signs.begin();
    for (int s : signs) best = chart.StrongerSign(best, s, column);
    return best;
}

// The stronger of the lagna's sign and its 7th in a column.
int StrongerLagnaSign(const CChart& chart, int lagnaBody, int column) {
    return chart.GetStrongerSignTable(SignIn(chart, lagnaBody, column), column);
}

} // namespace

CalcStatus CalcNarayanaDasa(const CChart& chart, int column, NarayanaVariant variant, CDasaTree& tree,
                            int lagnaBody) {
    const int lagna = SignIn(chart, lagnaBody, 0);
    int start = lagna;
    if (column != 0) {
        const int counted = SignFrom(lagna, NarayanaVargaDivisor(column) - 1);
        start = SignIn(chart, chart.SignLordForDasa(counted, column), column);
    }
    if (variant != NarayanaVariant::kPaka) start = chart.GetStrongerSignTable(start, column);
    start = ChosenOr(chart.m_signLordTables.m_narayanaStart[column], start);
    const std::array<int, 12> signs = NarayanaSigns(chart, column, start);
    const auto years = YearsOf(signs, [&](int s) {
        if (variant == NarayanaVariant::kSama) return 10.0;
        const int lord = chart.SignLordForDasa(s, column);
        return static_cast<double>(variant == NarayanaVariant::kPaka
                                       ? chart.RasiDasaYearsNarayana(s, lord, column)
                                       : chart.RasiDasaYears(s, lord, column));
    });
    FillSignPeriods(tree, signs, years, variant != NarayanaVariant::kSama, kRasiCycleYears);
    SetNarayanaSubPeriods(chart, tree, column, variant == NarayanaVariant::kPaka);
    if (variant == NarayanaVariant::kPaka) tree.strName = "Paka " + tree.strName;
    if (variant == NarayanaVariant::kSama) tree.strName = "Sama " + tree.strName;
    AppendVargaName(tree, column, " chart");
    return {};
}

CalcStatus CalcLagnamsakaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody) {
    const int start = ChosenOr(chart.m_signLordTables.m_lagnamsakaStart[column],
                               chart.GetStrongerSignTable(SignIn(chart, lagnaBody, column), 0));
    FillRasiYears(chart, tree, NarayanaSigns(chart, column, start), column);
    SetNarayanaSubPeriods(chart, tree, 0); // the rasi chart's, whatever the dasa's varga
    AppendVargaName(tree, column, " chart");
    return {};
}

CalcStatus CalcPadanaathaamsaDasa(const CChart& chart, int column, CDasaTree& tree) {
    const int lord = chart.SignLordForDasa(SignIn(chart, kArudhaLagna, column), column);
    const int start = ChosenOr(chart.m_signLordTables.m_padanaathaamsaStart[column],
                               chart.GetStrongerSignTable(SignIn(chart, lord, column), column));
    FillRasiYears(chart, tree, NarayanaSigns(chart, column, start), column);
    SetNarayanaSubPeriods(chart, tree, column);
    AppendVargaName(tree, column, " chart");
    return {};
}

CalcStatus CalcLagnaKendradiDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody) {
    const int start = MarkedStartOr(chart, kLagnaKendradiCode, StrongerLagnaSign(chart, lagnaBody, column));
    const int direction = WithDirectionException(chart, column, start, ParityDirection(start));
    FillRasiYears(chart, tree, SignsInOrder(start, direction, kKendraOrder), column);
    SetNarayanaSubPeriods(chart, tree, column);
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcAtmaKarakaKendradiDasa(const CChart& chart, int column, CDasaTree& tree, int karakaSign) {
    const int karaka = ChosenOr(karakaSign, SignIn(chart, chart.m_charaKaraka[0], column));
    const int start =
        MarkedStartOr(chart, kAtmaKarakaKendradiCode, chart.GetStrongerSignTable(karaka, column));
    // Kendras, panaparas and apoklimas from the start, always forward, each four strongest first.
    std::array<int, 12> signs = SignsInOrder(start, 1, kKendraOrder);
    for (int group = 0; group < 3; ++group)
        chart.SortByStrength(4, signs.data() + 4 * group, column, kSortByDignityFirst);
    FillRasiYears(chart, tree, signs, column);
    SetNarayanaSubPeriods(chart, tree, column);
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcYogardhaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody) {
    const int start = MarkedStartOr(chart, kYogardhaCode, StrongerLagnaSign(chart, lagnaBody, column));
    const int direction = WithDirectionException(chart, column, start, ParityDirection(start));
    const std::array<int, 12> signs = SignsInOrder(start, direction, kPlainOrder);
    // Half the sum of the rasi dasas' years and Sthira dasa's (7, 8, 9 by nature).
    const auto years = YearsOf(signs, [&](int s) { return (RasiYears(chart, s, column) + s % 3 + 7) / 2.0; });
    FillSignPeriods(tree, signs, years, true, kRasiCycleYears);
    SetNarayanaSubPeriods(chart, tree, column);
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcParyayaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody) {
    const int chosen = chart.m_signLordTables.m_paryayaStart[column];
    const int q =
        ChosenOr(chosen, SignFrom(SignIn(chart, lagnaBody, column), NarayanaVargaDivisor(column) - 1));
    const char* kind;
    const SignOrder* order;
    int start;
    switch (q % 3) {
    case 1: // a fixed sign: Sthira Paryaya, the stronger of it and its 7th, each sign with its 7th
        kind = "Sthira";
        order = &kSeventhOrder;
        start = chart.StrongerSign(q, SignFrom(q, 6), column);
        tree.strDescription = "This dasa applies to natives with lagna in a fixed sign. ";
        break;
    case 0: // movable: Chara Paryaya, the strongest kendra, by kendras
        kind = "Chara";
        order = &kKendraOrder;
        start = Strongest(chart, {q, SignFrom(q, 3), SignFrom(q, 6), SignFrom(q, 9)}, column);
        tree.strDescription = "This dasa applies to natives with lagna in a movablesign. ";
        break;
    default: // dual: Ubhaya Paryaya, the strongest trine, by trines
        kind = "Ubhaya";
        order = &kTrineOrder;
        start = Strongest(chart, {q, SignFrom(q, 4), SignFrom(q, 8)}, column);
        tree.strDescription = "This dasa applies to natives with lagna in a dual sign. ";
        break;
    }
    tree.strDescription += "It shows illnesses, litigations && worries.";
    start = ChosenOr(chosen, start);
    const int direction = WithDirectionException(chart, column, start, (start / 3) % 2 == 0 ? 1 : -1);
    FillRasiYears(chart, tree, SignsInOrder(start, direction, *order), column);
    SetNarayanaSubPeriods(chart, tree, column);
    tree.strName = std::string(kind) + " Paryaya dasa of ";
    AppendVargaName(tree, column, " chart");
    return {};
}
