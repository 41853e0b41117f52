#include "shell/update_commands.h"

#include <QTimer>

#include "shell/display_options.h"
#include "platform/message_box.h"
#include "shell/dialogs/update_pref_dlg.h"
#include "shell/main_frame.h"
#include "shell/update_check.h"

void BindUpdateCommands(CMainFrame& frame) {
    frame.SetCommandHandler(kCmdPreferencesUpdates, [&frame] {
        CUpdatePrefDlg dialog(&frame, IsUsableUpdateServer(g_strUpdateServer));
        dialog.m_bAutoUpdate = g_bAutoUpdateOn;
        dialog.m_bTestReleases = g_bAutoUpdateOnTest;
        dialog.m_bCheckNow = 1;
        if (!dialog.DoModal()) return;
        g_bAutoUpdateOn = dialog.m_bAutoUpdate == 1;
        g_bAutoUpdateOnTest = dialog.m_bTestReleases == 1;
        if (dialog.m_bCheckNow != 1) return;
        if (frame.UpdateCheck().Running())
            MessageBox(&frame, "An update check is running already; its answer comes shortly.", "Updates");
        else
            frame.UpdateCheck().Start(true, g_bAutoUpdateOnTest);
    });
}

void ScheduleStartUpUpdateCheck(CMainFrame& frame) {
    if (!g_bAutoUpdateOn) return;
    QTimer::singleShot(0, &frame, [&frame] { frame.UpdateCheck().Start(false, g_bAutoUpdateOnTest); });
}
