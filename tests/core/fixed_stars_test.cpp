#include <set>
#include <sstream>

#include <gtest/gtest.h>
#include <swephexp.h>

#include "core/ayanamsa.h"
#include "core/fixed_stars.h"

namespace {

// Reference positions at J2000 (2451545.0 UT), Lahiri, true positions:
//   swetest -b1.1.2000 -ut12:00:00 -pf -xf,alTau -sid1 -true -fPlb -head   (Debian swetest 2.10.03)
// and the same with -xf,alVir, -xf,deCnc and -xfSgrA*.
struct Reference {
    const char* searchKey;
    double longitude;
    double latitude;
    const char* displayName; // the position text from the reference figures
};
const Reference kReferences[] = {
    {",alTau", 45.9320917, -5.4673211, "Alpha Tauri (Aldebaran)  <Long 15 Ta 55, Lat -5 deg>"},
    {",deCnc", 104.8649031, 0.0771724, "Delta Cancri  <Long 14 Cn 51, Lat 0 deg>"},
    {",alVir", 179.9842704, -2.0544872, "Alpha Virgonis (Spica)  <Long 29 Vi 59, Lat -2 deg>"},
    {",SgrA*", 242.9946170, -5.6076862, "SgrA* (Gal. Center)  <Long 02 Sg 59, Lat -5 deg>"},
};

// Catalogue order differs from longitude order; comments, an empty line and a line without fields
// are skipped; only the first two fields matter.
const char* const kCatalogue = "# a comment, with commas\n"
                               "Aldebaran  ,alTau,ICRS,04,35,55.23907\n"
                               "\n"
                               "Spica      ,alVir,ICRS\n"
                               "no fields here\n"
                               ",deCnc\r\n"
                               "Gal. Center,SgrA*,ICRS\n";

FixedStarList ListFrom(const std::string& text) {
    std::istringstream catalogue(text);
    FixedStarList list;
    ListFixedStars(catalogue, list);
    return list;
}

TEST(FixedStars, ListsStarsByLongitudeWithPositionsOfTheEphemeris) {
    const FixedStarList list = ListFrom(kCatalogue);
    ASSERT_EQ(list.Count(), 4);
    for (int i = 0; i < list.Count(); ++i) {
        const FixedStarEntry& entry = list.entries[i];
        SCOPED_TRACE(entry.searchKey);
        EXPECT_EQ(entry.searchKey, kReferences[i].searchKey);
        EXPECT_NEAR(entry.longitude, kReferences[i].longitude, 1e-6);
        EXPECT_NEAR(entry.latitude, kReferences[i].latitude, 1e-6);
        EXPECT_EQ(entry.displayName, kReferences[i].displayName);
    }
    // Numbers count the star lines in catalogue order.
    EXPECT_EQ(list.entries[0].number, 1); // alTau
    EXPECT_EQ(list.entries[1].number, 3); // deCnc
    EXPECT_EQ(list.entries[2].number, 2); // alVir
    EXPECT_EQ(list.entries[3].number, 4); // SgrA*
}

TEST(FixedStars, EmptyCatalogueGivesAnEmptyList) {
    FixedStarList list = ListFrom(kCatalogue);
    std::istringstream empty("# nothing but a comment\n");
    ListFixedStars(empty, list);
    EXPECT_EQ(list.Count(), 0);
}

// Stars the ephemeris does not hold all stand at 0.
TEST(FixedStars, EqualLongitudesKeepCatalogueOrder) {
    const FixedStarList list = ListFrom("Foo,xxFoo\nBar,xxBar\n");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.entries[0].number, 1);
    EXPECT_EQ(list.entries[1].number, 2);
    EXPECT_EQ(list.entries[1].displayName, "xxBar (Bar)  <Long 00 Ar 00, Lat 0 deg>");
}

// A star the catalogue gives again, repeated or under another name, has one row: its first line's.
// Counted in the numbers as one star.
TEST(FixedStars, AStarGivenAgainHasOneRow) {
    const FixedStarList list =
        ListFrom("Aldebaran,alTau\nSpica,alVir\nRohini,alTau\nSpica,alVir\nFoo,xxFoo\n");
    ASSERT_EQ(list.Count(), 3);
    EXPECT_EQ(list.entries[0].displayName.substr(0, 12), "xxFoo (Foo) ");
    EXPECT_EQ(list.entries[0].number, 3);
    EXPECT_EQ(list.entries[1].displayName, kReferences[0].displayName);
    EXPECT_EQ(list.entries[2].displayName, kReferences[2].displayName);
}

// The shipped catalogue has more than 1200 stars; every one of them must be listed, once, however many
// names it has.
// Count: grep -v '^#' sefstars.txt | grep , | cut -d, -f2 | tr -d ' \t' | sort -u | wc -l
//   (Debian swe-basic-data 4.0-20221111: 1117 nomenclatures)
TEST(FixedStars, HoldsTheWholeShippedCatalogue) {
    constexpr int kShippedNomenclatures = 1117;
    ASSERT_TRUE(LoadFixedStarList());
    const FixedStarList& list = g_fixedStarList;
    EXPECT_EQ(list.Count(), kShippedNomenclatures);
    std::set<int> numbers;
    std::set<std::string> keys;
    for (int i = 0; i < list.Count(); ++i) {
        numbers.insert(list.entries[i].number);
        keys.insert(list.entries[i].searchKey);
        if (i > 0) {
            EXPECT_LE(list.entries[i - 1].longitude, list.entries[i].longitude);
        }
    }
    EXPECT_EQ(numbers.size(), std::size_t{kShippedNomenclatures});
    EXPECT_EQ(keys.size(), std::size_t{kShippedNomenclatures});
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), kShippedNomenclatures);
}

// The star list is computed in the Lahiri mode; the ayanamsa chosen before must still be in force.
TEST(FixedStars, LeavesTheChosenAyanamsaInForce) {
    const double jdEt = 2451545.0;
    CAyanamsaSettings saved;
    GetAyanamsaSettings(saved);
    for (int id : {2, 4, 9}) { // Raman, Krishnamoorthy, Fagan: library modes 3, 5, 0
        SCOPED_TRACE(id);
        g_ayanamsaSettings.m_nAyanamsaId = id;
        ApplyAyanamsaSettings(g_ayanamsaSettings);
        double before = 0.0, after = 0.0;
        char error[AS_MAXCH];
        swe_get_ayanamsa_ex(jdEt, SEFLG_SWIEPH, &before, error);
        ListFrom(kCatalogue);
        swe_get_ayanamsa_ex(jdEt, SEFLG_SWIEPH, &after, error);
        EXPECT_DOUBLE_EQ(after, before);
        EXPECT_EQ(g_ayanamsaSettings.m_nAyanamsaId, id);
    }
    SetAyanamsaSettings(saved);
}

TEST(FixedStars, FindsTheFirstStarWithExactlyThatCode) {
    const FixedStarList list = ListFrom("Aldebaran,alTau\nSpica,alVir\nRohini,alTau\n");
    EXPECT_EQ(FindFixedStarByCode(list, ",alTau"), 0);
    EXPECT_EQ(FindFixedStarByCode(list, ",alVir"), 1);
    EXPECT_EQ(FindFixedStarByCode(list, ",ALTAU"), std::nullopt);
    EXPECT_EQ(FindFixedStarByCode(list, ",deCnc"), std::nullopt);
    EXPECT_EQ(FindFixedStarByCode(FixedStarList{}, ",alVir"), std::nullopt);
}

} // namespace
