#pragma once
// The dasa page's "Options": the options dialog of the dasa shown, by its code. Each copies the dasa's
// option globals (or the chart's rasi-dasa strength settings) into its members, runs modally and, on
// OK, copies them back. The caller recomputes the dasa and updates the views when it returns true.
class CTavroDoc;
class QWidget;

// True when the user accepted a dialog (the options may have changed). Codes without a dialog: false.
bool RunDasaOptionsDialog(int code, CTavroDoc& document, QWidget* owner);

// "Janma tara (Moon)" .. "Revati", or "Abhijit" at 21 in a zodiac of 28 stars, as the nakshatra-dasa
// dialog lists them.
const char* NakshatraDasaStarName(int star, int starCount);
