#pragma once
// The texts the chart renderers write: body labels by the chart language, chara karaka labels and the
// varga names of the captions.
#include <string>

class CChart;

// The chara karaka abbreviations of body b (1-8) in the chart's karaka order, joined by "/" ("AK/PK");
// with `dash` a non-empty result is preceded by "- ". Empty for any other body or a body without karaka.
std::string FormatChartCaption(const CChart& chart, int body, bool dash);

// The body whose position a pane draws for body b: an arudha (59-70) of a pane counting arudhas from the
// Sun or Moon stands at the arudha of the house b - 59 houses on from that planet's house.
int ArudhaPositionSource(const CChart& chart, int body, int varga, int pane);

// Label of body b (0-101) in pane `pane`: the chart-language label, "S1".."S12" or "M1".."M12" for the
// arudhas of a Sun or Moon reference, in parentheses when retrograde (the language's marker after it
// with the symbol labels).
std::string BodyLabelText(const CChart& chart, int body, int pane);

bool ChartLanguageIsSymbols();
