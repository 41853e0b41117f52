#include "shell/dialogs/select_varga_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/zodiac_names.h"

namespace {
// Short titles of columns 0-22, fixed whatever variant the user chose.
const char* const kVargaTitles[kChoosableVargaCount] = {
    "Rasi", "Navamsa", "D-2",  "D-3",  "D-4",  "D-5",  "D-6",  "D-7",  "D-8",  "D-10",  "D-11", "D-12",
    "D-16", "D-20",    "D-24", "D-27", "D-30", "D-40", "D-45", "D-60", "D-81", "D-108", "D-144"};
} // namespace

QComboBox* MakeVargaCombo(QWidget* parent, bool fullNames) {
    auto* combo = new QComboBox(parent);
    for (int column = 0; column < kChoosableVargaCount; ++column)
        combo->addItem(fullNames ? QString::fromStdString(g_vargaNames[column]) : kVargaTitles[column]);
    return combo;
}

CVargaChoiceDlg::CVargaChoiceDlg(QWidget* parent, const char* title, bool fullNames)
    : CMemberDialog(parent, title), m_varga(MakeVargaCombo(this, fullNames)) {
    auto* form = new QFormLayout;
    form->addRow("Divisional chart", m_varga);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CVargaChoiceDlg::LoadControls() {
    SelectIndex(m_varga, m_nVarga);
}

bool CVargaChoiceDlg::StoreControls() {
    m_nVarga = m_varga->currentIndex();
    return true;
}
