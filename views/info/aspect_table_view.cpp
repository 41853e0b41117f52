#include "views/info/aspect_table_view.h"

#include <QEvent>
#include <QMenu>
#include <array>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/chart_source.h"
#include "display/styled_text.h"
#include "display/view_handoffs.h"
#include "document/tavro_doc.h"
#include "platform/painter_surface.h"
#include "shell/color_settings.h"
#include "shell/dialogs/reference_dlgs.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "shell/display_fonts.h"
#include "shell/extra_frames.h"
#include "views/info/aspect_table_cells.h"
#include "views/info/cell_format.h"
#include "views/info/list_menu.h"

int g_nAspTblHouseRef = 0;

namespace {

constexpr int kColorFrame = 106; // ColorTransitSearchViewFrame (shell/color_settings_table.cpp)
constexpr int kTableFont = 2;    // the list font of the display fonts
constexpr ColorRef kBlack = Rgb(0, 0, 0);
constexpr ColorRef kNearBlack = Rgb(10, 10, 10);
constexpr ColorRef kGreen = Rgb(0, 200, 0);
constexpr ColorRef kRed = Rgb(255, 0, 0);
constexpr ColorRef kEnemyRed = Rgb(200, 40, 40);

// Layout of the table, pixels before print scaling.
constexpr int kMinimumWidth = 720;
constexpr int kHeaderTop = 10;
constexpr int kRowTop = 30;
constexpr int kRowHeight = 20;
constexpr int kColumnWidth = 32; // the least; a column is wider when its header needs it
constexpr int kHeaderGap = 6;    // between a header's text and the next column's
constexpr int kColumns = kAspectPlanets + 12;
constexpr int kHeaderLeft = 72;
constexpr int kCellLeft = 74;
constexpr int kLabelLeft = 10;
constexpr int kGlyphLeft = 34; // the least; further right when a row label needs it
constexpr int kGlyphGap = 2;   // between a row label and its glyphs, and between the glyphs and the values
// Every glyph of a row side by side: up and down arrow, triangle, house, disc.
constexpr int kGlyphsWidth = 38;
constexpr int kLegendLine = 22;
constexpr int kKeyLines = 4; // "Aspecting planet", the chart, the full value, the houses' reference
constexpr int kBelowLegend = 40;
constexpr int kColorNameLeft = 260; // the colour names of the colour legend, from the meanings' left

// How each relationship code draws: colour, weight factor, italic; and its legend texts.
struct RelationStyle {
    ColorRef color;
    double weight;
    bool italic;
    const char* meaning;
    const char* colorName;
};
constexpr std::array<RelationStyle, kRelationCodes> kRelationStyles = {{
    {Rgb(0, 0, 255), 1.0, false, "Swagriha (own house)", "Blue"},
    {Rgb(0, 200, 0), 3.0, true, "Adhimitra (best friend)", "Bold Italic Green"},
    {Rgb(40, 140, 40), 1.0, false, "Mitra (friend)", "Green"},
    {Rgb(110, 110, 110), 1.0, false, "Sama (neutral)", "Black"},
    {Rgb(200, 40, 40), 1.0, false, "Satru (enemy)", "Red"},
    {Rgb(255, 0, 0), 3.0, true, "Adhisatru (worst enemy)", "Bold Italic Red"},
}};

const RelationStyle& StyleOf(int relation) {
    return kRelationStyles[static_cast<size_t>(relation >= 0 && relation < kRelationCodes ? relation : 3)];
}

// The glyph legend: each glyph with what it means.
struct GlyphLegend {
    int kind;
    ColorRef color;
    bool door;
    const char* text;
};
constexpr GlyphLegend kGlyphLegends[] = {
    {kGlyphUpArrow, kGreen, false, "Uchcha (exalted)"},
    {kGlyphDownArrow, kRed, false, "Neecha (debilitated)"},
    {kGlyphTriangle, kGreen, false, "Moolatrikona"},
    {kGlyphHouse, Rgb(0, 0, 255), false, "Swagriha (own house)"},
    {kGlyphHouse, Rgb(0, 200, 0), true, "Adhimitra griha (good friend's house)"},
    {kGlyphHouse, Rgb(40, 140, 40), false, "Mitra griha (friend's house)"},
    {kGlyphHouse, Rgb(110, 110, 110), false, "Sama griha (neutral house)"},
    {kGlyphHouse, Rgb(200, 40, 40), false, "Satru griha (enemy's house)"},
    {kGlyphDisc, kRed, false, "Asta (combust)"},
    {kGlyphHouse, kRed, true, "Adhisatru griha (bad enemy's house)"},
};

// A point of a figure, scaled to the printer while printing as the texts are.
Point At(int x, int y) {
    if (!g_bPrinting) return Point{x, y};
    const Rect scaled = ScaledPrintRect(Rect{x, y, x, y});
    return Point{scaled.left, scaled.top};
}

TextStyle Style(const Rect& box, ColorRef color, double a = 1.0, double b = 1.0, double c = 1.0) {
    TextStyle style;
    style.SetBox(box);
    style.color = color;
    style.format = kTextLeft | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    style.font = ScaledFont(g_displayFonts[kTableFont], a, b, c);
    return style;
}

TextStyle RelationText(const Rect& box, int relation) {
    const RelationStyle& relationStyle = StyleOf(relation);
    TextStyle style = Style(box, relationStyle.color, 1.0, 1.0, relationStyle.weight);
    style.font.italic = relationStyle.italic ? 1 : 0;
    return style;
}

// The left edges of the nine planet columns, then the twelve house columns, and the table's right edge
// last: each column is kColumnWidth wide, or as wide as its header text and a gap need (the house
// ordinals "10th" to "12th" of the list font do not fit), so no two headers run together.
using ColumnEdges = std::array<int, kColumns + 1>;

} // namespace

// Where the table goes, measured in the table's font: the glyphs start right of the widest row label
// and the columns right of the glyphs, so that neither covers a planet's name. Pixels.
struct AspectTableLayout {
    int glyphLeft = kGlyphLeft;
    ColumnEdges edges{};
    Size total; // the scroll extent: the table and the legends below it
};

namespace {

const char* Abbrev(int body) {
    return ChosenPlanetAbbrevs()[body];
}

const char* ColumnHeader(int column) {
    return column < kAspectPlanets ? Abbrev(kSun + column) : g_houseOrdinals[column - kAspectPlanets];
}

// The height of the key lines and legends that DrawLegends draws.
constexpr int LegendsHeight() {
    constexpr int lines = kKeyLines + static_cast<int>(std::size(kGlyphLegends)) + 1 + kRelationCodes;
    return lines * kLegendLine + 2 * (kRowHeight / 2);
}
constexpr int kLegendsTop = kRowTop + kRowHeight * kAspectPlanets + 10;

AspectTableLayout MeasureTable() {
    ImageSurface image{Size{1, 1}}; // unscaled, as the screen draws; print scaling comes later
    DrawSurface& measure = image.Surface();
    measure.SelectFont(Style(Rect{}, kBlack).font);
    AspectTableLayout layout;
    for (int p = kSun; p <= kKetu; ++p)
        layout.glyphLeft =
            std::max(layout.glyphLeft, kLabelLeft + measure.TextExtent(Abbrev(p)).cx + kGlyphGap);
    ColumnEdges& edges = layout.edges;
    edges[0] = std::max(kHeaderLeft, layout.glyphLeft + kGlyphsWidth + kGlyphGap);
    for (int c = 0; c < kColumns; ++c)
        edges[c + 1] = edges[c] + std::max(kColumnWidth, measure.TextExtent(ColumnHeader(c)).cx + kHeaderGap);
    layout.total = Size{std::max(kMinimumWidth, edges.back() + kLabelLeft),
                        kLegendsTop + LegendsHeight() + kBelowLegend};
    return layout;
}

// Values stand a little right of their header.
Rect Cell(const ColumnEdges& edges, int column, int top) {
    constexpr int kCellIndent = kCellLeft - kHeaderLeft;
    return Rect{edges[column] + kCellIndent, top, edges[column + 1] + kCellIndent, top + kRowHeight};
}

// A text line of the legends at (x, y), as wide as the table.
Rect LegendBox(int x, int y) {
    return Rect{x, y, kMinimumWidth, y + kLegendLine};
}

void DrawHeader(DrawSurface& surface, const ColumnEdges& edges) {
    for (int c = 0; c < kColumns; ++c)
        DrawStyledText(surface, ColumnHeader(c),
                       Style(Rect{edges[c], kHeaderTop, edges[c + 1], kRowTop}, kBlack));
}

void DrawRow(DrawSurface& surface, const AspectTableLayout& layout, int p, const AspectTableRow& row) {
    const ColumnEdges& edges = layout.edges;
    const int top = kRowTop + kRowHeight * (p - 1);
    DrawStyledText(surface, Abbrev(p),
                   Style(Rect{kLabelLeft, top, layout.glyphLeft, top + kRowHeight}, kBlack));
    int x = layout.glyphLeft;
    if (row.exalted) x += DrawAspectGlyph(surface, kGlyphUpArrow, x, top, kGreen);
    if (row.debilitated) x += DrawAspectGlyph(surface, kGlyphDownArrow, x, top, kEnemyRed);
    if (row.moolatrikona) x += DrawAspectGlyph(surface, kGlyphTriangle, x, top, kGreen);
    x += DrawAspectGlyph(surface, kGlyphHouse, x, top, StyleOf(row.ownSignRelation).color,
                         row.ownSignRelation == 1 || row.ownSignRelation == 5);
    if (row.combust) DrawAspectGlyph(surface, kGlyphDisc, x, top, kRed);
    for (int q = 0; q < kAspectPlanets; ++q) {
        if (row.planetValue[q] == kBlankCell) continue;
        DrawStyledText(surface, FormatCell("%d", row.planetValue[q]),
                       RelationText(Cell(edges, q, top), row.planetRelation[q]));
    }
    for (int h = 0; h < 12; ++h)
        DrawStyledText(surface, FormatCell("%d", row.houseValue[h]),
                       RelationText(Cell(edges, kAspectPlanets + h, top), row.houseRelation[h]));
}

// The key lines and both legends from `y` down, LegendsHeight() high.
void DrawLegends(DrawSurface& surface, int y, int varga, int houseReference) {
    // The aspecting planets are the rows: an arrow from a row into the table.
    surface.SelectPen(LogicalPen{kNearBlack, 1});
    surface.Line(At(kLabelLeft, y + 11), At(kLabelLeft + 16, y + 11));
    surface.Line(At(kLabelLeft + 16, y + 11), At(kLabelLeft + 12, y + 7));
    surface.Line(At(kLabelLeft + 16, y + 11), At(kLabelLeft + 12, y + 15));
    DrawStyledText(surface, "Aspecting planet", Style(LegendBox(kLabelLeft + 24, y), kNearBlack));
    y += kLegendLine;
    DrawStyledText(surface, FormatCell("Chart used: %s", g_strVargaLabels[varga].c_str()),
                   Style(LegendBox(kLabelLeft, y), kBlack, 1.2, 1.2, 1.0));
    y += kLegendLine;
    DrawStyledText(surface, FormatCell("Full aspect value: %d", static_cast<int>(g_dAspectValueMax)),
                   Style(LegendBox(kLabelLeft, y), kBlack, 1.1, 1.1, 1.1));
    y += kLegendLine;
    DrawStyledText(surface, FormatCell("Houses from: %s", Abbrev(houseReference)),
                   Style(LegendBox(kLabelLeft, y), kBlack));
    y += kLegendLine + kRowHeight / 2;
    for (const GlyphLegend& legend : kGlyphLegends) {
        DrawAspectGlyph(surface, legend.kind, kLabelLeft, y, legend.color, legend.door);
        DrawStyledText(surface, legend.text, Style(LegendBox(kLabelLeft + 20, y), kBlack));
        y += kLegendLine;
    }
    y += kRowHeight / 2;
    DrawStyledText(surface,
                   "Aspect Legend (color code):", Style(LegendBox(kLabelLeft, y), kBlack, 1.1, 1.1, 1.5));
    y += kLegendLine;
    for (int relation = 0; relation < kRelationCodes; ++relation) {
        DrawStyledText(surface, kRelationStyles[relation].meaning,
                       RelationText(LegendBox(kLabelLeft, y), relation));
        DrawStyledText(surface, kRelationStyles[relation].colorName,
                       RelationText(LegendBox(kLabelLeft + kColorNameLeft, y), relation));
        y += kLegendLine;
    }
}

void AddValueChoice(QMenu& menu, CAspectTableView& view) {
    QMenu* values = menu.addMenu("Full aspect value");
    for (const double value : {60.0, 100.0}) {
        QAction* action = values->addAction(value == 60.0 ? "&60" : "&100");
        action->setCheckable(true);
        action->setChecked((g_dAspectValueMax == 60.0) == (value == 60.0));
        QObject::connect(action, &QAction::triggered, &view,
                         [&view, value] { view.SetFullAspectValue(value); });
    }
}

void AddRuleChoice(QMenu& menu, CAspectTableView& view) {
    QMenu* rules = menu.addMenu("Aspects of Mars, Jupiter and Saturn");
    for (const bool parasara : {true, false}) {
        QAction* action =
            rules->addAction(parasara ? "As per Parasara's teachings" : "As per Dr Raman's teachings");
        action->setCheckable(true);
        action->setChecked(g_bAspectEvalAsPerParasara == parasara);
        QObject::connect(action, &QAction::triggered, &view,
                         [&view, parasara] { view.SetAspectsAsPerParasara(parasara); });
    }
}

} // namespace

int DrawAspectGlyph(DrawSurface& surface, int kind, int x, int y, ColorRef color, bool door) {
    surface.SelectPen(LogicalPen{color, 1});
    surface.SelectBrush(LogicalBrush{color});
    const auto line = [&](int x0, int y0, int x1, int y1) {
        surface.Line(At(x + x0, y + y0), At(x + x1, y + y1));
    };
    const auto box = [&](int x0, int y0, int x1, int y1) {
        const Point a = At(x + x0, y + y0);
        const Point b = At(x + x1, y + y1);
        return Rect{a.x, a.y, b.x, b.y};
    };
    switch (kind) {
    case kGlyphHouse:
        line(4, 4, 0, 8);
        line(4, 4, 8, 8);
        surface.FillRect(box(0, 8, 8, 14), color);
        if (door) surface.FillRect(box(3, 10, 5, 12), Rgb(255, 255, 255));
        return 9;
    case kGlyphUpArrow:
        line(3, 4, 3, 16);
        line(3, 4, 0, 7);
        line(3, 4, 6, 7);
        return 7;
    case kGlyphDownArrow:
        line(3, 4, 3, 16);
        line(3, 16, 0, 13);
        line(3, 16, 6, 13);
        return 7;
    case kGlyphTriangle: {
        const Point corners[] = {At(x + 3, y + 6), At(x, y + 14), At(x + 6, y + 14)};
        surface.Polygon(corners);
        return 7;
    }
    case kGlyphDisc:
        surface.Ellipse(box(0, 6, 7, 13));
        return 8;
    default:
        return 20;
    }
}

CAspectTableView::CAspectTableView(QWidget* parent) : CView(parent) {
    IgnoreShiftCtrlWheel();
}

CAspectTableView::~CAspectTableView() {
    if (m_watchedWindow) m_watchedWindow->removeEventFilter(this);
}

void CAspectTableView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    Layout();
    CView::OnInitialUpdate();
}

void CAspectTableView::OnUpdate(CView* sender, long hint) {
    TitleOwnWindow(*this, "Aspect Table with Relationships");
    if (UpdateHeldForPrinting()) return;
    Layout(); // the fonts or the planets' names may have changed
    CView::OnUpdate(sender, hint);
}

void CAspectTableView::showEvent(QShowEvent* event) {
    CView::showEvent(event);
    KeepWindowRect();
}

void CAspectTableView::resizeEvent(QResizeEvent* event) {
    CView::resizeEvent(event);
    Layout();
}

bool CAspectTableView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_watchedWindow && (event->type() == QEvent::Move || event->type() == QEvent::Resize))
        KeepWindowRect();
    return CView::eventFilter(watched, event);
}

void CAspectTableView::KeepWindowRect() {
    QWidget* frame = window();
    if (frame == this) return; // not (yet) in a window of its own
    if (m_watchedWindow != frame) {
        if (m_watchedWindow) m_watchedWindow->removeEventFilter(this);
        m_watchedWindow = frame;
        frame->installEventFilter(this);
    }
    // The window's own geometry, which is what opening it sets again: no frame margins are added, so
    // the table reopens exactly where and as large as it was.
    const QRect rect = frame->geometry();
    g_nAspTblPosLeft = rect.left();
    g_nAspTblPosTop = rect.top();
    g_nAspTblPosRight = rect.left() + rect.width();
    g_nAspTblPosBottom = rect.top() + rect.height();
}

void CAspectTableView::Layout() {
    m_layout = std::make_unique<AspectTableLayout>(MeasureTable());
    if (!(GetTotalSize() == m_layout->total)) SetScrollSizes(m_layout->total);
    if (isVisible()) KeepWindowRect();
}

void CAspectTableView::OnDraw(DrawSurface& surface) {
    if (!m_layout) return; // laid out at the initial update
    const AspectTableLayout& layout = *m_layout;
    if (!g_bPrinting)
        surface.FillRect(Rect{0, 0, std::max(layout.total.cx, width()), layout.total.cy + height()},
                         g_colors[kColorFrame]);
    CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    const int varga =
        g_nAspectTableVarga >= 0 && g_nAspectTableVarga < kVargaColumnCount ? g_nAspectTableVarga : 0;
    const int reference =
        g_nAspTblHouseRef >= kLagna && g_nAspTblHouseRef <= kKetu ? g_nAspTblHouseRef : kLagna;
    AspectTable table;
    if (!ComputeAspectTable(*document->m_pCurrentChart, varga, reference, g_dAspectValueMax, table)) return;
    surface.SetTextBackground(g_colors[kColorFrame], false);
    DrawHeader(surface, layout.edges);
    for (int p = kSun; p <= kKetu; ++p) DrawRow(surface, layout, p, table.rows[p - 1]);
    DrawLegends(surface, kLegendsTop, varga, reference);
}

void CAspectTableView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CAspectTableView::FillContextMenu(QMenu& menu) {
    constexpr int kSelectVarga = -2;
    constexpr int kSelectReference = -3;
    constexpr ListMenuItem kChoosers[] = {{"Select varga (divisional chart)", kSelectVarga},
                                          {"Select reference for houses", kSelectReference}};
    AddTableMenuItems(menu, kChoosers, kListMenuSeparator, [this](int item) {
        if (item == kSelectVarga)
            OnSelectVarga();
        else
            OnSelectHouseReference();
    });
    AddValueChoice(menu, *this);
    menu.addSeparator();
    AddRuleChoice(menu, *this);
    menu.addSeparator();
    connect(menu.addAction("Print this window"), &QAction::triggered, this,
            [this] { PrintViewContent(*this); });
}

void CAspectTableView::OnSelectVarga() {
    CChooseVargaDlg dialog(this);
    dialog.m_nVarga = g_nAspectTableVarga;
    if (!dialog.DoModal() || dialog.m_nVarga < 0) return;
    g_nAspectTableVarga = dialog.m_nVarga;
    OnUpdate(nullptr, 0);
}

void CAspectTableView::OnSelectHouseReference() {
    CHouseReferenceDlg dialog(this);
    dialog.m_nBody = g_nAspTblHouseRef;
    if (!dialog.DoModal() || dialog.m_nBody < 0) return;
    g_nAspTblHouseRef = dialog.m_nBody;
    OnUpdate(nullptr, 0);
}

void CAspectTableView::SetFullAspectValue(double value) {
    g_dAspectValueMax = value;
    OnUpdate(nullptr, 0);
}

void CAspectTableView::SetAspectsAsPerParasara(bool parasara) {
    g_bAspectEvalAsPerParasara = parasara;
    RecalculateCharts();
}
