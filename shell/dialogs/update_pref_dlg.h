#pragma once
// "Software Update Preferences": automatic checks on or off, test releases too, and a check now. A
// build without an update server says so, and nothing there can start a check.
#include "shell/dialogs/member_dialog.h"

class QCheckBox;

class CUpdatePrefDlg : public CMemberDialog {
public:
    // `configured`: the build names an update server.
    CUpdatePrefDlg(QWidget* parent, bool configured);

    int m_bAutoUpdate = -1;   // check at every start
    int m_bTestReleases = -1; // also the test channel
    int m_bCheckNow = -1;     // check once the dialog closes with OK

    QCheckBox* CheckBox(int index) const { return m_checks[index]; } // in the members' order

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QCheckBox* m_checks[3];
    bool m_bConfigured;
};
