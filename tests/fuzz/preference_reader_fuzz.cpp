// libFuzzer entry for the preference reader: any bytes read as tavro.ini must leave the options in a
// state that the writer saves and the reader takes back unchanged.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>

#include "shell/preference_keys.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    ApplyPreferenceDefaults(PreferenceKeys());
    std::istringstream damaged(std::string(reinterpret_cast<const char*>(data), size));
    ReadPreferenceLines(damaged, PreferenceKeys());

    const std::string saved = FormatPreferences(PreferenceKeys());
    std::istringstream again(saved);
    ReadPreferenceLines(again, PreferenceKeys());
    if (FormatPreferences(PreferenceKeys()) != saved) std::abort();
    return 0;
}
