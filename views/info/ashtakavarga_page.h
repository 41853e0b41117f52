#pragma once
// The four forms of the ashtakavarga page, drawn into the page's layout: the BAV (or SoAV) charts with
// the SAV, the PAV of one planet, the pinda table, and the nakshatras and rasis from the sodhya pindas.
// Coordinates are the page's drawing units; the layout rectangles are already zoomed, the fixed
// rectangles of the tables are zoomed here.
#include <array>
#include <string>

#include "display/view_handoffs.h"
#include "platform/draw_surface.h"

class CChart;

// The page's forms, by the display choice's displayMode.
enum AvForm { kChartsForm = 0, kPavForm = 1, kPindaForm = 2, kNakshatraForm = 3 };

// What a page form draws from: the chart, the display choices, the layout.
struct AvPage {
    const CChart& chart;
    const AshtakavargaChoice& choice;
    const std::array<Rect, 9>& cells; // 3 x 3 in reading order: cell 0 the SAV, 1-8 Lagna .. Saturn
    const Rect& pavRect;
    bool printing;
};

// The reference sign of varga column v: the lagna's sign in v moved by the column's lagna shift.
int AvReferenceSign(const CChart& chart, int varga);

// Form 0, the BAV or SoAV charts of Lagna .. Saturn and the SAV or reduced SAV, under the header.
void DrawAvChartsPage(DrawSurface& surface, const AvPage& page);
// Form 1, the PAV of choice.pavPlanet.
void DrawAvPavPage(DrawSurface& surface, const AvPage& page);
// Form 2, the sodhya, rasi and graha pindas of Lagna .. Saturn.
void DrawAvPindaTable(DrawSurface& surface, const AvPage& page);
// Form 3, for each sign and body the nakshatra and rasi of (bindus x sodhya pinda).
void DrawAvNakshatraTable(DrawSurface& surface, const AvPage& page);

// The bounds of the pinda table (form 2, its top as drawn on screen or on paper) or of the nakshatra
// table (form 3), from the page's origin, in unzoomed units.
Rect AvTableBounds(int form, bool printing);

// The nakshatra (1-27) and rasi (1-12) numbers of a product: its remainders by 27 and 12, a remainder
// of 0 counting as the last.
int AvProductNakshatra(int product);
int AvProductRasi(int product);

// The headers of forms 0 and 1 as they read on screen.
std::string AvChartsHeader(const CChart& chart, const AshtakavargaChoice& choice);
std::string AvPavHeader(const CChart& chart, const AshtakavargaChoice& choice);
