#pragma once
// The one frame window: the menu bar, the main tool bar and the two time-step tool bars on one row,
// the status bar, and the pane tree that the layout framework builds in its client area. Closing it
// saves the preferences.
#include <QComboBox>
#include <QLabel>
#include <QToolBar>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/frame_wnd.h"
#include "platform/recent_file_list.h"
#include "shell/command_ids.h"
#include "shell/visual_framework.h"

class QAction;
class CUpdateCheck;

class CMainFrame : public CFrameWnd {
public:
    // Loads the preferences when nobody has yet, and sets the display-size flags from the saved
    // frame width or, without saved sizes, computes the default sizes from `desktop` (pixels).
    explicit CMainFrame(const Rect& desktop);
    ~CMainFrame() override;

    // Places the frame at the saved or default rectangle, computes the cascade rectangles, makes the
    // bars, the display fonts and the pane tree. Nodes that could not be created are reported. The
    // cascade rectangles then follow the frame wherever it moves and however it is sized.
    void Create(const CCreateContext& context);

    CVisualFramework& Framework() { return m_framework; }
    CRecentFileList& RecentFiles() { return m_recentFiles; }
    QComboBox* BirthTimeCombo() const { return m_birthTimeCombo; }
    QComboBox* TransitTimeCombo() const { return m_transitTimeCombo; }

    // The action of a menu or tool bar command (the first made for it), or null.
    QAction* FindAction(CommandId id) const;
    // Runs a command as its menu item or button would; false when it has no handler yet.
    bool RunCommand(CommandId id);
    // Binds (or rebinds) a command's handler and enables its menu items and buttons.
    void SetCommandHandler(CommandId id, std::function<void()> handler);

    // The File menu's recent-file entries made again from RecentFiles(); an entry is enabled once its
    // command has a handler.
    void RebuildRecentFileMenu();

    // Saves the frame's and every live pane's size into the saved-size records (Save current window sizes).
    void StoreWindowSizes();
    // The one update check of the program (one check at a time).
    CUpdateCheck& UpdateCheck() { return *m_updateCheck; }

    // Redraws every pane (after a font or colour change).
    void UpdateAllPanes();
    // Asked before the frame closes; returning false keeps the program open (unsaved chart kept).
    void SetCloseQuery(std::function<bool()> canClose) { m_canClose = std::move(canClose); }
    // Receives the local files dropped on the window, in the order they were dropped.
    void SetFileDropHandler(std::function<void(const std::vector<std::string>&)> handler) {
        m_fileDrop = std::move(handler);
    }

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // OnCreate: the bars; OnCreateClient: the fonts and the layout.
    void CreateMenus();
    void CreateToolBars();
    QToolBar* CreateTimeStepBar(const char* name, CommandId back, CommandId forward, CommandId comboId,
                                int selection, QComboBox** combo);
    void CreateStatusBar();
    void BuildLayout(const CCreateContext& context);
    // The quarters of the client area below the menu bar: extra frames never cover the menus.
    void UpdateCascadeRects();
    void BindCommands();
    // A View menu item that shows or hides `bar` alone, checked while the bar is shown.
    void BindBarCommand(CommandId id, QWidget* bar);

    QAction* MakeAction(CommandId id, const QString& text);

    CVisualFramework m_framework;
    CRecentFileList m_recentFiles;
    QComboBox* m_birthTimeCombo = nullptr;
    QComboBox* m_transitTimeCombo = nullptr;
    QMenu* m_recentFileMenu = nullptr;
    std::multimap<unsigned, QAction*> m_actions;
    std::map<unsigned, std::function<void()>> m_handlers;
    std::unique_ptr<CUpdateCheck> m_updateCheck;
    std::function<bool()> m_canClose;
    std::function<void(const std::vector<std::string>&)> m_fileDrop;
};

// The object name of the main tool bar (the time-step bars are named after their times).
inline constexpr char kMainToolBarName[] = "MainToolBar";
// The time-step units of the stepper combo boxes, in index order.
extern const char* const kTimeStepUnits[7];
