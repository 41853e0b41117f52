#pragma once
// A recording surface that keeps what a label layout is judged by: every text drawn with the box its
// letters take (from the capitals' top to the baseline, across its ink) and the pixel height of its font,
// and every straight stroke drawn. Circles are not kept: the chart figures draw none.
#include <QFontMetricsF>
#include <QImage>
#include <string>
#include <vector>

#include "platform/qt_fonts.h"
#include "platform/recording_surface.h"

class LabelLayoutSurface : public RecordingSurface {
public:
    struct Text {
        std::string text;
        QRectF letters;
        int fontHeight; // pixels: the cell height of the font asked for
    };
    struct Stroke {
        Point from;
        Point to;
    };

    void SelectFont(const LogicalFont& font) override {
        m_font = font;
        RecordingSurface::SelectFont(font);
    }
    void Line(Point from, Point to) override {
        strokes.push_back({from, to});
        RecordingSurface::Line(from, to);
    }
    void Polyline(std::span<const Point> points) override {
        for (std::size_t i = 1; i < points.size(); ++i) strokes.push_back({points[i - 1], points[i]});
        RecordingSurface::Polyline(points);
    }
    void Rectangle(const Rect& r) override {
        const Point corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        for (int i = 0; i < 4; ++i) strokes.push_back({corners[i], corners[(i + 1) % 4]});
        RecordingSurface::Rectangle(r);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect extent = RecordingSurface::DrawText(text, rect, format);
        if ((format & kTextCalcRect) || text.empty()) return extent;
        const QFontMetricsF metrics(QFontFromLogicalFont(m_font, m_device), &m_device);
        const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        const double width = metrics.horizontalAdvance(qtext);
        double left = rect.left;
        if (format & kTextCenter)
            left = rect.left + (rect.Width() - width) / 2;
        else if (format & kTextRight)
            left = rect.right - width;
        double top = rect.top;
        if ((format & kTextVCenter) && (format & kTextSingleLine))
            top = rect.top + (rect.Height() - metrics.height()) / 2;
        else if ((format & kTextBottom) && (format & kTextSingleLine))
            top = rect.bottom - metrics.height();
        const QRectF ink = metrics.tightBoundingRect(qtext).translated(left, top + metrics.ascent());
        const double capitalTop = top + metrics.ascent() - metrics.capHeight();
        texts.push_back({std::string(text),
                         QRectF(ink.left(), capitalTop, ink.width(), top + metrics.ascent() - capitalTop),
                         m_font.height});
        return extent;
    }

    std::vector<Text> texts;
    std::vector<Stroke> strokes;

private:
    LogicalFont m_font;
    QImage m_device{1, 1, QImage::Format_RGB32};
};

// Whether the stroke runs through the inside of `box` (a stroke along its edge does not).
inline bool StrokeCrosses(const LabelLayoutSurface::Stroke& s, const QRectF& box) {
    const QRectF inside = box.adjusted(1, 1, -1, -1);
    if (inside.width() <= 0 || inside.height() <= 0) return false;
    // Liang-Barsky clipping of the segment against the box.
    double t0 = 0, t1 = 1;
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const double tests[4][2] = {{-dx, s.from.x - inside.left()},
                                {dx, inside.right() - s.from.x},
                                {-dy, s.from.y - inside.top()},
                                {dy, inside.bottom() - s.from.y}};
    for (const auto& [a, b] : tests) {
        if (a == 0) {
            if (b < 0) return false;
            continue;
        }
        const double t = b / a;
        if (a < 0)
            t0 = std::max(t0, t);
        else
            t1 = std::min(t1, t);
        if (t0 > t1) return false;
    }
    return true;
}
