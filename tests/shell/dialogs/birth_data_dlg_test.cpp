// The birth-data dialog driven through its widgets: atlas search, daylight saving, range checks, and
// OK or Cancel.
#include "shell/dialogs/birth_data_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/region_table.h"
#include "dialog_test_support.h"
#include "document/chart_file.h"
#include "shell/display_options.h"

namespace {

// 10:25 am on 15 May 1990, no place yet.
BirthDataMembers MayMorning() {
    BirthDataMembers m;
    m.m_nMonth = 4, m.m_nDay = 15, m.m_nYear = 1990;
    m.m_nHour = 10, m.m_dMinute = 25, m.m_nTimeFormat = kAm;
    m.m_dPressure = 1013.25, m.m_dTemperature = 20;
    return m;
}

class BirthDataDlgTest : public testing::Test {
protected:
    void SetUp() override {
        // The years the ephemeris files allow, as the program starts before it checks the files.
        g_nMinYear = -12900, g_nMaxYear = 16600;
        static_cast<BirthDataMembers&>(m_dialog) = MayMorning();
        m_dialog.ShowModeless();
    }
    void SearchCountry(const char* city, const char* code) {
        m_dialog.CityEdit()->setText(city);
        m_dialog.CountryList()->setCurrentIndex(*FindRegionRow(code) + 1);
        m_dialog.SearchWorldButton()->click();
    }
    void SearchState(const char* city, const char* code) {
        m_dialog.CityEdit()->setText(city);
        m_dialog.StateList()->setCurrentIndex(*FindRegionRow(code) - kFirstUsStateRow + 1);
        m_dialog.SearchUsaButton()->click();
    }
    QString Text(BirthField field) const { return m_dialog.Edit(field)->text(); }
    // Types into a field as the user would, so that its handler runs.
    void Type(BirthField field, const QString& text) {
        m_dialog.Edit(field)->setText(text);
        emit m_dialog.Edit(field)->textEdited(text);
    }

    void TearDown() override { g_nMinYear = m_minYear, g_nMaxYear = m_maxYear; }

    int m_minYear = g_nMinYear, m_maxYear = g_nMaxYear;
    RecordedMessages m_messages;
    CBirthDataDlg m_dialog{nullptr};
};

TEST_F(BirthDataDlgTest, ChennaiFromTheAtlasFillsCoordinatesAndZone) {
    SearchCountry("Chennai", "IN");
    EXPECT_EQ(m_dialog.StatusLine()->text().toStdString(),
              "Search result(s): Select - these are the matches found");
    EXPECT_TRUE(m_dialog.ResultList()->itemText(0).startsWith("Chennai, India"));
    // The atlas places the city's centre 80 deg 16-17' E, 13 deg 05' N.
    EXPECT_EQ(Text(BirthField::kLonDeg), "80");
    EXPECT_NEAR(Text(BirthField::kLonMin).toInt(), 16, 1);
    EXPECT_EQ(m_dialog.LonSideCombo()->currentText(), "E");
    EXPECT_EQ(Text(BirthField::kLatDeg), "13");
    EXPECT_EQ(Text(BirthField::kLatMin), "5");
    EXPECT_EQ(m_dialog.LatSideCombo()->currentText(), "N");
    EXPECT_EQ(Text(BirthField::kZoneHours), "5");
    EXPECT_EQ(Text(BirthField::kZoneMinutes), "30");
    EXPECT_EQ(m_dialog.ZoneSideCombo()->currentText(), "East of GMT");
    EXPECT_EQ(m_dialog.ZoneKindLabel()->text(), "Standard Time");
    SavePicture(m_dialog, "birth_data_dialog");

    m_dialog.accept();
    EXPECT_EQ(m_dialog.result(), QDialog::Accepted);
    EXPECT_EQ(m_dialog.m_strChartCity, "Chennai");
    EXPECT_EQ(m_dialog.m_strChartRegion, "India");
    EXPECT_EQ(m_dialog.m_nChartRegion, *FindRegionRow("IN"));
    EXPECT_EQ(m_dialog.m_nLonDeg, 80);
    EXPECT_DOUBLE_EQ(m_dialog.m_dStdZone, 5.5);
    EXPECT_TRUE(m_messages.texts.empty());
}

TEST_F(BirthDataDlgTest, TheFirstEntriesSearchAllCountriesOrAllStates) {
    m_dialog.CityEdit()->setText("Chennai");
    m_dialog.CountryList()->setCurrentIndex(0); // "All the countries (except USA)"
    m_dialog.SearchWorldButton()->click();
    EXPECT_TRUE(m_dialog.ResultList()->itemText(0).startsWith("Chennai, India"));
    EXPECT_EQ(m_dialog.m_strRegionName, "Unknown country");
    m_dialog.CityEdit()->setText("Phoenix");
    m_dialog.StateList()->setCurrentIndex(0); // "All the states in USA"
    m_dialog.SearchUsaButton()->click();
    EXPECT_TRUE(m_dialog.ResultList()->itemText(0).startsWith("Phoenix, Arizona, USA"));
    EXPECT_EQ(m_dialog.m_strRegionName, "USA");
    EXPECT_EQ(m_dialog.ResultList()->itemText(m_dialog.ResultList()->count() - 1),
              "None of these - will enter longitude etc manually");
}

TEST_F(BirthDataDlgTest, NewYorkKeepsDaylightSavingInJulyButNotInJanuary) {
    m_dialog.MonthCombo()->setCurrentIndex(6);
    emit m_dialog.MonthCombo()->activated(6);
    SearchState("New York", "USNY");
    EXPECT_EQ(m_dialog.ZoneKindLabel()->text(), "Daylight Saving");
    EXPECT_EQ(Text(BirthField::kZoneHours), "4");
    EXPECT_EQ(m_dialog.ZoneSideCombo()->currentText(), "West of GMT");

    m_dialog.MonthCombo()->setCurrentIndex(0);
    emit m_dialog.MonthCombo()->activated(0);
    EXPECT_EQ(m_dialog.ZoneKindLabel()->text(), "Standard Time");
    EXPECT_EQ(Text(BirthField::kZoneHours), "5");
    EXPECT_EQ(m_dialog.ZoneSideCombo()->currentText(), "West of GMT");
}

TEST_F(BirthDataDlgTest, AHalfTypedMinuteStopsTheHandlersUntilItScans) {
    SearchState("New York", "USNY"); // May: daylight saving
    ASSERT_EQ(m_dialog.ZoneKindLabel()->text(), "Daylight Saving");
    Type(BirthField::kMinute, "2x");
    m_dialog.MonthCombo()->setCurrentIndex(0);
    emit m_dialog.MonthCombo()->activated(0);
    EXPECT_EQ(m_dialog.ZoneKindLabel()->text(), "Daylight Saving");
    Type(BirthField::kMinute, "25");
    EXPECT_EQ(m_dialog.ZoneKindLabel()->text(), "Standard Time");
}

TEST_F(BirthDataDlgTest, APlaceNotFoundKeepsTheTypedCoordinates) {
    Type(BirthField::kLonDeg, "77");
    Type(BirthField::kLonMin, "35");
    Type(BirthField::kLatDeg, "12");
    Type(BirthField::kLatMin, "58");
    SearchCountry("Qzxkvillage", "IN");
    EXPECT_TRUE(m_dialog.StatusLine()->text().startsWith("Search result(s): "))
        << m_dialog.StatusLine()->text().toStdString();
    EXPECT_TRUE(m_dialog.StatusLine()->text().contains("No matches") ||
                m_dialog.StatusLine()->text().contains("no perfect matches"));
    EXPECT_EQ(Text(BirthField::kLonDeg), "77");
    EXPECT_EQ(Text(BirthField::kLonMin), "35");
    EXPECT_EQ(Text(BirthField::kLatDeg), "12");
    EXPECT_EQ(Text(BirthField::kLatMin), "58");
    m_dialog.accept();
    EXPECT_EQ(m_dialog.m_strChartCity, "Qzxkvillage");
    EXPECT_EQ(m_dialog.m_nLonDeg, 77);
}

TEST_F(BirthDataDlgTest, OutOfRangeEntriesAreRefusedWithWhatIsAllowed) {
    const struct {
        BirthField field;
        const char* text;
        const char* message;
    } cases[] = {
        {BirthField::kDay, "32", "Day: enter a whole number from 1 to 31."},
        {BirthField::kYear, "16601", "Year: enter a whole number from -12900 to 16600."},
        {BirthField::kMinute, "60", "Minutes: enter a number from 0 to below 60."},
        {BirthField::kSecond, "abc", "Seconds: enter a number."},
        {BirthField::kLatDeg, "91", "Latitude degrees: enter a whole number from 0 to 90."},
        {BirthField::kLonDeg, "200", "Longitude degrees: enter a whole number from 0 to 180."},
        // Below the lowest altitude the ephemeris library's rise and set searches take.
        {BirthField::kAltitude, "-501", "Altitude: enter a number from -500 to 20000."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        static_cast<BirthDataMembers&>(m_dialog) = MayMorning();
        m_dialog.ShowModeless();
        m_messages.texts.clear();
        m_dialog.Edit(c.field)->setText(c.text);
        m_dialog.accept();
        ASSERT_EQ(m_messages.texts.size(), 1u);
        EXPECT_EQ(m_messages.texts[0], c.message);
        EXPECT_TRUE(m_dialog.isVisible()); // stays open
        EXPECT_EQ(m_dialog.m_nDay, 15);    // nothing copied back
        EXPECT_DOUBLE_EQ(m_dialog.m_dMinute, 25);
    }
}

TEST_F(BirthDataDlgTest, CancelLeavesTheMembersAsTheyWere) {
    m_dialog.Edit(BirthField::kDay)->setText("20");
    m_dialog.Edit(BirthField::kLatDeg)->setText("40");
    m_dialog.reject();
    EXPECT_EQ(m_dialog.result(), QDialog::Rejected);
    EXPECT_EQ(m_dialog.m_nDay, 15);
    EXPECT_EQ(m_dialog.m_nLatDeg, 0);
}

// A birth time typed as 8:05:12, moved and moved back (through a Julian day, whose last bit is 40
// microseconds), kept in a chart file and read back, shows 8:05:12 in the dialog.
TEST_F(BirthDataDlgTest, ATimeTypedSavedAndReopenedReadsAsTyped) {
    Type(BirthField::kHour, "8");
    Type(BirthField::kMinute, "5");
    Type(BirthField::kSecond, "12");
    Type(BirthField::kLonSec, "36");
    m_dialog.accept();
    ASSERT_EQ(m_dialog.result(), QDialog::Accepted);
    CChart chart;
    ApplyBirthData(m_dialog, chart);
    constexpr double kJulianDayStepHours = 4.66e-10 * 24; // one step of a double near JD 2.45 million
    chart.m_dateTime.m_time.m_dHours -= kJulianDayStepHours;
    chart.m_dateTime.m_time.SplitHours();

    ChartFileValues values;
    values.month = chart.m_dateTime.m_nMonth;
    values.day = chart.m_dateTime.m_nDay;
    values.year = chart.m_dateTime.m_nYear;
    values.packedTime = PackHms(chart.m_dateTime.m_time);
    values.packedZone = PackHms(chart.m_dateTime.m_zone);
    values.packedLongitude = PackDms(chart.m_longitude);
    values.packedLatitude = PackDms(chart.m_latitude);
    const ChartFileParse read = ParseChartText(FormatChartText(values), "birth.tvd");
    ASSERT_TRUE(read.ok()) << read.error;
    CChart reopened;
    UnpackHms(read.values.packedTime, reopened.m_dateTime.m_time);
    UnpackDms(read.values.packedLongitude, reopened.m_longitude);

    CBirthDataDlg dialog(nullptr);
    static_cast<BirthDataMembers&>(dialog) = BirthDataFromChart(reopened, true);
    dialog.ShowModeless();
    EXPECT_EQ(dialog.Edit(BirthField::kHour)->text(), "8");
    EXPECT_EQ(dialog.Edit(BirthField::kMinute)->text(), "5");
    EXPECT_EQ(dialog.Edit(BirthField::kSecond)->text(), "12");
    EXPECT_EQ(dialog.Edit(BirthField::kLonSec)->text(), "36");
}

} // namespace
