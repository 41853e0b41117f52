#include "views/info/ashtakavarga_view.h"

#include <algorithm>

#include "chart/chart.h"
#include "document/dasa_codes.h"
#include "document/tavro_doc.h"
#include "shell/color_settings.h"
#include "shell/dialogs/reference_dlgs.h"
#include "shell/dialogs/select_varga_dlg.h"
#include "shell/display_options.h"
#include "shell/extra_frames.h"
#include "views/info/ashtakavarga_colors.h"
#include "views/info/ashtakavarga_page.h"
#include "views/info/ashtakavarga_text.h"

CAshtakaVargaView* g_pAshtakaVargaView = nullptr;
std::string g_strAVTableText;
std::string g_strAVPindaText;

namespace {

constexpr int kMargin = 10;        // around the grid, the PAV chart and the tables, unzoomed pixels
constexpr int kChooserVargas = 23; // the varga choosers list D-1 .. D-144

// Menu order of the PAV items: Sun .. Saturn, then Lagna.
constexpr int kPavMenuPlanets[kAshtakavargaPoints] = {1, 2, 3, 4, 5, 6, 7, 0};
constexpr const char* kPavMenuTexts[kAshtakavargaPoints] = {
    "Show PAV of &Sun",     "Show PAV of &Moon",  "Show PAV of M&ars",   "Show PAV of M&ercury",
    "Show PAV of &Jupiter", "Show PAV of &Venus", "Show PAV of Sa&turn", "Show PAV of &Lagna"};

QAction* AddItem(QMenu& menu, const char* text, bool checked = false, bool enabled = true) {
    QAction* action = menu.addAction(text);
    action->setCheckable(checked);
    action->setChecked(checked);
    action->setEnabled(enabled);
    return action;
}

} // namespace

CAshtakaVargaView::CAshtakaVargaView(QWidget* parent) : CAshtakaVargaView(parent, true) {}

CAshtakaVargaView::CAshtakaVargaView(QWidget* parent, bool forReports) : CView(parent) {
    IgnoreShiftCtrlWheel();
    if (forReports) {
        m_reportPointer.emplace(g_pAshtakaVargaView, this);
        m_report.emplace(
            kAshtakavargaReport, [this](DrawSurface& surface, int form, int) { PrintInto(surface, form); },
            [this](bool) { GetAVText(); }, [] { return g_strAVTableText + g_strAVPindaText; });
    }
    g_strAVTableText.clear();
    g_strAVPindaText.clear();
}

CEntryAshtakaVargaView::CEntryAshtakaVargaView(QWidget* parent)
    : CAshtakaVargaView(parent, false), m_choice(g_entryAshtakavargaChoice) {}

void CAshtakaVargaView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    LayOut();
}

void CEntryAshtakaVargaView::OnInitialUpdate() {
    CAshtakaVargaView::OnInitialUpdate();
    TitleOwnWindow(*this, "Ashtakavarga");
}

void CAshtakaVargaView::OnUpdate(CView*, long) {
    if (!UpdateHeldForPrinting()) Invalidate();
}

AshtakavargaChoice& CAshtakaVargaView::Choice() const {
    return g_ashtakavargaChoice;
}

CChart* CAshtakaVargaView::ShownChart() const {
    CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return nullptr;
    AshtakavargaChoice& choice = Choice();
    if (choice.source != AshtakavargaSource::kAutomatic) {
        if (choice.calculation < 0)
            choice.calculation = document->m_nCalculations;
        else if (choice.calculation != document->m_nCalculations)
            choice.source = AshtakavargaSource::kAutomatic;
    }
    const bool natal = choice.source == AshtakavargaSource::kNatal ||
                       (choice.source == AshtakavargaSource::kAutomatic && document->m_nMode == kModeTransit);
    return natal ? &document->m_natalChart : document->m_pCurrentChart;
}

void CAshtakaVargaView::LayOutGrid(int pitch, int size, int screenTop, int printTop, const Rect& pav) {
    const bool printing = UpdateHeldForPrinting();
    const int top = printing ? printTop : screenTop;
    for (int k = 0; k < 9; ++k) {
        const int col = k % 3, row = k / 3;
        const int left = pitch * col + kMargin;
        m_cells[k] = ScaledByFontSize(Rect{left, pitch * row + top, left + size, pitch * row + top + size});
    }
    m_pavRect = ScaledByFontSize(pav);
    // The pane scrolls as far as the form shown reaches, and no further.
    Rect content{0, 0, m_cells[8].right, m_cells[8].bottom};
    const int form = Choice().displayMode;
    if (form == kPavForm) content = m_pavRect;
    if (form == kPindaForm || form == kNakshatraForm)
        content = ScaledByFontSize(AvTableBounds(form, printing));
    const int margin = ScaledByFontSize(Rect{0, 0, kMargin, kMargin}).right;
    const Size extent{content.right + margin, content.bottom + margin};
    if (!printing && !(GetTotalSize() == extent)) SetScrollSizes(extent);
    const Rect window = GetClientRect();
    m_windowRect = Rect{0, 0, std::max(window.right, extent.cx), std::max(window.bottom, extent.cy)};
}

void CAshtakaVargaView::LayOut() {
    LayOutGrid(130, 120, 100, 60, Rect{10, 90, 410, 490});
}

void CAVSmalView::LayOut() {
    LayOutGrid(110, 100, 90, 60, Rect{10, 80, 350, 420});
}

void CAshtakaVargaView::OnDraw(DrawSurface& surface) {
    LayOut();
    const bool printing = UpdateHeldForPrinting();
    surface.SetTextBackground(g_colors[kAvColorCartBackground], false);
    if (!printing) surface.FillRect(m_windowRect, g_colors[kAvColorFrame]);
    const CChart* chart = ShownChart();
    if (!chart) return;
    const AvPage page{*chart, Choice(), m_cells, m_pavRect, printing};
    switch (Choice().displayMode) {
    case kPindaForm:
        DrawAvPindaTable(surface, page);
        break;
    case kNakshatraForm:
        DrawAvNakshatraTable(surface, page);
        break;
    case kPavForm:
        DrawAvPavPage(surface, page);
        break;
    default:
        DrawAvChartsPage(surface, page);
        break;
    }
}

void CAshtakaVargaView::Redraw() {
    LayOut(); // another form reaches elsewhere
    Invalidate();
}

void CAshtakaVargaView::BuildContextMenu(QMenu& menu) {
    const AshtakavargaChoice& choice = Choice();
    connect(AddItem(menu, "Show AV of this &divisional chart"), &QAction::triggered, this,
            [this] { OnShowDivisionalChart(); });
    connect(AddItem(menu, "Use &natal chart or derived chart (Tajaka/TP)?"), &QAction::triggered, this,
            [this] { OnNatalOrDerived(); });
    QAction* highlight = AddItem(menu, "&Highlight the rasi containing planet", choice.highlightPlanetRasi);
    highlight->setCheckable(true);
    connect(highlight, &QAction::triggered, this, [this] { OnToggleHighlight(); });
    connect(AddItem(menu, "H&ighlight rasis occupied in this divisional chart", false,
                    choice.highlightPlanetRasi),
            &QAction::triggered, this, [this] { OnHighlightVarga(); });
    menu.addSeparator();
    connect(AddItem(menu, "Recompute taking another sign as &lagna"), &QAction::triggered, this,
            [this] { OnRecomputeWithLagna(); });
    connect(AddItem(menu, "&Go back to the actual lagna"), &QAction::triggered, this,
            [this] { OnBackToActualLagna(); });
    menu.addSeparator();
    const bool charts = choice.displayMode == kChartsForm;
    connect(AddItem(menu, "Show &BAVs and SAV", charts && !choice.sodhita), &QAction::triggered, this,
            [this] { ShowBhinna(false); });
    connect(AddItem(menu, "Show &SoAV - sodhita (reduced) ashtakavargas", charts && choice.sodhita),
            &QAction::triggered, this, [this] { ShowBhinna(true); });
    menu.addSeparator();
    for (int k = 0; k < kAshtakavargaPoints; ++k) {
        const int planet = kPavMenuPlanets[k];
        connect(AddItem(menu, kPavMenuTexts[k], !charts && choice.pavPlanet == planet), &QAction::triggered,
                this, [this, planet] { ShowPav(planet); });
    }
    menu.addSeparator();
    connect(AddItem(menu, "Show s&odhya pindas"), &QAction::triggered, this,
            [this] { ShowForm(kPindaForm); });
    connect(AddItem(menu, "Show &nakshatras && rasis from sodhya pindas"), &QAction::triggered, this,
            [this] { ShowForm(kNakshatraForm); });
}

void CAshtakaVargaView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    BuildContextMenu(menu);
    menu.exec(screenPos);
}

void CAshtakaVargaView::OnShowDivisionalChart() {
    CSelectVargaDlg dialog(this);
    dialog.m_nVarga = Choice().varga < kChooserVargas ? Choice().varga : -1;
    if (dialog.DoModal()) ShowVarga(dialog.m_nVarga);
}

void CAshtakaVargaView::ShowVarga(int varga) {
    Choice().varga = varga;
    Choice().highlightVarga = varga;
    Redraw();
}

void CAshtakaVargaView::OnNatalOrDerived() {
    const CTavroDoc* document = TavroDocOf(*this);
    CNatalOrDerivedDlg dialog(this);
    dialog.m_nDerived = document && ShownChart() != &document->m_natalChart ? 1 : 0;
    if (dialog.DoModal()) UseChart(dialog.m_nDerived == 1);
}

void CAshtakaVargaView::UseChart(bool derived) {
    AshtakavargaChoice& choice = Choice();
    choice.source = derived ? AshtakavargaSource::kDerived : AshtakavargaSource::kNatal;
    const CTavroDoc* document = TavroDocOf(*this);
    choice.calculation = document ? document->m_nCalculations : -1;
    Redraw();
}

void CAshtakaVargaView::OnToggleHighlight() {
    Choice().highlightPlanetRasi = !Choice().highlightPlanetRasi;
    Redraw();
}

void CAshtakaVargaView::OnHighlightVarga() {
    CSelectVargaDlg dialog(this);
    dialog.m_nVarga = Choice().highlightVarga < kChooserVargas ? Choice().highlightVarga : -1;
    if (!dialog.DoModal()) return;
    Choice().highlightVarga = dialog.m_nVarga;
    Redraw();
}

void CAshtakaVargaView::OnRecomputeWithLagna() {
    const CChart* chart = ShownChart();
    if (!chart) return;
    CSelectReferenceDlg dialog(this);
    dialog.m_nSign = AvReferenceSign(*chart, Choice().varga);
    if (dialog.DoModal()) RecomputeWithLagna(dialog.m_nSign);
}

void CAshtakaVargaView::RecomputeWithLagna(int sign) {
    CChart* chart = ShownChart();
    if (!chart) return;
    const int v = std::clamp(Choice().varga, 0, kVargaColumnCount - 1);
    const int lagna = chart->m_vargaSign.Sign(0, v) % 12;
    chart->m_ashtakavarga.m_referenceShift[v] = (sign - lagna + 12) % 12;
    chart->m_ashtakavarga.Compute(*chart);
    Redraw();
}

void CAshtakaVargaView::OnBackToActualLagna() {
    CChart* chart = ShownChart();
    if (!chart) return;
    chart->m_ashtakavarga.m_referenceShift[std::clamp(Choice().varga, 0, kVargaColumnCount - 1)] = 0;
    chart->m_ashtakavarga.Compute(*chart);
    Redraw();
}

void CAshtakaVargaView::ShowBhinna(bool sodhita) {
    Choice().displayMode = kChartsForm;
    Choice().sodhita = sodhita;
    Redraw();
}

void CAshtakaVargaView::ShowPav(int planet) {
    Choice().displayMode = kPavForm;
    Choice().pavPlanet = planet;
    Redraw();
}

void CAshtakaVargaView::ShowForm(int form) {
    Choice().displayMode = form;
    Redraw();
}

void CAshtakaVargaView::PrintInto(DrawSurface& surface, int form) {
    AshtakavargaChoice& choice = Choice();
    const AshtakavargaChoice saved = choice;
    choice.varga = 0;
    choice.highlightVarga = 0;
    choice.sodhita = false;
    choice.highlightPlanetRasi = false;
    if (form == 0) choice.displayMode = kChartsForm;
    if (form == 1) choice.displayMode = kPindaForm;
    OnDraw(surface);
    choice = saved;
}

void CAshtakaVargaView::GetAVText() {
    const CTavroDoc* document = TavroDocOf(*this);
    if (!document || !document->CalculatedChart()) return;
    g_strAVTableText = AshtakavargaTableText(*document->m_pCurrentChart);
    g_strAVPindaText = AshtakavargaPindaText(*document->m_pCurrentChart);
}
