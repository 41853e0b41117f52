#pragma once
// The 125 numbered colour settings every pane draws with: preference key, colour-dialog description,
// kind (which sample the dialog shows) and built-in default, grouped by pane family for the dialog.
#include <array>

#include "platform/color_ref.h"

constexpr ColorRef kLargestColorRef = 0xFFFFFF;

enum ColorKind { kTextColor = 0, kLineColor = 1, kFillColor = 2 };

constexpr int kColorCount = 125;
constexpr int kColorGroupCount = 13;

// Colours in use, read by every view by setting number.
extern std::array<ColorRef, kColorCount> g_colors;
// Last accepted colours: what the preference file receives and what a cancelled dialog returns to.
extern std::array<ColorRef, kColorCount> g_savedColors;

extern const std::array<ColorRef, kColorCount> g_defaultColors;
extern const std::array<ColorKind, kColorCount> g_colorKinds;
extern const std::array<const char*, kColorCount> g_colorIniKeys;
extern const std::array<const char*, kColorCount> g_colorDescriptions;

// Groups in the order of the colour dialog's list; each covers settings first..last (inclusive).
struct ColorGroupRange {
    int first;
    int last;
};
extern const std::array<const char*, kColorGroupCount> g_colorGroups;
extern const std::array<ColorGroupRange, kColorGroupCount> g_colorGroupRanges;

// The colour dialog ended with OK: the colours in use become the saved ones.
void AcceptColors();
// The colour dialog was cancelled: every colour tried in it returns to its saved value.
void RevertColors();
