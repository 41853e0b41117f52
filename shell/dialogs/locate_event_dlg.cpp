#include "shell/dialogs/locate_event_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

CLocateEventDlg::CLocateEventDlg(QWidget* parent)
    : CChangeDateTimeDlg(parent, "Locate an event"),
      m_level(
          MakeCombo(this, {"Mahadasa (MD)", "Antardasa (AD)", "Pratyantardasa (PD)",
                           "Sookshma-antardasa (SD)", "Praana-antardasa (PAD)", "Deha-antardasa (DAD)"})) {
    auto* form = new QFormLayout;
    form->addRow("Find the dasas running down to:", m_level);
    static_cast<QVBoxLayout*>(layout())->insertLayout(1, form);
}

void CLocateEventDlg::LoadControls() {
    CChangeDateTimeDlg::LoadControls();
    SelectIndex(m_level, m_nLevel);
}

bool CLocateEventDlg::StoreControls() {
    if (!CChangeDateTimeDlg::StoreControls()) return false;
    m_nLevel = m_level->currentIndex();
    return true;
}
