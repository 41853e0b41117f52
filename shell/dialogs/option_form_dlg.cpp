#include "shell/dialogs/option_form_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

OptionRow IntOption(const char* label, std::vector<const char*> items, int& option) {
    return {label, std::move(items), [&option] { return option; }, [&option](int v) { option = v; }};
}

OptionRow FlagOption(const char* label, std::vector<const char*> items, bool& option) {
    return {label, std::move(items), [&option] { return option ? 1 : 0; },
            [&option](int v) { option = v != 0; }};
}

OptionRow CheckOption(const char* label, bool& option) {
    return FlagOption(label, {}, option);
}

OptionRow IntCheckOption(const char* label, int& option) {
    return IntOption(label, {}, option);
}

COptionFormDlg::COptionFormDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows)
    : CMemberDialog(parent, title), m_values(rows.size(), -1), m_rows(std::move(rows)) {
    auto* form = new QFormLayout;
    for (const OptionRow& row : m_rows) {
        if (row.items.empty()) {
            auto* check = new QCheckBox(row.label, this);
            connect(check, &QCheckBox::toggled, this, [this] { OnRowChanged(); });
            form->addRow(check);
            m_controls.push_back(check);
            continue;
        }
        auto* combo = new QComboBox(this);
        for (const char* item : row.items) combo->addItem(item);
        connect(combo, &QComboBox::currentIndexChanged, this, [this] { OnRowChanged(); });
        form->addRow(new QLabel(row.label, this), combo);
        m_controls.push_back(combo);
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    AddOkCancel(layout);
}

bool COptionFormDlg::RunAndStore() {
    ValuesFromOptions();
    if (!DoModal()) return false;
    ValuesToOptions();
    return true;
}

void COptionFormDlg::ValuesFromOptions() {
    for (size_t i = 0; i < m_rows.size(); ++i) m_values[i] = m_rows[i].get();
}

void COptionFormDlg::ValuesToOptions() {
    for (size_t i = 0; i < m_rows.size(); ++i)
        if (m_values[i] >= 0) m_rows[i].set(m_values[i]);
}

void COptionFormDlg::LoadControls() {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (auto* check = qobject_cast<QCheckBox*>(m_controls[i]))
            check->setChecked(m_values[i] == 1);
        else
            SelectIndex(static_cast<QComboBox*>(m_controls[i]), m_values[i]);
    }
    OnRowChanged();
}

bool COptionFormDlg::StoreControls() {
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (auto* check = qobject_cast<QCheckBox*>(m_controls[i]))
            m_values[i] = check->isChecked() ? 1 : 0;
        else
            m_values[i] = static_cast<QComboBox*>(m_controls[i])->currentIndex();
    }
    return true;
}
