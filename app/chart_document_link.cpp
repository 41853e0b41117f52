#include "app/chart_document_link.h"

#include <algorithm>

#include "display/chart_source.h"
#include "display/chart_view.h"
#include "document/birth_time_undo.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/extra_frames.h"
#include "shell/main_frame.h"
#include "shell/tab_change_effects.h"
#include "views/periods/dasa_view.h"

void ConnectDocument(CTavroDoc& document) {
    g_chartSource.natal = [&document] { return &document.m_natalChart; };
    g_chartSource.current = [&document] { return document.m_pCurrentChart; };
    g_chartSource.mode = [&document] { return document.m_nMode; };
    const auto reportFailure = [](const CalcStatus& status) {
        if (!status.ok()) MessageBox(nullptr, status.error, "Error", MessageIcon::kError);
    };
    g_chartSource.recalculate = [&document, reportFailure] { reportFailure(document.RecalculateAll()); };
    g_chartSource.baseName = [&document] { return ChartBaseName(document.GetPathName()); };
    g_chartSource.moveBirthTime = [&document, reportFailure](double jdUt) {
        reportFailure(document.OnBirthTimeMoved(jdUt));
    };
    g_chartSource.undoBirthTime = [&document, reportFailure](bool all) {
        reportFailure(all ? document.OnUndoAllBirthTimeChanges() : document.OnUndoBirthTimeChange());
    };
    g_chartSource.birthTimeUndoCount = [] { return g_birthTimeUndo.Count(); };

    // A dasa page reopens at the periods it showed last.
    g_tabChangeHooks.restoreDasaPage = [&document](int page) {
        const auto& state = g_dasaPageState[static_cast<std::size_t>(page)];
        std::copy_n(state.begin(), kDasaLevels, document.m_dasaTree.nSelected.begin());
        document.m_dasaTree.nLevel = state[kDasaLevels];
        if (const CalcStatus status = document.CalculateDasa(); !status.ok())
            MessageBox(nullptr, status.error, "Error", MessageIcon::kError);
    };
    g_tabChangeHooks.updateAllViews = [&document] { document.UpdateAllViews(nullptr); };
}

void DisconnectDocument() {
    g_chartSource = ChartSource{};
    g_tabChangeHooks = TabChangeHooks{};
}

std::string FrameTitle(const std::string& title) {
    return title + " - Kalomithra Hora";
}

CFrameDocumentLink::CFrameDocumentLink(CMainFrame& frame, CTavroDoc& document) : m_frame(frame) {
    document.AddView(*this);
    g_updateAllViewsOfMainDoc = [&document] { document.UpdateAllViews(nullptr); };
    m_frame.setWindowTitle(QString::fromStdString(FrameTitle(document.GetTitle())));
}

CFrameDocumentLink::~CFrameDocumentLink() {
    g_updateAllViewsOfMainDoc = nullptr;
}

void CFrameDocumentLink::OnUpdate(CDocumentView*, long hint) {
    m_frame.setWindowTitle(QString::fromStdString(FrameTitle(GetDocument()->GetTitle())));
    for (const auto& [id, node] : m_frame.Framework().Nodes())
        if (auto* view = dynamic_cast<CChartView*>(node->m_pWnd.data())) view->OnUpdate(nullptr, hint);
}
