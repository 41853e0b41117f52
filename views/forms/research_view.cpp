// The research list of the "Longitude Correlation" tab.
#include <QMenu>

#include "core/body_names.h"
#include "core/zodiac_names.h"
#include "document/mode_transit.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/pane_state.h"
#include "views/forms/research_form.h"
#include "views/info/basic_info_tables.h"
#include "views/info/cell_format.h"

CTranResearchView* g_pTranResearchView = nullptr;

CTranResearchView::CTranResearchView(QWidget* parent)
    : CCustomListView(parent), m_reportPointer(g_pTranResearchView, this) {}

void CTranResearchView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    if (!g_bLongitudeCorrelationShown) return;
    CTavroDoc* document = TavroDocOf(*this);
    if (!document) return;
    CalcStatus status;
    {
        CSearchProgressDialog progress(this, "Finding the natal points aspected in transit ...");
        status = document->CalcTransitResearch();
    }
    if (!status.ok() && status.error != kSearchCancelledMessage)
        MessageBox(this, status.error, "Error", MessageIcon::kError);
    FillList();
}

void CTranResearchView::FillList() {
    DeleteAllColumnsAndRows();
    const int method = g_nTransitResearchMethod;
    InsertColumn("Transit Planet", 120);
    InsertColumn("Transit Longitude", 120);
    InsertColumn("Speed", 100);
    InsertColumn("Natal Point", 150);
    if (method == kResearchDrishti)
        InsertColumn("Aspect %", 80);
    else
        InsertColumn("Aspect Orb (deg)", 120);
    InsertColumn("Natal Longitude", 200);
    m_nColumns = 6;
    for (int t = 0; t < kTransitResearchBodies; ++t) {
        const CTransitResearchTable& table = g_transitResearchTables[t];
        for (int e = 0; e < table.nCount; ++e) {
            const CTransitResearchEntry& entry = table.entries[e];
            std::vector<std::string> row(6);
            if (e == 0) {
                row[0] = g_pszPlanetNames[kTransitResearchBodyOrder[t]];
                row[1] = FormatSignLongitude(table.transit.m_dLongitude);
                row[2] = FormatCell("%.4f", table.dSpeedRatio);
            }
            row[3] = FormatCell("%s in %s", g_pszPlanetNames[entry.nPoint], g_strVargaLabels[entry.nColumn].c_str());
            switch (method) {
            case kResearchDrishti:
                row[4] = FormatCell("%.2f", entry.dStrength);
                break;
            case kResearchAspectFraction:
                row[4] = FormatCell("%.1f (%s)", entry.dAspect, entry.strAspect.c_str());
                break;
            default:
                row[4] = FormatCell("%.1f", entry.dAspect);
                break;
            }
            row[5] = FormatSignLongitude(entry.natal.m_dLongitude);
            AddRow(std::move(row));
        }
    }
    Invalidate();
}

void CTranResearchView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    menu.addAction("Copy to clipboard", [this] { CopyToClipboard(); });
    menu.exec(screenPos);
}
