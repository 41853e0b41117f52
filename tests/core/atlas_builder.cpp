#include "tests/core/atlas_builder.h"

#include <cctype>
#include <cmath>
#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "core/region_table.h"

namespace {

constexpr std::uint8_t kEndOfList = 0x80;
constexpr std::uint8_t kEndOfBlock = 0x40;

void AppendBigEndian32(std::string& out, std::uint32_t value, std::uint8_t flags = 0) {
    out.push_back(static_cast<char>(((value >> 24) & 0xFF) | flags));
    out.push_back(static_cast<char>((value >> 16) & 0xFF));
    out.push_back(static_cast<char>((value >> 8) & 0xFF));
    out.push_back(static_cast<char>(value & 0xFF));
}

void AppendByte(std::string& out, int value) {
    out.push_back(static_cast<char>(value));
}

void AppendBigEndian16(std::string& out, int value) {
    AppendByte(out, (value >> 8) & 0xFF);
    AppendByte(out, value & 0xFF);
}

void AppendAngle(std::string& out, double value, bool positiveFlag) {
    const long seconds = std::lround(std::fabs(value) * 3600);
    AppendByte(out, static_cast<int>(seconds / 3600));
    AppendByte(out, static_cast<int>((seconds % 3600) / 60) | (positiveFlag ? 0x80 : 0));
    AppendByte(out, static_cast<int>(seconds % 60));
}

void AppendPlace(std::string& out, const TestPlace& p) {
    AppendByte(out, static_cast<int>(p.name.size()));
    out += p.name;
    AppendBigEndian16(out, p.firstValue);
    AppendAngle(out, p.longitude, p.longitude >= 0);
    AppendAngle(out, p.latitude, p.latitude >= 0);
    AppendBigEndian16(out, p.secondValue);
    AppendByte(out, static_cast<int>(std::lround(p.standardZone * 4)));
    AppendByte(out, static_cast<int>(std::lround(p.daylightZone * 4)));
}

char Initial(const TestPlace& p) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(p.name[0])));
}

std::string LetterGroups(const std::vector<TestPlace>& places) {
    std::map<char, std::string> records;
    for (const TestPlace& p : places) AppendPlace(records[Initial(p)], p);
    std::string out;
    for (auto it = records.begin(); it != records.end(); ++it) {
        const bool last = std::next(it) == records.end();
        AppendBigEndian32(out, last ? 0 : static_cast<std::uint32_t>(6 + it->second.size()), kEndOfList);
        AppendByte(out, 1);
        AppendByte(out, it->first);
        out += it->second;
    }
    return out;
}

} // namespace

AtlasBuilder& AtlasBuilder::Add(std::string_view regionCode, TestPlace place) {
    m_places[std::string(regionCode)].push_back(std::move(place));
    return *this;
}

std::string AtlasBuilder::Build() const {
    std::string out = "Kalomithra Hora";
    AppendBigEndian32(out, 1);
    out.resize(kAtlasOffsetTable + 4 * kRegionCount, '\0');
    std::vector<std::uint32_t> nodeOf(kRegionCount, 0);
    for (const auto& [code, places] : m_places) {
        const auto row = FindRegionRow(code);
        if (!row) continue;
        nodeOf[*row] = static_cast<std::uint32_t>(out.size());
        const std::string groups = LetterGroups(places);
        AppendBigEndian32(out, static_cast<std::uint32_t>(5 + code.size() + groups.size()),
                          kEndOfList | kEndOfBlock);
        AppendByte(out, static_cast<int>(code.size()));
        out += code;
        out += groups;
    }
    const auto endOfChain = static_cast<std::uint32_t>(out.size());
    AppendBigEndian32(out, 0, kEndOfList | kEndOfBlock);
    AppendByte(out, 0);
    for (int row = 0; row < kRegionCount; ++row)
        WriteBigEndian32(out, kAtlasOffsetTable + 4 * row, nodeOf[row] ? nodeOf[row] : endOfChain);
    return out;
}

std::uint32_t ReadBigEndian32(const std::string& bytes, std::size_t at) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < 4; ++i) value = (value << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return value;
}

void WriteBigEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i) bytes[at + i] = static_cast<char>((value >> (24 - 8 * i)) & 0xFF);
}

TestFile::TestFile(const std::string& fileName, const std::string& bytes)
    // The process id keeps tests that ctest runs side by side apart.
    : m_path(
          (std::filesystem::temp_directory_path() / (fileName + "." + std::to_string(::getpid()))).string()) {
    std::ofstream(m_path, std::ios::binary | std::ios::trunc) << bytes;
}

TestFile::~TestFile() {
    std::error_code ignored;
    std::filesystem::remove(m_path, ignored);
}
