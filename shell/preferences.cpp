#include "shell/preferences.h"

#include <algorithm>
#include <filesystem>
#include <sstream>
#include <vector>

#include "core/atlas.h"
#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/default_air.h"
#include "core/fixed_stars.h"
#include "core/name_selection.h"
#include "core/option_appliers.h"
#include "core/star_catalogue_copy.h"
#include "shell/display_options.h"
#include "shell/ephemeris_range.h"
#include "shell/preference_keys.h"
#include "shell/window_sizes.h"

std::string g_strTavroDirectory;
std::string g_strDataDirectory;
bool g_bPreferencesInitialised = false;
std::string g_strPreferenceFileNotice;

namespace fs = std::filesystem;

namespace {

// The preference file the start read, and what it found there.
struct LoadedPreferenceFile {
    std::string path;
    PreferenceFileState state = PreferenceFileState::kMissing;
};
LoadedPreferenceFile g_loadedFile;

std::string DataFolderInUse() {
    return g_strDataDirectory.empty() ? DataFolder() : g_strDataDirectory;
}

std::string BackupPath(const std::string& path) {
    return path + ".bak";
}

// The date range and the custom-star list follow the ephemeris files of the data folder, which the
// library then works from; the ayanamsa is applied whatever the file held, so that the one read from
// it is in force.
void ApplyEphemerisFolderFacts() {
    const std::string ephemeris = EphemerisFolderInUse();
    const YearRange years = EphemerisYearRange(ephemeris);
    g_nMinYear = years.min;
    g_nMaxYear = years.max;
    LoadFixedStarList(ephemeris);
    ApplyAyanamsaSettings(g_ayanamsaSettings);
}

// The note on values the file held outside their ranges; empty when there were none.
std::string RefusedValuesNote(const std::string& path, const std::vector<std::string>& refused) {
    if (refused.empty()) return {};
    constexpr std::size_t kShown = 10;
    std::string note = "Some values in the preference file \"" + path +
                       "\" lie outside what they accept; their built-in values are used instead:";
    for (std::size_t i = 0; i < std::min(refused.size(), kShown); ++i) note += "\n" + refused[i];
    if (refused.size() > kShown) note += "\n... and " + std::to_string(refused.size() - kShown) + " more.";
    return note;
}

} // namespace

std::string EphemerisFolderInUse() {
    return DataFolderInUse() + "/ephe";
}

PreferenceFileRead ReadPreferencesFile(const std::string& path) {
    const FileReadResult file = ReadFileWhole(path, kPreferenceFileLimit);
    if (file.outcome == FileReadResult::Outcome::kMissing) return {PreferenceFileState::kMissing, {}};
    if (file.outcome == FileReadResult::Outcome::kUnreadable)
        return {PreferenceFileState::kUnreadable, file.message};
    // The file holds the correction as the user entered it, and so must the settings while it is read:
    // the ayanamsa is then chosen from what was read, which makes the Deva-datta shift once, even if the
    // file does not name the correction.
    CDmsAngle entered;
    CopyAyanamsaPrefs(g_ayanamsaSettings, entered);
    g_ayanamsaSettings.m_correction = entered;
    std::istringstream lines(file.text);
    std::vector<std::string> refused;
    const int keyLines = ReadPreferenceLines(lines, PreferenceKeys(), &refused);
    ChooseAyanamsa(g_ayanamsaSettings.m_nAyanamsaId, g_ayanamsaSettings.m_correction);
    ApplyEphemerisFolderFacts();
    if (file.text.empty()) return {PreferenceFileState::kEmpty, {}};
    if (keyLines == 0) return {PreferenceFileState::kHoldsNoKey, {}};
    return {PreferenceFileState::kRead, RefusedValuesNote(path, refused)};
}

std::string DataFolderNotice(const std::string& atlasPath, const std::string& ephemerisFolder) {
    std::string notice;
    const AtlasResult atlas = CheckAtlasFile(atlasPath);
    if (atlas != AtlasResult::Finished) {
        notice = "The atlas of places \"" + atlasPath + "\" is " +
                 (atlas == AtlasResult::Missing ? "missing or cannot be read" : "damaged") +
                 ": places cannot be looked up in the birth data dialog. Their longitude, latitude and "
                 "time zone can still be typed in.";
    }
    for (const std::string& part :
         {EphemerisFolderNotice(ephemerisFolder), StarCatalogueFault(ephemerisFolder)})
        if (!part.empty()) notice += (notice.empty() ? "" : "\n\n") + part;
    return notice;
}

FileWriteResult WritePreferencesFile(const std::string& path) {
    const PreferenceSection withoutSizes[] = {PreferenceSection::kWindowSizes};
    return WriteFileWhole(
        path, FormatPreferences(PreferenceKeys(), g_bWindowSizesSaved
                                                      ? std::span<const PreferenceSection>()
                                                      : std::span<const PreferenceSection>(withoutSizes)));
}

std::string LoadPreferences() {
    g_loadedFile.path = PreferencesPathForReading(DataFolderInUse(), UserPreferencesFolder());
    const PreferenceFileRead read = ReadPreferencesFile(g_loadedFile.path);
    g_loadedFile.state = read.state;
    // Without a file the date fields and the star list must still fit the ephemeris.
    if (read.state == PreferenceFileState::kMissing || read.state == PreferenceFileState::kUnreadable)
        ApplyEphemerisFolderFacts();
    switch (read.state) {
    case PreferenceFileState::kUnreadable:
        return read.message + "\nThe built-in preferences are used, and this file is left as it is.";
    case PreferenceFileState::kHoldsNoKey:
        return "The preference file \"" + g_loadedFile.path +
               "\" holds no preferences; the built-in ones are used. The file is kept as \"" +
               BackupPath(g_loadedFile.path) + "\" when the preferences are saved.";
    case PreferenceFileState::kRead:
        return read.message;
    case PreferenceFileState::kEmpty:
    case PreferenceFileState::kMissing:
        break;
    }
    return {};
}

FileWriteResult SavePreferences() {
    const std::string path = PreferencesPathForWriting(DataFolderInUse(), UserPreferencesFolder());
    if (const FileWriteResult folder = CreateFolder(fs::path(path).parent_path().string()); !folder.ok)
        return folder;
    const bool loadedHere = path == g_loadedFile.path;
    if (loadedHere && g_loadedFile.state == PreferenceFileState::kUnreadable) {
        return {false, "The preferences were not saved: \"" + path +
                           "\" could not be read at start-up and is left as it is."};
    }
    if (loadedHere && g_loadedFile.state == PreferenceFileState::kHoldsNoKey) {
        const FileReadResult old = ReadFileWhole(path, kPreferenceFileLimit);
        if (old.outcome == FileReadResult::Outcome::kUnreadable) return {false, old.message};
        if (old.outcome == FileReadResult::Outcome::kRead) {
            if (const FileWriteResult kept = WriteFileWhole(BackupPath(path), old.text); !kept.ok)
                return kept;
        }
    }
    const FileWriteResult written = WritePreferencesFile(path);
    if (written.ok && loadedHere) g_loadedFile.state = PreferenceFileState::kRead; // the file is ours now
    return written;
}

void InitPreferences() {
    g_strTavroDirectory = InstallationFolder();
    InitialiseEphemeris();
    g_strDataDirectory = DataFolder();

    ApplyPreferenceDefaults(PreferenceKeys());
    g_dDefaultPressure = kDefaultAirPressure;
    g_dDefaultTemperature = kDefaultAirTemperature;
    g_nDefaultGender = 0;
    ApplyAyanamsaSettings(g_ayanamsaSettings);

    g_strPreferenceFileNotice = LoadPreferences();

    ApplyRahuKetuExaltationOption(g_bNodalExaltationParasara);
    ApplyTableOption(g_bPushkaraBhagaJP);
    SelectNameTables(g_bSanskritPlanetNames, g_bSanskritRasiNames);
    g_bPreferencesInitialised = true;
}

std::optional<PreferenceFileRead> ImportPreferences(const PreferenceFileChooser& choose) {
    const auto chosen = choose(true);
    if (!chosen) return std::nullopt;
    const std::string path = WithIniExtension(*chosen);
    PreferenceFileRead read = ReadPreferencesFile(path);
    switch (read.state) {
    case PreferenceFileState::kMissing:
        read.message = "Cannot read \"" + path + "\": there is no such file. No preference was imported.";
        break;
    case PreferenceFileState::kUnreadable:
        read.message += "\nNo preference was imported.";
        break;
    case PreferenceFileState::kEmpty:
        read.message = "\"" + path + "\" is empty; no preference was imported.";
        break;
    case PreferenceFileState::kHoldsNoKey:
        read.message = "\"" + path + "\" holds no preferences; none was imported.";
        break;
    case PreferenceFileState::kRead:
        break;
    }
    return read;
}

std::optional<FileWriteResult> ExportPreferences(const PreferenceFileChooser& choose) {
    const auto path = choose(false);
    if (!path) return std::nullopt;
    return WritePreferencesFile(WithIniExtension(*path));
}
