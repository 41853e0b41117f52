#pragma once
// The colour picker: a hue/saturation field (saturation across, hue down, at lightness one half), a
// lightness bar at its right for the current hue and saturation, and a sample strip below showing
// the colour as text, a line or a filled area. Clicking or dragging in the field or on the bar picks
// a colour; with Ctrl held a drag in the field keeps the saturation, with Shift the hue.
#include <QImage>
#include <QWidget>
#include <functional>

#include "shell/dialogs/colour_model.h"

class CColorPickerCtrl : public QWidget {
public:
    using Callback = std::function<void(ColorRef)>;
    enum SampleKind { kTextSample = 0, kLineSample = 1, kAreaSample = 2 };

    explicit CColorPickerCtrl(QWidget* parent);

    // Width of the lightness bar in pixels; lays the control out.
    void SetBarWidth(int width);
    // Shows a colour: the field marker moves to its saturation and hue; the second callback hears it.
    void SetColor(ColorRef colour);
    void SetSampleKind(int kind) {
        m_nSampleKind = kind;
        update();
    }
    // Both are called with every colour the user picks.
    void SetCallback1(Callback callback) { m_callback1 = std::move(callback); }
    void SetCallback2(Callback callback) { m_callback2 = std::move(callback); }

    ColorRef Color() const { return m_color; }
    Hls CurrentHls() const { return {m_h, m_l, m_s}; }
    int FieldWidth() const { return m_nFieldWidth; }
    int FieldHeight() const { return m_nFieldHeight; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    enum DragMode { kNoDrag = 0, kDragOnBar = 1, kDragInField = 2, kReleased = 3 };
    static constexpr int kSampleHeight = 20;

    void Layout();
    void BuildField();
    void BuildBar();
    // A press or drag at `x`, `y` (pixels) in the current mode; Ctrl and Shift as in `modifiers`.
    void PickAt(int x, int y, Qt::KeyboardModifiers modifiers);
    void Notify();

    QImage m_field, m_bar;
    int m_nMarkerX = 0, m_nMarkerY = 0;
    int m_nDragMode = kNoDrag;
    int m_nSampleKind = kTextSample;
    ColorRef m_color = 0;
    double m_h = 0, m_s = 0, m_l = 0;
    int m_nFieldWidth = 0, m_nFieldHeight = 0;
    int m_nBarWidth = 20, m_nBarHeight = 0;
    Callback m_callback1, m_callback2;
};
