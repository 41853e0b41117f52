#pragma once
// Where the preference file lives. It is written whole or not at all (core/whole_file.h).
#include <string>

#include "core/whole_file.h"

constexpr const char* kPreferenceFileName = "tavro.ini";
// Preference files hold some tens of kilobytes: a file past four megabytes is none and is not read.
inline constexpr FileSizeLimit kPreferenceFileLimit = {4 << 20, "a preference file"};

// The user's own copy: $XDG_CONFIG_HOME (else ~/.config) followed by "/kalomithra-hora".
std::string UserPreferencesFolder();

// An installed copy under /usr has a data folder the user cannot write. Its preferences are then
// kept in the user's folder: reading looks there first, and once a file exists there every save
// goes there too, so what was saved is what the next start reads. The folder of the path for
// writing may not exist yet: the caller creates it (CreateFolder).
std::string PreferencesPathForReading(const std::string& dataFolder, const std::string& userFolder);
std::string PreferencesPathForWriting(const std::string& dataFolder, const std::string& userFolder);

// A name chosen for import or export without ".ini" in it gets ".ini" appended.
std::string WithIniExtension(const std::string& name);
