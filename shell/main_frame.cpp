#include "shell/main_frame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QKeyEvent>
#include <QMimeData>
#include <QKeySequence>
#include <QStatusBar>

#include "core/calc_options.h"
#include "core/custom_varga_names.h"
#include "platform/message_box.h"
#include "platform/view.h"
#include "shell/display_fonts.h"
#include "shell/frame_geometry.h"
#include "shell/layout_table.h"
#include "shell/preferences.h"
#include "shell/restart_exit.h"
#include "shell/update_check.h"
#include "shell/window_sizes.h"

namespace {

const WindowSizeRecord* SizeRecord(const char* name) {
    for (const WindowSizeRecord& record : g_windowSizes)
        if (*name && std::string_view(record.name) == name) return &record;
    return nullptr;
}

std::unique_ptr<CVisualNode> MakeNode(const LayoutNodeRow& row) {
    switch (row.place) {
    case LayoutPlace::kRootTabWindow:
    case LayoutPlace::kTab:
        return std::make_unique<CVisualNode>(row.id, row.title, row.className, row.flags);
    case LayoutPlace::kSplitterTab:
        return std::make_unique<CVisualNode>(row.id, row.title, row.rows, row.cols, row.flags);
    case LayoutPlace::kViewInPane: {
        const WindowSizeRecord* size = SizeRecord(row.sizeRecord);
        return std::make_unique<CVisualNode>(row.id, row.row, row.col, row.className, size ? size->cx : 0,
                                             size ? size->cy : 0, row.flags);
    }
    case LayoutPlace::kSplitterInPane:
        return std::make_unique<CVisualNode>(row.id, row.row, row.col, row.rows, row.cols, row.flags);
    }
    return nullptr;
}

} // namespace

CMainFrame::CMainFrame(const Rect& desktop) {
    if (!g_bPreferencesInitialised) InitPreferences();
    if (g_bWindowSizesSaved)
        SetDisplayFlagsFromSavedSizes();
    else
        ComputeDefaultWindowSizes(g_windowSizes, desktop);
    setWindowTitle("Kalomithra Hora");
    m_updateCheck = std::make_unique<CUpdateCheck>(this);
    setAcceptDrops(true); // chart files dropped on the window open as File > Open opens them
    m_recentFiles.ReadList();
}

CMainFrame::~CMainFrame() {
    g_endForRestart = nullptr;
    if (g_pVisualFramework == &m_framework) g_pVisualFramework = nullptr;
    m_framework.Destroy();
}

void CMainFrame::Create(const CCreateContext& context) {
    const WindowSizeRecord& offset = g_windowSizes[0];
    const WindowSizeRecord& size = g_windowSizes[1];
    setGeometry(offset.cx, offset.cy, size.cx, size.cy);
    g_rcCascade = ComputeCascadeRects(offset.cx, offset.cy, size.cx, size.cy);
    setWindowState(windowState() | Qt::WindowMaximized);

    CreateMenus();
    CreateToolBars();
    CreateStatusBar();
    CreateDisplayFonts();
    BuildLayout(context);
    BindCommands();
    qApp->installEventFilter(this);
    g_endForRestart = [this] { close(); };
}

void CMainFrame::BuildLayout(const CCreateContext& context) {
    g_bNavigating = 1;
    for (const LayoutNodeRow& row : LayoutNodes()) {
        if (row.parent == 0)
            m_framework.AddRoot(MakeNode(row));
        else
            m_framework.AddChild(m_framework.GetNode(row.parent), MakeNode(row));
    }
    m_framework.Create(this, &context);

    const unsigned dasaPages[] = {kNodeNakshatraDasas, kNodeRasiDasas, kNodeOtherDasas};
    if (g_nCurrentDasaViewType >= 0 && g_nCurrentDasaViewType < 3)
        if (CVisualNode* page = m_framework.GetNode(dasaPages[g_nCurrentDasaViewType]))
            page->SelectInParentTab();
    m_framework.ActivateNode(m_framework.GetNode(kNodeManyVargas));
    if (CVisualNode* node = m_framework.GetNode(kNodeProgressions)) node->SelectInParentTab();
    m_framework.ActivateNode(m_framework.GetNode(kNodeBasicInfo));
    for (unsigned id : {kNodeTransitForm, kNodeBarGraphs})
        if (CVisualNode* node = m_framework.GetNode(id)) node->SelectInParentTab();
    g_pVisualFramework = &m_framework;
    g_bNavigating = 0;
    BuildCustomVargaNames();

    if (!m_framework.FailedNodes().empty()) {
        std::string text = "Unable to create window.\n";
        for (const std::string& name : m_framework.FailedNodes()) text += "\n" + name;
        MessageBox(this, text, "Oops", MessageIcon::kWarning);
    }
}

void CMainFrame::StoreWindowSizes() {
    const QRect frame = frameGeometry();
    g_windowSizes[0].cx = frame.x();
    g_windowSizes[0].cy = frame.y();
    g_windowSizes[1].cx = frame.width();
    g_windowSizes[1].cy = frame.height();
    for (const LayoutNodeRow& row : LayoutNodes()) {
        CVisualNode* node = m_framework.GetNode(row.id);
        if (!*row.sizeRecord || !node || !node->m_pWnd) continue;
        for (WindowSizeRecord& record : g_windowSizes)
            if (std::string_view(record.name) == row.sizeRecord) {
                record.cx = node->m_pWnd->width();
                record.cy = node->m_pWnd->height();
            }
    }
    g_bWindowSizesSaved = true;
}

void CMainFrame::UpdateAllPanes() {
    for (const auto& [id, node] : m_framework.Nodes())
        if (auto* view = dynamic_cast<CView*>(node->m_pWnd.data())) view->OnUpdate(nullptr, 0);
}

QAction* CMainFrame::FindAction(CommandId id) const {
    const auto found = m_actions.find(id);
    return found != m_actions.end() ? found->second : nullptr;
}

bool CMainFrame::RunCommand(CommandId id) {
    const auto found = m_handlers.find(id);
    if (found == m_handlers.end()) return false;
    found->second();
    return true;
}

void CMainFrame::SetCommandHandler(CommandId id, std::function<void()> handler) {
    m_handlers[id] = std::move(handler);
    const auto [first, last] = m_actions.equal_range(id);
    for (auto it = first; it != last; ++it) it->second->setEnabled(true);
}

QAction* CMainFrame::MakeAction(CommandId id, const QString& text) {
    // "Text\tCtrl+D": the key after the tab is the item's shortcut, shown beside it by the menu.
    const qsizetype tab = text.indexOf('\t');
    auto* action = new QAction(tab < 0 ? text : text.left(tab), this);
    if (tab >= 0) action->setShortcut(QKeySequence(text.mid(tab + 1)));
    action->setEnabled(false); // until the command has a handler
    connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
    m_actions.emplace(id, action);
    return action;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (m_canClose && !m_canClose()) {
        event->ignore();
        return;
    }
    if (m_birthTimeCombo) g_nTimeAdjBase = m_birthTimeCombo->currentIndex();
    if (m_transitTimeCombo) g_nTranTimeAdjBase = m_transitTimeCombo->currentIndex();
    const FileWriteResult saved = SavePreferences();
    if (!saved.ok) MessageBox(this, saved.message, "Error", MessageIcon::kError);
    m_recentFiles.WriteList();
    event->accept();
    // The entry charts, calendars and tables in windows of their own go with the main window: left
    // open, they would keep the program running with no main window.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && dynamic_cast<CFrameWnd*>(window)) window->close();
    }
}

namespace {

std::vector<std::string> DroppedFiles(const QMimeData* data) {
    std::vector<std::string> paths;
    if (!data) return paths;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) paths.push_back(url.toLocalFile().toStdString());
    return paths;
}

} // namespace

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (m_fileDrop && !DroppedFiles(event->mimeData()).empty()) event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    const std::vector<std::string> paths = DroppedFiles(event->mimeData());
    if (!m_fileDrop || paths.empty()) return;
    event->acceptProposedAction();
    m_fileDrop(paths);
}

void CMainFrame::moveEvent(QMoveEvent* event) {
    CFrameWnd::moveEvent(event);
    UpdateCascadeRects();
}

// The layout has placed the menu bar for the new size by the time the frame hears of it.
void CMainFrame::resizeEvent(QResizeEvent* event) {
    CFrameWnd::resizeEvent(event);
    UpdateCascadeRects();
}

void CMainFrame::UpdateCascadeRects() {
    const int menuBottom = menuWidget() ? menuWidget()->geometry().bottom() + 1 : 0;
    const QRect client = geometry(); // screen pixels, as the frame is a window
    g_rcCascade = ComputeCascadeRects(client.x(), client.y() + menuBottom, client.width(),
                                      client.height() - menuBottom);
}

// Ctrl+Tab and Ctrl+Shift+Tab in a pane switch the tabs of the pane's nearest tab window.
bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
        auto* widget = qobject_cast<QWidget*>(watched);
        if (tab && (key->modifiers() & Qt::ControlModifier) && widget && isAncestorOf(widget))
            return m_framework.HandleCtrlTab(widget, key->key() == Qt::Key_Backtab ||
                                                         (key->modifiers() & Qt::ShiftModifier));
    }
    return CFrameWnd::eventFilter(watched, event);
}
