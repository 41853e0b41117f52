// Daridra yogas: poverty from the lagna lord in a dusthana, exchanges with dusthana lords, malefics in
// the lagna, each with the influence of the marakas (planets in or owning the 2nd and 7th signs).
#include "analysis/yoga_column.h"

void CYogaList::TestDaridraYogas(const YogaColumn& col) {
    const CChartRecord& chart = col.Chart();
    const int c = col.Column();
    const int l = col.Lagna();
    const auto maraka = [&](int body) { return chart.IsMarakaInfluencedOwnSign(c, body); };
    const int lord1 = col.HouseLord(1);
    const int lord2 = col.HouseLord(2);
    const int lord5 = col.HouseLord(5);
    const int lord6 = col.HouseLord(6);
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    const int lord12 = col.HouseLord(12);
    const int lord1Sign = col.Sign(lord1);

    if (lord1Sign == col.NthSign(12) && col.Sign(lord12) == l && (maraka(lord1) || maraka(lord12)))
        AddYoga(kYogaDaridra, 0, {lord1, lord12});
    if (lord1Sign == col.NthSign(6) && col.Sign(lord6) == l && (maraka(lord1) || maraka(lord6)))
        AddYoga(kYogaDaridra, 1, {lord1, lord6});
    const int ketu = col.Sign(kKetu);
    if (lord1Sign == col.NthSign(8) && maraka(lord1) && (ketu == l || ketu == col.Sign(kMoon)))
        AddYoga(kYogaDaridra, 2, {lord1, kKetu});

    // A malefic lagna lord counts itself among the malefics of its sign, so it needs another there.
    const bool inDusthana = col.InHouses(lord1, {6, 8, 12});
    const int malefics = col.Malefics(lord1Sign);
    const bool afflicted = IsNaturalBenefic(lord1) ? malefics >= 1 : malefics >= 2;
    const int lord2Dispositor = col.LordOf(col.Sign(lord2));
    const bool lord2Weak =
        col.IsDebilitated(lord2) || g_nNaturalRelation[lord2 - 1][lord2Dispositor - 1] == 4;
    if (inDusthana && afflicted && lord2Weak) AddYoga(kYogaDaridra, 3, {lord1, lord2});

    if (col.Sign(lord5) == col.NthSign(6) && col.Sign(lord9) == col.NthSign(12) &&
        (maraka(lord5) || maraka(lord9)))
        AddYoga(kYogaDaridra, 4, {lord5, lord9});

    if (col.Malefics(l) >= 2 && col.Sign(lord9) != l && col.Sign(lord10) != l &&
        chart.IsMarakaInfluenced(c, l))
        AddYogaWithMembers(kYogaDaridra, 5, g_NaturalMalefics, [&](int m) { return col.Sign(m) == l; });
}
