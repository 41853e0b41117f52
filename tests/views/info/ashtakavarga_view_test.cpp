// The ashtakavarga page: the numbers it draws against tests/views/info/data/ashtakavarga_reference.txt
// (the bindus worked out from swetest's positions of the Chennai chart and the classical bindu places by
// make_ashtakavarga_reference.sh), its text forms, its menu and choices, the chart each view reads, the
// printed form, and pictures of the page and the small pane in the three chart styles.
#include <QMenu>

#include <gtest/gtest.h>

#include "../../display/label_layout_surface.h"
#include "../../golden_image.h"
#include "../views_test_support.h"
#include "core/ayanamsa.h"
#include "core/body_names.h"
#include "display/chart_cells.h"
#include "document/dasa_codes.h"
#include "platform/painter_surface.h"
#include "tests/core/reference_table.h"
#include "views/info/ashtakavarga_charts.h"
#include "views/info/ashtakavarga_page.h"
#include "views/info/ashtakavarga_text.h"
#include "views/info/ashtakavarga_view.h"

namespace {

constexpr int kSav = -1;

class AshtakavargaViewTest : public PaneTest {
protected:
    // swetest's Lahiri (mode 1) is the program's Traditional Lahiri.
    AshtakavargaViewTest() {
        g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        EXPECT_TRUE(m_document.ReadChartText(kChennaiChartText, "chennai.tvd").ok());
        g_nChartStyle = 0;
        g_ashtakavargaChoice = {};
        m_view.SetDocument(&m_document);
        m_view.resize(900, 800);
        m_view.OnInitialUpdate();
    }
    DrawnRecord Draw() {
        ProbeSurface surface;
        m_view.OnDraw(surface);
        return surface;
    }
    // Reference rows by owner 0-7, and kSav for the sarva row.
    static std::map<int, std::vector<int>> Reference() {
        std::map<int, std::vector<int>> rows;
        for (const ReferenceRecord& r : ReadReferenceTable("ashtakavarga_reference.txt", "bav"))
            for (int s = 0; s < 12; ++s) rows[std::stoi(r[1])].push_back(std::stoi(r[2 + s]));
        for (const ReferenceRecord& r : ReadReferenceTable("ashtakavarga_reference.txt", "sav"))
            for (int s = 0; s < 12; ++s) rows[kSav].push_back(std::stoi(r[1 + s]));
        return rows;
    }
    // The number drawn in the sign cell of a South Indian chart in `rect`; -1 when none.
    static int NumberInCell(const DrawnRecord& drawn, const Rect& rect, int sign) {
        const Rect cell = SouthSignCell(rect, sign, true);
        for (const DrawnRecord::Text& t : drawn.texts)
            if (t.rect == cell) return std::stoi(t.text);
        return -1;
    }

    CAshtakaVargaView m_view;
};

TEST_F(AshtakavargaViewTest, ChartsShowTheReferenceBindusOfEveryBodyAndTheSarva) {
    const auto reference = Reference();
    ASSERT_EQ(reference.size(), 9u);
    const DrawnRecord drawn = Draw();
    for (const auto& [owner, row] : reference) {
        SCOPED_TRACE(owner == kSav ? std::string("SAV") : "owner " + std::to_string(owner));
        const Rect& cell = m_view.Cells()[owner == kSav ? 0 : owner + 1];
        for (int s = 0; s < 12; ++s) EXPECT_EQ(NumberInCell(drawn, cell, s), row[s]) << "sign " << s;
    }
    EXPECT_NE(drawn.FindText("SAV"), nullptr);
}

TEST_F(AshtakavargaViewTest, TableTextHasTheBindusAndMarksEachBodysOwnSign) {
    const auto reference = Reference();
    const std::string text = AshtakavargaTableText(m_document.m_natalChart);
    EXPECT_EQ(text.rfind("Ashtakavarga of Rasi Chart:\r\n\r\n      Ar  Ta  Ge  Cn  Le  Vi  Li  Sc  Sg  Cp  Aq  Pi\r\n",
                         0),
              0u);
    // Signs of Lagna .. Saturn in the chart (from the same swetest positions): Cancer, Taurus,
    // Sagittarius, Aquarius, Aries, Gemini, Pisces, Capricorn.
    constexpr int kOwnSign[kAshtakavargaPoints] = {3, 1, 8, 10, 0, 2, 11, 9};
    std::size_t at = text.find("Pi\r\n") + 4;
    for (int b = 0; b < kAshtakavargaPoints; ++b) {
        const std::size_t end = text.find("\r\n", at);
        const std::string line = text.substr(at, end - at);
        std::string expected = std::string(ChosenPlanetAbbrevs()[b]) + " ";
        for (int s = 0; s < 12; ++s)
            expected += "  " + std::to_string(reference.at(b)[s]) + (s == kOwnSign[b] ? "*" : " ");
        EXPECT_EQ(line, expected);
        at = end + 2;
    }
    EXPECT_EQ(text.substr(at), "\r\n");
}

TEST_F(AshtakavargaViewTest, PindaTextLinesUpThreeColumnsUnderTheirHeaders) {
    const std::string text = AshtakavargaPindaText(m_document.m_natalChart);
    const CAshtakavarga& av = m_document.m_natalChart.m_ashtakavarga;
    char sun[96];
    std::snprintf(sun, sizeof sun, "%s           %3d         %3d          %3d\r\n", ChosenPlanetAbbrevs()[1],
                  av.m_sodhyaPinda[0][1], av.m_rasiPinda[0][1], av.m_grahaPinda[0][1]);
    EXPECT_EQ(text.rfind("      Sodhya Pinda  Rasi Pinda  Graha Pinda\r\n", 0), 0u);
    EXPECT_NE(text.find(sun), std::string::npos);
    EXPECT_EQ(text.size() - text.rfind("\r\n\r\n"), 4u);
    // The sodhya pinda is the sum of the other two.
    for (int b = 0; b < kAshtakavargaPoints; ++b)
        EXPECT_EQ(av.m_sodhyaPinda[0][b], av.m_rasiPinda[0][b] + av.m_grahaPinda[0][b]);
}

TEST_F(AshtakavargaViewTest, ReportTextIsRebuiltThroughTheDispatch) {
    g_strAVTableText.clear();
    RefreshViewData(true);
    EXPECT_EQ(g_strAVTableText, AshtakavargaTableText(m_document.m_natalChart));
    EXPECT_EQ(g_strAVPindaText, AshtakavargaPindaText(m_document.m_natalChart));
}

TEST_F(AshtakavargaViewTest, HighlightOffGreysItsVargaItemAndShortensTheHeader) {
    const auto itemEnabled = [this](const char* text) {
        QMenu menu;
        m_view.BuildContextMenu(menu);
        for (QAction* action : menu.actions())
            if (action->text() == text) return action->isEnabled();
        ADD_FAILURE() << text;
        return false;
    };
    const char* item = "H&ighlight rasis occupied in this divisional chart";
    EXPECT_TRUE(itemEnabled(item));
    EXPECT_NE(AvChartsHeader(m_document.m_natalChart, g_ashtakavargaChoice).find("Positions in D-1 are highlighted."),
              std::string::npos);
    m_view.OnToggleHighlight();
    EXPECT_FALSE(itemEnabled(item));
    EXPECT_EQ(AvChartsHeader(m_document.m_natalChart, g_ashtakavargaChoice),
              "D-1 of the Natal Chart\nBhinna ashtakavarga (BAV) - with reference to Cancer.");
}

// A notch of the wheel scrolls the page by less than a row of its charts, so that no chart jumps out
// of view unseen, and nothing with Shift or Ctrl held.
TEST_F(AshtakavargaViewTest, ScrollStepsAndTheWheel) {
    m_view.resize(300, 200);
    m_view.show();
    m_view.OnInitialUpdate();
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier)})
        EXPECT_EQ(TurnWheel(m_view, held), (Point{0, 0})) << static_cast<int>(held);
    const int notch = TurnWheel(m_view, Qt::NoModifier).y;
    EXPECT_GT(notch, 0);
    EXPECT_LE(notch, m_view.Cells()[3].top - m_view.Cells()[0].top);
}

TEST_F(AshtakavargaViewTest, MenuChecksTheFormShown) {
    const auto checked = [this] {
        QMenu menu;
        m_view.BuildContextMenu(menu);
        std::vector<std::string> texts;
        for (QAction* action : menu.actions())
            if (action->isChecked()) texts.push_back(action->text().toStdString());
        return texts;
    };
    using Texts = std::vector<std::string>;
    EXPECT_EQ(checked(), (Texts{"&Highlight the rasi containing planet", "Show &BAVs and SAV"}));
    m_view.ShowBhinna(true);
    EXPECT_EQ(checked(), (Texts{"&Highlight the rasi containing planet",
                                "Show &SoAV - sodhita (reduced) ashtakavargas"}));
    m_view.ShowPav(0);
    EXPECT_EQ(checked(), (Texts{"&Highlight the rasi containing planet", "Show PAV of &Lagna"}));
    // The pinda forms keep the PAV planet's mark.
    m_view.ShowForm(2);
    EXPECT_EQ(checked(), (Texts{"&Highlight the rasi containing planet", "Show PAV of &Lagna"}));
}

TEST_F(AshtakavargaViewTest, ANewVargaMovesTheHighlightVargaWithIt) {
    g_ashtakavargaChoice.highlightVarga = 4;
    m_view.ShowVarga(1);
    EXPECT_EQ(g_ashtakavargaChoice.varga, 1);
    EXPECT_EQ(g_ashtakavargaChoice.highlightVarga, 1);
}

TEST_F(AshtakavargaViewTest, HighlightFollowsTheHighlightVargasPositionAndNeverTheSav) {
    const CChart& chart = m_document.m_natalChart;
    AvChartFrame frame;
    frame.chart = &chart;
    frame.highlightVarga = 1; // D-9
    for (int body = 0; body < kAshtakavargaPoints; ++body)
        EXPECT_EQ(AvHighlightedSign(frame, body), chart.m_vargaSign.Sign(body, 1)) << body;
    EXPECT_EQ(AvHighlightedSign(frame, kAvNoBody), -1);
    frame.highlightPlanetRasi = false;
    EXPECT_EQ(AvHighlightedSign(frame, 1), -1);
}

TEST_F(AshtakavargaViewTest, AnotherSignAsLagnaRecomputesAndGoingBackRestores) {
    const CChart& chart = m_document.m_natalChart;
    const SignBindus lagnaRow = chart.m_ashtakavarga.m_bhinna[0][0];
    const CPrastara sunsPav = chart.m_ashtakavarga.m_prastara[0][1];
    m_view.RecomputeWithLagna(6); // Libra in place of Cancer
    EXPECT_EQ(chart.m_ashtakavarga.m_referenceShift[0], 3);
    EXPECT_EQ(AvReferenceSign(chart, 0), 6);
    EXPECT_NE(AvChartsHeader(chart, g_ashtakavargaChoice).find("with reference to Libra."), std::string::npos);
    // What the lagna gives is counted from Libra: each of its places three signs on.
    for (int s = 0; s < 12; ++s)
        EXPECT_EQ(chart.m_ashtakavarga.m_prastara[0][1].m_given[(s + 3) % 12][0], sunsPav.m_given[s][0]) << s;
    EXPECT_NE(AvPavHeader(chart, g_ashtakavargaChoice).find("The 4th house is used instead of lagna."),
              std::string::npos);
    m_view.OnBackToActualLagna();
    EXPECT_EQ(chart.m_ashtakavarga.m_referenceShift[0], 0);
    EXPECT_EQ(chart.m_ashtakavarga.m_bhinna[0][0], lagnaRow);
}

TEST_F(AshtakavargaViewTest, ProductsWithoutRemainderCountAsTheLastNakshatraAndRasi) {
    struct Case {
        int product, nakshatra, rasi;
    };
    constexpr Case kCases[] = {{0, 27, 12}, {1, 1, 1}, {27, 27, 3}, {12, 12, 12}, {108, 27, 12}, {100, 19, 4}};
    for (const Case& c : kCases) {
        EXPECT_EQ(AvProductNakshatra(c.product), c.nakshatra) << c.product;
        EXPECT_EQ(AvProductRasi(c.product), c.rasi) << c.product;
    }
}

TEST_F(AshtakavargaViewTest, TransitModeShowsTheNatalChartUntilChosenAndTheNextCalculationResets) {
    CLocalDateTime moment = m_document.m_natalChart.m_dateTime;
    moment.m_nYear += 20;
    ASSERT_TRUE(m_document.ShowTransitChart(moment).ok());
    EXPECT_EQ(m_view.ShownChart(), &m_document.m_natalChart);
    m_view.UseChart(true);
    EXPECT_EQ(m_view.ShownChart(), &m_document.m_workChart);
    EXPECT_EQ(m_view.ShownChart(), &m_document.m_workChart);
    ASSERT_TRUE(m_document.SyncAndCalculate().ok());
    EXPECT_EQ(m_view.ShownChart(), &m_document.m_natalChart);
}

TEST_F(AshtakavargaViewTest, PrintedFormsForceTheRasiBhinnaTablesAndPutTheScreenBack) {
    g_ashtakavargaChoice.varga = 1;
    g_ashtakavargaChoice.highlightVarga = 2;
    g_ashtakavargaChoice.displayMode = 1;
    g_ashtakavargaChoice.sodhita = true;
    const AshtakavargaChoice before = g_ashtakavargaChoice;
    ProbeSurface charts;
    m_view.PrintInto(charts, 0);
    EXPECT_NE(charts.FindText("D-1 of the Natal Chart"), nullptr);
    EXPECT_NE(charts.FindText("SAV"), nullptr);
    ProbeSurface pindas;
    m_view.PrintInto(pindas, 1);
    EXPECT_NE(pindas.FindText("Sodhya Pinda"), nullptr);
    EXPECT_EQ(g_ashtakavargaChoice.varga, before.varga);
    EXPECT_EQ(g_ashtakavargaChoice.highlightVarga, before.highlightVarga);
    EXPECT_EQ(g_ashtakavargaChoice.displayMode, before.displayMode);
    EXPECT_EQ(g_ashtakavargaChoice.sodhita, before.sodhita);
}

TEST_F(AshtakavargaViewTest, ReportKindFiveReachesTheNewestPageButNotTheEntryPage) {
    EXPECT_EQ(g_pAshtakaVargaView, &m_view);
    CEntryAshtakaVargaView entry;
    EXPECT_EQ(g_pAshtakaVargaView, &m_view);
    ProbeSurface surface;
    DrawViewKind(surface, kAshtakavargaReport, 1, 0);
    EXPECT_NE(surface.FindText("Sodhya Pinda"), nullptr);
}

// The Basics tab's small pane and the Strengths tab's page at the sizes a 1366 x 768 and a 1600 x 1000
// screen give them, in every style: the numbers, the charts' names and the lagna's sign are legible, and
// none stands on a line of a chart or on another text.
TEST_F(AshtakavargaViewTest, ChartTextsStayLegibleAndClearAtTheScreensPaneSizes) {
    for (const int style : {0, 2, 4}) {
        g_nChartStyle = style;
        CAVSmalView small;
        CAshtakaVargaView page;
        const struct {
            CAshtakaVargaView* view;
            Size size;
        } cases[] = {{&small, {490, 330}}, {&small, {540, 460}}, {&page, {930, 600}}, {&page, {1080, 790}}};
        for (const auto& c : cases) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", " << c.size.cx << " x " << c.size.cy);
            c.view->SetDocument(&m_document);
            c.view->resize(c.size.cx, c.size.cy);
            c.view->OnInitialUpdate();
            LabelLayoutSurface surface;
            c.view->OnDraw(surface);
            EXPECT_EQ(LayoutFaults(surface), std::vector<std::string>{});
        }
    }
}

// The page and the small pane in each style, with the PAV of the Moon on the page.
class AshtakavargaPictureTest : public AshtakavargaViewTest {
protected:
    QImage Render(CAshtakaVargaView& view, Size size) {
        view.SetDocument(&m_document);
        view.resize(size.cx, size.cy);
        view.OnInitialUpdate();
        ImageSurface image(size);
        view.OnDraw(image.Surface());
        return image.Image();
    }
    static void Compare(const QImage& image, const std::string& name) { CompareWithGolden(image, name); }
};

TEST_F(AshtakavargaPictureTest, PagesAndSmallPanesInTheThreeStyles) {
    struct Style {
        int style;
        const char* name;
    };
    for (const Style& s : {Style{0, "south"}, Style{2, "north"}, Style{4, "east"}}) {
        SCOPED_TRACE(s.name);
        g_nChartStyle = s.style;
        CAshtakaVargaView page;
        Compare(Render(page, Size{420, 500}), std::string("ashtakavarga_page_") + s.name);
        CAVSmalView small;
        Compare(Render(small, Size{360, 440}), std::string("ashtakavarga_small_") + s.name);
        g_ashtakavargaChoice.displayMode = 1;
        g_ashtakavargaChoice.pavPlanet = 2;
        CAshtakaVargaView pav;
        Compare(Render(pav, Size{440, 520}), std::string("ashtakavarga_pav_") + s.name);
        g_ashtakavargaChoice = {};
    }
}

} // namespace
