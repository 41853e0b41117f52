// Which strokes of a figure the label placement counts as running through a box, against points taken
// along each stroke (the label layout test's own check), for strokes through, beside, along and past it.
#include <gtest/gtest.h>

#include "../../display/label_layout_surface.h"
#include "platform/recording_surface.h"
#include "views/chakras/figure_obstacles.h"

namespace {

TEST(FigureObstacles, CountsTheStrokesThatReachABoxAsPointsAlongThemDo) {
    const Rect box{100, 100, 140, 120};
    const struct {
        Point from, to;
        bool crosses;
    } cases[] = {
        {{80, 110}, {160, 110}, true},  // straight through
        {{120, 80}, {120, 140}, true},  // down through
        {{90, 90}, {150, 130}, true},   // corner to corner
        {{110, 105}, {130, 115}, true}, // wholly inside
        {{150, 80}, {150, 140}, false}, // beside it
        {{80, 90}, {160, 90}, false},   // above it
        {{60, 140}, {90, 100}, false},  // ends short of it
        {{90, 150}, {170, 110}, false}, // passes its lower right corner
        {{141, 121}, {200, 200}, false}, {{80, 125}, {95, 100}, false},
        {{150, 110}, {160, 110}, false}, // on its line, beyond it
    };
    RecordingSurface measure;
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.from.x << "," << c.from.y << " - " << c.to.x << "," << c.to.y);
        FigureObstacles obstacles(measure);
        obstacles.Line(c.from, c.to);
        // The sampled check looks inside its box less a pixel: given the box a pixel wider, it looks
        // at the box itself.
        const QRectF sampled(box.left - 1, box.top - 1, box.Width() + 2, box.bottom - box.top + 2);
        EXPECT_EQ(StrokeCrosses({c.from, c.to}, sampled), c.crosses);
        EXPECT_EQ(obstacles.IsCrossed(box), c.crosses);
    }
}

} // namespace
