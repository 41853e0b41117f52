#include "platform/archive.h"

CArchive::CArchive(Mode mode, std::string bytes, std::string fileName)
    : m_mode(mode), m_bytes(std::move(bytes)), m_fileName(std::move(fileName)) {}

CArchive CArchive::ForLoading(std::string bytes, std::string fileName) {
    return CArchive(Mode::kLoad, std::move(bytes), std::move(fileName));
}

CArchive CArchive::ForStoring(std::string fileName) {
    return CArchive(Mode::kStore, {}, std::move(fileName));
}

std::string CArchive::ReadAll() {
    std::string rest = m_bytes.substr(m_readPosition);
    m_readPosition = m_bytes.size();
    return rest;
}

void CArchive::Write(std::string_view bytes) {
    m_bytes.append(bytes);
}
