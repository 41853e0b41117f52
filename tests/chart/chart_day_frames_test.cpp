// The birth day's frames: sunrise, noon, sunset, midnight and the next sunrise against swetest, the
// 6:00-to-6:00 frames, the mean-time day where the Sun does not rise or set, and the zone change.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

#include <gtest/gtest.h>
#include <swephexp.h>

#include "chart/chart.h"
#include "day_chart_support.h"
#include "tests/core/reference_table.h"

namespace {

// "DD.MM.YYYY" "HH:MM:SS.S" (UT) -> Julian day.
double ParseUt(const std::string& date, const std::string& time) {
    int day = 0, month = 0, year = 0, hours = 0, minutes = 0;
    double seconds = 0.0;
    std::sscanf(date.c_str(), "%d.%d.%d", &day, &month, &year);
    std::sscanf(time.c_str(), "%d:%d:%lf", &hours, &minutes, &seconds);
    return swe_julday(year, month, day, hours + minutes / 60.0 + seconds / 3600.0, SE_GREG_CAL);
}

struct SunriseCase {
    int n;
    CChart chart;
};

std::vector<SunriseCase> SunriseCases() {
    std::vector<SunriseCase> cases;
    for (const ReferenceRecord& r : ReadReferenceTable("sunrise_swetest.txt", "case")) {
        cases.push_back(
            {std::stoi(r[1]), LocalChart(std::stoi(r[8]), std::stoi(r[9]), std::stoi(r[10]), std::stod(r[11]),
                                         std::stod(r[7]), std::stod(r[2]), std::stod(r[3]), std::stod(r[4]),
                                         std::stod(r[5]), std::stod(r[6]))});
    }
    return cases;
}

// The instants of one kind of event of a case (and of a sunrise definition, for rises and sets), sorted.
std::vector<double> Events(const std::string& kind, int n, int definition = -1) {
    std::vector<double> found;
    for (const ReferenceRecord& r : ReadReferenceTable("sunrise_swetest.txt", kind)) {
        if (std::stoi(r[1]) != n) continue;
        if (definition >= 0 && std::stoi(r[2]) != definition) continue;
        found.push_back(ParseUt(r[r.size() - 2], r[r.size() - 1]));
    }
    std::sort(found.begin(), found.end());
    return found;
}

double LastAtOrBefore(const std::vector<double>& events, double jd) {
    double last = 0.0;
    for (double e : events)
        if (e <= jd) last = e;
    return last;
}

double FirstAfter(const std::vector<double>& events, double jd) {
    for (double e : events)
        if (e > jd) return e;
    return 0.0;
}

bool HasStandIn(const CDayFrameTimes& frame) {
    return frame.m_bStandInStart || frame.m_bStandInNightStart || frame.m_bStandInNextStart;
}

TEST_F(DayChartTest, SunriseFrameAgreesWithSwetestForEveryDefinition) {
    for (SunriseCase& c : SunriseCases()) {
        for (int definition = 0; definition <= 3; ++definition) {
            const std::vector<double> rises = Events("rise", c.n, definition);
            if (rises.empty()) continue; // the polar cases: see the mean-time day below
            SCOPED_TRACE(testing::Message() << "case " << c.n << " definition " << definition);
            g_nSunriseDefinition = definition;
            ASSERT_TRUE(c.chart.ComputeSunriseSunset().ok());
            const double birth = c.chart.GetJulianDay();
            const double rise = LastAtOrBefore(rises, birth);
            const double set = FirstAfter(Events("set", c.n, definition), rise);
            const double nextRise = FirstAfter(rises, birth);
            const double noon = FirstAfter(Events("mtransit", c.n), rise);
            const double midnight = FirstAfter(Events("itransit", c.n), rise);
            EXPECT_FALSE(HasStandIn(c.chart.m_sunriseFrame));
            EXPECT_NEAR(c.chart.m_sunriseFrame.m_dStartJd, rise, 2 * kSecond);
            EXPECT_NEAR(c.chart.m_sunriseFrame.m_dNightStartJd, set, 2 * kSecond);
            EXPECT_NEAR(c.chart.m_sunriseFrame.m_dNextStartJd, nextRise, 2 * kSecond);
            const double snapshots[5] = {rise, noon, set, midnight, nextRise};
            for (int i = 0; i < 5; ++i)
                EXPECT_NEAR(c.chart.m_sunSnapshot[i].GetJulianDay(), snapshots[i], 2 * kSecond)
                    << "snapshot " << i;

            const CDayFrameTimes& f = c.chart.m_sunriseFrame;
            EXPECT_NEAR(f.m_dGhatisSinceStart, (birth - rise) * 60.0, 0.001);
            EXPECT_NEAR(f.m_dGhatisSinceNightStart, (birth - set) * 60.0, 0.001);
            EXPECT_NEAR(f.m_dDayLength, (set - rise) * 60.0, 0.001);
            EXPECT_NEAR(f.m_dNightLength, (nextRise - set) * 60.0, 0.001);
            EXPECT_NEAR(f.m_dWholeDay, (nextRise - rise) * 60.0, 0.001);
            EXPECT_EQ(f.m_bDayBirth, birth < set ? 1 : 0);
        }
    }
}

// A record whose air was never set, as one made before the preferences are read: its refracted sunrise
// is swetest's in the default air (case 0 is Chennai at 1013.25 mbar and 20 degrees C).
TEST_F(DayChartTest, ARecordStartsInTheDefaultAirForItsRefractedSunrise) {
    const CChart inDefaultAir = SunriseCases().front().chart;
    CChart chart;
    chart.m_dateTime = inDefaultAir.m_dateTime;
    chart.m_longitude = inDefaultAir.m_longitude;
    chart.m_latitude = inDefaultAir.m_latitude;
    for (int definition : {2, 3}) { // upper edge and centre of the disc, with refraction
        SCOPED_TRACE(definition);
        g_nSunriseDefinition = definition;
        ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
        const double rise = LastAtOrBefore(Events("rise", 0, definition), chart.GetJulianDay());
        EXPECT_NEAR(chart.m_sunriseFrame.m_dStartJd, rise, 2 * kSecond);
        EXPECT_NEAR(chart.m_sunriseFrame.m_dNightStartJd, FirstAfter(Events("set", 0, definition), rise),
                    2 * kSecond);
    }
}

TEST_F(DayChartTest, ChennaiSunriseAndSunsetInIndianTime) {
    // 2024-01-15 at Chennai: sunrise about 6:35, sunset about 18:01 IST (standard definition).
    g_nSunriseDefinition = 2;
    CChart chart = LocalChart(2024, 1, 15, 10.0, -5.5, 80.27, 13.08);
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    EXPECT_NEAR(chart.m_sunSnapshot[0].m_dateTime.m_time.m_dHours, 6.0 + 35.0 / 60.0, 1.0 / 60.0);
    EXPECT_NEAR(chart.m_sunSnapshot[2].m_dateTime.m_time.m_dHours, 18.0 + 1.0 / 60.0, 1.0 / 60.0);
    EXPECT_EQ(chart.m_sunSnapshot[0].m_dateTime.m_nDay, 15);
    EXPECT_EQ(chart.m_sunSnapshot[4].m_dateTime.m_nDay, 16);
    // Definition 0 (centre, no refraction) rises later than the standard sunrise.
    const double standard = chart.m_sunriseFrame.m_dStartJd;
    g_nSunriseDefinition = 0;
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    EXPECT_GT(chart.m_sunriseFrame.m_dStartJd, standard + 2.0 / 1440.0);
}

TEST_F(DayChartTest, BirthBeforeSunriseBelongsToThePreviousSunriseDay) {
    CChart chart = LocalChart(2023, 12, 1, 4.0, 5.0, -74.006, 40.7128);
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    EXPECT_EQ(chart.m_sunSnapshot[0].m_dateTime.m_nDay, 30);
    EXPECT_EQ(chart.m_sunSnapshot[4].m_dateTime.m_nDay, 1);
    EXPECT_EQ(chart.m_sunriseFrame.m_bDayBirth, 0);
    EXPECT_GT(chart.m_sunriseFrame.m_dGhatisSinceNightStart, 0.0);
}

TEST_F(DayChartTest, SixOClockFramesStartAtTheLastSixBeforeTheBirth) {
    // Chennai, zone 5:30 east: 6:00 local mean time is 6:00 + 5.5 h - 80.27/15 h on the zone clock.
    CChart chart = LocalChart(2024, 1, 15, 5.0, -5.5, 80.27, 13.08);
    ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
    const double meanSix = 6.0 + 5.5 - 80.27 / 15.0;
    const double birth = chart.GetJulianDay();
    const double meanStart =
        swe_julday(2024, 1, 14, meanSix - 5.5, SE_GREG_CAL); // before 6:10: the day before
    const double zoneStart = swe_julday(2024, 1, 14, 6.0 - 5.5, SE_GREG_CAL);
    EXPECT_NEAR(chart.m_meanTimeFrame.m_dStartJd, meanStart, 1e-8);
    EXPECT_NEAR(chart.m_zoneTimeFrame.m_dStartJd, zoneStart, 1e-8);
    EXPECT_NEAR(chart.m_meanTimeProbe[1].GetJulianDay(), meanStart + 0.5, kSecond);
    EXPECT_NEAR(chart.m_zoneTimeProbe[2].GetJulianDay(), zoneStart + 1.0, kSecond);
    EXPECT_NEAR(chart.m_zoneTimeFrame.m_dGhatisSinceStart, (birth - zoneStart) * 60.0, 1e-6);
    EXPECT_DOUBLE_EQ(chart.m_zoneTimeFrame.m_dDayLength, 30.0);
    EXPECT_EQ(chart.m_zoneTimeFrame.m_bDayBirth, 0);
    EXPECT_EQ(chart.m_zoneTimeProbe[0].m_dateTime.m_nDay, 14);
    EXPECT_NEAR(chart.m_zoneTimeProbe[0].m_dateTime.m_time.m_dHours, 6.0, 1e-6);
}

// The day's moments hold no positions: a reader cannot take a body nobody computed there.
template <class T>
concept HoldsPositions = requires(const T& record) {
    record.m_bodies;
};
static_assert(HoldsPositions<CChartCore> && !HoldsPositions<CDayFrameMoment>);

// The special lagnas count from the Sun at sunrise, computed alone: it must be, to the bit, the Sun a
// chart cast at that sunrise holds, on the ephemeris' day, the traditional model's lagna-defined day
// and the mean-time day of a polar birth, and when taken back for a second birth on the same day.
TEST_F(DayChartTest, TheSunAtSunriseIsTheSunOfAChartCastThen) {
    const std::vector<SunriseCase> cases = SunriseCases();
    const auto polar = std::find_if(cases.begin(), cases.end(),
                                    [](const SunriseCase& c) { return Events("rise", c.n).empty(); });
    ASSERT_NE(polar, cases.end());
    const CChart chennai = LocalChart(2024, 1, 15, 10.0, -5.5, 80.27, 13.08);
    for (int siddhanta : {0, 1}) {
        g_nSiddhanta = siddhanta;
        for (const CChart& birth : {chennai, polar->chart}) {
            CChart first = birth;
            CChart later = birth; // half an hour later: the day's searches and the Sun are taken back
            later.ShiftByDays(0.5 / 24.0);
            ASSERT_TRUE(first.ComputeSunriseSunset().ok());
            ASSERT_TRUE(later.ComputeSunriseSunset().ok());
            ForgetCachedAyanamsas(); // the charts cast below compute afresh
            for (const CChart* chart : {&first, &later}) {
                SCOPED_TRACE(testing::Message()
                             << "siddhanta " << siddhanta << " JD " << chart->GetJulianDay());
                CChartCore cast;
                ASSERT_TRUE(chart->m_sunSnapshot[0].CalcInto(cast).ok());
                EXPECT_EQ(chart->m_sunAtSunrise.m_dLongitude, cast.m_bodies[kSun].m_dLongitude);
                EXPECT_EQ(chart->m_sunAtSunrise.m_nSign, cast.m_bodies[kSun].m_nSign);
                EXPECT_EQ(chart->m_sunAtSunrise.m_bRetrograde, cast.m_bodies[kSun].m_bRetrograde);
            }
        }
    }
}

TEST_F(DayChartTest, WithoutSunriseOrSunsetTheDayOfLocalMeanTimeStandsIn) {
    for (SunriseCase& c : SunriseCases()) {
        if (!Events("rise", c.n).empty()) continue;
        for (int siddhanta : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "case " << c.n << " siddhanta " << siddhanta);
            g_nSiddhanta = siddhanta;
            CChart chart = c.chart;
            ASSERT_TRUE(chart.Compute().ok());
            const CDayFrameTimes& f = chart.m_sunriseFrame;
            const double birth = chart.GetJulianDay();
            if (siddhanta == 0) {
                // 6:00, 18:00 and the next 6:00 of local mean time, each marked; noon and midnight are the
                // Sun's transits within them.
                EXPECT_TRUE(f.m_bStandInStart && f.m_bStandInNightStart && f.m_bStandInNextStart);
                EXPECT_NEAR(f.m_dStartJd, chart.m_meanTimeFrame.m_dStartJd, 1e-9);
                EXPECT_NEAR(f.m_dDayLength, 30.0, 1e-6);
                EXPECT_NEAR(f.m_dNightLength, 30.0, 1e-6);
                for (int i : {0, 2, 4})
                    EXPECT_NEAR(chart.m_sunSnapshot[i].GetJulianDay(), f.m_dStartJd + 0.25 * i, kSecond) << i;
                for (int i : {1, 3}) {
                    const double moment = chart.m_sunSnapshot[i].GetJulianDay();
                    EXPECT_GT(moment, chart.m_sunSnapshot[i - 1].GetJulianDay()) << i;
                    EXPECT_LT(moment, chart.m_sunSnapshot[i + 1].GetJulianDay()) << i;
                }
            }
            // The traditional model's lagna may still meet the Sun there: its own day then stands. Either
            // way the birth lies in a day of some length, and everything measured on it is defined.
            EXPECT_LE(f.m_dStartJd, birth);
            EXPECT_LE(birth, f.m_dNextStartJd);
            EXPECT_GT(f.m_dDayLength, 0.0);
            EXPECT_GT(f.m_dNightLength, 0.0);
            for (const CDayLords& day : chart.m_frameDay) {
                EXPECT_GE(day.m_nHoraLord, 1);
                EXPECT_LE(day.m_nHoraLord, 7);
                EXPECT_GE(day.m_nKaalaLord, 1);
                EXPECT_LE(day.m_nKaalaLord, 8);
            }
            for (int b = kLagna; b < kBodyCount; ++b)
                EXPECT_TRUE(std::isfinite(chart.m_bodies[b].m_dLongitude)) << b;
        }
    }
}

TEST_F(DayChartTest, ChangingTheZoneKeepsTheInstant) {
    CChart chart = LocalChart(2024, 3, 10, 12.0, 0.0, 10.0, 50.0);
    ASSERT_TRUE(chart.CalcPlanets().ok());
    const CChart before = chart;
    ASSERT_TRUE(chart.ChangeTimeZone(-5.5).ok());
    EXPECT_EQ(chart.m_dateTime.m_nDay, 10);
    EXPECT_NEAR(chart.m_dateTime.m_time.m_dHours, 17.5, 1e-6);
    EXPECT_DOUBLE_EQ(chart.m_dateTime.m_zone.m_dHours, -5.5);
    EXPECT_NEAR(chart.GetJulianDay(), before.GetJulianDay(), 1e-9);
    for (int b = 0; b < kEphemerisBodyCount; ++b)
        EXPECT_NEAR(chart.m_bodies[b].m_dLongitude, before.m_bodies[b].m_dLongitude, 1e-7) << b;
}

} // namespace
