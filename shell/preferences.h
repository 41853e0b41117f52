#pragma once
// Loading and saving the whole option state of the process: start-up initialisation, the preference
// file tavro.ini, and its import and export.
#include <functional>
#include <optional>
#include <string>

#include "shell/preference_storage.h"

extern std::string g_strTavroDirectory; // the installation folder: the parent of the program's folder
extern std::string g_strDataDirectory;  // its "tvcore" folder: ephemeris, atlas and preference file
extern bool g_bPreferencesInitialised;

// The "ephe" folder of the data folder in use (g_strDataDirectory, DataFolder() before it is set): the
// Swiss Ephemeris files the preferences' start and import point the library at.
std::string EphemerisFolderInUse();

// Puts every option in place once, before any chart is cast: folders, the ephemeris path, built-in
// defaults, the preference file over them, the options with side effects and the name tables.
// Callers test g_bPreferencesInitialised first.
void InitPreferences();

// What reading a preference file found.
enum class PreferenceFileState {
    kRead,       // read
    kEmpty,      // the file is there but empty: at start-up a first start, for an import nothing to take
    kMissing,    // there is no file
    kUnreadable, // the file exists but cannot be read: it may still hold the user's settings
    kHoldsNoKey, // the file has text but not one preference in it (damaged, or not a preference file)
};
struct PreferenceFileRead {
    PreferenceFileState state = PreferenceFileState::kRead;
    std::string message; // kUnreadable: the file and the cause; kRead: the values refused, if any
};

// Reads a preference file over the current options; nothing changes when it is missing or cannot be
// read. After a file is read the year range of date fields follows the ephemeris files, the custom
// ayanamsa star is looked up in the star catalogue and the ayanamsa settings are applied.
PreferenceFileRead ReadPreferencesFile(const std::string& path);

// Reads tavro.ini from its place (the user's folder first, then the data folder) and remembers what
// it found for the saves that follow: a file that could not be read is never replaced, and a file that
// held no preference is first kept beside the new one as "tavro.ini.bak". Returns the notice for the
// user: which file could not be used and why, or which of its values lay outside their ranges and
// took their defaults; empty when it was read whole or there was none.
std::string LoadPreferences();

// The notice of the start-up's LoadPreferences; the frame shows it when it is not empty.
extern std::string g_strPreferenceFileNotice;

// What is wrong with the atlas file and the ephemeris folder given, for a message at start-up: each
// file missing or damaged (the star catalogue's faulty lines among them), and what still works
// without it. Empty when all is well.
std::string DataFolderNotice(const std::string& atlasPath, const std::string& ephemerisFolder);

// Writes every key to `path`, whole or not at all; [WindowSizes] only once sizes were saved.
FileWriteResult WritePreferencesFile(const std::string& path);

// Writes tavro.ini to its place (the data folder, or the user's folder when that is not writable),
// creating the user's folder when needed. Refused, with a message, when that file could not be read
// at start-up.
FileWriteResult SavePreferences();

// The file dialog of import (true) and export (false); nullopt when the user cancels.
using PreferenceFileChooser = std::function<std::optional<std::string>(bool forImport)>;

// File > Import preferences: reads the chosen file. The new values take effect where each part next
// reads them; nothing is recalculated. nullopt when cancelled; else what the read found, its message
// saying for the user what was not imported and why (the file missing, unreadable or holding no
// preference, or the values refused); the message is empty when every value was taken.
std::optional<PreferenceFileRead> ImportPreferences(const PreferenceFileChooser& choose);
// File > Export preferences: nullopt when cancelled, else what became of the write.
std::optional<FileWriteResult> ExportPreferences(const PreferenceFileChooser& choose);
