// The frame commands that stand without the document: pane navigation, font sizes, window sizes,
// preference files, printing the active pane, the About box and the menu hint.
#include <QApplication>
#include <QFileDialog>
#include <QStatusBar>
#include <QUrl>

#include "platform/message_box.h"
#include "platform/print_job.h"
#include "platform/view.h"
#include "shell/about_box.h"
#include "shell/desktop_opener.h"
#include "shell/display_fonts.h"
#include "shell/layout_table.h"
#include "shell/main_frame.h"
#include "shell/preferences.h"
#include "shell/restart_exit.h"
#include "shell/window_sizes.h"

namespace {

std::optional<std::string> ChoosePreferenceFile(QWidget* parent, bool forImport) {
    const QString filter = "Preference files (*.ini)";
    const QString path = forImport ? QFileDialog::getOpenFileName(parent, "Import preferences", {}, filter)
                                   : QFileDialog::getSaveFileName(parent, "Export preferences", {}, filter);
    if (path.isEmpty()) return std::nullopt;
    return path.toStdString();
}

} // namespace

void CMainFrame::BindCommands() {
    const std::pair<CommandId, unsigned> paneCommands[] = {
        {kCmdKeyInformation, kNodeKeyData},      {kCmdTwoVargas, kNodeMixedChart},
        {kCmdSarvatobhadra, kNodeSarvatobhadra}, {kCmdKotaChakra, kNodeKotaChakra},
        {kCmdKalachakra, kNodeKalachakra},
    };
    for (const auto& [command, node] : paneCommands)
        SetCommandHandler(command, [this, node] { m_framework.ActivateNode(m_framework.GetNode(node)); });
    SetCommandHandler(kCmdNavigateBackward, NavigateBackward);
    SetCommandHandler(kCmdNavigateForward, NavigateForward);

    SetCommandHandler(kCmdBiggerFonts, [this] {
        if (g_nFontSizeSelection >= kFontSizeSteps - 1) return;
        ++g_nFontSizeSelection;
        AdjustDisplayFontSizes();
        UpdateAllPanes();
    });
    SetCommandHandler(kCmdSmallerFonts, [this] {
        if (g_nFontSizeSelection <= 0) return;
        --g_nFontSizeSelection;
        AdjustDisplayFontSizes();
        UpdateAllPanes();
    });
    SetCommandHandler(kCmdSaveWindowSizes, [this] { StoreWindowSizes(); });
    SetCommandHandler(kCmdDefaultWindowSizes, [this] {
        MessageBox(
            this,
            "Forgetting the custom window sizes that were saved and switching to default window sizes. "
            "Kalomithra Hora will now close. Please restart Kalomithra Hora.",
            "Switching back to default window sizes");
        g_bWindowSizesSaved = false;
        EndForRestart();
    });

    SetCommandHandler(kCmdSavePreferences, [this] {
        const FileWriteResult saved = SavePreferences();
        if (!saved.ok) MessageBox(this, saved.message, "Error", MessageIcon::kError);
    });
    SetCommandHandler(kCmdImportPreferences, [this] {
        const auto read =
            ImportPreferences([this](bool forImport) { return ChoosePreferenceFile(this, forImport); });
        if (read && !read->message.empty())
            MessageBox(this, read->message, "Error",
                       read->state == PreferenceFileState::kRead ? MessageIcon::kWarning
                                                                 : MessageIcon::kError);
    });
    SetCommandHandler(kCmdExportPreferences, [this] {
        const auto written =
            ExportPreferences([this](bool forImport) { return ChoosePreferenceFile(this, forImport); });
        if (written && !written->ok) MessageBox(this, written->message, "Error", MessageIcon::kError);
    });
    // The preference file opens in the desktop's text editor, as it stands on disk (not saved first).
    SetCommandHandler(kCmdViewPreferenceFile, [this] {
        const std::string path = PreferencesPathForWriting(g_strDataDirectory, UserPreferencesFolder());
        if (!OpenOnDesktop(QUrl::fromLocalFile(QString::fromStdString(path))))
            MessageBox(this, "The preference file could not be opened: no text editor took it.\n\nIt is " + path,
                       "Sorry", MessageIcon::kWarning);
    });

    SetCommandHandler(kCmdMoreMenus, [this] {
        MessageBox(
            this,
            "You can get a pop-up menu by clicking the right mouse button in many frames in this program. "
            "This program contains a lot of pop-up menus that display the context-dependent menus that "
            "are ideal for different frames. Explore and get used to the pop-up menus. Once you find "
            "your way around, you will love these pop-up menus!",
            "How to get more menus!");
    });
    SetCommandHandler(kCmdAppAbout, [this] { RunAboutBox(this); });
    SetCommandHandler(kCmdAppExit, [this] { close(); });
    // Printing acts on the active pane, which knows what it prints.
    SetCommandHandler(kCmdFilePrint, [this] {
        if (auto* pane = dynamic_cast<CView*>(GetActiveView())) pane->OnFilePrint();
    });
    SetCommandHandler(kCmdFilePrintPreview, [this] {
        if (auto* pane = dynamic_cast<CView*>(GetActiveView())) pane->OnFilePrintPreview();
    });
    SetCommandHandler(kCmdFilePrintSetup, [this] { RunPrintSetup(this); });
    BindBarCommand(kCmdViewToolbar, findChild<QToolBar*>(kMainToolBarName));
    BindBarCommand(kCmdViewStatusBar, statusBar());
}

void CMainFrame::BindBarCommand(CommandId id, QWidget* bar) {
    if (!bar) return;
    // Hidden, not visible, is the bar's own state: a frame not yet shown or minimised hides no bar.
    const auto showCheck = [this, id, bar] {
        const auto [first, last] = m_actions.equal_range(id);
        for (auto it = first; it != last; ++it) it->second->setChecked(!bar->isHidden());
    };
    const auto [first, last] = m_actions.equal_range(id);
    for (auto it = first; it != last; ++it) it->second->setCheckable(true);
    showCheck();
    SetCommandHandler(id, [bar, showCheck] {
        bar->setHidden(!bar->isHidden());
        showCheck();
    });
    // The tool bar area's own menu hides and shows tool bars too.
    if (auto* toolBar = qobject_cast<QToolBar*>(bar)) connect(toolBar, &QToolBar::visibilityChanged, this, showCheck);
}
