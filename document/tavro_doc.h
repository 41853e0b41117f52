#pragma once
// CTavroDoc: the one chart document of the program. It owns the natal chart and the chart the modes
// cast (Tajaka, Tithi Pravesha, transit, progression, event and prasna charts), knows which mode is on
// and which chart the views show, runs the calculation of that chart and of its dasa, keeps the birth
// moments for undo, and tells the views when everything is up to date. Its file is the chart data file.
//
// Units as in the charts: Julian days UT, time zones and geographic longitudes positive WEST.
// Calculations that can fail (a moment outside the ephemeris) return the library's message.
#include <cstdint>
#include <string>
#include <string_view>

#include "chart/chart.h"
#include "core/calc_status.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_tree.h"
#include "platform/document_base.h"

enum class EclipseKind : int;

class CTavroDoc : public CDocument {
public:
    // Loads the preferences when nothing has yet, reads the clock, and sets up the charts; calculates
    // nothing (OnNewDocument or a chart file does).
    CTavroDoc();
    // The chart of reference no longer names one of its charts.
    ~CTavroDoc() override;

    // --- Framework -------------------------------------------------------------------------------
    // A new chart: the present moment at the default place, daylight saving as the place's rules say,
    // natal mode; calculated (NewChartStatus). False only when the base refuses.
    bool OnNewDocument() override;
    // What the calculation of the last new chart came to: a chart of the present moment that cannot be
    // calculated (a moment outside the ephemeris, an ayanamsa whose star cannot be computed) says why.
    const CalcStatus& NewChartStatus() const { return m_newChartStatus; }
    // The chart the views show, once its last calculation has succeeded; null while it has not: a chart
    // of the present moment whose ayanamsa cannot be computed holds no positions of its moment.
    CChart* CalculatedChart() const;
    // Storing: the natal chart's birth data as chart-file text. Loading: the text read back into the
    // natal chart, which is then calculated. Either way the undo stack then holds the one natal moment.
    // A file that is not a chart is refused with a message naming the file and the fault, and the
    // chart that was open stays as it was.
    DocumentStatus Serialize(CArchive& archive) override;
    FileSizeLimit FileLimit() const override;
    // Changed while what would be written to the chart file differs from what was last opened, saved
    // or made new, or while a command has marked it changed since. Undoing birth-time changes back to
    // the chart as it was therefore leaves it unchanged, and anything else it left changed keeps it so.
    bool IsModified() const override;
    // False: the chart as it now stands is the one last opened or saved.
    void SetModifiedFlag(bool modified = true) override;

    // --- The calculation road --------------------------------------------------------------------
    // Calculates the current chart and its dasa. `subMode` reaches the chart pipeline as its
    // lagna-from-extra-point flag (prasna charts) and is kept in mode 6 only; callers pass m_nSubMode.
    // On a change of mode the dasa pages start again at the top level and, unless the new mode is
    // progressions, the chart's shift and fixed longitudes are cleared.
    CalcStatus Calculate(int subMode);
    // The work chart takes the natal city and state; an empty undo stack takes the natal moment.
    void SyncChartPlace();
    // SyncChartPlace, then Calculate; every mode computation ends here.
    CalcStatus SyncAndCalculate();
    // After birth data or an option changed, without recomputing the charts first: the varga labels,
    // then by mode: natal and event modes return to natal and calculate and update every view; Tajaka
    // and Tithi Pravesha charts are cast again; the transit, progression and prasna charts stay as
    // they are (their own forms recast them).
    CalcStatus RefreshMode();
    // Both charts recomputed, each at its own moment, then RefreshMode.
    CalcStatus RecalculateAll();
    // The dasa of the selected dasa system (g_nSelectedDasa) for the current chart into m_dasaTree;
    // fails when a chart or moment it needs cannot be calculated.
    CalcStatus CalculateDasa();
    // Natal mode with the natal chart current and its default panes; nothing is calculated.
    void ResetToNatalMode();
    // Modes > Reset to Natal Mode: ResetToNatalMode, calculated, every view updated.
    CalcStatus OnResetToNatalMode();

    // --- The period-entry document ---------------------------------------------------------------
    // This document becomes the one of a period-entry window: `natal` and the entry chart `entry` (cast
    // for a period's start, `spanDays` days long, shown in varga column `varga`) copied in, the entry
    // chart current, natal mode. The copies are bound to this document's charts alone, so they outlive
    // the document they came from.
    void TakeEntryCharts(const CChart& natal, const CChart& entry, double spanDays, int varga);

    // --- Birth-time changes and their undo --------------------------------------------------------
    // The natal birth data were changed (by a command that moves the birth time or by the birth-data
    // entry): the natal chart is recomputed, the document marked modified, the mode refreshed, and the
    // new natal moment pushed on the undo stack.
    CalcStatus OnBirthDataChanged();
    // The natal birth moment moved to a Julian day (UT) by a chart view's command, then as above.
    CalcStatus OnBirthTimeMoved(double jdUt);
    // Back to the moment before the latest change; nothing when there is none.
    CalcStatus OnUndoBirthTimeChange();
    // Back to the moment the chart was opened or made with.
    CalcStatus OnUndoAllBirthTimeChanges();

    // --- The chart file --------------------------------------------------------------------------
    // The chart-file text of the natal chart, with its birth zone even while another zone is shown.
    std::string WriteChartText() const;
    // Takes the birth data from chart-file text read from `fileName` (named in messages), resets to
    // natal mode and calculates. The daylight-saving rules are not asked: the file's zone stands.
    DocumentStatus ReadChartText(std::string_view text, const std::string& fileName);
    // g_strChartBaseName from the document's path: the path without its file's own ".tvd" or ".dat".
    void UpdateChartBaseName();

    // --- Modes (document/mode_*.cpp) -------------------------------------------------------------
    // Each casts its chart into the work chart, makes it current and calculates it (with its dasa
    // compressed into the period the chart governs), then updates every view. A search that finds
    // nothing, or a moment that cannot be calculated, is reported and leaves the charts and the mode
    // as they were.
    //
    // The work chart becomes `moment` (its place and zone, bodies calculated), titled, current in
    // `mode`, with no extra point; its dasa is compressed into `periodDays` (days); then calculated.
    CalcStatus ShowModeChart(const CChartCore& moment, const std::string& title, int mode, double periodDays);

    // Tajaka (mode_tajaka.cpp): the chart of the Tajaka selection (mode_tajaka.h), at its start moment
    // or at the sunrise of that day as g_bTajakaAtSunrise asks, with the Muntha as extra body 102.
    CalcStatus CalculateTajaka();
    CalcStatus CalcTajakaChart();
    CalcStatus CalcTajakaAtSunrise();
    // The start and end moments of the selected span (bodies calculated for the searched year kinds);
    // sets m_nTajakaYearIndex. Not found when a return lies outside the ephemeris.
    SearchResult FindTajakaReturn(CChartCore& start, CChartCore& end);

    // Tithi Pravesha (mode_tithi_pravesha.cpp): the chart of the year family's selection, or with
    // g_bTithiPraveshaFromMoment the remembered request of the moment family.
    CalcStatus CalculateTithiPravesha();
    // The moment family: the annual, monthly, fortnightly or daily chart (`period`, 0-3) nearest before
    // (`backward`) or after `moment` (local civil time in its own zone); the request is remembered.
    CalcStatus CalculateTithiPraveshaAlt(int period, bool backward, const CLocalDateTime& moment);
    CalcStatus CalcTithiPraveshaAnnual();
    CalcStatus CalcTithiPraveshaMonthly();
    CalcStatus CalcTithiPraveshaDaily();

    // Transit (mode_transit.cpp). The natal chart recomputed at `moment` (local civil time in its own
    // zone, shown in the natal zone), read against the natal chart; no dasa compression.
    CalcStatus ShowTransitChart(const CLocalDateTime& moment);
    // Event chart of the moment body 0-12 next (`forward`) or last reaches `target` + `separation`
    // (sidereal degrees), searched from `from` (local civil time in its own zone) at the natal place;
    // its dasa spans the time to the following such moment.
    CalcStatus CalcTransitSearch(const CLocalDateTime& from, int body, double target, double separation,
                                 bool forward);
    // g_transitResearchTables (mode_transit.h) for the moment in g_transitMoment; a research the user
    // stops (core/search_progress.h) leaves the tables of the last one.
    CalcStatus CalcTransitResearch();

    // Mundane and event charts (mode_mundane.cpp, mode_mundane_events.cpp), mode 5. `forward` (or
    // `next`) searches after the start, else before it. Unless said, searches start at the natal moment.
    // The body's change of division (mode_mundane.h codes) from the current chart's moment moved
    // 0.0035 days in the search direction (the natal moment when the natal chart is current), its dasa
    // running until the body leaves the division entered.
    CalcStatus CalcDivisionChangeChart(int body, int code, bool forward);
    // The body's station from the same start as a division change, until its next station.
    CalcStatus CalcRetroChangeChart(int body, bool forward);
    // The Sun's entry into sign SolarYrSign (tropical with SolarYrTrop), until the next: "Solar Year".
    CalcStatus CalcSolarNewYearChart(bool forward);
    // The Sun's entry into Ardra, until the next: "Meteorological Yr".
    CalcStatus CalcArdraPraveshaChart(bool forward);
    // The Sun's entry into the sign after (forward) or of the natal Sun's sign, for 30 degrees.
    CalcStatus CalcSolarNewMonthChart(bool forward);
    // The lunar year and month by LunarYrDef and LunarYrSign.
    CalcStatus CalcLunarNewYearChart(bool forward);
    CalcStatus CalcLunarNewMonthChart(bool forward);
    // The new or full moon met first, until the next of the other.
    CalcStatus CalcFortnightChart(bool forward);
    // The start of the natal tithi (backward) or of the one after it, for one tithi.
    CalcStatus CalcNewLunarDayChart(bool forward);
    // Body a - body b (0-12) reaching `angle` (degrees) from the same start as a division change.
    CalcStatus CalcConjunctionChart(int a, int b, bool forward, double angle);
    // The work chart cast for the current chart's moment and place for g_dCompressionDays (the form's
    // period): "3-yr chart" or "Chart of 1000 days".
    CalcStatus CalcSwearingInChart();
    // The next or previous eclipse of a kind from the current chart's moment, at its maximum or (with
    // `atStart`) its first contact, until the same contact of the following one; `title` and
    // `contacts` receive the chart's title and the contact lines for the form.
    CalcStatus CalcEclipseChart(bool next, EclipseKind kind, bool atStart, std::string& title,
                                std::string& contacts);
    // Body a - body b back at its natal angle, searched from `moment` (local civil time in its own
    // zone) at the natal place.
    CalcStatus CalcAngularReturnChart(int a, int b, bool backward, const CLocalDateTime& moment);
    // The conception chart, NishekaDays before birth, for those days.
    CalcStatus CalcNishekaChart();

    // Progressions (mode_progressions.cpp), mode 4, to `target` (local civil time in its own zone), with
    // no dasa compression. The Bhrigu, Sudarsana and Kalachakra methods first return to natal mode; the
    // nakshatra-dasa and Yogini methods do so unless in progression mode already.
    // The chart of the moment the Sun's arc, at 30 / (the column's division) degrees a year, reaches.
    CalcStatus CalcProgressedByDegrees(int column, const CLocalDateTime& target);
    // Sun to Saturn fixed at their natal places in the column moved on by the arc / their Bhrigu periods.
    CalcStatus CalcBhriguProgression(int column, const CLocalDateTime& target);
    // The whole chart turned by the Sudarsana angle of the arc.
    CalcStatus CalcSudarsanaProgression(const CLocalDateTime& target);
    // The whole chart turned by how far the running periods (five levels) of the nakshatra dasa
    // `dasaCode` (or Yogini dasa) seeded by choice 0-17 in the column have progressed the seed.
    CalcStatus CalcNakshatraDasaProgression(const CLocalDateTime& target, int column, int seedChoice,
                                            int dasaCode);
    CalcStatus CalcYoginiProgression(const CLocalDateTime& target, int column, int seedChoice);
    // Eighteen bodies fixed at the progressed positions of Kalachakra dasa seeded from each in turn.
    CalcStatus CalcKalachakraProgression(const CLocalDateTime& target);

    // Prasna charts (mode_prasna.cpp): the natal moment with the Prasna Lagna of number n (0-based) as
    // extra body 102; `subMode` reaches the pipeline as its lagna-from-extra-point flag; the dasa is
    // compressed into `periodDays` when `compressDasa`.
    CalcStatus CalcPrasna108(int n, int subMode, bool compressDasa, double periodDays);
    CalcStatus CalcPrasna249(int n, int subMode, bool compressDasa, double periodDays);
    CalcStatus CalcNadiPrasna(int n, int subMode, bool compressDasa, double periodDays);

    // --- Data ------------------------------------------------------------------------------------
    CChart m_natalChart;      // "Natal Chart"
    CChart m_workChart;       // the chart of modes 1-6
    CChart m_thirdChart;      // the entry chart of a period (the dasa page's command casts it)
    CChart* m_pCurrentChart;  // the chart the views show and Calculate computes
    int m_nMode = kModeNatal; // DocumentMode
    int m_nLastCalculatedMode = kModeNatal;
    std::uint8_t m_nSubMode = 0; // the argument of the last calculation in mode 6, else 0
    bool m_bCalculated = true;
    long m_nCalculations = 0; // calculations of the current chart so far: views tell a new one by it
    // Moves whenever the natal chart is computed (a new chart or file, a birth-time step, a change of
    // options or ayanamsa), in every mode: results derived from the natal chart alone are keyed on it.
    std::uint64_t NatalChangeCount() const { return m_natalChart.m_nComputeStamp; }
    int m_nTajakaYearIndex = 0; // Tajaka year minus birth year
    CDasaTree m_dasaTree;       // the dasa of the current chart
    int m_nEntryVarga = 0;      // the entry views' varga (hidden entry document only)
    // Length of the period the third chart was cast for (the dasa page's entry chart), days.
    double m_dEntrySpanDays = 0.0;

private:
    // The chart-file text of the chart last opened, saved or made new.
    std::string m_strSavedChartText;
    CalcStatus m_newChartStatus;
    // After an undo of birth-time changes: the marks of earlier changes go, and the content alone says
    // whether the chart is still changed.
    void ForgetChangeMarks() { CDocument::SetModifiedFlag(false); }

    // Natal mode, the lifecycle, the zone override and the views' selections start again for a chart
    // that comes in (a new chart or a file); the birth zone is the natal chart's zone.
    void ResetForIncomingChart();
    // Natal and event modes: the refresh returns to natal mode and recomputes the natal chart.
    bool RefreshRecomputesNatal() const;
    // The natal chart at another birth moment (Julian day UT), then what follows every birth-time change.
    CalcStatus MoveNatalMomentTo(double jdUt);
    // The natal chart recomputed unless the mode's refresh recomputes it anyway, then RefreshMode.
    CalcStatus RecomputeNatalAndRefresh();
    // ShowModeChart in two halves, so that a mode can place its own extra point in between.
    CalcStatus PrepareModeChart(const CChartCore& moment, const std::string& title, int mode,
                                double periodDays);
    CalcStatus FinishModeChart();
    CalcStatus CastTajakaChart(bool atSunrise);
    // The start of the searches that follow the chart in hand.
    CalcStatus EventSearchStart(bool forward, CChartCore& start) const;
    CalcStatus CastSolarMonth(bool forward, bool tropical, const char* title);
    CalcStatus StartProgression(const CLocalDateTime& target, bool resetToNatal, CChartCore& moment);
    CalcStatus ShowProgression(const CChartCore& moment, const std::string& title);
    CalcStatus ShiftWholeChart(const CChartCore& moment, const std::string& title, double angle);
    CalcStatus RunningDasaPosition(const CChartCore& moment, double& position);
    CalcStatus CastDasaProgression(const CLocalDateTime& target, int code, int column, int seedChoice,
                                   const char* title);
    CalcStatus CastPrasnaChart(const std::string& title, double lagna, int subMode, bool compressDasa,
                               double periodDays);
};

// The base name of a chart file's path: the path without the file's own ".tvd", else ".dat",
// extension; the whole path when it has neither (or the file name is nothing but the extension).
std::string ChartBaseName(const std::string& path);

// File > New, and the start without a chart file: the document gets a new chart (the present moment
// at the default place), every view updated. A chart that cannot be calculated fails with why, as a
// chart file that cannot be opened does.
DocumentStatus NewChart(CTavroDoc& document);
// Opens the chart file named on the command line. When it cannot be opened the document gets a new
// chart (NewChart) and the status names the file and what is wrong (and why the new chart cannot be
// calculated, when it cannot).
DocumentStatus OpenCommandLineChart(CTavroDoc& document, const std::string& path);
