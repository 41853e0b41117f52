#include "display/sign_change_search.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "core/chart_core.h"
#include "core/varga_sign_table.h"

namespace {

constexpr double kSecondInDays = 1.0 / 86400.0;
constexpr double kSearchSpanDays = 40 * 365.25;
// Fastest motion of bodies 0-12 in degrees a day (the lagna a full circle; generous for the planets), so
// that a step never jumps over a whole division.
constexpr std::array<double, 13> kTopSpeed = {361.0, 1.1, 16.0, 0.9,  2.3,  0.3, 1.3,
                                              0.2,   0.2, 0.2,  0.07, 0.04, 0.04};

// The column whose rule gives the sign: the D-150 and term columns keep the D-1 sign, the Parasara hora
// column is written with the D-2 column.
int RuleColumn(int column) {
    if (column == kD150Column || column == kHaddaColumn) return 0;
    if (column == kHoraColumn) return 2;
    return column;
}

class VargaSignProbe {
public:
    VargaSignProbe(const CChartCore& chart, int body, int column)
        : m_chart(chart), m_body(body), m_column(column) {}

    // The body's sign in the column at a UT Julian day; nothing when it cannot be calculated.
    std::optional<int> SignAt(double jdUt) {
        if (!m_chart.SetFromJulianDay(jdUt, m_probe).ok()) return std::nullopt;
        if (m_column == 0) return m_probe.m_bodies[m_body].m_nSign;
        if (!ComputeVargaColumn(RuleColumn(m_column), VargaBodies(m_probe.m_bodies), m_table))
            return std::nullopt;
        return m_table.Sign(m_body, m_column);
    }

private:
    const CChartCore& m_chart;
    int m_body;
    int m_column;
    CChartCore m_probe;
    CVargaSignTable m_table;
};

// The first moment past `start`, in the direction of `step` (days), at which the sign is no longer
// `sign`.
std::optional<double> FindExit(VargaSignProbe& probe, double start, double step, int sign) {
    double inside = start;
    for (double travelled = 0; std::fabs(travelled) < kSearchSpanDays; travelled += step) {
        const double next = inside + step;
        const std::optional<int> found = probe.SignAt(next);
        if (!found) return std::nullopt;
        if (*found == sign) {
            inside = next;
            continue;
        }
        double outside = next;
        while (std::fabs(outside - inside) > kSecondInDays) {
            const double middle = (inside + outside) / 2;
            const std::optional<int> m = probe.SignAt(middle);
            if (!m) return std::nullopt;
            (*m == sign ? inside : outside) = middle;
        }
        return outside;
    }
    return std::nullopt;
}

} // namespace

std::optional<SignChangeTimes> FindSignChangeTimes(const CChartCore& chart, int body, int column) {
    if (body < 0 || body >= static_cast<int>(kTopSpeed.size())) return std::nullopt;
    if (column == kCompositeColumn || column == kBhavaColumn || column < 0 || column >= kVargaColumnCount)
        return std::nullopt;
    VargaSignProbe probe(chart, body, column);
    const double t0 = chart.GetJulianDay();
    const std::optional<int> sign = probe.SignAt(t0);
    if (!sign) return std::nullopt;
    // A quarter of the smallest part a column divides a sign into (a degree for the finest rules).
    const double divisions = std::max(1, g_vargaDivisors[RuleColumn(column)]);
    const double step = 30.0 / divisions / kTopSpeed[body] / 4;
    const std::optional<double> entry = FindExit(probe, t0, -step, *sign);
    const std::optional<double> exit = FindExit(probe, t0, step, *sign);
    if (!entry || !exit) return std::nullopt;
    return SignChangeTimes{t0 - *entry, *exit - t0};
}
