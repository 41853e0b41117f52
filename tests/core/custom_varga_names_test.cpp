// Names and divisors of the user's D-N and of the composite varga.
#include <string>

#include <gtest/gtest.h>

#include "core/chart_labels.h"
#include "core/custom_varga_names.h"
#include "core/option_snapshot.h"
#include "core/varga_columns.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"

namespace {

// Keeps the process-wide tables and settings this builder writes, and puts them back.
class CustomVargaNames : public testing::Test {
protected:
    void SetUp() override {
        m_labels = {g_strVargaLabels[kCustomColumn], g_strVargaLabels[kCompositeColumn]};
        m_titles = {g_vargaTitles[kCustomColumn], g_vargaTitles[kCompositeColumn]};
        m_divisors = g_vargaDivisors;
        m_chartNames = g_pszChartVargaNames;
        for (int c = 0; c < kVargaColumnCount; ++c) m_languageNames[c] = "v" + std::to_string(c);
        g_pszChartVargaNames = m_languageNames;
    }
    void TearDown() override {
        std::tie(g_strVargaLabels[kCustomColumn], g_strVargaLabels[kCompositeColumn]) = m_labels;
        std::tie(g_vargaTitles[kCustomColumn], g_vargaTitles[kCompositeColumn]) = m_titles;
        g_vargaDivisors = m_divisors;
        g_pszChartVargaNames = m_chartNames;
    }

    std::string m_languageNames[kVargaColumnCount];

private:
    std::pair<std::string, std::string> m_labels, m_titles;
    std::array<int, kVargaColumnCount> m_divisors;
    CScopedOptions m_options;
    std::string* m_chartNames = nullptr;
};

} // namespace

TEST_F(CustomVargaNames, UserDivisionTakesItsNumberOfPartsOrNoNameWhenUndefined) {
    const struct {
        int parts;
        const char* label;
        int divisor;
    } cases[] = {{57, "D-57", 57}, {300, "D-300", 300}, {0, "", 1}, {301, "", 1}};
    for (const auto& c : cases) {
        g_nCustDivSettings.nCustDivN = c.parts;
        BuildCustomVargaNames();
        EXPECT_EQ(g_strVargaLabels[kCustomColumn], c.label) << c.parts;
        EXPECT_EQ(g_vargaTitles[kCustomColumn], c.label) << c.parts;
        EXPECT_EQ(g_vargaDivisors[kCustomColumn], c.divisor) << c.parts;
    }
}

TEST_F(CustomVargaNames, CompositeOfD10AndD9IsD90) {
    g_nDmDnChartDm = kD10Column;
    g_nDmDnChartDn = kD9Column;
    BuildCustomVargaNames();
    EXPECT_EQ(g_vargaDivisors[kCompositeColumn], 90);
    EXPECT_EQ(g_strVargaLabels[kCompositeColumn], "D-10 x D-9");
    EXPECT_EQ(g_vargaTitles[kCompositeColumn], "D-10 x Navamsa");
    EXPECT_EQ(m_languageNames[kCompositeColumn], "v9v1");
}

TEST_F(CustomVargaNames, CompositeOnTheUserDivisionUsesItsCurrentDivisor) {
    g_nCustDivSettings.nCustDivN = 7;
    g_nDmDnChartDm = kCustomColumn;
    g_nDmDnChartDn = kD2Column;
    BuildCustomVargaNames();
    EXPECT_EQ(g_vargaDivisors[kCompositeColumn], 14);
    EXPECT_EQ(g_strVargaLabels[kCompositeColumn], "D-7 x D-2");
}

TEST_F(CustomVargaNames, InvalidCompositeHasNoNameAndDivisorOne) {
    for (const auto& [outer, inner] : {std::pair{kCompositeColumn, kD9Column}, {kD9Column, kD81Column}}) {
        g_nDmDnChartDm = outer;
        g_nDmDnChartDn = inner;
        BuildCustomVargaNames();
        BuildCustomVargaNames(); // repeated builds do not grow the names
        EXPECT_EQ(g_strVargaLabels[kCompositeColumn], "");
        EXPECT_EQ(m_languageNames[kCompositeColumn], "");
        EXPECT_EQ(g_vargaDivisors[kCompositeColumn], 1);
    }
}
