#include "views/info/house_view.h"

#include <QMenu>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/reference_dlgs.h"
#include "views/info/basic_info_tables.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"

namespace {
constexpr int kCopy = 100;
constexpr int kReference = 101;
constexpr int kMiddle = 102;
constexpr int kStart = 103;
constexpr int kLastBodyListed = 12; // lagna to Pluto

constexpr ListMenuItem kMenu[] = {
    {"Each &rasi is a house", kHousesSigns},
    {"&Equal houses (30 deg each)", kHousesEqual},
    {"&Equal houses based on nakshatra padas (9 padas each)", kHousesNakshatraPadas},
    {"&SSS house system (Sri Surya Siddhanta)", kHousesSriSuryaSiddhanta},
    {"&Porphyry houses (Sripathi)", kHousesSripathi},
    {"P&lacidus houses (KP/Krishnamoorthy)", kHousesPlacidus},
    {"", kListMenuSeparator},
    {"&Koch houses", kHousesKoch},
    {"Re&giomontanus houses", kHousesRegiomontanus},
    {"&Campanus houses", kHousesCampanus},
    {"A&xial rotation system houses", kHousesAxialRotation},
    {"P&olich/Page (topocentric system) houses", kHousesPolichPage},
    {"&Alcabitus houses", kHousesAlcabitus},
    {"", kListMenuSeparator},
    {"Choose the reference longitude for finding houses (lagna or Moon etc)", kReference},
    {"", kListMenuSeparator},
    {"Ascendant (or the chosen reference) is the middle of first house", kMiddle},
    {"Ascendant (or the chosen reference) is the start of first house", kStart},
    {"", kListMenuSeparator},
    {"&Copy to clipboard", kCopy},
};
} // namespace

CHouseView::CHouseView(QWidget* parent) : CCustomListView(parent) {}

void CHouseView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillTable();
}

void CHouseView::FillTable() {
    DeleteAllColumnsAndRows();
    InsertColumn("House", 60);
    InsertColumn(g_bHouseCuspsInMiddle ? "Start" : "Cusp", 160);
    InsertColumn(g_bHouseCuspsInMiddle ? "Cusp" : "Middle", 160);
    InsertColumn("End", 160);
    InsertColumn("Planets in it", 250);
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    const CChart& chart = *document->m_pCurrentChart;
    for (int house = 0; house < 12; ++house) {
        const CBhava& bhava = chart.m_bhava[house];
        std::vector<std::string> bodies;
        for (int body = 0; body <= kLastBodyListed; ++body)
            if (bhava.ContainsLongitude(chart.m_bodies[body])) bodies.push_back(g_pszPlanetNamesAlt[body]);
        AddRow({g_houseOrdinals[house], FormatSignLongitude(bhava.m_start.m_dLongitude),
                FormatSignLongitude(bhava.m_middle.m_dLongitude),
                FormatSignLongitude(bhava.m_end.m_dLongitude), JoinCells(bodies)});
    }
}

void CHouseView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CHouseView::FillContextMenu(QMenu& menu) {
    AddListMenuItems(
        menu, kMenu,
        [](int command) -> std::optional<bool> {
            if (command == kMiddle) return g_bHouseCuspsInMiddle;
            if (command == kStart) return !g_bHouseCuspsInMiddle;
            if (command <= kHousesSriSuryaSiddhanta) return command == g_nHouseTypeWanted;
            return std::nullopt;
        },
        [this](int command) { RunCommand(command); });
}

void CHouseView::RunCommand(int command) {
    switch (command) {
    case kCopy:
        CopyToClipboard();
        return;
    case kReference:
        OnHouseReference();
        return;
    case kMiddle:
    case kStart:
        OnCuspsInMiddle(command == kMiddle);
        return;
    default:
        OnHouseSystem(command);
    }
}

void CHouseView::OnHouseSystem(int code) {
    if (code == kHousesSriSuryaSiddhanta && g_nSiddhanta != 1) {
        MessageBox(this,
                   "SSS house system is available only when using SSS (Sri Surya Siddhanta) for planetary "
                   "calculations. You are using drik siddhanta. So SSS house system is not available.",
                   "SSS house system not available with drik siddhanta");
        return;
    }
    g_nHouseTypeWanted = code;
    Recalculate();
}

void CHouseView::OnCuspsInMiddle(bool middle) {
    g_bHouseCuspsInMiddle = middle;
    Recalculate();
}

void CHouseView::OnHouseReference() {
    CHouseReferenceDlg dialog(this);
    dialog.m_nBody = g_nBhavaReferenceBody;
    if (!dialog.DoModal()) return;
    g_nBhavaReferenceBody = dialog.m_nBody;
    Recalculate();
}

void CHouseView::Recalculate() {
    CTavroDoc* document = TavroDocOf(*this);
    if (!document) return;
    const CalcStatus status = document->SyncAndCalculate();
    if (!status.ok()) MessageBox(this, status.error, "Error", MessageIcon::kWarning);
    document->UpdateAllViews(nullptr);
}
