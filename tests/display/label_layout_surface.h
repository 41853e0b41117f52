#pragma once
// A recording surface that keeps what a label layout is judged by: every text drawn with the box its
// letters take (from the capitals' top to the baseline, across its ink), line by line, as drawn (a text
// cut short with an ellipsis as it is cut), and the pixel height of its font, every stroke drawn, a
// circle as short chords, and every area filled, in the order of the texts; and the faults a layout shows.
#include <QFontMetricsF>
#include <QImage>
#include <QPolygonF>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <numbers>
#include <sstream>
#include <string>
#include <vector>

#include "core/body_names.h"
#include "display/chart_draw_state.h"
#include "display/styled_text.h"
#include "platform/qt_fonts.h"
#include "platform/recording_surface.h"

class LabelLayoutSurface : public RecordingSurface {
public:
    struct Text {
        std::string text;
        QRectF letters;
        QRectF ink;     // all its letters take, descenders too
        int fontHeight; // pixels: the cell height of the font asked for
        double stretch; // its width over the width the face gives it at that height
        // A text drawn on its own ground, or with a halo round its letters, hides the strokes drawn before
        // it: the first this many.
        std::size_t hidesStrokes = 0;
        LogicalFont font; // as asked for
        int halo = 0;     // the width of the halo drawn round its letters, pixels
        ColorRef haloColor = 0;
    };
    struct Stroke {
        Point from;
        Point to;
    };
    // An area filled (a rectangle, or a polygon with a brush), drawn after the first `textsBefore` texts.
    struct Fill {
        QPolygonF area;
        std::size_t textsBefore = 0;
    };

    void SelectFont(const LogicalFont& font) override {
        m_font = font;
        RecordingSurface::SelectFont(font);
    }
    void SetTextBackground(ColorRef color, bool opaque) override {
        m_opaque = opaque;
        RecordingSurface::SetTextBackground(color, opaque);
    }
    void SetTextHalo(ColorRef color, int width) override {
        m_halo = width;
        m_haloColor = color;
        RecordingSurface::SetTextHalo(color, width);
    }
    void SelectBrush(const LogicalBrush& brush) override {
        m_filling = !brush.hollow;
        RecordingSurface::SelectBrush(brush);
    }
    void FillRect(const Rect& r, ColorRef color) override {
        fills.push_back({QPolygonF(QRectF(r.left, r.top, r.Width(), r.Height())), texts.size()});
        RecordingSurface::FillRect(r, color);
    }
    void Line(Point from, Point to) override {
        strokes.push_back({from, to});
        RecordingSurface::Line(from, to);
    }
    void Polyline(std::span<const Point> points) override {
        for (std::size_t i = 1; i < points.size(); ++i) strokes.push_back({points[i - 1], points[i]});
        RecordingSurface::Polyline(points);
    }
    void Polygon(std::span<const Point> points) override {
        if (m_filling) {
            QPolygonF area;
            for (const Point& p : points) area << QPointF(p.x, p.y);
            fills.push_back({area, texts.size()});
        }
        for (std::size_t i = 0; i < points.size(); ++i)
            strokes.push_back({points[i], points[(i + 1) % points.size()]});
        RecordingSurface::Polygon(points);
    }
    void Rectangle(const Rect& r) override {
        const Point corners[] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
        for (int i = 0; i < 4; ++i) strokes.push_back({corners[i], corners[(i + 1) % 4]});
        RecordingSurface::Rectangle(r);
    }
    void Ellipse(const Rect& bounds) override {
        constexpr int kChords = 180; // within a tenth of a pixel of the circle at these sizes
        const double cx = (bounds.left + bounds.right) / 2.0, cy = (bounds.top + bounds.bottom) / 2.0;
        const double rx = bounds.Width() / 2.0, ry = (bounds.bottom - bounds.top) / 2.0;
        const auto at = [&](int k) {
            const double a = 2 * std::numbers::pi * k / kChords;
            return Point{static_cast<int>(std::lround(cx + rx * std::cos(a))),
                         static_cast<int>(std::lround(cy + ry * std::sin(a)))};
        };
        for (int k = 0; k < kChords; ++k) strokes.push_back({at(k), at(k + 1)});
        RecordingSurface::Ellipse(bounds);
    }
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override {
        const Rect extent = RecordingSurface::DrawText(text, rect, format);
        if ((format & kTextCalcRect) || text.empty()) return extent;
        const QFont font = QFontFromLogicalFont(m_font, m_device);
        const QFontMetricsF metrics(font, &m_device);
        QFont unstretched = font;
        unstretched.setStretch(QFont::Unstretched);
        const QFontMetricsF natural(unstretched, &m_device);
        const QString whole = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        // A single line too long for its box ends in an ellipsis, as the painter cuts it.
        const QStringList lines =
            (format & kTextSingleLine)
                ? QStringList{(format & kTextEndEllipsis)
                                  ? metrics.elidedText(whole, Qt::ElideRight, rect.Width())
                                  : whole}
                : whole.split(QRegularExpression("\r?\n"));
        const double height = metrics.height() * lines.size();
        double top = rect.top;
        if ((format & kTextVCenter) && (format & kTextSingleLine))
            top = rect.top + (rect.Height() - height) / 2;
        else if ((format & kTextBottom) && (format & kTextSingleLine))
            top = rect.bottom - height;
        const int fontHeight = m_font.height > 0 ? m_font.height : static_cast<int>(metrics.height());
        for (const QString& line : lines) {
            const double width = metrics.horizontalAdvance(line);
            double left = rect.left;
            if (format & kTextCenter)
                left = rect.left + (rect.Width() - width) / 2;
            else if (format & kTextRight)
                left = rect.right - width;
            if (!line.isEmpty()) {
                const QRectF ink = metrics.tightBoundingRect(line).translated(left, top + metrics.ascent());
                const double capitalTop = top + metrics.ascent() - metrics.capHeight();
                texts.push_back(
                    {line.toStdString(),
                     QRectF(ink.left(), capitalTop, ink.width(), top + metrics.ascent() - capitalTop), ink,
                     fontHeight, width / natural.horizontalAdvance(line),
                     m_opaque || m_halo > 0 ? strokes.size() : 0, m_font, m_halo, m_haloColor});
            }
            top += metrics.height();
        }
        return extent;
    }

    std::vector<Text> texts;
    std::vector<Stroke> strokes;
    std::vector<Fill> fills;

private:
    LogicalFont m_font;
    bool m_opaque = false;
    int m_halo = 0;
    ColorRef m_haloColor = 0;
    bool m_filling = true; // the brush fills what it draws
    QImage m_device{1, 1, QImage::Format_RGB32};
};

// Whether the stroke runs through the inside of `box` (a stroke along its edge does not): points taken
// along the stroke a quarter of a pixel apart, any of them inside. Sampling rather than clipping keeps
// this check apart from the clipping the views place their labels with.
inline bool StrokeCrosses(const LabelLayoutSurface::Stroke& s, const QRectF& box) {
    const QRectF inside = box.adjusted(1, 1, -1, -1);
    if (inside.width() <= 0 || inside.height() <= 0) return false;
    const double dx = s.to.x - s.from.x, dy = s.to.y - s.from.y;
    const int samples = static_cast<int>(std::ceil(4 * std::hypot(dx, dy))) + 1;
    for (int k = 0; k <= samples; ++k) {
        const double x = s.from.x + dx * k / samples, y = s.from.y + dy * k / samples;
        if (x >= inside.left() && x <= inside.right() && y >= inside.top() && y <= inside.bottom())
            return true;
    }
    return false;
}

// The least cell height of a font a reader can make out, pixels.
inline constexpr int kLegibleHeight = 7;

// How close two texts may come. A chakra's texts keep a pixel clear of each other's letters, descenders
// too; the labels in a chart's cells (rows of two-letter labels a line apart) may let their letter boxes
// (capitals to baseline) reach a pixel into each other.
enum class TextSpacing { kApart, kLettersMayTouch };

// A label with no clear place is drawn over what is there only once lowered to the crowded height: what
// such a text may meet without a fault (the text it meets may be of any height). A label meets a line
// only in a cell too small for it.
enum class Crowded { kMayMeetTextsAndLines, kMayMeetTextsOnly };

// The lesser labels of a chart's cells (arudhas, special lagnas, upagrahas) may go below the legible
// height, down to kLesserCrowdedTextHeight, rather than stand on a graha: there the grahas and the lagna
// are what must read, and a crowded cell holds them first. Every other text keeps the legible height.
enum class LesserLabels { kKeepLegibleHeight, kMayGoLower };

// Whether `text` is a lesser label of a chart's cell: neither the lagna nor a graha as the charts write them
// ("As", "Su", "(Sa)"), nor a sign number.
inline bool IsLesserChartLabel(const std::string& text) {
    if (text.empty() || text.find_first_not_of("0123456789") == std::string::npos) return false;
    const std::string bare =
        text.front() == '(' && text.back() == ')' ? text.substr(1, text.size() - 2) : text;
    for (int body = 0; body < kLabelledBodies; ++body)
        if (bare == g_pszPlanetNamesAlt[body]) return false;
    return true;
}

// Every fault of the layout, one line each: a text below the legible height (a lesser label below its own
// floor, where `lesser` lets it go lower), a text a stroke runs through or touches (its descenders too),
// two texts closer than `spacing` allows, but for what `crowded` texts may meet.
inline std::vector<std::string> LayoutFaults(const LabelLayoutSurface& surface,
                                             TextSpacing spacing = TextSpacing::kApart,
                                             Crowded crowding = Crowded::kMayMeetTextsAndLines,
                                             LesserLabels lesser = LesserLabels::kKeepLegibleHeight) {
    // A label drawn with a halo keeps its letters whole over what it meets.
    const auto crowded = [](const LabelLayoutSurface::Text& t) {
        return t.fontHeight <= kCrowdedTextHeight || t.halo > 0;
    };
    std::vector<std::string> faults;
    const auto& texts = surface.texts;
    const auto meet = [&](const LabelLayoutSurface::Text& a, const LabelLayoutSurface::Text& b) {
        if (spacing == TextSpacing::kLettersMayTouch)
            return a.letters.adjusted(1, 1, -1, -1).intersects(b.letters.adjusted(1, 1, -1, -1));
        return a.ink.adjusted(-0.5, -0.5, 0.5, 0.5).intersects(b.ink.adjusted(-0.5, -0.5, 0.5, 0.5));
    };
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const LabelLayoutSurface::Text& t = texts[i];
        std::ostringstream at;
        at << '"' << t.text << "\" at " << t.letters.left() << "," << t.letters.top();
        const bool mayGoLower = lesser == LesserLabels::kMayGoLower && IsLesserChartLabel(t.text);
        if (t.fontHeight < (mayGoLower ? kLesserCrowdedTextHeight : kLegibleHeight))
            faults.push_back(at.str() + " is " + std::to_string(t.fontHeight) + " px");
        const bool mayMeetLines = crowded(t) && crowding == Crowded::kMayMeetTextsAndLines;
        for (std::size_t k = t.hidesStrokes; k < surface.strokes.size() && !mayMeetLines; ++k) {
            const LabelLayoutSurface::Stroke& s = surface.strokes[k];
            // A stroke on the pixels next to the letters touches them.
            if (!StrokeCrosses(s, t.ink.adjusted(-1, -1, 1, 1))) continue;
            std::ostringstream line;
            line << at.str() << " crossed by the line " << s.from.x << "," << s.from.y << "-" << s.to.x << ","
                 << s.to.y;
            faults.push_back(line.str());
            break;
        }
        for (std::size_t j = i + 1; j < texts.size(); ++j)
            if (meet(t, texts[j]) && !crowded(t) && !crowded(texts[j]))
                faults.push_back(at.str() + " over \"" + texts[j].text + "\"");
    }
    return faults;
}

// The narrowest a label may be set, against its face's own width: "Me" condensed further reads "Ik".
inline constexpr double kLeastStretch = 0.5;
// The longest text counted as a body label ("Me", "(Me)", "A10"): captions are fitted on their own terms.
inline constexpr std::size_t kLongestLabel = 4;

// Every body label condensed past reading, one line each.
inline std::vector<std::string> CondensedLabels(const LabelLayoutSurface& surface) {
    std::vector<std::string> faults;
    for (const LabelLayoutSurface::Text& t : surface.texts)
        if (t.text.size() <= kLongestLabel && t.stretch < kLeastStretch)
            faults.push_back('"' + t.text + "\" is condensed to " +
                             std::to_string(std::lround(100 * t.stretch)) + "%");
    return faults;
}
