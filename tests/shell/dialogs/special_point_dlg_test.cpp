// The special point and special lagna: the dialog's references, its ranges, and the commands that
// keep the definitions.
#include "shell/dialogs/special_point_dlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

#include <gtest/gtest.h>

#include "chart/chart.h"
#include "core/body_names.h"
#include "core/calc_options.h"
#include "dialog_test_support.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/document_commands.h"
#include "shell/dialogs/option_form_dlg.h"
#include "tests/process_state.h"

namespace {

TEST(SpecialPointDlg, FocusOnAReferenceListChoosesThatReference) {
    CSpecialPointDlg dialog(nullptr);
    dialog.m_bUsePlanet = 1;
    dialog.ShowModeless();
    dialog.activateWindow();
    ASSERT_TRUE(dialog.ReferenceButton(CSpecialPointDlg::kPlanet)->isChecked());
    const struct {
        int list;
        CSpecialPointDlg::Reference reference;
    } cases[] = {
        {1, CSpecialPointDlg::kSaham},  {2, CSpecialPointDlg::kSign},     {4, CSpecialPointDlg::kMidPoint},
        {0, CSpecialPointDlg::kPlanet}, {3, CSpecialPointDlg::kMidPoint},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        dialog.ReferenceList(c.list)->setFocus();
        QApplication::processEvents();
        EXPECT_TRUE(dialog.ReferenceButton(c.reference)->isChecked());
    }
    SavePicture(dialog, "special_point_dialog");
}

TEST(SpecialPointDlg, TheOffsetIsCheckedAndTheNameLimited) {
    RecordedMessages messages;
    CSpecialPointDlg dialog(nullptr);
    dialog.m_strName = "Point";
    dialog.ShowModeless();
    dialog.DegreesEdit()->setText("361");
    dialog.accept();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "Degrees: enter a number from 0 to 360.");
    dialog.DegreesEdit()->setText("10");
    dialog.MinutesEdit()->setText("60");
    dialog.accept();
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(messages.texts[1], "Minutes: enter a number from 0 to below 60.");
    EXPECT_EQ(dialog.m_strName, "Point");

    dialog.NameEdit()->setText(QString(60, 'x'));
    dialog.MinutesEdit()->setText("30");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_strName.size(), size_t(CSpecialPointDlg::kMaxNameLength));
    EXPECT_DOUBLE_EQ(dialog.m_dMin, 30);
}

class SpecialPointCommands : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_document.OnNewDocument()); }
    CScopedProcessState m_state; // the point's and the lagna's definitions, among all, come back
    RecordedMessages m_messages;
    CTavroDoc m_document;
};

TEST_F(SpecialPointCommands, TheUserPointIsKeptAndNamedInTheChart) {
    g_bSpecialPointOn = false;
    WhenModal<CSpecialPointDlg>([](CSpecialPointDlg& dialog) {
        dialog.NameEdit()->setText("Test Point");
        dialog.ReferenceButton(CSpecialPointDlg::kPlanet)->setChecked(true);
        dialog.ReferenceList(0)->setCurrentIndex(1);
        dialog.accept();
    });
    ASSERT_TRUE(OnUserDefinedSpecialPoint(m_document, nullptr).ok());
    EXPECT_TRUE(g_bSpecialPointOn);
    EXPECT_EQ(g_strSpecialPointName, "Test Point");
    EXPECT_EQ(g_nSpecialPointUsePlanet, 1);
    EXPECT_EQ(g_nSpecialPointPlanetIndex, 1);
    EXPECT_EQ(m_document.m_pCurrentChart->m_extraName[1], "Test Point");
}

TEST_F(SpecialPointCommands, TheSpecialLagnaIsNamedAfterItsPlanetAndFactor) {
    g_nSpecialLagnaPlanet = 1, g_nSpecialLagnaSpeedFactor = 1;
    WhenModal<COptionFormDlg>([](COptionFormDlg& dialog) {
        auto* planet = static_cast<QComboBox*>(dialog.Control(0));
        EXPECT_EQ(planet->count(), 9); // Sun .. Ketu
        EXPECT_EQ(planet->currentIndex(), 0);
        planet->setCurrentIndex(1); // Moon
        static_cast<QComboBox*>(dialog.Control(1))->setCurrentIndex(2);
        dialog.accept();
    });
    ASSERT_TRUE(OnPlanetarySpecialLagnas(m_document, nullptr).ok());
    EXPECT_TRUE(g_bSpecialLagnaOn);
    EXPECT_EQ(g_nSpecialLagnaPlanet, 2);
    EXPECT_EQ(g_nSpecialLagnaSpeedFactor, 3);
    const char* const* abbreviations = ChosenPlanetAbbrevs();
    EXPECT_EQ(g_strSpecialLagnaName, std::string(abbreviations[kMoon]) + "3");
}

} // namespace
