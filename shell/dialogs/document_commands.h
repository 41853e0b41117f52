#pragma once
// The document's commands that go through a dialog: Edit > Birthdata and Edit > Change timezone.
// Each fills its dialog from the document, and on OK writes the answer back, recalculates and has
// every view updated; Cancel changes nothing. The status says when the ephemeris refused the chart.
#include "core/calc_status.h"

class CMainFrame;
class CTavroDoc;
class QWidget;

// Edit > Birthdata: the natal chart's birth data edited in the birth-data dialog (in its birth zone
// while another zone is shown), then the natal chart recomputed, the mode refreshed and the new birth
// moment kept for undo. The hours come back on the clock the user chose (TimeDisplayWithAmPm).
CalcStatus OnEditBirthdata(CTavroDoc& document, QWidget* parent);

// Edit > Change timezone: every date and time shown in another zone (hours, positive west in the
// charts) or back in the birth zone; the chart file keeps the birth zone.
CalcStatus OnChangeTimezone(CTavroDoc& document, QWidget* parent);

// Edit > User defined special point and Edit > Planetary Special Lagnas: the definitions kept in the
// option globals edited, the current chart's user point renamed, then the chart recalculated.
CalcStatus OnUserDefinedSpecialPoint(CTavroDoc& document, QWidget* parent);
CalcStatus OnPlanetarySpecialLagnas(CTavroDoc& document, QWidget* parent);

// The option commands: each runs its option form and on OK recalculates what the options touch and
// has every view updated. Chart style and language also reselect the name tables and the fonts.
CalcStatus OnChartStyleAndLanguage(CTavroDoc& document, QWidget* parent);
CalcStatus OnUseTwoChartStyles(CTavroDoc& document, QWidget* parent);
CalcStatus OnDivisionalChartOptions(CTavroDoc& document, QWidget* parent);
CalcStatus OnUpagrahaOptions(CTavroDoc& document, QWidget* parent);
CalcStatus OnPlanetOptions(CTavroDoc& document, QWidget* parent);

// Binds the frame's commands to the document's handlers: Edit > Birthdata, Change timezone, the
// two undo commands of the birth time, Modes > Reset to Natal Mode and the option commands. A refused
// calculation is reported with the caption "Error".
void BindDocumentCommands(CMainFrame& frame, CTavroDoc& document);
