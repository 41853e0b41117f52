#include "shell/calculation_presets.h"

#include <algorithm>
#include <optional>
#include <string_view>

#include "core/ayanamsa.h"
#include "core/bodies_to_show.h"
#include "core/calc_options.h"
#include "core/fixed_stars.h"
#include "core/option_appliers.h"
#include "shell/display_options.h"
#include "shell/preference_keys.h"
#include "shell/window_sizes.h"

namespace {

// Keys both presets return to their built-in defaults, besides the chart switches of [BodiesToShow].
constexpr std::string_view kKeysToDefault[] = {
    "HoraPreference", "ParyaayaDasaChart", "LifeCycleYearLength", "LifeCycleYears", "D9Preference",
    "D4Preference", "D5Preference", "D8Preference", "D11Preference", "D12Preference", "D20Preference",
    "D27Preference", "D30Preference", "D108Preference", "D150Preference", "D150NamePreference",
    "SunriseDefinition", "WeekdayDefinition", "WeekdayDefinitionKaala", "UpagrahaDayDefinition",
    "MBTablePreference", "MBLocationPreference", "NarayanaDasaChart", "SCDasaVarga", "SudarsanaChakraDasaAD",
    "BuddhiGatiDasaVarga", "KCDRohini4NavamsaInLeo", "NodesInArudhas", "ExceptionsInBhavaArudhas",
    "ExceptionsInGrahaArudhas", "ArudhaBasePlanet", "DivLongsInBhavaArudhas", "ArdhaNadiRulerDefinition",
    "DrigdasaOfParasara", "SiderealNaksharasInTropical", "Siddhanta", "VyatipataMethod",
    "MandiInSaturnPortion", "GulikaInSaturnPortion", "TopocentricPositions", "TruePositions", "NoNutation",
    "NoAberration", "NoGravDeflection", "ApparentRefraction", "LagnaUsedInMoolaDasa", "MoonUsedInMoolaDasa",
    "SunUsedInMoolaDasa", "MoolaDasaNoCorrectionInMoolaTrikona", "MaskedPrintPageMap", "BlackPrintingWanted",
    "HouseTypeWanted", "HouseCuspsInMiddle", "BhavaChartVarga", "HousesFromNodesReversed", "DasaSearchLevel",
    "SpecialYearForTajaka", "SpecialYearForTP", "DasaSeshamInMundaneCharts",
    "UseCompundRelationshipInAvasthas", "CompoundRelationshipsFromRasi", "ReplaceLagnaInPrasna",
    "TimeDisplayWithAmPm", "TrueTajaka", "MunthaPreference", "ShoolaDasaAntardasaStart",
    "SanskritPlanetNames", "SanskritRasiNames", "NaisargikaDasaNoADForMDLord", "NaisargikaDasa3rd10thNoAD",
    "NaisargikaDasaOthersNoAD", "SwarudhaInAmsaBala", "CombustionBadInAmsaBala",
    "DispositorCombustionBadInAmsaBala", "DefeatBadInAmsaBala", "DispositorDefeatBadInAmsaBala",
    "NeechaBadInAmsaBala", "DispositorNeechaBadInAmsaBala", "DispositorNeechaRasiBadInAmsaBala",
    "PoorVimsopakaBadInAmsaBala", "DispositorPoorVimsopakaBadInAmsaBala", "SayanadiBadInAmsaBala",
    "DispositorSayanadiBadInAmsaBala", "SudasaADOption", "AshtakaVargaDefinition",
    "BhavaDrivenSarvaAshtakaVarga", "AspectEvalAsPerParasara", "FixedPlaneInCustomStarAyanamsa",
    "Use1DegInD30ForDivLong", "PushkaraBhagaJP", "AutoUpdateOn", "AutoUpdateOnTest",
    "KaalaInDayNightSeparate", "DivLongFromEndToo",
    // The per-dasa and per-nakshatra-dasa arrays (the recommended preset then sets its own year
    // definitions and Tajaka seeds).
    "YearLength", "YearDefinition", "UseDasaSeedFromNatalInTajaka", "ProgressDasaSeedInTajaka",
    "NakshatraDasaStartPoint", "NaksDasaADMethodPreference", "NakshatraDasaShift", "AntiZodiacalDasa",
    "UpagrahaRiseMethod", "AshtakaVargaCalculation"};

// Keys the presets set to values of their own; no value means the recommended preset leaves it.
struct PresetValue {
    std::string_view key;
    double restore;
    std::optional<double> recommended;
};
constexpr PresetValue kPresetValues[] = {
    {"LifeCycleYearDefinition", 3, 7},
    {"D3Preference", 0, 4},
    {"D7Preference", 0, 1},
    {"D10Preference", 0, 4},
    {"D16Preference", 0, 1},
    {"D24Preference", 1, 0},
    {"D60Preference", 0, 2},
    {"KalachakraDasaCalculation", 4, 5},
    {"LongitudeBasedBhavaArudhas", 0, 1},
    {"CustDivSettings.nCustDivN", 57, {}},
    {"CustDivSettings.bCyclical", 0, {}},
    {"CustDivSettings.bHouseAsSeed", 1, {}},
    {"sCustDivSettings.bReverseDivsInEvenSigns", 0, {}},
    {"sCustDivSettings.tStart", 0, {}},
    {"TrueNodes", 0, 1},
    {"UserSelectedAyanamsa", 17, 21},
    {"BhavaChartRef", 0, 0},
    {"LunarYrDef", 2, 3},
    {"SolarMonthUsedInTP", 1, 0},
    {"SolarYrTrop", 0, 1},
    {"LunarYrSign", 11, 3},
    {"SolarYrSign", 0, 3},
    {"TropicalTajaka", 0, 1},
    {"VimsottariStrenfthHelpHouses", 0, 1},
    {"CharaKarakaDefinition", 0, 3},
    {"CombustionSpecialRuleVenusMercury", 1, 0},
    {"AspectValueMax", 100.0, 100.0},
    {"CustomStarLongitude", 180.0, 106.0},
    {"AspTblPosLeft", 0, {}},
    {"AspTblPosRight", 752, {}},
    {"AspTblPosTop", 0, {}},
    {"AspTblPosBottom", 448, {}},
    {"TaraDasaParasara", 0, 1},
    {"TaraDasaDirectionFromStar", 0, {}},
    {"TaraDasaUseSesham", 1, {}},
    {"TaraDasaSeshamRevApasavya", 0, {}},
    {"NodalExaltationParasara", 0, 1},
    {"ContinuousSpecialLagnas", 0, 1},
    {"CharaDasaExaltationException", 1, 0},
    {"FontSizeSelection", 3, {}},
    {"ChartFontSizeSelection", 3, {}},
};

// The restore preset's chart panes: D-1, D-9, D-10, D-20, D-7, D-60, D-2, D-12, D-30, D-3, D-16, D-24, D-1...
constexpr std::array<int, kChartPaneCount> kRestoredPaneVargas = {0,  1, 9,  13, 7, 19, 2, 11,
                                                                  16, 3, 12, 14, 0, 0,  0};
constexpr int kRecommendedYearDefinition = 7; // true tropical solar return

bool IsDefaultedByPresets(const PreferenceKey& key) {
    const bool listed =
        std::find(std::begin(kKeysToDefault), std::end(kKeysToDefault), key.key) != std::end(kKeysToDefault);
    const bool chartSwitch = std::find(std::begin(g_showInChartsKeys), std::end(g_showInChartsKeys),
                                       key.key) != std::end(g_showInChartsKeys);
    return listed || chartSwitch;
}

} // namespace

void ApplyCalculationPreset(CalculationPreset preset) {
    const bool restore = preset == CalculationPreset::kRestoreDefault;
    ApplyPreferenceDefaults(PreferenceKeys(), IsDefaultedByPresets);
    for (const auto& value : kPresetValues) {
        const std::optional<double> chosen = restore ? value.restore : value.recommended;
        if (chosen) SetPreferenceNumber(*FindPreferenceKey(value.key), *chosen);
    }
    UpdateMoreChartsOnWideDisplay();

    ChooseAyanamsa(g_ayanamsaSettings.m_nAyanamsaId, CDmsAngle{}); // the chosen ayanamsa, no correction

    if (restore) {
        g_nPaneVarga = kRestoredPaneVargas;
    } else {
        g_nDasaYearDefinition.fill(kRecommendedYearDefinition);
        g_bUseDasaSeedFromNatalInTajaka.fill(false);
        g_bProgressDasaSeedInTajaka.fill(false);
    }
    g_bWindowSizesSaved = false;

    g_strCustomStarCode = restore ? kDefaultCustomStarCode : ",deCnc"; // Delta Cancri, the Pushya star
    FindCustomStarIndex();

    ApplyRahuKetuExaltationOption(g_bNodalExaltationParasara);
    ApplyTableOption(g_bPushkaraBhagaJP);
}
