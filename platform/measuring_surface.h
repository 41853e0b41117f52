#pragma once
// The base of the surfaces that draw nothing but note where a drawing goes: colours, brushes and clips
// are ignored, and texts are measured on `measure`, the surface the drawing stands for (its font is
// selected as the drawing selects one), so a text's extent is the one it takes there.
#include "platform/draw_surface.h"

class MeasuringSurface : public DrawSurface {
public:
    explicit MeasuringSurface(DrawSurface& measure) : m_measure(measure) {}

    void SelectPen(const LogicalPen&) override {}
    void SelectBrush(const LogicalBrush&) override {}
    void SelectFont(const LogicalFont& font) override { m_measure.SelectFont(font); }
    void SetTextColor(ColorRef) override {}
    void SetTextBackground(ColorRef, bool) override {}
    void SetTextHalo(ColorRef, int) override {}
    void SetClipRect(const Rect&) override {}
    void ClearClip() override {}
    Size TextExtent(std::string_view text) override { return m_measure.TextExtent(text); }
    double DevicePixelRatio() const override { return m_measure.DevicePixelRatio(); }
    void SetViewportOrigin(Point) override {}
    bool IsPrinter() const override { return m_measure.IsPrinter(); }

protected:
    DrawSurface& m_measure;
};
