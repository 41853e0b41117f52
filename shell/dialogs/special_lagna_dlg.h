#pragma once
// "Special Lagna Research": a special lagna that moves from a body (Sun ... Ketu) by a number of signs
// (1-12) for each sign the body moves, optionally reversed for Rahu and Ketu, or the lagna removed.
// The caller copies its options into the members, runs RunAndStore and, on OK, copies them back.
#include "shell/dialogs/option_form_dlg.h"

// The dialog's members, made before the form that binds its rows to them.
struct SpecialLagnaMembers {
    int m_nPlanet = -1;        // 0 Sun ... 8 Ketu
    int m_nSignsPerUnit = -1;  // 0 for one sign ... 11 for twelve
    bool m_bReverseNodes = false;
    bool m_bRemove = false;    // "Remove this special lagna"
};

class CSpecialLagnaDlg : public SpecialLagnaMembers, public COptionFormDlg {
public:
    explicit CSpecialLagnaDlg(QWidget* parent);
};
