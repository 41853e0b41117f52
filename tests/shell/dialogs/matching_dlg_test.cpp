// The matching command: the partner chosen in the dialog, the role deciding the table's row, the
// score shown.
#include "shell/dialogs/matching_dlg.h"

#include <QComboBox>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "dialog_test_support.h"
#include "document/tavro_doc.h"

namespace {

class MatchingTest : public testing::Test {
protected:
    // The native's Moon in Aswini, first pada.
    void SetUp() override {
        m_document.m_natalChart.m_nakshatra[kMoon] = 0;
        m_document.m_natalChart.m_pada[kMoon] = 0;
    }
    // Runs the command with the partner in Bharani, first pada, in `role` (0 bride, 1 bridegroom);
    // returns the message shown.
    std::string Match(int role, int expectedPresetRole) {
        WhenModal<CMatchingDlg>([role, expectedPresetRole](CMatchingDlg& dialog) {
            EXPECT_EQ(static_cast<QComboBox*>(dialog.Control(2))->currentIndex(), expectedPresetRole);
            static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(1);
            static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(0);
            static_cast<QComboBox*>(dialog.Control(2))->setCurrentIndex(role);
            dialog.accept();
        });
        m_messages.texts.clear();
        OnMatchingScore(m_document, nullptr);
        return m_messages.texts.empty() ? std::string() : m_messages.texts[0];
    }

    RecordedMessages m_messages;
    CTavroDoc m_document;
};

TEST_F(MatchingTest, TheRoleChosenDecidesWhoseRowIsRead) {
    m_document.m_natalChart.m_nGender = 0; // not given: the partner is preset to the bride
    const std::string asBride = Match(0, 0);
    EXPECT_NE(asBride.find("Native: Aswini (1st pada)\nBride: Bharani (1st pada)"), std::string::npos)
        << asBride;
    EXPECT_NE(asBride.find("= 34 (out of 36)"), std::string::npos) << asBride;
    EXPECT_NE(asBride.find("= Excellent."), std::string::npos) << asBride;

    m_document.m_natalChart.m_nGender = 2; // female: the partner is preset to the bridegroom
    const std::string asBridegroom = Match(1, 1);
    EXPECT_NE(asBridegroom.find("Bridegroom: Bharani"), std::string::npos) << asBridegroom;
    EXPECT_NE(asBridegroom.find("= 33 (out of 36)"), std::string::npos) << asBridegroom;
    EXPECT_EQ(g_nMatchingPartnerNakshatra, 1);
}

TEST_F(MatchingTest, CancelKeepsThePreviousPartner) {
    g_nMatchingPartnerNakshatra = 5;
    WhenModal<CMatchingDlg>([](CMatchingDlg& dialog) {
        EXPECT_EQ(static_cast<QComboBox*>(dialog.Control(0))->currentIndex(), 5);
        static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(9);
        dialog.reject();
    });
    OnMatchingScore(m_document, nullptr);
    EXPECT_EQ(g_nMatchingPartnerNakshatra, 5);
    EXPECT_TRUE(m_messages.texts.empty());
}

} // namespace
