// The transit panes: the transit tables on charts placed by hand and on the Chennai chart, the transit
// calendar's rows kept until their input changes (computed outside painting), its drawing, and the
// dasa-transit correlation window. Pictures are compared with tests/views/golden.
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <functional>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/ayanamsa.h"
#include "document/document_state.h"
#include "platform/painter_surface.h"
#include "tests/analysis/analysis_test_support.h"
#include "tests/golden_image.h"
#include "views/periods/dasa_transit_input.h"
#include "views/periods/dasa_transit_view.h"
#include "views/periods/transit_calendar_drawing.h"
#include "views/periods/transit_calendar_view.h"
#include "views/periods/transit_colors.h"
#include "views/periods/transit_view.h"

namespace {

// Places a body by hand with its nakshatras (13 deg 20' each; the 28-star scheme as the chart makes it).
void PlaceWithStar(CChart& chart, int body, double longitude) {
    PlaceBody(chart, body, longitude);
    const int star = static_cast<int>(longitude / (40.0 / 3.0));
    const int pada = static_cast<int>((longitude - star * 40.0 / 3.0) / (10.0 / 3.0));
    chart.m_nakshatra[body] = static_cast<std::uint8_t>(star);
    chart.m_pada[body] = static_cast<std::uint8_t>(pada);
    chart.m_nakshatra28[body] =
        static_cast<std::uint8_t>(star > 20 ? star + 1 : (star == 20 && pada == 3 ? 21 : star));
}

// Natal: everything at 20 Aries (Bharani, star 1). Transit: everything at 20 Taurus (the 2nd house).
struct HandCharts {
    CChart natal = EveryBodyIn(0, 20.0);
    CChart transit = EveryBodyIn(1, 20.0);
    HandCharts() {
        for (int b = 0; b <= 9; ++b) {
            PlaceWithStar(natal, b, 20.0);
            PlaceWithStar(transit, b, 50.0);
        }
    }
    // Body moved to house `house` from Aries, `degrees` into the sign.
    void Move(int body, int house, double degrees = 20.0) {
        PlaceWithStar(transit, body, 30.0 * (house - 1) + degrees);
    }
    TransitTable Table(int table) const {
        TransitTableChoice choice;
        choice.table = table;
        return BuildTransitTable(transit, natal, choice);
    }
};

constexpr int kUnderVedha = 4;
constexpr int kCausingVedha = 5;

TEST(TransitTables, VedhaBetweenTheMoonAndVenusButNotTheSunAndSaturn) {
    HandCharts charts;
    charts.Move(kMoon, 3);
    charts.Move(kVenus, 9);
    TransitTable table = charts.Table(kTransitStandard);
    ASSERT_EQ(table.rows.size(), 11u);
    EXPECT_EQ(table.rows[kMoon - 1][kUnderVedha], "Venus");
    EXPECT_EQ(table.rows[kVenus - 1][kCausingVedha], "Moon");
    EXPECT_EQ(table.rows[kVenus - 1][kUnderVedha], "-");
    EXPECT_EQ(table.rows[kMoon - 1][3], "3rd (Good)");
    EXPECT_EQ(table.rows[kSaturn - 1][3], "2nd");

    HandCharts other;
    other.Move(kSun, 3);
    other.Move(kSaturn, 9);
    other.Move(kRahu, 9);
    table = other.Table(kTransitStandard);
    EXPECT_EQ(table.rows[kSun - 1][kUnderVedha], "Rahu");
    EXPECT_EQ(table.rows[kSaturn - 1][kCausingVedha], "-");
    // The nodes are never obstructed, yet obstruct others.
    EXPECT_EQ(table.rows[kRahu - 1][kCausingVedha], "Sun");
    other.Move(kRahu, 3); // a good house of Rahu's, with a planet in every other house it could name
    other.Move(kKetu, 9);
    table = other.Table(kTransitStandard);
    EXPECT_EQ(table.rows[kRahu - 1][kUnderVedha], "-");
    EXPECT_EQ(table.rows[kKetu - 1][kUnderVedha], "-");
    EXPECT_EQ(table.rows[9][0], "  ");
    EXPECT_EQ(table.rows[10][0], "Reference:");
    EXPECT_EQ(table.rows[10][1], "Moon of natal D-1");
}

TEST(TransitTables, TaraAndTheMoonsMurthi) {
    HandCharts charts;
    charts.Move(kSun, 1, 20.0);  // the natal Moon's star
    charts.Move(kMars, 5, 15.0); // nine stars on: Purva Phalguni
    charts.transit.m_nMurti.fill(2);
    const TransitTable table = charts.Table(kTransitStandard);
    EXPECT_EQ(table.rows[kSun - 1][1], "Janma (Birth)");
    EXPECT_EQ(table.rows[kMars - 1][1], "Janma (Birth)");
    EXPECT_EQ(table.rows[kVenus - 1][1], "Vipat (Danger)"); // Rohini, the 3rd from Bharani
    EXPECT_EQ(table.rows[kMoon - 1][2], "-");
    EXPECT_EQ(table.rows[kSun - 1][2], "Taamra - copper");
}

TEST(TransitTables, TheReferenceMovesHousesButNotTaras) {
    HandCharts charts;
    charts.natal.m_vargaSign.SetSign(kLagna, kD9Column, 6); // navamsa lagna in Libra
    TransitTableChoice choice;
    const TransitTable moon = BuildTransitTable(charts.transit, charts.natal, choice);
    choice.referenceBody = kLagna;
    choice.referenceVarga = kD9Column;
    const TransitTable lagna = BuildTransitTable(charts.transit, charts.natal, choice);
    EXPECT_EQ(moon.rows[kJupiter - 1][3], "2nd (Good)");
    EXPECT_EQ(lagna.rows[kJupiter - 1][3], "8th");
    for (int row = 0; row < 9; ++row) EXPECT_EQ(moon.rows[row][1], lagna.rows[row][1]) << row;
    EXPECT_EQ(lagna.rows[10][1], "Lagna of natal D-9");
}

TEST(TransitTables, KakshyaAtTheEdgesOfASign) {
    HandCharts charts;
    charts.Move(kSun, 2, 0.0);
    charts.Move(kMoon, 2, 29.0 + 59.0 / 60.0);
    charts.natal.m_ashtakavarga.m_bhinna[0][kSun][1] = 6;
    charts.natal.m_ashtakavarga.m_sarva[0][1] = 31;
    charts.natal.m_ashtakavarga.m_prastara[0][kSun].m_given[1][kSaturn] = 1;
    charts.natal.m_ashtakavarga.m_prastara[0][kSun].m_given[1][kLagna] = 1;
    const TransitTable table = charts.Table(kTransitAshtakavarga);
    ASSERT_EQ(table.rows.size(), 11u); // Lagna .. Saturn, a blank row, the two vargas
    EXPECT_EQ(table.firstSpecialRow, 8);
    const std::vector<std::string> sun = {"Sun", "6", "31", "Saturn", "1", "As, Sa"};
    EXPECT_EQ(table.rows[kSun], sun);
    EXPECT_EQ(table.rows[kMoon][3], "Lagna");
    EXPECT_EQ(table.rows[kMoon][4], "0");
    EXPECT_EQ(table.rows[9][0], "Natal varga:");
    EXPECT_EQ(table.rows[10][1], "D-1");
}

TEST(TransitTables, SpecialNakshatrasLattaAndAngaGraha) {
    HandCharts charts;
    charts.Move(kSun, 1, 5.0);   // Aswini, the star before the natal Moon's Bharani: Abhisheka
    charts.Move(kKetu, 1, 20.0); // Bharani itself
    EXPECT_EQ(charts.Table(kTransitSpecialStarsMoon).rows[kSun - 1][1], "Abhisheka (Coronation)");
    EXPECT_EQ(charts.Table(kTransitSpecialStarsMoon).rows[kKetu - 1][1], "Janma (Existence)");
    const TransitTable latta = charts.Table(kTransitLatta);
    EXPECT_EQ(latta.rows[kKetu - 1][1], "Bharani");
    EXPECT_EQ(latta.rows[kKetu - 1][2], "Janma nakshatra (nakshatra of natal Moon)");
    const TransitTable anga = charts.Table(kTransitAngaGraha);
    EXPECT_EQ(anga.rows[kKetu - 1][1], "Face");
    EXPECT_EQ(anga.rows[kKetu - 1][2], "Sorrow");
    charts.Move(kSun, 1, 20.0);
    EXPECT_EQ(charts.Table(kTransitAngaGraha).rows[kSun - 1][1], "Face");
    EXPECT_EQ(charts.Table(kTransitAngaGraha).rows[kSun - 1][2], "Destruction");
    // The nodes aspect no star.
    EXPECT_EQ(charts.Table(kTransitStarAspectsMoon).rows[kRahu - 1][2], "");
}

// The Chennai chart with its transits on 15 March 2024 at noon, Chennai time.
class TransitPanesTest : public PaneTest {
protected:
    TransitPanesTest() {
        m_moment = m_document.m_natalChart.m_dateTime;
        m_moment.m_nYear = 2024;
        m_moment.m_nMonth = 3;
        m_moment.m_nDay = 15;
        m_moment.m_time.m_dHours = 12.0;
        m_moment.m_time.SplitHours();
        g_transitMoment = m_moment;
        EXPECT_TRUE(m_document.ShowTransitChart(m_moment).ok());
        g_dTranCalenStepDays = 1.0;
        g_nTranCalenStepCount = 15;
        g_nTranCalenNatalVarga = 0;
        g_nTranCalenTransitVarga = 0;
        g_bTranCalenShowItem.fill(true);
    }
    // A new correlation from Capricorn over the Venus-Saturn sub-period, from the transit moment to 2027.
    void AskForVenusSaturnCorrelation() {
        g_dasaTransitInput.start = m_moment;
        g_dasaTransitInput.end = m_moment;
        g_dasaTransitInput.end.m_nYear = 2027;
        g_dasaTransitInput.label = "Venus-Saturn AD";
        g_dasaTransitInput.sign = 9; // Capricorn
        g_dasaTransitInput.bNew = true;
    }
    template <class Pane> QImage Render(Pane& pane, Size size) {
        pane.resize(size.cx, size.cy);
        pane.show();
        pane.SetDocument(&m_document);
        pane.OnInitialUpdate();
        ImageSurface image(size);
        pane.OnDraw(image.Surface());
        return image.Image();
    }

    CLocalDateTime m_moment;
};

TEST_F(TransitPanesTest, StandardTablePicture) {
    CTransitView pane;
    CompareWithGolden(Render(pane, Size{840, 260}), "transit_view_standard");
    // The copy holds the footer rows.
    EXPECT_NE(pane.ToText().find("Reference:"), std::string::npos);
    EXPECT_NE(pane.ToText().find("Moon of natal D-1"), std::string::npos);
}

TEST_F(TransitPanesTest, MenuChecksTheTableShownAndShowsTheChosenOne) {
    CTransitView pane;
    Render(pane, Size{600, 300});
    pane.ShowTable(kTransitAngaGraha);
    EXPECT_EQ(pane.ColumnCount(), 7);
    EXPECT_EQ(pane.ColumnHeader(6), "Result (from Sun)");
    QMenu menu;
    pane.FillContextMenu(menu);
    int checked = 0;
    for (QAction* action : menu.actions()) {
        if (!action->isChecked()) continue;
        ++checked;
        EXPECT_EQ(action->text(), "An&ga graha transits");
    }
    EXPECT_EQ(checked, 1);
    for (QAction* action : menu.actions())
        if (action->text() == "&Houses from lagna && Moon") action->trigger();
    EXPECT_EQ(pane.Table(), kTransitHouses);
    EXPECT_EQ(pane.ColumnHeader(4), "From Navamsa Lagna");
    // A new transit moment refills the table shown.
    pane.ShowTable(kTransitLatta);
    const std::string before = pane.ToText();
    m_moment.m_nYear = 2030;
    ASSERT_TRUE(m_document.ShowTransitChart(m_moment).ok());
    EXPECT_NE(pane.ToText(), before);
    EXPECT_EQ(pane.Table(), kTransitLatta);
}

TEST_F(TransitPanesTest, CalendarPictures) {
    CTransitCalenView calendar;
    CompareWithGolden(Render(calendar, Size{1120, 400}), "transit_calendar");
    calendar.SetDisplayMode(CTransitCalenView::kLegend);
    ImageSurface legend(Size{760, 400});
    calendar.OnDraw(legend.Surface());
    CompareWithGolden(legend.Image(), "transit_calendar_legend");
}

// The right edge of the widest text drawn, in the font it is drawn in.
class TextReachProbe : public RecordingSurface {
public:
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        if (!(format & kTextCalcRect)) right = std::max(right, rect.left + TextExtent(text).cx);
        return RecordingSurface::DrawText(text, rect, format);
    }
    int right = 0;
};

// The legend scrolls across to the end of its longest line, whichever items the calendar shows.
TEST_F(TransitPanesTest, TheLegendScrollsToTheEndOfItsLines) {
    for (const bool all : {true, false}) {
        SCOPED_TRACE(all);
        g_bTranCalenShowItem.fill(all);
        g_bTranCalenShowItem[0] = true;
        CTransitCalenView calendar;
        calendar.SetDisplayMode(CTransitCalenView::kLegend);
        Render(calendar, Size{500, 300});
        TextReachProbe surface;
        calendar.OnDraw(surface);
        EXPECT_GE(calendar.horizontalScrollBar()->maximum() + calendar.viewport()->width(), surface.right);
    }
}

// Scrolled down, the calendar keeps its title and heads at the top of the pane, drawn over the rows.
TEST_F(TransitPanesTest, TheTitleAndHeadsStayWhileTheRowsScroll) {
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 200});
    calendar.verticalScrollBar()->setValue(3 * kCalendarRowHeight);
    const int scrolled = calendar.GetScrollPosition().y;
    ASSERT_GT(scrolled, 0);
    ProbeSurface surface;
    calendar.OnDraw(surface);
    ASSERT_GE(surface.texts.size(), 10u);
    const auto& heads = surface.texts;
    EXPECT_EQ(heads[heads.size() - 10].text,
              "Rasi chart transits of planets with respect to natal Rasi chart");
    EXPECT_EQ(heads[heads.size() - 10].rect.top, scrolled + 2);
    EXPECT_EQ(heads.back().text, "Ket");
    EXPECT_EQ(heads.back().rect.bottom, scrolled + kCalendarTop);
}

// A row whose moment rounds to midnight is dated by the rounded moment: 23:59:40 reads 0:00 of the next
// day.
TEST_F(TransitPanesTest, ARowRoundedToMidnightIsDatedTheNextDay) {
    g_transitMoment.m_time.m_dHours = 23.0 + 59.0 / 60.0 + 40.0 / 3600.0;
    g_transitMoment.m_time.SplitHours();
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 400});
    ProbeSurface surface;
    calendar.OnDraw(surface);
    EXPECT_NE(surface.FindText("2024-03-16 (0:00)"), nullptr);
    EXPECT_NE(surface.FindText("2024-03-30 (0:00)"), nullptr); // the 15th row
    for (const auto& text : surface.texts) EXPECT_EQ(text.text.find("2024-03-15"), std::string::npos);
}

TEST_F(TransitPanesTest, ACountOfNoneDrawsOnlyTheTitleAndHeads) {
    g_nTranCalenStepCount = 0;
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 200});
    EXPECT_TRUE(calendar.Calendar().rows.empty());
    ProbeSurface surface;
    calendar.OnDraw(surface);
    ASSERT_EQ(surface.texts.size(), 10u);
    EXPECT_EQ(surface.texts[0].text, "Rasi chart transits of planets with respect to natal Rasi chart");
    EXPECT_EQ(surface.texts[1].text, "Sun");
    EXPECT_EQ(surface.texts[9].text, "Ket");
}

TEST_F(TransitPanesTest, CalendarRowsAreMadeAgainForEveryChangeOfInput) {
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 400});
    ASSERT_EQ(calendar.Calendar().rows.size(), 15u);
    const auto rowsNow = [&calendar] { return calendar.Calendar().rows; };
    const auto sameRows = [](const std::vector<CalendarRow>& a, const std::vector<CalendarRow>& b) {
        if (a.size() != b.size()) return false;
        for (size_t r = 0; r < a.size(); ++r) {
            if (a[r].jdUt != b[r].jdUt) return false;
            for (int p = 0; p < kCalendarPlanets; ++p) {
                const CalendarCell &x = a[r].planets[p], &y = b[r].planets[p];
                if (x.houseFromMoon != y.houseFromMoon || x.houseFromLagna != y.houseFromLagna ||
                    x.tara != y.tara || x.bindus != y.bindus || x.murthi != y.murthi ||
                    x.entryJdUt != y.entryJdUt)
                    return false;
            }
        }
        return true;
    };
    struct Change {
        const char* what;
        std::function<void()> apply;
    };
    const Change changes[] = {
        {"start", [] { g_transitMoment.m_nDay = 20; }},
        {"zone", [] { g_transitMoment.m_zone.m_dHours += 1.0; }},
        {"step", [] { g_dTranCalenStepDays = 0.5; }},
        {"count", [] { g_nTranCalenStepCount = 12; }},
        {"natal varga", [] { g_nTranCalenNatalVarga = 1; }},
        {"transit varga", [] { g_nTranCalenTransitVarga = 21; }},
        {"murthi varga", [] { g_nTransitRefVarga = kD2Column; }}, // the natal Moon's D-9 sign is its D-1 sign
        {"birth time",
         [this] {
             ASSERT_TRUE(m_document.OnBirthTimeMoved(m_document.m_natalChart.GetJulianDay() + 0.2).ok());
         }},
        {"ayanamsa",
         [this] {
             g_ayanamsaSettings.m_nAyanamsaId = g_ayanamsaSettings.m_nAyanamsaId == kAyanamsaChandraHari
                                                    ? kAyanamsaDevaDatta
                                                    : kAyanamsaChandraHari;
             ApplyAyanamsaSettings(g_ayanamsaSettings);
             ASSERT_TRUE(m_document.RecalculateAll().ok());
         }},
        {"new chart",
         [this] {
             std::string text = kChennaiChartText;
             text.replace(text.find("\r\n1990\r\n"), 8, "\r\n1985\r\n");
             ASSERT_TRUE(m_document.ReadChartText(text, "chennai-1985.tvd").ok());
         }},
    };
    for (const Change& change : changes) {
        SCOPED_TRACE(change.what);
        const std::vector<CalendarRow> before = rowsNow();
        change.apply();
        // Every update of the document's views reaches the calendar, which computes again.
        m_document.UpdateAllViews(nullptr);
        EXPECT_EQ(calendar.ComputedRequest(), CalendarRequestFromSettings());
        EXPECT_FALSE(sameRows(before, rowsNow()));
        // Nothing changed: nothing is computed.
        EXPECT_FALSE(calendar.RefreshCalendar());
    }
}

TEST_F(TransitPanesTest, PaintingOnlyDrawsAndShownItemsNeedNoComputation) {
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 400});
    const double firstJd = calendar.Calendar().rows.front().jdUt;
    g_transitMoment.m_nYear = 2025;
    ProbeSurface waiting;
    calendar.OnDraw(waiting);
    EXPECT_NE(waiting.FindText(" W A I T "), nullptr);
    EXPECT_EQ(calendar.Calendar().rows.front().jdUt, firstJd); // not computed while painting
    QApplication::processEvents();                             // the computation asked for by the paint
    EXPECT_EQ(calendar.Calendar().rows.front().moment.m_nYear, 2025);
    // Fewer items make narrower columns, drawn from the same rows.
    const int wide = CalendarColumnWidth(g_bTranCalenShowItem);
    g_bTranCalenShowItem = {true, false, false, false, false, false};
    EXPECT_FALSE(calendar.RefreshCalendar());
    EXPECT_EQ(CalendarColumnWidth(g_bTranCalenShowItem), 10 + 20 + 36);
    EXPECT_LT(CalendarColumnWidth(g_bTranCalenShowItem), wide);
    ProbeSurface narrow;
    calendar.OnDraw(narrow);
    EXPECT_EQ(narrow.FindText("Moon")->rect.left,
              kCalendarDateWidth + CalendarColumnWidth(g_bTranCalenShowItem));
}

TEST_F(TransitPanesTest, CorrelationListingTextAndPicture) {
    AskForVenusSaturnCorrelation();
    CDasaSignTransitView window;
    const QImage picture = Render(window, Size{700, 600});
    EXPECT_FALSE(g_dasaTransitInput.bNew);
    CompareWithGolden(picture, "dasa_transit_correlation");
    const std::string text = DasaTransitText(g_dasaTransitListing, g_dasaTransitInput);
    const std::string start =
        "\nTransits in 1st house from Capricorn during Venus-Saturn AD:\n\n  Jupiter\n    ";
    EXPECT_EQ(text.substr(0, start.size()), start);
    // Saturn stays in Aquarius (the 2nd) from the start and enters Pisces in 2025, still there in 2027.
    EXPECT_NE(
        text.find(
            "Transits in 2nd house from Aquarius during Venus-Saturn AD:\n\n  Jupiter\n    None\n\n  Saturn\n"
            "    From 2024-03-15 to 2025-"),
        std::string::npos);
    EXPECT_NE(text.find("\n    None\n"), std::string::npos);
}

// A correlation cancelled after 5 of its 48 house and body searches says where it stopped, in the
// window and in its copy, and the bodies never searched do not pass for "None".
TEST_F(TransitPanesTest, ACancelledCorrelationSaysWhereItStopped) {
    AskForVenusSaturnCorrelation();
    CDasaSignTransitView window;
    window.resize(700, 600);
    window.SetDocument(&m_document);
    ASSERT_TRUE(window.RefreshListingWith([](int done, int) { return done < 5; }));
    EXPECT_FALSE(g_dasaTransitInput.bNew);
    // The four bodies of the 1st house and Jupiter of the 2nd were searched; Saturn of the 2nd is next.
    const std::string note = "Search cancelled: not searched from Saturn in the 2nd house (Aquarius) on.";
    const std::string text = DasaTransitText(g_dasaTransitListing, g_dasaTransitInput);
    EXPECT_EQ(text.rfind("\n" + note + "\n", 0), 0u) << text.substr(0, 120);
    EXPECT_NE(
        text.find("Transits in 2nd house from Aquarius during Venus-Saturn AD:\n\n  Jupiter\n    None\n\n"
                  "  Saturn\n    Not searched\n"),
        std::string::npos);
    const auto count = [](const std::string& in, const std::string& what) {
        int n = 0;
        for (std::size_t at = in.find(what); at != std::string::npos; at = in.find(what, at + 1)) ++n;
        return n;
    };
    EXPECT_EQ(count(text, "    Not searched\n"), 48 - 5);

    ProbeSurface drawn;
    window.OnDraw(drawn);
    ASSERT_NE(drawn.FindText(note), nullptr);
    EXPECT_EQ(drawn.FindText(note)->color, g_colors[kColorTransitWait]);
    int notSearched = 0;
    for (const auto& t : drawn.texts) notSearched += t.text == "Not searched";
    EXPECT_EQ(notSearched, 48 - 5);

    // A complete listing has no note.
    g_dasaTransitInput.bNew = true;
    ASSERT_TRUE(window.RefreshListingWith([](int, int) { return true; }));
    EXPECT_EQ(DasaTransitText(g_dasaTransitListing, g_dasaTransitInput).find("Search cancelled"),
              std::string::npos);
}

// A transit calendar cancelled part way shows the rows it made with a line saying so; painting asks for
// nothing more, and the next update of the views (what opening the calendar again sends) makes every row.
TEST_F(TransitPanesTest, ACancelledCalendarMarksItsRowsAndIsMadeAgainWhenReopened) {
    CTransitCalenView calendar;
    Render(calendar, Size{1120, 400});
    g_nTranCalenStepCount = 12;
    ASSERT_TRUE(calendar.RefreshCalendarWith([](int done, int) { return done < 5; }));
    ASSERT_EQ(calendar.Calendar().rows.size(), 5u);
    const std::string note =
        "Cancelled after 5 of 12 rows: the rest is calculated when the calendar is opened again.";
    ProbeSurface partial;
    calendar.OnDraw(partial);
    ASSERT_NE(partial.FindText(note), nullptr);
    EXPECT_EQ(partial.FindText(note)->rect.top, kCalendarTop + 5 * kCalendarRowHeight);
    EXPECT_EQ(partial.FindText(note)->color, g_colors[kColorTransitWait]);
    EXPECT_EQ(partial.FindText(" W A I T "), nullptr);
    QApplication::processEvents();
    EXPECT_EQ(calendar.Calendar().rows.size(), 5u); // painting computed nothing

    m_document.UpdateAllViews(nullptr);
    EXPECT_EQ(calendar.Calendar().rows.size(), 12u);
    ProbeSurface full;
    calendar.OnDraw(full);
    EXPECT_EQ(full.FindText(note), nullptr);
    // Complete rows are not made again.
    EXPECT_FALSE(calendar.RefreshCalendar());
}

} // namespace
