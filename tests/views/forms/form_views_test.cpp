// The form panes cast, through their fields and buttons, the very chart the document's own call casts;
// they refuse what is out of range with the range named, and show the notices of impossible requests.
#include <cmath>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <cmath>
#include <functional>

#include <gtest/gtest.h>

#include "core/search_progress.h"
#include "document/document_options.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/mode_transit.h"
#include "platform/frame_wnd.h"
#include "shell/desktop_opener.h"
#include "shell/display_options.h"
#include "shell/pane_state.h"
#include "shell/web_links.h"
#include "tests/views/forms/form_test_support.h"
#include "views/forms/chart_forms.h"
#include "views/forms/mundane_form.h"
#include "views/forms/research_form.h"
#include "views/forms/return_forms.h"
#include "views/forms/transit_forms.h"
#include "views/info/strengths_view.h"

namespace {

constexpr int kJupiter = 5;

// One chart cast two ways: through a form, and by the document's call on the reference document.
struct CastCase {
    const char* name;
    std::function<void(FormTest&, CTavroDoc& driven)> throughForm;
    std::function<CalcStatus(CTavroDoc& reference)> direct;
};

class FormCastTest : public FormTest {
public:
    void Run(const CastCase& c) {
        SCOPED_TRACE(c.name);
        c.throughForm(*this, m_document);
        const CalcStatus status = c.direct(m_reference);
        ASSERT_TRUE(status.ok()) << status.error;
        EXPECT_TRUE(m_boxes.empty()) << (m_boxes.empty() ? "" : m_boxes.front().text);
        ExpectSameChart();
    }
    using FormTest::MakeForm;
};

TEST_F(FormCastTest, EveryFormCastsWhatTheDocumentsOwnCallCasts) {
    const CLocalDateTime moment = IndianMoment(2010, 3, 15, 12.0);
    const CastCase cases[] = {
        {"Tajaka year 2000",
         [](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CTajakaFormView>();
             form->m_year->setText("2000");
             for (QComboBox* part : form->m_parts) part->setCurrentIndex(0);
             form->Button("Find Tajaka Chart")->click();
         },
         [](CTavroDoc& d) {
             g_nTajakaYear = 2000;
             g_nTajakaMonth = g_nTajaka2DayPart = g_nTajaka5HourPart = g_nTajaka25MinPart = g_nTajaka2MinPart = 0;
             g_bTajakaAtSunrise = false;
             return d.CalculateTajaka();
         }},
        {"Tithi Pravesha year 2001",
         [](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CTPFormView>();
             form->m_year->setText("2001");
             form->m_month->setCurrentIndex(0);
             form->m_findByYear->click();
         },
         [](CTavroDoc& d) {
             g_nTithiPraveshaYear = 2001;
             g_nTithiPraveshaMonth = g_nTithiPraveshaDay = 0;
             g_bTithiPraveshaFromMoment = false;
             return d.CalculateTithiPravesha();
         }},
        {"transit chart",
         [moment](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CTransitFormView>();
             form->Moment().Load(moment);
             form->Button("Show Transit Calculations")->click();
         },
         [moment](CTavroDoc& d) { return d.ShowTransitChart(moment); }},
        {"transit search: Jupiter reaching Aries after 2010",
         [moment](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CTransitConjFormView>();
             form->m_body->setCurrentIndex(kJupiter);
             form->m_reference[CTransitConjFormView::kSignStart]->click();
             form->m_sign->setCurrentIndex(0);
             form->m_beforeOrAfter->setCurrentIndex(1);
             form->Moment().Load(moment);
             form->Button("Search for Transit")->click();
         },
         [moment](CTavroDoc& d) { return d.CalcTransitSearch(moment, kJupiter, 0.0, -0.0, true); }},
        {"angular return of Sun and Moon after 2010",
         [moment](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CAngRetFormView>();
             form->m_bodyA->setCurrentIndex(1);
             form->m_bodyB->setCurrentIndex(2);
             form->m_beforeOrAfter->setCurrentIndex(1);
             form->Moment().Load(moment);
             form->Button("Find Angular Return Chart")->click();
         },
         [moment](CTavroDoc& d) { return d.CalcAngularReturnChart(1, 2, false, moment); }},
        {"prasna-108 number 108",
         [](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CPrasnaFormView>();
             form->m_number[CPrasnaFormView::kPrasna108]->setText("108");
             form->m_separateLagna->click();
             form->Button("Prasna-108 Mode")->click();
         },
         [](CTavroDoc& d) { return d.CalcPrasna108(107, 0, false, 30.0); }},
        {"solar progression in the rasi",
         [moment](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CProgFormView>();
             form->m_varga->setCurrentIndex(0);
             form->Moment().Load(moment);
             form->Button("Solar Progression (1sign per\nyear in chosen varga)")->click();
         },
         [moment](CTavroDoc& d) { return d.CalcProgressedByDegrees(0, moment); }},
        {"next solar new year",
         [](FormTest& t, CTavroDoc&) {
             auto form = static_cast<FormCastTest&>(t).MakeForm<CMundaneFormView>();
             form->m_nextOrPrevious[CMundaneFormView::kSolarNewYear]->setCurrentIndex(1);
             form->Button("Solar New Year")->click();
         },
         [](CTavroDoc& d) { return d.CalcSolarNewYearChart(true); }},
    };
    for (const CastCase& c : cases) {
        ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
        ASSERT_TRUE(m_reference.OnResetToNatalMode().ok());
        m_boxes.clear();
        Run(c);
    }
}

TEST_F(FormTest, BackToNatalRestoresTheNatalChartExactlyAndIsEnabledOnlyInAMode) {
    const CChart natal = m_document.m_natalChart;
    auto form = MakeForm<CTajakaFormView>();
    QPushButton* back = form->Button("Back to Natal Chart");
    ASSERT_NE(back, nullptr);
    EXPECT_FALSE(back->isEnabled());
    form->m_year->setText("2005");
    form->Button("Find Tajaka Chart")->click();
    ASSERT_EQ(m_document.m_nMode, kModeTajaka) << (m_boxes.empty() ? "" : m_boxes.front().text);
    EXPECT_TRUE(back->isEnabled());
    back->click();
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_natalChart);
    EXPECT_FALSE(back->isEnabled());
    EXPECT_DOUBLE_EQ(m_document.m_natalChart.GetJulianDay(), natal.GetJulianDay());
    for (int body = 0; body < kBodyCount; ++body) {
        SCOPED_TRACE(body);
        EXPECT_EQ(m_document.m_natalChart.m_bodies[body].m_dLongitude, natal.m_bodies[body].m_dLongitude);
    }
}

TEST_F(FormTest, ImpossibleRequestsShowTheirNoticesAndCastNothing) {
    auto mundane = MakeForm<CMundaneFormView>();
    auto angular = MakeForm<CAngRetFormView>();
    const struct {
        const char* name;
        std::function<void()> press;
        const char* caption;
        const char* textPart;
    } cases[] = {
        {"Rahu with Ketu",
         [&] {
             mundane->m_bodyA->setCurrentIndex(9);
             mundane->m_bodyB->setCurrentIndex(8);
             mundane->Button("Conjunction/Opposition Mode")->click();
         },
         "That's naughty!", "Did you forget that Rahu and Ketu will never conjoin?"},
        {"Jupiter with Jupiter",
         [&] {
             mundane->m_bodyA->setCurrentIndex(kJupiter);
             mundane->m_bodyB->setCurrentIndex(kJupiter);
             mundane->Button("Conjunction/Opposition Mode")->click();
         },
         "Same planet chosen", "Please select two different planets."},
        {"station of Rahu with mean nodes",
         [&] {
             g_bTrueNodes = false;
             mundane->m_stationBody->setCurrentIndex(5);
             mundane->Button("Stationary Transit Mode")->click();
         },
         "Stationary transit cannot occur with mean nodes", "Rahu and Ketu are always retrograde with mean nodes."},
        {"angular return of Lagna with Lagna",
         [&] {
             angular->m_bodyA->setCurrentIndex(0);
             angular->m_bodyB->setCurrentIndex(0);
             angular->Button("Find Angular Return Chart")->click();
         },
         "Error", "Please select two DIFFERENT planets and then\ntry to find the angular return chart."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        c.press();
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].caption, c.caption);
        EXPECT_NE(m_boxes[0].text.find(c.textPart), std::string::npos) << m_boxes[0].text;
        EXPECT_EQ(m_document.m_nMode, kModeNatal);
    }
}

TEST_F(FormTest, StationOfRahuIsCastWithTrueNodes) {
    g_bTrueNodes = true;
    ASSERT_TRUE(m_document.RecalculateAll().ok());
    auto mundane = MakeForm<CMundaneFormView>();
    mundane->m_stationBody->setCurrentIndex(5);
    mundane->m_stationDirection->setCurrentIndex(1);
    mundane->Button("Stationary Transit Mode")->click();
    EXPECT_TRUE(m_boxes.empty()) << (m_boxes.empty() ? "" : m_boxes.front().text);
    EXPECT_EQ(m_document.m_nMode, kModeMundane);
}

TEST_F(FormTest, OutOfRangeFieldsAreRefusedNamingTheRangeAndNothingIsCast) {
    auto tajaka = MakeForm<CTajakaFormView>();
    auto transit = MakeForm<CTransitFormView>();
    auto prasna = MakeForm<CPrasnaFormView>();
    auto swearing = MakeForm<CMundaneFormView>();
    const std::string years = std::to_string(g_nMinYear) + " to " + std::to_string(g_nMaxYear);
    const struct {
        const char* name;
        std::function<void()> press;
        std::string message;
    } cases[] = {
        {"Tajaka year past the ephemeris",
         [&] {
             tajaka->m_year->setText(QString::number(g_nMaxYear + 1));
             tajaka->Button("Find Tajaka Chart")->click();
         },
         "Year: enter a whole number from " + years + "."},
        {"transit year before the ephemeris",
         [&] {
             transit->Moment().Edit(CMomentFields::kYear)->setText(QString::number(g_nMinYear - 1));
             transit->Button("Show Transit Calculations")->click();
         },
         "Year: enter a whole number from " + years + "."},
        {"31 April",
         [&] {
             transit->Moment().Load(IndianMoment(2011, 4, 30, 9.0));
             transit->Moment().Edit(CMomentFields::kDay)->setText("31");
             transit->Button("Show Transit Calculations")->click();
         },
         "Day: enter a whole number from 1 to 30."},
        {"zone minutes of 60",
         [&] {
             transit->Moment().Load(IndianMoment(2011, 4, 30, 9.0));
             transit->Moment().Edit(CMomentFields::kZoneMinutes)->setText("60");
             transit->Button("Show Transit Calculations")->click();
         },
         "Time zone minutes: enter a number from 0 to below 60."},
        {"prasna-108 number 109",
         [&] {
             prasna->m_number[CPrasnaFormView::kPrasna108]->setText("109");
             prasna->Button("Prasna-108 Mode")->click();
         },
         "Number: enter a whole number from 1 to 108."},
        {"swearing-in years not a number",
         [&] {
             swearing->m_years->setText("one");
             swearing->Button("Swearing-in Chart Mode")->click();
         },
         "Years: enter a number."},
    };
    const CLocalDateTime before = g_transitMoment;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        m_boxes.clear();
        c.press();
        ASSERT_EQ(m_boxes.size(), 1u);
        EXPECT_EQ(m_boxes[0].text, c.message);
        EXPECT_EQ(m_boxes[0].caption, "Error");
        EXPECT_EQ(m_document.m_nMode, kModeNatal);
        EXPECT_EQ(g_transitMoment.m_nYear, before.m_nYear);
        EXPECT_EQ(g_transitMoment.m_nDay, before.m_nDay);
    }
}

TEST_F(FormTest, ZoneOfNothingWestOfGreenwichIsZero) {
    auto transit = MakeForm<CTransitFormView>();
    transit->Moment().Load(IndianMoment(2011, 4, 30, 9.0));
    transit->Moment().Edit(CMomentFields::kZoneHours)->setText("0");
    transit->Moment().Edit(CMomentFields::kZoneMinutes)->setText("0");
    transit->Moment().ZoneSide()->setCurrentIndex(1);
    const auto moment = transit->Moment().Take(g_transitMoment);
    ASSERT_TRUE(moment);
    EXPECT_EQ(moment->m_zone.m_dHours, 0.0);
    // West of Greenwich is positive in the record; a fraction of a minute is kept as seconds.
    transit->Moment().Edit(CMomentFields::kZoneHours)->setText("5");
    transit->Moment().Edit(CMomentFields::kZoneMinutes)->setText("30.5");
    const auto west = transit->Moment().Take(g_transitMoment);
    ASSERT_TRUE(west);
    EXPECT_NEAR(west->m_zone.m_dHours, 5.0 + 30.5 / 60.0, 1e-12);
    EXPECT_EQ(west->m_zone.m_nMinutes, 30);
    EXPECT_NEAR(west->m_zone.m_dSeconds, 30.0, 1e-9);
}

TEST_F(FormTest, TransitSearchKeepsTheSharedZoneWhileTheTransitFormWritesIt) {
    g_transitMoment = IndianMoment(2012, 6, 1, 10.0);
    auto search = MakeForm<CTransitConjFormView>();
    search->Moment().Load(IndianMoment(2012, 6, 2, 10.0));
    search->Button("Search for Transit")->click();
    EXPECT_DOUBLE_EQ(g_transitMoment.m_zone.m_dHours, -5.5);
    EXPECT_EQ(g_transitMoment.m_nDay, 2);
    auto transit = MakeForm<CTransitFormView>();
    transit->Moment().Edit(CMomentFields::kZoneHours)->setText("1");
    transit->Moment().Edit(CMomentFields::kZoneMinutes)->setText("0");
    transit->Moment().ZoneSide()->setCurrentIndex(0);
    transit->Button("Show Transit Calculations")->click();
    EXPECT_DOUBLE_EQ(g_transitMoment.m_zone.m_dHours, -1.0);
}

TEST_F(FormTest, TithiPraveshaKindRenamesTheButtonsAndGatesTheDailyFields) {
    auto form = MakeForm<CTPFormView>();
    form->m_kind->setCurrentIndex(1);
    EXPECT_EQ(form->m_findByYear->text(), "Find Nakshatra Pravesha");
    EXPECT_EQ(form->m_findByMoment->text(), "Find Nakshatra Pravesha");
    EXPECT_FALSE(form->m_daily->isEnabled());
    EXPECT_FALSE(form->m_day->isEnabled());
    EXPECT_EQ(g_strPraveshaLabel, "NP");
    EXPECT_EQ(g_nTithiPraveshaKind, 1);
    form->m_kind->setCurrentIndex(2);
    EXPECT_EQ(form->m_findByYear->text(), "Find Yoga Pravesha Chart");
    form->m_kind->setCurrentIndex(0);
    EXPECT_EQ(form->m_findByYear->text(), "Find Tithi Pravesha Chart");
    EXPECT_TRUE(form->m_daily->isEnabled());
    EXPECT_EQ(g_strPraveshaLabel, "TP");
}

TEST_F(FormTest, TithiPraveshaWithoutAMonthIgnoresTheDailyFields) {
    auto form = MakeForm<CTPFormView>();
    form->m_year->setText("2003");
    form->m_month->setCurrentIndex(0);
    form->m_daily->setChecked(true);
    form->m_day->setText("99"); // out of range, but not asked for
    form->m_findByYear->click();
    EXPECT_TRUE(m_boxes.empty()) << (m_boxes.empty() ? "" : m_boxes.front().text);
    EXPECT_EQ(g_nTithiPraveshaDay, 0);
    EXPECT_EQ(m_document.m_nMode, kModeTithiPravesha);
}

TEST_F(FormTest, TajakaFormSendsWhatWasTypedLast) {
    g_nTajakaYear = 1999;
    auto form = MakeForm<CTajakaFormView>();
    EXPECT_EQ(form->m_year->text(), "1999");
    g_nTajakaYear = 1980; // a later change of the request does not reach the form's fields
    m_document.UpdateAllViews(nullptr);
    EXPECT_EQ(form->m_year->text(), "1999");
    form->m_year->setText("2004");
    form->m_parts[0]->setCurrentIndex(3);
    form->Button("Find Tajaka Sunrise Chart")->click();
    EXPECT_EQ(g_nTajakaYear, 2004);
    EXPECT_EQ(g_nTajakaMonth, 3);
    EXPECT_TRUE(g_bTajakaAtSunrise);
}

TEST_F(FormTest, DasaAndStrengthLinksSelectTheDasaAndTable) {
    auto form = MakeForm<CTajakaFormView>();
    form->Button("Patyayini dasa")->click();
    EXPECT_EQ(g_nSelectedDasa, 65);
    EXPECT_EQ(g_nOtherDasaToBeDisplayed, 65);
    form->Button("Narayana dasa")->click();
    EXPECT_EQ(g_nSelectedDasa, 25);
    EXPECT_EQ(g_nRasiDasaToBeDisplayed, 25);
    form->Button("Mudda dasa")->click();
    EXPECT_EQ(g_nSelectedDasa, 0);
    EXPECT_EQ(m_document.m_dasaTree.nLevel, 0);
    form->Button("Harsha Bala")->click();
    EXPECT_EQ(g_nStrengthsTable, 3);
}

TEST_F(FormTest, SwearingInTakesThePeriodFromTheYearsAndDays) {
    auto form = MakeForm<CMundaneFormView>();
    form->m_years->setText("1");
    form->m_days->setText("0");
    form->Button("Swearing-in Chart Mode")->click();
    EXPECT_DOUBLE_EQ(g_dCompressionDays, 365.24219);
    EXPECT_EQ(m_document.m_nMode, kModeMundane);
}

TEST(ResearchSteps, MoveTheMomentByTheStepChosen) {
    const struct {
        int year, month, day;
        int step;
        bool forward;
        int toYear, toMonth, toDay;
    } cases[] = {
        {2020, 1, 15, kResearchMonth, false, 2019, 12, 15},
        {2020, 11, 15, kResearchThreeMonths, true, 2021, 2, 15},
        {2021, 1, 31, kResearchMonth, true, 2021, 2, 28},  // the day clamped to the month
        {2024, 3, 31, kResearchMonth, false, 2024, 2, 29}, // leap year
        {2024, 2, 29, kResearchYear, true, 2025, 2, 28},
        {2020, 12, 28, kResearchTenDays, true, 2021, 1, 7},
        {2020, 3, 3, kResearchFiveDays, false, 2020, 2, 27},
        {2020, 12, 31, kResearchDay, true, 2021, 1, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.year << "-" << c.month << "-" << c.day << " step " << c.step);
        const CLocalDateTime to = StepResearchMoment(IndianMoment(c.year, c.month, c.day, 10.0), c.step, c.forward);
        EXPECT_EQ(to.m_nYear, c.toYear);
        EXPECT_EQ(to.m_nMonth, c.toMonth);
        EXPECT_EQ(to.m_nDay, c.toDay);
        EXPECT_NEAR(to.m_time.m_dHours, 10.0, 1e-6);
    }
    const CLocalDateTime hour = StepResearchMoment(IndianMoment(2020, 12, 31, 23.5), kResearchHour, true);
    EXPECT_EQ(hour.m_nDay, 1);
    EXPECT_NEAR(hour.m_time.m_dHours, 0.5, 1e-6);
}

TEST_F(FormTest, ResearchStepsStartFromTheTypedMoment) {
    g_transitMoment = IndianMoment(2000, 1, 1, 0.0);
    auto form = MakeForm<CTranResearchFormView>();
    form->m_step->setCurrentIndex(kResearchDay);
    form->Moment().Load(IndianMoment(2015, 7, 10, 8.0));
    form->Button(">>")->click();
    EXPECT_EQ(g_transitMoment.m_nYear, 2015);
    EXPECT_EQ(g_transitMoment.m_nMonth, 7);
    EXPECT_EQ(g_transitMoment.m_nDay, 11);
    form->m_step->setCurrentIndex(kResearchMonth);
    form->Moment().Load(IndianMoment(2015, 1, 31, 8.0));
    form->Button(">>")->click();
    EXPECT_EQ(g_transitMoment.m_nMonth, 2);
    EXPECT_EQ(g_transitMoment.m_nDay, 28);
}

TEST_F(FormTest, ResearchListShowsEachPlanetsNatalPointsWhileItsTabIsShown) {
    CScopedOption<bool> shown(g_bLongitudeCorrelationShown, true);
    CScopedOption<int> varga(g_nTranResearchVarga, 0);
    auto form = MakeForm<CTranResearchFormView>();
    CTranResearchView list;
    list.SetDocument(&m_document);
    list.OnInitialUpdate();
    form->Moment().Load(IndianMoment(2015, 7, 10, 8.0));
    form->m_method[2]->click();
    form->m_value[2]->setText("3");
    form->Button("Show Natal Points\nAspected in Transit")->click();
    EXPECT_EQ(g_nTransitResearchMethod, 2);
    EXPECT_DOUBLE_EQ(g_dTransitResearchOrbMarsSaturn, 3.0);
    ASSERT_EQ(list.ColumnCount(), 6);
    EXPECT_EQ(list.ColumnHeader(4), "Aspect Orb (deg)");
    int rows = 0;
    for (const auto& table : g_transitResearchTables) {
        for (int e = 0; e < table.nCount; ++e, ++rows) {
            ASSERT_LT(rows, list.RowCount());
            EXPECT_EQ(list.CellText(rows, 0).empty(), e > 0);
            EXPECT_EQ(list.CellText(rows, 2).empty(), e > 0);
            EXPECT_NE(list.CellText(rows, 3).find(" in D-"), std::string::npos);
        }
    }
    EXPECT_GT(rows, 0);
    EXPECT_EQ(list.RowCount(), rows);
    // "Navamsa (D-9)" takes the transiting planets into the navamsa: nine times their longitudes.
    const double rasiJupiter = g_transitResearchTables[0].transit.m_dLongitude;
    form->m_varga->setCurrentIndex(1);
    form->Button("Show Natal Points\nAspected in Transit")->click();
    EXPECT_NEAR(g_transitResearchTables[0].transit.m_dLongitude, std::fmod(9.0 * rasiJupiter, 360.0), 1e-9);
    rows = list.RowCount();
    // Away from the tab, the list does not compute again.
    g_bLongitudeCorrelationShown = false;
    g_transitResearchTables = {};
    m_document.UpdateAllViews(nullptr);
    EXPECT_EQ(list.RowCount(), rows);
}

TEST_F(FormTest, ResearchArticlesOpenThroughTheDesktopOpener) {
    std::vector<QUrl> opened;
    const DesktopOpener saved = g_desktopOpener;
    g_desktopOpener = [&opened](const QUrl& url) {
        opened.push_back(url);
        return true;
    };
    const std::string site = g_strWebSite;
    g_strWebSite = "https://kalomithra.example/";
    auto form = MakeForm<CTranResearchFormView>();
    QTimer::singleShot(0, [] {
        auto* dialog = dynamic_cast<CResearchArticlesDlg*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->Box(1)->setChecked(false);
        dialog->accept();
    });
    form->Button("Show some relevant research articles")->click();
    g_desktopOpener = saved;
    g_strWebSite = site;
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toString().toStdString(), "https://kalomithra.example/articles/transit-divisional-charts.pdf");
    EXPECT_EQ(opened[1].toString().toStdString(), "https://kalomithra.example/articles/transit-of-the-dasa-lord.pdf");
}

TEST_F(FormTest, TransitCalendarFormStoresItsSettingsAndOpensTheCalendarWindow) {
    auto form = MakeForm<CTranCalenFormView>();
    form->m_step->setText("0.5");
    form->m_count->setText("30");
    form->m_natalVarga->setCurrentIndex(21);
    form->m_items[3]->setChecked(false);
    form->Button("Show Transit Calendar")->click();
    EXPECT_TRUE(m_boxes.empty());
    EXPECT_DOUBLE_EQ(g_dTranCalenStepDays, 0.5);
    EXPECT_EQ(g_nTranCalenStepCount, 30);
    EXPECT_EQ(g_nTranCalenNatalVarga, 21);
    EXPECT_FALSE(g_bTranCalenShowItem[3]);
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    ASSERT_FALSE(g_pSeedHelpFrame.isNull());
    delete g_pSeedHelpFrame.data();
    form->m_count->setText("101");
    form->Button("Show Transit Calendar")->click();
    ASSERT_EQ(m_boxes.size(), 1u);
    EXPECT_EQ(m_boxes[0].text, "Number of days: enter a whole number from 0 to 100.");
}

// A watcher that stops every search at its first look.
class StopAtOnce : public CSearchProgress {
public:
    bool Continue() override { return false; }
};

TEST_F(FormTest, AStoppedSearchLeavesTheChartAsItWas) {
    ASSERT_TRUE(m_document.ShowTransitChart(IndianMoment(2011, 1, 1, 12.0)).ok());
    const double shownJd = m_document.m_pCurrentChart->GetJulianDay();
    const std::string title = m_document.m_pCurrentChart->m_strTitle;
    StopAtOnce stop;
    CScopedSearchProgress watching(stop);
    const struct {
        const char* name;
        std::function<CalcStatus()> search;
    } searches[] = {
        {"transit search", [&] { return m_document.CalcTransitSearch(IndianMoment(2011, 1, 1, 12.0), 5, 0, 0, true); }},
        {"angular return", [&] { return m_document.CalcAngularReturnChart(1, 2, false, IndianMoment(2011, 1, 1, 12.0)); }},
        {"station", [&] { return m_document.CalcRetroChangeChart(5, true); }},
        {"research", [&] { return m_document.CalcTransitResearch(); }},
    };
    for (const auto& s : searches) {
        SCOPED_TRACE(s.name);
        const CalcStatus status = s.search();
        EXPECT_EQ(status.error, kSearchCancelledMessage);
        EXPECT_EQ(m_document.m_nMode, kModeTransit);
        EXPECT_EQ(m_document.m_pCurrentChart->m_strTitle, title);
        EXPECT_DOUBLE_EQ(m_document.m_pCurrentChart->GetJulianDay(), shownJd);
    }
}

TEST_F(FormTest, TheProgressWindowStopsTheSearchOnCancel) {
    QWidget owner;
    CSearchProgressDialog progress(&owner, "Searching ...", 0);
    EXPECT_TRUE(progress.Continue());
    EXPECT_TRUE(progress.Dialog().isVisible());
    progress.Dialog().cancel();
    EXPECT_FALSE(progress.Continue());
    EXPECT_EQ(SearchStep().error, kSearchCancelledMessage);
}

} // namespace
