// The lagna and the grahas stand clear in the twelve charts of the Basics tab, in the South, North and East
// Indian styles, with the window at its size on a 1366 x 768 and on a 1600 x 1000 screen, for a birth with
// eight grahas in one sign and for a spread one: no lesser label (arudhas, special lagnas, upagrahas,
// sphutas, sign numbers) stands on them, and they stand on one another only in a cell too small to hold
// them apart; a lesser label with no clear place stands where it covers least. A text counts as covered
// when another text's letters cover a fifth of its own letters or more. The Sudarsana chakra writes the
// crowded birth's grahas with legible capitals, clear of its lines and of every other text. What is drawn
// later covers what is drawn before: nothing but a graha is drawn over a graha's letters after it, and a
// highlighted cell is filled before any text reaches into it.
#include <QMenu>
#include <sstream>

#include "../display/chart_label_census.h"
#include "display/chart_colors.h"
#include "main_window_test.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/sudarsana_chakra_view.h"

namespace {

// 1962-02-04 05:00:07.123, zone +5:30, New Delhi 77 12'36" E 28 36'36" N: eight grahas in Capricorn.
const std::string kCrowdedBirthText =
    "2\r\n4\r\n1962\r\n5.001187166667\r\n-5.300000\r\n-77.123600\r\n28.363600\r\n";

constexpr double kCoveredShare = 0.2;

// The share of `own` that `other` covers.
double CoveredShare(const QRectF& own, const QRectF& other) {
    const QRectF common = own.intersected(other);
    if (common.isEmpty() || own.isEmpty()) return 0;
    return common.width() * common.height() / (own.width() * own.height());
}

// The drawn texts of the lagna and the grahas of `panes`, by their index in `drawn`: the text of each
// graha's label in the cell of its sign.
std::vector<bool> GrahaTexts(CChartView& view, const std::vector<int>& panes,
                             const LabelLayoutSurface& drawn) {
    std::vector<bool> graha(drawn.texts.size(), false);
    for (const int pane : panes) {
        const CChart* chart = view.PaneChart(pane);
        if (!chart) continue;
        const int varga = g_nPaneVarga[pane];
        for (int body = 0; body < kLabelledBodies; ++body) {
            if (!g_bPaneShowBody[pane][body]) continue;
            const int sign = chart->m_vargaSign.Sign(ArudhaPositionSource(*chart, body, varga, pane), varga);
            const std::string label = g_bPaneKarakaLabels[pane] && body >= 1 && body <= 8
                                          ? FormatChartCaption(*chart, body, false)
                                          : BodyLabelText(*chart, body, pane);
            const CPolygonRegion& cell = view.DrawState().Region(pane, sign);
            for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
                const QPointF middle = drawn.texts[i].ink.center();
                if (!graha[i] && drawn.texts[i].text == label &&
                    cell.ContainsPoint(static_cast<int>(std::lround(middle.x())),
                                       static_cast<int>(std::lround(middle.y())))) {
                    graha[i] = true;
                    break;
                }
            }
        }
    }
    return graha;
}

// The grahas (and the lagna) of a drawing covered by lesser texts and by other grahas, as "Sa at 10,20
// under A7".
struct Covers {
    std::vector<std::string> byLesser;
    std::vector<std::string> byGrahas;
};
Covers GrahasCovered(const LabelLayoutSurface& drawn, const std::vector<bool>& graha) {
    Covers covers;
    const auto& texts = drawn.texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!graha[i]) continue;
        for (const bool byGraha : {false, true}) {
            for (std::size_t j = 0; j < texts.size(); ++j) {
                if (j == i || graha[j] != byGraha ||
                    CoveredShare(texts[i].letters, texts[j].letters) < kCoveredShare)
                    continue;
                std::ostringstream what;
                what << texts[i].text << " at " << texts[i].letters.left() << "," << texts[i].letters.top()
                     << " under " << texts[j].text;
                (byGraha ? covers.byGrahas : covers.byLesser).push_back(what.str());
                break;
            }
        }
    }
    return covers;
}

// Whether `area` and the letters of `text` share some of the plane, not a mere edge.
bool Overlap(const QPolygonF& area, const LabelLayoutSurface::Text& text) {
    const QRectF common = area.intersected(QPolygonF(text.letters)).boundingRect();
    return common.width() > 0 && common.height() > 0;
}

// A text and where it stands, for a failure's message.
std::string At(const LabelLayoutSurface::Text& text) {
    std::ostringstream at;
    at << '"' << text.text << "\" at " << text.letters.left() << "," << text.letters.top();
    return at.str();
}

// Whether `text` is the lagna or a graha as the charts write them ("As", "Su", "(Sa)").
bool IsGrahaLabel(const std::string& text) {
    return !text.empty() && text.find_first_not_of("0123456789") != std::string::npos &&
           !IsLesserChartLabel(text);
}

// The texts other than grahas drawn over a graha's letters after it, as "\"A7\" at 10,20 over \"Su\" at
// 12,20".
std::vector<std::string> TextsDrawnOverGrahas(const LabelLayoutSurface& drawn) {
    std::vector<std::string> over;
    const auto& texts = drawn.texts;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        if (!IsGrahaLabel(texts[i].text)) continue;
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (!IsGrahaLabel(texts[j].text) && Overlap(QPolygonF(texts[j].ink), texts[i]))
                over.push_back(At(texts[j]) + " over " + At(texts[i]));
    }
    return over;
}

// The fills of cells of `panes` drawn after a text whose letters they reach, as "pane 3, sign 9 over
// \"Su\" at 10,20".
std::vector<std::string> CellFillsOverTexts(CChartView& view, const std::vector<int>& panes,
                                            const LabelLayoutSurface& drawn) {
    std::vector<std::string> over;
    for (const LabelLayoutSurface::Fill& fill : drawn.fills) {
        for (const int pane : panes)
            for (int sign = 0; sign < 12; ++sign) {
                const CPolygonRegion& cell = view.DrawState().Region(pane, sign);
                QPolygonF area;
                for (int i = 0; i < cell.Count(); ++i) area << QPointF(cell[i].x, cell[i].y);
                if (area != fill.area) continue;
                for (std::size_t t = 0; t < fill.textsBefore; ++t)
                    if (Overlap(fill.area, drawn.texts[t]))
                        over.push_back("pane " + std::to_string(pane) + ", sign " + std::to_string(sign) +
                                       " over " + At(drawn.texts[t]));
            }
    }
    return over;
}

// The main window on a birth with its grahas crowded in one sign, and on the spread Chennai birth.
class GrahasFirstTest : public MainWindowTest {
protected:
    // Each birth's Basics charts drawn in each style on each screen: `check`(screen, drawing, view).
    template <class Check> void ForEachBasicsDrawing(Check check) {
        for (const auto& [name, text] :
             {std::pair{"crowded", &kCrowdedBirthText}, std::pair{"spread", &kChennaiChartText}}) {
            const DocumentStatus status = m_document.ReadChartText(*text, std::string(name) + ".tvd");
            ASSERT_TRUE(status.ok()) << status.error;
            m_birth = name;
            for (const MainWindowScreen& screen : {kSmallScreen, kLargeScreen}) {
                Start(screen);
                for (const int style : kChartStyles) {
                    ChooseChartStyle(style);
                    m_style = style;
                    CChartView* view = ShowChartView(kBasicsChartNode);
                    ASSERT_NE(view, nullptr);
                    SCOPED_TRACE(testing::Message()
                                 << name << " birth, style " << style << ", window " << screen.window.width()
                                 << " x " << screen.window.height());
                    LabelLayoutSurface drawn;
                    view->OnDraw(drawn);
                    ASSERT_EQ(DrawnPanes(*view).size(), 12u);
                    // All the charts hold is drawn: a buried or empty picture hides nothing.
                    EXPECT_EQ(MissingLabels(*view, DrawnPanes(*view), drawn), std::vector<std::string>{});
                    check(screen, drawn, *view);
                }
            }
        }
    }

    std::string m_birth; // the birth ForEachBasicsDrawing draws: "crowded" or "spread"
    int m_style = 0;     // and the style it draws it in

    // The Sudarsana of the crowded birth showing the planets, shown in the window started on `screen`; null
    // when the window has none.
    CSudarsanaChakraView* ShowCrowdedSudarsana(const MainWindowScreen& screen) {
        EXPECT_TRUE(m_document.ReadChartText(kCrowdedBirthText, "crowded.tvd").ok());
        Start(screen);
        const auto panes = Panes<CSudarsanaChakraView>();
        EXPECT_EQ(panes.size(), 1u);
        if (panes.empty()) return nullptr;
        const auto [node, pane] = panes.front();
        Show(node);
        EXPECT_TRUE(pane->RunCommand(g_chakraGroups[kGroupPlanets].command));
        return pane;
    }
    // The labels of the planets the Sudarsana writes for the document's chart.
    std::vector<ChakraLabel> SudarsanaGrahas() {
        return ChakraGroupLabels(kGroupPlanets, *m_document.m_pCurrentChart, true,
                                 g_sudarsanaSettings.vargaForBodies);
    }
};

// A right click at `point` of `view` and the item `text` of the submenu `submenu` chosen, as the view's
// context menu runs the item chosen.
void ChooseFromChartMenu(CChartView& view, Point point, const std::string& submenu, const std::string& text) {
    ASSERT_TRUE(view.HitTestForMenu(point));
    QMenu menu;
    view.BuildContextMenu(menu);
    for (QAction* entry : menu.actions()) {
        if (!entry->menu() || entry->text().toStdString() != submenu) continue;
        for (QAction* item : entry->menu()->actions())
            if (item->text().toStdString() == text) {
                ASSERT_TRUE(item->isEnabled()) << text;
                view.RunCommand(item->data().toInt());
                return;
            }
    }
    FAIL() << submenu << " > " << text;
}

// The most grahas (and lagnas) of a pane that lesser texts cover, and that other grahas cover, in every
// style: 6 and 8 at the smaller window, 1 and 2 at the larger, where only a cell too small for eight
// grahas apart (the crowded birth's Capricorn) lets grahas meet. The North Indian corner triangles at the
// smaller window are 34 x 17 pixels: the crowded birth puts four or five grahas in several of them, which at
// the 5-pixel capitals the grahas keep cannot stand apart even reaching over the lines; there 15.
constexpr unsigned kMostCoveredByLesser[2] = {6, 1}; // smaller window, larger window
constexpr unsigned kMostCoveredByGrahas[2] = {8, 2};
constexpr int kNorthStyle = 2;
constexpr unsigned kMostCoveredByGrahasInNorthAtTheSmallerWindow = 15;

TEST_F(GrahasFirstTest, NoLesserLabelStandsOnTheGrahasOfTheBasicsCharts) {
    ForEachBasicsDrawing(
        [this](const MainWindowScreen& screen, const LabelLayoutSurface& drawn, CChartView& view) {
            const int large = screen.window.width() == kLargeScreen.window.width() ? 1 : 0;
            const Covers covers = GrahasCovered(drawn, GrahaTexts(view, DrawnPanes(view), drawn));
            EXPECT_LE(covers.byLesser.size(), kMostCoveredByLesser[large])
                << testing::PrintToString(covers.byLesser);
            const unsigned mostByGrahas = m_style == kNorthStyle && !large
                                              ? kMostCoveredByGrahasInNorthAtTheSmallerWindow
                                              : kMostCoveredByGrahas[large];
            EXPECT_LE(covers.byGrahas.size(), mostByGrahas) << testing::PrintToString(covers.byGrahas);
        });
}

// A lesser label with no clear place stands where it covers least of the other lesser labels: in the
// Basics charts of the crowded birth, whose small cells hold many such labels, no lesser label has half
// its letters under another's, as when labels with no place are heaped on one spot.
TEST_F(GrahasFirstTest, LesserLabelsWithNoClearPlaceSpreadOverTheirCell) {
    ForEachBasicsDrawing([](const MainWindowScreen&, const LabelLayoutSurface& drawn, CChartView& view) {
        const std::vector<bool> graha = GrahaTexts(view, DrawnPanes(view), drawn);
        const auto& texts = drawn.texts;
        const auto lesser = [&](std::size_t i) {
            return !graha[i] && texts[i].text.size() <= kLongestLabel && IsLesserChartLabel(texts[i].text);
        };
        std::vector<std::string> heaped;
        for (std::size_t i = 0; i < texts.size(); ++i)
            for (std::size_t j = 0; j < texts.size(); ++j)
                if (j != i && lesser(i) && lesser(j) &&
                    CoveredShare(texts[i].letters, texts[j].letters) >= 0.5) {
                    std::ostringstream what;
                    what << texts[i].text << " at " << texts[i].letters.left() << ","
                         << texts[i].letters.top() << " under " << texts[j].text;
                    heaped.push_back(what.str());
                }
        EXPECT_EQ(heaped, std::vector<std::string>{});
    });
}

// The lagna and the grahas are drawn after every other text that reaches onto their letters (lesser
// labels, sign numbers, captions), so that none of these hides them where a crowded cell lets them meet.
TEST_F(GrahasFirstTest, NothingButAGrahaIsDrawnOverAGrahaAfterIt) {
    ForEachBasicsDrawing([](const MainWindowScreen&, const LabelLayoutSurface& drawn, CChartView&) {
        EXPECT_EQ(TextsDrawnOverGrahas(drawn), std::vector<std::string>{});
    });
}

// The grahas use the room of their cell before they reach over its lines: no line crosses the letters of
// the lagna or of a graha (their box less a pixel each side) in the Basics charts of the spread birth, and
// of the crowded birth at most 8 at the smaller window and 2 at the larger, where its Capricorn cannot hold
// its grahas apart. A graha a line crosses is drawn after the line, with a halo of the chart's background
// round its letters.
TEST_F(GrahasFirstTest, TheLinesOfACellRunThroughNoGrahaItCanHoldClear) {
    ForEachBasicsDrawing(
        [this](const MainWindowScreen& screen, const LabelLayoutSurface& drawn, CChartView& view) {
            const bool large = screen.window.width() == kLargeScreen.window.width();
            const std::size_t most = m_birth == "spread" ? 0 : large ? 2 : 8;
            const std::vector<bool> graha = GrahaTexts(view, DrawnPanes(view), drawn);
            std::vector<std::string> crossed, unguarded;
            for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
                const LabelLayoutSurface::Text& t = drawn.texts[i];
                if (!graha[i]) continue;
                for (std::size_t k = 0; k < drawn.strokes.size(); ++k) {
                    const LabelLayoutSurface::Stroke& s = drawn.strokes[k];
                    if (!StrokeCrosses(s, t.letters)) continue;
                    std::ostringstream what;
                    what << At(t) << " by " << s.from.x << "," << s.from.y << "-" << s.to.x << "," << s.to.y;
                    crossed.push_back(what.str());
                    if (t.halo == 0 || k >= t.hidesStrokes ||
                        t.haloColor != ColorOf(kColorChartViewCartBackground))
                        unguarded.push_back(what.str());
                    break;
                }
            }
            EXPECT_LE(crossed.size(), most) << testing::PrintToString(crossed);
            EXPECT_EQ(unguarded, std::vector<std::string>{});
        });
}

// However crowded their cell, the lagna and the grahas of the Basics charts keep capitals about 5 pixels
// high, where two-letter labels keep their strokes apart.
TEST_F(GrahasFirstTest, TheGrahasKeepCapitalsFivePixelsHigh) {
    constexpr double kLeastCapitals = 4.5; // about 5
    ForEachBasicsDrawing([](const MainWindowScreen&, const LabelLayoutSurface& drawn, CChartView& view) {
        const std::vector<bool> graha = GrahaTexts(view, DrawnPanes(view), drawn);
        std::vector<std::string> small;
        for (std::size_t i = 0; i < drawn.texts.size(); ++i)
            if (graha[i] && drawn.texts[i].letters.height() < kLeastCapitals)
                small.push_back(At(drawn.texts[i]) + " " + std::to_string(drawn.texts[i].letters.height()));
        EXPECT_EQ(small, std::vector<std::string>{});
    });
}

// A cell holding every body the Rasi chart shows (each set in Aries by hand), far more than it holds apart:
// in the Basics charts of every style its labels reach over its lines into the cells around it, which are
// all drawn after it. With each cell of the chart right-clicked in turn and its rasi drishti highlighted
// through the chart's menu, no cell is filled over a text that reaches into it, and nothing but a graha is
// drawn over a graha after it.
TEST_F(GrahasFirstTest, ACrowdReachingIntoHighlightedCellsIsDrawnOverThemAndUnderItsGrahas) {
    constexpr int kRasiPane = 0;
    constexpr int kAries = 0;
    Start(kSmallScreen);
    for (const int style : kChartStyles) {
        ChooseChartStyle(style);
        CChartView* view = ShowChartView(kBasicsChartNode);
        ASSERT_NE(view, nullptr);
        CChart* chart = view->PaneChart(kRasiPane);
        ASSERT_NE(chart, nullptr);
        ASSERT_EQ(g_nPaneVarga[kRasiPane], 0);
        for (int body = 0; body < kBodyCount; ++body) chart->m_vargaSign.SetSign(body, 0, kAries);
        const std::vector<int> panes = DrawnPanes(*view);
        LabelLayoutSurface laidOut; // the cells where the crowd's chart puts them
        view->OnDraw(laidOut);
        for (int sign = 0; sign < 12; ++sign) {
            SCOPED_TRACE(testing::Message() << "style " << style << ", sign " << sign << " right-clicked");
            const CPolygonRegion& cell = view->DrawState().Region(kRasiPane, sign);
            Point sum{};
            for (int i = 0; i < cell.Count(); ++i) sum = Point{sum.x + cell[i].x, sum.y + cell[i].y};
            ChooseFromChartMenu(*view, Point{sum.x / cell.Count(), sum.y / cell.Count()},
                                "&Highlight rasi(s)", "aspected by this rasi (&rasi drishti)");
            LabelLayoutSurface drawn;
            view->OnDraw(drawn);
            EXPECT_EQ(CellFillsOverTexts(*view, panes, drawn), std::vector<std::string>{});
            EXPECT_EQ(TextsDrawnOverGrahas(drawn), std::vector<std::string>{});
        }
    }
}

// In each ring of the Sudarsana, on the crowded birth, the lagna and every graha written with capitals 5
// pixels high or more, no line of the figure through its letters and no other text's letters on them.
TEST_F(GrahasFirstTest, TheSudarsanaWritesACrowdedSectorsGrahasLegibleAndClear) {
    for (const MainWindowScreen& screen : {kSmallScreen, kLargeScreen}) {
        SCOPED_TRACE(testing::Message() << screen.window.width() << " x " << screen.window.height());
        CSudarsanaChakraView* pane = ShowCrowdedSudarsana(screen);
        ASSERT_NE(pane, nullptr);
        LabelLayoutSurface drawn;
        pane->OnDraw(drawn);
        for (const ChakraLabel& graha : SudarsanaGrahas()) {
            int written = 0;
            for (std::size_t i = 0; i < drawn.texts.size(); ++i) {
                const LabelLayoutSurface::Text& t = drawn.texts[i];
                if (t.text != graha.text) continue;
                ++written;
                EXPECT_GE(t.letters.height(), 5.0)
                    << t.text << " at " << t.letters.left() << "," << t.letters.top();
                for (const LabelLayoutSurface::Stroke& s : drawn.strokes)
                    EXPECT_FALSE(StrokeCrosses(s, t.letters))
                        << t.text << " at " << t.letters.left() << "," << t.letters.top()
                        << " crossed by the line " << s.from.x << "," << s.from.y << "-" << s.to.x << ","
                        << s.to.y;
                for (std::size_t j = 0; j < drawn.texts.size(); ++j)
                    EXPECT_TRUE(j == i || !t.letters.intersects(drawn.texts[j].letters))
                        << t.text << " at " << t.letters.left() << "," << t.letters.top() << " under "
                        << drawn.texts[j].text;
            }
            EXPECT_EQ(written, kSudarsanaRings) << graha.text;
        }
    }
}

// The Sudarsana's rings have room across their sectors, so a crowd there moves apart rather than shrink
// below 9 pixels, where the chakras' faces give two-letter labels capitals about 5 pixels high with their
// strokes apart. At the window's size on a 1366 x 768 screen, at every font size from the smallest (where
// the crowded birth's sectors press its labels down to that floor) to the largest, every graha written in
// every ring stays on it or above.
TEST_F(GrahasFirstTest, TheSudarsanasLabelsStayNinePixelsHighInACrowd) {
    constexpr int kLeastLabelHeight = 9;
    constexpr double kLeastCapitals = 4.5; // about 5
    CSudarsanaChakraView* pane = ShowCrowdedSudarsana(kSmallScreen);
    ASSERT_NE(pane, nullptr);
    ChangeFontSize(-kFontSizeSteps);
    for (int size = 0; size < kFontSizeSteps; ++size) {
        if (size > 0) ChangeFontSize(1);
        SCOPED_TRACE(testing::Message() << "font size " << size);
        LabelLayoutSurface drawn;
        pane->OnDraw(drawn);
        for (const ChakraLabel& graha : SudarsanaGrahas()) {
            int written = 0;
            for (const LabelLayoutSurface::Text& t : drawn.texts) {
                if (t.text != graha.text) continue;
                ++written;
                EXPECT_GE(t.fontHeight, kLeastLabelHeight) << At(t);
                EXPECT_GE(t.letters.height(), kLeastCapitals) << At(t);
            }
            EXPECT_EQ(written, kSudarsanaRings) << graha.text;
        }
    }
}

} // namespace
