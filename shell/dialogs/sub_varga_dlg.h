#pragma once
// "Choose sub-divisional chart D-mxn (i.e. D-n of D-m)": the composite varga, the division n applied
// to the chart of division m. Both are varga columns: m one of the ordinary vargas 0-22, n 0-19.
#include "shell/dialogs/member_dialog.h"

class CSubVargaDlg : public CMemberDialog {
public:
    explicit CSubVargaDlg(QWidget* parent);

    int m_nOuterVarga = -1; // m, varga column 0-22
    int m_nInnerVarga = -1; // n, varga column 0-19

    QComboBox* OuterCombo() const { return m_outer; }
    QComboBox* InnerCombo() const { return m_inner; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QComboBox *m_outer, *m_inner;
};
