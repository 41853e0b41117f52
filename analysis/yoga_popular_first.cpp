// Other popular yogas, first group: Subha to Khadga (catalogue entries 5/0 to 5/17).
#include "analysis/yoga_column.h"

namespace {

// Koorma's test of one planet: in one of the houses (0-based) and in a friendly sign.
bool KoormaQualifies(const YogaColumn& col, int planet, std::initializer_list<int> houses0) {
    const int h = col.House0(planet);
    for (int wanted : houses0)
        if (h == wanted) return col.IsInFriendlySign(planet);
    return false;
}

} // namespace

void CYogaList::TestSubha(const YogaColumn& col) {
    if (col.Benefics(col.NthSign(2)) == 0 || col.Benefics(col.NthSign(12)) == 0) return;
    AddYogaWithMembers(kYogaOtherPopular, 0, g_NaturalBenefics, [&](int b) {
        return col.InHouses(b, {2, 12});
    });
}

void CYogaList::TestAsubha(const YogaColumn& col) {
    if (col.Malefics(col.NthSign(2)) == 0 || col.Malefics(col.NthSign(12)) == 0) return;
    AddYogaWithMembers(kYogaOtherPopular, 1, g_NaturalMalefics, [&](int b) {
        return col.InHouses(b, {2, 12});
    });
}

void CYogaList::TestGuruMangala(const YogaColumn& col) {
    if (TogetherOrOpposite(col.Sign(kJupiter), col.Sign(kMars)))
        AddYoga(kYogaOtherPopular, 2, {kJupiter, kMars});
}

void CYogaList::TestAmala(const YogaColumn& col) {
    const int fromLagna = col.NthSign(10);
    const int fromMoon = SignFrom(col.Sign(kMoon), 9);
    if (col.Malefics(fromLagna) > 0 || col.Malefics(fromMoon) > 0) return;
    if (col.Benefics(fromLagna) == 0 && col.Benefics(fromMoon) == 0) return;
    AddYogaWithMembers(kYogaOtherPopular, 3, g_NaturalBenefics,
                       [&](int b) { return col.Sign(b) == fromLagna || col.Sign(b) == fromMoon; });
}

void CYogaList::TestParvata(const YogaColumn& col) {
    int kendrasWithBenefics = 0;
    for (int n = 1; n <= 10; n += 3)
        if (col.Benefics(col.NthSign(n)) > 0) ++kendrasWithBenefics;
    if (kendrasWithBenefics < 2 || col.Malefics(col.NthSign(7)) > 0 || col.Malefics(col.NthSign(8)) > 0)
        return;
    AddYogaWithMembers(kYogaOtherPopular, 4, g_NaturalBenefics,
                       [&](int b) { return IsKendraDistance(col.House0(b)); });
}

void CYogaList::TestKaahala(const YogaColumn& col) {
    const int lord4 = col.HouseLord(4);
    if (lord4 != kJupiter && IsKendraDistance(SignDistance(col.Sign(lord4), col.Sign(kJupiter))) &&
        col.IsStrong(col.HouseLord(1))) {
        AddYoga(kYogaOtherPopular, 5, {lord4, kJupiter});
        return;
    }
    const int lord10 = col.HouseLord(10);
    if (col.Sign(lord4) == col.Sign(lord10) && col.IsOwnOrExalted(lord4))
        AddYoga(kYogaOtherPopular, 6, {lord4, lord10});
}

void CYogaList::TestChaamara(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    if (col.IsExalted(lord1) && IsKendraDistance(col.House0(lord1)) && col.Aspect(lord1, kJupiter)) {
        AddYoga(kYogaOtherPopular, 7, {lord1, kJupiter});
        return;
    }
    if (col.Benefics(col.NthSign(10)) + col.Benefics(col.NthSign(9)) + col.Benefics(col.NthSign(7)) > 1) {
        AddYogaWithMembers(kYogaOtherPopular, 8, g_NaturalBenefics, [&](int b) {
            return col.InHouses(b, {7, 9, 10});
        });
    }
}

void CYogaList::TestSankha(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    const int lord5 = col.HouseLord(5);
    const int lord6 = col.HouseLord(6);
    if (lord5 != lord6 && IsKendraDistance(SignDistance(col.Sign(lord5), col.Sign(lord6))) &&
        col.IsStrong(lord1)) {
        AddYoga(kYogaOtherPopular, 9, {lord5, lord6});
        return;
    }
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    if (col.Sign(lord1) == col.Sign(lord10) && col.Sign(lord1) % 3 == 0 && lord1 != lord10 &&
        col.IsStrong(lord9))
        AddYoga(kYogaOtherPopular, 10, {lord1, lord10, lord9});
}

void CYogaList::TestBheri(const YogaColumn& col) {
    const int lord9 = col.HouseLord(9);
    if (!col.IsStrong(lord9)) return; // both forms ask for it
    bool occupied = true;
    for (int n : {1, 2, 7, 12}) occupied = occupied && col.Grahas(col.NthSign(n)) > 0;
    if (occupied) {
        YogaGivers givers;
        for (int p = kSun; p <= kKetu; ++p)
            if (col.InHouses(p, {1, 2, 7, 12})) givers.Add(p);
        AddYoga(kYogaOtherPopular, 11, givers);
        return;
    }
    const int lord1 = col.HouseLord(1);
    const int jupiter = col.Sign(kJupiter);
    if (IsKendraDistance(SignDistance(col.Sign(lord1), jupiter)) &&
        IsKendraDistance(SignDistance(col.Sign(kVenus), jupiter)))
        AddYoga(kYogaOtherPopular, 12, {lord1, kJupiter, kVenus, lord9});
}

void CYogaList::TestMridanga(const YogaColumn& col) {
    YogaGivers givers;
    for (int p = kSun; p <= kKetu; ++p)
        if (col.IsInKendraOrKona(p) && col.IsOwnOrExalted(p)) givers.Add(p);
    if (givers.count > 1 && col.IsStrong(col.HouseLord(1))) AddYoga(kYogaOtherPopular, 13, givers);
}

void CYogaList::TestSreenatha(const YogaColumn& col) {
    const int lord7 = col.HouseLord(7);
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    const int tenth = col.NthSign(10);
    if (col.Sign(lord7) == tenth && col.IsExalted(lord7) && col.Sign(lord9) == col.Sign(lord10))
        AddYoga(kYogaOtherPopular, 14, {lord7, lord9, lord10});
}

void CYogaList::TestMatsya(const YogaColumn& col) {
    if (col.Benefics(col.NthSign(1)) > 0 && col.Benefics(col.NthSign(9)) > 0 &&
        col.Grahas(col.NthSign(5)) > 0 && col.Malefics(col.NthSign(4)) > 0 &&
        col.Malefics(col.NthSign(8)) > 0)
        AddYoga(kYogaOtherPopular, 15);
}

void CYogaList::TestKoorma(const YogaColumn& col) {
    YogaGivers givers;
    int benefics = 0;
    for (int b : g_NaturalBenefics) {
        if (!KoormaQualifies(col, b, {4, 5, 6})) continue;
        givers.Add(b);
        ++benefics;
    }
    int malefics = 0;
    for (int m : g_NaturalMalefics) {
        if (!KoormaQualifies(col, m, {0, 2, 10})) continue;
        givers.Add(m);
        ++malefics;
    }
    if (benefics >= 2 && malefics >= 2) AddYoga(kYogaOtherPopular, 16, givers);
}

void CYogaList::TestKhadga(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    if (col.LordsExchanged(2, 9) && col.IsInKendraOrKona(lord1))
        AddYoga(kYogaOtherPopular, 17, {col.HouseLord(2), col.HouseLord(9), lord1});
}
