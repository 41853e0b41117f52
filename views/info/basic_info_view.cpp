#include "views/info/basic_info_view.h"

#include <QMenu>

#include "document/tavro_doc.h"
#include "shell/dialogs/aspect_options_dlg.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "views/info/basic_info_tables.h"
#include "views/info/list_menu.h"
#include "views/info/list_print.h"
#include "views/info/select_bodies.h"

CBasicInfoView* g_pBasicInfoView = nullptr;

int g_nAspectOptionsAskedMode = -1;

namespace {
// The context menu's commands.
constexpr int kCopy = -2;
constexpr int kSelectBodies = -3;
constexpr int kChooseVarga = -4;
constexpr int kAspectOptions = -5;
constexpr int kSeparator = kListMenuSeparator;
constexpr ListMenuItem kMenu[] = {
    {"Select &bodies to be shown", kSelectBodies},
    {"", kSeparator},
    {"&Longitudes && Basic Info", kTableLongitudes},
    {"&Choose the divisional chart for longitudes", kChooseVarga},
    {"", kSeparator},
    {"Planetary Aspect &Evaluation", kTableAspects},
    {"&Options for Planetary Aspect Evaluation", kAspectOptions},
    {"", kSeparator},
    {"Latitudes, speeds etc (c&o-ordinates)", kTableCoordinates},
    {"&All Divisional Longitudes", kTableAllDivisional},
    {"&Rasis occupied in all vargas", kTableRasisInVargas},
    {"Na&va Taras (from Moon)", kTableNavaTarasMoon},
    {"Na&va Taras (from lagna)", kTableNavaTarasLagna},
    {"Special Taras/&Nakshatras (from Moon)", kTableSpecialTarasMoon},
    {"Special Taras/&Nakshatras (from lagna)", kTableSpecialTarasLagna},
    {"Nakshatra &Aspects && Latta", kTableNakshatraAspects},
    {"&Yogi, Sahayogi and Avayogi Planets", kTableYogi},
    {"&Pushkaramsas and Pushkara Bhagas", kTablePushkara},
    {"Special &Tithis", kTableSpecialTithis},
    {"&Chara Karakas", kTableCharaKarakas},
    {"C&ombustion", kTableCombustion},
    {"Graha &Yuddha (planetary war)", kTableGrahaYuddha},
    {"Bra&hma, Rudra, Maheswara", kTableBrahmaRudra},
    {"Distances from &Mrityu Bhaga", kTableMrityuBhaga},
    {"Planetary &drekkanas (ayudha drekkana etc)", kTableDrekkanas},
    {"Lords of &64th navamsa and 22nd drekkana", kTableMaliciousDivisions},
    {"&Sahamas (sahams)", kTableSahamas},
    {"", kSeparator},
    {"Natal Longitudes", kTableNatalLongitudes},
    {"Natal Sahamas (sahams)", kTableNatalSahamas},
    {"", kSeparator},
    {"&Copy to clipboard", kCopy},
};
} // namespace

CBasicInfoView::CBasicInfoView(QWidget* parent) : CBasicInfoView(parent, true) {}

CBasicInfoView::CBasicInfoView(QWidget* parent, bool forReports) : CCustomListView(parent) {
    if (!forReports) return;
    m_reportPointer.emplace(g_pBasicInfoView, this);
    m_report.emplace(
        kBasicInfoReport, [this](DrawSurface& surface, int, int) { PrintInto(surface); },
        CPrintedPiece::RebuildRoutine{}, [this] { return CopiedText(); });
}

void CEntryBasicInfoView::OnInitialUpdate() {
    CBasicInfoView::OnInitialUpdate();
    TitleOwnWindow(*this, "Planet Longitudes");
}

CTavroDoc* CBasicInfoView::ListedDocument() const {
    return TavroDocOf(*this);
}

void CBasicInfoView::SetMode(int mode) {
    m_nMode = mode;
    RefreshList();
}

void CBasicInfoView::RefreshList() {
    if (m_nMode == kTableAspects && g_nAspectOptionsAskedMode != kTableAspects) {
        g_nAspectOptionsAskedMode = kTableAspects;
        CAspectOptionsDlg(this).RunAndStore();
    }
    CTavroDoc* document = ListedDocument();
    RefreshLayout();
    if (!document || !document->CalculatedChart()) {
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
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CBasicInfoView::FillContextMenu(QMenu& menu) {
    AddTableMenuItems(menu, kMenu, m_nMode, [this](int item) {
        if (item >= 0)
            SetMode(item);
        else
            RunCommand(item);
    });
}

void CBasicInfoView::RunCommand(int command) {
    switch (command) {
    case kCopy:
        CopyToClipboard();
        return;
    case kSelectBodies:
        OnSelectBodies();
        return;
    case kChooseVarga:
        OnChooseVarga();
        return;
    case kAspectOptions:
        OnAspectOptions();
        return;
    default:
        return;
    }
}

void CBasicInfoView::OnSelectBodies() {
    if (RunSelectBodiesDialog(this)) RefreshList();
}

void CBasicInfoView::OnChooseVarga() {
    CChooseVargaDlg dialog(this);
    dialog.m_nVarga = g_nBasicInfoVarga;
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return;
    g_nBasicInfoVarga = dialog.m_nVarga;
    RefreshList();
}

void CBasicInfoView::OnAspectOptions() {
    CAspectOptionsDlg(this).RunAndStore();
    RefreshList(); // refilled even when cancelled
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

std::string CBasicInfoView::CopiedText() {
    std::string longitudes, longitudesAgain, charaKarakas;
    GetInfoText(longitudes, longitudesAgain, charaKarakas);
    return longitudes + "\n" + charaKarakas + "\n";
}

void CBasicInfoView::GetInfoText(std::string& longitudes, std::string& longitudesAgain,
                                 std::string& charaKarakas) {
    const int kept = m_nMode;
    longitudes = TableText(kTableLongitudes);
    longitudesAgain = TableText(kTableLongitudes);
    charaKarakas = TableText(kTableCharaKarakas);
    SetMode(kept);
}
