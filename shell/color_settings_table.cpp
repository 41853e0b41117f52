// Colour setting table: key, dialog description, kind and default of each of the 125 settings.
#include "shell/color_settings.h"

namespace {

struct ColorSetting {
    const char* key;
    const char* description;
    ColorKind kind;
    ColorRef defaultColor;
};

// Keys and descriptions are the program's own, spelling slips included: existing preference files
// carry these keys.
constexpr ColorSetting kColorSettings[kColorCount] = {
    {"ColorListViewTitle", "Text in first column", kTextColor, Rgb(117, 12, 62)},                        // 0
    {"ColorListViewItem", "Text in other columns", kTextColor, Rgb(0, 40, 120)},                         // 1
    {"ColorListViewOddLineBackground", "Background color in odd lines", kFillColor, Rgb(255, 255, 255)}, // 2
    {"ColorListViewEvenLineBackground", "Background color in even lines", kFillColor,
     Rgb(241, 234, 222)},                                                              // 3
    {"ColorListViewBackground", "Overall Background", kFillColor, Rgb(248, 248, 242)}, // 4
    {"ColorListViewHighlight", "Highlight", kFillColor, Rgb(230, 200, 220)},           // 5
    {"ColorListViewTitleDescription", "First column text in any special rows", kTextColor,
     Rgb(200, 30, 130)}, // 6
    {"ColorListViewItemDescription", "Other column text in any special rows", kTextColor,
     Rgb(30, 100, 200)},                                                                         // 7
    {"ColorDasaViewBackground", "Window/frame background", kFillColor, Rgb(245, 244, 243)},      // 8
    {"ColorDasaViewHeader", "Period title", kTextColor, Rgb(0, 40, 120)},                        // 9
    {"ColorDasaViewOwner", "Period owner's name", kTextColor, Rgb(0, 100, 80)},                  // 10
    {"ColorDasaViewDate", "Period start/end date", kTextColor, Rgb(200, 0, 0)},                  // 11
    {"ColorDasaViewTime", "Period start/end time", kTextColor, Rgb(190, 90, 60)},                // 12
    {"ColorDasaViewHyphen", "Hyphen between start and end", kTextColor, Rgb(160, 60, 200)},      // 13
    {"ColorDasaViewFocus", "Focus rectangle of selected period", kLineColor, Rgb(140, 40, 100)}, // 14
    {"ColorDasaViewHint", "Mini-help at the bottom", kTextColor, Rgb(150, 100, 135)},            // 15
    {"ColorDasaViewYear", "Display of dasa year used", kTextColor, Rgb(130, 110, 90)},           // 16
    {"ColorFornViewBackground", "Window/frame background", kFillColor, Rgb(227, 219, 204)},      // 17
    {"ColorFornViewText", "Static text", kTextColor, Rgb(120, 0, 70)},                           // 18
    {"ColorFornViewControlBackground", "Background of controls (edit, combobox)", kFillColor,
     Rgb(250, 250, 240)},                                                                             // 19
    {"ColorFornViewControlText", "Text in controls (edit, combobox)", kTextColor, Rgb(16, 100, 117)}, // 20
    {"ColorChartViewFrame", "Frame background outside charts", kFillColor, Rgb(233, 225, 216)},       // 21
    {"ColorChartViewCartBackground", "Background inside charts", kFillColor, Rgb(230, 230, 230)},     // 22
    {"ColorChartViewChartLine", "Lines in charts", kLineColor, Rgb(10, 10, 10)},                      // 23
    {"ColorChartViewLagna", "Lagna", kTextColor, Rgb(200, 30, 170)},                                  // 24
    {"ColorChartViewPlanet", "Planets", kTextColor, Rgb(180, 60, 60)},                                // 25
    {"ColorChartViewAL", "Arudha Lagna", kTextColor, Rgb(120, 40, 200)},                              // 26
    {"ColorChartViewSpecialLagna", "Specials lagnas (HL, GL, SL)", kTextColor, Rgb(140, 112, 80)},    // 27
    {"ColorChartViewBhavaArudha", "Bhava arudhas", kTextColor, Rgb(80, 120, 180)},                    // 28
    {"ColorChartViewUpagraha", "Upagrahas", kTextColor, Rgb(70, 95, 85)},                             // 29
    {"ColorChartViewOuterPlanets", "Uranus, Neptune and Pluto", kTextColor, Rgb(211, 141, 99)},       // 30
    {"ColorChartViewGrahaArudha", "Graha arudhas", kTextColor, Rgb(20, 50, 130)},                     // 31
    {"ColorChartViewVarnada", "Varnadas", kTextColor, Rgb(80, 90, 80)},                               // 32
    {"ColorChartViewCharaKaraka", "Chara karakas", kTextColor, Rgb(10, 100, 20)},                     // 33
    {"ColorChartViewSpecialPoint", "Special points  like muntha", kTextColor, Rgb(170, 110, 140)},    // 34
    {"ColorChartViewGrahaArudhaTitle", "Graha arudha chart title", kTextColor, Rgb(100, 100, 130)},   // 35
    {"ColorChartViewSelectedPlanet", "Selected planet", kTextColor, Rgb(255, 0, 0)},                  // 36
    {"ColorChartViewSelectedRasi", "Selected rasi", kFillColor, Rgb(250, 220, 220)},                  // 37
    {"ColorChartViewHighlightedRasi", "Highlighted rasi", kFillColor, Rgb(220, 250, 220)},            // 38
    {"ColorChartViewStartRasi", "Rasi indices in north Indian charts", kFillColor, Rgb(60, 120, 60)}, // 39
    {"ColorChartViewAdhimitraBackground", "Adhimitra planet background", kFillColor, Rgb(0, 255, 0)}, // 40
    {"ColorChartViewAdhimitraForeground", "Adhimitra planet name", kTextColor, Rgb(10, 10, 10)},      // 41
    {"ColorChartViewMitraBackground", "Mitra planet background", kFillColor, Rgb(130, 200, 130)},     // 42
    {"ColorChartViewMitraForeground", "Mitra planet name", kTextColor, Rgb(10, 10, 10)},              // 43
    {"ColorChartViewSamaBackground", "Sama planet background", kFillColor, Rgb(190, 190, 170)},       // 44
    {"ColorChartViewSamaForeground", "Sama planet name", kTextColor, Rgb(10, 10, 10)},                // 45
    {"ColorChartViewSatruBackground", "Satru planet background", kFillColor, Rgb(200, 80, 80)},       // 46
    {"ColorChartViewSatruForeground", "Satru planet name", kTextColor, Rgb(10, 10, 10)},              // 47
    {"ColorChartViewAdhisatruBackground", "Adhisatru planet background", kFillColor, Rgb(255, 0, 0)}, // 48
    {"ColorChartViewAdhisatruForeground", "Adhisatru planet name", kTextColor, Rgb(10, 10, 10)},      // 49
    {"ColorChartViewHint", "Text outside charts in chart frames", kTextColor, Rgb(190, 90, 60)},      // 50
    {"ColorChartViewInnerOuterSeparator", "Inner-outer separator in mixed charts", kLineColor,
     Rgb(150, 150, 40)},                                                                               // 51
    {"ColorChartViewOuter", "Outer chart background in mixed charts", kFillColor, Rgb(220, 220, 190)}, // 52
    {"ColorAVViewFrame", "Background of AV frame", kFillColor, Rgb(245, 241, 230)},                    // 53
    {"ColorAVViewCartBackground", "Background inside AV charts", kFillColor, Rgb(230, 230, 230)},      // 54
    {"ColorAVViewChartLine", "Lines in AV charts", kLineColor, Rgb(60, 60, 60)},                       // 55
    {"ColorAVViewHeader", "Window header", kTextColor, Rgb(120, 0, 70)},                               // 56
    {"ColorAVViewChartTitle", "Titles of AV charts", kTextColor, Rgb(180, 60, 60)},                    // 57
    {"ColorAVViewChartText", "Text inside AV charts", kTextColor, Rgb(0, 40, 120)},                    // 58
    {"ColorAVViewHightlight", "Highlight color of radical positions", kFillColor, Rgb(210, 210, 210)}, // 59
    {"ColorAVViewHelp", "Help within AV frames", kTextColor, Rgb(0, 100, 120)},                        // 60
    {"ColorAVViewStarRasiNorthIndian", "Rasi indices in north Indian charts", kFillColor,
     Rgb(60, 120, 60)},                                                                                  // 61
    {"ColorCoreViewBackground", "Frame background color", kFillColor, Rgb(245, 243, 239)},               // 62
    {"ColorCoreViewHeader", "Frame header (e.g. \"Natal chart\")", kTextColor, Rgb(0, 40, 120)},         // 63
    {"ColorCoreViewItemDescription", "Item description (e.g. \"Tithi\")", kTextColor, Rgb(0, 100, 80)},  // 64
    {"ColorCoreViewItemValue", "Item value (e.g. \"Sulka Navami\")", kTextColor, Rgb(200, 0, 0)},        // 65
    {"ColorKotaViewFrame", "Frame background", kFillColor, Rgb(220, 220, 220)},                          // 66
    {"ColorKotaViewPillar", "Kota stambha (fort pillar)", kFillColor, Rgb(200, 255, 180)},               // 67
    {"ColorKotaViewInner", "Kotaantara (fort interior)", kFillColor, Rgb(235, 255, 220)},                // 68
    {"ColorKotaViewWall", "Kota praakaara (fort wall)", kFillColor, Rgb(255, 190, 170)},                 // 69
    {"ColorKotaViewOuter", "Kota baahya (fort exterior)", kFillColor, Rgb(255, 150, 135)},               // 70
    {"ColorKotaViewAreaName", "Capions of fort areas", kTextColor, Rgb(150, 80, 120)},                   // 71
    {"ColorKotaViewStarName", "Names of 28 stars", kTextColor, Rgb(60, 40, 100)},                        // 72
    {"ColorKotaViewBeneficPlanetName", "Names of benefic planets", kTextColor, Rgb(0, 90, 0)},           // 73
    {"ColorKotaViewMaleficPlanetName", "Names of malefic planets", kTextColor, Rgb(150, 0, 0)},          // 74
    {"ColorKotaViewSwamiName", "Name of kota swami (fort owner)", kTextColor, Rgb(20, 80, 40)},          // 75
    {"ColorKotaViewPaalaName", "Name of kota pala (fort guard)", kTextColor, Rgb(240, 40, 40)},          // 76
    {"ColorSBCViewFrame", "Overall frame background", kFillColor, Rgb(194, 193, 164)},                   // 77
    {"ColorSBCViewCartBackground", "Background inside chart", kFillColor, Rgb(231, 237, 224)},           // 78
    {"ColorSBCViewHighlightFrom", "Nakshatra from where vedha is seen", kFillColor, Rgb(250, 250, 220)}, // 79
    {"ColorSBCViewHighlightTo", "Boxes receiving vedha", kFillColor, Rgb(220, 250, 220)},                // 80
    {"ColorSBCViewSpecialPoint", "Special point", kFillColor, Rgb(220, 250, 250)},                       // 81
    {"ColorSBCViewNakshatra", "Nakshatras (constellations)", kTextColor, Rgb(100, 150, 60)},             // 82
    {"ColorSBCViewRasi", "Rasis (signs)", kTextColor, Rgb(20, 70, 140)},                                 // 83
    {"ColorSBCViewTithi", "Tithis (lunar days)", kTextColor, Rgb(180, 100, 225)},                        // 84
    {"ColorSBCViewVaara", "Vaaras (weekdays)", kTextColor, Rgb(60, 150, 150)},                           // 85
    {"ColorSBCViewPlanet", "Planets", kTextColor, Rgb(180, 60, 60)},                                     // 86
    {"ColorSBCViewPlanetHighlight", "Highlighted planets", kTextColor, Rgb(30, 120, 60)},                // 87
    {"ColorSBCViewConsonant", "Consonants", kTextColor, Rgb(220, 120, 190)},                             // 88
    {"ColorSBCViewVowel", "Vowels", kTextColor, Rgb(180, 120, 40)},                                      // 89
    {"ColorKalachakraViewFrame", "Overall frame background", kFillColor, Rgb(220, 220, 220)},            // 90
    {"ColorKalachakraViewLine", "The lines in chart", kLineColor, Rgb(0, 0, 0)},                         // 91
    {"ColorKalachakraViewStarName", "Names of 28 stars", kTextColor, Rgb(60, 40, 100)},                  // 92
    {"ColorKalachakraViewDikpalaName", "Names of dikpalas", kTextColor, Rgb(0, 90, 0)},                  // 93
    {"ColorKalachakraViewBodyTypeTitle", "Body type header", kTextColor, Rgb(150, 0, 0)},                // 94
    {"ColorKalachakraViewBodyName", "Body names", kTextColor, Rgb(150, 0, 0)},                           // 95
    {"ColorPanchangaViewFrame", "Overall frame background", kFillColor, Rgb(240, 254, 254)},             // 96
    {"ColorPanchangaViewText", "Panchanga text", kTextColor, Rgb(180, 60, 120)},                         // 97
    {"ColorPanchangaViewWait", "\"Wait\" displayed while copying", kTextColor, Rgb(200, 40, 40)},        // 98
    {"ColorStrengthGraphViewBackground", "Overall frame background", kFillColor, Rgb(254, 254, 240)},    // 99
    {"ColorStrengthGraphViewTtitle", "Graph title", kTextColor, Rgb(20, 80, 40)},                  // 100
    {"ColorStrengthGraphViewItemName", "Name of planet/house", kTextColor, Rgb(20, 20, 160)},      // 101
    {"ColorStrengthGraphViewBar", "Bar in the graph", kFillColor, Rgb(170, 120, 120)},             // 102
    {"ColorStrengthGraphViewValue", "Bar value", kTextColor, Rgb(100, 80, 120)},                   // 103
    {"ColorStrengthGraphViewGraphBackground", "Graph background", kFillColor, Rgb(250, 255, 250)}, // 104
    {"ColorStrengthGraphViewOutline", "Graph area outline", kLineColor, Rgb(140, 40, 100)},        // 105
    {"ColorTransitSearchViewFrame", "Overall frame background", kFillColor, Rgb(255, 255, 255)},   // 106
    {"ColorTransitSearchViewLines", "Lines outlining various items", kLineColor, Rgb(10, 10, 10)}, // 107
    {"ColorTransitSearchViewBackGood", "Color showing a good house/star", kFillColor,
     Rgb(210, 230, 210)}, // 108
    {"ColorTransitSearchViewBackBad", "Color showing a bad house/star", kFillColor,
     Rgb(240, 180, 180)}, // 109
    {"ColorTransitSearchViewVedha", "Color showing vedha on a good house", kFillColor,
     Rgb(245, 20, 30)},                                                                               // 110
    {"ColorTransitSearchViewTextGood", "Text color of a good transit", kTextColor, Rgb(40, 150, 60)}, // 111
    {"ColorTransitSearchViewTextNeutral", "Text color of a neutral transit", kTextColor,
     Rgb(60, 60, 60)},                                                                                // 112
    {"ColorTransitSearchViewTextBad", "Text color of a bad transit", kTextColor, Rgb(170, 40, 60)},   // 113
    {"ColorTransitSearchViewMoon", "Moon shown under a house", kFillColor, Rgb(255, 255, 255)},       // 114
    {"ColorTransitSearchViewSwarna", "Swarna murthi (gold)", kFillColor, Rgb(245, 245, 160)},         // 115
    {"ColorTransitSearchViewRajata", "Rajata murthi (silver)", kFillColor, Rgb(245, 245, 245)},       // 116
    {"ColorTransitSearchViewTaamra", "Taamra murthi (copper)", kFillColor, Rgb(220, 130, 170)},       // 117
    {"ColorTransitSearchViewLoha", "Loha murthi (iron)", kFillColor, Rgb(180, 190, 190)},             // 118
    {"ColorTransitSearchViewDate", "Date and time", kTextColor, Rgb(100, 40, 80)},                    // 119
    {"ColorTransitSearchViewPlanet", "Names of planets", kTextColor, Rgb(100, 40, 80)},               // 120
    {"ColorTransitSearchViewTitle", "Title of transit calendar", kTextColor, Rgb(200, 40, 120)},      // 121
    {"ColorTransitSearchViewLegendText", "Explanatory text in legend", kTextColor, Rgb(100, 40, 80)}, // 122
    {"ColorTransitSearchViewWait", "\"Wait\" displayed when calculating", kTextColor,
     Rgb(255, 20, 30)},                                                              // 123
    {"ColorSelectedTab", "Caption of the selected tab", kTextColor, Rgb(210, 0, 0)}, // 124
};

template <class Field> constexpr auto Column(Field field) {
    std::array<decltype(field(kColorSettings[0])), kColorCount> column{};
    for (int i = 0; i < kColorCount; ++i) column[i] = field(kColorSettings[i]);
    return column;
}

constexpr auto kDefaultColors = Column([](const ColorSetting& s) { return s.defaultColor; });

} // namespace

constinit const std::array<ColorRef, kColorCount> g_defaultColors = kDefaultColors;
// Both colour sets start at the defaults; constant initialisation keeps them valid before main().
constinit std::array<ColorRef, kColorCount> g_colors = kDefaultColors;
constinit std::array<ColorRef, kColorCount> g_savedColors = kDefaultColors;
constinit const std::array<ColorKind, kColorCount> g_colorKinds =
    Column([](const ColorSetting& s) { return s.kind; });
constinit const std::array<const char*, kColorCount> g_colorIniKeys =
    Column([](const ColorSetting& s) { return s.key; });
constinit const std::array<const char*, kColorCount> g_colorDescriptions =
    Column([](const ColorSetting& s) { return s.description; });

const std::array<const char*, kColorGroupCount> g_colorGroups = {
    "Chart frames",
    "Dasa frames",
    "All frames with lists",
    "Form frames (Tajaka, Transit, Mundane etc)",
    "Ashtakavarga frame",
    "Core info frame",
    "Sarvatobhadra chakra frame",
    "Kota chakra frame",
    "Kala chakra frame",
    "Panchanga frame",
    "Strength bar graph frame",
    "Transit calendar window",
    "General",
};

const std::array<ColorGroupRange, kColorGroupCount> g_colorGroupRanges = {{
    {21, 52},
    {8, 16},
    {0, 7},
    {17, 20},
    {53, 61},
    {62, 65},
    {77, 89},
    {66, 76},
    {90, 95},
    {96, 98},
    {99, 105},
    {106, 123},
    {124, 124},
}};
