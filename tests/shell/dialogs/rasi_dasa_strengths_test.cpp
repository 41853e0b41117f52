// The rasi dasas' strength settings as their option dialogs load and save them.
#include "shell/dialogs/rasi_dasa_strengths.h"

#include <gtest/gtest.h>

namespace {

constexpr int kLibra = 6, kAries = 0;

TEST(RasiDasaStrengths, APairStoresItsChosenSignInBothEntriesAndTheExceptionUnderIt) {
    CSignLordTables tables;
    const int v = 1;
    int start = kNoStartSign;
    RasiDasaStrengthMembers m = LoadRasiDasaStrengths(tables, kCoLordDasa, v, start);
    EXPECT_EQ(m.m_nPair[0], 0); // Aries until computed
    m.m_nPair[0] = 1;           // Libra
    m.m_nPairException[0] = 2;  // Ketu exception
    SaveRasiDasaStrengths(m, kCoLordDasa, v, tables, start);
    EXPECT_EQ(tables.m_strongerSign[v][kAries], kLibra);
    EXPECT_EQ(tables.m_strongerSign[v][kLibra], kLibra);
    EXPECT_EQ(tables.m_saturnKetu[v][kLibra], 2);
    EXPECT_EQ(tables.m_saturnKetu[v][kAries], 0);

    m = LoadRasiDasaStrengths(tables, kCoLordDasa, v, start);
    EXPECT_EQ(m.m_nPair[0], 1);
    EXPECT_EQ(m.m_nPairException[0], 2);
    m.m_nPair[0] = 0; // Aries again
    m.m_nPairException[0] = 1;
    SaveRasiDasaStrengths(m, kCoLordDasa, v, tables, start);
    EXPECT_EQ(tables.m_strongerSign[v][kAries], kAries);
    EXPECT_EQ(tables.m_strongerSign[v][kLibra], kAries);
    EXPECT_EQ(tables.m_saturnKetu[v][kAries], 1);
    EXPECT_EQ(tables.m_saturnKetu[v][kLibra], 2);
    EXPECT_EQ(tables.m_strongerSign[0][kAries], kAries) << "other columns untouched";
}

TEST(RasiDasaStrengths, TheDefaultStartSignLeavesEveryException) {
    CSignLordTables tables;
    tables.m_saturnKetu[0][3] = 1;
    int start = 3;
    RasiDasaStrengthMembers m = LoadRasiDasaStrengths(tables, kCoLordDasa, 0, start);
    EXPECT_EQ(m.m_nStartSign, 3);
    EXPECT_EQ(m.m_nStartException, 1);
    m.m_nStartSign = kUseDefaultStartSign;
    m.m_nStartException = kLastSettingException;
    const auto before = tables.m_saturnKetu;
    SaveRasiDasaStrengths(m, kCoLordDasa, 0, tables, start);
    EXPECT_EQ(start, kUseDefaultStartSign);
    EXPECT_EQ(tables.m_saturnKetu, before);
    EXPECT_EQ(LoadRasiDasaStrengths(tables, kCoLordDasa, 0, start).m_nStartException, kLastSettingException);
}

TEST(RasiDasaStrengths, UnsetMembersLeaveTheirSettings) {
    CSignLordTables tables;
    tables.m_strongerSign[0][kAries] = tables.m_strongerSign[0][kLibra] = kLibra;
    tables.m_coLord[kCoLordDasa][0].m_nAquarius = 8;
    tables.m_coLord[kCoLordDasa][0].m_nScorpio = 9;
    int start = 4;
    const CSignLordTables before = tables;
    SaveRasiDasaStrengths(RasiDasaStrengthMembers{}, kCoLordDasa, 0, tables, start);
    EXPECT_EQ(start, 4);
    EXPECT_EQ(tables.m_strongerSign, before.m_strongerSign);
    EXPECT_EQ(tables.m_saturnKetu, before.m_saturnKetu);
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][0].m_nAquarius, 8);
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][0].m_nScorpio, 9);
}

TEST(RasiDasaStrengths, TheLordsOfAquariusAndScorpioGoToTheDasasOwnTable) {
    CSignLordTables tables;
    int start = kNoStartSign;
    RasiDasaStrengthMembers m = LoadRasiDasaStrengths(tables, CoLordRuleOfDasa(34), 2, start);
    EXPECT_EQ(m.m_nAquarius, 0);
    EXPECT_EQ(m.m_nScorpio, 0);
    m.m_nAquarius = 1, m.m_nScorpio = 1;
    SaveRasiDasaStrengths(m, CoLordRuleOfDasa(34), 2, tables, start);
    EXPECT_EQ(tables.m_coLord[kCoLordDegrees][2].m_nAquarius, 8);
    EXPECT_EQ(tables.m_coLord[kCoLordDegrees][2].m_nScorpio, 9);
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][2].m_nAquarius, 7);
    EXPECT_EQ(tables.m_coLord[kCoLordNatureYears][2].m_nAquarius, 7);
    EXPECT_EQ(CoLordRuleOfDasa(33), kCoLordNatureYears);
    EXPECT_EQ(CoLordRuleOfDasa(25), kCoLordDasa);
}

} // namespace
