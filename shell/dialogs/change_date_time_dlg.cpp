#include "shell/dialogs/change_date_time_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

CChangeDateTimeDlg::CChangeDateTimeDlg(QWidget* parent)
    : CChangeDateTimeDlg(parent, "Change Date and Time") {}

void CChangeDateTimeDlg::SetMoment(const CLocalDateTime& moment) {
    m_nDay = moment.m_nDay;
    m_nMonth = moment.m_nMonth - 1;
    m_nYear = moment.m_nYear;
    m_nHour = moment.m_time.m_nHours;
    m_nMinute = moment.m_time.m_nMinutes;
    m_dSecond = moment.m_time.m_dSeconds;
    m_nZoneHours = moment.m_zone.m_nHours;
    m_dZoneMinutes = moment.m_zone.m_nMinutes + moment.m_zone.m_dSeconds / 60.0;
    m_nZoneSide = moment.m_zone.m_dHours > 0 ? 1 : 0;
}

CLocalDateTime CChangeDateTimeDlg::Moment(const CLocalDateTime& base) const {
    CLocalDateTime when = base;
    when.m_nDay = m_nDay;
    when.m_nMonth = m_nMonth + 1;
    when.m_nYear = m_nYear;
    when.m_time.m_dHours = m_nHour + (m_nMinute + m_dSecond / 60.0) / 60.0;
    when.m_time.SplitHours();
    const double zone = m_nZoneHours + m_dZoneMinutes / 60.0;
    when.m_zone.m_dHours = m_nZoneSide == 1 ? zone : -zone;
    when.m_zone.SplitHours();
    return when;
}

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
    m_edits[kSecond]->setText(SixtiethsText(m_dSecond));
    m_edits[kZoneHours]->setText(NumberText(m_nZoneHours));
    m_edits[kZoneMinutes]->setText(SixtiethsText(m_dZoneMinutes));
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
    const auto second = ReadSixtiethsField(m_edits[kSecond], m_dSecond, "Seconds");
    if (!second) return false;
    const auto zoneMinutes = ReadSixtiethsField(m_edits[kZoneMinutes], m_dZoneMinutes, "Time zone minutes");
    if (!zoneMinutes) return false;
    m_nDay = date->day, m_nMonth = date->month, m_nYear = date->year;
    m_nHour = values[kHour], m_nMinute = values[kMinute], m_nZoneHours = values[kZoneHours];
    m_dSecond = *second, m_dZoneMinutes = *zoneMinutes;
    m_nZoneSide = m_zoneSide->currentIndex();
    return true;
}
