// The display time-zone dialog: the fields follow the choice, OK copies back, ranges are checked.
#include "shell/dialogs/time_zone_dlg.h"

#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace {

TEST(TimeZoneDlg, TheZoneFieldsAreEnabledOnlyForAnEnteredZone) {
    CTimeZoneDlg dialog(nullptr);
    dialog.m_nChoice = 0;
    dialog.ShowModeless();
    EXPECT_FALSE(dialog.HoursEdit()->isEnabled());
    EXPECT_FALSE(dialog.SideCombo()->isEnabled());
    dialog.ChoiceCombo()->setCurrentIndex(1);
    EXPECT_TRUE(dialog.HoursEdit()->isEnabled());
    EXPECT_TRUE(dialog.MinutesEdit()->isEnabled());
    EXPECT_TRUE(dialog.SideCombo()->isEnabled());
}

TEST(TimeZoneDlg, OkCopiesTheEntryBackAndCancelDoesNot) {
    CTimeZoneDlg dialog(nullptr);
    dialog.m_nChoice = 1, dialog.m_nSide = 0, dialog.m_dHours = 5, dialog.m_dMinutes = 30;
    dialog.ShowModeless();
    SavePicture(dialog, "time_zone_dialog");
    dialog.HoursEdit()->setText("9");
    dialog.reject();
    EXPECT_DOUBLE_EQ(dialog.m_dHours, 5);

    dialog.ShowModeless();
    dialog.HoursEdit()->setText("9");
    dialog.MinutesEdit()->setText("0");
    dialog.SideCombo()->setCurrentIndex(1);
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_DOUBLE_EQ(dialog.m_dHours, 9);
    EXPECT_DOUBLE_EQ(dialog.m_dMinutes, 0);
    EXPECT_EQ(dialog.m_nSide, 1);
}

TEST(TimeZoneDlg, OutOfRangeEntriesAreRefused) {
    const struct {
        const char* hours;
        const char* minutes;
        const char* message;
    } cases[] = {
        {"25", "0", "Hours: enter a number from 0 to 24."},
        {"-1", "0", "Hours: enter a number from 0 to 24."},
        {"5", "60", "Minutes: enter a number from 0 to below 60."},
        {"five", "0", "Hours: enter a number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        RecordedMessages messages;
        CTimeZoneDlg dialog(nullptr);
        dialog.m_nChoice = 1, dialog.m_nSide = 0, dialog.m_dHours = 5, dialog.m_dMinutes = 30;
        dialog.ShowModeless();
        dialog.HoursEdit()->setText(c.hours);
        dialog.MinutesEdit()->setText(c.minutes);
        dialog.accept();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_DOUBLE_EQ(dialog.m_dHours, 5);
    }
}

} // namespace
