#include "views/forms/transit_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/body_names.h"
#include "core/zodiac_names.h"
#include "core/vocabulary_names.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/frame_wnd.h"
#include "platform/message_box.h"
#include "shell/dialogs/member_dialog.h"
#include "shell/extra_frames.h"
#include "shell/layout_table.h"
#include "views/forms/form_lists.h"

namespace {

constexpr int kNatalBodyItems = 47; // bodies 0-46 of the body-name table
constexpr int kTransitCalendarResource = 158;

// Focus on a list turns its radio button on (and the others off).
class FocusTurnsOn : public QObject {
public:
    FocusTurnsOn(QObject* parent, std::function<void()> turnOn) : QObject(parent), m_turnOn(std::move(turnOn)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::FocusIn) m_turnOn();
        return false;
    }

private:
    std::function<void()> m_turnOn;
};

} // namespace

// --- CTransitFormView ---------------------------------------------------------------------------

CTransitFormView::CTransitFormView(QWidget* parent) : CFormView(parent), m_moment(Page(), true) {
    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Use the data below"));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({MakeBackToNatalButton()}));
    layout->addWidget(MakeLabel("Must click this at the end"));
    layout->addLayout(Row({MakeButton("Show Transit Calculations", [this] { OnShowTransit(); })}));
    layout->addStretch(1);
}

void CTransitFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
}

void CTransitFormView::OnShowTransit() {
    CTavroDoc* document = StartCastingAtTypedMoment(m_moment);
    if (!document) return;
    ActivatePaneOfClass("CTransitView");
    Report(document->ShowTransitChart(g_transitMoment));
}

// --- CTransitConjFormView -----------------------------------------------------------------------

CTransitConjFormView::CTransitConjFormView(QWidget* parent) : CFormView(parent), m_moment(Page(), false) {
    m_body = MakeList(BodyItems());
    m_body->setCurrentIndex(5); // Jupiter
    m_degrees = MakeEdit(3);
    m_minutes = MakeEdit(2);
    m_seconds = MakeEdit(5);
    for (QLineEdit* edit : {m_degrees, m_minutes, m_seconds}) edit->setText("0");
    m_aheadOrBehind = MakeList({"behind", "ahead of"});
    const char* captions[] = {"Natal planet", "Natal Saham", "The beginning of"};
    for (int r = 0; r < 3; ++r) m_reference[r] = new QRadioButton(captions[r], Page());
    m_natalBody = MakeList({});
    m_saham = MakeList({});
    m_sign = MakeList({g_signNames, g_signNames + kSignCount});
    m_varga = MakeList(VargaCodeItems());
    m_beforeOrAfter = MakeList({"before", "after"});
    QComboBox* const lists[] = {m_natalBody, m_saham, m_sign};
    for (int r = 0; r < 3; ++r) {
        lists[r]->installEventFilter(
            new FocusTurnsOn(Page(), [this, r] { ChooseReference(Reference(r)); }));
        QObject::connect(m_reference[r], &QRadioButton::clicked, Page(), [this, r] { ChooseReference(Reference(r)); });
    }
    ChooseReference(kNatalSaham);

    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Use the data below"));
    layout->addLayout(Row({MakeBackToNatalButton()}));
    layout->addWidget(MakeLabel("Must click this at the end"));
    layout->addLayout(Row({MakeButton("Search for Transit", [this] { OnSearch(); })}));
    layout->addLayout(Row({MakeLabel("Find when"), m_body, MakeLabel("transited exactly")}));
    layout->addLayout(Row({m_degrees, MakeLabel("Deg"), m_minutes, MakeLabel("Min"), m_seconds, MakeLabel("Sec"),
                           m_aheadOrBehind}));
    layout->addLayout(Row({m_reference[kNatalPlanet], m_natalBody}));
    layout->addLayout(Row({m_reference[kNatalSaham], m_saham}));
    layout->addLayout(Row({m_reference[kSignStart], m_sign, MakeLabel("in"), m_varga}));
    layout->addLayout(Row({m_beforeOrAfter, MakeLabel("the following date and time:")}));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addWidget(MakeLabel("Enter all the data and click the search button above!"));
    layout->addStretch(1);
}

void CTransitConjFormView::ChooseReference(Reference reference) {
    for (int r = 0; r < 3; ++r) m_reference[r]->setChecked(r == reference);
}

void CTransitConjFormView::LoadFields() {
    // The date and time follow the shared moment; the zone is the shared moment's own.
    m_moment.Load(g_transitMoment);
    const int body = std::max(m_natalBody->currentIndex(), 0);
    m_natalBody->clear();
    for (int b = 0; b < kNatalBodyItems; ++b) m_natalBody->addItem(g_pszPlanetNames[b]);
    m_natalBody->setCurrentIndex(body);
    const int saham = std::max(m_saham->currentIndex(), 0);
    m_saham->clear();
    for (int s = 0; s < kSahamaCount; ++s)
        m_saham->addItem(QString("%1 (%2)").arg(g_sahamaNames[s], g_sahamaMeanings[s]));
    m_saham->setCurrentIndex(saham);
}

void CTransitConjFormView::OnSearch() {
    CTavroDoc* document = Document();
    if (!document) return;
    ResetBirthTimeHistory();
    const auto degrees = TakeNumberField(m_degrees, "Degrees", 0, 360);
    if (!degrees) return;
    const auto minutes = TakeNumberField(m_minutes, "Minutes", 0, 60);
    if (!minutes) return;
    const auto seconds = TakeNumberField(m_seconds, "Seconds", 0, 60);
    if (!seconds) return;
    const auto moment = m_moment.Take(g_transitMoment);
    if (!moment) return;
    g_transitMoment = *moment;
    double distance = *degrees + *minutes / 60.0 + *seconds / 3600.0;
    if (m_aheadOrBehind->currentIndex() == 0) distance = -distance;
    CChart& natal = document->m_natalChart;
    double reference = 0.0;
    if (m_reference[kNatalPlanet]->isChecked()) {
        const CChart* varga = natal.GetVargaChart(m_varga->currentIndex());
        reference = (varga ? *varga : natal).m_bodies[m_natalBody->currentIndex()].m_dLongitude;
    } else if (m_reference[kNatalSaham]->isChecked()) {
        reference = natal.m_specialPoint[m_saham->currentIndex()].m_dLongitude;
    } else {
        reference = 30.0 * m_sign->currentIndex();
    }
    const int body = m_body->currentIndex();
    const bool after = m_beforeOrAfter->currentIndex() == 1;
    RunSearch("Searching for the moment of the transit ...", [&] {
        return document->CalcTransitSearch(g_transitMoment, body, reference, distance, after);
    });
}

// --- CTransitChartFormView ----------------------------------------------------------------------

CTransitChartFormView::CTransitChartFormView(QWidget* parent) : CFormView(parent) {
    auto* layout = new QVBoxLayout(Page());
    const std::pair<const char*, unsigned> links[] = {
        {"Show Mixed Transit-Natal Chart", kNodeMixedChart},
        {"Sarvatobhadra Chakra", kNodeSarvatobhadra},
        {"Kota Chakra (Durga Chakra)", kNodeKotaChakra},
        {"Kalachakra", kNodeKalachakra},
    };
    for (const auto& [caption, node] : links)
        layout->addLayout(Row({MakeButton(caption, [this, node = node] { ActivateNode(node); })}));
    layout->addStretch(1);
}

// --- CTranCalenFormView -------------------------------------------------------------------------

CTranCalenFormView::CTranCalenFormView(QWidget* parent) : CFormView(parent), m_moment(Page(), true) {
    m_step = MakeEdit(5);
    m_count = MakeEdit(3);
    m_natalVarga = MakeList(TransitVargaItems());
    m_transitVarga = MakeList(TransitVargaItems());
    const char* items[kCalendarItems] = {"Houses from natal Moon and vedhas",
                                              "Houses from natal lagna and vedhas",
                                              "Transit taras (stars)",
                                              "Murthis (idol/form)",
                                              "Ashtakavarga scores",
                                              "Kakshya details"};
    for (int i = 0; i < kCalendarItems; ++i) m_items[i] = new QCheckBox(items[i], Page());

    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Enter all relevant data below and click this button."));
    layout->addLayout(Row({MakeButton("Show Transit Calendar", [this] { OnShowCalendar(); })}));
    layout->addWidget(MakeLabel("Calculate transits from the following date and time:"));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({MakeLabel("Starting from the above date and time, calculate transits once in every"),
                           m_step, MakeLabel("days (e.g. 1, 10, 0.5 etc).")}));
    layout->addLayout(Row({MakeLabel("The number of days in the calendar:"), m_count,
                           MakeLabel("(e.g. maximum 100)")}));
    layout->addLayout(Row({MakeLabel("Natal chart to be used"), m_natalVarga}));
    layout->addLayout(Row({MakeLabel("Transit chart to be used"), m_transitVarga}));
    layout->addWidget(MakeLabel("Item Selection"));
    layout->addWidget(MakeLabel("Choose which items you want to see in the transit calendar:"));
    for (QCheckBox* box : m_items) layout->addWidget(box);
    layout->addStretch(1);
}

void CTranCalenFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
    SelectIndex(m_natalVarga, g_nTranCalenNatalVarga);
    SelectIndex(m_transitVarga, g_nTranCalenTransitVarga);
    m_step->setText(NumberText(g_dTranCalenStepDays));
    m_count->setText(NumberText(g_nTranCalenStepCount));
    for (int i = 0; i < kCalendarItems; ++i) m_items[i]->setChecked(g_bTranCalenShowItem[i]);
}

void CTranCalenFormView::OnShowCalendar() {
    const auto moment = m_moment.Take(g_transitMoment);
    if (!moment) return;
    const auto step = TakeNumberField(m_step, "Step in days", 0, 366);
    if (!step) return;
    const auto count = TakeIntegerField(m_count, "Number of days", 0, kTranCalenMaxSteps);
    if (!count) return;
    g_transitMoment = *moment;
    g_nTranCalenNatalVarga = m_natalVarga->currentIndex();
    g_nTranCalenTransitVarga = m_transitVarga->currentIndex();
    g_dTranCalenStepDays = *step;
    g_nTranCalenStepCount = *count;
    for (int i = 0; i < kCalendarItems; ++i) g_bTranCalenShowItem[i] = m_items[i]->isChecked();
    CFrameWnd* frame = nullptr;
    if (!OpenChildWindow(kTransitCalendarResource, "CTransitCalenView", GetDocument(), &frame)) {
        MessageBox(this, "Unable to create window.", "Oops");
        return;
    }
    g_pSeedHelpFrame = frame;
}
