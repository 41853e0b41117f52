// The option commands run from the frame: OK recalculates the document's charts and writes the
// preference file at once; Cancel changes nothing. The Muntha commands move the Tajaka chart's Muntha.
#include "shell/dialogs/option_commands.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>

#include <cmath>
#include <fstream>
#include <sstream>

#include "core/angle_math.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/fixed_stars.h"
#include "core/option_appliers.h"
#include "core/option_snapshot.h"
#include "dialog_test_support.h"
#include "document/mode_tajaka.h"
#include "document/tavro_doc.h"
#include "shell/dialogs/ayanamsa_dlg.h"
#include "shell/dialogs/calculation_option_dlgs.h"
#include "shell/dialogs/calendar_dlgs.h"
#include "shell/dialogs/document_commands.h"
#include "shell/dialogs/entry_dialogs.h"
#include "shell/dialogs/fixed_star_ayanamsa_dlg.h"
#include "shell/display_options.h"
#include "tests/shell/main_frame_fixture.h"

namespace {

constexpr double kMinutesPerDay = 1440.0;

class OptionCommandsTest : public MainFrameTest {
protected:
    void SetUp() override {
        MainFrameTest::SetUp();
        ASSERT_TRUE(m_folder.isValid());
        g_strDataDirectory = m_folder.path().toStdString();
        ASSERT_TRUE(m_document.OnNewDocument());
        BindDocumentCommands(Build(), m_document);
    }

    // The preference file written in the test's data folder; empty when none was written.
    std::string PreferenceFile() const {
        std::ifstream file(m_folder.filePath("tavro.ini").toStdString());
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }
    double SunriseJd() const { return m_document.m_natalChart.m_sunSnapshot[0].GetJulianDay(); }

    QTemporaryDir m_folder;
    CTavroDoc m_document;
};

TEST_F(OptionCommandsTest, SunriseDefinitionRecalculatesTheChartAndSavesAtOnce) {
    g_nSunriseDefinition = 0; // the centre of the disc, no refraction
    ASSERT_TRUE(m_document.RecalculateAll().ok());
    const double centreRise = SunriseJd();

    WhenModal<CSunriseDlg>([](CSunriseDlg& dialog) {
        static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(2);
        dialog.reject();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdSunriseDefinition));
    EXPECT_EQ(g_nSunriseDefinition, 0);
    EXPECT_EQ(SunriseJd(), centreRise);
    EXPECT_EQ(PreferenceFile(), "");

    WhenModal<CSunriseDlg>([](CSunriseDlg& dialog) {
        static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(2);
        dialog.accept();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdSunriseDefinition));
    EXPECT_EQ(g_nSunriseDefinition, 2);
    // The upper edge with refraction rises a few minutes before the centre without it.
    const double earlierMinutes = (centreRise - SunriseJd()) * kMinutesPerDay;
    EXPECT_GT(earlierMinutes, 1.5);
    EXPECT_LT(earlierMinutes, 10.0);
    EXPECT_NE(PreferenceFile().find("SunriseDefinition=2"), std::string::npos);
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OptionCommandsTest, NodalExaltationRewritesTheExaltationTable) {
    g_bNodalExaltationParasara = false;
    ApplyRahuKetuExaltationOption(false);
    WhenModal<CNodeExaltationDlg>([](CNodeExaltationDlg& dialog) {
        static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(1);
        dialog.accept();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdNodalExaltation));
    EXPECT_EQ(g_exaltationSigns[kRahu], 1); // Taurus
    EXPECT_EQ(g_exaltationSigns[kKetu], 7); // Scorpio
    EXPECT_NE(PreferenceFile().find("NodalExaltationParasara=1"), std::string::npos);
}

TEST_F(OptionCommandsTest, SiddhantaSetsItsAyanamsaOrTakesItsHousesAway) {
    struct Case {
        int model, housesBefore, ayanamsaShown, housesAfter;
        const char* caption;
    };
    // The Surya Siddhanta ayanamsa stands at list position 8.
    const Case cases[] = {{1, 1, 8, 1, "Choose Ayanamsa"},
                          {0, 11, g_ayanamsaTable[kAyanamsaTrueLahiri].listPosition, 3,
                           "SSS house system not available anymore"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.model);
        ChooseAyanamsa(kAyanamsaTrueLahiri, CDmsAngle{});
        g_nSiddhanta = 1 - c.model;
        g_nHouseTypeWanted = c.housesBefore;
        m_messages.clear();
        int shownAyanamsa = -1;
        WhenModal<CSiddhantaDlg>([&c, &shownAyanamsa](CSiddhantaDlg& dialog) {
            WhenModal<CAyanamsaDlg>([&shownAyanamsa](CAyanamsaDlg& ayanamsa) {
                shownAyanamsa = ayanamsa.AyanamsaCombo()->currentIndex();
                ayanamsa.accept();
            });
            static_cast<QComboBox*>(dialog.Control(0))->setCurrentIndex(c.model);
            dialog.accept();
        });
        const CalcStatus status = OnSiddhanta(m_document, m_frame.get());
        ASSERT_TRUE(status.ok()) << status.error;
        EXPECT_EQ(shownAyanamsa, c.ayanamsaShown);
        EXPECT_EQ(g_nHouseTypeWanted, c.housesAfter);
        ASSERT_EQ(m_messages.size(), 1u);
        EXPECT_EQ(m_messages[0].substr(0, std::string(c.caption).size()), c.caption);
        EXPECT_NE(PreferenceFile().find("Siddhanta=" + std::to_string(c.model)), std::string::npos);
    }
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaTrueLahiri);
}

TEST_F(OptionCommandsTest, MunthaCommandsCountTheMunthaFromTheirBody) {
    g_nMunthaPreference = 1; // one sign per year from the reference
    const CScopedOption<int> year(g_nTajakaYear, m_document.m_natalChart.m_dateTime.m_nYear + 30);
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    const CScopedOption<int> reference(g_nMunthaReference, kLagna);
    ASSERT_TRUE(m_document.CalculateTajaka().ok());
    const std::pair<CommandId, int> cases[] = {
        {kCmdMunthaFromSun, kSun}, {kCmdMunthaFromMoon, kMoon}, {kCmdMunthaFromLagna, kLagna}};
    for (const auto& [command, body] : cases) {
        SCOPED_TRACE(body);
        ASSERT_TRUE(m_frame->RunCommand(command));
        EXPECT_EQ(g_nMunthaReference, body);
        EXPECT_EQ(m_document.m_nMode, kModeTajaka);
        // A whole number of signs from the natal place of its reference.
        const double fromReference = AngleDiff(m_document.m_workChart.m_extraPoint[0].m_dLongitude,
                                               m_document.m_natalChart.m_bodies[body].m_dLongitude);
        EXPECT_NEAR(std::remainder(fromReference, 30.0), 0.0, 1e-6);
    }
    EXPECT_TRUE(m_messages.empty());
}

TEST_F(OptionCommandsTest, TithiPraveshaOptionsGoOnToTheLunarYear) {
    g_bSolarMonthUsedInTP = true;
    g_nLunarYrDef = 2;
    g_nLunarYrSign = 11;
    WhenModal<CTithiPraveshaDlg>([](CTithiPraveshaDlg& dialog) {
        WhenModal<CLunarCalendarDlg>([](CLunarCalendarDlg& lunar) {
            static_cast<QComboBox*>(lunar.Control(1))->setCurrentIndex(1); // tropical signs
            static_cast<QComboBox*>(lunar.Control(2))->setCurrentIndex(0); // from Aries (Vaisakha)
            lunar.accept();
        });
        static_cast<QCheckBox*>(dialog.Control(0))->setChecked(false);
        dialog.accept();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdTithiPraveshaOptions));
    EXPECT_FALSE(g_bSolarMonthUsedInTP);
    EXPECT_EQ(g_nLunarYrDef, 3);
    EXPECT_EQ(g_nLunarYrSign, 0);
    EXPECT_NE(PreferenceFile().find("LunarYrDef=3"), std::string::npos);
}

TEST_F(OptionCommandsTest, PrintPagesRebuildTheMaskFromTheSwitches) {
    const CScopedOption<int> mask(g_nMaskedPrintPageMap, 0b101);
    const CScopedOption<bool> black(g_bBlackPrintingWanted, true);
    WhenModal<CPrintPagesDlg>([](CPrintPagesDlg& dialog) {
        static_cast<QCheckBox*>(dialog.Control(0))->setChecked(false);
        static_cast<QCheckBox*>(dialog.Control(1))->setChecked(true);
        static_cast<QCheckBox*>(dialog.Control(CPrintPagesDlg::kPageCount))->setChecked(false);
        dialog.accept();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdPrintPages));
    EXPECT_EQ(g_nMaskedPrintPageMap, 0b110);
    EXPECT_FALSE(g_bBlackPrintingWanted);
}

TEST_F(OptionCommandsTest, AnEmptyAstrologerAddressTakesTheBuiltInFooter) {
    const CScopedOption<std::string> address(g_strJyotishiAddress, "A. Jyotishi\nUjjain");
    struct Case {
        const char* typed;
        std::string expected;
    };
    const Case cases[] = {{"B. Jyotishi\nChennai", "B. Jyotishi\nChennai"}, {"", kDefaultJyotishiAddress}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        WhenModal<CUserAddressDlg>([&c](CUserAddressDlg& dialog) {
            static_cast<QPlainTextEdit*>(dialog.Editor())->setPlainText(c.typed);
            dialog.accept();
        });
        ASSERT_TRUE(m_frame->RunCommand(kCmdAstrologerAddress));
        EXPECT_EQ(g_strJyotishiAddress, c.expected);
    }
}

TEST_F(OptionCommandsTest, TheFixedStarAyanamsaAsksForItsStar) {
    const FixedStarList savedStars = g_fixedStarList;
    g_fixedStarList.entries = {{"Aldebaran", ",alTau", 1, 45.78, -5.47},
                               {"Spica", ",alVir", 2, 179.83, -2.05}};
    ChooseAyanamsa(kAyanamsaTrueLahiri, CDmsAngle{});
    g_nCustomStarIndex = 1;
    g_strCustomStarCode = ",alVir";
    g_dCustomStarLongitude = 360.0; // held at the start of Aries
    WhenModal<CAyanamsaDlg>([](CAyanamsaDlg& dialog) {
        WhenModal<CFixedStarAyanamsaDlg>([](CFixedStarAyanamsaDlg& star) {
            EXPECT_EQ(star.StarCombo()->currentIndex(), 1);
            EXPECT_EQ(star.m_nSign, 0);
            star.StarCombo()->setCurrentIndex(0);
            star.DegreesEdit()->setText("15");
            star.accept();
        });
        dialog.AyanamsaCombo()->setCurrentIndex(g_ayanamsaTable[kAyanamsaCustomStar].listPosition);
        dialog.accept();
    });
    ASSERT_TRUE(m_frame->RunCommand(kCmdAyanamsa));
    EXPECT_TRUE(m_messages.empty());
    EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, kAyanamsaCustomStar);
    EXPECT_EQ(g_nCustomStarIndex, 0);
    EXPECT_EQ(g_strCustomStarCode, ",alTau");
    EXPECT_DOUBLE_EQ(g_dCustomStarLongitude, 15.0);
    EXPECT_NE(PreferenceFile().find("CustomStarCode=,alTau"), std::string::npos);
    g_fixedStarList = savedStars;
}

} // namespace
