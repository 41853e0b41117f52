// Spot checks of the process-wide name tables: first, last and irregular entries, trailing blanks
// included, and the selection of the tables of the chosen language.
#include <span>
#include <string>

#include <gtest/gtest.h>

#include "core/bodies_to_show.h"
#include "core/body_names.h"
#include "core/calendar_names.h"
#include "core/name_selection.h"
#include "core/vocabulary_names.h"
#include "core/zodiac_names.h"

namespace {

struct NamedTable {
    const char* name;
    std::span<const char* const> texts;
};

#define TABLE(t)                                                                                             \
    NamedTable {                                                                                             \
#t, t                                                                                                \
    }

const NamedTable kTables[] = {
    TABLE(g_planetNames),
    TABLE(g_planetNamesSanskrit),
    TABLE(g_planetAbbrevs),
    TABLE(g_planetAbbrevsSanskrit),
    TABLE(g_planetShortNames),
    TABLE(g_planetShortNamesSanskrit),
    TABLE(g_signNames),
    TABLE(g_signAbbrevs),
    TABLE(g_signNamesSanskrit),
    TABLE(g_nakshatraNames),
    TABLE(g_nakshatraShortNames),
    TABLE(g_nakshatraShortNames28),
    TABLE(g_weekdayNames),
    TABLE(g_weekdayShortNames),
    TABLE(g_weekdayAbbrevs),
    TABLE(g_tithiNames),
    TABLE(g_tithiDayNames),
    TABLE(g_tithiDeityNames),
    TABLE(g_pakshaNames),
    TABLE(g_specialTithiNames),
    TABLE(g_yogaNames),
    TABLE(g_karanaNames),
    TABLE(g_choghadiyaNames),
    TABLE(g_lunarMonthNames),
    TABLE(g_rituNames),
    TABLE(g_samvatsaraNames),
    TABLE(g_charaKarakaAbbrevs),
    TABLE(g_charaKarakaMeanings),
    TABLE(g_activityAvasthaNames),
    TABLE(g_activityIntensityNames),
    TABLE(g_ageAvasthaNames),
    TABLE(g_alertnessAvasthaNames),
    TABLE(g_moodAvasthaNames),
    TABLE(g_vaiseshikamsaNames6),
    TABLE(g_vaiseshikamsaNames7),
    TABLE(g_vaiseshikamsaNames10),
    TABLE(g_vaiseshikamsaNames16),
    TABLE(g_sahamaNames),
    TABLE(g_sahamaShortNames),
    TABLE(g_sahamaMeanings),
    TABLE(g_taraNames),
    TABLE(g_taraMeanings),
    TABLE(g_specialTaraNames),
    TABLE(g_specialTaraMeanings),
    TABLE(g_murthiNames),
    TABLE(g_dasaSeedNames),
    TABLE(g_numberWords),
    TABLE(g_numberTexts),
    TABLE(g_houseOrdinals),
    TABLE(g_bodyTypeNames),
    TABLE(g_showInChartsKeys),
};

const NamedTable& Table(const std::string& name) {
    for (const NamedTable& table : kTables)
        if (name == table.name) return table;
    throw std::invalid_argument(name);
}

// An initialiser list one text short leaves a null at the end instead of failing to compile.
TEST(NameTables, EveryEntryHoldsAText) {
    for (const NamedTable& table : kTables) {
        SCOPED_TRACE(table.name);
        for (std::size_t i = 0; i < table.texts.size(); ++i) EXPECT_NE(table.texts[i], nullptr) << i;
    }
}

struct Entry {
    const char* table;
    int index;
    const char* text;
};

const Entry kEntries[] = {
    // Bodies: first, last, trailing blanks, shared texts and the language differences.
    {"g_planetNames", 0, "Lagna"},
    {"g_planetNames", 38, "Yoga Sphuta (Sun-Moon)"},
    {"g_planetNames", 45, "Yoga Sphuta"},
    {"g_planetNames", 101, "Saturn's Aq Arudha"},
    {"g_planetNamesSanskrit", 1, "Surya"},
    {"g_planetNamesSanskrit", 38, "Yoga Sphuta (Sun-Moon)"},
    {"g_planetNamesSanskrit", 45, "Yogi Sphuta"},
    {"g_planetNamesSanskrit", 92, "Mangala's Ar Arudha"},
    {"g_planetNamesSanskrit", 101, "Sani's Aq Arudha"},
    {"g_planetAbbrevs", 0, "As"},
    {"g_planetAbbrevs", 14, "HL "},
    {"g_planetAbbrevs", 15, "GL "},
    {"g_planetAbbrevs", 18, "SL "},
    {"g_planetAbbrevs", 59, "AL "},
    {"g_planetAbbrevs", 37, "TS"},
    {"g_planetAbbrevs", 42, "TS"},
    {"g_planetAbbrevs", 33, "PS"},
    {"g_planetAbbrevs", 44, "PS"},
    {"g_planetAbbrevs", 83, "Su"},
    {"g_planetAbbrevs", 96, "Sa10"},
    {"g_planetAbbrevs", 101, "Sa11"},
    {"g_planetAbbrevsSanskrit", 0, "Lg"},
    {"g_planetAbbrevsSanskrit", 6, "Sk"},
    {"g_planetAbbrevsSanskrit", 95, "Su2"},
    {"g_planetAbbrevsSanskrit", 101, "Sa11"},
    {"g_planetShortNames", 0, "Asc"},
    {"g_planetShortNames", 4, "Merc"},
    {"g_planetShortNames", 14, "HL"},
    {"g_planetShortNames", 32, "Glk"},
    {"g_planetShortNames", 59, "AL "},
    {"g_planetShortNames", 101, "Sa11"},
    {"g_planetShortNamesSanskrit", 4, "Budh"},
    {"g_planetShortNamesSanskrit", 10, "Ur"},
    {"g_planetShortNamesSanskrit", 14, "HL "},
    {"g_planetShortNamesSanskrit", 22, "Dh"},
    {"g_planetShortNamesSanskrit", 90, "Rah"},
    {"g_planetShortNamesSanskrit", 96, "San10"},
    {"g_planetShortNamesSanskrit", 101, "San11"},
    // Signs and nakshatras.
    {"g_signNames", 8, "Sagittarius"},
    {"g_signAbbrevs", 3, "Cn"},
    {"g_signAbbrevs", 11, "Pi"},
    {"g_signNamesSanskrit", 0, "Mesh"},
    {"g_signNamesSanskrit", 7, "Vrisch"},
    {"g_nakshatraNames", 10, "Poorva Phalguni"},
    {"g_nakshatraNames", 26, "Revati"},
    {"g_nakshatraShortNames", 16, "Anu"},
    {"g_nakshatraShortNames", 21, "Srav"},
    {"g_nakshatraShortNames", 26, "Reva"},
    {"g_nakshatraShortNames28", 21, "Abhi"},
    {"g_nakshatraShortNames28", 22, "Srav"},
    {"g_nakshatraShortNames28", 27, "Reva"},
    // Calendar.
    {"g_weekdayNames", 0, "Sunday"},
    {"g_weekdayShortNames", 6, "Sat"},
    {"g_weekdayAbbrevs", 2, "Tu"},
    {"g_tithiNames", 0, "Sukla Pratipat"},
    {"g_tithiNames", 14, "Pournimasya"},
    {"g_tithiNames", 29, "Amavasya"},
    {"g_tithiDayNames", 14, "Pournimasya"},
    {"g_tithiDayNames", 15, "Pratipat"},
    {"g_tithiDayNames", 29, "Amavasya"},
    {"g_tithiDeityNames", 14, "Chitra"},
    {"g_tithiDeityNames", 29, "Chitra"},
    {"g_pakshaNames", 1, "Krishna"},
    {"g_specialTithiNames", 0, "Janma tithi"},
    {"g_specialTithiNames", 12, "Janma tithi (cycle 2)"},
    {"g_specialTithiNames", 35, "Vyaya tithi (cycle 3)"},
    {"g_yogaNames", 0, "Vishkambha"},
    {"g_yogaNames", 26, "Vaidhriti"},
    {"g_karanaNames", 10, "Kimstughna"},
    {"g_choghadiyaNames", 6, "Kaala"},
    {"g_lunarMonthNames", 0, "Vaisakha"},
    {"g_lunarMonthNames", 11, "Chaitra"},
    {"g_rituNames", 5, "Shishira"},
    {"g_samvatsaraNames", 0, "Prabhava"},
    {"g_samvatsaraNames", 11, "Bahu-dhanya"},
    {"g_samvatsaraNames", 59, "Kshaya"},
    // Karakas, avasthas, vaiseshikamsas (padded), sahamas, taras, seeds and numbers.
    {"g_charaKarakaAbbrevs", 1, "AmK"},
    {"g_charaKarakaMeanings", 7, "Spouse (partner)"},
    {"g_activityAvasthaNames", 9, "NrityaLipsa (desirous of dancing)"},
    {"g_activityIntensityNames", 2, "Vicheshta (little)"},
    {"g_ageAvasthaNames", 4, "Mrita (dead)"},
    {"g_alertnessAvasthaNames", 0, "Jaagrita (awake)"},
    {"g_moodAvasthaNames", 2, "Mudita (delighted)"},
    {"g_moodAvasthaNames", 13, "Mudita (delighted)"},
    {"g_moodAvasthaNames", 14, "Kshobhita (agitated)"},
    {"g_vaiseshikamsaNames6", 0, "              "},
    {"g_vaiseshikamsaNames6", 6, "6-Kundala     "},
    {"g_vaiseshikamsaNames7", 7, "7-Mukuta      "},
    {"g_vaiseshikamsaNames10", 10, "10-Sreedhaama "},
    {"g_vaiseshikamsaNames16", 1, "               "},
    {"g_vaiseshikamsaNames16", 10, "10-Uchchaisrava"},
    {"g_vaiseshikamsaNames16", 16, "16-Srivallabha "},
    {"g_sahamaNames", 24, "Karyasiddhi Sahama"},
    {"g_sahamaShortNames", 6, "Smrth"},
    {"g_sahamaShortNames", 32, "JPatan"},
    {"g_sahamaMeanings", 34, "Untimely death (bad death)"},
    {"g_sahamaMeanings", 35, "Gains"},
    {"g_taraNames", 8, "Parama Mitra"},
    {"g_taraMeanings", 3, "Well-being"},
    {"g_specialTaraNames", 10, "Maanasa"},
    {"g_specialTaraMeanings", 8, "Kindling"},
    {"g_murthiNames", 3, "Loha - iron"},
    {"g_dasaSeedNames", 1, "Utpanna taara"},
    {"g_dasaSeedNames", 20, "user's special lagna"},
    {"g_numberWords", 12, "Twelve"},
    {"g_numberTexts", 32, "32"},
    {"g_houseOrdinals", 2, "3rd"},
    {"g_houseOrdinals", 11, "12th"},
    // [BodiesToShow] keys: file order, with the two keys that do not name what they govern.
    {"g_bodyTypeNames", 0, "BodyTypePlanet"},
    {"g_bodyTypeNames", 4, "BodyTypeBhavaHoraGhatiLagnas"},
    {"g_bodyTypeNames", 18, "BodyTypeYoga"},
    {"g_showInChartsKeys", 0, "ShowNodesInCharts"},
    {"g_showInChartsKeys", 9, "ShowUserPointsInCharts"},
    {"g_showInChartsKeys", 10, "ShowMandiInCharts"},
};

TEST(NameTables, EntriesReadAsWritten) {
    for (const Entry& e : kEntries) {
        SCOPED_TRACE(std::string(e.table) + "[" + std::to_string(e.index) + "]");
        const NamedTable& table = Table(e.table);
        ASSERT_LT(static_cast<std::size_t>(e.index), table.texts.size());
        EXPECT_STREQ(table.texts[e.index], e.text);
    }
}

TEST(NameTables, VaiseshikamsaNamesHaveTheirColumnWidth) {
    const NamedTable fourteenWide[] = {TABLE(g_vaiseshikamsaNames6), TABLE(g_vaiseshikamsaNames7),
                                       TABLE(g_vaiseshikamsaNames10)};
    for (const NamedTable& table : fourteenWide)
        for (const char* text : table.texts)
            EXPECT_EQ(std::string(text).size(), 14u) << table.name << " '" << text << "'";
    for (const char* text : g_vaiseshikamsaNames16)
        EXPECT_EQ(std::string(text).size(), 15u) << "'" << text << "'";
}

TEST(NameTables, OuterBodiesReadTheSameInBothLanguagesExceptYogiSphuta) {
    for (int body = 10; body <= 82; ++body) {
        SCOPED_TRACE(body);
        if (body != 45) {
            EXPECT_STREQ(g_planetNames[body], g_planetNamesSanskrit[body]);
        }
        EXPECT_STREQ(g_planetAbbrevs[body], g_planetAbbrevsSanskrit[body]);
    }
}

TEST(NameTables, VargaColumnsStartWithEmptyCustomEntries) {
    const std::string* tables[] = {g_vargaNames, g_strVargaLabels, g_vargaTitles};
    for (const std::string* table : tables) {
        EXPECT_EQ(table[kUserVargaColumn], "");
        EXPECT_EQ(table[kCompositeVargaColumn], "");
    }
    EXPECT_EQ(g_vargaNames[0], "Rasi");
    EXPECT_EQ(g_vargaNames[22], "Dwadasa-Dwadasamsa");
    EXPECT_EQ(g_vargaNames[25], "Nadyamsa");
    EXPECT_EQ(g_vargaNames[28], "Bhava/Chalit");
    EXPECT_EQ(g_vargaNames[29], "Bhava/Chalit");
    EXPECT_EQ(g_strVargaLabels[1], "D-9");
    EXPECT_EQ(g_strVargaLabels[9], "D-10");
    EXPECT_EQ(g_strVargaLabels[26], "Hora");
    EXPECT_EQ(g_strVargaLabels[28], "D-1 (B)");
    EXPECT_EQ(g_vargaTitles[1], "Navamsa");
    EXPECT_EQ(g_vargaTitles[2], "D-2");
    EXPECT_EQ(g_vargaTitles[27], "Hadda");
}

TEST(BodiesToShow, DefaultsListEveryTypedBodyButTheOuterPlanets) {
    for (int body = 0; body < kNamedBodyCount; ++body) {
        int groups = 0;
        bool shown = false;
        for (int type = 0; type < kBodyTypeCount; ++type)
            if (g_bodyTypeRanges[type].Contains(body)) {
                ++groups;
                shown = g_bodyTypeDefaults[type] == 1;
            }
        SCOPED_TRACE(body);
        const bool untyped = body >= 71 && body <= 82;
        EXPECT_EQ(groups, untyped ? 0 : 1);
        EXPECT_EQ(shown, !untyped && (body < 10 || body > 12));
    }
}

TEST(BodiesToShow, MandiAndGulikaFlagsSitUnderTheShiftedKeys) {
    EXPECT_TRUE(g_showInChartsRanges[9].Contains(31));  // Maandi under ShowUserPointsInCharts
    EXPECT_TRUE(g_showInChartsRanges[10].Contains(32)); // Gulika under ShowMandiInCharts
    EXPECT_EQ(g_showInChartsDefaults[1], 0);            // outer planets off
}

TEST(NameSelection, ChosenNamesAreEnglishUntilALanguageIsChosen) {
    const char* const* saved[] = {g_pszPlanetNames, g_pszPlanetNamesAlt, g_pszPlanetNamesAlt2};
    g_pszPlanetNames = g_pszPlanetNamesAlt = g_pszPlanetNamesAlt2 = nullptr;
    EXPECT_STREQ(ChosenPlanetNames()[1], "Sun");
    EXPECT_STREQ(ChosenPlanetAbbrevs()[1], "Su");
    SelectNameTables(true, false);
    EXPECT_STREQ(ChosenPlanetNames()[1], "Surya");
    EXPECT_STREQ(ChosenPlanetAbbrevs()[1], "Sy");
    g_pszPlanetNames = saved[0];
    g_pszPlanetNamesAlt = saved[1];
    g_pszPlanetNamesAlt2 = saved[2];
}

TEST(NameSelection, SwitchesAllBodyNameLengthsTogether) {
    SelectNameTables(false, false);
    EXPECT_STREQ(g_pszPlanetNamesAlt[1], "Su");
    EXPECT_STREQ(g_pszPlanetNames[1], "Sun");
    EXPECT_STREQ(g_pszPlanetNamesAlt2[4], "Merc");
    EXPECT_STREQ(g_pszSignNames[0], "Ar");

    SelectNameTables(true, false);
    EXPECT_STREQ(g_pszPlanetNamesAlt[1], "Sy");
    EXPECT_STREQ(g_pszPlanetNames[1], "Surya");
    EXPECT_STREQ(g_pszPlanetNamesAlt2[4], "Budh");
    EXPECT_STREQ(g_pszSignNames[0], "Ar");

    SelectNameTables(false, true);
    EXPECT_STREQ(g_pszPlanetNames[1], "Sun");
    EXPECT_STREQ(g_pszSignNames[0], "Mesh");
}

} // namespace
