#include "shell/dialogs/dasa_shift_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <algorithm>

namespace {
// Far beyond any dasa: the cycle buttons stop some 5000 years from birth.
constexpr int kMostShiftDays = 4000000;
} // namespace

CDasaShiftDlg::CDasaShiftDlg(QWidget* parent)
    : CMemberDialog(parent, "Enter the dasa shift amount"),
      m_choice(MakeCombo(this, {"No shift", "Add", "Subtract"})), m_days(MakeNumberEdit(this, 7)),
      m_hours(MakeNumberEdit(this, 2)), m_minutes(MakeNumberEdit(this, 5)) {
    auto* form = new QFormLayout;
    form->addRow("Shift the dasa dates:", m_choice);
    form->addRow("Days", m_days);
    form->addRow("Hours", m_hours);
    form->addRow("Minutes", m_minutes);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CDasaShiftDlg::LoadControls() {
    SelectIndex(m_choice, m_amount.choice);
    m_days->setText(NumberText(m_amount.days));
    m_hours->setText(NumberText(m_amount.hours));
    m_minutes->setText(NumberText(m_amount.minutes));
}

bool CDasaShiftDlg::StoreControls() {
    const auto days = ReadIntegerField(m_days, "Days", 0, kMostShiftDays);
    if (!days) return false;
    const auto hours = ReadIntegerField(m_hours, "Hours", 0, 23);
    if (!hours) return false;
    const auto minutes = ReadNumberField(m_minutes, "Minutes", 0, 60, true);
    if (!minutes) return false;
    m_amount = DasaShiftAmount{std::max(m_choice->currentIndex(), 0), *days, *hours, *minutes};
    return true;
}
