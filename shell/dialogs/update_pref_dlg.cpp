#include "shell/dialogs/update_pref_dlg.h"

#include <QCheckBox>
#include <QLabel>
#include <QVBoxLayout>

CUpdatePrefDlg::CUpdatePrefDlg(QWidget* parent, bool configured)
    : CMemberDialog(parent, "Software Update Preferences"), m_bConfigured(configured) {
    auto* layout = new QVBoxLayout(this);
    const char* const texts[] = {
        "Enable automatic updates. Please note that no private data will be collected from your computer "
        "during an automatic update.",
        "Download test releases also (alpha && beta releases). Uncheck this if you want only stable and "
        "well-tested updates.",
        "Check for an update now.",
    };
    for (int i = 0; i < 3; ++i) {
        m_checks[i] = new QCheckBox(texts[i], this);
        layout->addWidget(m_checks[i]);
    }
    if (!configured) {
        auto* note = new QLabel("Updates are not configured for this build: it names no update server, so "
                                "Kalomithra Hora never checks for a newer release.",
                                this);
        note->setWordWrap(true);
        layout->addWidget(note);
        m_checks[2]->setEnabled(false);
    }
    AddOkCancel(layout);
}

void CUpdatePrefDlg::LoadControls() {
    const int* members[] = {&m_bAutoUpdate, &m_bTestReleases, &m_bCheckNow};
    for (int i = 0; i < 3; ++i) m_checks[i]->setChecked(*members[i] == 1);
    if (!m_bConfigured) m_checks[2]->setChecked(false);
}

bool CUpdatePrefDlg::StoreControls() {
    int* members[] = {&m_bAutoUpdate, &m_bTestReleases, &m_bCheckNow};
    for (int i = 0; i < 3; ++i) *members[i] = m_checks[i]->isChecked() ? 1 : 0;
    return true;
}
