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

TEST(FixedStars, EqualLongitudesKeepCatalogueOrder) {
    const FixedStarList list = ListFrom("Aldebaran,alTau\nRohini,alTau\n");
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.entries[0].number, 1);
    EXPECT_EQ(list.entries[1].number, 2);
    EXPECT_EQ(list.entries[1].displayName.substr(0, 20), "Alpha Tauri (Rohini)");
}

// The shipped catalogue has more than 1200 stars; every one of them must be listed, but the later lines
// of the two it gives twice with two places (Virgo Cluster, Zeta Ursae Majoris as "Miz0").
// Count: grep -v '^#' sefstars.txt | grep -c ','   (Debian swe-basic-data 2.10.03: 1357)
TEST(FixedStars, HoldsTheWholeShippedCatalogue) {
    ASSERT_TRUE(LoadFixedStarList());
    const FixedStarList& list = g_fixedStarList;
    EXPECT_EQ(list.Count(), 1357 - 2);
    std::set<int> numbers;
    for (int i = 0; i < list.Count(); ++i) {
        numbers.insert(list.entries[i].number);
        if (i > 0) {
            EXPECT_LE(list.entries[i - 1].longitude, list.entries[i].longitude);
        }
    }
    EXPECT_EQ(numbers.size(), 1357u - 2);
    EXPECT_EQ(*numbers.begin(), 1);
    EXPECT_EQ(*numbers.rbegin(), 1357 - 2);
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
    EXPECT_EQ(FindFixedStarByCode(list, ",alVir"), 2);
    EXPECT_EQ(FindFixedStarByCode(list, ",ALTAU"), std::nullopt);
    EXPECT_EQ(FindFixedStarByCode(list, ",deCnc"), std::nullopt);
    EXPECT_EQ(FindFixedStarByCode(FixedStarList{}, ",alVir"), std::nullopt);
}

} // namespace
