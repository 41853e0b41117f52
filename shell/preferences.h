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

// Puts every option in place once, before any chart is cast: folders, the ephemeris path, built-in
// defaults, the preference file over them, the options with side effects and the name tables.
// Callers test g_bPreferencesInitialised first.
void InitPreferences();

// Reads a preference file over the current options; false when it cannot be opened (nothing
// changes then). After a file is read the year range of date fields follows the ephemeris files,
// the custom ayanamsa star is looked up in the star catalogue and the ayanamsa settings are applied.
bool ReadPreferencesFile(const std::string& path);

// Writes every key to `path`, whole or not at all; [WindowSizes] only once sizes were saved.
FileWriteResult WritePreferencesFile(const std::string& path);

// Writes tavro.ini to its place (the data folder, or the user's folder when that is not writable).
FileWriteResult SavePreferences();

// The file dialog of import (true) and export (false); nullopt when the user cancels.
using PreferenceFileChooser = std::function<std::optional<std::string>(bool forImport)>;

// File > Import preferences: reads the chosen file. The new values take effect where each part next
// reads them; nothing is recalculated. False when cancelled or the file cannot be opened.
bool ImportPreferences(const PreferenceFileChooser& choose);
// File > Export preferences: nullopt when cancelled, else what became of the write.
std::optional<FileWriteResult> ExportPreferences(const PreferenceFileChooser& choose);
