// The chart view on the recording surface and offscreen: every sign cell's centre finds its sign in each
// style, and the context-menu commands change what the panes show.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFontMetricsF>
#include <QMenu>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <cstdio>
#include <map>
#include <regex>

#include "core/body_names.h"
#include "core/computed_bodies.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "display/chart_commands.h"
#include "display/chart_renderers.h"
#include "display/chart_view.h"
#include "display/mixed_chart_view.h"
#include "display/styled_text.h"
#include "display_test_support.h"
#include "platform/message_box.h"
#include "platform/painter_surface.h"
#include "platform/qt_fonts.h"
#include "platform/recording_surface.h"

namespace {

// Every command of a menu and its submenus with its text and whether it is checked and enabled.
struct MenuEntry {
    std::string text;
    bool checked;
    bool enabled;
};
void CollectEntries(const QMenu& menu, std::map<int, MenuEntry>& entries) {
    for (const QAction* action : menu.actions()) {
        if (action->menu())
            CollectEntries(*action->menu(), entries);
        else if (!action->isSeparator())
            entries[action->data().toInt()] = {action->text().remove('&').toStdString(), action->isChecked(),
                                               action->isEnabled()};
    }
}

class ChartViewTest : public DisplayTest {
protected:
    ChartViewTest() {
        g_nChartPaneCount = 2;
        g_bPackedChartMode = true;
        m_view.resize(600, 900);
        m_view.OnInitialUpdate();
    }
    void Draw() {
        RecordingSurface surface;
        m_view.OnDraw(surface);
    }
    // The centre of sign s's cell in pane 0 (the mean of its vertices).
    Point CellCentre(int sign) {
        const CPolygonRegion& region = m_view.DrawState().Region(0, sign);
        int x = 0, y = 0;
        for (int i = 0; i < region.Count(); ++i) x += region[i].x, y += region[i].y;
        return Point{x / region.Count(), y / region.Count()};
    }
    CChartView m_view;
};

TEST_F(ChartViewTest, EachCellCentreFindsItsSignInEveryStyle) {
    for (int style = 0; style <= 4; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        g_nChartStyle = style;
        Draw();
        for (int sign = 0; sign < 12; ++sign) {
            ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(sign)));
            EXPECT_EQ(m_view.CurrentRasi(), sign);
        }
    }
}

TEST_F(ChartViewTest, NorthIndianTopDiamondHoldsTheLagnaSign) {
    g_nChartStyle = 2;
    g_nPaneVarga[0] = 0;
    Draw();
    const Rect pane = m_view.PaneRect(0);
    const int lagna = FixedBirthChart().m_vargaSign.Sign(kLagna, 0);
    // The top diamond's centre lies a quarter of the chart square below its top.
    ASSERT_TRUE(
        m_view.HitTestForMenu(Point{(pane.left + pane.right) / 2, pane.top + pane.Height() / 4 + 10}));
    EXPECT_EQ(m_view.CurrentRasi(), lagna);
    // Turned so that the sign in the 5th house takes the top diamond.
    const int fifth = (lagna + 4) % 12;
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(fifth)));
    ASSERT_TRUE(m_view.RunCommand(kCmdChartFromThisHouse));
    EXPECT_EQ(m_view.DrawState().paneHouseOffset[0], 4);
    Draw();
    ASSERT_TRUE(
        m_view.HitTestForMenu(Point{(pane.left + pane.right) / 2, pane.top + pane.Height() / 4 + 10}));
    EXPECT_EQ(m_view.CurrentRasi(), fifth);
}

TEST_F(ChartViewTest, ALabelFindsItsBodyAndAnEmptyPlaceNone) {
    Draw();
    const Rect sun = m_view.DrawState().bodyLabelRect[0][1];
    ASSERT_GT(sun.Width(), 0);
    ASSERT_TRUE(m_view.HitTestForMenu(Point{sun.left + 1, sun.top + 1}));
    EXPECT_EQ(m_view.CurrentBody(), 1);
    EXPECT_EQ(m_view.CurrentRasi(), FixedBirthChart().m_vargaSign.Sign(1, g_nPaneVarga[0]));
    // The centre block holds no sign and no body: both are cleared.
    const Rect pane = m_view.PaneRect(0);
    ASSERT_TRUE(m_view.HitTestForMenu(Point{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2}));
    EXPECT_EQ(m_view.CurrentBody(), kNoBody);
    EXPECT_EQ(m_view.CurrentRasi(), kNoSign);
    EXPECT_FALSE(m_view.HitTestForMenu(Point{pane.right + 2, pane.top}));
}

TEST_F(ChartViewTest, VargaViewAndModeCommandsChangeThePane) {
    Draw();
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(0)));
    EXPECT_TRUE(m_view.RunCommand(kCmdVargaD9));
    EXPECT_EQ(g_nPaneVarga[0], 1);
    EXPECT_TRUE(m_view.RunCommand(kCmdVargaD60));
    EXPECT_EQ(g_nPaneVarga[0], 19);
    EXPECT_TRUE(m_view.RunCommand(kCmdFirstVarga + 14)); // Trimsamsa, D-30
    EXPECT_EQ(g_nPaneVarga[0], 16);
    EXPECT_TRUE(m_view.RunCommand(kCmdRasiChakra));
    EXPECT_EQ(g_nPaneVarga[0], 0);
    EXPECT_TRUE(m_view.RunCommand(kCmdNatalOnly));
    EXPECT_EQ(g_nPaneDisplayMode[0], kNatalChartOnly);
    EXPECT_TRUE(m_view.RunCommand(kCmdUpagrahaView));
    EXPECT_EQ(g_nPaneBodyView[0], kUpagrahaView);
    EXPECT_TRUE(g_bPaneShowBody[0][kGulika]);
    EXPECT_FALSE(g_bPaneShowBody[0][1]);
    EXPECT_TRUE(m_view.RunCommand(kCmdSuryaArudhaView));
    EXPECT_EQ(g_nPaneArudhaFrom[0], kArudhaFromSun);
    EXPECT_TRUE(m_view.RunCommand(kCmdStandardView));
    EXPECT_EQ(g_nPaneArudhaFrom[0], kArudhaFromLagna);
    // The nodes group toggles Rahu and Ketu in every standard pane.
    const bool nodes = g_bShowInCharts[0];
    EXPECT_TRUE(m_view.RunCommand(kOptionalBodyCommands[0]));
    EXPECT_EQ(g_bPaneShowBody[1][8] != 0, !nodes);
}

TEST_F(ChartViewTest, AVariantOfAnotherVargaSwitchesThePaneAndRecalculates) {
    int recalculations = 0;
    g_chartSource.recalculate = [&] { ++recalculations; };
    const int saved = g_nD9Preference;
    g_nPaneVarga[0] = 0;
    Draw();
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(0)));
    EXPECT_TRUE(m_view.RunCommand(33238)); // Kalachakra navamsa
    EXPECT_EQ(g_nD9Preference, 1);
    EXPECT_EQ(g_nPaneVarga[0], 1);
    EXPECT_EQ(recalculations, 1);
    // The pane now shows the navamsa: its menu entry is the popup with the variant in use checked.
    QMenu menu;
    m_view.BuildContextMenu(menu);
    const QAction* popup = nullptr;
    std::string texts;
    for (const QAction* action : menu.actions()) {
        texts += action->text().toStdString() + "; ";
        if (action->text() == "Choose navamsa (D-9)") popup = action;
    }
    ASSERT_TRUE(popup && popup->menu()) << texts;
    EXPECT_TRUE(popup->menu()->actions()[1]->isChecked());
    g_nD9Preference = saved;
}

TEST_F(ChartViewTest, BhavaChakraOnAChosenBase) {
    int recalculations = 0;
    g_chartSource.recalculate = [&] { ++recalculations; };
    const int saved = g_nBhavaChartVarga;
    Draw();
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(0)));
    EXPECT_TRUE(m_view.RunCommand(kCmdBhavaChakra));
    EXPECT_EQ(g_nPaneVarga[0], 28);
    EXPECT_EQ(recalculations, 0);
    EXPECT_TRUE(m_view.RunCommand(kBhavaBaseCommands[1])); // based on the navamsa
    EXPECT_EQ(g_nBhavaChartVarga, 1);
    EXPECT_EQ(recalculations, 1);
    g_nBhavaChartVarga = saved;
}

TEST_F(ChartViewTest, ArgalaHighlightsFollowKetu) {
    CChart& chart = FixedBirthChart();
    const int ketu = chart.m_vargaSign.Sign(kKetu, 0);
    constexpr int kLeo = 4;
    struct Case {
        int ketuSign;
        int command;
        std::array<int, 4> expected;
    };
    const int elsewhere = ketu == kLeo ? 0 : ketu;
    const Case kCases[] = {
        {elsewhere, kCmdHighlightArgala, {5, 7, 2, 8}}, // Virgo, Scorpio, Gemini, Sagittarius
        {kLeo, kCmdHighlightArgala, {3, 1, 6, 0}},      // Cancer, Taurus, Libra, Aries
        {elsewhere, kCmdHighlightVirodhargala, {3, 1, 6, 0}},
    };
    Draw();
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.command);
        chart.m_vargaSign.SetSign(kKetu, 0, c.ketuSign);
        ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(kLeo)));
        ASSERT_TRUE(m_view.RunCommand(c.command));
        const auto& to = m_view.DrawState().rasiHighlightTo[0];
        for (int sign : c.expected) EXPECT_TRUE(to[sign]) << sign;
        EXPECT_EQ(std::count(to.begin(), to.end(), 1), 4);
        EXPECT_TRUE(m_view.DrawState().rasiHighlightFrom[0][kLeo]);
    }
    chart.m_vargaSign.SetSign(kKetu, 0, ketu);
    m_view.ClearHighlightsOnClick();
    EXPECT_FALSE(m_view.DrawState().rasiHighlightFrom[0][kLeo]);
}

TEST_F(ChartViewTest, KetuKeepsItsOwnRelationships) {
    Draw();
    const Rect ketu = m_view.DrawState().bodyLabelRect[0][kKetu];
    ASSERT_GT(ketu.Width(), 0) << "Ketu is drawn in the standard view with the nodes group";
    ASSERT_TRUE(m_view.HitTestForMenu(Point{ketu.left + 1, ketu.top + 1}));
    ASSERT_EQ(m_view.CurrentBody(), kKetu);
    ASSERT_TRUE(m_view.RunCommand(kCmdPermanentRelations));
    EXPECT_EQ(m_view.DrawState().bodyRelation[kKetu], 0); // the planet itself
    EXPECT_EQ(m_view.DrawState().bodyRelation[8], 2);     // Rahu a friend
    EXPECT_EQ(m_view.DrawState().bodyRelation[1], 4);     // the Sun an enemy
    EXPECT_TRUE(m_view.DrawState().paneRelations[0]);
    // The pane now draws each of the nine planets on the background of its class: the Sun's in the
    // enemy's colour, under its label.
    RecordingSurface surface;
    m_view.OnDraw(surface);
    const auto& calls = surface.Calls();
    // Pane 0's Sun: its mark is filled just before the label is drawn (after selecting font and colour).
    const auto sun = std::find_if(calls.begin(), calls.end(), [](const std::string& call) {
        return call.rfind("DrawText \"Su\"", 0) == 0;
    });
    ASSERT_NE(sun, calls.end());
    ASSERT_GE(sun - calls.begin(), 3);
    const auto fill = sun - 3;
    ASSERT_EQ(fill->rfind("FillRect", 0), 0u) << *fill;
    char colour[16];
    std::snprintf(colour, sizeof colour, "0x%06x", m_view.DrawState().relationBackColor[4]);
    EXPECT_NE(fill->find(colour), std::string::npos) << *fill;
}

TEST_F(ChartViewTest, MaranaKarakaSthanaAnswersInAMessage) {
    std::string caption;
    const auto previous = SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        caption = request.caption;
        return MessageResult::kOk;
    });
    Draw();
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(0)));
    EXPECT_TRUE(m_view.RunCommand(kCmdMaranaKarakaSthana));
    EXPECT_EQ(caption, "Planets in Marana Karaka Sthana");
    SetMessageBoxHandler(previous);
}

TEST_F(ChartViewTest, PachakadiQueriesOfAPlanetAndARasi) {
    MessageBoxRequest shown;
    const auto previous = SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        shown = request;
        return MessageResult::kOk;
    });
    Draw();
    const Rect sun = m_view.DrawState().bodyLabelRect[0][1];
    ASSERT_TRUE(m_view.HitTestForMenu(Point{sun.left + 1, sun.top + 1}));
    ASSERT_TRUE(m_view.RunCommand(kCmdPachakadiPlanet));
    EXPECT_EQ(shown.caption, "Sun: Pachakadi Relationships");
    EXPECT_EQ(shown.text.rfind("    For Sun\n\n      Naisargika Pachaka: ", 0), 0u);
    for (const char* part : {"      Vedhaka sthana: ", "\n    Sun is\n\n", "\n    Sun is in\n\n"})
        EXPECT_NE(shown.text.find(part), std::string::npos) << part;
    const int sunSign = FixedBirthChart().m_vargaSign.Sign(1, g_nPaneVarga[0]);
    ASSERT_TRUE(m_view.RunCommand(kCmdPachakadiRasi));
    EXPECT_EQ(shown.caption, std::string(g_signNames[sunSign]) + ": Pachakadi Relationships");
    EXPECT_NE(shown.text.find(std::string("\n    ") + g_signNames[sunSign] + " contains\n\n"),
              std::string::npos);
    // Rahu has no Pachakadi relations.
    const Rect rahu = m_view.DrawState().bodyLabelRect[0][8];
    ASSERT_TRUE(m_view.HitTestForMenu(Point{rahu.left + 1, rahu.top + 1}));
    ASSERT_EQ(m_view.CurrentBody(), 8);
    EXPECT_FALSE(m_view.RunCommand(kCmdPachakadiPlanet));
    SetMessageBoxHandler(previous);
}

TEST_F(ChartViewTest, SignChangeQueriesNameTheBodyAndVarga) {
    std::string caption;
    const auto previous = SetMessageBoxHandler([&](const MessageBoxRequest& request) {
        caption = request.caption;
        return MessageResult::kOk;
    });
    g_nPaneVarga[0] = 1;
    Draw();
    ASSERT_TRUE(m_view.HitTestForMenu(CellCentre(0)));
    EXPECT_TRUE(m_view.RunCommand(kCmdLagnaSignChange));
    EXPECT_EQ(caption, std::string("When will ") + g_pszPlanetNames[0] + " change in this Navamsa chart?");
    // The planet's query needs a planet under the click.
    const Rect pane = m_view.PaneRect(0);
    ASSERT_TRUE(m_view.HitTestForMenu(Point{(pane.left + pane.right) / 2, (pane.top + pane.bottom) / 2}));
    EXPECT_FALSE(m_view.RunCommand(kCmdPlanetSignChange));
    SetMessageBoxHandler(previous);
}

// A recording surface that keeps the lines drawn and the rectangle each text takes.
class LinesAndTexts : public RecordingSurface {
public:
    struct Text {
        std::string text;
        Rect taken;
    };
    void Line(Point from, Point to) override {
        lines.push_back({from, to});
        RecordingSurface::Line(from, to);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect taken = RecordingSurface::DrawText(text, rect, format);
        if (!(format & kTextCalcRect)) texts.push_back({std::string(text), taken});
        return taken;
    }
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Text> texts;
};

// The twelve North Indian panes touch: the caption of a pane in the second or third row stays clear of
// the double frame of the pane above it.
TEST_F(ChartViewTest, NorthIndianCaptionsStayClearOfTheFrameAbove) {
    g_nChartStyle = 2;
    g_nChartPaneCount = 12;
    m_view.resize(560, 430);
    m_view.OnInitialUpdate();
    LinesAndTexts surface;
    m_view.OnDraw(surface);
    const std::string& title = FixedBirthChart().m_strTitle;
    int captions = 0;
    for (const auto& text : surface.texts) {
        if (text.text != title) continue;
        ++captions;
        SCOPED_TRACE(std::to_string(text.taken.left) + "," + std::to_string(text.taken.top));
        for (const auto& [from, to] : surface.lines) {
            const bool across = from.y == to.y && std::min(from.x, to.x) < text.taken.right &&
                                std::max(from.x, to.x) > text.taken.left;
            // The upper half of the caption's line, where a frame above would strike the letters.
            const int middle = (text.taken.top + text.taken.bottom) / 2;
            if (across) {
                EXPECT_FALSE(from.y >= text.taken.top && from.y < middle) << from.y;
            }
        }
    }
    EXPECT_EQ(captions, 12);
}

TEST_F(ChartViewTest, TwoChartStylesPairThePanes) {
    g_bUseTwoChartStyles = true;
    g_nChartStyle = 0;
    g_nChartStyle2 = 2;
    g_nPaneVarga = {1, 0};
    Draw();
    // Pane 1 shows pane 0's varga in the North Indian style: its side cells are triangles.
    const int lagna = FixedBirthChart().m_vargaSign.Sign(kLagna, 1);
    EXPECT_EQ(m_view.DrawState().Region(0, (lagna + 1) % 12).Count(), 4);
    EXPECT_EQ(m_view.DrawState().Region(1, (lagna + 1) % 12).Count(), 3);
    // A click in pane 1 finds the sign under it there, and the commands act on pane 0.
    const CPolygonRegion& cell = m_view.DrawState().Region(1, lagna);
    const Point centre{(cell[0].x + cell[2].x) / 2, (cell[1].y + cell[3].y) / 2};
    ASSERT_TRUE(m_view.HitTestForMenu(centre));
    EXPECT_EQ(m_view.CurrentPane(), 0);
    EXPECT_EQ(m_view.CurrentRasi(), lagna);
}

TEST_F(ChartViewTest, ChartPictureCentreShowsTheBirthData) {
    ChartDrawState state;
    state.centreBirthData = true;
    g_strChartCentreCaption = "Birth chart";
    RecordingSurface surface;
    DrawSouthIndianChart(surface, state, Rect{0, 0, 400, 400}, 0, FixedBirthChart(), 0, true, true);
    const auto drawn = [&](const std::string& text) {
        return std::any_of(surface.Calls().begin(), surface.Calls().end(), [&](const std::string& call) {
            return call.rfind("DrawText \"" + text + "\"", 0) == 0;
        });
    };
    EXPECT_TRUE(drawn("Birth chart"));
    EXPECT_TRUE(drawn("January 15, 1990"));
    EXPECT_TRUE(drawn("6:29:59 (0:00 west)")); // whole seconds are cut, not rounded
    EXPECT_TRUE(drawn("77 E 12, 28 N 36"));
    EXPECT_FALSE(drawn("Natal Chart"));
    g_strChartCentreCaption.clear();
}

// The label rectangle a click is tested against is the text as drawn: measured in the label's own font.
TEST_F(ChartViewTest, HitRectangleIsTheDrawnLabel) {
    RecordingSurface surface;
    ChartDrawState state;
    g_dChartScale = 1.0;
    g_chartFontA = g_displayFonts[0];
    g_chartFontB = g_displayFonts[1];
    DrawSouthIndianChart(surface, state, Rect{0, 0, 480, 480}, 0, FixedBirthChart(), 0, true, true);
    std::string font;
    for (const std::string& call : surface.Calls()) {
        if (call.rfind("SelectFont", 0) == 0) font = call;
        if (call.rfind("DrawText \"Su\"", 0) == 0) break;
    }
    // "SelectFont \"face\" height width weight"
    const size_t close = font.find('"', 12);
    LogicalFont labelFont{font.substr(12, close - 12)};
    std::sscanf(font.c_str() + close + 1, "%d %d %d", &labelFont.height, &labelFont.width, &labelFont.weight);
    labelFont.pitchAndFamily = g_chartFontB.pitchAndFamily;
    labelFont.quality = g_chartFontB.quality;
    ImageSurface measure(Size{1, 1});
    measure.Surface().SelectFont(labelFont);
    const Rect drawn = measure.Surface().DrawText("Su", Rect{0, 0, 0, 0}, kTextCalcRect);
    const Rect hit = state.bodyLabelRect[0][1];
    EXPECT_EQ(hit.Width(), drawn.Width());
    EXPECT_EQ(hit.Height(), drawn.Height());
}

// The user's extra points are drawn once, by their own step, whatever show flags their slots carry;
// the body loop stops where the label tables end.
TEST_F(ChartViewTest, ExtraPointsAreDrawnOnce) {
    CChart chart = FixedBirthChart();
    chart.m_extraName[0] = "Muntha";
    chart.m_extraShortName[0] = "Mu";
    chart.m_extraVargaSign[0][0] = 3;
    g_bPaneShowBody[0][102] = 1;
    g_bPaneShowBody[0][104] = 1;
    ChartDrawState state;
    RecordingSurface surface;
    DrawNorthIndianChart(surface, state, Rect{0, 0, 480, 480}, 0, chart, 0, true, true);
    EXPECT_EQ(std::count_if(surface.Calls().begin(), surface.Calls().end(),
                            [](const std::string& call) { return call.rfind("DrawText \"Mu\"", 0) == 0; }),
              1);
    g_bPaneShowBody[0][102] = 0;
    g_bPaneShowBody[0][104] = 0;
}

// In the fixed chart Mercury, retrograde, shares a cell with Saturn and stands at the frame in the
// North Indian style: every planet's label keeps clear of its row's neighbours and inside its cell.
TEST_F(ChartViewTest, PlanetLabelsKeepAGapAndStayInTheirCells) {
    const CChart& chart = FixedBirthChart();
    for (int style = 0; style <= 4; ++style) {
        SCOPED_TRACE("style " + std::to_string(style));
        g_nChartStyle = style;
        g_nPaneVarga[0] = 0;
        Draw();
        const auto& labels = m_view.DrawState().bodyLabelRect[0];
        for (int a = 0; a <= kKetu; ++a) {
            const Rect& box = labels[a];
            if (box.Width() <= 0) continue;
            const int middle = (box.top + box.bottom) / 2;
            const CPolygonRegion& cell = m_view.DrawState().Region(0, chart.m_vargaSign.Sign(a, 0));
            EXPECT_TRUE(cell.ContainsPoint(box.left, middle) && cell.ContainsPoint(box.right, middle))
                << g_pszPlanetNames[a];
            for (int b = a + 1; b <= kKetu; ++b) {
                const Rect& other = labels[b];
                const int overlap = std::min(box.bottom, other.bottom) - std::max(box.top, other.top);
                if (other.Width() <= 0 || overlap * 2 <= std::min(box.Height(), other.Height())) continue;
                EXPECT_TRUE(box.right < other.left || other.right < box.left)
                    << g_pszPlanetNames[a] << " touches " << g_pszPlanetNames[b];
            }
        }
    }
}

TEST_F(ChartViewTest, MixedViewPanesByTheClickedRing) {
    CMixedChartView mixed;
    mixed.resize(380, 500);
    mixed.OnInitialUpdate();
    EXPECT_EQ(g_nPaneVarga[kInnerPane], 0);
    EXPECT_EQ(g_nPaneVarga[kOuterPane], 1); // natal mode: the navamsa outside
    RecordingSurface surface;
    mixed.OnDraw(surface);
    const Rect inner = mixed.InnerRect();
    ASSERT_TRUE(mixed.HitTestForMenu(Point{inner.left + 5, inner.top + 5}));
    EXPECT_EQ(mixed.CurrentPane(), kInnerPane);
    ASSERT_TRUE(mixed.HitTestForMenu(Point{inner.left - 5, inner.top + 5}));
    EXPECT_EQ(mixed.CurrentPane(), kOuterPane);
    EXPECT_FALSE(mixed.HitTestForMenu(Point{2, 2}));
}

// The mixed view's menu is its own: the ring clicked, its varga, body views and display mode, without
// the chart view's birth-time, research-varga, aspect-table and packed-mode entries.
TEST_F(ChartViewTest, MixedViewMenuActsOnTheClickedRing) {
    CMixedChartView mixed;
    mixed.resize(600, 700);
    mixed.OnInitialUpdate();
    g_nChartStyle = 2;
    RecordingSurface surface;
    mixed.OnDraw(surface);
    const Rect inner = mixed.InnerRect();
    ASSERT_TRUE(mixed.HitTestForMenu(Point{inner.left + 5, (inner.top + inner.bottom) / 2}));
    ASSERT_EQ(mixed.CurrentPane(), kInnerPane);
    QMenu menu;
    mixed.BuildContextMenu(menu);
    std::map<int, MenuEntry> entries;
    CollectEntries(menu, entries);
    for (const int absent : std::initializer_list<int>{
             kCmdBirthTimePreviousSign, kCmdUndoAllBirthTimeChanges, kCmdCustomVarga, kCmdSubVarga,
             kCmdAspectTableOfPane, kCmdPackedChartMode, kCmdStandardWithArudhas, kCmdPachakadiPlanet,
             kCmdPlanetSignChange, kOptionalBodyCommands[7], kOptionalBodyCommands[8]})
        EXPECT_FALSE(entries.contains(absent)) << entries[absent].text;
    const struct {
        int command;
        const char* text;
    } present[] = {
        {kCmdRasiChakra, "Rasi chakra"},
        {kCmdBhavaChakra, "Bhava chakra or Chalit chakra"},
        {kCmdVargaD9, "Navamsa chakra"},
        {kCmdFirstVarga, "Hora (D-2)"},
        {kCmdFirstVarga + 14, "Trimsamsa (D-30)"},
        {kCmdVargaD60, "Shashtyamsa (D-60)"},
        {kCmdShowAshtakavarga, "Show ashtakavarga of this chart"},
        {kCmdMaranaKarakaSthana, "Planets in marana karaka sthana"},
        {kCmdSpecialLagnaView, "Special lagna view"},
        {kOptionalBodyCommands[9], "Maandi"},
        {kOptionalBodyCommands[10], "Gulika"},
    };
    for (const auto& p : present) {
        ASSERT_TRUE(entries.contains(p.command)) << p.text;
        EXPECT_EQ(entries[p.command].text, p.text);
    }
    EXPECT_TRUE(entries[kCmdStandardView].checked);
    EXPECT_TRUE(entries[kCmdNatalOnly].checked); // the inner ring shows the natal chart
    EXPECT_FALSE(entries[kCmdAutomatic].checked);

    // Its commands change the ring clicked; the optional bodies reach both rings.
    EXPECT_TRUE(mixed.RunCommand(kCmdFirstVarga + 14));
    EXPECT_EQ(g_nPaneVarga[kInnerPane], 16);
    EXPECT_EQ(g_nPaneVarga[kOuterPane], 1);
    const bool nodes = g_bShowInCharts[0];
    EXPECT_TRUE(mixed.RunCommand(kOptionalBodyCommands[0]));
    EXPECT_EQ(g_bPaneShowBody[kInnerPane][kRahu] != 0, !nodes);
    EXPECT_EQ(g_bPaneShowBody[kOuterPane][kKetu] != 0, !nodes);
    EXPECT_TRUE(mixed.RunCommand(kOptionalBodyCommands[0]));
}

// The wheel scrolls a chart view; with Shift or Ctrl held it does nothing, in either direction.
TEST_F(ChartViewTest, ShiftOrCtrlWheelLeavesTheViewWhereItIs) {
    m_view.show();
    m_view.SetScrollSizes(Size{3000, 3000});
    const auto turn = [&](Qt::KeyboardModifiers modifiers) {
        QWheelEvent wheel(QPointF(50, 50), m_view.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(m_view.viewport(), &wheel);
        return Point{m_view.horizontalScrollBar()->value(), m_view.verticalScrollBar()->value()};
    };
    for (const Qt::KeyboardModifiers held :
         {Qt::KeyboardModifiers(Qt::ShiftModifier), Qt::KeyboardModifiers(Qt::ControlModifier),
          Qt::ShiftModifier | Qt::ControlModifier}) {
        SCOPED_TRACE(static_cast<int>(held));
        EXPECT_EQ(turn(held), (Point{0, 0}));
    }
    EXPECT_GT(turn(Qt::NoModifier).y, 0);
}

// The texts a drawing puts on the page, each with the box its glyphs' ink takes.
class TextInkSurface : public RecordingSurface {
public:
    struct Drawn {
        std::string text;
        QRectF ink;
        QRectF letters;
        int fontHeight; // pixels: the cell height of the font asked for
    };
    void SelectFont(const LogicalFont& font) override {
        m_font = font;
        RecordingSurface::SelectFont(font);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect extent = RecordingSurface::DrawText(text, rect, format);
        if (format & kTextCalcRect) return extent;
        const QFontMetricsF metrics(QFontFromLogicalFont(m_font, m_device), &m_device);
        const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        double left = rect.left;
        const double width = metrics.horizontalAdvance(qtext);
        if (format & kTextCenter)
            left = rect.left + (rect.Width() - width) / 2;
        else if (format & kTextRight)
            left = rect.right - width;
        const QRectF ink = metrics.tightBoundingRect(qtext).translated(left, rect.top + metrics.ascent());
        // The letters' band: from the capitals' top to the baseline.
        const double capitalTop = rect.top + metrics.ascent() - metrics.capHeight();
        const double baseline = rect.top + metrics.ascent();
        drawn.push_back({std::string(text), ink,
                         QRectF(ink.left(), capitalTop, ink.width(), baseline - capitalTop), m_font.height});
        return extent;
    }
    std::vector<Drawn> drawn;

private:
    LogicalFont m_font;
    QImage m_device{1, 1, QImage::Format_RGB32};
};

// Every pair of texts drawn whose letters meet, as "A over B": their ink boxes overlap in both
// directions by more than a quarter of the smaller, the room a descender or the top of a capital may
// touch left out. A label with no clear place is drawn over another text once lowered to the crowded
// height: a pair with such a label is not counted.
std::vector<std::string> OverlappingTexts(const std::vector<TextInkSurface::Drawn>& drawn) {
    std::vector<std::string> found;
    const auto crowded = [](const TextInkSurface::Drawn& d) { return d.fontHeight <= kCrowdedTextHeight; };
    for (std::size_t i = 0; i < drawn.size(); ++i)
        for (std::size_t j = i + 1; j < drawn.size(); ++j) {
            if (crowded(drawn[i]) || crowded(drawn[j])) continue;
            const QRectF& a = drawn[i].letters;
            const QRectF& b = drawn[j].letters;
            const QRectF common = a & b;
            if (common.width() > 0.25 * std::min(a.width(), b.width()) &&
                common.height() > 0.25 * std::min(a.height(), b.height()))
                found.push_back(drawn[i].text + " over " + drawn[j].text);
        }
    return found;
}

// Beside the planets, no label's letters cover another text's: the small labels (arudhas, upagrahas) and
// the sign numbers keep clear of each other in the North Indian charts of several vargas and sizes and
// in both rings of the mixed North Indian chart. The births are the fixed one and three others, 37.13
// days apart, whose D-30 put an arudha or a lagna on a sign number. (The sign numbers of neighbouring
// cells are placed by their own table and are not compared with each other here.)
TEST_F(ChartViewTest, NoLabelCoversAnotherTextInNorthIndianCharts) {
    g_nChartStyle = 2;
    for (const int birth : {0, 10, 12, 14}) {
        CChart chart = [&] {
            CScopedOptions saved;
            ChooseAyanamsa(kAyanamsaTrueLahiri);
            return ChartAt<CChart>(2447906.770833 + birth * 37.13, 77.21, 28.61);
        }();
        ASSERT_TRUE(chart.ComputeAll(false).ok());
        chart.m_strTitle = "Natal Chart";
        g_chartSource.natal = [&] { return &chart; };
        g_chartSource.current = g_chartSource.natal;
        const auto labelsOnly = [](const std::vector<std::string>& overlaps) {
            std::vector<std::string> kept;
            for (const std::string& o : overlaps)
                if (!std::regex_match(o, std::regex("[0-9]+ over [0-9]+"))) kept.push_back(o);
            return kept;
        };
        for (const int varga : {kD1Column, kD9Column, kD30Column}) {
            for (const int width : {300, 500, 700}) {
                SCOPED_TRACE(testing::Message() << "birth " << birth << ", " << g_strVargaLabels[varga]
                                                << ", " << width << " wide");
                m_view.RecalcLayout(Size{width, 2 * width});
                TextInkSurface surface;
                m_view.DrawChart(surface, m_view.PaneRect(0), varga, chart, 0, true);
                EXPECT_EQ(labelsOnly(OverlappingTexts(surface.drawn)), std::vector<std::string>{});
                if (varga == kD30Column && width == 500) { // for a look
                    ImageSurface image(Size{m_view.PaneRect(0).right + 10, m_view.PaneRect(0).bottom + 10});
                    m_view.DrawChart(image.Surface(), m_view.PaneRect(0), varga, chart, 0, true);
                    image.Image().save(QString(KH_TEST_OUTPUT_DIR) + "/north_d30_birth" +
                                       QString::number(birth) + ".png");
                }
            }
        }
        for (const int side : {400, 600, 800}) {
            SCOPED_TRACE(testing::Message() << "birth " << birth << ", mixed " << side);
            CMixedChartView mixed;
            mixed.show();
            mixed.resize(side, side);
            QApplication::processEvents();
            mixed.OnInitialUpdate();
            TextInkSurface surface;
            mixed.OnDraw(surface);
            EXPECT_EQ(labelsOnly(OverlappingTexts(surface.drawn)), std::vector<std::string>{});
            if (side == 600) {
                ImageSurface image(Size{side, side});
                mixed.OnDraw(image.Surface());
                image.Image().save(QString(KH_TEST_OUTPUT_DIR) + "/mixed_north_birth" +
                                   QString::number(birth) + ".png");
            }
            // The chart fits the window: no scroll bar shows.
            EXPECT_FALSE(mixed.horizontalScrollBar()->isVisible());
            EXPECT_FALSE(mixed.verticalScrollBar()->isVisible());
        }
    }
}

} // namespace

// A recording surface that keeps each drawing of one text: whether it fits the rectangle it is given
// whole, or is shortened at its end (the surface then draws its start and an ellipsis).
class TitleProbe : public RecordingSurface {
public:
    explicit TitleProbe(std::string title) : m_title(std::move(title)) {}
    struct Drawn {
        bool fits;
        bool endShortened;
    };
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        if (text == m_title && !(format & kTextCalcRect))
            drawn.push_back({TextExtent(text).cx <= rect.Width(),
                             (format & kTextEndEllipsis) && (format & kTextSingleLine)});
        return RecordingSurface::DrawText(text, rect, format);
    }
    std::vector<Drawn> drawn;

private:
    std::string m_title;
};

// In twelve narrow panes a chart's title that does not fit its place keeps its first letters: it is
// shortened at its end, never cut at both ends, in every chart style.
TEST_F(ChartViewTest, ACutTitleKeepsItsFirstLetters) {
    g_nChartPaneCount = 12;
    g_bPackedChartMode = false;
    m_view.resize(415, 640); // the chart pane of the split tabs at 1366 x 768
    m_view.show();
    m_view.OnInitialUpdate();
    CChart chart = FixedBirthChart();
    g_chartSource.current = [&chart] { return &chart; };
    for (const char* title : {"Transit Search", "Tajaka annual", "Nisheka/Adhana"}) {
        chart.m_strTitle = title;
        for (int style = 0; style <= 4; ++style) {
            SCOPED_TRACE(std::string(title) + ", style " + std::to_string(style));
            g_nChartStyle = style;
            TitleProbe surface(title);
            m_view.OnDraw(surface);
            ASSERT_FALSE(surface.drawn.empty());
            for (const TitleProbe::Drawn& drawn : surface.drawn)
                EXPECT_TRUE(drawn.fits || drawn.endShortened);
        }
    }
}
