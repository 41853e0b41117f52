#include "platform/archive.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

#include <sys/stat.h>

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

DocumentStatus ReadWholeFile(const std::string& path, std::string& bytes) {
    const auto failure = [&path](const std::string& why) {
        return DocumentStatus::Failure("Cannot read \"" + path + "\": " + why);
    };
    // An ifstream opens a folder without complaint and then reads nothing; say what it is instead.
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) return failure(std::strerror(errno));
    if (S_ISDIR(info.st_mode)) return failure(std::strerror(EISDIR));

    std::ifstream file(path, std::ios::binary);
    if (!file) return failure(std::strerror(errno));
    std::ostringstream contents;
    contents << file.rdbuf();
    if (file.bad()) return failure("the file could not be read to its end");
    bytes = std::move(contents).str();
    return {};
}
