#pragma once
// A drawing surface that records every call as a line of text, for tests, and can replay the calls
// onto another surface. Text is measured as on an image of the same resolution, so a view lays itself
// out on the recorder exactly as on an image.
#include <functional>
#include <string>
#include <vector>

#include "platform/painter_surface.h"

class RecordingSurface : public DrawSurface {
public:
    RecordingSurface();

    // One line per call, in order, e.g. "Line 0,0 10,10" or "DrawText \"Sun\" 0,0,40,20 0x25".
    const std::vector<std::string>& Calls() const { return m_calls; }
    // Draws every recorded call onto `target`, in order.
    void Replay(DrawSurface& target) const;

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
    double DevicePixelRatio() const override { return 1.0; }
    void SetViewportOrigin(Point origin) override;
    bool IsPrinter() const override { return m_printer; }
    // Makes the recorder stand for a printer's page (or a screen again).
    void SetPrinter(bool printer) { m_printer = printer; }

private:
    void Record(std::string text, std::function<void(DrawSurface&)> replay);

    std::vector<std::string> m_calls;
    std::vector<std::function<void(DrawSurface&)>> m_replays;
    bool m_printer = false;
    ImageSurface m_measure; // a one-pixel image that only measures text
};
