#include "analysis/koota_matching.h"

namespace {

constexpr int kPadaCount = 108;
constexpr int kPadasPerSign = 9;

// A new group starts wherever the nakshatra or the sign changes.
constexpr std::array<std::uint8_t, kPadaCount> BuildPadaGroups() {
    std::array<std::uint8_t, kPadaCount> groups{};
    int group = -1;
    for (int q = 0; q < kPadaCount; ++q) {
        const bool nakshatraStarts = q % 4 == 0;
        const bool signStarts = q % kPadasPerSign == 0;
        if (nakshatraStarts || signStarts) ++group;
        groups[q] = static_cast<std::uint8_t>(group);
    }
    return groups;
}
constexpr std::array<std::uint8_t, kPadaCount> kPadaGroups = BuildPadaGroups();
static_assert(kPadaGroups[kPadaCount - 1] == kKootaGroupCount - 1);

} // namespace

const char* const g_kootaMatchLevelNames[5] = {"Below Average", "Average", "Fair", "Good", "Excellent"};

int NakshatraPadaGroup(int nakshatra, int pada) {
    return kPadaGroups[nakshatra * 4 + pada];
}

int ComputeKootaScore(bool firstIsBridegroom, int nakshatra1, int pada1, int nakshatra2, int pada2) {
    const int group1 = NakshatraPadaGroup(nakshatra1, pada1);
    const int group2 = NakshatraPadaGroup(nakshatra2, pada2);
    return firstIsBridegroom ? g_kootaScores[group2][group1] : g_kootaScores[group1][group2];
}

int KootaMatchLevel(int score) {
    if (score < 18) return 0;
    if (score <= 21) return 1;
    if (score <= 25) return 2;
    if (score <= 30) return 3;
    return 4;
}
