#include "views/info/strength_graph_view.h"

#include <QMenu>
#include <algorithm>

#include "display/styled_text.h"
#include "display/view_handoffs.h"
#include "document/tavro_doc.h"
#include "shell/color_settings.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "shell/display_fonts.h"
#include "views/info/list_menu.h"

namespace {
constexpr int kColorBackground = 99; // setting number (shell/color_settings_table.cpp)
constexpr int kGraphFont = 0;        // the display font the bars are labelled in
constexpr int kChangeVarga = -2;
constexpr ListMenuItem kMenu[] = {
    {"Show All Graha Balas", kGrahaBalaPage},
    {"Show Bhava Balas", kBhavaBalaPage},
    {"Show Shadbala breakup", kShadbalaBreakUpPage},
    {"Show Vimsopaka Bala in four varga schemes", kVimsopakaPage},
    {"Show Vaiseshikamsas in four varga schemes", kVaiseshikamsaPage},
    {"Show Rashmis and Ishta phala of Parasara", kRashmiPage},
    {"", kListMenuSeparator},
    {"Change the varga used in ashtakavarga", kChangeVarga},
};
} // namespace

CStrengthGraphView::CStrengthGraphView(QWidget* parent) : CView(parent) {}

void CStrengthGraphView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    Layout();
    CView::OnInitialUpdate();
}

const GraphLayout& CStrengthGraphView::Layout() {
    const Rect client = GetClientRect();
    m_layout = LayoutGraphs(m_nPage, Size{client.Width(), client.Height()});
    if (!(GetTotalSize() == m_layout.total)) SetScrollSizes(m_layout.total);
    return m_layout;
}

void CStrengthGraphView::OnDraw(DrawSurface& surface) {
    Layout();
    const Rect client = GetClientRect();
    surface.FillRect(
        Rect{0, 0, std::max(m_layout.total.cx, client.right), std::max(m_layout.total.cy, client.bottom)},
        g_colors[kColorBackground]);
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    const std::vector<CStrengthGraphRecord> graphs =
        CollectGraphData(m_nPage, *document->m_pCurrentChart, g_ashtakavargaChoice.varga);
    const LogicalFont font =
        ScaledFont(g_displayFonts[kGraphFont], m_layout.fontScale, m_layout.fontScale, m_layout.fontScale);
    for (size_t i = 0; i < graphs.size() && i < m_layout.groups.size(); ++i)
        DrawBarGraph(surface, graphs[i], m_layout.groups[i], font);
}

void CStrengthGraphView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CStrengthGraphView::FillContextMenu(QMenu& menu) {
    AddTableMenuItems(menu, kMenu, m_nPage, [this](int item) {
        if (item == kChangeVarga)
            OnChangeAshtakavargaVarga();
        else
            SelectPage(item);
    });
}

void CStrengthGraphView::SelectPage(int page) {
    m_nPage = ValidGraphPage(page);
    Layout();
    Invalidate();
}

void CStrengthGraphView::OnChangeAshtakavargaVarga() {
    CSelectVargaDlg dialog(this);
    dialog.m_nVarga = ValidVargaColumn(g_ashtakavargaChoice.varga);
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return;
    g_ashtakavargaChoice.varga = g_ashtakavargaChoice.highlightVarga = dialog.m_nVarga;
    Invalidate();
}
