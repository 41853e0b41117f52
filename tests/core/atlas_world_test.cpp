// The atlas that set-up generates from the GeoNames city list into the build's data folder.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/atlas.h"
#include "core/data_folder.h"

namespace {

double Degrees(int d, int m, int s, bool positive) {
    return (positive ? 1 : -1) * (d + m / 60.0 + s / 3600.0);
}

class WorldAtlas : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(std::filesystem::exists(AtlasFilePath()))
            << AtlasFilePath() << " is missing: scripts/setup.sh generates it";
    }

    std::vector<AtlasMatch> Search(std::string_view text, std::string_view selector, AtlasResult expected,
                                   std::size_t capacity = 100) {
        std::vector<AtlasMatch> matches(capacity);
        int count = 0;
        EXPECT_EQ(FindPlaceInAtlas(text, selector, count, matches, AtlasFilePath()), expected);
        matches.resize(static_cast<std::size_t>(count));
        return matches;
    }
};

// Reference coordinates: the places' usual atlas entries (degrees and minutes, north and east
// positive); zones: the IANA zones of the cities (hours east, standard / daylight).
struct Place {
    const char* selector;
    const char* name;
    double latitude, longitude;
    double standardZone, daylightZone;
};
const Place kPlaces[] = {
    {"IN", "New Delhi", 28 + 38 / 60.0, 77 + 13 / 60.0, 5.5, 5.5},
    {"IN", "Chennai", 13 + 5 / 60.0, 80 + 17 / 60.0, 5.5, 5.5},
    {"UK", "London", 51 + 30 / 60.0, -(7 / 60.0), 0, 1},
    {"USAZ", "Phoenix", 33 + 27 / 60.0, -(112 + 4 / 60.0), -7, -7},
    {"AS", "Sydney", -(33 + 52 / 60.0), 151 + 13 / 60.0, 10, 11},
};

TEST_F(WorldAtlas, FindsWellKnownPlacesWithTheirCoordinatesAndZones) {
    constexpr double kToleranceDegrees = 3 / 60.0; // atlases differ by a few minutes on a city's centre
    for (const Place& p : kPlaces) {
        SCOPED_TRACE(p.name);
        const auto matches = Search(p.name, p.selector, AtlasResult::Finished);
        const auto it = std::find_if(matches.begin(), matches.end(),
                                     [&](const AtlasMatch& m) { return std::string(m.szName) == p.name; });
        ASSERT_NE(it, matches.end());
        EXPECT_NEAR(Degrees(it->nLatitudeDegrees, it->nLatitudeMinutes, it->nLatitudeSeconds, it->bNorth),
                    p.latitude, kToleranceDegrees);
        EXPECT_NEAR(Degrees(it->nLongitudeDegrees, it->nLongitudeMinutes, it->nLongitudeSeconds, it->bEast),
                    p.longitude, kToleranceDegrees);
        EXPECT_EQ(it->dStandardZone, p.standardZone);
        EXPECT_EQ(it->dDaylightZone, p.daylightZone);
    }
}

TEST_F(WorldAtlas, LowerCasePrefixFindsNewDelhiAndNewark) {
    const auto matches = Search("new", "ALL", AtlasResult::Finished, 20000);
    const auto has = [&](std::string_view name, std::string_view region) {
        return std::any_of(matches.begin(), matches.end(), [&](const AtlasMatch& m) {
            return m.szName == name && g_regionTable[m.nRegion].code == region;
        });
    };
    EXPECT_TRUE(has("New Delhi", "IN"));
    EXPECT_TRUE(has("Newark", "USNJ"));
    for (const AtlasMatch& m : matches) {
        std::string prefix(m.szName, 3);
        std::transform(prefix.begin(), prefix.end(), prefix.begin(),
                       [](unsigned char c) { return std::toupper(c); });
        EXPECT_EQ(prefix, "NEW") << m.szName;
    }
}

TEST_F(WorldAtlas, ResultCodesOfTheFullAtlas) {
    EXPECT_EQ(Search("new", "US", AtlasResult::MaximumReached).size(), 100u);
    const auto shortened = Search("Phoenixqq", "USAZ", AtlasResult::Shortened);
    ASSERT_FALSE(shortened.empty());
    EXPECT_STREQ(shortened[0].szName, "Phoenix");
}

} // namespace
