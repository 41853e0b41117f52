// Sign rules of the fixed varga columns. Expected signs are worked out by hand from the classical
// descriptions of each varga (and, for the research variants, from their stated counting rules).
#include <gtest/gtest.h>

#include "core/varga_rules.h"
#include "tests/core/varga_test_support.h"

namespace {

struct Case {
    int variant;
    double longitude;
    int expected;
};

void ExpectRule(const char* name, int (*rule)(const CRasiLongitude&, int),
                std::initializer_list<Case> cases) {
    for (const Case& c : cases) {
        EXPECT_EQ(rule(Body(c.longitude), c.variant), c.expected)
            << name << " variant " << c.variant << " at " << c.longitude << " deg";
    }
}

constexpr double kLastSecond = 29.0 + 59.0 / 60 + 59.0 / 3600; // 29 deg 59' 59"

} // namespace

TEST(VargaRules, NavamsaOfEveryPadaFollowsTheElementRule) {
    // Navamsas of fiery signs start from Aries, earthy from Capricorn, airy from Libra, watery from Cancer.
    const int elementStart[12] = {Ar, Cp, Li, Cn, Ar, Cp, Li, Cn, Ar, Cp, Li, Cn};
    for (int pada = 0; pada < 108; ++pada) {
        const int expected = (elementStart[pada / 9] + pada % 9) % 12;
        const double start = pada * 10.0 / 3.0;
        const double end = (pada + 1) * 10.0 / 3.0;
        for (double longitude : {start + 1e-9, (start + end) / 2, end - 1e-9}) {
            EXPECT_EQ(NavamsaSign(Body(longitude), 0), expected) << "pada " << pada << " at " << longitude;
        }
    }
}

TEST(VargaRules, NavamsaVariants) {
    ExpectRule("D-9", NavamsaSign,
               {
                   // 0 Aries is Aries in every variant.
                   {0, 0, Ar},
                   {1, 0, Ar},
                   {2, 0, Ar},
                   {3, 0, Ar},
                   {0, At(Ta, 10), Ar},
                   {0, At(Pi, 29.99), Pi},
                   // Kalachakra: 40-80, 120-160 ... degrees take the mirror of the regular navamsa.
                   {1, At(Ta, 10), Sc},
                   {1, At(Ta, 9.99), Pi},
                   {1, At(Le, 5), Li},
                   // Krishna Mishra: even signs count back from the start (fixed signs from their 9th).
                   {2, At(Ar, 5), Ta},
                   {2, At(Ta, 5), Sg},
                   {2, At(Cn, 5), Ge},
                   {2, At(Pi, 29), Sc},
                   // Uniform Krishna Mishra: the regular navamsas of an even sign in reverse order.
                   {3, At(Ta, 5), Le},
                   {3, At(Cn, 5), Aq},
                   {3, At(Ge, 5), Sc},
                   {7, At(Ta, 5), Aq}, // unknown variant: Parasara
               });
}

TEST(VargaRules, HoraVariants) {
    ExpectRule("D-2", HoraSign,
               {
                   {0, 0, Le},
                   {0, At(Ar, 20), Cn},
                   {0, At(Ta, 5), Cn},
                   {0, At(Ta, 20), Le},
                   // Kalomithra: the sign itself in the luminary's half of the zodiac, else its 7th.
                   {1, At(Ar, 5), Li},
                   {1, At(Ar, 20), Ar},
                   {1, At(Le, 5), Le},
                   {1, At(Le, 20), Aq},
                   {2, At(Ar, 5), Ar},
                   {2, At(Ar, 20), Ta},
                   {2, At(Ta, 5), Ge},
                   {2, At(Pi, 20), Pi},
                   {3, At(Ta, 5), Ta},
                   {3, At(Ta, 20), Sc},
                   {4, At(Ta, 5), Ta},
                   {4, At(Ta, 20), Cn},
                   // Kashinatha: the sign of the same lord on the Sun's or the Moon's side.
                   {5, At(Ar, 5), Sc},
                   {5, At(Ar, 20), Ar},
                   {5, At(Cn, 5), Cn},
                   {5, At(Cn, 20), Le},
                   {5, At(Le, 5), Le},
                   {5, At(Le, 20), Cn},
                   // Uma-Shambhu: parivritti with the halves of even signs reversed.
                   {6, At(Ar, 5), Ar},
                   {6, At(Ar, 20), Ta},
                   {6, At(Ta, 5), Cn},
                   {6, At(Ta, 20), Ge},
                   {7, At(Ta, 20), Pi},
                   // Raman: the 1st or the 11th, then the lord's sign on the hora's side.
                   {8, At(Ar, 5), Sc},
                   {8, At(Ar, 20), Cp},
                   {8, At(Cn, 20), Li},
                   {8, At(Sg, 20), Ta},
                   {8, At(Li, 20), Le},
                   {9, At(Li, 20), Cn},
                   // Niranjan: 3rd/8th from odd signs, 2nd/7th from even signs.
                   {10, At(Ar, 5), Vi},
                   {10, At(Ar, 20), Ar},
                   {10, At(Ta, 5), Ge},
                   {10, At(Ta, 20), Sc},
                   {10, At(Cn, 5), Le},
                   {11, At(Cn, 5), Cn},
                   {10, At(Cp, 20), Cn},
                   {11, At(Cp, 20), Le},
                   {12, At(Ta, 20), Le},
                   {-1, At(Ta, 5), Cn}, // unknown variants: Parasara
               });
}

TEST(VargaRules, ParasaraHoraIsLeoThenCancerInOddSignsAndCancerThenLeoInEvenSigns) {
    const struct {
        double longitude;
        int expected;
    } cases[] = {{0, Le},          {At(Ar, 14.99), Le}, {At(Ar, 15), Cn}, {At(Ta, 0), Cn},
                 {At(Ta, 20), Le}, {At(Pi, 29.99), Le}, {At(Ge, 15), Cn}};
    for (const auto& c : cases) EXPECT_EQ(ParasaraHoraSign(Body(c.longitude)), c.expected) << c.longitude;
}

TEST(VargaRules, HoraSideSignKeepsCancerAndLeoOnlyWithoutKeep) {
    EXPECT_EQ(HoraSideSign(Ar, 1, true), Sc);
    EXPECT_EQ(HoraSideSign(Sc, 0, true), Ar);
    EXPECT_EQ(HoraSideSign(Pi, 0, false), Sg);
    EXPECT_EQ(HoraSideSign(Aq, 0, false), Cp);
    EXPECT_EQ(HoraSideSign(Le, 0, true), Cn);
    EXPECT_EQ(HoraSideSign(Cn, 1, true), Le);
    EXPECT_EQ(HoraSideSign(Le, 0, false), Le);
    EXPECT_EQ(HoraSideSign(Cn, 1, false), Cn);
}

TEST(VargaRules, DrekkanaVariants) {
    ExpectRule("D-3", DrekkanaSign,
               {
                   {1, At(Ta, 15), Le},
                   // Somanatha
                   {2, At(Ar, 5), Ar},
                   {2, At(Ta, 15), Aq},
                   {2, At(Ge, 5), Cn},
                   {2, At(Cn, 25), Li},
                   // Kalomithra: trines from the movable sign of the element.
                   {3, At(Ta, 15), Ta},
                   {3, At(Cn, 25), Pi},
                   {3, At(Li, 5), Li},
                   // Uma-Shambhu
                   {4, At(Ta, 5), Vi},
                   {4, At(Ta, 15), Le},
                   {4, At(Ta, 25), Cn},
                   {4, At(Ar, 25), Ge},
                   {9, At(Ar, 25), Sg}, // unknown variant: Parasara
               });
}

TEST(VargaRules, DrekkanaDasamsaAndDwadasamsaAtSignBoundariesAndPartEdges) {
    // Parasara's drekkanas are the 1st, 5th and 9th; dasamsas of odd signs start from the sign, of even
    // signs from its 9th; dwadasamsas start from the sign itself.
    const int dasamsaStart[12] = {Ar, Cp, Ge, Pi, Le, Ta, Li, Cn, Sg, Vi, Aq, Sc};
    const int drekkanaStep[3] = {0, 4, 8};
    for (int sign = 0; sign < 12; ++sign) {
        SCOPED_TRACE(sign);
        for (int part = 0; part < 3; ++part) {
            EXPECT_EQ(DrekkanaSign(Body(At(sign, 10.0 * part)), 0), (sign + drekkanaStep[part]) % 12);
        }
        EXPECT_EQ(DrekkanaSign(Body(At(sign, kLastSecond)), 0), (sign + 8) % 12);
        for (int part = 0; part < 10; ++part) {
            EXPECT_EQ(D10Sign(Body(At(sign, 3.0 * part)), 0), (dasamsaStart[sign] + part) % 12) << part;
        }
        EXPECT_EQ(D10Sign(Body(At(sign, kLastSecond)), 0), (dasamsaStart[sign] + 9) % 12);
        for (int part = 0; part < 12; ++part) {
            EXPECT_EQ(D12Sign(Body(At(sign, 2.5 * part)), 0), (sign + part) % 12) << part;
        }
        EXPECT_EQ(D12Sign(Body(At(sign, kLastSecond)), 0), (sign + 11) % 12);
    }
}

TEST(VargaRules, ChaturthamsaPanchamsaShashthamsaSaptamsaAshtamsa) {
    ExpectRule("D-4", D4Sign,
               {{0, At(Ta, 0), Ta},
                {0, At(Ta, 7.5), Le},
                {0, At(Ta, 29), Aq},
                {1, At(Ta, 7.5), Vi},
                {5, At(Ta, 7.5), Le}});
    ExpectRule("D-5", D5Sign,
               {
                   // Odd signs: Mars, Saturn, Jupiter, Mercury, Venus from the start; even from the end.
                   {0, At(Ar, 3), Ar},
                   {0, At(Ar, 6), Aq},
                   {0, At(Ar, 12), Aq},
                   {0, At(Ar, 12.5), Sg},
                   {0, At(Ar, 20), Ge},
                   {0, At(Ar, 25), Li},
                   {0, At(Ta, 3), Ta},
                   {0, At(Ta, 20), Cp},
                   {0, At(Ta, 29), Sc},
                   {1, At(Ta, 7), Li},
                   {2, At(Ar, 6), Aq},
               });
    for (const auto& [longitude, expected] :
         {std::pair{0.0, Ar}, {At(Ar, 5), Ta}, {At(Ar, 29), Vi}, {At(Ta, 0), Li}, {At(Ge, 0), Ar}}) {
        EXPECT_EQ(D6Sign(Body(longitude)), expected) << longitude;
    }
    ExpectRule("D-7", D7Sign,
               {{0, At(Ta, 0), Sc},
                {0, At(Ar, 29), Li},
                {1, At(Ta, 5), Li},
                {2, At(Ta, 5), Ar},
                {1, At(Ar, 5), Ta},
                {2, At(Ar, 5), Ta},
                {3, At(Ta, 5), Sg}});
    ExpectRule("D-8", D8Sign,
               {{0, At(Ta, 0), Sg},
                {1, At(Ta, 0), Le},
                {1, At(Ta, 4), Vi},
                {1, At(Sg, 0), Sg},
                {1, At(Cn, 0), Ar},
                {2, At(Ta, 0), Sg}});
}

TEST(VargaRules, DasamsaRudramsaVariants) {
    ExpectRule("D-10", D10Sign,
               {
                   {1, At(Ta, 3), Pi},
                   {1, At(Ar, 3), Ta},
                   // Even signs in reverse: from the 9th, ending in the 9th, from the reverse 9th.
                   {2, At(Ta, 0), Cp},
                   {2, At(Ta, 3), Sg},
                   {3, At(Ta, 0), Li},
                   {3, At(Ta, 29.99), Cp},
                   {4, At(Ta, 0), Vi},
                   {2, At(Ar, 3), Ta},
                   {4, At(Ar, 3), Ta},
                   {5, At(Ta, 3), Aq}, // unknown variant: Parasara
               });
    ExpectRule("D-11", D11Sign,
               {{0, At(Ta, 1), Pi},
                {1, At(Ta, 1), Ar},
                {0, 0, Ar},
                {0, At(Ar, 29), Aq},
                {0, At(Ge, 0), Aq},
                {2, At(Ta, 1), Pi}});
}

TEST(VargaRules, EvenSignReversalOfDwadasamsaShodasamsaVimsamsaNakshatramsa) {
    ExpectRule("D-12", D12Sign,
               {{1, At(Ta, 0), Ar}, {1, At(Ta, 29.99), Ta}, {1, At(Ar, 2.5), Ta}, {2, At(Ta, 0), Ta}});
    ExpectRule("D-16", D16Sign,
               {{0, 0, Ar},
                {0, At(Ta, 0), Le},
                {0, At(Ge, 0), Sg},
                {0, At(Ar, 1.875), Ta},
                {1, At(Ta, 0), Sc},
                {1, At(Ar, 1.875), Ta}});
    ExpectRule("D-20", D20Sign,
               {{0, At(Ta, 0), Sg}, {0, At(Ge, 0), Le}, {0, At(Ar, 1.5), Ta}, {1, At(Ta, 0), Cn}});
    ExpectRule("D-27", D27Sign,
               {{0, 0, Ar},
                {0, At(Ta, 0), Cn},
                {0, At(Ge, 0), Li},
                {0, At(Cn, 0), Cp},
                {0, At(Ar, 1.2), Ta},
                {1, At(Ta, 0), Vi}});
}

TEST(VargaRules, SiddhamsaVariants) {
    ExpectRule("D-24", D24Sign,
               {{1, 0, Le},
                {1, At(Ta, 0), Cn},
                {1, At(Ta, 1.25), Le},
                {0, At(Ar, 1.25), Vi},
                {0, At(Ta, 0), Cn},
                {0, At(Ta, 1.25), Ge},
                {2, At(Ta, 0), Le},
                {7, At(Ta, 1.25), Ge}});
}

TEST(VargaRules, TrimsamsaVariants) {
    ExpectRule("D-30", D30Sign,
               {
                   {0, 0, Ar},
                   {0, At(Aq, 10), Aq},
                   {0, At(Ar, 18), Sg},
                   {0, At(Ar, 4.99), Ar},
                   {0, At(Ar, 25.5), Li},
                   {0, At(Ta, 2), Ta},
                   {0, At(Ta, 26), Sc},
                   {0, At(Ta, 20), Cp},
                   {1, At(Ta, 15.5), Cp},
                   {2, At(Ta, 15.5), Le},
                   {3, At(Aq, 10), Aq},
               });
}

TEST(VargaRules, D30DivisionalDegreesPlacesTheBodyInItsPart) {
    const struct {
        double degrees;
        bool even;
        double expected;
    } cases[] = {
        {10, false, 0},   // the start of the 8-degree Jupiter part
        {14, false, 15},  // half-way through it
        {29, false, 24},  // Venus part [25, 30]
        {2.5, false, 15}, // Mars part [0, 5)
        {0, true, 0},     // even signs count from the end: 0 degrees is the end of the Venus part
        {3, true, 18},    // 27 from the end, 2 into the Venus part, 3 before its end
        {29.5, true, 27}, // 0.5 from the end: near the end of the Mars part
        {30, false, 30},
    };
    for (const auto& c : cases) {
        EXPECT_NEAR(D30DivisionalDegrees(c.degrees, c.even), c.expected, 1e-9) << c.degrees << " " << c.even;
    }
}

TEST(VargaRules, KhavedamsaAkshavedamsaShashtyamsa) {
    for (const auto& [longitude, expected] :
         {std::pair{0.0, Ar}, {At(Ta, 0), Li}, {At(Ar, 0.75), Ta}, {At(Ta, 29.99), Cp}}) {
        EXPECT_EQ(D40Sign(Body(longitude)), expected) << longitude;
    }
    for (const auto& [longitude, expected] :
         {std::pair{0.0, Ar}, {At(Ta, 0), Le}, {At(Ge, 0), Sg}, {At(Ar, 29.9), Sg}}) {
        EXPECT_EQ(D45Sign(Body(longitude)), expected) << longitude;
    }
    ExpectRule("D-60", D60Sign,
               {{0, At(Ta, 0), Ta},
                {0, At(Ta, 0.5), Ge},
                {0, At(Ta, 29.9), Ar},
                {1, At(Ta, 0), Ar},
                {1, At(Ar, 0.5), Ta},
                {2, At(Ta, 0), Pi},
                {2, At(Ar, 0.5), Ta},
                {2, At(Ge, 0.5), Ta},
                {3, At(Ta, 0.5), Ta},
                {3, At(Ta, 0), Ar},
                {4, At(Ta, 0.5), Ge}});
}

TEST(VargaRules, NavaNavamsaAndTheFinestDivisions) {
    // The nava-navamsa is the 81st part counted on from Aries; the Kalachakra form mirrors it in the
    // alternate 40-degree blocks.
    ExpectRule("D-81", D81Sign,
               {{0, 0, Ar},
                {0, At(Ar, 1.5), Le},
                {0, At(Ta, 10), Ar},
                {0, At(Ar, 5), Ta},
                {1, At(Ar, 5), Li},
                {1, At(Ta, 10), Ar},
                {2, At(Ar, 5), Ta}});
    // D-108 in navamsa parts is the D-12 of the navamsa (1 Taurus: navamsa Capricorn, 4th twelfth).
    EXPECT_EQ(D108Sign(Body(At(Ta, 1)), 1, Cp), Ar);
    EXPECT_EQ(D108Sign(Body(At(Ta, 1)), 0, Cp), Le); // 4th of 108 parts counted from Taurus
    EXPECT_EQ(D108Sign(Body(At(Ta, 1)), 5, Cp), Le); // unknown variant: the sign in 108 parts
    EXPECT_EQ(D108Sign(Body(0), 1, Ar), Ar);
    // D-144 is the D-12 of the dwadasamsa (1 Taurus: dwadasamsa Taurus, 5th twelfth).
    EXPECT_EQ(D144Sign(Body(At(Ta, 1)), Ta), Vi);
}
