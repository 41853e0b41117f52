#pragma once
// The base star of the nakshatra chakras and the chart their bodies come from. Each chakra class keeps
// one ChakraBaseSettings for the whole program (not per pane): the default base is the star of the
// Sun (natal-type modes) or of the lagna (Tajaka, Tithi Pravesha, mundane modes), which a star chosen
// by the user or the star of a chosen body in a chosen division replaces. Stars are numbered in the
// 28-star scheme (0 Aswini .. 20 Uttarashadha, 21 Abhijit, 22 Sravana .. 27 Revati).
#include <string>
#include <vector>

#include "shell/dialogs/select_dlgs.h"

class CChart;
class CTavroDoc;
class QWidget;

inline constexpr int kChakraStars = 28;

struct ChakraBaseSettings {
    // On: customBase replaces the default base (and the planet base). A reference, so that a chakra
    // whose choice the document's recalculation switches off can keep it in the document's flag.
    bool& customBaseOn;
    int customBase = 0;        // star 0-27
    bool basePlanetOn = false; // the base is basePlanet's star in baseDivision of the current chart
    int baseDivision = 0;      // varga code 0-22
    int basePlanet = 0;        // body number
    int vargaForBodies = 0;    // varga code 0-22 of the chart whose bodies are drawn (0: the chart itself)
};

// The chart of reference for the default base: the current chart in the Tajaka, Tithi Pravesha and
// mundane modes, the natal chart otherwise.
const CChart& ChakraReferenceChart(const CTavroDoc& document);
// The body whose star is the default base in `mode`: the lagna (0) in modes 1, 2 and 5, else the Sun (1).
int DefaultBaseBody(int mode);
// The varga chart `varga` (0-22; 0 the chart itself) of `chart`; null when it cannot be calculated.
const CChart* ChakraVargaChart(const CChart& chart, int varga);
// The base star, 0-27, by the settings: custom base, else planet base, else the default. -1 when a
// chart it needs cannot be calculated.
int ChakraBaseStar(const ChakraBaseSettings& settings, const CTavroDoc& document);
// The star 0-27 of a longitude (degrees): Abhijit for the fourth pada of Uttarashadha.
int Star28OfLongitude(double longitude);
// A new pane of the class: its custom base and planet base are switched off.
void ResetBaseChoices(ChakraBaseSettings& settings);

// --- The base choices of the chakras' menus; each returns true on OK, when the setting changed --------
// "Base planet and division": "Select a planet as base" over `bodies` (list order), preset with the
// base division and planet; stores the body chosen and the division, and turns the planet base on.
bool ChooseBasePlanet(QWidget* parent, ChakraBaseSettings& settings,
                      std::vector<int> bodies = CBasePlanetDlg::DefaultBodies());
// "Divisional chart to be used for planets": "Select a divisional chart", preset with vargaForBodies.
bool ChooseBodyVarga(QWidget* parent, ChakraBaseSettings& settings);
// "Select a divisional chart" preset with `varga` (code 0-22), which takes the choice on OK.
bool ChooseVarga(QWidget* parent, int& varga);
// "Fully customize base nakshatra": "Choose the base nakshatra" with `texts` above its choices; the
// custom base is on when the second choice was taken, with the star chosen.
bool ChooseCustomBase(QWidget* parent, ChakraBaseSettings& settings, const std::vector<std::string>& texts);
// The texts of the base dialog of the chakras whose default is the Sun's or the lagna's star.
const std::vector<std::string>& SunOrLagnaBaseTexts();
