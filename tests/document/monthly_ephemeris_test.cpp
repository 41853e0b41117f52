// The monthly movements against swetest (tests/document/data/make_movements_swetest.py): November 2025,
// when Mercury stations retrograde, moves back into Libra and stations direct, and the node changes
// nakshatra. Every ingress is listed once, at swetest's moment; each aspect and sign-distance event once,
// the conjunctions, oppositions and the Moon's fourth-house distances at swetest's moments.
#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "chart/chart.h"
#include "core/body_names.h"
#include "document/monthly_ephemeris.h"
#include "panchanga_test_support.h"

namespace {

const std::string kTable = "movements_swetest.txt";

class MonthlyMovementsTest : public SwetestFrameTest {
protected:
    void SetUp() override {
        const CChartCore place = PlaceAtNoon(80.27, 13.08, -5.5, 2025, 11, 15);
        const CalcStatus status = ComputePlanetaryMovements(place, m_movements);
        ASSERT_TRUE(status.ok()) << status.error;
    }
    CPlanetaryMovements m_movements;
};

void ExpectSameIngresses(const std::vector<CMovementEvent>& found, const std::string& kind) {
    std::vector<ReferenceRecord> expected;
    for (const auto& r : ReadReferenceTable(kTable, "ingress"))
        if (r[2] == kind) expected.push_back(r);
    ASSERT_EQ(found.size(), expected.size()) << kind;
    for (const auto& r : expected) {
        const int body = std::stoi(r[1]), division = std::stoi(r[3]);
        const double jd = std::stod(r[4]);
        int matches = 0;
        for (const CMovementEvent& e : found)
            if (e.body == body && e.division == division && std::fabs(e.jdUt - jd) < kSecondDays) ++matches;
        EXPECT_EQ(matches, 1) << kind << " body " << body << " enters " << division << " at " << r[4];
    }
}

TEST_F(MonthlyMovementsTest, SignIngressesAgreeWithSwetestEachOnce) {
    ExpectSameIngresses(m_movements.signEntries, "sign");
}

TEST_F(MonthlyMovementsTest, NakshatraIngressesAgreeWithSwetestEachOnce) {
    ExpectSameIngresses(m_movements.nakshatraEntries, "nakshatra");
}

TEST_F(MonthlyMovementsTest, MercuryGoingBackIntoLibraAndTheNodesAreListed) {
    const std::string text = FormatPlanetaryMovements(m_movements);
    EXPECT_EQ(text.rfind("\nPlanetary Movements for November, 2025:\n\nEntry of planets into signs\n", 0),
              0u);
    EXPECT_NE(text.find("\nMercury\tenters\tLibra\t23\t"), std::string::npos);
    EXPECT_NE(text.find("\nRahu\tenters\tSatabhishak"), std::string::npos) << text;
}

// A - B = 270 is the moment of B - A = 90: one pair of lines, not two; no line twice at one moment.
TEST_F(MonthlyMovementsTest, EachAspectEventIsListedOnceInOrderOfTime) {
    const auto& events = m_movements.aspects;
    ASSERT_FALSE(events.empty());
    std::set<std::pair<std::string, long long>> seen;
    for (std::size_t i = 0; i < events.size(); ++i) {
        const long long second = std::llround(events[i].jdUt * 86400.0);
        EXPECT_TRUE(seen.insert({events[i].text, second}).second) << events[i].text;
        if (i > 0) {
            EXPECT_LE(events[i - 1].jdUt, events[i].jdUt);
        }
    }
    // The Moon meets every body within a month: its sign distances are there.
    bool moonFourth = false;
    for (const CMovementEvent& e : events)
        moonFourth |= e.text.find("\tMo\t[4]\t") != std::string::npos || e.text.rfind("\nMo\t[4]\t", 0) == 0;
    EXPECT_TRUE(moonFourth);
}

// Every conjunction and opposition of two of the Sun to Saturn, and every moment the Moon stands 270
// degrees on from a body (written from both sides, [4] and [10]), once each at swetest's moment; the
// month has no other conjunction or opposition.
TEST_F(MonthlyMovementsTest, AspectTimesAgreeWithSwetest) {
    const char* const* names = ChosenPlanetAbbrevs();
    const auto count = [this](const std::string& a, const char* label, const std::string& b, double jd) {
        const std::string line = "\n" + a + "\t" + label + "\t" + b + "\t";
        int found = 0;
        for (const CMovementEvent& e : m_movements.aspects)
            found += e.text.rfind(line, 0) == 0 && std::fabs(e.jdUt - jd) < kSecondDays;
        return found;
    };
    const std::vector<ReferenceRecord> expected = ReadReferenceTable(kTable, "aspect");
    ASSERT_FALSE(expected.empty());
    int conjunctionsAndOppositions = 0;
    for (const ReferenceRecord& r : expected) {
        const std::string a = names[std::stoi(r[1])], b = names[std::stoi(r[2])];
        const double jd = std::stod(r[4]);
        SCOPED_TRACE(a + " - " + b + " = " + r[3] + " at " + r[4]);
        if (r[3] == "270") {
            EXPECT_EQ(count(a, "[4]", b, jd), 1);
            EXPECT_EQ(count(b, "[10]", a, jd), 1);
        } else {
            EXPECT_EQ(count(a, r[3] == "0" ? "[C]" : "[S]", b, jd), 1);
            ++conjunctionsAndOppositions;
        }
    }
    int listed = 0;
    for (const CMovementEvent& e : m_movements.aspects)
        listed += e.text.find("\t[C]\t") != std::string::npos || e.text.find("\t[S]\t") != std::string::npos;
    EXPECT_EQ(listed, conjunctionsAndOppositions);
}

// An ingress within half a second of local midnight is listed at 0:00:00 under the next day, the day
// taken from the rounded moment: the Sun's entry into Scorpio seen from a zone that puts it at 23:59:59.6.
TEST_F(MonthlyMovementsTest, AnIngressRoundedToMidnightIsListedUnderTheNextDay) {
    const auto sunEntry = [](const CPlanetaryMovements& movements) -> const CMovementEvent* {
        for (const CMovementEvent& e : movements.signEntries)
            if (e.body == kSun && e.division == 7) return &e;
        return nullptr;
    };
    const CMovementEvent* entry = sunEntry(m_movements);
    ASSERT_NE(entry, nullptr);
    const double utMidnight = std::floor(entry->jdUt + 0.5) - 0.5; // 2025-11-16 0:00 UT
    const double zoneWest = 24.0 * (entry->jdUt - (utMidnight + 1.0)) + 0.4 / 3600.0;
    CPlanetaryMovements movements;
    const CalcStatus status =
        ComputePlanetaryMovements(PlaceAtNoon(80.27, 13.08, zoneWest, 2025, 11, 15), movements);
    ASSERT_TRUE(status.ok()) << status.error;
    entry = sunEntry(movements);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry->text, "\nSun\tenters\tScorpio\t17\t0:00:00");
}

TEST(LongitudeDms, RoundsToTheSecondWithoutReachingTheNextCircle) {
    const struct {
        double longitude;
        const char* text;
    } cases[] = {{0.0, "000:00:00"},
                 {29.99999, "030:00:00"},
                 {123.5 + 59.6 / 3600.0, "123:31:00"},
                 {359.99999, "359:59:59"},
                 {359.5, "359:30:00"}};
    for (const auto& c : cases) EXPECT_EQ(LongitudeDms(c.longitude), c.text) << c.longitude;
}

} // namespace
