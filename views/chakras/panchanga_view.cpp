#include "views/chakras/panchanga_view.h"

#include <QAbstractScrollArea>
#include <QWidget>
#include <algorithm>

#include "core/text_format.h"
#include "display/print_bands.h"
#include "display/styled_text.h"
#include "document/panchanga_text.h"
#include "document/tavro_doc.h"
#include "shell/display_fonts.h"
#include "shell/display_options.h"
#include "views/chakras/chakra_colors.h"

namespace {

constexpr int kTextFont = 3;  // the serif text font of the display fonts
constexpr int kDayStep = 336; // units between the tops of two days, scaled
constexpr int kMargin = 10;   // units around the page's text, scaled
constexpr int kShownDays = 2;

// A length of the page at zoom z, truncated.
int Scaled(double units, double z) {
    return static_cast<int>(units * z);
}

} // namespace

CPanchangaView::CPanchangaView(QWidget* parent) : CView(parent) {}

void CPanchangaView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    CalcLayout();
    OnUpdate(nullptr, 0);
}

void CPanchangaView::OnUpdate(CView* sender, long hint) {
    if (UpdateHeldForPrinting()) return;
    ComputeDays(kShownDays);
    MeasurePage();
    CView::OnUpdate(sender, hint);
}

void CPanchangaView::MeasurePage() {
    CalcLayout(); // the drawing rectangle the text wraps in
    ExtentSurface extent(m_measure.Surface());
    DrawContent(extent);
    Size reach{0, 0};
    for (const Rect& box : extent.Boxes()) {
        reach.cx = std::max(reach.cx, box.right);
        reach.cy = std::max(reach.cy, box.bottom);
    }
    const int margin = Scaled(kMargin, FontSizeFactor());
    m_page = Size{reach.cx + margin, reach.cy + margin};
    CalcLayout();
}

void CPanchangaView::CalcLayout() {
    if (!(GetTotalSize() == m_page)) SetScrollSizes(m_page);
    const Rect client = GetClientRect();
    int right = client.Width(), bottom = client.Height();
    if (g_bPrinting) {
        right = static_cast<int>(right * g_dDrawScaleX);
        bottom = static_cast<int>(bottom * g_dDrawScaleY);
    }
    m_drawingRect = Rect{0, 0, std::max(right, m_page.cx), std::max(bottom, m_page.cy)};
}

const CChart* CPanchangaView::CurrentChart() const {
    const CTavroDoc* document = TavroDocOf(*this);
    return document ? document->CalculatedChart() : nullptr;
}

PanchangaRunKey CPanchangaView::KeyFor(const CChart& chart, int count, bool fromFirstOfMonth) const {
    const CTavroDoc* document = TavroDocOf(*this);
    const CLocalDateTime& moment = chart.m_dateTime;
    PanchangaRunKey key;
    key.calculations = document ? document->m_nCalculations : -1;
    key.year = moment.m_nYear;
    key.month = moment.m_nMonth;
    key.day = fromFirstOfMonth ? 1 : moment.m_nDay;
    key.longitude = chart.m_longitude.m_dValue;
    key.latitude = chart.m_latitude.m_dValue;
    key.altitude = chart.m_dAltitude;
    key.zone = moment.m_zone.m_dHours;
    key.days = count;
    key.fromFirstOfMonth = fromFirstOfMonth;
    key.weekdayDefinition = g_nWeekdayDefinition;
    key.sunriseDefinition = g_nSunriseDefinition;
    key.kalaDayNightSeparate = g_bKaalaInDayNightSeparate;
    key.gulikaInSaturnPortion = g_bGulikaInSaturnPortion;
    return key;
}

const PanchangaRun& CPanchangaView::Compute(PanchangaRun& run, int count, bool fromFirstOfMonth) {
    const CChart* chart = CurrentChart();
    if (!chart) return run;
    const PanchangaRunKey key = KeyFor(*chart, count, fromFirstOfMonth);
    if (key == run.key) return run;
    ShowWaitNotice(true);
    const CalcStatus status = ComputePanchangaDays(*chart, count, fromFirstOfMonth, run.days);
    run.error = status.error;
    // A failed run is not kept: the next request tries again.
    run.key = status.ok() ? key : PanchangaRunKey{};
    if (!status.ok()) run.days.clear();
    ShowWaitNotice(false);
    return run;
}

const PanchangaRun& CPanchangaView::ComputeDays(int count) {
    // More than two days start on the 1st of the month, as a month does.
    const int days = std::clamp(count, 0, kScreenDays);
    return Compute(m_screen, days, days > 2);
}

const PanchangaRun& CPanchangaView::ComputeMonth(int count) {
    return Compute(m_month, std::clamp(count, 0, kMonthDays), true);
}

void CPanchangaView::ShowWaitNotice(bool shown) {
    m_bWaiting = shown;
    if (shown && isVisible()) viewport()->repaint();
    if (!shown) Invalidate();
}

void CPanchangaView::DrawWaitNotice(DrawSurface& surface) {
    TextStyle style;
    style.SetBox(
        Rect{m_drawingRect.left, m_drawingRect.top, m_drawingRect.left + 300, m_drawingRect.top + 200});
    surface.FillRect(style.Box(), g_colors[kColorPanchangaFrame]);
    style.color = g_colors[kColorPanchangaWait];
    style.format = kTextCenter | kTextVCenter | kTextSingleLine;
    style.font = ScaledFont(g_displayFonts[kTextFont], 2.0, 3.0, 2.0);
    DrawStyledText(surface, "W  A  I  T  !", style);
}

void CPanchangaView::OnDraw(DrawSurface& surface) {
    CalcLayout();
    if (!g_bPrinting) surface.FillRect(m_drawingRect, g_colors[kColorPanchangaFrame]);
    DrawContent(surface);
    if (m_bWaiting) DrawWaitNotice(surface);
}

void CPanchangaView::DrawContent(DrawSurface& surface) {
    const int margin = Scaled(kMargin, FontSizeFactor());
    if (!m_screen.error.empty()) {
        TextStyle style;
        style.SetBox(Rect{margin, margin, m_drawingRect.right, m_drawingRect.bottom});
        style.color = g_colors[kColorPanchangaText];
        style.format = kTextNoClip | kTextWordBreak;
        style.font = ScaledFont(g_displayFonts[kTextFont], 1.2, 1.15, 0.8);
        DrawStyledText(surface, m_screen.error, style);
    } else {
        DrawDays(surface, margin, margin, kShownDays);
    }
}

void CPanchangaView::DrawDays(DrawSurface& surface, int x, int y, int count) {
    const double z = FontSizeFactor();
    const auto s = [z](double units) { return Scaled(units, z); };
    TextStyle style;
    style.color = g_colors[kColorPanchangaText];
    style.format = kTextNoClip;
    const LogicalFont dateFont = ScaledFont(g_displayFonts[kTextFont], 1.3, 1.2, 2.0);
    const LogicalFont bodyFont = ScaledFont(g_displayFonts[kTextFont], 1.2, 1.15, 0.8);
    const auto draw = [&](int left, int top, const std::string& text, const LogicalFont& font) {
        style.SetBox(Rect{left, top, m_drawingRect.right, m_drawingRect.bottom});
        style.font = font;
        DrawStyledText(surface, text, style);
    };
    const int shown = std::min({count, kScreenDays, static_cast<int>(m_screen.days.size())});
    for (int d = 0; d < shown; ++d) {
        const CPanchangaDay& day = m_screen.days[d];
        const int top = y + d * s(kDayStep);
        draw(x, top, PanchangaDateLine(day), dateFont);
        draw(s(160), top, WeekdayEntry(day) + TithiEntries(day) + NakshatraEntries(day), bodyFont);
        draw(s(50), top + s(24), YogaEntries(day) + KaranaEntries(day), bodyFont);
        draw(s(50), top + s(48), KalaEntries(day), bodyFont);
        draw(s(50), top + s(72), VarjyaEntries(day), bodyFont);
        draw(s(50), top + s(96), RiseSetEntries(day, " ") + MoonSignEntry(day), bodyFont);
        draw(s(50), top + s(126), "Horas:", bodyFont);
        draw(s(50), top + s(150), "(End", bodyFont);
        draw(s(50), top + s(174), "times)", bodyFont);
        // The columns step by fixed units; only their origin scales.
        for (int i = 0; i < kHoraCount; ++i)
            draw(s(120) + 100 * (i % 6), top + s(126) + s(24) * (i / 6), HoraEntry(day, i), bodyFont);
        draw(s(50), top + s(228), "Gouri Panchanga/", bodyFont);
        draw(s(50), top + s(252), "Choghadiyas:", bodyFont);
        draw(s(50), top + s(276), "(End times)", bodyFont);
        for (int i = 0; i < kChoghadiyaSlots; ++i)
            draw(s(200) + 130 * (i % 4), top + s(228) + s(24) * (i / 4), ChoghadiyaEntry(day, i), bodyFont);
    }
}
