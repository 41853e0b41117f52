// Rules of the user-defined, D-150, Hadda and bhava/chalit columns.
#include <array>
#include <cmath>

#include <gtest/gtest.h>

#include "core/varga_special.h"
#include "tests/core/varga_test_support.h"

namespace {

CustomDivisionSettings Division(int parts, int start = 0, bool fromSign = false, bool reverseEven = false,
                                bool cyclical = false) {
    CustomDivisionSettings settings;
    settings.nCustDivN = parts;
    settings.tStart = start;
    settings.bHouseAsSeed = fromSign;
    settings.bReverseDivsInEvenSigns = reverseEven;
    settings.bCyclical = cyclical;
    return settings;
}

} // namespace

TEST(CustomVarga, CountsPartsFromTheChosenBase) {
    const struct {
        const char* what;
        CustomDivisionSettings settings;
        double longitude;
        int expected;
    } cases[] = {
        {"D-9 cyclical = navamsa", Division(9, 0, false, false, true), At(Ta, 5), Aq},
        {"D-3 from the sign, 1st/5th/9th by quality", Division(3, 6, true), At(Ta, 15), Li},
        {"D-3 from the sign, 1st/5th/9th, movable", Division(3, 6, true), At(Cn, 25), Vi},
        {"D-12 from Aries", Division(12, 0), At(Ta, 5), Ge},
        {"D-12 from the sign", Division(12, 0, true), At(Ta, 5), Cn},
        {"D-10 1st/9th from the sign for odd/even", Division(10, 2, true), At(Ta, 0), Cp},
        {"D-10 even reversed", Division(10, 2, true, true), At(Ta, 0), Li},
        {"D-7 1st/7th", Division(7, 1, true), At(Ta, 0), Sc},
        {"fiery/earthy/airy/watery 1st/10th/7th/4th", Division(4, 9, false), At(Ta, 0), Cp},
        {"1st/11th for odd/even", Division(2, 4, false), At(Pi, 20), Pi},
        {"1st/3rd for odd/even", Division(2, 5, false), At(Ta, 20), Cn},
        {"1st/9th/5th by quality", Division(1, 7, false), At(Ge, 20), Le},
        {"1st/4th/7th/10th by element", Division(1, 8, false), At(Cn, 20), Cp},
        {"D-300 last part", Division(300, 0, true), At(Ar, 29.95), Pi},
    };
    for (const auto& c : cases) {
        const auto sign = CustomVargaSign(Body(c.longitude), c.settings);
        ASSERT_TRUE(sign.has_value()) << c.what;
        EXPECT_EQ(*sign, c.expected) << c.what;
    }
}

TEST(CustomVarga, RejectsDivisionsOutsideTheirRange) {
    // N = 0 is the value until the user sets a division; with even-sign reversal it would count part -1.
    for (const auto& settings : {Division(0), Division(0, 0, false, true), Division(-3), Division(301),
                                 Division(9, 10), Division(9, -1)}) {
        EXPECT_FALSE(IsValidCustomDivision(settings)) << settings.nCustDivN << " " << settings.tStart;
        EXPECT_FALSE(CustomVargaSign(Body(At(Ta, 12)), settings).has_value());
    }
    EXPECT_TRUE(IsValidCustomDivision(Division(1)));
    EXPECT_TRUE(IsValidCustomDivision(Division(300, 9)));
    EXPECT_TRUE(IsValidCustomDivision(Division(9, 42, false, false, true))); // the start rule is unused
}

TEST(CompositeVarga, AcceptsAnyOuterColumnAndInnerColumnsUpToD60) {
    EXPECT_TRUE(IsValidCompositeVarga(kD10Column, kD9Column));
    EXPECT_TRUE(IsValidCompositeVarga(kBhavaColumn, kD60Column));
    EXPECT_FALSE(IsValidCompositeVarga(kD9Column, kD81Column));
    EXPECT_FALSE(IsValidCompositeVarga(29, kD9Column));
    EXPECT_FALSE(IsValidCompositeVarga(kCompositeColumn, kD9Column)); // not built on itself
    EXPECT_FALSE(IsValidCompositeVarga(-1, kD9Column));
}

TEST(D150, PartsAndHalvesAtTheirBoundaries) {
    const struct {
        double degrees;
        int variant;
        int part;
        int half;
    } cases[] = {
        {0, 1, 0, 0},         {0.2, 1, 0, 0},       {0.3, 1, 0, 1},       {0.5, 1, 1, 2},
        {29.9, 1, 149, 299},  {29.75, 1, 149, 299}, {29.74, 1, 149, 298}, {29.5, 1, 149, 298},
        {29.49, 1, 148, 297}, {30, 1, 149, 299},    {0, 0, 0, 0},         {0.1, 0, 0, 1},
        {0.2, 0, 1, 2},       {29.95, 0, 149, 299}, {29.85, 0, 149, 298}, {30, 0, 149, 299},
        {0.3, 7, 0, 1}, // any non-zero variant is the unequal division
    };
    for (const auto& c : cases) {
        const D150Place place = D150PlaceOf(c.degrees, c.variant);
        EXPECT_EQ(place.part, c.part) << c.degrees << " variant " << c.variant;
        EXPECT_EQ(place.half, c.half) << c.degrees << " variant " << c.variant;
    }
}

TEST(D150, HalfPartRulersCycleThroughNine) {
    const struct {
        int sign, half, variant, expected;
    } cases[] = {
        {Ar, 0, 0, 0},  {Ta, 0, 0, 3}, {Ge, 0, 0, 6},   {Ge, 4, 0, 1}, {Ta, 0, 1, 6},   {Ge, 0, 1, 3},
        {Ar, 10, 2, 1}, {Ta, 0, 2, 2}, {Ta, 299, 2, 0}, {Ge, 0, 2, 6}, {Ge, 150, 2, 0}, {Pi, 299, 2, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(D150CycleIndex(c.sign, c.half, c.variant), c.expected)
            << c.sign << " " << c.half << " variant " << c.variant;
    }
}

TEST(Hadda, BoundaryBelongsToTheNextTerm) {
    const struct {
        int sign;
        double degrees;
        int lord;
    } cases[] = {
        {Ar, 0, 5},     {Ar, 5.99, 5}, {Ar, 6, 6}, {Ar, 12, 4},   {Ar, 25, 7}, {Ta, 27, 3},
        {Sg, 11.99, 5}, {Sg, 12, 6},   {Li, 0, 7}, {Pi, 29.9, 7}, {Cp, 26, 3},
    };
    for (const auto& c : cases) EXPECT_EQ(HaddaLord(c.sign, c.degrees), c.lord) << c.sign << " " << c.degrees;
}

TEST(Houses, FirstHouseThatHoldsTheBodyOrTheOneItEnteredLast) {
    std::array<CBhava, 12> houses;
    for (int i = 0; i < 12; ++i) {
        houses[i].m_start.m_dLongitude = 15.0 + 30 * i;
        houses[i].m_end.m_dLongitude = std::fmod(15.0 + 30 * (i + 1), 360.0);
    }
    EXPECT_EQ(HouseIndexOf(houses, Body(20)), 0);
    EXPECT_EQ(HouseIndexOf(houses, Body(45)), 0); // a shared boundary goes to the first house that holds it
    EXPECT_EQ(HouseIndexOf(houses, Body(46)), 1);
    EXPECT_EQ(HouseIndexOf(houses, Body(10)), 11);
    houses[3].m_end.m_dLongitude = 120; // gap from 120 to 135 before the 5th house
    EXPECT_EQ(HouseIndexOf(houses, Body(125)), 3);
}

TEST(Chalit, ShiftOfABodyAgainstTheReferenceDegree) {
    const struct {
        double x, r;
        bool middle, nodesReversed;
        int reference, shift;
    } cases[] = {
        {4, 20, true, true, 2, -1}, // cusps in the middle: house runs from 5 to 5 of the next sign
        {5, 20, true, true, 2, 0},     {25, 20, true, true, 2, 0},
        {10, 5, true, true, 2, 0},     {20, 5, true, true, 2, 1},
        {19.9, 5, true, true, 2, 0},   {4, 20, false, true, 2, -1}, // the reference degree starts each house
        {20, 20, false, true, 2, 0},   {25, 20, false, true, 8, 1}, // houses from Rahu run backwards
        {20, 20, false, true, 9, 0},   {15, 20, false, true, 9, 0},
        {15, 20, false, false, 8, -1},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ChalitSignShift(c.x, c.r, c.middle, c.nodesReversed, c.reference), c.shift)
            << c.x << " against " << c.r << " middle " << c.middle << " reference " << c.reference;
    }
}
