// Other popular yogas, second group: Kusuma to Gandharva (catalogue entries 5/18 to 5/56), yogas of
// house lords, of the navamsa dispositors of house lords and of benefics around a reference sign.
#include <optional>

#include "analysis/yoga_column.h"
#include "core/computed_bodies.h"

namespace {

// Benefics (Moon, Mercury, Jupiter, Venus) and malefics (Sun, Mars, Saturn, nodes) in a set of signs.
struct SignSetCounts {
    int benefics = 0;
    int malefics = 0;
};

SignSetCounts CountIn(const YogaColumn& col, std::initializer_list<int> signs) {
    SignSetCounts n;
    for (int s : signs) {
        n.benefics += col.Benefics(s);
        n.malefics += col.Malefics(s);
    }
    return n;
}

// Every natural benefic is in the signs, or more than two are and they outnumber the malefics there.
bool BeneficMajority(const SignSetCounts& n) {
    return n.benefics == static_cast<int>(g_NaturalBenefics.size()) ||
           (n.benefics > 2 && n.benefics > n.malefics);
}

bool InSigns(const YogaColumn& col, int body, std::initializer_list<int> signs) {
    return std::find(signs.begin(), signs.end(), col.Sign(body)) != signs.end();
}

// The benefics in the signs `offsets` on from the sign of the lord of house `house`, when they hold the
// majority there.
std::optional<YogaGivers> BeneficMajorityFromLord(const YogaColumn& col, int house,
                                                  std::array<int, 3> offsets) {
    const int x = col.Sign(col.HouseLord(house));
    const std::initializer_list<int> signs = {SignFrom(x, offsets[0]), SignFrom(x, offsets[1]),
                                              SignFrom(x, offsets[2])};
    if (!BeneficMajority(CountIn(col, signs))) return std::nullopt;
    YogaGivers givers;
    for (int b : g_NaturalBenefics)
        if (InSigns(col, b, signs)) givers.Add(b);
    return givers;
}

bool IsKonaFrom(const YogaColumn& col, int body, int sign) {
    return IsKonaDistance(SignDistance(col.Sign(body), sign));
}

bool IsKendraFrom(const YogaColumn& col, int body, int sign) {
    return IsKendraDistance(SignDistance(col.Sign(body), sign));
}

} // namespace

void CYogaList::TestKusuma(const YogaColumn& col) {
    const int moon = col.Sign(kMoon);
    if (col.House0(kSaturn) != 9 || !IsKonaDistance(col.House0(kMoon)) || !IsFixedSign(col.Lagna()) ||
        !IsKendraDistance(col.House0(kVenus)) || col.Benefics(moon) <= 1)
        return;
    YogaGivers givers{kMoon, kVenus, kSaturn};
    for (int b : g_NaturalBenefics)
        if (b != kMoon && col.Sign(b) == moon) givers.Add(b);
    AddYoga(kYogaOtherPopular, 18, givers);
}

void CYogaList::TestKalanidhi(const YogaColumn& col) {
    if (col.House0(kJupiter) == 1 && col.Aspect(kJupiter, kMercury) && col.Aspect(kJupiter, kVenus))
        AddYoga(kYogaOtherPopular, 19, {kJupiter, kMercury, kVenus});
}

void CYogaList::TestKalpadruma(const YogaColumn& col) {
    const CChartRecord& chart = col.Chart();
    const int lord = col.HouseLord(1);
    const int dispositor = col.LordOf(col.Sign(lord));
    const int rasiDispositor = chart.SignLordOpt(col.SignIn(dispositor, kD1Column), kD1Column);
    const int navamsaDispositor = col.NavamsaDispositor(dispositor);
    const YogaGivers chain{lord, dispositor, rasiDispositor, navamsaDispositor};
    for (int i = 0; i < chain.count; ++i)
        if (!col.IsOwnOrExalted(chain.body[i]) && !col.IsInKendraOrKona(chain.body[i])) return;
    AddYoga(kYogaOtherPopular, 20, chain);
}

void CYogaList::TestLagnaadhi(const YogaColumn& col) {
    const int seventh = col.NthSign(7);
    const int eighth = col.NthSign(8);
    if (col.Benefics(seventh) == 0 || col.Benefics(eighth) == 0) return;
    if (col.Malefics(seventh) > 0 || col.Malefics(eighth) > 0) return;
    AddYogaWithMembers(kYogaOtherPopular, 21, g_NaturalBenefics, [&](int b) {
        return col.InHouses(b, {7, 8});
    });
}

void CYogaList::TestGo(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    const int lord2 = col.HouseLord(2);
    if (col.Sign(kJupiter) == kSagittarius && col.Sign(lord2) == kSagittarius && col.IsExalted(lord1))
        AddYoga(kYogaOtherPopular, 23, {kJupiter, lord2, lord1});
}

void CYogaList::TestVidyut(const YogaColumn& col) {
    const int lord11 = col.HouseLord(11);
    if (!col.IsExalted(lord11) || col.Sign(lord11) != col.Sign(kVenus) ||
        !IsKendraFrom(col, lord11, col.Sign(col.HouseLord(1))))
        return;
    AddYoga(kYogaOtherPopular, 24, lord11 == kVenus ? YogaGivers{kVenus} : YogaGivers{lord11, kVenus});
}

void CYogaList::TestChaapa(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    if (col.LordsExchanged(4, 10) && col.IsExalted(lord1))
        AddYoga(kYogaOtherPopular, 25, {col.HouseLord(4), col.HouseLord(10), lord1});
}

void CYogaList::TestPushkala(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    if (col.Sign(lord1) != col.Sign(kMoon)) return;
    const int dispositor = col.LordOf(col.Sign(lord1));
    const int hisDispositor = col.LordOf(col.Sign(dispositor));
    const int relation = col.Chart().CompoundRelation(col.Column(), dispositor, hisDispositor);
    const bool dispositorStrong = IsKendraDistance(col.House0(dispositor)) || relation == 0 || relation == 1;
    if (dispositorStrong && col.Aspect(kLagna, dispositor) && col.Grahas(col.Lagna()) > 0)
        AddYoga(kYogaOtherPopular, 26, {lord1, dispositor, kMoon});
}

void CYogaList::TestMakuta(const YogaColumn& col) {
    const int jupiter = col.Sign(kJupiter);
    if (jupiter == SignFrom(col.Sign(col.HouseLord(9)), 8) && col.Benefics(SignFrom(jupiter, 8)) > 0 &&
        col.House0(kSaturn) == 9)
        AddYoga(kYogaOtherPopular, 27, {kJupiter, kSaturn});
}

void CYogaList::TestJaya(const YogaColumn& col) {
    const int lord6 = col.HouseLord(6);
    const int lord10 = col.HouseLord(10);
    if (col.IsExalted(lord10) && col.IsDebilitated(lord6)) AddYoga(kYogaOtherPopular, 28, {lord10, lord6});
}

void CYogaList::TestHarsha(const YogaColumn& col) {
    const int lord6 = col.HouseLord(6);
    if (col.Sign(lord6) == col.NthSign(6)) AddYoga(kYogaOtherPopular, 29, {lord6});
}

void CYogaList::TestSarala(const YogaColumn& col) {
    const int lord8 = col.HouseLord(8);
    if (col.Sign(lord8) == col.NthSign(8)) AddYoga(kYogaOtherPopular, 30, {lord8});
}

void CYogaList::TestVimala(const YogaColumn& col) {
    const int lord12 = col.HouseLord(12);
    if (col.Sign(lord12) == col.NthSign(12)) AddYoga(kYogaOtherPopular, 31, {lord12});
}

void CYogaList::TestTapaswi(const YogaColumn& col) {
    const YogaGivers givers{kVenus, kSaturn, kKetu};
    if (col.Aspect(kVenus, kSaturn) && col.Aspect(kSaturn, kKetu) && col.Aspect(kKetu, kVenus)) {
        AddYoga(kYogaOtherPopular, 32, givers);
        return;
    }
    const int venus = col.Sign(kVenus);
    if (IsKonaFrom(col, kSaturn, venus) && IsKonaFrom(col, kKetu, venus))
        AddYoga(kYogaOtherPopular, 33, givers);
}

void CYogaList::TestSadhu(const YogaColumn& col) {
    const int arudha = col.Sign(kArudhaLagna);
    const int third = SignFrom(arudha, 2);
    const int sixth = SignFrom(arudha, 5);
    const SignSetCounts n = CountIn(col, {third, sixth});
    if (n.benefics > 0 && n.malefics == 0)
        AddYogaWithMembers(kYogaOtherPopular, 34, g_NaturalBenefics, [&](int b) {
            return InSigns(col, b, {third, sixth});
        });
}

// Hari, Hara and Brahma: the benefic majority in three signs counted from a house lord.
void CYogaList::TestHari(const YogaColumn& col) {
    if (const auto givers = BeneficMajorityFromLord(col, 2, {1, 11, 7}))
        AddYoga(kYogaOtherPopular, 35, *givers);
}

void CYogaList::TestHara(const YogaColumn& col) {
    if (const auto givers = BeneficMajorityFromLord(col, 7, {3, 8, 7}))
        AddYoga(kYogaOtherPopular, 36, *givers);
}

void CYogaList::TestBrahma(const YogaColumn& col) {
    if (const auto givers = BeneficMajorityFromLord(col, 1, {3, 9, 10}))
        AddYoga(kYogaOtherPopular, 37, *givers);
}

void CYogaList::TestBrahmaSecond(const YogaColumn& col) {
    if (IsKendraFrom(col, kJupiter, col.Sign(col.HouseLord(9))) &&
        IsKendraFrom(col, kVenus, col.Sign(col.HouseLord(11))) &&
        (IsKendraFrom(col, kMercury, col.Sign(col.HouseLord(1))) ||
         IsKendraFrom(col, kMercury, col.Sign(col.HouseLord(10)))))
        AddYoga(kYogaOtherPopular, 38, {kJupiter, kVenus, kMercury});
}

void CYogaList::TestVishnu(const YogaColumn& col) {
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    const int navamsaLord = col.NavamsaDispositor(lord9);
    const int second = col.NthSign(2);
    if (col.Sign(lord9) == second && col.Sign(lord10) == second && col.Sign(navamsaLord) == second)
        AddYoga(kYogaOtherPopular, 39, {lord9, lord10, navamsaLord});
}

void CYogaList::TestSiva(const YogaColumn& col) {
    const int lord5 = col.HouseLord(5);
    const int lord9 = col.HouseLord(9);
    const int lord10 = col.HouseLord(10);
    if (col.Sign(lord5) == col.NthSign(9) && col.Sign(lord9) == col.NthSign(10) &&
        col.Sign(lord10) == col.NthSign(5))
        AddYoga(kYogaOtherPopular, 40, {lord5, lord9, lord10});
}

void CYogaList::TestTrilochana(const YogaColumn& col) {
    const int moon = col.Sign(kMoon);
    if (IsKonaFrom(col, kSun, moon) && IsKonaFrom(col, kMars, moon))
        AddYoga(kYogaOtherPopular, 41, {kSun, kMoon, kMars});
}

void CYogaList::TestGouri(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    const int navamsaLord = col.NavamsaDispositor(col.HouseLord(10));
    const int tenth = col.NthSign(10);
    if (col.IsExalted(navamsaLord) && col.Sign(navamsaLord) == tenth && col.Sign(lord1) == tenth)
        AddYoga(kYogaOtherPopular, 42, {navamsaLord, lord1});
}

void CYogaList::TestChandika(const YogaColumn& col) {
    const int lord6 = col.HouseLord(6);
    const int navamsaLord6 = col.NavamsaDispositor(lord6);
    const int navamsaLord9 = col.NavamsaDispositor(col.HouseLord(9));
    const int sun = col.Sign(kSun);
    if (IsFixedSign(col.Lagna()) && col.Aspect(kLagna, lord6) && col.Sign(navamsaLord6) == sun &&
        col.Sign(navamsaLord9) == sun)
        AddYoga(kYogaOtherPopular, 43, {lord6, navamsaLord6, navamsaLord9, kSun});
}

void CYogaList::TestLakshmi(const YogaColumn& col) {
    const int lord9 = col.HouseLord(9);
    if (IsKendraDistance(col.House0(lord9)) && col.IsOwnOrExalted(lord9) && col.IsStrong(col.HouseLord(1)))
        AddYoga(kYogaOtherPopular, 44, {lord9});
}

void CYogaList::TestSaarada(const YogaColumn& col) {
    const int lord10 = col.HouseLord(10);
    const int moon = col.Sign(kMoon);
    if (col.Sign(lord10) == col.NthSign(5) && IsKendraDistance(col.House0(kMercury)) &&
        col.Sign(kSun) == kLeo && (IsKonaFrom(col, kMercury, moon) || IsKonaFrom(col, kJupiter, moon)) &&
        col.Sign(kMars) == col.NthSign(11))
        AddYoga(kYogaOtherPopular, 45, {lord10, kJupiter, kMercury, kSun});
}

void CYogaList::TestExaltedNavamsaLord(const YogaColumn& col) {
    const int lord9 = col.HouseLord(9);
    constexpr struct {
        int house;
        int index;
    } kBhaarathi[] = {{2, 46}, {5, 47}, {11, 48}};
    for (const auto& entry : kBhaarathi) {
        const int navamsaLord = col.NavamsaDispositor(col.HouseLord(entry.house));
        if (col.Sign(navamsaLord) == col.Sign(lord9) && col.IsExalted(navamsaLord)) {
            AddYoga(kYogaOtherPopular, entry.index, {navamsaLord, lord9});
            return;
        }
    }
}

void CYogaList::TestSaraswati(const YogaColumn& col) {
    for (int p : {kMercury, kJupiter, kVenus}) {
        const int h = col.House0(p);
        if (h != 1 && !IsKendraOrKonaDistance(h)) return;
    }
    if (col.IsInFriendlySign(kJupiter)) AddYoga(kYogaOtherPopular, 49, {kMercury, kJupiter, kVenus});
}

void CYogaList::TestAmsavatara(const YogaColumn& col) {
    if (col.IsExalted(kSaturn) && IsKendraDistance(col.House0(kSaturn)) &&
        IsKendraDistance(col.House0(kJupiter)) && IsKendraDistance(col.House0(kVenus)))
        AddYoga(kYogaOtherPopular, 50, {kJupiter, kVenus, kSaturn});
}

void CYogaList::TestDevendra(const YogaColumn& col) {
    if (col.LordsExchanged(2, 10) && col.LordsExchanged(1, 11) && IsFixedSign(col.Lagna()))
        AddYoga(kYogaOtherPopular, 51,
                {col.HouseLord(2), col.HouseLord(10), col.HouseLord(1), col.HouseLord(11)});
}

void CYogaList::TestIndra(const YogaColumn& col) {
    if (col.LordsExchanged(5, 11) && col.Sign(kMoon) == col.NthSign(5))
        AddYoga(kYogaOtherPopular, 52, {col.HouseLord(5), col.HouseLord(11), kMoon});
}

void CYogaList::TestRavi(const YogaColumn& col) {
    const int lord10 = col.HouseLord(10);
    if (col.Sign(kSun) == col.NthSign(10) && col.Sign(lord10) == col.NthSign(3) &&
        col.Sign(lord10) == col.Sign(kSaturn))
        AddYoga(kYogaOtherPopular, 53, {kSun, lord10, kSaturn});
}

void CYogaList::TestBhaaskara(const YogaColumn& col) {
    const int moon = col.Sign(kMoon);
    const int jupiter = SignDistance(col.Sign(kJupiter), moon);
    if (SignDistance(col.Sign(kSun), moon) == 1 && SignDistance(col.Sign(kMercury), moon) == 2 &&
        (jupiter == 4 || jupiter == 8))
        AddYoga(kYogaOtherPopular, 54, {kMoon, kSun, kMercury, kJupiter});
}

void CYogaList::TestKulavardhana(const YogaColumn& col) {
    const std::initializer_list<int> references = {col.Lagna(), col.Sign(kMoon), col.Sign(kSun)};
    for (int p = kSun; p <= kSaturn; ++p) {
        const int fifthBack = SignFrom(col.Sign(p), 8); // the sign from which p is in the 5th
        if (std::find(references.begin(), references.end(), fifthBack) == references.end()) return;
    }
    AddYoga(kYogaOtherPopular, 22);
}

void CYogaList::TestVasumati(const YogaColumn& col) {
    const auto inUpachaya = [&](int b) { return col.InHouses(b, {3, 6, 10, 11}); };
    int benefics = 0;
    for (int b : g_NaturalBenefics) benefics += inUpachaya(b);
    int malefics = 0;
    for (int m : g_NaturalMalefics) malefics += inUpachaya(m);
    if (BeneficMajority({benefics, malefics}))
        AddYogaWithMembers(kYogaOtherPopular, 55, g_NaturalBenefics, inUpachaya);
}

void CYogaList::TestGandharva(const YogaColumn& col) {
    const int lord1 = col.HouseLord(1);
    const int lord10 = col.HouseLord(10);
    if (IsKonaFrom(col, lord10, col.NthSign(7)) && col.IsExalted(kSun) && col.House0(kMoon) == 8 &&
        col.Aspect(lord1, kJupiter))
        AddYoga(kYogaOtherPopular, 56, {lord10, kSun, kMoon, lord1});
}
