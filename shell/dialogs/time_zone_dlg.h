#pragma once
// "Enter the time zone to be used": show every date and time in the birth zone or in another zone.
// The side and the two number fields are enabled only for the second choice.
#include "shell/dialogs/member_dialog.h"

class CTimeZoneDlg : public CMemberDialog {
public:
    explicit CTimeZoneDlg(QWidget* parent);

    int m_nChoice = -1;    // 0 "Use the timezone of birth", 1 "Use the timezone entered below"
    int m_nSide = -1;      // 0 "East of GMT", 1 "West of GMT"
    double m_dHours = 0;   // 0 to 24
    double m_dMinutes = 0; // 0 to below 60

    QComboBox* ChoiceCombo() const { return m_choice; }
    QComboBox* SideCombo() const { return m_side; }
    QLineEdit* HoursEdit() const { return m_hours; }
    QLineEdit* MinutesEdit() const { return m_minutes; }

    void OnChoiceChanged();

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox *m_choice, *m_side;
    QLineEdit *m_hours, *m_minutes;
};
