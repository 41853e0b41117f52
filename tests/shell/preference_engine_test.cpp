#include "shell/preference_engine.h"

#include <array>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

// A small table with one key of every form, driven through the same reader and writer as tavro.ini.
struct Globals {
    int number = 0;
    int zoom = 0;
    bool flag = false;
    int intFlag = 0;
    double decimal = 0;
    std::string text, city, address;
    std::array<int, 6> list{};
    std::array<bool, 3> flags{};
    std::array<double, 4> lengths{};
    ColorRef savedColor = 0, currentColor = 0;
    int cx = 0, cy = 0;
    int afterReads = 0;
};

class PreferenceEngine : public testing::Test {
protected:
    PreferenceEngine() {
        using S = PreferenceSection;
        keys = {
            {"Number", S::kCalculation, IntBinding{&g.number, 6}},
            {"Zoom", S::kDisplay, IntBinding{&g.zoom, 3, {0, 7}}},
            {"Flag", S::kCalculation, FlagBinding{&g.flag, true}},
            {"IntFlag", S::kCalculation, IntFlagBinding{&g.intFlag, 1}},
            {"Decimal", S::kCalculation, DoubleBinding{&g.decimal, 365.24219, {0.001, 1e6}}},
            {"Text", S::kCurrentState, TextBinding{&g.text, "SP"}},
            {"City", S::kCalculation, TextBinding{&g.city, "Ujjain", TextForm::kBlanksAsCaret}},
            {"Address", S::kAddress, TextBinding{&g.address, "", TextForm::kLineBreaksAsMarker}},
            {"Version", S::kDirectory, WriteOnlyTextBinding{[] { return std::string("8.0.0.0"); }}},
            {"List", S::kCurrentState, IntListBinding{g.list, {1, 1, 1, 1, 1, 0}, {0, 9}}},
            {"Flags", S::kCalculation, FlagListBinding{g.flags, {true, false, true}}},
            {"Lengths", S::kCalculation, DoubleListBinding{g.lengths, {1.5, 2.5, 3.5, 4.5}, {0.001, 1e6}}},
            {"ColorA", S::kColors, ColorBinding{&g.savedColor, &g.currentColor, 0x123456}},
            {"SizeA", S::kWindowSizes, SizeBinding{&g.cx, &g.cy}, [this] { ++g.afterReads; }},
        };
        ApplyPreferenceDefaults(keys);
    }

    void Read(const std::string& text) {
        std::istringstream in(text);
        ReadPreferenceLines(in, keys);
    }

    Globals g;
    std::vector<PreferenceKey> keys;
};

TEST_F(PreferenceEngine, DefaultsOfEveryForm) {
    EXPECT_EQ(g.number, 6);
    EXPECT_TRUE(g.flag);
    EXPECT_DOUBLE_EQ(g.decimal, 365.24219);
    EXPECT_EQ(g.city, "Ujjain");
    EXPECT_EQ(g.list, (std::array<int, 6>{1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(g.flags, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(g.savedColor, 0x123456u);
    EXPECT_EQ(g.currentColor, 0x123456u);
}

TEST_F(PreferenceEngine, ReadingRules) {
    struct Case {
        const char* file;
        int number;
        int zoom;
        bool flag;
        double decimal;
    };
    const Case kCases[] = {
        {"Number=42\n", 42, 3, true, 365.24219},
        {"[Colors]\nNumber=42\n", 42, 3, true, 365.24219}, // a key in the wrong section is still read
        {"Number=abc\n", 0, 3, true, 365.24219},           // unconvertible reads as 0
        {"Number= 17xyz\n", 17, 3, true, 365.24219},       // leading number, like atoi
        {"Number=+8\n", 8, 3, true, 365.24219},
        {"number=42\nNUMBER=42\n", 6, 3, true, 365.24219}, // keys are case-sensitive
        {"Number 42\nNumber\n", 6, 3, true, 365.24219},    // no "=": ignored
        {"Unknown=1\n=3\n", 6, 3, true, 365.24219},        // unknown keys ignored
        {"Number=1\nNumber=2\n", 2, 3, true, 365.24219},   // the last line wins
        {"Number=99999999999\n", 6, 3, true, 365.24219},   // beyond an int: the default
        {"Zoom=7\n", 6, 7, true, 365.24219},
        {"Zoom=8\n", 6, 3, true, 365.24219}, // out of range: the default
        {"Zoom=-1\n", 6, 3, true, 365.24219},
        {"Flag=0\n", 6, 3, false, 365.24219},
        {"Flag=5\n", 6, 3, true, 365.24219},                // any non-zero integer sets a flag
        {"Flag=\n", 6, 3, false, 365.24219},                // an empty value clears it
        {"Decimal=354.36708\r\n", 6, 3, true, 354.36708},   // "\r\n" line ends
        {"Decimal=0\n", 6, 3, true, 365.24219},             // a zero year length is rejected
        {"Decimal=nan\nZoom=inf\n", 6, 0, true, 365.24219}, // not finite; "inf" is no integer: 0
        {"Decimal=1e999\n", 6, 3, true, 365.24219},
        {"Decimal= 2.5e2 days\n", 6, 3, true, 250.0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.file);
        ApplyPreferenceDefaults(keys);
        Read(c.file);
        EXPECT_EQ(g.number, c.number);
        EXPECT_EQ(g.zoom, c.zoom);
        EXPECT_EQ(g.flag, c.flag);
        EXPECT_DOUBLE_EQ(g.decimal, c.decimal);
    }
}

TEST_F(PreferenceEngine, FlagsKeptInIntsReadAsZeroOrOne) {
    Read("IntFlag=7\n");
    EXPECT_EQ(g.intFlag, 1);
    Read("IntFlag=x\n");
    EXPECT_EQ(g.intFlag, 0);
}

TEST_F(PreferenceEngine, IndexedKeys) {
    Read("List=2 9\nList=5 4\nFlags=1 1\nFlags=0 0\nLengths=3 354.36708\n");
    EXPECT_EQ(g.list, (std::array<int, 6>{1, 1, 9, 1, 1, 4}));
    EXPECT_EQ(g.flags, (std::array<bool, 3>{false, true, true}));
    EXPECT_DOUBLE_EQ(g.lengths[3], 354.36708);

    // Lines that must not touch the arrays: index out of range, numbers that do not scan.
    ApplyPreferenceDefaults(keys);
    Read("List=6 3\nList=-1 3\nList=99999999999 3\nList=3\nList=x 3\nList=2 x\nList=\nFlags=3 1\nFlags=0 x\n"
         "Lengths=4 1.0\n");
    EXPECT_EQ(g.list, (std::array<int, 6>{1, 1, 1, 1, 1, 0}));
    EXPECT_EQ(g.flags, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(g.lengths, (std::array<double, 4>{1.5, 2.5, 3.5, 4.5}));

    // An entry out of its own range takes that entry's default.
    Read("List=1 10\nList=5 7\nLengths=2 0\nLengths=0 -3\n");
    EXPECT_EQ(g.list, (std::array<int, 6>{1, 1, 1, 1, 1, 7}));
    EXPECT_EQ(g.lengths, (std::array<double, 4>{1.5, 2.5, 3.5, 4.5}));
}

TEST_F(PreferenceEngine, TextForms) {
    Read("City=New^Delhi^Cantt\nAddress=Name^~^Street 1^~^^~^Town\nText=a=b \n");
    EXPECT_EQ(g.city, "New Delhi Cantt");
    EXPECT_EQ(g.address, "Name\nStreet 1\n\nTown");
    EXPECT_EQ(g.text, "a=b "); // the rest of the line after the first "="
    Read("Version=1.0\n");     // written only
    EXPECT_NE(FormatPreferences(keys).find("Version=8.0.0.0\n"), std::string::npos);
}

TEST_F(PreferenceEngine, WritesLineBreaksAndBlanksInTheirStoredForms) {
    g.city = "New Delhi";
    g.address = "Name\r\nStreet\rTown\nIndia";
    g.text = "two\nlines";
    const std::string file = FormatPreferences(keys);
    EXPECT_NE(file.find("City=New^Delhi\n"), std::string::npos);
    EXPECT_NE(file.find("Address=Name^~^Street^~^Town^~^India\n"), std::string::npos);
    EXPECT_NE(file.find("Text=two lines\n"), std::string::npos);
}

TEST_F(PreferenceEngine, LongLinesAreReadWhole) {
    // A text longer than any line buffer, whose tail looks like another key.
    const std::string text = std::string(600, 'x') + "Number=77";
    Read("Text=" + text + "\nZoom=5"); // the last line has no line break
    EXPECT_EQ(g.text, text);
    EXPECT_EQ(g.number, 6);
    EXPECT_EQ(g.zoom, 5);
}

// 10 MB of line-break markers: replaced one by one in place, each would move the rest of the text
// (hours of work); done in one pass it is read and written back at once.
TEST_F(PreferenceEngine, AHugeAddressIsConvertedInOnePass) {
    constexpr size_t kMarkers = (10 << 20) / 3;
    std::string markers;
    markers.reserve(3 * kMarkers);
    for (size_t i = 0; i < kMarkers; ++i) markers += "^~^";
    Read("Address=" + markers + "\n");
    ASSERT_EQ(g.address.size(), kMarkers);
    EXPECT_EQ(g.address.find_first_not_of('\n'), std::string::npos);
    EXPECT_NE(FormatPreferences(keys).find("\nAddress=" + markers + "\n"), std::string::npos);
}

TEST_F(PreferenceEngine, ColoursAndSizes) {
    Read("ColorA=255\nSizeA=10 -20\n");
    EXPECT_EQ(g.savedColor, 255u);
    EXPECT_EQ(g.currentColor, 255u);
    EXPECT_EQ(g.cx, 10);
    EXPECT_EQ(g.cy, -20);
    EXPECT_EQ(g.afterReads, 1);

    Read("colora=1\nColorA=16777216\nSizeA=30\nSizeA=\nSizeA=30 x\n");
    EXPECT_EQ(g.savedColor, 0x123456u); // beyond 24 bits: the default
    EXPECT_EQ(g.cx, 10);
    EXPECT_EQ(g.afterReads, 1); // sizes that do not scan are ignored
}

TEST_F(PreferenceEngine, WritesSectionsInOrderWithTheirLayout) {
    const PreferenceSection omitted[] = {PreferenceSection::kWindowSizes};
    const std::string expected =
        "[Directory]\n\nVersion=8.0.0.0\n"
        "\n[CalculationPreferences]\n\n"
        "Number=6\nFlag=1\nIntFlag=1\nDecimal=365.242190\nCity=Ujjain\n"
        "Flags=0 1\nFlags=1 0\nFlags=2 1\n"
        "Lengths=0 1.500000\nLengths=1 2.500000\nLengths=2 3.500000\nLengths=3 4.500000\n"
        "\n[DisplayPreferences]\n\nZoom=3\n"
        "\n[CurrentState]\n\nText=SP\n"
        "List=0 1\nList=1 1\nList=2 1\nList=3 1\nList=4 1\nList=5 0\n"
        "\n[Address]\n\nAddress=\n"
        "\n[BodiesToShow]\n\n"
        "\n[Colors]\n\nColorA=1193046\n";
    EXPECT_EQ(FormatPreferences(keys, omitted), expected);
    EXPECT_NE(FormatPreferences(keys).find("\n[WindowSizes]\n\nSizeA=0 0\n"), std::string::npos);
}

TEST_F(PreferenceEngine, ReadingTheWrittenFileGivesTheSameBytes) {
    g.number = -5;
    g.decimal = 0.1;
    g.city = "Sao Paulo";
    g.address = "A\nB";
    g.list[3] = 9;
    g.lengths[0] = 360;
    const std::string first = FormatPreferences(keys);
    ApplyPreferenceDefaults(keys);
    Read(first);
    EXPECT_EQ(FormatPreferences(keys), first);
}

TEST(PreferenceValues, DecimalsAreWrittenWithSixPlaces) {
    struct Case {
        double value;
        const char* text;
    };
    const Case kCases[] = {{-75.768333, "-75.768333"}, {365.24219, "365.242190"},
                           {0.0, "0.000000"},          {23.18, "23.180000"},
                           {1e-7, "0.000000"},         {0.37694444444444447, "0.376944"}};
    for (const auto& c : kCases) EXPECT_EQ(FormatPreferenceDouble(c.value), c.text) << c.value;
}

} // namespace
