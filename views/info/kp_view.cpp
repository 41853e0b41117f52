#include "views/info/kp_view.h"

#include <QMenu>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "document/tavro_doc.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"

int g_nKPTableMode = kKPLordsTable;

namespace {
constexpr int kCopy = 100;
constexpr int kLastBodyListed = 12; // lagna to Pluto

constexpr ListMenuItem kMenu[] = {
    {"Nakshatra and sub &lords of each planet (upto 5 levels of subs)", 0},
    {"", kListMenuSeparator},
    {"&Planets occupying each planet's &nakshatra", 1},
    {"&Planets occupying each planet's &sub", 2},
    {"&Planets occupying each planet's &prati-sub (2nd level)", 3},
    {"&Planets occupying each planet's &sookshma-sub (3rd level)", 4},
    {"&Planets occupying each planet's p&raana-sub (4th level)", 5},
    {"&Planets occupying each planet's &deha-sub (5th level)", 6},
    {"", kListMenuSeparator},
    {"&Copy to clipboard", kCopy},
};

// The second column's title of the inverse table of each level ("planets's" as the program has it).
constexpr const char* kInverseTitles[kStarLordLevels] = {
    "Bodies occupying this planets's nakshatra",
    "Bodies occupying this planets's sub",
    "Bodies occupying this planets's prati-sub (2nd level)",
    "Bodies occupying this planets's sookshma-sub (3rd level)",
    "Bodies occupying this planets's praana-sub (4th level)",
    "Bodies occupying this planets's deha-sub (5th level)",
};

std::string CuspName(int house) {
    return FormatCell("%s house", g_houseOrdinals[house]);
}
} // namespace

CKPView::CKPView(QWidget* parent) : CCustomListView(parent) {}

void CKPView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillTable();
}

void CKPView::SetMode(int mode) {
    g_nKPTableMode = mode;
    FillTable();
}

void CKPView::FillTable() {
    DeleteAllColumnsAndRows();
    const CTavroDoc* document = TavroDocOf(*this);
    const CChart* chart = document ? document->CalculatedChart() : nullptr;
    const int mode = g_nKPTableMode >= 0 && g_nKPTableMode < kKPTableCount ? g_nKPTableMode : kKPLordsTable;
    if (!chart) return;
    if (mode == kKPLordsTable)
        FillLordsTable(*chart);
    else
        FillInverseTable(*chart, mode - 1);
}

void CKPView::FillLordsTable(const CChart& chart) {
    InsertColumn("Body/Cusp", 80);
    InsertColumn("Nakshatra lord", 120);
    InsertColumn("Sub lord", 80);
    InsertColumn("Prati-sub", 80);
    InsertColumn("Sookshma-sub", 120);
    InsertColumn("Praana-sub", 80);
    InsertColumn("Deha-sub", 80);
    const auto row = [&](std::string label, auto lordAt) {
        std::vector<std::string> cells{std::move(label)};
        for (int level = 0; level < kStarLordLevels; ++level)
            cells.push_back(g_pszPlanetNamesAlt[lordAt(level)]);
        AddRow(std::move(cells));
    };
    for (int body = 0; body <= kLastBodyListed; ++body)
        row(g_pszPlanetNamesAlt[body], [&](int level) { return chart.m_starLord[level][body]; });
    for (int house = 0; house < 12; ++house)
        row(CuspName(house), [&](int level) { return chart.m_cuspStarLord[level][house]; });
}

void CKPView::FillInverseTable(const CChart& chart, int level) {
    InsertColumn("Planet", 100);
    InsertColumn(kInverseTitles[level], 500);
    for (int planet = 1; planet <= kPlanetCount; ++planet) {
        std::vector<std::string> held;
        for (int body = 0; body <= kLastBodyListed; ++body)
            if (chart.m_starLord[level][body] == planet) held.push_back(g_pszPlanetNames[body]);
        for (int house = 0; house < 12; ++house)
            if (chart.m_cuspStarLord[level][house] == planet) held.push_back(CuspName(house));
        AddRow({g_pszPlanetNamesAlt[planet], JoinCells(held)});
    }
}

void CKPView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CKPView::FillContextMenu(QMenu& menu) {
    AddListMenuItems(
        menu, kMenu,
        [](int command) -> std::optional<bool> {
            if (command == kCopy) return std::nullopt;
            return command == g_nKPTableMode;
        },
        [this](int command) {
            if (command == kCopy)
                CopyToClipboard();
            else
                SetMode(command);
        });
}
