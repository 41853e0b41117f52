// The other-strengths tables: the words and names their cells take for chosen strengths, the worked
// Tajaka strength of a planet in its own places, the vaiseshikamsas behind an index from outside the
// tables, and the pane's text and report forms putting back the varga and table the user chose.
#include "views/info/strengths_view.h"

#include <QMenu>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/planet_tables.h"
#include "core/zodiac_names.h"
#include "document/dasa_codes.h"
#include "platform/painter_surface.h"
#include "tests/analysis/analysis_test_support.h"
#include "views/info/strengths_tables.h"

namespace {

TEST(StrengthsTables, HarshaBalaWords) {
    struct Case {
        int bala;
        const char* word;
    };
    constexpr Case kCases[] = {{0, "Nil"}, {5, "Little"}, {10, "Average"}, {15, "Full"}, {20, "Excess"}};
    CChart chart = EveryBodyIn(kAries);
    for (int p = 0; p < 5; ++p) chart.m_avasthas.m_harsha.m_nBala[p] = kCases[p].bala;
    CCustomListView list;
    FillStrengthsTable(list, kHarshaBalaTable, chart);
    ASSERT_EQ(list.RowCount(), 7); // the Sun to Saturn
    for (int p = 0; p < 5; ++p) {
        SCOPED_TRACE(kCases[p].bala);
        EXPECT_EQ(list.CellText(p, 1), std::to_string(kCases[p].bala));
        EXPECT_EQ(list.CellText(p, 2), kCases[p].word);
    }
}

TEST(StrengthsTables, MoodsAreListedInTableOrderWithoutATrailingSeparator) {
    CChart chart = EveryBodyIn(kAries);
    chart.m_avasthas.m_baladi.m_deeptadi = {};
    auto& mars = chart.m_avasthas.m_baladi.m_deeptadi[kMars];
    mars[kDeeptaFriend] = 1;
    mars[kDeeptaExalted] = 1;
    mars[14] = 1;
    chart.m_avasthas.m_baladi.m_nVarga = 1; // D-9
    CCustomListView list;
    FillStrengthsTable(list, kBasicAvasthaTable, chart);
    ASSERT_EQ(list.RowCount(), 9); // the Sun to Ketu
    EXPECT_EQ(list.ColumnHeader(2), "Alertness (D-9)");
    EXPECT_EQ(list.ColumnHeader(3), "Mood (D-9)");
    EXPECT_EQ(list.CellText(kSun - 1, 3), "");
    EXPECT_EQ(list.CellText(kMars - 1, 3), "Deepta (glowing), Saanta (peaceful), Kshobhita (agitated)");
}

TEST(StrengthsTables, VargaGroupColumnsRunTenSixteenSevenSix) {
    CChart chart = EveryBodyIn(kAries);
    auto& counts = chart.m_avasthas.m_vaiseshikamsa.m_nCount;
    auto& balas = chart.m_avasthas.m_vimsopaka.m_dBala;
    counts[2][kSun] = 10; // 10-varga group
    counts[3][kSun] = 16; // 16
    counts[1][kSun] = 7;  // 7
    counts[0][kSun] = 1;  // 6: one varga names no dignity
    balas[2][kKetu] = 12.5;
    balas[0][kKetu] = 20.0;
    CCustomListView list;
    FillStrengthsTable(list, kVaiseshikamsaTable, chart);
    EXPECT_EQ(list.ColumnHeader(1), "Dasa Varga (10)");
    EXPECT_EQ(list.CellText(0, 1), "10-Sreedhaama ");
    EXPECT_EQ(list.CellText(0, 2), "16-Srivallabha ");
    EXPECT_EQ(list.CellText(0, 3), "7-Mukuta      ");
    EXPECT_EQ(list.CellText(0, 4), "              ");
    FillStrengthsTable(list, kVimsopakaTable, chart);
    EXPECT_EQ(list.ColumnHeader(4), "Shad Varga (6)");
    EXPECT_EQ(list.CellText(kKetu - 1, 1), "12.50  (62.50%)");
    EXPECT_EQ(list.CellText(kKetu - 1, 4), "20.00  (100.00%)");
}

// Mars at 28 Aries is in Aries in every varga, 90 degrees from its debilitation point: its own sign
// in all five Tajaka places: (30 / 3 + 30 + 15 + 10 + 5) / 4 = 17.5, "Very Strong"; twelve of twelve.
TEST(StrengthsTables, TajakaStrengthsOfAPlanetInItsOwnPlaces) {
    CChart chart = EveryBodyIn(kAries, 10.0);
    PlaceBody(chart, kMars, 28.0);
    chart.m_vargaSign.SetHaddaLord(kMars, kMars);
    chart.m_shadbala.Compute(chart);
    CCustomListView list;
    FillStrengthsTable(list, kPanchaVargeeyaTable, chart);
    EXPECT_EQ(list.CellText(kMars - 1, 1), "17.50");
    EXPECT_EQ(list.CellText(kMars - 1, 2), "Very Strong");
    FillStrengthsTable(list, kDwadasaVargeeyaTable, chart);
    EXPECT_EQ(list.CellText(kMars - 1, 1), "12 (out of 12)");
    EXPECT_EQ(list.CellText(kSaturn - 1, 1), "0 (out of 12)"); // debilitated in Aries everywhere
}

TEST(StrengthsTables, AnIndexOutsideTheTablesShowsTheVaiseshikamsas) {
    const CChart chart = EveryBodyIn(kAries);
    CCustomListView list;
    for (const int table : {-1, 7, 250}) {
        SCOPED_TRACE(table);
        FillStrengthsTable(list, table, chart);
        EXPECT_EQ(list.ColumnHeader(0), "Vaiseshikamsas");
        EXPECT_EQ(list.ColumnCount(), 5);
    }
}

class StrengthsViewTest : public PaneTest {
protected:
    StrengthsViewTest() {
        m_view.SetDocument(&m_document);
        m_view.OnInitialUpdate();
    }
    ~StrengthsViewTest() override {
        g_nStrengthsTable = kVaiseshikamsaTable;
        m_document.m_nMode = kModeNatal;
    }
    CChart& Chart() { return *m_document.m_pCurrentChart; }
    CStrengthsView m_view;
};

TEST_F(StrengthsViewTest, TheTajakaTablesJoinTheTextInReturnChartModesOnly) {
    struct Case {
        int mode;
        bool tajaka;
    };
    for (const Case c : {Case{kModeNatal, false}, Case{kModeTajaka, true}, Case{kModeTithiPravesha, true}}) {
        SCOPED_TRACE(c.mode);
        m_document.m_nMode = c.mode;
        m_view.RebuildText();
        EXPECT_NE(g_strStrengthsText.find("Vaiseshikamsas"), std::string::npos);
        EXPECT_NE(g_strStrengthsText.find("Activity"), std::string::npos);
        EXPECT_EQ(g_strStrengthsText.find("Intensity 1"), std::string::npos);
        EXPECT_EQ(g_strStrengthsText.find("Harsha Bala") != std::string::npos, c.tajaka);
        EXPECT_EQ(g_strStrengthsText.find("Dwadasa-vargeeya") != std::string::npos, c.tajaka);
    }
}

TEST_F(StrengthsViewTest, TextAndReportUseDOneAndPutTheUsersVargaAndTableBack) {
    Chart().m_avasthas.m_baladi.m_nVarga = 9; // D-10
    m_view.SelectTable(kBasicAvasthaTable);
    m_view.RebuildText();
    EXPECT_NE(g_strStrengthsText.find("Alertness (D-1)"), std::string::npos);
    EXPECT_EQ(Chart().m_avasthas.m_baladi.m_nVarga, 9);
    EXPECT_EQ(m_view.ColumnHeader(2), "Alertness (" + g_strVargaLabels[9] + ")");

    ProbeSurface surface;
    DrawViewKind(surface, kStrengthsReport, kSayanadiAvasthaTable, 0); // the report's kind 6
    EXPECT_NE(surface.FindText("Activity"), nullptr);
    EXPECT_EQ(surface.FindText("Intensity 1"), nullptr);
    EXPECT_EQ(Chart().m_avasthas.m_baladi.m_nVarga, 9);
    EXPECT_EQ(g_nStrengthsTable, kBasicAvasthaTable);
    EXPECT_EQ(m_view.ColumnHeader(2), "Alertness (" + g_strVargaLabels[9] + ")");
}

TEST_F(StrengthsViewTest, TheMenuChecksTheShownTableAndTheRelationshipChoices) {
    const bool compound = g_bUseCompundRelationshipInAvasthas;
    const bool fromRasi = g_bCompoundRelationshipsFromRasi;
    g_nStrengthsTable = 12; // from nowhere the tables know: the vaiseshikamsas
    m_view.OnUpdate(nullptr, 0);
    EXPECT_EQ(m_view.ColumnHeader(0), "Vaiseshikamsas");
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<std::string> checked;
    std::vector<QAction*> tables;
    for (QAction* action : menu.actions()) {
        if (action->isCheckable()) tables.push_back(action);
        if (action->isChecked()) checked.push_back(action->text().toStdString());
    }
    ASSERT_EQ(tables.size(), 7u);
    EXPECT_EQ(checked, std::vector<std::string>{"Amsa Balas or Vaiseshikamsas (6, 7, 10, 16 groups)"});
    tables.back()->trigger(); // "Harsha Bala (Tajaka)"
    EXPECT_EQ(g_nStrengthsTable, kHarshaBalaTable);
    EXPECT_EQ(m_view.ColumnHeader(1), "Harsha Bala");

    m_view.SetCompoundRelationships(true);
    EXPECT_TRUE(g_bUseCompundRelationshipInAvasthas);
    m_view.SetRelationshipsFromRasi(true);
    QMenu again;
    m_view.FillContextMenu(again);
    std::vector<std::string> submenuChecks;
    for (QAction* action : again.actions())
        if (QMenu* submenu = action->menu())
            for (QAction* choice : submenu->actions())
                if (choice->isChecked()) submenuChecks.push_back(choice->text().toStdString());
    EXPECT_EQ(submenuChecks, (std::vector<std::string>{"Compound", "Rasi chart always"}));
    g_bUseCompundRelationshipInAvasthas = compound;
    g_bCompoundRelationshipsFromRasi = fromRasi;
}

// The three Tajaka tables are drawn centred, headings and cells alike; the other tables left-aligned.
TEST_F(StrengthsViewTest, TheTajakaTablesAreCentred) {
    const struct {
        const char* item;
        bool centred;
    } cases[] = {{"Harsha Bala (Tajaka)", true},
                 {"Pancha-vargeeya Bala (Tajaka)", true},
                 {"Dwadasa-vargeeya Bala (Tajaka)", true},
                 {"Amsa Balas or Vaiseshikamsas (6, 7, 10, 16 groups)", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.item);
        QMenu menu;
        m_view.FillContextMenu(menu);
        for (QAction* action : menu.actions())
            if (action->text() == c.item) action->trigger();
        ProbeSurface surface;
        m_view.OnDraw(surface);
        for (const std::string& text :
             {m_view.ColumnHeader(0), m_view.ColumnHeader(1), m_view.CellText(0, 0), m_view.CellText(0, 1)}) {
            const DrawnRecord::Text* drawn = surface.FindText(text);
            ASSERT_NE(drawn, nullptr) << text;
            EXPECT_EQ((drawn->format & kTextCenter) != 0, c.centred) << text;
        }
    }
    // The last Tajaka table drawn for a look.
    QMenu menu;
    m_view.FillContextMenu(menu);
    for (QAction* action : menu.actions())
        if (action->text() == "Harsha Bala (Tajaka)") action->trigger();
    ImageSurface image(Size{500, 200});
    m_view.resize(500, 200);
    m_view.OnDraw(image.Surface());
    image.Image().save(KH_TEST_OUTPUT_DIR "/harsha_bala_table.png");
}

} // namespace
