#pragma once
// The body groups a nakshatra chakra writes, one at a time: planets, Yogini and Mrityu, the sphutas,
// the upagrahas, the special lagnas and the sahamas; each with its title, its menu text, its label
// texts and the size factors of its font. Stars are 0-27 of the 28-star scheme.
#include <array>
#include <string>
#include <vector>

class CChart;

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

// One body label of a group: its text and where it goes. `star` is the body's star, counted from the
// base when drawn; for the Yogini and Mrityu group it is the chakra place itself.
struct ChakraLabel {
    std::string text;
    int star = 0;
    bool isPlace = false;
};

// A planet's label in the chart language, in parentheses when it is retrograde in `chart`.
std::string ChakraPlanetLabel(const CChart& chart, int body);

// The labels of `group` for the bodies of `chart`, in the group's order. `withLagna`: the planets and
// special lagnas start at the lagna (not so in the Kala chakra). The planets are written with the chart
// language's labels, in parentheses when retrograde; sphutas, upagrahas and special lagnas with the
// body abbreviations; sahamas with their short names, at the star of their longitude.
std::vector<ChakraLabel> ChakraGroupLabels(int group, const CChart& chart, bool withLagna);
