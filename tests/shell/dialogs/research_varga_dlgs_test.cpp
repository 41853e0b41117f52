// The two research-varga dialogs: the custom D-N takes N from 1 to 300 only, and the D-n of D-m needs
// both vargas chosen; OK copies the entry back.
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "shell/dialogs/custom_varga_dlg.h"
#include "shell/dialogs/sub_varga_dlg.h"

namespace {

TEST(CustomVargaDlg, TheNumberOfPartsIsCheckedOnOk) {
    const struct {
        const char* entry;
        int stored;          // N after OK; 5 (as loaded) when refused
        const char* message; // empty when accepted
    } cases[] = {
        {"1", 1, ""},
        {"300", 300, ""},
        {"0", 5, "Number of parts: enter a whole number from 1 to 300."},
        {"301", 5, "Number of parts: enter a whole number from 1 to 300."},
        {"2.5", 5, "Number of parts: enter a whole number."},
        {"", 5, "Number of parts: enter a whole number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.entry);
        RecordedMessages messages;
        CCustomVargaDlg dialog(nullptr);
        dialog.m_nDivisions = 5, dialog.m_bCyclical = 0, dialog.m_bReverseInEven = 0;
        dialog.m_nBase = 0, dialog.m_nStartRule = 0;
        dialog.ShowModeless();
        dialog.DivisionsEdit()->setText(c.entry);
        dialog.CyclicalCheck()->setChecked(true);
        dialog.accept();
        EXPECT_EQ(dialog.m_nDivisions, c.stored);
        if (*c.message) {
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_EQ(messages.texts[0], c.message);
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(dialog.m_bCyclical, 0);
        } else {
            EXPECT_TRUE(messages.texts.empty());
            EXPECT_EQ(dialog.m_bCyclical, 1);
        }
    }
}

TEST(CustomVargaDlg, ShowsTheSettingsItIsGiven) {
    CCustomVargaDlg dialog(nullptr);
    dialog.m_nDivisions = 150, dialog.m_bCyclical = 1, dialog.m_bReverseInEven = 1;
    dialog.m_nBase = 1, dialog.m_nStartRule = 9;
    dialog.ShowModeless();
    SavePicture(dialog, "custom_varga_dialog");
    EXPECT_EQ(dialog.DivisionsEdit()->text(), "150");
    EXPECT_TRUE(dialog.CyclicalCheck()->isChecked());
    EXPECT_TRUE(dialog.ReverseCheck()->isChecked());
    EXPECT_EQ(dialog.BaseCombo()->currentText(), "The sign in question");
    EXPECT_EQ(dialog.StartRuleCombo()->currentText(),
              "The 1st/10th/7th/4th from base (if sign is fiery/earthy/airy/watery)");
}

TEST(SubVargaDlg, BothVargasMustBeChosen) {
    RecordedMessages messages;
    CSubVargaDlg dialog(nullptr);
    dialog.m_nOuterVarga = 26; // not an ordinary varga: nothing is selected
    dialog.m_nInnerVarga = 1;
    dialog.ShowModeless();
    SavePicture(dialog, "sub_varga_dialog");
    EXPECT_EQ(dialog.InnerCombo()->currentText().toStdString(), "Navamsa (D-9)");
    EXPECT_EQ(dialog.InnerCombo()->count(), 20);
    EXPECT_EQ(dialog.OuterCombo()->count(), 23);
    dialog.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Divisional chart D-m: choose one of the list.");
    EXPECT_EQ(dialog.m_nOuterVarga, 26);
    dialog.OuterCombo()->setCurrentIndex(22);
    dialog.accept();
    EXPECT_EQ(dialog.m_nOuterVarga, 22);
    EXPECT_EQ(dialog.m_nInnerVarga, 1);
}

} // namespace
