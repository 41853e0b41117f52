// The basic information tables whose cells follow from where the bodies stand, against the cells that
// tests/views/info/data/make_basic_info_swetest.sh works out from swetest's positions of the Chennai
// chart: pushkara bhagas, mrityu bhagas, special taras, nakshatra aspects and latta, and the lords of
// the 64th navamsa and the 22nd drekkana.
#include <map>

#include <gtest/gtest.h>

#include "../views_test_support.h"
#include "core/calc_options.h"
#include "core/sign_rules.h"
#include "core/varga_options.h"
#include "core/zodiac_names.h"
#include "tests/core/reference_table.h"
#include "views/info/basic_info_tables.h"
#include "views/info/basic_info_view.h"

namespace {
constexpr int kLagnaRow = 10; // the 22-point tables: Sun .. Ketu in rows 0-8, Maandi, the lagna
constexpr double kDistanceTolerance = 0.0002; // degrees: the cells' 4 decimals and swetest's positions

// The table row of body 0-9 of the script in the 22-point tables.
int PointRow(int body) {
    return body == 0 ? kLagnaRow : body - 1;
}

class BasicInfoReferenceTest : public SwetestLahiriPaneTest {
protected:
    BasicInfoReferenceTest() {
        m_view.SetDocument(&m_document);
        g_nAspectOptionsAskedMode = kTableAspects;
    }
    int Int(const ReferenceRecord& r, int field) const { return std::stoi(r[field]); }
    double Distance(int row, int column) const { return std::stod(m_view.CellText(row, column)); }

    CBasicInfoView m_view;
};

TEST_F(BasicInfoReferenceTest, TheChartStandsWhereSwetestPutsIt) {
    const std::vector<ReferenceRecord> bodies = ReadReferenceTable("basic_info_swetest.txt", "body");
    ASSERT_EQ(bodies.size(), 10u);
    for (const ReferenceRecord& b : bodies)
        EXPECT_NEAR(m_document.m_natalChart.m_bodies[Int(b, 1)].m_dLongitude, std::stod(b[2]), 1e-5) << b[1];
}

TEST_F(BasicInfoReferenceTest, PushkaraBhagaDistances) {
    m_view.SetMode(kTablePushkara);
    ASSERT_EQ(m_view.RowCount(), 22);
    for (const ReferenceRecord& r : ReadReferenceTable("basic_info_swetest.txt", "pushkara")) {
        SCOPED_TRACE(r[1]);
        const int row = PointRow(Int(r, 1));
        EXPECT_NEAR(Distance(row, 3), std::stod(r[2]), kDistanceTolerance);
        EXPECT_EQ(m_view.CellText(row, 2), Int(r, 3) ? "Yes" : "-");
    }
}

TEST_F(BasicInfoReferenceTest, MrityuBhagaDistancesForBothMoonListsAndEveryRegion) {
    const std::vector<ReferenceRecord> cases = ReadReferenceTable("basic_info_swetest.txt", "mrityu");
    ASSERT_EQ(cases.size(), 11u * 3);
    for (const ReferenceRecord& r : cases) {
        SCOPED_TRACE(testing::Message() << "body " << r[1] << " Moon list " << r[2] << " region " << r[3]);
        g_nMBTablePreference = Int(r, 2);
        g_nMBLocationPreference = Int(r, 3);
        m_view.SetMode(kTableMrityuBhaga);
        const int row = PointRow(Int(r, 1));
        EXPECT_NEAR(Distance(row, 1), std::stod(r[4]), kDistanceTolerance);
        EXPECT_EQ(m_view.CellText(row, 2), Int(r, 5) ? "Yes" : "-");
    }
}

TEST_F(BasicInfoReferenceTest, SpecialTarasCountedInTwentySevenOrTwentyEightStars) {
    for (const ReferenceRecord& r : ReadReferenceTable("basic_info_swetest.txt", "tara")) {
        SCOPED_TRACE(testing::Message() << "from " << r[1] << " in " << r[2] << " row " << r[3]);
        const bool use28 = Int(r, 2) == 28;
        g_bUse28Nakshatras = use28;
        m_view.SetMode(Int(r, 1) == 2 ? kTableSpecialTarasMoon : kTableSpecialTarasLagna);
        ASSERT_EQ(m_view.RowCount(), 11);
        const int star = Int(r, 4);
        EXPECT_EQ(m_view.CellText(Int(r, 3), 2), use28 ? g_nakshatraNames28[star] : g_nakshatraNames[star]);
    }
}

TEST_F(BasicInfoReferenceTest, NakshatraAspectsAndLattaInTwentySevenOrTwentyEightStars) {
    for (const char* kind : {"latta", "aspects"}) {
        for (const ReferenceRecord& r : ReadReferenceTable("basic_info_swetest.txt", kind)) {
            SCOPED_TRACE(testing::Message() << kind << " of " << r[1] << " in " << r[2]);
            const bool use28 = Int(r, 2) == 28;
            auto name = [use28](const std::string& star) {
                return std::string(use28 ? g_nakshatraNames28[std::stoi(star)]
                                         : g_nakshatraNames[std::stoi(star)]);
            };
            g_bUse28Nakshatras = use28;
            m_view.SetMode(kTableNakshatraAspects);
            ASSERT_EQ(m_view.RowCount(), 8);
            const int row = Int(r, 1) - 1;
            if (std::string(kind) == "latta") {
                EXPECT_EQ(m_view.CellText(row, 1), name(r[3]));
                continue;
            }
            std::string stars;
            for (std::size_t i = 3; i < r.size(); ++i) stars += name(r[i]) + "    ";
            EXPECT_EQ(m_view.CellText(row, 3), stars);
        }
    }
    m_view.SetMode(kTableNakshatraAspects);
    EXPECT_EQ(m_view.CellText(7, 3), ""); // Rahu aspects no star
}

TEST_F(BasicInfoReferenceTest, LordsOfThe64thNavamsaAndThe22ndDrekkanaFromLagnaAndMoon) {
    const int navamsaVariant = g_nD9Preference;
    g_nD9Preference = 0; // the script's Parasara navamsa
    m_view.SetMode(kTableMaliciousDivisions);
    g_nD9Preference = navamsaVariant;
    ASSERT_EQ(m_view.RowCount(), 12);
    EXPECT_EQ(m_view.CellText(0, 0), "The 64th navamsa");
    EXPECT_EQ(m_view.CellText(11, 0), "The 22nd Uma-Shambhu drekkana from Moon");
    for (const ReferenceRecord& r : ReadReferenceTable("basic_info_swetest.txt", "malice")) {
        const int firstRow = Int(r, 1) == 0 ? 0 : 6;
        for (int k = 0; k < 6; ++k)
            EXPECT_EQ(m_view.CellText(firstRow + k, 1), CoLordChoiceText(Int(r, 2 + k)))
                << r[1] << " row " << k;
    }
}
} // namespace
