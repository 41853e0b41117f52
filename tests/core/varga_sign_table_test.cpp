// Filling the varga sign table: variant preferences read at every computation, fall-backs, the
// columns that read child charts, and the two columns that hold no sign.
#include <cmath>
#include <vector>

#include <gtest/gtest.h>

#include "core/option_snapshot.h"
#include "core/varga_options.h"
#include "core/varga_rules.h"
#include "core/varga_sign_table.h"
#include "tests/core/varga_test_support.h"

namespace {

int* const kVariantGlobals[] = {
    &g_nD9Preference,  &g_nHoraPreference, &g_nD3Preference,   &g_nD4Preference,  &g_nD5Preference,
    &g_nD7Preference,  &g_nD8Preference,   &g_nD10Preference,  &g_nD11Preference, &g_nD12Preference,
    &g_nD16Preference, &g_nD20Preference,  &g_nD24Preference,  &g_nD27Preference, &g_nD30Preference,
    &g_nD60Preference, &g_nD81Variant,     &g_nD108Preference,
};

// Puts every varga preference back as the test found it.
class VargaTable : public testing::Test {
protected:
    void SetUp() override {
        SetHouses(0);
        for (int b = 0; b < kBodyCount; ++b) m_bodies[b] = Body(std::fmod(b * 47.137 + 0.31, 360.0));
    }

    static void SetAllVariants(int value) {
        for (int* global : kVariantGlobals) *global = value;
    }

    // Equal houses of 30 degrees from the first house's start (degrees).
    void SetHouses(double firstStart) {
        for (int i = 0; i < 12; ++i) {
            m_houses[i].m_start.m_dLongitude = std::fmod(firstStart + 30.0 * i, 360.0);
            m_houses[i].m_end.m_dLongitude = std::fmod(firstStart + 30.0 * (i + 1), 360.0);
        }
    }

    // Child charts as the chart's builder makes them: divisor x longitude, in the parent's varga sign.
    VargaChildBodies Children(const CVargaSignTable& table) {
        return [this, &table](int column) {
            m_askedColumns.push_back(column);
            for (int b = 0; b < kBodyCount; ++b) {
                CRasiLongitude& child = m_child[b];
                child.m_dLongitude = g_vargaDivisors[column] * m_bodies[b].m_dLongitude;
                child.SplitLongitude();
                child.m_nSign = table.Sign(b, column);
                child.JoinLongitude();
            }
            return VargaBodies(m_child);
        };
    }

    void Compute(CVargaSignTable& table) { ComputeVargaSigns(m_bodies, m_houses, Children(table), table); }

    CRasiLongitude m_bodies[kBodyCount];
    CRasiLongitude m_child[kBodyCount];
    CBhava m_houses[12];
    std::vector<int> m_askedColumns;

private:
    CScopedOptions m_options;
};

} // namespace

TEST_F(VargaTable, AVariantChangeTakesEffectAtTheNextComputation) {
    m_bodies[1] = Body(At(Ta, 20));
    CVargaSignTable table;
    g_nHoraPreference = 6;
    Compute(table);
    EXPECT_EQ(table.Sign(1, kD2Column), Ge);
    EXPECT_EQ(table.Sign(1, kHoraColumn), Le);
    g_nHoraPreference = 0;
    Compute(table);
    EXPECT_EQ(table.Sign(1, kD2Column), Le);
    EXPECT_EQ(table.Sign(1, kHoraColumn), Le);
}

TEST_F(VargaTable, HoraColumnHoldsTheParasaraHoraWhateverTheVariant) {
    for (int variant = 0; variant < 12; ++variant) {
        g_nHoraPreference = variant;
        CVargaSignTable table;
        Compute(table);
        for (int b = 0; b < kBodyCount; ++b) {
            const int sign = table.Sign(b, kHoraColumn);
            EXPECT_TRUE(sign == Cn || sign == Le) << "body " << b << " variant " << variant;
            EXPECT_EQ(sign, ParasaraHoraSign(m_bodies[b]));
        }
    }
}

TEST_F(VargaTable, UnknownVariantsComputeVariantZeroInsteadOfKeepingOldSigns) {
    SetAllVariants(0);
    CVargaSignTable expected;
    Compute(expected);

    CVargaSignTable table;
    SetAllVariants(1);
    Compute(table); // different contents to start from
    for (int value : {99, -1, 12}) {
        SetAllVariants(value);
        Compute(table);
        for (int column = 0; column < kVargaColumnCount; ++column) {
            if (!VargaColumnHoldsSign(column)) continue;
            for (int b = 0; b < kBodyCount; ++b) {
                ASSERT_EQ(table.Sign(b, column), expected.Sign(b, column))
                    << "column " << column << " body " << b << " variant " << value;
            }
        }
    }
}

TEST_F(VargaTable, FinestDivisionsReadTheNavamsaAndDwadasamsaInForce) {
    m_bodies[4] = Body(At(Ta, 1));
    CVargaSignTable table;
    g_nD108Preference = 1;
    g_nD9Preference = 2;  // Krishna Mishra: 1 Taurus is in Capricorn
    g_nD12Preference = 1; // even-sign reversal: 1 Taurus is in Aries
    Compute(table);
    EXPECT_EQ(table.Sign(4, kD108Column), Ar);
    EXPECT_EQ(table.Sign(4, kD144Column), Le);
    g_nD9Preference = 3;  // uniform Krishna Mishra: Virgo
    g_nD12Preference = 0; // Taurus
    Compute(table);
    EXPECT_EQ(table.Sign(4, kD108Column), Sg);
    EXPECT_EQ(table.Sign(4, kD144Column), Vi);
}

TEST_F(VargaTable, UndefinedCustomDivisionLeavesTheRasiSign) {
    g_nCustDivSettings = {};
    g_nCustDivSettings.bReverseDivsInEvenSigns = true; // N = 0 would count part -1 in even signs
    CVargaSignTable table;
    Compute(table);
    for (int b = 0; b < kBodyCount; ++b) EXPECT_EQ(table.Sign(b, kCustomColumn), m_bodies[b].m_nSign) << b;

    g_nCustDivSettings.nCustDivN = 9;
    g_nCustDivSettings.bCyclical = true;
    g_nD9Preference = 0;
    Compute(table);
    for (int b = 0; b < kBodyCount; ++b)
        EXPECT_EQ(table.Sign(b, kCustomColumn), table.Sign(b, kD9Column)) << b;
}

TEST_F(VargaTable, D150AndHaddaColumnsHoldNoSign) {
    EXPECT_FALSE(VargaColumnHoldsSign(kD150Column));
    EXPECT_FALSE(VargaColumnHoldsSign(kHaddaColumn));
    m_bodies[0] = Body(At(Ar, 6));
    m_bodies[3] = Body(At(Sc, 29.9));
    g_nD150Preference = 1;
    g_nArdhaNadiRulerDefinition = 2;
    CVargaSignTable table;
    Compute(table);
    EXPECT_EQ(table.HaddaLord(0), 6); // Venus
    EXPECT_EQ(table.D150Part(3), 149);
    EXPECT_EQ(table.NadiHalf(3), 299);
    EXPECT_EQ(table.NadiRuler(3), 0); // fixed sign: (299 - 299) mod 9
    for (int b = 0; b < kBodyCount; ++b) {
        EXPECT_EQ(table.Sign(b, kD150Column), m_bodies[b].m_nSign);
        EXPECT_EQ(table.Sign(b, kHaddaColumn), m_bodies[b].m_nSign);
        EXPECT_GE(table.HaddaLord(b), 3);
        EXPECT_LE(table.HaddaLord(b), 7);
        for (int column = 0; column < kVargaColumnCount; ++column) ASSERT_LT(table.Sign(b, column), 12);
    }
}

TEST_F(VargaTable, CompositeIsTheInnerDivisionOfTheOuterChildChart) {
    g_nDmDnChartDm = kD10Column;
    g_nDmDnChartDn = kD9Column;
    g_nD10Preference = 0;
    g_nD9Preference = 0;
    g_nBhavaChartVarga = 0;
    m_bodies[5] = Body(At(Ar, 5)); // D-10 Taurus at 20 degrees: its navamsa is Cancer
    CVargaSignTable table;
    Compute(table);
    EXPECT_EQ(table.Sign(5, kCompositeColumn), Cn);
    EXPECT_EQ(m_askedColumns, std::vector<int>{kD10Column});
    EXPECT_EQ(g_vargaDivisors[kD10Column] * g_vargaDivisors[kD9Column], 90);

    g_nDmDnChartDm = kD1Column; // the chart itself: no child chart needed
    m_askedColumns.clear();
    Compute(table);
    EXPECT_TRUE(m_askedColumns.empty());
    for (int b = 0; b < kBodyCount; ++b) EXPECT_EQ(table.Sign(b, kCompositeColumn), table.Sign(b, kD9Column));

    g_nDmDnChartDn = kD81Column; // not an inner division
    EXPECT_FALSE(ComputeCompositeVarga(m_bodies, Children(table), table));
    for (int b = 0; b < kBodyCount; ++b) EXPECT_EQ(table.Sign(b, kCompositeColumn), m_bodies[b].m_nSign);
}

TEST_F(VargaTable, BhavaChakraFromTheHouses) {
    g_nBhavaChartVarga = 0;
    g_nBhavaChartRef = 0;
    SetHouses(10);
    m_bodies[0] = Body(At(Ar, 10));
    m_bodies[1] = Body(At(Ta, 15)); // 2nd house
    m_bodies[2] = Body(At(Ta, 5));  // still in the 1st house
    m_bodies[3] = Body(At(Ar, 5));  // the 12th house
    CVargaSignTable table;
    Compute(table);
    EXPECT_EQ(table.Sign(0, kBhavaColumn), Ar);
    EXPECT_EQ(table.Sign(1, kBhavaColumn), Ta);
    EXPECT_EQ(table.Sign(2, kBhavaColumn), Ar);
    EXPECT_EQ(table.Sign(3, kBhavaColumn), Pi);
}

TEST_F(VargaTable, ChalitChakraAgainstTheReferenceBody) {
    g_nBhavaChartVarga = 0;
    g_nBhavaChartRef = 2;
    g_bHouseCuspsInMiddle = true;
    m_bodies[2] = Body(At(Ge, 20));
    m_bodies[3] = Body(At(Le, 4));
    m_bodies[4] = Body(At(Le, 5));
    CVargaSignTable table;
    Compute(table);
    EXPECT_EQ(table.Sign(3, kBhavaColumn), Cn);
    EXPECT_EQ(table.Sign(4, kBhavaColumn), Le);

    // On the navamsa: the child chart's degrees decide (Moon at 20 Gemini is at 0 of its navamsa sign).
    g_nBhavaChartVarga = kD9Column;
    g_nD9Preference = 0;
    g_nDmDnChartDm = kD1Column;
    m_bodies[3] = Body(At(Le, 5.5)); // navamsa Taurus, 19.5 degrees into it: moves on one sign
    m_askedColumns.clear();
    Compute(table);
    EXPECT_EQ(m_askedColumns, std::vector<int>{kD9Column});
    EXPECT_EQ(table.Sign(3, kBhavaColumn), Ge);
}

TEST_F(VargaTable, ChildChartsComputeTheirOwnColumnsOnly) {
    CVargaSignTable table;
    EXPECT_FALSE(ComputeVargaColumn(kCompositeColumn, m_bodies, table));
    EXPECT_FALSE(ComputeVargaColumn(kBhavaColumn, m_bodies, table));
    EXPECT_TRUE(ComputeVargaColumn(kHoraColumn, m_bodies, table));
    ComputeChildVargaSigns(m_bodies, table);
    CVargaSignTable full;
    Compute(full);
    for (int column = 0; column <= kCustomColumn; ++column) {
        for (int b = 0; b < kBodyCount; ++b) ASSERT_EQ(table.Sign(b, column), full.Sign(b, column)) << column;
    }
}
