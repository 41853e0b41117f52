// The small choosers and entry dialogs: members in, OK copies back, ranges and lengths refused.
#include "shell/dialogs/entry_dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <memory>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "shell/dialogs/change_date_time_dlg.h"
#include "shell/dialogs/dasa_shift_dlg.h"
#include "shell/dialogs/sub_varga_dlg.h"
#include "shell/dialogs/time_zone_dlg.h"

namespace {

TEST(LifecycleDlg, OnlyAUserDefinedYearEnablesItsDays) {
    CLifecycleDlg dialog(nullptr);
    dialog.m_nYearKind = 0;
    dialog.m_dYears = 1;
    dialog.ShowModeless();
    SavePicture(dialog, "lifecycle_dialog");
    for (int kind = 0; kind < 5; ++kind) {
        SCOPED_TRACE(kind);
        dialog.KindCombo()->setCurrentIndex(kind);
        EXPECT_EQ(dialog.DaysEdit()->isEnabled(), kind == CLifecycleDlg::kUserDefinedYear);
    }
    dialog.DaysEdit()->setText("354.5");
    dialog.accept();
    EXPECT_EQ(dialog.m_nYearKind, 4);
    EXPECT_DOUBLE_EQ(dialog.m_dUserYearDays, 354.5);
}

TEST(SelectBodiesDlg, TheFlagsComeBackOnOk) {
    CSelectBodiesDlg dialog(nullptr);
    dialog.m_bShow.fill(1);
    dialog.m_bShow[3] = 0;
    WhenModal<CSelectBodiesDlg>([](CSelectBodiesDlg& d) {
        EXPECT_FALSE(static_cast<QCheckBox*>(d.Control(3))->isChecked());
        EXPECT_EQ(static_cast<QCheckBox*>(d.Control(18))->text(), "Yoga and Avayoga Sphuta");
        static_cast<QCheckBox*>(d.Control(0))->setChecked(false);
        d.accept();
    });
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_EQ(dialog.m_bShow[0], 0);
    EXPECT_EQ(dialog.m_bShow[3], 0);
    EXPECT_EQ(dialog.m_bShow[4], 1);
}

TEST(PrintPagesDlg, ThePagesAreTheBitsOfTheMask) {
    CPrintPagesDlg dialog(nullptr);
    dialog.m_nPageMask = 0b101;
    WhenModal<CPrintPagesDlg>([](CPrintPagesDlg& d) {
        SavePicture(d, "print_pages_dialog");
        EXPECT_TRUE(static_cast<QCheckBox*>(d.Control(2))->isChecked());
        EXPECT_FALSE(static_cast<QCheckBox*>(d.Control(1))->isChecked());
        static_cast<QCheckBox*>(d.Control(0))->setChecked(false);
        static_cast<QCheckBox*>(d.Control(10))->setChecked(true); // Tribhagi Vimsottari dasa
        static_cast<QCheckBox*>(d.Control(11))->setChecked(true); // black and white
        d.accept();
    });
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_EQ(dialog.m_nPageMask, 0b10000000100);
    EXPECT_EQ(dialog.m_bBlackAndWhite, 1);
}

TEST(TextEntryDlg, TheTextIsLimitedToItsLength) {
    RecordedMessages messages;
    CUserAddressDlg address(nullptr);
    address.m_strText = "Kept";
    address.ShowModeless();
    static_cast<QPlainTextEdit*>(address.Editor())->setPlainText(QString(201, 'a'));
    address.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Enter at most 200 characters.");
    EXPECT_EQ(address.m_strText, "Kept");

    CChartTitleDlg title(nullptr);
    title.ShowModeless();
    static_cast<QLineEdit*>(title.Editor())->setText(QString(30, 'b'));
    title.accept();
    EXPECT_EQ(title.m_strText, std::string(20, 'b'));
}

TEST(UserYearDlg, TheLengthIsAboveZeroAndWithinAMillionDays) {
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"1000001", "Days: enter a number from 0 to 1000000."},
        {"0", "Days: enter a number above 0, up to 1000000."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RecordedMessages messages;
        CUserYearDlg dialog(nullptr);
        dialog.m_dDays = 365;
        dialog.ShowModeless();
        dialog.DaysEdit()->setText(c.text);
        dialog.accept();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_DOUBLE_EQ(dialog.m_dDays, 365);
    }
}

TEST(ChangeDateTimeDlg, RefusesWhatIsOutOfRange) {
    const struct {
        CChangeDateTimeDlg::Field field;
        const char* text;
        const char* message;
    } cases[] = {
        {CChangeDateTimeDlg::kDay, "29", "Day: enter a whole number from 1 to 28."},
        {CChangeDateTimeDlg::kYear, "5400", "Year: enter a whole number from -5399 to 5399."},
        {CChangeDateTimeDlg::kMinute, "60", "Minutes: enter a whole number from 0 to 59."},
        {CChangeDateTimeDlg::kSecond, "60", "Seconds: enter a number from 0 to below 60."},
        {CChangeDateTimeDlg::kZoneHours, "25", "Time zone hours: enter a whole number from 0 to 24."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        RecordedMessages messages;
        CChangeDateTimeDlg dialog(nullptr);
        dialog.m_nMonth = 1, dialog.m_nYear = 1900, dialog.m_nZoneSide = 0;
        dialog.ShowModeless();
        dialog.Edit(c.field)->setText(c.text);
        dialog.accept();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_EQ(dialog.m_nYear, 1900);
    }
    CChangeDateTimeDlg dialog(nullptr);
    dialog.m_nMonth = 1, dialog.m_nYear = 2000, dialog.m_nZoneSide = 1;
    dialog.ShowModeless();
    SavePicture(dialog, "change_date_time_dialog");
    dialog.Edit(CChangeDateTimeDlg::kDay)->setText("29");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nDay, 29);
}

} // namespace

namespace {

TEST(BaseNakshatraDlg, TheStarListIsEnabledOnlyForAnotherStar) {
    CBaseNakshatraDlg dialog(nullptr, {"Default base: Krittika", "and the star of lagna in Tajaka charts.",
                                       "Placed at the top"});
    dialog.m_nChoice = 0, dialog.m_nStar = 2;
    WhenModal<CBaseNakshatraDlg>([](CBaseNakshatraDlg& d) {
        SavePicture(d, "base_nakshatra_dialog");
        auto* choice = static_cast<QComboBox*>(d.Control(0));
        EXPECT_FALSE(d.Control(1)->isEnabled());
        choice->setCurrentIndex(1);
        EXPECT_TRUE(d.Control(1)->isEnabled());
        auto* stars = static_cast<QComboBox*>(d.Control(1));
        ASSERT_EQ(stars->count(), 28);
        EXPECT_EQ(stars->itemText(21), "Abhijit");
        stars->setCurrentIndex(27);
        d.accept();
    });
    ASSERT_TRUE(dialog.RunAndStore());
    EXPECT_EQ(dialog.m_nChoice, 1);
    EXPECT_EQ(dialog.m_nStar, 27); // Revati, after Abhijit
}

// A dialog is wide enough for its caption in the title bar: the caption in bold with room for the
// three buttons of the bar (each about as wide as the bar is high, about one and a half lines).
TEST(MemberDialogs, CaptionsFitTheirDialogs) {
    std::vector<std::unique_ptr<CMemberDialog>> dialogs;
    dialogs.push_back(std::make_unique<CTimeZoneDlg>(nullptr));
    dialogs.push_back(std::make_unique<CUserAddressDlg>(nullptr));
    dialogs.push_back(std::make_unique<CChartTitleDlg>(nullptr));
    dialogs.push_back(std::make_unique<CDasaShiftDlg>(nullptr));
    dialogs.push_back(std::make_unique<CUserYearDlg>(nullptr));
    dialogs.push_back(std::make_unique<CSubVargaDlg>(nullptr));
    dialogs.push_back(std::make_unique<CChangeDateTimeDlg>(nullptr));
    for (const auto& dialog : dialogs) {
        SCOPED_TRACE(dialog->windowTitle().toStdString());
        dialog->ShowModeless();
        QApplication::processEvents();
        QFont bold = dialog->font();
        bold.setBold(true);
        const QFontMetrics metrics(bold);
        EXPECT_GE(dialog->width(),
                  metrics.horizontalAdvance(dialog->windowTitle()) + 3 * 3 * metrics.height() / 2);
        QString name = dialog->windowTitle().toLower();
        name.replace(QRegularExpression("[^a-z0-9]+"), "_");
        dialog->grab().save(QString(KH_TEST_OUTPUT_DIR) + "/dialog_" + name + ".png");
    }
}

} // namespace
