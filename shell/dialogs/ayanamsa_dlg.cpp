#include "shell/dialogs/ayanamsa_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

#include "core/ayanamsa.h"

CAyanamsaDlg::CAyanamsaDlg(QWidget* parent) : CMemberDialog(parent, "Select Ayanamsa") {
    m_ayanamsa = new QComboBox(this);
    std::array<const char*, kAyanamsaCount> byPosition{};
    for (const AyanamsaTableRow& row : g_ayanamsaTable) byPosition[row.listPosition] = row.dialogText;
    for (const char* text : byPosition) m_ayanamsa->addItem(text);
    m_correction =
        new QCheckBox("Apply the correction specified below\nto the ayanamsa selected above", this);
    m_correctionEdits = MakeDmsEdits(this);
    m_addSubtract = MakeCombo(this, {"Add", "Subtract"});
    m_siderealNakshatras = new QCheckBox("Use the sidereal zodiac for nakshatras", this);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_ayanamsa);
    layout->addWidget(m_correction);
    auto* correction = new QHBoxLayout;
    AddDmsEdits(correction, m_correctionEdits);
    correction->addWidget(m_addSubtract);
    correction->addStretch();
    layout->addLayout(correction);
    layout->addWidget(m_siderealNakshatras);
    AddOkCancel(layout);
    connect(m_ayanamsa, &QComboBox::activated, this, &CAyanamsaDlg::OnAyanamsaChanged);
}

void CAyanamsaDlg::LoadControls() {
    SelectIndex(m_ayanamsa, m_nAyanamsa);
    m_correction->setChecked(m_bCorrection != 0);
    m_correctionEdits.degrees->setText(NumberText(m_nDegrees));
    m_correctionEdits.minutes->setText(NumberText(m_nMinutes));
    m_correctionEdits.seconds->setText(SixtiethsText(m_dSeconds));
    SelectIndex(m_addSubtract, m_nAddSubtract);
    m_siderealNakshatras->setChecked(m_bSiderealNakshatras != 0);
    EnableSiderealNakshatras();
}

void CAyanamsaDlg::EnableSiderealNakshatras() {
    m_siderealNakshatras->setEnabled(m_ayanamsa->currentIndex() == kTropicalItem);
}

void CAyanamsaDlg::OnAyanamsaChanged() {
    // A correction belongs to the ayanamsa it was typed for.
    m_correction->setChecked(false);
    for (QLineEdit* edit : {m_correctionEdits.degrees, m_correctionEdits.minutes, m_correctionEdits.seconds})
        edit->setText("0");
    m_addSubtract->setCurrentIndex(0);
    EnableSiderealNakshatras();
}

bool CAyanamsaDlg::StoreControls() {
    const auto correction = ReadDmsFields(m_correctionEdits, 359, m_dSeconds);
    if (!correction) return false;
    m_nAyanamsa = m_ayanamsa->currentIndex();
    m_bCorrection = m_correction->isChecked() ? 1 : 0;
    m_nDegrees = correction->degrees, m_nMinutes = correction->minutes, m_dSeconds = correction->seconds;
    m_nAddSubtract = m_addSubtract->currentIndex();
    m_bSiderealNakshatras = m_siderealNakshatras->isChecked() ? 1 : 0;
    return true;
}
