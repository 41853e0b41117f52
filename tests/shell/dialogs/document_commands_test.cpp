// The document's dialog commands: Edit > Birthdata and Edit > Change timezone, the dialogs driven as a
// user would, the document's chart checked afterwards.
#include "shell/dialogs/document_commands.h"

#include <algorithm>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/region_table.h"
#include "dialog_test_support.h"
#include "document/birth_time_undo.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/birth_data_dlg.h"
#include "shell/dialogs/time_zone_dlg.h"
#include "shell/display_options.h"
#include "tests/process_state.h"

namespace {

// Tropical Moon at 1990-05-15 04:55 UT (10:25 am in Chennai).
// Reference: swetest -b15.5.1990 -ut4:55 -p1 -true -fPl -head  (Debian swetest 2.10)
constexpr double kChennaiMoonTropical = 293.5257449;

double TropicalMoon(const CChart& chart) {
    return Reduce360(chart.m_bodies[kMoon].m_dLongitude + chart.m_dAyanamsa);
}

class CountingView : public CDocumentView {
public:
    void OnUpdate(CDocumentView*, long) override { ++updates; }
    int updates = 0;
};

class DocumentCommandsTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_document.OnNewDocument());
        m_document.AddView(m_view);
        m_view.updates = 0;
    }

    CScopedProcessState m_state; // the zones and the clock style in use, among all, come back
    RecordedMessages m_messages;
    CTavroDoc m_document;
    CountingView m_view;
};

TEST_F(DocumentCommandsTest, EditBirthdataByAtlasSearchRecalculatesTheChart) {
    const int undoCount = g_birthTimeUndo.Count();
    WhenModal<CBirthDataDlg>([](CBirthDataDlg& dialog) {
        dialog.MonthCombo()->setCurrentIndex(4);
        dialog.Edit(BirthField::kDay)->setText("15");
        dialog.Edit(BirthField::kYear)->setText("1990");
        dialog.Edit(BirthField::kHour)->setText("10");
        dialog.Edit(BirthField::kMinute)->setText("25");
        dialog.Edit(BirthField::kSecond)->setText("0");
        dialog.TimeFormatCombo()->setCurrentIndex(kAm);
        dialog.CityEdit()->setText("Chennai");
        dialog.CountryList()->setCurrentIndex(*FindRegionRow("IN") + 1);
        dialog.SearchWorldButton()->click();
        dialog.accept();
    });
    const CalcStatus status = OnEditBirthdata(m_document, nullptr);
    ASSERT_TRUE(status.ok()) << status.error;

    const CChart& natal = m_document.m_natalChart;
    EXPECT_EQ(natal.m_strCity, "Chennai");
    EXPECT_EQ(natal.m_strState, "India");
    EXPECT_NEAR(natal.m_longitude.m_dValue, -(80 + 16.5 / 60), 1 / 60.0); // positive west
    EXPECT_NEAR(natal.m_latitude.m_dValue, 13 + 5 / 60.0, 1 / 60.0);
    EXPECT_DOUBLE_EQ(natal.m_dateTime.m_zone.m_dHours, -5.5);
    EXPECT_DOUBLE_EQ(g_dBirthZone, -5.5);
    EXPECT_TRUE(g_bTimeDisplayWithAmPm);
    EXPECT_NEAR(TropicalMoon(natal), kChennaiMoonTropical, 5 / 3600.0);
    EXPECT_GE(m_view.updates, 1);
    EXPECT_TRUE(m_document.IsModified());
    EXPECT_EQ(g_birthTimeUndo.Count(), std::min(undoCount + 1, CBirthTimeUndo::kCapacity));
}

TEST_F(DocumentCommandsTest, CancelledBirthdataLeavesTheChart) {
    const CChart before = m_document.m_natalChart;
    WhenModal<CBirthDataDlg>([](CBirthDataDlg& dialog) {
        dialog.Edit(BirthField::kYear)->setText("1700");
        dialog.reject();
    });
    ASSERT_TRUE(OnEditBirthdata(m_document, nullptr).ok());
    EXPECT_EQ(m_document.m_natalChart.m_dateTime.m_nYear, before.m_dateTime.m_nYear);
    EXPECT_DOUBLE_EQ(m_document.m_natalChart.GetJulianDay(), before.GetJulianDay());
    EXPECT_EQ(m_view.updates, 0);
}

TEST_F(DocumentCommandsTest, ChangeTimezoneShowsAnotherZoneAndGoesBack) {
    const double birthZone = g_dBirthZone;
    const double jd = m_document.m_natalChart.GetJulianDay();
    WhenModal<CTimeZoneDlg>([](CTimeZoneDlg& dialog) {
        EXPECT_EQ(dialog.ChoiceCombo()->currentIndex(), 1);
        dialog.HoursEdit()->setText("9");
        dialog.MinutesEdit()->setText("0");
        dialog.SideCombo()->setCurrentIndex(0); // east
        dialog.accept();
    });
    ASSERT_TRUE(OnChangeTimezone(m_document, nullptr).ok());
    EXPECT_TRUE(g_bZoneOverride);
    EXPECT_DOUBLE_EQ(g_dOverrideZone, -9);
    EXPECT_DOUBLE_EQ(m_document.m_natalChart.m_dateTime.m_zone.m_dHours, -9);
    EXPECT_NEAR(m_document.m_natalChart.GetJulianDay(), jd, 1e-9); // the same moment, shown elsewhere
    EXPECT_GE(m_view.updates, 1);

    WhenModal<CTimeZoneDlg>([](CTimeZoneDlg& dialog) {
        dialog.ChoiceCombo()->setCurrentIndex(0);
        dialog.accept();
    });
    ASSERT_TRUE(OnChangeTimezone(m_document, nullptr).ok());
    EXPECT_FALSE(g_bZoneOverride);
    EXPECT_DOUBLE_EQ(m_document.m_natalChart.m_dateTime.m_zone.m_dHours, birthZone);
    EXPECT_NEAR(m_document.m_natalChart.GetJulianDay(), jd, 1e-9);
}

} // namespace
