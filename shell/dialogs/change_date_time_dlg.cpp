#include "shell/dialogs/change_date_time_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CChangeDateTimeDlg::CChangeDateTimeDlg(QWidget* parent)
    : CChangeDateTimeDlg(parent, "Change Date and Time") {}

CChangeDateTimeDlg::CChangeDateTimeDlg(QWidget* parent, const char* title) : CMemberDialog(parent, title) {
    for (auto& edit : m_edits) edit = MakeNumberEdit(this, 5);
    m_month = MakeMonthCombo(this);
    m_zoneSide = MakeCombo(this, {"East of GMT", "West of GMT"});
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel("Date", this), 0, 0);
    grid->addWidget(m_edits[kDay], 0, 1);
    grid->addWidget(m_month, 0, 2);
    grid->addWidget(m_edits[kYear], 0, 3);
    grid->addWidget(new QLabel("Time", this), 1, 0);
    grid->addWidget(m_edits[kHour], 1, 1);
    grid->addWidget(m_edits[kMinute], 1, 2);
    grid->addWidget(m_edits[kSecond], 1, 3);
    grid->addWidget(new QLabel("Time zone", this), 2, 0);
    grid->addWidget(m_edits[kZoneHours], 2, 1);
    grid->addWidget(m_edits[kZoneMinutes], 2, 2);
    grid->addWidget(m_zoneSide, 2, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    AddOkCancel(layout);
}

void CChangeDateTimeDlg::LoadControls() {
    LoadDateFields(DateFields(), {m_nDay, m_nMonth, m_nYear});
    m_edits[kHour]->setText(NumberText(m_nHour));
    m_edits[kMinute]->setText(NumberText(m_nMinute));
    m_edits[kSecond]->setText(NumberText(m_dSecond));
    m_edits[kZoneHours]->setText(NumberText(m_nZoneHours));
    m_edits[kZoneMinutes]->setText(NumberText(m_dZoneMinutes));
    SelectIndex(m_zoneSide, m_nZoneSide);
}

bool CChangeDateTimeDlg::StoreControls() {
    const auto date = ReadDateFields(DateFields(), kMinYear, kMaxYear);
    if (!date) return false;
    // The time's whole-number fields: what they are called and their range.
    int values[kFieldCount] = {};
    const struct {
        Field field;
        const char* name;
        int min, max;
    } wholes[] = {
        {kHour, "Hour", 0, 24},
        {kMinute, "Minutes", 0, 59},
        {kZoneHours, "Time zone hours", 0, 24},
    };
    for (const auto& w : wholes) {
        const auto value = ReadIntegerField(m_edits[w.field], w.name, w.min, w.max);
        if (!value) return false;
        values[w.field] = *value;
    }
    const auto second = ReadNumberField(m_edits[kSecond], "Seconds", 0, 60, true);
    if (!second) return false;
    const auto zoneMinutes = ReadNumberField(m_edits[kZoneMinutes], "Time zone minutes", 0, 60, true);
    if (!zoneMinutes) return false;
    m_nDay = date->day, m_nMonth = date->month, m_nYear = date->year;
    m_nHour = values[kHour], m_nMinute = values[kMinute], m_nZoneHours = values[kZoneHours];
    m_dSecond = *second, m_dZoneMinutes = *zoneMinutes;
    m_nZoneSide = m_zoneSide->currentIndex();
    return true;
}
