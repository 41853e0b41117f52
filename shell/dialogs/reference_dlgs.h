#pragma once
// The choosers of a reference: a sign taken as lagna, the body houses are counted from, the natal
// point transits are judged from, and whether a natal or a derived chart is meant. Members are list
// indices, -1 = unset.
#include <array>

#include "shell/dialogs/chooser_dlg.h"

// "Select the reference": sign 0 Aries .. 11 Pisces.
class CSelectReferenceDlg : public CChooserDlg {
public:
    explicit CSelectReferenceDlg(QWidget* parent);
    int m_nSign = -1;
};

// "Choose the reference for houses": body 0 Lagna, 1 Sun .. 9 Ketu (the index is the body number).
class CHouseReferenceDlg : public CChooserDlg {
public:
    static constexpr int kBodyCount = 10;
    explicit CHouseReferenceDlg(QWidget* parent);
    int m_nBody = -1;
};

// "Choose a natal reference": 0 "Moon", 1 "Lagna", 2 "Arudha lagna"; their body numbers in
// kNatalReferenceBodies.
inline constexpr std::array<int, 3> kNatalReferenceBodies = {2, 0, 59};
class CNatalReferenceDlg : public CChooserDlg {
public:
    explicit CNatalReferenceDlg(QWidget* parent);
    int m_nReference = -1;
};

// "Natal Chart or Derived Chart?": 0 the natal chart, 1 the derived chart (Tajaka, Tithi Pravesha ...).
class CNatalOrDerivedDlg : public CChooserDlg {
public:
    explicit CNatalOrDerivedDlg(QWidget* parent);
    int m_nDerived = -1;
};
