// The nakshatra dasas on charts whose seed is set by hand: the entry lord, the balance, the variations
// and the period counts of each member.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "dasa_test_support.h"
#include "document/dasa_dispatcher.h"
#include "document/dasa_nakshatra.h"

namespace {

using testing::ElementsAre;

constexpr double kBharaniMiddle = 20.0; // 20 deg: Bharani (Venus), half of it traversed

class NakshatraDasaTest : public DasaTest {};

TEST_F(NakshatraDasaTest, VimsottariFromAriesStartsWithAFullKetu) {
    const CChart chart = ChartWithMoonSeed(0.0);
    CDasaTree tree;
    ASSERT_TRUE(CalcVimsottariDasa(chart, {}, tree).ok());
    EXPECT_THAT(FirstLevelLords(tree),
                ElementsAre(kKetu, kVenus, kSun, kMoon, kMars, kRahu, kJupiter, kSaturn, kMercury));
    EXPECT_THAT(FirstLevelYears(tree), ElementsAre(7, 20, 6, 10, 7, 18, 16, 19, 17));
    EXPECT_TRUE(tree.bBalance);
    EXPECT_DOUBLE_EQ(tree.dBalance, 1.0);
    EXPECT_EQ(tree.dCycleYears, 120.0);
    // Sub-periods of Venus run forward from Venus (antardasa mode 0).
    EXPECT_EQ(tree.nLord[1 + kVenus][0], kVenus);
    EXPECT_EQ(tree.nLord[1 + kVenus][8], kKetu);
}

TEST_F(NakshatraDasaTest, VimsottariVariations) {
    const CChart chart = ChartWithMoonSeed(kBharaniMiddle);
    struct Case {
        int shift;
        bool reverse;
        std::vector<int> firstLords;
        double balance;
        const char* note;
    };
    const Case cases[] = {
        {0, false, {kVenus, kSun, kMoon, kMars}, 0.5, ""},
        {1, false, {kKetu, kVenus, kSun, kMoon}, 0.5, "shift of 1 stars"},
        {0, true, {kVenus, kKetu, kMercury, kSaturn}, 0.5, "reverse"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.note);
        NakshatraDasaOptions options;
        options.shift = c.shift;
        options.reverse = c.reverse;
        CDasaTree tree;
        ASSERT_TRUE(CalcVimsottariDasa(chart, options, tree).ok());
        EXPECT_EQ(std::vector<int>(tree.nLord[0].begin(), tree.nLord[0].begin() + 4), c.firstLords);
        EXPECT_NEAR(tree.dBalance, c.balance, 1e-12);
        EXPECT_EQ(tree.strNote, c.note);
    }
}

TEST_F(NakshatraDasaTest, ReverseBalanceIsThePartTraversed) {
    const CChart chart = ChartWithMoonSeed(16.0); // 2 deg 40' into Bharani: a fifth traversed
    NakshatraDasaOptions options;
    options.reverse = true;
    CDasaTree tree;
    ASSERT_TRUE(CalcVimsottariDasa(chart, options, tree).ok());
    EXPECT_NEAR(tree.dBalance, 0.2, 1e-12);
    EXPECT_DOUBLE_EQ(tree.dProgressStep, -40.0 / 3.0);
    EXPECT_DOUBLE_EQ(tree.dProgressBase, 80.0 / 3.0); // Bharani's end
}

TEST_F(NakshatraDasaTest, AshtottariAroundAbhijit) {
    struct Case {
        double longitude;
        int firstLord;
        double balance;
        const char* why;
    };
    // Saturn owns Purvashadha, Uttarashadha, Abhijit and Sravana (253 deg 20' to 293 deg 20'); the Sun
    // Ardra to Aasresha (66 deg 40' to 120 deg).
    const Case cases[] = {
        {278.0, kSaturn, 1.0 - (278.0 - 760.0 / 3.0) / 40.0, "in Abhijit's span"},
        {276.0, kSaturn, 1.0 - (276.0 - 760.0 / 3.0) / 40.0, "in the last degrees of Uttarashadha"},
        {70.0, kSun, 1.0 - (70.0 - 200.0 / 3.0) / (160.0 / 3.0), "in Ardra: the Sun's arc"},
        {52.0, kVenus, 1.0 - (52.0 - 80.0 / 3.0) / 40.0, "in Mrigasira: Venus, from Krittika"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CDasaTree tree;
        ASSERT_TRUE(CalcAshtottariDasa(ChartWithMoonSeed(c.longitude), {}, tree).ok());
        EXPECT_EQ(tree.nPeriods, 8);
        EXPECT_EQ(tree.nLord[0][0], c.firstLord);
        EXPECT_EQ(tree.dCycleYears, 108.0);
        EXPECT_NEAR(tree.dBalance, c.balance, 1e-9);
    }
}

TEST_F(NakshatraDasaTest, ThreeRoundsUnlessCompressed) {
    const CChart chart = ChartWithMoonSeed(0.0);
    static constexpr int kLords[] = {kMars, kMercury, kSaturn, kVenus, kRahu, kMoon, kSun, kJupiter};
    static constexpr double kYears[] = {4, 5, 6, 7, 8, 1, 2, 3};
    const NakshatraCycle yogini{kLords, kYears, 0, 1, true};
    for (bool compressed : {false, true}) {
        NakshatraDasaOptions options;
        options.compressed = compressed;
        CDasaTree tree;
        ASSERT_TRUE(CalcCycleDasa(chart, options, yogini, tree).ok());
        EXPECT_EQ(tree.nPeriods, compressed ? 8 : 24);
        EXPECT_EQ(tree.nSubPeriods, 8);
        EXPECT_EQ(tree.nLord[0][0], kMars); // Aswini enters Yogini at Mars (Bhramari)
    }
}

TEST_F(NakshatraDasaTest, SaptarshiCountsNakshatrasBackwards) {
    CDasaTree tree;
    ASSERT_TRUE(CalcSaptarshiDasa(ChartWithMoonSeed(20.0), {}, tree).ok());
    EXPECT_EQ(tree.nPeriods, 10);
    EXPECT_FALSE(tree.bBalance);
    EXPECT_THAT(std::vector<int>(tree.nLord[0].begin(), tree.nLord[0].begin() + 3), ElementsAre(1, 0, 26));
    EXPECT_EQ(tree.strLabel[1], "Bharani");
    EXPECT_EQ(tree.nLord[1 + 0][1], 26); // under Aswini: Aswini, Revati ...
}

TEST_F(NakshatraDasaTest, RasiBhuktaSubPeriodsAreSignsFromTheLordsSign) {
    // The seed's own chart puts Ketu in Leo; the chart whose signs the sub-periods follow, in Scorpio.
    CChart seedChart = ChartWithMoonSeed(0.0);
    PlaceInSign(seedChart, kKetu, 4);
    CChart signChart = seedChart;
    PlaceInSign(signChart, kKetu, 7);
    CDasaTree tree;
    ASSERT_TRUE(CalcRasiBhuktaVimsottariDasa(seedChart, signChart, {}, 0, tree).ok());
    EXPECT_EQ(tree.nLord[0][0], kKetu);
    EXPECT_EQ(tree.nSubPeriods, 12);
    EXPECT_TRUE(tree.bEqualSubPeriods);
    EXPECT_EQ(tree.nLord[1 + kKetu][0], 7);
    EXPECT_EQ(tree.nLord[1 + kKetu][11], 6);
    EXPECT_EQ(tree.strNote, "of Rasi chart, ");
}

// With the seed taken from the navamsa, the sub-periods still start from the lords' signs in the varga
// the dasa's own option names: the rasi chart, then the navamsa.
TEST_F(NakshatraDasaTest, RasiBhuktaOfANavamsaSeedTakesItsSignsFromItsOwnVarga) {
    ChooseAyanamsa(kAyanamsaTraditionalLahiri);
    CChart chart = ChartAt<CChart>(2451545.0, 80.27, 13.08);
    ASSERT_TRUE(chart.Compute().ok());
    const CChart* navamsa = chart.GetVargaChart(1);
    ASSERT_NE(navamsa, nullptr);
    g_nNakshatraDasaVarga = 1;
    g_nSelectedDasa = kRasiBhuktaVimsottariCode;
    for (int signVarga : {0, 1}) {
        SCOPED_TRACE(signVarga);
        g_nRasiBhuktaVarga = signVarga;
        CDasaTree tree;
        ASSERT_TRUE(CalculateDasa({chart, chart, kModeNatal, 0}, tree).ok());
        EXPECT_EQ(tree.strNote.rfind("of " + g_vargaNames[signVarga] + " chart, ", 0), 0u) << tree.strNote;
        const CChart& signs = signVarga == 0 ? chart : *navamsa;
        for (int lord = kSun; lord <= kKetu; ++lord)
            EXPECT_EQ(tree.nLord[1 + lord][0], signs.m_bodies[lord].m_nSign) << lord;
    }
}

TEST_F(NakshatraDasaTest, TithiYogaAndKaranaSeeds) {
    CChart chart = ChartWithMoonSeed(0.0);
    PlaceBody(chart, kSun, 100.0);
    PlaceBody(chart, kMoon, 110.0); // tithi 0 (Sun), a sixth left
    chart.m_panchanga.m_nTithi[0] = 0;
    chart.m_panchanga.m_dTithiFraction[0] = 1.0 / 6.0;
    chart.m_panchanga.m_nYoga = 2; // Ketu
    chart.m_panchanga.m_dYogaFraction = 0.25;

    CDasaTree ashtottari;
    ASSERT_TRUE(CalcTithiAshtottariDasa(chart, kSun, kMoon, 0, 0, ashtottari).ok());
    EXPECT_EQ(ashtottari.nPeriods, 9);
    EXPECT_EQ(ashtottari.nLord[0][0], kSun);
    EXPECT_EQ(ashtottari.nLord[0][8], kSun); // the first lord again, with its full years
    EXPECT_EQ(ashtottari.dYears[8], 6.0);
    EXPECT_EQ(ashtottari.nLord[1 + kSun][0], kMoon); // sub-periods start at the next lord
    EXPECT_NEAR(ashtottari.dBalance, 1.0 / 6.0, 1e-12);

    CDasaTree yogini;
    ASSERT_TRUE(CalcTithiYoginiDasa(chart, 0, 1, false, yogini).ok()); // progressed: Moon
    EXPECT_EQ(yogini.nPeriods, 24);
    EXPECT_EQ(yogini.nLord[0][0], kMoon);
    EXPECT_EQ(yogini.nLord[1 + kMoon][0], kMoon);

    CDasaTree yoga;
    ASSERT_TRUE(CalcYogaVimsottariDasa(chart, 0, yoga).ok());
    EXPECT_EQ(yoga.nPeriods, 10);
    EXPECT_EQ(yoga.nLord[0][0], kKetu);
    EXPECT_EQ(yoga.nLord[0][9], kKetu);
    EXPECT_EQ(yoga.dYears[9], 7.0);
    EXPECT_DOUBLE_EQ(yoga.dBalance, 0.25);
}

// The star the options dialog offers for a dasa's first lord: once the shift is set from a star, a seed
// in that star enters the dasa at the first lord, with the whole period to run.
TEST_F(NakshatraDasaTest, ShiftChosenByStarStartsTheFirstLordThere) {
    constexpr double kSpan = 40.0 / 3.0;
    // Middle of star t in a zodiac of 27 stars, or of 28 (stars up to 20 where both agree, then Revati).
    auto middle = [&](int t, int count) { return (count == 28 && t > 22 ? t - 1 : t) * kSpan + kSpan / 2; };
    const int stars[] = {0, 5, 13, 19, 26};
    for (int code : {0, 1, 3, 4, 5, 6, 7, 8, 9, 10, 11}) {
        const NakshatraDasaAllotment allotment = NakshatraDasaDefaultAllotment(code);
        EXPECT_EQ(NakshatraDasaStarOfShift(code, 0), allotment.star) << "code " << code;
        for (int t : stars) {
            SCOPED_TRACE(testing::Message() << "code " << code << ", star " << t);
            g_nNakshatraDasaShift[code] = NakshatraDasaShiftOfStar(code, t);
            EXPECT_EQ(NakshatraDasaStarOfShift(code, g_nNakshatraDasaShift[code]), t);
            const CChart chart = ChartWithMoonSeed(middle(t, allotment.count));
            CDasaTree tree;
            ASSERT_TRUE(RunNakshatraDasa(DasaInput{chart, chart, code}, tree).ok());
            EXPECT_EQ(tree.nLord[0][0], allotment.body);
        }
    }
    // Vimsottari gives Krittika to the Sun, Ashtottari Ardra to the Sun (28 stars).
    EXPECT_EQ(NakshatraDasaDefaultAllotment(0).star, 2);
    EXPECT_EQ(NakshatraDasaDefaultAllotment(0).body, kSun);
    EXPECT_EQ(NakshatraDasaDefaultAllotment(1).star, 5);
    EXPECT_EQ(NakshatraDasaDefaultAllotment(1).count, 28);
}

// Rasi-Bhukta Vimsottari starts from the seed its own option names, not always from the Moon.
TEST_F(NakshatraDasaTest, RasiBhuktaVimsottariTakesItsOwnSeed) {
    constexpr int kLagnaSeed = 4;
    CChart chart = ChartWithMoonSeed(0.0); // Moon in Aswini: Ketu
    CDasaSeed& lagna = chart.m_panchanga.m_dasaSeed[kLagnaSeed];
    lagna.m_nNakshatra = 1; // Bharani: Venus
    lagna.m_dLongitude = kBharaniMiddle;
    lagna.m_dFractionLeft = 0.5;
    for (auto [point, lord] : {std::pair{0, kKetu}, std::pair{kLagnaSeed, kVenus}}) {
        g_nRasiBhuktaStartPoint = point;
        CDasaTree tree;
        ASSERT_TRUE(RunNakshatraDasa(DasaInput{chart, chart, kRasiBhuktaVimsottariCode}, tree).ok());
        EXPECT_EQ(tree.nLord[0][0], lord) << "seed " << point;
    }
}

} // namespace
