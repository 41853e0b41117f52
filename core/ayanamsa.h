#pragma once
// The ayanamsa: the process-wide choice among 22 ayanamsas, the rules that give the ayanamsa of one
// moment, and the traditional (trepidation) ayanamsa. Every longitude the program shows is sidereal:
// a tropical position less the ayanamsa. Degrees throughout; Julian days are UT.
#include <cstdint>
#include <optional>
#include <string>

#include "core/angle_time.h"
#include "core/ayanamsa_cache.h"
#include "core/calc_status.h"

constexpr int kAyanamsaCount = 22; // ids 0-21
constexpr int kAyanamsaTraditionalLahiri = 0;
constexpr int kAyanamsaDevaDatta = 3;
constexpr int kAyanamsaChandraHari = 8;
constexpr int kAyanamsaTropical = 16;
constexpr int kAyanamsaTrueLahiri = 17; // Spica at 180: the default
constexpr int kAyanamsaSuryaSiddhanta = 18;
constexpr int kAyanamsaCustomStar = 19;

// Deva-datta is Lahiri lowered by 22' 37''; the shift is kept inside the stored correction.
constexpr double kDevaDattaShift = 0.37694444444444447;

struct CAyanamsaSettings {
    int m_nAyanamsaId = kAyanamsaTrueLahiri; // 0-21, key of the ayanamsa table
    // 1 when the ayanamsa is not the library's (ids 8, 16, 18): positions are requested tropical and
    // the program subtracts its own value.
    std::uint8_t m_bOwnValue = 0;
    int m_nSiderealMode = 1; // handed to swe_set_sid_mode
    CDmsAngle m_correction;  // degrees added to the ayanamsa; sign flag 1 "Add", 0 "Subtract"
};

// The process-wide choice (preference keys UserSelectedAyanamsa and DeltaFromUserSelectedAyanamsa).
// Callers that need the tropical zodiac for a while take a copy (GetAyanamsaSettings), reset
// (ResetAyanamsaSettings), calculate and put the copy back (SetAyanamsaSettings).
extern CAyanamsaSettings g_ayanamsaSettings;

// One row of the ayanamsa table.
struct AyanamsaTableRow {
    int id;
    int listPosition;       // position in the "Select Ayanamsa" chooser
    const char* dialogText; // the chooser's text
    std::uint8_t ownValue;
    int siderealMode;          // kKeepSiderealMode: left as it was
    const char* star;          // star anchoring: the library's star name, or nullptr
    double starLongitude;      // sidereal longitude the star is held at, degrees
    bool starWithTruePosition; // the star is computed with the true-position bit added
};
constexpr int kKeepSiderealMode = -1;
extern const AyanamsaTableRow g_ayanamsaTable[kAyanamsaCount]; // indexed by id

// Sets the record's own-value flag and sidereal mode from its id and hands the mode to the library; the
// correction is left as it is, so applying the same settings again changes nothing. The program passes
// g_ayanamsaSettings. An id outside 0-21 changes nothing but the library's mode.
void ApplyAyanamsaSettings(CAyanamsaSettings& settings);
// The one way to choose an ayanamsa, as the ayanamsa dialog, the preference file and the planetary-model
// commands do: makes `id` (0-21) with the correction as the user entered it (degrees, joined, sign flag
// 1 "Add") the process-wide ayanamsa, stores the correction with id 3's kDevaDattaShift taken off, and
// applies it.
void ChooseAyanamsa(int id, const CDmsAngle& enteredCorrection);
void GetAyanamsaSettings(CAyanamsaSettings& saved);       // copies g_ayanamsaSettings out, whole
void SetAyanamsaSettings(const CAyanamsaSettings& saved); // puts a saved copy back, sets the library's mode
void ResetAyanamsaSettings();                             // tropical (id 16) with no correction
// Holds the tropical zodiac for its lifetime: saves g_ayanamsaSettings, resets them to tropical and
// puts the saved copy back when it goes, however the scope is left.
class TropicalZodiacScope {
public:
    TropicalZodiacScope() {
        GetAyanamsaSettings(m_saved);
        ResetAyanamsaSettings();
    }
    ~TropicalZodiacScope() { SetAyanamsaSettings(m_saved); }
    TropicalZodiacScope(const TropicalZodiacScope&) = delete;
    TropicalZodiacScope& operator=(const TropicalZodiacScope&) = delete;

private:
    CAyanamsaSettings m_saved;
};
// The correction as the user entered it (id 3's shift added back), for the dialog and preference file.
void CopyAyanamsaPrefs(const CAyanamsaSettings& settings, CDmsAngle& correction);

// The ayanamsa of the library's current sidereal mode at a UT moment plus the correction; with the
// own-value flag the correction alone. Computed with the calculation options (nutation unless NoNutation
// is on, true positions...): the value the library subtracts from its own sidereal positions. Fails
// with the library's message. No star anchoring here.
// A search step may take the value interpolated between two exact ones (ayanamsa_cache.h).
CalcValue GetAyanamsaValue(double jdUt, const CAyanamsaSettings& settings,
                           AyanamsaUse use = AyanamsaUse::kChartMoment);

// The traditional trepidation ayanamsa, degrees: a triangular wave of amplitude 27 degrees and period
// 7200 years of 365.258756481482 days; d is days since the Kali epoch (JD 588465.5) at local mean time.
double CalcSuryaSiddhantaAyanamsa(double d);

// Star anchoring of an id: the star and the sidereal longitude it is held at.
struct StarAnchor {
    std::string star; // library star name or ",code"
    double longitude; // degrees
    bool withTruePosition;
};
std::optional<StarAnchor> StarAnchorOf(int ayanamsaId); // nullopt for ids without anchoring

// The star correction k = anchor longitude - the star's longitude (swe_fixstar at the UT moment with
// the given flags): the ayanamsa is lowered by k and body longitudes raised by k. Fails with the
// library's message when the star cannot be computed (missing catalogue, unknown star, moment outside
// the ephemeris): a missing star must never turn a chart.
CalcValue CalcStarCorrection(const StarAnchor& anchor, double jdUt, std::int32_t flags,
                             AyanamsaUse use = AyanamsaUse::kChartMoment);
