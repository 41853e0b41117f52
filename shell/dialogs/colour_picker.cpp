#include "shell/dialogs/colour_picker.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {

QColor ToQColor(ColorRef colour) {
    return QColor(RedOf(colour), GreenOf(colour), BlueOf(colour));
}

// Position `p` of a span of `length` pixels as a fraction in [0, 1].
double Fraction(int p, int length) {
    return length > 0 ? std::clamp(static_cast<double>(p) / length, 0.0, 1.0) : 0.0;
}

void DrawRaisedMarker(QPainter& painter, const QRect& rect) {
    painter.fillRect(rect, QColor(0xC0, 0xC0, 0xC0));
    painter.setPen(Qt::white);
    painter.drawLine(rect.topLeft(), rect.topRight());
    painter.drawLine(rect.topLeft(), rect.bottomLeft());
    painter.setPen(Qt::black);
    painter.drawLine(rect.bottomLeft(), rect.bottomRight());
    painter.drawLine(rect.topRight(), rect.bottomRight());
}

} // namespace

CColorPickerCtrl::CColorPickerCtrl(QWidget* parent) : QWidget(parent) {
    setCursor(Qt::CrossCursor);
}

void CColorPickerCtrl::SetBarWidth(int width) {
    m_nBarWidth = width;
    Layout();
}

void CColorPickerCtrl::Layout() {
    m_nFieldWidth = std::max(0, width() - m_nBarWidth);
    m_nFieldHeight = std::max(0, height() - kSampleHeight);
    m_nBarHeight = m_nFieldHeight;
    m_field = QImage();
    m_bar = QImage();
    m_nMarkerX = static_cast<int>(m_nFieldWidth * m_s);
    m_nMarkerY = static_cast<int>(m_nFieldHeight * m_h);
}

void CColorPickerCtrl::resizeEvent(QResizeEvent*) {
    Layout();
}

void CColorPickerCtrl::SetColor(ColorRef colour) {
    m_color = colour;
    RgbToHls(colour, &m_h, &m_s, &m_l);
    m_nMarkerX = static_cast<int>(m_nFieldWidth * m_s);
    m_nMarkerY = static_cast<int>(m_nFieldHeight * m_h);
    if (m_callback2) m_callback2(colour);
    m_bar = QImage();
    update();
}

void CColorPickerCtrl::BuildField() {
    m_field = QImage(std::max(1, m_nFieldWidth), std::max(1, m_nFieldHeight), QImage::Format_RGB32);
    for (int y = 0; y < m_field.height(); ++y)
        for (int x = 0; x < m_field.width(); ++x)
            m_field.setPixelColor(
                x, y, ToQColor(HlsToRgb(Fraction(y, m_nFieldHeight), 0.5, Fraction(x, m_nFieldWidth))));
}

void CColorPickerCtrl::BuildBar() {
    m_bar = QImage(std::max(1, m_nBarWidth), std::max(1, m_nBarHeight), QImage::Format_RGB32);
    for (int y = 0; y < m_bar.height(); ++y) {
        const QColor colour = ToQColor(HlsToRgb(m_h, Fraction(y, m_nBarHeight), m_s));
        for (int x = 0; x < m_bar.width(); ++x) m_bar.setPixelColor(x, y, colour);
    }
}

void CColorPickerCtrl::paintEvent(QPaintEvent*) {
    if (m_field.isNull()) BuildField();
    if (m_bar.isNull()) BuildBar();
    QPainter painter(this);
    painter.drawImage(0, 0, m_field);
    painter.drawImage(m_nFieldWidth, 0, m_bar);
    const QRect strip(0, m_nFieldHeight, width(), kSampleHeight);
    painter.fillRect(strip, QColor(0xCD, 0xCD, 0xCD));
    const int third = strip.width() / 3;
    painter.setPen(Qt::black);
    painter.drawText(QRect(strip.left() + 4, strip.top(), third, strip.height()), Qt::AlignVCenter,
                     "Sample:");
    const QRect sample(strip.left() + third, strip.top() + 3, third, strip.height() - 6);
    const QColor colour = ToQColor(m_color);
    if (m_nSampleKind == kTextSample) {
        painter.setPen(colour);
        painter.drawText(sample, Qt::AlignCenter, "Test");
    } else if (m_nSampleKind == kLineSample) {
        painter.setPen(QPen(colour, 2));
        painter.drawLine(sample.left(), sample.center().y(), sample.right(), sample.center().y());
    } else {
        painter.fillRect(sample, colour);
    }
    DrawRaisedMarker(painter, QRect(m_nMarkerX - 3, m_nMarkerY - 3, 6, 6));
    DrawRaisedMarker(painter, QRect(m_nFieldWidth, static_cast<int>(m_l * m_nBarHeight) - 3, m_nBarWidth, 6));
}

void CColorPickerCtrl::PickAt(int x, int y, Qt::KeyboardModifiers modifiers) {
    if (m_nDragMode == kDragInField) {
        if (!(modifiers & Qt::ControlModifier)) m_nMarkerX = std::clamp(x, 0, m_nFieldWidth);
        if (!(modifiers & Qt::ShiftModifier)) m_nMarkerY = std::clamp(y, 0, m_nFieldHeight);
        m_s = Fraction(m_nMarkerX, m_nFieldWidth);
        m_h = Fraction(m_nMarkerY, m_nFieldHeight);
        m_bar = QImage(); // the bar shows the new hue and saturation
    } else if (m_nDragMode == kDragOnBar) {
        m_l = Fraction(y, m_nBarHeight);
    } else {
        return;
    }
    m_color = HlsToRgb(m_h, m_l, m_s);
    Notify();
    update();
}

void CColorPickerCtrl::Notify() {
    if (m_callback1) m_callback1(m_color);
    if (m_callback2) m_callback2(m_color);
}

void CColorPickerCtrl::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (p.y() >= m_nFieldHeight) return;
    m_nDragMode = p.x() <= m_nFieldWidth ? kDragInField : kDragOnBar;
    PickAt(p.x(), p.y(), event->modifiers());
}

void CColorPickerCtrl::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPoint p = event->position().toPoint();
    PickAt(p.x(), p.y(), event->modifiers());
}

void CColorPickerCtrl::mouseReleaseEvent(QMouseEvent*) {
    m_nDragMode = kReleased;
}
