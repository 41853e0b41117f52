#include "views/info/shadbala_view.h"

#include <QMenu>

#include "document/tavro_doc.h"
#include "views/info/list_menu.h"
#include "views/info/list_print.h"
#include "views/info/list_text.h"
#include "views/info/shadbala_tables.h"

CShadbalasView* g_pShadbalasView = nullptr;
int g_nShadbalaTable = kShadbalaSummary;
std::string g_strShadbalaText;

namespace {
constexpr int kCopy = -2;
constexpr ListMenuItem kMenu[] = {
    {"&Shadbala Summary", kShadbalaSummary},
    {"Shadbala &Break-up", kShadbalaBreakUp},
    {"", kListMenuSeparator},
    {"S&thana Bala", kSthanaBalaTable},
    {"&Kaala Bala", kKaalaBalaTable},
    {"&DigBala", kDigBalaTable},
    {"&Cheshta Bala", kCheshtaBalaTable},
    {"D&rigBala", kDrigBalaTable},
    {"&Naisargika Bala", kNaisargikaBalaTable},
    {"", kListMenuSeparator},
    {"&Bhava balas", kBhavaBalaTable},
    {"&Ishta-Kashta Phala", kIshtaKashtaTable},
    {"&Rashmis && Ishta-Kashta Phala of Parasara", kRashmiTable},
    {"", kListMenuSeparator},
    {"&Copy to clipboard", kCopy},
};

// The report forms: summary, break-up, bhava balas.
constexpr int kFormTables[] = {kShadbalaSummary, kShadbalaBreakUp, kBhavaBalaTable};
} // namespace

CShadbalasView::CShadbalasView(QWidget* parent) : CCustomListView(parent) {}

void CShadbalasView::SelectTable(int table) {
    g_nShadbalaTable = table;
    RefreshList();
}

void CShadbalasView::RefreshList() {
    RefreshLayout();
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) {
        DeleteAllColumnsAndRows();
        return;
    }
    FillShadbalaTable(*this, g_nShadbalaTable, *document->m_pCurrentChart);
}

void CShadbalasView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshList();
}

void CShadbalasView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CShadbalasView::FillContextMenu(QMenu& menu) {
    AddTableMenuItems(menu, kMenu, ValidShadbalaTable(g_nShadbalaTable), [this](int item) {
        if (item == kCopy)
            CopyToClipboard();
        else
            SelectTable(item);
    });
}

void CShadbalasView::RebuildText() {
    const int shown = g_nShadbalaTable;
    g_nShadbalaTable = kShadbalaSummary;
    RefreshList();
    g_strShadbalaText.clear();
    ListCtrlToText(*this, g_strShadbalaText, ColumnCount());
    SelectTable(shown);
}

void CShadbalasView::PrintTables(DrawSurface& surface, int form) {
    const int shown = g_nShadbalaTable;
    if (form >= 0 && form < static_cast<int>(std::size(kFormTables))) g_nShadbalaTable = kFormTables[form];
    RefreshList();
    DrawListCtrlDefault(*this, surface, ColumnCount());
    SelectTable(shown);
}
