#pragma once
// Helpers the dasa calculators share: a cycle of lords with their years put into a tree, the order of
// sub-period lords, and the note's pieces.
#include <span>
#include <string>

#include "document/dasa_tree.h"

// Lords (body numbers or signs) in cycle order with their years (dasa years).
struct DasaLordCycle {
    std::span<const int> lords;
    std::span<const double> years;
};

// How the sub-period lords under the lord at cycle position p are ordered: position
// CountSigns(p, j, n, mode, reverse) (core/angle_math.h), or p + offset + j.
struct SubPeriodOrder {
    bool countSigns = false;
    int mode = 0;
    bool reverse = false;
    int offset = 0;
    static SubPeriodOrder CountSigns(int mode, bool reverse) { return {true, mode, reverse, 0}; }
    static SubPeriodOrder FromLord(int offset) { return {false, 0, false, offset}; }
    int Position(int p, int j, int n) const;
};

// Fills the first level with `periods` periods from cycle position `first` (backwards when
// `reverse`), and the sub-period rows of every lord; nSubPeriods is the cycle's size, shares follow
// the years, dCycleYears is the cycle's sum, bPlanetLords set.
void FillLordCycle(CDasaTree& tree, const DasaLordCycle& cycle, int first, int periods, bool reverse,
                   const SubPeriodOrder& order);

// Appends a piece to the note, after ", " when the note holds something.
void AppendNote(CDasaTree& tree, const std::string& piece);
