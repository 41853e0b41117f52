#pragma once
// The option dialogs that are a column of choices: each row a combo box (its selected index is the
// option's value) or a check box, bound to one option global. The members are one value per row,
// -1 = unset; the run copies the options in and, on OK, back.
#include <functional>
#include <vector>

#include "shell/dialogs/member_dialog.h"

class QCheckBox;

// One row: a combo of `items` labelled `label`, or with no items a check box with the text `label`.
struct OptionRow {
    const char* label;
    std::vector<const char*> items;
    std::function<int()> get;
    std::function<void(int)> set;
};
OptionRow IntOption(const char* label, std::vector<const char*> items, int& option);
OptionRow FlagOption(const char* label, std::vector<const char*> items, bool& option);
OptionRow CheckOption(const char* label, bool& option);
OptionRow IntCheckOption(const char* label, int& option); // an int option holding 0 or 1

class COptionFormDlg : public CMemberDialog {
public:
    COptionFormDlg(QWidget* parent, const char* title, std::vector<OptionRow> rows);

    std::vector<int> m_values; // one per row; -1 = unset

    // The combo box or check box of row `row`.
    QWidget* Control(int row) const { return m_controls[row]; }
    const char* Label(int row) const { return m_rows[row].label; }
    // The options copied in, the run, and on OK the options copied back; true on OK.
    bool RunAndStore();

protected:
    void LoadControls() override;
    bool StoreControls() override;
    // The rows' options into the values, and the values (those set) back into the options.
    void ValuesFromOptions();
    void ValuesToOptions();
    // Runs after the controls are loaded and whenever the user changes one: a form whose rows depend
    // on each other enables them here.
    virtual void OnRowChanged() {}

private:
    std::vector<OptionRow> m_rows;
    std::vector<QWidget*> m_controls;
};

// Runs a form made with only its parent: options in, the run, and on OK the options back.
template <class Form> bool RunForm(QWidget* parent) {
    Form form(parent);
    return form.RunAndStore();
}
