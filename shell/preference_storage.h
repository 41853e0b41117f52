#pragma once
// Where the preference file lives and how it is written: whole or not at all.
#include <string>

// What became of a write; the frame shows the message when it fails.
struct FileWriteResult {
    bool ok = true;
    std::string message; // empty when ok, else what failed and why
};

// Writes `text` to a temporary file beside `path` and renames it over `path`, so a failed or
// interrupted write leaves the previous file as it was.
FileWriteResult WriteFileWhole(const std::string& path, const std::string& text);

constexpr const char* kPreferenceFileName = "tavro.ini";

// The user's own copy: $XDG_CONFIG_HOME (else ~/.config) followed by "/kalomithra-hora".
std::string UserPreferencesFolder();

// An installed copy under /usr has a data folder the user cannot write. Its preferences are then
// kept in the user's folder: reading looks there first, and once a file exists there every save
// goes there too, so what was saved is what the next start reads.
std::string PreferencesPathForReading(const std::string& dataFolder, const std::string& userFolder);
std::string PreferencesPathForWriting(const std::string& dataFolder, const std::string& userFolder);

// A name chosen for import or export without ".ini" in it gets ".ini" appended.
std::string WithIniExtension(const std::string& name);
