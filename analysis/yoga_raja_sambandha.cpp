// Raja sambandha yogas: association with rulers, built on the atma and amatya karakas, the lagna lord,
// the 5th, 9th and 10th lords, the arudha lagna and the bhagyapada.
#include "analysis/yoga_column.h"
#include "core/computed_bodies.h"
#include "core/sign_rules.h"

namespace {

constexpr int kBhagyapada = kArudhaLagna + 8; // arudha of the 9th house

// A natural benefic other than the atma karaka itself shares its sign.
bool BeneficJoins(const YogaColumn& col, int atma) {
    return col.Benefics(col.Sign(atma)) > (IsNaturalBenefic(atma) ? 1 : 0);
}

// A malefic (nodes included) in each of the 3rd and 6th signs from a sign.
bool MaleficsInThirdAndSixth(const YogaColumn& col, int sign) {
    return col.Malefics(SignFrom(sign, 2)) > 0 && col.Malefics(SignFrom(sign, 5)) > 0;
}

} // namespace

void CYogaList::TestRajaSambandha(const YogaColumn& col) {
    const int atma = col.Chart().m_charaKaraka[0];
    const int amatya = col.Chart().m_charaKaraka[1];
    if (atma == 0 || amatya == 0) return; // the chart's karakas are not computed
    const int l = col.Lagna();
    const int lord1 = col.HouseLord(1);
    const int lord5 = col.HouseLord(5);
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    const int atmaSign = col.Sign(atma);
    const int atmaHouse = col.House0(atma);

    if (col.Aspect(amatya, lord10))
        AddYoga(kYogaRajaSambandha, 0, {amatya, lord10});
    else if (col.Aspect(lord1, lord10))
        AddYoga(kYogaRajaSambandha, 1, {lord1, lord10});
    if (col.Sign(amatya) == atmaSign) AddYoga(kYogaRajaSambandha, 2, {atma, amatya});
    if (col.IsOwnOrExalted(amatya)) AddYoga(kYogaRajaSambandha, 3, {amatya});
    if (IsKonaDistance(col.House0(amatya))) AddYoga(kYogaRajaSambandha, 4, {amatya});
    if (IsKendraOrKonaDistance(SignDistance(col.Sign(amatya), atmaSign)))
        AddYoga(kYogaRajaSambandha, 5, {atma, amatya});
    if (MaleficsInThirdAndSixth(col, l) && MaleficsInThirdAndSixth(col, col.Sign(kArudhaLagna)) &&
        MaleficsInThirdAndSixth(col, atmaSign))
        AddYoga(kYogaRajaSambandha, 6);
    if (col.IsOwnOrExalted(atma) && IsKendraOrKonaDistance(atmaHouse) && col.Aspect(lord9, atma))
        AddYoga(kYogaRajaSambandha, 7, {atma, lord9});
    if (atmaHouse == 0 && IsLordOfSign(atma, col.Sign(kMoon)) && BeneficJoins(col, atma))
        AddYoga(kYogaRajaSambandha, 8, {atma});
    if ((atmaHouse == 4 || atmaHouse == 6 || atmaHouse == 8 || atmaHouse == 9) && BeneficJoins(col, atma))
        AddYoga(kYogaRajaSambandha, 9, {atma});
    if (atmaHouse == 8 && col.Sign(kBhagyapada) == l) AddYoga(kYogaRajaSambandha, 10, {atma});
    if (col.LordsExchanged(1, 10)) AddYoga(kYogaRajaSambandha, 11, {lord1, lord10});
    const int fifthFromAtma = SignFrom(atmaSign, 4);
    if (col.Sign(kMoon) == fifthFromAtma && col.Sign(kVenus) == fifthFromAtma)
        AddYoga(kYogaRajaSambandha, 12, {kMoon, kVenus});
    if (atmaSign == col.Sign(lord5) && IsKendraOrKonaDistance(atmaHouse))
        AddYoga(kYogaRajaSambandha, 13, {atma, lord5});
    if (col.Sign(lord1) == col.Sign(lord5) && col.IsInKendraOrKona(lord1))
        AddYoga(kYogaRajaSambandha, 14, {lord1, lord5});
}
