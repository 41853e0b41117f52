#pragma once
// The drawing surface over a QPainter: a widget, an image or a printer, whatever the painter paints on.
#include <QImage>
#include <QPainter>
#include <QTransform>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "platform/draw_surface.h"

class PainterSurface : public DrawSurface {
public:
    // Draws through `painter`, which must be active on its device for the surface's life.
    explicit PainterSurface(QPainter& painter);

    void SelectPen(const LogicalPen& pen) override;
    void SelectBrush(const LogicalBrush& brush) override;
    void SelectFont(const LogicalFont& font) override;
    void SetTextColor(ColorRef color) override;
    void SetTextBackground(ColorRef color, bool opaque) override;
    void SetTextHalo(ColorRef color, int width) override;
    void SetClipRect(const Rect& clip) override;
    void ClearClip() override;
    void Line(Point from, Point to) override;
    void Polyline(std::span<const Point> points) override;
    void Polygon(std::span<const Point> points) override;
    void Rectangle(const Rect& rect) override;
    void FillRect(const Rect& rect, ColorRef color) override;
    void Ellipse(const Rect& bounds) override;
    void Arc(const Rect& bounds, double startDegrees, double spanDegrees) override;
    Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) override;
    Size TextExtent(std::string_view text) override;
    double DevicePixelRatio() const override;
    void SetViewportOrigin(Point origin) override;
    bool IsPrinter() const override;

private:
    QPainter& m_painter;
    QTransform m_baseTransform; // the painter's transform when the surface was made
    QColor m_textColor = Qt::black;
    std::optional<QColor> m_textBackground; // set when text backgrounds are opaque
    QColor m_haloColor;
    int m_haloWidth = 0; // device units; 0: no halo
    // The Qt fonts made on this surface by their description: a drawing selects a few fonts many
    // times, and a font made afresh must look up its metrics and glyph engine again.
    std::vector<std::pair<LogicalFont, QFont>> m_fonts;
};

// An image to draw on, `size` device units at `devicePixelRatio` image pixels per unit, white at start.
class ImageSurface {
public:
    explicit ImageSurface(Size size, double devicePixelRatio = 1.0);
    ~ImageSurface();
    DrawSurface& Surface() { return *m_surface; }
    // The picture drawn so far (the painter is ended and restarted around the copy).
    QImage Image();

private:
    QImage m_image;
    std::unique_ptr<QPainter> m_painter;
    std::unique_ptr<PainterSurface> m_surface;
};

// Qt's rectangle and colour for the surface's own.
QRect ToQRect(const Rect& rect);
QColor ToQColor(ColorRef color);
// Layout flags of DrawText as Qt's text flags.
int QtTextFlags(std::uint32_t format);
