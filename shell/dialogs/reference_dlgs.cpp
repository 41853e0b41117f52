#include "shell/dialogs/reference_dlgs.h"

#include "core/zodiac_names.h"

CSelectReferenceDlg::CSelectReferenceDlg(QWidget* parent)
    : CChooserDlg(parent, "Select the reference",
                  {IntOption("Sign", NameItems(g_signNames, 0, kSignCount), m_nSign)}) {}

CHouseReferenceDlg::CHouseReferenceDlg(QWidget* parent)
    : CChooserDlg(parent, "Choose the reference for houses",
                  {IntOption("Houses from", BodyNameItems(0, kBodyCount), m_nBody)}) {}

CNatalReferenceDlg::CNatalReferenceDlg(QWidget* parent)
    : CChooserDlg(parent, "Choose a natal reference",
                  {IntOption("Choose a natal reference for transit analysis",
                             {"Moon", "Lagna", "Arudha lagna"}, m_nReference)}) {}

CNatalOrDerivedDlg::CNatalOrDerivedDlg(QWidget* parent)
    : CChooserDlg(parent, "Natal Chart or Derived Chart?",
                  {IntOption("Chart", {"Natal Chart", "Derived Chart (Tajaka/TP etc)"}, m_nDerived)}) {}
