#include "views/forms/chart_forms.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "core/calc_options.h"
#include "core/return_charts.h"
#include "core/varga_columns.h"
#include "core/zodiac_names.h"
#include "document/document_state.h"
#include "document/tavro_doc.h"
#include "platform/message_box.h"
#include "shell/dialogs/member_dialog.h"
#include "views/forms/form_lists.h"

namespace {

constexpr int kPrasnaCounts[] = {108, 249, 1800};
constexpr double kLongestCompressionYears = 1000.0;
constexpr double kLongestCompressionDays = 1000.0 * kMeanTropicalYearDays;
constexpr int kProgressionVargaItems = 21;

std::string ProgressionNotice(const char* bodies) {
    return std::string("Please note that only the physical and divisional longitudes of ") + bodies +
           " are accurate in this progression chart.\nOther mathematical points and various other calculations "
           "shown with the chart are fake and should be ignored. For the ease\nof programming, the progression "
           "data is represented as a standard chart accompanied by all standard calculations.";
}

} // namespace

int ProgressionVargaColumn(int index) {
    return index < kProgressionVargaItems - 1 ? index : kD108Column;
}

// --- CPrasnaFormView ----------------------------------------------------------------------------

CPrasnaFormView::CPrasnaFormView(QWidget* parent) : CFormView(parent) {
    for (QLineEdit*& edit : m_number) {
        edit = MakeEdit(4);
        edit->setText("1");
    }
    m_replaceLagna = new QRadioButton("Just replace lagna with Prasna Lagna derived from the number chosen.", Page());
    m_separateLagna =
        new QRadioButton("Leave lagna as it is and show Prasna Lagna (PLag) as a separate body", Page());
    (g_bReplaceLagnaInPrasna ? m_replaceLagna : m_separateLagna)->setChecked(true);
    QObject::connect(m_replaceLagna, &QRadioButton::clicked, Page(), [] { g_bReplaceLagnaInPrasna = true; });
    QObject::connect(m_separateLagna, &QRadioButton::clicked, Page(), [] { g_bReplaceLagnaInPrasna = false; });
    m_compress = new QCheckBox("Compress dasas of the prasna chart to the following duration", Page());
    m_years = MakeEdit(5);
    m_years->setText("0");
    m_days = MakeEdit(6);
    m_days->setText("30");

    const char* captions[] = {
        "(1) Prasna-108 mode: Enter a number between 1 and 108 (inclusive). This will fix the rasi and navamsa "
        "of Prasna Lagna (PLag).",
        "(2) Prasna-249 mode (KP): Enter a number between 1 and 249 (inclusive). This will fix the rasi, "
        "nakshatra and sub of Prasna Lagna (PLag).",
        "(3) Nadi Prasna Mode: Enter a number between 1 and 1800 (inclusive). This will fix the rasi and nadi of "
        "Prasna Lagna (PLag). If your nadi calculation option is \"Chandra Kala Nadi\", this will fix the "
        "shodasa vargas of Prasna Lagna."};
    const char* buttons[] = {"Prasna-108 Mode", "Prasna-249 Mode (KP)", "Nadi Prasna Mode"};
    auto* layout = new QVBoxLayout(Page());
    for (int k = 0; k < 3; ++k) {
        QLabel* caption = MakeLabel(captions[k]);
        caption->setWordWrap(true);
        layout->addWidget(caption);
        layout->addLayout(Row({m_number[k], MakeButton(buttons[k], [this, k] { OnPrasna(Kind(k)); })}));
    }
    layout->addWidget(MakeLabel("Which Lagna"));
    layout->addWidget(m_replaceLagna);
    layout->addWidget(m_separateLagna);
    layout->addWidget(MakeLabel("Dasa Compression"));
    layout->addWidget(m_compress);
    layout->addLayout(Row({m_years, MakeLabel("years"), MakeLabel("Plus days:"), m_days}));
    layout->addLayout(Row({MakeBackToNatalButton()}));
    layout->addStretch(1);
}

void CPrasnaFormView::OnPrasna(Kind kind) {
    CTavroDoc* document = Document();
    if (!document) return;
    const auto number = TakeIntegerField(m_number[kind], "Number", 1, kPrasnaCounts[kind]);
    if (!number) return;
    const auto years = TakeNumberField(m_years, "Years", 0, kLongestCompressionYears);
    if (!years) return;
    const auto days = TakeNumberField(m_days, "Plus days", 0, kLongestCompressionDays);
    if (!days) return;
    const int subMode = m_replaceLagna->isChecked() ? 1 : 0;
    const bool compress = m_compress->isChecked();
    const double duration = *years * kMeanTropicalYearDays + *days;
    const int index = *number - 1;
    switch (kind) {
    case kPrasna108:
        Report(document->CalcPrasna108(index, subMode, compress, duration));
        break;
    case kPrasna249:
        Report(document->CalcPrasna249(index, subMode, compress, duration));
        break;
    case kNadiPrasna:
        Report(document->CalcNadiPrasna(index, subMode, compress, duration));
        break;
    }
}

// --- CProgFormView ------------------------------------------------------------------------------

CProgFormView::CProgFormView(QWidget* parent) : CDerivedChartForm(parent), m_moment(Page(), false) {
    std::vector<std::string> vargas;
    for (int index = 0; index < kProgressionVargaItems; ++index)
        vargas.push_back(g_vargaTitles[ProgressionVargaColumn(index)]);
    m_varga = MakeList(vargas);
    m_seed = MakeList(BodyItems());
    m_seed->setCurrentIndex(2); // the Moon
    m_dasa = MakeList({"Vimsottari", "Ashtottari", "Kalachakra", "Yogini", "Dwisaptati sama", "Shattrimsa sama",
                       "Dwadasottati", "Chaturaseeti sama", "Satabdika", "Shodasottari", "Panchottari",
                       "Shashtisama"});
    SelectIndex(m_dasa, g_nNakshatraDasaToBeDisplayed);

    auto* layout = new QVBoxLayout(Page());
    auto* grid = new QGridLayout;
    m_moment.AddTo(grid, 0);
    layout->addLayout(grid);
    layout->addLayout(Row({MakeLabel("Choose varga"), m_varga}));
    layout->addLayout(Row({MakeButton("Solar Progression (1sign per\nyear in chosen varga)", [this] { OnProgress(kSolar); }),
                           MakeButton("Bhrigu Pada Progression\n(based on chosen varga)", [this] { OnProgress(kBhrigu); })}));
    layout->addLayout(Row({MakeButton("Sudarsana Chakra Dasa Progression", [this] { OnProgress(kSudarsana); })}));
    // The seed and the dasa on rows of their own: side by side they are wider than the form's pane.
    auto* dasaGrid = new QGridLayout;
    dasaGrid->addWidget(MakeLabel("Nakshatra dasa seed"), 0, 0);
    dasaGrid->addWidget(m_seed, 0, 1);
    dasaGrid->addWidget(MakeLabel("Choose nakshatra dasa"), 1, 0);
    dasaGrid->addWidget(m_dasa, 1, 1);
    dasaGrid->setColumnStretch(2, 1);
    layout->addLayout(dasaGrid);
    layout->addLayout(Row({MakeButton("Nakshatra Dasa Progression\n(based on chosen varga)",
                                      [this] { OnProgress(kNakshatraDasa); })}));
    layout->addLayout(Row({MakeButton("Show a BIG Mixed Progressed-Natal Chart!", [this] { OnShowMixedChart(); }),
                           MakeBackToNatalButton()}));
    layout->addStretch(1);
}

void CProgFormView::LoadFields() {
    m_moment.Load(g_transitMoment);
}

void CProgFormView::OnProgress(Method method) {
    CTavroDoc* document = StartCastingAtTypedMoment(m_moment);
    if (!document) return;
    const int column = ProgressionVargaColumn(m_varga->currentIndex());
    CalcStatus status;
    switch (method) {
    case kSolar:
        status = document->CalcProgressedByDegrees(column, g_transitMoment);
        break;
    case kBhrigu:
        status = document->CalcBhriguProgression(column, g_transitMoment);
        if (status.ok()) MessageBox(this, ProgressionNotice("7 planets"), "Showing Bhrigu Pada Progression");
        break;
    case kSudarsana:
        status = document->CalcSudarsanaProgression(g_transitMoment);
        if (status.ok())
            MessageBox(this, ProgressionNotice("lagna and 9 planets"),
                       "Showing Sudarsana Chakra Dasa Based Progression");
        break;
    case kNakshatraDasa:
        status = document->CalcNakshatraDasaProgression(g_transitMoment, column, m_seed->currentIndex(),
                                                        m_dasa->currentIndex());
        break;
    }
    Report(status);
}
