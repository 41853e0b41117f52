#pragma once
// The tables of the basic information pane that count stars from a body's nakshatra: the special
// taras from the Moon or the lagna, and the nakshatra aspects and latta of the planets. The counts run
// over 28 stars (Abhijit at 21) while g_bUse28Nakshatras is on, else over the 27.
class CChart;
class CCustomListView;

// Special taras counted from the star of body `reference` (2 Moon, 0 lagna) of `chart`.
void FillSpecialTaras(CCustomListView& list, const CChart& chart, int reference, const char* heading);
// Latta, occupied star and aspected stars of the planets Sun to Rahu of `chart`.
void FillNakshatraAspects(CCustomListView& list, const CChart& chart);
