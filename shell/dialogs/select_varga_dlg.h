#pragma once
// The two choosers of one divisional chart: "Select a divisional chart" lists the 23 vargas by their
// short titles ("Rasi", "Navamsa", "D-2" ... "D-144"), "Choose a divisional chart" by their full names.
// The member is the varga column 0-22 (column order of the varga tables: D-1, D-9, D-2, D-3 ...);
// -1 = unset.
#include "shell/dialogs/member_dialog.h"

inline constexpr int kChoosableVargaCount = 23; // columns 0-22, D-1 to D-144

// A combo of the 23 vargas, by short title or by full name; its index is the varga column.
QComboBox* MakeVargaCombo(QWidget* parent, bool fullNames);

class CVargaChoiceDlg : public CMemberDialog {
public:
    int m_nVarga = -1;
    QComboBox* VargaCombo() const { return m_varga; }

protected:
    CVargaChoiceDlg(QWidget* parent, const char* title, bool fullNames);
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox* m_varga;
};

class CSelectVargaDlg : public CVargaChoiceDlg {
public:
    explicit CSelectVargaDlg(QWidget* parent) : CVargaChoiceDlg(parent, "Select a divisional chart", false) {}
};

class CChooseVargaDlg : public CVargaChoiceDlg {
public:
    explicit CChooseVargaDlg(QWidget* parent) : CVargaChoiceDlg(parent, "Choose a divisional chart", true) {}
};
