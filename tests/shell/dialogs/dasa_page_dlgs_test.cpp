// The dasa page's dialogs: the nakshatra-dasa and RBV options, the seed, scope and tithi-seed dialogs,
// the shift amount and "Locate an event": members in, OK copies back, ranges refused.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <gtest/gtest.h>

#include "core/zodiac_names.h"
#include "dialog_test_support.h"
#include "shell/dialogs/dasa_seed_year_dlgs.h"
#include "shell/dialogs/dasa_shift_dlg.h"
#include "shell/dialogs/locate_event_dlg.h"
#include "shell/dialogs/nakshatra_dasa_dlg.h"
#include "shell/dialogs/rasi_strength_group.h"

namespace {

TEST(NakshatraDasaDlg, AbhijitIsListedOnlyForTwentyEightStars) {
    for (bool with28 : {false, true}) {
        SCOPED_TRACE(with28);
        CNakshatraDasaDlg dialog(nullptr);
        dialog.m_b28Stars = with28;
        dialog.m_nSeedStar = 22; // Sravana among 28, Dhanishta among 27
        dialog.ShowModeless();
        QComboBox* stars = dialog.SeedStarCombo();
        ASSERT_EQ(stars->count(), with28 ? 28 : 27);
        constexpr int kSravana = 21, kDhanishta = 22; // among 27
        EXPECT_EQ(stars->itemText(21), with28 ? "Abhijit" : g_nakshatraNames[kSravana]);
        EXPECT_EQ(stars->currentText(), g_nakshatraNames[with28 ? kSravana : kDhanishta]);
        EXPECT_EQ(stars->itemText(stars->count() - 1), g_nakshatraNames[26]);
    }
}

TEST(NakshatraDasaDlg, OkCopiesEveryChoiceBackAndTheCallerDisablesTheOrder) {
    CNakshatraDasaDlg dialog(nullptr);
    dialog.m_strSeedStarHeading = "Krittika (allocated to Sun):";
    dialog.m_bSubPeriodOrderEnabled = false;
    dialog.m_nStartPoint = 0;
    dialog.m_nVarga = 0;
    dialog.m_nSeedStar = 2;
    dialog.m_nSubPeriodOrder = 0;
    dialog.m_bAntiZodiacal = 0;
    WhenModal<CNakshatraDasaDlg>([](CNakshatraDasaDlg& d) {
        SavePicture(d, "nakshatra_dasa_dialog");
        EXPECT_EQ(d.SeedStarHeading()->text(), "Krittika (allocated to Sun):");
        EXPECT_FALSE(d.SubPeriodOrderCombo()->isEnabled());
        EXPECT_TRUE(d.SeedStarCombo()->isEnabled());
        d.SeedStarCombo()->setCurrentIndex(5);
        d.findChild<QCheckBox*>()->setChecked(true);
        d.accept();
    });
    ASSERT_TRUE(dialog.DoModal());
    EXPECT_EQ(dialog.m_nSeedStar, 5);
    EXPECT_EQ(dialog.m_bAntiZodiacal, 1);
    EXPECT_EQ(dialog.m_nSubPeriodOrder, 0);
    EXPECT_EQ(dialog.m_nStartPoint, 0);
}

TEST(DasaScopeDlgs, TheWiderScopeIsTheCallersAndCancelKeepsTheMembers) {
    CTajakaDasaSeedDlg seed(nullptr);
    seed.m_strWiderScope = "All rasi dasas";
    seed.m_bFirst = 1;
    seed.m_bSecond = 0;
    seed.m_nScope = 0;
    WhenModal<CTajakaDasaSeedDlg>([](CTajakaDasaSeedDlg& d) {
        SavePicture(d, "tajaka_dasa_seed_dialog");
        ASSERT_EQ(d.ScopeCombo()->count(), 2);
        EXPECT_EQ(d.ScopeCombo()->itemText(0), "The current dasa");
        EXPECT_EQ(d.ScopeCombo()->itemText(1), "All rasi dasas");
        EXPECT_TRUE(d.FirstCheck()->isChecked());
        d.SecondCheck()->setChecked(true);
        d.ScopeCombo()->setCurrentIndex(1);
        d.reject();
    });
    EXPECT_FALSE(seed.DoModal());
    EXPECT_EQ(seed.m_bSecond, 0);
    EXPECT_EQ(seed.m_nScope, 0);

    CDasaYearDlg year(nullptr);
    year.m_bFirst = 0;
    year.m_bSecond = 1;
    WhenModal<CDasaYearDlg>([](CDasaYearDlg& d) {
        SavePicture(d, "dasa_year_dialog");
        d.FirstCheck()->setChecked(true);
        d.ScopeCombo()->setCurrentIndex(1);
        d.accept();
    });
    ASSERT_TRUE(year.DoModal());
    EXPECT_EQ(year.m_bFirst, 1);
    EXPECT_EQ(year.m_bSecond, 1);
    EXPECT_EQ(year.m_nScope, CDasaScopeDlg::kWiderScope);
}

TEST(TithiDasaSeedDlg, TheBodiesFollowTheCaller) {
    CTithiDasaSeedDlg dialog(nullptr);
    dialog.m_bBodiesEnabled = false;
    dialog.m_nTithi = 7;
    dialog.m_nBodyA = 0;
    dialog.m_nBodyB = 1;
    dialog.m_nVarga = 1;
    dialog.ShowModeless();
    SavePicture(dialog, "tithi_dasa_seed_dialog");
    EXPECT_FALSE(dialog.BodyACombo()->isEnabled());
    EXPECT_EQ(dialog.BodyACombo()->currentText(), "Sun");
    dialog.accept();
    EXPECT_EQ(dialog.m_nTithi, 7);
    EXPECT_EQ(dialog.m_nBodyB, 1);
    EXPECT_EQ(dialog.m_nVarga, 1);
}

TEST(DasaShiftDlg, OffersTheStoredShiftAndRefusesHoursAndMinutesOutOfRange) {
    CDasaShiftDlg dialog(nullptr);
    dialog.m_amount = SplitDasaShift(true, -1.5);
    dialog.ShowModeless();
    SavePicture(dialog, "dasa_shift_dialog");
    EXPECT_EQ(dialog.ChoiceCombo()->currentText(), "Subtract");
    EXPECT_EQ(dialog.DaysEdit()->text(), "1");
    EXPECT_EQ(dialog.HoursEdit()->text(), "12");
    EXPECT_EQ(dialog.MinutesEdit()->text(), "0");

    struct Case {
        const char* hours;
        const char* minutes;
        const char* message;
    };
    const Case refused[] = {
        {"24", "0", "Hours"},
        {"3", "60", "Minutes"},
        {"x", "0", "Hours"},
    };
    for (const Case& c : refused) {
        SCOPED_TRACE(c.message);
        RecordedMessages messages;
        dialog.HoursEdit()->setText(c.hours);
        dialog.MinutesEdit()->setText(c.minutes);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find(c.message), std::string::npos) << messages.texts[0];
    }
    dialog.HoursEdit()->setText("6");
    dialog.MinutesEdit()->setText("30");
    dialog.ChoiceCombo()->setCurrentIndex(kAddDasaShift);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_amount.choice, kAddDasaShift);
    EXPECT_EQ(dialog.m_amount.days, 1);
    EXPECT_EQ(dialog.m_amount.hours, 6);
    EXPECT_DOUBLE_EQ(dialog.m_amount.minutes, 30);
}

TEST(LocateEventDlg, TheMomentAndTheLevelComeBackOnOk) {
    CLocateEventDlg dialog(nullptr);
    dialog.m_nDay = 15;
    dialog.m_nMonth = 4;
    dialog.m_nYear = 2010;
    dialog.m_nZoneHours = 5;
    dialog.m_dZoneMinutes = 30;
    dialog.m_nZoneSide = 0;
    dialog.m_nLevel = 2;
    dialog.ShowModeless();
    SavePicture(dialog, "locate_event_dialog");
    EXPECT_EQ(dialog.windowTitle(), "Locate an event");
    EXPECT_EQ(dialog.LevelCombo()->currentText(), "Pratyantardasa (PD)");
    EXPECT_EQ(dialog.LevelCombo()->itemText(5), "Deha-antardasa (DAD)");
    {
        RecordedMessages messages;
        dialog.Edit(CChangeDateTimeDlg::kDay)->setText("31"); // May has 31 days, June not
        dialog.MonthCombo()->setCurrentIndex(5);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.texts.size(), 1u);
    }
    dialog.Edit(CChangeDateTimeDlg::kDay)->setText("30");
    dialog.LevelCombo()->setCurrentIndex(4);
    dialog.accept();
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.m_nDay, 30);
    EXPECT_EQ(dialog.m_nMonth, 5);
    EXPECT_EQ(dialog.m_nLevel, 4);
    EXPECT_EQ(dialog.m_nZoneHours, 5);
}

TEST(RbvDasaDlg, OkCopiesTheSeedAndTheVargaBack) {
    CRbvDasaDlg dialog(nullptr);
    dialog.m_nStartPoint = 0;
    dialog.m_nVarga = 0;
    WhenModal<CRbvDasaDlg>([](CRbvDasaDlg& d) {
        SavePicture(d, "rbv_dasa_dialog");
        d.SeedCombo()->setCurrentIndex(4);  // Lagna
        d.VargaCombo()->setCurrentIndex(1); // Navamsa
        d.accept();
    });
    ASSERT_TRUE(dialog.DoModal());
    EXPECT_EQ(dialog.m_nStartPoint, 4);
    EXPECT_EQ(dialog.m_nVarga, 1);
}

TEST(RbvDasaDlg, StrengthsAreThoseOfTheChosenVargaAndOkSavesThem) {
    CSignLordTables tables;
    tables.m_strongerSign[1][2] = tables.m_strongerSign[1][8] = 8; // navamsa: Sagittarius the stronger
    tables.m_saturnKetu[1][8] = kKetuOccupies;
    tables.m_coLord[kCoLordDasa][1].m_nScorpio = 9;
    CRbvDasaDlg dialog(nullptr);
    dialog.m_pTables = &tables;
    dialog.m_nVarga = 0;
    dialog.LoadOptions();
    WhenModal<CRbvDasaDlg>([](CRbvDasaDlg& d) {
        SavePicture(d, "rbv_dasa_dialog_strengths");
        CRasiStrengthGroup& strengths = *d.Strengths();
        EXPECT_TRUE(strengths.isEnabled());
        EXPECT_EQ(strengths.StartCombo(), nullptr); // RBV has no start sign
        EXPECT_EQ(strengths.PairCombo(2)->currentText(), "Gemini");
        strengths.AquariusCombo()->setCurrentIndex(1); // typed for the rasi, then dropped
        d.VargaCombo()->setCurrentIndex(1);
        emit d.VargaCombo()->activated(1);
        EXPECT_EQ(strengths.PairCombo(2)->currentText(), "Sagittarius");
        EXPECT_EQ(strengths.PairExceptionCombo(2)->currentText(), "Ketu exception");
        EXPECT_EQ(strengths.ScorpioCombo()->currentText(), "Ketu");
        EXPECT_EQ(strengths.AquariusCombo()->currentText(), "Saturn");
        strengths.PairCombo(0)->setCurrentIndex(1); // Libra over Aries
        emit strengths.PairCombo(0)->activated(1);
        strengths.PairExceptionCombo(0)->setCurrentIndex(1);
        d.accept();
    });
    ASSERT_TRUE(dialog.DoModal());
    dialog.SaveOptions();
    EXPECT_EQ(dialog.m_nVarga, 1);
    EXPECT_EQ(tables.m_strongerSign[1][0], 6);
    EXPECT_EQ(tables.m_strongerSign[1][6], 6);
    EXPECT_EQ(tables.m_saturnKetu[1][6], kSaturnOccupies);
    EXPECT_EQ(tables.m_strongerSign[1][2], 8);
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][1].m_nScorpio, 9);
    // The rasi column is untouched.
    EXPECT_EQ(tables.m_coLord[kCoLordDasa][0].m_nAquarius, 7);
    EXPECT_EQ(tables.m_strongerSign[0][0], 0);
}

} // namespace

// Seconds (and zone minutes) in their boxes: whole, or to hundredths, and never a full 60.
TEST(LocateEventDlg, SecondsReadWholeOrToHundredths) {
    const struct {
        double seconds;
        const char* text;
    } cases[] = {{55.0000146, "55"}, {0.0, "0"}, {12.5, "12.50"}, {7.123, "7.12"}, {59.9999, "59.99"}};
    for (const auto& c : cases) {
        CLocateEventDlg dialog(nullptr);
        dialog.m_dSecond = c.seconds;
        dialog.ShowModeless();
        EXPECT_EQ(dialog.Edit(CChangeDateTimeDlg::kSecond)->text().toStdString(), c.text) << c.seconds;
        dialog.reject();
    }
}
