#pragma once
// What the update check decides without the network: the release information file's two tokens and
// the comparison of dotted version numbers ("8.1.0.2", "9", "8.1": up to four decimal fields, missing
// trailing fields counting as 0).
#include <optional>
#include <string>
#include <string_view>

// The version of this program, in the information file's form.
inline constexpr const char* kProgramVersion = "8.0.0.0";
// The information file is read to its end up to this many bytes; a longer one is not an information file.
inline constexpr int kUpdateInfoMaxBytes = 4096;

// True when every character is '0' to '9' (an empty text is all digits).
bool IsAllDigits(std::string_view text);

// 1 when `a` is newer than `b`, -1 when older, 0 when equal; -21 when `a` is malformed and -22 when `b`
// is (no field, more than four fields, a field with anything but digits or more than nine of them, or a
// text longer than four such fields and their dots). Empty fields between dots are skipped.
int CompareVersions(std::string_view a, std::string_view b);

// The release's label and version: the first two whitespace-separated tokens of the file.
struct UpdateInfo {
    std::string label;
    std::string version;
};
// Nothing when the text holds fewer than two tokens.
std::optional<UpdateInfo> ParseUpdateInfo(std::string_view text);
