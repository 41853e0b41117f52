#pragma once
// The keys of tavro.ini in file order, each bound to its option global with its built-in default.
#include <span>

#include "shell/preference_engine.h"

std::span<const PreferenceKey> PreferenceKeys();

// The key of that name; null when there is none.
const PreferenceKey* FindPreferenceKey(std::string_view name);
