// Chara dasa and its kin: Drigdasa, Trikona dasa, the Chara dasas of K.N.Rao and of Iranganti
// Rangacharya.
#include "core/angle_math.h"
#include "core/dignity_tables.h"
#include "core/sign_arithmetic.h"
#include "core/sign_rules.h"
#include "document/dasa_rasi.h"
#include "document/dasa_rasi_rules.h"

namespace {

constexpr int kCharaCode = 33;
constexpr int kCharaKNRaoCode = 34;
constexpr int kIrangantiCode = 35;
constexpr int kFemale = 2; // CChartCore::m_nGender
constexpr double kRasiCycleYears = 120.0;

// Years as a fraction: from the seed's degrees in sign s to the lord's longitude, in the varga chart,
// forward or backward as RasiDasaYears counts; a lord exactly there gives 12.
double VirgoStartYears(const CChart& seedChart, int seedBody, int sign, int lord) {
    const double from = 30.0 * sign + seedChart.m_bodies[seedBody].DegreesInSign();
    const double to = seedChart.m_bodies[lord].m_dLongitude;
    const double arc = (sign / 3) % 2 == 0 ? AngleDiff(to, from) : AngleDiff(from, to);
    return arc == 0.0 ? 12.0 : arc / 30.0;
}

// A sign followed by the three signs it aspects, walked in its own direction.
std::array<int, 4> SignAndItsAspects(int sign) {
    std::array<int, 4> out{sign};
    int n = 1;
    for (int k = 1; k < 12 && n < 4; ++k) {
        const int other = SignFrom(sign, ParityDirection(sign) * k);
        if (SignsAspect(sign, other)) out[n++] = other;
    }
    return out;
}

} // namespace

CalcStatus CalcDrigdasa(const CChart& chart, int column, bool parasara, CDasaTree& tree, int lagnaBody) {
    const int lagna = SignIn(chart, lagnaBody, column);
    // Groups from the 9th, 10th and 11th signs; without Parasara's form and from a dual sign, the 9th,
    // 8th and 7th.
    const int step = !parasara && lagna % 3 == 2 ? -1 : 1;
    std::array<int, 12> signs{};
    for (int g = 0; g < 3; ++g) {
        const std::array<int, 4> group = SignAndItsAspects(SignFrom(lagna, 8 + step * g));
        std::copy(group.begin(), group.end(), signs.begin() + 4 * g);
    }
    if (parasara) {
        FillSignPeriods(tree, signs, SthiraYears(signs), false, kSthiraCycleYears);
        SetCharaSubPeriods(chart, tree, column);
    } else {
        const auto years = YearsOf(signs, [&](int s) {
            return static_cast<double>(chart.RasiDasaYears(s, chart.SignLordSudasa(s, column), column));
        });
        FillSignPeriods(tree, signs, years, true, kRasiCycleYears);
        SetNarayanaSubPeriods(chart, tree, column);
    }
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcTrikonaDasa(const CChart& chart, int column, CDasaTree& tree, int lagnaBody) {
    const int lagna = SignIn(chart, lagnaBody, column);
    int start = lagna;
    for (int trine : {SignFrom(lagna, 4), SignFrom(lagna, 8)})
        start = chart.StrongerSign(start, trine, column);
    const std::array<int, 12> signs =
        SignsInOrder(start, ParityDirection(start), OrderByNature(start, kCharaDualOrder));
    const auto years = YearsOf(signs, [&](int s) { return RasiYears(chart, s, column); });
    FillSignPeriods(tree, signs, years, false, kRasiCycleYears);
    SetCharaSubPeriods(chart, tree, column);
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcCharaDasa(const CChart& chart, const CChart* seedChart, const CharaDasaOptions& options,
                         CDasaTree& tree) {
    const int column = options.column;
    const int start = MarkedStartOr(chart, kCharaCode, SignIn(chart, options.seedBody, column));
    const int direction = NarayanaDirection(start);
    const std::array<int, 12> signs = SignsInOrder(start, direction, kPlainOrder);
    if (options.virgoRule && seedChart == nullptr)
        return CalcStatus::Failure("The varga chart of Chara dasa could not be calculated.");
    const auto years = YearsOf(signs, [&](int s) {
        const int lord = chart.SignLordSudasa(s, column);
        return options.virgoRule ? VirgoStartYears(*seedChart, options.seedBody, s, lord)
                                 : chart.RasiDasaYearsChara(s, lord, column);
    });
    FillSignPeriods(tree, signs, years, !options.compressed, SumOf(years));
    SetCharaSubPeriods(chart, tree, column);
    // The progression moves one sign a period from the progression body's sign.
    tree.dProgressBase = 30.0 * SignIn(chart, options.progressBody, column) + (direction < 0 ? 30.0 : 0.0);
    tree.dProgressStep = 30.0 * direction;
    AppendVargaName(tree, column);
    return {};
}

CalcStatus CalcCharaDasaKNRao(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const auto directionOf = [&](int s) { return WithDirectionException(chart, 0, s, NarayanaDirection(s)); };
    const int start = MarkedStartOr(chart, kCharaKNRaoCode, SignIn(chart, lagnaBody, 0));
    const std::array<int, 12> signs = SignsInOrder(start, directionOf(start), kPlainOrder);
    const auto years = YearsOf(signs, [&](int s) {
        return static_cast<double>(chart.RasiDasaYearsCharaModified(s, chart.SignLordNarayana(s, 0), 0));
    });
    FillSignPeriods(tree, signs, years, false, kRasiCycleYears);
    for (int s = 0; s < 12; ++s)
        SetSubSigns(tree, s, SignFrom(s, directionOf(s)), directionOf(s), kPlainOrder);
    return {};
}

CalcStatus CalcIrangantiCharaDasa(const CChart& chart, CDasaTree& tree, int lagnaBody) {
    const int lagna = SignIn(chart, lagnaBody, 0);
    int start = lagna;
    if (chart.m_nGender == kFemale) start = SignFrom(lagna, IsOddSign(lagna) ? 3 : 9);
    start = MarkedStartOr(chart, kIrangantiCode, start);
    const std::array<int, 12> signs =
        SignsInOrder(start, ParityDirection(lagna), OrderByNature(lagna, kTrineOrder));
    const auto years = YearsOf(signs, [&](int s) {
        return static_cast<double>(chart.RasiDasaYearsCharaAlt(s, SignLordPlain(s), 0));
    });
    FillSignPeriods(tree, signs, years, true, kRasiCycleYears);
    for (int s = 0; s < 12; ++s) SetSubSigns(tree, s, s, ParityDirection(s), OrderByNature(s, kTrineOrder));
    return {};
}
