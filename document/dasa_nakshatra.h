#pragma once
// The nakshatra dasas: a fixed cycle of lords and years entered at the lord of the nakshatra (or tithi,
// yoga, karana) of a seed point, the part of the first period that elapsed before birth cut off.
// Codes 0, 1, 3-12 and 68-72; Kalachakra (code 2) is dasa_kalachakra.h. Lengths in dasa years.
#include <span>

#include "document/dasa_codes.h"

// The options one nakshatra dasa reads, by code (core/calc_options.h, document_options.h).
struct NakshatraDasaOptions {
    int startPoint = 0;     // dasa seed 0-20 (chart_day.h); 0 the Moon
    int subPeriodMode = 0;  // order of the sub-period lords, CountSigns mode 0-5
    int shift = 0;          // the start moved back by this many nakshatras
    bool reverse = false;   // periods in reverse order (Vimsottari only)
    bool natalSeed = false; // a Tajaka chart takes the seed from the natal chart
    int tajakaYear = 0;     // added to the seed when the natal seed progresses, else 0
    int varga = 0;          // varga column of the seed chart
    bool compressed = false;
    bool tribhagi = false;
};
NakshatraDasaOptions NakshatraDasaOptionsFor(const DasaInput& input);

// One cycle of lords (bodies) and their years, in cycle order.
struct NakshatraCycle {
    std::span<const int> lords;
    std::span<const double> years;
    int anchor = 0;           // added to the seed's nakshatra before the shift (27-fold)
    int direction = 1;        // -1: the nakshatras count backwards from the anchor (Dwadasottari)
    bool threeRounds = false; // the cycle written three times over unless compressed
};

// The calculators, each from the chart that gives the seed (the varga chart already chosen).
CalcStatus CalcVimsottariDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree);
CalcStatus CalcCycleDasa(const CChart& seedChart, const NakshatraDasaOptions& options,
                         const NakshatraCycle& cycle, CDasaTree& tree);
// Ashtottari (code 1) and Shashti-hayani (code 11) over the 28-nakshatra arcs.
CalcStatus CalcAshtottariDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree);
CalcStatus CalcShashtiHayaniDasa(const CChart& seedChart, const NakshatraDasaOptions& options,
                                 CDasaTree& tree);
CalcStatus CalcSaptarshiDasa(const CChart& seedChart, const NakshatraDasaOptions& options, CDasaTree& tree);
// Rasi-Bhukta Vimsottari: the periods from the seed of `seedChart` (the seed's varga chart); the
// sub-periods are the signs from the sign each lord occupies in varga column `signVarga` of `chart`
// (the chart the seed's varga was cast from).
CalcStatus CalcRasiBhuktaVimsottariDasa(const CChart& seedChart, const CChart& chart,
                                        const NakshatraDasaOptions& options, int signVarga, CDasaTree& tree);
// Tithi Ashtottari: the tithi of the angle from body a to body b taken (harmonic + 1) times, in the
// chart of varga column `varga` (named in the title).
CalcStatus CalcTithiAshtottariDasa(const CChart& tithiChart, int a, int b, int harmonic, int tajakaYear,
                                   CDasaTree& tree, int varga = 0);
// Tithi Yogini: the chart's Moon-Sun tithi of harmonic + 1 (0-35).
CalcStatus CalcTithiYoginiDasa(const CChart& tithiChart, int harmonic, int tajakaYear, bool compressed,
                               CDasaTree& tree);
CalcStatus CalcYogaVimsottariDasa(const CChart& chart, int tajakaYear, CDasaTree& tree);
CalcStatus CalcKaranaChaturaseetiDasa(const CChart& chart, int tajakaYear, CDasaTree& tree);

// Which star a nakshatra dasa gives to its first lord, and how the per-dasa shift (stars, see
// g_nNakshatraDasaShift) moves it. Stars are counted in the dasa's own zodiac of 27 nakshatras, or of
// 28 (Abhijit at 21) for Ashtottari and Shashti-hayani.
struct NakshatraDasaAllotment {
    int star = 0;   // the star the first lord owns without a shift
    int body = 0;   // the first lord, a body number (0 when the lords are not bodies)
    int count = 27; // stars in the dasa's zodiac: 27 or 28
};
NakshatraDasaAllotment NakshatraDasaDefaultAllotment(int code);
// The star the first lord owns under `shift`, and the shift that gives it `star` (0 <= shift < count).
int NakshatraDasaStarOfShift(int code, int shift);
int NakshatraDasaShiftOfStar(int code, int star);

// The table's entries: options from the globals, then the calculator.
CalcStatus RunNakshatraDasa(const DasaInput& input, CDasaTree& tree);
