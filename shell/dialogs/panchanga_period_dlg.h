#pragma once
// "Panchanga period": the first day and the number of days of the panchanga tables, opened by the
// panchanga page on the current chart's date.
#include "shell/dialogs/member_dialog.h"

class CPanchangaPeriodDlg : public CMemberDialog {
public:
    static constexpr int kMinYear = -5399, kMaxYear = 5399;
    static constexpr int kMaxDays = 400;

    explicit CPanchangaPeriodDlg(QWidget* parent);

    int m_nDay = 1;     // day within the month
    int m_nMonth = -1;  // 0 January .. 11 December
    int m_nYear = 2000; // kMinYear..kMaxYear
    int m_nDays = 20;   // 1..kMaxDays

    const DateEdits& Date() const { return m_date; }
    QLineEdit* DaysEdit() const { return m_days; }

protected:
    void LoadControls() override;
    bool StoreControls() override;

private:
    DateEdits m_date;
    QLineEdit* m_days;
};
