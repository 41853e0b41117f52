#pragma once
// "Locate an event": a moment (date, time and zone as in "Change Date and Time") and the deepest dasa
// level to find the periods running at it, 0 "Mahadasa (MD)" .. 5 "Deha-antardasa (DAD)".
#include "shell/dialogs/change_date_time_dlg.h"

class CLocateEventDlg : public CChangeDateTimeDlg {
public:
    explicit CLocateEventDlg(QWidget* parent);

    int m_nLevel = -1;

    QComboBox* LevelCombo() const { return m_level; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox* m_level;
};
