// Queries of a chart whose bodies are placed by hand: houses from the lagna, dignity, maraka
// influence, combustion, planetary war and the Pachakadi relations.
#include <gtest/gtest.h>

#include "chart/chart.h"
#include "tests/chart/chart_test_support.h"

namespace {

// Lagna 10 Leo, Sun 10 Aries (exalted, 9th), Moon 10 Taurus (10th), Mars 10 Gemini (11th), Mercury
// 15 Aries, Jupiter 20 Pisces (own, 8th), Venus, Rahu and Ketu at 0 Aries, Saturn 5 Aries.
class ChartQueriesTest : public testing::Test {
protected:
    void SetUp() override {
        Place(kLagna, 130.0);
        Place(kSun, 10.0);
        Place(kMoon, 40.0);
        Place(kMars, 70.0);
        Place(kMercury, 15.0);
        Place(kJupiter, 350.0);
        Place(kSaturn, 5.0);
        Recompute();
    }
    void Place(int body, double longitude, bool retrograde = false) {
        ::Place(m_chart, body, longitude);
        m_chart.m_bodies[body].m_bRetrograde = retrograde ? 1 : 0;
    }
    void Recompute() {
        m_chart.ComputeVargaSigns();
        m_chart.ComputeRelationships();
    }

    CChart m_chart;
};

TEST_F(ChartQueriesTest, HousesFromTheLagna) {
    EXPECT_EQ(m_chart.HouseFromLagna0(kD1Column, kSun), 8);
    EXPECT_EQ(m_chart.HouseFromLagna(kD1Column, kSun), 9);
    EXPECT_EQ(m_chart.RasiHouseFromLagna0(kMoon), 9);
    EXPECT_EQ(m_chart.HouseFromLagna(kD1Column, kLagna), 1);
    EXPECT_TRUE(m_chart.IsKendraOrTrikona(kD1Column, kSun));      // 9th
    EXPECT_TRUE(m_chart.IsKendraOrTrikona(kD1Column, kMoon));     // 10th
    EXPECT_FALSE(m_chart.IsKendraOrTrikona(kD1Column, kMars));    // 11th
    EXPECT_FALSE(m_chart.IsKendraOrTrikona(kD1Column, kJupiter)); // 8th
}

TEST_F(ChartQueriesTest, DignityAndOwnership) {
    EXPECT_TRUE(m_chart.IsOwnOrExalted(kD1Column, kSun));     // exalted in Aries
    EXPECT_TRUE(m_chart.IsOwnOrExalted(kD1Column, kJupiter)); // own sign Pisces
    EXPECT_FALSE(m_chart.IsOwnOrExalted(kD1Column, kMars));
    EXPECT_TRUE(m_chart.OwnsSignFrom(kD1Column, kSun, 0));     // Leo
    EXPECT_TRUE(m_chart.OwnsSignFrom(kD1Column, kMercury, 1)); // Virgo
    EXPECT_TRUE(m_chart.OwnsSignFrom(kD1Column, kSaturn, 6));  // Aquarius
    EXPECT_TRUE(m_chart.OwnsSignFrom(kD1Column, kRahu, 6));    // co-lord of Aquarius
    EXPECT_FALSE(m_chart.OwnsSignFrom(kD1Column, kMars, 0));
}

TEST_F(ChartQueriesTest, WellPlacedByHouseDignityOrDispositor) {
    EXPECT_TRUE(m_chart.IsWellPlaced(kSun, kD1Column)); // trikona
    // Moon in Capricorn (6th) with Saturn in Aries, 4th from it: a temporal friend, compound friend.
    Place(kMoon, 280.0);
    Recompute();
    EXPECT_TRUE(m_chart.IsWellPlaced(kMoon, kD1Column));
    // Saturn joins the Moon: a temporal enemy, neutral by nature: not well placed.
    Place(kSaturn, 290.0);
    Recompute();
    EXPECT_FALSE(m_chart.IsWellPlaced(kMoon, kD1Column));
}

TEST_F(ChartQueriesTest, MarakaInfluence) {
    // Lagna Leo: the marakas stand in or own Virgo and Aquarius. Saturn and Rahu (lords of Aquarius)
    // stand in Aries, which aspects Leo, Scorpio and Aquarius.
    EXPECT_TRUE(m_chart.IsMarakaInfluenced(kD1Column, 7));  // Scorpio
    EXPECT_TRUE(m_chart.IsMarakaInfluenced(kD1Column, 0));  // Aries itself
    EXPECT_FALSE(m_chart.IsMarakaInfluenced(kD1Column, 1)); // Taurus: the sign right after Aries
    EXPECT_FALSE(m_chart.IsMarakaInfluencedOwnSign(kD1Column, kMoon));
    EXPECT_TRUE(m_chart.IsMarakaInfluencedOwnSign(kD1Column, kSun));
    EXPECT_TRUE(m_chart.SignsAspectInVarga(kD1Column, kSun, kLagna));
    EXPECT_FALSE(m_chart.SignsAspectInVarga(kD1Column, kSun, kMoon));
}

TEST_F(ChartQueriesTest, RelationsFollowTheOptions) {
    const CScopedOption compound(g_bUseCompundRelationshipInAvasthas, false);
    EXPECT_EQ(m_chart.RelationInVarga(kD1Column, kSun, kMars), 2); // natural friend
    g_bUseCompundRelationshipInAvasthas = true;
    // Mars in Gemini is 3rd from the Sun in Aries: temporal friend too.
    EXPECT_EQ(m_chart.RelationInVarga(kD1Column, kSun, kMars), 1);
    EXPECT_EQ(m_chart.CompoundRelation(kD1Column, kSun, kMars), 1);
    EXPECT_EQ(m_chart.CompoundRelation(kD150Column, kSun, kMars), 1); // no tables of its own: the rasi's
}

TEST_F(ChartQueriesTest, Combustion) {
    const CScopedOption specialRule(g_bCombustionSpecialRuleVenusMercury, false);
    EXPECT_TRUE(m_chart.IsCombust(kMercury)); // 5 degrees from the Sun
    Place(kMercury, 17.0);
    EXPECT_FALSE(m_chart.IsCombust(kMercury)); // 7 degrees
    Place(kMercury, 15.0, true);
    EXPECT_TRUE(m_chart.IsCombust(kMercury));
    EXPECT_FALSE(m_chart.IsCombust(kMoon)); // the Moon and the nodes are never combust
    EXPECT_FALSE(m_chart.IsCombust(kRahu));
    Place(kVenus, 7.0);
    EXPECT_TRUE(m_chart.IsCombust(kVenus));
    g_bCombustionSpecialRuleVenusMercury = true;
    EXPECT_FALSE(m_chart.IsCombust(kMercury)); // retrograde Mercury
    EXPECT_FALSE(m_chart.IsCombust(kVenus));   // direct Venus
    Place(kVenus, 7.0, true);
    EXPECT_TRUE(m_chart.IsCombust(kVenus));
}

TEST_F(ChartQueriesTest, PlanetaryWar) {
    Place(kMars, 100.5);
    Place(kJupiter, 100.0);
    EXPECT_TRUE(m_chart.IsInPlanetaryWar(kMars)); // Jupiter half a degree behind
    EXPECT_FALSE(m_chart.IsInPlanetaryWar(kJupiter));
    EXPECT_TRUE(m_chart.IsInPlanetaryWarAlt(kJupiter)); // Mars half a degree ahead
    EXPECT_FALSE(m_chart.IsInPlanetaryWarAlt(kMars));
}

TEST_F(ChartQueriesTest, PachakadiAndKaranaLords) {
    EXPECT_EQ(m_chart.PachakadiRelation(kSun, 0), kSaturn);
    EXPECT_EQ(m_chart.PachakadiRelation(kSaturn, 3), kMars);
    EXPECT_EQ(m_chart.PachakadiRelationInVarga(kD1Column, kSun, 0), 5);  // 6th from Aries: Virgo
    EXPECT_EQ(m_chart.PachakadiRelationInVarga(kD1Column, kMoon, 3), 3); // 3rd from Taurus: Cancer
    m_chart.m_panchanga.m_nKarana = 3;
    EXPECT_EQ(m_chart.KaranaLord(), 4);
    m_chart.m_panchanga.m_nKarana = 8; // lord of the 4th from the lagna (Scorpio)
    EXPECT_EQ(m_chart.KaranaLord(), kMars);
}

} // namespace
