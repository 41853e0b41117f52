#include "views/info/aspect_table_cells.h"

#include "chart/chart.h"
#include "core/angle_time.h"
#include "core/calc_options.h"
#include "core/dignity_tables.h"
#include "core/drishti.h"
#include "core/planet_tables.h"

namespace {

constexpr int kLastReference = 9; // Ketu: houses are counted from the lagna or a graha

// The columns whose compound relationships the chart computes (0-24, 26, 28); the others read D-1's.
int RelationColumn(int varga) {
    return varga == kD150Column || varga == kHaddaColumn ? 0 : varga;
}

} // namespace

double AspectTableHousePoint(const CChart& vargaChart, int varga, int houseReference, int h) {
    if (houseReference == kLagna && varga == 0) {
        const CBhava& house = vargaChart.m_bhava[static_cast<size_t>(h - 1)];
        return (g_bHouseCuspsInMiddle ? house.m_middle : house.m_start).m_dLongitude;
    }
    const bool backwards = (houseReference == kRahu || houseReference == kKetu) && g_bHousesFromNodesReversed;
    const double step = 30.0 * (h - 1);
    return Reduce360(vargaChart.m_bodies[houseReference].m_dLongitude + (backwards ? -step : step));
}

int AspectValue(double aspected, double aspecting, int planet, double fullValue) {
    // A value exactly halfway rounds up; the per-cent form of a half virupa (2.5 virupas = 4.1666..%)
    // comes back a hair below the half, so the rounding allows for it.
    constexpr double kRoundingAllowance = 1e-9;
    return static_cast<int>(DrishtiStrength(aspected, aspecting, planet) * fullValue * 0.01 + 0.5 +
                            kRoundingAllowance);
}

bool ComputeAspectTable(CChart& chart, int varga, int houseReference, double fullValue, AspectTable& table) {
    if (varga < 0 || varga >= kVargaColumnCount) varga = 0;
    if (houseReference < kLagna || houseReference > kLastReference) houseReference = kLagna;
    const CChart* vargaChart = chart.GetVargaChart(varga);
    if (!vargaChart) return false;
    const RelationTable& relation = chart.m_compoundRelation[RelationColumn(varga)];
    for (int p = kSun; p <= kKetu; ++p) {
        AspectTableRow& row = table.rows[p - 1];
        const double aspecting = vargaChart->m_bodies[p].m_dLongitude;
        const int sign = vargaChart->m_bodies[p].m_nSign;
        row.exalted = IsExaltedIn(p, sign);
        row.debilitated = IsDebilitatedIn(p, sign);
        row.moolatrikona = IsInMoolatrikona(p, sign);
        row.ownSignRelation = relation[p - 1][kPlainSignLords[sign] - 1];
        row.combust = vargaChart->IsCombust(p);
        for (int q = kSun; q <= kKetu; ++q) {
            row.planetRelation[q - 1] = relation[p - 1][q - 1];
            row.planetValue[q - 1] =
                q == p ? kBlankCell
                       : AspectValue(vargaChart->m_bodies[q].m_dLongitude, aspecting, p, fullValue);
        }
        for (int h = 1; h <= 12; ++h) {
            const double point = AspectTableHousePoint(*vargaChart, varga, houseReference, h);
            const int houseSign = static_cast<int>(point / 30.0) % 12;
            row.houseValue[h - 1] = AspectValue(point, aspecting, p, fullValue);
            row.houseRelation[h - 1] = relation[p - 1][kPlainSignLords[houseSign] - 1];
        }
    }
    return true;
}
