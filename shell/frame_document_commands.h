#pragma once
// The main frame's commands that act on the chart document: the birth-time and transit-time steps,
// copying the calculations, chart notes, colours, lifecycles, the Nisheka chart, the default place,
// the two calculation presets and the aspect table.
#include <string>

#include "core/calc_status.h"

class CMainFrame;
class CTavroDoc;

// One step of the birth time (natal chart; marked modified, the mode refreshed, the new moment on the
// birth-time undo stack) or of the shared transit moment (the transit chart recast in transit mode),
// by the unit of the tool bar's step box (0 second ... 6 year).
CalcStatus StepBirthTime(CTavroDoc& document, int unit, bool forward);
CalcStatus StepTransitTime(CTavroDoc& document, int unit, bool forward);

// The text of "Current chart location was set as the default location." for the default place.
std::string DefaultLocationText();

// The chart notes file of a saved chart ("<chart file without extension>.txt"); empty when the chart
// has no file yet.
std::string ChartNotesPath(const std::string& chartBaseName);

void BindFrameDocumentCommands(CMainFrame& frame, CTavroDoc& document);
