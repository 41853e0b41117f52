#include "views/info/strengths_view.h"

#include <QMenu>

#include "core/calc_options.h"
#include "document/dasa_codes.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "views/info/list_menu.h"
#include "views/info/list_print.h"
#include "views/info/list_text.h"
#include "views/info/strengths_tables.h"

CStrengthsView* g_pStrengthsView = nullptr;
int g_nStrengthsTable = kVaiseshikamsaTable;
std::string g_strStrengthsText;

namespace {
constexpr int kCopy = -2;
constexpr int kChangeVarga = -3;
constexpr ListMenuItem kTableItems[] = {
    {"Vimsopaka Balas (6, 7, 10, 16 groups)", kVimsopakaTable},
    {"", kListMenuSeparator},
    {"Amsa Balas or Vaiseshikamsas (6, 7, 10, 16 groups)", kVaiseshikamsaTable},
    {"", kListMenuSeparator},
    {"Basic Avasthas (age, alertness, mood)", kBasicAvasthaTable},
    {"Sayanadi Avasthas (activity)", kSayanadiAvasthaTable},
    {"", kListMenuSeparator},
    {"Pancha-vargeeya Bala (Tajaka)", kPanchaVargeeyaTable},
    {"Dwadasa-vargeeya Bala (Tajaka)", kDwadasaVargeeyaTable},
    {"Harsha Bala (Tajaka)", kHarshaBalaTable},
    {"", kListMenuSeparator},
    {"Change varga for avasthas related to alertness and mood", kChangeVarga},
};
constexpr ListMenuItem kCopyItems[] = {{"", kListMenuSeparator}, {"Copy to clipboard", kCopy}};

// A submenu of two exclusive choices; `second` is checked when `secondChosen`.
void AddChoice(QMenu& menu, const char* title, const char* first, const char* second, bool secondChosen,
               const std::function<void(bool second)>& chosen) {
    QMenu* submenu = menu.addMenu(title);
    for (const bool isSecond : {false, true}) {
        QAction* action = submenu->addAction(isSecond ? second : first);
        action->setCheckable(true);
        action->setChecked(isSecond == secondChosen);
        QObject::connect(action, &QAction::triggered, &menu, [chosen, isSecond] { chosen(isSecond); });
    }
}

// Columns of a table of `columns` in the complete-calculations text and on paper: the vaiseshikamsas of
// the 10 and 16 groups only, the sayanadi activity without its intensities.
int TextColumns(int table, int columns) {
    switch (table) {
    case kVaiseshikamsaTable:
        return 3;
    case kSayanadiAvasthaTable:
        return 2;
    default:
        return columns;
    }
}
} // namespace

CStrengthsView::CStrengthsView(QWidget* parent) : CCustomListView(parent) {}

CChart* CStrengthsView::ShownChart() const {
    CTavroDoc* document = TavroDocOf(*this);
    return document ? document->CalculatedChart() : nullptr;
}

void CStrengthsView::SelectTable(int table) {
    g_nStrengthsTable = table;
    RefreshList();
}

void CStrengthsView::RefreshList() {
    RefreshLayout();
    if (const CChart* chart = ShownChart())
        FillStrengthsTable(*this, g_nStrengthsTable, *chart);
    else
        DeleteAllColumnsAndRows();
}

void CStrengthsView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshList();
}

void CStrengthsView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CStrengthsView::FillContextMenu(QMenu& menu) {
    const auto chosen = [this](int item) {
        if (item == kCopy)
            CopyToClipboard();
        else if (item == kChangeVarga)
            OnChangeAvasthaVarga();
        else
            SelectTable(item);
    };
    AddTableMenuItems(menu, kTableItems, ValidStrengthsTable(g_nStrengthsTable), chosen);
    AddChoice(menu, "Relationships to be used in avasthas", "Permanent", "Compound",
              g_bUseCompundRelationshipInAvasthas,
              [this](bool compound) { SetCompoundRelationships(compound); });
    AddChoice(menu, "Relationships in avasthas/vimsopaka are based on", "Rasi chart always",
              "Relevant varga chart", !g_bCompoundRelationshipsFromRasi,
              [this](bool relevantVarga) { SetRelationshipsFromRasi(!relevantVarga); });
    AddTableMenuItems(menu, kCopyItems, -1, chosen);
}

void CStrengthsView::RecomputeAvasthas(CChart& chart, int varga) {
    chart.m_avasthas.m_baladi.m_nVarga = varga;
    chart.m_avasthas.m_baladi.Compute(chart);
}

void CStrengthsView::UpdateAll() {
    if (TavroDocOf(*this))
        UpdateAllPanesOf(*this);
    else
        RefreshList();
}

void CStrengthsView::OnChangeAvasthaVarga() {
    CChart* chart = ShownChart();
    if (!chart) return;
    CChooseVargaDlg dialog(this);
    dialog.m_nVarga = chart->m_avasthas.m_baladi.m_nVarga;
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return;
    RecomputeAvasthas(*chart, dialog.m_nVarga);
    UpdateAll();
}

void CStrengthsView::SetCompoundRelationships(bool compound) {
    g_bUseCompundRelationshipInAvasthas = compound;
    if (CChart* chart = ShownChart()) RecomputeAvasthas(*chart, chart->m_avasthas.m_baladi.m_nVarga);
    UpdateAll();
}

void CStrengthsView::SetRelationshipsFromRasi(bool fromRasi) {
    g_bCompoundRelationshipsFromRasi = fromRasi;
    // The sayanadi avasthas are computed with the basic ones.
    if (CChart* chart = ShownChart()) RecomputeAvasthas(*chart, chart->m_avasthas.m_baladi.m_nVarga);
    UpdateAll();
}

void CStrengthsView::RebuildText() {
    CChart* chart = ShownChart();
    if (!chart) return;
    const int shown = g_nStrengthsTable;
    const int varga = chart->m_avasthas.m_baladi.m_nVarga;
    RecomputeAvasthas(*chart, 0);
    g_strStrengthsText.clear();
    std::vector<int> tables = {kVaiseshikamsaTable, kVimsopakaTable, kBasicAvasthaTable,
                               kSayanadiAvasthaTable};
    const CTavroDoc* document = TavroDocOf(*this);
    if (document && (document->m_nMode == kModeTajaka || document->m_nMode == kModeTithiPravesha))
        tables.insert(tables.end(), {kPanchaVargeeyaTable, kDwadasaVargeeyaTable, kHarshaBalaTable});
    for (const int table : tables) {
        FillStrengthsTable(*this, table, *chart);
        ListCtrlToText(*this, g_strStrengthsText, TextColumns(table, ColumnCount()));
    }
    RecomputeAvasthas(*chart, varga);
    SelectTable(shown);
}

void CStrengthsView::PrintTables(DrawSurface& surface, int table) {
    CChart* chart = ShownChart();
    if (!chart) return;
    const int shown = g_nStrengthsTable;
    const int varga = chart->m_avasthas.m_baladi.m_nVarga;
    RecomputeAvasthas(*chart, 0);
    const int printed = table >= 0 && table < kStrengthsTableCount ? table : ValidStrengthsTable(shown);
    FillStrengthsTable(*this, printed, *chart);
    DrawListCtrlDefault(*this, surface, TextColumns(printed, ColumnCount()));
    RecomputeAvasthas(*chart, varga);
    SelectTable(shown);
}
