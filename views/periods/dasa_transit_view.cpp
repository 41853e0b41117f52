#include "views/periods/dasa_transit_view.h"

#include <QMenu>
#include <QPointer>
#include <QTimer>

#include "core/body_names.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "display/styled_text.h"
#include "document/tavro_doc.h"
#include "platform/draw_state.h"
#include "platform/message_box.h"
#include "shell/display_fonts.h"
#include "shell/extra_frames.h"
#include "views/info/cell_format.h"
#include "views/info/work_progress.h"
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

// The height the listing took at its last drawing; the scroll extent follows it.
int g_nDasaTransitHeight = 2000;
bool g_bDasaTransitComputing = false;

std::string Heading(int house, const CDasaTransitInput& input) {
    return FormatCell("Transits in %s house from %s during %s", g_houseOrdinals[house],
                      g_signNames[(input.sign + house) % 12], input.label.c_str());
}

// Where a stopped search stopped: the note above the listing, "" for a complete one.
std::string StoppedNote(const DasaTransitListing& listing, const CDasaTransitInput& input) {
    if (!listing.Stopped()) return "";
    const int house = listing.searched / kListedTransitBodies;
    const int body = kListedTransitBodyOrder[listing.searched % kListedTransitBodies];
    return FormatCell("Search %s: not searched from %s in the %s house (%s) on.",
                      listing.cancelled ? "cancelled" : "stopped by an error", ChosenPlanetNames()[body],
                      g_houseOrdinals[house], g_signNames[(input.sign + house) % 12]);
}

// What stands for a body that has no stay in the house: "None" once searched.
const char* NoStayText(const DasaTransitListing& listing, int house, int body) {
    return house * kListedTransitBodies + body < listing.searched ? "None" : "Not searched";
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
    if (listing.Stopped()) text += "\n" + StoppedNote(listing, input) + "\n";
    for (int house = 0; house < 12; ++house) {
        text += "\n" + Heading(house, input) + ":\n";
        for (int b = 0; b < kListedTransitBodies; ++b) {
            text += "\n  " + std::string(ChosenPlanetNames()[kListedTransitBodyOrder[b]]) + "\n";
            const std::vector<TransitStay>& stays = listing.stays[house][b];
            if (stays.empty()) text += "    " + std::string(NoStayText(listing, house, b)) + "\n";
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
    TitleOwnWindow(*this, "Dasa-Transit Correlation");
    if (UpdateHeldForPrinting()) return;
    RefreshListing();
    CView::OnUpdate(sender, hint);
}

bool CDasaSignTransitView::RefreshListing() {
    if (!g_dasaTransitInput.bNew || g_bDasaTransitComputing || !TavroDocOf(*this)) {
        m_bRefreshAsked = false;
        return false;
    }
    QPointer<CDasaSignTransitView> alive(this);
    bool computed = false;
    {
        CWorkProgress progress(this, "Dasa-Transit Correlation", "Searching the transits of the period...",
                               kTransitSearches);
        computed = RefreshListingWith([&progress](int done, int) { return progress.Step(done); });
    }
    // Told once the progress window has gone.
    if (computed && alive && !g_dasaTransitListing.status.ok())
        MessageBox(this, g_dasaTransitListing.status.error, "Error", MessageIcon::kWarning);
    return computed;
}

bool CDasaSignTransitView::RefreshListingWith(const ListingProgress& progress) {
    m_bRefreshAsked = false;
    const CTavroDoc* document = TavroDocOf(*this);
    if (!g_dasaTransitInput.bNew || g_bDasaTransitComputing || !document) return false;
    g_bDasaTransitComputing = true;
    const CDasaTransitInput input = g_dasaTransitInput;
    QPointer<CDasaSignTransitView> alive(this);
    DasaTransitListing listing =
        ListDasaTransits(document->m_natalChart, input.start, input.end, input.sign, progress);
    g_bDasaTransitComputing = false;
    // A cancelled or failed search keeps what it found, marked as stopped; the same input is not
    // searched again (the dasa page's command hands it over anew).
    g_dasaTransitListing = std::move(listing);
    g_dasaTransitInput.bNew = false;
    if (alive) Invalidate();
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
    if (g_dasaTransitListing.Stopped()) {
        DrawStyledText(surface, StoppedNote(g_dasaTransitListing, g_dasaTransitInput),
                       Style(y, kLeft, right, g_colors[kColorTransitWait], 1.2));
        y += 2 * kLine;
    }
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
                DrawStyledText(surface, NoStayText(g_dasaTransitListing, house, b),
                               Style(y, kDatesLeft, right, g_colors[kColorDasaDate]));
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
