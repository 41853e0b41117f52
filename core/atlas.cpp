#include "core/atlas.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <memory>
#include <optional>

#include <unistd.h>

#include "core/chart_core.h"
#include "core/whole_file.h"

namespace {

constexpr std::string_view kAtlasMagic = "Kalomithra Hora";
constexpr std::uint32_t kAtlasVersion = 1;
constexpr std::uint64_t kOffsetTablePosition = 100;
constexpr std::uint32_t kLengthMask = 0x3FFFFFFF; // the top two bits of a size word are flags
constexpr std::uint8_t kEndOfListBit = 0x80;
constexpr std::uint8_t kEndOfBlockBit = 0x40;
constexpr std::uint64_t kNodeHeaderSize = 5;  // size word and key length
constexpr std::uint64_t kGroupHeaderSize = 6; // size word, letter length and letter
constexpr std::size_t kPlaceDataSize = 12;
// A chain holds at most one node per region and its closing node. A longer walk is a damaged file,
// which could otherwise make every region's walk cross the whole file.
constexpr int kMostNodesInAChain = kRegionCount + 1;

char Upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

bool BeginsWith(std::string_view name, std::string_view text) {
    if (name.size() < text.size()) return false;
    return std::equal(text.begin(), text.end(), name.begin(),
                      [](char a, char b) { return Upper(a) == Upper(b); });
}

int Byte(const std::string& data, std::size_t i) {
    return static_cast<std::uint8_t>(data[i]);
}

AtlasMatch DecodePlace(int row, std::string_view name, const std::string& data) {
    AtlasMatch match;
    match.nRegion = row;
    match.nFirstValue = (Byte(data, 0) << 8) | Byte(data, 1);
    const std::size_t length = std::min(name.size(), static_cast<std::size_t>(kAtlasNameCapacity - 1));
    std::copy_n(name.begin(), length, match.szName);
    match.szName[length] = '\0';
    match.nLongitudeDegrees = Byte(data, 2);
    match.nLongitudeMinutes = Byte(data, 3) & 0x7F;
    match.bEast = static_cast<std::uint8_t>(Byte(data, 3) >> 7);
    match.nLongitudeSeconds = Byte(data, 4);
    match.nLatitudeDegrees = Byte(data, 5);
    match.nLatitudeMinutes = Byte(data, 6) & 0x7F;
    match.bNorth = static_cast<std::uint8_t>(Byte(data, 6) >> 7);
    match.nLatitudeSeconds = Byte(data, 7);
    match.nSecondValue = (Byte(data, 8) << 8) | Byte(data, 9);
    match.dStandardZone = static_cast<std::int8_t>(data[10]) * 0.25; // quarter hours
    match.dDaylightZone = static_cast<std::int8_t>(data[11]) * 0.25;
    return match;
}

// Bytes [start, end) of the file that a node or letter group covers. `exact` when a size field fixed
// the end; otherwise (a size of 0, "last one") it runs to the end of the file.
struct Extent {
    std::uint64_t start = 0;
    std::uint64_t end = 0;
    bool exact = false;
};

Extent ExtentOf(std::uint64_t start, std::uint32_t size, std::uint64_t limit, std::uint64_t contentStart) {
    if (size == 0) return {contentStart, limit, false};
    return {contentStart, start + size, true};
}

// Walks the node chain of `row` to the region's node. Corrupted on damage; otherwise Finished, with
// `block` left empty when the region has no node in the file.
AtlasResult FindRegionBlock(AtlasFile& atlas, int row, std::optional<Extent>& block) {
    if (!atlas.Seek(kOffsetTablePosition + 4 * static_cast<std::uint64_t>(row)))
        return AtlasResult::Corrupted;
    const auto chainStart = atlas.ReadBigEndian32();
    if (!chainStart) return AtlasResult::Corrupted;
    std::uint64_t nodeStart = *chainStart;
    std::string key;
    for (int visited = 0;; ++visited) {
        if (visited == kMostNodesInAChain || !atlas.Seek(nodeStart)) return AtlasResult::Corrupted;
        const auto word = atlas.ReadBigEndian32();
        const auto keyLength = word ? atlas.ReadByte() : std::nullopt;
        if (!keyLength || !atlas.ReadText(*keyLength, key)) return AtlasResult::Corrupted;
        const std::uint32_t size = *word & kLengthMask;
        if (size != 0 && (size < kNodeHeaderSize + *keyLength || nodeStart + size > atlas.Size()))
            return AtlasResult::Corrupted;
        if (key == g_regionTable[row].code) {
            block = ExtentOf(nodeStart, size, atlas.Size(), atlas.Position());
            return AtlasResult::Finished;
        }
        if (size == 0) return AtlasResult::Finished;
        nodeStart += size; // sizes cover their header, so the walk only goes forward
    }
}

// The search of one region's block of letter groups.
class RegionSearch {
public:
    RegionSearch(AtlasFile& atlas, int row, std::string_view text, int& matchCount,
                 std::span<AtlasMatch> matches)
        : m_atlas(atlas), m_row(row), m_text(text), m_matchCount(matchCount), m_matches(matches) {}

    AtlasResult Run(const Extent& block) {
        std::uint64_t groupStart = block.start;
        for (;;) {
            if (groupStart + kGroupHeaderSize > block.end || !m_atlas.Seek(groupStart))
                return AtlasResult::Corrupted;
            const auto word = m_atlas.ReadBigEndian32();
            const auto letterLength = word ? m_atlas.ReadByte() : std::nullopt;
            const auto letter = letterLength ? m_atlas.ReadByte() : std::nullopt;
            if (!letter) return AtlasResult::Corrupted;
            const std::uint32_t size = *word & kLengthMask;
            if (size != 0 && (size < kGroupHeaderSize || groupStart + size > block.end))
                return AtlasResult::Corrupted;
            Extent group = ExtentOf(groupStart, size, block.end, m_atlas.Position());
            if (size == 0) group.exact = block.exact;

            if (m_text.empty() || Upper(static_cast<char>(*letter)) == Upper(m_text.front())) {
                const auto next = ReadPlaces(group);
                if (!next) return m_result;
                groupStart = *next; // an empty text lists every group of the region
            } else if (size == 0) {
                return AtlasResult::Finished;
            } else {
                groupStart = group.end;
            }
        }
    }

private:
    // Reads the group's place records. Returns where the next group starts when the region goes on
    // being listed; otherwise nothing, with the outcome in m_result.
    std::optional<std::uint64_t> ReadPlaces(const Extent& group) {
        std::string name, data;
        for (;;) {
            const std::uint64_t position = m_atlas.Position();
            const auto lead = m_atlas.ReadByte();
            if (!lead) return Stop(AtlasResult::Finished); // the file ends after a whole record
            if (*lead & kEndOfListBit) {
                if (group.exact && position != group.end) return Stop(AtlasResult::Corrupted);
                if ((*lead & kEndOfBlockBit) || !m_text.empty()) return Stop(AtlasResult::Finished);
                return position; // the end byte is the first byte of the next group
            }
            if (position + 1 + *lead + kPlaceDataSize > group.end || !m_atlas.ReadText(*lead, name) ||
                !m_atlas.ReadText(kPlaceDataSize, data))
                return Stop(AtlasResult::Corrupted);
            if (!BeginsWith(name, m_text)) continue;
            m_matches[m_matchCount++] = DecodePlace(m_row, name, data);
            if (m_matchCount >= static_cast<int>(m_matches.size())) return Stop(AtlasResult::MaximumReached);
        }
    }

    std::optional<std::uint64_t> Stop(AtlasResult result) {
        m_result = result;
        return std::nullopt;
    }

    AtlasFile& m_atlas;
    int m_row;
    std::string_view m_text;
    int& m_matchCount;
    std::span<AtlasMatch> m_matches;
    AtlasResult m_result = AtlasResult::Finished;
};

bool HasAtlasHeader(AtlasFile& atlas) {
    std::string magic;
    if (!atlas.Seek(0) || !atlas.ReadText(kAtlasMagic.size(), magic) || magic != kAtlasMagic) return false;
    const auto version = atlas.ReadBigEndian32();
    return version && *version == kAtlasVersion;
}

} // namespace

AtlasResult MatchAtlasRegion(std::string_view searchText, int row, int& matchCount,
                             std::span<AtlasMatch> matches, AtlasFile& atlas) {
    if (matchCount >= static_cast<int>(matches.size())) return AtlasResult::MaximumReached;
    std::optional<Extent> block;
    const AtlasResult found = FindRegionBlock(atlas, row, block);
    if (!block) return found;
    return RegionSearch(atlas, row, searchText, matchCount, matches).Run(*block);
}

AtlasResult SearchAtlasRegions(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                               std::span<AtlasMatch> matches, AtlasFile& atlas) {
    int first = 0, last = kRegionCount;
    if (regionSelector == "WORLD") {
        last = kCountryCount;
    } else if (regionSelector == "US" || regionSelector == "USA") {
        first = kFirstUsStateRow;
    } else if (regionSelector != "ALL") {
        const auto row = FindRegionRow(regionSelector);
        if (!row) return AtlasResult::Finished;
        first = *row;
        last = *row + 1;
    }
    AtlasResult result = AtlasResult::Finished;
    for (int row = first; row < last && result == AtlasResult::Finished; ++row)
        result = MatchAtlasRegion(searchText, row, matchCount, matches, atlas);
    return result;
}

AtlasResult SearchOpenAtlas(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                            std::span<AtlasMatch> matches, AtlasFile& atlas) {
    matchCount = 0;
    if (!HasAtlasHeader(atlas)) return AtlasResult::Corrupted;
    std::string_view text = searchText;
    bool shortened = false;
    for (;;) {
        const AtlasResult result = SearchAtlasRegions(text, regionSelector, matchCount, matches, atlas);
        if (result == AtlasResult::Corrupted) return result;
        if (matchCount != 0 || text.empty()) return shortened ? AtlasResult::Shortened : result;
        text.remove_suffix(1);
        shortened = true;
        if (text.empty()) return AtlasResult::Shortened;
    }
}

double AtlasAltitude(const AtlasMatch& match) {
    const double altitude = match.nSecondValue;
    return altitude >= kMinAltitude && altitude <= kMaxAltitude ? altitude : 0.0;
}

AtlasResult FindPlaceInAtlas(std::string_view searchText, std::string_view regionSelector, int& matchCount,
                             std::span<AtlasMatch> matches, const std::string& atlasPath) {
    matchCount = 0;
    // Only a regular file is read: a fifo in the atlas's place would hold the search for ever.
    FileReadResult failure;
    const int fd = OpenRegularFile(atlasPath, failure);
    if (fd < 0) return AtlasResult::Missing;
    const std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(::fdopen(fd, "rb"), &std::fclose);
    if (!file) {
        ::close(fd);
        return AtlasResult::Missing;
    }
    AtlasFile atlas(file.get());
    return SearchOpenAtlas(searchText, regionSelector, matchCount, matches, atlas);
}

AtlasResult CheckAtlasFile(const std::string& atlasPath) {
    // A search that no place name matches walks the header and every region's chain.
    std::array<AtlasMatch, 1> none;
    int count = 0;
    const AtlasResult result = FindPlaceInAtlas("\x7f", "ALL", count, none, atlasPath);
    return result == AtlasResult::Missing || result == AtlasResult::Corrupted ? result
                                                                              : AtlasResult::Finished;
}
