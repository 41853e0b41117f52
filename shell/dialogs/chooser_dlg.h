#pragma once
// The chooser dialogs: a column of lists, each bound to one int member of the dialog that holds the
// index of the chosen item (-1 = unset, shown as no selection). The caller sets the members, runs
// DoModal and on OK reads them; OK with a list left empty is refused, so an accepted chooser always
// returns indices inside its lists.
#include <QStringList>
#include <vector>

#include "shell/dialogs/member_dialog.h"

// One list: its label, its items in index order and the member holding the chosen index.
struct ChooserRow {
    const char* label;
    QStringList items;
    int* member;
};

class CChooserDlg : public CMemberDialog {
public:
    CChooserDlg(QWidget* parent, const char* title, std::vector<ChooserRow> rows);

    QComboBox* Combo(int row) const { return m_combos[row]; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    std::vector<ChooserRow> m_rows;
    std::vector<QComboBox*> m_combos;
};

// The divisional charts a chooser offers, by varga code 0-22: "Rasi", "Navamsa", "D-2" ... "D-144".
QStringList VargaItems();
// The list "Divisional chart" over those items, bound to `varga`.
ChooserRow VargaRow(int& varga);
// `count` names of `names` from index `first` on.
QStringList NameItems(const char* const* names, int first, int count);
// Body names `first`..`first + count - 1` in the language the user chose for planet names.
QStringList BodyNameItems(int first, int count);
