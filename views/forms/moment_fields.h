#pragma once
// The date, time and time-zone fields of the forms: month list, day, year, hours, minutes, seconds
// and, where the form has them, zone hours, zone minutes and "East of GMT" / "West of GMT". Taking
// them checks every field against its range (the year within the ephemeris, g_nMinYear..g_nMaxYear;
// the day within its month; whole hours 0-24, whole minutes 0-59, seconds below 60; zone hours 0-24,
// zone minutes below 60) and refuses the first that is out of range, naming what is allowed.
#include <array>
#include <optional>

#include "core/angle_time.h"

class QComboBox;
class QGridLayout;
class QLineEdit;
class QWidget;

class CMomentFields {
public:
    enum Field { kDay, kYear, kHours, kMinutes, kSeconds, kZoneHours, kZoneMinutes, kFieldCount };

    // The controls on `page`; the zone fields only `withZone`.
    CMomentFields(QWidget* page, bool withZone);

    // "Date", "Time" and (with the zone) "Time zone" rows into `grid` from row `row` on; returns the
    // row after them.
    int AddTo(QGridLayout* grid, int row) const;

    // The fields from a moment: its month, day and year, its time of day split, its zone (positive
    // west) as hours and minutes with "West of GMT" for a positive zone.
    void Load(const CLocalDateTime& moment);
    // `base` with the typed date and time of day (marked positive, its decimal value recomputed) and,
    // with the zone fields, the typed zone (whole minutes and the rest as seconds; positive west for
    // "West of GMT"). Nothing when a field is refused.
    std::optional<CLocalDateTime> Take(const CLocalDateTime& base) const;

    QLineEdit* Edit(Field field) const { return m_edits[field]; }
    QComboBox* Month() const { return m_month; }
    QComboBox* ZoneSide() const { return m_zoneSide; }

private:
    bool m_withZone;
    std::array<QLineEdit*, kFieldCount> m_edits{};
    QComboBox* m_month;
    QComboBox* m_zoneSide = nullptr;
};
