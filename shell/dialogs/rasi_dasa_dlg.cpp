#include "shell/dialogs/rasi_dasa_dlg.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/zodiac_names.h"

namespace {

constexpr int kNoPairChoiceDasa = 40;  // its pairs and their exceptions do not apply
constexpr int kNoStartChoiceDasa = 29; // its start sign does not apply
const char* const kPairLabels[6] = {"Stronger of Ar && Li:", "Stronger of Ta && Sc:", "Stronger of Ge && Sg:",
                                    "Stronger of Cn && Cp:", "Stronger of Le && Aq:", "Stronger of Vi &&Pi:"};

QComboBox* ExceptionCombo(QWidget* parent) {
    return MakeCombo(parent, {"No exception", "Saturn exception", "Ketu exception"});
}

} // namespace

CRasiDasaDlg::CRasiDasaDlg(QWidget* parent) : CMemberDialog(parent, "Rasi dasa options") {
    m_aquarius = MakeCombo(this, {"Saturn", "Rahu"});
    m_scorpio = MakeCombo(this, {"Mars", "Ketu"});
    m_start = new QComboBox(this);
    for (const char* sign : g_signNames) m_start->addItem(sign);
    m_start->addItem("Use the default");
    m_startException = ExceptionCombo(this);
    m_startException->addItem("Last setting");
    auto* grid = new QGridLayout;
    int row = 0;
    auto addRow = [&](const char* label, QComboBox* first, QComboBox* second) {
        // "&&" is how the labels write one ampersand.
        auto* text = new QLabel(QString(label).replace("&&", "&"), this);
        text->setTextFormat(Qt::PlainText);
        grid->addWidget(text, row, 0);
        grid->addWidget(first, row, 1);
        if (second) grid->addWidget(second, row, 2);
        ++row;
    };
    addRow("Lord of Aquarius", m_aquarius, nullptr);
    addRow("Lord of Scorpio", m_scorpio, nullptr);
    addRow("Start dasas from:", m_start, m_startException);
    grid->addWidget(new QLabel("Does Saturn or Ketu exception apply?", this), row++, 2);
    for (int i = 0; i < 6; ++i) {
        m_pairs[i] = MakeCombo(this, {g_signNames[i], g_signNames[i + 6]});
        m_pairExceptions[i] = ExceptionCombo(this);
        addRow(kPairLabels[i], m_pairs[i], m_pairExceptions[i]);
        connect(m_pairs[i], &QComboBox::activated, this, [this, i] { OnPairChanged(i); });
    }
    connect(m_start, &QComboBox::activated, this, &CRasiDasaDlg::OnStartChanged);
    auto* strengths = new QGroupBox("Strengths", this);
    auto* inner = new QVBoxLayout(strengths);
    inner->addLayout(grid);
    auto* note = new QLabel(
        "Strengths are computed again when birth data are edited or the chart is re-opened.", this);
    note->setWordWrap(true);
    inner->addWidget(note);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(strengths);
    AddOkCancel(layout);
}

void CRasiDasaDlg::LoadOptions() {
    static_cast<RasiDasaStrengthMembers&>(*this) = LoadRasiDasaStrengths(
        *m_pTables, CoLordRuleOfDasa(m_nDasaCode), m_nVarga, m_pStartSign ? *m_pStartSign : kNoStartSign);
}

void CRasiDasaDlg::SaveOptions() {
    int unusedStart = kNoStartSign;
    SaveRasiDasaStrengths(*this, CoLordRuleOfDasa(m_nDasaCode), m_nVarga, *m_pTables,
                          m_pStartSign ? *m_pStartSign : unusedStart);
}

void CRasiDasaDlg::LoadControls() {
    SelectIndex(m_aquarius, m_nAquarius);
    SelectIndex(m_scorpio, m_nScorpio);
    SelectIndex(m_start, m_nStartSign);
    SelectIndex(m_startException, m_nStartException);
    for (int i = 0; i < 6; ++i) {
        SelectIndex(m_pairs[i], m_nPair[i]);
        SelectIndex(m_pairExceptions[i], m_nPairException[i]);
        m_pairs[i]->setEnabled(m_nDasaCode != kNoPairChoiceDasa);
        m_pairExceptions[i]->setEnabled(m_nDasaCode != kNoPairChoiceDasa);
    }
    m_start->setEnabled(m_nDasaCode != kNoStartChoiceDasa);
    m_startException->setEnabled(m_nDasaCode != kNoStartChoiceDasa);
}

bool CRasiDasaDlg::StoreControls() {
    m_nAquarius = m_aquarius->currentIndex();
    m_nScorpio = m_scorpio->currentIndex();
    m_nStartSign = m_start->currentIndex();
    m_nStartException = m_startException->currentIndex();
    for (int i = 0; i < 6; ++i) {
        m_nPair[i] = m_pairs[i]->currentIndex();
        m_nPairException[i] = m_pairExceptions[i]->currentIndex();
    }
    return true;
}

void CRasiDasaDlg::OnPairChanged(int pair) {
    const int sign = m_pairs[pair]->currentIndex() == 1 ? pair + 6 : pair;
    SelectIndex(m_pairExceptions[pair], m_pTables->m_saturnKetu[m_nVarga][sign]);
}

void CRasiDasaDlg::OnStartChanged() {
    const int start = m_start->currentIndex();
    SelectIndex(m_startException,
                start >= 0 && start < 12 ? m_pTables->m_saturnKetu[m_nVarga][start] : kLastSettingException);
}
