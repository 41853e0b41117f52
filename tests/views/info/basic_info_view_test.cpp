// The basic information tables: which bodies they list, their headings and cells, and that the values
// agree with the chart's own positions.
#include "views/info/basic_info_view.h"

#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "display/chart_info_values.h"
#include "shell/view_registry.h"
#include "views/info/basic_info_tables.h"
#include "views/info/drekkana_classes.h"
#include "views/info/info_view_registration.h"

namespace {
class BasicInfoTest : public PaneTest {
protected:
    BasicInfoTest() { m_view.SetDocument(&m_document); }
    ~BasicInfoTest() override {
        g_bodyTypeShown = m_shown;
        g_bLongitudeBasedBhavaArudhas = m_arudhas;
        g_nBasicInfoVarga = 0;
    }
    // The labels of column 0.
    std::vector<std::string> Labels() const {
        std::vector<std::string> labels;
        for (int r = 0; r < m_view.RowCount(); ++r) labels.push_back(m_view.CellText(r, 0));
        return labels;
    }
    int CountRowsStartingWith(const std::string& name) const {
        int count = 0;
        for (const std::string& label : Labels()) count += label.rfind(name, 0) == 0;
        return count;
    }

    CBasicInfoView m_view;

private:
    std::array<int, kBodyTypeCount> m_shown = g_bodyTypeShown;
    bool m_arudhas = g_bLongitudeBasedBhavaArudhas;
};

TEST_F(BasicInfoTest, WithEveryGroupOffTheLongitudeTablesListOnlyTheNamedExtraPoints) {
    g_bodyTypeShown.fill(0);
    int named = 0;
    for (const std::string& name : m_document.m_natalChart.m_extraName) named += name != kNoExtraPoint;
    for (int table : {kTableLongitudes, kTableAllDivisional, kTableRasisInVargas, kTableNatalLongitudes}) {
        m_view.SetMode(table);
        EXPECT_EQ(m_view.RowCount(), named) << table;
    }
}

TEST_F(BasicInfoTest, BhavaArudhasUpTo82JoinTheLimitedTablesOnlyWhenLongitudeBased) {
    g_bodyTypeShown.fill(1);
    g_bLongitudeBasedBhavaArudhas = false;
    m_view.SetMode(kTableLongitudes);
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[59]), 0); // the arudha lagna
    g_bLongitudeBasedBhavaArudhas = true;
    m_view.SetMode(kTableLongitudes);
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[59]), 1);
    for (int body : ListedBodies(true)) EXPECT_LE(body, 82);
    // Graha arudhas never reach the limited tables, but the table of rasis in all vargas lists them.
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[83]), 0);
    m_view.SetMode(kTableRasisInVargas);
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[83]), 1);
}

TEST_F(BasicInfoTest, AnotherVargaTitlesTheLongitudeColumnAndListsThatVargaChart) {
    g_nBasicInfoVarga = 1; // D-9
    m_view.SetMode(kTableLongitudes);
    EXPECT_EQ(m_view.ColumnHeader(1), "Longitude (in " + g_vargaNames[1] + ")");
    const CChart& navamsa = *m_document.m_natalChart.GetVargaChart(1);
    EXPECT_EQ(m_view.CellText(1, 1), FormatSignLongitude(navamsa.m_bodies[1].m_dLongitude));
}

TEST_F(BasicInfoTest, ShortLongitudesRoundTheMinutesUpFromThirtySeconds) {
    const double base = 30 * 4; // Leo
    EXPECT_EQ(FormatShortSignLongitude(base + 12 + 29 / 60.0 + 31 / 3600.0),
              std::string("12") + g_pszSignNames[4] + "30");
    EXPECT_EQ(FormatShortSignLongitude(base + 12 + 29 / 60.0 + 29 / 3600.0),
              std::string("12") + g_pszSignNames[4] + "29");
    EXPECT_EQ(FormatShortSignLongitude(base + 3), std::string(" 3") + g_pszSignNames[4] + "00");
}

// The planets' rows against the chart: longitude to the hundredth of a second, nakshatra and pada
// worked out here from the longitude (13 deg 20' a nakshatra, 3 deg 20' a pada).
TEST_F(BasicInfoTest, PlanetRowsAgreeWithTheChartsPositionsNakshatrasAndPadas) {
    g_bodyTypeShown.fill(0);
    g_bodyTypeShown[0] = 1; // lagna to Ketu
    m_view.SetMode(kTableLongitudes);
    ASSERT_EQ(m_view.RowCount(), 10);
    const CChart& chart = m_document.m_natalChart;
    for (int body = 0; body <= 9; ++body) {
        SCOPED_TRACE(body);
        const double longitude = chart.m_bodies[body].m_dLongitude;
        const double inSign = std::fmod(longitude, 30.0);
        const int degrees = static_cast<int>(inSign);
        const int minutes = static_cast<int>((inSign - degrees) * 60);
        const double seconds = (inSign - degrees - minutes / 60.0) * 3600;
        char expected[64];
        std::snprintf(expected, sizeof expected, "%2d %s %02d' %05.2f\"", degrees,
                      g_pszSignNames[static_cast<int>(longitude / 30)], minutes, seconds);
        EXPECT_EQ(m_view.CellText(body, 1), expected);
        EXPECT_EQ(m_view.CellText(body, 2), g_nakshatraNames[static_cast<int>(longitude / (40.0 / 3))]);
        EXPECT_EQ(m_view.CellText(body, 3),
                  std::to_string(static_cast<int>(std::fmod(longitude, 40.0 / 3) / (10.0 / 3)) + 1));
        EXPECT_EQ(m_view.CellText(body, 4), g_pszSignNames[static_cast<int>(longitude / 30)]);
        EXPECT_EQ(m_view.CellText(body, 0).rfind(g_pszPlanetNames[body], 0), 0u);
    }
}

TEST_F(BasicInfoTest, TheChartsKarakasLabelThePlanetsAndTheirOwnTable) {
    m_view.SetMode(kTableCharaKarakas);
    const CChart& chart = m_document.m_natalChart;
    ASSERT_EQ(m_view.RowCount(), chart.m_nCharaKarakas);
    EXPECT_EQ(m_view.CellText(0, 0), "Atma karaka");
    EXPECT_EQ(m_view.CellText(0, 1), g_pszPlanetNames[chart.m_charaKaraka[0]]);
    EXPECT_NE(BodyLabel(chart, chart.m_charaKaraka[0]).find("- AK"), std::string::npos);
}

TEST_F(BasicInfoTest, DrekkanasAreClassedByTheirTenDegreesForTwentyTwoPoints) {
    struct Case {
        int index;
        const char* cls;
    };
    for (const Case c :
         {Case{0, "Ayudha (weapon), Kroora (cruel)"}, Case{5, "-"},
          Case{27, "Nigala, Kroora (cruel), Chatushpada (quadruped)"}, Case{35, "Sarpa (snake)"}})
        EXPECT_STREQ(DrekkanaClass(c.index), c.cls) << c.index;
    m_view.SetMode(kTableDrekkanas);
    ASSERT_EQ(m_view.RowCount(), 22);
    EXPECT_EQ(m_view.CellText(10, 0), g_pszPlanetNames[0]);
    EXPECT_EQ(m_view.CellText(21, 0), "12th house");
    const double sun = m_document.m_natalChart.m_bodies[1].m_dLongitude;
    EXPECT_STREQ(m_view.CellText(0, 1).c_str(), DrekkanaClass(static_cast<int>(sun / 10)));
}

TEST_F(BasicInfoTest, SpecialTithisListThirtySixHarmonicsWithTheirLordsAndHalves) {
    struct Case {
        int tithi;
        int lord;
    };
    for (const Case c : {Case{0, 1}, Case{7, 8}, Case{8, 1}, Case{14, 7}, Case{15, 1}, Case{22, 8},
                         Case{23, 1}, Case{28, 6}, Case{29, 8}})
        EXPECT_EQ(TithiLord(c.tithi), c.lord) << c.tithi;
    m_view.SetMode(kTableSpecialTithis);
    ASSERT_EQ(m_view.RowCount(), 36);
    EXPECT_EQ(m_view.CellText(0, 0), "Janma tithi");
    EXPECT_EQ(m_view.CellText(35, 1), "36");
    const int t = m_document.m_natalChart.m_panchanga.m_nTithi[0];
    EXPECT_EQ(m_view.CellText(0, 4), g_pszPlanetNames[TithiLord(t)]);
    EXPECT_EQ(m_view.CellText(0, 7),
              std::to_string(t % 15 + 1) + "th in " + (t < 15 ? "Brighter" : "Darker") + " half");
}

TEST_F(BasicInfoTest, TheLagnasHousesInTheAspectTableAreItsCuspsAndTheOthersThirtyDegreeSteps) {
    g_bodyTypeShown.fill(0);
    g_bodyTypeShown[0] = 1;
    m_view.SetMode(kTableAspects);
    EXPECT_EQ(m_view.ColumnCount(), 11);
    EXPECT_EQ(m_view.RowCount(), 10 * 12);
    EXPECT_EQ(m_view.CellText(1, 0), "2nd from " + std::string(g_pszPlanetNames[0]));
    const CBhava& second = m_document.m_natalChart.m_bhava[1];
    EXPECT_EQ(m_view.CellText(1, 1),
              FormatSignLongitude((g_bHouseCuspsInMiddle ? second.m_middle : second.m_start).m_dLongitude));
    const double sun = m_document.m_natalChart.m_bodies[1].m_dLongitude;
    EXPECT_EQ(m_view.CellText(13, 1), FormatSignLongitude(std::fmod(sun + 30, 360)));
}

TEST_F(BasicInfoTest, EveryListedTableHasColumnsAndRows) {
    for (int table = 0; table < kBasicInfoTableCount; ++table) {
        m_view.SetMode(table);
        if (m_view.ColumnCount() == 0) continue; // not listed by this pane
        EXPECT_GT(m_view.RowCount(), 0) << table;
    }
}

TEST_F(BasicInfoTest, TheReportPointerLeavesWithItsPaneAndTheRegistryMakesThePanes) {
    {
        CBasicInfoView other;
        EXPECT_EQ(g_pBasicInfoView, &other);
    }
    EXPECT_EQ(g_pBasicInfoView, nullptr);
    RegisterInfoViews();
    CCreateContext context{&m_document};
    std::unique_ptr<QWidget> pane(CreatePaneOfClass("CBasicInfoView", nullptr, &context));
    EXPECT_NE(dynamic_cast<CBasicInfoView*>(pane.get()), nullptr);
    std::unique_ptr<QWidget> entry(CreatePaneOfClass("CEntryBasicInfoView", nullptr, &context));
    EXPECT_NE(dynamic_cast<CEntryBasicInfoView*>(entry.get()), nullptr);
}

TEST_F(BasicInfoTest, DocumentUpdatesRefillThePaneThroughItsLink) {
    m_view.OnInitialUpdate();
    m_view.SetMode(kTableCoordinates);
    m_view.DeleteAllColumnsAndRows();
    m_document.UpdateAllViews(nullptr);
    EXPECT_EQ(m_view.RowCount(), 9);
}
} // namespace
