// The keys of tavro.ini, section by section in file order.
#include "shell/preference_keys.h"

#include <algorithm>
#include <vector>

#include "core/ayanamsa.h"
#include "core/bodies_to_show.h"
#include "core/calc_options.h"
#include "core/chart.h"
#include "core/chart_labels.h"
#include "core/region_table.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "shell/color_settings.h"
#include "shell/display_options.h"
#include "shell/preferences.h"
#include "shell/window_sizes.h"

namespace {

using S = PreferenceSection;

constexpr const char* kProgramVersion = "8.0.0.0";
constexpr int kIndiaRegionRow = 105;
constexpr IntRange kSigns = {0, kSignCount - 1};
constexpr IntRange kVargaColumns = {0, kVargaColumnCount - 1};
constexpr IntRange kTimeStepUnits = {0, 6}; // "Sec" ... "Year"
constexpr IntRange kYearKinds = {0, 7};
constexpr DoubleRange kYearLengths = {1, 100000}; // days; a zero year would stall every dasa
constexpr IntRange kOffOn = {0, 1};
constexpr IntRange kBodies = {0, kBodyCount - 1};
constexpr IntRange kDayFrames = {0, 2};                  // the sunrise, mean-time and zone-time days
constexpr IntRange kChartStyles = {0, 4};                // 0, 1 South, 2 North, 3, 4 East Indian
constexpr IntRange kScreenCoordinates = {-32768, 32767}; // pixels

// A varga above D-60's column other than 25 is no amsa-ruler varga: D-9 instead.
void NormaliseAmsaRulerVarga() {
    if (g_nAmsaRulerVarga > 19 && g_nAmsaRulerVarga != 25) g_nAmsaRulerVarga = 1;
}

double UserAyanamsaCorrection() {
    CDmsAngle correction;
    CopyAyanamsaPrefs(g_ayanamsaSettings, correction);
    return correction.m_dValue;
}

// Choosing the ayanamsa after the file is read lowers a Deva-datta correction once.
void SetUserAyanamsaCorrection(double degrees) {
    g_ayanamsaSettings.m_correction.m_dValue = degrees;
    g_ayanamsaSettings.m_correction.SplitDegrees();
}

class KeyTableBuilder {
public:
    void Section(S section) { section_ = section; }
    // Every number states the values it accepts; any other value read takes the default.
    void Int(const char* key, int& value, int defaultValue, IntRange valid,
             std::function<void()> after = {}) {
        Add(key, IntBinding{&value, defaultValue, valid}, std::move(after));
    }
    void Flag(const char* key, bool& value, bool defaultValue, std::function<void()> after = {}) {
        Add(key, FlagBinding{&value, defaultValue}, std::move(after));
    }
    void IntFlag(const char* key, int& value, int defaultValue) {
        Add(key, IntFlagBinding{&value, defaultValue});
    }
    void Double(const char* key, double& value, double defaultValue, DoubleRange valid) {
        Add(key, DoubleBinding{&value, defaultValue, valid});
    }
    void Accessor(const char* key, std::function<double()> get, std::function<void(double)> set,
                  double defaultValue, DoubleRange valid) {
        Add(key, DoubleAccessorBinding{std::move(get), std::move(set), defaultValue, valid});
    }
    // Angles and zones are stored as decimals and split into their parts when set.
    void Angle(const char* key, CDmsAngle& angle, double defaultValue, DoubleRange valid) {
        const auto set = [&angle](double degrees) {
            angle.m_dValue = degrees;
            angle.SplitDegrees();
        };
        Add(key, DoubleAccessorBinding{[&angle] { return angle.m_dValue; }, set, defaultValue, valid});
    }
    void Zone(const char* key, CHmsTime& zone, double defaultValue) {
        const auto set = [&zone](double hours) {
            zone.m_dHours = hours;
            zone.SplitHours();
        };
        Add(key, DoubleAccessorBinding{[&zone] { return zone.m_dHours; }, set, defaultValue, {-24, 24}});
    }
    void Text(const char* key, std::string& value, std::string defaultValue,
              TextForm form = TextForm::kPlain) {
        Add(key, TextBinding{&value, std::move(defaultValue), form});
    }
    void WriteOnly(const char* key, std::function<std::string()> get) {
        Add(key, WriteOnlyTextBinding{std::move(get)});
    }
    template <size_t N>
    void IntList(const char* key, std::array<int, N>& values, std::vector<int> defaults, IntRange valid) {
        Add(key, IntListBinding{values, std::move(defaults), valid});
    }
    template <size_t N>
    void FlagList(const char* key, std::array<bool, N>& values, std::vector<bool> defaults) {
        Add(key, FlagListBinding{values, std::move(defaults)});
    }
    template <size_t N>
    void DoubleList(const char* key, std::array<double, N>& values, std::vector<double> defaults,
                    DoubleRange valid) {
        Add(key, DoubleListBinding{values, std::move(defaults), valid});
    }
    void Color(int n) {
        Add(g_colorIniKeys[n], ColorBinding{&g_savedColors[n], &g_colors[n], g_defaultColors[n]});
    }
    void Size(WindowSizeRecord& record) {
        Add(record.name, SizeBinding{&record.cx, &record.cy, kScreenCoordinates},
            [] { g_bWindowSizesSaved = true; });
    }

    std::vector<PreferenceKey> keys;

private:
    void Add(const char* key, PreferenceBinding binding, std::function<void()> after = {}) {
        keys.push_back({key, section_, std::move(binding), std::move(after)});
    }
    S section_ = S::kDirectory;
};

std::vector<PreferenceKey> BuildKeys() {
    KeyTableBuilder b;
    b.Section(S::kDirectory);
    b.WriteOnly("TavroDirectory", [] { return g_strTavroDirectory; });
    b.WriteOnly("TavroVersion", [] { return std::string(kProgramVersion); });
    b.Section(S::kCalculation);
    // Ujjain: 75 deg 46' 6" east, 23 deg 10' 48" north, zone 5 h 30 min east.
    b.Angle("DefaultLongitude", g_defaultLongitude, -(75 + 46 / 60.0 + 6 / 3600.0), {-180, 180});
    b.Angle("DefaultLatitude", g_defaultLatitude, 23 + 10 / 60.0 + 48 / 3600.0, {-90, 90});
    b.Double("DefaultAltitude", g_dDefaultAltitude, 491.0, {kMinAltitude, kMaxAltitude});
    b.Zone("DefaultTimeZone", g_defaultTimeZone, -5.5);
    b.Zone("DefaultSummerTimeZone", g_defaultSummerTimeZone, -5.5);
    b.Int("DefaultLocationCountryCode", g_nDefaultLocationCountryCode, kIndiaRegionRow,
          {0, kRegionCount - 1});
    b.Text("DefaultLocationCityName", g_strDefaultLocationCityName, "Ujjain", TextForm::kBlanksAsCaret);
    b.Text("DefaultLocationCountryName", g_strDefaultLocationCountryName, "India", TextForm::kBlanksAsCaret);
    // The variants of each varga, as varga_rules.h lists them.
    b.Int("HoraPreference", g_nHoraPreference, 6, {0, 11});
    b.Int("D3Preference", g_nD3Preference, 0, {0, 4});
    b.Int("D4Preference", g_nD4Preference, 0, {0, 1});
    b.Int("D5Preference", g_nD5Preference, 0, {0, 1});
    b.Int("D7Preference", g_nD7Preference, 0, {0, 2});
    b.Int("D8Preference", g_nD8Preference, 0, {0, 1});
    b.Int("D9Preference", g_nD9Preference, 0, {0, 3});
    b.Int("D10Preference", g_nD10Preference, 0, {0, 4});
    b.Int("D11Preference", g_nD11Preference, 0, {0, 1});
    b.Int("D12Preference", g_nD12Preference, 0, {0, 1});
    b.Int("D16Preference", g_nD16Preference, 0, {0, 1});
    b.Int("D20Preference", g_nD20Preference, 0, {0, 1});
    b.Int("D24Preference", g_nD24Preference, 1, {0, 2});
    b.Int("D27Preference", g_nD27Preference, 0, {0, 1});
    b.Int("D30Preference", g_nD30Preference, 0, {0, 2});
    b.Int("D60Preference", g_nD60Preference, 0, {0, 3});
    b.Int("D108Preference", g_nD108Preference, 1, {0, 1});
    b.Int("D150Preference", g_nD150Preference, 1, kOffOn);
    b.Int("D150NamePreference", g_nD150NamePreference, 0, kOffOn);
    b.Int("VyatipataMethod", g_nVyatipataMethod, 0, kOffOn);
    b.IntList("UpagrahaRiseMethod", g_nUpagrahaRiseMethod, {1, 1, 1, 1, 1, 0}, {0, 2}); // start, middle, end
    b.Flag("MandiInSaturnPortion", g_bMandiInSaturnPortion, true);
    b.Flag("GulikaInSaturnPortion", g_bGulikaInSaturnPortion, true);
    b.Flag("TopocentricPositions", g_bTopocentricPositions, false);
    b.Flag("TruePositions", g_bTruePositions, true);
    b.Flag("NoNutation", g_bNoNutation, false);
    b.Flag("NoAberration", g_bNoAberration, false);
    b.Flag("NoGravDeflection", g_bNoGravDeflection, false);
    b.Flag("ApparentRefraction", g_bApparentRefraction, false);
    b.Flag("TrueNodes", g_bTrueNodes, false);
    b.IntFlag("LagnaUsedInMoolaDasa", g_nLagnaUsedInMoolaDasa, 1);
    b.IntFlag("MoonUsedInMoolaDasa", g_nMoonUsedInMoolaDasa, 1);
    b.IntFlag("SunUsedInMoolaDasa", g_nSunUsedInMoolaDasa, 1);
    b.IntFlag("MoolaDasaNoCorrectionInMoolaTrikona", g_nMoolaDasaNoCorrectionInMoolaTrikona, 0);
    b.Int("UserSelectedAyanamsa", g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaTrueLahiri,
          {0, kAyanamsaCount - 1});
    // Saved as the user entered it: the Deva-datta shift kept inside the correction is added back.
    b.Accessor("DeltaFromUserSelectedAyanamsa", UserAyanamsaCorrection, SetUserAyanamsaCorrection, 0.0,
               {-360, 360});
    b.Int("HouseTypeWanted", g_nHouseTypeWanted, 1, {0, 11});
    b.Flag("HouseCuspsInMiddle", g_bHouseCuspsInMiddle, true);
    b.Int("BhavaChartVarga", g_nBhavaChartVarga, 0, {0, 22});
    b.Int("BhavaChartRef", g_nBhavaChartRef, 2, kBodies);
    b.Flag("HousesFromNodesReversed", g_bHousesFromNodesReversed, true);
    b.FlagList("UseDasaSeedFromNatalInTajaka", g_bUseDasaSeedFromNatalInTajaka,
               std::vector<bool>(kNatalSeedDefaults.begin(), kNatalSeedDefaults.end()));
    b.FlagList("ProgressDasaSeedInTajaka", g_bProgressDasaSeedInTajaka,
               std::vector<bool>(kDasaCodeCount, true));
    b.IntList("YearDefinition", g_nDasaYearDefinition,
              std::vector<int>(kDasaCodeCount, kDefaultDasaYearDefinition), kYearKinds);
    b.DoubleList("YearLength", g_dDasaYearLength, std::vector<double>(kDasaCodeCount, kMeanTropicalYearDays),
                 kYearLengths);
    b.Flag("SpecialYearForTajaka", g_bSpecialYearForTajaka, true);
    b.Flag("SpecialYearForTP", g_bSpecialYearForTP, true);
    b.Flag("DasaSeshamInMundaneCharts", g_bDasaSeshamInMundaneCharts, true);
    b.Flag("UseCompundRelationshipInAvasthas", g_bUseCompundRelationshipInAvasthas, false);
    b.Flag("CompoundRelationshipsFromRasi", g_bCompoundRelationshipsFromRasi, false);
    b.Int("LifeCycleYearDefinition", g_nLifeCycleYearDefinition, kDefaultDasaYearDefinition, kYearKinds);
    b.Double("LifeCycleYearLength", g_dLifeCycleYearLength, kMeanTropicalYearDays, kYearLengths);
    b.Double("LifeCycleYears", g_dLifeCycleYears, 144.0, {1, 100000});
    b.Int("SunriseDefinition", g_nSunriseDefinition, 0, {0, 3});
    b.Int("WeekdayDefinition", g_nWeekdayDefinition, 0, kDayFrames);
    b.Int("WeekdayDefinitionKaala", g_nWeekdayDefinitionKaala, 1, kDayFrames);
    b.Int("MBTablePreference", g_nMBTablePreference, 0, kOffOn);
    b.Int("MBLocationPreference", g_nMBLocationPreference, 2, {0, 2});
    b.Int("UpagrahaDayDefinition", g_nUpagrahaDayDefinition, 0, kOffOn);
    b.Flag("ReplaceLagnaInPrasna", g_bReplaceLagnaInPrasna, false);
    b.Flag("TrueTajaka", g_bTrueTajaka, true);
    b.Flag("TropicalTajaka", g_bTropicalTajaka, false);
    b.Int("MunthaPreference", g_nMunthaPreference, 1, {0, 2});
    b.Int("VimsottariStrenfthHelpHouses", g_nVimsottariStrenfthHelpHouses, 0, kOffOn);
    b.FlagList("AshtakaVargaCalculation", g_abAshtakaVargaCalculation, std::vector<bool>(6, true));
    b.Int("ShoolaDasaAntardasaStart", g_nShoolaDasaAntardasaStart, 1, {0, 2});
    b.Int("CharaKarakaDefinition", g_nCharaKarakaDefinition, 0, {0, 3});
    b.Flag("NaisargikaDasaNoADForMDLord", g_bNaisargikaDasaNoADForMDLord, true);
    b.Flag("NaisargikaDasa3rd10thNoAD", g_bNaisargikaDasa3rd10thNoAD, false);
    b.Flag("NaisargikaDasaOthersNoAD", g_bNaisargikaDasaOthersNoAD, false);
    b.Int("SwarudhaInAmsaBala", g_nSwarudhaInAmsaBala, 0, {0, 7});
    b.Flag("CombustionBadInAmsaBala", g_bCombustionBadInAmsaBala, true);
    b.Flag("DispositorCombustionBadInAmsaBala", g_bDispositorCombustionBadInAmsaBala, false);
    b.Flag("DefeatBadInAmsaBala", g_bDefeatBadInAmsaBala, true);
    b.Flag("DispositorDefeatBadInAmsaBala", g_bDispositorDefeatBadInAmsaBala, false);
    b.Flag("NeechaBadInAmsaBala", g_bNeechaBadInAmsaBala, true);
    b.Flag("DispositorNeechaBadInAmsaBala", g_bDispositorNeechaBadInAmsaBala, false);
    b.Flag("DispositorNeechaRasiBadInAmsaBala", g_bDispositorNeechaRasiBadInAmsaBala, false);
    b.Flag("PoorVimsopakaBadInAmsaBala", g_bPoorVimsopakaBadInAmsaBala, true);
    b.Flag("DispositorPoorVimsopakaBadInAmsaBala", g_bDispositorPoorVimsopakaBadInAmsaBala, false);
    b.Flag("SayanadiBadInAmsaBala", g_bSayanadiBadInAmsaBala, true);
    b.Flag("DispositorSayanadiBadInAmsaBala", g_bDispositorSayanadiBadInAmsaBala, false);
    b.Flag("CombustionSpecialRuleVenusMercury", g_bCombustionSpecialRuleVenusMercury, true);
    b.Int("SudasaADOption", g_nSudasaADOption, 4, {0, 4});
    b.Flag("AshtakaVargaDefinition", g_bAshtakaVargaDefinition, true);
    b.Flag("BhavaDrivenSarvaAshtakaVarga", g_bBhavaDrivenSarvaAshtakaVarga, false);
    b.Int("SudarsanaChakraDasaAD", g_nSudarsanaChakraDasaAD, 1, kOffOn);
    b.Int("KalachakraDasaCalculation", g_nKalachakraDasaCalculation, 5, {0, 6});
    b.Flag("KCDRohini4NavamsaInLeo", g_bKCDRohini4NavamsaInLeo, true);
    b.Flag("NodesInArudhas", g_bNodesInArudhas, true);
    b.Flag("ExceptionsInBhavaArudhas", g_bExceptionsInBhavaArudhas, true);
    b.Flag("ExceptionsInGrahaArudhas", g_bExceptionsInGrahaArudhas, true);
    b.Int("ArudhaBasePlanet", g_nArudhaBasePlanet, 0, kBodies);
    b.Flag("LongitudeBasedBhavaArudhas", g_bLongitudeBasedBhavaArudhas, false);
    b.Flag("DivLongsInBhavaArudhas", g_bDivLongsInBhavaArudhas, false);
    b.Int("ArdhaNadiRulerDefinition", g_nArdhaNadiRulerDefinition, 1, {0, 2});
    b.Flag("DrigdasaOfParasara", g_bDrigdasaOfParasara, true);
    b.Flag("SolarMonthUsedInTP", g_bSolarMonthUsedInTP, true);
    b.Int("LunarYrDef", g_nLunarYrDef, 2, {0, 5});
    b.Int("LunarYrSign", g_nLunarYrSign, 11, kSigns);
    b.Int("SolarYrSign", g_nSolarYrSign, 0, kSigns);
    b.Flag("SolarYrTrop", g_bSolarYrTrop, false);
    b.Flag("MoreChartsOnBigDisplay", g_bMoreChartsOnBigDisplay, true, UpdateMoreChartsOnWideDisplay);
    b.Flag("EightAVInSAV", g_bEightAVInSAV, false);
    b.Flag("SiderealNaksharasInTropical", g_bSiderealNaksharasInTropical, false);
    b.Int("Siddhanta", g_nSiddhanta, 0, kOffOn);
    b.Flag("Use1DegInD30ForDivLong", g_bUse1DegInD30ForDivLong, true);
    b.Double("AspectValueMax", g_dAspectValueMax, 60.0, {1, 1000});
    b.Flag("AspectEvalAsPerParasara", g_bAspectEvalAsPerParasara, true);
    b.Flag("FixedPlaneInCustomStarAyanamsa", g_bFixedPlaneInCustomStarAyanamsa, false);
    b.Double("CustomStarLongitude", g_dCustomStarLongitude, 180.0, {0, 360});
    b.Text("CustomStarCode", g_strCustomStarCode, kDefaultCustomStarCode);
    b.Int("AspTblPosLeft", g_nAspTblPosLeft, 0, kScreenCoordinates);
    b.Int("AspTblPosRight", g_nAspTblPosRight, 0, kScreenCoordinates);
    b.Int("AspTblPosTop", g_nAspTblPosTop, 0, kScreenCoordinates);
    b.Int("AspTblPosBottom", g_nAspTblPosBottom, 0, kScreenCoordinates);
    b.Int("CustDivSettings.nCustDivN", g_nCustDivSettings.nCustDivN, 0, {0, kMaxCustomDivisions});
    b.Flag("CustDivSettings.bCyclical", g_bCustDivSettings.bCyclical, false);
    b.Flag("CustDivSettings.bHouseAsSeed", g_bCustDivSettings.bHouseAsSeed, false);
    b.Flag("sCustDivSettings.bReverseDivsInEvenSigns", g_bsCustDivSettings.bReverseDivsInEvenSigns, false);
    b.Int("sCustDivSettings.tStart", g_nsCustDivSettings.tStart, 0, {0, kCustomStartRuleCount - 1});
    b.Flag("TaraDasaParasara", g_bTaraDasaParasara, false);
    b.Flag("TaraDasaDirectionFromStar", g_bTaraDasaDirectionFromStar, false);
    b.Flag("TaraDasaUseSesham", g_bTaraDasaUseSesham, true);
    b.Flag("TaraDasaSeshamRevApasavya", g_bTaraDasaSeshamRevApasavya, false);
    b.Flag("NodalExaltationParasara", g_bNodalExaltationParasara, false);
    b.Flag("PushkaraBhagaJP", g_bPushkaraBhagaJP, true);
    b.Flag("AutoUpdateOn", g_bAutoUpdateOn, true);
    b.Flag("AutoUpdateOnTest", g_bAutoUpdateOnTest, false);
    b.Flag("KaalaInDayNightSeparate", g_bKaalaInDayNightSeparate, true);
    b.Flag("DivLongFromEndToo", g_bDivLongFromEndToo, true);
    b.Flag("ContinuousSpecialLagnas", g_bContinuousSpecialLagnas, false);
    b.Flag("CharaDasaExaltationException", g_bCharaDasaExaltationException, true);
    b.Section(S::kDisplay);
    b.Int("ChartLanguage", g_nChartLanguage, kChartLanguageEnglish, {0, kChartLanguageCount - 1});
    b.Int("ChartStyle", g_nChartStyle, 0, kChartStyles);
    b.Int("ChartStyle2", g_nChartStyle2, 2, kChartStyles);
    b.Flag("UseTwoChartStyles", g_bUseTwoChartStyles, false);
    b.Int("MaskedPrintPageMap", g_nMaskedPrintPageMap, 2047, {0, 2047});
    b.Flag("BlackPrintingWanted", g_bBlackPrintingWanted, true);
    b.Flag("TimeDisplayWithAmPm", g_bTimeDisplayWithAmPm, false);
    b.Int("FontSizeSelection", g_nFontSizeSelection, 3, {0, kFontSizeSteps - 1});
    b.Int("ChartFontSizeSelection", g_nChartFontSizeSelection, 3, {0, kFontSizeSteps - 1});
    b.Flag("SanskritPlanetNames", g_bSanskritPlanetNames, false);
    b.Flag("SanskritRasiNames", g_bSanskritRasiNames, false);
    b.Section(S::kCurrentState);
    b.Int("DasaToBeDisplayed", g_nSelectedDasa, 0, {0, kDasaCodeCount - 1});
    b.Int("NakshatraDasaToBeDisplayed", g_nNakshatraDasaToBeDisplayed, 0, {0, kNakshatraDasaCodeCount - 1});
    b.Int("RasiDasaToBeDisplayed", g_nRasiDasaToBeDisplayed, 25, {25, 45});
    b.Int("OtherDasaToBeDisplayed", g_nOtherDasaToBeDisplayed, 60, {60, kDasaCodeCount - 1});
    b.Int("CurrentDasaViewType", g_nCurrentDasaViewType, 0, {0, 2});
    b.Int("NarayanaDasaChart", g_nNarayanaDasaChart, 0, kVargaColumns);
    b.Int("LagnamsakaDasaChart", g_nLagnamsakaDasaChart, 1, kVargaColumns);
    b.Int("PadanathamsaDasaChart", g_nPadanathamsaDasaChart, 1, kVargaColumns);
    b.Int("ParyaayaDasaChart", g_nParyaayaDasaChart, 6, kVargaColumns);
    b.IntList("DisplayVarga", g_nPaneVarga, {0, 1, 16, 3, 9, 19, 7, 11, 13, 14, 12, 2, 0, 0, 0},
              kVargaColumns);
    b.Int("SCDasaVarga", g_nSCDasaVarga, 0, kVargaColumns);
    b.Int("DasaSearchLevel", g_nDasaSearchLevel, 2, {0, 6});
    b.Int("BuddhiGatiDasaVarga", g_nBuddhiGatiDasaVarga, 0, kVargaColumns);
    b.Flag("SpecialLagnaOn", g_bSpecialLagnaOn, false);
    b.Int("SpecialLagnaPlanet", g_nSpecialLagnaPlanet, 1, {kSun, kKetu});
    b.Int("SpecialLagnaSpeedFactor", g_nSpecialLagnaSpeedFactor, 5, {-1000, 1000});
    b.Flag("SpecialLagnaNodesReverse", g_bSpecialLagnaNodesReverse, true);
    b.Text("SpecialLagnaName", g_strSpecialLagnaName, "Su5");
    b.Flag("SpecialPointOn", g_bSpecialPointOn, false);
    b.Int("SpecialPointBehindAfter", g_nSpecialPointBehindAfter, 1, kOffOn);
    b.Int("SpecialPointUsePlanet", g_nSpecialPointUsePlanet, 1, kOffOn);
    b.Int("SpecialPointUseSaham", g_nSpecialPointUseSaham, 0, kOffOn);
    b.Int("SpecialPointUseRasi", g_nSpecialPointUseRasi, 0, kOffOn);
    b.Int("SpecialPointUseMidPoint", g_nSpecialPointUseMidPoint, 0, kOffOn);
    b.Int("SpecialPointPlanetIndex", g_nSpecialPointPlanetIndex, 0, kBodies);
    b.Int("SpecialPointSahamIndex", g_nSpecialPointSahamIndex, 0, {0, kSahamCount - 1});
    b.Int("SpecialPointSignIndex", g_nSpecialPointSignIndex, 0, kSigns);
    b.Int("SpecialPointPlanetIndex1", g_nSpecialPointPlanetIndex1, 0, kBodies);
    b.Int("SpecialPointPlanetIndex2", g_nSpecialPointPlanetIndex2, 0, kBodies);
    b.Text("SpecialPointName", g_strSpecialPointName, "Special Point");
    b.Text("SpecialPointSymbol", g_strSpecialPointSymbol, "SP");
    b.Double("SpecialPointDeg", g_dSpecialPointDeg, 0.0, {0, 360});
    b.Double("SpecialPointMin", g_dSpecialPointMin, 0.0, {0, 60});
    b.Double("SpecialPointSec", g_dSpecialPointSec, 0.0, {0, 60});
    b.Int("AmsaRulerVarga", g_nAmsaRulerVarga, 25, {0, INT_MAX}, NormaliseAmsaRulerVarga);
    b.IntList(
        "NakshatraDasaStartPoint", g_nNakshatraDasaStartPoint,
        std::vector<int>(kNakshatraDasaStartPointDefaults.begin(), kNakshatraDasaStartPointDefaults.end()),
        {0, 20});
    b.IntList("NaksDasaADMethodPreference", g_nNaksDasaADMethod, std::vector<int>(kNakshatraDasaCodeCount, 0),
              {0, 5});
    b.IntList("NakshatraDasaShift", g_nNakshatraDasaShift, std::vector<int>(kNakshatraDasaCodeCount, 0),
              {0, 32});
    b.FlagList("AntiZodiacalDasa", g_bAntiZodiacalDasa, std::vector<bool>(kNakshatraDasaCodeCount, false));
    b.Int("TimeAdjBase", g_nTimeAdjBase, 2, kTimeStepUnits);
    b.Int("TranTimeAdjBase", g_nTranTimeAdjBase, 4, kTimeStepUnits);
    b.Int("DmDnChartDm", g_nDmDnChartDm, 9, kVargaColumns);
    b.Int("DmDnChartDn", g_nDmDnChartDn, 1, {0, 19});
    b.Section(S::kAddress);
    b.Text("JyotishiAddress", g_strJyotishiAddress, kDefaultJyotishiAddress, TextForm::kLineBreaksAsMarker);

    b.Section(S::kBodiesToShow);
    for (int i = 0; i < kBodyTypeCount; ++i)
        b.Int(g_bodyTypeNames[i], g_bodyTypeShown[i], g_bodyTypeDefaults[i], kOffOn);
    for (int i = 0; i < kShowInChartsCount; ++i)
        b.Flag(g_showInChartsKeys[i], g_bShowInCharts[i], g_showInChartsDefaults[i] != 0);
    b.Section(S::kColors);
    for (int n = 0; n < kColorCount; ++n) b.Color(n);
    b.Section(S::kWindowSizes);
    for (auto& record : g_windowSizes) b.Size(record);
    return std::move(b.keys);
}

} // namespace

std::span<const PreferenceKey> PreferenceKeys() {
    static const std::vector<PreferenceKey> keys = BuildKeys();
    return keys;
}

const PreferenceKey* FindPreferenceKey(std::string_view name) {
    const auto keys = PreferenceKeys();
    const auto found =
        std::find_if(keys.begin(), keys.end(), [&](const PreferenceKey& k) { return k.key == name; });
    return found == keys.end() ? nullptr : &*found;
}
