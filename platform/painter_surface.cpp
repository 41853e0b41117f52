#include "platform/painter_surface.h"

#include <QFontMetricsF>
#include <QPolygon>
#include <algorithm>
#include <vector>

#include "platform/qt_fonts.h"

QRect ToQRect(const Rect& rect) {
    return QRect(rect.left, rect.top, rect.Width(), rect.Height());
}

QColor ToQColor(ColorRef color) {
    return QColor(RedOf(color), GreenOf(color), BlueOf(color));
}

int QtTextFlags(std::uint32_t format) {
    int flags = Qt::AlignTop;
    if (format & kTextCenter)
        flags |= Qt::AlignHCenter;
    else if (format & kTextRight)
        flags |= Qt::AlignRight;
    else
        flags |= Qt::AlignLeft;
    if (format & kTextSingleLine) {
        flags |= Qt::TextSingleLine;
        if (format & kTextVCenter)
            flags = (flags & ~Qt::AlignTop) | Qt::AlignVCenter;
        else if (format & kTextBottom)
            flags = (flags & ~Qt::AlignTop) | Qt::AlignBottom;
    }
    if (format & kTextWordBreak) flags |= Qt::TextWordWrap;
    if (format & kTextNoClip) flags |= Qt::TextDontClip;
    return flags;
}

namespace {

QPolygon ToQPolygon(std::span<const Point> points) {
    QPolygon polygon;
    polygon.reserve(static_cast<int>(points.size()));
    for (const Point& p : points) polygon.append(QPoint(p.x, p.y));
    return polygon;
}

Qt::PenStyle ToQtPenStyle(PenStyle style) {
    switch (style) {
    case PenStyle::kDash:
        return Qt::DashLine;
    case PenStyle::kDot:
        return Qt::DotLine;
    case PenStyle::kNull:
        return Qt::NoPen;
    case PenStyle::kSolid:
        break;
    }
    return Qt::SolidLine;
}

} // namespace

PainterSurface::PainterSurface(QPainter& painter) : m_painter(painter), m_baseTransform(painter.transform()) {
    m_painter.setPen(QPen(Qt::black, 1));
    m_painter.setBrush(Qt::white);
}

void PainterSurface::SelectPen(const LogicalPen& pen) {
    QPen qpen(ToQColor(pen.color), std::max(1, pen.width), ToQtPenStyle(pen.style), Qt::FlatCap,
              Qt::MiterJoin);
    m_painter.setPen(qpen);
}

void PainterSurface::SelectBrush(const LogicalBrush& brush) {
    m_painter.setBrush(brush.hollow ? QBrush(Qt::NoBrush) : QBrush(ToQColor(brush.color)));
}

void PainterSurface::SelectFont(const LogicalFont& font) {
    auto made =
        std::find_if(m_fonts.begin(), m_fonts.end(), [&](const auto& entry) { return entry.first == font; });
    if (made == m_fonts.end())
        made = m_fonts.insert(m_fonts.end(), {font, QFontFromLogicalFont(font, *m_painter.device())});
    // Setting the painter's font gives it a new private copy that must find its glyph engines again.
    if (!(m_painter.font() == made->second)) m_painter.setFont(made->second);
}

void PainterSurface::SetTextColor(ColorRef color) {
    m_textColor = ToQColor(color);
}

void PainterSurface::SetTextBackground(ColorRef color, bool opaque) {
    m_textBackground = opaque ? std::optional<QColor>(ToQColor(color)) : std::nullopt;
}

void PainterSurface::SetTextHalo(ColorRef color, int width) {
    m_haloColor = ToQColor(color);
    m_haloWidth = std::max(width, 0);
}

void PainterSurface::SetClipRect(const Rect& clip) {
    m_painter.setClipRect(ToQRect(clip));
}

void PainterSurface::ClearClip() {
    m_painter.setClipping(false);
}

void PainterSurface::Line(Point from, Point to) {
    m_painter.drawLine(from.x, from.y, to.x, to.y);
}

void PainterSurface::Polyline(std::span<const Point> points) {
    m_painter.drawPolyline(ToQPolygon(points));
}

void PainterSurface::Polygon(std::span<const Point> points) {
    m_painter.drawPolygon(ToQPolygon(points));
}

// Windows figures span right - 1 and bottom - 1 with the pen inside; QPainter's outline of a rectangle
// of width w covers w + 1 pixels, hence the one-pixel smaller figure.
void PainterSurface::Rectangle(const Rect& rect) {
    m_painter.drawRect(rect.left, rect.top, rect.Width() - 1, rect.Height() - 1);
}

void PainterSurface::FillRect(const Rect& rect, ColorRef color) {
    m_painter.fillRect(ToQRect(rect), ToQColor(color));
}

void PainterSurface::Ellipse(const Rect& bounds) {
    m_painter.drawEllipse(bounds.left, bounds.top, bounds.Width() - 1, bounds.Height() - 1);
}

void PainterSurface::Arc(const Rect& bounds, double startDegrees, double spanDegrees) {
    constexpr double kQtAngleUnitsPerDegree = 16.0; // QPainter takes angles in 1/16 degree
    m_painter.drawArc(bounds.left, bounds.top, bounds.Width() - 1, bounds.Height() - 1,
                      static_cast<int>(startDegrees * kQtAngleUnitsPerDegree),
                      static_cast<int>(spanDegrees * kQtAngleUnitsPerDegree));
}

Rect PainterSurface::DrawText(std::string_view text, const Rect& rect, std::uint32_t format) {
    QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const int flags = QtTextFlags(format);
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    if ((format & kTextEndEllipsis) && (format & kTextSingleLine))
        qtext = metrics.elidedText(qtext, Qt::ElideRight, rect.Width());
    const QRectF box(ToQRect(rect));
    // Drawing lays the text out and gives its bounds; a layout of its own beforehand is needed only to
    // measure, to paint the background under the text, or for no text (QPainter then gives no bounds).
    const bool measureFirst = (format & kTextCalcRect) || m_textBackground || qtext.isEmpty();
    QRectF bounds;
    if (measureFirst) bounds = metrics.boundingRect(box, flags, qtext);
    if (!(format & kTextCalcRect)) {
        if (m_textBackground) m_painter.fillRect(bounds, *m_textBackground);
        const QPen pen = m_painter.pen();
        if (m_haloWidth > 0) {
            // The text drawn in the halo's colour shifted every way up to the halo's width: a ring of
            // its colour round each stroke, which the text itself then covers.
            m_painter.setPen(m_haloColor);
            for (int dx = -m_haloWidth; dx <= m_haloWidth; ++dx)
                for (int dy = -m_haloWidth; dy <= m_haloWidth; ++dy)
                    if (dx != 0 || dy != 0) m_painter.drawText(box.translated(dx, dy), flags, qtext);
        }
        m_painter.setPen(m_textColor);
        m_painter.drawText(box, flags, qtext, measureFirst ? nullptr : &bounds);
        m_painter.setPen(pen);
    }
    return Rect{rect.left, rect.top, rect.left + static_cast<int>(std::ceil(bounds.width())),
                rect.top + static_cast<int>(std::ceil(bounds.height()))};
}

Size PainterSurface::TextExtent(std::string_view text) {
    const QFontMetricsF metrics(m_painter.font(), m_painter.device());
    const QString qtext = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    return Size{static_cast<int>(std::ceil(metrics.horizontalAdvance(qtext))),
                static_cast<int>(std::ceil(metrics.height()))};
}

double PainterSurface::DevicePixelRatio() const {
    return m_painter.device()->devicePixelRatioF();
}

void PainterSurface::SetViewportOrigin(Point origin) {
    m_painter.setTransform(m_baseTransform * QTransform::fromTranslate(origin.x, origin.y));
}

bool PainterSurface::IsPrinter() const {
    return m_painter.device()->devType() == QInternal::Printer;
}

ImageSurface::ImageSurface(Size size, double devicePixelRatio)
    : m_image(static_cast<int>(std::ceil(size.cx * devicePixelRatio)),
              static_cast<int>(std::ceil(size.cy * devicePixelRatio)), QImage::Format_RGB32) {
    m_image.setDevicePixelRatio(devicePixelRatio);
    m_image.fill(Qt::white);
    m_painter = std::make_unique<QPainter>(&m_image);
    m_surface = std::make_unique<PainterSurface>(*m_painter);
}

ImageSurface::~ImageSurface() {
    m_surface.reset();
    m_painter->end();
}

QImage ImageSurface::Image() {
    QImage copy = m_image.copy();
    copy.setDevicePixelRatio(m_image.devicePixelRatio());
    return copy;
}
