// The fixed-star ayanamsa dialog: the star's catalogue position, a star outside the list, ranges.
#include "shell/dialogs/fixed_star_ayanamsa_dlg.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "core/fixed_stars.h"
#include "dialog_test_support.h"

namespace {

class FixedStarAyanamsaTest : public testing::Test {
protected:
    void SetUp() override {
        g_fixedStarList.entries = {{"Star A", ",aa", 1, 45.5, -5.25},
                                   {"Star B", ",bb", 2, 180 + 23 + 30 / 60.0, 2}};
    }
    void TearDown() override { g_fixedStarList = m_saved; }
    FixedStarList m_saved = g_fixedStarList;
};

TEST_F(FixedStarAyanamsaTest, AStarOutsideTheListShowsTheFirstAndItsPosition) {
    CFixedStarAyanamsaDlg dialog(nullptr);
    dialog.m_nStar = 7;
    dialog.m_nSign = 5;
    dialog.ShowModeless();
    SavePicture(dialog, "fixed_star_ayanamsa_dialog");
    EXPECT_EQ(dialog.StarCombo()->currentIndex(), 0);
    EXPECT_EQ(dialog.StarPosition()->text(), "Longitude 15 Taurus 30' 0.00\", Latitude -5.25 deg");
    dialog.StarCombo()->setCurrentIndex(1);
    EXPECT_EQ(dialog.StarPosition()->text(), "Longitude 23 Libra 30' 0.00\", Latitude 2.00 deg");
    dialog.accept();
    EXPECT_EQ(dialog.m_nStar, 1);
}

TEST_F(FixedStarAyanamsaTest, TheDegreesLieWithinTheSign) {
    RecordedMessages messages;
    CFixedStarAyanamsaDlg dialog(nullptr);
    dialog.m_nStar = 0;
    dialog.ShowModeless();
    dialog.DegreesEdit()->setText("30");
    dialog.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Degrees: enter a whole number from 0 to 29.");
}

} // namespace
