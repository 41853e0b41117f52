// The Sarvatobhadra chakra: its grid as drawn, the bodies in their stars, the natal special nakshatras
// beside it, the vedha, drishti and latta marks of its menu, special points, and what clicks clear.
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QMenu>
#include <QMouseEvent>
#include <QTimer>
#include <set>

#include "../../shell/dialogs/dialog_test_support.h"
#include "chakra_test_support.h"
#include "chart/chart.h"
#include "core/calendar_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "shell/color_settings.h"
#include "shell/dialogs/select_dlgs.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/chakra_groups.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"

namespace {
constexpr Size kPane{1000, 720};
using Cmd = CSarvatobhadraChakraView::Command;

// The grid by rows, as the chakra is drawn: a star's name, a letter, a sign's English name (drawn in
// the sign-name table chosen), a tithi group with its weekdays.
const char* const kGrid[9][9] = {
    {"ii", "Dhan", "Sata", "PBha", "UBha", "Reva", "Aswi", "Bhar", "a"},
    {"Srav", "rii", "g", "s", "d", "ch", "l", "u", "Krit"},
    {"Abhi", "kh", "ai", "Aquarius", "Pisces", "Aries", "lu", "a", "Rohi"},
    {"USha", "j", "Capricorn", "ah", "Rikta, Fri", "o", "Taurus", "v", "Mrig"},
    {"PSha", "bh", "Sagittarius", "Jaya, Thu", "Poorna, Sat", "Nanda, Sun, Tue", "Gemini", "k", "Ardr"},
    {"Mool", "y", "Scorpio", "am", "Bhadra, Mon, Wed", "au", "Cancer", "h", "Puna"},
    {"Jye", "n", "e", "Libra", "Virgo", "Leo", "luu", "d", "Push"},
    {"Anu", "ri", "t", "r", "p", "t~", "m", "uu", "Asre"},
    {"i", "Visa", "Swat", "Chit", "Hast", "UPha", "PPha", "Magh", "aa"},
};

std::string Displayed(const std::string& text) {
    for (int sign = 0; sign < 12; ++sign)
        if (text == g_signNames[sign]) return g_pszSignNames ? g_pszSignNames[sign] : g_signAbbrevs[sign];
    return text;
}

using CellSet = std::set<std::pair<int, int>>;

class SarvatobhadraTest : public ChakraPaneTest {
protected:
    SarvatobhadraTest() { Place(m_pane, kPane); }
    CChart& Current() { return *m_document.m_pCurrentChart; }
    // The texts other than body labels whose top-left corner lies in the cell, in drawing order.
    std::string TextsIn(const DrawnRecord& drawn, SbcCell cell) const {
        const Rect rect = m_pane.CellRect(cell);
        std::string joined;
        for (const DrawnRecord::Text& t : drawn.texts) {
            if (t.color == g_colors[kColorSbcPlanet] || !rect.Contains(Point{t.rect.left, t.rect.top})) continue;
            joined += (joined.empty() ? "" : ", ") + t.text;
        }
        return joined;
    }
    // The cells whose mark is `mark`.
    CellSet Marked(int mark) const {
        CellSet cells;
        for (int column = 0; column < 9; ++column)
            for (int row = 0; row < 9; ++row)
                if (m_pane.CellMark({column, row}) == mark) cells.insert({column, row});
        return cells;
    }
    bool AnyMark() const {
        for (int body = 0; body < 10; ++body)
            if (m_pane.BodyMark(body) != kSbcNone) return true;
        return Marked(kSbcNone).size() != 81;
    }
    QPoint ScreenPoint(Point content) const { return m_pane.viewport()->mapToGlobal(QPoint(content.x, content.y)); }
    // Opens the context menu at `content`; returns the texts of the entries it showed (enabled ones
    // marked "+"), closing it unchosen; empty when no menu came up.
    std::vector<std::string> MenuAt(Point content) {
        auto shown = std::make_shared<std::vector<std::string>>();
        QTimer::singleShot(20, [shown] {
            auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
            if (!menu) return;
            for (QAction* action : menu->actions())
                if (!action->isSeparator()) shown->push_back((action->isEnabled() ? "+" : "-") + action->text().toStdString());
            menu->close();
        });
        m_pane.OnContextMenu(ScreenPoint(content));
        QEventLoop wait;
        QTimer::singleShot(60, &wait, &QEventLoop::quit);
        wait.exec();
        return *shown;
    }

    CSarvatobhadraChakraView m_pane;
};

TEST_F(SarvatobhadraTest, TheGridAsDrawn) {
    const DrawnRecord drawn = Draw(m_pane);
    for (int row = 0; row < 9; ++row)
        for (int column = 0; column < 9; ++column)
            EXPECT_EQ(TextsIn(drawn, {column, row}), Displayed(kGrid[row][column])) << column << ", " << row;
}

TEST(SarvatobhadraGrid, StarsOfCells) {
    const struct {
        SbcCell cell;
        int star28, star27;
    } cases[] = {{{6, 0}, 0, 0},   {{8, 1}, 2, 2},    {{7, 8}, 9, 9},   {{0, 7}, 16, 16}, {{0, 3}, 20, 20},
                 {{0, 2}, 21, 20}, {{0, 1}, 22, 21},  {{5, 0}, 27, 26}, {{0, 0}, kSbcNoStar, kSbcNoStar},
                 {{4, 4}, kSbcNoStar, kSbcNoStar}};
    for (const auto& c : cases) {
        EXPECT_EQ(CellToNakshatra(c.cell), c.star28) << c.cell.column << ", " << c.cell.row;
        EXPECT_EQ(CellToNakshatra27(c.cell), c.star27) << c.cell.column << ", " << c.cell.row;
    }
    for (int star = 0; star < 28; ++star) EXPECT_EQ(CellToNakshatra(StarCell(star)), star);
}

// Bodies in one star take the slots in body order, a seventh the first again; a body in Abhijit (the
// last pada of Uttarashadha) stands in the Abhijit cell.
TEST_F(SarvatobhadraTest, BodiesInTheirStars) {
    for (int body = kLagna; body <= kVenus; ++body) Current().m_nakshatra28[body] = 5; // Ardra
    Current().m_nakshatra28[kSaturn] = 21;
    const DrawnRecord drawn = Draw(m_pane);
    const Rect ardra = m_pane.CellRect({8, 4});
    const int expectedSlots[][2] = {{8, 8}, {8, 12}, {2, 8}, {2, 12}, {2, 4}, {8, 4}, {8, 8}};
    for (int body = kLagna; body <= kVenus; ++body) {
        const DrawnRecord::Text* label = drawn.FindText(ChakraPlanetLabel(Current(), body));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->rect.left, ardra.left + expectedSlots[body][0] * ardra.Width() / 16) << body;
        EXPECT_EQ(label->rect.top, ardra.top + expectedSlots[body][1] * ardra.Height() / 16) << body;
    }
    const DrawnRecord::Text* saturn = drawn.FindText(ChakraPlanetLabel(Current(), kSaturn));
    ASSERT_NE(saturn, nullptr);
    EXPECT_TRUE(m_pane.CellRect({0, 2}).Contains(Point{saturn->rect.left, saturn->rect.top}));
}

// The side table: Janma is the natal Moon's (lagna's) own star, Abhisheka the star before it.
TEST_F(SarvatobhadraTest, TheSpecialNakshatrasBesideTheGrid) {
    const DrawnRecord drawn = Draw(m_pane);
    const int moon = m_document.m_natalChart.m_nakshatra28[kMoon];
    const int lagna = m_document.m_natalChart.m_nakshatra28[kLagna];
    const auto row = [&](const char* name) {
        std::vector<std::string> cells;
        const DrawnRecord::Text* first = drawn.FindText(name);
        if (!first) return cells;
        for (const DrawnRecord::Text& t : drawn.texts)
            if (t.rect.top == first->rect.top && t.rect.left >= first->rect.left) cells.push_back(t.text);
        return cells;
    };
    EXPECT_EQ(row("Janma"), (std::vector<std::string>{"Janma", g_nakshatraShortNames28[moon], g_nakshatraShortNames28[lagna]}));
    EXPECT_EQ(row("Abhisheka"), (std::vector<std::string>{"Abhisheka", g_nakshatraShortNames28[(moon + 27) % 28],
                                                          g_nakshatraShortNames28[(lagna + 27) % 28]}));
    EXPECT_EQ(row("Karma"), (std::vector<std::string>{"Karma", g_nakshatraShortNames28[(moon + 9) % 28],
                                                      g_nakshatraShortNames28[(lagna + 9) % 28]}));
    EXPECT_NE(drawn.FindText("From Moon"), nullptr);
    // Nothing of the table lies beyond the scroll extent.
    for (const DrawnRecord::Text& t : drawn.texts) EXPECT_LE(t.rect.left, m_pane.Layout().extent.cx - 20) << t.text;
}

// The cells marked by "FROM" on a star: the star (1) and the cells it strikes (2).
TEST_F(SarvatobhadraTest, VedhasFromAStar) {
    const auto column = [](int c, int from, int to) {
        CellSet cells;
        for (int r = from; r <= to; ++r) cells.insert({c, r});
        return cells;
    };
    const auto row = [](int r) {
        CellSet cells;
        for (int c = 0; c < 9; ++c) cells.insert({c, r});
        return cells;
    };
    const auto with = [](CellSet cells, const CellSet& more) {
        cells.insert(more.begin(), more.end());
        return cells;
    };
    const struct {
        SbcCell star;
        CellSet struck;
    } cases[] = {
        // PBha on the top border: its whole column, the bottom star Chit included, and both diagonals.
        {{3, 0}, with(column(3, 1, 8), {{4, 1}, {5, 2}, {6, 3}, {7, 4}, {8, 5}, {2, 1}, {1, 2}, {0, 3}})},
        // Mool on the left border: its whole row and both diagonals.
        {{0, 5}, with(row(5), {{1, 6}, {2, 7}, {3, 8}, {1, 4}, {2, 3}, {3, 2}, {4, 1}, {5, 0}})},
        // Dhan beside a corner: its column, its diagonals and the corner vowel.
        {{1, 0}, with(column(1, 1, 8), {{2, 1}, {3, 2}, {4, 3}, {5, 4}, {6, 5}, {7, 6}, {8, 7}, {0, 1}, {0, 0}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.star.column << ", " << c.star.row);
        m_pane.ClearHighlights();
        m_pane.SetClicked(c.star);
        ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdVedhasFrom));
        EXPECT_EQ(Marked(kSbcFrom), (CellSet{{c.star.column, c.star.row}}));
        CellSet struck = c.struck;
        struck.erase({c.star.column, c.star.row});
        EXPECT_EQ(Marked(kSbcTo), struck);
    }
}

// "ON" a box marks the stars that strike it (1) and the box (2): a corner vowel is struck by the two
// stars beside it only; an inner box by the stars of its row, column and diagonals.
TEST_F(SarvatobhadraTest, VedhasOnABox) {
    const struct {
        SbcCell box;
        CellSet stars;
    } cases[] = {
        {{0, 0}, {{1, 0}, {0, 1}}},
        {{8, 8}, {{7, 8}, {8, 7}}},
        {{3, 3}, {{3, 0}, {3, 8}, {0, 3}, {8, 3}, {6, 0}, {0, 6}}},
        {{4, 4}, {{4, 0}, {4, 8}, {0, 4}, {8, 4}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box.column << ", " << c.box.row);
        m_pane.ClearHighlights();
        m_pane.SetClicked(c.box);
        ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdVedhasOn));
        EXPECT_EQ(Marked(kSbcFrom), c.stars);
        EXPECT_EQ(Marked(kSbcTo), (CellSet{{c.box.column, c.box.row}}));
    }
}

// Every star and every latta, forward and backward: the star struck is the one reached by stepping
// count - 1 stars round the circle of 28, never outside 0..27.
TEST(SarvatobhadraLattas, TheTargetStaysAmongThe28Stars) {
    const struct {
        int planet, count;
        bool forward;
    } lattas[] = {{kSun, 12, true},     {kMoon, 22, false}, {kMars, 3, true},  {kMercury, 7, false},
                  {kJupiter, 6, true},  {kVenus, 5, false}, {kSaturn, 8, true}, {kRahu, 9, false}};
    for (const auto& latta : lattas) {
        for (int star = 0; star < 28; ++star) {
            int expected = star;
            for (int step = 1; step < latta.count; ++step) expected = latta.forward ? (expected + 1) % 28 : (expected + 27) % 28;
            EXPECT_EQ(LattaTarget(latta.planet, star), expected) << latta.planet << " from " << star;
        }
    }
    EXPECT_FALSE(LattaTarget(kKetu, 3).has_value());
    // The Moon in Aswini kicks the 22nd star backwards: Pushya.
    EXPECT_EQ(LattaTarget(kMoon, 0), 7);
}

TEST(SarvatobhadraDrishti, FixedCounts) {
    const struct {
        int planet, from, on;
        bool falls;
    } cases[] = {{kSun, 0, 13, true},    {kSun, 0, 14, true},    {kSun, 0, 12, false}, {kMars, 27, 27, true},
                 {kMars, 27, 1, true},   {kMars, 27, 6, true},   {kMars, 27, 4, false}, {kJupiter, 20, 1, true},
                 {kSaturn, 10, 14, true}, {kSaturn, 10, 0, true}, {kRahu, 0, 14, false}};
    for (const auto& c : cases)
        EXPECT_EQ(GrahaDrishtiFalls(c.planet, c.from, c.on), c.falls) << c.planet << " " << c.from << " " << c.on;
}

// The Moon in Rohini (3) kicks backwards across Aswini to PPha (10): the Moon is marked there; Mars,
// whose drishti and latta both fall on its third star, ends marked by the latta; a star that no
// drishti or latta reaches marks nothing.
TEST_F(SarvatobhadraTest, DrishtiAndLattasOnAStar) {
    for (int planet = kSun; planet <= kKetu; ++planet) Current().m_nakshatra28[planet] = 14; // all in Swati
    Current().m_nakshatra28[kMoon] = 3;
    Current().m_nakshatra28[kMars] = 24;
    m_pane.SetClicked(StarCell(10));
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdLattas));
    EXPECT_EQ(m_pane.BodyMark(kMoon), kSbcLatta);
    EXPECT_EQ(m_pane.CellMark(StarCell(10)), kSbcTo);

    m_pane.ClearHighlights();
    m_pane.SetClicked(StarCell(26)); // Mars from 24: its third star
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdAllOnStar));
    EXPECT_EQ(m_pane.BodyMark(kMars), kSbcLatta);

    m_pane.ClearHighlights();
    m_pane.SetClicked(StarCell(20)); // no drishti or latta of these planets falls on Uttarashadha
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdDrishti));
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdLattas));
    EXPECT_FALSE(AnyMark());
}

// Right click outside the grid: the marks go and no menu comes; inside, the menu comes with the star
// commands greyed on a box without a star. Special points stay through every clearing.
TEST_F(SarvatobhadraTest, ClicksClearTheMarksButNotTheSpecialPoints) {
    Draw(m_pane);
    m_pane.SetClicked({4, 4});
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdThisBox));
    m_pane.SetClicked({2, 0});
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdVedhasFrom));
    ASSERT_TRUE(AnyMark());

    const Rect grid{m_pane.CellRect({0, 0}).left, m_pane.CellRect({0, 0}).top, m_pane.CellRect({8, 8}).right,
                    m_pane.CellRect({8, 8}).bottom};
    EXPECT_TRUE(MenuAt(Point{grid.right + 5, grid.top + 5}).empty());
    EXPECT_FALSE(AnyMark());
    EXPECT_TRUE(m_pane.IsSpecialPoint({4, 4}));
    EXPECT_EQ(m_pane.Clicked(), (SbcCell{2, 0}));

    const Rect box = m_pane.CellRect({3, 5});
    const std::vector<std::string> entries = MenuAt(Point{box.left + 3, box.top + 3});
    ASSERT_EQ(entries.size(), 17u);
    EXPECT_EQ(entries[0], "-Highlight vedhas, aspects and lattas on this star (if any)");
    EXPECT_EQ(entries[2], "+Highlight aspects (vedhas) ON this box");
    EXPECT_EQ(entries[10], "+Set this box as a special point");
    EXPECT_EQ(entries[11], "-Set a special nakshatra from here as a special point");
    EXPECT_EQ(m_pane.Clicked(), (SbcCell{3, 5}));
    const Rect star = m_pane.CellRect({0, 5});
    EXPECT_EQ(MenuAt(Point{star.left + 3, star.top + 3})[0], "+Highlight vedhas, aspects and lattas on this star (if any)");

    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdVedhasOn));
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(m_pane.viewport(), &press);
    EXPECT_FALSE(AnyMark());
    EXPECT_TRUE(m_pane.IsSpecialPoint({4, 4}));

    m_pane.SetClicked({4, 4});
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdResetBox));
    EXPECT_FALSE(m_pane.IsSpecialPoint({4, 4}));
}

// A tara from Uttarashadha with the natal Moon in its fourth pada: the birth taras nine stars apart,
// Uttarashadha itself marked in the Abhijit cell.
TEST_F(SarvatobhadraTest, TarasFromAStar) {
    m_document.m_natalChart.m_pada[kMoon] = 3;
    m_pane.SetClicked({0, 3});
    WhenModal<CSelectTaraDlg>([](CSelectTaraDlg& d) {
        d.Combo(0)->setCurrentIndex(0);
        d.accept();
    });
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdTaraFromHere));
    CellSet special;
    for (int column = 0; column < 9; ++column)
        for (int row = 0; row < 9; ++row)
            if (m_pane.IsSpecialPoint({column, row})) special.insert({column, row});
    // Uttarashadha (20) in Abhijit's cell, Krittika (2), Uttara Phalguni (11).
    EXPECT_EQ(special, (CellSet{{0, 2}, {8, 1}, {5, 8}}));

    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdResetAll));
    EXPECT_FALSE(m_pane.IsSpecialPoint({0, 2}));
}

// The natal special nakshatras and tithis as special points, in the natal chart's D-1.
TEST_F(SarvatobhadraTest, NatalSpecialPoints) {
    const CChart& natal = m_document.m_natalChart;
    WhenModal<CSelectNakshatraDlg>([](CSelectNakshatraDlg& d) {
        d.Combo(0)->setCurrentIndex(7); // Abhisheka
        d.Combo(1)->setCurrentIndex(0);
        d.accept();
    });
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdNatalSpecialNakshatra));
    EXPECT_TRUE(m_pane.IsSpecialPoint(StarCell((natal.m_nakshatra28[kMoon] + 27) % 28)));

    WhenModal<CSelectTithiDlg>([](CSelectTithiDlg& d) {
        d.Combo(0)->setCurrentIndex(0); // Janma tithi
        d.Combo(1)->setCurrentIndex(0);
        d.accept();
    });
    ASSERT_TRUE(m_pane.RunCommand(Cmd::kCmdNatalTithi));
    // The birth tithi from the Moon's distance past the Sun, twelve degrees a tithi; its group by fives.
    double elongation = natal.m_bodies[kMoon].m_dLongitude - natal.m_bodies[kSun].m_dLongitude;
    if (elongation < 0) elongation += 360;
    EXPECT_TRUE(m_pane.IsSpecialPoint(TithiGroupCell(static_cast<int>(elongation / 12) % 5)));
}
} // namespace
