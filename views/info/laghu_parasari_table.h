#pragma once
// The Laghu Parasari research table: the longitudes of one to five bodies (with a lagna if asked)
// added and read as an age in years, repeated every cycle, each age with the date the native reaches
// it. Longitudes are sidereal degrees [0, 360); ages are years of 365.24219 days from the chart's moment.
#include <optional>
#include <string>
#include <vector>

class CChart;

// Which bodies are combined: one body of the twenty (planets and upagrahas), two planets, two of the
// twenty, three, four or five planets.
enum LaghuParasariMode : int {
    kOneBody = 0,
    kTwoPlanets = 1,
    kTwoBodies = 2,
    kThreePlanets = 3,
    kFourPlanets = 4,
    kFivePlanets = 5,
};
inline constexpr int kLaghuParasariModeCount = 6;

// How a body counts in a varga: its place within its division stretched to 0-30 degrees, or the number
// of divisions it has passed in its sign.
enum LaghuParasariMethod : int { kFindLongitudes = 0, kCountSigns = 1 };

// The table's settings, shared by every Laghu Parasari pane while the program runs.
struct LaghuParasariSettings {
    int mode = kOneBody;
    bool addLagna = true;
    int lagnaBody = 0; // the lagna added: 0 and the special lagnas 13-19
    int varga = 0;     // varga column
    int method = kCountSigns;
    bool oneCycle = false; // compressed and annual charts span one cycle
};
extern LaghuParasariSettings g_laghuParasari;

// The equal parts of a sign in varga column `column`: columns 0-22 and, once the user defined them,
// the D-N (23) and the composite (24) with the divisions they now have. Nothing for the other columns,
// whose parts are not equal divisions of the sign.
std::optional<int> LaghuParasariDivisions(int column);

struct BodyValue {
    double value; // degrees (find longitudes) or divisions passed (count signs)
    double cycle; // what the ages repeat by: 30, or the number of divisions
};
// The value of a body at `longitude` in a column with `divisions` parts (1 for D-1).
BodyValue LaghuParasariValue(double longitude, int divisions, int method);

// The bodies of each row of `mode`: every combination of distinct list entries in list order.
std::vector<std::vector<int>> LaghuParasariCombinations(int mode);

// The number of age columns: cycles within 120 years, rounded; 1 for a compressed or annual chart that
// spans one cycle.
int AgeColumnCount(double cycle, bool oneCycleChart);

// `sum` taken into [0, cycle).
double ReduceIntoCycle(double sum, double cycle);

// The row: label (names joined by "-", after the added lagna's) and its age columns, "date  (age)".
struct LaghuParasariRow {
    std::string label;
    std::vector<std::string> ages;
};
// Every row of the current settings for `chart`; `compressed` tells that the chart is a compressed or
// annual chart, whose ages are compressed into one year. `cycle` receives the cycle.
std::vector<LaghuParasariRow> LaghuParasariRows(const CChart& chart, bool compressed, double& cycle);

// The first column's title: the varga's label and its name, "D-9 (Navamsa)".
std::string LaghuParasariTitle(int column);
// The column the settings use: their varga while it is offered, else D-1.
int LaghuParasariColumn();
