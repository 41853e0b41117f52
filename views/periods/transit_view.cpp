#include "views/periods/transit_view.h"

#include <QMenu>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/reference_dlgs.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "views/info/list_menu.h"

namespace {

constexpr int kNatalReference = -2;
constexpr int kNatalAvVarga = -3;
constexpr int kTransitAvVarga = -4;
constexpr int kChangeMoment = -5;
constexpr int kCopy = -6;

// Items 0 or more show that table.
constexpr ListMenuItem kMenu[] = {
    {"&Standard (tara, murthi, vedha)", kTransitStandard},
    {"Natal &reference to use", kNatalReference},
    {"", kListMenuSeparator},
    {"&Ashtakavarga related", kTransitAshtakavarga},
    {"&Natal varga for ashtakavarga", kNatalAvVarga},
    {"&Transit varga for ashtakavarga", kTransitAvVarga},
    {"", kListMenuSeparator},
    {"Aspects on special &nakshatras", kTransitStarAspectsMoon},
    {"Aspects on special &nakshatras (lagna)", kTransitStarAspectsLagna},
    {"Transits in s&pecial nakshatras", kTransitSpecialStarsMoon},
    {"Transits in s&pecial nakshatras (lagna)", kTransitSpecialStarsLagna},
    {"", kListMenuSeparator},
    {"&Latta (planetary kick)", kTransitLatta},
    {"An&ga graha transits", kTransitAngaGraha},
    {"", kListMenuSeparator},
    {"&Houses from lagna && Moon", kTransitHouses},
    {"", kListMenuSeparator},
    {"&Change the transit date && time", kChangeMoment},
    {"&Copy to clipboard", kCopy},
};

// The reference chooser's entry of a reference body: 0 Moon, 1 Lagna, 2 Arudha lagna.
int ReferenceEntry(int body) {
    if (body == kLagna) return 1;
    if (body == kArudhaLagna) return 2;
    return 0;
}

// The varga code chosen in the dialog (preset with `current`), or -1 when it was cancelled.
int ChosenVarga(CSelectVargaDlg& dialog, int current) {
    dialog.m_nVarga = current;
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return -1;
    return dialog.m_nVarga;
}

} // namespace

CTransitView::CTransitView(QWidget* parent) : CCustomListView(parent) {}

void CTransitView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillTable();
}

void CTransitView::DrawItem(DrawSurface& surface, int row) {
    DrawListItem(surface, row, m_nFirstSpecialRow);
}

void CTransitView::ShowTable(int table) {
    m_nTable = table >= 0 && table < kTransitTableCount ? table : kTransitStandard;
    RefreshLayout();
    FillTable();
}

void CTransitView::SetAshtakavargaVargas(int natalVarga, int transitVarga) {
    m_nNatalAvVarga = natalVarga;
    m_nTransitAvVarga = transitVarga;
    RefreshLayout();
    FillTable();
}

void CTransitView::SetNatalReference(int body, int varga) {
    g_nTransitRefBody = body;
    g_nTransitRefVarga = varga;
    // The murthis count from the natal Moon in the reference varga.
    if (CTavroDoc* document = TavroDocOf(*this)) {
        const CalcStatus status = document->m_pCurrentChart->FindSignEntryTimes();
        if (!status.ok()) MessageBox(this, status.error, "Error", MessageIcon::kWarning);
    }
    RefreshLayout();
    FillTable();
}

void CTransitView::FillTable() {
    DeleteAllColumnsAndRows();
    m_nFirstSpecialRow = kNoSpecialRows;
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    TransitTableChoice choice;
    choice.table = m_nTable;
    choice.natalAvVarga = m_nNatalAvVarga;
    choice.transitAvVarga = m_nTransitAvVarga;
    choice.referenceBody = g_nTransitRefBody;
    choice.referenceVarga = g_nTransitRefVarga;
    const TransitTable table = BuildTransitTable(*document->m_pCurrentChart, document->m_natalChart, choice);
    for (const TransitTableColumn& column : table.columns) InsertColumn(column.header, column.baseWidth);
    m_nFirstSpecialRow = table.firstSpecialRow;
    for (const std::vector<std::string>& row : table.rows) AddRow(row);
}

void CTransitView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CTransitView::FillContextMenu(QMenu& menu) {
    AddTableMenuItems(menu, kMenu, m_nTable, [this](int command) {
        switch (command) {
        case kNatalReference:
            OnNatalReference();
            break;
        case kNatalAvVarga:
            OnNatalAvVarga();
            break;
        case kTransitAvVarga:
            OnTransitAvVarga();
            break;
        case kChangeMoment:
            OnChangeTransitDateTime();
            break;
        case kCopy:
            CopyToClipboard();
            break;
        default:
            ShowTable(command);
            break;
        }
    });
}

void CTransitView::OnNatalReference() {
    CSelectVargaDlg vargaDialog(this);
    const int varga = ChosenVarga(vargaDialog, g_nTransitRefVarga);
    if (varga < 0) return;
    CNatalReferenceDlg referenceDialog(this);
    referenceDialog.m_nReference = ReferenceEntry(g_nTransitRefBody);
    if (!referenceDialog.DoModal() || referenceDialog.m_nReference < 0) return;
    SetNatalReference(kNatalReferenceBodies[static_cast<size_t>(referenceDialog.m_nReference)], varga);
}

void CTransitView::OnNatalAvVarga() {
    CSelectVargaDlg dialog(this);
    const int varga = ChosenVarga(dialog, m_nNatalAvVarga);
    if (varga >= 0) SetAshtakavargaVargas(varga, m_nTransitAvVarga);
}

void CTransitView::OnTransitAvVarga() {
    CSelectVargaDlg dialog(this);
    const int varga = ChosenVarga(dialog, m_nTransitAvVarga);
    if (varga >= 0) SetAshtakavargaVargas(m_nNatalAvVarga, varga);
}

void CTransitView::OnChangeTransitDateTime() {
    ChangeTransitMoment(*this);
}
