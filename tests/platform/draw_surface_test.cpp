// The recorder, an image and a doubled-resolution image draw one figure through the same calls.
#include <QFileInfo>
#include <QPdfWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "platform/painter_surface.h"
#include "platform/recording_surface.h"

namespace {

// A small figure touching every kind of call a view makes.
void DrawFigure(DrawSurface& s) {
    s.FillRect(Rect{0, 0, 120, 80}, Rgb(250, 250, 220));
    s.SelectPen(LogicalPen{Rgb(200, 0, 0), 2, PenStyle::kSolid});
    s.SelectBrush(LogicalBrush{Rgb(0, 120, 0), false});
    s.Rectangle(Rect{10, 10, 50, 40});
    const Point triangle[] = {{60, 10}, {100, 10}, {80, 40}};
    s.Polygon(triangle);
    s.Ellipse(Rect{10, 45, 40, 75});
    s.Arc(Rect{60, 45, 90, 75}, 0, 180);
    s.MoveTo(Point{0, 79});
    s.LineTo(Point{119, 79});
    s.SetClipRect(Rect{0, 0, 60, 80});
    s.SelectFont(LogicalFont{"Arial Narrow", 18, 0, 700});
    s.SetTextColor(Rgb(0, 0, 128));
    const Rect taken =
        s.DrawText("Rasi", Rect{50, 40, 110, 60}, kTextCenter | kTextVCenter | kTextSingleLine);
    s.ClearClip();
    s.Line(Point{taken.left, taken.bottom}, Point{taken.right, taken.bottom});
    s.SetTextHalo(Rgb(250, 250, 220), 1);
    s.DrawText("Mo", Rect{2, 2, 40, 20}, kTextSingleLine);
    s.SetTextHalo(0, 0);
}

TEST(DrawSurface, RecorderReplaysOntoAnImageAsTheImageDrawsItself) {
    ImageSurface direct(Size{120, 80});
    DrawFigure(direct.Surface());

    RecordingSurface recorder;
    DrawFigure(recorder);
    ImageSurface replayed(Size{120, 80});
    recorder.Replay(replayed.Surface());

    EXPECT_TRUE(direct.Image() == replayed.Image());
    ASSERT_GE(recorder.Calls().size(), 14u);
    EXPECT_EQ(recorder.Calls()[0], "FillRect 0,0,120,80 0xdcfafa");
    EXPECT_EQ(recorder.Calls()[3], "Rectangle 10,10,50,40");
    EXPECT_EQ(recorder.Calls()[7], "Line 0,79 119,79");
}

TEST(DrawSurface, MeasuresTextLikeAnImage) {
    RecordingSurface recorder;
    ImageSurface image(Size{10, 10});
    const LogicalFont font{"Times New Roman", 18, 6, 300};
    recorder.SelectFont(font);
    image.Surface().SelectFont(font);
    EXPECT_EQ(recorder.TextExtent("Navamsa"), image.Surface().TextExtent("Navamsa"));
    EXPECT_GT(recorder.TextExtent("Navamsa").cx, 0);
    // Measuring draws nothing and is not recorded.
    recorder.DrawText("Navamsa", Rect{0, 0, 100, 20}, kTextCalcRect);
    EXPECT_EQ(recorder.Calls().size(), 1u);
}

TEST(DrawSurface, DoubledScreensDrawTheSameUnitsAtTwiceThePixels) {
    ImageSurface doubled(Size{120, 80}, 2.0);
    DrawFigure(doubled.Surface());
    const QImage picture = doubled.Image();
    EXPECT_EQ(picture.width(), 240);
    EXPECT_EQ(picture.height(), 160);
    EXPECT_DOUBLE_EQ(doubled.Surface().DevicePixelRatio(), 2.0);
    // The rectangle's green fill lies at the same units, so at twice the pixels.
    EXPECT_EQ(picture.pixelColor(60, 50), QColor(0, 120, 0));
}

TEST(DrawSurface, APrinterPageTakesTheSameCallsInItsDots) {
    QTemporaryDir folder;
    QPdfWriter page(folder.filePath("page.pdf"));
    page.setResolution(300);
    {
        QPainter painter(&page);
        PainterSurface surface(painter);
        DrawFigure(surface);
        EXPECT_DOUBLE_EQ(surface.DevicePixelRatio(), 1.0);
        surface.SelectFont(LogicalFont{"Arial Narrow", 50, 0, 400});
        EXPECT_NEAR(surface.TextExtent("Rasi").cy, 50, 1); // heights are the printer's dots
    }
    EXPECT_GT(QFileInfo(folder.filePath("page.pdf")).size(), 0);
}

TEST(DrawSurface, FontHeightsAreCellHeightsInDeviceUnits) {
    ImageSurface image(Size{10, 10});
    for (int height : {12, 18, 27, 43}) {
        SCOPED_TRACE(height);
        image.Surface().SelectFont(LogicalFont{"Arial Narrow", height, 0, 400});
        EXPECT_NEAR(image.Surface().TextExtent("Ag").cy, height, 1);
    }
}

TEST(DrawSurface, DrawnTextTakesTheRectangleItsMeasureGives) {
    struct Case {
        const char* text;
        Rect rect;
        std::uint32_t format;
        bool opaque;
    };
    const Case cases[] = {
        {"Rasi", Rect{5, 5, 95, 25}, kTextLeft | kTextSingleLine, false},
        {"Navamsa", Rect{5, 5, 95, 25}, kTextCenter | kTextVCenter | kTextSingleLine, false},
        {"Dasamsa", Rect{5, 5, 95, 25}, kTextRight | kTextBottom | kTextSingleLine | kTextNoClip, true},
        {"Sun Moon Mars Mercury Jupiter", Rect{5, 5, 60, 90}, kTextLeft | kTextWordBreak, false},
        {"Sun Moon Mars Mercury Jupiter", Rect{5, 5, 60, 25}, kTextLeft | kTextSingleLine | kTextEndEllipsis,
         false},
        {"", Rect{5, 5, 95, 25}, kTextLeft | kTextSingleLine, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        ImageSurface image(Size{100, 100});
        image.Surface().SelectFont(LogicalFont{"Arial Narrow", 18, 0, 400});
        image.Surface().SetTextBackground(Rgb(255, 255, 0), c.opaque);
        const Rect measured = image.Surface().DrawText(c.text, c.rect, c.format | kTextCalcRect);
        EXPECT_EQ(image.Surface().DrawText(c.text, c.rect, c.format), measured);
    }
}

TEST(DrawSurface, AFontSelectedAgainDrawsAsOnAFreshSurface) {
    const LogicalFont regular{"Arial Narrow", 18, 0, 400};
    LogicalFont bold = regular;
    bold.weight = 700;
    LogicalFont italic = regular;
    italic.italic = 1;
    const auto drawn = [](std::initializer_list<LogicalFont> fonts) {
        ImageSurface image(Size{100, 30});
        for (const LogicalFont& font : fonts) image.Surface().SelectFont(font);
        image.Surface().DrawText("Saturn", Rect{2, 2, 98, 28}, kTextLeft | kTextSingleLine);
        return image.Image();
    };
    EXPECT_TRUE(drawn({bold, italic, regular}) == drawn({regular}));
    EXPECT_TRUE(drawn({regular, bold}) == drawn({bold}));
    EXPECT_TRUE(drawn({regular, italic}) == drawn({italic}));
    EXPECT_FALSE(drawn({bold}) == drawn({regular}));
    EXPECT_FALSE(drawn({italic}) == drawn({regular}));
}

// A text drawn with a halo over a line cuts the line short of its letters: in the line's column, where the
// letters stand, the halo's colour shows between line and letters; without the halo it never does.
TEST(DrawSurface, AHaloKeepsALineUnderATextOffItsLetters) {
    const QColor paper(255, 255, 255), line(255, 0, 0), halo(0, 255, 0);
    const auto haloPixelsOnTheLine = [&](int haloWidth) {
        ImageSurface image(Size{60, 30});
        DrawSurface& s = image.Surface();
        s.SelectPen(LogicalPen{Rgb(255, 0, 0), 1, PenStyle::kSolid});
        s.Line(Point{14, 0}, Point{14, 30});
        s.SelectFont(LogicalFont{"Arial", 16, 0, 700});
        s.SetTextColor(Rgb(0, 0, 255));
        s.SetTextHalo(Rgb(0, 255, 0), haloWidth);
        s.DrawText("MoM", Rect{4, 6, 60, 30}, kTextSingleLine);
        const QImage picture = image.Image();
        int count = 0;
        for (int y = 0; y < picture.height(); ++y) {
            const QColor pixel = picture.pixelColor(14, y);
            if (pixel == halo) ++count;
            EXPECT_NE(pixel, paper) << y; // the line runs on where no letter stands
        }
        return count;
    };
    EXPECT_GT(haloPixelsOnTheLine(1), 0);
    EXPECT_EQ(haloPixelsOnTheLine(0), 0);
}

} // namespace
