#include "document/dasa_cycle.h"

#include "core/angle_math.h"
#include "core/sign_arithmetic.h"

int SubPeriodOrder::Position(int p, int j, int n) const {
    return countSigns ? ::CountSigns(p, j, n, mode, reverse) : PositiveMod(p + offset + j, n);
}

void FillLordCycle(CDasaTree& tree, const DasaLordCycle& cycle, int first, int periods, bool reverse,
                   const SubPeriodOrder& order) {
    const int n = static_cast<int>(cycle.lords.size());
    tree.bPlanetLords = true;
    tree.nPeriods = periods;
    tree.nSubPeriods = n;
    tree.dCycleYears = 0.0;
    for (double years : cycle.years) tree.dCycleYears += years;
    auto& firstLords = tree.nLord[0];
    for (int i = 0; i < periods; ++i) {
        const int p = PositiveMod(reverse ? first - i : first + i, n);
        firstLords[i] = cycle.lords[p];
        tree.dYears[i] = cycle.years[p];
    }
    for (int p = 0; p < n; ++p) {
        // The row is looked up once: the table checks its room on every lookup.
        auto& row = tree.nLord[1 + cycle.lords[p]];
        for (int j = 0; j < n; ++j) row[j] = cycle.lords[order.Position(p, j, n)];
    }
}

void AppendNote(CDasaTree& tree, const std::string& piece) {
    if (!tree.strNote.empty()) tree.strNote += ", ";
    tree.strNote += piece;
}
