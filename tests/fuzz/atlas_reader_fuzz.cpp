// Feeds the atlas reader damaged files, two per input: the input itself, and a small valid atlas
// with the input laid over it as (2-byte position, value) patches, cut short by a remaining byte, so
// that damage deep inside the node and letter-group structure is reached quickly.
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "core/atlas.h"
#include "tests/core/atlas_builder.h"

namespace {

const std::string& ValidAtlas() {
    static const std::string bytes =
        AtlasBuilder()
            .Add("IN", {.name = "Chennai", .longitude = 80.3, .latitude = 13.1})
            .Add("IN", {.name = "Mumbai", .longitude = 72.9, .latitude = 19.1})
            .Add("IN", {.name = "New Delhi", .longitude = 77.2, .latitude = 28.6})
            .Add("IN", {.name = "Nagpur", .longitude = 79.1, .latitude = 21.1})
            .Add("UK", {.name = "London", .longitude = -0.1, .latitude = 51.5})
            .Add("USNJ", {.name = "Newark", .longitude = -74.2, .latitude = 40.7})
            .Build();
    return bytes;
}

void SearchEverything(std::string& bytes) {
    if (bytes.empty()) return; // fmemopen needs a buffer; the empty file has its own unit test
    std::FILE* file = fmemopen(bytes.data(), bytes.size(), "rb");
    if (!file) return;
    AtlasFile atlas(file);
    std::vector<AtlasMatch> matches(1000);
    for (const char* selector : {"ALL", "IN", "US"}) {
        for (const char* text : {"", "n", "New", "zq"}) {
            int count = 0;
            SearchOpenAtlas(text, selector, count, matches, atlas);
        }
    }
    int count = 0;
    SearchOpenAtlas("", "ALL", count, std::span(matches).first(2), atlas);
    std::fclose(file);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string raw(reinterpret_cast<const char*>(data), size);
    SearchEverything(raw);

    std::string patched = ValidAtlas();
    std::size_t i = 0;
    for (; i + 3 <= size; i += 3)
        patched[((data[i] << 8) | data[i + 1]) % patched.size()] = static_cast<char>(data[i + 2]);
    if (i < size) patched.resize(patched.size() * data[i] / 256);
    SearchEverything(patched);
    return 0;
}
