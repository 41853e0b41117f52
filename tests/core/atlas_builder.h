#pragma once
// Builds small atlas files for tests and the reader's fuzz target, in the layout of core/atlas.h:
// one node per region, a letter group per initial, the last group and the closing node of size 0.
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

struct TestPlace {
    std::string name;
    double longitude = 0;                      // degrees, positive east
    double latitude = 0;                       // degrees, positive north
    double standardZone = 0, daylightZone = 0; // hours, positive east (whole quarter hours)
    int firstValue = 0, secondValue = 0;
};

class AtlasBuilder {
public:
    // Places are written in the order they are added, grouped by their upper-cased initial.
    AtlasBuilder& Add(std::string_view regionCode, TestPlace place);
    // The file's bytes.
    std::string Build() const;

private:
    std::map<std::string, std::vector<TestPlace>, std::less<>> m_places;
};

// Byte offsets into a built atlas, for tests that damage one field.
inline constexpr std::size_t kAtlasVersionOffset = 15;
inline constexpr std::size_t kAtlasOffsetTable = 100;

std::uint32_t ReadBigEndian32(const std::string& bytes, std::size_t at);
void WriteBigEndian32(std::string& bytes, std::size_t at, std::uint32_t value);

// A file in the test's temporary folder holding `bytes`, removed when the object goes.
class TestFile {
public:
    TestFile(const std::string& fileName, const std::string& bytes);
    ~TestFile();
    TestFile(const TestFile&) = delete;
    TestFile& operator=(const TestFile&) = delete;

    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};
