#include "views/forms/moment_fields.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "shell/dialogs/member_dialog.h"
#include "shell/display_options.h"

CMomentFields::CMomentFields(QWidget* page, bool withZone) : m_withZone(withZone), m_month(MakeMonthCombo(page)) {
    const int widths[kFieldCount] = {2, 6, 2, 2, 5, 2, 5};
    for (int f = 0; f < kFieldCount; ++f)
        if (withZone || (f != kZoneHours && f != kZoneMinutes)) m_edits[f] = MakeNumberEdit(page, widths[f]);
    if (withZone) m_zoneSide = MakeCombo(page, {"East of GMT", "West of GMT"});
}

int CMomentFields::AddTo(QGridLayout* grid, int row) const {
    QWidget* page = m_month->parentWidget();
    const auto labelled = [&](int r, const char* caption, std::initializer_list<std::pair<QWidget*, const char*>> cells) {
        grid->addWidget(new QLabel(caption, page), r, 0);
        int column = 1;
        for (const auto& [widget, unit] : cells) {
            grid->addWidget(widget, r, column++);
            if (unit[0] != '\0') grid->addWidget(new QLabel(unit, page), r, column);
            ++column;
        }
    };
    labelled(row++, "Date:", {{m_month, ""}, {m_edits[kDay], ""}, {m_edits[kYear], ""}});
    labelled(row++, "Time:", {{m_edits[kHours], "Hr"}, {m_edits[kMinutes], "Min"}, {m_edits[kSeconds], "Sec"}});
    if (m_withZone)
        labelled(row++, "Time zone:",
                 {{m_edits[kZoneHours], "Hr"}, {m_edits[kZoneMinutes], "Min"}, {m_zoneSide, ""}});
    // The fields keep to the left; the room to spare goes past them.
    constexpr int kColumnsUsed = 7;
    grid->setColumnStretch(kColumnsUsed, 1);
    return row;
}

void CMomentFields::Load(const CLocalDateTime& moment) {
    SelectIndex(m_month, moment.m_nMonth - 1);
    m_edits[kDay]->setText(NumberText(moment.m_nDay));
    m_edits[kYear]->setText(NumberText(moment.m_nYear));
    m_edits[kHours]->setText(NumberText(moment.m_time.m_nHours));
    m_edits[kMinutes]->setText(NumberText(moment.m_time.m_nMinutes));
    // Seconds to the thousandth: the clock's fraction of a second is noise in a form.
    constexpr double kThousandths = 1000.0;
    m_edits[kSeconds]->setText(NumberText(std::round(moment.m_time.m_dSeconds * kThousandths) / kThousandths));
    if (!m_withZone) return;
    m_edits[kZoneHours]->setText(NumberText(moment.m_zone.m_nHours));
    m_edits[kZoneMinutes]->setText(NumberText(moment.m_zone.m_nMinutes + moment.m_zone.m_dSeconds / 60.0));
    SelectIndex(m_zoneSide, moment.m_zone.m_dHours > 0.0 ? 1 : 0);
}

std::optional<CLocalDateTime> CMomentFields::Take(const CLocalDateTime& base) const {
    const auto date = TakeDateFields({m_edits[kDay], m_month, m_edits[kYear]}, g_nMinYear, g_nMaxYear);
    if (!date) return std::nullopt;
    const auto hours = TakeIntegerField(m_edits[kHours], "Hours", 0, 24);
    if (!hours) return std::nullopt;
    const auto minutes = TakeIntegerField(m_edits[kMinutes], "Minutes", 0, 59);
    if (!minutes) return std::nullopt;
    const auto seconds = TakeNumberField(m_edits[kSeconds], "Seconds", 0, 60, true);
    if (!seconds) return std::nullopt;
    CLocalDateTime moment = base;
    moment.m_nYear = date->year;
    moment.m_nMonth = date->month + 1;
    moment.m_nDay = date->day;
    moment.m_time.m_bPositive = 1;
    moment.m_time.m_nHours = *hours;
    moment.m_time.m_nMinutes = *minutes;
    moment.m_time.m_dSeconds = *seconds;
    moment.m_time.JoinHours();
    if (!m_withZone) return moment;
    const auto zoneHours = TakeIntegerField(m_edits[kZoneHours], "Time zone hours", 0, 24);
    if (!zoneHours) return std::nullopt;
    const auto zoneMinutes = TakeNumberField(m_edits[kZoneMinutes], "Time zone minutes", 0, 60, true);
    if (!zoneMinutes) return std::nullopt;
    CHmsTime& zone = moment.m_zone;
    zone.m_nHours = *zoneHours;
    zone.m_nMinutes = static_cast<int>(std::floor(*zoneMinutes));
    zone.m_dSeconds = (*zoneMinutes - zone.m_nMinutes) * 60.0;
    // A zone of nothing is positive whichever side was chosen.
    zone.m_bPositive = m_zoneSide->currentIndex() != 0 || (*zoneHours == 0 && *zoneMinutes == 0.0) ? 1 : 0;
    zone.JoinHours();
    return moment;
}
