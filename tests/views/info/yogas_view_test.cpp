// The yogas pane: it narrows a list of its own to the category asked for, leaving the chart's own list
// whole for its other readers, lists the catalogue on request, and fills its columns from the records.
#include "views/info/yogas_view.h"

#include <QMenu>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "analysis/yoga_catalogue.h"
#include "core/body_names.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"

namespace {
class YogasViewTest : public PaneTest {
protected:
    YogasViewTest() { m_view.SetDocument(&m_document); }
    ~YogasViewTest() override {
        g_nYogaCategory = kYogaAll;
        g_bJustListYogas = false;
    }
    const CYogaList& ChartYogas() const { return m_document.m_natalChart.m_yogaList; }

    CYogasView m_view;
};

TEST_F(YogasViewTest, NarrowingToOneCategoryLeavesTheChartsOwnListWhole) {
    const int found = ChartYogas().Count();
    int naabhasa = 0;
    for (const CYogaRecord& record : ChartYogas().m_records) naabhasa += record.m_nCategory == kYogaNaabhasa;
    ASSERT_GT(naabhasa, 0); // every chart has a Sankhya yoga
    ASSERT_GT(found, naabhasa);
    m_view.SetCategory(kYogaNaabhasa);
    EXPECT_EQ(ChartYogas().Count(), found);
    ASSERT_EQ(m_view.RowCount(), naabhasa);
    for (int row = 0; row < m_view.RowCount(); ++row) {
        EXPECT_EQ(m_view.Yogas().m_records[row].m_nCategory, kYogaNaabhasa);
        EXPECT_EQ(m_view.CellText(row, 2), "Naabhasa yoga - throughout life");
        EXPECT_EQ(m_view.CellText(row, 1), g_strVargaLabels[kD1Column]);
    }
}

TEST_F(YogasViewTest, EveryRowShowsItsRecordsNameGiversResultsAndDefinition) {
    m_view.SetCategory(kYogaAll);
    ASSERT_EQ(m_view.RowCount(), ChartYogas().Count());
    for (int row = 0; row < m_view.RowCount(); ++row) {
        const CYogaRecord& record = ChartYogas().m_records[row];
        SCOPED_TRACE(record.m_strName);
        EXPECT_EQ(m_view.CellText(row, 0), record.m_strName);
        EXPECT_EQ(m_view.CellText(row, 3), record.m_strResults);
        EXPECT_EQ(m_view.CellText(row, 4), record.m_strDefinition);
        if (record.m_nCategory == kYogaNaabhasa || record.m_nGiverCount == 0) continue;
        std::string givers = g_pszPlanetNamesAlt[record.m_nGivers[0]];
        for (int i = 1; i < record.m_nGiverCount; ++i)
            givers += std::string(", ") + g_pszPlanetNamesAlt[record.m_nGivers[i]];
        EXPECT_EQ(m_view.CellText(row, 2), givers);
    }
}

TEST_F(YogasViewTest, TheCatalogueListsEverySupportedYogaNumberedWithItsCategory) {
    m_view.ToggleCatalogue();
    ASSERT_EQ(m_view.ColumnCount(), 4);
    EXPECT_EQ(m_view.ColumnHeader(0), "Index & Type");
    int total = 0;
    for (int size : g_nYogaCategorySizes) total += size;
    ASSERT_EQ(m_view.RowCount(), total);
    EXPECT_EQ(m_view.CellText(0, 0), "1 Mahapurusha");
    EXPECT_EQ(m_view.CellText(total - 1, 0), std::to_string(total) + " Parivraja/Pravrajya");
    // The chart's own list, searched by every calculation, is never the catalogue.
    const int found = ChartYogas().Count();
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(ChartYogas().Count(), found);
    m_view.ToggleCatalogue();
    EXPECT_EQ(m_view.ColumnCount(), 5);
}

TEST_F(YogasViewTest, ColumnsKeepTheirPixelWidthsAtEveryZoom) {
    SetZoom(7); // 1.5
    m_view.SetCategory(kYogaAll);
    const int widths[] = {140, 50, 120, 340, 560};
    for (int c = 0; c < 5; ++c) EXPECT_EQ(m_view.DeclaredColumnWidth(c), widths[c]) << c;
}

TEST_F(YogasViewTest, AVargaOfThePanesOwnIsSearchedAndTheMenuChecksTheCategory) {
    m_view.SetVarga(kD9Column);
    EXPECT_EQ(ChartYogas().m_nVarga, kD1Column);
    ASSERT_GT(m_view.RowCount(), 0);
    EXPECT_EQ(m_view.CellText(0, 1), g_strVargaLabels[kD9Column]);
    m_view.SetCategory(kYogaRaja);
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<std::string> texts, checked;
    for (QAction* action : menu.actions()) {
        if (action->isSeparator()) continue;
        texts.push_back(action->text().toStdString());
        if (action->isChecked()) checked.push_back(texts.back());
    }
    EXPECT_EQ(checked, std::vector<std::string>{"Raja yogas"});
    ASSERT_EQ(texts.size(), 14u);
    EXPECT_EQ(texts[6], "Raja yogas");
    EXPECT_EQ(texts[11], "Other popular yogas");
}
} // namespace
