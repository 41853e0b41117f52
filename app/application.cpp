#include "app/application.h"

#include <QApplication>
#include <QScreen>

#include "app/chart_document_link.h"
#include "app/file_commands.h"
#include "core/data_folder.h"
#include "display/chart_view.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/app_icon.h"
#include "shell/dialogs/document_commands.h"
#include "shell/frame_document_commands.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "shell/splash_wnd.h"
#include "shell/update_commands.h"
#include "shell/web_links.h"

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
    DisconnectDocument(); // the members then go in reverse order: link, frame and views, document
}

bool CTavroApp::InitInstance(const QStringList& arguments) {
    const CommandLineInfo info = ParseCommandLine(arguments);
    CSplashWnd::EnableSplashScreen(info.showSplash);
    if (!g_bPreferencesInitialised) InitPreferences();
    // A preference file that could not be used must not pass silently.
    if (!g_strPreferenceFileNotice.empty())
        MessageBox(nullptr, g_strPreferenceFileNotice, "Error", MessageIcon::kWarning);
    // So must an atlas or ephemeris file that is missing or damaged, with what still works.
    if (const std::string notice = DataFolderNotice(AtlasFilePath(), EphemerisFolderInUse()); !notice.empty())
        MessageBox(nullptr, notice, "Error", MessageIcon::kWarning);
    QApplication::setWindowIcon(ApplicationIcon());
    qApp->installEventFilter(this);

    // The chart is in place before the panes are made, so that their first drawing shows it.
    m_document = std::make_unique<CTavroDoc>();
    // A chart that cannot be opened or calculated is told once the window stands.
    const DocumentStatus opened =
        info.fileToOpen.empty() ? NewChart(*m_document) : OpenCommandLineChart(*m_document, info.fileToOpen);
    m_document->UpdateChartBaseName();
    ConnectDocument(*m_document);

    const QRect desktop = QGuiApplication::primaryScreen()->availableGeometry();
    m_frame = std::make_unique<CMainFrame>(
        Rect{desktop.left(), desktop.top(), desktop.right() + 1, desktop.bottom() + 1});
    if (const std::string& refused = m_frame->RecentFiles().ReadFailure(); !refused.empty())
        MessageBox(nullptr, refused + "\nThe recent-file list starts empty, and this file is left as it is.",
                   "Error", MessageIcon::kWarning);
    CCreateContext context;
    context.m_pCurrentDoc = m_document.get();
    m_frame->Create(context);
    m_frameLink = std::make_unique<CFrameDocumentLink>(*m_frame, *m_document);
    BindDocumentCommands(*m_frame, *m_document);
    BindFileCommands(*m_frame, *m_document);
    BindFrameDocumentCommands(*m_frame, *m_document);
    BindChartCopyCommands(*m_frame);
    BindWebLinkCommands(*m_frame);
    BindUpdateCommands(*m_frame);
    if (!info.fileToOpen.empty() && opened.ok()) RememberChartFile(*m_frame, info.fileToOpen);

    CSplashWnd::ShowSplashScreen(m_frame.get());
    m_frame->show();
    ScheduleStartUpUpdateCheck(*m_frame);
    if (!opened.ok()) MessageBox(m_frame.get(), opened.error, "Error", MessageIcon::kError);
    return true;
}

void CTavroApp::ExitInstance() {
    m_frameLink.reset();
    m_frame.reset();
    DisconnectDocument();
    CloseEphemeris();
}

bool CTavroApp::eventFilter(QObject* watched, QEvent* event) {
    if (CSplashWnd::PreTranslateAppMessage(event)) return true;
    return QObject::eventFilter(watched, event);
}
