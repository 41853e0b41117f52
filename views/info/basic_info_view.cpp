#include "views/info/basic_info_view.h"

#include <QMenu>

#include "document/tavro_doc.h"
#include "views/info/basic_info_tables.h"
#include "views/info/list_print.h"

CBasicInfoView* g_pBasicInfoView = nullptr;

namespace {
// The context menu, in order: a table number, or a separator (-1), or "Copy to clipboard" (-2).
constexpr int kSeparator = -1;
constexpr int kCopy = -2;
struct MenuItem {
    const char* text;
    int table;
};
// Tables the pane lists; the others are left out of its menu.
constexpr MenuItem kMenu[] = {
    {"&Longitudes && Basic Info", kTableLongitudes},
    {"", kSeparator},
    {"Planetary Aspect &Evaluation", kTableAspects},
    {"", kSeparator},
    {"Latitudes, speeds etc (c&o-ordinates)", kTableCoordinates},
    {"&All Divisional Longitudes", kTableAllDivisional},
    {"&Rasis occupied in all vargas", kTableRasisInVargas},
    {"Na&va Taras (from Moon)", kTableNavaTarasMoon},
    {"Na&va Taras (from lagna)", kTableNavaTarasLagna},
    {"&Yogi, Sahayogi and Avayogi Planets", kTableYogi},
    {"Special &Tithis", kTableSpecialTithis},
    {"&Chara Karakas", kTableCharaKarakas},
    {"C&ombustion", kTableCombustion},
    {"Graha &Yuddha (planetary war)", kTableGrahaYuddha},
    {"Bra&hma, Rudra, Maheswara", kTableBrahmaRudra},
    {"Planetary &drekkanas (ayudha drekkana etc)", kTableDrekkanas},
    {"&Sahamas (sahams)", kTableSahamas},
    {"", kSeparator},
    {"Natal Longitudes", kTableNatalLongitudes},
    {"Natal Sahamas (sahams)", kTableNatalSahamas},
    {"", kSeparator},
    {"&Copy to clipboard", kCopy},
};
} // namespace

CBasicInfoView::CBasicInfoView(QWidget* parent) : CCustomListView(parent) {}

CTavroDoc* CBasicInfoView::ListedDocument() const {
    return TavroDocOf(*this);
}

CTavroDoc* CEntryBasicInfoView::ListedDocument() const {
    return g_entryDoc;
}

void CBasicInfoView::SetMode(int mode) {
    m_nMode = mode;
    RefreshList();
}

void CBasicInfoView::RefreshList() {
    CTavroDoc* document = ListedDocument();
    RefreshLayout();
    if (!document || !document->m_pCurrentChart) {
        DeleteAllColumnsAndRows();
        return;
    }
    FillBasicInfoTable(*this, m_nMode, *document->m_pCurrentChart, document->m_natalChart);
}

void CBasicInfoView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshList();
}

void CBasicInfoView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    for (const MenuItem& item : kMenu) {
        if (item.table == kSeparator) {
            menu.addSeparator();
            continue;
        }
        QAction* action =
            menu.addAction(QString::fromUtf8(item.text)); // Qt reads "&" and "&&" as the menu resource did
        const int table = item.table;
        if (table == kCopy) {
            connect(action, &QAction::triggered, this, [this] { CopyToClipboard(); });
            continue;
        }
        action->setCheckable(true);
        action->setChecked(table == m_nMode);
        connect(action, &QAction::triggered, this, [this, table] { SetMode(table); });
    }
    menu.exec(screenPos);
}

std::string CBasicInfoView::TableText(int mode) {
    m_nMode = mode;
    RefreshList();
    return ToText();
}

void CBasicInfoView::PrintInto(DrawSurface& surface) {
    constexpr int kPrintedRows = 18;
    const int kept = m_nMode;
    m_nMode = kTableLongitudes;
    RefreshList();
    DrawListCtrl(*this, surface, ColumnCount(), kPrintedRows);
    m_nMode = kept;
}

void CBasicInfoView::GetInfoText(std::string& longitudes, std::string& longitudesAgain,
                                 std::string& charaKarakas) {
    const int kept = m_nMode;
    longitudes = TableText(kTableLongitudes);
    longitudesAgain = TableText(kTableLongitudes);
    charaKarakas = TableText(kTableCharaKarakas);
    SetMode(kept);
}
