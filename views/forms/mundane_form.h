#pragma once
// CMundaneFormView: the mundane and event charts — the chart of the moment in hand with a period of
// effect (swearing-in), a body's change of division or station, new years and months, the lunar day,
// fortnights, conjunctions of two bodies at an angle, and eclipses with their contact times.
#include <array>

#include "views/forms/return_forms.h"

class CMundaneFormView : public CDerivedChartForm {
public:
    // The previous/next lists, in their order on the form.
    enum Event { kSolarNewYear, kArdraPravesha, kSolarNewMonth, kLunarNewYear, kLunarNewMonth, kNewLunarDay,
                 kFortnight, kEclipse, kEventCount };
    explicit CMundaneFormView(QWidget* parent = nullptr);

    // "Swearing-in Chart Mode": the period of effect from the years and days typed.
    void OnSwearingIn();
    void OnDivisionChange();
    // Refused with a notice for a node while the mean nodes are used.
    void OnStation();
    void OnEvent(Event event);
    // Refused for Rahu with Ketu ("That's naughty!") and for one body twice ("Same planet chosen").
    void OnConjunction();
    // The eclipse chart, then its contact times.
    void OnEclipse();

    QLineEdit *m_years, *m_days;
    QComboBox *m_divisionBody, *m_division, *m_divisionDirection;
    QComboBox *m_stationBody, *m_stationDirection;
    std::array<QComboBox*, kEventCount> m_nextOrPrevious{};
    QComboBox *m_bodyA, *m_bodyB, *m_conjunctionDirection, *m_angle;
    QComboBox *m_eclipseKind, *m_eclipseContact;
};

// The division codes of the form's division list ("Rasi", "Nakshatra", "Navamsa", "D-2" ... "D-60",
// "D-108", "D-144"), in its order (document/mode_mundane.h).
std::vector<int> MundaneDivisionCodes();
// The angles of the conjunction list, degrees, in its order.
const std::array<double, 12>& ConjunctionAngles();
