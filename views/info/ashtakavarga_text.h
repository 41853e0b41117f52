#pragma once
// The ashtakavarga of a chart's rasi chart as plain text, for the document's text refresh and the
// copy commands: the BAV table of the eight reference points and their pindas.
#include <string>

class CChart;

// "Ashtakavarga of Rasi Chart:" and one line per reference point (Lagna .. Saturn) with its D-1 bindus
// in Aries .. Pisces, each marked '*' where the point itself stands.
std::string AshtakavargaTableText(const CChart& chart);
// The D-1 sodhya, rasi and graha pinda of each reference point.
std::string AshtakavargaPindaText(const CChart& chart);
