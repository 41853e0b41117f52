#include "core/atlas_file.h"

AtlasFile::AtlasFile(std::FILE* file) : m_file(file) {
    if (std::fseek(m_file, 0, SEEK_END) == 0) {
        const long end = std::ftell(m_file);
        if (end > 0) m_size = static_cast<std::uint64_t>(end);
    }
    std::fseek(m_file, 0, SEEK_SET);
}

bool AtlasFile::Seek(std::uint64_t position) {
    if (position > m_size) return false;
    if (position == m_position) return true;
    if (std::fseek(m_file, static_cast<long>(position), SEEK_SET) != 0) return false;
    m_position = position;
    return true;
}

std::optional<std::uint8_t> AtlasFile::ReadByte() {
    if (AtEnd()) return std::nullopt;
    const int c = std::getc(m_file);
    if (c == EOF) return std::nullopt;
    ++m_position;
    return static_cast<std::uint8_t>(c);
}

std::optional<std::uint32_t> AtlasFile::ReadBigEndian32() {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        const auto byte = ReadByte();
        if (!byte) return std::nullopt;
        value = (value << 8) | *byte;
    }
    return value;
}

bool AtlasFile::ReadText(std::size_t count, std::string& text) {
    if (count > m_size - m_position) return false;
    text.resize(count);
    if (count > 0 && std::fread(text.data(), 1, count, m_file) != count) {
        std::fseek(m_file, static_cast<long>(m_position), SEEK_SET); // keep the stream where we think it is
        return false;
    }
    m_position += count;
    return true;
}
