#include "shell/dialogs/calculation_option_dlgs.h"

#include <algorithm>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/computed_bodies.h"

namespace {

// The option shown through `toShown` and stored back through `toStored`.
OptionRow ConvertedOption(const char* label, std::vector<const char*> items, int (*toShown)(int),
                          int (*toStored)(int), int& option) {
    return {label, std::move(items), [&option, toShown] { return toShown(option); },
            [&option, toStored](int v) { option = toStored(v); }};
}

// A flag shown as its opposite.
OptionRow InvertedCheckOption(const char* label, bool& option) {
    return {label, {}, [&option] { return option ? 0 : 1; }, [&option](int v) { option = v == 0; }};
}

// Reference of the arudhas: the lagna and Sun to Ketu as themselves, anything past Ketu as the
// Bhava Lagna, the last item.
constexpr int kArudhaBhavaLagnaItem = kKetu + 1;

std::vector<const char*> ArudhaReferenceItems() {
    const char* const* names = ChosenPlanetNames();
    std::vector<const char*> items(names + kLagna, names + kKetu + 1);
    items.push_back(names[kBhavaLagna]);
    return items;
}

} // namespace

CVaiseshikamsaPrefDlg::CVaiseshikamsaPrefDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Vaiseshikamsa Calculation Preferences",
          {CheckOption("A varga does not count when the planet is combust", g_bCombustionBadInAmsaBala),
           CheckOption("... when its dispositor is combust", g_bDispositorCombustionBadInAmsaBala),
           CheckOption("... when the planet is defeated in a planetary war", g_bDefeatBadInAmsaBala),
           CheckOption("... when its dispositor is defeated in a planetary war",
                       g_bDispositorDefeatBadInAmsaBala),
           CheckOption("... when the planet is debilitated", g_bNeechaBadInAmsaBala),
           CheckOption("... when its dispositor is debilitated", g_bDispositorNeechaBadInAmsaBala),
           CheckOption("... when its dispositor is in its sign of debilitation in rasi",
                       g_bDispositorNeechaRasiBadInAmsaBala),
           CheckOption("... when the planet is in an enemy's sign (poor vimsopaka)",
                       g_bPoorVimsopakaBadInAmsaBala),
           CheckOption("... when its dispositor is in an enemy's sign (poor vimsopaka)",
                       g_bDispositorPoorVimsopakaBadInAmsaBala),
           CheckOption("... when the planet is in a bad sayanadi avastha", g_bSayanadiBadInAmsaBala),
           CheckOption("... when its dispositor is in a bad sayanadi avastha",
                       g_bDispositorSayanadiBadInAmsaBala),
           CheckOption("Retrograde Mercury and direct Venus are not combust",
                       g_bCombustionSpecialRuleVenusMercury),
           IntOption("Special case: a varga also counts when the planet is",
                     {"(no special case)", "In a kendra from the arudha lagna of rasi",
                      "In a kendra from the arudha lagna of each varga",
                      "In a kendra from its own graha arudha of rasi",
                      "In a kendra from its own graha arudha of each varga",
                      "In a kendra from the lord of the arudha lagna",
                      "Lord of a kendra from the arudha lagna of rasi",
                      "Lord of a kendra from the arudha lagna of each varga"},
                     g_nSwarudhaInAmsaBala)}) {}

CArudhaPadaDlg::CArudhaPadaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Arudha Pada Calculation",
          {CheckOption("Use Rahu and Ketu when stronger", g_bNodesInArudhas),
           CheckOption("Use exact longitudes (not signs) for house arudhas", g_bLongitudeBasedBhavaArudhas),
           CheckOption("Use divisional longitudes in vargas", g_bDivLongsInBhavaArudhas),
           FlagOption("Exceptions in bhava arudha padas", {"Off", "On"}, g_bExceptionsInBhavaArudhas),
           FlagOption("Exceptions in graha arudha padas", {"Off", "On"}, g_bExceptionsInGrahaArudhas),
           ConvertedOption(
               "Reference for arudha padas", ArudhaReferenceItems(),
               [](int body) { return std::min(body, kArudhaBhavaLagnaItem); },
               [](int item) { return item >= kArudhaBhavaLagnaItem ? kBhavaLagna : item; },
               g_nArudhaBasePlanet)}) {}

CAshtakavargaPrefDlg::CAshtakavargaPrefDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Ashtakavarga Calculation Preferences",
          {CheckOption("Moon benefic in the 9th from Moon", g_abAshtakaVargaCalculation[0]),
           CheckOption("Moon malefic in the 9th from Mars", g_abAshtakaVargaCalculation[1]),
           CheckOption("Moon benefic in the 2nd from Jupiter", g_abAshtakaVargaCalculation[2]),
           CheckOption("Moon malefic in the 12th from Jupiter", g_abAshtakaVargaCalculation[3]),
           CheckOption("Venus benefic in the 4th from Mars", g_abAshtakaVargaCalculation[4]),
           CheckOption("Venus malefic in the 5th from Mars", g_abAshtakaVargaCalculation[5]),
           InvertedCheckOption("Reverse the meaning of bindus for the references", g_bAshtakaVargaDefinition),
           CheckOption("Consolidate the houses from the references (bhava-driven SAV)",
                       g_bBhavaDrivenSarvaAshtakaVarga),
           CheckOption("Include all eight ashtakavargas (with the lagna's) in SAV", g_bEightAVInSAV)}) {}

CCharaKarakaDlg::CCharaKarakaDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Chara Karaka Definition",
          {IntOption("Chara karakas",
                     {"Eight chara karakas (Rahu included)", "Seven chara karakas (no pitri karaka)",
                      "Seven chara karakas (matri karaka also putra karaka)",
                      "Seven, or eight when two planets share a degree"},
                     g_nCharaKarakaDefinition)}) {}

CMrityuBhagaDlg::CMrityuBhagaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Mrityu Bhaga Preferences",
                     {IntOption("Table of mrityu bhaga degrees",
                                {"The table of the standard texts", "The table of the other texts"},
                                g_nMBTablePreference),
                      IntOption("The degree region",
                                {"Starts at the degree given", "Has the degree given as its mid-point",
                                 "Is the 19th degree"},
                                g_nMBLocationPreference)}) {}

CPushkaraBhagaDlg::CPushkaraBhagaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Pushkara Bhaga Definition",
                     {FlagOption("Pushkara bhagas",
                                 {"One degree per element of the sign", "The degrees of the classical table"},
                                 g_bPushkaraBhagaJP)}) {}

CNodeExaltationDlg::CNodeExaltationDlg(QWidget* parent)
    : COptionFormDlg(parent, "Exaltation & Debilitation of Nodes",
                     {FlagOption("Exaltation of the nodes",
                                 {"Rahu exalted in Gemini and Ketu in Sagittarius",
                                  "Rahu exalted in Taurus and Ketu in Scorpio"},
                                 g_bNodalExaltationParasara)}) {}

CSiddhantaDlg::CSiddhantaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Siddhanta (Planetary Model)",
                     {IntOption("Planetary positions",
                                {"Observed (drik) positions from the ephemeris",
                                 "Sri Surya Siddhanta (SSS) - Generalized Makaranda Version"},
                                g_nSiddhanta)}) {}

CSunriseDlg::CSunriseDlg(QWidget* parent)
    : COptionFormDlg(parent, "Sunrise definition selection",
                     {IntOption("Sunrise and sunset",
                                {"Centre of the Sun's disc on the horizon (true, no refraction)",
                                 "Tip of the Sun's disc on the horizon (true, no refraction)",
                                 "Tip of the Sun's disc on the horizon (apparent, with refraction)",
                                 "Centre of the Sun's disc on the horizon (apparent, with refraction)"},
                                g_nSunriseDefinition),
                      CheckOption("Use the alternative special lagna definition giving continuity",
                                  g_bContinuousSpecialLagnas)}) {}

CTajakaOptionsDlg::CTajakaOptionsDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Tajaka Calculation Options",
          {FlagOption("Solar motion", {"Mean motion of the Sun", "Exact motion of the Sun"}, g_bTrueTajaka),
           FlagOption("Year", {"Sidereal year (365.256364 days)", "Tropical year (365.24219 days)"},
                      g_bTropicalTajaka),
           IntOption("Muntha",
                     {"Moves 30 deg per year of life, continuously",
                      "Moves one sign per year and per part below it",
                      "Counted on from the lord of the sign of each level"},
                     g_nMunthaPreference)}) {}

CTithiPraveshaDlg::CTithiPraveshaDlg(QWidget* parent)
    : COptionFormDlg(parent, "Tithi Pravesha Calculation",
                     {CheckOption("Use solar (as opposed to soli-lunar) months in Tithi Pravesha",
                                  g_bSolarMonthUsedInTP)}) {}

CHoraOptionsDlg::CHoraOptionsDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Hora, Kaala & Weekday Start Options",
          {IntOption("Horas start at", {"Sunrise", "6 am local mean time"}, g_nWeekdayDefinition),
           ConvertedOption(
               "Mahakala horas start at", {"6 am local mean time", "6 am local standard time"},
               [](int definition) { return definition - 1; }, [](int item) { return item + 1; },
               g_nWeekdayDefinitionKaala),
           FlagOption("Kaala division",
                      {"16 equal parts of the whole day", "8 parts of the day and 8 parts of the night"},
                      g_bKaalaInDayNightSeparate)}) {}
