// The mode charts of the Chennai chart file land on the moments swetest gives: Tajaka returns, Tithi
// Pravesha moments, progressed moments and eclipse maxima.
#include <string>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/option_snapshot.h"
#include "document/document_options.h"
#include "document/document_state.h"
#include "document/eclipse_search.h"
#include "document/mode_tajaka.h"
#include "document/mode_tithi_pravesha.h"
#include "document/tavro_doc.h"
#include "document_test_support.h"
#include "modes_test_support.h"
#include "tests/core/reference_table.h"

namespace {

constexpr double kSecond = 1.0 / 86400.0;
const std::string kTable = "modes_swetest.txt";

double Jd(const ReferenceRecord& r, std::size_t field) {
    return std::stod(r[field]);
}

// swetest's Lahiri (mode 1) is the program's Traditional Lahiri; its default True Lahiri follows
// Spica's own motion and drifts from it by a second of time a year in the returns.
class ModesReferenceTest : public ChennaiDocumentTest {
protected:
    void SetUp() override {
        g_ayanamsaSettings.m_nAyanamsaId = kAyanamsaTraditionalLahiri;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        ChennaiDocumentTest::SetUp();
    }
};

TEST_F(ModesReferenceTest, TajakaAnnualChartStartsAtTheSunsReturn) {
    const CScopedOption<int> month(g_nTajakaMonth, 0);
    const CScopedOption<int> year(g_nTajakaYear, 0);
    for (const bool tropical : {false, true}) {
        const CScopedOption<bool> zodiac(g_bTropicalTajaka, tropical);
        const CScopedOption<bool> trueYears(g_bTrueTajaka, true);
        for (const auto& r : ReadReferenceTable(kTable, tropical ? "tropical" : "solar")) {
            SCOPED_TRACE(r[0] + " " + r[1]);
            g_nTajakaYear = std::stoi(r[1]);
            ASSERT_TRUE(m_document.CalculateTajaka().ok());
            EXPECT_EQ(m_document.m_nMode, kModeTajaka);
            EXPECT_EQ(m_document.m_workChart.m_strTitle, "Tajaka annual");
            EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 2), kSecond);
            // The dasa spans one true year, sidereal or tropical.
            EXPECT_NEAR(g_dCompressionDays, tropical ? 365.242 : 365.256, 0.03);
        }
    }
}

TEST_F(ModesReferenceTest, TithiPraveshaMonthAndDayMoments) {
    const CScopedOption<bool> fromMoment(g_bTithiPraveshaFromMoment, false);
    const CScopedOption<int> kind(g_nTithiPraveshaKind, 0);
    const CScopedOption<int> year(g_nTithiPraveshaYear, 0);
    const CScopedOption<int> month(g_nTithiPraveshaMonth, 1);
    const CScopedOption<int> day(g_nTithiPraveshaDay, 0);
    for (const auto& r : ReadReferenceTable(kTable, "tithi")) {
        SCOPED_TRACE(r[1]);
        g_nTithiPraveshaYear = std::stoi(r[1]);
        g_nTithiPraveshaDay = 0;
        ASSERT_TRUE(m_document.CalculateTithiPravesha().ok());
        EXPECT_EQ(m_document.m_workChart.m_strTitle, "Monthly TP");
        EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 2), kSecond);
        // A monthly chart's dasa runs until the next return, about a synodic month.
        EXPECT_NEAR(g_dCompressionDays, 29.5, 1.0);
    }
    for (const auto& r : ReadReferenceTable(kTable, "tithiday")) {
        SCOPED_TRACE(r[1] + " day " + r[2]);
        g_nTithiPraveshaYear = std::stoi(r[1]);
        g_nTithiPraveshaDay = std::stoi(r[2]);
        ASSERT_TRUE(m_document.CalculateTithiPravesha().ok());
        EXPECT_EQ(m_document.m_workChart.m_strTitle, "Daily TP");
        EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 3), kSecond);
    }
    // Day 1 of month 1 is the monthly chart's own moment.
    for (const auto& r : ReadReferenceTable(kTable, "tithi")) {
        SCOPED_TRACE(r[1] + " day 1");
        g_nTithiPraveshaYear = std::stoi(r[1]);
        g_nTithiPraveshaDay = 1;
        ASSERT_TRUE(m_document.CalculateTithiPravesha().ok());
        EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 2), kSecond);
    }
}

TEST_F(ModesReferenceTest, ProgressionByDegreesReachesTheProgressedReturn) {
    for (const auto& r : ReadReferenceTable(kTable, "progressed")) {
        SCOPED_TRACE("division " + r[1]);
        const int column = r[1] == "1" ? 0 : 1; // D-1 or D-9
        ASSERT_TRUE(m_document.CalcProgressedByDegrees(column, NatalZoneMoment(m_document, Jd(r, 2))).ok());
        EXPECT_EQ(m_document.m_nMode, kModeProgressions);
        EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 3), kSecond);
    }
}

TEST_F(ModesReferenceTest, EclipseChartsAtTheirMaxima) {
    struct Case {
        const char* name;
        EclipseKind kind;
        const char* title;
    };
    const Case cases[] = {{"lunar", EclipseKind::kLunar, "Part Lun Ecli"},
                          {"solar", EclipseKind::kSolarGlobal, "Tot Solar Ecli"},
                          {"local", EclipseKind::kSolarLocal, "Part Solar Ecli"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ReferenceRecord r = ReadReferenceTable(kTable, "eclipse").at(static_cast<std::size_t>(c.kind));
        ASSERT_EQ(r[1], c.name);
        ASSERT_TRUE(m_document.OnResetToNatalMode().ok());
        std::string title, contacts;
        ASSERT_TRUE(m_document.CalcEclipseChart(true, c.kind, false, title, contacts).ok());
        EXPECT_EQ(title, c.title);
        EXPECT_EQ(m_document.m_nMode, kModeMundane);
        EXPECT_NEAR(m_document.m_workChart.GetJulianDay(), Jd(r, 2), kSecond);
        EXPECT_NE(contacts.find("    Maximum eclipse point: "), std::string::npos) << contacts;
    }
}

} // namespace
