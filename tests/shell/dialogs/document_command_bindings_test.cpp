// The document's commands bound to the frame: the mode screens come to the front, the dialog
// commands run from the frame.
#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/birth_data_dlg.h"
#include "shell/dialogs/document_commands.h"
#include "shell/layout_table.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

TEST_F(MainFrameTest, TheModeCommandsBringTheirScreensToTheFront) {
    CTavroDoc document;
    CMainFrame& frame = Build();
    BindDocumentCommands(frame, document);
    const std::pair<CommandId, unsigned> cases[] = {
        {kCmdGoToTajakaScreen, kNodeTajakaForm},
        {kCmdGoToTithiPraveshaScreen, kNodeTithiPraveshaForm},
        {kCmdGoToTransitScreen, kNodeTransitForm},
        {kCmdGoToProgressionsScreen, kNodeProgressionsForm},
        {kCmdGoToPrasnaScreen, kNodePrasnaForm},
        {kCmdGoToMundaneScreen, kNodeMundaneForm},
        {kCmdViewYogas, kNodeYogas},
    };
    for (const auto& [command, node] : cases) {
        SCOPED_TRACE(node);
        ASSERT_TRUE(frame.RunCommand(command));
        EXPECT_EQ(frame.GetActiveView(), Node(node).m_pWnd.data());
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(MainFrameTest, EditBirthdataRunsFromTheFrame) {
    CTavroDoc document;
    ASSERT_TRUE(document.OnNewDocument());
    CMainFrame& frame = Build();
    BindDocumentCommands(frame, document);
    bool shown = false;
    WhenModal<CBirthDataDlg>([&shown](CBirthDataDlg& dialog) {
        shown = true;
        dialog.reject();
    });
    ASSERT_TRUE(frame.RunCommand(kCmdEditBirthData));
    EXPECT_TRUE(shown);
    EXPECT_FALSE(document.IsModified());
}

} // namespace
