#include "views/info/nakshatra_tables.h"

#include <iterator>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/chart_core.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/chart_info_values.h"
#include "views/info/custom_list_view.h"

namespace {
constexpr int kAbhijit = 21;

int StarCount() {
    return g_bUse28Nakshatras ? kNakshatraCount + 1 : kNakshatraCount;
}

// The body's star in the scheme in use.
int StarOf(const CChart& chart, int body) {
    return g_bUse28Nakshatras ? chart.m_nakshatra28[body] : chart.m_nakshatra[body];
}

const char* StarName(int star) {
    return g_bUse28Nakshatras ? g_nakshatraNames28[star] : g_nakshatraNames[star];
}

// The star `count` places from `star` (count 1 = `star` itself), forward or backward.
int CountStars(int star, int count, bool forward) {
    const int n = StarCount();
    return ((forward ? star + count - 1 : star - count + 1) % n + n) % n;
}

// The Vimsottari lord of a star of the scheme in use; Abhijit, a part of Uttarashadha, has its lord.
int StarLord(int star) {
    if (!g_bUse28Nakshatras || star < kAbhijit) return NakshatraLord(star);
    return NakshatraLord(star - 1);
}

// The latta of planets Sun to Rahu: how many stars on, and whether forward.
struct Latta {
    int count;
    bool forward;
};
constexpr Latta kLattas[] = {{12, true}, {22, false}, {3, true}, {7, false},
                             {6, true},  {5, false},  {8, true}, {9, false}};
static_assert(std::size(kLattas) == kRahu);

// The stars that planets Sun to Saturn aspect, counted forward from their own (1 = that star).
const std::vector<int> kAspectCounts[] = {{14, 15},     {14, 15}, {1, 3, 7, 8, 15}, {1, 15},
                                          {10, 15, 19}, {1, 15},  {3, 5, 15, 19}};
} // namespace

void FillSpecialTaras(CCustomListView& list, const CChart& chart, int reference, const char* heading) {
    list.InsertColumn(heading, 150);
    list.InsertColumn("Meaning", 180);
    list.InsertColumn("Nakshatra", 120);
    list.InsertColumn("Lord", 80);
    const int base = StarOf(chart, reference);
    for (int k = 0; k < kSpecialTaraCount; ++k) {
        const int star = CountStars(base, g_specialTaraCounts[k], true);
        list.AddRow({g_specialTaraNames[k], g_specialTaraMeanings[k], StarName(star),
                     g_pszPlanetNames[StarLord(star)]});
    }
}

void FillNakshatraAspects(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Planet", 90);
    list.InsertColumn("Latta on", 150);
    list.InsertColumn("Occupied Star", 150);
    list.InsertColumn("Aspected Stars", 350);
    for (int planet = 1; planet <= kRahu; ++planet) {
        const int star = StarOf(chart, planet);
        const Latta& latta = kLattas[planet - 1];
        std::string aspected;
        if (planet < kRahu)
            for (int count : kAspectCounts[planet - 1])
                aspected += std::string(StarName(CountStars(star, count, true))) + "    ";
        list.AddRow({g_pszPlanetNames[planet], StarName(CountStars(star, latta.count, latta.forward)),
                     StarName(star), aspected});
    }
}
