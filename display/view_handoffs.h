#pragma once
// What the chart view hands to the views it opens: the ashtakavarga views' display choices (which of
// their document's charts, the vargas, the page shown), the aspect table's varga. Process-wide, written
// just before the view is shown; each view reads the chart from its own document.

// Which chart of its document an ashtakavarga view shows.
enum class AshtakavargaSource {
    kAutomatic, // the natal chart in transit mode, else the current chart
    kNatal,
    kDerived, // the current chart (Tajaka, Tithi Pravesha ...)
};

struct AshtakavargaChoice {
    AshtakavargaSource source = AshtakavargaSource::kAutomatic;
    int varga = 0;          // varga column of the bindus
    int highlightVarga = 0; // varga column whose positions decide the highlighted signs
    int displayMode = 0;    // 0 BAV and SAV charts, 1 PAV of one planet, 2 pindas, 3 nakshatras and rasis
    bool sodhita = false;   // in mode 0: the reduced (sodhita) tables
    bool highlightPlanetRasi = true;
    int pavPlanet = 1; // 0 Lagna, 1 Sun .. 7 Saturn
    // The document calculation a chosen source belongs to: the next calculation returns to automatic.
    // -1: taken from the document when a view first reads the choice.
    long calculation = -1;
};
extern AshtakavargaChoice g_ashtakavargaChoice;
// What the period-entry chart hands its ashtakavarga window: the varga of its chart. The main window's
// choices stay as they are.
extern AshtakavargaChoice g_entryAshtakavargaChoice;

// Varga column of the aspect table.
extern int g_nAspectTableVarga;
