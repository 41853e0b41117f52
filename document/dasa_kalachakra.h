#pragma once
// Kalachakra dasa (code 2): periods of signs taken from the Kalachakra, a chain of 216 positions (108
// savya, 108 apasavya) cut into 24 cycles of nine. The pada of the seed gives the cycle; the part of
// the pada already traversed gives the part of the cycle that elapsed before birth; seven methods
// decide how that balance applies, how the periods go on past the cycle and where sub-periods come
// from. Lengths in dasa years; the sign years are the Kalachakra's own.
#include <array>

#include "document/dasa_codes.h"

inline constexpr int kKalachakraPositions = 216;
inline constexpr int kKalachakraSavyaPositions = 108;
inline constexpr int kKalachakraSeedChoices = 18;

struct KalachakraOptions {
    int seedChoice = 0;       // 0 Moon, 1 lagna, 2 Sun .. 9 Ketu, 10 Maandi .. 17 the user's lagna
    int varga = 0;            // varga column of the seed chart
    int method = 5;           // calculation method 0-6
    bool rohini4InLeo = true; // clear: the 4th pada of Rohini starts the cycle of Cancer's navamsa
};
KalachakraOptions KalachakraOptionsFromGlobals();

// The sign 0-11 of a position 0-215; its group (cycle) 0-23 is position / 9.
int KalachakraSign(int position);
// The mirror of a savya position 0-107 in the apasavya half (the same pada).
int KalachakraMirror(int savyaPosition);
// The first position of the cycle of pada q (0-107: 4 x nakshatra + pada).
int KalachakraPadaStart(int pada, bool rohini4InLeo);
// Sum of the sign years of a group's nine positions.
int KalachakraParamayush(int group);

// The body of a seed choice (0-17).
int KalachakraSeedBody(int seedChoice);

// Fills the tree from the seed in `seedChart` (the varga chart of the options' column).
CalcStatus CalcKalachakraDasa(const CChart& seedChart, const KalachakraOptions& options, CDasaTree& tree);

// The table's entry: options from the globals, then the calculator.
CalcStatus RunKalachakraDasa(const DasaInput& input, CDasaTree& tree);
