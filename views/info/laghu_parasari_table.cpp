#include "views/info/laghu_parasari_table.h"

#include <cmath>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "views/info/cell_format.h"

LaghuParasariSettings g_laghuParasari;

namespace {
constexpr double kLifeYears = 120.0; // the span the age columns cover
// The planets Sun to Ketu, then with the upagrahas Dhooma to Gulika.
constexpr int kPlanetList[] = {1, 2, 3, 4, 5, 6, 7, 8, 9};
constexpr int kTwentyBodyList[] = {1, 2, 3, 4, 5, 6, 7, 8, 9, 22, 23, 24, 25, 26, 27, 28, 29, 30, 31, 32};

// The remainder after taking whole multiples of m away (the sign of x kept).
double Remainder(double x, double m) {
    return x - std::trunc(x / m) * m;
}

void Combine(const std::vector<int>& list, int size, std::size_t from, std::vector<int>& chosen,
             std::vector<std::vector<int>>& out) {
    if (static_cast<int>(chosen.size()) == size) {
        out.push_back(chosen);
        return;
    }
    for (std::size_t i = from; i < list.size(); ++i) {
        chosen.push_back(list[i]);
        Combine(list, size, i + 1, chosen, out);
        chosen.pop_back();
    }
}

// The date `years` after the chart's moment, in the chart's zone; `probe` holds the moment.
std::string AgeDate(const CChart& chart, CChartCore& probe, double years) {
    chart.JulianDayToDate(chart.GetJulianDay() + years * kMeanTropicalYearDays, probe);
    return FormatCell("%4d-%02d-%02d", probe.m_dateTime.m_nYear, probe.m_dateTime.m_nMonth,
                      probe.m_dateTime.m_nDay);
}
} // namespace

std::optional<int> LaghuParasariDivisions(int column) {
    if (column >= 0 && column <= kLastFixedColumn) return g_vargaDivisors[column];
    // The user's columns are offered once defined; their labels are empty until then.
    if ((column == kCustomColumn || column == kCompositeColumn) && !g_strVargaLabels[column].empty())
        return g_vargaDivisors[column];
    return std::nullopt;
}

int LaghuParasariColumn() {
    return LaghuParasariDivisions(g_laghuParasari.varga) ? g_laghuParasari.varga : kD1Column;
}

std::string LaghuParasariTitle(int column) {
    return g_strVargaLabels[column] + " (" + g_vargaNames[column] + ")";
}

BodyValue LaghuParasariValue(double longitude, int divisions, int method) {
    const double width = 30.0 / divisions;
    if (method == kCountSigns && divisions != 1)
        return {Remainder(longitude, 30.0) / width, static_cast<double>(divisions)};
    return {Remainder(longitude, width) * 30.0 / width, 30.0};
}

std::vector<std::vector<int>> LaghuParasariCombinations(int mode) {
    const bool twenty = mode == kOneBody || mode == kTwoBodies;
    const std::vector<int> list =
        twenty ? std::vector<int>(std::begin(kTwentyBodyList), std::end(kTwentyBodyList))
               : std::vector<int>(std::begin(kPlanetList), std::end(kPlanetList));
    const int size = mode == kOneBody ? 1 : mode == kTwoPlanets || mode == kTwoBodies ? 2 : mode;
    std::vector<std::vector<int>> rows;
    std::vector<int> chosen;
    Combine(list, size, 0, chosen, rows);
    return rows;
}

int AgeColumnCount(double cycle, bool oneCycleChart) {
    if (oneCycleChart) return 1;
    return static_cast<int>(kLifeYears / cycle + 0.5);
}

double ReduceIntoCycle(double sum, double cycle) {
    while (sum >= cycle) sum -= cycle;
    while (sum < 0) sum += cycle;
    return sum;
}

std::vector<LaghuParasariRow> LaghuParasariRows(const CChart& chart, bool compressed, double& cycle) {
    const LaghuParasariSettings& s = g_laghuParasari;
    const int divisions = *LaghuParasariDivisions(LaghuParasariColumn());
    const auto value = [&](int body) {
        return LaghuParasariValue(chart.m_bodies[body].m_dLongitude, divisions, s.method).value;
    };
    cycle = LaghuParasariValue(chart.m_bodies[0].m_dLongitude, divisions, s.method).cycle;
    const bool oneCycleChart = s.oneCycle && compressed;
    const int ages = AgeColumnCount(cycle, oneCycleChart);
    std::vector<LaghuParasariRow> rows;
    CChartCore probe = chart;
    for (const std::vector<int>& bodies : LaghuParasariCombinations(s.mode)) {
        LaghuParasariRow row;
        double sum = 0;
        if (s.addLagna) {
            row.label = g_pszPlanetNamesAlt2[s.lagnaBody];
            sum = value(s.lagnaBody);
        }
        for (int body : bodies) {
            if (!row.label.empty()) row.label += "-";
            row.label += g_pszPlanetNamesAlt2[body];
            sum += value(body);
        }
        sum = ReduceIntoCycle(sum, cycle);
        for (int k = 0; k < ages; ++k) {
            const double age = sum + k * cycle;
            // A compressed or annual chart spans one year: one cycle in it, or the 120 years.
            const double years = !compressed ? age : oneCycleChart ? age / cycle : age / kLifeYears;
            row.ages.push_back(FormatCell("%s  (%.2f)", AgeDate(chart, probe, years).c_str(), age));
        }
        rows.push_back(std::move(row));
    }
    return rows;
}
