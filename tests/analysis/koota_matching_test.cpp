// Horoscope matching: nakshatra-sign groups, the score table and the rating levels.
#include <algorithm>

#include <gtest/gtest.h>

#include "analysis/koota_matching.h"

namespace {

// The group table of the matching rules: group, nakshatra, first and last pada (1-4).
struct GroupRow {
    int group;
    int nakshatra;
    int firstPada;
    int lastPada;
};
constexpr GroupRow kGroups[] = {
    {0, 0, 1, 4},   {1, 1, 1, 4},   {2, 2, 1, 1},   {3, 2, 2, 4},   {4, 3, 1, 4},   {5, 4, 1, 2},
    {6, 4, 3, 4},   {7, 5, 1, 4},   {8, 6, 1, 3},   {9, 6, 4, 4},   {10, 7, 1, 4},  {11, 8, 1, 4},
    {12, 9, 1, 4},  {13, 10, 1, 4}, {14, 11, 1, 1}, {15, 11, 2, 4}, {16, 12, 1, 4}, {17, 13, 1, 2},
    {18, 13, 3, 4}, {19, 14, 1, 4}, {20, 15, 1, 3}, {21, 15, 4, 4}, {22, 16, 1, 4}, {23, 17, 1, 4},
    {24, 18, 1, 4}, {25, 19, 1, 4}, {26, 20, 1, 1}, {27, 20, 2, 4}, {28, 21, 1, 4}, {29, 22, 1, 2},
    {30, 22, 3, 4}, {31, 23, 1, 4}, {32, 24, 1, 3}, {33, 24, 4, 4}, {34, 25, 1, 4}, {35, 26, 1, 4},
};

TEST(KootaMatching, EveryPadaFallsInItsGroup) {
    int padasSeen = 0;
    for (const GroupRow& row : kGroups) {
        for (int pada = row.firstPada; pada <= row.lastPada; ++pada) {
            SCOPED_TRACE(testing::Message() << "nakshatra " << row.nakshatra << " pada " << pada);
            EXPECT_EQ(NakshatraPadaGroup(row.nakshatra, pada - 1), row.group);
            ++padasSeen;
        }
    }
    EXPECT_EQ(padasSeen, 108);
}

TEST(KootaMatching, TheSameBirthStarScores28InEitherRole) {
    for (int nakshatra = 0; nakshatra < 27; ++nakshatra) {
        for (int pada = 0; pada < 4; ++pada) {
            EXPECT_EQ(ComputeKootaScore(false, nakshatra, pada, nakshatra, pada), 28)
                << nakshatra << " " << pada;
            EXPECT_EQ(ComputeKootaScore(true, nakshatra, pada, nakshatra, pada), 28)
                << nakshatra << " " << pada;
        }
    }
}

// Bride's star, bridegroom's star, score.
struct Match {
    int brideNakshatra;
    int bridePada;
    int groomNakshatra;
    int groomPada;
    int score;
};
constexpr Match kMatches[] = {
    {0, 0, 1, 0, 33},   // Aswini bride, Bharani bridegroom
    {1, 0, 0, 0, 34},   // and the other way round
    {3, 2, 4, 1, 36},   // Rohini with Mrigasira pada 2 (group 4 with 5): the highest
    {12, 0, 14, 3, 36}, // Hastha with Swaati (16 with 19)
    {17, 3, 5, 0, 3},   // Jyeshtha with Aardra (23 with 7): the lowest
    {25, 1, 13, 2, 3},  // Uttarabhadra with Chitra pada 3 (34 with 18)
};

TEST(KootaMatching, ScoreReadsTheBridesRowAndTheBridegroomsColumn) {
    for (const Match& m : kMatches) {
        SCOPED_TRACE(testing::Message()
                     << "bride " << m.brideNakshatra << " bridegroom " << m.groomNakshatra);
        // The bride's star first, or the bridegroom's star first with the flag set.
        EXPECT_EQ(ComputeKootaScore(false, m.brideNakshatra, m.bridePada, m.groomNakshatra, m.groomPada),
                  m.score);
        EXPECT_EQ(ComputeKootaScore(true, m.groomNakshatra, m.groomPada, m.brideNakshatra, m.bridePada),
                  m.score);
    }
}

TEST(KootaMatching, ScoresLieBetween3And36) {
    int lowest = 99;
    int highest = 0;
    for (const auto& row : g_kootaScores) {
        for (int score : row) {
            lowest = std::min(lowest, score);
            highest = std::max(highest, score);
        }
    }
    EXPECT_EQ(lowest, 3);
    EXPECT_EQ(highest, 36);
}

TEST(KootaMatching, PadasOfOneNakshatraInTwoSignsScoreApart) {
    constexpr int kKrittika = 2;
    constexpr int kRohini = 3;
    // Krittika's first pada lies in Aries, the others in Taurus.
    EXPECT_NE(NakshatraPadaGroup(kKrittika, 0), NakshatraPadaGroup(kKrittika, 1));
    EXPECT_NE(ComputeKootaScore(false, kKrittika, 0, kRohini, 0),
              ComputeKootaScore(false, kKrittika, 1, kRohini, 0));
    EXPECT_NE(ComputeKootaScore(false, kRohini, 0, kKrittika, 0),
              ComputeKootaScore(false, kRohini, 0, kKrittika, 1));
    for (int pada = 2; pada < 4; ++pada)
        EXPECT_EQ(ComputeKootaScore(false, kKrittika, pada, kRohini, 0),
                  ComputeKootaScore(false, kKrittika, 1, kRohini, 0));
}

TEST(KootaMatching, RatingLevelsChangeAtTheirThresholds) {
    struct Case {
        int score;
        const char* level;
    };
    constexpr Case kCases[] = {{3, "Below Average"}, {17, "Below Average"}, {18, "Average"},  {21, "Average"},
                               {22, "Fair"},         {25, "Fair"},          {26, "Good"},     {28, "Good"},
                               {30, "Good"},         {31, "Excellent"},     {36, "Excellent"}};
    for (const Case& c : kCases)
        EXPECT_STREQ(g_kootaMatchLevelNames[KootaMatchLevel(c.score)], c.level) << c.score;
}

} // namespace
