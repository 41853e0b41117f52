#include "views/forms/return_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/calc_options.h"
#include "document/dasa_codes.h"
#include "document/document_state.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/member_dialog.h"
#include "shell/display_options.h"
#include "shell/layout_table.h"
#include "views/forms/form_lists.h"
#include "views/info/strengths_tables.h"
#include "views/info/strengths_view.h"

namespace {

// Dasa codes of the links.
constexpr int kNarayanaDasa = kFirstRasiDasaCode;
constexpr int kPatyayiniDasa = 65;
constexpr int kTithiAshtottariDasa = 69;
constexpr int kYogaVimsottariDasa = 70;

constexpr int kTajakaParts = 12;      // each Tajaka part holds twelve of the next
constexpr int kLunarMonthItems = 14;  // a year of thirteen months and the first of the next
constexpr int kTithisInMonth = 30;

// The three Pravesha kinds: the find buttons' caption and the label in the chart titles.
struct PraveshaKind {
    const char* caption;
    const char* label;
};
constexpr PraveshaKind kPraveshaKinds[] = {
    {"Find Tithi Pravesha Chart", "TP"},
    {"Find Nakshatra Pravesha", "NP"},
    {"Find Yoga Pravesha Chart", "YP"},
};

const char* const kAngularReturnSameBody =
    "Please select two DIFFERENT planets and then\ntry to find the angular return chart.\n\n"
    "If you select the same planet, angle between\nthat planet and itself is always zero. So there\n"
    "is no angular return chart.";

QLabel* LinkHint(QWidget* page, const char* chartWord) {
    return new QLabel(QString("You can go to other views and\nsee dasas, strengths etc of this\n%1chart. "
                              "For convenience,\nsome links are given below.")
                          .arg(chartWord),
                      page);
}

} // namespace

// --- CDerivedChartForm --------------------------------------------------------------------------

void CDerivedChartForm::OnShowDefaultDasa() {
    ShowDasa(kNodeNakshatraDasas, g_nNakshatraDasaToBeDisplayed, kVimsottariCode);
}

void CDerivedChartForm::OnShowNarayanaDasa() {
    ShowDasa(kNodeRasiDasas, g_nRasiDasaToBeDisplayed, kNarayanaDasa);
}

void CDerivedChartForm::OnShowMixedChart() {
    ActivateNode(kNodeMixedChart);
}

void CDerivedChartForm::AddPraveshaLinks(QBoxLayout& layout) {
    layout.addLayout(Row({MakeButton("Vimsottari dasa", [this] { OnShowDefaultDasa(); }),
                          MakeButton("Narayana dasa", [this] { OnShowNarayanaDasa(); })}));
    layout.addLayout(Row({MakeOtherDasaButton("Tithi Ashtottari dasa", kTithiAshtottariDasa),
                          MakeOtherDasaButton("Yoga Vimsottari dasa", kYogaVimsottariDasa)}));
    layout.addLayout(Row({MakeButton("Mixed TP-Natal Chart", [this] { OnShowMixedChart(); })}));
}

QPushButton* CDerivedChartForm::MakeOtherDasaButton(const QString& caption, int code) {
    return MakeButton(caption, [this, code] { ShowDasa(kNodeOtherDasas, g_nOtherDasaToBeDisplayed, code); });
}

// --- CTajakaFormView ----------------------------------------------------------------------------

CTajakaFormView::CTajakaFormView(QWidget* parent) : CDerivedChartForm(parent) {
    m_year = MakeEdit(6);
    m_parts[0] = MakeList({"None", "January", "February", "March", "April", "May", "June", "July", "August",
                           "September", "October", "November", "December"});
    for (int p = 1; p < 5; ++p) m_parts[p] = MakeList(OrdinalItems(kTajakaParts, true));
    // The fields keep what was asked for when the form was made; what is typed later is what is sent.
    m_year->setText(NumberText(g_nTajakaYear));
    const int values[5] = {g_nTajakaMonth, g_nTajaka2DayPart, g_nTajaka5HourPart, g_nTajaka25MinPart,
                           g_nTajaka2MinPart};
    for (int p = 0; p < 5; ++p) SelectIndex(m_parts[p], values[p]);

    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Use the data below"));
    auto* grid = new QGridLayout;
    const char* captions[] = {"Month: ", "Sixty-hour Period:", "Five-hour Period:", "25-min period:",
                              "2-min period:"};
    grid->addWidget(MakeLabel("Year: "), 0, 0);
    grid->addWidget(m_year, 0, 1);
    for (int p = 0; p < 5; ++p) {
        grid->addWidget(MakeLabel(captions[p]), p + 1, 0);
        grid->addWidget(m_parts[p], p + 1, 1);
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addWidget(MakeLabel("Must click this at the end"));
    // "Back to Natal Chart" shares the row of the find buttons, so that the form fits its pane.
    layout->addLayout(Row({MakeButton("Find Tajaka Chart", [this] { OnFindTajaka(false); }),
                           MakeButton("Find Tajaka Sunrise Chart", [this] { OnFindTajaka(true); }),
                           MakeBackToNatalButton()}));
    layout->addWidget(LinkHint(Page(), "Tajaka "));
    layout->addLayout(Row({MakeOtherDasaButton("Patyayini dasa", kPatyayiniDasa),
                           MakeButton("Mudda dasa", [this] { OnShowDefaultDasa(); }),
                           MakeButton("Narayana dasa", [this] { OnShowNarayanaDasa(); })}));
    layout->addLayout(Row({MakeButton("Pancha-vargeeya Bala", [this] { OnShowStrengths(kPanchaVargeeyaTable); }),
                           MakeButton("Dwadasa-vargeeya Bala (12)", [this] { OnShowStrengths(kDwadasaVargeeyaTable); }),
                           MakeButton("Harsha Bala", [this] { OnShowStrengths(kHarshaBalaTable); })}));
    layout->addLayout(Row({MakeButton("Show Mixed Tajaka-Natal Chart!", [this] { OnShowMixedChart(); })}));
    layout->addStretch(1);
}

void CTajakaFormView::OnFindTajaka(bool atSunrise) {
    CTavroDoc* document = Document();
    if (!document) return;
    ResetBirthTimeHistory();
    // A year beyond the ephemeris files could not be cast: it is refused like any date field's.
    const auto year = TakeIntegerField(m_year, "Year", g_nMinYear, g_nMaxYear);
    if (!year) return;
    g_nTajakaYear = *year;
    int* const parts[5] = {&g_nTajakaMonth, &g_nTajaka2DayPart, &g_nTajaka5HourPart, &g_nTajaka25MinPart,
                           &g_nTajaka2MinPart};
    for (int p = 0; p < 5; ++p) *parts[p] = std::max(m_parts[p]->currentIndex(), 0);
    g_bTajakaAtSunrise = atSunrise;
    RunSearch("Searching for the Tajaka chart ...", [document] { return document->CalculateTajaka(); });
}

void CTajakaFormView::OnShowStrengths(int table) {
    ActivateNode(kNodeOtherStrengths);
    g_nStrengthsTable = table;
    if (CTavroDoc* document = Document()) document->UpdateAllViews(nullptr);
}

// --- CTPFormView --------------------------------------------------------------------------------

CTPFormView::CTPFormView(QWidget* parent) : CDerivedChartForm(parent), m_moment(Page(), true) {
    m_year = MakeEdit(6);
    m_month = MakeList(OrdinalItems(kLunarMonthItems, true));
    m_daily = new QCheckBox("Daily chart:", Page());
    m_day = MakeEdit(2);
    m_period = MakeList({"Annual chart", "Monthly chart", "Fortnightly chart", "Daily chart"});
    m_beforeOrAfter = MakeList({"before", "after"});
    m_kind = MakeList({"Tithi Pravesha", "Nakshatra Pravesha", "Yoga Pravesha"});
    m_findByYear = MakeButton(kPraveshaKinds[0].caption, [this] { OnFindByYear(); });
    m_findByMoment = MakeButton(kPraveshaKinds[0].caption, [this] { OnFindByMoment(); });
    m_year->setText(NumberText(g_nTithiPraveshaYear));
    SelectIndex(m_month, g_nTithiPraveshaMonth);
    m_daily->setChecked(g_nTithiPraveshaDay != 0);
    m_day->setText(NumberText(std::max(g_nTithiPraveshaDay, 1)));
    QObject::connect(m_kind, &QComboBox::currentIndexChanged, Page(), [this](int kind) { OnKindChanged(kind); });

    // The two ways to ask on the left, the links beside them: one above the other they are taller than
    // the pane a laptop screen gives the form.
    auto* columns = new QHBoxLayout(Page());
    auto* layout = new QVBoxLayout;
    layout->addWidget(MakeLabel("Select which Pravesha chart you want."));
    layout->addLayout(Row({m_kind}));
    layout->addWidget(MakeLabel("(1) Edit data and click"));
    layout->addLayout(Row({MakeLabel("Year: "), m_year, MakeLabel("Month: "), m_month}));
    layout->addLayout(Row({m_daily, MakeLabel("Enter 1-30"), m_day}));
    layout->addLayout(Row({m_findByYear}));
    layout->addWidget(MakeLabel("(2) OR"));
    layout->addLayout(Row({m_period, m_beforeOrAfter, MakeLabel("the following date and time.")}));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({m_findByMoment}));
    layout->addStretch(1);
    auto* links = new QVBoxLayout;
    links->addLayout(Row({MakeBackToNatalButton()}));
    links->addWidget(LinkHint(Page(), ""));
    AddPraveshaLinks(*links);
    links->addStretch(1);
    columns->addLayout(layout);
    columns->addSpacing(Page()->fontMetrics().averageCharWidth() * 2);
    columns->addLayout(links);
    columns->addStretch(1);
}

void CTPFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
}

void CTPFormView::OnKindChanged(int kind) {
    if (kind < 0 || kind > 2) return;
    m_findByYear->setText(kPraveshaKinds[kind].caption);
    m_findByMoment->setText(kPraveshaKinds[kind].caption);
    g_strPraveshaLabel = kPraveshaKinds[kind].label;
    const bool tithi = kind == 0;
    m_daily->setEnabled(tithi);
    m_day->setEnabled(tithi);
    g_nTithiPraveshaKind = kind;
}

void CTPFormView::OnFindByYear() {
    CTavroDoc* document = Document();
    if (!document) return;
    ResetBirthTimeHistory();
    const auto year = TakeIntegerField(m_year, "Year", g_nMinYear, g_nMaxYear);
    if (!year) return;
    const int month = std::max(m_month->currentIndex(), 0);
    // The day counts only for a daily chart of a chosen month of the tithi kind.
    const bool daily = month != 0 && m_daily->isEnabled() && m_daily->isChecked();
    int day = 0;
    if (daily) {
        const auto typed = TakeIntegerField(m_day, "Day", 1, kTithisInMonth);
        if (!typed) return;
        day = *typed;
    }
    g_nTithiPraveshaYear = *year;
    g_nTithiPraveshaMonth = month;
    g_nTithiPraveshaDay = day;
    g_bTithiPraveshaFromMoment = false;
    RunSearch("Searching for the Pravesha chart ...", [document] { return document->CalculateTithiPravesha(); });
}

void CTPFormView::OnFindByMoment() {
    CTavroDoc* document = StartCastingAtTypedMoment(m_moment);
    if (!document) return;
    const int period = m_period->currentIndex();
    const bool before = m_beforeOrAfter->currentIndex() == 0;
    RunSearch("Searching for the Pravesha chart ...", [document, period, before] {
        return document->CalculateTithiPraveshaAlt(period, before, g_transitMoment);
    });
}

// --- CAngRetFormView ----------------------------------------------------------------------------

CAngRetFormView::CAngRetFormView(QWidget* parent) : CDerivedChartForm(parent), m_moment(Page(), true) {
    m_bodyA = MakeList(BodyItems());
    m_bodyB = MakeList(BodyItems());
    m_beforeOrAfter = MakeList({"before", "after"});

    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Edit data below and click"));
    layout->addWidget(MakeLabel("Must click this at the end"));
    layout->addLayout(Row({MakeButton("Find Angular Return Chart", [this] { OnFindReturn(); })}));
    layout->addLayout(Row({MakeLabel("Find the angular return between"), m_bodyA, MakeLabel("and"), m_bodyB}));
    layout->addLayout(Row({m_beforeOrAfter, MakeLabel("the following date and time.")}));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({MakeBackToNatalButton()}));
    layout->addWidget(MakeLabel("Links"));
    layout->addWidget(LinkHint(Page(), ""));
    AddPraveshaLinks(*layout);
    layout->addStretch(1);
}

void CAngRetFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
}

void CAngRetFormView::OnFindReturn() {
    CTavroDoc* document = StartCastingAtTypedMoment(m_moment);
    if (!document) return;
    const int a = m_bodyA->currentIndex();
    const int b = m_bodyB->currentIndex();
    if (a == b) {
        MessageBox(this, kAngularReturnSameBody, "Error");
        return;
    }
    const bool before = m_beforeOrAfter->currentIndex() == 0;
    RunSearch("Searching for the angular return ...", [document, a, b, before] {
        return document->CalcAngularReturnChart(a, b, before, g_transitMoment);
    });
}
