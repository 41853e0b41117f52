#pragma once
// The other dasas (codes 60-67, 73, 74): planetary and sign dasas with rules of their own: periods by
// degrees (Patyayini), three signs a year (Sudarsana Chakra), a start by the time of day (Chakra, Kaala),
// planets ordered by strength (Moola, Tara, AK Kendradi graha), natural years (Naisargika), the chara
// karakas (Karaka) and Buddhi Gati. Lengths in dasa years; each calculator reads the chart through its
// public queries and the options it is given.
#include "document/dasa_codes.h"

// Graha dasas ordered by strength or degrees (dasa_other_graha.cpp).
struct MoolaDasaOptions {
    bool lagna = true, moon = true, sun = true; // candidates for the start
};
CalcStatus CalcMoolaDasa(const CChart& chart, const MoolaDasaOptions& options, CDasaTree& tree);
struct NaisargikaDasaOptions {
    bool noSubPeriodOfLord = true; // the period's lord has no sub-period
    bool no3rd10th = false;        // planets in the 3rd and 10th from the lord have none
    bool noOthers = false;         // planets in the 2nd, 6th, 11th and 12th have none
};
CalcStatus CalcNaisargikaDasa(const CChart& chart, const NaisargikaDasaOptions& options, CDasaTree& tree);
struct TaraDasaOptions {
    bool parasara = false;          // Vimsottari from the Moon
    bool directionFromStar = false; // direction by the savya or apasavya star of the strongest planet
    bool sesham = true;             // the balance of the Moon's nakshatra
    bool seshamReversedApasavya = false;
};
CalcStatus CalcTaraDasa(const CChart& chart, const TaraDasaOptions& options, CDasaTree& tree);
CalcStatus CalcAKKendradiGrahaDasa(const CChart& chart, int column, CDasaTree& tree);
CalcStatus CalcPatyayiniDasa(const CChart& chart, CDasaTree& tree);
// Karaka dasa; `withoutPitri`: with seven karakas, the pitri karaka is left out (else the putra).
CalcStatus CalcKarakaDasa(const CChart& chart, bool withoutPitri, CDasaTree& tree);
CalcStatus CalcBuddhiGatiDasa(const CChart& chart, int column, CDasaTree& tree);

// Dasas of the time of birth and of the three reference points (dasa_other_time.cpp).
CalcStatus CalcKaalaDasa(const CChart& chart, CDasaTree& tree);
CalcStatus CalcChakraDasa(const CChart& chart, CDasaTree& tree);
// Sudarsana Chakra dasa; `fromLord`: sub-periods start at the sign of the sign's lord.
CalcStatus CalcSudarsanaChakraDasa(const CChart& chart, int column, bool fromLord, CDasaTree& tree);

// The table's entry: options from the globals, then the code's calculator.
CalcStatus RunOtherDasa(const DasaInput& input, CDasaTree& tree);
