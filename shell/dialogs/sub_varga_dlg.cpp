#include "shell/dialogs/sub_varga_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QVBoxLayout>

#include "core/zodiac_names.h"

namespace {

constexpr int kOuterVargas = 23; // the ordinary vargas, rasi .. D-144
constexpr int kInnerVargas = 20; // rasi .. D-60

QComboBox* MakeVargaCombo(QWidget* parent, int count) {
    auto* combo = new QComboBox(parent);
    for (int column = 0; column < count; ++column)
        combo->addItem(QString::fromStdString(g_vargaNames[column] + " (" + g_strVargaLabels[column] + ")"));
    return combo;
}

} // namespace

CSubVargaDlg::CSubVargaDlg(QWidget* parent)
    : CMemberDialog(parent, "Choose sub-divisional chart D-mxn (i.e. D-n of D-m)") {
    m_outer = MakeVargaCombo(this, kOuterVargas);
    m_inner = MakeVargaCombo(this, kInnerVargas);
    auto* form = new QFormLayout;
    form->addRow("Divisional chart D-m", m_outer);
    form->addRow("Its divisional chart D-n", m_inner);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CSubVargaDlg::LoadControls() {
    SelectIndex(m_outer, m_nOuterVarga);
    SelectIndex(m_inner, m_nInnerVarga);
}

bool CSubVargaDlg::StoreControls() {
    if (m_outer->currentIndex() < 0) {
        RefuseField(m_outer, "Divisional chart D-m: choose one of the list.");
        return false;
    }
    if (m_inner->currentIndex() < 0) {
        RefuseField(m_inner, "Its divisional chart D-n: choose one of the list.");
        return false;
    }
    m_nOuterVarga = m_outer->currentIndex();
    m_nInnerVarga = m_inner->currentIndex();
    return true;
}
