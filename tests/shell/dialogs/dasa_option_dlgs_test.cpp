// The single dasas' option dialogs: the options in, and back on OK only.
#include "shell/dialogs/dasa_option_dlgs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "dialog_test_support.h"
#include "document/document_options.h"

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

namespace {

TEST(DasaOptionDlgs, TaraDasaSeshamAndDirectionBelongToTheFirstDefinition) {
    const bool parasara = g_bTaraDasaParasara, sesham = g_bTaraDasaUseSesham,
               reverse = g_bTaraDasaSeshamRevApasavya;
    g_bTaraDasaParasara = false, g_bTaraDasaUseSesham = true, g_bTaraDasaSeshamRevApasavya = false;
    WhenModal<CTaraDasaDlg>([](CTaraDasaDlg& dialog) {
        auto* definition = static_cast<QComboBox*>(dialog.Control(0));
        auto* seshamChoice = static_cast<QComboBox*>(dialog.Control(1));
        EXPECT_EQ(seshamChoice->currentIndex(), 1);
        EXPECT_TRUE(seshamChoice->isEnabled());
        definition->setCurrentIndex(1);
        EXPECT_FALSE(seshamChoice->isEnabled());
        EXPECT_FALSE(dialog.Control(2)->isEnabled());
        definition->setCurrentIndex(0);
        EXPECT_TRUE(dialog.Control(2)->isEnabled());
        seshamChoice->setCurrentIndex(2);
        dialog.accept();
    });
    CTaraDasaDlg dialog(nullptr);
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_TRUE(g_bTaraDasaUseSesham);
    EXPECT_TRUE(g_bTaraDasaSeshamRevApasavya);
    g_bTaraDasaParasara = parasara, g_bTaraDasaUseSesham = sesham, g_bTaraDasaSeshamRevApasavya = reverse;
}

} // namespace

namespace {

TEST(DasaOptionDlgs, KalachakraExplainsTheChosenMethod) {
    const int method = g_nKalachakraDasaCalculation;
    g_nKalachakraDasaCalculation = 5;
    WhenModal<CKalachakraDasaDlg>([](CKalachakraDasaDlg& dialog) {
        SavePicture(dialog, "kalachakra_dasa_dialog");
        EXPECT_TRUE(dialog.Explanation()->text().startsWith("The nine Kalachakra navamsas"));
        // Every starting point is named, the chart's own two points last.
        auto* seeds = static_cast<QComboBox*>(dialog.Control(0));
        ASSERT_EQ(seeds->count(), 18);
        EXPECT_EQ(seeds->itemText(0), "Janma tara (Moon)");
        EXPECT_EQ(seeds->itemText(15), "Pranapada Lagna");
        EXPECT_EQ(seeds->itemText(16), "User's special point");
        EXPECT_EQ(seeds->itemText(17), "User's special lagna");
        auto* methods = static_cast<QComboBox*>(dialog.Control(2));
        EXPECT_EQ(methods->count(), 7);
        methods->setCurrentIndex(-1);
        EXPECT_EQ(dialog.Explanation()->text(), "Invalid selection");
        methods->setCurrentIndex(6);
        EXPECT_TRUE(dialog.Explanation()->text().contains("return to its beginning"));
        dialog.accept();
    });
    CKalachakraDasaDlg dialog(nullptr);
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_EQ(g_nKalachakraDasaCalculation, 6);
    g_nKalachakraDasaCalculation = method;
}

} // namespace
