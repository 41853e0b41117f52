#pragma once
// The dasa systems by code: one table indexed by the dasa code (0-12 nakshatra dasas, 25-45 rasi
// dasas, 60-74 other dasas) with each system's title, short text, description and calculator. A
// calculator is a free function of the chart (read only, through its public queries) and of the options
// it reads, which fills a tree the dispatcher has reset and titled; codes without a calculator compute
// Vimsottari.
#include "chart/chart.h"
#include "core/calc_status.h"
#include "document/dasa_tree.h"

inline constexpr int kVimsottariCode = 0;
inline constexpr int kAshtottariCode = 1;
inline constexpr int kKalachakraCode = 2;
inline constexpr int kYoginiCode = 3;
inline constexpr int kShatTrimsaSamaCode = 5;
inline constexpr int kFirstRasiDasaCode = 25;
inline constexpr int kFirstOtherDasaCode = 60;

// The document's modes, as the dasas tell them apart.
inline constexpr int kModeNatal = 0;
inline constexpr int kModeTajaka = 1;
inline constexpr int kModeTithiPravesha = 2;
inline constexpr int kModeTransit = 3;
inline constexpr int kModeProgressions = 4;
inline constexpr int kModeMundane = 5;
inline constexpr int kModePrasna = 6;

// What a calculator reads besides its own options. The charts are computed; the varga charts the
// dispatcher named (VargaChartsNeeded) have been built.
struct DasaInput {
    const CChart& chart; // the chart the dasa is computed for (the natal chart in transit and progressions)
    const CChart& natal; // the natal chart
    int code = 0;        // the dasa code
    int mode = 0;        // 0 natal .. 6 prasna
    int tajakaYear = 0;  // the Tajaka year index (mode 1)
    bool compressed = false; // the dasa will be compressed into a mode chart's span
    bool tribhagi = false;   // the Tribhagi variation will be applied
};

using DasaCalculator = CalcStatus (*)(const DasaInput& input, CDasaTree& tree);

// The options dialog that edits a dasa's options (the dasa pages open it for the dasa shown).
enum class DasaOptionSet {
    kNone,
    kNakshatra,      // "Nakshatra dasa options"
    kKalachakra,     // "Kalachakra dasa options"
    kNarayana,       // "Narayana dasa options"
    kLagnamsaka,     // Lagnamsaka dasa's
    kPadanaathaamsa, // Padanaathaamsa dasa's
    kParyaya,        // Paryaya dasa's
    kRasi,           // "Rasi dasa options"
    kSudasa,         // "Sudasa options"
    kDrigdasa,       // "Drigdasa options"
    kShoola,         // "Shoola dasa options"
    kRasiBhukta,     // "RBV dasa options"
    kMoola,          // "Moola dasa options"
    kNaisargika,     // "Naisargika dasa options"
    kTara,           // "Tara dasa options"
    kSudarsana,      // "Sudarsana Chakra Dasa Options"
};

struct DasaSystem {
    int code;
    const char* title;       // completed by the calculator when it ends in "of " or "from "
    const char* shortText;   // the note's first piece ("" where the calculator writes the note)
    const char* description; // one paragraph on the dasa
    DasaCalculator calculate;
    DasaOptionSet options;
};

// The system of a code; codes without a calculator give Vimsottari's.
const DasaSystem& DasaSystemFor(int code);

// Chart of varga column c of a computed chart (the chart itself for column 0), or null when it has not
// been built (CChart::GetVargaChart builds it).
const CChart* BuiltVargaChart(const CChart& chart, int column);
