#include "views/periods/dasa_transit_view.h"

#include <QMenu>
#include <QPointer>
#include <QProgressDialog>
#include <QTimer>

#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "document/tavro_doc.h"
#include "platform/draw_state.h"
#include "platform/message_box.h"
#include "shell/display_fonts.h"
#include "views/info/cell_format.h"
#include "views/periods/dasa_transit_input.h"
#include "views/periods/transit_colors.h"

DasaTransitListing g_dasaTransitListing;

namespace {

constexpr int kTextFont = 3; // the fourth display font
constexpr int kScrollWidth = 900;
constexpr int kLeft = 10;
constexpr int kDatesLeft = 100;
constexpr int kLine = 20;
constexpr int kBelowListing = 40;
constexpr int kProgressDelayMs = 400;

// The height the listing took at its last drawing; the scroll extent follows it.
int g_nDasaTransitHeight = 2000;
bool g_bDasaTransitComputing = false;

std::string Heading(int house, const CDasaTransitInput& input) {
    return FormatCell("Transits in %s house from %s during %s", g_houseOrdinals[house],
                      g_signNames[(input.sign + house) % 12], input.label.c_str());
}

std::string StayText(const TransitStay& stay) {
    return FormatCell("From %04d-%02d-%02d to %04d-%02d-%02d", stay.entry.m_nYear, stay.entry.m_nMonth,
                      stay.entry.m_nDay, stay.exit.m_nYear, stay.exit.m_nMonth, stay.exit.m_nDay);
}

TextStyle Style(int top, int left, int right, ColorRef color, double scale = 1.0) {
    TextStyle style;
    style.SetBox(Rect{left, top, right, top + kLine});
    style.color = color;
    style.format = kTextLeft | kTextVCenter | kTextSingleLine | kTextNoClip | kTextNoPrefix;
    style.font = ScaledFont(g_displayFonts[kTextFont], scale, scale, 1.0);
    return style;
}

} // namespace

std::string DasaTransitText(const DasaTransitListing& listing, const CDasaTransitInput& input) {
    std::string text;
    for (int house = 0; house < 12; ++house) {
        text += "\n" + Heading(house, input) + ":\n";
        for (int b = 0; b < kListedTransitBodies; ++b) {
            text += "\n  " + std::string(ChosenPlanetNames()[kListedTransitBodyOrder[b]]) + "\n";
            const std::vector<TransitStay>& stays = listing.stays[house][b];
            if (stays.empty()) text += "    None\n";
            for (const TransitStay& stay : stays) text += "    " + StayText(stay) + "\n";
        }
    }
    return text;
}

CDasaSignTransitView::CDasaSignTransitView(QWidget* parent) : CView(parent) {}

void CDasaSignTransitView::OnInitialUpdate() {
    m_updateLink.Attach(GetDocument());
    Layout();
    CView::OnInitialUpdate();
}

void CDasaSignTransitView::OnUpdate(CView* sender, long hint) {
    if (UpdateHeldForPrinting()) return;
    RefreshListing();
    CView::OnUpdate(sender, hint);
}

bool CDasaSignTransitView::RefreshListing() {
    m_bRefreshAsked = false;
    const CTavroDoc* document = TavroDocOf(*this);
    if (!g_dasaTransitInput.bNew || g_bDasaTransitComputing || !document) return false;
    g_bDasaTransitComputing = true;
    const CDasaTransitInput input = g_dasaTransitInput;
    // Application-modal: the windows repaint and Cancel works, nothing else changes meanwhile.
    QPointer<QProgressDialog> progress = new QProgressDialog("Searching the transits of the period...",
                                                             "Cancel", 0, 12 * kListedTransitBodies, this);
    progress->setWindowTitle("Dasa-Transit Correlation");
    progress->setWindowModality(Qt::ApplicationModal);
    progress->setMinimumDuration(kProgressDelayMs);
    progress->setAutoReset(false);
    QPointer<CDasaSignTransitView> alive(this);
    DasaTransitListing listing = ListDasaTransits(document->m_natalChart, input.start, input.end, input.sign,
                                                  [&progress](int done, int) {
                                                      if (!progress) return false;
                                                      progress->setValue(done);
                                                      return !progress->wasCanceled();
                                                  });
    delete progress;
    g_bDasaTransitComputing = false;
    // A cancelled or failed search keeps what it found; the same input is not searched again.
    g_dasaTransitListing = std::move(listing);
    g_dasaTransitInput.bNew = false;
    if (!alive) return true;
    Invalidate();
    if (!g_dasaTransitListing.status.ok())
        MessageBox(this, g_dasaTransitListing.status.error, "Error", MessageIcon::kWarning);
    return true;
}

void CDasaSignTransitView::Layout() {
    const Size total{kScrollWidth, g_nDasaTransitHeight};
    if (!(GetTotalSize() == total)) SetScrollSizes(total);
}

void CDasaSignTransitView::OnDraw(DrawSurface& surface) {
    Layout();
    const int right = std::max(kScrollWidth, width());
    if (!g_bPrinting)
        surface.FillRect(Rect{0, 0, right, std::max(g_nDasaTransitHeight, height())},
                         g_colors[kColorTransitFrame]);
    surface.SetTextBackground(g_colors[kColorTransitFrame], false);
    if (g_dasaTransitInput.bNew || g_bDasaTransitComputing) {
        surface.FillRect(Rect{0, 0, right, std::max(g_nDasaTransitHeight, height())},
                         g_colors[kColorDasaBackground]);
        TextStyle wait = Style(kLeft, kLeft, right, g_colors[kColorTransitWait]);
        wait.font = ScaledFont(g_displayFonts[kTextFont], 2.0, 4.0, 1.0);
        wait.bottom = wait.top + 3 * kLine;
        DrawStyledText(surface, " W A I T ", wait);
        // Painting only draws: the search runs once this paint is over.
        if (!g_bDasaTransitComputing && !m_bRefreshAsked && !g_bPrinting) {
            m_bRefreshAsked = true;
            QTimer::singleShot(0, this, [this] { RefreshListing(); });
        }
        return;
    }
    int y = kLeft;
    for (int house = 0; house < 12; ++house) {
        DrawStyledText(surface, Heading(house, g_dasaTransitInput),
                       Style(y, kLeft, right, g_colors[kColorDasaHeader], 1.2));
        y += kLine;
        for (int b = 0; b < kListedTransitBodies; ++b) {
            y += kLine / 2;
            DrawStyledText(surface, ChosenPlanetNames()[kListedTransitBodyOrder[b]],
                           Style(y, kLeft, kDatesLeft, g_colors[kColorDasaOwner]));
            const std::vector<TransitStay>& stays = g_dasaTransitListing.stays[house][b];
            if (stays.empty()) {
                DrawStyledText(surface, "None", Style(y, kDatesLeft, right, g_colors[kColorDasaDate]));
                y += kLine;
            }
            for (const TransitStay& stay : stays) {
                DrawStyledText(surface, StayText(stay),
                               Style(y, kDatesLeft, right, g_colors[kColorDasaDate]));
                y += kLine;
            }
        }
        y += kLine;
    }
    g_nDasaTransitHeight = y + kBelowListing;
    Layout();
}

void CDasaSignTransitView::OnContextMenu(QPoint screenPos) {
    QMenu menu(this);
    FillContextMenu(menu);
    menu.exec(screenPos);
}

void CDasaSignTransitView::FillContextMenu(QMenu& menu) {
    connect(menu.addAction("Copy to clipboard"), &QAction::triggered, this, [this] { CopyListing(); });
}

void CDasaSignTransitView::CopyListing() const {
    CopyTextToClipboard(*this, DasaTransitText(g_dasaTransitListing, g_dasaTransitInput));
}
