// The transit calendar and the dasa-transit listing of the Chennai chart: sign entries where swetest
// puts them, the rows' judgements as a fully cast transit chart gives them, the chooser's columns, and
// the document left alone.
#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "document/dasa_transit_listing.h"
#include "document/document_state.h"
#include "document/transit_calendar.h"
#include "modes_test_support.h"
#include "tests/core/reference_table.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
constexpr double kMarch2024 = 2460370.5; // 2024-03-01 00:00 UT

// swetest's Lahiri (mode 1) is the program's Traditional Lahiri.
class TransitCalendarTest : public ChennaiDocumentTest {
protected:
    void SetUp() override {
        g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        ChennaiDocumentTest::SetUp();
    }
    TransitCalendarRequest Request(double jdUt, double step, int count, int natalColumn = 0,
                                   int transitColumn = 0) {
        TransitCalendarRequest request;
        request.start = NatalZoneMoment(m_document, jdUt);
        request.stepDays = step;
        request.count = count;
        request.natalColumn = natalColumn;
        request.transitColumn = transitColumn;
        return request;
    }
};

TEST_F(TransitCalendarTest, SignEntriesAgreeWithSwetestForAMonth) {
    const TransitCalendar calendar =
        ComputeTransitCalendar(m_document.m_natalChart, Request(kMarch2024, 1.0, 31));
    ASSERT_TRUE(calendar.status.ok()) << calendar.status.error;
    ASSERT_EQ(calendar.rows.size(), 31u);
    const std::vector<ReferenceRecord> entries = ReadReferenceTable("sign_entries_swetest.txt", "entry");
    ASSERT_FALSE(entries.empty());
    int compared = 0;
    for (const CalendarRow& row : calendar.rows) {
        for (const int body : {kSun, kMars, kMercury, kJupiter, kVenus, kSaturn, kRahu, kKetu}) {
            // The latest crossing swetest found before the row: the entry into the sign the body is in.
            const int searched = body == kKetu ? kRahu : body;
            double expected = 0.0;
            for (const ReferenceRecord& r : entries)
                if (std::stoi(r[1]) == searched && std::stod(r[3]) <= row.jdUt)
                    expected = std::max(expected, std::stod(r[3]));
            SCOPED_TRACE("body " + std::to_string(body) + " on " + std::to_string(row.jdUt));
            ASSERT_GT(expected, 0.0);
            const CalendarCell& cell = row.planets[body - 1];
            ASSERT_GE(cell.murthi, 0);
            EXPECT_NEAR(cell.entryJdUt, expected, kSecond);
            ++compared;
        }
        EXPECT_EQ(row.planets[kMoon - 1].murthi, -1); // the Moon has no murthi
    }
    EXPECT_EQ(compared, 31 * 8);
}

TEST_F(TransitCalendarTest, RowsJudgeAsAFullyCastTransitChart) {
    // Navamsa natal references, the transit signs in D-144 (which reads the D-12 column).
    const double step = 2.75;
    const TransitCalendar calendar =
        ComputeTransitCalendar(m_document.m_natalChart, Request(kMarch2024, step, 6, kD9Column, kD144Column));
    ASSERT_TRUE(calendar.status.ok()) << calendar.status.error;
    const CChart& natal = m_document.m_natalChart;
    for (const CalendarRow& row : calendar.rows) {
        ASSERT_TRUE(m_document.ShowTransitChart(row.moment).ok());
        const CChart& transit = *m_document.m_pCurrentChart;
        EXPECT_NEAR(transit.GetJulianDay(), row.jdUt, 1e-6);
        for (int p = kSun; p <= kKetu; ++p) {
            SCOPED_TRACE("planet " + std::to_string(p) + " on " + std::to_string(row.jdUt));
            const CalendarCell& cell = row.planets[p - 1];
            const int sign = transit.m_vargaSign.Sign(p, kD144Column);
            EXPECT_EQ(cell.houseFromMoon, (sign - natal.m_vargaSign.Sign(kMoon, kD9Column) + 12) % 12 + 1);
            EXPECT_EQ(cell.houseFromLagna, (sign - natal.m_vargaSign.Sign(kLagna, kD9Column) + 12) % 12 + 1);
            EXPECT_EQ(cell.tara, (transit.m_nakshatra[p] - natal.m_nakshatra[kMoon] + 27) % 9);
            if (p <= kSaturn) {
                EXPECT_EQ(cell.bindus, natal.m_ashtakavarga.m_bhinna[kD9Column][p][sign]);
                EXPECT_EQ(cell.goodKakshya,
                          natal.m_ashtakavarga.m_prastara[kD9Column][p].m_given[sign][cell.kakshyaLord]);
            }
            // The chart's own murthis are counted the same way.
            if (p != kMoon) {
                EXPECT_EQ(cell.murthi, transit.m_nMurti[p]);
            }
        }
    }
}

// Houses, good houses and vedhas of the Sun to Saturn from the natal Moon (Sagittarius) and lagna (Cancer)
// on four days of March 2024, worked out by hand from swetest's signs and the classical gochara and vedha
// tables. Natal: swetest -b15.5.1990 -ut4:45 -p1 -sid1 -true -fl (Moon 269.71) and -house80.16,13.05,P
// (ascendant 93.33). Transits: swetest -bjJD -ut -p0123456m -sid1 -true -fl -head for each row's JD; e.g.
// on 2460370.5 the Sun, Mercury and Saturn in Aquarius, Venus and Mars in Capricorn, Jupiter in Aries,
// Rahu in Pisces: Jupiter's 5th from the Moon is obstructed from the 4th by Rahu.
TEST_F(TransitCalendarTest, GoodHousesAndVedhasOfTheSunToSaturn) {
    struct Cell {
        int fromMoon;
        bool good, vedha;
        int fromLagna;
        bool goodFromLagna, vedhaFromLagna;
    };
    // Rows 10 days apart from 2460370.5 (1 March 2024, 0:00 UT); Sun, Moon, Mars, Mercury, Jupiter,
    // Venus, Saturn.
    const Cell kRows[4][7] = {
        {{3, 1, 0, 8, 0, 0},
         {11, 1, 0, 4, 0, 0},
         {2, 0, 0, 7, 0, 0},
         {3, 0, 0, 8, 1, 0},
         {5, 1, 1, 10, 0, 0},
         {2, 1, 0, 7, 0, 0},
         {3, 1, 0, 8, 0, 0}},
        {{3, 1, 0, 8, 0, 0},
         {4, 0, 0, 9, 0, 0},
         {2, 0, 0, 7, 0, 0},
         {4, 1, 1, 9, 0, 0},
         {5, 1, 1, 10, 0, 0},
         {3, 1, 0, 8, 1, 0},
         {3, 1, 0, 8, 0, 0}},
        {{4, 0, 0, 9, 0, 0},
         {8, 0, 0, 1, 1, 0},
         {3, 1, 0, 8, 0, 0},
         {4, 1, 1, 9, 0, 0},
         {5, 1, 1, 10, 0, 0},
         {3, 1, 0, 8, 1, 0},
         {3, 1, 0, 8, 0, 0}},
        {{4, 0, 0, 9, 0, 0},
         {12, 0, 0, 5, 0, 0},
         {3, 1, 1, 8, 0, 0},
         {5, 0, 0, 10, 1, 0},
         {5, 1, 1, 10, 0, 0},
         {3, 1, 0, 8, 1, 1},
         {3, 1, 1, 8, 0, 0}},
    };
    const TransitCalendar calendar =
        ComputeTransitCalendar(m_document.m_natalChart, Request(kMarch2024, 10.0, 4));
    ASSERT_TRUE(calendar.status.ok()) << calendar.status.error;
    ASSERT_EQ(calendar.rows.size(), 4u);
    for (int r = 0; r < 4; ++r) {
        for (int p = kSun; p <= kSaturn; ++p) {
            SCOPED_TRACE("row " + std::to_string(r) + " planet " + std::to_string(p));
            const CalendarCell& cell = calendar.rows[r].planets[p - 1];
            const Cell& expected = kRows[r][p - 1];
            EXPECT_EQ(cell.houseFromMoon, expected.fromMoon);
            EXPECT_EQ(cell.goodFromMoon, expected.good);
            EXPECT_EQ(cell.vedhaFromMoon, expected.vedha);
            EXPECT_EQ(cell.houseFromLagna, expected.fromLagna);
            EXPECT_EQ(cell.goodFromLagna, expected.goodFromLagna);
            EXPECT_EQ(cell.vedhaFromLagna, expected.vedhaFromLagna);
        }
    }
}

TEST_F(TransitCalendarTest, TheNodesShowNoVedhaScoreOrKakshyaFlag) {
    const TransitCalendar calendar =
        ComputeTransitCalendar(m_document.m_natalChart, Request(kMarch2024, 20.0, 40));
    ASSERT_EQ(calendar.rows.size(), 40u);
    for (const CalendarRow& row : calendar.rows) {
        for (const int node : {kRahu, kKetu}) {
            const CalendarCell& cell = row.planets[node - 1];
            EXPECT_FALSE(cell.vedhaFromMoon);
            EXPECT_FALSE(cell.vedhaFromLagna);
            EXPECT_EQ(cell.bindus, -1);
            EXPECT_EQ(cell.goodKakshya, -1);
        }
    }
}

TEST_F(TransitCalendarTest, CountsAndCancel) {
    const CChart& natal = m_document.m_natalChart;
    EXPECT_TRUE(ComputeTransitCalendar(natal, Request(kMarch2024, 1.0, 0)).rows.empty());
    EXPECT_EQ(ComputeTransitCalendar(natal, Request(kMarch2024, 0.5, 150)).rows.size(), 100u);
    int told = 0;
    const TransitCalendar cancelled =
        ComputeTransitCalendar(natal, Request(kMarch2024, 1.0, 30), [&told](int done, int total) {
            EXPECT_EQ(total, 30);
            ++told;
            return done < 3;
        });
    EXPECT_TRUE(cancelled.cancelled);
    EXPECT_EQ(cancelled.rows.size(), 3u);
    EXPECT_EQ(told, 4);
    // A moment outside the ephemeris stops with the library's message.
    const TransitCalendar failed = ComputeTransitCalendar(natal, Request(kMarch2024 + 3.0e6, 1.0, 3));
    EXPECT_FALSE(failed.status.ok());
}

TEST_F(TransitCalendarTest, TheDocumentIsOnlyRead) {
    ASSERT_TRUE(m_document.ShowTransitChart(NatalZoneMoment(m_document, kMarch2024 - 400)).ok());
    const CChart* current = m_document.m_pCurrentChart;
    const int mode = m_document.m_nMode;
    const double workJd = m_document.m_workChart.GetJulianDay();
    const std::string title = m_document.m_workChart.m_strTitle;
    const double moon = m_document.m_workChart.m_bodies[kMoon].m_dLongitude;
    const std::uint64_t natalChanges = m_document.NatalChangeCount();
    // A failure part-way leaves nothing changed either.
    for (const double start : {kMarch2024, kMarch2024 + 3.0e6})
        (void)ComputeTransitCalendar(m_document.m_natalChart, Request(start, 1.0, 20));
    EXPECT_EQ(m_document.m_pCurrentChart, current);
    EXPECT_EQ(m_document.m_nMode, mode);
    EXPECT_EQ(m_document.m_workChart.GetJulianDay(), workJd);
    EXPECT_EQ(m_document.m_workChart.m_strTitle, title);
    EXPECT_EQ(m_document.m_workChart.m_bodies[kMoon].m_dLongitude, moon);
    EXPECT_EQ(m_document.NatalChangeCount(), natalChanges);
}

TEST(TransitCalendarChooser, EntriesMapToTheColumnsTheyName) {
    struct Case {
        int entry, column;
    };
    const Case cases[] = {{0, kD1Column},    {1, kD9Column},  {19, kD60Column}, {20, kD108Column},
                          {21, kD144Column}, {22, kD1Column}, {-1, kD1Column}};
    for (const Case& c : cases) EXPECT_EQ(CalendarChooserColumn(c.entry), c.column) << c.entry;
}

TEST_F(TransitCalendarTest, NatalChangeCountMovesWithTheNatalChartInTransitMode) {
    ASSERT_TRUE(m_document.ShowTransitChart(NatalZoneMoment(m_document, kMarch2024)).ok());
    const std::uint64_t before = m_document.NatalChangeCount();
    ASSERT_TRUE(m_document.OnBirthTimeMoved(m_document.m_natalChart.GetJulianDay() + 1.0 / 24).ok());
    EXPECT_EQ(m_document.m_nMode, kModeTransit);
    EXPECT_NE(m_document.NatalChangeCount(), before);
    const std::uint64_t moved = m_document.NatalChangeCount();
    ASSERT_TRUE(m_document.RecalculateAll().ok());
    EXPECT_NE(m_document.NatalChangeCount(), moved);
}

// Jupiter, Saturn, Rahu and Ketu in the twelve houses from Aries during 2023 (local dates at Chennai).
TEST_F(TransitCalendarTest, DasaTransitListingCutsStaysToThePeriod) {
    const CLocalDateTime start = NatalZoneMoment(m_document, 2459945.5); // 2023-01-01 05:30
    const CLocalDateTime end = NatalZoneMoment(m_document, 2460310.5);   // 2024-01-01 05:30
    const DasaTransitListing listing = ListDasaTransits(m_document.m_natalChart, start, end, 0);
    ASSERT_TRUE(listing.status.ok()) << listing.status.error;
    const std::vector<ReferenceRecord> entries = ReadReferenceTable("sign_entries_swetest.txt", "entry");
    const auto entryOf = [&entries](int body, int sign) {
        for (const ReferenceRecord& r : entries)
            if (std::stoi(r[1]) == body && std::stoi(r[2]) == sign) return std::stod(r[3]);
        return 0.0;
    };
    // Jupiter (index 0) went from Pisces (12th house) into Aries (1st) in April 2023.
    const double jupiterEntry = entryOf(kJupiter, 0);
    ASSERT_EQ(listing.stays[11][0].size(), 1u);
    EXPECT_NEAR(listing.stays[11][0][0].entryJdUt, 2459945.5, kSecond); // running at the start
    EXPECT_NEAR(listing.stays[11][0][0].exitJdUt, jupiterEntry, kSecond);
    ASSERT_EQ(listing.stays[0][0].size(), 1u);
    EXPECT_NEAR(listing.stays[0][0][0].entryJdUt, jupiterEntry, kSecond);
    EXPECT_NEAR(listing.stays[0][0][0].exitJdUt, 2460310.5, kSecond); // cut at the end
    EXPECT_EQ(listing.stays[0][0][0].exit.m_nYear, 2024);
    // Saturn (index 1) entered Aquarius (11th) in January 2023; it never reached Leo (5th).
    ASSERT_EQ(listing.stays[10][1].size(), 1u);
    EXPECT_NEAR(listing.stays[10][1][0].entryJdUt, entryOf(kSaturn, 10), kSecond);
    EXPECT_TRUE(listing.stays[4][1].empty());
    // Rahu (2) into Pisces, Ketu (3) into Virgo at the same moment.
    ASSERT_EQ(listing.stays[11][2].size(), 1u);
    ASSERT_EQ(listing.stays[5][3].size(), 1u);
    EXPECT_NEAR(listing.stays[11][2][0].entryJdUt, entryOf(kRahu, 11), kSecond);
    EXPECT_NEAR(listing.stays[5][3][0].entryJdUt, entryOf(kRahu, 11), kSecond);
}

// A retrograde return splits a stay in two: Jupiter went from Capricorn into Aquarius in April 2021,
// back in September and on again in November; Saturn did the same from April 2022 to January 2023.
// Crossings from swetest -bjJD -ut -p5 (Jupiter) or -p6 (Saturn) -true -sid1 -fl -head, a daily scan from
// 2021-01-01 (Jupiter) or 2022-01-01 (Saturn) bisected below 1e-9 day; the period 2021-01-01 to
// 2024-01-01 0:00 UT, houses from Aries.
TEST_F(TransitCalendarTest, RetrogradeReturnsGiveTheListingSeveralStaysInAHouse) {
    constexpr double kStart = 2459215.5, kEnd = 2460310.5;
    constexpr int kJupiterIndex = 0, kSaturnIndex = 1, kCapricorn = 9, kAquarius = 10;
    const struct {
        int house, body;
        std::vector<std::pair<double, double>> stays; // entry, exit (UT)
    } cases[] = {
        {kCapricorn, kJupiterIndex, {{kStart, 2459310.255397022}, {2459471.844752362, 2459539.221964807}}},
        {kAquarius,
         kJupiterIndex,
         {{2459310.255397022, 2459471.844752362}, {2459539.221964807, 2459682.896994692}}},
        {kCapricorn, kSaturnIndex, {{kStart, 2459698.541398734}, {2459772.835389731, 2459961.962014252}}},
        {kAquarius, kSaturnIndex, {{2459698.541398734, 2459772.835389731}, {2459961.962014252, kEnd}}},
    };
    const DasaTransitListing listing = ListDasaTransits(
        m_document.m_natalChart, NatalZoneMoment(m_document, kStart), NatalZoneMoment(m_document, kEnd), 0);
    ASSERT_TRUE(listing.status.ok()) << listing.status.error;
    for (const auto& c : cases) {
        SCOPED_TRACE("house " + std::to_string(c.house + 1) + " body " + std::to_string(c.body));
        const std::vector<TransitStay>& stays = listing.stays[c.house][c.body];
        ASSERT_EQ(stays.size(), c.stays.size());
        for (std::size_t i = 0; i < stays.size(); ++i) {
            EXPECT_NEAR(stays[i].entryJdUt, c.stays[i].first, kSecond);
            EXPECT_NEAR(stays[i].exitJdUt, c.stays[i].second, kSecond);
        }
    }
}

} // namespace
