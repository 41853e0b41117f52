#include "shell/dialogs/panchanga_period_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CPanchangaPeriodDlg::CPanchangaPeriodDlg(QWidget* parent)
    : CMemberDialog(parent, "Panchanga period"), m_date(MakeDateEdits(this)),
      m_days(MakeNumberEdit(this, 3)) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Start Date:", this), 0, 0);
    grid->addWidget(new QLabel("Month", this), 0, 1);
    grid->addWidget(new QLabel("Date", this), 0, 2);
    grid->addWidget(new QLabel("Year", this), 0, 3);
    grid->addWidget(m_date.month, 1, 1);
    grid->addWidget(m_date.day, 1, 2);
    grid->addWidget(m_date.year, 1, 3);
    grid->addWidget(new QLabel("Number of days:", this), 2, 0);
    grid->addWidget(m_days, 2, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    AddOkCancel(layout);
}

void CPanchangaPeriodDlg::LoadControls() {
    LoadDateFields(m_date, {m_nDay, m_nMonth, m_nYear});
    m_days->setText(NumberText(m_nDays));
}

bool CPanchangaPeriodDlg::StoreControls() {
    const auto date = ReadDateFields(m_date, kMinYear, kMaxYear);
    if (!date) return false;
    const auto days = ReadIntegerField(m_days, "Number of days", 1, kMaxDays);
    if (!days) return false;
    m_nDay = date->day, m_nMonth = date->month, m_nYear = date->year;
    m_nDays = *days;
    return true;
}
