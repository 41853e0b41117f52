#include "shell/dialogs/dasa_seed_year_dlgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/body_names.h"
#include "core/calendar_names.h"
#include "shell/dialogs/nakshatra_dasa_dlg.h"

namespace {
constexpr int kLastPlanet = 9; // Ketu

// Bodies first .. Ketu by name.
QComboBox* MakeBodyCombo(QWidget* parent, int first) {
    auto* combo = new QComboBox(parent);
    for (int body = first; body <= kLastPlanet; ++body) combo->addItem(g_planetNames[body]);
    return combo;
}

QVBoxLayout* FormDialogLayout(QWidget* dialog, QFormLayout* form) {
    auto* layout = new QVBoxLayout(dialog);
    layout->addLayout(form);
    return layout;
}
} // namespace

CDasaSeedDlg::CDasaSeedDlg(QWidget* parent)
    : CMemberDialog(parent, "Choose the dasa seed"), m_seed(MakeBodyCombo(this, 0)) {
    auto* form = new QFormLayout;
    form->addRow("Start the dasa from:", m_seed);
    AddOkCancel(FormDialogLayout(this, form));
}

void CDasaSeedDlg::LoadControls() {
    SelectIndex(m_seed, m_nSeed);
}

bool CDasaSeedDlg::StoreControls() {
    m_nSeed = m_seed->currentIndex();
    return true;
}

CDasaScopeDlg::CDasaScopeDlg(QWidget* parent, const char* title, const char* first, const char* second,
                             const char* scopeLabel)
    : CMemberDialog(parent, title), m_first(new QCheckBox(first, this)),
      m_second(new QCheckBox(second, this)), m_scope(new QComboBox(this)) {
    auto* form = new QFormLayout;
    form->addRow(m_first);
    form->addRow(m_second);
    form->addRow(scopeLabel, m_scope);
    AddOkCancel(FormDialogLayout(this, form));
}

void CDasaScopeDlg::LoadControls() {
    m_scope->clear();
    m_scope->addItem("The current dasa");
    m_scope->addItem(QString::fromStdString(m_strWiderScope));
    m_first->setChecked(m_bFirst == 1);
    m_second->setChecked(m_bSecond == 1);
    SelectIndex(m_scope, m_nScope);
}

bool CDasaScopeDlg::StoreControls() {
    m_bFirst = m_first->isChecked() ? 1 : 0;
    m_bSecond = m_second->isChecked() ? 1 : 0;
    m_nScope = m_scope->currentIndex();
    return true;
}

CTajakaDasaSeedDlg::CTajakaDasaSeedDlg(QWidget* parent)
    : CDasaScopeDlg(
          parent, "Dasa Seed Settings for Tajaka", "Use dasa seed (nakshatra/lagna) from natal chart",
          "Progress dasa seed of natal chart by one nakshatra/rasi per year", "Apply these settings to") {}

CDasaYearDlg::CDasaYearDlg(QWidget* parent)
    : CDasaScopeDlg(parent, "Dasa year preference",
                    "Use a tithi based year in compressed dasas of Tithi Pravesha and lunar mundane charts",
                    "Use a solar longitude based year in compressed dasas of Tajaka and solar mundane charts",
                    "Apply the selected dasa year preference to") {}

CTithiDasaSeedDlg::CTithiDasaSeedDlg(QWidget* parent)
    : CMemberDialog(parent, "Tithi dasa seed"), m_tithi(new QComboBox(this)), m_bodyA(MakeBodyCombo(this, 1)),
      m_bodyB(MakeBodyCombo(this, 1)), m_varga(MakeVargaCombo(this)) {
    for (const char* tithi : g_specialTithiNames) m_tithi->addItem(tithi);
    auto* form = new QFormLayout;
    form->addRow("Tithi used as the seed:", m_tithi);
    form->addRow("Angle from:", m_bodyA);
    form->addRow("to:", m_bodyB);
    form->addRow("Divisional chart:", m_varga);
    AddOkCancel(FormDialogLayout(this, form));
}

void CTithiDasaSeedDlg::LoadControls() {
    SelectIndex(m_tithi, m_nTithi);
    SelectIndex(m_bodyA, m_nBodyA);
    SelectIndex(m_bodyB, m_nBodyB);
    SelectIndex(m_varga, m_nVarga);
    m_bodyA->setEnabled(m_bBodiesEnabled);
    m_bodyB->setEnabled(m_bBodiesEnabled);
}

bool CTithiDasaSeedDlg::StoreControls() {
    m_nTithi = m_tithi->currentIndex();
    m_nBodyA = m_bodyA->currentIndex();
    m_nBodyB = m_bodyB->currentIndex();
    m_nVarga = m_varga->currentIndex();
    return true;
}
