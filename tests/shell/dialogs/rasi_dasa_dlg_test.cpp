// The rasi dasa options dialog driven through its combos.
#include "shell/dialogs/rasi_dasa_dlg.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include "core/calc_options.h"
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

namespace {

TEST(NarayanaDasaDlg, ChangingTheVargaReloadsWithoutSavingTheOldColumn) {
    const int savedChart = g_nNarayanaDasaChart;
    g_nNarayanaDasaChart = 0;
    CSignLordTables tables;
    tables.m_strongerSign[1][0] = tables.m_strongerSign[1][6] = 6; // navamsa: Libra the stronger
    CNarayanaDasaDlg dialog(nullptr);
    dialog.m_pTables = &tables;
    dialog.LoadOptions();
    dialog.ShowModeless();
    SavePicture(dialog, "narayana_dasa_dialog");
    EXPECT_EQ(dialog.PairCombo(0)->currentIndex(), 0);
    dialog.AquariusCombo()->setCurrentIndex(1); // typed for the rasi, then dropped
    dialog.VargaCombo()->setCurrentIndex(1);
    emit dialog.VargaCombo()->activated(1);
    EXPECT_EQ(dialog.PairCombo(0)->currentIndex(), 1);
    EXPECT_EQ(dialog.AquariusCombo()->currentIndex(), 0);
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][0].m_nAquarius, 7);
    dialog.StartCombo()->setCurrentIndex(4);
    dialog.accept();
    dialog.SaveOptions();
    EXPECT_EQ(g_nNarayanaDasaChart, 1);
    EXPECT_EQ(tables.m_narayanaStart[1], 4);
    EXPECT_EQ(tables.m_narayanaStart[0], kNoStartSign);
    g_nNarayanaDasaChart = savedChart;
}

TEST(RasiDasaFamily, LagnamsakaListsNoD81AndDrigdasaHasNoStartSign) {
    const int savedChart = g_nLagnamsakaDasaChart;
    const bool savedDrig = g_bDrigdasaOfParasara;
    CSignLordTables tables;
    g_nLagnamsakaDasaChart = 21; // D-108, listed after D-60 once D-81 is left out
    CLagnamsakaDasaDlg lagnamsaka(nullptr);
    lagnamsaka.m_pTables = &tables;
    lagnamsaka.LoadOptions();
    lagnamsaka.ShowModeless();
    EXPECT_EQ(lagnamsaka.VargaCombo()->count(), 22);
    EXPECT_EQ(lagnamsaka.VargaCombo()->currentIndex(), 20);

    g_bDrigdasaOfParasara = true;
    CDrigDasaDlg drig(nullptr);
    drig.m_pTables = &tables;
    drig.LoadOptions();
    drig.ShowModeless();
    EXPECT_EQ(drig.StartCombo(), nullptr);
    EXPECT_EQ(drig.m_nOwnChoice, 0);
    drig.m_nOwnChoice = 1;
    drig.SaveOptions();
    EXPECT_FALSE(g_bDrigdasaOfParasara);
    g_nLagnamsakaDasaChart = savedChart;
    g_bDrigdasaOfParasara = savedDrig;
}

} // namespace
