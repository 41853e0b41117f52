#pragma once
// CDasaTree: one computed dasa of one chart. A calculator (dasa_codes.h) fills the first-level periods,
// their lengths in dasa years and the tables every lower level is derived from; the tree stores no
// lower level but lists any level below a chosen chain of periods on demand (ExpandPeriod) and finds
// the chain running at a moment (FindRunningPeriods). Six levels: MD, AD, PD, SD, PAD, DAD.
//
// Units: lengths in dasa years of the kind nYearKind (return_charts.h); a dasa year becomes a moment
// through CChartCore::FindReturnChart from the birth record, so true solar and tithi years follow the
// Sun's or the Moon-Sun angle's motion. Moments are the birth place's local civil time beside their
// UT Julian days.
#include <array>
#include <optional>
#include <string>

#include "core/calc_status.h"
#include "core/chart_core.h"
#include "core/return_moments.h"
#include "document/dasa_period.h"
#include "document/dasa_rows.h"
#include "document/document_options.h" // the dasa state: cycle offset, shifts, progressed seed
#include "platform/draw_state.h"       // g_bPrinting

inline constexpr int kDasaLevels = 6;      // MD, AD, PD, SD, PAD, DAD
inline constexpr int kDasaMaxPeriods = 36; // periods of one level under one parent
inline constexpr int kDasaLordCount = 216; // lord indices 0-215
inline constexpr int kDasaLordRows = kDasaLordCount + 1;
inline constexpr int kRasiBhuktaVimsottariCode = 68; // listed by a rule of its own, three levels deep
inline constexpr int kRasiBhuktaLevels = 3;
inline constexpr double kNakshatraDegrees = 40.0 / 3.0; // 13 deg 20'
// What a period's name ends with to say its level.
inline constexpr const char* kDasaLevelMarks[kDasaLevels] = {" MD", " AD", " PD", " SD", " PAD", " DAD"};

using DasaLordRows = CDasaRows<int, kDasaLordRows, kDasaMaxPeriods>;

class CDasaTree {
public:
    CDasaTree();
    virtual ~CDasaTree();

    // Lists level nLevel under the chain nSelected[0..nLevel-1] into period[0..nCount), fills running[]
    // for the levels above and sets nListedLevel (a selection past a level's last period is taken as
    // its last; Rasi-Bhukta Vimsottari lists three levels at most). Fails when a period's moment cannot be
    // found (outside the ephemeris); the listing is then incomplete.
    CalcStatus ExpandPeriod();
    // Selects, at levels 0..maxLevel, the periods running at `when` (both ends of a period inclusive,
    // the earlier of two periods that meet at it), moving g_nDasaCycleOffset to the cycle that holds
    // it; leaves the tree listed at maxLevel and writes g_dDasaProgressPosition. Fails when the cycle
    // has no length or no moment can be found; bRunningValid stays clear then.
    CalcStatus FindRunningPeriods(const CLocalDateTime& when, int maxLevel);
    // Names one period at a level from its lords, and sets its bPlanet (unless label tables name it) and
    // nLord.
    void FormatPeriodLabel(int level, int lord, int lord2, int lord3, CDasaPeriod& out) const;
    // Sum of the first-level periods, dasa years.
    double CycleLengthYears() const;

    bool bRunningValid = false;
    int nRunningIndex = 0;
    int nDasaCode = 0; // the code the tree was computed for (the shift and the listing rules follow it)
    std::string strName;
    std::string strDescription;
    std::string strNote;
    int nYearKind = 0;
    double dUserYearDays = 0.0; // days of a year of kind 2
    bool bUseLabelTables = false;
    bool bPlanetLords = true; // without label tables: lords are bodies (else signs)
    bool bShowLabel2 = false;
    bool bLabel2AtFirstLevelOnly = false;
    CDasaTable<std::string, kDasaLordCount> strLabel; // by lord index
    CDasaTable<std::string, kDasaLordCount> strLabel2;
    CChartCore birth;    // moment and place of the chart; the reference of every period date
    int nPeriods = 0;    // first-level periods, at most 36
    int nSubPeriods = 0; // sub-periods of every period without explicit tables, at most 36
    DasaLordRows nLord;  // row 0: first-level lords; row 1 + p: the sub-lords under lord p
    bool bLord2 = false;
    DasaLordRows nLord2;
    bool bLord3 = false;
    DasaLordRows nLord3;
    std::array<double, kDasaMaxPeriods> dYears{}; // first-level lengths, dasa years
    bool bBalance = false;                        // the first period began before birth
    double dBalance = 1.0;                        // fraction of the first period left at birth
    bool bEqualSubPeriods = false;
    double dCycleYears = 0.0; // nominal length of a cycle, dasa years (compression)
    bool bExplicitSubPeriods = false;
    std::array<int, kDasaLordCount> nSubCount{};
    CDasaRows<double, kDasaLordCount, kDasaMaxPeriods> dSubFraction;
    double dProgressBase = 0.0; // degrees
    double dProgressStep = kNakshatraDegrees;
    std::array<int, kDasaLevels> nSelected{};
    int nLevel = 0;
    int nCount = 0;
    std::array<CDasaPeriod, kDasaMaxPeriods> period;
    int nListedLevel = 0;
    std::array<CDasaPeriod, kDasaLevels> running;

private:
    // Without default values, so that a Children's unused slots are not cleared on every listing;
    // a shape is always written whole.
    struct PeriodShape {
        int lord, lord2, lord3;
        double years;
        int table; // -1: named as the tree says; else 1 bodies, 0 signs (Rasi-Bhukta's levels)
    };
    struct Children {
        int count = 0;
        std::array<PeriodShape, kDasaMaxPeriods> shapes; // the first `count` written
    };
    using Shares = std::array<double, kDasaLordCount>;
    // A period's bounds as UT Julian days, found for every period of a level: each starts where the one
    // before ends. Without default values, so that a listing's spans are not cleared before they are
    // written.
    struct Span {
        double start, end;
    };
    using Spans = std::array<Span, kDasaMaxPeriods>;

    // The lords' shares (SubPeriodShares) and the first cycle's lords and lengths they were made from
    // (no count: none yet).
    struct SharesCache {
        int count = -1;
        std::array<int, kDasaMaxPeriods> lords{};
        std::array<double, kDasaMaxPeriods> years{};
        Shares share{};
    };

    // The cycle start of the last listing and the moments found from it (UT Julian days by dasa years):
    // the levels of one chain, and the searches for a running period, share their parents' moments.
    // Valid while the inputs of the cycle start (the key and the first-level lengths) stay the same.
    struct MomentCache {
        std::array<double, 12> key{};
        bool valid = false;
        CChartCore start;
        double startJd = 0.0;                  // UT
        std::optional<double> countedYearDays; // CountedYearDays of the tree's kind; none when searched
        CHmsTime zone; // the start's time zone, split once: every listed moment is shown in it
        // Searched kinds only: the moments from birth, or from the start where a shift by days moved it,
        // which lies `startYears` after that origin.
        std::optional<CReturnMoments> returns;
        double startYears = 0.0;
        std::array<double, kDasaMaxPeriods> firstYears{}; // the first-level lengths of the key
        // The first level's bounds (no count: none yet); every listing of a chain starts with them.
        int firstCount = -1;
        Spans firstSpans{};
        SharesCache shares;
    };

    // The lords' shares of a parent where they follow the first cycle's lengths (neither equal nor
    // explicit sub-periods; not to be read otherwise).
    const Shares& SubPeriodShares();
    // The first level's period j.
    PeriodShape FirstLevelShape(int j) const;
    Children PeriodsUnder(int level, const PeriodShape* parent, const Shares& share) const;
    CalcStatus PrepareCycleStart();
    // The birth moment of the dasa's first cycle with the balance, the code's shift and the cycle
    // offset applied (its moment and place; its positions are left as they were) into m_cache.start; dasa
    // years are counted from it. Sets up m_cache.returns for a searched kind.
    CalcStatus CycleStart();
    // The UT Julian day `years` dasa years after the cycle start.
    CalcStatus MomentAt(double years, double& jd);
    // The same for a year counted in days (m_cache.countedYearDays set), which cannot fail.
    double CountedMoment(double years) const;
    // The bounds of the periods under `parent` (null at the first level), the first `offset` dasa years
    // after the cycle start: each starts where the one before ends, the first with the parent and the
    // last ends with it, and none ends before it starts; a moment found outside these bounds is held
    // at the bound. So the periods tile their parent whatever the year searches do. `found` counts the
    // bounds found in order (the first start, then each end) when a moment cannot be found.
    CalcStatus SpanPeriods(const Children& children, double offset, const Span* parent, Spans& out,
                           int& found);
    // SpanPeriods for the first level (no parent, from the cycle start) into m_cache.firstSpans, kept
    // while the cycle start's inputs, its lengths among them, stay the same (PrepareCycleStart).
    CalcStatus SpanFirstLevel(int& found);
    // Sets a period's bounds, shown in the birth place's zone in the present clock style.
    void SetBounds(double start, double end, CDasaPeriod& out) const;
    void NamePeriod(int level, const PeriodShape& shape, CDasaPeriod& out) const;
    // The first listed level-0 period index containing the UT Julian day, or -1.
    int PeriodAt(double jd) const;

    MomentCache m_cache;
};
