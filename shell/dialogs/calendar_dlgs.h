#pragma once
// The calendar options of the panchanga and the mundane charts.
//
// "Lunar Calendar Options": LunarYrDef (0-5) packs two choices, month kind x 2 + sign kind, where the
// month kind is 0 Suklanta (full moon to full moon), 1 Amanta (new moon to new moon), 2 solar (from
// the Sun's sign change) and the sign kind 0 sidereal, 1 tropical; LunarYrSign is the sign (0 Aries ..
// 11 Pisces) whose lunar month begins the year.
// "Solar Calendar Options": SolarYrSign, the sign whose entry begins the year, and SolarYrTrop.
#include "shell/dialogs/option_form_dlg.h"

// The lunar calendar dialog's members, apart from the dialog so that they exist before its rows.
struct LunarCalendarMembers {
    int m_nMonthKind = -1;  // 0 Suklanta, 1 Amanta, 2 solar
    int m_nSignKind = -1;   // 0 sidereal, 1 tropical
    int m_nFirstMonth = -1; // 0 Aries (Vaisakha) .. 11 Pisces (Chaitra)

    // From LunarYrDef and LunarYrSign; a LunarYrDef that is odd means tropical signs.
    void FromOptions(int lunarYrDef, int lunarYrSign);
    // LunarYrDef as month kind x 2 + sign kind.
    int LunarYrDef() const { return m_nMonthKind * 2 + m_nSignKind; }
};

class CLunarCalendarDlg : public LunarCalendarMembers, public COptionFormDlg {
public:
    explicit CLunarCalendarDlg(QWidget* parent);
    // The members from g_nLunarYrDef and g_nLunarYrSign, the run, and on OK the two options from the
    // members; true on OK.
    bool RunOnOptions();
};

class CSolarCalendarDlg : public COptionFormDlg {
public:
    explicit CSolarCalendarDlg(QWidget* parent);
};
