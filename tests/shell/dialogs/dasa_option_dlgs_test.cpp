// The single dasas' option dialogs: the options in, and back on OK only.
#include "shell/dialogs/dasa_option_dlgs.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "dialog_test_support.h"
#include "document/dasa_options.h"

namespace {

TEST(DasaOptionDlgs, MoolaDasaOptionsComeBackOnOkOnly) {
    const int lagna = g_nLagnaUsedInMoolaDasa, correction = g_nMoolaDasaNoCorrectionInMoolaTrikona;
    g_nLagnaUsedInMoolaDasa = 1, g_nMoolaDasaNoCorrectionInMoolaTrikona = 0;
    for (bool ok : {false, true}) {
        SCOPED_TRACE(ok);
        WhenModal<CMoolaDasaDlg>([ok](CMoolaDasaDlg& dialog) {
            EXPECT_TRUE(static_cast<QCheckBox*>(dialog.Control(0))->isChecked());
            static_cast<QCheckBox*>(dialog.Control(0))->setChecked(false);
            static_cast<QComboBox*>(dialog.Control(3))->setCurrentIndex(1); // "Zero years"
            ok ? dialog.accept() : dialog.reject();
        });
        CMoolaDasaDlg dialog(nullptr);
        EXPECT_EQ(dialog.RunAndStore(), ok);
        EXPECT_EQ(g_nLagnaUsedInMoolaDasa, ok ? 0 : 1);
        EXPECT_EQ(g_nMoolaDasaNoCorrectionInMoolaTrikona, ok ? 1 : 0);
        g_nLagnaUsedInMoolaDasa = 1, g_nMoolaDasaNoCorrectionInMoolaTrikona = 0;
    }
    g_nLagnaUsedInMoolaDasa = lagna, g_nMoolaDasaNoCorrectionInMoolaTrikona = correction;
}

TEST(DasaOptionDlgs, ShoolaDasaStartsFromAnyOfTheTwelveHouses) {
    const int house = g_nShoolaDasaStartHouse;
    g_nShoolaDasaStartHouse = 0;
    WhenModal<CShoolaDasaDlg>([](CShoolaDasaDlg& dialog) {
        SavePicture(dialog, "shoola_dasa_dialog");
        auto* start = static_cast<QComboBox*>(dialog.Control(0));
        EXPECT_EQ(start->count(), 12);
        EXPECT_EQ(start->currentText(), "1st (self)");
        start->setCurrentIndex(6);
        dialog.accept();
    });
    CShoolaDasaDlg dialog(nullptr);
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_EQ(g_nShoolaDasaStartHouse, 6);
    g_nShoolaDasaStartHouse = house;
}

} // namespace
