#pragma once
// The transit calendar: from a start moment, one row per time step, and for each planet Sun .. Ketu
// its transit judged against the natal chart: houses from the natal Moon and lagna with their vedhas,
// tara, murthi, natal ashtakavarga score and kakshya. The calendar casts probe charts of its own at the
// natal place; the document's charts and mode are only read. No Qt.
//
// Units: Julian days UT; steps in days; zones hours positive WEST; varga columns 0-22 (column order
// D-1, D-9, D-2 ... D-144). Houses 1-12 from the natal reference sign; bodies 1 Sun .. 9 Ketu.
#include <array>
#include <functional>
#include <vector>

#include "core/angle_time.h"
#include "core/calc_status.h"

class CChart;

inline constexpr int kCalendarPlanets = 9; // Sun .. Ketu
inline constexpr int kCalendarMaxRows = 100;
inline constexpr int kCalendarItems = 6;

// The items a cell can show, in drawing order.
enum CalendarItem : int {
    kItemHouseFromMoon = 0,
    kItemHouseFromLagna = 1,
    kItemTara = 2,
    kItemMurthi = 3,
    kItemAshtakavarga = 4,
    kItemKakshya = 5,
};

// --- The settings the transit-calendar form writes (its start moment is g_transitMoment) -----------
extern double g_dTranCalenStepDays;  // days between rows ("e.g. 1, 10, 0.5 etc"), initially 1.0
extern int g_nTranCalenStepCount;    // rows, 0-100, initially 15
extern int g_nTranCalenNatalVarga;   // entry 0-21 of the form's natal chart chooser, initially 0
extern int g_nTranCalenTransitVarga; // entry 0-21 of the form's transit chart chooser, initially 0
extern std::array<bool, kCalendarItems> g_bTranCalenShowItem; // by CalendarItem, initially all on

// The varga column of an entry of the form's 22-entry chooser: "Rasi (D-1)" .. "Shashtyamsa (D-60)"
// are columns 0-19, then "Ashtottaramsa (D-108)" is column 21 and "Dwadasamsa-Dwadasamsa (D-144)"
// column 22 (the chooser has no D-81). An entry outside 0-21 is D-1.
int CalendarChooserColumn(int entry);

// What one calendar is computed from.
struct TransitCalendarRequest {
    CLocalDateTime start;  // the first row's moment, local civil time in its own zone
    double stepDays = 1.0; // days between rows
    int count = 0;         // rows, 0-100 (more are cut to 100)
    int natalColumn = 0;   // varga column 0-22 of the natal Moon, lagna and ashtakavarga
    int transitColumn = 0; // varga column 0-22 of the transiting planets' signs
    int murthiColumn = 0;  // varga column of the natal Moon the murthis count from (g_nTransitRefVarga)
    // Same start (date, time of day and zone), step, count and columns.
    bool operator==(const TransitCalendarRequest& other) const;
};
// The request the form's settings, g_transitMoment and g_nTransitRefVarga make.
TransitCalendarRequest CalendarRequestFromSettings();

// One planet at one step.
struct CalendarCell {
    int houseFromMoon = 1; // 1-12
    bool goodFromMoon = false;
    bool vedhaFromMoon = false; // a good house obstructed; never for Rahu and Ketu
    int houseFromLagna = 1;
    bool goodFromLagna = false;
    bool vedhaFromLagna = false;
    int tara = 0; // 0 Janma .. 8 Parama Mitra
    bool goodTara = false;
    int murthi = -1;        // 0-3 of the planet's latest sign entry; -1 none (the Moon, or no entry found)
    double entryJdUt = 0.0; // that sign entry (UT), when murthi >= 0
    int bindus = -1;        // natal ashtakavarga score of the sign; -1 for Rahu and Ketu
    int kakshyaLord = 0;    // body 0-7 ruling the planet's kakshya (of its D-1 longitude)
    int goodKakshya = -1;   // 1 good, 0 bad, -1 not judged (Rahu and Ketu)
};

struct CalendarRow {
    CLocalDateTime moment; // the step's local date, time and zone (the natal chart's zone)
    double jdUt = 0.0;
    std::array<CalendarCell, kCalendarPlanets> planets; // [0] Sun .. [8] Ketu
};

struct TransitCalendar {
    std::vector<CalendarRow> rows; // complete only when status is ok and not cancelled
    CalcStatus status;             // a step that could not be calculated
    bool cancelled = false;        // stopped by the progress before the last row
    // Fewer rows than asked for: cancelled, or stopped at a step that could not be calculated.
    bool Partial() const { return cancelled || !status.ok(); }
};

// Told after each row (rows done, rows in all) and before the first; returning false cancels.
using CalendarProgress = std::function<bool(int done, int total)>;

// Casts one probe chart per row at `natal`'s place and zone and judges it against `natal` (its varga
// signs, nakshatras and ashtakavarga as computed). Searches each planet's latest sign entry at the first
// row and again whenever its house from the natal Moon or its D-1 sign changes. A failure or a cancel
// stops at once; the rows made so far are kept.
TransitCalendar ComputeTransitCalendar(const CChart& natal, const TransitCalendarRequest& request,
                                       const CalendarProgress& progress = {});
