#pragma once
// Starts from the built-in preferences and display fonts, whatever preference file the build tree or
// the user's folder holds: the preference folder is an empty temporary one while they load. Shared by
// the pane tests and the pane bench.
#include <filesystem>
#include <string>

#include <unistd.h>

#include "core/ayanamsa.h"
#include "shell/display_fonts.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"

// `tag` names the temporary folder.
inline void UseBuiltInPreferences(const std::string& tag) {
    const std::filesystem::path config =
        std::filesystem::temp_directory_path() / (tag + "-" + std::to_string(::getpid()));
    std::filesystem::create_directories(config);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
    InitPreferences();
    ApplyPreferenceDefaults(PreferenceKeys());
    ApplyAyanamsaSettings(g_ayanamsaSettings);
    CreateDisplayFonts();
    std::filesystem::remove_all(config);
}
