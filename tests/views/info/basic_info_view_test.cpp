// The basic information tables: which bodies they list, their headings and cells, and that the values
// agree with the chart's own positions.
#include "views/info/basic_info_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <cmath>
#include <cstdio>

#include <gtest/gtest.h>

#include "../../shell/dialogs/dialog_test_support.h"
#include "../views_test_support.h"
#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "display/chart_info_values.h"
#include "shell/dialogs/aspect_options_dlg.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "shell/view_registry.h"
#include "views/info/basic_info_tables.h"
#include "views/info/drekkana_classes.h"
#include "views/info/info_view_registration.h"

namespace {
class BasicInfoTest : public PaneTest {
protected:
    BasicInfoTest() {
        m_view.SetDocument(&m_document);
        g_nAspectOptionsAskedMode = kTableAspects; // the aspect table does not ask for its options
    }
    ~BasicInfoTest() override {
        g_bodyTypeShown = m_shown;
        g_bLongitudeBasedBhavaArudhas = m_arudhas;
        g_nBasicInfoVarga = 0;
        g_bAspectedForceNatal = true;
        g_bAspectingForceNatal = false;
        g_nAspectedVarga = 0;
        g_nAspectingVarga = 0;
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

// The whole longitude is rounded to the printed field before it is split: no field shows 60, and the
// last half minute (or hundredth of a second) of a sign prints as 0 of the next.
TEST_F(BasicInfoTest, LongitudesAreRoundedAsAWholeToThePrintedField) {
    struct Case {
        int degrees, minutes;
        double seconds;
        const char* shortForm; // degrees and minutes around the sign's name, "|" for it
        int shortSign;
        const char* longForm; // "|" for the sign's name
        int longSign;
    };
    const double leo = 30 * 4;
    const Case cases[] = {
        {12, 29, 31, "12|30", 4, "12 | 29' 31.00\"", 4},
        {12, 29, 29, "12|29", 4, "12 | 29' 29.00\"", 4},
        {3, 0, 0, " 3|00", 4, " 3 | 00' 00.00\"", 4},
        {12, 59, 45, "13|00", 4, "12 | 59' 45.00\"", 4},
        {29, 59, 40, " 0|00", 5, "29 | 59' 40.00\"", 4},
        {29, 59, 59.996, " 0|00", 5, " 0 | 00' 00.00\"", 5},
        {29, 59, 59.994, " 0|00", 5, "29 | 59' 59.99\"", 4},
        {7, 14, 59.9951, " 7|15", 4, " 7 | 15' 00.00\"", 4},
    };
    const auto withSign = [](const std::string& form, int sign) {
        return form.substr(0, form.find('|')) + g_pszSignNames[sign] + form.substr(form.find('|') + 1);
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.degrees << " " << c.minutes << " " << c.seconds);
        const double longitude = leo + c.degrees + c.minutes / 60.0 + c.seconds / 3600.0;
        EXPECT_EQ(FormatShortSignLongitude(longitude), withSign(c.shortForm, c.shortSign));
        EXPECT_EQ(FormatSignLongitude(longitude), withSign(c.longForm, c.longSign));
    }
    // The last hundredth of Pisces is 0 of Aries.
    EXPECT_EQ(FormatSignLongitude(360.0 - 0.001 / 3600.0), withSign(" 0 | 00' 00.00\"", 0));
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

// Cancels every aspect options dialog that opens while alive, and counts them.
class AspectOptionsCounter {
public:
    AspectOptionsCounter() {
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            for (QWidget* widget : QApplication::topLevelWidgets())
                if (auto* dialog = dynamic_cast<CAspectOptionsDlg*>(widget); dialog && dialog->isVisible()) {
                    ++count;
                    dialog->reject();
                }
        });
        m_timer.start(10);
    }
    int count = 0;

private:
    QTimer m_timer;
};

TEST_F(BasicInfoTest, TheAspectTableAsksForItsOptionsTheFirstTimeOnly) {
    g_nAspectOptionsAskedMode = -1;
    AspectOptionsCounter dialogs;
    m_view.SetMode(kTableAspects);
    EXPECT_EQ(dialogs.count, 1);
    EXPECT_GT(m_view.RowCount(), 0); // filled after the cancelled dialog
    m_view.SetMode(kTableLongitudes);
    m_view.SetMode(kTableAspects);
    CBasicInfoView other;
    other.SetDocument(&m_document);
    other.SetMode(kTableAspects);
    EXPECT_EQ(dialogs.count, 1);
    m_view.OnAspectOptions(); // the menu command asks every time, and refills after Cancel
    EXPECT_EQ(dialogs.count, 2);
    EXPECT_EQ(m_view.ColumnCount(), 11);
}

// The work chart's Sun put opposite the natal Moon aspects it fully; the sides come from the charts
// the options name.
TEST_F(BasicInfoTest, TheAspectTablesSidesComeFromTheChartsAndVargaTheOptionsName) {
    g_bodyTypeShown.fill(0);
    g_bodyTypeShown[0] = 1;
    CChart& natal = m_document.m_natalChart;
    m_document.m_workChart = natal;
    CChart& shown = m_document.m_workChart;
    shown.m_bodies[1].m_dLongitude = std::fmod(natal.m_bodies[2].m_dLongitude + 180, 360);
    shown.m_bodies[2].m_dLongitude = std::fmod(natal.m_bodies[2].m_dLongitude + 100, 360);
    m_document.m_pCurrentChart = &shown;
    const int moonRow = 2 * 12, sunColumn = 2;
    struct Case {
        bool aspectedNatal, aspectingNatal;
        double moon;
        bool fullAspect;
    };
    for (const Case c : {Case{true, false, natal.m_bodies[2].m_dLongitude, true},
                         Case{false, false, shown.m_bodies[2].m_dLongitude, false},
                         Case{true, true, natal.m_bodies[2].m_dLongitude, false}}) {
        SCOPED_TRACE(testing::Message() << c.aspectedNatal << c.aspectingNatal);
        g_bAspectedForceNatal = c.aspectedNatal;
        g_bAspectingForceNatal = c.aspectingNatal;
        m_view.SetMode(kTableAspects);
        EXPECT_EQ(m_view.CellText(moonRow, 1), FormatSignLongitude(c.moon));
        EXPECT_EQ(m_view.CellText(moonRow, sunColumn) == "100.00%", c.fullAspect);
    }
    m_document.m_pCurrentChart = &natal;
    g_nAspectedVarga = 1; // D-9: the lagna's houses are 30-degree steps, not the cusps
    m_view.SetMode(kTableAspects);
    EXPECT_EQ(m_view.ColumnHeader(1), "Longitude (in " + g_vargaNames[1] + ")");
    const double lagna = natal.GetVargaChart(1)->m_bodies[0].m_dLongitude;
    EXPECT_EQ(m_view.CellText(0, 1), FormatSignLongitude(lagna));
    EXPECT_EQ(m_view.CellText(1, 1), FormatSignLongitude(std::fmod(lagna + 30, 360)));
}

QCheckBox* CheckBoxNamed(QDialog& dialog, const char* text) {
    for (QCheckBox* box : dialog.findChildren<QCheckBox*>())
        if (box->text() == text) return box;
    ADD_FAILURE() << "no check box " << text;
    return nullptr;
}

// The dialog lists the groups in an order of its own: a group is shown by the check box of its name.
TEST_F(BasicInfoTest, SelectingBodiesShowsTheGroupOfTheCheckedBoxAndCancelNone) {
    g_bodyTypeShown.fill(0);
    g_bodyTypeShown[18] = 1; // yoga and avayoga sphutas
    m_view.SetMode(kTableLongitudes);
    WhenModal<CSelectBodiesDlg>([](CSelectBodiesDlg& d) {
        EXPECT_TRUE(CheckBoxNamed(d, "Yoga and Avayoga Sphuta")->isChecked());
        EXPECT_FALSE(CheckBoxNamed(d, "Bhava, Hora Ghati Lagnas")->isChecked());
        CheckBoxNamed(d, "Mandi")->setChecked(true);
        d.reject();
    });
    m_view.OnSelectBodies();
    EXPECT_EQ(g_bodyTypeShown[2], 0);
    WhenModal<CSelectBodiesDlg>([](CSelectBodiesDlg& d) {
        CheckBoxNamed(d, "Mandi")->setChecked(true);
        CheckBoxNamed(d, "Yoga and Avayoga Sphuta")->setChecked(false);
        d.accept();
    });
    m_view.OnSelectBodies();
    std::array<int, kBodyTypeCount> expected{};
    expected[2] = 1; // Maandi
    EXPECT_EQ(g_bodyTypeShown, expected);
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[31]), 1);
    EXPECT_EQ(CountRowsStartingWith(g_pszPlanetNames[45]), 0);
}

TEST_F(BasicInfoTest, ChoosingTheVargaRefillsTheLongitudesInItAndCancelKeepsIt) {
    m_view.SetMode(kTableLongitudes);
    WhenModal<CChooseVargaDlg>([](CChooseVargaDlg& d) {
        EXPECT_EQ(d.Combo(0)->currentIndex(), 0);
        d.Combo(0)->setCurrentIndex(9);
        d.reject();
    });
    m_view.OnChooseVarga();
    EXPECT_EQ(g_nBasicInfoVarga, 0);
    WhenModal<CChooseVargaDlg>([](CChooseVargaDlg& d) {
        d.Combo(0)->setCurrentIndex(9); // D-10
        d.accept();
    });
    m_view.OnChooseVarga();
    EXPECT_EQ(g_nBasicInfoVarga, 9);
    EXPECT_EQ(m_view.ColumnHeader(1), "Longitude (in " + g_vargaNames[9] + ")");
}
TEST_F(BasicInfoTest, TheMenuOffersEveryTableWithTheCurrentOneCheckedAndItsCommands) {
    m_view.SetMode(kTableMrityuBhaga);
    QMenu menu;
    m_view.FillContextMenu(menu);
    std::vector<QAction*> tables;
    std::vector<std::string> commands;
    for (QAction* action : menu.actions()) {
        if (action->isCheckable())
            tables.push_back(action);
        else if (!action->isSeparator())
            commands.push_back(action->text().toStdString());
    }
    ASSERT_EQ(tables.size(), std::size_t{kBasicInfoTableCount});
    for (QAction* action : tables)
        EXPECT_EQ(action->isChecked(), action->text() == "Distances from &Mrityu Bhaga")
            << action->text().toStdString();
    EXPECT_EQ(commands, (std::vector<std::string>{
                            "Select &bodies to be shown", "&Choose the divisional chart for longitudes",
                            "&Options for Planetary Aspect Evaluation", "&Copy to clipboard"}));
    tables[2]->trigger(); // the menu lists the coordinates before the divisional longitudes
    EXPECT_EQ(m_view.Mode(), kTableCoordinates);
}

// The tables of stars and special degrees as the pane shows them: every column's heading and every
// filled cell of the rows in sight holds drawing. The pictures are kept for a look
// (basic_info_<table>.png in the build folder).
TEST_F(BasicInfoTest, StarAndDegreeTablesArePicturedForALook) {
    m_view.resize(900, 420);
    m_view.show();
    for (int table : {kTableSpecialTarasMoon, kTableNakshatraAspects, kTablePushkara, kTableMrityuBhaga,
                      kTableMaliciousDivisions}) {
        SCOPED_TRACE(table);
        m_view.SetMode(table);
        ASSERT_GT(m_view.ColumnCount(), 0);
        ASSERT_GT(m_view.RowCount(), 0);
        const QImage picture = m_view.viewport()->grab().toImage();
        picture.save(QString(KH_TEST_OUTPUT_DIR) + "/basic_info_" + QString::number(table) + ".png");
        const int height = m_view.RowHeight();
        int rowsInSight = 0;
        for (int row = -1; row < m_view.RowCount(); ++row) { // -1: the heading line
            const int top = (row + 1) * height;
            if (top + height > picture.height()) break;
            rowsInSight += row >= 0;
            int left = 0;
            for (int column = 0; column < m_view.ColumnCount(); ++column) {
                const int width = m_view.ColumnWidth(column);
                const std::string& text =
                    row < 0 ? m_view.ColumnHeader(column) : m_view.CellText(row, column);
                if (!text.empty() && left < picture.width()) {
                    EXPECT_GT(DrawnShare(picture, QRect(left, top, width, height)), 0.0)
                        << "row " << row << " column " << column << " \"" << text << "\"";
                }
                left += width;
            }
        }
        EXPECT_GE(rowsInSight, std::min(m_view.RowCount(), 10));
    }
}
} // namespace
