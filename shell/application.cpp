#include "shell/application.h"

#include <QApplication>
#include <QScreen>

#include "core/data_folder.h"
#include "platform/message_box.h"
#include "shell/app_icon.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "shell/splash_wnd.h"

CommandLineInfo ParseCommandLine(const QStringList& arguments) {
    CommandLineInfo info;
    for (const QString& argument : arguments) {
        const QString name = argument.mid(1);
        const bool isSwitch = argument.startsWith('-') || argument.startsWith('/');
        if (isSwitch && (name.compare("Embedding", Qt::CaseInsensitive) == 0 ||
                         name.compare("Automation", Qt::CaseInsensitive) == 0))
            continue;
        if (info.fileToOpen.empty()) info.fileToOpen = argument.toStdString();
    }
    return info;
}

CTavroApp::CTavroApp() {
    QCoreApplication::setOrganizationName("Kalomithra Hora");
    QCoreApplication::setApplicationName("Kalomithra Hora");
    QGuiApplication::setDesktopFileName("kalomithra-hora");
}

CTavroApp::~CTavroApp() {
    qApp->removeEventFilter(this);
}

bool CTavroApp::InitInstance(const QStringList& arguments) {
    const CommandLineInfo info = ParseCommandLine(arguments);
    CSplashWnd::EnableSplashScreen(info.showSplash);
    if (!g_bPreferencesInitialised) InitPreferences();
    // A preference file that could not be used must not pass silently.
    if (!g_strPreferenceFileNotice.empty())
        MessageBox(nullptr, g_strPreferenceFileNotice, "Error", MessageIcon::kWarning);
    QApplication::setWindowIcon(ApplicationIcon());
    qApp->installEventFilter(this);

    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    m_frame = std::make_unique<CMainFrame>(
        Rect{desktop.left(), desktop.top(), desktop.right() + 1, desktop.bottom() + 1});
    m_frame->Create(CCreateContext{});
    CSplashWnd::ShowSplashScreen(m_frame.get());
    m_frame->show();
    return true;
}

void CTavroApp::ExitInstance() {
    m_frame.reset();
    CloseEphemeris();
}

bool CTavroApp::eventFilter(QObject* watched, QEvent* event) {
    if (CSplashWnd::PreTranslateAppMessage(event)) return true;
    return QObject::eventFilter(watched, event);
}
