#include "core/damaged_ephemeris_files.h"

#include <algorithm>
#include <filesystem>

#include "core/data_folder.h"

namespace {

std::string g_checkedFolder;
std::vector<std::string> g_damaged; // file names in g_checkedFolder

constexpr std::string_view kBefore = "Ephemeris file ";
constexpr std::string_view kAfter = " is damaged";

bool Damaged(const std::string& fileName) {
    return std::find(g_damaged.begin(), g_damaged.end(), fileName) != g_damaged.end();
}

// The moon file of a planet file's centuries and the other way round ("sepl_18.se1", "semo_18.se1");
// empty for any other file.
std::string Partner(const std::string& fileName) {
    for (const auto& [from, to] : {std::pair{"sepl", "semo"}, std::pair{"semo", "sepl"}}) {
        if (fileName.starts_with(from)) return to + fileName.substr(4);
    }
    return {};
}

} // namespace

void RememberDamagedEphemerisFiles(const std::string& ephemerisFolder, std::vector<std::string> fileNames) {
    g_checkedFolder = ephemerisFolder;
    g_damaged = std::move(fileNames);
}

std::string NamingTheDamagedFile(const std::string& libraryMessage) {
    const std::size_t start = libraryMessage.find(kBefore);
    if (start == std::string::npos) return libraryMessage;
    const std::size_t pathStart = start + kBefore.size();
    const std::size_t pathEnd = libraryMessage.find(kAfter, pathStart);
    if (pathEnd == std::string::npos) return libraryMessage;
    const std::filesystem::path said = libraryMessage.substr(pathStart, pathEnd - pathStart);
    // The library names the file in the folder of its path, which is a link in the private folder where
    // the ephemeris folder's own path is one it cannot take: the user is told of the ephemeris folder.
    const std::filesystem::path folder = LibraryEphemerisFolder();
    const std::string blamed = said.filename().string();
    const std::string partner = Partner(blamed);
    const bool partnerDamaged = !g_damaged.empty() && g_checkedFolder == folder.string() &&
                                !partner.empty() && !Damaged(blamed) && Damaged(partner);
    if (!partnerDamaged) {
        if (said.parent_path() == folder) return libraryMessage;
        return libraryMessage.substr(0, pathStart) + (folder / blamed).string() +
               libraryMessage.substr(pathEnd);
    }
    // The library's sentence runs to its full stop, with the code of its check in brackets.
    const std::size_t stop = libraryMessage.find('.', pathEnd + kAfter.size());
    const std::size_t end = stop == std::string::npos ? libraryMessage.size() : stop + 1;
    return libraryMessage.substr(0, start) + std::string(kBefore) + (folder / partner).string() +
           std::string(kAfter) + "." + libraryMessage.substr(end);
}
