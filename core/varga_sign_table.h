#pragma once
// The varga sign table of a chart: the sign of each of its 105 bodies in the 29 varga columns, with
// the D-150 part and the term lord that two columns hold instead of a sign, and the step that fills it.
#include <array>
#include <cassert>
#include <cstdint>
#include <functional>
#include <span>

#include "core/sign_arithmetic.h"
#include "core/varga_columns.h"
#include "core/varga_special.h"

class CVargaSignTable {
public:
    // Sign 0-11 of a body in a column. The D-150 and Hadda columns hold no sign (see D150Part and
    // HaddaLord): for them this is the body's D-1 sign, so a child chart of those columns is a rasi chart.
    // Inline: the sign-strength comparisons and the ashtakavarga read it thousands of times per chart.
    int Sign(int body, int column) const {
        return m_sign[body][VargaColumnHoldsSign(column) ? column : kD1Column];
    }
    // Stores a sign, reduced into 0-11, in a column that holds signs (VargaColumnHoldsSign).
    void SetSign(int body, int column, int sign) {
        assert(VargaColumnHoldsSign(column));
        if (VargaColumnHoldsSign(column))
            m_sign[body][column] = static_cast<std::uint8_t>(PositiveMod(sign, 12));
    }

    int D150Part(int body) const { return m_d150Part[body]; }   // 0-149 within the body's sign
    int NadiHalf(int body) const { return m_nadiHalf[body]; }   // 0-299
    int NadiRuler(int body) const { return m_nadiRuler[body]; } // 0-8, by ArdhaNadiRulerDefinition
    void SetD150(int body, const D150Place& place, int ruler);

    int HaddaLord(int body) const { return m_haddaLord[body]; } // 3 Mars .. 7 Saturn; 0 until computed
    void SetHaddaLord(int body, int lord);

private:
    std::array<std::array<std::uint8_t, kVargaColumnCount>, kBodyCount> m_sign{};
    std::array<std::uint8_t, kBodyCount> m_d150Part{};
    std::array<std::int16_t, kBodyCount> m_nadiHalf{};
    std::array<std::uint8_t, kBodyCount> m_nadiRuler{};
    std::array<std::uint8_t, kBodyCount> m_haddaLord{};
};

// The body records of the chart's child chart of a varga column (1-28), as the chart's child-chart
// builder makes it (CChart::GetVargaChart(column)->m_bodies): the composite column reads the child of
// DmDnChartDm, the bhava/chalit column the child of BhavaChartVarga. Asked only while the table is
// filled, after every column it reads is current; never for column 0.
using VargaChildBodies = std::function<VargaBodies(int column)>;

// The whole table for a chart's bodies, in the fixed order D-1, D-9, D-2 (with the Parasara hora
// column), D-3 ... D-60, the user's D-N, D-81, D-108, D-144, D-150, Hadda, the bhava/chalit chakra and
// last the composite, whose outer chart may be any of them: one pass leaves every column current. `houses`
// are the chart's twelve houses. Reads the variant preferences now.
void ComputeVargaSigns(VargaBodies bodies, std::span<const CBhava, 12> houses,
                       const VargaChildBodies& childBodies, CVargaSignTable& table);

// The columns a child chart computes for itself: D-1 through D-144 with the user's D-N and the
// Parasara hora column; not the composite, D-150, Hadda or bhava/chalit.
void ComputeChildVargaSigns(VargaBodies bodies, CVargaSignTable& table);

// One column on its own (the D-2 column also writes the Parasara hora column). The D-108 and D-144
// columns read the D-9 and D-12 columns already in the table. False for the composite and
// bhava/chalit columns, which need child charts: use the two functions below.
bool ComputeVargaColumn(int column, VargaBodies bodies, CVargaSignTable& table);

// The composite "D-n of D-m". Returns false, and gives each body its D-1 sign, when the column pair in
// DmDnChartDm/DmDnChartDn is not a valid one.
bool ComputeCompositeVarga(VargaBodies bodies, const VargaChildBodies& childBodies, CVargaSignTable& table);

// The bhava/chalit chakra on the base varga BhavaChartVarga with the reference body BhavaChartRef
// (base D-1 with the lagna as reference: the houses themselves). An unknown base column or reference
// body counts as 0 (D-1, the lagna).
void ComputeBhavaChalitSigns(VargaBodies bodies, std::span<const CBhava, 12> houses,
                             const VargaChildBodies& childBodies, CVargaSignTable& table);
