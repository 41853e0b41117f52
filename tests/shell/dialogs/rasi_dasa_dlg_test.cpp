// The rasi dasa options dialog driven through its combos.
#include "shell/dialogs/rasi_dasa_dlg.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace {

TEST(RasiDasaDlg, ChoosingLibraShowsAndStoresItsException) {
    CSignLordTables tables;
    tables.m_saturnKetu[0][6] = 1; // Saturn in Libra
    int start = kNoStartSign;
    CRasiDasaDlg dialog(nullptr);
    dialog.m_pTables = &tables;
    dialog.m_pStartSign = &start;
    dialog.LoadOptions();
    dialog.ShowModeless();
    SavePicture(dialog, "rasi_dasa_dialog");
    EXPECT_EQ(dialog.StartCombo()->currentText(), "Use the default");
    EXPECT_EQ(dialog.StartExceptionCombo()->currentText(), "Last setting");
    dialog.PairCombo(0)->setCurrentIndex(1);
    emit dialog.PairCombo(0)->activated(1);
    EXPECT_EQ(dialog.PairExceptionCombo(0)->currentText(), "Saturn exception");
    dialog.StartCombo()->setCurrentIndex(6);
    emit dialog.StartCombo()->activated(6);
    EXPECT_EQ(dialog.StartExceptionCombo()->currentText(), "Saturn exception");
    dialog.accept();
    dialog.SaveOptions();
    EXPECT_EQ(tables.m_strongerSign[0][0], 6);
    EXPECT_EQ(tables.m_strongerSign[0][6], 6);
    EXPECT_EQ(start, 6);
}

TEST(RasiDasaDlg, CancelLeavesTheSettings) {
    CSignLordTables tables;
    int start = kNoStartSign;
    WhenModal<CRasiDasaDlg>([](CRasiDasaDlg& dialog) {
        dialog.PairCombo(2)->setCurrentIndex(1);
        dialog.reject();
    });
    CRasiDasaDlg dialog(nullptr);
    dialog.m_pTables = &tables;
    dialog.m_pStartSign = &start;
    dialog.LoadOptions();
    if (dialog.DoModal()) dialog.SaveOptions();
    EXPECT_EQ(tables.m_strongerSign[0][2], 2);
}

TEST(RasiDasaDlg, SomeDasasHaveNoPairsOrNoStartSign) {
    CSignLordTables tables;
    for (const auto& [code, pairs, startSign] :
         {std::tuple{40, false, true}, {29, true, false}, {25, true, true}}) {
        SCOPED_TRACE(code);
        CRasiDasaDlg dialog(nullptr);
        dialog.m_pTables = &tables;
        dialog.m_nDasaCode = code;
        dialog.LoadOptions();
        dialog.ShowModeless();
        EXPECT_EQ(dialog.PairCombo(0)->isEnabled(), pairs);
        EXPECT_EQ(dialog.PairExceptionCombo(5)->isEnabled(), pairs);
        EXPECT_EQ(dialog.StartCombo()->isEnabled(), startSign);
    }
}

} // namespace
