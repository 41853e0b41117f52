#include "shell/dialogs/rasi_dasa_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/calc_options.h"
#include "core/zodiac_names.h"

namespace {

constexpr int kNoPairChoiceDasa = 40;  // its pairs and their exceptions do not apply
constexpr int kNoStartChoiceDasa = 29; // its start sign does not apply
constexpr int kListedVargas = 23;      // D-1 to D-144

} // namespace

CRasiDasaDlg::CRasiDasaDlg(QWidget* parent) : CRasiDasaDlg(parent, RasiDasaDlgKind{"Rasi dasa options"}) {}

CRasiDasaDlg::CRasiDasaDlg(QWidget* parent, RasiDasaDlgKind kind)
    : CMemberDialog(parent, kind.title), m_kind(std::move(kind)) {
    auto* layout = new QVBoxLayout(this);
    auto* ownChoices = new QFormLayout;
    if (m_kind.vargaChoice) {
        m_varga = new QComboBox(this);
        for (int v = 0; v < kListedVargas; ++v)
            if (!(m_kind.vargaListWithoutD81 && v == kD81Column))
                m_varga->addItem(QString::fromStdString(g_vargaNames[v]));
        ownChoices->addRow(m_kind.vargaLabel, m_varga);
        connect(m_varga, &QComboBox::activated, this, &CRasiDasaDlg::OnVargaChanged);
    }
    if (m_kind.ownLabel) {
        m_own = new QComboBox(this);
        for (const char* item : m_kind.ownItems) m_own->addItem(item);
        ownChoices->addRow(m_kind.ownLabel, m_own);
    }
    layout->addLayout(ownChoices);
    m_strengths = new CRasiStrengthGroup(
        this, m_kind.hasStartSign, [this](int sign) { return m_pTables->m_saturnKetu[m_nVarga][sign]; });
    layout->addWidget(m_strengths);
    AddOkCancel(layout);
}

int CRasiDasaDlg::VargaOfListIndex(int index) const {
    return m_kind.vargaListWithoutD81 && index >= kD81Column ? index + 1 : index;
}

int CRasiDasaDlg::ListIndexOfVarga(int varga) const {
    return m_kind.vargaListWithoutD81 && varga > kD81Column ? varga - 1 : varga;
}

void CRasiDasaDlg::OnVargaChanged() {
    // The settings of the new column, without saving those of the old one.
    m_nVarga = VargaOfListIndex(m_varga->currentIndex());
    *m_kind.vargaChoice = m_nVarga;
    LoadOptions();
    LoadControls();
}

void CRasiDasaDlg::LoadOptions() {
    if (m_kind.vargaChoice) m_nVarga = *m_kind.vargaChoice;
    if (m_kind.startSlot) m_pStartSign = m_kind.startSlot(*m_pTables, m_nVarga);
    if (m_kind.getOwn) m_nOwnChoice = m_kind.getOwn();
    static_cast<RasiDasaStrengthMembers&>(*this) = LoadRasiDasaStrengths(
        *m_pTables, CoLordRuleOfDasa(m_nDasaCode), m_nVarga, m_pStartSign ? *m_pStartSign : kNoStartSign);
}

void CRasiDasaDlg::SaveOptions() {
    int unusedStart = kNoStartSign;
    SaveRasiDasaStrengths(*this, CoLordRuleOfDasa(m_nDasaCode), m_nVarga, *m_pTables,
                          m_pStartSign ? *m_pStartSign : unusedStart);
    if (m_kind.vargaChoice) *m_kind.vargaChoice = m_nVarga;
    if (m_kind.setOwn && m_nOwnChoice >= 0) m_kind.setOwn(m_nOwnChoice);
}

void CRasiDasaDlg::LoadControls() {
    if (m_varga) SelectIndex(m_varga, ListIndexOfVarga(m_nVarga));
    if (m_own) SelectIndex(m_own, m_nOwnChoice);
    m_strengths->Show(*this);
    m_strengths->EnableChoices(m_nDasaCode != kNoPairChoiceDasa, m_nDasaCode != kNoStartChoiceDasa);
}

bool CRasiDasaDlg::StoreControls() {
    if (m_own) m_nOwnChoice = m_own->currentIndex();
    m_strengths->Read(*this);
    return true;
}

namespace {

RasiDasaDlgKind OwnVargaKind(const char* title, const char* vargaLabel, int& vargaChoice,
                             std::array<int, kVargaColumnCount> CSignLordTables::*starts,
                             bool withoutD81 = false) {
    RasiDasaDlgKind kind{title};
    kind.vargaChoice = &vargaChoice;
    kind.vargaLabel = vargaLabel;
    kind.vargaListWithoutD81 = withoutD81;
    kind.startSlot = [starts](CSignLordTables& tables, int v) { return &(tables.*starts)[v]; };
    return kind;
}

RasiDasaDlgKind SudasaKind() {
    RasiDasaDlgKind kind{"Sudasa options"};
    kind.startSlot = [](CSignLordTables& tables, int) { return &tables.m_nSudasaStart; };
    kind.ownLabel = "How to calculate antardasas in Sudasa:";
    kind.ownItems = {"Like in Narayana dasa", "Quadrants from the dasa sign (odd/even forward/backward)",
                     "Regular sequence from the dasa sign (odd/even forward/backward)",
                     "Quadrants from the stronger of the dasa sign and the 7th",
                     "Regular sequence from the stronger of the dasa sign and the 7th"};
    kind.getOwn = [] { return g_nSudasaADOption; };
    kind.setOwn = [](int v) { g_nSudasaADOption = v; };
    return kind;
}

RasiDasaDlgKind DrigDasaKind() {
    RasiDasaDlgKind kind{"Drigdasa options"};
    kind.hasStartSign = false;
    kind.ownLabel = "Which version of drigdasa to use";
    kind.ownItems = {"Drigdasa taught by Parasara", "Drigdasa taught by NVC teachers in 1998-2007"};
    kind.getOwn = [] { return g_bDrigdasaOfParasara ? 0 : 1; };
    kind.setOwn = [](int v) { g_bDrigdasaOfParasara = v == 0; };
    return kind;
}

} // namespace

CNarayanaDasaDlg::CNarayanaDasaDlg(QWidget* parent)
    : CRasiDasaDlg(parent, OwnVargaKind("Narayana dasa options", "Narayana dasa of which D-n:",
                                        g_nNarayanaDasaChart, &CSignLordTables::m_narayanaStart)) {}
CLagnamsakaDasaDlg::CLagnamsakaDasaDlg(QWidget* parent)
    : CRasiDasaDlg(parent, OwnVargaKind("Lagnamsaka dasa options", "Lagnamsaka dasa of which D-n:",
                                        g_nLagnamsakaDasaChart, &CSignLordTables::m_lagnamsakaStart, true)) {}
CPadanaathaamsaDasaDlg::CPadanaathaamsaDasaDlg(QWidget* parent)
    : CRasiDasaDlg(parent, OwnVargaKind("Padanaathaamsa dasa options", "Padanaathaamsa dasa of which D-n:",
                                        g_nPadanathamsaDasaChart, &CSignLordTables::m_padanaathaamsaStart)) {}
CParyayaDasaDlg::CParyayaDasaDlg(QWidget* parent)
    : CRasiDasaDlg(parent, OwnVargaKind("Paryaya dasa options", "Paryaya dasa of which D-n:",
                                        g_nParyaayaDasaChart, &CSignLordTables::m_paryayaStart)) {}
CSudasaDlg::CSudasaDlg(QWidget* parent) : CRasiDasaDlg(parent, SudasaKind()) {}
CDrigDasaDlg::CDrigDasaDlg(QWidget* parent) : CRasiDasaDlg(parent, DrigDasaKind()) {}
