#include "core/calc_options.h"

#include "core/default_air.h"

namespace {

template <class T, size_t N> constexpr std::array<T, N> Filled(T value) {
    std::array<T, N> values{};
    values.fill(value);
    return values;
}

} // namespace

int g_nCalendarFlag = 1; // Gregorian

bool g_bTopocentricPositions = false;
bool g_bTruePositions = true;
bool g_bNoNutation = false;
bool g_bNoAberration = false;
bool g_bNoGravDeflection = false;
bool g_bTrueNodes = false;
bool g_bApparentRefraction = false;

bool g_bSiderealNaksharasInTropical = false;
bool g_bFixedPlaneInCustomStarAyanamsa = false;
std::string g_strCustomStarCode = kDefaultCustomStarCode;
double g_dCustomStarLongitude = 180.0;

int g_nSiddhanta = 0;

CHmsTime g_defaultTimeZone;
CHmsTime g_defaultSummerTimeZone;
CDmsAngle g_defaultLongitude;
CDmsAngle g_defaultLatitude;
double& g_dDefaultTimeZone = g_defaultTimeZone.m_dHours;
double& g_dDefaultSummerTimeZone = g_defaultSummerTimeZone.m_dHours;
double& g_dDefaultLongitude = g_defaultLongitude.m_dValue;
double& g_dDefaultLatitude = g_defaultLatitude.m_dValue;
double g_dDefaultAltitude = 0.0;
double g_dDefaultPressure = kDefaultAirPressure;
double g_dDefaultTemperature = kDefaultAirTemperature;
int g_nDefaultGender = 0;
int g_nDefaultLocationCountryCode = 0;
std::string g_strDefaultLocationCityName;
std::string g_strDefaultLocationCountryName;

int g_nD150NamePreference = 0;
int g_nVyatipataMethod = 0;
std::array<int, 6> g_nUpagrahaRiseMethod = {1, 1, 1, 1, 1, 0};
bool g_bMandiInSaturnPortion = true;
bool g_bGulikaInSaturnPortion = true;
int g_nUpagrahaDayDefinition = 0;
bool g_bContinuousSpecialLagnas = false;

int g_nHouseTypeWanted = 1;
int g_nSunriseDefinition = 0;
int g_nWeekdayDefinition = 0;
int g_nWeekdayDefinitionKaala = 1;
bool g_bKaalaInDayNightSeparate = true;
int g_nMBTablePreference = 0;
int g_nMBLocationPreference = 2;
bool g_bNodesInArudhas = true;
bool g_bExceptionsInBhavaArudhas = true;
bool g_bExceptionsInGrahaArudhas = true;
int g_nArudhaBasePlanet = 0;
bool g_bLongitudeBasedBhavaArudhas = false;
bool g_bDivLongsInBhavaArudhas = false;
bool g_bUse1DegInD30ForDivLong = true;
bool g_bDivLongFromEndToo = true;
int g_nCharaKarakaDefinition = 0;

bool g_bSpecialYearForTajaka = true;
bool g_bSpecialYearForTP = true;
bool g_bDasaSeshamInMundaneCharts = true;
int g_nLifeCycleYearDefinition = 3;
double g_dLifeCycleYearLength = kMeanTropicalYearDays;
double g_dLifeCycleYears = 144.0;
bool g_bReplaceLagnaInPrasna = false;
bool g_bTrueTajaka = true;
bool g_bTropicalTajaka = false;
int g_nMunthaPreference = 1;
bool g_bSolarMonthUsedInTP = true;
int g_nLunarYrDef = 2;
int g_nLunarYrSign = 11;
int g_nSolarYrSign = 0;
bool g_bSolarYrTrop = false;

bool g_bUseCompundRelationshipInAvasthas = false;
bool g_bCompoundRelationshipsFromRasi = false;
int g_nVimsottariStrenfthHelpHouses = 0;
std::array<bool, 6> g_abAshtakaVargaCalculation = {true, true, true, true, true, true};
int g_nSwarudhaInAmsaBala = 0;
bool g_bCombustionBadInAmsaBala = true;
bool g_bDispositorCombustionBadInAmsaBala = false;
bool g_bDefeatBadInAmsaBala = true;
bool g_bDispositorDefeatBadInAmsaBala = false;
bool g_bNeechaBadInAmsaBala = true;
bool g_bDispositorNeechaBadInAmsaBala = false;
bool g_bDispositorNeechaRasiBadInAmsaBala = false;
bool g_bPoorVimsopakaBadInAmsaBala = true;
bool g_bDispositorPoorVimsopakaBadInAmsaBala = false;
bool g_bSayanadiBadInAmsaBala = true;
bool g_bDispositorSayanadiBadInAmsaBala = false;
bool g_bCombustionSpecialRuleVenusMercury = true;
bool g_bAshtakaVargaDefinition = true;
bool g_bBhavaDrivenSarvaAshtakaVarga = false;
bool g_bEightAVInSAV = false;
double g_dAspectValueMax = 60.0;
bool g_bAspectEvalAsPerParasara = true;

bool g_bNodalExaltationParasara = false;
bool g_bPushkaraBhagaJP = true;

std::array<bool, kDasaCodeCount> g_bUseDasaSeedFromNatalInTajaka = kNatalSeedDefaults;
std::array<bool, kDasaCodeCount> g_bProgressDasaSeedInTajaka = Filled<bool, kDasaCodeCount>(true);
std::array<int, kDasaCodeCount> g_nDasaYearDefinition =
    Filled<int, kDasaCodeCount>(kDefaultDasaYearDefinition);
std::array<double, kDasaCodeCount> g_dDasaYearLength = Filled<double, kDasaCodeCount>(kMeanTropicalYearDays);
int g_nLagnaUsedInMoolaDasa = 1;
int g_nMoonUsedInMoolaDasa = 1;
int g_nSunUsedInMoolaDasa = 1;
int g_nMoolaDasaNoCorrectionInMoolaTrikona = 0;
int g_nShoolaDasaAntardasaStart = 1;
bool g_bNaisargikaDasaNoADForMDLord = true;
bool g_bNaisargikaDasa3rd10thNoAD = false;
bool g_bNaisargikaDasaOthersNoAD = false;
int g_nSudasaADOption = 4;
int g_nSudarsanaChakraDasaAD = 1;
int g_nKalachakraDasaCalculation = 5;
bool g_bKCDRohini4NavamsaInLeo = true;
bool g_bDrigdasaOfParasara = true;
bool g_bTaraDasaParasara = false;
bool g_bTaraDasaDirectionFromStar = false;
bool g_bTaraDasaUseSesham = true;
bool g_bTaraDasaSeshamRevApasavya = false;
bool g_bCharaDasaExaltationException = true;
std::array<int, kNakshatraDasaCodeCount> g_nNakshatraDasaStartPoint = kNakshatraDasaStartPointDefaults;
std::array<int, kNakshatraDasaCodeCount> g_nNaksDasaADMethod = {};
std::array<int, kNakshatraDasaCodeCount> g_nNakshatraDasaShift = {};
std::array<bool, kNakshatraDasaCodeCount> g_bAntiZodiacalDasa = {};

int g_nSelectedDasa = 0;
int g_nNakshatraDasaToBeDisplayed = 0;
int g_nRasiDasaToBeDisplayed = 25;
int g_nOtherDasaToBeDisplayed = 60;
int g_nCurrentDasaViewType = 0;
bool g_bPrinting = false;
int g_nNarayanaDasaChart = 0;
int g_nLagnamsakaDasaChart = 1;
int g_nPadanathamsaDasaChart = 1;
int g_nParyaayaDasaChart = 6;
int g_nSCDasaVarga = 0;
int g_nBuddhiGatiDasaVarga = 0;

bool g_bSpecialLagnaOn = false;
int g_nSpecialLagnaPlanet = 1;
int g_nSpecialLagnaSpeedFactor = 5;
bool g_bSpecialLagnaNodesReverse = true;
std::string g_strSpecialLagnaName = "Su5";
bool g_bSpecialPointOn = false;
int g_nSpecialPointBehindAfter = 1;
int g_nSpecialPointUsePlanet = 1;
int g_nSpecialPointUseSaham = 0;
int g_nSpecialPointUseRasi = 0;
int g_nSpecialPointUseMidPoint = 0;
int g_nSpecialPointPlanetIndex = 0;
int g_nSpecialPointSahamIndex = 0;
int g_nSpecialPointSignIndex = 0;
int g_nSpecialPointPlanetIndex1 = 0;
int g_nSpecialPointPlanetIndex2 = 0;
std::string g_strSpecialPointName = "Special Point";
std::string g_strSpecialPointSymbol = "SP";
double g_dSpecialPointDeg = 0.0;
double g_dSpecialPointMin = 0.0;
double g_dSpecialPointSec = 0.0;
