// The Sarvatobhadra chakra's menu: vedhas, graha drishti and lattas on the clicked cell, special points
// set by natal rules or by hand, the divisional chart of the bodies shown and the transit moment.
#include <QMenu>

#include "chart/chart.h"
#include "core/sign_rules.h"
#include "core/vocabulary_names.h"
#include "display/menu_commands.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/select_dlgs.h"
#include "views/chakras/chakra_base.h"
#include "views/chakras/sarvatobhadra_chakra_view.h"
#include "views/info/pane_support.h"

namespace {
constexpr int kSeparator = 0;
constexpr int kNakshatras27 = 27;
constexpr int kTaraCycle = 9; // the nava-taras repeat every nine stars

struct MenuEntry {
    const char* text;
    int command; // kSeparator: a separator
    bool onStarOnly;
};
using Cmd = CSarvatobhadraChakraView::Command;
constexpr MenuEntry kMenu[] = {
    {"Highlight vedhas, aspects and lattas on this star (if any)", Cmd::kCmdAllOnStar, true},
    {"", kSeparator, false},
    {"Highlight aspects (vedhas) FROM this star", Cmd::kCmdVedhasFrom, true},
    {"Highlight aspects (vedhas) ON this box", Cmd::kCmdVedhasOn, false},
    {"Highlight fixed graha drishti on this star (if any)", Cmd::kCmdDrishti, true},
    {"Highlight lattas on this star (if any)", Cmd::kCmdLattas, true},
    {"", kSeparator, false},
    {"Set a special nakshatra (natal) as a special point", Cmd::kCmdNatalSpecialNakshatra, false},
    {"Set a natal tara as a special point (nava-tara scheme)", Cmd::kCmdNatalTara, false},
    {"Set a special tithi (natal) as a special point", Cmd::kCmdNatalTithi, false},
    {"Set a house in natal chart as a special point", Cmd::kCmdNatalHouse, false},
    {"Set the natal nakshatra of a planet as a special point", Cmd::kCmdNatalPlanetStar, false},
    {"", kSeparator, false},
    {"Set this box as a special point", Cmd::kCmdThisBox, false},
    {"Set a special nakshatra from here as a special point", Cmd::kCmdSpecialNakshatraFromHere, true},
    {"Set a tara from here as a special point", Cmd::kCmdTaraFromHere, true},
    {"", kSeparator, false},
    {"Reset this special point box", Cmd::kCmdResetBox, false},
    {"Reset all special points", Cmd::kCmdResetAll, false},
    {"", kSeparator, false},
    {"Divisional chart used for transit positions", Cmd::kCmdTransitVarga, false},
    {"View transits on this date", Cmd::kCmdTransits, false},
};

bool NeedsStar(int command) {
    for (const MenuEntry& entry : kMenu)
        if (entry.command == command) return entry.onStarOnly;
    return false;
}
} // namespace

void CSarvatobhadraChakraView::OnContextMenu(QPoint screenPos) {
    ClearHighlights();
    const QPoint client = viewport()->mapFromGlobal(screenPos);
    const Point scroll = GetScrollPosition();
    const std::optional<SbcCell> cell = CellAt(Point{client.x() + scroll.x, client.y() + scroll.y});
    if (!cell) return;
    m_clicked = *cell;
    CChakraView::OnContextMenu(screenPos);
}

void CSarvatobhadraChakraView::BuildMenu(QMenu& menu) {
    const bool onStar = IsStarCell(m_clicked);
    for (const MenuEntry& entry : kMenu) {
        if (entry.command == kSeparator) menu.addSeparator();
        else AddCommand(menu, entry.text, entry.command, onStar || !entry.onStarOnly);
    }
}

bool CSarvatobhadraChakraView::RunCommand(int command) {
    CTavroDoc* document = Document();
    if (!document || (NeedsStar(command) && !IsStarCell(m_clicked))) return false;
    const CChart& current = *document->m_pCurrentChart;
    switch (command) {
    case kCmdAllOnStar:
        HighlightVedhasOn();
        HighlightGrahaDrishti(current);
        HighlightLattas(current);
        return true;
    case kCmdVedhasFrom:
        HighlightVedhasFrom();
        return true;
    case kCmdVedhasOn:
        HighlightVedhasOn();
        return true;
    case kCmdDrishti:
        HighlightGrahaDrishti(current);
        return true;
    case kCmdLattas:
        HighlightLattas(current);
        return true;
    case kCmdNatalSpecialNakshatra:
        return SetNatalSpecialNakshatra();
    case kCmdNatalTara:
        return SetNatalTara();
    case kCmdNatalTithi:
        return SetNatalTithi();
    case kCmdNatalHouse:
        return SetNatalHouse();
    case kCmdNatalPlanetStar:
        return SetNatalPlanetStar();
    case kCmdThisBox:
    case kCmdResetBox:
        m_specialPoint[m_clicked.Index()] = command == kCmdThisBox;
        return true;
    case kCmdSpecialNakshatraFromHere:
        return SetSpecialNakshatraFromHere();
    case kCmdTaraFromHere:
        return SetTaraFromHere();
    case kCmdResetAll:
        m_specialPoint.fill(false);
        return true;
    case kCmdTransitVarga:
        return ChooseVarga(this, g_nSbcTransitVarga);
    case kCmdTransits:
        ChangeTransitMoment(*this);
        return false;
    default:
        return false;
    }
}

void CSarvatobhadraChakraView::HighlightVedhasFrom() {
    for (int column = 0; column < kSbcSide; ++column)
        for (int row = 0; row < kSbcSide; ++row)
            if (OnVedhaLine(m_clicked, {column, row})) m_cellMark[SbcCell{column, row}.Index()] = kSbcTo;
    m_cellMark[m_clicked.Index()] = kSbcFrom;
}

void CSarvatobhadraChakraView::HighlightVedhasOn() {
    for (int column = 0; column < kSbcSide; ++column) {
        for (int row = 0; row < kSbcSide; ++row) {
            const SbcCell cell{column, row};
            if (IsStarCell(cell) && OnVedhaLine(m_clicked, cell)) m_cellMark[cell.Index()] = kSbcFrom;
        }
    }
    m_cellMark[m_clicked.Index()] = kSbcTo;
}

void CSarvatobhadraChakraView::HighlightGrahaDrishti(const CChart& current) {
    const int star = CellToNakshatra(m_clicked);
    for (int planet = kSun; planet <= kSaturn; ++planet) {
        if (!GrahaDrishtiFalls(planet, current.m_nakshatra28[planet], star)) continue;
        m_bodyMark[planet] = kSbcDrishti;
        m_cellMark[m_clicked.Index()] = kSbcTo;
    }
}

void CSarvatobhadraChakraView::HighlightLattas(const CChart& current) {
    const int star = CellToNakshatra(m_clicked);
    for (int planet = kSun; planet <= kRahu; ++planet) {
        if (LattaTarget(planet, current.m_nakshatra28[planet]) != star) continue;
        m_bodyMark[planet] = kSbcLatta;
        m_cellMark[m_clicked.Index()] = kSbcTo;
    }
}

const CChart* CSarvatobhadraChakraView::NatalVargaChart(int varga) const {
    const CTavroDoc* document = Document();
    return document ? ChakraVargaChart(document->m_natalChart, varga) : nullptr;
}

void CSarvatobhadraChakraView::MarkTaras(int star, int tara, int pada) {
    const int first = (star + tara) % kNakshatras27;
    for (int cycle = 0; cycle < kNakshatras27; cycle += kTaraCycle)
        m_specialPoint[StarCell(ToNakshatra28((first + cycle) % kNakshatras27, pada)).Index()] = true;
}

bool CSarvatobhadraChakraView::SetNatalTara() {
    CSelectTaraDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    if (!dialog.DoModal()) return false;
    g_nSbcNatalVarga = dialog.m_nVarga;
    const CChart* natal = NatalVargaChart(g_nSbcNatalVarga);
    if (!natal) return false;
    MarkTaras(natal->m_nakshatra[kMoon], dialog.m_nTara, natal->m_pada[kMoon]);
    return true;
}

bool CSarvatobhadraChakraView::SetNatalSpecialNakshatra() {
    CSelectNakshatraDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    if (!dialog.DoModal()) return false;
    g_nSbcNatalVarga = dialog.m_nVarga;
    const CChart* natal = NatalVargaChart(g_nSbcNatalVarga);
    if (!natal) return false;
    const int star = StarCounted(natal->m_nakshatra28[kMoon], g_specialTaraCounts[dialog.m_nNakshatra]);
    m_specialPoint[StarCell(star).Index()] = true;
    return true;
}

bool CSarvatobhadraChakraView::SetNatalTithi() {
    CSelectTithiDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    if (!dialog.DoModal()) return false;
    g_nSbcNatalVarga = dialog.m_nVarga;
    const CChart* natal = NatalVargaChart(g_nSbcNatalVarga);
    if (!natal) return false;
    m_specialPoint[TithiGroupCell(natal->m_panchanga.m_nTithi[dialog.m_nTithi] % kSbcTithiGroups).Index()] = true;
    return true;
}

bool CSarvatobhadraChakraView::SetNatalHouse() {
    CSelectHouseDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    if (!dialog.DoModal()) return false;
    g_nSbcNatalVarga = dialog.m_nVarga;
    const CTavroDoc* document = Document();
    if (!document) return false;
    // The sign table holds every body's sign in every varga, the arudhas' too.
    const int reference =
        document->m_natalChart.m_vargaSign.Sign(kLagnaFirstBodies[dialog.m_nReference], g_nSbcNatalVarga);
    m_specialPoint[SignCell((reference + dialog.m_nHouse) % kSignCount).Index()] = true;
    return true;
}

bool CSarvatobhadraChakraView::SetNatalPlanetStar() {
    CSelectPlanetDlg dialog(this);
    dialog.m_nChoice = g_nSbcLastPlanetChoice;
    dialog.m_nVarga = g_nSbcNatalVarga;
    if (!dialog.DoModal()) return false;
    g_nSbcLastPlanetChoice = dialog.m_nChoice;
    g_nSbcNatalVarga = dialog.m_nVarga;
    const CChart* natal = NatalVargaChart(g_nSbcNatalVarga);
    if (!natal) return false;
    m_specialPoint[StarCell(natal->m_nakshatra28[kPlanetFirstBodies[dialog.m_nChoice]]).Index()] = true;
    return true;
}

bool CSarvatobhadraChakraView::SetTaraFromHere() {
    CSelectTaraDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    // The dialog's divisional chart is not used: the star is the clicked one.
    if (!dialog.DoModal()) return false;
    const CChart* natal = NatalVargaChart(g_nSbcNatalVarga);
    if (!natal) return false;
    MarkTaras(CellToNakshatra27(m_clicked), dialog.m_nTara, natal->m_pada[kMoon]);
    return true;
}

bool CSarvatobhadraChakraView::SetSpecialNakshatraFromHere() {
    CSelectNakshatraDlg dialog(this);
    dialog.m_nVarga = g_nSbcNatalVarga;
    // The dialog's divisional chart is not used: the star is the clicked one.
    if (!dialog.DoModal()) return false;
    const int star = StarCounted(CellToNakshatra(m_clicked), g_specialTaraCounts[dialog.m_nNakshatra]);
    m_specialPoint[StarCell(star).Index()] = true;
    return true;
}
