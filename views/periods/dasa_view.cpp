#include "views/periods/dasa_view.h"

#include <QMouseEvent>
#include <algorithm>

#include "chart/chart.h"
#include "core/calc_options.h"
#include "core/vocabulary_names.h"
#include "display/styled_text.h"
#include "document/dasa_tree.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/color_settings.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "views/periods/dasa_menu_table.h"
#include "views/periods/dasa_options_dispatch.h"

CDasaView* g_pDasaView = nullptr;
CTavroDoc* g_pMainDoc = nullptr;
int g_nDasaDeepestLevel = 5;
std::array<std::array<int, kDasaPageStateSize>, kDasaPageKinds> g_dasaPageState{};

namespace {
// Setting numbers of the page's colours (shell/color_settings_table.cpp).
enum DasaColor {
    kColorBackground = 8,
    kColorHeader = 9,
    kColorOwner = 10,
    kColorDate = 11,
    kColorTime = 12,
    kColorHyphen = 13,
    kColorFocus = 14,
    kColorHint = 15,
    kColorYear = 16,
};
constexpr int kPageFont = 3; // the text font of the display fonts

// Buttons by command id 1-5: text and rectangle (pixels, unscaled).
struct ButtonPlace {
    const char* text;
    Rect rect;
};
constexpr ButtonPlace kButtons[] = {
    {"Options", {190, 10, 300, 35}}, {"Quick Info", {70, 10, 180, 35}}, {"<", {4, 10, 22, 35}},
    {"|", {25, 10, 39, 35}},         {">", {42, 10, 60, 35}},
};
constexpr int kOptionsButton = 1, kQuickInfoButton = 2, kPreviousButton = 3, kBirthButton = 4,
              kNextButton = 5;
constexpr int kButtonRowBottom = kButtons[0].rect.bottom;

constexpr int kPageMargin = 10;  // left of the title and below the help lines, unscaled pixels
constexpr int kRowHeight = 20;   // unscaled pixels
constexpr int kFramePadding = 4; // pixels between a row's last text and its frame
constexpr int kStatusLineStep = 18;
constexpr int kStatusLineWidth = 200;
constexpr int kYearLineTop = 4, kYearLineBottom = 29; // the first status line, from the pane's top
constexpr int kHeaderGap = 5;    // pixels between the status lines (or the buttons) and the rows below
constexpr int kYearLimit = 5255; // the cycle buttons stop at the years the ephemeris covers

const char* const kHelpText = "Want the entry chart of a period? Click the right mouse button on it.\n"
                              "Want to divide a period further? Click the left mouse button on it.\n"
                              "Want another dasa? Click the right mouse button in this frame.\n"
                              "Want more dasas? Look at the tabs below to change the dasa type.";

constexpr std::uint32_t kLeft = kTextLeft | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kRight = kTextRight | kTextSingleLine | kTextNoClip | kTextNoPrefix;
constexpr std::uint32_t kCentre = kTextCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;

// Returns the rectangle the text takes.
Rect DrawPageText(DrawSurface& surface, const std::string& text, const Rect& rect, int color,
                  std::uint32_t format) {
    TextStyle style;
    style.SetBox(rect);
    style.color = g_colors[color];
    style.format = format;
    style.font = g_displayFonts[kPageFont];
    return DrawStyledText(surface, text, style);
}

int CellWidth() {
    return g_bTimeDisplayWithAmPm ? 100 : 90;
}

int RectExtra() {
    return g_bTimeDisplayWithAmPm ? 20 : 0;
}
} // namespace

CDasaView::CDasaView(QWidget* parent) : CDasaView(parent, true) {}

CDasaView::CDasaView(QWidget* parent, bool mainPage) : CView(parent), m_bMainPage(mainPage) {
    if (mainPage) {
        m_report.emplace(
            kDasaReport, [this](DrawSurface& surface, int code, int) { PrintDasa(surface, code); },
            CPrintedPiece::RebuildRoutine{}, [this] { return PageText(true); });
        m_reportPointer.emplace(g_pDasaView, this);
    }
    viewport()->setMouseTracking(true);
    for (int command = 1; command <= 5; ++command) {
        const ButtonPlace& place = kButtons[command - 1];
        auto* button = new QPushButton(place.text, viewport());
        button->setDefault(true);
        button->setGeometry(place.rect.left, place.rect.top, place.rect.Width(), place.rect.Height());
        m_buttons[command - 1] = button;
    }
    connect(Button(kOptionsButton), &QPushButton::clicked, this, [this] { OnDasaOptions(); });
    connect(Button(kQuickInfoButton), &QPushButton::clicked, this, [this] { OnQuickInfo(); });
    connect(Button(kPreviousButton), &QPushButton::clicked, this, [this] { OnPreviousCycle(); });
    connect(Button(kBirthButton), &QPushButton::clicked, this, [this] { OnBirthCycle(); });
    connect(Button(kNextButton), &QPushButton::clicked, this, [this] { OnNextCycle(); });
    SetScrollSizes(m_extent);
}

CTavroDoc* CDasaView::GetDasaDocument() const {
    return TavroDocOf(*this);
}

CDasaTree* CDasaView::Tree() const {
    CTavroDoc* document = GetDasaDocument();
    return document ? &document->m_dasaTree : nullptr;
}

void CDasaView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    m_hoverRect = {};
    LayOutPage();
    if (m_bMainPage) g_pMainDoc = GetDasaDocument();
}

void CDasaView::OnUpdate(CView*, long) {
    // A print job draws the page as it is; its end updates every view.
    if (UpdateHeldForPrinting()) return;
    // A page out of sight (another tab is current) is laid out when it is shown.
    m_bLayoutDue = !isVisible();
    if (m_bLayoutDue) return;
    LayOutPage();
    Invalidate();
}

void CDasaView::showEvent(QShowEvent* event) {
    if (m_bLayoutDue) {
        m_bLayoutDue = false;
        LayOutPage();
    }
    CView::showEvent(event);
}

void CDasaView::Recompute() {
    if (CTavroDoc* document = GetDasaDocument()) {
        const CalcStatus status = document->CalculateDasa();
        document->UpdateAllViews(nullptr);
        // A moment outside the ephemeris leaves the dasa as far as it was computed; the user is told why.
        if (!status.ok()) MessageBox(this, status.error, "Error", MessageIcon::kWarning);
    }
    Invalidate();
}

void CDasaView::PrintDasa(DrawSurface& surface, int code) {
    CTavroDoc* document = GetDasaDocument();
    if (!document) return;
    CDasaTree& tree = document->m_dasaTree;
    const int shown = g_nSelectedDasa;
    const int narayanaChart = g_nNarayanaDasaChart;
    const int level = tree.nLevel;
    const auto picked = tree.nSelected;
    g_nSelectedDasa = code;
    // A dasa that stops at the ephemeris' end prints the periods found before it.
    (void)document->CalculateDasa();
    tree.nLevel = 0;
    PrepareTreeForLayout(tree);
    OnDraw(surface);
    g_nSelectedDasa = shown;
    g_nNarayanaDasaChart = narayanaChart;
    (void)document->CalculateDasa();
    tree.nLevel = level;
    tree.nSelected = picked;
}

void CDasaView::ShowButtons() {
    // The cycle moves and the options act on the main pages' dasa.
    for (int command : {kQuickInfoButton, kPreviousButton, kBirthButton, kNextButton}) {
        Button(command)->setEnabled(true);
        Button(command)->setVisible(!UpdateHeldForPrinting() && (m_bMainPage || command == kQuickInfoButton));
    }
    m_bHasOptions = m_bMainPage && !UpdateHeldForPrinting() && DasaHasOptions(g_nSelectedDasa);
    Button(kOptionsButton)->setVisible(m_bHasOptions);
}

namespace {
// Whether the current dasa's dates carry a shift, which the status lines tell.
bool DasaShifted(const CDasaTree& tree) {
    const int code = std::clamp(tree.nDasaCode, 0, kDasaCodeCount - 1);
    return g_bDasaShift[code] && g_dDasaShiftDays[code] != 0.0;
}
} // namespace

int CDasaView::RowsTop() const {
    // Both the seed and the shift line push the rows down by one status line.
    return g_bDasaSeedNameValid && DasaShifted(*Tree()) ? 53 : 35;
}

int CDasaView::StatusLinesBottom() const {
    const int lines = (g_bDasaSeedNameValid ? 1 : 0) + (DasaShifted(*Tree()) ? 1 : 0);
    return kYearLineBottom + lines * kStatusLineStep;
}

void CDasaView::DrawStatusLines(DrawSurface& surface, int x, int top) {
    const CTavroDoc* document = GetDasaDocument();
    const CDasaTree& tree = *Tree();
    const std::string title =
        document->m_pCurrentChart ? document->m_pCurrentChart->m_strTitle : std::string();
    const Rect yearRect{x, top + kYearLineTop, x + kStatusLineWidth, top + kYearLineBottom};
    DrawPageText(surface, DasaYearText(tree, document->m_nMode, title), yearRect, kColorYear,
                 kLeft | kTextVCenter);
    if (g_bZoneOverride) {
        char zone[32];
        if (g_dOverrideZone < 0)
            std::snprintf(zone, sizeof zone, "TZ: %.1f E", -g_dOverrideZone);
        else
            std::snprintf(zone, sizeof zone, "TZ: %.1f W", g_dOverrideZone);
        DrawPageText(surface, zone, Rect{x + 180, yearRect.top, x + 380, yearRect.bottom}, kColorYear,
                     kLeft | kTextVCenter);
    }
    Rect line = yearRect;
    if (g_bDasaSeedNameValid) {
        line = Rect{x, line.top + kStatusLineStep, x + kStatusLineWidth, line.bottom + kStatusLineStep};
        DrawPageText(surface, "Started from " + g_strDasaSeedName, line, kColorYear, kLeft | kTextVCenter);
    }
    if (DasaShifted(tree)) {
        const int code = std::clamp(tree.nDasaCode, 0, kDasaCodeCount - 1);
        line = Rect{x, line.top + kStatusLineStep, x + kStatusLineWidth, line.bottom + kStatusLineStep};
        DrawPageText(surface, DasaShiftText(g_dDasaShiftDays[code]), line, kColorYear, kLeft | kTextVCenter);
    }
}

namespace {
// `rect` scaled by the zoom and moved `shift` pixels down.
Rect ScaledCell(const Rect& rect, int shift) {
    const Rect scaled = ScaledByFontSize(rect);
    return Rect{scaled.left, scaled.top + shift, scaled.right, scaled.bottom + shift};
}
} // namespace

void CDasaView::WalkPeriodRow(PagePiece::Part part, int index, int x, int top, int shift,
                              const CDasaPeriod& period, int nameColor, int frameWidth,
                              const PageVisitor& visit) const {
    const int bottom = top + kRowHeight;
    const int width = CellWidth();
    auto cell = [&](int left, int right) { return ScaledCell(Rect{left, top, right, bottom}, shift); };
    // The times are drawn unclipped and may reach past their cells: the frame goes round them too.
    const Rect frame = cell(x, x + frameWidth);
    const auto text = [&](std::string content, const Rect& rect, int color, std::uint32_t format) {
        visit(PagePiece{part, index, frame, std::move(content), rect, color, format});
    };
    text(period.Name() + ":", cell(x, x + 60), nameColor, kLeft);
    text(period.StartDate(), cell(x + 60, x + 150), kColorDate, kRight);
    const int startTime = x + 160;
    text(" (" + period.StartTime() + ")", cell(startTime, startTime + width), kColorTime, kLeft);
    const int hyphen = startTime + width;
    text("-", cell(hyphen, hyphen + 10), kColorHyphen, kCentre);
    const int endDate = hyphen + 10;
    text(period.EndDate(), cell(endDate, endDate + width), kColorDate, kRight);
    const int endTime = endDate + width + 10;
    text(" (" + period.EndTime() + ")", cell(endTime, endTime + width), kColorTime, kLeft);
}

void CDasaView::WalkPage(const CDasaTree& tree, bool onScreen, int shift, const PageVisitor& visit) const {
    const auto text = [&](PagePiece::Part part, std::string content, const Rect& rect, int color,
                          std::uint32_t format) {
        visit(PagePiece{part, 0, {}, std::move(content), rect, color, format});
    };
    const int y0 = RowsTop();
    std::string title = tree.strName;
    if (!tree.strNote.empty()) title += " (" + tree.strNote + ")";
    text(PagePiece::kTitle, title, ScaledCell(Rect{10, y0 + 10, 460, y0 + 40}, shift), kColorHeader, kLeft);

    const int level = std::clamp(tree.nLevel, 0, kDasaLevels - 1);
    int y = y0 + 10;
    for (int m = 0; m < level; ++m) {
        if (m == 0) y += kRowHeight;
        y += kRowHeight;
        WalkPeriodRow(PagePiece::kOpenedPeriod, m, 30 + 20 * m, y, shift, tree.running[m], kColorHeader,
                      470 + RectExtra(), visit);
    }
    y += 2 * kRowHeight;
    const int x = 30 + 20 * level;
    text(PagePiece::kHeading, DasaLevelHeading(level), ScaledCell(Rect{x, y, x + 400, y + kRowHeight}, shift),
         kColorHeader, kLeft);
    y += kRowHeight;
    const int count = std::clamp(tree.nCount, 0, kDasaMaxPeriods);
    for (int i = 0; i < count; ++i) {
        y += kRowHeight;
        if (onScreen && i == m_markedRow) {
            const Rect name = ScaledCell(Rect{x, y, x + 60, y + kRowHeight}, shift);
            const int left = name.left - static_cast<int>(40 * FontSizeFactor());
            text(PagePiece::kMarker, "==>", Rect{left, name.top, name.left, name.bottom}, kColorFocus, kLeft);
        }
        WalkPeriodRow(PagePiece::kPeriod, i, x, y, shift, tree.period[i], kColorOwner, 390 + RectExtra(),
                      visit);
    }
    if (onScreen) {
        const Rect window = WindowRect();
        text(PagePiece::kHelp, kHelpText, ScaledCell(Rect{10, y + 50, window.right, window.bottom}, shift),
             kColorHint, kTextLeft | kTextNoClip | kTextNoPrefix);
    }
}

void CDasaView::LayOutPage() {
    m_levelRects = {};
    m_periodRects = {};
    CDasaTree* tree = Tree();
    if (!tree) return;
    if (m_bMainPage) {
        auto& state = g_dasaPageState[std::clamp(g_nCurrentDasaViewType, 0, kDasaPageKinds - 1)];
        std::copy(tree->nSelected.begin(), tree->nSelected.end(), state.begin());
        state[kDasaLevels] = tree->nLevel;
    }
    // A chart that could not be calculated has no periods to list.
    if (!GetDasaDocument()->CalculatedChart()) return;
    PrepareTreeForLayout(*tree);
    m_markedRow = tree->bRunningValid ? tree->nRunningIndex : -1;
    tree->bRunningValid = false;
    ShowButtons();

    // The title, and the rows below it, stand below the button row whatever the zoom.
    const int y0 = RowsTop();
    const int titleTop = ScaledByFontSize(Rect{0, y0 + 10, 0, y0 + 10}).top;
    m_rowsShift = std::max(0, kButtonRowBottom + kHeaderGap - titleTop);
    m_headerHeight = std::min(std::max(y0, StatusLinesBottom()) + kHeaderGap, titleTop + m_rowsShift);

    m_extents.Begin(g_displayFonts[kPageFont]);
    const int statusLeft = m_bHasOptions ? 310 : 190;
    int right = statusLeft + kStatusLineWidth;
    int bottom = 0;
    WalkPage(*tree, true, m_rowsShift, [&](const PagePiece& piece) {
        // A text is measured from its cell's left, as drawing gives it.
        const auto taken = [&] {
            const Size extent = m_extents.Extent(piece.text);
            return Rect{piece.rect.left, piece.rect.top, piece.rect.left + extent.cx,
                        piece.rect.top + extent.cy};
        };
        switch (piece.part) {
        case PagePiece::kTitle: {
            Rect& title = m_levelRects[0];
            title = taken();
            title.right = title.left + static_cast<int>(title.Width() * FontSizeFactor());
            break;
        }
        case PagePiece::kOpenedPeriod:
        case PagePiece::kPeriod: {
            Rect& frame =
                piece.part == PagePiece::kPeriod ? m_periodRects[piece.index] : m_levelRects[piece.index + 1];
            if (frame == Rect{}) frame = piece.rowFrame;
            frame.right = std::max(frame.right, taken().right + kFramePadding);
            break;
        }
        case PagePiece::kHelp: {
            const Rect help = taken();
            right = std::max(right, help.right);
            bottom = help.bottom;
            break;
        }
        case PagePiece::kHeading:
        case PagePiece::kMarker:
            break;
        }
    });
    m_extents.End();
    for (const Rect& rect : m_levelRects) right = std::max(right, rect.right);
    for (const Rect& rect : m_periodRects) right = std::max(right, rect.right);
    const int margin = ScaledByFontSize(Rect{0, 0, kPageMargin, kPageMargin}).right;
    m_extent = Size{right + margin, bottom + margin};
    // A page left scrolled past its new end comes back within it here, before it is drawn.
    SetScrollSizes(m_extent);
}

Rect CDasaView::WindowRect() const {
    const Rect client = GetClientRect();
    return Rect{0, 0, std::max(client.Width(), m_extent.cx), std::max(client.Height(), m_extent.cy)};
}

void CDasaView::OnDraw(DrawSurface& surface) {
    const CDasaTree* tree = Tree();
    if (!tree) return;
    const bool printing = UpdateHeldForPrinting();
    if (!printing) surface.FillRect(WindowRect(), g_colors[kColorBackground]);
    surface.SetTextBackground(g_colors[kColorBackground], false);
    if (!GetDasaDocument()->CalculatedChart()) return;

    const int statusLeft = m_bHasOptions && !printing ? 310 : 190;
    if (printing) {
        DrawStatusLines(surface, statusLeft, 0);
    } else {
        // The status lines stay beside the buttons, and the rows scroll under both, hidden there.
        const Point scrolled = GetScrollPosition();
        DrawStatusLines(surface, scrolled.x + statusLeft, scrolled.y);
        const Rect client = GetClientRect();
        surface.SetClipRect(Rect{scrolled.x, scrolled.y + m_headerHeight, scrolled.x + client.right,
                                 scrolled.y + client.bottom});
    }
    WalkPage(*tree, !printing, printing ? 0 : m_rowsShift, [&](const PagePiece& piece) {
        DrawPageText(surface, piece.text, piece.rect, piece.color, piece.format);
    });
    if (m_hoverRect != Rect{}) {
        surface.SelectPen(LogicalPen{g_colors[kColorFocus], 1});
        surface.SelectBrush(LogicalBrush{0, true});
        surface.Rectangle(m_hoverRect);
    }
    if (!printing) surface.ClearClip();
}

int CDasaView::FixedHeaderHeight() const {
    return m_headerHeight;
}

void CDasaView::PrepareTreeForLayout(CDasaTree& tree) {
    // A listing that stops at the ephemeris' end shows the periods found before it.
    if (!tree.bRunningValid) (void)tree.ExpandPeriod();
}

Point CDasaView::ContentPoint(QPoint viewportPoint) const {
    // The rows that pass under the button row are out of reach there.
    constexpr Point kNowhere{-1, -1}; // left of every title and period rectangle
    if (viewportPoint.y() < m_headerHeight) return kNowhere;
    const Point scrolled = GetScrollPosition();
    return Point{viewportPoint.x() + scrolled.x, viewportPoint.y() + scrolled.y};
}

bool CDasaView::OnLButtonUp(Point page) {
    CDasaTree* tree = Tree();
    if (!tree) return false;
    g_nDasaDeepestLevel =
        g_nSelectedDasa == kRasiBhuktaVimsottariCode ? kRasiBhuktaLevels - 1 : kDasaLevels - 1;
    const int level = std::clamp(tree->nLevel, 0, kDasaLevels - 1);
    int newLevel = -1;
    for (int k = 0; k <= level && newLevel < 0; ++k)
        if (m_levelRects[k].Contains(page)) newLevel = k;
    if (newLevel < 0) {
        for (int i = 0; i < std::clamp(tree->nCount, 0, kDasaMaxPeriods); ++i) {
            if (!m_periodRects[i].Contains(page)) continue;
            tree->nSelected[level] = i;
            if (level < g_nDasaDeepestLevel) newLevel = level + 1;
            break;
        }
    }
    if (newLevel < 0) return false;
    tree->nLevel = newLevel;
    tree->nListedLevel = newLevel;
    m_hoverRect = {};
    OnTreeNavigated();
    LayOutPage();
    ScrollToPosition(Point{0, 0});
    Invalidate();
    return true;
}

void CDasaView::OnMouseMove(Point page) {
    const CDasaTree* tree = Tree();
    if (!tree) return;
    g_nDasaDeepestLevel =
        g_nSelectedDasa == kRasiBhuktaVimsottariCode ? kRasiBhuktaLevels - 1 : kDasaLevels - 1;
    const int level = std::clamp(tree->nLevel, 0, kDasaLevels - 1);
    Rect target;
    for (int k = 0; k <= level && target == Rect{}; ++k)
        if (m_levelRects[k].Contains(page)) target = m_levelRects[k];
    if (target == Rect{} && level <= g_nDasaDeepestLevel)
        for (int i = 0; i < std::clamp(tree->nCount, 0, kDasaMaxPeriods); ++i)
            if (m_periodRects[i].Contains(page)) {
                target = m_periodRects[i];
                break;
            }
    if (target == m_hoverRect) return;
    m_hoverRect = target;
    Invalidate();
}

void CDasaView::OnPreviousCycle() {
    const CDasaTree* tree = Tree();
    if (!tree || tree->nCount == 0) return;
    if (tree->period[0].Start().m_nYear > -kYearLimit) --g_nDasaCycleOffset;
    LayOutPage();
    Invalidate();
}

void CDasaView::OnBirthCycle() {
    g_nDasaCycleOffset = 0;
    LayOutPage();
    Invalidate();
}

void CDasaView::OnNextCycle() {
    const CDasaTree* tree = Tree();
    if (!tree || tree->nCount == 0) return;
    if (tree->period[tree->nCount - 1].End().m_nYear < kYearLimit) ++g_nDasaCycleOffset;
    LayOutPage();
    Invalidate();
}

void CDasaView::OnQuickInfo() {
    const CDasaTree* tree = Tree();
    if (tree) MessageBox(this, tree->strDescription, QuickInfoCaption(tree->strName));
}

void CDasaView::OnDasaOptions() {
    CTavroDoc* document = GetDasaDocument();
    if (!m_bHasOptions || !document) return;
    if (RunDasaOptionsDialog(g_nSelectedDasa, *document, this)) Recompute();
}

void CDasaView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) OnLButtonUp(ContentPoint(event->pos()));
    CView::mouseReleaseEvent(event);
}

void CDasaView::mouseMoveEvent(QMouseEvent* event) {
    OnMouseMove(ContentPoint(event->pos()));
    CView::mouseMoveEvent(event);
}
