// Parivraja (renunciation) yogas: the Moon with Saturn and the arudha lagna, the 10th lord in a crowded
// sign, a lagna at the end of its sign, the Moon's drekkana and navamsa, and the Moon's dispositor.
#include "analysis/yoga_catalogue.h"
#include "analysis/yoga_column.h"
#include "core/computed_bodies.h"
#include "core/sign_rules.h"

namespace {

constexpr int kLastDegreesOfSign = 28; // the lagna from 28 degrees on is at the end of its sign
constexpr int kCrowdedSign = 5;        // the 10th lord and at least four others

} // namespace

void CYogaList::TestParivraja(const YogaColumn& col) {
    const int l = col.Lagna();
    const int moon = col.Sign(kMoon);
    const int arudha = col.Sign(kArudhaLagna);

    if (moon == col.Sign(kSaturn)) {
        if (moon == arudha)
            AddYoga(kYogaParivraja, 0, {kSaturn, kMoon});
        else if (SignsAspect(moon, arudha))
            AddYoga(kYogaParivraja, 1, {kSaturn, kMoon});
    }

    const int lord10 = col.HouseLord(10);
    if (col.Grahas(col.Sign(lord10)) >= kCrowdedSign && col.IsInKendraOrKona(lord10))
        AddYoga(kYogaParivraja, 2, {lord10});

    // The degree is the birth lagna's, whatever the column.
    if (col.Chart().m_bodies[kLagna].m_nDegrees >= kLastDegreesOfSign && col.Benefics(l) > 0 &&
        col.IsInKendraOrKona(kJupiter)) {
        YogaGivers givers{kJupiter};
        for (int b : g_NaturalBenefics)
            if (col.Sign(b) == l) givers.Add(b);
        AddYoga(kYogaParivraja, 3, givers);
    }

    const int drekkana = col.SignIn(kMoon, kD3Column);
    if ((drekkana == kCapricorn || drekkana == kAquarius) && col.Aspect(kMoon, kMars) &&
        col.Aspect(kMoon, kSaturn))
        AddYoga(kYogaParivraja, 4, {kMoon, kSaturn, kMars});

    const int navamsa = col.SignIn(kMoon, kD9Column);
    if ((navamsa == kAries || navamsa == kScorpio) && col.Aspect(kMoon, kSaturn))
        AddYoga(kYogaParivraja, 5, {kMoon, kSaturn});

    // The Moon's dispositor with or aspected by Saturn alone of the seven planets.
    const int dispositor = col.LordOf(moon);
    for (int p = kSun; p <= kVenus; ++p)
        if (p != dispositor && col.Aspect(dispositor, p)) return;
    if (dispositor != kSaturn && !col.Aspect(dispositor, kSaturn)) return;
    if (CYogaRecord* record = AddYoga(kYogaParivraja, 6, {dispositor}))
        record->m_strResults += g_parivrajaAsceticTexts[dispositor];
}
