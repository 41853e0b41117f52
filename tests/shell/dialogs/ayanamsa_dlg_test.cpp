// The ayanamsa chooser: another ayanamsa clears the correction; the nakshatra choice is for the
// tropical zodiac only.
#include "shell/dialogs/ayanamsa_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "dialog_test_support.h"

namespace {

TEST(AyanamsaDlg, ChangingTheAyanamsaResetsTheTypedCorrection) {
    CAyanamsaDlg dialog(nullptr);
    dialog.m_nAyanamsa = 0, dialog.m_bCorrection = 1, dialog.m_nDegrees = 1, dialog.m_nMinutes = 2;
    dialog.m_nAddSubtract = 1;
    dialog.ShowModeless();
    SavePicture(dialog, "ayanamsa_dialog");
    EXPECT_EQ(dialog.AyanamsaCombo()->count(), 22);
    EXPECT_EQ(dialog.AyanamsaCombo()->findText(
                  "Kalomithra (Spica in the middle of Chitra always, fixed solar rotation plane)"),
              6); // the list holds ids 17, 0, 21, 2, 4, 19, 1, ...
    EXPECT_FALSE(dialog.SiderealNakshatraCheck()->isEnabled());
    dialog.MinutesEdit()->setText("30");
    dialog.AyanamsaCombo()->setCurrentIndex(CAyanamsaDlg::kTropicalItem);
    emit dialog.AyanamsaCombo()->activated(CAyanamsaDlg::kTropicalItem);
    EXPECT_FALSE(dialog.CorrectionCheck()->isChecked());
    EXPECT_EQ(dialog.MinutesEdit()->text(), "0");
    EXPECT_TRUE(dialog.SiderealNakshatraCheck()->isEnabled());
    dialog.accept();
    EXPECT_EQ(dialog.m_nAyanamsa, CAyanamsaDlg::kTropicalItem);
    EXPECT_EQ(dialog.m_bCorrection, 0);
    EXPECT_EQ(dialog.m_nDegrees, 0);
    EXPECT_EQ(dialog.m_nAddSubtract, 0);
}

TEST(AyanamsaDlg, TheCorrectionIsChecked) {
    RecordedMessages messages;
    CAyanamsaDlg dialog(nullptr);
    dialog.m_nAyanamsa = 0;
    dialog.ShowModeless();
    dialog.MinutesEdit()->setText("60");
    dialog.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Minutes: enter a whole number from 0 to 59.");
}

} // namespace
