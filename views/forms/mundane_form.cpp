#include "views/forms/mundane_form.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

#include "core/calc_options.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "document/document_options.h"
#include "document/eclipse_search.h"
#include "document/mode_mundane.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/command_ids.h"
#include "shell/dialogs/member_dialog.h"
#include "shell/main_frame.h"
#include "views/forms/form_lists.h"

namespace {

constexpr int kFirstStationBody = 3; // Mars
constexpr double kLongestPeriodYears = 1000.0;

constexpr std::array<double, 12> kAngles = {0, 180, 120, 240, 90, 270, 30, 60, 150, 210, 300, 330};

const char* const kEclipseNotes[] = {
    "Lunar eclipse shown below may or may not be visible at the place. Check if it is in the night time or not.",
    "Solar eclipse times greatly vary from place to place. Global solar eclipse covers eclipse as seen at many "
    "places in the world. At the start time given, eclipse starts at some place or the other and it continues "
    "at some place or the other till the end time given below. If you want information about a specific city, "
    "try the local solar eclipse option.",
    "Local solar eclipse may not be visible during the entire period listed below. Check if sunrise or sunset "
    "occurs during this period.",
};

} // namespace

std::vector<int> MundaneDivisionCodes() {
    std::vector<int> codes = {kDivisionRasi, kDivisionNakshatra};
    for (int column = 1; column <= kD60Column; ++column) codes.push_back(column + 1);
    for (int column : {kD108Column, kD144Column}) codes.push_back(column + 1);
    return codes;
}

const std::array<double, 12>& ConjunctionAngles() {
    return kAngles;
}

CMundaneFormView::CMundaneFormView(QWidget* parent) : CDerivedChartForm(parent) {
    m_years = MakeEdit(5);
    m_days = MakeEdit(8);
    // The period in hand as whole years of 365.24219 days and the days left over.
    const double years = std::floor(g_dCompressionDays / kMeanTropicalYearDays);
    m_years->setText(NumberText(years));
    m_days->setText(NumberText(g_dCompressionDays - years * kMeanTropicalYearDays));
    m_divisionBody = MakeList(BodyItems());
    m_divisionBody->setCurrentIndex(1); // the Sun
    std::vector<std::string> divisions = {"Rasi", "Nakshatra"};
    for (int code : MundaneDivisionCodes())
        if (code >= kDivisionFirstColumnCode) divisions.push_back(g_vargaTitles[code - 1]);
    m_division = MakeList(divisions);
    m_divisionDirection = MakeList({"Before", "After"});
    m_stationBody = MakeList({"Mars", "Mercury", "Jupiter", "Venus", "Saturn", "Rahu", "Ketu"});
    m_stationBody->setCurrentIndex(2); // Jupiter
    m_stationDirection = MakeList({"Before", "After"});
    for (QComboBox*& list : m_nextOrPrevious) list = MakeList({"Previous", "Next"});
    m_bodyA = MakeList(BodyItems());
    m_bodyA->setCurrentIndex(5); // Jupiter
    m_bodyB = MakeList(BodyItems());
    m_bodyB->setCurrentIndex(7); // Saturn
    m_conjunctionDirection = MakeList({"Before", "After"});
    m_angle = MakeList({"Conjunction (yuti)", "Opposition (samasaptaka)", "Trine (5th)", "Trine (9th)",
                        "Quadrant (4th)", "Quadrant (10th)", "2nd", "3rd", "6th", "8th", "11th", "12th"});
    m_eclipseKind = MakeList({"Lunar", "Global Solar", "Local Solar"});
    m_eclipseContact = MakeList({"Start", "Maximum"});

    auto* layout = new QVBoxLayout(Page());
    layout->addLayout(Row({MakeBackToNatalButton(), MakeButton("Vimsottari dasa", [this] { OnShowDefaultDasa(); }),
                           MakeButton("Narayana dasa", [this] { OnShowNarayanaDasa(); })}));
    layout->addLayout(Row({MakeButton("Swearing-in Chart Mode", [this] { OnSwearingIn(); }), m_years,
                           MakeLabel("years"), MakeLabel("Plus days:"), m_days}));
    layout->addLayout(Row({MakeButton("Planetary Transit Mode", [this] { OnDivisionChange(); }), m_divisionBody,
                           m_division, m_divisionDirection}));
    layout->addLayout(Row({MakeButton("Stationary Transit Mode", [this] { OnStation(); }), m_stationBody,
                           m_stationDirection}));
    auto* events = new QGridLayout;
    const char* captions[kEventCount] = {"Solar New Year", "Ardra Pravesha", "Solar New Month", "Lunar New Year",
                                         "Lunar New Month", "New Lunar Day", "Fortnight Chart", "Eclipse Mode"};
    for (int e = 0; e < kEventCount; ++e) {
        const Event event = Event(e);
        QPushButton* button = MakeButton(captions[e], [this, event] {
            if (event == kEclipse)
                OnEclipse();
            else
                OnEvent(event);
        });
        events->addWidget(button, e % 4, (e / 4) * 2);
        events->addWidget(m_nextOrPrevious[e], e % 4, (e / 4) * 2 + 1);
    }
    layout->addLayout(events);
    layout->addLayout(Row({MakeLabel("Eclipse:"), m_eclipseKind, m_eclipseContact}));
    layout->addLayout(Row({MakeButton("Conjunction/Opposition Mode", [this] { OnConjunction(); }), m_bodyA,
                           m_bodyB, m_conjunctionDirection, m_angle}));
    layout->addLayout(Row({MakeButton("Solar Calendar Options",
                                      [this] {
                                          if (auto* frame = dynamic_cast<CMainFrame*>(window()))
                                              frame->RunCommand(kCmdSolarCalendarOptions);
                                      }),
                           MakeButton("Lunar Calendar Options", [this] {
                               if (auto* frame = dynamic_cast<CMainFrame*>(window()))
                                   frame->RunCommand(kCmdLunarCalendarOptions);
                           })}));
    layout->addStretch(1);
}

void CMundaneFormView::OnSwearingIn() {
    CTavroDoc* document = Document();
    if (!document) return;
    const auto years = TakeNumberField(m_years, "Years", 0, kLongestPeriodYears);
    if (!years) return;
    const auto days = TakeNumberField(m_days, "Plus days", 0, kLongestPeriodYears * kMeanTropicalYearDays);
    if (!days) return;
    g_dCompressionDays = *years * kMeanTropicalYearDays + *days;
    RunSearch("Casting the swearing-in chart ...", [document] { return document->CalcSwearingInChart(); });
}

void CMundaneFormView::OnDivisionChange() {
    CTavroDoc* document = Document();
    if (!document) return;
    const int body = m_divisionBody->currentIndex();
    const int code = MundaneDivisionCodes()[static_cast<std::size_t>(m_division->currentIndex())];
    const bool after = m_divisionDirection->currentIndex() == 1;
    RunSearch("Searching for the change of division ...",
              [document, body, code, after] { return document->CalcDivisionChangeChart(body, code, after); });
}

void CMundaneFormView::OnStation() {
    CTavroDoc* document = Document();
    if (!document) return;
    const int body = m_stationBody->currentIndex() + kFirstStationBody;
    if (!g_bTrueNodes && (body == kRahu || body == kKetu)) {
        MessageBox(this,
                   "Stationary transit of nodes can occur only if true nodes are used. Your preferences show mean "
                   "nodes. Rahu and Ketu are always retrograde with mean nodes.",
                   "Stationary transit cannot occur with mean nodes");
        return;
    }
    const bool after = m_stationDirection->currentIndex() == 1;
    RunSearch("Searching for the station ...",
              [document, body, after] { return document->CalcRetroChangeChart(body, after); });
}

void CMundaneFormView::OnEvent(Event event) {
    CTavroDoc* document = Document();
    if (!document) return;
    const bool next = m_nextOrPrevious[event]->currentIndex() == 1;
    CalcStatus (CTavroDoc::*const casts[])(bool) = {
        &CTavroDoc::CalcSolarNewYearChart,  &CTavroDoc::CalcArdraPraveshaChart, &CTavroDoc::CalcSolarNewMonthChart,
        &CTavroDoc::CalcLunarNewYearChart,  &CTavroDoc::CalcLunarNewMonthChart, &CTavroDoc::CalcNewLunarDayChart,
        &CTavroDoc::CalcFortnightChart,
    };
    const auto cast = casts[event];
    RunSearch("Searching for the event ...", [document, cast, next] { return (document->*cast)(next); });
}

void CMundaneFormView::OnConjunction() {
    CTavroDoc* document = Document();
    if (!document) return;
    const int a = m_bodyA->currentIndex();
    const int b = m_bodyB->currentIndex();
    if ((a == kRahu && b == kKetu) || (a == kKetu && b == kRahu)) {
        MessageBox(this, "\nDid you forget that Rahu and Ketu will never conjoin?    \n\n", "That's naughty!");
        return;
    }
    if (a == b) {
        MessageBox(this, "\nPlease select two different planets.    \n\n", "Same planet chosen");
        return;
    }
    const bool after = m_conjunctionDirection->currentIndex() == 1;
    const double angle = kAngles[static_cast<std::size_t>(m_angle->currentIndex())];
    RunSearch("Searching for the conjunction ...",
              [document, a, b, after, angle] { return document->CalcConjunctionChart(a, b, after, angle); });
}

void CMundaneFormView::OnEclipse() {
    CTavroDoc* document = Document();
    if (!document) return;
    const bool next = m_nextOrPrevious[kEclipse]->currentIndex() == 1;
    const int kind = m_eclipseKind->currentIndex();
    const bool atStart = m_eclipseContact->currentIndex() == 0;
    std::string title, contacts;
    CalcStatus status;
    {
        CSearchProgressDialog progress(this, "Searching for the eclipse ...");
        status = document->CalcEclipseChart(next, EclipseKind(kind), atStart, title, contacts);
    }
    if (!status.ok()) {
        Report(status);
        return;
    }
    MessageBox(this, "\n" + std::string(kEclipseNotes[kind]) + "\n\n\n" + contacts + "\n", title + ": Contact Times");
}
