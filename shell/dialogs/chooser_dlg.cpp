#include "shell/dialogs/chooser_dlg.h"

#include <QComboBox>

#include "core/body_names.h"
#include "core/zodiac_names.h"

namespace {

std::vector<OptionRow> WithVargaRow(std::vector<OptionRow> rows, int& varga) {
    rows.push_back(VargaRow(varga));
    return rows;
}

} // namespace

CChooserDlg::CChooserDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows)
    : COptionFormDlg(parent, title, std::move(rows)) {}

QComboBox* CChooserDlg::Combo(int row) const {
    return static_cast<QComboBox*>(Control(row));
}

void CChooserDlg::LoadControls() {
    ValuesFromOptions();
    COptionFormDlg::LoadControls();
}

bool CChooserDlg::StoreControls() {
    for (int row = 0; row < static_cast<int>(m_values.size()); ++row) {
        if (Combo(row)->currentIndex() < 0) {
            RefuseField(Combo(row), std::string(Label(row)) + ": choose one from the list.");
            return false;
        }
    }
    COptionFormDlg::StoreControls();
    ValuesToOptions();
    return true;
}

CVargaChooserDlg::CVargaChooserDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows)
    : CChooserDlg(parent, title, WithVargaRow(std::move(rows), m_nVarga)) {}

ItemList VargaItems() {
    // The plain vargas are the columns before the user-defined D-n; their titles are never rewritten.
    ItemList items;
    for (int code = 0; code < kUserVargaColumn; ++code) items.push_back(g_vargaTitles[code].c_str());
    return items;
}

OptionRow VargaRow(int& varga) {
    return IntOption("Divisional chart", VargaItems(), varga);
}

ItemList NameItems(const char* const* names, int first, int count) {
    return {names + first, names + first + count};
}

ItemList BodyNameItems(int first, int count) {
    return NameItems(ChosenPlanetNames(), first, count);
}

ItemList TextItems(const std::vector<std::string>& texts) {
    ItemList items;
    for (const std::string& text : texts) items.push_back(text.c_str());
    return items;
}
