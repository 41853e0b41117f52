// The divisional-chart choosers and the aspect evaluation options: members in, OK copies back,
// Cancel leaves everything as it was.
#include "shell/dialogs/select_varga_dlg.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "dialog_test_support.h"
#include "shell/dialogs/aspect_options_dlg.h"

namespace {

TEST(VargaChoiceDlg, ShortTitlesOrFullNamesOfTheTwentyThreeColumnsAndTheChoiceComesBack) {
    struct Case {
        bool fullNames;
        int column;
        const char* text;
    };
    for (const Case c : {Case{false, 0, "Rasi"}, Case{false, 2, "D-2"}, Case{false, 22, "D-144"},
                         Case{true, 1, "Navamsa"}}) {
        SCOPED_TRACE(c.text);
        std::unique_ptr<CVargaChoiceDlg> dialog;
        if (c.fullNames)
            dialog = std::make_unique<CChooseVargaDlg>(nullptr);
        else
            dialog = std::make_unique<CSelectVargaDlg>(nullptr);
        dialog->m_nVarga = 5;
        dialog->ShowModeless();
        EXPECT_EQ(dialog->VargaCombo()->count(), kChoosableVargaCount);
        EXPECT_EQ(dialog->VargaCombo()->currentIndex(), 5);
        EXPECT_EQ(dialog->VargaCombo()->itemText(c.column).toStdString(), c.text);
        dialog->VargaCombo()->setCurrentIndex(c.column);
        dialog->accept();
        EXPECT_EQ(dialog->m_nVarga, c.column);
    }
}

TEST(VargaChoiceDlg, CancelKeepsTheCallersChoice) {
    CChooseVargaDlg dialog(nullptr);
    dialog.m_nVarga = 3;
    WhenModal<CChooseVargaDlg>([](CChooseVargaDlg& d) {
        d.VargaCombo()->setCurrentIndex(9);
        d.reject();
    });
    EXPECT_FALSE(dialog.DoModal());
    EXPECT_EQ(dialog.m_nVarga, 3);
}

class AspectOptionsTest : public testing::Test {
protected:
    ~AspectOptionsTest() override {
        g_bAspectedForceNatal = true;
        g_bAspectingForceNatal = false;
        g_nAspectedVarga = 0;
        g_nAspectingVarga = 0;
    }
};

TEST_F(AspectOptionsTest, OkStoresTheFourOptionsAndCancelNone) {
    g_bAspectedForceNatal = true;
    g_nAspectedVarga = 0;
    g_bAspectingForceNatal = false;
    g_nAspectingVarga = 0;
    auto change = [](CAspectOptionsDlg& d) {
        EXPECT_TRUE(d.AspectedForceNatal()->isChecked());
        EXPECT_FALSE(d.AspectingForceNatal()->isChecked());
        d.AspectedForceNatal()->setChecked(false);
        d.AspectedVarga()->setCurrentIndex(1);
        d.AspectingForceNatal()->setChecked(true);
        d.AspectingVarga()->setCurrentIndex(9);
    };
    WhenModal<CAspectOptionsDlg>([&](CAspectOptionsDlg& d) {
        change(d);
        d.reject();
    });
    EXPECT_FALSE(CAspectOptionsDlg(nullptr).RunAndStore());
    EXPECT_TRUE(g_bAspectedForceNatal);
    EXPECT_EQ(g_nAspectedVarga, 0);
    EXPECT_FALSE(g_bAspectingForceNatal);

    WhenModal<CAspectOptionsDlg>([&](CAspectOptionsDlg& d) {
        change(d);
        SavePicture(d, "aspect_options_dialog");
        d.accept();
    });
    EXPECT_TRUE(CAspectOptionsDlg(nullptr).RunAndStore());
    EXPECT_FALSE(g_bAspectedForceNatal);
    EXPECT_EQ(g_nAspectedVarga, 1);
    EXPECT_TRUE(g_bAspectingForceNatal);
    EXPECT_EQ(g_nAspectingVarga, 9);
}

} // namespace
