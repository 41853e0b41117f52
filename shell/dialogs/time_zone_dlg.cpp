#include "shell/dialogs/time_zone_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CTimeZoneDlg::CTimeZoneDlg(QWidget* parent) : CMemberDialog(parent, "Enter the time zone to be used") {
    m_choice = MakeCombo(this, {"Use the timezone of birth", "Use the timezone entered below"});
    m_side = MakeCombo(this, {"East of GMT", "West of GMT"});
    m_hours = MakeNumberEdit(this);
    m_minutes = MakeNumberEdit(this);
    auto* grid = new QGridLayout;
    grid->addWidget(m_choice, 0, 0, 1, 2);
    grid->addWidget(new QLabel("Hours", this), 1, 0);
    grid->addWidget(m_hours, 1, 1);
    grid->addWidget(new QLabel("Minutes", this), 2, 0);
    grid->addWidget(m_minutes, 2, 1);
    grid->addWidget(m_side, 3, 0, 1, 2);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    AddOkCancel(layout);
    connect(m_choice, &QComboBox::currentIndexChanged, this, &CTimeZoneDlg::OnChoiceChanged);
}

void CTimeZoneDlg::LoadControls() {
    SelectIndex(m_choice, m_nChoice);
    SelectIndex(m_side, m_nSide);
    m_hours->setText(NumberText(m_dHours));
    m_minutes->setText(SixtiethsText(m_dMinutes));
    OnChoiceChanged();
}

void CTimeZoneDlg::OnChoiceChanged() {
    const bool entered = m_choice->currentIndex() == 1;
    for (QWidget* w :
         {static_cast<QWidget*>(m_side), static_cast<QWidget*>(m_hours), static_cast<QWidget*>(m_minutes)})
        w->setEnabled(entered);
}

bool CTimeZoneDlg::StoreControls() {
    const auto hours = ReadNumberField(m_hours, "Hours", 0, 24);
    if (!hours) return false;
    const auto minutes = ReadSixtiethsField(m_minutes, m_dMinutes, "Minutes");
    if (!minutes) return false;
    m_nChoice = m_choice->currentIndex();
    m_nSide = m_side->currentIndex();
    m_dHours = *hours;
    m_dMinutes = *minutes;
    return true;
}
