// The chakras' figures as the recording surface sees them: their circles stay round whatever the pane's
// shape, and the body labels and the Kalachakra's guardians are crossed by no line of the figure and
// cover no other text, with the bodies at every star (each base star in turn).
#include <cmath>
#include <memory>

#include "chakra_test_support.h"
#include "views/chakras/chakra_colors.h"
#include "views/chakras/star_chakras.h"
#include "views/chakras/sudarsana_chakra_view.h"

namespace {

constexpr Size kWidePane{1100, 730}; // the chakra tab of the default window
constexpr Size kTallPane{600, 900};

// The strokes, the circles and where each text lies, with its colour.
struct DrawnFigure {
    struct Text {
        std::string text;
        Rect extent;
        ColorRef color;
    };
    std::vector<std::pair<Point, Point>> lines;
    std::vector<Rect> ellipses;
    std::vector<Text> texts;
};

// A recording surface that keeps what a figure drew.
class FigureProbe : public RecordingSurface, public DrawnFigure {
public:
    void Line(Point from, Point to) override {
        lines.push_back({from, to});
        RecordingSurface::Line(from, to);
    }
    void Ellipse(const Rect& bounds) override {
        ellipses.push_back(bounds);
        RecordingSurface::Ellipse(bounds);
    }
    void SetTextColor(ColorRef color) override {
        m_color = color;
        RecordingSurface::SetTextColor(color);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect taken = RecordingSurface::DrawText(text, rect, format);
        if (format & kTextCalcRect) return taken;
        const int width = taken.Width(), height = taken.bottom - taken.top;
        int left = rect.left;
        if (format & kTextCenter) left = (rect.left + rect.right - width) / 2;
        if (format & kTextRight) left = rect.right - width;
        const int top = (format & kTextBottom) ? rect.bottom - height : rect.top;
        texts.push_back({std::string(text), Rect{left, top, left + width, top + height}, m_color});
        return taken;
    }

private:
    ColorRef m_color = 0;
};

// Whether the segment meets the box (sampled every half pixel: the figures' lines are short).
bool Crosses(Point from, Point to, const Rect& box) {
    const int steps = 2 * std::max({std::abs(to.x - from.x), std::abs(to.y - from.y), 1});
    for (int i = 0; i <= steps; ++i) {
        const double x = from.x + (to.x - from.x) * static_cast<double>(i) / steps;
        const double y = from.y + (to.y - from.y) * static_cast<double>(i) / steps;
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return true;
    }
    return false;
}

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

class ChakraFigureTest : public ChakraPaneTest {
protected:
    DrawnFigure Draw(CChakraView& pane) {
        FigureProbe surface;
        pane.OnDraw(surface);
        return surface;
    }
};

TEST_F(ChakraFigureTest, CirclesStayRoundInWideAndTallPanes) {
    std::vector<std::pair<std::string, std::unique_ptr<CChakraView>>> panes;
    panes.emplace_back("Chandra Kalanala", std::make_unique<CCKChakraView>());
    panes.emplace_back("Kalachakra", std::make_unique<CKalaChakraView>());
    panes.emplace_back("Sudarsana", std::make_unique<CSudarsanaChakraView>());
    for (auto& [name, pane] : panes) {
        for (const Size size : {kWidePane, kTallPane}) {
            SCOPED_TRACE(name + " " + std::to_string(size.cx) + "x" + std::to_string(size.cy));
            Place(*pane, size);
            const DrawnFigure drawn = Draw(*pane);
            ASSERT_FALSE(drawn.ellipses.empty());
            for (const Rect& circle : drawn.ellipses)
                EXPECT_NEAR(circle.Width(), circle.bottom - circle.top, 1);
        }
    }
}

// The labels of the planets (the Chandra Kalanala and Shoola chakras with the lagna), with the bodies
// moved round the figure by every base star, and the Kalachakra's direction texts.
TEST_F(ChakraFigureTest, LabelsKeepClearOfLinesAndOfEachOther) {
    struct Case {
        std::string name;
        std::unique_ptr<CStarChakraView> pane;
    };
    std::vector<Case> cases;
    cases.push_back({"Chandra Kalanala", std::make_unique<CCKChakraView>()});
    cases.push_back({"Kalachakra", std::make_unique<CKalaChakraView>()});
    cases.push_back({"Shoola", std::make_unique<CShoolaChakraView>()});
    for (Case& c : cases) {
        Place(*c.pane, kWidePane);
        ChakraBaseSettings& base = c.pane->Settings();
        base.customBaseOn = true;
        for (int star = 0; star < 28; ++star) {
            SCOPED_TRACE(c.name + " from star " + std::to_string(star));
            base.customBase = star;
            const DrawnFigure drawn = Draw(*c.pane);
            std::vector<const DrawnFigure::Text*> labels;
            for (const auto& text : drawn.texts)
                if (text.color == g_colors[kColorKalachakraBodyName] ||
                    text.color == g_colors[kColorKalachakraDikpalaName])
                    labels.push_back(&text);
            ASSERT_FALSE(labels.empty());
            for (const DrawnFigure::Text* label : labels) {
                SCOPED_TRACE(label->text);
                for (const auto& [from, to] : drawn.lines)
                    EXPECT_FALSE(Crosses(from, to, label->extent))
                        << from.x << "," << from.y << " " << to.x << "," << to.y;
                for (const auto& other : drawn.texts)
                    if (&other != label) {
                        EXPECT_FALSE(Overlap(label->extent, other.extent)) << other.text;
                    }
            }
        }
        base.customBaseOn = false;
    }
}

// Whether the circle drawn in `bounds` runs through the box (sampled every degree).
bool CircleCrosses(const Rect& bounds, const Rect& box) {
    const double cx = (bounds.left + bounds.right) / 2.0, cy = (bounds.top + bounds.bottom) / 2.0;
    for (int degree = 0; degree < 360; ++degree) {
        const double a = degree * 3.14159265358979 / 180;
        const double x = cx + bounds.Width() / 2.0 * std::cos(a),
                     y = cy + (bounds.bottom - bounds.top) / 2.0 * std::sin(a);
        if (x >= box.left && x < box.right && y >= box.top && y < box.bottom) return true;
    }
    return false;
}

// The guardians of the directions in the Kalachakra pane of a 1366 x 768 screen and in a narrow pane:
// no spoke or circle runs through them and none runs into a star's name.
TEST_F(ChakraFigureTest, KalachakraGuardiansKeepClearAtSmallerScreens) {
    CKalaChakraView pane;
    for (const Size size : {Size{1350, 605}, Size{330, 605}}) {
        SCOPED_TRACE(std::to_string(size.cx) + "x" + std::to_string(size.cy));
        Place(pane, size);
        const DrawnFigure drawn = Draw(pane);
        int guardians = 0;
        for (const auto& text : drawn.texts) {
            if (text.color != g_colors[kColorKalachakraDikpalaName]) continue;
            ++guardians;
            SCOPED_TRACE(text.text);
            for (const auto& [from, to] : drawn.lines) EXPECT_FALSE(Crosses(from, to, text.extent));
            for (const Rect& circle : drawn.ellipses) EXPECT_FALSE(CircleCrosses(circle, text.extent));
            for (const auto& other : drawn.texts) {
                if (&other == &text) continue;
                EXPECT_FALSE(Overlap(text.extent, other.extent)) << other.text;
            }
        }
        EXPECT_EQ(guardians, 8);
    }
}

} // namespace
