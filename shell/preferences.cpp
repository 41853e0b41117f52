#include "shell/preferences.h"

#include <fstream>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/default_air.h"
#include "core/fixed_stars.h"
#include "core/name_selection.h"
#include "core/option_appliers.h"
#include "shell/display_options.h"
#include "shell/ephemeris_range.h"
#include "shell/preference_keys.h"
#include "shell/window_sizes.h"

std::string g_strTavroDirectory;
std::string g_strDataDirectory;
bool g_bPreferencesInitialised = false;

namespace {

// The date range and the custom-star list follow the installed ephemeris files; the ayanamsa is
// applied whatever the file held, so that the one read from it is in force.
void ApplyEphemerisFolderFacts() {
    const YearRange years = EphemerisYearRange(EphemerisFolder());
    g_nMinYear = years.min;
    g_nMaxYear = years.max;
    LoadFixedStarList();
    ApplyAyanamsaSettings(g_ayanamsaSettings);
}

} // namespace

bool ReadPreferencesFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    // The file holds the correction as the user entered it, and so must the settings while it is read:
    // the ayanamsa is then chosen from what was read, which makes the Deva-datta shift once, even if the
    // file does not name the correction.
    CDmsAngle entered;
    CopyAyanamsaPrefs(g_ayanamsaSettings, entered);
    g_ayanamsaSettings.m_correction = entered;
    ReadPreferenceLines(file, PreferenceKeys());
    file.close();
    ChooseAyanamsa(g_ayanamsaSettings.m_nAyanamsaId, g_ayanamsaSettings.m_correction);
    ApplyEphemerisFolderFacts();
    return true;
}

FileWriteResult WritePreferencesFile(const std::string& path) {
    const PreferenceSection withoutSizes[] = {PreferenceSection::kWindowSizes};
    return WriteFileWhole(
        path, FormatPreferences(PreferenceKeys(), g_bWindowSizesSaved
                                                      ? std::span<const PreferenceSection>()
                                                      : std::span<const PreferenceSection>(withoutSizes)));
}

FileWriteResult SavePreferences() {
    const std::string dataFolder = g_strDataDirectory.empty() ? DataFolder() : g_strDataDirectory;
    return WritePreferencesFile(PreferencesPathForWriting(dataFolder, UserPreferencesFolder()));
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

    // A first start has no preference file, yet its date fields and star list must fit the ephemeris.
    if (!ReadPreferencesFile(PreferencesPathForReading(g_strDataDirectory, UserPreferencesFolder())))
        ApplyEphemerisFolderFacts();

    ApplyRahuKetuExaltationOption(g_bNodalExaltationParasara);
    ApplyTableOption(g_bPushkaraBhagaJP);
    SelectNameTables(g_bSanskritPlanetNames, g_bSanskritRasiNames);
    g_bPreferencesInitialised = true;
}

bool ImportPreferences(const PreferenceFileChooser& choose) {
    const auto path = choose(true);
    return path && ReadPreferencesFile(WithIniExtension(*path));
}

std::optional<FileWriteResult> ExportPreferences(const PreferenceFileChooser& choose) {
    const auto path = choose(false);
    if (!path) return std::nullopt;
    return WritePreferencesFile(WithIniExtension(*path));
}
