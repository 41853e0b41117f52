#pragma once
// The one drawing surface every view draws through: a widget, an image, a printer and the test
// recorder implement it, so screen, image, print and tests share one path. All coordinates, pen
// widths and font sizes are device units of the surface: pixels on screen (logical pixels; the
// surface itself maps them onto the screen's device-pixel ratio), dots on a printer.
#include <cstdint>
#include <span>
#include <string_view>

#include "platform/color_ref.h"
#include "platform/geometry.h"
#include "platform/logical_font.h"

// Layout flags of DrawText, with the values of the Windows DrawText flags the views were laid out with.
enum TextFormat : std::uint32_t {
    kTextTop = 0x0,
    kTextLeft = 0x0,
    kTextCenter = 0x1,
    kTextRight = 0x2,
    kTextVCenter = 0x4, // with kTextSingleLine only
    kTextBottom = 0x8,  // with kTextSingleLine only
    kTextWordBreak = 0x10,
    kTextSingleLine = 0x20,
    kTextNoClip = 0x100,
    kTextCalcRect = 0x400, // measure only: nothing is drawn
    kTextNoPrefix = 0x800, // "&" is drawn as it is (the surface never treats it as a mnemonic)
    kTextEndEllipsis = 0x8000,
};

enum class PenStyle { kSolid, kDash, kDot, kNull };

struct LogicalPen {
    ColorRef color = 0;
    int width = 1; // device units; 0 draws one device unit
    PenStyle style = PenStyle::kSolid;
    bool operator==(const LogicalPen&) const = default;
};

struct LogicalBrush {
    ColorRef color = Rgb(255, 255, 255);
    bool hollow = false; // figures are outlined only
    bool operator==(const LogicalBrush&) const = default;
};

class DrawSurface {
public:
    virtual ~DrawSurface() = default;

    // Drawing state: the current pen outlines figures and draws lines, the brush fills figures, the
    // font and text colour draw text; an opaque background fills each text's rectangle first.
    virtual void SelectPen(const LogicalPen& pen) = 0;
    virtual void SelectBrush(const LogicalBrush& brush) = 0;
    virtual void SelectFont(const LogicalFont& font) = 0;
    virtual void SetTextColor(ColorRef color) = 0;
    virtual void SetTextBackground(ColorRef color, bool opaque) = 0;
    // While on, each text is first drawn `width` device units out around its letters in `color`, as maps
    // write a name over roads: a line under the text stops short of its strokes. A width of 0 turns it off.
    virtual void SetTextHalo(ColorRef color, int width) = 0;

    // Drawing is limited to `clip` until ClearClip.
    virtual void SetClipRect(const Rect& clip) = 0;
    virtual void ClearClip() = 0;

    virtual void Line(Point from, Point to) = 0;
    virtual void Polyline(std::span<const Point> points) = 0;
    virtual void Polygon(std::span<const Point> points) = 0; // closed, filled with the brush
    virtual void Rectangle(const Rect& rect) = 0;            // outlined with the pen, filled with the brush
    virtual void FillRect(const Rect& rect, ColorRef color) = 0;
    virtual void Ellipse(const Rect& bounds) = 0;
    // Part of the ellipse in `bounds`: from `startDegrees` counter-clockwise over `spanDegrees`,
    // 0 degrees at three o'clock; outlined with the pen.
    virtual void Arc(const Rect& bounds, double startDegrees, double spanDegrees) = 0;

    // Draws UTF-8 text in `rect` with the layout flags; returns the rectangle the text takes (with
    // kTextCalcRect only that is computed). The left and top of the result are those of `rect`.
    virtual Rect DrawText(std::string_view text, const Rect& rect, std::uint32_t format) = 0;
    // Width and height of one line of text in the current font.
    virtual Size TextExtent(std::string_view text) = 0;

    // Device pixels per device unit (2 on a doubled screen); 1 for images and printers.
    virtual double DevicePixelRatio() const = 0;

    // Moves every later drawing by `origin` device units (a print page places its pieces so); (0, 0)
    // puts it back where the surface started.
    virtual void SetViewportOrigin(Point origin) = 0;
    // True when the surface draws on a printer (or a print preview's page), where print jobs draw.
    virtual bool IsPrinter() const = 0;

    // Line drawing from a current position, for figures drawn as connected strokes.
    void MoveTo(Point p) { m_current = p; }
    void LineTo(Point p) {
        Line(m_current, p);
        m_current = p;
    }

private:
    Point m_current;
};
