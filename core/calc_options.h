#pragma once
// Calculation options: process-wide globals named after their preference-file keys. The calculation
// code reads them directly; the preference file loads and saves them. Each line names its key; the
// definitions hold the built-in defaults.
#include <array>
#include <string>

#include "core/angle_time.h"

// 1 = Gregorian calendar, 0 = Julian calendar; every date <-> Julian day conversion passes it.
extern int g_nCalendarFlag;

// Ephemeris flags (composed by SetTopocentric).
extern bool g_bTopocentricPositions; // TopocentricPositions: positions seen from the chart's place
extern bool g_bTruePositions;        // TruePositions: geometric positions, no light-time or aberration
extern bool g_bNoNutation;           // NoNutation
extern bool g_bNoAberration;         // NoAberration
extern bool g_bNoGravDeflection;     // NoGravDeflection
extern bool g_bTrueNodes;            // TrueNodes: true instead of mean lunar node for Rahu and Ketu
extern bool g_bApparentRefraction;   // ApparentRefraction: refracted positions (only without TruePositions)

// Ayanamsa options.
extern bool
    g_bSiderealNaksharasInTropical; // SiderealNaksharasInTropical: Spica-based nakshatras in tropical charts
extern bool g_bFixedPlaneInCustomStarAyanamsa; // FixedPlaneInCustomStarAyanamsa: solar-system plane for the
                                               // custom star
extern std::string g_strCustomStarCode; // CustomStarCode: the custom ayanamsa's star, as the library names it
constexpr const char* kDefaultCustomStarCode = ",alVir"; // Spica
extern double
    g_dCustomStarLongitude; // CustomStarLongitude: sidereal longitude the custom star is held at, degrees

// Planetary model.
extern int g_nSiddhanta; // Siddhanta: 1 = traditional Surya Siddhanta model, otherwise the ephemeris

// Dasa codes 0-74 index every per-dasa array; the nakshatra dasas are codes 0-24.
constexpr int kDasaCodeCount = 75;
constexpr int kNakshatraDasaCodeCount = 25;
constexpr double kMeanTropicalYearDays = 365.24219;
constexpr int kDefaultDasaYearDefinition = 3; // year kinds 0-7; 3 = true sidereal solar return

// The place and conditions a new chart starts with (time zones and longitude positive west).
// Start zero (names empty); the preferences give them the default place, Ujjain, at start-up.
extern CHmsTime g_defaultTimeZone;                  // hours, positive west
extern CHmsTime g_defaultSummerTimeZone;            // hours, positive west
extern CDmsAngle g_defaultLongitude;                // degrees, positive west
extern CDmsAngle g_defaultLatitude;                 // degrees, positive north
extern double& g_dDefaultTimeZone;                  // DefaultTimeZone: the decimal value of g_defaultTimeZone
extern double& g_dDefaultSummerTimeZone;            // DefaultSummerTimeZone
extern double& g_dDefaultLongitude;                 // DefaultLongitude
extern double& g_dDefaultLatitude;                  // DefaultLatitude
extern double g_dDefaultAltitude;                   // DefaultAltitude, metres
extern int g_nDefaultLocationCountryCode;           // DefaultLocationCountryCode
extern std::string g_strDefaultLocationCityName;    // DefaultLocationCityName
extern std::string g_strDefaultLocationCountryName; // DefaultLocationCountryName
extern double g_dDefaultPressure;                   // air pressure, mbar (no preference key)
extern double g_dDefaultTemperature;                // degrees C (no preference key)
extern int g_nDefaultGender;                        // (no preference key)

// Upagrahas, special lagnas and the Yogi points.
extern int g_nD150NamePreference;                // D150NamePreference
extern int g_nVyatipataMethod;                   // VyatipataMethod
extern std::array<int, 6> g_nUpagrahaRiseMethod; // UpagrahaRiseMethod
extern bool g_bMandiInSaturnPortion;             // MandiInSaturnPortion
extern bool g_bGulikaInSaturnPortion;            // GulikaInSaturnPortion
extern int g_nUpagrahaDayDefinition;             // UpagrahaDayDefinition
extern bool g_bContinuousSpecialLagnas;          // ContinuousSpecialLagnas

// Houses, day frames and arudhas.
extern int g_nHouseTypeWanted;             // HouseTypeWanted
extern int g_nSunriseDefinition;           // SunriseDefinition
extern int g_nWeekdayDefinition;           // WeekdayDefinition
extern int g_nWeekdayDefinitionKaala;      // WeekdayDefinitionKaala
extern bool g_bKaalaInDayNightSeparate;    // KaalaInDayNightSeparate
extern int g_nMBTablePreference;           // MBTablePreference
extern int g_nMBLocationPreference;        // MBLocationPreference
extern bool g_bNodesInArudhas;             // NodesInArudhas
extern bool g_bExceptionsInBhavaArudhas;   // ExceptionsInBhavaArudhas
extern bool g_bExceptionsInGrahaArudhas;   // ExceptionsInGrahaArudhas
extern int g_nArudhaBasePlanet;            // ArudhaBasePlanet
extern bool g_bLongitudeBasedBhavaArudhas; // LongitudeBasedBhavaArudhas
extern bool g_bDivLongsInBhavaArudhas;     // DivLongsInBhavaArudhas
extern bool g_bUse1DegInD30ForDivLong;     // Use1DegInD30ForDivLong
extern bool g_bDivLongFromEndToo;          // DivLongFromEndToo
extern int g_nCharaKarakaDefinition;       // CharaKarakaDefinition

// Modes: Tajaka, Tithi Pravesha, prasna, lifecycles.
extern bool g_bSpecialYearForTajaka;      // SpecialYearForTajaka
extern bool g_bSpecialYearForTP;          // SpecialYearForTP
extern bool g_bDasaSeshamInMundaneCharts; // DasaSeshamInMundaneCharts
extern int g_nLifeCycleYearDefinition;    // LifeCycleYearDefinition
extern double g_dLifeCycleYearLength;     // LifeCycleYearLength
extern double g_dLifeCycleYears;          // LifeCycleYears
extern bool g_bReplaceLagnaInPrasna;      // ReplaceLagnaInPrasna
extern bool g_bTrueTajaka;                // TrueTajaka
extern bool g_bTropicalTajaka;            // TropicalTajaka
extern int g_nMunthaPreference;           // MunthaPreference
extern bool g_bSolarMonthUsedInTP;        // SolarMonthUsedInTP
extern int g_nLunarYrDef;                 // LunarYrDef
extern int g_nLunarYrSign;                // LunarYrSign
extern int g_nSolarYrSign;                // SolarYrSign
extern bool g_bSolarYrTrop;               // SolarYrTrop

// Strengths, avasthas, ashtakavarga and aspects.
extern bool g_bUseCompundRelationshipInAvasthas;        // UseCompundRelationshipInAvasthas
extern bool g_bCompoundRelationshipsFromRasi;           // CompoundRelationshipsFromRasi
extern int g_nVimsottariStrenfthHelpHouses;             // VimsottariStrenfthHelpHouses
extern std::array<bool, 6> g_abAshtakaVargaCalculation; // AshtakaVargaCalculation
extern int g_nSwarudhaInAmsaBala;                       // SwarudhaInAmsaBala
extern bool g_bCombustionBadInAmsaBala;                 // CombustionBadInAmsaBala
extern bool g_bDispositorCombustionBadInAmsaBala;       // DispositorCombustionBadInAmsaBala
extern bool g_bDefeatBadInAmsaBala;                     // DefeatBadInAmsaBala
extern bool g_bDispositorDefeatBadInAmsaBala;           // DispositorDefeatBadInAmsaBala
extern bool g_bNeechaBadInAmsaBala;                     // NeechaBadInAmsaBala
extern bool g_bDispositorNeechaBadInAmsaBala;           // DispositorNeechaBadInAmsaBala
extern bool g_bDispositorNeechaRasiBadInAmsaBala;       // DispositorNeechaRasiBadInAmsaBala
extern bool g_bPoorVimsopakaBadInAmsaBala;              // PoorVimsopakaBadInAmsaBala
extern bool g_bDispositorPoorVimsopakaBadInAmsaBala;    // DispositorPoorVimsopakaBadInAmsaBala
extern bool g_bSayanadiBadInAmsaBala;                   // SayanadiBadInAmsaBala
extern bool g_bDispositorSayanadiBadInAmsaBala;         // DispositorSayanadiBadInAmsaBala
extern bool g_bCombustionSpecialRuleVenusMercury;       // CombustionSpecialRuleVenusMercury
extern bool g_bAshtakaVargaDefinition;                  // AshtakaVargaDefinition
extern bool g_bBhavaDrivenSarvaAshtakaVarga;            // BhavaDrivenSarvaAshtakaVarga
extern bool g_bEightAVInSAV;                            // EightAVInSAV
extern double g_dAspectValueMax;                        // AspectValueMax
extern bool g_bAspectEvalAsPerParasara;                 // AspectEvalAsPerParasara

// Tables rewritten by their appliers (option_appliers.h).
extern bool g_bNodalExaltationParasara; // NodalExaltationParasara
extern bool g_bPushkaraBhagaJP;         // PushkaraBhagaJP

// Dasas. Per-dasa arrays are indexed by dasa code 0-74, nakshatra-dasa arrays by code 0-24.
extern std::array<bool, kDasaCodeCount> g_bUseDasaSeedFromNatalInTajaka; // UseDasaSeedFromNatalInTajaka
extern std::array<bool, kDasaCodeCount> g_bProgressDasaSeedInTajaka;     // ProgressDasaSeedInTajaka
extern std::array<int, kDasaCodeCount> g_nDasaYearDefinition;            // YearDefinition
extern std::array<double, kDasaCodeCount> g_dDasaYearLength;             // YearLength
extern int g_nLagnaUsedInMoolaDasa;                                      // LagnaUsedInMoolaDasa
extern int g_nMoonUsedInMoolaDasa;                                       // MoonUsedInMoolaDasa
extern int g_nSunUsedInMoolaDasa;                                        // SunUsedInMoolaDasa
extern int g_nMoolaDasaNoCorrectionInMoolaTrikona; // MoolaDasaNoCorrectionInMoolaTrikona
extern int g_nShoolaDasaAntardasaStart;            // ShoolaDasaAntardasaStart
extern bool g_bNaisargikaDasaNoADForMDLord;        // NaisargikaDasaNoADForMDLord
extern bool g_bNaisargikaDasa3rd10thNoAD;          // NaisargikaDasa3rd10thNoAD
extern bool g_bNaisargikaDasaOthersNoAD;           // NaisargikaDasaOthersNoAD
extern int g_nSudasaADOption;                      // SudasaADOption
extern int g_nSudarsanaChakraDasaAD;               // SudarsanaChakraDasaAD
extern int g_nKalachakraDasaCalculation;           // KalachakraDasaCalculation
extern bool g_bKCDRohini4NavamsaInLeo;             // KCDRohini4NavamsaInLeo
extern bool g_bDrigdasaOfParasara;                 // DrigdasaOfParasara
extern bool g_bTaraDasaParasara;                   // TaraDasaParasara
extern bool g_bTaraDasaDirectionFromStar;          // TaraDasaDirectionFromStar
extern bool g_bTaraDasaUseSesham;                  // TaraDasaUseSesham
extern bool g_bTaraDasaSeshamRevApasavya;          // TaraDasaSeshamRevApasavya
extern bool g_bCharaDasaExaltationException;       // CharaDasaExaltationException
extern std::array<int, kNakshatraDasaCodeCount> g_nNakshatraDasaStartPoint; // NakshatraDasaStartPoint
extern std::array<int, kNakshatraDasaCodeCount> g_nNaksDasaADMethod;        // NaksDasaADMethodPreference
extern std::array<int, kNakshatraDasaCodeCount> g_nNakshatraDasaShift;      // NakshatraDasaShift
extern std::array<bool, kNakshatraDasaCodeCount> g_bAntiZodiacalDasa;       // AntiZodiacalDasa

// Built-in defaults of the two dasa arrays whose entries differ, shared with the preference file:
// Tajaka charts take the natal dasa seed for every dasa but code 45; nakshatra dasa 12 starts at 4.
inline constexpr std::array<bool, kDasaCodeCount> kNatalSeedDefaults = [] {
    std::array<bool, kDasaCodeCount> seeds{};
    seeds.fill(true);
    seeds[45] = false;
    return seeds;
}();
inline constexpr std::array<int, kNakshatraDasaCodeCount> kNakshatraDasaStartPointDefaults = [] {
    std::array<int, kNakshatraDasaCodeCount> starts{};
    starts[12] = 4;
    return starts;
}();

// The dasa shown: the selected code and the remembered choice of each family and page.
extern int g_nSelectedDasa;               // DasaToBeDisplayed
extern int g_nNakshatraDasaToBeDisplayed; // NakshatraDasaToBeDisplayed
extern int g_nRasiDasaToBeDisplayed;      // RasiDasaToBeDisplayed
extern int g_nOtherDasaToBeDisplayed;     // OtherDasaToBeDisplayed
extern int g_nCurrentDasaViewType;        // CurrentDasaViewType
extern int g_nNarayanaDasaChart;          // NarayanaDasaChart
extern int g_nLagnamsakaDasaChart;        // LagnamsakaDasaChart
extern int g_nPadanathamsaDasaChart;      // PadanathamsaDasaChart
extern int g_nParyaayaDasaChart;          // ParyaayaDasaChart
extern int g_nSCDasaVarga;                // SCDasaVarga
extern int g_nBuddhiGatiDasaVarga;        // BuddhiGatiDasaVarga

// Set while a print job draws a view: the dasa labels and the display both read it, so it lives here.
extern bool g_bPrinting;

// The user's planetary special lagna and special point (extra bodies 104 and 103).
extern bool g_bSpecialLagnaOn;              // SpecialLagnaOn
extern int g_nSpecialLagnaPlanet;           // SpecialLagnaPlanet
extern int g_nSpecialLagnaSpeedFactor;      // SpecialLagnaSpeedFactor
extern bool g_bSpecialLagnaNodesReverse;    // SpecialLagnaNodesReverse
extern std::string g_strSpecialLagnaName;   // SpecialLagnaName
extern bool g_bSpecialPointOn;              // SpecialPointOn
extern int g_nSpecialPointBehindAfter;      // SpecialPointBehindAfter
extern int g_nSpecialPointUsePlanet;        // SpecialPointUsePlanet
extern int g_nSpecialPointUseSaham;         // SpecialPointUseSaham
extern int g_nSpecialPointUseRasi;          // SpecialPointUseRasi
extern int g_nSpecialPointUseMidPoint;      // SpecialPointUseMidPoint
extern int g_nSpecialPointPlanetIndex;      // SpecialPointPlanetIndex
extern int g_nSpecialPointSahamIndex;       // SpecialPointSahamIndex
extern int g_nSpecialPointSignIndex;        // SpecialPointSignIndex
extern int g_nSpecialPointPlanetIndex1;     // SpecialPointPlanetIndex1
extern int g_nSpecialPointPlanetIndex2;     // SpecialPointPlanetIndex2
extern std::string g_strSpecialPointName;   // SpecialPointName
extern std::string g_strSpecialPointSymbol; // SpecialPointSymbol
extern double g_dSpecialPointDeg;           // SpecialPointDeg
extern double g_dSpecialPointMin;           // SpecialPointMin
extern double g_dSpecialPointSec;           // SpecialPointSec
