// The yoga catalogue: entries per category, exact texts, the Dhana definitions built from the chosen
// names, and the list-only mode of the finder.
#include <gtest/gtest.h>

#include "core/body_names.h"
#include "core/name_selection.h"
#include "core/zodiac_names.h"
#include "yoga_test_support.h"

namespace {

// Puts the name tables back as the test found them.
class YogaCatalogueNames : public testing::Test {
protected:
    ~YogaCatalogueNames() override {
        g_pszPlanetNames = m_planets;
        g_pszPlanetNamesAlt = m_abbreviations;
        g_pszPlanetNamesAlt2 = m_shortNames;
        g_pszSignNames = m_signs;
    }

private:
    const char* const* m_planets = g_pszPlanetNames;
    const char* const* m_abbreviations = g_pszPlanetNamesAlt;
    const char* const* m_shortNames = g_pszPlanetNamesAlt2;
    const char* const* m_signs = g_pszSignNames;
};

CYogaRecord Entry(int category, int index) {
    CYogaRecord record;
    EXPECT_TRUE(CYogaCatalogue(category, index, record)) << category << "/" << index;
    return record;
}

TEST(YogaCatalogue, HoldsTheEntriesOfEachCategory) {
    const int expected[] = {0, 5, 4, 7, 32, 57, 25, 15, 24, 6, 7};
    int total = 0;
    for (int c = 0; c <= kYogaCategoryCount; ++c) {
        EXPECT_EQ(g_nYogaCategorySizes[c], expected[c]) << c;
        total += g_nYogaCategorySizes[c];
        if (c != kYogaDhana) {
            EXPECT_EQ(static_cast<int>(g_yogaTexts[c].size()), g_nYogaCategorySizes[c]) << c;
        }
    }
    EXPECT_EQ(total, 182);
    EXPECT_STREQ(g_yogaCategoryNames[kYogaAll], "All");
    EXPECT_STREQ(g_yogaCategoryNames[kYogaOtherPopular], "Other popular");
    EXPECT_STREQ(g_yogaCategoryNames[kYogaParivraja], "Parivraja/Pravrajya");
    EXPECT_STREQ(g_yogaCategoryMenuNames[kYogaMahapurusha], "Pancha maha purusha yogas");
    EXPECT_STREQ(g_yogaCategoryMenuNames[kYogaRajaSambandha], "Raja sambandha yogas");
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        for (int i = 0; i < g_nYogaCategorySizes[c]; ++i) {
            const CYogaRecord r = Entry(c, i);
            EXPECT_EQ(r.m_nCategory, c);
            EXPECT_FALSE(r.m_strName.empty() || r.m_strDefinition.empty() || r.m_strResults.empty())
                << c << "/" << i;
        }
    }
}

TEST(YogaCatalogue, TextsStandLetterForLetter) {
    struct Case {
        int category;
        int index;
        const char* name;
        const char* definition;
        const char* results; // null: not fixed
    };
    const Case kCases[] = {
        {1, 0, "Hamsa", "Jupiter in a kendra in moolatrikona or own or exaltation sign",
         "Spiritual, pious and respected"},
        {2, 3, "Nipuna (Budha-Aditya)", "Sun and Mercury together or in mutual 7ths",
         "Skillful, expert, well-known and respected"},
        {3, 3, "Kemadruma", "2nd/12th from Moon empty (Sun exempt) and kendras empty (Moon exempt)",
         "Unlucky, poor and unintelligent"},
        {4, 5, "Gola", "Seven planets in 1 rasi", "Strong, poor, dirty, uneducated and sad"},
        {4, 30, "Chakra", "7 planets in odd houses", "Great emeperor respected by many kings"},
        {5, 20, "Kalpadruma/Parijata",
         "Lagna lord, his disposior, latter's rasi & navamsa dispositors are all in own/exaltation sign or "
         "kendra/kona",
         "King, principled, warrior, prosperous, strong, kind"},
        {6, 0, "Yogakaraka", "Same planet owns a kendra and a kona", "Success and achievements"},
        {6, 9, "Rajayoga", "Atma karaka and 9th lord in lagna, 5th or 7th",
         "Successful and high achivements"},
        {9, 0, "Daridra", "Lagna lord in 12th and 12th lord in lagna, with maraka aspect on atleast one",
         "Poverty"},
        {10, 4, "Parivraja/Pravrajya", "Moon in Saturn's drekkana, aspected in rasi by Saturn and Mars",
         "An ascetic"},
        {4, 10, "Daama/Daamini", "Seven planets in 6 rasis", nullptr},
        {5, 6, "Kaahala", "The 4th lord is in own/exaltation sign and the 10th lord joins him", nullptr},
        {5, 33, "Tapaswi", "Venus, Saturn and Ketu in mutual konas", nullptr},
        {5, 48, "Bhaarathi", "Navamsa dispositor of 11th lord is exalted and joins 9th lord", nullptr},
        {6, 24, "Rajayoga", "Same planet aspecting lagna in D-1, D-9, D-2, D-3, D-12, D-30", nullptr},
        {7, 14, "Raja Sambandha", "Lagna lord with 5th lord in a kendra or a kona", nullptr},
        {10, 6, "Parivraja/Pravrajya", "Moon's dispositor aspected only by Saturn", nullptr},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::Message() << c.category << "/" << c.index);
        const CYogaRecord r = Entry(c.category, c.index);
        EXPECT_EQ(r.m_strName, c.name);
        EXPECT_EQ(r.m_strDefinition, c.definition);
        if (c.results) {
            EXPECT_EQ(r.m_strResults, c.results);
        }
    }
}

TEST(YogaCatalogue, NamesByIndex) {
    EXPECT_EQ(Entry(4, 25).m_strName, "Naukaa");
    EXPECT_EQ(Entry(4, 29).m_strName, "Ardha-Chandra");
    EXPECT_EQ(Entry(5, 22).m_strName, "Kulavardhana");
    EXPECT_EQ(Entry(5, 56).m_strName, "Gandharva");
    EXPECT_EQ(Entry(6, 16).m_strName, "Rajayoga");
    EXPECT_EQ(Entry(6, 23).m_strName, "Viparita Raja Yoga");
    EXPECT_EQ(Entry(10, 0).m_strName, "Parivraja/Pravrajya");
}

TEST(YogaCatalogue, APairOutsideTheCatalogueLeavesTheRecordAlone) {
    for (auto [category, index] : {std::pair{0, 0}, {11, 0}, {1, 5}, {8, 24}, {4, -1}}) {
        CYogaRecord r;
        r.m_strName = "kept";
        EXPECT_FALSE(CYogaCatalogue(category, index, r)) << category << "/" << index;
        EXPECT_EQ(r.m_strName, "kept");
        EXPECT_EQ(r.m_nCategory, 0);
    }
}

TEST_F(YogaCatalogueNames, DhanaDefinitionsComeFromTheTablesWithEnglishNames) {
    SelectNameTables(false, false); // English planets; the English sign choice holds abbreviations
    EXPECT_EQ(Entry(8, 0).m_strDefinition, "Sun in 5th, Saturn, Moon, Jupiter in 11th for Aries lagna");
    EXPECT_EQ(Entry(8, 2).m_strDefinition, "Venus in 5th, Mars in 11th for Gemini lagna");
    // The Pisces row names Mars, not the Moon a second time.
    EXPECT_EQ(Entry(8, 11).m_strDefinition, "Moon in 5th, Saturn, Mars, Jupiter in 11th for Pisces lagna");
    EXPECT_EQ(Entry(8, 12).m_strDefinition,
              "Mars in Aries lagna, conjoined or aspected by Mercury, Venus, Saturn");
    EXPECT_EQ(Entry(8, 16).m_strDefinition, "Sun in Leo lagna, conjoined or aspected by Mars, Jupiter");
    for (int i = 0; i < 24; ++i) {
        EXPECT_EQ(Entry(8, i).m_strName, "Dhana");
        EXPECT_EQ(Entry(8, i).m_strResults, "Very rich");
    }
}

TEST_F(YogaCatalogueNames, SanskritNamesChangeOnlyTheDhanaDefinitions) {
    SelectNameTables(false, false);
    std::vector<CYogaRecord> english;
    for (int c = 1; c <= kYogaCategoryCount; ++c)
        for (int i = 0; i < g_nYogaCategorySizes[c]; ++i) english.push_back(Entry(c, i));

    SelectNameTables(true, true);
    const std::string expected = std::string(g_planetNamesSanskrit[kSun]) + " in 5th, " +
                                 g_planetNamesSanskrit[kSaturn] + ", " + g_planetNamesSanskrit[kMoon] + ", " +
                                 g_planetNamesSanskrit[kJupiter] + " in 11th for " +
                                 g_signNamesSanskrit[kAries] + " lagna";
    EXPECT_EQ(Entry(8, 0).m_strDefinition, expected);
    int changed = 0;
    int unchanged = 0;
    int k = 0;
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        for (int i = 0; i < g_nYogaCategorySizes[c]; ++i, ++k) {
            const bool same = Entry(c, i).m_strDefinition == english[k].m_strDefinition;
            (same ? unchanged : changed) += 1;
            EXPECT_EQ(same, c != kYogaDhana) << c << "/" << i;
        }
    }
    EXPECT_EQ(changed, 24);
    EXPECT_EQ(unchanged, 158);
}

class YogaListOnly : public testing::Test {
protected:
    const CScopedOption<bool> m_listOnly{g_bYogaListOnly, true};
    CChart m_chart = EveryBodyIn(kAries);
};

TEST_F(YogaListOnly, ListsTheWholeCatalogueInOrderWithoutGivers) {
    const CYogaList list = FindYogas(m_chart);
    ASSERT_EQ(list.Count(), 182);
    int k = 0;
    for (int c = 1; c <= kYogaCategoryCount; ++c) {
        for (int i = 0; i < g_nYogaCategorySizes[c]; ++i, ++k) {
            const CYogaRecord& r = list.m_records[k];
            const CYogaRecord entry = Entry(c, i);
            EXPECT_EQ(r.m_nCategory, c);
            EXPECT_EQ(r.m_strDefinition, entry.m_strDefinition) << c << "/" << i;
            EXPECT_EQ(r.m_nGiverCount, 0);
        }
    }
    EXPECT_FALSE(list.m_bTruncated);
}

TEST_F(YogaListOnly, ListsOneCategory) {
    const CYogaList list = FindYogas(m_chart, kYogaNaabhasa);
    ASSERT_EQ(list.Count(), 32);
    EXPECT_EQ(list.m_records.front().m_strName, "Rajju");
    EXPECT_EQ(list.m_records.back().m_strName, "Samudra");
}

} // namespace
