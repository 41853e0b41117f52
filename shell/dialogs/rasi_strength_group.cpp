#include "shell/dialogs/rasi_strength_group.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/zodiac_names.h"
#include "shell/dialogs/member_dialog.h"

namespace {

const char* const kPairLabels[6] = {"Stronger of Ar && Li:", "Stronger of Ta && Sc:", "Stronger of Ge && Sg:",
                                    "Stronger of Cn && Cp:", "Stronger of Le && Aq:", "Stronger of Vi &&Pi:"};

QComboBox* ExceptionCombo(QWidget* parent) {
    return MakeCombo(parent, {"No exception", "Saturn exception", "Ketu exception"});
}

} // namespace

CRasiStrengthGroup::CRasiStrengthGroup(QWidget* parent, bool withStartSign,
                                       std::function<int(int sign)> exceptionOfSign)
    : QGroupBox("Strengths", parent), m_exceptionOfSign(std::move(exceptionOfSign)) {
    m_aquarius = MakeCombo(this, {"Saturn", "Rahu"});
    m_scorpio = MakeCombo(this, {"Mars", "Ketu"});
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
    if (withStartSign) {
        m_start = new QComboBox(this);
        for (const char* sign : g_signNames) m_start->addItem(sign);
        m_start->addItem("Use the default");
        m_startException = ExceptionCombo(this);
        m_startException->addItem("Last setting");
        addRow("Start dasas from:", m_start, m_startException);
        connect(m_start, &QComboBox::activated, this, &CRasiStrengthGroup::OnStartChanged);
        grid->addWidget(new QLabel("Does Saturn or Ketu exception apply?", this), row++, 2);
    }
    for (int i = 0; i < 6; ++i) {
        m_pairs[i] = MakeCombo(this, {g_signNames[i], g_signNames[i + 6]});
        m_pairExceptions[i] = ExceptionCombo(this);
        addRow(kPairLabels[i], m_pairs[i], m_pairExceptions[i]);
        connect(m_pairs[i], &QComboBox::activated, this, [this, i] { OnPairChanged(i); });
    }
    auto* inner = new QVBoxLayout(this);
    inner->addLayout(grid);
    auto* note = new QLabel(
        "Strengths are computed again when birth data are edited or the chart is re-opened.", this);
    note->setWordWrap(true);
    inner->addWidget(note);
}

void CRasiStrengthGroup::Show(const RasiDasaStrengthMembers& m) {
    SelectIndex(m_aquarius, m.m_nAquarius);
    SelectIndex(m_scorpio, m.m_nScorpio);
    if (m_start) {
        SelectIndex(m_start, m.m_nStartSign);
        SelectIndex(m_startException, m.m_nStartException);
    }
    for (int i = 0; i < 6; ++i) {
        SelectIndex(m_pairs[i], m.m_nPair[i]);
        SelectIndex(m_pairExceptions[i], m.m_nPairException[i]);
    }
}

void CRasiStrengthGroup::Read(RasiDasaStrengthMembers& m) const {
    m.m_nAquarius = m_aquarius->currentIndex();
    m.m_nScorpio = m_scorpio->currentIndex();
    if (m_start) {
        m.m_nStartSign = m_start->currentIndex();
        m.m_nStartException = m_startException->currentIndex();
    }
    for (int i = 0; i < 6; ++i) {
        m.m_nPair[i] = m_pairs[i]->currentIndex();
        m.m_nPairException[i] = m_pairExceptions[i]->currentIndex();
    }
}

void CRasiStrengthGroup::EnableChoices(bool pairs, bool startSign) {
    if (m_start) {
        m_start->setEnabled(startSign);
        m_startException->setEnabled(startSign);
    }
    for (int i = 0; i < 6; ++i) {
        m_pairs[i]->setEnabled(pairs);
        m_pairExceptions[i]->setEnabled(pairs);
    }
}

void CRasiStrengthGroup::OnPairChanged(int pair) {
    const int sign = m_pairs[pair]->currentIndex() == 1 ? pair + 6 : pair;
    SelectIndex(m_pairExceptions[pair], m_exceptionOfSign(sign));
}

void CRasiStrengthGroup::OnStartChanged() {
    const int start = m_start->currentIndex();
    SelectIndex(m_startException,
                start >= 0 && start < 12 ? m_exceptionOfSign(start) : kLastSettingException);
}
