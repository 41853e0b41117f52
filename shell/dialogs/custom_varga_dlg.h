#pragma once
// "Custom Divisional Chart for Research": the user-defined D-N, N parts of every sign mapped to signs
// either cyclically through the zodiac or from a base sign by a start rule.
#include "shell/dialogs/member_dialog.h"

class QCheckBox;

class CCustomVargaDlg : public CMemberDialog {
public:
    explicit CCustomVargaDlg(QWidget* parent);

    int m_nDivisions = -1;     // N, parts of each sign, 1-300
    int m_bCyclical = -1;      // 0/1: the parts run through the zodiac from Aries
    int m_bReverseInEven = -1; // 0/1: even signs count their parts from the end
    int m_nBase = -1;          // 0 "Aries always", 1 "The sign in question"
    int m_nStartRule = -1;     // 0-9: the start of the mapping from the base, by the kind of sign

    QLineEdit* DivisionsEdit() const { return m_divisions; }
    QCheckBox* CyclicalCheck() const { return m_cyclical; }
    QCheckBox* ReverseCheck() const { return m_reverse; }
    QComboBox* BaseCombo() const { return m_base; }
    QComboBox* StartRuleCombo() const { return m_startRule; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QLineEdit* m_divisions;
    QCheckBox *m_cyclical, *m_reverse;
    QComboBox *m_base, *m_startRule;
};
