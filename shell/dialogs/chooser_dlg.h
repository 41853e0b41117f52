#pragma once
// The chooser dialogs: a column of lists, each bound (IntOption) to one int member of the dialog that
// holds the index of the chosen item (-1 = unset, shown as no selection). The caller sets the
// members, runs DoModal and on OK reads them; OK with a list left empty is refused, so an accepted
// chooser always returns indices inside its lists.
#include <string>
#include <vector>

#include "shell/dialogs/option_form_dlg.h"

class CChooserDlg : public COptionFormDlg {
public:
    // `rows` hold lists only.
    CChooserDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows);

    QComboBox* Combo(int row) const;

protected:
    void LoadControls() override;
    bool StoreControls() override;
};

// A chooser of one thing in a divisional chart: its own lists, then "Divisional chart" bound to
// m_nVarga (varga code 0-22).
class CVargaChooserDlg : public CChooserDlg {
public:
    int m_nVarga = -1;

protected:
    CVargaChooserDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows);
};

// The lists' items, as option rows hold them.
using ItemList = std::vector<const char*>;
// The divisional charts a chooser offers, by varga code 0-22: "Rasi", "Navamsa", "D-2" ... "D-144".
ItemList VargaItems();
// The list "Divisional chart" over those items, bound to `varga`.
OptionRow VargaRow(int& varga);
// `count` names of `names` from index `first` on.
ItemList NameItems(const char* const* names, int first, int count);
// Body names `first`..`first + count - 1` in the language the user chose for planet names.
ItemList BodyNameItems(int first, int count);
// Items of texts made at run time; the texts must outlive the dialog (keep them in a static).
ItemList TextItems(const std::vector<std::string>& texts);
