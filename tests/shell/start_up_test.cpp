// Start-up pieces: the command line, the splash window, extra frames, and the whole main window
// rendered into an image without a Qt warning.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QScreen>
#include <QStyle>
#include <QThread>
#include <algorithm>
#include <functional>

#include "app/application.h"
#include "platform/frame_wnd.h"
#include "shell/extra_frames.h"
#include "shell/frame_geometry.h"
#include "shell/layout_table.h"
#include "shell/splash_wnd.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

TEST(CommandLine, AutomationSwitchesAreIgnoredAndTheFirstOtherArgumentIsTheChart) {
    struct Case {
        QStringList arguments;
        std::string file;
    };
    const Case cases[] = {
        {{}, ""},
        {{"birth.tvd"}, "birth.tvd"},
        {{"-Embedding"}, ""},
        {{"/Automation", "chart one.tvd"}, "chart one.tvd"},
        {{"-embedding", "a.tvd", "b.tvd"}, "a.tvd"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(ParseCommandLine(c.arguments).fileToOpen, c.file);
        EXPECT_TRUE(ParseCommandLine(c.arguments).showSplash);
    }
}

// Records the key presses that reach it.
class KeySink : public QWidget {
public:
    int presses = 0;

protected:
    void keyPressEvent(QKeyEvent*) override { ++presses; }
};

TEST(SplashWindow, FirstKeyPressClosesItAndIsSwallowed) {
    KeySink main;
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&main);
    ASSERT_TRUE(CSplashWnd::IsShown());
    CSplashWnd::ShowSplashScreen(&main); // one splash at a time

    QKeyEvent key(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier);
    EXPECT_TRUE(CSplashWnd::PreTranslateAppMessage(&key));
    EXPECT_FALSE(CSplashWnd::IsShown());
    EXPECT_FALSE(CSplashWnd::PreTranslateAppMessage(&key)); // now delivered as usual

    CSplashWnd::EnableSplashScreen(false);
    CSplashWnd::ShowSplashScreen(&main);
    EXPECT_FALSE(CSplashWnd::IsShown());
}

// Runs the event loop for `milliseconds`, or until `done` says so.
void RunEvents(
    int milliseconds, const std::function<bool()>& done = [] { return false; }) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < milliseconds && !done()) {
        QApplication::processEvents();
        QThread::msleep(10);
    }
}

// The splash's 1.5 s start when it is first drawn, not when it is made while the program is still busy
// making its window; and it stays until the main window shows, when that takes longer.
TEST(SplashWindow, StaysItsTimeFromItsFirstDrawingUntilTheMainWindowShows) {
    QWidget main;
    CSplashWnd::EnableSplashScreen(true);
    CSplashWnd::ShowSplashScreen(&main);
    ASSERT_TRUE(CSplashWnd::IsShown());
    QThread::msleep(CSplashWnd::kShowMilliseconds + 100); // the main window is being made
    QApplication::processEvents();                        // the splash is drawn now
    EXPECT_TRUE(CSplashWnd::IsShown());
    RunEvents(CSplashWnd::kShowMilliseconds + 300); // its time is over, the main window not yet shown
    EXPECT_TRUE(CSplashWnd::IsShown());
    main.show();
    RunEvents(5000, [] { return !CSplashWnd::IsShown(); });
    EXPECT_FALSE(CSplashWnd::IsShown());
    CSplashWnd::EnableSplashScreen(false);
}

TEST(ExtraFrames, FramesCascadeOverTheFourQuartersAndFailuresStillAdvance) {
    g_rcCascade = ComputeCascadeRects(0, 0, 800, 600);
    g_nCascadeSlot = 0;
    std::vector<int> usedSlots;
    for (int i = 0; i < 5; ++i) {
        CFrameWnd* frame = nullptr;
        usedSlots.push_back(g_nCascadeSlot);
        ASSERT_NE(OpenChildWindow(137, "CEntryBasicInfoView", nullptr, &frame), 0);
        ASSERT_NE(frame, nullptr);
        const Rect& expected = g_rcCascade[static_cast<size_t>(usedSlots.back())];
        // The whole frame, title bar included, from the quarter's corner down: before the window is
        // framed its title bar is taken as the style's, and the rest of the quarter is its client area.
        const int titleBar = QApplication::style()->pixelMetric(QStyle::PM_TitleBarHeight);
        EXPECT_EQ(frame->frameGeometry().topLeft(), QPoint(expected.left, expected.top));
        EXPECT_EQ(frame->geometry().size(), QSize(expected.Width(), expected.Height() - titleBar));
        delete frame;
    }
    EXPECT_EQ(usedSlots, (std::vector<int>{0, 1, 2, 3, 0}));

    RegisterPaneClass("CBroken", [](QWidget*) { return nullptr; });
    CFrameWnd* frame = reinterpret_cast<CFrameWnd*>(1);
    EXPECT_EQ(OpenChildWindow(137, "CBroken", nullptr, &frame), 0);
    EXPECT_EQ(frame, nullptr);
    EXPECT_EQ(g_nCascadeSlot, 2);
    UnregisterPaneClass("CBroken");
}

std::vector<std::string> g_warnings;
// The offscreen platform itself says that it cannot pass size hints on to a window system it does not
// have; that notice is the test platform's, not the window's.
void CollectWarnings(QtMsgType type, const QMessageLogContext&, const QString& message) {
    if (message.startsWith("This plugin does not support")) return;
    if (type != QtDebugMsg && type != QtInfoMsg) g_warnings.push_back(message.toStdString());
}

TEST_F(MainFrameTest, WholeWindowRendersWithoutQtWarnings) {
    g_warnings.clear();
    const QtMessageHandler previous = qInstallMessageHandler(CollectWarnings);
    CMainFrame& frame = Build(1366, 768);
    const QImage shot = frame.grab().toImage();
    // The chakra tabs: a strip at the top inside the top strip.
    frame.Framework().ActivateNode(frame.Framework().GetNode(kNodeKotaChakra));
    const QImage chakras = frame.grab().toImage();
    qInstallMessageHandler(previous);
    EXPECT_EQ(g_warnings, std::vector<std::string>{});
    EXPECT_EQ(shot.width(), 1366);
    const QDir output(KH_TEST_OUTPUT_DIR);
    EXPECT_TRUE(shot.save(output.filePath("main_window.png")));
    EXPECT_TRUE(chakras.save(output.filePath("main_window_chakras.png")));
}

} // namespace
