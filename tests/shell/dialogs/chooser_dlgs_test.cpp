// The chooser dialogs: their lists, the chosen indices copied into the members on OK only, unset
// members shown as no choice and an empty choice refused; the panchanga period's date and length
// checked before they reach the panchanga tables.
#include <QComboBox>
#include <QLineEdit>
#include <functional>
#include <memory>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "shell/dialogs/panchanga_period_dlg.h"
#include "shell/dialogs/reference_dlgs.h"
#include "shell/dialogs/select_dlgs.h"

namespace {

// One list as the user sees it: how many items, the first and the last.
struct ListShape {
    int count;
    const char* first;
    const char* last;
};

// A chooser made fresh, its members read and written through `members`.
struct ChooserCase {
    const char* title;
    std::vector<ListShape> lists;
    std::function<std::unique_ptr<CChooserDlg>()> make;
    std::function<std::vector<int*>(CChooserDlg&)> members;
};

// The members may be the dialog's own or its base's (the varga).
template <class T, class... Owner>
ChooserCase Case(const char* title, std::vector<ListShape> lists, int Owner::*... members) {
    return {title, std::move(lists), [] { return std::make_unique<T>(nullptr); },
            [members...](CChooserDlg& dialog) {
                T& d = static_cast<T&>(dialog);
                return std::vector<int*>{&(d.*members)...};
            }};
}

const ListShape kVargas{23, "Rasi", "D-144"};

std::vector<ChooserCase> Choosers() {
    return {
        Case<CSelectReferenceDlg>("Select the reference", {{12, "Aries", "Pisces"}},
                                  &CSelectReferenceDlg::m_nSign),
        Case<CHouseReferenceDlg>("Choose the reference for houses", {{10, "Lagna", "Ketu"}},
                                 &CHouseReferenceDlg::m_nBody),
        Case<CNatalReferenceDlg>("Choose a natal reference", {{3, "Moon", "Arudha lagna"}},
                                 &CNatalReferenceDlg::m_nReference),
        Case<CNatalOrDerivedDlg>("Natal Chart or Derived Chart?",
                                 {{2, "Natal Chart", "Derived Chart (Tajaka/TP etc)"}},
                                 &CNatalOrDerivedDlg::m_nDerived),
        Case<CSelectTaraDlg>("Select a tara under nava-tara scheme",
                             {{9, "Janma tara (birth)", "Parama mitra tara (good friend)"}, kVargas},
                             &CSelectTaraDlg::m_nTara, &CSelectTaraDlg::m_nVarga),
        Case<CSelectNakshatraDlg>("Select a special nakshatra", {{11, "Janma", "Maanasa"}, kVargas},
                                  &CSelectNakshatraDlg::m_nNakshatra, &CSelectNakshatraDlg::m_nVarga),
        Case<CSelectTithiDlg>("Select a special tithi",
                              {{12, "Janma tithi (1st)", "Vyaya tithi (12th)"}, kVargas},
                              &CSelectTithiDlg::m_nTithi, &CSelectTithiDlg::m_nVarga),
        Case<CSelectHouseDlg>("Select a house", {{12, "1st", "12th"}, {16, "Lagna", "Ketu"}, kVargas},
                              &CSelectHouseDlg::m_nHouse, &CSelectHouseDlg::m_nReference,
                              &CSelectHouseDlg::m_nVarga),
        Case<CSelectPlanetDlg>("Select a planet", {{16, "Sun", "Varnada lagna"}, kVargas},
                               &CSelectPlanetDlg::m_nChoice, &CSelectPlanetDlg::m_nVarga),
        Case<CBasePlanetDlg>("Select a planet as base", {{45, "Lagna", "PanchaSphuta"}, kVargas},
                             &CBasePlanetDlg::m_nBody, &CBasePlanetDlg::m_nVarga),
    };
}

TEST(ChooserDlgs, TheListsAreTheNamesInIndexOrder) {
    for (const ChooserCase& c : Choosers()) {
        SCOPED_TRACE(c.title);
        auto dialog = c.make();
        EXPECT_EQ(dialog->windowTitle(), c.title);
        for (size_t i = 0; i < c.lists.size(); ++i) {
            SCOPED_TRACE(i);
            const QComboBox* combo = dialog->Combo(static_cast<int>(i));
            ASSERT_EQ(combo->count(), c.lists[i].count);
            EXPECT_EQ(combo->itemText(0), c.lists[i].first);
            EXPECT_EQ(combo->itemText(combo->count() - 1), c.lists[i].last);
        }
    }
}

TEST(ChooserDlgs, UnsetMembersShowNoChoiceAndOkWithoutOneIsRefused) {
    for (const ChooserCase& c : Choosers()) {
        SCOPED_TRACE(c.title);
        RecordedMessages messages;
        auto dialog = c.make();
        dialog->ShowModeless();
        for (size_t i = 0; i < c.lists.size(); ++i)
            EXPECT_EQ(dialog->Combo(static_cast<int>(i))->currentIndex(), -1);
        // Every list but the last chosen: the last one is named in the refusal.
        for (size_t i = 0; i + 1 < c.lists.size(); ++i)
            dialog->Combo(static_cast<int>(i))->setCurrentIndex(0);
        dialog->accept();
        EXPECT_TRUE(dialog->isVisible());
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_NE(messages.texts[0].find(": choose one from the list."), std::string::npos)
            << messages.texts[0];
        for (int* member : c.members(*dialog)) EXPECT_EQ(*member, -1);
    }
}

TEST(ChooserDlgs, OkCopiesTheChoicesAndCancelKeepsTheMembers) {
    for (const ChooserCase& c : Choosers()) {
        SCOPED_TRACE(c.title);
        for (const bool ok : {true, false}) {
            SCOPED_TRACE(ok);
            auto dialog = c.make();
            for (int* member : c.members(*dialog)) *member = 1;
            const std::vector<ListShape> lists = c.lists;
            WhenModal<CChooserDlg>([&lists, ok](CChooserDlg& d) {
                for (size_t i = 0; i < lists.size(); ++i) {
                    EXPECT_EQ(d.Combo(static_cast<int>(i))->currentIndex(), 1);
                    d.Combo(static_cast<int>(i))->setCurrentIndex(lists[i].count - 1);
                }
                ok ? d.accept() : d.reject();
            });
            EXPECT_EQ(dialog->DoModal(), ok);
            const std::vector<int*> members = c.members(*dialog);
            for (size_t i = 0; i < members.size(); ++i) EXPECT_EQ(*members[i], ok ? lists[i].count - 1 : 1);
        }
    }
}

TEST(ChooserDlgs, AMemberOutsideItsListShowsNoChoice) {
    CSelectTithiDlg dialog(nullptr);
    dialog.m_nTithi = 12; // a cycle-2 tithi the list does not offer
    dialog.m_nVarga = 22;
    dialog.ShowModeless();
    SavePicture(dialog, "select_tithi_dialog");
    EXPECT_EQ(dialog.Combo(0)->currentIndex(), -1);
    EXPECT_EQ(dialog.Combo(1)->currentText(), "D-144");
}

TEST(SelectDlgs, TheReferenceListsMapToTheirBodies) {
    CSelectHouseDlg house(nullptr);
    CSelectPlanetDlg planet(nullptr);
    // Both lists name the same sixteen bodies; the same name is the same body.
    for (int i = 0; i < 16; ++i) {
        const int j = planet.Combo(0)->findText(house.Combo(1)->itemText(i));
        SCOPED_TRACE(house.Combo(1)->itemText(i).toStdString());
        ASSERT_GE(j, 0);
        EXPECT_EQ(kLagnaFirstBodies[i], kPlanetFirstBodies[j]);
    }
    EXPECT_EQ(house.Combo(1)->itemText(1), "Arudha lagna");
    EXPECT_EQ(kLagnaFirstBodies[1], 59);
    EXPECT_EQ(planet.Combo(0)->itemText(15), "Varnada lagna");
    EXPECT_EQ(kPlanetFirstBodies[15], 47);
}

TEST(PanchangaPeriodDlg, RefusesADateOrLengthOutOfRange) {
    const struct {
        const char *day, *year, *days, *message;
    } cases[] = {
        {"29", "2023", "20", "Day: enter a whole number from 1 to 28."},
        {"0", "2024", "20", "Day: enter a whole number from 1 to 29."},
        {"1", "5400", "20", "Year: enter a whole number from -5399 to 5399."},
        {"1", "-5400", "20", "Year: enter a whole number from -5399 to 5399."},
        {"1", "2024", "0", "Number of days: enter a whole number from 1 to 400."},
        {"1", "2024", "401", "Number of days: enter a whole number from 1 to 400."},
        {"1", "2024", "ten", "Number of days: enter a whole number."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        RecordedMessages messages;
        CPanchangaPeriodDlg dialog(nullptr);
        dialog.m_nMonth = 1; // February
        dialog.ShowModeless();
        dialog.Date().day->setText(c.day);
        dialog.Date().year->setText(c.year);
        dialog.DaysEdit()->setText(c.days);
        dialog.accept();
        ASSERT_EQ(messages.texts.size(), 1u);
        EXPECT_EQ(messages.texts[0], c.message);
        EXPECT_EQ(dialog.m_nYear, 2000);
        EXPECT_EQ(dialog.m_nDays, 20);
    }
}

TEST(PanchangaPeriodDlg, OkCopiesTheStartAndLength) {
    CPanchangaPeriodDlg dialog(nullptr);
    dialog.m_nDay = 10, dialog.m_nMonth = 1, dialog.m_nYear = -3101, dialog.m_nDays = 20;
    dialog.ShowModeless();
    SavePicture(dialog, "panchanga_period_dialog");
    EXPECT_EQ(dialog.Date().month->currentText(), "February");
    EXPECT_EQ(dialog.Date().year->text(), "-3101");
    dialog.Date().day->setText("29");
    dialog.Date().year->setText("2024");
    dialog.DaysEdit()->setText("400");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.m_nDay, 29);
    EXPECT_EQ(dialog.m_nMonth, 1);
    EXPECT_EQ(dialog.m_nYear, 2024);
    EXPECT_EQ(dialog.m_nDays, 400);
}

} // namespace
