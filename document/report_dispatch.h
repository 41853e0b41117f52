#pragma once
// The report dispatch: printing, exporting and copying the calculations need the output of seven
// views whether or not they are on screen. Each of those views registers itself under its kind when
// it is created and leaves when it is destroyed, so a dispatch never reaches a destroyed view; while
// several views of one kind live, the newest one answers.
#include <string>

#include "platform/draw_state.h" // g_dDrawScaleX, g_dDrawScaleY

class DrawSurface;

// The kinds in their fixed order.
enum ReportKind : int {
    kCoreInfoReport = 0,     // key data
    kBasicInfoReport = 1,    // basic information
    kChartReport = 2,        // the chart panes
    kDasaReport = 3,         // the selected dasa
    kShadbalaReport = 4,     // shadbala tables
    kAshtakavargaReport = 5, // ashtakavarga in its full report form
    kStrengthsReport = 6,    // other strengths
};
inline constexpr int kReportKindCount = 7;

// The output a view of one kind gives the reports.
class CReportView {
public:
    // Registers the view under `kind` (0-6), as the newest of its kind.
    explicit CReportView(int kind);
    CReportView(const CReportView&) = delete;
    CReportView& operator=(const CReportView&) = delete;
    // Leaves the registry; the previous view of its kind answers again.
    virtual ~CReportView();

    // Draws the view's report into the surface at the current drawing scales; `a` and `b` are the
    // caller's page arguments, passed through.
    virtual void PrintReport(DrawSurface& surface, int a, int b) = 0;
    // Rebuilds the view's text forms, which the copy commands read; `flag` as the caller passes it.
    virtual void RebuildReportText(bool flag) = 0;
    // The text form made by the last RebuildReportText; empty for a view that has none.
    virtual std::string ReportText() const { return {}; }

    int Kind() const { return m_kind; }

private:
    int m_kind;
};

// The newest living view of the kind; null when there is none or the kind is not 0-6.
CReportView* ReportView(int kind);

// Draws the report of the kind; any other kind, or a kind with no view, draws nothing.
void DrawViewKind(DrawSurface& surface, int kind, int a, int b);
// The same with g_dDrawScaleY multiplied by factorY and g_dDrawScaleX by factorX for the drawing; both
// hold exactly their previous values afterwards.
void DrawViewKindScaled(DrawSurface& surface, int kind, int a, int b, double factorY, double factorX);
// Rebuilds the text forms in this order: key data, basic information, dasa, chart; with `flag` also
// ashtakavarga, shadbala and strengths.
void RefreshViewData(bool flag);
// The calculations as plain text for the clipboard: the text forms rebuilt (RefreshViewData(complete)),
// then joined: key data, basic information, chart and dasa; `complete` puts ashtakavarga, shadbala and
// strengths between the basic information and the chart. Kinds with no living view add nothing.
std::string GatherReportText(bool complete);
