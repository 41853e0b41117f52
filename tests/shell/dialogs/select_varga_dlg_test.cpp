// The divisional-chart choosers and the aspect evaluation options: members in, OK copies back,
// Cancel leaves everything as it was.
#include "shell/dialogs/select_varga_dlg.h"

#include <QCheckBox>
#include <QComboBox>

#include <gtest/gtest.h>

#include "core/calc_options.h"
#include "core/zodiac_names.h"
#include "dialog_test_support.h"
#include "shell/dialogs/aspect_options_dlg.h"

namespace {

TEST(VargaChoiceDlg, ShortTitlesOrFullNamesOfTheTwentyThreeVargasAndTheChoiceComesBack) {
    struct Case {
        bool fullNames;
        int code;
        const char* text;
    };
    for (const Case c : {Case{false, 0, "Rasi"}, Case{false, 2, "D-2"}, Case{false, 22, "D-144"},
                         Case{true, 1, "Navamsa"}, Case{true, 22, g_vargaNames[22].c_str()}}) {
        SCOPED_TRACE(c.text);
        CSelectVargaDlg select(nullptr);
        CChooseVargaDlg choose(nullptr);
        CChooserDlg& dialog = c.fullNames ? static_cast<CChooserDlg&>(choose) : select;
        int& varga = c.fullNames ? choose.m_nVarga : select.m_nVarga;
        varga = 5;
        dialog.ShowModeless();
        EXPECT_EQ(dialog.Combo(0)->count(), 23);
        EXPECT_EQ(dialog.Combo(0)->currentIndex(), 5);
        EXPECT_EQ(dialog.Combo(0)->itemText(c.code).toStdString(), c.text);
        dialog.Combo(0)->setCurrentIndex(c.code);
        dialog.accept();
        EXPECT_EQ(varga, c.code);
    }
}

TEST(VargaChoiceDlg, CancelKeepsTheCallersChoice) {
    CChooseVargaDlg dialog(nullptr);
    dialog.m_nVarga = 3;
    WhenModal<CChooseVargaDlg>([](CChooseVargaDlg& d) {
        d.Combo(0)->setCurrentIndex(9);
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
