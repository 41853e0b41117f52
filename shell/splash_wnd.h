#pragma once
// The splash window shown while the main frame is created: it closes after 1500 ms or at the first key
// or mouse press, which it swallows.
#include <QImage>
#include <QWidget>

#include "platform/timer.h"

class QEvent;

class CSplashWnd : public QWidget {
public:
    static constexpr unsigned kTimerId = 13;
    static constexpr int kShowMilliseconds = 1500;

    static void EnableSplashScreen(bool enable);
    // Shows the splash over `parent` unless disabled or already shown.
    static void ShowSplashScreen(QWidget* parent);
    // Called for every event before it is delivered: a key or mouse press while the splash shows hides
    // it and is swallowed (true).
    static bool PreTranslateAppMessage(const QEvent* event);
    static bool IsShown() { return c_pSplashWnd != nullptr; }
    static void HideSplashScreen();

    ~CSplashWnd() override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    explicit CSplashWnd(QWidget* parent);

    QImage m_bitmap;
    CTimer m_timer;
    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;
};
