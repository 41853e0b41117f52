#include "display/chart_view.h"
#include "display/entry_chart_view.h"
#include "display/mixed_chart_view.h"
#include "platform/message_box.h"
#include "shell/copy_notice.h"
#include "shell/main_frame.h"
#include "shell/view_registry.h"

namespace {

// Runs `command` on the chart view, or says there is none to copy.
void WithChartView(CMainFrame& frame, const std::function<void(CChartView&)>& command) {
    if (g_pChartView && g_pChartView->PaneChart(g_pChartView->CurrentPane())) {
        command(*g_pChartView);
        return;
    }
    MessageBox(&frame, "No chart is shown to copy.", "Sorry");
}

} // namespace

void RegisterChartViews() {
    RegisterPaneClass("CChartView", [](QWidget* parent) -> QWidget* { return new CChartView(parent); });
    RegisterPaneClass("CMixedChartView",
                      [](QWidget* parent) -> QWidget* { return new CMixedChartView(parent); });
    RegisterPaneClass("CEntryChartView",
                      [](QWidget* parent) -> QWidget* { return new CEntryChartView(parent); });
}

void BindChartCopyCommands(CMainFrame& frame) {
    // Like the calculation copies, each says what it put on the clipboard; a refusal tells its own.
    frame.SetCommandHandler(kCmdCopyChartAsText, [&frame] {
        WithChartView(frame, [&frame](CChartView& view) {
            if (view.CopyChartAsText(false)) TellCopied(&frame, "the chart", CopiedForm::kText);
        });
    });
    frame.SetCommandHandler(kCmdCopyChartAsPicture, [&frame] {
        WithChartView(frame, [&frame](CChartView& view) {
            if (view.CopyChartPicture()) TellCopied(&frame, "the chart", CopiedForm::kPicture);
        });
    });
    frame.SetCommandHandler(kCmdSaveChartPicture, [&frame] {
        WithChartView(frame,
                      [](CChartView& view) { view.SaveChartPicture(ChartPicture::kAsOnScreen, kScreenPicture); });
    });
}
