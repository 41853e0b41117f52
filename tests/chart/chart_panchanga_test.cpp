// The panchanga of a chart against values worked out from swetest longitudes, and its edge cases on
// charts whose Sun and Moon are set by hand; dasa seeds and the time nakshatras.
#include <cmath>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/computed_bodies.h"
#include "day_chart_support.h"
#include "tests/core/reference_table.h"

namespace {

TEST_F(DayChartTest, PanchangaAgreesWithSwetestLongitudes) {
    ChooseAyanamsa(kAyanamsaTraditionalLahiri); // swetest -sid1
    const std::vector<ReferenceRecord> moments = ReadReferenceTable("panchanga_swetest.txt", "moment");
    ASSERT_EQ(moments.size(), 16u);
    for (const ReferenceRecord& m : moments) {
        SCOPED_TRACE(testing::Message() << "moment " << m[1] << " JD " << m[2]);
        CChart chart = NatalChart(std::stod(m[2]), 75.77, 23.18);
        ASSERT_TRUE(chart.Compute().ok());
        const double sun = std::stod(m[3]), moon = std::stod(m[4]);
        const CPanchanga& p = chart.m_panchanga;
        EXPECT_EQ(p.m_nTithi[0], std::stoi(m[5]));
        EXPECT_EQ(p.m_nKarana, std::stoi(m[6]));
        EXPECT_EQ(p.m_nYoga, std::stoi(m[7]));
        EXPECT_EQ(p.m_nMoonNakshatra, std::stoi(m[8]));
        const double elongation = std::fmod(moon - sun + 720.0, 360.0);
        EXPECT_NEAR(p.m_dTithiFraction[0], 1.0 - std::fmod(elongation, 12.0) / 12.0, 1e-6);
        EXPECT_NEAR(p.m_dYogaFraction, 1.0 - std::fmod(std::fmod(sun + moon, 360.0), 40.0 / 3.0) * 0.075,
                    1e-6);
        EXPECT_NEAR(p.m_dMoonNakshatraFraction, 1.0 - std::fmod(moon, 40.0 / 3.0) * 0.075, 1e-6);
    }
}

// A chart with only its Sun, Moon and karakas set: the Sun is the atma karaka, the Moon the amatya.
CChart SunMoonChart(double sun, double moon) {
    CChart chart = LocalChart(2000, 7, 1, 12.0, 0.0, 0.0, 0.0);
    Place(chart, kSun, sun);
    Place(chart, kMoon, moon);
    chart.m_charaKaraka[0] = kSun;
    chart.m_charaKaraka[1] = kMoon;
    EXPECT_TRUE(chart.ComputeNakshatraPadas().ok());
    return chart;
}

TEST_F(DayChartTest, TithiAndKaranaAtTheEdges) {
    struct Case {
        double sun, moon;
        int tithi;
        double tithiLeft;
        int karana;
        double karanaLeft;
        const char* why;
    };
    const Case cases[] = {
        {100.0, 110.0, 0, 1.0 / 6.0, 0, 1.0 / 3.0, "10 degrees after new moon: Bava, the second half-tithi"},
        {100.0, 103.0, 0, 0.75, 10, 0.5, "the first half-tithi is Kimstughna"},
        {100.0, 99.0, 29, 1.0 / 12.0, 9, 1.0 / 6.0, "359 degrees: the last half-tithi, Naga"},
        {100.0, 93.0, 29, 7.0 / 12.0, 8, 1.0 / 6.0, "353 degrees: Chatushpada"},
        {100.0, 278.0, 14, 1.0 / 6.0, 0, 1.0 / 3.0, "178 degrees: Bava for the fifth time"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.why);
        CChart chart = SunMoonChart(c.sun, c.moon);
        ASSERT_TRUE(chart.ComputePanchanga().ok());
        const CPanchanga& p = chart.m_panchanga;
        EXPECT_EQ(p.m_nTithi[0], c.tithi);
        EXPECT_NEAR(p.m_dTithiFraction[0], c.tithiLeft, 1e-9);
        EXPECT_EQ(p.m_nKarana, c.karana);
        EXPECT_NEAR(p.m_dKaranaFraction, c.karanaLeft, 1e-9);
        // The karakas' tithi is the same angle here: from the atma (Sun) to the amatya (Moon).
        EXPECT_EQ(p.m_nKarakaTithi, c.tithi);
        EXPECT_EQ(p.m_nKarakaKarana, c.karana);
        EXPECT_EQ(chart.GetTithiIndex(kSun, kMoon, 0), c.tithi);
        EXPECT_NEAR(chart.GetTithiFractionLeft(kSun, kMoon, 0), c.tithiLeft, 1e-9);
    }
}

TEST_F(DayChartTest, HarmonicTithisAndYoga) {
    CChart chart = SunMoonChart(100.0, 130.0); // 30 degrees apart
    ASSERT_TRUE(chart.ComputePanchanga().ok());
    const CPanchanga& p = chart.m_panchanga;
    EXPECT_EQ(p.m_nTithi[0], 2);  // 30
    EXPECT_EQ(p.m_nTithi[1], 5);  // 60
    EXPECT_EQ(p.m_nTithi[11], 0); // 360
    EXPECT_NEAR(p.m_dTithiFraction[1], 1.0, 1e-9);
    EXPECT_EQ(chart.GetTithiIndex(kSun, kMoon, 2), 7); // 90
    // Sun + Moon = 230: yoga 17 (Vyatipata), a quarter left.
    EXPECT_EQ(p.m_nYoga, 17);
    EXPECT_NEAR(p.m_dYogaFraction, 0.75, 1e-9);
    EXPECT_EQ(p.m_nKarakaYoga, 17);
}

TEST_F(DayChartTest, DasaSeedsOfTheMoonMoveOnToItsFifthFourthAndEighthNakshatra) {
    CChart chart = SunMoonChart(100.0, 20.0); // the Moon half through Bharani
    Place(chart, kGulika, 205.0);
    ASSERT_TRUE(chart.ComputeNakshatraPadas().ok());
    chart.ComputeDasaSeeds();
    const auto& seeds = chart.m_panchanga.m_dasaSeed;
    EXPECT_EQ(seeds[0].m_nNakshatra, 1);
    EXPECT_NEAR(seeds[0].m_dFractionLeft, 0.5, 1e-9);
    const int nakshatra[3] = {5, 4, 8};
    const double longitude[3] = {20.0 + 160.0 / 3.0, 60.0, 20.0 + 280.0 / 3.0};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(seeds[1 + i].m_nNakshatra, nakshatra[i]) << i;
        EXPECT_NEAR(seeds[1 + i].m_dLongitude, longitude[i], 1e-9) << i;
        EXPECT_NEAR(seeds[1 + i].m_dFractionLeft, 0.5, 1e-9) << i;
    }
    EXPECT_EQ(seeds[6].m_nNakshatra, 15); // Gulika at 205: Vishakha
    EXPECT_NEAR(seeds[6].m_dLongitude, 205.0, 1e-9);
    EXPECT_NEAR(seeds[8].m_dLongitude, 100.0, 1e-9); // the Sun
}

TEST_F(DayChartTest, TimeNakshatrasOfTheDayParts) {
    CChart chart;
    struct Case {
        int weekday;
        double ghatis;
        int first, second;
    };
    const Case cases[] = {
        {0, 0.0, 0, 20},              // Sunday's first part, first sub-part
        {0, 3.75 * 15 + 3.5, 22, 19}, // the last part leads into Monday's first nakshatra
        {3, 60.0, 8, 19},             // on the next sunrise: still the last part, leading into Thursday
    };
    for (const Case& c : cases) {
        chart.m_frameDay[0].m_nWeekday = c.weekday;
        chart.m_sunriseFrame.m_dGhatisSinceStart = c.ghatis;
        chart.ComputeNakshatraPoints28();
        EXPECT_EQ(chart.m_panchanga.m_nTimeNakshatra28[0], c.first) << c.ghatis;
        EXPECT_EQ(chart.m_panchanga.m_nTimeNakshatra28[1], c.second) << c.ghatis;
    }
}

} // namespace
