#include "views/info/basic_info_tables.h"

#include <array>
#include <cmath>
#include <cstdio>

#include "chart/chart.h"
#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/calendar_names.h"
#include "core/drishti.h"
#include "core/printed_angle.h"
#include "core/varga_options.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/chart_info_values.h"
#include "shell/display_options.h"
#include "views/info/bhaga_tables.h"
#include "views/info/cell_format.h"
#include "views/info/custom_list_view.h"
#include "views/info/drekkana_classes.h"
#include "views/info/nakshatra_tables.h"

int g_nBasicInfoVarga = 0;

namespace {
constexpr int kLimitedBodyEnd = 59;    // bodies from here on are left out of the limited tables ...
constexpr int kArudhaBodyLast = 82;    // ... but with longitude-based bhava arudhas listed up to here
constexpr int kNavamsaColumn = 1;      // varga column of D-9
constexpr int kVargaCountInOrder = 23; // D-1 to D-144
constexpr int kNakshatras = 27;

const char* const kCharaKarakaNames[] = {"Atma karaka",  "Amatya karaka", "Bhratri karaka", "Matri karaka",
                                         "Pitri karaka", "Putra karaka",  "Gnati karaka",   "Dara karaka"};

// Varga columns of the all-divisional table, left to right: D-1, D-9, D-10, D-2, D-3, D-4, D-7, D-12,
// D-16, D-20, D-24, D-27, D-30, D-40, D-45, D-60, D-m, D-n, D-5, D-6, D-8, D-11, D-81, D-108, D-144.
constexpr std::array<int, 25> kAllDivisionalColumns = {0,  1,  9,  2,  3,  4, 7, 11, 12, 13, 14, 15, 16,
                                                       17, 18, 19, 24, 23, 5, 6, 8,  10, 20, 21, 22};

struct ListedPoint {
    std::string label;
    CRasiLongitude position;
    int nakshatra = 0;
    int pada = 0;
    int rasi = 0;
    int navamsa = 0;
};

// The listed bodies of `chart` followed by its named extra points.
std::vector<ListedPoint> ListedPoints(const CChart& chart, bool limited) {
    std::vector<ListedPoint> points;
    for (int body : ListedBodies(limited))
        points.push_back(ListedPoint{BodyLabel(chart, body), chart.m_bodies[body], chart.m_nakshatra[body],
                                     chart.m_pada[body], chart.m_vargaSign.Sign(body, 0),
                                     chart.m_vargaSign.Sign(body, kNavamsaColumn)});
    for (int extra = 0; extra < kExtraPointCount; ++extra) {
        if (chart.m_extraName[extra] == kNoExtraPoint) continue;
        const int body = kFirstExtraPointBody + extra;
        points.push_back(ListedPoint{
            chart.m_extraName[extra], chart.m_extraPoint[extra], chart.m_nakshatra[body], chart.m_pada[body],
            chart.m_extraVargaSign[extra][0], chart.m_extraVargaSign[extra][kNavamsaColumn]});
    }
    return points;
}

void FillLongitudes(CCustomListView& list, CChart& chart, int varga, bool natal) {
    // A chart, or a divisional chart, that could not be calculated lists no rows under the headings.
    CChart* shown = chart.LastCalculationFailed() ? nullptr : chart.GetVargaChart(varga);
    std::string heading =
        varga == 0 ? std::string("Longitude") : "Longitude (in " + g_vargaNames[varga] + ")";
    if (natal) heading = "NATAL Longitude";
    list.InsertColumn("Body", 200);
    list.InsertColumn(heading, 170);
    list.InsertColumn("Nakshatra", 150);
    list.InsertColumn("Pada", 60);
    list.InsertColumn("Rasi", 90);
    list.InsertColumn("Navamsa", 100);
    if (!shown) return;
    for (const ListedPoint& point : ListedPoints(*shown, true))
        list.AddRow({point.label, FormatSignLongitude(point.position.m_dLongitude),
                     g_nakshatraNames[point.nakshatra], FormatCell("%d", point.pada + 1),
                     g_pszSignNames[point.rasi], g_pszSignNames[point.navamsa]});
}

void FillAllDivisional(CCustomListView& list, CChart& chart) {
    list.InsertColumn("Body", 120);
    for (int column : kAllDivisionalColumns) list.InsertColumn(g_strVargaLabels[column], 70);
    std::vector<ListedPoint> rows = ListedPoints(chart, true);
    std::vector<std::vector<std::string>> cells(rows.size());
    for (std::size_t r = 0; r < rows.size(); ++r) cells[r].push_back(rows[r].label);
    for (int column : kAllDivisionalColumns) {
        CChart* varga = chart.GetVargaChart(column);
        const std::vector<ListedPoint> inVarga =
            varga ? ListedPoints(*varga, true) : std::vector<ListedPoint>{};
        for (std::size_t r = 0; r < rows.size(); ++r)
            cells[r].push_back(r < inVarga.size() ? FormatShortSignLongitude(inVarga[r].position.m_dLongitude)
                                                  : std::string());
    }
    for (auto& row : cells) list.AddRow(std::move(row));
}

void FillCoordinates(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Planet", 80);
    for (const char* heading : {"Longitude", "Lon Speed", "Latitude", "Lat Speed"})
        list.InsertColumn(heading, 110);
    list.InsertColumn("Distance", 90);
    list.InsertColumn("Dist Speed", 110);
    for (int p = 1; p <= kPlanetCount; ++p)
        list.AddRow({g_pszPlanetNames[p], FormatCell("%.3f deg", chart.m_bodies[p].m_dLongitude),
                     FormatCell("%.3f deg/day", chart.m_dBodySpeed[p]),
                     FormatCell("%.3f deg", chart.m_dBodyLatitude[p]),
                     FormatCell("%.3f deg/day", chart.m_dBodyLatitudeSpeed[p]),
                     FormatCell("%.4f AU", chart.m_dBodyDistance[p]),
                     FormatCell("%.6f AU/day", chart.m_dBodyDistanceSpeed[p])});
}

void FillRasisInVargas(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Body", 80, false);
    for (int column = 0; column < kVargaCountInOrder; ++column)
        list.InsertColumn(g_strVargaLabels[column], column + 1 == kVargaCountInOrder ? 50 : 40);
    auto addRow = [&](std::string label, auto signOf) {
        std::vector<std::string> cells{std::move(label)};
        for (int column = 0; column < kVargaCountInOrder; ++column)
            cells.push_back(g_pszSignNames[signOf(column)]);
        list.AddRow(std::move(cells));
    };
    for (int body : ListedBodies(false)) {
        std::string label = g_pszPlanetNames[body];
        if (chart.m_bodies[body].m_bRetrograde) label += " (R)";
        addRow(label, [&](int column) { return chart.m_vargaSign.Sign(body, column); });
    }
    for (int extra = 0; extra < kExtraPointCount; ++extra)
        if (chart.m_extraName[extra] != kNoExtraPoint)
            addRow(chart.m_extraName[extra],
                   [&](int column) { return chart.m_extraVargaSign[extra][column]; });
}

void FillNavaTaras(CCustomListView& list, const CChart& chart, int reference, const char* heading) {
    list.InsertColumn(heading, 130);
    list.InsertColumn("Meaning", 100);
    list.InsertColumn("Lord", 60);
    for (const char* column : {"Nakshatra 1", "Nakshatra 2", "Nakshatra 3"}) list.InsertColumn(column, 100);
    for (int k = 0; k < kTaraCount; ++k) {
        const int n = (k + chart.m_nakshatra[reference]) % kNakshatras;
        list.AddRow({g_taraNames[k], g_taraMeanings[k], g_pszPlanetNames[NakshatraLord(n)],
                     g_nakshatraNames[n], g_nakshatraNames[(n + 9) % kNakshatras],
                     g_nakshatraNames[(n + 18) % kNakshatras]});
    }
}

void FillYogi(CCustomListView& list, const CChart& chart, const CChart& natal) {
    list.InsertColumn("Title", 100);
    list.InsertColumn("Planet in this chart", 120);
    list.InsertColumn("Longitude", 140);
    list.AddRow({"Yogi", g_pszPlanetNames[chart.m_nYogiPlanet],
                 FormatSignLongitude(natal.m_bodies[45].m_dLongitude)});
    list.AddRow({"Sahayogi", g_pszPlanetNames[chart.m_nDuplicateYogi], "-"});
    list.AddRow({"Avayogi", g_pszPlanetNames[chart.m_nAvayogiPlanet],
                 FormatSignLongitude(natal.m_bodies[46].m_dLongitude)});
}

void FillCharaKarakas(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Chara karaka", 120);
    list.InsertColumn("Planet", 80);
    list.InsertColumn("Meaning of portfolio", 160);
    for (int k = 0; k < chart.m_nCharaKarakas; ++k)
        list.AddRow(
            {kCharaKarakaNames[k], g_pszPlanetNames[chart.m_charaKaraka[k]], g_charaKarakaMeanings[k]});
}

void FillCombustion(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Planet", 80);
    list.InsertColumn("Combust?", 120);
    for (int p = 3; p <= 7; ++p) list.AddRow({g_pszPlanetNames[p], chart.IsCombust(p) ? "Yes" : "-"});
}

void FillGrahaYuddha(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Planet", 80);
    list.InsertColumn("Wins?", 100);
    list.InsertColumn("Loses?", 100);
    for (int p = 1; p <= kPlanetCount; ++p)
        list.AddRow({g_pszPlanetNames[p], chart.IsInPlanetaryWar(p) ? "Yes" : "-",
                     chart.IsInPlanetaryWarAlt(p) ? "Yes" : "-"});
}

void FillDrekkanas(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Body", 100);
    list.InsertColumn("Drekkana occupied", 320);
    for (const SensitivePoint& point : SensitivePoints(chart))
        list.AddRow({point.label, DrekkanaClass(static_cast<int>(point.longitude / 10))});
}

void FillBrahmaRudraMaheswara(CCustomListView& list, const CChart& chart) {
    list.InsertColumn("Special Deity", 100);
    list.InsertColumn("Planet in this chart", 120);
    const CSignLordTables& lords = chart.m_signLordTables;
    list.AddRow({"Brahma", g_pszPlanetNames[lords.m_nBrahma]});
    list.AddRow({"Rudra", g_pszPlanetNames[lords.m_nRudra]});
    list.AddRow({"Maheswara", g_pszPlanetNames[lords.m_nMaheswara]});
}

// One row of the aspect table: the label, the aspected longitude and each planet's aspect on it.
void AddAspectRow(CCustomListView& list, std::string label, double aspected, const CChart& aspecting) {
    std::vector<std::string> cells{std::move(label), FormatSignLongitude(aspected)};
    for (int p = 1; p <= kPlanetCount; ++p) {
        const double strength = DrishtiStrength(aspected, aspecting.m_bodies[p].m_dLongitude, p);
        cells.push_back(strength == 0 ? "-" : FormatCell("%5.2f%%", strength));
    }
    list.AddRow(std::move(cells));
}

// The aspects of the aspecting chart's planets on the aspected chart's positions, and on the houses
// from each planet and bhava arudha; the lagna's houses in D-1 are its house cusps.
void FillAspects(CCustomListView& list, const CChart& aspected, int aspectedVarga, const CChart& aspecting) {
    list.InsertColumn("Aspected Body", 140);
    list.InsertColumn("Longitude (in " + g_vargaNames[aspectedVarga] + ")", 140);
    for (int p = 1; p <= kPlanetCount; ++p) list.InsertColumn(g_pszPlanetNames[p], 70);
    auto isHouseReference = [](int body) { return body <= 9 || (body >= 59 && body <= 70); };
    for (int body : ListedBodies(true)) {
        const CRasiLongitude& position = aspected.m_bodies[body];
        const bool retrograde = body >= 1 && body <= 7 && position.m_bRetrograde;
        AddAspectRow(list, FormatCell("%s%s", g_pszPlanetNames[body], retrograde ? " (R) " : ""),
                     position.m_dLongitude, aspecting);
        if (!isHouseReference(body)) continue;
        const bool backwards = g_bHousesFromNodesReversed && (body == 8 || body == 9);
        for (int k = 1; k < 12; ++k) {
            double longitude = position.m_dLongitude + (backwards ? -30.0 : 30.0) * k;
            if (body == 0 && aspectedVarga == 0)
                longitude =
                    (g_bHouseCuspsInMiddle ? aspected.m_bhava[k].m_middle : aspected.m_bhava[k].m_start)
                        .m_dLongitude;
            AddAspectRow(list, FormatCell("%s from %s", g_houseOrdinals[k], g_pszPlanetNames[body]),
                         std::fmod(longitude + 720.0, 360.0), aspecting);
        }
    }
    for (int extra = 0; extra < kExtraPointCount; ++extra)
        if (aspected.m_extraName[extra] != kNoExtraPoint)
            AddAspectRow(list, aspected.m_extraName[extra], aspected.m_extraPoint[extra].m_dLongitude,
                         aspecting);
}

// The chart a side of the aspect table takes its positions from: the natal or the shown chart, in the
// varga chosen for that side (null when the varga chart cannot be calculated).
CChart* AspectChart(CChart& current, CChart& natal, bool forceNatal, int varga) {
    return (forceNatal ? natal : current).GetVargaChart(varga);
}

void FillSpecialTithis(CCustomListView& list, const CChart& chart) {
    for (const char* heading : {"Special Tithi", "Seed", "Name", "% left"}) list.InsertColumn(heading, 110);
    list.InsertColumn("Lord", 80);
    list.InsertColumn("Deity", 120);
    list.InsertColumn("Index", 60);
    list.InsertColumn("Index in paksha", 130);
    const CPanchanga& panchanga = chart.m_panchanga;
    for (int h = 0; h < kSpecialTithiCount; ++h) {
        const int t = panchanga.m_nTithi[h];
        list.AddRow({g_specialTithiNames[h], FormatCell("%d", h + 1), g_tithiNames[t],
                     FormatCell("%d%%", static_cast<int>(std::lround(panchanga.m_dTithiFraction[h] * 100))),
                     g_pszPlanetNames[TithiLord(t)], g_tithiDeityNames[t], FormatCell("%dth", t + 1),
                     FormatCell("%dth in %s half", t % 15 + 1, t < 15 ? "Brighter" : "Darker")});
    }
}

void FillSahamas(CCustomListView& list, const CChart& chart, const char* positionHeading) {
    list.InsertColumn("Sahama name", 160);
    list.InsertColumn(positionHeading, 130);
    list.InsertColumn("Nakshatra", 80);
    list.InsertColumn("Meaning of sahama", 200);
    for (int s = 0; s < kSahamaCount; ++s) {
        const double longitude = chart.m_specialPoint[s].m_dLongitude;
        const int nakshatra = static_cast<int>(longitude * 0.075) % kNakshatras;
        list.AddRow({g_sahamaNames[s], FormatSignLongitude(longitude), g_nakshatraNames[nakshatra],
                     g_sahamaMeanings[s]});
    }
}
} // namespace

std::vector<int> ListedBodies(bool limited) {
    std::vector<int> bodies;
    for (int group = 0; group < kBodyTypeCount; ++group) {
        if (!g_bodyTypeShown[group]) continue;
        for (int body = g_bodyTypeRanges[group].first; body <= g_bodyTypeRanges[group].last; ++body) {
            const bool beyondLimit =
                body >= kLimitedBodyEnd && !(g_bLongitudeBasedBhavaArudhas && body <= kArudhaBodyLast);
            if (!limited || !beyondLimit) bodies.push_back(body);
        }
    }
    return bodies;
}

std::vector<SensitivePoint> SensitivePoints(const CChart& chart) {
    constexpr int kMaandi = 31;
    std::vector<SensitivePoint> points;
    for (int body = 1; body <= kPlanetCount; ++body)
        points.push_back({g_pszPlanetNames[body], chart.m_bodies[body].m_dLongitude, body});
    points.push_back({g_pszPlanetNames[kMaandi], chart.m_bodies[kMaandi].m_dLongitude, kMaandi});
    points.push_back({g_pszPlanetNames[0], chart.m_bodies[0].m_dLongitude, 0});
    for (int house = 1; house < 12; ++house)
        points.push_back({FormatCell("%s house", g_houseOrdinals[house]), chart.m_dHouseCusps[house], 0});
    return points;
}

std::string FormatSignLongitude(double longitude) {
    const PrintedDms split = SplitPrintedLongitude(longitude, DmsField::kHundredths);
    return FormatCell("%2d %s %02d' %05.2f\"", split.degrees, g_pszSignNames[split.sign], split.minutes,
                      split.seconds);
}

std::string FormatShortSignLongitude(double longitude) {
    const PrintedDms split = SplitPrintedLongitude(longitude, DmsField::kMinutes);
    return FormatCell("%2d%s%02d", split.degrees, g_pszSignNames[split.sign], split.minutes);
}

std::string BodyLabel(const CChart& chart, int body) {
    std::string label = g_pszPlanetNames[body];
    label += chart.m_bodies[body].m_bRetrograde ? " (R) " : " ";
    if (body < 1 || body > 8) return label;
    std::string karakas;
    for (int k = 0; k < chart.m_nCharaKarakas; ++k)
        if (chart.m_charaKaraka[k] == body)
            karakas += (karakas.empty() ? "" : "/") + std::string(g_charaKarakaAbbrevs[k]);
    if (!karakas.empty()) label += "- " + karakas;
    return label;
}

namespace {
using TableFiller = void (*)(CCustomListView& list, CChart& current, CChart& natal);

// The filler of each table, by table number.
constexpr TableFiller kTableFillers[kBasicInfoTableCount] = {
    [](CCustomListView& list, CChart& current, CChart&) {
        FillLongitudes(list, current, g_nBasicInfoVarga, false);
    },
    [](CCustomListView& list, CChart& current, CChart& natal) {
        CChart* aspected = AspectChart(current, natal, g_bAspectedForceNatal, g_nAspectedVarga);
        CChart* aspecting = AspectChart(current, natal, g_bAspectingForceNatal, g_nAspectingVarga);
        if (aspected && aspecting) FillAspects(list, *aspected, g_nAspectedVarga, *aspecting);
    },
    [](CCustomListView& list, CChart& current, CChart&) { FillAllDivisional(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillCoordinates(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillRasisInVargas(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillNavaTaras(list, current, 2, "Tara (Moon)"); },
    [](CCustomListView& list, CChart& current, CChart&) { FillNavaTaras(list, current, 0, "Tara (Lagna)"); },
    [](CCustomListView& list, CChart& current, CChart&) {
        FillSpecialTaras(list, current, 2, "Special tara (Moon)");
    },
    [](CCustomListView& list, CChart& current, CChart&) {
        FillSpecialTaras(list, current, 0, "Special tara (lagna)");
    },
    [](CCustomListView& list, CChart& current, CChart&) { FillNakshatraAspects(list, current); },
    [](CCustomListView& list, CChart& current, CChart& natal) { FillYogi(list, current, natal); },
    [](CCustomListView& list, CChart& current, CChart&) { FillPushkara(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillSpecialTithis(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillCharaKarakas(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillCombustion(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillGrahaYuddha(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillBrahmaRudraMaheswara(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillMrityuBhaga(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillDrekkanas(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillMaliciousDivisions(list, current); },
    [](CCustomListView& list, CChart& current, CChart&) { FillSahamas(list, current, "Position"); },
    [](CCustomListView& list, CChart&, CChart& natal) { FillLongitudes(list, natal, 0, true); },
    [](CCustomListView& list, CChart&, CChart& natal) { FillSahamas(list, natal, "NATAL Position"); },
};
} // namespace

bool FillBasicInfoTable(CCustomListView& list, int table, CChart& current, CChart& natal) {
    list.RefreshLayout();
    list.DeleteAllColumnsAndRows();
    if (table < 0 || table >= kBasicInfoTableCount) return false;
    kTableFillers[table](list, current, natal);
    return true;
}
