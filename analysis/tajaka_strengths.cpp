// The Tajaka strengths that the shadbala record carries: pancha-vargeeya bala and dwadasa-vargeeya bala.
#include "analysis/shadbala.h"
#include "core/chart_record.h"
#include "core/dignity_tables.h"

int TajakaRelation(int p, int q) {
    if (p == q) return 2;
    // Group of each planet, bodies 1-7: Sun, Moon, Mars, Jupiter (0) and Mercury, Venus, Saturn (1).
    constexpr int kGroup[8] = {-1, 0, 0, 0, 1, 0, 1, 1};
    auto groupOf = [&](int planet) { return planet >= kSun && planet <= kSaturn ? kGroup[planet] : -1; };
    return groupOf(p) >= 0 && groupOf(p) == groupOf(q) ? 1 : 0;
}

void CShadbala::ComputePanchaVargeeya() {
    // Points of a relation enemy, friend, own (0, 1, 2) double at each step; the base of each term.
    constexpr double kKshetra = 7.5;
    constexpr double kHadda = 3.75;
    constexpr double kDrekkana = 2.5;
    constexpr double kNavamsa = 1.25;
    auto term = [](double base, int relation) { return base * (1 << relation); };
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        const int planet = i + 1;
        const double bala = (Value(i, kUchcha) / 3.0 +
                             term(kKshetra, TajakaRelation(planet, SignLordPlain(SignIn(kRowD1, i)))) +
                             term(kHadda, TajakaRelation(planet, SignIn(kRowHaddaLord, i))) +
                             term(kDrekkana, TajakaRelation(planet, SignLordPlain(SignIn(kRowD3, i)))) +
                             term(kNavamsa, TajakaRelation(planet, SignLordPlain(SignIn(kRowD9, i))))) /
                            4.0;
        Value(i, kPanchaVargeeyaBala) = bala;
        m_planet[i].m_nPanchaVargeeyaGrade = bala < 20.0 ? static_cast<int>(bala / 5.0) : 4;
    }
}

void CShadbala::ComputeDwadasaVargeeya(const CChartRecord& chart) {
    constexpr int kFirstTwelveColumns = 12; // D-1, D-9, D-2, D-3 ... D-12
    for (int i = 0; i < kShadbalaPlanets; ++i) {
        const int planet = i + 1;
        int count = 0;
        for (int v = 0; v < kFirstTwelveColumns; ++v) {
            const int sign = chart.m_vargaSign.Sign(planet, v);
            if (IsExaltedIn(planet, sign) ||
                (!IsDebilitatedIn(planet, sign) && TajakaRelation(planet, SignLordPlain(sign)) >= 1))
                ++count;
        }
        m_planet[i].m_nDwadasaVargeeyaBala = count;
    }
}
