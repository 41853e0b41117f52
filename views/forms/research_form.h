#pragma once
// The "Longitude Correlation" tab: the research form (CTranResearchFormView) sets the transit moment,
// the divisional chart and the method of judging aspects (document/mode_transit.h), and steps the
// moment back and forth; the research list (CTranResearchView) shows, for each transiting planet, the
// natal points it aspects by that method. The list computes while its tab is shown (the tab window
// raises g_bLongitudeCorrelationShown) and the document changes.
#include <QUrl>
#include <array>

#include "shell/dialogs/member_dialog.h"
#include "views/forms/form_view.h"
#include "views/forms/moment_fields.h"
#include "views/info/custom_list_view.h"

class QCheckBox;
class QRadioButton;

// Steps of the form's step list, in its order ("Year" ... "Hour"); "Month" at start.
enum ResearchStep { kResearchYear, kResearchThreeMonths, kResearchMonth, kResearchTenDays, kResearchFiveDays,
                    kResearchDay, kResearchHour, kResearchStepCount };
// `moment` moved one step of `step` backward or forward (`forward`): years and months change the date
// (the day clamped to the month), the others move the clock through the calendar. The zone is kept.
CLocalDateTime StepResearchMoment(const CLocalDateTime& moment, int step, bool forward);

// The three research articles: what the dialog lists and where each lies on the program's web site
// (empty when the build names no site).
inline constexpr int kResearchArticleCount = 3;
struct ResearchArticle {
    const char* title;
    const char* description;
    const char* file; // under "articles/" on the web site
};
const std::array<ResearchArticle, kResearchArticleCount>& ResearchArticles();
QUrl ResearchArticleAddress(const ResearchArticle& article);

// "Some Relevant Research Articles on Transit Longitude Correlations": a check box for each article,
// all ticked at start.
class CResearchArticlesDlg : public CMemberDialog {
public:
    explicit CResearchArticlesDlg(QWidget* parent);
    std::array<bool, kResearchArticleCount> m_bChosen = {true, true, true};
    QCheckBox* Box(int article) const { return m_boxes[article]; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    std::array<QCheckBox*, kResearchArticleCount> m_boxes{};
};

class CTranResearchFormView : public CFormView {
public:
    explicit CTranResearchFormView(QWidget* parent = nullptr);
    // "Show Natal Points Aspected in Transit": moment, chart and method stored; every view updated.
    void OnShowPoints();
    // "<<" and ">>": one step from the typed moment, then as above.
    void OnStep(bool forward);
    // "Show some relevant research articles": the dialog, then each chosen article opened.
    void OnArticles();

    CMomentFields& Moment() { return m_moment; }
    QComboBox* m_varga;
    std::array<QRadioButton*, 4> m_method{};
    std::array<QLineEdit*, 4> m_value{}; // per cent, orb, quadrant orb, trine orb
    QComboBox* m_step;

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};

class CTranResearchView;
// The last research list constructed; null once it is destroyed.
extern CTranResearchView* g_pTranResearchView;

class CTranResearchView : public CCustomListView {
public:
    explicit CTranResearchView(QWidget* parent = nullptr);
    // Unless printing: the layout refreshed, and while the tab is shown the research computed (with
    // the progress window; a cancelled one keeps the last results) and the list filled.
    void OnUpdate(CView* sender, long hint) override;
    // The list from the research tables as they stand.
    void FillList();
    // "Copy to clipboard".
    void OnContextMenu(QPoint screenPos) override;

    int m_nColumns = 0;

private:
    CReportPointer<CTranResearchView> m_reportPointer;
};
