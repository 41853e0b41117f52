// The pane tests start a QApplication (offscreen unless told otherwise) and the built-in preferences,
// whatever preference file the build tree or the user's folder holds.
#include <QApplication>
#include <filesystem>

#include <gtest/gtest.h>
#include <unistd.h>

#include "core/ayanamsa.h"
#include "core/data_folder.h"
#include "shell/display_fonts.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"

int main(int argc, char** argv) {
    // Test discovery runs the binary at build time, where no display may exist.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / ("kh-views-tests-" + std::to_string(::getpid()));
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    InitPreferences();
    ApplyPreferenceDefaults(PreferenceKeys());
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CreateDisplayFonts();
    std::filesystem::remove_all(config);
    const int rc = RUN_ALL_TESTS();
    CloseEphemeris();
    return rc;
}
