#pragma once
// The nine transit tables of the transit pane as plain rows of text: the planets of a transit chart
// judged against the natal chart by tara, murthi and vedha, houses, ashtakavarga, special nakshatras
// occupied and aspected, Latta and Anga graha. Built without a window, so the pane only lists them.
// Bodies 0 Lagna, 1 Sun .. 9 Ketu, 59 arudha lagna; varga codes 0-22 (column order D-1, D-9, D-2 ...).
#include <string>
#include <vector>

class CChart;

enum TransitTableKind : int {
    kTransitStandard = 0,          // tara, murthi, house and vedha
    kTransitHouses = 1,            // houses from the natal Moon and lagna in D-1 and D-9
    kTransitAshtakavarga = 2,      // natal ashtakavarga of the transit signs, kakshyas
    kTransitSpecialStarsMoon = 3,  // special nakshatras occupied, from the natal Moon's star
    kTransitStarAspectsMoon = 4,   // special nakshatras aspected, from the natal Moon's star
    kTransitLatta = 5,             // the planets' kicks
    kTransitSpecialStarsLagna = 6, // as 3, from the natal lagna's star
    kTransitStarAspectsLagna = 7,  // as 4, from the natal lagna's star
    kTransitAngaGraha = 8,         // limbs of the nara chakra
};
inline constexpr int kTransitTableCount = 9;

// What a table is built from beyond the two charts.
struct TransitTableChoice {
    int table = kTransitStandard;
    int natalAvVarga = 0;   // varga code of the natal ashtakavarga (table 2)
    int transitAvVarga = 0; // varga code of the transit signs (table 2)
    int referenceBody = 2;  // natal body table 0 counts houses from: 2 Moon, 0 lagna, 59 arudha lagna
    int referenceVarga = 0; // varga code of that body's sign
};

struct TransitTableColumn {
    const char* header;
    int baseWidth; // pixels before the zoom
};

struct TransitTable {
    std::vector<TransitTableColumn> columns;
    std::vector<std::vector<std::string>> rows;
    int firstSpecialRow = 9; // rows from here on are footer lines
};

// Table `choice.table` (0-8; another number builds table 0) of `transit` against `natal`; the murthis
// are those the transit chart holds.
TransitTable BuildTransitTable(const CChart& transit, const CChart& natal, const TransitTableChoice& choice);
