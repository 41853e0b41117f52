#include "views/info/seed_strength_view.h"

#include <QMenu>

#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "document/dasa_codes.h"
#include "document/tavro_doc.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/display_options.h"
#include "shell/layout_table.h"
#include "shell/visual_framework.h"
#include "views/info/basic_info_tables.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"
#include "views/info/seed_houses.h"

int g_nSeedHelpSeed = kSeedMoon;

namespace {
constexpr int kHouseCommand = 100; // + SeedHouseMode
constexpr int kCopy = 110;
constexpr int kAccept = 111;

constexpr ListMenuItem kMenu[] = {
    {"Janma nakshatra (Moonstar)", kSeedMoon},
    {"Utpanna nakshatra (5th from Moonstar)", kSeedUtpanna},
    {"Kshema nakshatra (4th from Moonstar)", kSeedKshema},
    {"Aadhaana nakshatra (8th from Moonstar)", kSeedAadhaana},
    {"Lagna nakshatra", kSeedLagna},
    {"Mandi nakshatra", kSeedMandi},
    {"Gulika nakshatra", kSeedGulika},
    {"Trisphuta (sookshma) nakshatra", kSeedTrisphuta},
    {"Sun's nakshatra", kSeedSun},
    {"", kListMenuSeparator},
    {"Sign containing the nakshatra pada is the first house", kHouseCommand + kSeedSignHouses},
    {"Pada and 4 padas on either side form the first house", kHouseCommand + kSeedPadaHouses},
    {"", kListMenuSeparator},
    {"Copy to clipboard", kCopy},
    {"", kListMenuSeparator},
    {"Accept this seed and cast Vimsottari dasa", kAccept},
};
} // namespace

CVimsoStrengthHelpView::CVimsoStrengthHelpView(QWidget* parent) : CCustomListView(parent) {
    g_nSeedHelpSeed = g_nNakshatraDasaStartPoint[kVimsottariCode];
}

void CVimsoStrengthHelpView::OnUpdate(CView*, long) {
    if (UpdateHeldForPrinting()) return;
    RefreshLayout();
    FillList();
}

void CVimsoStrengthHelpView::DrawItem(DrawSurface& surface, int row) {
    DrawListItem(surface, row, m_nFirstSpecialRow);
}

void CVimsoStrengthHelpView::FillList() {
    DeleteAllColumnsAndRows();
    InsertColumn("House", 60);
    InsertColumn("Start", 140);
    InsertColumn("End", 140);
    InsertColumn("Planets in it", 250);
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    const CChart& chart = *document->m_pCurrentChart;
    const int seed = g_nSeedHelpSeed >= 0 && g_nSeedHelpSeed < kSeedChoiceCount ? g_nSeedHelpSeed : kSeedMoon;
    const SeedHouses houses = ComputeSeedHouses(SeedLongitude(chart, seed), g_nVimsottariStrenfthHelpHouses);
    std::array<int, kPlanetCount + 1> houseOf{};
    for (int planet = kSun; planet <= kPlanetCount; ++planet)
        houseOf[planet] = houses.FindSeedHouse(chart.m_bodies[planet].m_dLongitude);
    m_nFirstSpecialRow = 12;
    int inKendras = 0;
    for (int house = 0; house < 12; ++house) {
        std::vector<std::string> planets;
        for (int planet = kSun; planet <= kPlanetCount; ++planet) {
            if (houseOf[planet] != house) continue;
            planets.push_back(g_pszPlanetNamesAlt[planet]);
            if (planet != kMoon && house % 3 == 0) ++inKendras;
        }
        AddRow({g_houseOrdinals[house], FormatSignLongitude(houses.start[house].m_dLongitude),
                FormatSignLongitude(houses.end[house].m_dLongitude), JoinCells(planets)});
    }
    AddRow({"  "});
    AddRow({g_numberWords[inKendras], "planets in kendras", "(excluding Moon)"});
}

void CVimsoStrengthHelpView::SetSeed(int seed) {
    g_nSeedHelpSeed = seed;
    FillList();
}

void CVimsoStrengthHelpView::SetHouseMode(int mode) {
    g_nVimsottariStrenfthHelpHouses = mode;
    FillList();
}

void CVimsoStrengthHelpView::OnAcceptSeed() {
    g_nNakshatraDasaStartPoint[kVimsottariCode] = g_nSeedHelpSeed;
    CFrameWnd* mainFrame = nullptr;
    if (g_pVisualFramework) {
        mainFrame = g_pVisualFramework->GetFrame();
        // Showing the node selects the Dasas tab and its Nakshatra dasas page on the way.
        g_pVisualFramework->ActivateNode(g_pVisualFramework->GetNode(kNodeNakshatraDasas));
    }
    g_nSelectedDasa = kVimsottariCode;
    g_nNakshatraDasaToBeDisplayed = kVimsottariCode;
    g_nCurrentDasaViewType = 0;
    if (CTavroDoc* document = TavroDocOf(*this)) {
        document->m_dasaTree.nLevel = 0;
        const CalcStatus status = document->CalculateDasa();
        if (!status.ok()) MessageBox(this, status.error, "Error", MessageIcon::kWarning);
        document->UpdateAllViews(nullptr);
    }
    // The window that holds this pane, and never the main window should the pane stand in it.
    CFrameWnd* own = GetParentFrame(this);
    if (own && own != mainFrame) own->close();
}

void CVimsoStrengthHelpView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CVimsoStrengthHelpView::FillContextMenu(QMenu& menu) {
    AddListMenuItems(
        menu, kMenu,
        [](int command) -> std::optional<bool> {
            if (command < kSeedChoiceCount) return command == g_nSeedHelpSeed;
            if (command < kCopy) return command - kHouseCommand == g_nVimsottariStrenfthHelpHouses;
            return std::nullopt;
        },
        [this](int command) {
            if (command < kSeedChoiceCount)
                SetSeed(command);
            else if (command < kCopy)
                SetHouseMode(command - kHouseCommand);
            else if (command == kCopy)
                CopyToClipboard();
            else
                OnAcceptSeed();
        });
}
