#pragma once
// "Enter the dasa shift amount": no shift, or the dates of the dasa moved forward ("Add") or back
// ("Subtract") by whole days, whole hours and minutes. OK refuses hours outside 0-23 and minutes
// outside 0-60 (below 60).
#include "shell/dialogs/dasa_shift_amount.h"
#include "shell/dialogs/member_dialog.h"

class CDasaShiftDlg : public CMemberDialog {
public:
    explicit CDasaShiftDlg(QWidget* parent);

    DasaShiftAmount m_amount; // choice, days, hours, minutes

    QComboBox* ChoiceCombo() const { return m_choice; }
    QLineEdit* DaysEdit() const { return m_days; }
    QLineEdit* HoursEdit() const { return m_hours; }
    QLineEdit* MinutesEdit() const { return m_minutes; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox* m_choice;
    QLineEdit *m_days, *m_hours, *m_minutes;
};
