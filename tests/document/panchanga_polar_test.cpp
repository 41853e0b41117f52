// Panchanga days where the Sun stays up or down, against swetest (tests/document/data/
// panchanga_polar_swetest.txt, made by make_panchanga_days_swetest.py): Tromso around the start and the
// end of the polar night and of the midnight sun and on a day inside each, and 70.77 S as its midnight
// sun begins. Days meet exactly; every limb end swetest finds over the run is listed on exactly one day;
// a date with a sunrise starts at it, a date without one at 6:00 local mean time and says so, and the
// periods counted from a sunrise or sunset that does not happen are "-".
#include <cmath>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include <swephexp.h>

#include "chart/chart.h"
#include "document/panchanga_day.h"
#include "document/panchanga_text.h"
#include "panchanga_test_support.h"

namespace {

constexpr double kMomentOffset = 0.01 / 24.0; // a day's chart is cast this long after its start
// swetest's rises take the apparent Sun, the program's (true positions) the geometric one: 20" of
// aberration move a grazing rise near the polar night by up to a quarter of a minute.
constexpr double kGrazingRiseDays = 30.0 / 86400.0;

// The civil date of a record, on the zone clock: UT Julian day of its 0:00.
double DateStartOf(const CPanchangaDay& day) {
    CLocalDateTime midnight = day.m_moment;
    midnight.m_time.m_dHours = 0.0;
    midnight.m_time.SplitHours();
    return Jd(midnight);
}

// The first swetest event in [from, to), or 0.
double FirstIn(const std::vector<double>& events, double from, double to) {
    const double found = FirstAfter(events, from - 1e-9);
    return found != 0.0 && found < to ? found : 0.0;
}

// The place's 6:00 local mean time on the date starting (zone clock) at `dateStart`.
double MeanSixOClock(const ReferenceCase& c, double dateStart) {
    double six = std::floor(dateStart - 0.5) + 0.5 + (6.0 - c.lonEast / 15.0) / 24.0;
    while (six < dateStart) six += 1.0;
    while (six >= dateStart + 1.0) six -= 1.0;
    return six;
}

bool EndsWithDash(const std::string& entry) {
    return entry.size() > 3 && entry.compare(entry.size() - 3, 3, ": -") == 0;
}

class PanchangaPolarTest : public SwetestFrameTest {
protected:
    std::vector<ReferenceCase> m_cases = ReadPanchangaCases("panchanga_polar_swetest.txt");
};

// The ends a record lists of one quantity, UT Julian days.
std::vector<double> ListedEnds(const CPanchangaDay& day, const std::string& quantity) {
    std::vector<double> ends;
    const auto limb = [&](const CLimbEnds& l) {
        for (int i = 0; i < l.m_nCount; ++i) ends.push_back(Jd(l.m_end[i]));
    };
    if (quantity == "tithi") limb(day.m_tithi);
    if (quantity == "nakshatra") limb(day.m_nakshatra);
    if (quantity == "yoga") limb(day.m_yoga);
    if (quantity == "karana")
        for (int i = 0; i < day.m_nKaranaCount; ++i) ends.push_back(Jd(day.m_karanaEnd[i]));
    if (quantity == "sign" && day.m_nMoonSignCount == 1) ends.push_back(Jd(day.m_moonSignEnd));
    return ends;
}

TEST_F(PanchangaPolarTest, DaysMeetAndEveryEndSwetestFindsIsListedOnOneDay) {
    ASSERT_EQ(m_cases.size(), 7u);
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        ASSERT_EQ(days.size(), static_cast<std::size_t>(c.days));
        for (std::size_t i = 0; i + 1 < days.size(); ++i) {
            EXPECT_EQ(days[i].m_dEndJd, days[i + 1].m_dStartJd) << "case " << c.n << " day " << i;
            EXPECT_EQ(days[i + 1].m_dStartJd, Jd(days[i + 1].m_moment)) << "case " << c.n << " day " << i;
        }
        for (const char* quantity : {"tithi", "nakshatra", "yoga", "karana", "sign"}) {
            for (const CPanchangaDay& day : days) {
                SCOPED_TRACE(testing::Message()
                             << "case " << c.n << " " << day.m_moment.m_nDay << "." << day.m_moment.m_nMonth << " "
                             << quantity);
                std::vector<double> expected;
                for (const auto& end : c.ends.at(quantity))
                    if (day.m_dStartJd <= end.second && end.second < day.m_dEndJd) expected.push_back(end.second);
                const std::vector<double> listed = ListedEnds(day, quantity);
                ASSERT_EQ(listed.size(), expected.size());
                for (std::size_t i = 0; i < listed.size(); ++i) EXPECT_NEAR(listed[i], expected[i], kSecondDays);
            }
        }
    }
}

TEST_F(PanchangaPolarTest, ADateStartsAtItsSunriseOrSaysTheSunDoesNotRise) {
    int riseWithoutSet = 0, setWithoutRise = 0, neither = 0;
    for (const ReferenceCase& c : m_cases) {
        const std::vector<CPanchangaDay> days = ComputeCaseDays(c);
        for (const CPanchangaDay& day : days) {
            SCOPED_TRACE(testing::Message() << "case " << c.n << " " << day.m_moment.m_nDay << "."
                                            << day.m_moment.m_nMonth);
            const double dateStart = DateStartOf(day);
            const double rise = FirstIn(c.sunrises, dateStart, dateStart + 1.0);
            const double start = day.m_dStartJd - kMomentOffset;
            const std::string riseSet = RiseSetEntries(day, " ");
            if (rise != 0.0) {
                EXPECT_TRUE(day.m_bSunrise);
                EXPECT_NEAR(start, rise, kGrazingRiseDays);
                EXPECT_NEAR(Jd(day.m_sunrise), rise, kGrazingRiseDays);
                EXPECT_NE(riseSet.find("Sunrise at "), std::string::npos) << riseSet;
            } else {
                EXPECT_FALSE(day.m_bSunrise);
                EXPECT_NEAR(start, MeanSixOClock(c, dateStart), kSecondDays);
                EXPECT_EQ(riseSet.find("Sunrise at"), std::string::npos) << riseSet;
                EXPECT_NE(riseSet.find("Sun does not rise"), std::string::npos) << riseSet;
                EXPECT_EQ(KalaEntries(day), "RahuK: -, GulikaK: -, YamaG: -, ");
                EXPECT_NE(VarjyaEntries(day).find("Durmuhurta: -, "), std::string::npos);
                for (int i = 0; i < kHoraCount; ++i) EXPECT_TRUE(EndsWithDash(HoraEntry(day, i))) << i;
                for (int k = 0; k < kChoghadiyaSlots / 2; ++k) EXPECT_TRUE(EndsWithDash(ChoghadiyaEntry(day, k))) << k;
            }
            const double set = FirstIn(c.sunsets, start, day.m_dEndJd - kMomentOffset);
            if (set != 0.0) {
                EXPECT_TRUE(day.m_bSunset);
                EXPECT_NEAR(Jd(day.m_sunset), set, kGrazingRiseDays);
                EXPECT_NE(riseSet.find("Sunset at "), std::string::npos) << riseSet;
            } else {
                EXPECT_FALSE(day.m_bSunset);
                EXPECT_EQ(riseSet.find("Sunset at"), std::string::npos) << riseSet;
                EXPECT_NE(riseSet.find("Sun does not set"), std::string::npos) << riseSet;
            }
            riseWithoutSet += rise != 0.0 && set == 0.0;
            setWithoutRise += rise == 0.0 && set != 0.0;
            neither += rise == 0.0 && set == 0.0;
        }
    }
    // The table holds days without either, and the days on which the midnight sun begins and ends.
    EXPECT_GE(neither, 4);
    EXPECT_GE(riseWithoutSet, 2);
    EXPECT_GE(setWithoutRise, 1);
}

// The monthly copy and the spreadsheet table say the same as the page.
TEST_F(PanchangaPolarTest, TheCopiesSayTheSunDoesNotRise) {
    const ReferenceCase& night = m_cases.at(1); // inside the polar night
    const std::vector<CPanchangaDay> days = ComputeCaseDays(night);
    const std::string monthly = FormatMonthlyPanchanga(days);
    EXPECT_EQ(monthly.find("Sunrise at"), std::string::npos) << monthly;
    EXPECT_NE(monthly.find("Sun does not rise, Sun does not set,"), std::string::npos) << monthly;
    EXPECT_NE(monthly.find("RahuK: -, GulikaK: -, YamaG: -, "), std::string::npos) << monthly;

    const CChartCore place = PlaceAtNoon(night.lonEast, night.lat, night.zone, night.year, night.month, night.day);
    std::string table;
    const CalcStatus status = FormatPanchangaTableDP(place, night.year, night.month, night.day, 2, table);
    ASSERT_TRUE(status.ok()) << status.error;
    const std::size_t firstRow = table.find('\n');
    ASSERT_NE(firstRow, std::string::npos);
    std::size_t rows = 0;
    for (std::size_t at = firstRow; at != std::string::npos; at = table.find('\n', at + 1)) {
        const std::string row = table.substr(at + 1, table.find('\n', at + 1) - at - 1);
        EXPECT_NE(row.find("\tSun does not rise\tSun does not set\t"), std::string::npos) << row;
        EXPECT_NE(row.find("\t-\t"), std::string::npos) << row; // Rahu kala
        ++rows;
    }
    EXPECT_EQ(rows, 2u);
}

// A chart's own sunrise day follows the same rule: births an hour apart through each run lie in days
// that contain them and meet exactly, and a stand-in is marked as one.
TEST_F(PanchangaPolarTest, BirthsThroughTheRunLieInSunriseDaysThatMeet) {
    for (const ReferenceCase& c : m_cases) {
        const CChartCore place = PlaceAtNoon(c.lonEast, c.lat, c.zone, c.year, c.month, c.day);
        CDayFrameTimes before;
        for (int hour = 0; hour < 24 * c.days; ++hour) {
            CChartCore probe;
            place.JulianDayToDate(place.GetJulianDay() + hour / 24.0, probe);
            CChart chart;
            ASSERT_TRUE(chart.CopyDataAndCalc(probe).ok());
            ASSERT_TRUE(chart.ComputeSunriseSunset().ok());
            const CDayFrameTimes& f = chart.m_sunriseFrame;
            const double birth = chart.GetJulianDay();
            SCOPED_TRACE(testing::Message() << "case " << c.n << " hour " << hour);
            EXPECT_LE(f.m_dStartJd, birth);
            EXPECT_LE(birth, f.m_dNextStartJd);
            EXPECT_LT(f.m_dStartJd, f.m_dNightStartJd);
            EXPECT_LT(f.m_dNightStartJd, f.m_dNextStartJd);
            const auto isSwetestRise = [&](double jd) {
                return std::fabs(LastAtOrBefore(c.sunrises, jd + kGrazingRiseDays) - jd) < kGrazingRiseDays;
            };
            EXPECT_EQ(!f.m_bStandInStart, isSwetestRise(f.m_dStartJd));
            EXPECT_EQ(!f.m_bStandInNextStart, isSwetestRise(f.m_dNextStartJd));
            // Two searches for one sunrise from different moments agree to a tenth of a second.
            if (hour > 0 && f.m_dStartJd != before.m_dStartJd) {
                EXPECT_NEAR(f.m_dStartJd, before.m_dNextStartJd, 1e-6);
            }
            before = f;
        }
    }
}


// --- A whole year at 69.7 N and at 78 N, against a scan of the ephemeris library's own positions ---

constexpr double kScanStep = 0.04; // days: below the shortest karana, a unit changes at most once a step
constexpr std::int32_t kSiderealTrue = SEFLG_SWIEPH | SEFLG_SIDEREAL | SEFLG_TRUEPOS;
const std::map<std::string, double> kUnitSpans = {
    {"tithi", 12.0}, {"karana", 6.0}, {"nakshatra", 40.0 / 3.0}, {"yoga", 40.0 / 3.0}, {"sign", 30.0}};

double LibraryQuantity(const std::string& quantity, double jdUt) {
    double sun[6], moon[6];
    char error[AS_MAXCH];
    swe_calc_ut(jdUt, SE_SUN, kSiderealTrue, sun, error);
    swe_calc_ut(jdUt, SE_MOON, kSiderealTrue, moon, error);
    if (quantity == "tithi" || quantity == "karana") return std::fmod(moon[0] - sun[0] + 720.0, 360.0);
    if (quantity == "yoga") return std::fmod(moon[0] + sun[0], 360.0);
    return moon[0];
}

// Every moment in [from, to) at which the quantity enters a new unit, halved down to 1e-8 day.
std::vector<double> ScanEnds(const std::string& quantity, double from, double to) {
    const double span = kUnitSpans.at(quantity);
    const auto unit = [&](double jd) { return static_cast<int>(LibraryQuantity(quantity, jd) / span); };
    std::vector<double> ends;
    int running = unit(from);
    for (double t = from; t < to; t += kScanStep) {
        const int next = unit(t + kScanStep);
        if (next == running) continue;
        double lo = t, hi = t + kScanStep;
        while (hi - lo > 1e-8) {
            const double mid = 0.5 * (lo + hi);
            (unit(mid) == running ? lo : hi) = mid;
        }
        if (hi >= from && hi < to) ends.push_back(hi);
        running = next;
    }
    return ends;
}

// The true altitude of the Sun's centre (degrees, no refraction) at the place.
double SunAltitude(const ReferenceCase& place, double jdUt) {
    double equatorial[6], horizontal[3];
    char error[AS_MAXCH];
    swe_calc_ut(jdUt, SE_SUN, SEFLG_SWIEPH | SEFLG_EQUATORIAL, equatorial, error);
    double geo[3] = {place.lonEast, place.lat, 0.0};
    swe_azalt(jdUt, SE_EQU2HOR, geo, 1013.25, 10.0, equatorial, horizontal);
    return horizontal[1];
}

TEST_F(PanchangaPolarTest, AWholeYearFarNorthTilesAndListsEveryEndOnce) {
    swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0); // the program's Traditional Lahiri, as the fixture set it
    for (double latitude : {69.7, 78.0}) {
        SCOPED_TRACE(latitude);
        ReferenceCase place;
        place.lonEast = 15.6;
        place.lat = latitude;
        place.zone = -1.0;
        const CChartCore chart = PlaceAtNoon(place.lonEast, place.lat, place.zone, 2025, 1, 1);
        std::vector<CPanchangaDay> days;
        ASSERT_TRUE(ComputePanchangaDays(chart, 365, false, days).ok());
        for (std::size_t i = 0; i + 1 < days.size(); ++i) ASSERT_EQ(days[i].m_dEndJd, days[i + 1].m_dStartJd) << i;

        for (const auto& [quantity, span] : kUnitSpans) {
            const std::vector<double> scanned = ScanEnds(quantity, days.front().m_dStartJd, days.back().m_dEndJd);
            std::vector<double> listed;
            for (const CPanchangaDay& day : days) {
                for (double end : ListedEnds(day, quantity)) {
                    EXPECT_TRUE(day.m_dStartJd <= end + kSecondDays && end < day.m_dEndJd + kSecondDays);
                    listed.push_back(end);
                }
            }
            ASSERT_EQ(listed.size(), scanned.size()) << quantity;
            for (std::size_t i = 0; i < listed.size(); ++i) EXPECT_NEAR(listed[i], scanned[i], kSecondDays) << quantity;
        }

        int withoutSunrise = 0;
        for (const CPanchangaDay& day : days) {
            SCOPED_TRACE(testing::Message() << day.m_moment.m_nDay << "." << day.m_moment.m_nMonth);
            const std::string text = RiseSetEntries(day, " ");
            // A sunrise or sunset shown is one: the Sun's centre crosses the horizon there.
            if (day.m_bSunrise) {
                const double rise = Jd(day.m_sunrise);
                EXPECT_LT(SunAltitude(place, rise - 600 * kSecondDays), 0.0);
                EXPECT_GT(SunAltitude(place, rise + 600 * kSecondDays), 0.0);
            } else {
                ++withoutSunrise;
                EXPECT_NE(text.find("Sun does not rise"), std::string::npos);
                // No rise on the date: the Sun's centre does not climb across the horizon (allowing for
                // the 9" of its parallax that the library's rising takes in).
                const double dateStart = DateStartOf(day);
                double last = SunAltitude(place, dateStart);
                for (double t = dateStart; t < dateStart + 1.0; t += 120 * kSecondDays) {
                    const double altitude = SunAltitude(place, t);
                    if (std::fabs(altitude) < 0.01) continue;
                    EXPECT_FALSE(last < 0.0 && altitude > 0.0) << t;
                    last = altitude;
                }
            }
            if (day.m_bSunset) {
                const double set = Jd(day.m_sunset);
                EXPECT_GT(SunAltitude(place, set - 600 * kSecondDays), 0.0);
                EXPECT_LT(SunAltitude(place, set + 600 * kSecondDays), 0.0);
            } else {
                EXPECT_NE(text.find("Sun does not set"), std::string::npos);
            }
        }
        EXPECT_GT(withoutSunrise, latitude > 70.0 ? 200 : 100);
    }
}

} // namespace
