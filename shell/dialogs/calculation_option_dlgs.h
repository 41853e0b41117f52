#pragma once
// The calculation option forms of Preferences > Related to Calculations, each a column of choices bound
// to its option globals. RunAndStore copies the options in, runs the form and on OK copies them back;
// the menu command then recalculates (shell/dialogs/option_commands.h). Where a form shows an option
// in another form than the global holds (inverted, shifted by one, clamped), its row converts both ways.
#include "shell/dialogs/option_form_dlg.h"

// "Vaiseshikamsa Calculation Preferences": when a varga does not count for a planet, and the special
// case of signs held as its own (SwarudhaInAmsaBala 0-7).
class CVaiseshikamsaPrefDlg : public COptionFormDlg {
public:
    explicit CVaiseshikamsaPrefDlg(QWidget* parent);
};

// "Arudha Pada Calculation": the reference of the arudhas shows Lagna, Sun ... Ketu, Bhava Lagna;
// a reference past Ketu shows as Bhava Lagna and is stored as body 13.
class CArudhaPadaDlg : public COptionFormDlg {
public:
    explicit CArudhaPadaDlg(QWidget* parent);
};

// "Ashtakavarga Calculation Preferences": the six disputed bindus, and whether the references reverse
// their meaning (the inverse of AshtakaVargaDefinition).
class CAshtakavargaPrefDlg : public COptionFormDlg {
public:
    explicit CAshtakavargaPrefDlg(QWidget* parent);
};

// "Chara Karaka Definition": eight karakas, seven in two variants, or seven or eight by a tie.
class CCharaKarakaDlg : public COptionFormDlg {
public:
    explicit CCharaKarakaDlg(QWidget* parent);
};

// "Mrityu Bhaga Preferences": the table of degrees and where the region lies around its degree.
class CMrityuBhagaDlg : public COptionFormDlg {
public:
    explicit CMrityuBhagaDlg(QWidget* parent);
};

// "Pushkara Bhaga Definition": which table of pushkara degrees is used.
class CPushkaraBhagaDlg : public COptionFormDlg {
public:
    explicit CPushkaraBhagaDlg(QWidget* parent);
};

// "Exaltation & Debilitation of Nodes": the signs of Rahu and Ketu.
class CNodeExaltationDlg : public COptionFormDlg {
public:
    explicit CNodeExaltationDlg(QWidget* parent);
};

// "Siddhanta (Planetary Model)": positions from the ephemeris or from the Surya Siddhanta.
class CSiddhantaDlg : public COptionFormDlg {
public:
    explicit CSiddhantaDlg(QWidget* parent);
};

// "Sunrise definition selection": the disc's centre or upper edge, with or without refraction, and the
// continuous special lagnas.
class CSunriseDlg : public COptionFormDlg {
public:
    explicit CSunriseDlg(QWidget* parent);
};

// "Tajaka Calculation Options": mean or exact solar motion, sidereal or tropical year, Muntha rule.
class CTajakaOptionsDlg : public COptionFormDlg {
public:
    explicit CTajakaOptionsDlg(QWidget* parent);
};

// "Tithi Pravesha Calculation": solar or soli-lunar months.
class CTithiPraveshaDlg : public COptionFormDlg {
public:
    explicit CTithiPraveshaDlg(QWidget* parent);
};

// "Hora, Kaala & Weekday Start Options": the day the horas start, the day of the mahakala hora (shown
// as WeekdayDefinitionKaala - 1) and the kaala division.
class CHoraOptionsDlg : public COptionFormDlg {
public:
    explicit CHoraOptionsDlg(QWidget* parent);
};
