// The shadbala tables: worked strengths of a chart filled by hand shown in their rows, the headings of
// every table, the summary behind an index from outside the tables, and the pane's report and text forms
// leaving the chosen table shown.
#include "views/info/shadbala_view.h"

#include <QMenu>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/body_names.h"
#include "core/planet_tables.h"
#include "core/vocabulary_names.h"
#include "tests/analysis/analysis_test_support.h"
#include "views/info/shadbala_tables.h"

namespace {

// Every body at 10 degrees of Aries, Jupiter at 100 (10 Cancer): Jupiter is aspected from 90 degrees
// behind by the six others and aspects them from 270 degrees behind.
CChart JupiterOppositeTheOthers() {
    CChart chart = EveryBodyIn(kAries, 10.0);
    PlaceBody(chart, kJupiter, 100.0);
    chart.m_shadbala.Compute(chart);
    return chart;
}

struct Cell {
    int row;
    int column;
    const char* text;
};

// Worked by hand (see also the analysis tests of the same chart):
// - naisargika bala: the fixed 60, 51.43, 17.14, 25.7, 34.28, 42.85, 8.57 virupas, and / 60 in rupas;
// - drig bala: Jupiter receives 45 virupas from five malefic aspects at 90 degrees and Mars's full 60,
//   less Venus's 45 benefic: (-45 - 45 - 60 - 45 + 45 - 45) / 4 = -48.75; each other planet receives
//   Jupiter's 15 virupas of a benefic from 270 degrees: 15 / 4 = 3.75;
// - uchcha bala: (180 - distance from the debilitation point) / 3: the Sun at its exaltation degree 60,
//   Jupiter 5 degrees past its exaltation degree (95) (180 - 5) / 3 = 58.33.
TEST(ShadbalaTables, WorkedStrengthsStandInTheirRows) {
    const CChart chart = JupiterOppositeTheOthers();
    struct Case {
        int table;
        std::vector<Cell> cells;
    };
    const Case kCases[] = {
        {kNaisargikaBalaTable,
         {{0, 1, "60.00"},
          {0, 2, "1.00"},
          {1, 1, "51.43"},
          {1, 2, "0.86"},
          {2, 1, "17.14"},
          {3, 1, "25.70"},
          {4, 1, "34.28"},
          {5, 1, "42.85"},
          {6, 1, "8.57"},
          {6, 2, "0.14"}}},
        {kDrigBalaTable, {{4, 1, "-48.75"}, {4, 2, "-0.81"}, {0, 1, "3.75"}, {6, 1, "3.75"}, {6, 2, "0.06"}}},
        {kSthanaBalaTable, {{0, 3, "60.00"}, {4, 3, "58.33"}}},
        {kShadbalaBreakUp, {{4, 6, "-48.75"}, {0, 7, "60.00"}}},
    };
    CCustomListView list;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.table);
        FillShadbalaTable(list, c.table, chart);
        ASSERT_EQ(list.RowCount(), 7);
        for (const Cell& cell : c.cells)
            EXPECT_EQ(list.CellText(cell.row, cell.column), cell.text) << cell.row << "," << cell.column;
        EXPECT_EQ(list.CellText(0, 0), ChosenPlanetNames()[1]);
        EXPECT_EQ(list.CellText(6, 0), ChosenPlanetNames()[7]);
    }
}

TEST(ShadbalaTables, HeadingsOfEveryTable) {
    struct Case {
        int table;
        std::vector<std::string> headers;
        int firstWidths[2];
    };
    const Case kCases[] = {
        {kShadbalaSummary,
         {"Planet", "Shadbala", "In rupas", "% Strength", "IshtaPhala", "KashtaPhala"},
         {80, 80}},
        {kShadbalaBreakUp,
         {"Planet", "Shadbala Rupas", "Sthana Bala", "Kala Bala", "DigBala", "Cheshta Bala", "DrigBala",
          "Naisargika Bala"},
         {80, 150}},
        {kSthanaBalaTable,
         {"Planet", "Sthana Bala", "In rupas", "Uchcha", "Saptavargaja", "Oja Yugma", "Kendra", "Drekkana"},
         {80, 120}},
        {kKaalaBalaTable,
         {"Planet", "Kaala Bala", "In rupas", "Natonnata", "Paksha", "Tribhaga", "Abda", "Maasa", "Vaara",
          "Hora", "Ayana", "Yuddha"},
         {80, 120}},
        {kDigBalaTable, {"Planet", "DigBala", "In rupas"}, {80, 120}},
        {kCheshtaBalaTable, {"Planet", "Cheshta Bala", "In rupas"}, {80, 120}},
        {kDrigBalaTable, {"Planet", "DrigBala", "In rupas"}, {80, 120}},
        {kNaisargikaBalaTable, {"Planet", "Naisargika Bala", "In rupas"}, {80, 120}},
        {kBhavaBalaTable,
         {"House", "Bhava Bala", "In rupas", "Lord's bala", "DigBala", "DrigBala"},
         {80, 100}},
        {kIshtaKashtaTable, {"Planet", "Ishta Phala", "Kashta Phala", "Shadbala"}, {80, 120}},
        {kRashmiTable,
         {"Planet", "Uchcha Rashmi", "Cheshta Rashmi", "Subha Rashmi", "Asubha Rashmi", "Ishta (Parasara)",
          "Kashta (Parasara)"},
         {80, 120}},
    };
    const CChart chart = JupiterOppositeTheOthers();
    CCustomListView list;
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.table);
        FillShadbalaTable(list, c.table, chart);
        std::vector<std::string> headers;
        for (int column = 0; column < list.ColumnCount(); ++column)
            headers.push_back(list.ColumnHeader(column));
        EXPECT_EQ(headers, c.headers);
        EXPECT_EQ(list.DeclaredColumnWidth(0), ScaledWidth(c.firstWidths[0]));
        EXPECT_EQ(list.DeclaredColumnWidth(1), ScaledWidth(c.firstWidths[1]));
    }
    FillShadbalaTable(list, kBhavaBalaTable, chart);
    ASSERT_EQ(list.RowCount(), 12);
    EXPECT_EQ(list.CellText(0, 0), "1st");
    EXPECT_EQ(list.CellText(11, 0), "12th");
}

TEST(ShadbalaTables, AnIndexOutsideTheTablesShowsTheSummary) {
    const CChart chart = JupiterOppositeTheOthers();
    CCustomListView list;
    for (const int table : {-1, 11, 1000, -2147483647}) {
        SCOPED_TRACE(table);
        FillShadbalaTable(list, table, chart);
        EXPECT_EQ(list.ColumnCount(), 6);
        EXPECT_EQ(list.ColumnHeader(1), "Shadbala");
    }
    EXPECT_EQ(ValidShadbalaTable(10), 10);
    EXPECT_EQ(ValidShadbalaTable(11), kShadbalaSummary);
}

class ShadbalaViewTest : public PaneTest {
protected:
    ShadbalaViewTest() {
        m_view.SetDocument(&m_document);
        m_view.OnInitialUpdate();
    }
    ~ShadbalaViewTest() override { g_nShadbalaTable = kShadbalaSummary; }
    CShadbalasView m_view;
};

TEST_F(ShadbalaViewTest, TheTextAndTheReportLeaveTheChosenTableShown) {
    m_view.SelectTable(kKaalaBalaTable);
    m_view.RebuildText();
    EXPECT_EQ(g_nShadbalaTable, kKaalaBalaTable);
    EXPECT_EQ(m_view.ColumnHeader(1), "Kaala Bala");
    EXPECT_EQ(g_strShadbalaText.rfind("Planet", 0), 0u);
    EXPECT_NE(g_strShadbalaText.find("KashtaPhala"), std::string::npos);
    EXPECT_EQ(g_strShadbalaText.find("Natonnata"), std::string::npos);

    // Forms 0, 1 and 2 print the summary, the break-up and the bhava balas; any other the shown table.
    struct Case {
        int form;
        const char* header;
    };
    for (const Case& c :
         {Case{0, "% Strength"}, Case{1, "Shadbala Rupas"}, Case{2, "Lord's bala"}, Case{7, "Natonnata"}}) {
        SCOPED_TRACE(c.form);
        ProbeSurface surface;
        m_view.PrintTables(surface, c.form);
        EXPECT_NE(surface.FindText(c.header), nullptr);
        EXPECT_EQ(m_view.ColumnHeader(1), "Kaala Bala");
    }
}

TEST_F(ShadbalaViewTest, TheReportOfKindFourReachesThePane) {
    ProbeSurface surface;
    DrawViewKind(surface, kShadbalaReport, 1, 0);
    EXPECT_NE(surface.FindText("Naisargika Bala"), nullptr);
    EXPECT_EQ(g_pShadbalasView, &m_view);
}

TEST_F(ShadbalaViewTest, ColumnsFollowTheZoom) {
    SetZoom(7); // 1.5
    m_view.SelectTable(kShadbalaBreakUp);
    EXPECT_EQ(m_view.DeclaredColumnWidth(1), 225);
    SetZoom(0); // 0.7
    m_view.OnUpdate(nullptr, 0);
    EXPECT_EQ(m_view.DeclaredColumnWidth(1), 105);
}

TEST_F(ShadbalaViewTest, TheMenuChecksTheShownTableAndChoosesAnother) {
    g_nShadbalaTable = 99; // from nowhere the tables know: the summary is shown and checked
    m_view.OnUpdate(nullptr, 0);
    EXPECT_EQ(m_view.ColumnHeader(1), "Shadbala");
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<QAction*> tables;
    for (QAction* action : menu.actions())
        if (action->isCheckable()) tables.push_back(action);
    ASSERT_EQ(tables.size(), 11u);
    EXPECT_TRUE(tables[0]->isChecked());
    EXPECT_EQ(tables[10]->text().toStdString(), "&Rashmis && Ishta-Kashta Phala of Parasara");
    tables[8]->trigger(); // bhava balas
    EXPECT_EQ(g_nShadbalaTable, kBhavaBalaTable);
    EXPECT_EQ(m_view.RowCount(), 12);
    EXPECT_EQ(menu.actions().back()->text().toStdString(), "&Copy to clipboard");
}

} // namespace
