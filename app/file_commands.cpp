#include "app/file_commands.h"

#include <QFileInfo>
#include <algorithm>

#include "app/chart_document_link.h"
#include "core/whole_file.h"
#include "document/tavro_doc.h"
#include "platform/file_chooser.h"
#include "platform/message_box.h"
#include "shell/extra_frames.h"
#include "shell/main_frame.h"

namespace {

const QString kChartFileFilter = "Chart data files (*.tvd)";

bool SaveChartFile(CMainFrame& frame, CTavroDoc& document, const std::string& path) {
    // The folder may let a read-only file be replaced; its owner marked it so for a reason.
    if (IsReadOnlyFile(path) &&
        MessageBox(&frame, "\"" + path + "\" is read-only.\nReplace it all the same?", "Kalomithra Hora",
                   MessageIcon::kQuestion, MessageButtons::kYesNo) != MessageResult::kYes)
        return false;
    const DocumentStatus status = document.OnSaveDocument(path);
    if (!status.ok()) {
        MessageBox(&frame, status.error, "Error", MessageIcon::kError);
        return false;
    }
    document.UpdateChartBaseName();
    RememberChartFile(frame, path);
    frame.setWindowTitle(QString::fromStdString(FrameTitle(document.GetTitle())));
    RetitleWindowsApart(document);
    return true;
}

// A name typed without an extension gets the chart files' own, so that File > Open lists it.
QString ChartFileName(const QString& chosen) {
    return QFileInfo(chosen).suffix().isEmpty() ? chosen + ".tvd" : chosen;
}

// The dialog checks the name typed, which may still lack the ".tvd" it is saved under: the question
// whether to replace a file is asked here, of the name really written. "No" leads back to the
// dialog at the name refused, as the dialog's own question would, so that another can be typed.
bool SaveChartFileAs(CMainFrame& frame, CTavroDoc& document) {
    QString proposed = QString::fromStdString(document.GetPathName());
    for (;;) {
        const QString chosen = ChooseFileToSave(&frame, "Save As", proposed, kChartFileFilter,
                                                QFileDialog::DontConfirmOverwrite);
        if (chosen.isEmpty()) return false;
        const QString path = ChartFileName(chosen);
        if (!QFileInfo::exists(path) ||
            MessageBox(&frame, path.toStdString() + " already exists.\nDo you want to replace it?", "Save As",
                       MessageIcon::kWarning, MessageButtons::kYesNo) == MessageResult::kYes)
            return SaveChartFile(frame, document, path.toStdString());
        proposed = chosen;
    }
}

bool SaveChart(CMainFrame& frame, CTavroDoc& document) {
    if (document.GetPathName().empty()) return SaveChartFileAs(frame, document);
    return SaveChartFile(frame, document, document.GetPathName());
}

} // namespace

bool SaveModifiedChart(CMainFrame& frame, CTavroDoc& document) {
    if (!document.IsModified()) return true;
    const MessageResult answer =
        MessageBox(&frame, "Save changes to " + document.GetTitle() + "?", "Kalomithra Hora",
                   MessageIcon::kQuestion, MessageButtons::kYesNoCancel);
    if (answer == MessageResult::kNo) return true;
    if (answer != MessageResult::kYes) return false;
    return SaveChart(frame, document);
}

void RememberChartFile(CMainFrame& frame, const std::string& path) {
    frame.RecentFiles().Add(QString::fromStdString(path));
    frame.RecentFiles().WriteList();
    frame.RebuildRecentFileMenu();
}

bool OpenChartFile(CMainFrame& frame, CTavroDoc& document, const std::string& path) {
    const DocumentStatus status = document.OnOpenDocument(path);
    if (!status.ok()) {
        MessageBox(&frame, status.error, "Error", MessageIcon::kError);
        return false;
    }
    document.UpdateChartBaseName();
    RememberChartFile(frame, path);
    return true;
}

void OpenDroppedFiles(CMainFrame& frame, CTavroDoc& document, const std::vector<std::string>& paths) {
    const auto isChartFile = [](const std::string& path) {
        return QFileInfo(QString::fromStdString(path)).suffix().compare("tvd", Qt::CaseInsensitive) == 0;
    };
    const auto chart = std::find_if(paths.begin(), paths.end(), isChartFile);
    if (chart == paths.end()) {
        if (!paths.empty())
            MessageBox(&frame,
                       paths.front() + " is not opened: Kalomithra Hora opens chart data files (*.tvd) only.",
                       "Error", MessageIcon::kError);
        return;
    }
    if (SaveModifiedChart(frame, document)) OpenChartFile(frame, document, *chart);
}

void BindFileCommands(CMainFrame& frame, CTavroDoc& document) {
    frame.SetCommandHandler(kCmdFileNew, [&frame, &document] {
        if (!SaveModifiedChart(frame, document)) return;
        const DocumentStatus status = NewChart(document);
        document.UpdateChartBaseName();
        if (!status.ok()) MessageBox(&frame, status.error, "Error", MessageIcon::kError);
    });
    frame.SetCommandHandler(kCmdFileOpen, [&frame, &document] {
        if (!SaveModifiedChart(frame, document)) return;
        const QString path = ChooseFileToOpen(&frame, "Open", kChartFileFilter);
        if (!path.isEmpty()) OpenChartFile(frame, document, path.toStdString());
    });
    frame.SetCommandHandler(kCmdFileSave, [&frame, &document] { SaveChart(frame, document); });
    frame.SetCommandHandler(kCmdFileSaveAs, [&frame, &document] { SaveChartFileAs(frame, document); });
    for (int i = 0; i < frame.RecentFiles().GetSize(); ++i)
        frame.SetCommandHandler(CommandId(kCmdRecentFile1 + i), [&frame, &document, i] {
            if (i >= frame.RecentFiles().Paths().size() || !SaveModifiedChart(frame, document)) return;
            if (OpenChartFile(frame, document, frame.RecentFiles().Paths()[i].toStdString())) return;
            // A file that can no longer be read leaves the list.
            frame.RecentFiles().Remove(i);
            frame.RecentFiles().WriteList();
            frame.RebuildRecentFileMenu();
        });
    frame.RebuildRecentFileMenu();
    frame.SetCloseQuery([&frame, &document] { return SaveModifiedChart(frame, document); });
    frame.SetFileDropHandler([&frame, &document](const std::vector<std::string>& paths) {
        OpenDroppedFiles(frame, document, paths);
    });
}
