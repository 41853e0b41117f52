#include "shell/dialogs/aspect_options_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "core/calc_options.h"
#include "shell/dialogs/chooser_dlg.h"

CAspectOptionsDlg::CAspectOptionsDlg(QWidget* parent)
    : CMemberDialog(parent, "Planetary Aspect Evaluation Options") {
    auto* layout = new QVBoxLayout(this);
    m_aspected = MakeGroup("Aspected Positions", layout);
    m_aspecting = MakeGroup("Aspecting Planets", layout);
    AddOkCancel(layout);
}

CAspectOptionsDlg::Group CAspectOptionsDlg::MakeGroup(const char* title, QBoxLayout* layout) {
    auto* box = new QGroupBox(title, this);
    auto* column = new QVBoxLayout(box);
    Group group{new QCheckBox("Force natal chart even when displaying Tajaka/TP/Transit etc", box),
                new QComboBox(box)};
    for (const char* item : VargaItems()) group.varga->addItem(item);
    column->addWidget(group.forceNatal);
    column->addWidget(new QLabel("Choose the divisional chart to be used for positions", box));
    column->addWidget(group.varga);
    layout->addWidget(box);
    return group;
}

bool CAspectOptionsDlg::RunAndStore() {
    m_bAspectedForceNatal = g_bAspectedForceNatal ? 1 : 0;
    m_nAspectedVarga = g_nAspectedVarga;
    m_bAspectingForceNatal = g_bAspectingForceNatal ? 1 : 0;
    m_nAspectingVarga = g_nAspectingVarga;
    if (!DoModal()) return false;
    g_bAspectedForceNatal = m_bAspectedForceNatal == 1;
    g_bAspectingForceNatal = m_bAspectingForceNatal == 1;
    if (m_nAspectedVarga >= 0) g_nAspectedVarga = m_nAspectedVarga;
    if (m_nAspectingVarga >= 0) g_nAspectingVarga = m_nAspectingVarga;
    return true;
}

void CAspectOptionsDlg::LoadControls() {
    m_aspected.forceNatal->setChecked(m_bAspectedForceNatal == 1);
    SelectIndex(m_aspected.varga, m_nAspectedVarga);
    m_aspecting.forceNatal->setChecked(m_bAspectingForceNatal == 1);
    SelectIndex(m_aspecting.varga, m_nAspectingVarga);
}

bool CAspectOptionsDlg::StoreControls() {
    m_bAspectedForceNatal = m_aspected.forceNatal->isChecked() ? 1 : 0;
    m_nAspectedVarga = m_aspected.varga->currentIndex();
    m_bAspectingForceNatal = m_aspecting.forceNatal->isChecked() ? 1 : 0;
    m_nAspectingVarga = m_aspecting.varga->currentIndex();
    return true;
}
