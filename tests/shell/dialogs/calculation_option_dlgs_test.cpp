// The option dialogs of the Preferences menu over their option globals: OK copies the choice back
// (through the row's conversion where the dialog shows another form), Cancel leaves every option.
#include "shell/dialogs/calculation_option_dlgs.h"

#include <QCheckBox>
#include <QComboBox>

#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "dialog_test_support.h"
#include "shell/dialogs/bhava_chalit_ref_dlg.h"
#include "shell/dialogs/calendar_dlgs.h"
#include "shell/dialogs/font_size_dlg.h"
#include "shell/display_options.h"

namespace {

// Row `row` of the form set to `value`: a combo's index, or a check box on (1) or off (0).
void SetRow(COptionFormDlg& dialog, int row, int value) {
    if (auto* check = qobject_cast<QCheckBox*>(dialog.Control(row)))
        check->setChecked(value == 1);
    else
        static_cast<QComboBox*>(dialog.Control(row))->setCurrentIndex(value);
}

int ShownRow(COptionFormDlg& dialog, int row) {
    if (auto* check = qobject_cast<QCheckBox*>(dialog.Control(row))) return check->isChecked() ? 1 : 0;
    return static_cast<QComboBox*>(dialog.Control(row))->currentIndex();
}

template <class Form> std::unique_ptr<COptionFormDlg> Make() {
    return std::make_unique<Form>(nullptr);
}

struct FormCase {
    const char* name;
    std::function<std::unique_ptr<COptionFormDlg>()> make;
    std::function<void()> setUp; // the options before the run
    int row;
    int shown; // what the row shows for them
    int chosen;
    std::function<int()> stored; // the option the row writes, as a number
    int expected;                // its value after OK
};

const FormCase kForms[] = {
    {"sunrise", Make<CSunriseDlg>, [] { g_nSunriseDefinition = 0; }, 0, 0, 2,
     [] { return g_nSunriseDefinition; }, 2},
    {"continuous special lagnas", Make<CSunriseDlg>, [] { g_bContinuousSpecialLagnas = false; }, 1, 0, 1,
     [] { return int(g_bContinuousSpecialLagnas); }, 1},
    // The mahakala hora's day is shown one lower than WeekdayDefinitionKaala holds it.
    {"mahakala hora", Make<CHoraOptionsDlg>, [] { g_nWeekdayDefinitionKaala = 1; }, 1, 0, 1,
     [] { return g_nWeekdayDefinitionKaala; }, 2},
    {"kaala division", Make<CHoraOptionsDlg>, [] { g_bKaalaInDayNightSeparate = true; }, 2, 1, 0,
     [] { return int(g_bKaalaInDayNightSeparate); }, 0},
    // "Reverse the meaning" is the inverse of AshtakaVargaDefinition.
    {"ashtakavarga references", Make<CAshtakavargaPrefDlg>, [] { g_bAshtakaVargaDefinition = true; }, 6, 0, 1,
     [] { return int(g_bAshtakaVargaDefinition); }, 0},
    {"disputed bindu", Make<CAshtakavargaPrefDlg>, [] { g_abAshtakaVargaCalculation[5] = true; }, 5, 1, 0,
     [] { return int(g_abAshtakaVargaCalculation[5]); }, 0},
    // A reference past Ketu shows as the Bhava Lagna and is stored as body 13.
    {"arudha reference kept", Make<CArudhaPadaDlg>, [] { g_nArudhaBasePlanet = 13; }, 5, 10, 10,
     [] { return g_nArudhaBasePlanet; }, 13},
    {"arudha reference to Bhava Lagna", Make<CArudhaPadaDlg>, [] { g_nArudhaBasePlanet = 2; }, 5, 2, 10,
     [] { return g_nArudhaBasePlanet; }, 13},
    {"arudha reference to Mars", Make<CArudhaPadaDlg>, [] { g_nArudhaBasePlanet = 11; }, 5, 10, 3,
     [] { return g_nArudhaBasePlanet; }, 3},
    {"graha arudha exceptions", Make<CArudhaPadaDlg>, [] { g_bExceptionsInGrahaArudhas = true; }, 4, 1, 0,
     [] { return int(g_bExceptionsInGrahaArudhas); }, 0},
    {"vaiseshikamsa special case", Make<CVaiseshikamsaPrefDlg>, [] { g_nSwarudhaInAmsaBala = 0; }, 12, 0, 5,
     [] { return g_nSwarudhaInAmsaBala; }, 5},
    {"vaiseshikamsa sayanadi", Make<CVaiseshikamsaPrefDlg>, [] { g_bSayanadiBadInAmsaBala = true; }, 9, 1, 0,
     [] { return int(g_bSayanadiBadInAmsaBala); }, 0},
    {"chara karakas", Make<CCharaKarakaDlg>, [] { g_nCharaKarakaDefinition = 0; }, 0, 0, 3,
     [] { return g_nCharaKarakaDefinition; }, 3},
    {"mrityu bhaga region", Make<CMrityuBhagaDlg>, [] { g_nMBLocationPreference = 2; }, 1, 2, 0,
     [] { return g_nMBLocationPreference; }, 0},
    {"pushkara bhaga", Make<CPushkaraBhagaDlg>, [] { g_bPushkaraBhagaJP = true; }, 0, 1, 0,
     [] { return int(g_bPushkaraBhagaJP); }, 0},
    {"node exaltation", Make<CNodeExaltationDlg>, [] { g_bNodalExaltationParasara = false; }, 0, 0, 1,
     [] { return int(g_bNodalExaltationParasara); }, 1},
    {"siddhanta", Make<CSiddhantaDlg>, [] { g_nSiddhanta = 0; }, 0, 0, 1, [] { return g_nSiddhanta; }, 1},
    {"tajaka year", Make<CTajakaOptionsDlg>, [] { g_bTropicalTajaka = false; }, 1, 0, 1,
     [] { return int(g_bTropicalTajaka); }, 1},
    {"muntha rule", Make<CTajakaOptionsDlg>, [] { g_nMunthaPreference = 1; }, 2, 1, 2,
     [] { return g_nMunthaPreference; }, 2},
    {"tithi pravesha months", Make<CTithiPraveshaDlg>, [] { g_bSolarMonthUsedInTP = true; }, 0, 1, 0,
     [] { return int(g_bSolarMonthUsedInTP); }, 0},
    {"solar calendar signs", Make<CSolarCalendarDlg>, [] { g_bSolarYrTrop = false; }, 1, 0, 1,
     [] { return int(g_bSolarYrTrop); }, 1},
    {"solar calendar first sign", Make<CSolarCalendarDlg>, [] { g_nSolarYrSign = 0; }, 0, 0, 9,
     [] { return g_nSolarYrSign; }, 9},
    {"bhava chakra varga", Make<CBhavaChalitRefDlg>, [] { g_nBhavaChartVarga = 0; }, 1, 0, 1,
     [] { return g_nBhavaChartVarga; }, 1},
    {"bhava chakra reference", Make<CBhavaChalitRefDlg>, [] { g_nBhavaChartRef = 2; }, 0, 2, 0,
     [] { return g_nBhavaChartRef; }, 0},
    {"font size", Make<CFontSizeDlg>, [] { g_nFontSizeSelection = 3; }, 0, 3, 7,
     [] { return g_nFontSizeSelection; }, 7},
    {"chart font size", Make<CFontSizeDlg>, [] { g_nChartFontSizeSelection = 3; }, 1, 3, 0,
     [] { return g_nChartFontSizeSelection; }, 0},
};

TEST(CalculationOptionDialogs, OkStoresTheChoiceAndCancelLeavesIt) {
    const CScopedOptions savedOptions;
    const CScopedOption<int> fontSize(g_nFontSizeSelection, g_nFontSizeSelection);
    const CScopedOption<int> chartFontSize(g_nChartFontSizeSelection, g_nChartFontSizeSelection);
    for (const FormCase& c : kForms) {
        for (bool ok : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (ok ? " OK" : " Cancel"));
            c.setUp();
            const int before = c.stored();
            WhenModal<COptionFormDlg>([&c, ok](COptionFormDlg& dialog) {
                EXPECT_EQ(ShownRow(dialog, c.row), c.shown);
                SetRow(dialog, c.row, c.chosen);
                ok ? dialog.accept() : dialog.reject();
            });
            EXPECT_EQ(c.make()->RunAndStore(), ok);
            EXPECT_EQ(c.stored(), ok ? c.expected : before);
        }
    }
}

TEST(CalculationOptionDialogs, AnUnshownMahakalaDayIsKept) {
    // WeekdayDefinitionKaala 0 has no item: the combo shows nothing and OK keeps the value.
    const CScopedOption<int> kaala(g_nWeekdayDefinitionKaala, 0);
    WhenModal<COptionFormDlg>([](COptionFormDlg& dialog) {
        EXPECT_EQ(ShownRow(dialog, 1), -1);
        dialog.accept();
    });
    ASSERT_TRUE(CHoraOptionsDlg(nullptr).RunAndStore());
    EXPECT_EQ(g_nWeekdayDefinitionKaala, 0);
}

TEST(LunarCalendar, LunarYrDefPacksMonthKindAndSignKind) {
    struct Case {
        int lunarYrDef, monthKind, signKind;
    };
    const Case cases[] = {{0, 0, 0}, {1, 0, 1}, {2, 1, 0}, {3, 1, 1}, {4, 2, 0}, {5, 2, 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lunarYrDef);
        LunarCalendarMembers members;
        members.FromOptions(c.lunarYrDef, 7);
        EXPECT_EQ(members.m_nMonthKind, c.monthKind);
        EXPECT_EQ(members.m_nSignKind, c.signKind);
        EXPECT_EQ(members.m_nFirstMonth, 7);
        EXPECT_EQ(members.LunarYrDef(), c.lunarYrDef);
    }
}

TEST(LunarCalendar, OkWritesBothOptionsAndCancelNeither) {
    const CScopedOption<int> definition(g_nLunarYrDef, 3);
    const CScopedOption<int> sign(g_nLunarYrSign, 11);
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        WhenModal<COptionFormDlg>([ok](COptionFormDlg& dialog) {
            SavePicture(dialog, "lunar_calendar_dialog");
            EXPECT_EQ(ShownRow(dialog, 0), 1); // Amanta
            EXPECT_EQ(ShownRow(dialog, 1), 1); // tropical
            auto* firstMonth = static_cast<QComboBox*>(dialog.Control(2));
            EXPECT_EQ(firstMonth->currentText(), "Pisces (Chaitra)");
            SetRow(dialog, 0, 2); // solar months
            SetRow(dialog, 1, 0); // sidereal signs
            firstMonth->setCurrentIndex(0);
            ok ? dialog.accept() : dialog.reject();
        });
        EXPECT_EQ(CLunarCalendarDlg(nullptr).RunOnOptions(), ok);
        EXPECT_EQ(g_nLunarYrDef, ok ? 4 : 3);
        EXPECT_EQ(g_nLunarYrSign, ok ? 0 : 11);
    }
}

TEST(BhavaChalitReference, TheBodyListFollowsTheExtendedBodyOption) {
    const CScopedOption<int> reference(g_nBhavaChartRef, 5);
    for (bool extended : {false, true}) {
        SCOPED_TRACE(extended);
        const CScopedOption<bool> bodies(g_bExtendedBodies, extended);
        CBhavaChalitRefDlg dialog(nullptr);
        dialog.m_values = {g_nBhavaChartRef, 0, 1, 1};
        dialog.ShowModeless();
        EXPECT_EQ(dialog.ReferenceCombo()->count(), extended ? 71 : 47);
        EXPECT_EQ(dialog.ReferenceCombo()->currentIndex(), 5);
        if (extended) SavePicture(dialog, "bhava_chalit_reference_dialog");
        dialog.reject();
    }
}

} // namespace
