#pragma once
// The splash window shown while the main frame is created: it stays 1500 ms from the moment it is first
// drawn, and longer while the main frame is not yet on the screen; a key or mouse press closes it at
// once and is swallowed. It goes before any message box is shown, which it would otherwise stand over.
#include <QImage>
#include <QWidget>
#include <functional>

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
    // The splash's time is over: it closes once the main frame shows, looking again every little while.
    void OnShowTimeOver();
    bool MainFrameReady() const;

    // Puts back what ran before a message box when the splash came.
    void PutBackBeforeMessageBox();

    QImage m_bitmap;
    std::function<void()> m_previousBeforeMessageBox;
    CTimer m_timer;
    bool m_bTimerStarted = false; // the 1500 ms run from the first drawing, not from the making
    static bool c_bShowSplashWnd;
    static CSplashWnd* c_pSplashWnd;
};
