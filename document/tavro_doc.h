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

#include "core/calc_status.h"
#include "core/chart.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_tree.h"
#include "platform/document_base.h"

class CTavroDoc : public CDocument {
public:
    // Loads the preferences when nothing has yet, reads the clock, and sets up the charts; calculates
    // nothing (OnNewDocument or a chart file does).
    CTavroDoc();
    // The chart of reference no longer names one of its charts.
    ~CTavroDoc() override;

    // --- Framework -------------------------------------------------------------------------------
    // A new chart: the present moment at the default place, daylight saving as the place's rules say,
    // natal mode; calculated. False only when the base refuses.
    bool OnNewDocument() override;
    // Storing: the natal chart's birth data as chart-file text. Loading: the text read back into the
    // natal chart, which is then calculated. Either way the undo stack then holds the one natal moment.
    // A file that is not a chart is refused with a message naming the file and the fault, and the
    // chart that was open stays as it was.
    DocumentStatus Serialize(CArchive& archive) override;

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
    // then by mode: natal and event modes return to natal and calculate and update every view; the
    // other modes' charts stay as they are (their own computations recast them).
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

    // --- Birth-time changes and their undo --------------------------------------------------------
    // The natal birth data were changed (by a command that moves the birth time or by the birth-data
    // entry): the natal chart is recomputed, the document marked modified, the mode refreshed, and the
    // new natal moment pushed on the undo stack.
    CalcStatus OnBirthDataChanged();
    // Back to the moment before the latest change; nothing when there is none.
    CalcStatus OnUndoBirthTimeChange();
    // Back to the moment the chart was opened or made with.
    CalcStatus OnUndoAllBirthTimeChanges();

    // --- The chart file --------------------------------------------------------------------------
    // The chart-file text of the natal chart, with its birth zone even while another zone is shown.
    std::string WriteChartText();
    // Takes the birth data from chart-file text read from `fileName` (named in messages), resets to
    // natal mode and calculates. The daylight-saving rules are not asked: the file's zone stands.
    DocumentStatus ReadChartText(std::string_view text, const std::string& fileName);
    // g_strChartBaseName from the document's path: the path without its file's own ".tvd" or ".dat".
    void UpdateChartBaseName();

    // --- Data ------------------------------------------------------------------------------------
    CChart m_natalChart;      // "Natal Chart"
    CChart m_workChart;       // the chart of modes 1-6
    CChart m_thirdChart;      // kept for later use; the document reads nothing of it
    CChart* m_pCurrentChart;  // the chart the views show and Calculate computes
    int m_nMode = kModeNatal; // DocumentMode
    int m_nLastCalculatedMode = kModeNatal;
    std::uint8_t m_nSubMode = 0; // the argument of the last calculation in mode 6, else 0
    bool m_bCalculated = true;
    int m_nTajakaYearIndex = 0; // Tajaka year minus birth year
    CDasaTree m_dasaTree;       // the dasa of the current chart
    int m_nEntryVarga = 0;      // the entry views' varga (hidden entry document only)

private:
    // Natal mode, the lifecycle, the zone override and the views' selections start again for a chart
    // that comes in (a new chart or a file); the birth zone is the natal chart's zone.
    void ResetForIncomingChart();
    // Natal and event modes: the refresh returns to natal mode and recomputes the natal chart.
    bool RefreshRecomputesNatal() const;
    // The natal chart at another birth moment (Julian day UT), then what follows every birth-time change.
    CalcStatus MoveNatalMomentTo(double jdUt);
    // The natal chart recomputed unless the mode's refresh recomputes it anyway, then RefreshMode.
    CalcStatus RecomputeNatalAndRefresh();
};

// The base name of a chart file's path: the path without the file's own ".tvd", else ".dat",
// extension; the whole path when it has neither (or the file name is nothing but the extension).
std::string ChartBaseName(const std::string& path);

// Opens the chart file named on the command line. When it cannot be opened the document gets a new
// chart (the present moment at the default place) and the status names the file and what is wrong.
DocumentStatus OpenCommandLineChart(CTavroDoc& document, const std::string& path);
