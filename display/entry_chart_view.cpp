#include "display/entry_chart_view.h"

#include <QMenu>
#include <algorithm>

#include "chart/chart.h"
#include "display/chart_colors.h"
#include "display/chart_commands.h"
#include "display/chart_info.h"
#include "display/chart_menu_entries.h"
#include "display/menu_commands.h"
#include "display/styled_text.h"
#include "display/view_handoffs.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/display_fonts.h"
#include "shell/extra_frames.h"
#include "shell/pane_state.h"

namespace {

constexpr int kEntryWindowResource = 137;
constexpr int kCaptionBand = 40;   // pixels above the chart for its caption
constexpr int kInfoWidth = 240;    // pixels right of the chart for the key data
constexpr int kHintTop = 20, kHintBottom = 40; // the hint below the chart, pixels from its bottom
constexpr int kLargestSide = 480;  // pixels
constexpr int kInfoLabelWidth = 90;
constexpr int kHintFont = 3;

CTavroDoc* EntryDocument(const CView& view) {
    return static_cast<CTavroDoc*>(view.GetDocument());
}

} // namespace

CEntryChartView::CEntryChartView(QWidget* parent) : CChartView(parent, false) {}

void CEntryChartView::RecalcLayout(Size window) {
    const int side = std::min(window.cy * 6 / 7, kLargestSide);
    g_dChartScale = side / 360.0;
    const int m = static_cast<int>(g_dChartScale * 10);
    int s = static_cast<int>(g_dChartScale * 360);
    s -= s % 4;
    m_paneRect[kEntryPane] = Rect{m, m + kCaptionBand, s + m, s + m + kCaptionBand};
    // The chart with the hint below it and the key data beside it: the window scrolls that far.
    const Rect& area = m_paneRect[kEntryPane];
    int bottom = area.bottom + kHintBottom;
    if (const CChart* chart = PaneChart(kEntryPane))
        bottom = std::max(bottom, area.top + ChartInfoLinesHeight(*chart));
    const Size extent{s + 2 * m + kInfoWidth, bottom + m};
    SetScrollSizes(extent);
    m_background = Rect{0, 0, std::max(window.cx, extent.cx), std::max(window.cy, extent.cy)};
    g_chartFontA = ScaledFont(g_displayFonts[0], g_dChartScale, g_dChartScale, g_dChartScale);
    g_chartFontB = ScaledFont(g_displayFonts[1], g_dChartScale, g_dChartScale, g_dChartScale);
}

void CEntryChartView::OnInitialUpdate() {
    RecalcLayout(WindowSize());
    const CTavroDoc* document = EntryDocument(*this);
    g_nPaneVarga[kEntryPane] = document ? document->m_nEntryVarga : 0;
    m_state.CopyColors();
    m_nCurPane = kEntryPane;
    g_nPaneDisplayMode[kEntryPane] = kAutomaticChart;
    g_nPaneBodyView[kEntryPane] = kStandardView;
    m_state.paneHouseOffset[kEntryPane] = 0;
    ResetBodyFlagsStandard(kEntryPane);
    m_state.ClearHighlights();
    m_nCurRasi = kNoSign;
    m_nCurBody = kNoBody;
    CView::OnInitialUpdate();
    TitleOwnWindow(*this, "Period Entry Chart");
}

CChart* CEntryChartView::PaneChart(int) const {
    CTavroDoc* document = EntryDocument(*this);
    return document ? document->m_pCurrentChart : nullptr;
}

void CEntryChartView::OnDraw(DrawSurface& surface) {
    RecalcLayout(WindowSize());
    surface.FillRect(m_background, ColorOf(kColorChartViewFrame));
    CChart* chart = PaneChart(kEntryPane);
    if (!chart) return;
    const Rect& area = ChartArea();
    // The chart is captioned "Period Entry"; its own title stands in the key data beside it.
    const std::string title = chart->m_strTitle;
    chart->m_strTitle = "Period Entry";
    DrawChart(surface, area, g_nPaneVarga[kEntryPane], *chart, kEntryPane, true);
    chart->m_strTitle = title;
    DrawChartInfo(surface, *chart, Rect{10, 10, m_background.right, m_background.bottom},
                  Rect{area.right + 10, area.top, m_background.right, m_background.bottom}, kInfoLabelWidth);
    TextStyle hint;
    hint.SetBox(Rect{area.left, area.bottom + kHintTop, area.right, area.bottom + kHintBottom});
    hint.color = ColorOf(kColorChartViewHint);
    hint.format = kTextCenter | kTextNoClip;
    hint.font = g_displayFonts[kHintFont];
    DrawStyledText(surface, "Click right mouse button on chart!", hint);
}

bool CEntryChartView::HitTestForMenu(Point point) {
    if (!ChartArea().Contains(point)) return false;
    m_nCurPane = kEntryPane;
    FindHitInPane(kEntryPane, point);
    return true;
}

void CEntryChartView::BuildContextMenu(QMenu& menu) {
    const bool planet = m_nCurBody >= 1 && m_nCurBody <= kKetu;
    if (m_nCurRasi < kNoSign && g_nChartStyle == 2) {
        AddCommand(menu, "Show chart from this house", kCmdChartFromThisHouse);
        menu.addSeparator();
    }
    AddCommand(menu, "When will lagna change in this chart?", kCmdLagnaSignChange);
    AddCommand(menu, "When will this planet change sign in this chart?", kCmdPlanetSignChange, planet);
    menu.addSeparator();
    AddCommand(menu, "Planet longitudes", kCmdEntryPlanetLongitudes);
    AddCommand(menu, "Show ashtakavarga of this chart", kCmdShowAshtakavarga);
    AddCommand(menu, "Compressed Patyayini dasa", kCmdEntryPatyayiniDasa);
    menu.addSeparator();
    AddVargaEntries(menu);
    menu.addSeparator();
    AddAnalysisEntries(menu);
    AddCommand(menu, "&Aspect table with relationships", kCmdAspectTableOfPane);
    AddCopyChartEntries(menu, true);
    menu.addSeparator();
    AddViewEntries(menu);
}

bool CEntryChartView::RunCommand(int command) {
    switch (command) {
    case kCmdEntryPlanetLongitudes:
        return OpenEntryWindow("CEntryBasicInfoView");
    case kCmdShowAshtakavarga:
        g_entryAshtakavargaChoice.varga = g_nPaneVarga[kEntryPane];
        g_entryAshtakavargaChoice.highlightVarga = g_nPaneVarga[kEntryPane];
        return OpenEntryWindow("CEntryAshtakaVargaView");
    case kCmdEntryPatyayiniDasa:
        return OpenEntryWindow("CEntryDasaView");
    default:
        return CChartView::RunCommand(command);
    }
}

bool CEntryChartView::OpenEntryWindow(const char* className) {
    CTavroDoc* document = EntryDocument(*this);
    if (document && OpenChildWindow(kEntryWindowResource, className, document)) return true;
    MessageBox(this, "Unable to create window.", "Oops");
    return false;
}
