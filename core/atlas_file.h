#pragma once
// Bounds-checked reading of an open atlas file. Every read and seek is checked against the file's
// size, so a damaged file fails a read instead of running past its end or looping.
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

class AtlasFile {
public:
    // Reads from `file` (opened for binary reading, not owned); its size is taken once here.
    explicit AtlasFile(std::FILE* file);

    std::uint64_t Size() const { return m_size; }
    std::uint64_t Position() const { return m_position; }
    bool AtEnd() const { return m_position >= m_size; }

    // False (and the position unchanged) when `position` lies past the end of the file.
    bool Seek(std::uint64_t position);
    std::optional<std::uint8_t> ReadByte();
    std::optional<std::uint32_t> ReadBigEndian32();
    // Reads `count` bytes into `text`; false when the file ends first.
    bool ReadText(std::size_t count, std::string& text);

private:
    std::FILE* m_file;
    std::uint64_t m_size = 0;
    std::uint64_t m_position = 0;
};
