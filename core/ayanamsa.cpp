#include "core/ayanamsa.h"

#include <cmath>

#include <swephexp.h>

#include "core/calc_options.h"
#include "core/ephemeris_flags.h"

CAyanamsaSettings g_ayanamsaSettings;

namespace {

// Mode 0 (Fagan/Bradley) projected on the solar-system plane (SE_SIDBIT_SSY_PLANE).
constexpr int kSolarSystemPlaneMode = 512;

int CustomStarSiderealMode() {
    return g_bFixedPlaneInCustomStarAyanamsa ? kSolarSystemPlaneMode : 1;
}

} // namespace

void ApplyAyanamsaSettings(CAyanamsaSettings& settings) {
    const int id = settings.m_nAyanamsaId;
    if (id >= 0 && id < kAyanamsaCount) {
        const AyanamsaTableRow& row = g_ayanamsaTable[id];
        settings.m_bOwnValue = row.ownValue;
        if (id == kAyanamsaCustomStar) {
            settings.m_nSiderealMode = CustomStarSiderealMode();
        } else if (row.siderealMode != kKeepSiderealMode) {
            settings.m_nSiderealMode = row.siderealMode;
        }
    }
    swe_set_sid_mode(settings.m_nSiderealMode, 0, 0);
    ForgetCachedAyanamsas();
}

void ChooseAyanamsa(int id, const CDmsAngle& enteredCorrection) {
    g_ayanamsaSettings.m_nAyanamsaId = id;
    g_ayanamsaSettings.m_correction = enteredCorrection;
    if (id == kAyanamsaDevaDatta) {
        g_ayanamsaSettings.m_correction.m_dValue -= kDevaDattaShift;
        g_ayanamsaSettings.m_correction.SplitDegrees();
    }
    ApplyAyanamsaSettings(g_ayanamsaSettings);
}

void GetAyanamsaSettings(CAyanamsaSettings& saved) {
    saved = g_ayanamsaSettings;
}

void SetAyanamsaSettings(const CAyanamsaSettings& saved) {
    g_ayanamsaSettings = saved; // its correction already holds id 3's shift
    swe_set_sid_mode(g_ayanamsaSettings.m_nSiderealMode, 0, 0);
    ForgetCachedAyanamsas();
}

void ResetAyanamsaSettings() {
    ChooseAyanamsa(kAyanamsaTropical, CDmsAngle{}); // "Add" 0 degrees 0' 0''
}

void CopyAyanamsaPrefs(const CAyanamsaSettings& settings, CDmsAngle& correction) {
    correction = settings.m_correction;
    if (settings.m_nAyanamsaId == kAyanamsaDevaDatta) {
        correction.m_dValue += kDevaDattaShift;
        correction.SplitDegrees();
    }
}

CalcValue GetAyanamsaValue(double jdUt, const CAyanamsaSettings& settings, AyanamsaUse use) {
    const double correction = settings.m_correction.m_dValue;
    if (settings.m_bOwnValue) return {correction, {}};
    // The same options as the positions: star-based library modes (the galactic centre) move with them.
    CalcValue ayanamsa = LibraryAyanamsa(jdUt, CalculationOptionFlags(), settings.m_nSiderealMode, use);
    ayanamsa.value += correction;
    return ayanamsa;
}

double CalcSuryaSiddhantaAyanamsa(double d) {
    // Sidereal years of 365.258756481482 days, periods of 7200 years, 108 degrees of phase per period.
    const double c = d * 0.002737785151635915 * (1.0 / 7200.0);
    const double p = (c - std::trunc(c)) * 108.0;
    const double q = std::fabs(p);
    double wave;
    if (q <= 27.0) {
        wave = -q;
    } else if (q <= 81.0) {
        wave = q - 54.0;
    } else {
        wave = 108.0 - q;
    }
    return p < 0.0 ? -wave : wave;
}

std::optional<StarAnchor> StarAnchorOf(int ayanamsaId) {
    if (ayanamsaId == kAyanamsaCustomStar)
        return StarAnchor{g_strCustomStarCode, g_dCustomStarLongitude, false};
    if (ayanamsaId < 0 || ayanamsaId >= kAyanamsaCount) return std::nullopt;
    const AyanamsaTableRow& row = g_ayanamsaTable[ayanamsaId];
    if (row.star == nullptr) return std::nullopt;
    return StarAnchor{row.star, row.starLongitude, row.starWithTruePosition};
}

CalcValue CalcStarCorrection(const StarAnchor& anchor, double jdUt, std::int32_t flags, AyanamsaUse use) {
    if (anchor.withTruePosition) flags |= kFlagTruePositions;
    const CalcValue star = LibraryStarLongitude(anchor.star, jdUt, flags, use);
    if (!star.ok()) {
        return CalcValue::Failure("The star \"" + anchor.star +
                                  "\" of the ayanamsa cannot be computed: " + star.status.error);
    }
    return {anchor.longitude - star.value, {}};
}
