// The option forms: the options copied in, OK copies the choices back, Cancel leaves them.
#include "shell/dialogs/option_dialogs.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/varga_options.h"
#include "dialog_test_support.h"

namespace {

TEST(OptionForm, OkCopiesTheChoicesBackAndCancelLeavesThem) {
    int style = 2;
    bool twoStyles = false;
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        WhenModal<COptionFormDlg>([ok](COptionFormDlg& dialog) {
            auto* combo = static_cast<QComboBox*>(dialog.Control(0));
            EXPECT_EQ(combo->currentIndex(), 2); // the option as it was
            combo->setCurrentIndex(4);
            static_cast<QCheckBox*>(dialog.Control(1))->setChecked(true);
            ok ? dialog.accept() : dialog.reject();
        });
        COptionFormDlg dialog(nullptr, "Multiple Chart Style Support",
                              {IntOption("Chart style", {"a", "b", "c", "d", "e"}, style),
                               CheckOption("Use two chart styles", twoStyles)});
        EXPECT_EQ(dialog.RunAndStore(), ok);
        EXPECT_EQ(style, ok ? 4 : 2);
        EXPECT_EQ(twoStyles, ok);
        style = 2, twoStyles = false;
    }
}

TEST(OptionForm, TheUpagrahaRiseChoiceOfKaalaToYamaGhantakaSetsAllFour) {
    CScopedOptions options;
    g_nUpagrahaRiseMethod = {1, 1, 1, 1, 1, 0};
    WhenModal<COptionFormDlg>([](COptionFormDlg& dialog) {
        static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(2);
        static_cast<QComboBox*>(dialog.Control(3))->setCurrentIndex(1);
        dialog.accept();
    });
    ASSERT_TRUE(RunForm<CUpagrahaOptionsDlg>(nullptr));
    EXPECT_EQ(g_nUpagrahaRiseMethod, (std::array<int, 6>{2, 2, 2, 2, 1, 1}));
}

TEST(OptionForm, TheDivisionalChartOptionsShowTheirVariants) {
    CScopedOptions options;
    g_nD9Preference = 1;
    WhenModal<COptionFormDlg>([](COptionFormDlg& dialog) {
        SavePicture(dialog, "varga_options_dialog");
        auto* navamsa = static_cast<QComboBox*>(dialog.Control(5));
        EXPECT_EQ(navamsa->currentText(), "Kalachakra Navamsa");
        EXPECT_EQ(static_cast<QComboBox*>(dialog.Control(0))->count(), 12);
        navamsa->setCurrentIndex(3);
        dialog.accept();
    });
    ASSERT_TRUE(RunForm<CVargaOptionsDlg>(nullptr));
    EXPECT_EQ(g_nD9Preference, 3);
}

} // namespace
