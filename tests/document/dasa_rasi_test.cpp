// The rasi dasas on charts placed by hand: start signs, the orders of the signs, years and sub-periods.
#include <numeric>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/computed_bodies.h"
#include "dasa_test_support.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_rasi.h"

namespace {

using testing::ElementsAre;

enum Sign { Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi };

class RasiDasaTest : public DasaTest {};

std::vector<int> Signs(const CDasaTree& tree, int count = 6) {
    return {tree.nLord[0].begin(), tree.nLord[0].begin() + count};
}

TEST_F(RasiDasaTest, NarayanaFromAriesRunsTheZodiacTwice) {
    const CChart chart = EveryBodyIn(Ar);
    CDasaTree tree;
    tree.strName = "Narayana Dasa of ";
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kNormal, tree).ok());
    ASSERT_EQ(tree.nPeriods, 24);
    EXPECT_THAT(Signs(tree, 12), ElementsAre(Ar, Ta, Ge, Cn, Le, Vi, Li, Sc, Sg, Cp, Aq, Pi));
    EXPECT_EQ(tree.dYears[0], 12.0); // Mars in Aries itself
    for (int i = 0; i < 12; ++i) {
        EXPECT_EQ(tree.nLord[0][12 + i], tree.nLord[0][i]);
        EXPECT_EQ(tree.dYears[12 + i], 12.0 - tree.dYears[i]);
    }
    EXPECT_EQ(tree.strName, "Narayana Dasa of Rasi chart");
    EXPECT_FALSE(tree.bBalance);
    EXPECT_TRUE(tree.bEqualSubPeriods);
}

TEST_F(RasiDasaTest, NarayanaFromAFixedSignTakesEverySixthBackwards) {
    CChart chart = EveryBodyIn(Ta);
    CDasaTree tree;
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kNormal, tree).ok());
    EXPECT_THAT(Signs(tree, 3), ElementsAre(Ta, Sg, Cn));

    CDasaTree sama;
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kSama, sama).ok());
    EXPECT_EQ(sama.nPeriods, 12);
    EXPECT_THAT(FirstLevelYears(sama), testing::Each(10.0));

    chart.m_signLordTables.m_narayanaStart[0] = Vi; // the user's start sign wins over the strengths
    CDasaTree chosen;
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kNormal, chosen).ok());
    EXPECT_EQ(chosen.nLord[0][0], Vi);
}

TEST_F(RasiDasaTest, NarayanaSubPeriodsFromTheLordsSign) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kVenus, Cn); // Taurus' lord in Cancer, an even sign: backwards
    CDasaTree tree;
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kNormal, tree).ok());
    EXPECT_THAT(std::vector<int>(tree.nLord[1 + Ta].begin(), tree.nLord[1 + Ta].begin() + 3),
                ElementsAre(Cn, Ge, Ta));
    chart.m_signLordTables.m_saturnKetu[0][Ta] = 1; // a forward exception
    ASSERT_TRUE(CalcNarayanaDasa(chart, 0, NarayanaVariant::kNormal, tree).ok());
    EXPECT_THAT(std::vector<int>(tree.nLord[1 + Ta].begin(), tree.nLord[1 + Ta].begin() + 3),
                ElementsAre(Cn, Le, Vi));
}

TEST_F(RasiDasaTest, SthiraFromBrahmaInCancer) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kJupiter, Cn);
    chart.m_signLordTables.m_nBrahma = kJupiter;
    CDasaTree tree;
    ASSERT_TRUE(CalcSthiraDasa(chart, tree).ok());
    EXPECT_THAT(Signs(tree, 3), ElementsAre(Cn, Le, Vi));
    EXPECT_THAT(std::vector<double>(tree.dYears.begin(), tree.dYears.begin() + 3), ElementsAre(7, 8, 9));
    EXPECT_EQ(std::accumulate(tree.dYears.begin(), tree.dYears.begin() + 12, 0.0), 96.0);
}

TEST_F(RasiDasaTest, ParyayaVariantsByTheStartSignsNature) {
    CChart chart = EveryBodyIn(Ta); // the lagna and every planet in Taurus: Taurus beats Scorpio
    CDasaTree sthira;
    ASSERT_TRUE(CalcParyayaDasa(chart, 0, sthira).ok());
    EXPECT_THAT(Signs(sthira), ElementsAre(Ta, Sc, Ge, Sg, Cn, Cp));
    EXPECT_EQ(sthira.strName, "Sthira Paryaya dasa of Rasi chart");

    chart = EveryBodyIn(Cn);
    CDasaTree chara;
    ASSERT_TRUE(CalcParyayaDasa(chart, 0, chara).ok());
    EXPECT_THAT(Signs(chara), ElementsAre(Cn, Ar, Cp, Li, Ge, Pi));
    EXPECT_EQ(chara.strName, "Chara Paryaya dasa of Rasi chart");
    EXPECT_NE(chara.strDescription.find("movablesign"), std::string::npos);
}

TEST_F(RasiDasaTest, ShoolaNineYearsFromTheStrongerSign) {
    const CChart chart = EveryBodyIn(Le);
    CDasaTree tree;
    ASSERT_TRUE(CalcShoolaDasa(chart, 1, 0, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Vi);
    EXPECT_THAT(FirstLevelYears(tree), testing::Each(9.0));
    EXPECT_EQ(tree.strName, "Shoola dasa from 2nd house");
    EXPECT_EQ(tree.nLord[1 + Li][0], Li);
}

TEST_F(RasiDasaTest, CharaDasaYearsAndCompression) {
    const CChart chart = EveryBodyIn(Ar);
    CharaDasaOptions options;
    CDasaTree tree;
    ASSERT_TRUE(CalcCharaDasa(chart, nullptr, options, tree).ok());
    EXPECT_EQ(tree.nPeriods, 24);
    EXPECT_THAT(Signs(tree, 3), ElementsAre(Ar, Ta, Ge)); // Aries goes forward
    EXPECT_EQ(tree.dCycleYears, std::accumulate(tree.dYears.begin(), tree.dYears.begin() + 12, 0.0));
    options.compressed = true;
    ASSERT_TRUE(CalcCharaDasa(chart, nullptr, options, tree).ok());
    EXPECT_EQ(tree.nPeriods, 12);
    // Sub-periods of Taurus (fixed, even): every sixth sign backwards from the stronger of it and Scorpio.
    EXPECT_THAT(std::vector<int>(tree.nLord[1 + Ta].begin(), tree.nLord[1 + Ta].begin() + 3),
                ElementsAre(Ta, Sg, Cn));
}

TEST_F(RasiDasaTest, NavamsaDasaMapsEvenSigns) {
    const CChart chart = EveryBodyIn(Sc);
    CDasaTree tree;
    ASSERT_TRUE(CalcNavamsaDasa(chart, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Ar); // Scorpio begins its navamsas from Aries
    EXPECT_EQ(tree.nLord[1 + Ta][0], Li);
}

TEST_F(RasiDasaTest, SudasaShortensItsFirstPeriodBySreeLagnasDegrees) {
    CChart chart = EveryBodyIn(Ar);
    PlaceBody(chart, kSreeLagna, 10.0); // a third of Aries risen
    CDasaTree tree;
    ASSERT_TRUE(CalcSudasa(chart, 4, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Ar);
    EXPECT_THAT(Signs(tree, 4), ElementsAre(Ar, Cn, Li, Cp)); // the kendras, forward from Aries
    EXPECT_DOUBLE_EQ(tree.dYears[0], 12.0 * 2.0 / 3.0);       // Mars in Aries: 12 years, two thirds left
    EXPECT_EQ(tree.nPeriods, 24);
}

TEST_F(RasiDasaTest, TajakaChartsStartFromTheMuntha) {
    CChart chart = EveryBodyIn(Ar);
    PlaceInSign(chart, kFirstExtraPointBody, Le); // the Muntha
    g_nSelectedDasa = 25;
    g_bUseDasaSeedFromNatalInTajaka[25] = g_bProgressDasaSeedInTajaka[25] = true;
    CDasaTree tree;
    ASSERT_TRUE(CalculateDasa({chart, chart, kModeTajaka, 4}, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Le);
    ASSERT_TRUE(CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Ar);
    g_bProgressDasaSeedInTajaka[25] = false;
    ASSERT_TRUE(CalculateDasa({chart, chart, kModeTajaka, 4}, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], Ar);
}

TEST_F(RasiDasaTest, TajakaAtmaKarakaKendradiCountsTheNatalKarakaOnFromTheMuntha) {
    CChart natal = EveryBodyIn(Ar);
    natal.m_charaKaraka[0] = kSun;
    PlaceInSign(natal, kSun, Ge); // two signs on from the natal lagna
    CChart tajaka = natal;
    PlaceInSign(tajaka, kFirstExtraPointBody, Le);
    g_nSelectedDasa = 31;
    g_bUseDasaSeedFromNatalInTajaka[31] = g_bProgressDasaSeedInTajaka[31] = true;
    CDasaTree tree;
    // The first four periods are the kendras from the start, strongest first.
    ASSERT_TRUE(CalculateDasa({tajaka, natal, kModeTajaka, 4}, tree).ok());
    EXPECT_THAT(Signs(tree, 4), testing::UnorderedElementsAre(Li, Cp, Ar, Cn));
    ASSERT_TRUE(CalculateDasa({natal, natal, kModeNatal, 0}, tree).ok());
    EXPECT_THAT(Signs(tree, 4), testing::UnorderedElementsAre(Ge, Vi, Sg, Pi));
}

} // namespace
