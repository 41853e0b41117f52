#pragma once
// The display and calculation option forms that the document's own commands run (chart style, two
// styles, divisional charts, upagrahas, planets): each a column of choices bound to its option globals;
// RunAndStore copies them in, runs the form and on OK copies them back.
#include "shell/dialogs/option_form_dlg.h"

// "Language & Chart Style": language of the regional-script fonts, chart style, English or Sanskrit
// planet and sign names.
class CChartStyleDlg : public COptionFormDlg {
public:
    explicit CChartStyleDlg(QWidget* parent);
};

// "Multiple Chart Style Support": whether two chart styles are used, and the two.
class CTwoChartStylesDlg : public COptionFormDlg {
public:
    explicit CTwoChartStylesDlg(QWidget* parent);
};

// "Divisional Chart Calculation Options": the variant of each varga that has several.
class CVargaOptionsDlg : public COptionFormDlg {
public:
    explicit CVargaOptionsDlg(QWidget* parent);
};

// "Upagraha Calculation Options": day start, where in their part the upagrahas rise, Vyatipata.
class CUpagrahaOptionsDlg : public COptionFormDlg {
public:
    explicit CUpagrahaOptionsDlg(QWidget* parent);
};

// "Planet Calculation Options": the ephemeris flags of the positions.
class CPlanetOptionsDlg : public COptionFormDlg {
public:
    explicit CPlanetOptionsDlg(QWidget* parent);
};
