#include "shell/splash_wnd.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWindow>

#include "platform/message_box.h"
#include "platform/painter_surface.h"
#include "shell/app_icon.h"

bool CSplashWnd::c_bShowSplashWnd = false;
CSplashWnd* CSplashWnd::c_pSplashWnd = nullptr;

namespace {

constexpr Size kSplashSize = {420, 220}; // pixels

QImage DrawSplashBitmap() {
    ImageSurface image(kSplashSize);
    DrawSurface& s = image.Surface();
    s.FillRect(Rect{0, 0, kSplashSize.cx, kSplashSize.cy}, Rgb(255, 248, 225));
    s.SelectPen(LogicalPen{Rgb(120, 40, 20), 2, PenStyle::kSolid});
    s.SelectBrush(LogicalBrush{0, true});
    s.Rectangle(Rect{1, 1, kSplashSize.cx - 1, kSplashSize.cy - 1});
    DrawApplicationIcon(s, 96);
    s.SetTextColor(Rgb(120, 40, 20));
    s.SelectFont(LogicalFont{"Times New Roman", 40, 0, 700});
    s.DrawText("Kalomithra Hora", Rect{110, 20, kSplashSize.cx - 10, 90},
               kTextLeft | kTextVCenter | kTextSingleLine);
    s.SelectFont(LogicalFont{"Arial", 18, 0, 400});
    s.DrawText("Version 8.0", Rect{110, 90, kSplashSize.cx - 10, 120}, kTextLeft | kTextSingleLine);
    s.DrawText("Vedic astrology", Rect{110, 150, kSplashSize.cx - 10, 200}, kTextLeft | kTextSingleLine);
    return image.Image();
}

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable) {
    c_bShowSplashWnd = enable;
}

// Kept above other windows: a window manager otherwise raises the main window over it as soon as that
// is mapped, a moment after the splash.
CSplashWnd::CSplashWnd(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_bitmap(DrawSplashBitmap()) {
    c_pSplashWnd = this;
    m_previousBeforeMessageBox = SetBeforeMessageBox([] { HideSplashScreen(); });
    setAttribute(Qt::WA_DeleteOnClose);
    resize(m_bitmap.size());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
}

bool CSplashWnd::MainFrameReady() const {
    const QWidget* main = parentWidget();
    if (!main) return true;
    const QWindow* window = main->windowHandle();
    return main->isVisible() && window && window->isExposed();
}

void CSplashWnd::OnShowTimeOver() {
    constexpr int kFrameCheckMilliseconds = 100;
    if (MainFrameReady() ||
        !m_timer.SetTimer(kTimerId, kFrameCheckMilliseconds, [this] { OnShowTimeOver(); }))
        HideSplashScreen();
}

CSplashWnd::~CSplashWnd() {
    if (c_pSplashWnd != this) return;
    c_pSplashWnd = nullptr;
    PutBackBeforeMessageBox();
}

void CSplashWnd::PutBackBeforeMessageBox() {
    SetBeforeMessageBox(std::move(m_previousBeforeMessageBox));
}

void CSplashWnd::ShowSplashScreen(QWidget* parent) {
    if (!c_bShowSplashWnd || c_pSplashWnd) return;
    (new CSplashWnd(parent))->show();
}

void CSplashWnd::HideSplashScreen() {
    if (!c_pSplashWnd) return;
    CSplashWnd* splash = c_pSplashWnd;
    c_pSplashWnd = nullptr;
    splash->PutBackBeforeMessageBox();
    QWidget* main = splash->parentWidget();
    splash->close();
    if (main) main->update();
}

bool CSplashWnd::PreTranslateAppMessage(const QEvent* event) {
    if (!c_pSplashWnd) return false;
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::NonClientAreaMouseButtonPress:
        HideSplashScreen();
        return true;
    default:
        return false;
    }
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawImage(0, 0, m_bitmap);
    // The program is busy making its window until the splash is first drawn: its time starts now.
    if (m_bTimerStarted) return;
    m_bTimerStarted = true;
    if (!m_timer.SetTimer(kTimerId, kShowMilliseconds, [this] { OnShowTimeOver(); }))
        QMetaObject::invokeMethod(
            this, [] { HideSplashScreen(); }, Qt::QueuedConnection); // no timer: no wait
}
