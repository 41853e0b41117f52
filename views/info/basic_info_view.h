#pragma once
// CBasicInfoView: the pane that lists a chart's positions as one of the basic information tables at
// a time (basic_info_tables.h), chosen from its context menu; the document's reports reach the last
// constructed pane through g_pBasicInfoView. CEntryBasicInfoView lists the hidden period-entry
// document's chart the same way.
#include <optional>
#include <string>

#include "views/info/custom_list_view.h"

class QMenu;

class CChart;
class CBasicInfoView;
// The last basic information pane constructed, for the document's reports; null once it is destroyed.
extern CBasicInfoView* g_pBasicInfoView;
// The table for which the aspect evaluation options were last asked: the aspect table asks for them
// the first time it is shown only. Shared by every basic information pane.
extern int g_nAspectOptionsAskedMode;

class CBasicInfoView : public CCustomListView {
public:
    explicit CBasicInfoView(QWidget* parent = nullptr);

    int Mode() const { return m_nMode; }
    // Shows table `mode` (a table this pane does not list leaves the list empty).
    void SetMode(int mode);
    // Refills the list with the current table from the document's charts.
    void RefreshList();
    // The document changed: refilled unless a print job is drawing.
    void OnUpdate(CView* sender, long hint) override;
    void OnContextMenu(QPoint screenPos) override;
    // The context menu's items: the 23 tables (the current one checked), the dialogs and the copy.
    void FillContextMenu(QMenu& menu);

    // The menu's commands: each runs its dialog over the shared display state and, on OK, refills.
    void OnSelectBodies();  // the shown body groups
    void OnChooseVarga();   // the varga of the longitude table
    void OnAspectOptions(); // where the aspect table takes its two sides from; refills on Cancel too

    // For the document's copy commands: the longitude table twice and the chara karakas as text.
    void GetInfoText(std::string& longitudes, std::string& longitudesAgain, std::string& charaKarakas);
    // For the printed report: the first rows of the longitude table, drawn from the surface's origin. The
    // table shown is kept; the update that ends the print job refills it.
    void PrintInto(DrawSurface& surface);

protected:
    // A pane the reports do not reach: the period-entry pane.
    CBasicInfoView(QWidget* parent, bool forReports);
    // The document whose charts are listed: the pane's own.
    CTavroDoc* ListedDocument() const;

private:
    void RunCommand(int command);
    std::string TableText(int mode);

    int m_nMode = 0;
    std::optional<CReportPointer<CBasicInfoView>> m_reportPointer;
    std::optional<CPrintedPiece> m_report;
    // The longitude table and the chara karakas, for the copy commands.
    std::string CopiedText();
};

// The planet longitudes of the period-entry chart: the same pane on the period-entry window's
// document, which the reports do not reach.
class CEntryBasicInfoView : public CBasicInfoView {
public:
    explicit CEntryBasicInfoView(QWidget* parent = nullptr) : CBasicInfoView(parent, false) {}
    void OnInitialUpdate() override;
};
