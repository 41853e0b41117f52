#pragma once
// Helpers of the pane tests: a surface that keeps what was filled and written, a measure of what a
// picture of a pane shows, and a chart document opened on a fixed birth.
#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QRect>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "document/tavro_doc.h"
#include "platform/recording_surface.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "tests/process_state.h"

// What a surface was given to fill and to write, with the text colour of each text.
struct DrawnRecord {
    struct Fill {
        Rect rect;
        ColorRef color;
    };
    struct Text {
        std::string text;
        Rect rect;
        ColorRef color;
        std::uint32_t format = 0;
    };
    // The first text drawn that equals `text`; null when none.
    const Text* FindText(const std::string& text) const {
        for (const Text& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    std::vector<Fill> fills;
    std::vector<Text> texts;
};

// A recording surface that also keeps its fills and texts.
class ProbeSurface : public RecordingSurface, public DrawnRecord {
public:
    void FillRect(const Rect& rect, ColorRef color) override {
        fills.push_back({rect, color});
        RecordingSurface::FillRect(rect, color);
    }
    void SetTextColor(ColorRef color) override {
        m_color = color;
        RecordingSurface::SetTextColor(color);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        if (!(format & kTextCalcRect)) texts.push_back({std::string(text), rect, m_color, format});
        return RecordingSurface::DrawText(text, rect, format);
    }

private:
    ColorRef m_color = 0;
};

// A recording surface that keeps every text drawn with the box it was given and the rectangle it takes,
// measured in its font.
class TakenTextSurface : public RecordingSurface {
public:
    struct Taken {
        std::string text;
        Rect box;
        Rect taken;
    };
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect taken = RecordingSurface::DrawText(text, rect, format);
        if (!(format & kTextCalcRect)) texts.push_back({std::string(text), rect, taken});
        return taken;
    }
    // The first text drawn that equals `text`; null when none.
    const Taken* Find(const std::string& text) const {
        for (const Taken& t : texts)
            if (t.text == text) return &t;
        return nullptr;
    }
    // How far right and down the texts reach.
    Point Reach() const {
        Point reach;
        for (const Taken& t : texts)
            reach = Point{std::max(reach.x, t.taken.right), std::max(reach.y, t.taken.bottom)};
        return reach;
    }
    std::vector<Taken> texts;
};

// A recording surface that keeps every text drawn narrower than it is: the surface ends such a text
// in an ellipsis.
class ElisionProbe : public RecordingSurface {
public:
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        if ((format & kTextEndEllipsis) && (format & kTextSingleLine) && TextExtent(text).cx > rect.Width())
            cut.push_back(std::string(text));
        return RecordingSurface::DrawText(text, rect, format);
    }
    std::vector<std::string> cut;
};

// How much is drawn in `area` of `image`: the share (0 to 1) of its pixels that differ from their
// right-hand neighbour. Text and lines make many such edges, plain grounds and fills almost none.
inline double DrawnShare(const QImage& image, const QRect& area) {
    const QRect inside = area.intersected(image.rect());
    if (inside.width() < 2 || inside.height() < 1) return 0.0;
    int edges = 0;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x < inside.right(); ++x)
            edges += image.pixel(x, y) != image.pixel(x + 1, y);
    return static_cast<double>(edges) / ((inside.width() - 1) * inside.height());
}

// The last row of a picture with anything drawn on it (a pixel unlike its right-hand neighbour), or -1.
inline int LastDrawnRow(const QImage& image) {
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = 0; x + 1 < image.width(); ++x)
            if (image.pixel(x, y) != image.pixel(x + 1, y)) return y;
    return -1;
}

// One notch of the wheel (down) over a shown scroll pane with `modifiers` held: where the pane is
// scrolled to afterwards, pixels.
inline Point TurnWheel(QAbstractScrollArea& pane, Qt::KeyboardModifiers modifiers) {
    QWheelEvent wheel(QPointF(50, 50), pane.mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, -120),
                      Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
    QApplication::sendEvent(pane.viewport(), &wheel);
    return Point{pane.horizontalScrollBar()->value(), pane.verticalScrollBar()->value()};
}

// 10:25 am on 15 May 1990 at Chennai (80 deg 16' E, 13 deg 05' N, zone 5 h 30 m east): a chart file's text.
inline const std::string kChennaiChartText =
    "5\r\n15\r\n1990\r\n10.250000000000000\r\n-5.300000\r\n-80.160000\r\n13.050000\r\n6.000000\r\n"
    "-5.500000\r\n-5.500000\r\n0\r\n105\r\nChennai\r\nTamil^Nadu\r\n1\r\n1013.250000\r\n30.000000\r\n1\r\n";

// A document on the Chennai birth, calculated, with the zoom at 1.0; whatever a test changes, the zoom
// among it, comes back afterwards.
class PaneTest : public testing::Test {
protected:
    PaneTest() {
        const DocumentStatus status = m_document.ReadChartText(kChennaiChartText, "chennai.tvd");
        EXPECT_TRUE(status.ok()) << status.error;
        SetZoom(3);
    }
    static void SetZoom(int selection) {
        g_nFontSizeSelection = selection;
        AdjustDisplayFontSizes();
    }

private:
    CScopedProcessState m_state; // put back after the document has gone

protected:
    CTavroDoc m_document;
};

// The Chennai document in the ayanamsa of swetest's Lahiri (mode 1), the program's Traditional Lahiri,
// for tests against swetest's numbers.
class SwetestLahiriPaneTest : public PaneTest {
protected:
    SwetestLahiriPaneTest() {
        g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        const DocumentStatus status = m_document.ReadChartText(kChennaiChartText, "chennai.tvd");
        EXPECT_TRUE(status.ok()) << status.error;
    }
};
