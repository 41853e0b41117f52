#pragma once
// The forms of the return charts: the Tajaka annual chart and its parts (CTajakaFormView), the Tithi,
// Nakshatra and Yoga Pravesha charts (CTPFormView) and the angular return of two bodies
// (CAngRetFormView), each with links to the dasa, strength and mixed-chart panes of the chart cast.
#include <array>

#include "views/forms/form_view.h"
#include "views/forms/moment_fields.h"

class QCheckBox;

// The links of the derived-chart forms, shared by the return, progression and mundane forms.
class CDerivedChartForm : public CFormView {
public:
    using CFormView::CFormView;
    // Vimsottari (Mudda in Tajaka mode) on the nakshatra-dasa page.
    void OnShowDefaultDasa();
    void OnShowNarayanaDasa();
    void OnShowMixedChart();

protected:
    // A button that shows dasa `code` on the "Other dasas" page.
    QPushButton* MakeOtherDasaButton(const QString& caption, int code);
    // The links of the Tithi Pravesha and angular-return forms: Vimsottari and Narayana, Tithi
    // Ashtottari and Yoga Vimsottari dasas, and the mixed chart.
    void AddPraveshaLinks(QBoxLayout& layout);
};

class CTajakaFormView : public CDerivedChartForm {
public:
    explicit CTajakaFormView(QWidget* parent = nullptr);
    // "Find Tajaka Chart" (`atSunrise` false) and "Find Tajaka Sunrise Chart": the typed year and parts
    // into the Tajaka selection, the chart cast. A year outside the ephemeris is refused.
    void OnFindTajaka(bool atSunrise);
    // The strength links: the other-strengths pane showing table `table`.
    void OnShowStrengths(int table);

    QLineEdit* m_year;
    // Month ("None", "January" ...), then the 60-hour, 5-hour, 25-minute and 2-minute parts.
    std::array<QComboBox*, 5> m_parts{};
};

class CTPFormView : public CDerivedChartForm {
public:
    explicit CTPFormView(QWidget* parent = nullptr);
    // Section (1): the chart of the typed year, lunar month and day.
    void OnFindByYear();
    // Section (2): the annual, monthly, fortnightly or daily chart nearest before or after the moment.
    void OnFindByMoment();
    // The kind list: the buttons' captions, the label of the kind, the daily fields' state.
    void OnKindChanged(int kind);

    CMomentFields& Moment() { return m_moment; }
    QLineEdit *m_year, *m_day;
    QComboBox* m_month; // "None", "1st" ... "14th"
    QCheckBox* m_daily;
    QComboBox *m_period, *m_beforeOrAfter, *m_kind;
    QPushButton *m_findByYear, *m_findByMoment;

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};

class CAngRetFormView : public CDerivedChartForm {
public:
    explicit CAngRetFormView(QWidget* parent = nullptr);
    // "Find Angular Return Chart": refused with "Error" for the same body twice.
    void OnFindReturn();

    CMomentFields& Moment() { return m_moment; }
    QComboBox *m_bodyA, *m_bodyB, *m_beforeOrAfter;

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};
