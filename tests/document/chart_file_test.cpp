// The chart-file text on its own: packing, formatting, and reading any text without harm.
#include "document/chart_file.h"

#include <cmath>
#include <random>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "document_test_support.h"

namespace {

using testing::HasSubstr;

// Worked examples of the packed H.MMSS / D.MMSS form.
TEST(ChartFilePacking, PacksAndUnpacksHoursAndDegrees) {
    struct Case {
        double value;  // decimal hours or degrees
        double packed; // as stored
    };
    const Case kCases[] = {
        {-5.5, -5.30}, // 5 h 30 m east
        {5.5, 5.30},   // 5 h 30 m west
        {10.0 + 25.0 / 60 + 37.5 / 3600, 10.25625},
        {-(80.0 + 16.0 / 60), -80.16}, // 80 deg 16' east
        {13.0 + 5.0 / 60, 13.05},
        {0.0, 0.0},
        {-(0.0 + 1.0 / 60 + 1.0 / 3600), -0.010166666666666666},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.value);
        CHmsTime time, unpackedTime;
        time.m_dHours = c.value;
        time.SplitHours();
        UnpackHms(c.packed, unpackedTime);
        CDmsAngle angle, unpackedAngle;
        angle.m_dValue = c.value;
        angle.SplitDegrees();
        UnpackDms(c.packed, unpackedAngle);

        EXPECT_NEAR(PackHms(time), c.packed, 1e-9);
        EXPECT_NEAR(PackDms(angle), c.packed, 1e-9);
        EXPECT_NEAR(unpackedTime.m_dHours, c.value, 1e-9);
        EXPECT_NEAR(unpackedAngle.m_dValue, c.value, 1e-9);
    }
}

TEST(ChartFileText, IsEighteenLinesInTheFixedFormat) {
    ChartFileValues v;
    v.month = 5;
    v.day = 15;
    v.year = 1990;
    v.packedTime = 10.25;
    v.packedZone = -5.30;
    v.packedLongitude = -80.16;
    v.packedLatitude = 13.05;
    v.altitude = 6;
    v.standardZone = -5.5;
    v.daylightZone = -5.5;
    v.placeCode = 105;
    v.city = "Chennai";
    v.state = "Tamil Nadu";
    v.pressure = 1013.25;
    v.temperature = 30;
    v.gender = 1;
    EXPECT_EQ(FormatChartText(v), kChennaiChartText);
}

TEST(ChartFileText, ReadsWhatItWrites) {
    const ChartFileParse parse = ParseChartText(kChennaiChartText, "chennai.tvd");
    ASSERT_TRUE(parse.ok()) << parse.error;
    const ChartFileValues& v = parse.values;
    EXPECT_EQ(v.count, 18);
    EXPECT_EQ(v.month, 5);
    EXPECT_EQ(v.day, 15);
    EXPECT_EQ(v.year, 1990);
    EXPECT_DOUBLE_EQ(v.packedZone, -5.30);
    EXPECT_DOUBLE_EQ(v.packedLongitude, -80.16);
    EXPECT_EQ(v.placeCode, 105);
    EXPECT_EQ(v.city, "Chennai");
    EXPECT_EQ(v.state, "Tamil Nadu");
    EXPECT_EQ(v.gender, 1);
    EXPECT_EQ(FormatChartText(v), kChennaiChartText);
}

// Times and places are written from whole milliseconds (of the time) and 0.006 seconds (of zones and
// angles), carried up through the minutes, so that a value read back is written again to the same text.
TEST(ChartFileText, PackedValuesAreWrittenWithoutBinaryNoise) {
    struct Case {
        double hours;      // time of day, decimal
        double degrees;    // longitude, decimal (positive west)
        const char* time;  // as written
        const char* angle; // as written
    };
    const Case kCases[] = {
        {10.5, 80.5, "10.300000000000000", "80.300000"},
        {8 + 5 / 60.0 + 12 / 3600.0, -(77 + 35 / 60.0 + 12.3 / 3600.0), "8.052000000000000", "-77.352050"},
        // 8:05:12 less 30 microseconds, as a moment moved through a Julian day comes back.
        {8 + 5 / 60.0 + 11.99997 / 3600.0, 77 + 59 / 60.0 + 59.9999 / 3600.0, "8.052000000000000",
         "78.000000"},
        {10 + 25 / 60.0 + 37.5 / 3600.0, 0.0, "10.256250000000000", "0.000000"},
        {12 + 0.5 / 3600.0, -(0.001 / 3600.0), "12.000083333333333", "0.000000"},
        // A time that rounds up to midnight stays on its day.
        {24.0 - 0.0004 / 3600.0, 180.0, "23.599999833333333", "180.000000"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.time);
        CHmsTime time;
        time.m_dHours = c.hours;
        time.SplitHours();
        CDmsAngle angle;
        angle.m_dValue = c.degrees;
        angle.SplitDegrees();
        ChartFileValues v;
        v.packedTime = PackHms(time);
        v.packedLongitude = PackDms(angle);
        const std::string text = FormatChartText(v);
        EXPECT_THAT(text, HasSubstr("\r\n" + std::string(c.time) + "\r\n"));
        EXPECT_THAT(text, HasSubstr("\r\n" + std::string(c.angle) + "\r\n"));
        const ChartFileParse parse = ParseChartText(text, "again.tvd");
        ASSERT_TRUE(parse.ok()) << parse.error;
        EXPECT_EQ(FormatChartText(parse.values), text);
    }
}

TEST(ChartFileText, LeapDaysFollowTheChartsCalendar) {
    struct Case {
        const char* date; // month, day, year
        int calendarFlag; // 1 Gregorian, 0 Julian
        bool exists;
    };
    const Case kCases[] = {
        {"2 29 2000", 1, true},  {"2 29 2000", 0, true}, {"2 29 1900", 1, false}, {"2 29 1900", 0, true},
        {"2 29 1999", 0, false}, {"2 29 -4", 1, true},   {"2 29 -100", 0, true},  {"12 31 1999", 1, true},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(std::string(c.date) + " calendar " + std::to_string(c.calendarFlag));
        const std::string text = std::string(c.date) + " 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y " +
                                 std::to_string(c.calendarFlag);
        EXPECT_EQ(ParseChartText(text, "leap.tvd").ok(), c.exists);
    }
}

// Names keep any length and any UTF-8 text; white space in them reads back as blanks.
TEST(ChartFileText, NamesSurviveWhateverTheyHold) {
    struct Case {
        std::string name;
        std::string readBack;
    };
    const std::string longCity(300, 'x');
    const Case kCases[] = {
        {"New Delhi", "New Delhi"},
        {longCity + " " + longCity, longCity + " " + longCity},
        {"São Paulo", "São Paulo"},
        {"ചെന്നൈ", "ചെന്നൈ"},
        {" leading and trailing ", " leading and trailing "},
        {"tab\there", "tab here"},
        {"", ""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ChartFileValues v;
        v.city = c.name;
        v.state = "after";
        const ChartFileParse parse = ParseChartText(FormatChartText(v), "names.tvd");
        ASSERT_TRUE(parse.ok()) << parse.error;
        EXPECT_EQ(parse.values.city, c.readBack);
        EXPECT_EQ(parse.values.state, "after"); // an empty city does not move the later values
        EXPECT_EQ(parse.values.count, 18);
    }
}

TEST(ChartFileText, AShortFileCountsWhatItHolds) {
    struct Case {
        std::string text;
        int count;
    };
    const Case kCases[] = {
        {"5 15 1990 10.25 -5.3 -80.16 13.05", 7}, // any white space separates
        {"5\t15\v1990\f10.25\r\n-5.3\n-80.16\n13.05\n   ", 7},
        {"5\n15\n1990\n10.25\n-5.3\n-80.16\n13.05\n920\n-5.5\n-5.5\n0", 11},
        {"5\n15\n1990\n10.25\n-5.3\n-80.16\n13.05\n920\n-5.5\n-5.5\n0\n105\nChennai", 13},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const ChartFileParse parse = ParseChartText(c.text, "short.tvd");
        ASSERT_TRUE(parse.ok()) << parse.error;
        EXPECT_EQ(parse.values.count, c.count);
    }
}

TEST(ChartFileText, RefusesWhatIsNoChartAndSaysWhy) {
    struct Case {
        std::string text;
        std::string why;
    };
    const Case kCases[] = {
        {"", "is empty"},
        {" \r\n\t ", "is empty"},
        {"5\r\n15\r\n1990\r\n10.25\r\n-5.3\r\n-80.16\r\n", "its latitude (value 7) is missing"},
        {"5\n15\nnineteen ninety", "its year (value 3) is \"nineteen\", which is not a plain decimal number"},
        {"13 15 1990 10.25 -5.3 -80.16 13.05", "its month (value 1) is 13, outside 1 to 12"},
        {"5 0 1990 10.25 -5.3 -80.16 13.05", "its day (value 2) is 0, outside 1 to 31"},
        {"5 15 1990 nan -5.3 -80.16 13.05", "its time of day (value 4) is \"nan\", which is not a plain"},
        // Minutes of 60 or more, and a time past the day's end, which the clock would carry elsewhere.
        {"5 15 1990 23.9999 -5.3 -80.16 13.05",
         "its time of day (value 4) is 23.9999, whose minutes (99) are"},
        {"5 15 1990 24.0 -5.3 -80.16 13.05", "its time of day (value 4) is 24.0, not a time within the day"},
        {"5 15 1990 10.25 5.75 -80.16 13.05", "its time zone (value 5) is 5.75, whose minutes (75) are"},
        {"5 15 1990 10.25 -5.3 -80.6 13.05", "its longitude (value 6) is -80.6, whose minutes (60) are"},
        {"5 15 1990 10.25 -5.3 -80.16 13.6001", "its latitude (value 7) is 13.6001, whose minutes (60)"},
        // Dates that do not exist in the chart's calendar.
        {"2 31 1990 10.25 -5.3 -80.16 13.05",
         "its day (value 2) is 31, but month 2 of 1990 has 28 days in the "
         "Gregorian calendar"},
        {"4 31 1990 10.25 -5.3 -80.16 13.05", "its day (value 2) is 31, but month 4 of 1990 has 30 days"},
        {"2 29 1900 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 1", "month 2 of 1900 has 28 days"},
        {"2 30 1900 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 0",
         "month 2 of 1900 has 29 days in the Julian"},
        // Numbers that are not plain decimals, wherever they stand.
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0x1p3",
         "its altitude (value 8) is \"0x1p3\", which is not a plain"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 1e309",
         "its altitude (value 8) is \"1e309\", which is not a plain"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 high",
         "its altitude (value 8) is \"high\", which is not a plain"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 1.0",
         "its DST flag (value 11) is \"1.0\", which is not"},
        {"5 15 1990 10.25-5.3 -80.16 13.05", "its time of day (value 4) is \"10.25-5.3\", which is not"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 " + std::string(400, '9'),
         "is 999999999999999999999999..., too large"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 1 1013 20 99999999999",
         "gender (value 18) is 9999"},
        {"5 15 1990 10.25 -5.3 -80.16 91", "its latitude (value 7) is 91, outside -90 to 90"},
        {"5 15 1990 10.25 -5.3 -181 13.05", "its longitude (value 6) is -181, outside -180 to 180"},
        {"5 15 1990 10.25 99 -80.16 13.05", "its time zone (value 5) is 99, outside -24 to 24"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 308 X Y", "its place code (value 12) is 308"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 2", "its calendar flag (value 15) is 2"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 1 1013 20 7", "its gender (value 18) is 7"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 inf", "its altitude (value 8) is \"inf\", which is not a plain"},
        // Below the lowest altitude the ephemeris library's rise and set searches take, and above the
        // highest the program takes.
        {"5 15 1990 10.25 -5.3 -80.16 13.05 -501", "its altitude (value 8) is -501, outside -500 to 20000."},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 20000.5", "its altitude (value 8) is 20000.5, outside -500 to 20000."},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "its month (value 1) is \"?PNG\""},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.text);
        const ChartFileParse parse = ParseChartText(c.text, "/charts/damaged.tvd");
        EXPECT_FALSE(parse.ok());
        EXPECT_THAT(parse.error, HasSubstr("\"/charts/damaged.tvd\""));
        EXPECT_THAT(parse.error, HasSubstr(c.why));
    }
}

// Whatever the damage, the reader answers: a chart, or a message naming the file.
void ExpectChartOrMessage(const std::string& text) {
    const ChartFileParse parse = ParseChartText(text, "cut.tvd");
    if (parse.ok()) {
        EXPECT_GE(parse.values.count, kChartFileRequiredValues);
    } else {
        EXPECT_THAT(parse.error, HasSubstr("\"cut.tvd\""));
    }
}

TEST(ChartFileText, EveryCutOfAGoodFileIsAChartOrAMessage) {
    // Every cut before the latitude's first digit lacks a required value; every later cut is a chart,
    // but for one that leaves a lone minus sign, which is no number.
    const std::size_t latitude = kChennaiChartText.find("13.05");
    for (std::size_t length = 0; length <= kChennaiChartText.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string cut = kChennaiChartText.substr(0, length);
        ExpectChartOrMessage(cut);
        EXPECT_EQ(ParseChartText(cut, "cut.tvd").ok(), length > latitude && !cut.ends_with("-"));
    }
}

TEST(ChartFileText, FlippedBytesAndGarbageAreAChartOrAMessage) {
    for (std::size_t i = 0; i < kChennaiChartText.size(); ++i) {
        for (const unsigned char flip : {0x01, 0x10, 0x20, 0x80, 0xff}) {
            std::string damaged = kChennaiChartText;
            damaged[i] = static_cast<char>(damaged[i] ^ flip);
            SCOPED_TRACE(damaged);
            ExpectChartOrMessage(damaged);
        }
    }
    std::mt19937 random(17);
    for (int n = 0; n < 200; ++n) {
        std::string garbage(random() % 300, '\0');
        for (char& c : garbage) c = static_cast<char>(random());
        ExpectChartOrMessage(garbage);
    }
}

} // namespace
