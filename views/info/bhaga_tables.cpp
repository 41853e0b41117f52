#include "views/info/bhaga_tables.h"

#include <cstdio>
#include <string>

#include "chart/chart.h"
#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/option_appliers.h"
#include "core/sign_rules.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"
#include "views/info/basic_info_tables.h"
#include "views/info/custom_list_view.h"
#include "views/info/mrityu_bhaga_degrees.h"

namespace {
constexpr double kWithinDegrees = 0.5; // a point this close to the centre stands in the degree
constexpr int kDrekkanaVariants = 5;   // Parasara, parivritti-traya, Somanatha, Kalomithra, Uma-Shambhu

std::string DistanceText(double degrees) {
    char text[32];
    std::snprintf(text, sizeof text, "%.4f deg", degrees);
    return text;
}

int SignOf(double longitude) {
    return static_cast<int>(longitude / 30) % 12;
}

// Where the centre of the mrityu bhaga degree d lies in the sign: the region option 0 puts it at
// d + 0.5, 1 at d, 2 at d - 0.5 (degrees from the start of the sign).
double MrityuBhagaCentre(int degree) {
    constexpr double kCentreShift[] = {0.5, 0.0, -0.5};
    const int region =
        g_nMBLocationPreference >= 0 && g_nMBLocationPreference <= 2 ? g_nMBLocationPreference : 2;
    return degree + kCentreShift[region];
}

CRasiLongitude Split(double longitude) {
    CRasiLongitude split;
    split.m_dLongitude = longitude;
    split.SplitLongitude();
    return split;
}

// The lords of the 64th navamsa and the 22nd drekkana counted from `from` (degrees): both lie 210
// degrees on, 63 navamsas or 21 drekkanas after the one that holds it.
void AddMaliciousRows(CCustomListView& list, double from, const char* const labels[]) {
    const CRasiLongitude probe = Split(from + 210.0);
    list.AddRow({labels[0], CoLordChoiceText(NavamsaSign(probe, g_nD9Preference))});
    for (int variant = 0; variant < kDrekkanaVariants; ++variant)
        list.AddRow({labels[variant + 1], CoLordChoiceText(DrekkanaSign(probe, variant))});
}
} // namespace

void FillPushkara(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Body", 90);
    list.InsertColumn("In Pushkaramsa?", 140);
    list.InsertColumn("In Pushkara Bhaga?", 150);
    list.InsertColumn("From Pushkara Bhaga Center", 200);
    const PushkaraBhagaTable& degrees =
        g_pPushkaraBhagaDegrees ? *g_pPushkaraBhagaDegrees : g_pushkaraBhagaJP;
    for (const SensitivePoint& point : SensitivePoints(chart)) {
        const int sign = SignOf(point.longitude);
        const double distance = AngleDistance(point.longitude, sign * 30 + degrees[sign] - 0.5);
        list.AddRow({point.label, IsInPushkaraNavamsa(point.longitude) ? "Yes" : "-",
                     distance <= kWithinDegrees ? "Yes" : "-", DistanceText(distance)});
    }
}

void FillMrityuBhaga(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Body", 90);
    list.InsertColumn("From Mrityu Bhaga Center", 190);
    list.InsertColumn("Within the Trimsamsa (degree)?", 210);
    for (const SensitivePoint& point : SensitivePoints(chart)) {
        const int sign = SignOf(point.longitude);
        const int degree =
            MrityuBhagaDegree(point.body, sign, point.body == kMoon && g_nMBTablePreference == 1);
        const double distance = AngleDistance(point.longitude, sign * 30 + MrityuBhagaCentre(degree));
        list.AddRow({point.label, DistanceText(distance), distance <= kWithinDegrees ? "Yes" : "-"});
    }
}

void FillMaliciousDivisions(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Malicious Division", 400);
    list.InsertColumn("Lord", 180);
    static const char* const kFromLagna[] = {"The 64th navamsa",
                                             "The 22nd Pararsara drekkana",
                                             "The 22nd Parivritti traya drekkana",
                                             "The 22nd Somanatha drekkana",
                                             "The 22nd Kalomithra drekkana",
                                             "The 22nd Uma-Shambhu drekkana"};
    static const char* const kFromMoon[] = {"The 64th navamsa from Moon",
                                            "The 22nd Parasara drekkana from Moon",
                                            "The 22nd Parivritti traya drekkana from Moon",
                                            "The 22nd Somanatha drekkana from Moon",
                                            "The 22nd Kalomithra drekkana from Moon",
                                            "The 22nd Uma-Shambhu drekkana from Moon"};
    AddMaliciousRows(list, chart.m_bodies[0].m_dLongitude, kFromLagna);
    AddMaliciousRows(list, chart.m_bodies[kMoon].m_dLongitude, kFromMoon);
}
