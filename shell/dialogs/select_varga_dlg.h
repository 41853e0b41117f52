#pragma once
// The two choosers of one divisional chart: "Select a divisional chart" lists the 23 vargas by their
// short titles ("Rasi", "Navamsa", "D-2" ... "D-144"), "Choose a divisional chart" by their full names.
// The member is the varga code 0-22 (column order of the varga tables: D-1, D-9, D-2, D-3 ...);
// -1 = unset.
#include "shell/dialogs/chooser_dlg.h"

class CSelectVargaDlg : public CVargaChooserDlg {
public:
    explicit CSelectVargaDlg(QWidget* parent) : CVargaChooserDlg(parent, "Select a divisional chart", {}) {}
};

class CChooseVargaDlg : public CChooserDlg {
public:
    explicit CChooseVargaDlg(QWidget* parent);
    int m_nVarga = -1;
};
