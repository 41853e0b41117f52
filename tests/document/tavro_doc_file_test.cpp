// The chart file through the document: every field of the natal chart survives a save and a load, a
// short file takes its defaults, and a damaged file leaves the open chart as it was.
#include <algorithm>
#include <cmath>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/option_snapshot.h"
#include "document/birth_time_undo.h"
#include "document/tavro_doc.h"
#include "document_test_support.h"
#include "tests/core/core_test_helpers.h"
#include "tests/core/fifo_file.h"
#include "tests/core/sparse_file.h"

namespace {

using testing::HasSubstr;

// Birth data in decimal values: zones and longitudes positive west, latitudes positive north.
struct Birth {
    const char* label;
    int year, month, day;
    double time, zone, longitude, latitude, altitude;
    double standardZone, daylightZone;
    int dst, placeCode;
    std::string city, state;
    int calendarFlag;
    double pressure, temperature;
    int gender;
};

double Hours(int h, int m, int s) {
    return h + m / 60.0 + s / 3600.0;
}

const Birth kBirths[] = {
    {"Chennai, east and north", 1990, 5, 15, Hours(10, 25, 0), -5.5, -Hours(80, 16, 0), Hours(13, 5, 0), 6,
     -5.5, -5.5, 0, 105, "Chennai", "Tamil Nadu", 1, 1013.25, 30, 1},
    {"New York in summer time", 1975, 7, 4, Hours(15, 45, 30), 4, Hours(74, 0, 21), Hours(40, 42, 46), 10, 5,
     4, 1, 288, "New York", "New York, USA", 1, 1009.5, 24.5, 2},
    {"Buenos Aires, south and west", 2010, 12, 31, Hours(23, 59, 59), 3, Hours(58, 22, 54),
     -Hours(34, 36, 12), 25, 3, 3, 0, 9, "Buenos Aires", "Argentina", 1, 1015, 28, 0},
    {"a zone of 5 h 30 m west", 2001, 1, 1, Hours(0, 0, 1), 5.5, Hours(82, 30, 0), -Hours(5, 0, 0), 0, 5.5,
     5.5, 0, 0, "Nowhere", "Ocean", 1, 1013.25, 20, 0},
    {"a long city, local mean time, Julian calendar", 1500, 3, 10, Hours(6, 0, 0), -Hours(0, 53, 28),
     -Hours(13, 22, 0), Hours(52, 31, 0), 2400.5, -Hours(0, 53, 28), -Hours(1, 53, 28), 0, 0,
     std::string(300, 'c') + " upon " + std::string(50, 'd'), "Prussia", 0, 990, -5.5, 2},
};

void SetBirth(const Birth& b, CChart& chart) {
    chart.m_dateTime.m_nYear = b.year;
    chart.m_dateTime.m_nMonth = b.month;
    chart.m_dateTime.m_nDay = b.day;
    chart.m_dateTime.m_time.m_dHours = b.time;
    chart.m_dateTime.m_time.SplitHours();
    chart.m_dateTime.m_zone.m_dHours = b.zone;
    chart.m_dateTime.m_zone.SplitHours();
    chart.m_longitude.m_dValue = b.longitude;
    chart.m_longitude.SplitDegrees();
    chart.m_latitude.m_dValue = b.latitude;
    chart.m_latitude.SplitDegrees();
    chart.m_dAltitude = b.altitude;
    chart.m_dStandardZone = b.standardZone;
    chart.m_dDstZone = b.daylightZone;
    chart.m_bDst = static_cast<std::uint8_t>(b.dst);
    chart.m_nPlaceCode = b.placeCode;
    chart.m_strCity = b.city;
    chart.m_strState = b.state;
    chart.m_dPressure = b.pressure;
    chart.m_dTemperature = b.temperature;
    chart.m_nGender = b.gender;
}

void ExpectBirth(const Birth& b, const CChart& chart) {
    EXPECT_EQ(chart.m_dateTime.m_nYear, b.year);
    EXPECT_EQ(chart.m_dateTime.m_nMonth, b.month);
    EXPECT_EQ(chart.m_dateTime.m_nDay, b.day);
    EXPECT_NEAR(chart.m_dateTime.m_time.m_dHours, b.time, 1e-9);
    EXPECT_NEAR(chart.m_dateTime.m_zone.m_dHours, b.zone, 2e-6);
    // Packed D.MMSS with six decimals keeps the seconds to 0.006".
    EXPECT_NEAR(chart.m_longitude.m_dValue, b.longitude, 2e-6);
    EXPECT_NEAR(chart.m_latitude.m_dValue, b.latitude, 2e-6);
    EXPECT_DOUBLE_EQ(chart.m_dAltitude, b.altitude);
    EXPECT_NEAR(chart.m_dStandardZone, b.standardZone, 2e-6);
    EXPECT_NEAR(chart.m_dDstZone, b.daylightZone, 2e-6);
    EXPECT_EQ(chart.m_bDst, b.dst);
    EXPECT_EQ(chart.m_nPlaceCode, b.placeCode);
    EXPECT_EQ(chart.m_strCity, b.city);
    EXPECT_EQ(chart.m_strState, b.state);
    EXPECT_EQ(g_nCalendarFlag, b.calendarFlag);
    EXPECT_DOUBLE_EQ(chart.m_dPressure, b.pressure);
    EXPECT_DOUBLE_EQ(chart.m_dTemperature, b.temperature);
    EXPECT_EQ(chart.m_nGender, b.gender);
}

// The Chennai chart text with its value `index` (1-18) replaced by `value`.
std::string WithValue(int index, const std::string& value) {
    std::string text = kChennaiChartText;
    std::size_t start = 0;
    for (int i = 1; i < index; ++i) start = text.find("\r\n", start) + 2;
    return text.replace(start, text.find("\r\n", start) - start, value);
}

class ChartFileDocument : public testing::Test {
protected:
    CScopedOptions m_options;
    CScopedOption<bool> m_zoneOverride{g_bZoneOverride, g_bZoneOverride};
    CScopedOption<double> m_birthZone{g_dBirthZone, g_dBirthZone};
    CScopedOption<double> m_overrideZone{g_dOverrideZone, g_dOverrideZone};
    TempFolder m_folder;
};

TEST_F(ChartFileDocument, EveryFieldSurvivesASaveAndALoad) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.label);
        CTavroDoc saved;
        SetBirth(b, saved.m_natalChart);
        g_nCalendarFlag = b.calendarFlag;
        const std::string path = m_folder / "chart.tvd";
        ASSERT_TRUE(saved.OnSaveDocument(path).ok());
        EXPECT_EQ(Slurp(path), saved.WriteChartText());
        g_nCalendarFlag = 1 - b.calendarFlag;

        CTavroDoc loaded;
        const DocumentStatus status = loaded.OnOpenDocument(path);
        ASSERT_TRUE(status.ok()) << status.error;
        ExpectBirth(b, loaded.m_natalChart);
        EXPECT_EQ(loaded.GetPathName(), path);
        EXPECT_EQ(loaded.GetTitle(), "chart.tvd");
        EXPECT_FALSE(loaded.IsModified());
        EXPECT_EQ(loaded.WriteChartText(), saved.WriteChartText());
    }
}

// Save, open and save again give the same bytes, also for a birth time that came back through a Julian
// day (a time step and its undo).
TEST_F(ChartFileDocument, ASavedChartSavesAgainToTheSameBytes) {
    for (const Birth& b : kBirths) {
        SCOPED_TRACE(b.label);
        CTavroDoc saved;
        SetBirth(b, saved.m_natalChart);
        g_nCalendarFlag = b.calendarFlag;
        const std::string first = m_folder / "first.tvd", second = m_folder / "second.tvd";
        ASSERT_TRUE(saved.OnSaveDocument(first).ok());
        CTavroDoc loaded;
        ASSERT_TRUE(loaded.OnOpenDocument(first).ok());
        ASSERT_TRUE(loaded.OnSaveDocument(second).ok());
        EXPECT_EQ(Slurp(second), Slurp(first));
    }

    CTavroDoc document;
    ASSERT_TRUE(document.ReadChartText(kChennaiChartText, "chennai.tvd").ok());
    const double jd = document.m_natalChart.GetJulianDay();
    ASSERT_TRUE(document.OnBirthTimeMoved(jd - (2 * 3600 + 19 * 60 + 48) / 86400.0).ok()); // to 8:05:12
    ASSERT_TRUE(document.OnBirthTimeMoved(jd + 1.0).ok());
    ASSERT_TRUE(document.OnUndoBirthTimeChange().ok());
    const std::string text = document.WriteChartText();
    EXPECT_THAT(text, HasSubstr("\r\n1990\r\n8.052000000000000\r\n"));
    ASSERT_TRUE(document.ReadChartText(text, "again.tvd").ok());
    EXPECT_EQ(document.WriteChartText(), text);
}

TEST_F(ChartFileDocument, ZonesEastAndWestAndBlanksAreStoredAsTheFileHasThem) {
    CTavroDoc document;
    SetBirth(kBirths[0], document.m_natalChart);
    EXPECT_EQ(document.WriteChartText(), kChennaiChartText);
    SetBirth(kBirths[3], document.m_natalChart);
    EXPECT_THAT(document.WriteChartText(), HasSubstr("\r\n5.300000\r\n82.300000\r\n-5.000000\r\n"));
}

TEST_F(ChartFileDocument, ASevenValueFileTakesTheDefaultsAndSavesWhole) {
    CTavroDoc document;
    ASSERT_TRUE(document.ReadChartText("5\n15\n1990\n10.25\n-5.3\n-80.16\n13.05\n", "old.tvd").ok());
    const CChart& natal = document.m_natalChart;
    EXPECT_DOUBLE_EQ(natal.m_dAltitude, g_dDefaultAltitude);
    EXPECT_DOUBLE_EQ(natal.m_dStandardZone, -5.5);
    EXPECT_DOUBLE_EQ(natal.m_dDstZone, -5.5);
    EXPECT_EQ(natal.m_bDst, 0);
    EXPECT_EQ(natal.m_strCity, "Unknown");
    EXPECT_EQ(natal.m_strState, "Unknown");
    EXPECT_EQ(natal.m_nPlaceCode, 0);
    EXPECT_EQ(g_nCalendarFlag, 1);
    EXPECT_DOUBLE_EQ(natal.m_dPressure, g_dDefaultPressure);
    EXPECT_DOUBLE_EQ(natal.m_dTemperature, g_dDefaultTemperature);
    EXPECT_EQ(natal.m_nGender, g_nDefaultGender);

    const std::string text = document.WriteChartText();
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 18);
    EXPECT_THAT(text, HasSubstr("\r\nUnknown\r\nUnknown\r\n"));
}

TEST_F(ChartFileDocument, ADamagedFileLeavesTheOpenChartAsItWas) {
    CTavroDoc document;
    const std::string good = m_folder.Write("good.tvd", kChennaiChartText);
    ASSERT_TRUE(document.OnOpenDocument(good).ok());
    const std::string before = document.WriteChartText();
    const double sun = document.m_natalChart.m_bodies[kSun].m_dLongitude;

    struct Case {
        std::string path;
        std::string why;
    };
    const std::string cut = kChennaiChartText.substr(0, kChennaiChartText.find("-80.16"));
    const Case kCases[] = {
        {m_folder.Write("cut.tvd", cut), "its longitude (value 6) is missing"},
        {m_folder.Write("empty.tvd", ""), "is empty"},
        {m_folder.Write("binary.tvd", std::string("\x7f"
                                                  "ELF\x02\x01\x01\0\0\0",
                                                  10)),
         "value 1"},
        {m_folder.Write("far.tvd", "5 15 99999 10.25 -5.3 -80.16 13.05"), "cannot be calculated"},
        {m_folder.Write("feb31.tvd", WithValue(1, "2").replace(3, 2, "31")),
         "its day (value 2) is 31, but month 2"},
        {m_folder.Write("late.tvd", WithValue(4, "23.9999")),
         "its time of day (value 4) is 23.9999, whose minutes"},
        // Altitudes the calculation would refuse are refused by the reader, by name.
        {m_folder.Write("high.tvd", WithValue(8, "25000")), "its altitude (value 8) is 25000, outside -500 to 20000."},
        {m_folder.Write("low.tvd", WithValue(8, "-501")), "its altitude (value 8) is -501, outside -500 to 20000."},
        {m_folder.Write("huge.tvd", WithValue(8, "1" + std::string(308, '0'))), "its altitude (value 8) is 1000"},
        {m_folder.Write("deep.tvd", WithValue(8, "-1" + std::string(308, '0'))), "its altitude (value 8) is -100"},
        {m_folder / "missing.tvd", "No such file or directory"},
        {m_folder / "", "Is a directory"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.path);
        const DocumentStatus status = document.OnOpenDocument(c.path);
        EXPECT_FALSE(status.ok());
        EXPECT_THAT(status.error, HasSubstr("\"" + c.path + "\""));
        EXPECT_THAT(status.error, HasSubstr(c.why));
        EXPECT_EQ(document.WriteChartText(), before);
        EXPECT_EQ(document.m_natalChart.m_bodies[kSun].m_dLongitude, sun);
        EXPECT_EQ(document.GetPathName(), good);
    }
}

TEST_F(ChartFileDocument, AnAltitudeAtTheEdgesOfTheRangeCastsAChart) {
    for (const char* altitude : {"-500", "20000"}) {
        SCOPED_TRACE(altitude);
        CTavroDoc document;
        const DocumentStatus status = document.ReadChartText(WithValue(8, altitude), "edge.tvd");
        ASSERT_TRUE(status.ok()) << status.error;
        EXPECT_DOUBLE_EQ(document.m_natalChart.m_dAltitude, std::stod(altitude));
        EXPECT_GT(document.m_natalChart.m_bodies[kSun].m_dLongitude, 0.0);
    }
}

TEST_F(ChartFileDocument, AHugeFileIsRefusedUnreadAndNamedWithTheLimit) {
    CTavroDoc document;
    const std::string good = m_folder.Write("good.tvd", kChennaiChartText);
    ASSERT_TRUE(document.OnOpenDocument(good).ok());
    // Four gigabytes that take no room on the disk.
    const SparseFile huge(m_folder / "huge.tvd", std::uint64_t{4} << 30);
    ASSERT_TRUE(huge.made());
    for (const bool commandLine : {false, true}) {
        SCOPED_TRACE(commandLine ? "from the command line" : "opened");
        const std::uint64_t readBefore = BytesReadByThisProcess();
        const DocumentStatus status =
            commandLine ? OpenCommandLineChart(document, huge.path()) : document.OnOpenDocument(huge.path());
        // A new chart after a refused command line reads the ephemeris; the file would be gigabytes.
        EXPECT_LT(BytesReadByThisProcess() - readBefore, std::uint64_t{64} << 20) << "the file was read";
        EXPECT_FALSE(status.ok());
        EXPECT_THAT(status.error,
                    HasSubstr("\"" + huge.path() + "\": it holds 4 GB, and a chart file holds at most 1 MB."));
        if (!commandLine) {
            EXPECT_EQ(document.GetPathName(), good);
        }
    }
}

TEST_F(ChartFileDocument, AFifoInThePlaceOfAChartIsRefusedAndNamed) {
    CTavroDoc document;
    const std::string good = m_folder.Write("good.tvd", kChennaiChartText);
    ASSERT_TRUE(document.OnOpenDocument(good).ok());
    FifoFile fifo(m_folder / "pipe.tvd");
    ASSERT_TRUE(fifo.made());
    for (const bool commandLine : {false, true}) {
        const DocumentStatus status = fifo.ReadAside([&] {
            DocumentStatus opened = commandLine ? OpenCommandLineChart(document, fifo.path())
                                                : document.OnOpenDocument(fifo.path());
            CloseEphemeris();
            return opened;
        });
        EXPECT_FALSE(status.ok());
        EXPECT_THAT(status.error, HasSubstr("\"" + fifo.path() + "\": it is not a regular file"));
    }
}

TEST_F(ChartFileDocument, SavingWhileAnotherZoneIsShownStoresTheBirthZone) {
    CTavroDoc document;
    ASSERT_TRUE(document.ReadChartText(kChennaiChartText, "chennai.tvd").ok());
    g_bZoneOverride = true;
    g_dOverrideZone = 0.0;
    ASSERT_TRUE(document.m_natalChart.ChangeTimeZone(0.0).ok());

    EXPECT_EQ(document.WriteChartText(), kChennaiChartText);
    EXPECT_DOUBLE_EQ(document.m_natalChart.m_dateTime.m_zone.m_dHours, 0.0);
    EXPECT_NEAR(document.m_natalChart.m_dateTime.m_time.m_dHours, Hours(4, 55, 0),
                1e-7); // through a Julian day
}

TEST_F(ChartFileDocument, AFailedSaveSaysSoAndKeepsTheDocumentUnsaved) {
    CTavroDoc document;
    ASSERT_TRUE(document.OnOpenDocument(m_folder.Write("chart.tvd", kChennaiChartText)).ok());
    document.SetModifiedFlag();
    const std::string elsewhere = m_folder / "no-such-folder/chart.tvd";
    const DocumentStatus status = document.OnSaveDocument(elsewhere);
    EXPECT_FALSE(status.ok());
    EXPECT_THAT(status.error, HasSubstr(elsewhere));
    EXPECT_TRUE(document.IsModified());
    EXPECT_EQ(document.GetPathName(), m_folder / "chart.tvd");
}

TEST_F(ChartFileDocument, OpeningAndSavingLeaveOneUndoEntry) {
    CTavroDoc document;
    ASSERT_TRUE(document.OnOpenDocument(m_folder.Write("chart.tvd", kChennaiChartText)).ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
    EXPECT_DOUBLE_EQ(g_birthTimeUndo.Latest(), document.m_natalChart.GetJulianDay());
    g_birthTimeUndo.Push(0.0);
    ASSERT_TRUE(document.OnSaveDocument(m_folder / "again.tvd").ok());
    EXPECT_EQ(g_birthTimeUndo.Count(), 1);
}

TEST(ChartBaseName, CutsOnlyTheFilesOwnExtension) {
    struct Case {
        std::string path;
        std::string base;
    };
    const Case kCases[] = {
        {"/home/a/chart.tvd", "/home/a/chart"},
        {"/home/a/chart.dat", "/home/a/chart"},
        {"/home/a/chart", "/home/a/chart"},
        {"/home/old.tvd.charts/chart.tvd", "/home/old.tvd.charts/chart"},
        {"/home/x.dat/notes.txt", "/home/x.dat/notes.txt"},
        {"/home/a/.tvd", "/home/a/.tvd"},
        {"chart.dat.tvd", "chart.dat"},
        {"", ""},
    };
    for (const Case& c : kCases) EXPECT_EQ(ChartBaseName(c.path), c.base) << c.path;
}

TEST_F(ChartFileDocument, ACommandLineChartThatCannotBeOpenedGivesTheDefaultChart) {
    CTavroDoc document;
    RecordingView view;
    document.AddView(view);
    const DocumentStatus status = OpenCommandLineChart(document, m_folder / "absent.tvd");
    EXPECT_THAT(status.error, HasSubstr(m_folder / "absent.tvd"));
    EXPECT_EQ(document.m_natalChart.m_strCity, g_strDefaultLocationCityName);
    EXPECT_EQ(document.GetPathName(), "");
    EXPECT_EQ(view.updates.size(), 1u);

    const std::string path = m_folder.Write("chennai.tvd", kChennaiChartText);
    EXPECT_TRUE(OpenCommandLineChart(document, path).ok());
    EXPECT_EQ(document.m_natalChart.m_strCity, "Chennai");
    EXPECT_EQ(document.GetPathName(), path);
}

} // namespace
