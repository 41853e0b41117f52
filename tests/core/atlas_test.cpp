// The atlas search on small atlases built here: matching, region selectors, result codes and
// damaged files.
#include <array>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "core/atlas.h"
#include "tests/core/atlas_builder.h"
#include "tests/core/fifo_file.h"

namespace {

using ::testing::ElementsAreArray;
using ::testing::UnorderedElementsAreArray;

AtlasBuilder SmallWorld() {
    AtlasBuilder atlas;
    atlas
        .Add("IN", {.name = "Mumbai",
                    .longitude = 72.8833,
                    .latitude = 19.0833,
                    .standardZone = 5.5,
                    .daylightZone = 5.5})
        .Add("IN", {.name = "New Delhi",
                    .longitude = 77.2167,
                    .latitude = 28.6333,
                    .standardZone = 5.5,
                    .daylightZone = 5.5,
                    .firstValue = 513,
                    .secondValue = 216})
        .Add("IN", {.name = "Chennai",
                    .longitude = 80.2833,
                    .latitude = 13.0833,
                    .standardZone = 5.5,
                    .daylightZone = 5.5})
        .Add("UK",
             {.name = "London", .longitude = -0.1167, .latitude = 51.5, .standardZone = 0, .daylightZone = 1})
        .Add("AS", {.name = "Sydney",
                    .longitude = 151.2,
                    .latitude = -33.8667,
                    .standardZone = 10,
                    .daylightZone = 11})
        .Add("CA", {.name = "St. John's",
                    .longitude = -52.7,
                    .latitude = 47.5667,
                    .standardZone = -3.5,
                    .daylightZone = -2.5})
        .Add("USNJ", {.name = "Newark",
                      .longitude = -74.1667,
                      .latitude = 40.7333,
                      .standardZone = -5,
                      .daylightZone = -4})
        .Add("USNJ", {.name = "Trenton",
                      .longitude = -74.75,
                      .latitude = 40.2167,
                      .standardZone = -5,
                      .daylightZone = -4})
        .Add("USAZ", {.name = "Phoenix",
                      .longitude = -112.0667,
                      .latitude = 33.45,
                      .standardZone = -7,
                      .daylightZone = -7});
    return atlas;
}

struct SearchOutcome {
    AtlasResult result;
    std::vector<AtlasMatch> matches;
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const AtlasMatch& m : matches) names.emplace_back(m.szName);
        return names;
    }
};

SearchOutcome SearchFile(const std::string& path, std::string_view text, std::string_view selector,
                         std::size_t capacity = 100) {
    std::vector<AtlasMatch> matches(capacity);
    int count = -1;
    const AtlasResult result = FindPlaceInAtlas(text, selector, count, matches, path);
    matches.resize(static_cast<std::size_t>(count));
    return {result, matches};
}

// Searches atlas bytes held in memory through the same reader.
SearchOutcome SearchBytes(std::string bytes, std::string_view text, std::string_view selector) {
    std::vector<AtlasMatch> matches(100);
    int count = -1;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(fmemopen(bytes.data(), bytes.size(), "rb"),
                                                               &std::fclose);
    if (!file) return {AtlasResult::Missing, {}};
    AtlasFile atlas(file.get());
    const AtlasResult result = SearchOpenAtlas(text, selector, count, matches, atlas);
    matches.resize(static_cast<std::size_t>(count));
    return {result, matches};
}

TEST(AtlasSearch, FindsPlacesByCaseInsensitivePrefixAndDecodesThem) {
    const TestFile atlasFile("atlas_prefix.adb", SmallWorld().Build());
    const std::string& path = atlasFile.Path();
    const SearchOutcome found = SearchFile(path, "new", "ALL");
    EXPECT_EQ(found.result, AtlasResult::Finished);
    ASSERT_THAT(found.Names(), ElementsAreArray({"New Delhi", "Newark"})); // table order: IN before USNJ

    const AtlasMatch& delhi = found.matches[0];
    EXPECT_EQ(delhi.nRegion, *FindRegionRow("IN"));
    EXPECT_EQ(delhi.nFirstValue, 513);
    EXPECT_EQ(delhi.nSecondValue, 216);
    EXPECT_EQ((std::array{delhi.nLongitudeDegrees, delhi.nLongitudeMinutes, delhi.nLongitudeSeconds}),
              (std::array{77, 13, 0}));
    EXPECT_EQ((std::array{delhi.nLatitudeDegrees, delhi.nLatitudeMinutes, delhi.nLatitudeSeconds}),
              (std::array{28, 38, 0}));
    EXPECT_EQ(delhi.bEast, 1);
    EXPECT_EQ(delhi.bNorth, 1);
    EXPECT_EQ(delhi.dStandardZone, 5.5);
    EXPECT_EQ(delhi.dDaylightZone, 5.5);
}

// The second value is unsigned: a damaged or foreign atlas may hold any altitude up to 65535 m, which
// the charts would refuse; such a place is taken at sea level.
TEST(AtlasSearch, APlacesAltitudeIsTakenOnlyWithinTheProgramsRange) {
    const struct {
        int stored;
        double taken;
    } cases[] = {{0, 0.0}, {216, 216.0}, {20000, 20000.0}, {20001, 0.0}, {65535, 0.0}};
    for (const auto& c : cases) {
        AtlasMatch match;
        match.nSecondValue = c.stored;
        EXPECT_EQ(AtlasAltitude(match), c.taken) << c.stored;
    }
}

TEST(AtlasSearch, DecodesWestSouthAndNegativeQuarterHourZones) {
    const TestFile atlasFile("atlas_signs.adb", SmallWorld().Build());
    const std::string& path = atlasFile.Path();
    const SearchOutcome stJohns = SearchFile(path, "st. j", "CA");
    ASSERT_EQ(stJohns.matches.size(), 1u);
    EXPECT_EQ(stJohns.matches[0].bEast, 0);
    EXPECT_EQ(stJohns.matches[0].nLongitudeDegrees, 52);
    EXPECT_EQ(stJohns.matches[0].dStandardZone, -3.5);
    EXPECT_EQ(stJohns.matches[0].dDaylightZone, -2.5);

    const SearchOutcome sydney = SearchFile(path, "SYD", "AS");
    ASSERT_EQ(sydney.matches.size(), 1u);
    EXPECT_EQ(sydney.matches[0].bNorth, 0);
    EXPECT_EQ(sydney.matches[0].nLatitudeDegrees, 33);
    EXPECT_EQ(sydney.matches[0].nLatitudeMinutes, 52);
}

TEST(AtlasSearch, RegionSelectorsAndShortenedTexts) {
    struct Case {
        const char* selector;
        const char* text;
        AtlasResult result;
        std::vector<std::string> names;
    };
    const Case cases[] = {
        {"WORLD", "new", AtlasResult::Finished, {"New Delhi"}},
        {"US", "new", AtlasResult::Finished, {"Newark"}},
        {"USA", "NEW", AtlasResult::Finished, {"Newark"}},
        {"USNJ", "t", AtlasResult::Finished, {"Trenton"}},
        {"IN", "", AtlasResult::Finished, {"Chennai", "Mumbai", "New Delhi"}}, // every letter group
        {"ALL", "Newarks", AtlasResult::Shortened, {"Newark"}},                // a name shorter than the text
        {"US", "Newxyz", AtlasResult::Shortened, {"Newark"}},                  // shortened three times
        {"WORLD", "Tr", AtlasResult::Shortened, {}}, // Trenton is a US place; nothing starts with "T"
        {"FR", "Paris", AtlasResult::Shortened, {}}, // a region without places in the file
        {"XX", "new", AtlasResult::Shortened, {}},   // a code that is not in the table
    };
    const TestFile atlasFile("atlas_selectors.adb", SmallWorld().Build());
    const std::string& path = atlasFile.Path();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.selector) + " / " + c.text);
        const SearchOutcome found = SearchFile(path, c.text, c.selector);
        EXPECT_EQ(found.result, c.result);
        EXPECT_THAT(found.Names(), ElementsAreArray(c.names));
    }
}

TEST(AtlasSearch, StopsAtTheMaximumCount) {
    struct Case {
        int places;
        AtlasResult result;
        std::size_t count;
    };
    for (const Case& c : {Case{99, AtlasResult::Finished, 99}, Case{100, AtlasResult::MaximumReached, 100},
                          Case{101, AtlasResult::MaximumReached, 100}}) {
        SCOPED_TRACE(c.places);
        AtlasBuilder atlas;
        for (int i = 0; i < c.places; ++i) atlas.Add("GM", {.name = "Dorf " + std::to_string(i)});
        const TestFile atlasFile("atlas_maximum.adb", atlas.Build());
        const std::string& path = atlasFile.Path();
        const SearchOutcome found = SearchFile(path, "dorf", "WORLD");
        EXPECT_EQ(found.result, c.result);
        EXPECT_EQ(found.matches.size(), c.count);
    }
}

TEST(AtlasSearch, CutsLongNamesToTheMatchField) {
    const std::string longName =
        "Llanfair" + std::string(119, 'g'); // 127 characters, the longest a file holds
    AtlasBuilder atlas;
    atlas.Add("UK", {.name = longName, .longitude = -4.2, .latitude = 53.2});
    const SearchOutcome found = SearchBytes(atlas.Build(), "llanfairg", "UK");
    ASSERT_EQ(found.matches.size(), 1u);
    EXPECT_EQ(std::string(found.matches[0].szName), longName.substr(0, kAtlasNameCapacity - 1));
    EXPECT_EQ(found.matches[0].nLongitudeDegrees, 4);
    EXPECT_EQ(found.matches[0].nLatitudeDegrees, 53);
}

TEST(AtlasFileCheck, MissingFileGivesFour) {
    const SearchOutcome found = SearchFile("/nonexistent/tvcore/atlas/tvworld.adb", "new", "ALL");
    EXPECT_EQ(found.result, AtlasResult::Missing);
    EXPECT_TRUE(found.matches.empty());
}

TEST(AtlasFileCheck, AFifoInTheAtlasPlaceGivesFourWithoutWaiting) {
    FifoFile fifo(testing::TempDir() + "tvworld-fifo-" + std::to_string(::getpid()) + ".adb");
    ASSERT_TRUE(fifo.made());
    const SearchOutcome found = fifo.ReadAside([&] { return SearchFile(fifo.path(), "new", "ALL"); });
    EXPECT_EQ(found.result, AtlasResult::Missing);
    EXPECT_TRUE(found.matches.empty());
}

TEST(AtlasFileCheck, WrongMagicVersionOrEmptyFileGivesThree) {
    const std::string good = SmallWorld().Build();
    std::string wrongMagic = good;
    wrongMagic[0] = 'k';
    std::string version2 = good;
    WriteBigEndian32(version2, kAtlasVersionOffset, 2);
    for (const auto& [label, bytes] :
         {std::pair{"magic", wrongMagic}, std::pair{"version 2", version2}, std::pair{"empty", std::string()},
          std::pair{"magic only", good.substr(0, 15)}}) {
        SCOPED_TRACE(label);
        EXPECT_EQ(SearchFile(TestFile("atlas_header.adb", bytes).Path(), "new", "ALL").result,
                  AtlasResult::Corrupted);
    }
}

// Positions inside the India node of SmallWorld(): size word, key length, key "IN", then the letter
// groups C (Chennai), M (Mumbai) and the last one, N (New Delhi).
struct IndiaNode {
    explicit IndiaNode(const std::string& bytes)
        : node(ReadBigEndian32(bytes,
                               kAtlasOffsetTable + 4 * static_cast<std::size_t>(*FindRegionRow("IN")))) {}
    std::size_t node;
    std::size_t FirstGroup() const { return node + 7; }
    std::size_t FirstNameLength() const { return FirstGroup() + 6; }
};

TEST(AtlasFileCheck, DamagedLengthsOffsetsAndSizesGiveThree) {
    const std::string good = SmallWorld().Build();
    const IndiaNode india(good);
    struct Damage {
        const char* what;
        void (*apply)(std::string&, const IndiaNode&);
    };
    const Damage damages[] = {
        {"offset past the end",
         [](std::string& b, const IndiaNode&) {
             WriteBigEndian32(b, kAtlasOffsetTable + 4 * static_cast<std::size_t>(*FindRegionRow("IN")),
                              0x7FFFFFF0);
         }},
        {"node size smaller than its header",
         [](std::string& b, const IndiaNode& in) { WriteBigEndian32(b, in.node, 3); }},
        {"node size past the end",
         [](std::string& b, const IndiaNode& in) { WriteBigEndian32(b, in.node, 0x3FFFFFFF); }},
        {"key running past the end", [](std::string& b, const IndiaNode& in) { b.resize(in.node + 6); }},
        {"group size smaller than its header",
         [](std::string& b, const IndiaNode& in) { WriteBigEndian32(b, in.FirstGroup(), 0x80000002); }},
        {"group size past its node",
         [](std::string& b, const IndiaNode& in) { WriteBigEndian32(b, in.FirstGroup(), 0x80000FFF); }},
        {"name running past its group",
         [](std::string& b, const IndiaNode& in) { b[in.FirstNameLength()] = 100; }},
        {"name shorter than it says, list ending early",
         [](std::string& b, const IndiaNode& in) { b[in.FirstNameLength()] = 2; }},
        {"record cut by the end of the file",
         [](std::string& b, const IndiaNode& in) { b.resize(in.FirstNameLength() + 5); }},
    };
    for (const Damage& d : damages) {
        SCOPED_TRACE(d.what);
        std::string bytes = good;
        d.apply(bytes, india);
        EXPECT_EQ(SearchBytes(bytes, "", "IN").result, AtlasResult::Corrupted);
    }
}

// Every region row pointing at one chain of `nodes` (bytes of whole nodes) laid where the first node
// of `atlas` starts.
std::string OneChainFor(std::string atlas, const std::string& nodes) {
    const std::size_t chainStart = kAtlasOffsetTable + 4 * kRegionCount;
    atlas.insert(chainStart, nodes);
    for (int row = 0; row < kRegionCount; ++row)
        WriteBigEndian32(atlas, kAtlasOffsetTable + 4 * static_cast<std::size_t>(row), chainStart);
    return atlas;
}

std::string TinyNode(std::string_view key) {
    std::string node(4, '\0');
    WriteBigEndian32(node, 0, static_cast<std::uint32_t>(5 + key.size()));
    node += static_cast<char>(key.size());
    return node += key;
}

// A chain holds at most one node per region and its closing node. A well-formed 3.9 MB chain of
// tiny nodes with empty keys, walked again for each of 308 regions and each shortened search text,
// once held a search for minutes: the walk now stops as damaged once it passes what a chain can hold.
TEST(AtlasFileCheck, AChainLongerThanTheRegionsIsDamaged) {
    std::string tiny;
    for (int i = 0; i < 780'000; ++i) tiny += TinyNode("");
    const TestFile atlasFile("tiny_nodes.adb", OneChainFor(AtlasBuilder().Build(), tiny));
    const std::string& path = atlasFile.Path();
    EXPECT_EQ(SearchFile(path, "London", "ALL").result, AtlasResult::Corrupted);

    // The longest sound chain: the nodes of all other regions before the one searched.
    std::string others;
    for (int row = 0; row + 1 < kRegionCount; ++row) others += TinyNode(g_regionTable[row].code);
    const std::string full = AtlasBuilder().Add("USWY", {.name = "Cheyenne", .latitude = 41.1}).Build();
    EXPECT_THAT(SearchBytes(OneChainFor(full, others), "Chey", "USWY").Names(),
                ElementsAreArray({"Cheyenne"}));
}

TEST(AtlasFileCheck, EveryCutOfAFileEndsTheSearchCleanly) {
    const std::string good = SmallWorld().Build();
    for (std::size_t length = 0; length < good.size(); ++length) {
        SCOPED_TRACE(length);
        const SearchOutcome found = SearchBytes(good.substr(0, length), "", "ALL");
        if (length < kAtlasOffsetTable + 4 * kRegionCount) {
            EXPECT_EQ(found.result, AtlasResult::Corrupted);
        }
        EXPECT_LE(found.matches.size(), 9u);
    }
    EXPECT_THAT(SearchBytes(good, "", "ALL").Names(),
                UnorderedElementsAreArray({"Chennai", "Mumbai", "New Delhi", "London", "Sydney", "St. John's",
                                           "Newark", "Trenton", "Phoenix"}));
}

} // namespace
