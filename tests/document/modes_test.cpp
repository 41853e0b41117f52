// The modes of the document: their titles and rules, the faults mended in them, and the natal chart
// left exactly as it was by every trip through the modes.
#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "core/angle_math.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "core/return_charts.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/eclipse_search.h"
#include "document/mode_mundane.h"
#include "document/mode_prasna.h"
#include "document/mode_progressions.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/mode_transit.h"
#include "modes_test_support.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;

TEST(ModeRules, PrasnaNumberings) {
    EXPECT_DOUBLE_EQ(Prasna108Longitude(0), 1.0 + 40.0 / 60);            // 1 deg 40' Aries
    EXPECT_DOUBLE_EQ(Prasna108Longitude(107), 330.0 + 28.0 + 20.0 / 60); // 28 deg 20' Pisces
    EXPECT_DOUBLE_EQ(Prasna249Longitude(0), 0.0);
    const auto& b = Prasna249Boundaries();
    EXPECT_EQ(b.back(), 3240);
    // Ashwini's parts (Ketu 7, Venus 20, ... Mercury 17) and Bharani's: the part that straddles the
    // Aries-Taurus boundary at 270 ninths of a degree is cut there.
    for (int i = 1; i < kPrasna249Count + 1; ++i) EXPECT_LT(b[i - 1], b[i]) << i;
    EXPECT_NE(std::find(b.begin(), b.end(), 270), b.end());
    const CScopedOption<int> d150(g_nD150Preference, 0);
    EXPECT_NEAR(NadiPrasnaLongitude(149), 29.9, 1e-12);
    EXPECT_NEAR(NadiPrasnaLongitude(150), 30.1, 1e-12);
}

TEST(ModeRules, SwearingInAndProgressionTitles) {
    EXPECT_EQ(SwearingInTitle(3 * kMeanTropicalYearDays), "3-yr chart");
    EXPECT_EQ(SwearingInTitle(1000.0), "Chart of 1000 days");
    EXPECT_EQ(ProgressionByDegreesTitle(ProgressionRate(0)), "Progressed (30 deg)");
    EXPECT_EQ(ProgressionByDegreesTitle(ProgressionRate(1)), "Progressed (3:20 deg)");
    EXPECT_DOUBLE_EQ(SudarsanaAngle(4320.0), 360.0);
    EXPECT_NEAR(SudarsanaAngle(4321.2), 0.1, 1e-9); // a new 12-year cycle
}

TEST(ModeRules, NishekaDays) {
    // 9th cusp 240 degrees on from the 1st, Maandi 15.5 degrees past Saturn (15 whole), 28.5 days;
    // the Moon's 12.5 degrees count when the lagna lord stands less than 180 degrees ahead of the lagna.
    EXPECT_DOUBLE_EQ(NishekaDays(10.0, 250.0, 12.5, 5.2, 20.7, 10.0, 100.0), 240 + 15 + 12.5 + 28.5);
    EXPECT_DOUBLE_EQ(NishekaDays(10.0, 250.0, 12.5, 20.7, 5.2, 10.0, 300.0), 240 + 15 + 28.5);
}

TEST(ModeRules, SolarArcCountsWholeCircles) {
    // 36 years of 365.25 days and the Sun 5 degrees on: 36 circles and 5 degrees.
    EXPECT_NEAR(SolarArc(36, 36 * 365.25, 30.0, 35.0), 36 * 360.0 + 5.0, 1e-9);
    // An arc already past the mean motion is left as it is; it never loops.
    EXPECT_NEAR(SolarArc(10, 0.0, 30.0, 35.0), 6 * 360.0 + 5.0, 1e-9);
}

TEST(ModeSelections, ANewDocumentStartsAtThePresentYear) {
    const CScopedOption<int> month(g_nTajakaMonth, 5);
    const CScopedOption<int> day(g_nTithiPraveshaDay, 3);
    const CTavroDoc document;
    EXPECT_EQ(g_nTajakaYear, g_clockMoment.m_nYear);
    EXPECT_EQ(g_nTithiPraveshaYear, g_clockMoment.m_nYear);
    EXPECT_EQ(g_nTajakaMonth, 0);
    EXPECT_EQ(g_nTithiPraveshaDay, 0);
}

class ModesTest : public ChennaiDocumentTest {};

TEST_F(ModesTest, TajakaMonthBeforeTheBirthMonthBelongsToTheYearBefore) {
    // Born in May; March of 2020 is month 10 of the Tajaka year that began in 2019.
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> month(g_nTajakaMonth, 3);
    const CScopedOption<int> part(g_nTajaka2DayPart, 0);
    const TajakaSpan span = SelectedTajakaSpan(1990, 5);
    EXPECT_NEAR(span.startYears, 30 - 2.0 / 12, 1e-12);
    EXPECT_NEAR(span.endYears, 30 - 1.0 / 12, 1e-12);
    EXPECT_EQ(span.yearIndex, 29);
    EXPECT_EQ(span.counts[0], 10);
    EXPECT_EQ(span.title, "Tajaka monthly");
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    EXPECT_EQ(m_document.m_nTajakaYearIndex, 29);
    EXPECT_NEAR(g_dCompressionDays, 365.2564 / 12, 0.8);
}

TEST_F(ModesTest, MunthaOfTheFirstRuleMovesThirtyDegreesAYear) {
    const CScopedOption<int> rule(g_nMunthaPreference, 0);
    const CScopedOption<int> reference(g_nMunthaReference, kSun);
    TajakaSpan span;
    span.startYears = 2.5;
    const double sun = m_document.m_natalChart.m_bodies[kSun].m_dLongitude;
    EXPECT_NEAR(TajakaMuntha(m_document.m_natalChart, span).longitude, sun + 75.0, 1e-9);
}

TEST_F(ModesTest, TajakaChartCarriesTheMuntha) {
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    EXPECT_EQ(m_document.m_workChart.m_extraName[0], "Muntha");
    EXPECT_EQ(m_document.m_workChart.m_extraShortName[0], "Mun");
    EXPECT_TRUE(g_bDasaCompression);
    EXPECT_EQ(m_document.m_pCurrentChart, &m_document.m_workChart);
}

TEST_F(ModesTest, BirthDataChangeRecastsTheTajakaChart) {
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    const double before = m_document.m_workChart.GetJulianDay();
    // An hour later at birth: the Sun's return comes about an hour later too.
    CHmsTime& time = m_document.m_natalChart.m_dateTime.m_time;
    time.m_dHours += 1.0;
    time.SplitHours();
    ASSERT_TRUE(m_document.OnBirthDataChanged().ok());
    EXPECT_EQ(m_document.m_nMode, kModeTajaka);
    EXPECT_NEAR(m_document.m_workChart.GetJulianDay() - before, 1.0 / 24, 0.005);
}

TEST_F(ModesTest, TajakaAtSunriseMovesToTheSunriseOfTheReturnDay) {
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    const double atReturn = m_document.m_workChart.GetJulianDay();
    const CScopedOption<bool> sunrise(g_bTajakaAtSunrise, true);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Taj ann sunrise");
    // Chennai's sunrise in May: about 00:15 UT.
    const double sunriseJd = m_document.m_workChart.GetJulianDay();
    EXPECT_LT(std::fabs(sunriseJd - atReturn), 1.0);
    EXPECT_NEAR(std::fmod(sunriseJd + 0.5, 1.0), 0.01, 0.01);
}

TEST_F(ModesTest, TithiPraveshaThatNeverMatchesIsReportedNotFound) {
    // A natal lunar month no return can have: the search must give up and leave natal mode standing.
    const CScopedOption<bool> solar(g_bSolarMonthUsedInTP, false);
    const CScopedOption<bool> fromMoment(g_bTithiPraveshaFromMoment, false);
    const CScopedOption<int> month(g_nTithiPraveshaMonth, 0);
    const CScopedOption<int> year(g_nTithiPraveshaYear, 2020);
    m_document.m_natalChart.m_panchanga.m_nLunarMonth = 12;
    const CalcStatus status = m_document.CalculateTithiPravesha();
    EXPECT_FALSE(status.ok());
    EXPECT_NE(status.error.find("No TP moment"), std::string::npos) << status.error;
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
}

TEST_F(ModesTest, TithiPraveshaFromAMomentFindsTheNearestCharts) {
    // From the natal moment itself, forward: the next monthly return lies about a month on.
    const CLocalDateTime birth = m_document.m_natalChart.m_dateTime;
    const double natalJd = m_document.m_natalChart.GetJulianDay();
    ASSERT_TRUE(m_document.CalculateTithiPraveshaAlt(kTithiPraveshaMonthly, false, birth).ok());
    EXPECT_NEAR(m_document.m_workChart.GetJulianDay() - natalJd, 29.5, 1.0);
    EXPECT_EQ(g_nTithiPraveshaPeriod, kTithiPraveshaMonthly);
    // The next daily chart starts within a tithi (about a day), and the fortnightly within half a month.
    ASSERT_TRUE(m_document.CalculateTithiPraveshaAlt(kTithiPraveshaDaily, false, birth).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Daily TP");
    EXPECT_LT(m_document.m_workChart.GetJulianDay() - natalJd, 1.2);
    ASSERT_TRUE(m_document.CalculateTithiPraveshaAlt(kTithiPraveshaFortnightly, false, birth).ok());
    EXPECT_LT(m_document.m_workChart.GetJulianDay() - natalJd, 16.0);
    EXPECT_NEAR(g_dCompressionDays, 14.8, 1.5);
}

TEST_F(ModesTest, EventChartTitlesAndPeriods) {
    // The Solar New Year chart is titled as the year it is, not as a month.
    ASSERT_TRUE(m_document.CalcSolarNewYearChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Solar Year");
    EXPECT_NEAR(g_dCompressionDays, 365.256, 0.01);
    EXPECT_NEAR(m_document.m_workChart.m_bodies[kSun].m_dLongitude, 0.0, 1e-4); // Mesha sankranti
    ASSERT_TRUE(m_document.CalcSolarNewMonthChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Solar Month");
    EXPECT_NEAR(m_document.m_workChart.m_bodies[kSun].m_dLongitude, 60.0, 1e-4);
    ASSERT_TRUE(m_document.CalcArdraPraveshaChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Meteorological Yr");
    EXPECT_NEAR(g_dCompressionDays, 365.256, 0.01); // one circuit of the Sun
    ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
    ASSERT_TRUE(m_document.CalcConjunctionChart(kJupiter, kSaturn, true, 120.0).ok());
    EXPECT_NE(m_document.m_workChart.m_strTitle.find(" Conj"), std::string::npos);
    ASSERT_TRUE(m_document.CalcLunarNewMonthChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Lunar Month");
    EXPECT_NEAR(g_dCompressionDays, 29.5, 0.5);
    ASSERT_TRUE(m_document.CalcNewLunarDayChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Lunar Day");
    EXPECT_NEAR(g_dCompressionDays, 1.0, 0.3);
    ASSERT_TRUE(m_document.CalcFortnightChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Fortnight Chart");
    ASSERT_TRUE(m_document.CalcLunarNewYearChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Lunar Year");
}

TEST_F(ModesTest, LunarYearByTheSunsIngressIsTheSolarYear) {
    const CScopedOption<int> rule(g_nLunarYrDef, 4);
    const CScopedOption<int> lunarSign(g_nLunarYrSign, 3);
    const CScopedOption<int> solarSign(g_nSolarYrSign, 3);
    ASSERT_TRUE(m_document.CalcSolarNewYearChart(true).ok());
    const double solar = m_document.m_workChart.GetJulianDay();
    const double solarDays = g_dCompressionDays;
    ASSERT_TRUE(m_document.CalcLunarNewYearChart(true).ok());
    EXPECT_EQ(m_document.m_workChart.GetJulianDay(), solar);
    EXPECT_EQ(g_dCompressionDays, solarDays);
}

TEST_F(ModesTest, ConjunctionTitlesNameTheAngle) {
    ASSERT_TRUE(m_document.CalcConjunctionChart(kSun, kMoon, true, 180.0).ok());
    EXPECT_NE(m_document.m_workChart.m_strTitle.find(" Opp"), std::string::npos)
        << m_document.m_workChart.m_strTitle;
    EXPECT_NEAR(AngleDiff(m_document.m_workChart.m_bodies[kSun].m_dLongitude,
                          m_document.m_workChart.m_bodies[kMoon].m_dLongitude),
                180.0, 1e-3);
}

TEST_F(ModesTest, SwearingInChartKeepsTheFormsPeriod) {
    const CScopedOption<double> period(g_dCompressionDays, 3 * kMeanTropicalYearDays);
    ASSERT_TRUE(m_document.CalcSwearingInChart().ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "3-yr chart");
    EXPECT_EQ(m_document.m_workChart.GetJulianDay(), m_document.m_natalChart.GetJulianDay());
}

TEST_F(ModesTest, DivisionChangeAndStation) {
    // The Moon's next nakshatra: its longitude there is a multiple of 13 deg 20'.
    ASSERT_TRUE(m_document.CalcDivisionChangeChart(kMoon, kDivisionNakshatra, true).ok());
    const double moon = m_document.m_workChart.m_bodies[kMoon].m_dLongitude;
    EXPECT_NEAR(std::remainder(moon, 40.0 / 3.0), 0.0, 1e-3);
    EXPECT_NEAR(g_dCompressionDays, 1.0, 0.3); // about a day in the nakshatra entered
    // Ketu's nakshatra change stays on Ketu's own boundaries.
    ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
    ASSERT_TRUE(m_document.CalcDivisionChangeChart(kKetu, kDivisionNakshatra, true).ok());
    EXPECT_NEAR(std::remainder(m_document.m_workChart.m_bodies[kKetu].m_dLongitude, 40.0 / 3.0), 0.0, 1e-3);
    // Ketu's change of sign is Rahu's.
    ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
    ASSERT_TRUE(m_document.CalcDivisionChangeChart(kRahu, kDivisionRasi, true).ok());
    const double rahu = m_document.m_workChart.GetJulianDay();
    ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
    ASSERT_TRUE(m_document.CalcDivisionChangeChart(kKetu, kDivisionRasi, true).ok());
    EXPECT_EQ(m_document.m_workChart.GetJulianDay(), rahu);
    ASSERT_TRUE(m_document.CalcRetroChangeChart(kMars, true).ok());
    EXPECT_NE(m_document.m_workChart.m_strTitle.find("Retro change"), std::string::npos);
}

// The codes after the navamsa's follow the varga columns of a fixed division, read here from their
// labels ("D-144"): the highest valid code is that of the last such column, and one past it is refused.
TEST_F(ModesTest, DivisionCodesEndWithTheLastColumnOfAFixedDivision) {
    int highest = kDivisionFirstColumnCode - 1;
    for (int column = 1; column < kUserVargaColumn; ++column) {
        int parts = 0;
        if (std::sscanf(g_strVargaLabels[column].c_str(), "D-%d", &parts) != 1) break;
        SCOPED_TRACE(g_strVargaLabels[column]);
        highest = column + 1;
        EXPECT_DOUBLE_EQ(DivisionSpan(highest), 30.0 / parts);
    }
    EXPECT_EQ(highest, kDivisionLastColumnCode);
    EXPECT_EQ(DivisionSpan(highest + 1), 0.0);

    const CalcStatus past = m_document.CalcDivisionChangeChart(kMoon, highest + 1, true);
    EXPECT_FALSE(past.ok());
    EXPECT_NE(past.error.find("is not known"), std::string::npos) << past.error;
    ASSERT_TRUE(m_document.CalcDivisionChangeChart(kMoon, highest, true).ok());
    const std::string& title = m_document.m_workChart.m_strTitle;
    EXPECT_EQ(title.rfind("D-144 change (", 0), 0u) << title;
    const double moon = m_document.m_workChart.m_bodies[kMoon].m_dLongitude;
    EXPECT_NEAR(std::remainder(moon, 30.0 / 144), 0.0, 1e-3);
}

TEST_F(ModesTest, NishekaChartLeavesNoExtraPointOfAnEarlierMode) {
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    ASSERT_EQ(m_document.m_workChart.m_extraName[0], "Muntha");
    ASSERT_TRUE(m_document.CalcNishekaChart().ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Nisheka/Adhana");
    EXPECT_EQ(m_document.m_workChart.m_extraName[0], kNoExtraPoint);
    // Conception lies some 9 months before birth.
    const double before = m_document.m_natalChart.GetJulianDay() - m_document.m_workChart.GetJulianDay();
    EXPECT_GT(before, 200.0);
    EXPECT_LT(before, 320.0);
}

TEST_F(ModesTest, LunarEclipseContactsListOnlyThePhasesItHas) {
    std::string title, contacts;
    ASSERT_TRUE(m_document.CalcEclipseChart(true, EclipseKind::kLunar, true, title, contacts).ok());
    // A partial eclipse: no totality lines; the chart is cast at the start of the penumbral phase.
    EXPECT_EQ(contacts.find("totality"), std::string::npos) << contacts;
    EXPECT_EQ(contacts.rfind("    Start of penumbral phase: ", 0), 0u) << contacts;
    const EclipseFound eclipse = FindEclipse(EclipseKind::kLunar, m_document.m_natalChart.GetJulianDay(),
                                             m_document.m_natalChart, false);
    ASSERT_TRUE(eclipse.ok());
    EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), eclipse.contacts[kLunarPenumbralStart], kSecond);
}

TEST_F(ModesTest, AnEclipseSearchPastTheEphemerisIsReported) {
    // The ephemeris files end in 5400: no eclipse is found after the end of 5399, and nothing changes.
    m_document.m_natalChart.m_dateTime.m_nYear = 5399;
    m_document.m_natalChart.m_dateTime.m_nMonth = 12;
    m_document.m_natalChart.m_dateTime.m_nDay = 30;
    std::string title = "unchanged", contacts;
    for (const EclipseKind kind :
         {EclipseKind::kLunar, EclipseKind::kSolarGlobal, EclipseKind::kSolarLocal}) {
        const CalcStatus status = m_document.CalcEclipseChart(true, kind, false, title, contacts);
        EXPECT_FALSE(status.ok());
        EXPECT_FALSE(status.error.empty());
    }
    EXPECT_EQ(m_document.m_nMode, kModeNatal);
    EXPECT_EQ(title, "unchanged");
}

TEST_F(ModesTest, TransitChartAtTheBirthMomentIsTheNatalChart) {
    ASSERT_TRUE(m_document.ShowTransitChart(m_document.m_natalChart.m_dateTime).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Transit");
    EXPECT_EQ(m_document.m_nMode, kModeTransit);
    EXPECT_EQ(g_pReferenceChart, &m_document.m_natalChart);
    for (int body = 0; body < kEphemerisBodyCount; ++body) {
        EXPECT_EQ(m_document.m_workChart.m_bodies[body].m_dLongitude,
                  m_document.m_natalChart.m_bodies[body].m_dLongitude)
            << body;
    }
}

TEST_F(ModesTest, TransitSearchFindsTheLongitudeAndItsNextReturn) {
    ASSERT_TRUE(m_document.CalcTransitSearch(m_document.m_natalChart.m_dateTime, kSun, 90.0, 0.0, true).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Transit Search");
    EXPECT_NEAR(m_document.m_workChart.m_bodies[kSun].m_dLongitude, 90.0, 1e-4);
    EXPECT_NEAR(g_dCompressionDays, 365.256, 0.01);
}

TEST_F(ModesTest, TransitResearchNeverRecordsQuarterAspects) {
    const CScopedOption<int> method(g_nTransitResearchMethod, kResearchAspectFraction);
    ASSERT_TRUE(m_document.CalcTransitResearch().ok());
    int recorded = 0;
    for (const CTransitResearchTable& table : g_transitResearchTables) {
        ASSERT_LE(table.nCount, kTransitResearchMaxEntries);
        for (int i = 0; i < table.nCount; ++i) {
            EXPECT_NE(table.entries[i].strAspect, "1/4");
            EXPECT_NE(table.entries[i].strAspect, "None");
        }
        recorded += table.nCount;
    }
    EXPECT_GT(recorded, 0);
}

TEST_F(ModesTest, TransitResearchStopsAtAHundredPairsInPointThenColumnOrder) {
    // Every pair qualifies at strength 0: the first 100 of 25 points x 11 columns are kept.
    const CScopedOption<int> method(g_nTransitResearchMethod, kResearchDrishti);
    const CScopedOption<double> strength(g_dTransitResearchMinStrength, 0.0);
    ASSERT_TRUE(m_document.CalcTransitResearch().ok());
    const CTransitResearchTable& jupiter = g_transitResearchTables[0];
    ASSERT_EQ(jupiter.nCount, kTransitResearchMaxEntries);
    EXPECT_EQ(jupiter.entries[0].nPoint, 0);
    EXPECT_EQ(jupiter.entries[0].nColumn, 0);
    EXPECT_EQ(jupiter.entries[99].nPoint, 9); // the tenth point, Ketu, in its first column
    EXPECT_EQ(jupiter.entries[99].nColumn, 0);
    EXPECT_EQ(jupiter.entries[12].nColumn, 1); // second point, second column: D-9
}

// The research form's divisional chart moves the transiting planets into it: in the Parasara D-9 each
// stands at nine times its longitude, and the natal points it aspects change with it.
TEST_F(ModesTest, TransitResearchTakesTheTransitingPlanetsInTheChosenDivisionalChart) {
    const CScopedOption<int> method(g_nTransitResearchMethod, kResearchDrishti);
    const CScopedOption<int> parasara(g_nD9Preference, 0);
    const CScopedOption<int> rasi(g_nTranResearchVarga, 0);
    ASSERT_TRUE(m_document.CalcTransitResearch().ok());
    const auto inRasi = g_transitResearchTables;
    g_nTranResearchVarga = 1; // "Navamsa (D-9)"
    ASSERT_TRUE(m_document.CalcTransitResearch().ok());
    bool pointsDiffer = false;
    for (int t = 0; t < kTransitResearchBodies; ++t) {
        SCOPED_TRACE(kTransitResearchBodyOrder[t]);
        const CTransitResearchTable& navamsa = g_transitResearchTables[t];
        EXPECT_NEAR(navamsa.transit.m_dLongitude, std::fmod(9.0 * inRasi[t].transit.m_dLongitude, 360.0),
                    1e-9);
        EXPECT_EQ(navamsa.transit.m_nSign, static_cast<int>(navamsa.transit.m_dLongitude / 30.0));
        pointsDiffer |= navamsa.nCount != inRasi[t].nCount;
        for (int i = 0; i < std::min(navamsa.nCount, inRasi[t].nCount); ++i)
            pointsDiffer |= navamsa.entries[i].nPoint != inRasi[t].entries[i].nPoint ||
                            navamsa.entries[i].nColumn != inRasi[t].entries[i].nColumn;
    }
    EXPECT_TRUE(pointsDiffer);
}

TEST_F(ModesTest, PrasnaChartTakesItsLagnaFromTheNumber) {
    // Sub-mode 0 shows the Prasna Lagna as a point of its own; sub-mode 1 makes it the lagna.
    ASSERT_TRUE(m_document.CalcNadiPrasna(150, 0, false, 0.0).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Nadi Prasna (151)");
    EXPECT_EQ(m_document.m_workChart.m_extraName[0], "Prasna Lagna");
    EXPECT_EQ(m_document.m_workChart.m_extraShortName[0], "PLag");
    EXPECT_EQ(m_document.m_workChart.m_bodies[kFirstExtraPointBody].m_nSign, 1); // Taurus
    ASSERT_TRUE(m_document.CalcPrasna108(0, 1, true, 30.0).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Prasna-108 (1)");
    EXPECT_EQ(m_document.m_nSubMode, 1);
    EXPECT_EQ(m_document.m_nMode, kModePrasna);
    EXPECT_NEAR(m_document.m_workChart.m_bodies[kLagna].m_dLongitude, 1.0 + 40.0 / 60, 1e-9);
    EXPECT_EQ(g_dCompressionDays, 30.0);
    EXPECT_FALSE(m_document.CalcPrasna249(249, 0, false, 0.0).ok()); // numbers run 1-249
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Prasna-108 (1)");
}

TEST_F(ModesTest, APrasnaNumberOutOfRangeIsRefusedAsTyped) {
    using Cast = CalcStatus (CTavroDoc::*)(int, int, bool, double);
    struct Case {
        Cast cast;
        int n; // 0-based, as the form passes it
        const char* message;
    };
    const Case kCases[] = {
        {&CTavroDoc::CalcPrasna108, 108, "Prasna-108 number 109 is not between 1 and 108."},
        {&CTavroDoc::CalcPrasna108, INT_MAX, "Prasna-108 number 2147483648 is not between 1 and 108."},
        {&CTavroDoc::CalcPrasna249, -1, "Prasna-249 number 0 is not between 1 and 249."},
        {&CTavroDoc::CalcNadiPrasna, INT_MIN, "Nadi Prasna number -2147483647 is not between 1 and 1800."},
    };
    for (const Case& c : kCases) {
        const CalcStatus status = (m_document.*c.cast)(c.n, 0, false, 0.0);
        EXPECT_EQ(status.error, c.message);
        EXPECT_EQ(m_document.m_nMode, kModeNatal);
    }
}

TEST_F(ModesTest, ProgressionsShiftOrFixTheChart) {
    const CLocalDateTime target =
        NatalZoneMoment(m_document, m_document.m_natalChart.GetJulianDay() + 20 * 365.25);
    ASSERT_TRUE(m_document.CalcSudarsanaProgression(target).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Progressed (SCD)");
    EXPECT_FALSE(g_bDasaCompression);
    // Twenty years of arc (about 7200 degrees): 8 signs into the second 12-year cycle.
    const double shifted = m_document.m_workChart.m_dShift;
    EXPECT_NEAR(shifted, 240.0, 1.0);
    ASSERT_TRUE(m_document.CalcBhriguProgression(0, target).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Progressed (Bhrigu)");
    EXPECT_EQ(m_document.m_workChart.m_dShift, 0.0); // the Sudarsana shift does not stay
    EXPECT_EQ(m_document.m_workChart.m_bFixLongitude[kSun], 1);
}

TEST_F(ModesTest, DasaProgressionsTurnOrFixTheChart) {
    RecordingView view;
    m_document.AddView(view);
    const CLocalDateTime target =
        NatalZoneMoment(m_document, m_document.m_natalChart.GetJulianDay() + 10 * 365.25);
    ASSERT_TRUE(m_document.CalcSudarsanaProgression(target).ok());
    // In progression mode the Yogini method moves on from the chart in hand: one update, no natal reset.
    view.updates.clear();
    ASSERT_TRUE(m_document.CalcYoginiProgression(target, 0, 2).ok());
    EXPECT_EQ(view.updates.size(), 1u);
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Progressed (Yogini)");
    EXPECT_EQ(m_document.m_workChart.m_flags[1], 1);
    EXPECT_GE(m_document.m_workChart.m_dShift, 0.0);
    EXPECT_LT(m_document.m_workChart.m_dShift, 360.0);
    // The Kalachakra method returns to natal mode first: two updates.
    view.updates.clear();
    ASSERT_TRUE(m_document.CalcKalachakraProgression(target).ok());
    EXPECT_EQ(view.updates.size(), 2u);
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Progressed (KCD)");
    EXPECT_EQ(m_document.m_workChart.m_flags[1], 0);
    for (int k = 0; k < kProgressionSeedChoices; ++k) {
        EXPECT_EQ(m_document.m_workChart.m_bFixLongitude[KalachakraProgressionBody(k)], 1) << k;
    }
    EXPECT_FALSE(m_document.CalcNakshatraDasaProgression(target, 0, 2, 45).ok()); // a rasi dasa
    EXPECT_FALSE(m_document.CalcYoginiProgression(target, 0, 18).ok());           // no such seed
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Progressed (KCD)");
    ASSERT_TRUE(m_document.CalcNakshatraDasaProgression(target, 0, 2, 0).ok());
    EXPECT_EQ(m_document.m_workChart.m_strTitle, "Prog (NaksDasa)");
    m_document.RemoveView(view);
}

// Everything of the natal chart a mode could touch, written out exactly.
std::string NatalFingerprint(CTavroDoc& document) {
    const CChart& natal = document.m_natalChart;
    std::ostringstream out;
    out << std::hexfloat << document.WriteChartText() << natal.m_strTitle << '\n';
    for (int body = 0; body < kBodyCount; ++body) {
        const CRasiLongitude& b = natal.m_bodies[body];
        out << b.m_dLongitude << ' ' << b.m_nSign << ' ' << b.m_nDegrees << ' ' << b.m_nMinutes << ' '
            << b.m_dSeconds << ' ' << int(b.m_bRetrograde) << ' ' << int(natal.m_nakshatra[body]) << ' '
            << int(natal.m_pada[body]);
        for (int column = 0; column < kVargaColumnCount; ++column)
            out << ' ' << natal.m_vargaSign.Sign(body, column);
        out << '\n';
    }
    for (double cusp : natal.m_dHouseCusps) out << cusp << ' ';
    for (const std::string& name : natal.m_extraName) out << name << ' ';
    out << int(natal.m_flags[0]) << int(natal.m_flags[1]) << int(natal.m_flags[2]) << natal.m_dShift;
    for (int body = 0; body < kBodyCount; ++body) out << int(natal.m_bFixLongitude[body]);
    return out.str();
}

TEST_F(ModesTest, SwitchingModesLeavesTheNatalChartAsItWas) {
    const std::string before = NatalFingerprint(m_document);
    const CScopedOption<int> year(g_nTajakaYear, 2020);
    const CScopedOption<int> tpYear(g_nTithiPraveshaYear, 2020);
    const CLocalDateTime later = NatalZoneMoment(m_document, m_document.m_natalChart.GetJulianDay() + 7000.0);
    std::string title, contacts;
    for (int round = 0; round < 2; ++round) {
        ASSERT_TRUE(m_document.CalculateTajaka().ok());
        ASSERT_TRUE(m_document.CalculateTithiPravesha().ok());
        ASSERT_TRUE(m_document.ShowTransitChart(later).ok());
        ASSERT_TRUE(m_document.CalcSudarsanaProgression(later).ok());
        ASSERT_TRUE(m_document.CalcProgressedByDegrees(1, later).ok());
        ASSERT_TRUE(
            m_document.CalcEclipseChart(true, EclipseKind::kSolarGlobal, false, title, contacts).ok());
        ASSERT_TRUE(m_document.CalcNishekaChart().ok());
        ASSERT_TRUE(m_document.CalcPrasna249(10, 1, true, 30.0).ok());
        ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
        EXPECT_EQ(m_document.m_nMode, kModeNatal);
        EXPECT_EQ(NatalFingerprint(m_document), before) << "round " << round;
    }
}

} // namespace
