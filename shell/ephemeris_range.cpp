#include "shell/ephemeris_range.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

#include "core/whole_file.h"

namespace {

constexpr YearRange kLongRange = {-12900, 16600};
constexpr YearRange kWithoutFiles = {-2900, 2800};
constexpr int kYearsPerFile = 600; // each Swiss Ephemeris file covers six centuries
constexpr int kFirstFileYear = -13200;
constexpr int kLastFileYear = 16800; // start of the last file of the long range (sepl_168)

// A regular file that opens: a fifo in the folder is never waited on.
bool Readable(const std::filesystem::path& path) {
    FileReadResult failure;
    const int fd = OpenRegularFile(path.string(), failure);
    if (fd >= 0) ::close(fd);
    return fd >= 0;
}

// Planet and moon files of the six centuries that start at `year` (a multiple of 600).
bool HasFilePair(const std::string& folder, int year) {
    char planets[32], moon[32];
    const bool bc = year < 0;
    std::snprintf(planets, sizeof planets, bc ? "seplm%02d.se1" : "sepl_%02d.se1", (bc ? -year : year) / 100);
    std::snprintf(moon, sizeof moon, bc ? "semom%02d.se1" : "semo_%02d.se1", (bc ? -year : year) / 100);
    const std::filesystem::path dir(folder);
    return Readable(dir / planets) && Readable(dir / moon);
}

} // namespace

YearRange EphemerisYearRange(const std::string& folder) {
    const std::filesystem::path dir(folder);
    if (Readable(dir / "seplm132.se1") && Readable(dir / "semom132.se1") && Readable(dir / "sepl_162.se1") &&
        Readable(dir / "semo_162.se1"))
        return kLongRange;

    constexpr int kPresent = 1800; // sepl_18 holds today's dates
    if (!HasFilePair(folder, kPresent)) return kWithoutFiles;
    int first = kPresent, last = kPresent;
    while (first - kYearsPerFile >= kFirstFileYear && HasFilePair(folder, first - kYearsPerFile))
        first -= kYearsPerFile;
    while (last + kYearsPerFile <= kLastFileYear && HasFilePair(folder, last + kYearsPerFile))
        last += kYearsPerFile;
    return {std::clamp(first + 100, kLongRange.min, kWithoutFiles.min),
            std::clamp(last + kYearsPerFile - 200, kWithoutFiles.max, kLongRange.max)};
}
