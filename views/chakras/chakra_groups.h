#pragma once
// The body groups a nakshatra chakra writes, one at a time: planets, Yogini and Mrityu, the sphutas,
// the upagrahas, the special lagnas and the sahamas; each with its title, its menu text, its label
// texts and the size factors of its font. Stars are 0-27 of the 28-star scheme.
#include <array>
#include <span>
#include <string>
#include <vector>

#include "core/chart_record.h"

class CChart;
class QMenu;

enum ChakraGroup {
    kGroupPlanets,
    kGroupYoginiMrityu,
    kGroupSphutas,
    kGroupUpagrahas,
    kGroupSpecialLagnas,
    kGroupSahamas,
    kChakraGroupCount
};

struct ChakraGroupInfo {
    int command;      // the context-menu command that shows the group
    const char* menu; // its menu text
    const char* title;
    double height, width, weight; // size factors of the group's font
};
extern const std::array<ChakraGroupInfo, kChakraGroupCount> g_chakraGroups;

// The commands of the chakra menu after its group entries.
inline constexpr int kCmdChakraBasePlanet = 33255; // "Base planet and division"
inline constexpr int kCmdChakraBodyVarga = 33254;  // "Divisional chart to be used for planets"
inline constexpr int kCmdChakraCustomBase = 33126; // "Fully customize base nakshatra"

// Why "Show Yogini and Mrityu" is greyed in every chakra: no rule for the two places is known to the
// program, so the group would draw its title alone. Its status text.
inline constexpr const char* kYoginiMrityuUnavailable =
    "Not available: the program does not work out the Yogini and Mrityu places.";

// The chakra menu: an entry per group (the one shown checked; Yogini and Mrityu always greyed), the
// base planet and division, the divisional chart of the bodies, the custom base star. Entries whose
// command is in `greyed` are shown greyed (a chakra that does not run them).
void BuildChakraMenu(QMenu& menu, int shownGroup, std::span<const int> greyed = {});
// The group a "Show ..." command of that menu shows; -1 for any other command and for the Yogini and
// Mrityu group, which no chakra shows.
int GroupOfCommand(int command);

// One body label of a group: its text and where it goes. `star` is the body's star, counted from the
// base when drawn; for the Yogini and Mrityu group it is the chakra place itself. `sign` (0-11) is the
// body's sign, for the chakras of the twelve signs.
struct ChakraLabel {
    std::string text;
    int star = 0;
    bool isPlace = false;
    int sign = 0;
};

// A planet's label in the chart language, in parentheses when it is retrograde in `chart`.
std::string ChakraPlanetLabel(const CChart& chart, int body);

// The labels of `group` for the bodies of `chart`, in the group's order. `withLagna`: the planets and
// special lagnas start at the lagna (not so in the Kala chakra). The planets are written with the chart
// language's labels, in parentheses when retrograde; sphutas, upagrahas and special lagnas with the
// body abbreviations; sahamas with their short names, at the star of their longitude. The sign of a
// body is the one it holds in varga column `signColumn` (0-22) of the chart's sign table; a sahama's,
// which the table does not hold, that of its longitude.
std::vector<ChakraLabel> ChakraGroupLabels(int group, const CChart& chart, bool withLagna, int signColumn = 0);
// The sahama labels: short names at the 28-scheme stars and signs of `sahams` (longitudes, degrees).
std::vector<ChakraLabel> SahamaLabels(std::span<const CRasiLongitude, kSahamCount> sahams);
