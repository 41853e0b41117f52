#include "shell/ephemeris_range.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <unistd.h>

#include "core/damaged_ephemeris_files.h"
#include "core/data_folder.h"
#include "core/julian_day.h"
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

// Names of the planet or moon file of the six centuries that start at `year` (a multiple of 600).
std::string FileName(int year, bool moon) {
    char name[32];
    const bool bc = year < 0;
    std::snprintf(name, sizeof name,
                  moon ? (bc ? "semom%02d.se1" : "semo_%02d.se1") : (bc ? "seplm%02d.se1" : "sepl_%02d.se1"),
                  (bc ? -year : year) / 100);
    return name;
}

// Planet and moon files of the six centuries that start at `year`.
bool HasFilePair(const std::string& folder, int year) {
    const std::filesystem::path dir(folder);
    return Readable(dir / FileName(year, false)) && Readable(dir / FileName(year, true));
}

// "\n" and the file of the six centuries from `year` that the library cannot read, which is added to
// `damaged`; empty when it reads both. The moon file is read with the planet file, so it is asked about
// only when that one is sound, read alone at a moment the built-in Moon covers. Where it covers none,
// the two are read together, and a failure names both.
std::string DamagedFileFault(const std::string& folder, int year, std::vector<std::string>& damaged) {
    const std::filesystem::path dir(folder);
    const double start = JulianDay(year, 1, 1, 0.0, kGregorianCalendar);
    const double end = JulianDay(year + kYearsPerFile, 1, 1, 0.0, kGregorianCalendar);
    const double from = std::max(start, kBuiltInMoonFirstJd), to = std::min(end, kBuiltInMoonLastJd);
    const auto quoted = [&dir, year](bool moon) {
        return "\"" + (dir / FileName(year, moon)).string() + "\"";
    };
    if (from < to) {
        const double probe = (from + to) / 2.0;
        const bool planetServes = PlanetFileServes((dir / FileName(year, false)).string(), probe);
        if (planetServes && MoonFileServes(folder, probe)) return {};
        const bool moon = planetServes;
        damaged.push_back(FileName(year, moon));
        return "\n" + quoted(moon) + " is damaged";
    }
    if (MoonFileServes(folder, (start + end) / 2.0)) return {};
    return "\n" + quoted(false) + " or " + quoted(true) + " is damaged";
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

std::string EphemerisFolderNotice(const std::string& folder) {
    std::string faults;
    std::vector<std::string> damaged;
    bool anyFile = false;
    for (int year = kFirstFileYear; year <= kLastFileYear; year += kYearsPerFile) {
        const std::string years =
            " (years " + std::to_string(year) + " to " + std::to_string(year + kYearsPerFile - 1) + ")";
        // Planet file first, moon file second: present, and a regular file that opens.
        bool present[2] = {false, false}, regular[2] = {false, false};
        for (const bool moon : {false, true}) {
            const std::string path = (std::filesystem::path(folder) / FileName(year, moon)).string();
            std::error_code ec;
            present[moon] = std::filesystem::exists(std::filesystem::symlink_status(path, ec));
            if (!present[moon]) continue;
            anyFile = true;
            FileReadResult failure;
            const int fd = OpenRegularFile(path, failure);
            regular[moon] = fd >= 0;
            if (regular[moon])
                ::close(fd);
            else
                faults += "\n" + failure.message + years;
        }
        if (present[0] != present[1]) {
            faults += "\n\"" + FileName(year, !present[1]) + "\" is missing beside \"" +
                      FileName(year, present[1]) + "\"" + years;
        }
        if (!regular[0] || !regular[1]) continue; // the library is not let near a special file
        if (const std::string fault = DamagedFileFault(folder, year, damaged); !fault.empty())
            faults += fault + years;
    }
    RememberDamagedEphemerisFiles(folder, std::move(damaged));
    if (!anyFile)
        return "The ephemeris folder \"" + folder +
               "\" holds no Swiss Ephemeris files. Positions come from the library's built-in ephemeris, "
               "which is less precise, and dates run from 2900 BC to AD 2800 only.";
    if (faults.empty()) return {};
    return "Some Swiss Ephemeris files in \"" + folder + "\" cannot be used:" + faults +
           "\nCharts of those years cannot be calculated, or take the Moon or the planets from the library's "
           "built-in ephemeris, which is less precise; charts of all other years are calculated as usual.";
}
