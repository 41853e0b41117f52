#pragma once
// Small choosers and entry dialogs: the bodies to show, the pages to print, the chart title, the
// user's address, a user-defined year and the lifecycle of a new chart. Members as their callers
// exchange them; -1 = unset.
#include <array>
#include <string>
#include <vector>

#include "shell/dialogs/option_form_dlg.h"

class QPlainTextEdit;

// "Select the bodies to show": one flag per optional body group, in the order of the group names.
class CSelectBodiesDlg : public COptionFormDlg {
public:
    static constexpr int kGroupCount = 19;
    explicit CSelectBodiesDlg(QWidget* parent);
    std::array<int, kGroupCount> m_bShow{}; // 1 = show the group
};

// "Printing Page Selection": the eleven pages as the bits of the report printer's page mask, and
// black and white printing.
class CPrintPagesDlg : public COptionFormDlg {
public:
    static constexpr int kPageCount = 11;
    explicit CPrintPagesDlg(QWidget* parent);
    int m_nPageMask = 0; // bit i = page i
    int m_bBlackAndWhite = 0;
};

// One line or a few lines of text of at most `maxLength` characters: "Enter the chart title" (20)
// and "Enter your name and address" (200, several lines).
class CTextEntryDlg : public CMemberDialog {
public:
    CTextEntryDlg(QWidget* parent, const char* title, int maxLength, bool multiLine);
    std::string m_strText;
    QWidget* Editor() const;

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    int m_nMaxLength;
    QLineEdit* m_line = nullptr;
    QPlainTextEdit* m_lines = nullptr;
};
class CChartTitleDlg : public CTextEntryDlg {
public:
    explicit CChartTitleDlg(QWidget* parent) : CTextEntryDlg(parent, "Enter the chart title", 20, false) {}
};
class CUserAddressDlg : public CTextEntryDlg {
public:
    explicit CUserAddressDlg(QWidget* parent)
        : CTextEntryDlg(parent, "Enter your name and address", 200, true) {}
};

// "User defined year": a year length in days, 0 to 1,000,000.
class CUserYearDlg : public CMemberDialog {
public:
    explicit CUserYearDlg(QWidget* parent);
    double m_dDays = 0;
    QLineEdit* DaysEdit() const { return m_days; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    QLineEdit* m_days;
};

// "Lifecycle length for casting a new chart": the kind of year, the number of years (0-1000) and,
// for a user-defined year only, its length in days (0-1000).
class CLifecycleDlg : public CMemberDialog {
public:
    static constexpr int kUserDefinedYear = 2;
    explicit CLifecycleDlg(QWidget* parent);
    int m_nYearKind = -1;
    double m_dYears = 0, m_dUserYearDays = 0;

    QComboBox* KindCombo() const { return m_kind; }
    QLineEdit* DaysEdit() const { return m_days; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    void OnKindChanged();
    QComboBox* m_kind;
    QLineEdit *m_years, *m_days;
};

// "Choose the base nakshatra": the default base star of a chakra, or another star chosen from the
// list of 28 (enabled only for that choice). The caller gives the texts, one a line, naming the default
// base and where it is placed.
class CBaseNakshatraDlg : public COptionFormDlg {
public:
    CBaseNakshatraDlg(QWidget* parent, const std::vector<std::string>& texts);
    int m_nChoice = -1; // 0 the default base, 1 the star below
    int m_nStar = -1;   // 0 Aswini .. 20 Uttarashadha, 21 Abhijit, 22 Sravana .. 27 Revati

protected:
    void OnRowChanged() override;
};
