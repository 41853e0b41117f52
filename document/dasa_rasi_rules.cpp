#include "document/dasa_rasi_rules.h"

#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"
#include "core/zodiac_names.h"

namespace {

// The d-th sign from the lagna in each column: the divisors of the standard columns, then 90 and 150 for
// the user's and the composite column, 2 and 30 for D-150 and the hora, 1 and 9 for the term and bhava
// columns.
constexpr int kNarayanaDivisors[kVargaColumnCount] = {1,  9,   2,   3,  4,   5,  6,  7,  8,  10,
                                                      11, 12,  16,  20, 24,  27, 30, 40, 45, 60,
                                                      81, 108, 144, 90, 150, 2,  30, 1,  9};

} // namespace

int NarayanaVargaDivisor(int column) {
    return kNarayanaDivisors[column];
}

int DirectionException(const CChart& chart, int column, int sign) {
    return chart.m_signLordTables.m_saturnKetu[column][sign];
}

int WithDirectionException(const CChart& chart, int column, int sign, int direction) {
    switch (DirectionException(chart, column, sign)) {
    case kForwardException:
        return 1;
    case kReversedException:
        return -direction;
    default:
        return direction;
    }
}

int NarayanaDirection(int sign) {
    return ((sign + 8) / 3) % 2 == 0 ? 1 : -1;
}

int ParityDirection(int sign) {
    return IsOddSign(sign) ? 1 : -1;
}

const SignOrder& OrderByNature(int sign, const SignOrder& dualOrder) {
    switch (sign % 3) {
    case 0:
        return kPlainOrder;
    case 1:
        return kEverySixthOrder;
    default:
        return dualOrder;
    }
}

int ChosenOr(int chosen, int computed) {
    return chosen >= 0 && chosen < 12 ? chosen : computed;
}

int MarkedStartOr(const CChart& chart, int code, int computed) {
    return ChosenOr(chart.m_signMarker[code], computed);
}

double SumOf(const std::array<double, 12>& years) {
    double sum = 0.0;
    for (double y : years) sum += y;
    return sum;
}

double RasiYears(const CChart& chart, int sign, int column) {
    return chart.RasiDasaYears(sign, chart.SignLordForDasa(sign, column), column);
}

std::array<double, 12> SthiraYears(const std::array<int, 12>& signs) {
    return YearsOf(signs, [](int s) { return s % 3 + 7.0; });
}

int SignIn(const CChart& chart, int body, int column) {
    return chart.m_vargaSign.Sign(body, column);
}

int LordOfStrongerSign(const CChart& chart, int sign, int column) {
    const int stronger = chart.GetStrongerSignTable(sign, column);
    return SignIn(chart, chart.SignLordForDasa(stronger, column), column);
}

void FillSignPeriods(CDasaTree& tree, std::span<const int, 12> signs, std::span<const double, 12> years,
                     bool secondCycle, double cycleYears) {
    tree.bPlanetLords = false;
    tree.bEqualSubPeriods = true;
    tree.nSubPeriods = 12;
    tree.bBalance = false;
    tree.dBalance = 1.0;
    tree.dCycleYears = cycleYears;
    tree.nPeriods = secondCycle ? 24 : 12;
    for (int i = 0; i < 12; ++i) {
        tree.nLord[0][i] = signs[i];
        tree.dYears[i] = years[i];
        if (secondCycle) {
            tree.nLord[0][12 + i] = signs[i];
            tree.dYears[12 + i] = 12.0 - years[i];
        }
    }
}

std::array<int, 12> SignsInOrder(int start, int direction, const SignOrder& order) {
    std::array<int, 12> signs{};
    for (int i = 0; i < 12; ++i) signs[i] = SignFrom(start, direction * order[i]);
    return signs;
}

void SetSubSigns(CDasaTree& tree, int sign, int start, int direction, const SignOrder& order) {
    const std::array<int, 12> signs = SignsInOrder(start, direction, order);
    std::copy(signs.begin(), signs.end(), tree.nLord[1 + sign].begin());
}

void SetNarayanaSubPeriods(const CChart& chart, CDasaTree& tree, int column, bool paka) {
    for (int s = 0; s < 12; ++s) {
        const int a = paka ? s : chart.GetStrongerSignTable(s, column);
        const int p = SignIn(chart, chart.SignLordForDasa(a, column), column);
        SetSubSigns(tree, s, p, WithDirectionException(chart, column, a, ParityDirection(p)), kPlainOrder);
    }
}

void SetCharaSubPeriods(const CChart& chart, CDasaTree& tree, int column) {
    for (int s = 0; s < 12; ++s)
        SetSubSigns(tree, s, chart.GetStrongerSignTable(s, column), ParityDirection(s),
                    OrderByNature(s, kCharaDualOrder));
}

void AppendVargaName(CDasaTree& tree, int column, const std::string& suffix) {
    tree.strName += g_vargaNames[column] + suffix;
}
