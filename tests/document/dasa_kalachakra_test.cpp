// Kalachakra dasa: the chain's groups against the table of the 24 cycles, and each method's periods,
// balance and sub-periods for seeds set by hand.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_kalachakra.h"

namespace {

using testing::ElementsAre;
using testing::ElementsAreArray;

enum Sign { Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi };

class KalachakraTest : public DasaTest {};

std::vector<int> GroupSigns(int group) {
    std::vector<int> signs;
    for (int j = 0; j < 9; ++j) signs.push_back(KalachakraSign(9 * group + j));
    return signs;
}

std::vector<int> PeriodSigns(const CDasaTree& tree) {
    std::vector<int> signs;
    for (int m = 0; m < tree.nPeriods; ++m) signs.push_back(KalachakraSign(tree.nLord[0][m]));
    return signs;
}

TEST_F(KalachakraTest, GroupsFollowTheTableOfCycles) {
    struct Row {
        int group;
        std::vector<int> signs;
        int paramayush;
    };
    const Row rows[] = {
        {0, {Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg}, 100},  {1, {Cp, Aq, Pi, Sc, Li, Vi, Cn, Le, Ge}, 85},
        {2, {Ta, Ar, Pi, Aq, Cp, Sg, Ar, Ta, Ge}, 83},   {3, {Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi}, 86},
        {4, {Sc, Li, Vi, Cn, Le, Ge, Ta, Ar, Pi}, 100},  {5, {Aq, Cp, Sg, Ar, Ta, Ge, Cn, Le, Vi}, 85},
        {6, {Li, Sc, Sg, Cp, Aq, Pi, Sc, Li, Vi}, 83},   {7, {Cn, Le, Ge, Ta, Ar, Pi, Aq, Cp, Sg}, 86},
        {11, {Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi}, 86},  {12, {Sg, Cp, Aq, Pi, Ar, Ta, Ge, Le, Cn}, 86},
        {13, {Vi, Li, Sc, Pi, Aq, Cp, Sg, Sc, Li}, 83},  {14, {Vi, Le, Cn, Ge, Ta, Ar, Sg, Cp, Aq}, 85},
        {15, {Pi, Ar, Ta, Ge, Le, Cn, Vi, Li, Sc}, 100}, {16, {Pi, Aq, Cp, Sg, Sc, Li, Vi, Le, Cn}, 86},
        {17, {Ge, Ta, Ar, Sg, Cp, Aq, Pi, Ar, Ta}, 83},  {18, {Ge, Le, Cn, Vi, Li, Sc, Pi, Aq, Cp}, 85},
        {19, {Sg, Sc, Li, Vi, Le, Cn, Ge, Ta, Ar}, 100}, {23, {Sg, Sc, Li, Vi, Le, Cn, Ge, Ta, Ar}, 100},
    };
    for (const Row& r : rows) {
        SCOPED_TRACE(r.group);
        EXPECT_EQ(GroupSigns(r.group), r.signs);
        EXPECT_EQ(KalachakraParamayush(r.group), r.paramayush);
    }
}

KalachakraOptions Method(int method) {
    KalachakraOptions options;
    options.method = method;
    return options;
}

TEST_F(KalachakraTest, MoonAtAriesZeroStartsTheFirstCycle) {
    const CChart chart = ChartWithMoonSeed(0.0);
    for (int method : {1, 5}) {
        SCOPED_TRACE(method);
        CDasaTree tree;
        ASSERT_TRUE(CalcKalachakraDasa(chart, Method(method), tree).ok());
        EXPECT_THAT(PeriodSigns(tree), ElementsAre(Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg));
        EXPECT_DOUBLE_EQ(tree.dBalance, 1.0);
        EXPECT_DOUBLE_EQ(tree.dYears[0], 7.0);
        EXPECT_EQ(tree.strNote, "From Moon of D-1, Savya, Paramayush: 100 yr, Deha: Ar, Jiva: Sg");
    }
}

TEST_F(KalachakraTest, FullCycleBalanceStartsAtThePeriodRunningAtBirth) {
    const CChart chart = ChartWithMoonSeed(5.0 / 3.0); // halfway through Aswini's 1st pada
    CDasaTree method0;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(0), method0).ok());
    // 50 of 100 years elapsed: Aries 7, Taurus 16, Gemini 9 passed, 3 of Cancer's 21 left.
    EXPECT_THAT(PeriodSigns(method0), ElementsAre(Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi));
    EXPECT_NEAR(method0.dBalance, 1.0 / 7.0, 1e-12);
    EXPECT_NE(method0.strNote.find("Paramayush: 86 yr"), std::string::npos);

    CDasaTree method6;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(6), method6).ok());
    EXPECT_THAT(PeriodSigns(method6), ElementsAre(Cn, Le, Vi, Li, Sc, Sg, Ar, Ta, Ge));
    EXPECT_NE(method6.strNote.find("Paramayush: 100 yr"), std::string::npos);
}

TEST_F(KalachakraTest, RohiniIsApasavya) {
    const CChart chart = ChartWithMoonSeed(41.0); // Rohini, 1st pada
    CDasaTree method1;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(1), method1).ok());
    EXPECT_THAT(PeriodSigns(method1), ElementsAre(Sg, Cp, Aq, Pi, Ar, Ta, Ge, Le, Cn));
    EXPECT_EQ(method1.strNote, "From Moon of D-1, Apasavya, Paramayush: 86 yr, Deha: Cn, Jiva: Sg");

    CDasaTree method5;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(5), method5).ok());
    EXPECT_THAT(PeriodSigns(method5), ElementsAre(Sc, Li, Vi, Cn, Le, Ge, Ta, Ar, Pi));
    // The first navamsa's sub-periods are the cycle of its pada, group 12, in reverse for apasavya.
    std::vector<int> sub;
    for (int j = 0; j < 9; ++j) sub.push_back(KalachakraSign(method5.nLord[1 + method5.nLord[0][0]][j]));
    EXPECT_THAT(sub, testing::UnorderedElementsAreArray(GroupSigns(12)));
}

TEST_F(KalachakraTest, RohiniFourthPadaByTheOption) {
    const CChart chart = ChartWithMoonSeed(52.0); // Rohini, 4th pada
    struct Case {
        bool inLeo;
        int group;
        const char* note;
    };
    const Case cases[] = {
        {true, 15, "From Moon of D-1, Apasavya, Paramayush: 100 yr, Deha: Sc, Jiva: Pi"},
        {false, 16, "From Moon of D-1, Apasavya, Paramayush: 86 yr, Deha: Cn, Jiva: Pi"},
    };
    for (const Case& c : cases) {
        KalachakraOptions options = Method(1);
        options.rohini4InLeo = c.inLeo;
        CDasaTree tree;
        ASSERT_TRUE(CalcKalachakraDasa(chart, options, tree).ok());
        EXPECT_EQ(PeriodSigns(tree), GroupSigns(c.group));
        EXPECT_EQ(tree.strNote, c.note);
    }
}

TEST_F(KalachakraTest, SubPeriodsOfEachMethod) {
    const CChart chart = ChartWithMoonSeed(0.0);
    // Position 105 (Capricorn, savya) under methods 2 and 3 wraps to the half's start.
    for (int method : {2, 3}) {
        CDasaTree tree;
        ASSERT_TRUE(CalcKalachakraDasa(chart, Method(method), tree).ok());
        EXPECT_EQ(KalachakraSign(105), Cp);
        EXPECT_THAT(std::vector<int>(tree.nLord[1 + 105].begin(), tree.nLord[1 + 105].begin() + 9),
                    ElementsAre(105, 106, 107, 0, 1, 2, 3, 4, 5));
    }
    CDasaTree own;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(1), own).ok());
    EXPECT_THAT(std::vector<int>(own.nLord[1 + 3].begin(), own.nLord[1 + 3].begin() + 9),
                ElementsAre(3, 4, 5, 6, 7, 8, 0, 1, 2));
    // Fractions follow the sign years of the sub-lords.
    EXPECT_DOUBLE_EQ(own.dSubFraction[3][0], 21.0 / 100.0);
}

TEST_F(KalachakraTest, EveryPeriodNameCarriesItsPada) {
    const CChart chart = ChartWithMoonSeed(0.0);
    CDasaTree tree;
    tree.nYearKind = kYearMeanTropical;
    ASSERT_TRUE(CalcKalachakraDasa(chart, Method(1), tree).ok());
    tree.birth = chart;
    tree.nDasaCode = 2;
    tree.nLevel = 1;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_EQ(tree.running[0].Name(), "Ar (Aswi1) MD");
    EXPECT_EQ(tree.period[1].Name(), "Ta (Aswi2)");
    g_bPrinting = true;
    ASSERT_TRUE(tree.ExpandPeriod().ok());
    EXPECT_EQ(tree.period[1].Name(), "Ta");
}

} // namespace
