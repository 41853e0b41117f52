// Raja yogas: kendra and kona lords together (yogakaraka, Lakshmi, Dharma-Karmadhipati and general raja
// yogas), the chara-karaka raja yogas, the Yogada yogas of the hora and ghati lagnas, single raja
// yogas, the Viparita raja yogas of the 6th, 8th and 12th lords and a planet aspecting the lagna in
// six vargas.
#include <utility>
#include <vector>

#include "analysis/yoga_column.h"
#include "core/computed_bodies.h"
#include "core/dignity_tables.h"
#include "core/sign_rules.h"

namespace {

// Chara karaka slots.
constexpr int kAtmaKarakaSlot = 0;
constexpr int kPitriKarakaSlot = 4;
constexpr int kPutraKarakaSlot = 5;

// The columns in which (6, 24) looks for a planet aspecting the lagna: D-1, D-9, D-2, D-3, D-12, D-30.
constexpr int kLagnaAspectColumns[] = {kD1Column, kD9Column, kD2Column, kD3Column, kD12Column, kD30Column};

// Two lords are related: together, in mutual graha drishti (both ways), or in each other's signs.
bool LordsRelated(const YogaColumn& col, int a, int b) {
    const int sa = col.Sign(a);
    const int sb = col.Sign(b);
    if (sa == sb) return true;
    if (PlanetAspectsHouse(a, sa, sb) && PlanetAspectsHouse(b, sb, sa)) return true;
    return col.LordOf(sa) == b && col.LordOf(sb) == a;
}

// The planet owns the sign, occupies it or aspects it by rasi drishti.
bool AssociatedWithSign(const YogaColumn& col, int planet, int sign) {
    return IsLordOfSign(planet, sign) || SignsAspect(col.Sign(planet), sign); // a sign aspects itself
}

bool InLagnaFifthOrSeventh(int house0) {
    return house0 == 0 || house0 == 4 || house0 == 6;
}

bool InLagnaOrFifth(int house0) {
    return house0 == 0 || house0 == 4;
}

} // namespace

void CYogaList::TestKendraTrikonaLords(const YogaColumn& col) {
    std::vector<std::pair<int, int>> pairsListed; // (kendra lord, kona lord) already given a record
    const auto listed = [&](int k, int t) {
        for (const auto& [a, b] : pairsListed)
            if ((a == k && b == t) || (a == t && b == k)) return true;
        return false;
    };
    for (int t : {8, 4, 0}) { // the 9th, 5th and 1st houses
        const int konaLord = col.LordOf(SignFrom(col.Lagna(), t));
        for (int k : {9, 0, 3, 6}) { // the 10th, 1st, 4th and 7th houses
            const int kendraLord = col.LordOf(SignFrom(col.Lagna(), k));
            if (kendraLord == konaLord) {
                // The lagna lord rules a kendra and a kona in one sign: no yogakaraka for that.
                if (k != 0 && t != 0) AddYoga(kYogaRaja, 0, {kendraLord});
                continue;
            }
            if (!LordsRelated(col, kendraLord, konaLord)) continue;
            int index = 3;
            if (t == 8 && k == 0)
                index = 1; // Lakshmi: the 1st and 9th lords
            else if (t == 8 && k == 9)
                index = 2; // Dharma-Karmadhipati: the 10th and 9th lords
            else if (listed(kendraLord, konaLord))
                continue;
            if (AddYoga(kYogaRaja, index, {kendraLord, konaLord}))
                pairsListed.emplace_back(kendraLord, konaLord);
        }
    }
}

void CYogaList::TestKarakaRajaYogas(const YogaColumn& col) {
    const auto& karaka = col.Chart().m_charaKaraka;
    const int atma = karaka[kAtmaKarakaSlot];
    if (atma == kNoCharaKaraka) return; // the chart's karakas are not computed
    const int a = col.House0(atma);
    for (int slot : {kPutraKarakaSlot, kPitriKarakaSlot}) {
        const int other = karaka[slot];
        if (other == kNoCharaKaraka) continue; // seven karakas leave a slot empty: no karaka, no yoga
        const int h = col.House0(other);
        if ((InLagnaOrFifth(a) && InLagnaOrFifth(h)) || a == h)
            AddYoga(kYogaRaja, slot == kPutraKarakaSlot ? 4 : 5, {atma, other});
    }
}

void CYogaList::TestYogada(const YogaColumn& col) {
    const int lagna = col.Lagna();
    const int horaLagna = col.Sign(kHoraLagna);
    const int ghatiLagna = col.Sign(kGhatiLagna);
    for (int p = kSun; p <= kKetu; ++p) {
        if (!AssociatedWithSign(col, p, lagna)) continue;
        const bool hora = AssociatedWithSign(col, p, horaLagna);
        const bool ghati = AssociatedWithSign(col, p, ghatiLagna);
        if (hora && ghati)
            AddYoga(kYogaRaja, 6, {p});
        else if (ghati)
            AddYoga(kYogaRaja, 7, {p});
        else if (hora)
            AddYoga(kYogaRaja, 8, {p});
    }
}

void CYogaList::TestRajaYogas(const YogaColumn& col) {
    const CChartRecord& chart = col.Chart();
    const int l = col.Lagna();
    const int atma = chart.m_charaKaraka[kAtmaKarakaSlot];
    int lord[13];
    for (int n = 1; n <= 12; ++n) lord[n] = col.HouseLord(n);

    if (atma != 0 && InLagnaFifthOrSeventh(col.House0(atma)) && InLagnaFifthOrSeventh(col.House0(lord[9])))
        AddYoga(kYogaRaja, 9, {atma, lord[9]});

    // Benefics in the 2nd from a sign count twice, those in the 5th once.
    const auto beneficWeight = [&](int s) {
        return 2 * col.Benefics(SignFrom(s, 1)) + col.Benefics(SignFrom(s, 4));
    };
    if (atma != 0 && beneficWeight(col.Sign(atma)) > 2 && beneficWeight(col.Sign(lord[1])) > 2)
        AddYoga(kYogaRaja, 10);

    int beneficsInKendras = 0;
    for (int k = 0; k < 12; k += 3) beneficsInKendras += col.Benefics(SignFrom(l, k));
    int maleficsInUpachayas = 0;
    for (int k : {2, 5, 10}) maleficsInUpachayas += col.Malefics(SignFrom(l, k));
    if (beneficsInKendras == static_cast<int>(g_NaturalBenefics.size()) &&
        maleficsInUpachayas == static_cast<int>(g_NaturalMalefics.size()))
        AddYoga(kYogaRaja, 11);

    const bool lagnaLordAspectsLagna = col.Aspect(kLagna, lord[1]);
    if (col.IsOwnOrExalted(lord[1]) && lagnaLordAspectsLagna) {
        YogaGivers givers{lord[1]};
        for (int n : {6, 8, 12})
            if (col.IsDebilitated(lord[n])) givers.Add(lord[n]);
        if (givers.count > 1) AddYoga(kYogaRaja, 12, givers);
    }

    const int fifthLordSign = col.Sign(lord[5]);
    const int h5 = col.House0(lord[5]);
    if ((fifthLordSign == col.Sign(lord[1]) || fifthLordSign == col.Sign(lord[9])) &&
        (h5 == 0 || h5 == 3 || h5 == 9))
        AddYoga(kYogaRaja, 13);

    if (TogetherOrOpposite(fifthLordSign, col.Sign(lord[9])))
        AddYoga(kYogaRaja, lagnaLordAspectsLagna ? 14 : 15, {lord[5], lord[9]});

    YogaGivers dignified;
    for (int p = kSun; p <= kKetu; ++p)
        if (IsInMoolatrikona(p, col.Sign(p)) || col.IsExalted(p)) dignified.Add(p);
    if (dignified.count >= 4) AddYoga(kYogaRaja, 16, dignified);

    // Viparita: a lord of the 6th, 8th or 12th in another of these houses, or these lords together.
    const int sixth = col.NthSign(6);
    const int eighth = col.NthSign(8);
    const int twelfth = col.NthSign(12);
    const int a = col.Sign(lord[6]);
    const int b = col.Sign(lord[8]);
    const int c = col.Sign(lord[12]);
    if (a == eighth || a == twelfth) AddYoga(kYogaRaja, 17, {lord[6]});
    if (b == sixth || b == twelfth) AddYoga(kYogaRaja, 18, {lord[8]});
    if (c == sixth || c == eighth) AddYoga(kYogaRaja, 19, {lord[12]});
    if (TogetherOrOpposite(a, b) && TogetherOrOpposite(a, c))
        AddYoga(kYogaRaja, 20, {lord[6], lord[8], lord[12]});
    else if (TogetherOrOpposite(a, b))
        AddYoga(kYogaRaja, 21, {lord[6], lord[8]});
    else if (TogetherOrOpposite(a, c))
        AddYoga(kYogaRaja, 22, {lord[6], lord[12]});
    else if (TogetherOrOpposite(b, c))
        AddYoga(kYogaRaja, 23, {lord[8], lord[12]});

    // Whatever the column under test.
    YogaGivers aspectingEverywhere;
    for (int p = kSun; p <= kKetu; ++p) {
        bool everywhere = true;
        for (int column : kLagnaAspectColumns)
            everywhere = everywhere && chart.SignsAspectInVarga(column, kLagna, p);
        if (everywhere) aspectingEverywhere.Add(p);
    }
    if (aspectingEverywhere.count > 0) AddYoga(kYogaRaja, 24, aspectingEverywhere);
}
