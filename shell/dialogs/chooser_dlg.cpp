#include "shell/dialogs/chooser_dlg.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "core/body_names.h"
#include "core/zodiac_names.h"

CChooserDlg::CChooserDlg(QWidget* parent, const char* title, std::vector<ChooserRow> rows)
    : CMemberDialog(parent, title), m_rows(std::move(rows)) {
    auto* form = new QFormLayout;
    for (const ChooserRow& row : m_rows) {
        auto* combo = new QComboBox(this);
        combo->addItems(row.items);
        form->addRow(new QLabel(row.label, this), combo);
        m_combos.push_back(combo);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

void CChooserDlg::LoadControls() {
    for (size_t i = 0; i < m_rows.size(); ++i) SelectIndex(m_combos[i], *m_rows[i].member);
}

bool CChooserDlg::StoreControls() {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_combos[i]->currentIndex() < 0) {
            RefuseField(m_combos[i], std::string(m_rows[i].label) + ": choose one from the list.");
            return false;
        }
    }
    for (size_t i = 0; i < m_rows.size(); ++i) *m_rows[i].member = m_combos[i]->currentIndex();
    return true;
}

QStringList VargaItems() {
    QStringList items;
    // The plain vargas are the columns before the user-defined D-n.
    for (int code = 0; code < kUserVargaColumn; ++code) items << QString::fromStdString(g_vargaTitles[code]);
    return items;
}

ChooserRow VargaRow(int& varga) {
    return {"Divisional chart", VargaItems(), &varga};
}

QStringList NameItems(const char* const* names, int first, int count) {
    QStringList items;
    for (int i = first; i < first + count; ++i) items << names[i];
    return items;
}

QStringList BodyNameItems(int first, int count) {
    return NameItems(g_pszPlanetNames ? g_pszPlanetNames : g_planetNames, first, count);
}
