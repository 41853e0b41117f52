// Panchanga days against swetest (tests/document/data/make_panchanga_days_swetest.py): the rise and set
// of the Sun and the Moon, the ends of every limb and of the Moon's sign, and the periods worked out by
// hand from swetest's sunrises, sunsets and nakshatra starts. Chennai; 60 deg N in June; and two days at
// 60 deg N near the equinoxes whose next sunrise falls minutes from sunrise + 24 h, with a karana ending
// in that gap: it belongs to one day only.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "chart/chart.h"
#include "core/chart_helpers.h"
#include "document/panchanga_day.h"
#include "document/panchanga_moments.h"
#include "panchanga_test_support.h"

namespace {

#define EXPECT_SAME_SECOND(moment, jd) EXPECT_NEAR(Jd(moment), (jd), kSecondDays) << #moment

// A reference day: its sunrise, sunset and next sunrise, and the window of moments it owns.
struct ReferenceDay {
    double rise, set, nextRise, start, end;
    int weekday; // 0 Sunday
};

ReferenceDay DayOf(const ReferenceCase& c, const CPanchangaDay& record) {
    const double rise = LastAtOrBefore(c.sunrises, Jd(record.m_moment));
    const double nextRise = FirstAfter(c.sunrises, rise + 0.01);
    const double offset = 0.01 / 24.0;
    // Weekday of the civil date: Julian day 2451544.5 (2000-01-01) was a Saturday.
    const CLocalDateTime& m = record.m_moment;
    const double civilMidnight = JulianDayOf({m.m_nYear, m.m_nMonth, m.m_nDay, {}, {}});
    const int weekday = static_cast<int>(std::lround(civilMidnight - 2451544.5) % 7 + 13) % 7;
    return {rise, FirstAfter(c.sunsets, rise), nextRise, rise + offset, nextRise + offset, weekday};
}

// The reference ends of a quantity inside the day's window.
std::vector<std::pair<int, double>> EndsIn(const ReferenceCase& c, const char* quantity,
                                           const ReferenceDay& d) {
    std::vector<std::pair<int, double>> inside;
    for (const auto& e : c.ends.at(quantity))
        if (d.start <= e.second && e.second < d.end) inside.push_back(e);
    return inside;
}

// The unit running at a moment: the one entered at the last end before it, or the one before the first.
int UnitAt(const ReferenceCase& c, const std::string& quantity, double jd) {
    const std::map<std::string, int> units = {
        {"tithi", 30}, {"karana", 60}, {"nakshatra", 27}, {"yoga", 27}, {"sign", 12}};
    const auto& ends = c.ends.at(quantity);
    int unit = (ends.front().first + units.at(quantity) - 1) % units.at(quantity);
    for (const auto& e : ends)
        if (e.second <= jd) unit = e.first;
    return unit;
}

class PanchangaDayTest : public SwetestFrameTest {
protected:
    std::vector<ReferenceCase> m_cases = ReadPanchangaCases("panchanga_days_swetest.txt");
};

TEST_F(PanchangaDayTest, ReferenceTableHoldsItsFourPlaces) {
    ASSERT_EQ(m_cases.size(), 4u);
    for (const ReferenceCase& c : m_cases) EXPECT_FALSE(c.ends.empty());
}

TEST_F(PanchangaDayTest, RiseAndSetAgreeWithSwetest) {
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        for (const CPanchangaDay& day : days) {
            SCOPED_TRACE(testing::Message() << "case " << c.n << " day " << day.m_moment.m_nDay);
            const ReferenceDay d = DayOf(c, day);
            EXPECT_NEAR(Jd(day.m_moment), d.rise + 0.01 / 24.0, kSecondDays);
            EXPECT_SAME_SECOND(day.m_sunrise, d.rise);
            EXPECT_SAME_SECOND(day.m_sunset, d.set);
            ASSERT_TRUE(day.m_bMoonrise && day.m_bMoonset);
            EXPECT_SAME_SECOND(day.m_moonrise, FirstAfter(c.moonrises, Jd(day.m_moment)));
            EXPECT_SAME_SECOND(day.m_moonset, FirstAfter(c.moonsets, Jd(day.m_moment)));
            EXPECT_EQ(day.m_nWeekday, d.weekday);
        }
    }
}

// Each limb's ends within the day, and the unit at the day's moment and the next, as swetest has them.
TEST_F(PanchangaDayTest, LimbEndsAgreeWithSwetestAndBelongToOneDay) {
    struct Limb {
        const char* quantity;
        CLimbEnds CPanchangaDay::*ends;
    };
    const Limb limbs[] = {{"tithi", &CPanchangaDay::m_tithi},
                          {"nakshatra", &CPanchangaDay::m_nakshatra},
                          {"yoga", &CPanchangaDay::m_yoga}};
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        for (const CPanchangaDay& day : days) {
            const ReferenceDay d = DayOf(c, day);
            for (const Limb& limb : limbs) {
                SCOPED_TRACE(testing::Message()
                             << "case " << c.n << " day " << day.m_moment.m_nDay << " " << limb.quantity);
                const CLimbEnds& ends = day.*limb.ends;
                const auto expected = EndsIn(c, limb.quantity, d);
                ASSERT_EQ(ends.m_nCount, static_cast<int>(expected.size()));
                EXPECT_EQ(ends.m_nIndex, UnitAt(c, limb.quantity, d.start));
                for (int i = 0; i < ends.m_nCount; ++i) EXPECT_SAME_SECOND(ends.m_end[i], expected[i].second);
                if (ends.m_nCount > 0) {
                    EXPECT_EQ(ends.m_nNext, expected[0].first);
                }
            }
            SCOPED_TRACE(testing::Message() << "case " << c.n << " day " << day.m_moment.m_nDay);
            const auto karanas = EndsIn(c, "karana", d);
            ASSERT_EQ(day.m_nKaranaCount, static_cast<int>(karanas.size()));
            EXPECT_EQ(day.m_karana[0], KaranaOfHalfTithi(UnitAt(c, "karana", d.start)));
            for (int i = 0; i < day.m_nKaranaCount; ++i) {
                EXPECT_SAME_SECOND(day.m_karanaEnd[i], karanas[i].second);
                if (i + 1 < kMaxKaranaEnds) {
                    EXPECT_EQ(day.m_karana[i + 1], KaranaOfHalfTithi(karanas[i].first));
                }
            }
            const auto signs = EndsIn(c, "sign", d);
            ASSERT_EQ(day.m_nMoonSignCount, static_cast<int>(signs.size()));
            EXPECT_EQ(day.m_nMoonSign, UnitAt(c, "sign", d.start));
            if (!signs.empty()) {
                EXPECT_SAME_SECOND(day.m_moonSignEnd, signs[0].second);
            }
        }
    }
}

// The gap days: the karana end chosen for them lies between the two sunrise + 24 h and next sunrise,
// and the run lists it on exactly one day.
TEST_F(PanchangaDayTest, AnEndBetweenSunrisePlus24HoursAndTheNextSunriseIsListedOnce) {
    for (const ReferenceCase& c : m_cases) {
        if (c.n < 2) continue;
        SCOPED_TRACE(c.n);
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        const double first = DayOf(c, days.front()).start, last = DayOf(c, days.back()).end;
        int inGap = 0;
        for (const auto& end : c.ends.at("karana")) {
            if (end.second < first || end.second >= last) continue;
            const double rise = LastAtOrBefore(c.sunrises, end.second + 0.5);
            const double previous = LastAtOrBefore(c.sunrises, rise - 0.01);
            const double plus24 = previous + 1.0;
            if (std::min(rise, plus24) > end.second || end.second >= std::max(rise, plus24)) continue;
            ++inGap;
            EXPECT_GT(std::fabs(rise - plus24), 60 * kSecondDays); // next sunrise more than a minute off
            int listed = 0;
            for (const CPanchangaDay& day : days)
                for (int i = 0; i < day.m_nKaranaCount; ++i)
                    if (std::fabs(Jd(day.m_karanaEnd[i]) - end.second) < kSecondDays) ++listed;
            EXPECT_EQ(listed, 1);
        }
        EXPECT_EQ(inGap, 1);
    }
}

// Rahu kala, Gulika kala and Yama ganda as eighths of the daylight; Durmuhurtas as fifteenths of it;
// horas as 24ths of sunrise to sunrise; choghadiyas as eighths of the day and of the night.
TEST_F(PanchangaDayTest, PeriodsFollowFromSwetestsSunrisesAndSunsets) {
    constexpr int kRahu[7] = {7, 1, 6, 4, 5, 3, 2};
    constexpr int kGulika[7] = {6, 5, 4, 3, 2, 1, 0};
    constexpr int kYama[7] = {4, 3, 2, 1, 0, 6, 5};
    constexpr int kDurmuhurta[7][2] = {{13, -1}, {7, 11}, {3, 10}, {7, -1}, {11, 12}, {3, 8}, {0, 1}};
    constexpr int kHoraLordsFromSunday[7] = {1, 6, 4, 2, 7, 5, 3}; // Sun, Venus, Mercury, Moon, Saturn ...
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        for (const CPanchangaDay& day : days) {
            SCOPED_TRACE(testing::Message() << "case " << c.n << " day " << day.m_moment.m_nDay);
            const ReferenceDay d = DayOf(c, day);
            const int w = d.weekday;
            const double eighth = (d.set - d.rise) / 8.0;
            EXPECT_SAME_SECOND(day.m_rahuKala.m_start, d.rise + kRahu[w] * eighth);
            EXPECT_SAME_SECOND(day.m_rahuKala.m_end, d.rise + (kRahu[w] + 1) * eighth);
            EXPECT_SAME_SECOND(day.m_gulikaKala.m_start, d.rise + kGulika[w] * eighth);
            EXPECT_SAME_SECOND(day.m_yamaGanda.m_start, d.rise + kYama[w] * eighth);
            const double muhurta = (d.set - d.rise) / 15.0;
            const int durmuhurtas = kDurmuhurta[w][1] < 0 ? 1 : 2;
            ASSERT_EQ(day.m_nDurmuhurtaCount, durmuhurtas);
            for (int i = 0; i < durmuhurtas; ++i) {
                EXPECT_SAME_SECOND(day.m_durmuhurta[i].m_start, d.rise + kDurmuhurta[w][i] * muhurta);
                EXPECT_SAME_SECOND(day.m_durmuhurta[i].m_end, d.rise + (kDurmuhurta[w][i] + 1) * muhurta);
            }
            const double hora = (d.nextRise - d.rise) / 24.0;
            const int weekdayLord[7] = {0, 3, 6, 2, 5, 1, 4}; // the weekday's lord in the hora order
            for (int i = 0; i < kHoraCount; ++i) {
                EXPECT_EQ(day.m_hora[i].m_nLord, kHoraLordsFromSunday[(weekdayLord[w] + i) % 7]) << i;
                EXPECT_SAME_SECOND(day.m_hora[i].m_end, d.rise + (i + 1) * hora);
            }
            const double nightEighth = (d.nextRise - d.set) / 8.0;
            for (int k = 0; k < kChoghadiyaSlots; ++k) {
                const double end = k < 8 ? d.rise + (k + 1) * eighth : d.set + (k - 7) * nightEighth;
                EXPECT_SAME_SECOND(day.m_choghadiya[k].m_end, end) << k;
            }
            // The day's first choghadiya is named after its weekday: Sunday Udyoga, Monday Amrita ...
            EXPECT_EQ(day.m_choghadiya[0].m_nLord, w);
        }
    }
}

// Start offsets of Varjya in ghatis of a star of 60, Aswini .. Revati (the classical tyajya ghatis).
constexpr int kTyajyaGhatis[27] = {50, 24, 30, 40, 14, 21, 30, 20, 32, 30, 20, 18, 21, 20,
                                   14, 14, 10, 14, 20, 20, 20, 10, 10, 18, 16, 30, 30};

// Varjya: four ghatis of the star from its own offset, for the Moon's star at the day's moment and
// every star that begins within the day, listed when they touch the day.
TEST_F(PanchangaDayTest, VarjyaFollowsFromSwetestsNakshatraStarts) {
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        const auto& starts = c.ends.at("nakshatra");
        for (const CPanchangaDay& day : days) {
            SCOPED_TRACE(testing::Message() << "case " << c.n << " day " << day.m_moment.m_nDay);
            const ReferenceDay d = DayOf(c, day);
            std::size_t k = 0;
            while (k + 1 < starts.size() && starts[k + 1].second <= d.start) ++k;
            std::vector<std::pair<double, double>> expected;
            for (std::size_t s = k; s + 1 < starts.size() && starts[s].second < d.end && expected.size() < 2;
                 ++s) {
                const double ghati = (starts[s + 1].second - starts[s].second) / 60.0;
                const double start = starts[s].second + kTyajyaGhatis[starts[s].first] * ghati;
                const double end = start + 4.0 * ghati;
                if (end >= d.start && start < d.end) expected.push_back({start, end});
            }
            ASSERT_EQ(day.m_nVarjyaCount, static_cast<int>(expected.size()));
            for (std::size_t i = 0; i < expected.size(); ++i) {
                EXPECT_SAME_SECOND(day.m_varjya[i].m_start, expected[i].first);
                EXPECT_SAME_SECOND(day.m_varjya[i].m_end, expected[i].second);
            }
        }
    }
}

// A window that the Moon's star, the whole of a fast Sravana and the first 10 ghatis of Dhanishta
// fit in (25 hours and more; no sunrise-to-sunrise day at Chennai is that long) holds the Varjyas of
// the second and the third star, not the second's alone. Star starts from swetest (Newton's method on
// swetest -bjJD -ut -p1 -sid1 -true -fls -head): Sravana 2460349.364120137, Dhanishta 2460350.249526694,
// Satabhishak 2460351.127670561.
TEST_F(PanchangaDayTest, AWindowThatHoldsAThirdStarHoldsItsVarjya) {
    constexpr int kSravana = 21, kDhanishta = 22;
    constexpr double kStarts[] = {2460349.364120137, 2460350.249526694, 2460351.127670561};
    const double ghati[] = {(kStarts[1] - kStarts[0]) / 60.0, (kStarts[2] - kStarts[1]) / 60.0};
    const JdSpan sravana{kStarts[0] + kTyajyaGhatis[kSravana] * ghati[0],
                         kStarts[0] + (kTyajyaGhatis[kSravana] + 4) * ghati[0]};
    const JdSpan dhanishta{kStarts[1] + kTyajyaGhatis[kDhanishta] * ghati[1],
                           kStarts[1] + (kTyajyaGhatis[kDhanishta] + 4) * ghati[1]};
    const CChartCore place = PlaceAtNoon(80.27, 13.08, -5.5, 2024, 2, 5);
    const PanchangaWindow window{kStarts[0] - 0.01, dhanishta.start + 0.01}; // from Uttarashadha's end
    CChartCore from;
    ASSERT_TRUE(place.SetFromJulianDay(window.start, from).ok());
    std::vector<JdSpan> spans;
    ASSERT_TRUE(FindVarjyaSpans(from, window, spans).ok());
    ASSERT_EQ(spans.size(), 2u);
    EXPECT_NEAR(spans[0].start, sravana.start, kSecondDays);
    EXPECT_NEAR(spans[0].end, sravana.end, kSecondDays);
    EXPECT_NEAR(spans[1].start, dhanishta.start, kSecondDays);
    EXPECT_NEAR(spans[1].end, dhanishta.end, kSecondDays);
}

} // namespace
