#pragma once
// The transit forms: the transit chart of a moment (CTransitFormView), the search for the moment of a
// transit (CTransitConjFormView), the buttons that open the transit chakras (CTransitChartFormView)
// and the settings of the transit calendar, which it opens in a window of its own
// (CTranCalenFormView). The moment they share is g_transitMoment (document/document_state.h).
#include <array>

#include "document/transit_calendar.h" // the calendar settings this form writes
#include "views/forms/form_view.h"
#include "views/forms/moment_fields.h"

class QCheckBox;
class QRadioButton;

inline constexpr int kTranCalenMaxSteps = 100;

class CTransitFormView : public CFormView {
public:
    explicit CTransitFormView(QWidget* parent = nullptr);
    CMomentFields& Moment() { return m_moment; }
    // "Show Transit Calculations": the typed moment into g_transitMoment, the transit tables shown, the
    // transit chart cast.
    void OnShowTransit();

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};

class CTransitConjFormView : public CFormView {
public:
    enum Reference { kNatalPlanet = 0, kNatalSaham = 1, kSignStart = 2 };
    explicit CTransitConjFormView(QWidget* parent = nullptr);
    // "Search for Transit": the moment when the transiting body stands the typed distance behind or
    // ahead of the chosen natal point, searched before or after the typed date and time.
    void OnSearch();
    void ChooseReference(Reference reference);

    CMomentFields& Moment() { return m_moment; }
    QComboBox* m_body;
    QLineEdit *m_degrees, *m_minutes, *m_seconds;
    QComboBox* m_aheadOrBehind; // 0 "behind", 1 "ahead of"
    std::array<QRadioButton*, 3> m_reference{};
    QComboBox *m_natalBody, *m_saham, *m_sign;
    QComboBox* m_varga;
    QComboBox* m_beforeOrAfter; // 0 "before", 1 "after"

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};

class CTransitChartFormView : public CFormView {
public:
    explicit CTransitChartFormView(QWidget* parent = nullptr);
};

class CTranCalenFormView : public CFormView {
public:
    explicit CTranCalenFormView(QWidget* parent = nullptr);
    // "Show Transit Calendar": the moment and the settings stored, the calendar opened in its window.
    void OnShowCalendar();

    CMomentFields& Moment() { return m_moment; }
    QLineEdit *m_step, *m_count;
    QComboBox *m_natalVarga, *m_transitVarga;
    std::array<QCheckBox*, kCalendarItems> m_items{};

protected:
    void LoadFields() override;

private:
    CMomentFields m_moment;
};
