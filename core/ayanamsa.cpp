#include "core/ayanamsa.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

CalcValue GetAyanamsaValue(double jdUt, const CAyanamsaSettings& settings) {
    const double correction = settings.m_correction.m_dValue;
    if (settings.m_bOwnValue) return {correction, {}};
    // The same options as the positions: star-based library modes (the galactic centre) move with them.
    const std::int32_t flags = CalculationOptionFlags();
    double ayanamsa = 0.0;
    char error[AS_MAXCH] = "";
    if (swe_get_ayanamsa_ex_ut(jdUt, flags, &ayanamsa, error) < 0) return CalcValue::Failure(error);
    return {ayanamsa + correction, {}};
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

CalcValue CalcStarCorrection(const StarAnchor& anchor, double jdUt, std::int32_t flags) {
    if (anchor.withTruePosition) flags |= kFlagTruePositions;
    // The library writes the star's full name back into the buffer it is given.
    std::vector<char> star(anchor.star.begin(), anchor.star.end());
    star.resize(std::max<std::size_t>(star.size() + 1, 2 * SE_MAX_STNAME + 1), '\0');
    double position[6] = {};
    char error[AS_MAXCH] = "";
    if (swe_fixstar(star.data(), jdUt + swe_deltat(jdUt), flags, position, error) < 0) {
        return CalcValue::Failure("The star \"" + anchor.star +
                                  "\" of the ayanamsa cannot be computed: " + error);
    }
    return {anchor.longitude - position[0], {}};
}
