#pragma once
// The option commands of the Preferences menu that run an option dialog of their own, and the Muntha
// commands. Calculation options, once the dialog ends with OK, are stored, the document recalculated,
// every view updated and the preference file written at once; display and printing options are stored
// and take effect where they are next read. Cancel changes nothing.
#include "core/calc_status.h"

class CMainFrame;
class CTavroDoc;
class QWidget;

// Preferences > Ayanamsa: the ayanamsa with its correction and, for the fixed-star ayanamsa, the star
// and the longitude it is held at; then the chart recalculated (also when only the star is cancelled).
CalcStatus OnAyanamsa(CTavroDoc& document, QWidget* parent);

// Preferences > Siddhanta: the planetary model. The Surya Siddhanta model brings its own ayanamsa (with
// a recommendation), the observed model takes the Surya Siddhanta houses away (Porphyry instead); then
// the ayanamsa dialog, the preference file written and the natal chart recomputed.
CalcStatus OnSiddhanta(CTavroDoc& document, QWidget* parent);

// Preferences > Tithi Pravesha Calculation Options: solar or soli-lunar months, then the lunar year.
CalcStatus OnTithiPraveshaOptions(CTavroDoc& document, QWidget* parent);

// Binds every command above, the other calculation option dialogs, the font size, lifecycle length,
// print pages and astrologer's address commands, and the three Muntha references.
void BindOptionCommands(CMainFrame& frame, CTavroDoc& document);
