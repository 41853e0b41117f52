#pragma once
// CDasaSignTransitView: the dasa-transit correlation window that the dasa page opens for a picked
// period (g_dasaTransitInput): house by house from the period's sign, when Jupiter, Saturn, Rahu and
// Ketu transit it during the period. The listing is computed when the input is new (on opening and at
// the next update of any open window), never while painting, with a progress window when it takes
// long; every open window shows the one latest listing. It copies its listing as text and prints.
#include <string>

#include "display/view_print.h"
#include "document/dasa_transit_listing.h"
#include "platform/view.h"
#include "views/info/pane_support.h"

class QMenu;
struct CDasaTransitInput;

// The listing of the latest input, shared by every open window.
extern DasaTransitListing g_dasaTransitListing;

// The listing as clipboard text: per house a heading line "Transits in 1st house from Aries during
// <label>:", then per body its name and one "From yyyy-mm-dd to yyyy-mm-dd" line per stay, or "None".
// A stopped search begins with a line saying where it stopped, and its bodies never searched read
// "Not searched".
std::string DasaTransitText(const DasaTransitListing& listing, const CDasaTransitInput& input);

class CDasaSignTransitView : public CView {
public:
    explicit CDasaSignTransitView(QWidget* parent = nullptr);

    void OnInitialUpdate() override;
    // Computes the listing when the input is new (unless a print job is drawing), then redraws.
    void OnUpdate(CView* sender, long hint) override;
    void OnDraw(DrawSurface& surface) override;
    void OnContextMenu(QPoint screenPos) override;
    // "Copy to clipboard".
    void FillContextMenu(QMenu& menu);
    CPrintClient& PrintClient() override { return m_print; }

    // Computes the listing now when the input is new, with a progress window, and tells a failure;
    // true when it computed.
    bool RefreshListing();
    // The same with `progress` told after each house and body searched (false from it cancels); a
    // failure stays in the listing's status, untold.
    bool RefreshListingWith(const ListingProgress& progress);
    void CopyListing() const;

private:
    void Layout();

    CPaneUpdateLink m_updateLink{*this};
    CViewPrint m_print{*this, CViewPrint::Form::kContent};
    bool m_bRefreshAsked = false;
};
