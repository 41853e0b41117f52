// The dialogs that show seconds, or minutes below 60, to hundredths: OK with a box left unedited keeps
// the value the box was loaded with, not the rounded text it shows; a box typed into takes what was
// typed.
#include <QLineEdit>
#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "dialog_test_support.h"
#include "shell/dialogs/ayanamsa_dlg.h"
#include "shell/dialogs/fixed_star_ayanamsa_dlg.h"
#include "shell/dialogs/special_point_dlg.h"
#include "shell/dialogs/time_zone_dlg.h"

namespace {

// More digits than a box shows.
constexpr double kSeconds = 7.1234567890123;
constexpr double kZoneMinutes = 21.183333333333334;

std::vector<std::string> BoxTexts(const QWidget& dialog) {
    std::vector<std::string> texts;
    for (const QLineEdit* edit : dialog.findChildren<QLineEdit*>())
        texts.push_back(edit->text().toStdString());
    return texts;
}

// Each dialog's box, the member it was loaded from and the text it shows.
struct Case {
    const char* what;
    CMemberDialog* dialog;
    double* member;
    const char* shown;
};

class UneditedBoxes : public testing::Test {
protected:
    UneditedBoxes() {
        m_ayanamsa.m_nAyanamsa = 0;
        m_ayanamsa.m_nAddSubtract = 0;
        m_ayanamsa.m_dSeconds = kSeconds;
        m_star.m_nSign = 5;
        m_star.m_dSeconds = kSeconds;
        m_point.m_dMin = kZoneMinutes;
        m_point.m_dSec = kSeconds;
        m_zone.m_nChoice = 1, m_zone.m_nSide = 0, m_zone.m_dHours = 5, m_zone.m_dMinutes = kZoneMinutes;
    }
    std::vector<Case> Cases() {
        return {{"ayanamsa correction", &m_ayanamsa, &m_ayanamsa.m_dSeconds, "7.12"},
                {"fixed star held at", &m_star, &m_star.m_dSeconds, "7.12"},
                {"special point minutes", &m_point, &m_point.m_dMin, "21.18"},
                {"special point seconds", &m_point, &m_point.m_dSec, "7.12"},
                {"time zone minutes", &m_zone, &m_zone.m_dMinutes, "21.18"}};
    }

    CAyanamsaDlg m_ayanamsa{nullptr};
    CFixedStarAyanamsaDlg m_star{nullptr};
    CSpecialPointDlg m_point{nullptr};
    CTimeZoneDlg m_zone{nullptr};
};

TEST_F(UneditedBoxes, OkKeepsTheValueABoxWasLoadedWith) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.what);
        const double loaded = *c.member;
        c.dialog->ShowModeless();
        const std::vector<std::string> texts = BoxTexts(*c.dialog);
        EXPECT_NE(std::find(texts.begin(), texts.end(), c.shown), texts.end());
        c.dialog->accept();
        EXPECT_EQ(c.dialog->result(), QDialog::Accepted);
        EXPECT_EQ(*c.member, loaded); // exactly: the chart or option it came from is not moved
    }
}

TEST_F(UneditedBoxes, ABoxTypedIntoTakesTheTypedValue) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.what);
        c.dialog->ShowModeless();
        for (QLineEdit* edit : c.dialog->findChildren<QLineEdit*>())
            if (edit->text() == c.shown) edit->setText("12.5");
        c.dialog->accept();
        EXPECT_EQ(*c.member, 12.5);
    }
}

} // namespace
