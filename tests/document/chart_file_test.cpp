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
        {"5 15 1990 10.25 -5.3 -80.16 13.05", 7},             // any white space separates
        {"5\n15\n1990\n10.25\n-5.3\n-80.16\n13.05\nhigh", 7}, // a value that is no number ends the scan
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
        {"5\n15\nnineteen ninety", "its year (value 3) is missing or not a number"},
        {"13 15 1990 10.25 -5.3 -80.16 13.05", "its month (value 1) is 13, outside 1 to 12"},
        {"5 0 1990 10.25 -5.3 -80.16 13.05", "its day (value 2) is 0, outside 1 to 31"},
        {"5 15 1990 nan -5.3 -80.16 13.05", "its time of day (value 4) is not a finite number"},
        {"5 15 1990 10.25 -5.3 -80.16 91", "its latitude (value 7) is 91, outside -90 to 90"},
        {"5 15 1990 10.25 -5.3 -181 13.05", "its longitude (value 6) is -181, outside -180 to 180"},
        {"5 15 1990 10.25 99 -80.16 13.05", "its time zone (value 5) is 99, outside -24 to 24"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 308 X Y", "its place code (value 12) is 308"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 2", "its calendar flag (value 15) is 2"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 0 -5.5 -5.5 0 0 X Y 1 1013 20 7", "its gender (value 18) is 7"},
        {"5 15 1990 10.25 -5.3 -80.16 13.05 inf", "its altitude (value 8) is not a finite number"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), "its month (value 1) is missing"},
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
    // Every cut before the latitude's first digit lacks a required value; every later cut is a chart.
    const std::size_t latitude = kChennaiChartText.find("13.05");
    for (std::size_t length = 0; length <= kChennaiChartText.size(); ++length) {
        SCOPED_TRACE(length);
        const std::string cut = kChennaiChartText.substr(0, length);
        ExpectChartOrMessage(cut);
        EXPECT_EQ(ParseChartText(cut, "cut.tvd").ok(), length > latitude);
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
