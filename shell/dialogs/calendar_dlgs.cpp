#include "shell/dialogs/calendar_dlgs.h"

#include <string>

#include "core/calc_options.h"
#include "core/calendar_names.h"
#include "core/zodiac_names.h"

namespace {

// "Aries (Vaisakha)" ... "Pisces (Chaitra)": the sign the Sun stands in and the lunar month it names.
std::vector<const char*> FirstMonthItems() {
    static const std::vector<std::string> texts = [] {
        std::vector<std::string> items;
        for (int sign = 0; sign < kSignCount; ++sign)
            items.push_back(std::string(g_signNames[sign]) + " (" + g_lunarMonthNames[sign] + ")");
        return items;
    }();
    std::vector<const char*> items;
    for (const std::string& text : texts) items.push_back(text.c_str());
    return items;
}

const std::vector<const char*> kSignKinds = {"Sidereal signs", "Tropical signs"};

} // namespace

void LunarCalendarMembers::FromOptions(int lunarYrDef, int lunarYrSign) {
    m_nMonthKind = lunarYrDef / 2;
    m_nSignKind = lunarYrDef == 1 || lunarYrDef == 3 || lunarYrDef == 5 ? 1 : 0;
    m_nFirstMonth = lunarYrSign;
}

CLunarCalendarDlg::CLunarCalendarDlg(QWidget* parent)
    : COptionFormDlg(parent, "Lunar Calendar Options",
                     {IntOption("Months",
                                {"Suklanta: from full moon to full moon", "Amanta: from new moon to new moon",
                                 "Solar: from the Sun's sign change"},
                                m_nMonthKind),
                      IntOption("Signs", kSignKinds, m_nSignKind),
                      IntOption("First month of the year", FirstMonthItems(), m_nFirstMonth)}) {}

bool CLunarCalendarDlg::RunOnOptions() {
    FromOptions(g_nLunarYrDef, g_nLunarYrSign);
    if (!RunAndStore()) return false;
    g_nLunarYrSign = m_nFirstMonth;
    g_nLunarYrDef = LunarYrDef();
    return true;
}

CSolarCalendarDlg::CSolarCalendarDlg(QWidget* parent)
    : COptionFormDlg(
          parent, "Solar Calendar Options",
          {IntOption("First sign of the year", {g_signNames, g_signNames + kSignCount}, g_nSolarYrSign),
           FlagOption("Signs", kSignKinds, g_bSolarYrTrop)}) {}
