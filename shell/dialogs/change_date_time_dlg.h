#pragma once
// "Change Date and Time": a date (years -5399 to 5399), a time of day and a time zone east or west
// of Greenwich, for the chakra and transit views.
#include <array>

#include "core/angle_time.h"

#include "shell/dialogs/member_dialog.h"

class CChangeDateTimeDlg : public CMemberDialog {
public:
    static constexpr int kMinYear = -5399, kMaxYear = 5399;

    explicit CChangeDateTimeDlg(QWidget* parent);

    int m_nDay = 1, m_nMonth = -1, m_nYear = 2000; // month 0 January .. 11 December
    int m_nHour = 0, m_nMinute = 0;                // hours 0-24, minutes below 60
    double m_dSecond = 0;                          // below 60
    int m_nZoneHours = 0;                          // 0-24
    double m_dZoneMinutes = 0;                     // below 60
    int m_nZoneSide = -1;                          // 0 "East of GMT", 1 "West of GMT"

    // The fields from a moment (its zone positive west, shown east or west of Greenwich).
    void SetMoment(const CLocalDateTime& moment);
    // `base` with the entered date, time of day and zone (positive west).
    CLocalDateTime Moment(const CLocalDateTime& base) const;

    enum Field { kDay, kYear, kHour, kMinute, kSecond, kZoneHours, kZoneMinutes, kFieldCount };
    QLineEdit* Edit(Field field) const { return m_edits[field]; }
    QComboBox* MonthCombo() const { return m_month; }

protected:
    // The same fields under another title ("Locate an event").
    CChangeDateTimeDlg(QWidget* parent, const char* title);
    void LoadControls() override;
    bool StoreControls() override;

private:
    DateEdits DateFields() const { return {m_edits[kDay], m_month, m_edits[kYear]}; }
    std::array<QLineEdit*, kFieldCount> m_edits{};
    QComboBox *m_month, *m_zoneSide;
};
