// The document tests start from the built-in preferences, whatever preference file the build tree or
// the user's folder holds, with the ephemeris pointed at the build tree's data folder.
#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"

int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("kh-document-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    InitPreferences();
    ApplyPreferenceDefaults(PreferenceKeys());
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    std::filesystem::remove_all(config);
    const int rc = RUN_ALL_TESTS();
    CloseEphemeris();
    return rc;
}
