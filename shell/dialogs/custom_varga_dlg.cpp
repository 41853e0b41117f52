#include "shell/dialogs/custom_varga_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

#include "core/varga_options.h"

CCustomVargaDlg::CCustomVargaDlg(QWidget* parent)
    : CMemberDialog(parent, "Custom Divisional Chart for Research") {
    m_divisions = MakeNumberEdit(this);
    m_cyclical = new QCheckBox("Cyclical (the parts run through the zodiac from Aries)", this);
    m_reverse = new QCheckBox("Count the parts from the end in even signs", this);
    m_base = MakeCombo(this, {"Aries always", "The sign in question"});
    // In the order of the start rules 0-9 of the user-defined varga.
    m_startRule = MakeCombo(
        this, {"The base", "The 1st/7th from base (if sign is odd/even)",
               "The 1st/9th from base (if sign is odd/even)", "The 1st/5th from base (if sign is odd/even)",
               "The 1st/11th from base (if sign is odd/even)", "The 1st/3rd from base (if sign is odd/even)",
               "The 1st/5th/9th from base (if sign is movable/fixed/dual)",
               "The 1st/9th/5th from base (if sign is movable/fixed/dual)",
               "The 1st/4th/7th/10th from base (if sign is fiery/earthy/airy/watery)",
               "The 1st/10th/7th/4th from base (if sign is fiery/earthy/airy/watery)"});
    auto* form = new QFormLayout;
    form->addRow("Number of parts of each sign (N, 1-300)", m_divisions);
    form->addRow(m_cyclical);
    form->addRow(m_reverse);
    form->addRow("Base", m_base);
    form->addRow("The first part goes to", m_startRule);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CCustomVargaDlg::LoadControls() {
    m_divisions->setText(NumberText(m_nDivisions));
    m_cyclical->setChecked(m_bCyclical == 1);
    m_reverse->setChecked(m_bReverseInEven == 1);
    SelectIndex(m_base, m_nBase);
    SelectIndex(m_startRule, m_nStartRule);
}

bool CCustomVargaDlg::StoreControls() {
    const auto divisions =
        ReadIntegerField(m_divisions, "Number of parts", kMinCustomDivisions, kMaxCustomDivisions);
    if (!divisions) return false;
    m_nDivisions = *divisions;
    m_bCyclical = m_cyclical->isChecked() ? 1 : 0;
    m_bReverseInEven = m_reverse->isChecked() ? 1 : 0;
    m_nBase = std::max(0, m_base->currentIndex());
    m_nStartRule = std::max(0, m_startRule->currentIndex());
    return true;
}
