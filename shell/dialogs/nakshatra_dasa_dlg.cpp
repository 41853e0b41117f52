#include "shell/dialogs/nakshatra_dasa_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/chart_day.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"
#include "shell/dialogs/chooser_dlg.h"
#include "shell/dialogs/rasi_strength_group.h"

namespace {
constexpr int kAbhijitIndex = 21; // in the list of 28 stars

// The six orders of sub-period lords, shown on a cycle A .. H whose dasa lord is F.
const char* const kSubPeriodOrders[] = {
    "F, G, H, A, B, C, D, E (start from the dasa lord and go forward)",
    "F, E, D, C, B, A, H, G (start from the dasa lord and go backward)",
    "G, H, A, B, C, D, E, F (start from the next lord and go forward)",
    "G, F, E, D, C, B, A, H (start from the next lord and go backward)",
    "E, F, G, H, A, B, C, D (start from the previous lord and go forward)",
    "E, D, C, B, A, H, G, F (start from the previous lord and go backward)",
};
} // namespace

QComboBox* MakeDasaSeedCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    combo->addItem("Janma tara (Moon)");
    for (int s = 1; s < kDasaSeedCount; ++s) combo->addItem(g_dasaSeedNames[s]);
    return combo;
}

QComboBox* MakeVargaCombo(QWidget* parent) {
    auto* combo = new QComboBox(parent);
    for (const char* varga : VargaItems()) combo->addItem(varga);
    return combo;
}

CNakshatraDasaDlg::CNakshatraDasaDlg(QWidget* parent)
    : CMemberDialog(parent, "Nakshatra dasa options"), m_startPoint(MakeDasaSeedCombo(this)),
      m_varga(MakeVargaCombo(this)), m_seedStar(new QComboBox(this)), m_order(new QComboBox(this)),
      m_seedHeading(new QLabel(this)),
      m_antiZodiacal(
          new QCheckBox("Reckon everything antizodiacally\n(applies only to Vimsottari dasa)", this)) {
    for (const char* order : kSubPeriodOrders) m_order->addItem(order);
    auto* form = new QFormLayout;
    form->addRow("Starting point:", m_startPoint);
    form->addRow("Divisional chart used:", m_varga);
    form->addRow(m_seedHeading, m_seedStar);
    form->addRow("Order of antardasas:", m_order);
    form->addRow(m_antiZodiacal);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CNakshatraDasaDlg::LoadControls() {
    m_seedStar->clear();
    for (int k = 0; k < kNakshatraCount + 1; ++k) {
        if (k == kAbhijitIndex && !m_b28Stars) continue;
        m_seedStar->addItem(k == kAbhijitIndex ? "Abhijit" : g_nakshatraNames[k < kAbhijitIndex ? k : k - 1]);
    }
    m_seedHeading->setText(QString::fromStdString(m_strSeedStarHeading));
    SelectIndex(m_startPoint, m_nStartPoint);
    SelectIndex(m_varga, m_nVarga);
    SelectIndex(m_seedStar, m_nSeedStar);
    SelectIndex(m_order, m_nSubPeriodOrder);
    m_antiZodiacal->setChecked(m_bAntiZodiacal == 1);
    m_seedStar->setEnabled(m_bSeedStarEnabled);
    m_order->setEnabled(m_bSubPeriodOrderEnabled);
}

bool CNakshatraDasaDlg::StoreControls() {
    m_nStartPoint = m_startPoint->currentIndex();
    m_nVarga = m_varga->currentIndex();
    m_nSeedStar = m_seedStar->currentIndex();
    m_nSubPeriodOrder = m_order->currentIndex();
    m_bAntiZodiacal = m_antiZodiacal->isChecked() ? 1 : 0;
    return true;
}

CRbvDasaDlg::CRbvDasaDlg(QWidget* parent)
    : CMemberDialog(parent, "RBV dasa options"), m_startPoint(MakeDasaSeedCombo(this)),
      m_varga(MakeVargaCombo(this)) {
    m_strengths = new CRasiStrengthGroup(this, false, [this](int sign) {
        return m_pTables ? m_pTables->m_saturnKetu[m_nVarga][sign] : kNeitherSaturnNorKetu;
    });
    auto* form = new QFormLayout;
    form->addRow("Starting point:", m_startPoint);
    form->addRow("Divisional chart of the signs:", m_varga);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_strengths);
    AddOkCancel(layout);
    connect(m_varga, &QComboBox::activated, this, &CRbvDasaDlg::OnVargaChanged);
}

void CRbvDasaDlg::LoadOptions() {
    if (!m_pTables || m_nVarga < 0 || m_nVarga >= kVargaColumnCount) return;
    // RBV reads the lords of Aquarius and Scorpio of the rasi dasas without a table of their own.
    static_cast<RasiDasaStrengthMembers&>(*this) =
        LoadRasiDasaStrengths(*m_pTables, kCoLordDasa, m_nVarga, kNoStartSign);
}

void CRbvDasaDlg::SaveOptions() {
    if (!m_pTables || m_nVarga < 0 || m_nVarga >= kVargaColumnCount) return;
    int noStartSign = kNoStartSign;
    SaveRasiDasaStrengths(*this, kCoLordDasa, m_nVarga, *m_pTables, noStartSign);
}

void CRbvDasaDlg::OnVargaChanged() {
    m_nVarga = m_varga->currentIndex();
    LoadOptions();
    m_strengths->Show(*this);
}

void CRbvDasaDlg::LoadControls() {
    SelectIndex(m_startPoint, m_nStartPoint);
    SelectIndex(m_varga, m_nVarga);
    m_strengths->Show(*this);
    m_strengths->setEnabled(m_pTables != nullptr);
}

bool CRbvDasaDlg::StoreControls() {
    m_nStartPoint = m_startPoint->currentIndex();
    m_nVarga = m_varga->currentIndex();
    m_strengths->Read(*this);
    return true;
}
