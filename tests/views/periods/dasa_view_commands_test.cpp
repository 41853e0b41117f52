// The dasa page's commands that run dialogs or open windows: the options of the dasa shown, the year
// definition, the Tajaka seed settings, locating an event, shifting the dates, the entry chart and the
// dasa-transit correlation of a picked period.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTimer>
#include <functional>

#include "../../shell/dialogs/dialog_test_support.h"
#include "core/zodiac_names.h"
#include "dasa_view_fixture.h"
#include "display/entry_chart_view.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "platform/frame_wnd.h"
#include "shell/dialogs/dasa_option_dlgs.h"
#include "shell/dialogs/dasa_seed_year_dlgs.h"
#include "shell/dialogs/dasa_shift_dlg.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/locate_event_dlg.h"
#include "shell/dialogs/nakshatra_dasa_dlg.h"
#include "shell/dialogs/rasi_dasa_dlg.h"
#include "shell/dialogs/rasi_strength_group.h"
#include "views/periods/dasa_transit_view.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "tests/core/core_test_helpers.h"
#include "views/info/pane_support.h"
#include "views/periods/dasa_menu_table.h"
#include "views/periods/dasa_transit_input.h"

namespace {

class DasaCommandTest : public DasaViewTest {
protected:
    ~DasaCommandTest() override {
        // Windows the commands opened.
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (dynamic_cast<CFrameWnd*>(widget)) delete widget;
    }
    // The row of period `index` picked by the right button.
    void PickRow(int index) { m_view.PickPeriod(Centre(m_view.PeriodRects()[index])); }
};

TEST_F(DasaCommandTest, TheNakshatraDasaOptionsMoveTheFirstLordsStar) {
    ClickPeriod(1);
    WhenModal<CNakshatraDasaDlg>([](CNakshatraDasaDlg& d) {
        EXPECT_EQ(d.SeedStarHeading()->text(), "Krittika (allocated to Sun):");
        EXPECT_EQ(d.SeedStarCombo()->currentText(), "Krittika");
        EXPECT_EQ(d.SeedStarCombo()->count(), 27);
        d.SeedStarCombo()->setCurrentIndex(1); // Bharani to the Sun: one star back
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nNakshatraDasaShift[kVimsottari], 26);
    EXPECT_EQ(Tree().nLevel, 0);
    EXPECT_NE(Tree().strNote.find("shift of 26 stars"), std::string::npos) << Tree().strNote;

    // Cancel changes nothing.
    WhenModal<CNakshatraDasaDlg>([](CNakshatraDasaDlg& d) {
        d.SeedStarCombo()->setCurrentIndex(5);
        d.reject();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nNakshatraDasaShift[kVimsottari], 26);
}

TEST_F(DasaCommandTest, CharaDasaAsksForItsSeedThenItsStrengthsThenItsVarga) {
    g_nRasiDasaVarga = 0;
    m_view.SelectDasa(33);
    Draw();
    ASSERT_TRUE(m_view.HasOptions());
    WhenModal<CDasaSeedDlg>([](CDasaSeedDlg& seed) {
        seed.findChild<QComboBox*>()->setCurrentIndex(2); // the Moon
        WhenModal<CRasiDasaDlg>([](CRasiDasaDlg& strengths) {
            EXPECT_EQ(strengths.windowTitle(), "Rasi dasa options");
            // Chara dasa's own choice: the exaltation rule of its years.
            QComboBox* exaltation = strengths.OwnCombo();
            ASSERT_NE(exaltation, nullptr);
            EXPECT_EQ(exaltation->currentIndex(), g_bCharaDasaExaltationException ? 1 : 0);
            exaltation->setCurrentIndex(g_bCharaDasaExaltationException ? 0 : 1);
            WhenModal<CSelectVargaDlg>([](CSelectVargaDlg& varga) {
                EXPECT_EQ(varga.windowTitle(), "Select a divisional chart");
                EXPECT_EQ(varga.Combo(0)->currentIndex(), 0); // the rasi, as chosen before
                varga.Combo(0)->setCurrentIndex(1);           // Navamsa
                varga.accept();
            });
            strengths.accept();
        });
        seed.accept();
    });
    const bool exaltation = g_bCharaDasaExaltationException;
    m_view.OnDasaOptions();
    EXPECT_NE(g_bCharaDasaExaltationException, exaltation);
    EXPECT_EQ(g_nCharaDasaSeed, 2);
    EXPECT_EQ(g_nRasiDasaVarga, 1);
    EXPECT_NE(Tree().strName.find(g_vargaNames[1]), std::string::npos) << Tree().strName;
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, NarayanaDasaStrengthsAreTheCurrentChartsAndSurviveTheRecomputation) {
    m_view.SelectDasa(25);
    const int v = g_nNarayanaDasaChart;
    CSignLordTables& tables = m_document.m_pCurrentChart->m_signLordTables;
    const int other = tables.m_strongerSign[v][0] == 0 ? 6 : 0; // the other sign of Aries/Libra
    WhenModal<CNarayanaDasaDlg>([other](CNarayanaDasaDlg& d) {
        d.PairCombo(0)->setCurrentIndex(other == 0 ? 0 : 1);
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(tables.m_strongerSign[v][0], other);
    EXPECT_EQ(tables.m_strongerSign[v][6], other);
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, TheRasiDasasStartFromTheSignTheirOptionsChoose) {
    // Dasas whose "Rasi dasa options" are not followed by a varga choice: Chara dasa of K.N.Rao,
    // Niryana Shoola, Brahma and Sthira dasa.
    for (int code : {34, 39, 40, 41}) {
        SCOPED_TRACE(code);
        m_view.SelectDasa(code);
        Draw();
        const int chosen = (Tree().nLord[0][0] + 5) % 12;
        WhenModal<CRasiDasaDlg>([chosen](CRasiDasaDlg& d) {
            EXPECT_EQ(d.StartCombo()->currentText(), "Use the default");
            d.StartCombo()->setCurrentIndex(chosen);
            d.accept();
        });
        m_view.OnDasaOptions();
        EXPECT_EQ(m_document.m_pCurrentChart->m_signMarker[code], chosen);
        EXPECT_EQ(Tree().nLord[0][0], chosen);
        // The chosen sign is offered again, and "Use the default" gives the rule back.
        WhenModal<CRasiDasaDlg>([chosen](CRasiDasaDlg& d) {
            EXPECT_EQ(d.StartCombo()->currentIndex(), chosen);
            d.StartCombo()->setCurrentIndex(12);
            d.accept();
        });
        m_view.OnDasaOptions();
        EXPECT_EQ(m_document.m_pCurrentChart->m_signMarker[code], 12);
        EXPECT_NE(Tree().nLord[0][0], chosen);
    }
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, TheTithiSeedGoesToTheDasaShownAndOnlyAshtottariReadsTheBodies) {
    const int bodyA = g_nTithiAshtottariBodyA, harmonic = g_nTithiAshtottariHarmonic;
    m_view.SelectDasa(72); // Tithi Yogini: the Moon-Sun tithi only
    WhenModal<CTithiDasaSeedDlg>([](CTithiDasaSeedDlg& d) {
        EXPECT_FALSE(d.BodyACombo()->isEnabled());
        d.BodyACombo()->setCurrentIndex(4);
        d.findChildren<QComboBox*>()[0]->setCurrentIndex(8); // Bhagya tithi
        d.findChildren<QComboBox*>()[3]->setCurrentIndex(1); // Navamsa
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nTithiYoginiHarmonic, 8);
    EXPECT_EQ(g_nTithiYoginiVarga, 1);
    EXPECT_EQ(g_nTithiAshtottariBodyA, bodyA);
    EXPECT_EQ(g_nTithiAshtottariHarmonic, harmonic);

    m_view.SelectDasa(69);
    WhenModal<CTithiDasaSeedDlg>([](CTithiDasaSeedDlg& d) {
        EXPECT_TRUE(d.BodyACombo()->isEnabled());
        d.BodyACombo()->setCurrentIndex(4); // Jupiter
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nTithiAshtottariBodyA, kJupiter);
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, RasiBhuktaVimsottariStartsFromTheSeedItsOptionsChoose) {
    m_view.SelectDasa(kRasiBhuktaVimsottariCode);
    const int v = g_nRasiBhuktaVarga;
    CSignLordTables& tables = m_document.m_pCurrentChart->m_signLordTables;
    const int other = tables.m_strongerSign[v][1] == 1 ? 7 : 1; // the other sign of Taurus/Scorpio
    WhenModal<CRbvDasaDlg>([other](CRbvDasaDlg& d) {
        d.findChildren<QComboBox*>()[0]->setCurrentIndex(4); // Lagna
        // The chart's strength settings, kept for the rasi dasas.
        d.Strengths()->PairCombo(1)->setCurrentIndex(other == 1 ? 0 : 1);
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nRasiBhuktaStartPoint, 4);
    EXPECT_NE(Draw().FindText("Started from Lagna"), nullptr);
    EXPECT_EQ(tables.m_strongerSign[v][1], other);
    EXPECT_EQ(tables.m_strongerSign[v][7], other);
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, BuddhiGatiDasaChoosesItsVargaInTheSudarsanaDialog) {
    const int sudarsanaVarga = g_nSCDasaVarga;
    m_view.SelectDasa(67);
    WhenModal<CSudarsanaDasaDlg>([](CSudarsanaDasaDlg& d) {
        EXPECT_FALSE(d.Control(1)->isEnabled());                   // its antardasas are not Sudarsana's
        static_cast<QComboBox*>(d.Control(0))->setCurrentIndex(1); // Navamsa
        d.accept();
    });
    m_view.OnDasaOptions();
    EXPECT_EQ(g_nBuddhiGatiDasaVarga, 1);
    EXPECT_EQ(g_nSCDasaVarga, sudarsanaVarga);
    m_view.SelectDasa(kVimsottari);
}

TEST_F(DasaCommandTest, AUserYearForAllDasasReachesCodesWithoutAMenuItem) {
    // Cancel in the year length ends the command.
    WhenModal<CUserYearDlg>([](CUserYearDlg& d) { d.reject(); });
    m_view.OnYearDefinition(2);
    EXPECT_NE(g_nDasaYearDefinition[kVimsottari], 2);

    WhenModal<CUserYearDlg>([](CUserYearDlg& d) {
        d.DaysEdit()->setText("300");
        WhenModal<CDasaYearDlg>([](CDasaYearDlg& y) {
            y.ScopeCombo()->setCurrentIndex(CDasaScopeDlg::kWiderScope);
            y.accept();
        });
        d.accept();
    });
    m_view.OnYearDefinition(2);
    for (int code : {kVimsottari, 50, 74}) {
        SCOPED_TRACE(code);
        EXPECT_EQ(g_nDasaYearDefinition[code], 2);
        EXPECT_DOUBLE_EQ(g_dDasaYearLength[code], 300.0);
    }
    EXPECT_EQ(Tree().nYearKind, 2);
    EXPECT_NE(Draw().FindText("Using 300.00 day years"), nullptr);

    // A fixed kind for the current dasa only, with its own length.
    WhenModal<CDasaYearDlg>([](CDasaYearDlg& y) { y.accept(); });
    m_view.OnYearDefinition(1);
    EXPECT_EQ(g_nDasaYearDefinition[kVimsottari], 1);
    EXPECT_DOUBLE_EQ(g_dDasaYearLength[kVimsottari], 360.0);
    EXPECT_EQ(g_nDasaYearDefinition[50], 2);
}

TEST_F(DasaCommandTest, TajakaSeedSettingsGoToTheCurrentDasaOrToEvery) {
    g_bUseDasaSeedFromNatalInTajaka.fill(true);
    WhenModal<CTajakaDasaSeedDlg>([](CTajakaDasaSeedDlg& d) {
        EXPECT_TRUE(d.FirstCheck()->isChecked());
        d.FirstCheck()->setChecked(false);
        d.accept();
    });
    m_view.OnTajakaSeedSettings();
    EXPECT_FALSE(g_bUseDasaSeedFromNatalInTajaka[kVimsottari]);
    EXPECT_TRUE(g_bUseDasaSeedFromNatalInTajaka[1]);

    WhenModal<CTajakaDasaSeedDlg>([](CTajakaDasaSeedDlg& d) {
        d.SecondCheck()->setChecked(false);
        d.ScopeCombo()->setCurrentIndex(CDasaScopeDlg::kWiderScope);
        d.accept();
    });
    m_view.OnTajakaSeedSettings();
    for (int code = 0; code < kDasaCodeCount; ++code) {
        EXPECT_FALSE(g_bUseDasaSeedFromNatalInTajaka[code]) << code;
        EXPECT_FALSE(g_bProgressDasaSeedInTajaka[code]) << code;
    }
}

// The running row stays marked however often the page is painted, until the page is laid out again.
TEST_F(DasaCommandTest, LocatingAnEventOpensTheRunningPeriodsAndMarksTheRowUntilThePageChanges) {
    const CLocalDateTime start = Tree().period[4].Start();
    WhenModal<CLocateEventDlg>([start](CLocateEventDlg& d) {
        // A year into the fifth maha dasa, at the birth place's zone (5:30 east).
        d.Edit(CChangeDateTimeDlg::kDay)->setText(QString::number(std::min(start.m_nDay, 28)));
        d.MonthCombo()->setCurrentIndex(start.m_nMonth - 1);
        d.Edit(CChangeDateTimeDlg::kYear)->setText(QString::number(start.m_nYear + 1));
        d.Edit(CChangeDateTimeDlg::kZoneHours)->setText("5");
        d.Edit(CChangeDateTimeDlg::kZoneMinutes)->setText("30");
        d.findChildren<QComboBox*>()[1]->setCurrentIndex(0); // east of Greenwich
        d.LevelCombo()->setCurrentIndex(1);
        d.accept();
    });
    m_view.OnLocateEvent();
    EXPECT_EQ(g_transitMoment.m_nYear, start.m_nYear + 1);
    EXPECT_DOUBLE_EQ(g_transitMoment.m_zone.m_dHours, -5.5);
    EXPECT_EQ(g_nDasaSearchLevel, 1);
    EXPECT_EQ(Tree().nSelected[0], 4);
    EXPECT_EQ(Tree().nLevel, 1);
    const int running = Tree().nRunningIndex;
    const DrawnRecord first = Draw();
    const DrawnRecord::Text* marker = first.FindText("==>");
    ASSERT_NE(marker, nullptr);
    EXPECT_EQ(marker->rect.top, m_view.PeriodRects()[running].top);
    EXPECT_NE(Draw().FindText("==>"), nullptr);
    Update();
    EXPECT_EQ(Draw().FindText("==>"), nullptr);
    // The page as the user sees it once more located, for a look.
    m_view.LocateEvent(g_transitMoment, 1);
    m_view.grab().save(QString(KH_TEST_OUTPUT_DIR) + "/dasa_page_located.png");
}

TEST_F(DasaCommandTest, ShiftingTheDatesMovesEveryPeriodAndShowsTheShift) {
    const double firstStart = Tree().period[0].dStartJd;
    WhenModal<CDasaShiftDlg>([](CDasaShiftDlg& d) {
        EXPECT_EQ(d.ChoiceCombo()->currentText(), "No shift");
        d.ChoiceCombo()->setCurrentIndex(kSubtractDasaShift);
        d.DaysEdit()->setText("1");
        d.HoursEdit()->setText("12");
        d.accept();
    });
    m_view.OnShiftDasaDates();
    EXPECT_TRUE(g_bDasaShift[kVimsottari]);
    EXPECT_DOUBLE_EQ(g_dDasaShiftDays[kVimsottari], -1.5);
    const DrawnRecord shifted = Draw();
    EXPECT_NE(shifted.FindText("Shift: 1 days 12 hrs (back)"), nullptr);
    EXPECT_NEAR(Tree().period[0].dStartJd - firstStart, -1.5, 1e-6);

    WhenModal<CDasaShiftDlg>([](CDasaShiftDlg& d) {
        EXPECT_EQ(d.ChoiceCombo()->currentText(), "Subtract");
        d.ChoiceCombo()->setCurrentIndex(kNoDasaShift);
        d.accept();
    });
    m_view.OnShiftDasaDates();
    EXPECT_FALSE(g_bDasaShift[kVimsottari]);
    EXPECT_EQ(Draw().FindText("Shift: 1 days 12 hrs (back)"), nullptr);
    EXPECT_NEAR(Tree().period[0].dStartJd, firstStart, 1e-9);
}

TEST_F(DasaCommandTest, TheEntryChartIsTheChartAtThePickedPeriodsStart) {
    ClickPeriod(3);
    PickRow(2);
    ASSERT_TRUE(m_view.HasPickedPeriod());
    const CDasaPeriod picked = Tree().period[2];
    m_view.OnEntryChart();
    const CChart& entry = m_document.m_thirdChart;
    EXPECT_EQ(entry.m_strTitle, m_view.PickedLabel());
    EXPECT_EQ(entry.m_strTitle, Tree().running[0].Name() + "-" + picked.Name() + " AD");
    EXPECT_NEAR(entry.GetJulianDay(), picked.dStartJd, 1e-6);
    EXPECT_NEAR(m_document.m_dEntrySpanDays, picked.dEndJd - picked.dStartJd, 1e-9);
    // The period-entry window shows the same chart in a document of its own.
    const CEntryChartView* entryView = nullptr;
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* frame = dynamic_cast<CFrameWnd*>(widget))
            if (auto* view = dynamic_cast<CEntryChartView*>(frame->centralWidget())) entryView = view;
    ASSERT_NE(entryView, nullptr);
    const auto* entryDocument = static_cast<const CTavroDoc*>(entryView->GetDocument());
    ASSERT_NE(entryDocument, &m_document);
    EXPECT_EQ(entryDocument->m_pCurrentChart->m_strTitle, entry.m_strTitle);
    EXPECT_NEAR(entryDocument->m_pCurrentChart->GetJulianDay(), picked.dStartJd, 1e-6);
    EXPECT_DOUBLE_EQ(entryDocument->m_dEntrySpanDays, m_document.m_dEntrySpanDays);
    // Recomputed for its own moment: the Moon has moved on from birth.
    EXPECT_GT(std::abs(entry.m_bodies[kMoon].m_dLongitude -
                       m_document.m_pCurrentChart->m_bodies[kMoon].m_dLongitude),
              0.01);
}

TEST_F(DasaCommandTest, TheCorrelationGetsThePeriodsSpanAndTheSignOfItsLord) {
    PickRow(1);
    const CDasaPeriod& picked = Tree().period[1];
    g_dasaTransitInput.bNew = false;
    m_view.OnDasaTransitCorrelation();
    EXPECT_FALSE(g_dasaTransitInput.bNew); // the window it opened on the chart has searched the span
    EXPECT_EQ(g_dasaTransitListing.status.ok(), true);
    EXPECT_EQ(g_dasaTransitInput.label, m_view.PickedLabel());
    EXPECT_NEAR(g_dasaTransitInput.start.m_time.m_dHours, picked.Start().m_time.m_dHours, 1e-9);
    EXPECT_EQ(g_dasaTransitInput.end.m_nYear, picked.End().m_nYear);
    EXPECT_EQ(g_dasaTransitInput.sign, m_document.m_pCurrentChart->m_bodies[picked.nLord].m_nSign);
}

TEST_F(DasaCommandTest, APeriodsSignFromItsLordOrItsName) {
    const CChart& chart = *m_document.m_pCurrentChart;
    const int jupiterSign = chart.m_bodies[kJupiter].m_nSign;
    struct Case {
        bool isBody;
        int lord;
        bool byLabel;
        const char* name;
        int sign;
    };
    const Case cases[] = {
        {false, 4, false, "Le", 4},        {true, kJupiter, false, "Ju", jupiterSign},
        {false, 12, false, "", -1},        {true, 10, false, "Uranus", -1},
        {true, 0, true, "Leo (Magha)", 4}, {false, 0, true, "Jupiter (Punarvasu)", jupiterSign},
        {true, 0, true, "Aswini", -1},     {true, 0, true, "Simh", 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DasaPeriodSign(c.isBody, c.lord, c.byLabel, c.name, chart), c.sign);
    }
}

TEST_F(DasaCommandTest, VimsottariIsMuddaInTajakaChartsWithTheNatalSeed) {
    const DasaMenuEntry vimsottari = DasaMenuEntries(0)[0];
    const DasaMenuEntry ashtottari = DasaMenuEntries(0)[1];
    const struct {
        DasaMenuEntry entry;
        int mode;
        bool natalSeed;
        std::string text;
    } cases[] = {
        {vimsottari, 1, true, "Mudda/Vimsottari dasa"},
        {vimsottari, 1, false, "&Vimsottari dasa"},
        {vimsottari, 0, true, "&Vimsottari dasa"},
        {ashtottari, 1, true, "&Ashtottari dasa"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        g_bUseDasaSeedFromNatalInTajaka[0] = c.natalSeed;
        EXPECT_EQ(DasaMenuText(c.entry, c.mode), c.text);
    }
}

TEST_F(DasaCommandTest, TheSeedHelpFrameIsRecordedAndForgottenWhenItCloses) {
    m_view.OnSeedStrengthHelp();
    ASSERT_FALSE(g_pSeedHelpFrame.isNull());
    EXPECT_TRUE(g_pSeedHelpFrame->isVisible());
    EXPECT_EQ(g_pSeedHelpFrame->windowTitle().toStdString(), "Vimsottari Seed Strength Comparison Help");
    delete g_pSeedHelpFrame.data();
    EXPECT_TRUE(g_pSeedHelpFrame.isNull());
}

} // namespace

namespace {

// Chooses the item `text` of the context menu that `open` brings up, as the user clicks it.
void ChooseFromContextMenu(const QString& text, const std::function<void()>& open) {
    QTimer::singleShot(10, [text] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (QAction* action : menu->actions()) {
            if (action->text() != text) continue;
            menu->setActiveAction(action);
            QKeyEvent enter(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
            QApplication::sendEvent(menu, &enter);
            return;
        }
        menu->close();
        ADD_FAILURE() << "no item " << text.toStdString();
    });
    open();
}

// Dasas > right-click > "Locate an event" on a transit moment computed from a Julian day, whose seconds
// carry a long fraction: every field shows its whole value, the seconds as their box keeps them.
TEST_F(DasaCommandTest, LocateAnEventShowsEveryTimeFieldWhole) {
    g_transitMoment.m_time.m_dHours = 10 + (20 + 55.0000146 / 60) / 60;
    g_transitMoment.m_time.SplitHours();
    g_transitMoment.m_zone.m_dHours = -(5 + 30.0000146 / 60);
    g_transitMoment.m_zone.SplitHours();
    m_view.show();
    std::vector<std::string> shown;
    WhenModal<CLocateEventDlg>([&shown](CLocateEventDlg& d) {
        for (int field = 0; field < CChangeDateTimeDlg::kFieldCount; ++field) {
            const QLineEdit* edit = d.Edit(static_cast<CChangeDateTimeDlg::Field>(field));
            shown.push_back(edit->text().toStdString());
            EXPECT_LE(edit->fontMetrics().horizontalAdvance(edit->text()), edit->contentsRect().width())
                << edit->text().toStdString();
        }
        d.reject();
    });
    ChooseFromContextMenu("&Locate an event",
                          [this] { m_view.OnContextMenu(m_view.viewport()->mapToGlobal(QPoint(5, 5))); });
    ASSERT_EQ(shown.size(), static_cast<std::size_t>(CChangeDateTimeDlg::kFieldCount));
    EXPECT_EQ(shown[CChangeDateTimeDlg::kHour], "10");
    EXPECT_EQ(shown[CChangeDateTimeDlg::kMinute], "20");
    EXPECT_EQ(shown[CChangeDateTimeDlg::kSecond], "55");
    EXPECT_EQ(shown[CChangeDateTimeDlg::kZoneHours], "5");
    EXPECT_EQ(shown[CChangeDateTimeDlg::kZoneMinutes], "30");
}

} // namespace
