#include "views/forms/research_form.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "document/document_state.h"
#include "document/mode_transit.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/desktop_opener.h"
#include "shell/time_steps.h"
#include "shell/web_links.h"
#include "views/forms/form_lists.h"

namespace {

constexpr double kHourDays = 1.0 / 24.0;
constexpr double kLargestOrb = 180.0; // degrees: no aspect lies further

// The research thresholds in the order of the form's four methods.
double* const kMethodValues[] = {&g_dTransitResearchMinStrength, &g_dTransitResearchOrbFraction,
                                 &g_dTransitResearchOrbMarsSaturn, &g_dTransitResearchOrbJupiter};

const std::array<ResearchArticle, kResearchArticleCount> kArticles = {{
    {"Divisional charts in transit",
     "How the transits of planets over natal points in divisional charts show in events.",
     "transit-divisional-charts.pdf"},
    {"Stationary planets in transit",
     "What planets standing still in transit over natal points give.", "stationary-planets-in-transit.pdf"},
    {"Transit of the nakshatra dasa lord",
     "How the transit of the running dasa lord over natal points times its results.",
     "transit-of-the-dasa-lord.pdf"},
}};

} // namespace

CLocalDateTime StepResearchMoment(const CLocalDateTime& moment, int step, bool forward) {
    CLocalDateTime stepped = moment;
    const int sign = forward ? 1 : -1;
    switch (step) {
    case kResearchYear:
        StepLocalDateTime(stepped, kStepYear, forward);
        break;
    case kResearchThreeMonths:
        ShiftLocalDateTimeByMonths(stepped, 3 * sign);
        break;
    case kResearchMonth:
        ShiftLocalDateTimeByMonths(stepped, sign);
        break;
    case kResearchTenDays:
        ShiftLocalDateTimeByDays(stepped, 10.0 * sign);
        break;
    case kResearchFiveDays:
        ShiftLocalDateTimeByDays(stepped, 5.0 * sign);
        break;
    case kResearchDay:
        ShiftLocalDateTimeByDays(stepped, 1.0 * sign);
        break;
    case kResearchHour:
        ShiftLocalDateTimeByDays(stepped, kHourDays * sign);
        break;
    default:
        break;
    }
    return stepped;
}

const std::array<ResearchArticle, kResearchArticleCount>& ResearchArticles() {
    return kArticles;
}

QUrl ResearchArticleAddress(const ResearchArticle& article) {
    if (g_strWebSite.empty()) return {};
    return QUrl(QString::fromStdString(g_strWebSite + "articles/" + article.file));
}

// --- CResearchArticlesDlg -----------------------------------------------------------------------

CResearchArticlesDlg::CResearchArticlesDlg(QWidget* parent)
    : CMemberDialog(parent, "Some Relevant Research Articles on Transit Longitude Correlations") {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel("Select the free research articles (in PDF format) that you want to read:", this));
    for (int a = 0; a < kResearchArticleCount; ++a) {
        m_boxes[a] = new QCheckBox(kArticles[a].title, this);
        layout->addWidget(m_boxes[a]);
        auto* description = new QLabel(kArticles[a].description, this);
        description->setIndent(24);
        layout->addWidget(description);
    }
    AddOkCancel(layout);
}

void CResearchArticlesDlg::LoadControls() {
    for (int a = 0; a < kResearchArticleCount; ++a) m_boxes[a]->setChecked(m_bChosen[a]);
}

bool CResearchArticlesDlg::StoreControls() {
    for (int a = 0; a < kResearchArticleCount; ++a) m_bChosen[a] = m_boxes[a]->isChecked();
    return true;
}

// --- CTranResearchFormView ----------------------------------------------------------------------

CTranResearchFormView::CTranResearchFormView(QWidget* parent) : CFormView(parent), m_moment(Page(), true) {
    m_varga = MakeList(TransitVargaItems());
    const char* captions[] = {
        "Quantify aspects based on Parasara's teachings\nand show aspects greater than this percentage:",
        "Consider conjunction, full, three-quarter and half aspects and take an orb of these many degrees:",
        "Consider perfect quadrants from natal points,\nwithin an orb of these many degrees:",
        "Consider perfect trines and 7th from natal points,\nwithin an orb of these many degrees:"};
    for (int m = 0; m < 4; ++m) {
        m_method[m] = new QRadioButton(captions[m], Page());
        m_value[m] = MakeEdit(5);
        m_value[m]->setText(NumberText(*kMethodValues[m]));
    }
    // The method at start: any value but 1-3 is the first.
    const int method = g_nTransitResearchMethod >= 1 && g_nTransitResearchMethod <= 3 ? g_nTransitResearchMethod : 0;
    m_method[method]->setChecked(true);
    m_step = MakeList({"Year", "3 Months", "Month", "10 Days", "5 Days", "Day", "Hour"});
    m_step->setCurrentIndex(kResearchMonth);

    auto* layout = new QVBoxLayout(Page());
    layout->addWidget(MakeLabel("Calculate transits for the following date and time:"));
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({MakeLabel("Divisional chart to\nbe used in transit"), m_varga}));
    for (int m = 0; m < 4; ++m) layout->addLayout(Row({m_method[m], m_value[m]}));
    layout->addWidget(MakeLabel("Enter data below and click this button."));
    layout->addLayout(Row({MakeButton("Show Natal Points\nAspected in Transit", [this] { OnShowPoints(); }),
                           MakeButton("<<", [this] { OnStep(false); }), m_step,
                           MakeButton(">>", [this] { OnStep(true); })}));
    layout->addLayout(Row({MakeButton("Show some relevant research articles", [this] { OnArticles(); })}));
    layout->addStretch(1);
}

void CTranResearchFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
    SelectIndex(m_varga, g_nTranResearchVarga);
}

void CTranResearchFormView::OnShowPoints() {
    const auto moment = m_moment.Take(g_transitMoment);
    if (!moment) return;
    const auto percent = TakeNumberField(m_value[0], "Aspect percentage", 0, 100);
    if (!percent) return;
    double orbs[3] = {};
    for (int m = 1; m < 4; ++m) {
        const auto orb = TakeNumberField(m_value[m], "Orb in degrees", 0, kLargestOrb);
        if (!orb) return;
        orbs[m - 1] = *orb;
    }
    g_transitMoment = *moment;
    g_nTranResearchVarga = m_varga->currentIndex();
    *kMethodValues[0] = *percent;
    for (int m = 1; m < 4; ++m) *kMethodValues[m] = orbs[m - 1];
    for (int m = 0; m < 4; ++m)
        if (m_method[m]->isChecked()) g_nTransitResearchMethod = m;
    if (CTavroDoc* document = Document()) document->UpdateAllViews(nullptr);
}

void CTranResearchFormView::OnStep(bool forward) {
    // Every step starts from the moment typed in the form, whatever was stored last.
    const auto moment = m_moment.Take(g_transitMoment);
    if (!moment) return;
    m_moment.Load(StepResearchMoment(*moment, m_step->currentIndex(), forward));
    OnShowPoints();
}

void CTranResearchFormView::OnArticles() {
    CResearchArticlesDlg dialog(this);
    if (!dialog.DoModal()) return;
    for (int a = 0; a < kResearchArticleCount; ++a) {
        if (!dialog.m_bChosen[a]) continue;
        const QUrl url = ResearchArticleAddress(kArticles[a]);
        if (url.isEmpty() || !OpenOnDesktop(url)) {
            MessageBox(this,
                       std::string("The article \"") + kArticles[a].title +
                           "\" could not be opened: " +
                           (url.isEmpty() ? "this build names no web site." : "no browser took it."),
                       "Sorry", MessageIcon::kWarning);
        }
    }
}
