#include "core/fixed_stars.h"

#include <algorithm>
#include <cstdio>
#include <set>
#include <sstream>

#include <swephexp.h>

#include "core/angle_time.h"
#include "core/ayanamsa.h"
#include "core/ayanamsa_cache.h"
#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/fixed_star_names.h"
#include "core/julian_day.h"
#include "core/star_catalogue_copy.h"
#include "core/zodiac_names.h"

FixedStarList g_fixedStarList;
int g_nCustomStarIndex = -1;

namespace {

constexpr double kJ2000Ut = 2451545.0; // 2000-01-01 12:00 UT
constexpr int kStarFlags = SEFLG_SIDEREAL | SEFLG_TRUEPOS | SEFLG_SWIEPH;

std::string TrimTrailingBlanks(std::string text) {
    text.erase(text.find_last_not_of(" \t\r") + 1);
    return text;
}

// The first two comma-separated fields of a star line: traditional name and nomenclature.
struct CatalogueStar {
    std::string name;
    std::string nomenclature;
};

std::optional<CatalogueStar> ParseStarLine(const std::string& line) {
    if (line.starts_with("#")) return std::nullopt;
    const std::size_t firstComma = line.find(',');
    if (firstComma == std::string::npos) return std::nullopt;
    const std::size_t secondComma = line.find(',', firstComma + 1);
    const std::size_t nomenclatureEnd = secondComma == std::string::npos ? line.size() : secondComma;
    CatalogueStar star{TrimTrailingBlanks(line.substr(0, firstComma)),
                       TrimTrailingBlanks(line.substr(firstComma + 1, nomenclatureEnd - firstComma - 1))};
    if (star.nomenclature.empty()) return std::nullopt;
    return star;
}

// "  <Long 15 Ta 47, Lat -5 deg>": sign, whole degrees and minutes of the longitude; the latitude
// truncated toward zero.
std::string PositionText(double longitude, double latitude) {
    CRasiLongitude split;
    split.m_dLongitude = longitude;
    split.SplitLongitude();
    char text[64];
    std::snprintf(text, sizeof text, "  <Long %02d %s %02d, Lat %d deg>", split.m_nDegrees,
                  g_signAbbrevs[split.m_nSign], split.m_nMinutes, static_cast<int>(latitude));
    return text;
}

// The list is always computed in the Lahiri mode; the mode of the chosen ayanamsa is library state
// that every later chart relies on, so it is put back however the list is left.
class LahiriModeScope {
public:
    LahiriModeScope() {
        GetAyanamsaSettings(m_chosen);
        swe_set_sid_mode(SE_SIDM_LAHIRI, 0.0, 0.0);
    }
    ~LahiriModeScope() { SetAyanamsaSettings(m_chosen); }
    LahiriModeScope(const LahiriModeScope&) = delete;
    LahiriModeScope& operator=(const LahiriModeScope&) = delete;

private:
    CAyanamsaSettings m_chosen;
};

} // namespace

void ListFixedStars(std::istream& catalogue, FixedStarList& list) {
    const EphemerisMoment epoch(kJ2000Ut);
    std::vector<FixedStarEntry> entries;
    const LahiriModeScope lahiri;
    // One row per star, the first line's: a later line of its nomenclature is the star again, repeated
    // or under another name (the check gives a nomenclature one place, and a name one nomenclature).
    std::set<std::string> listed;
    std::string line;
    while (std::getline(catalogue, line)) {
        const auto star = ParseStarLine(line);
        if (!star || !listed.insert(star->nomenclature).second) continue;
        FixedStarEntry entry;
        entry.searchKey = "," + star->nomenclature;
        // The library reads the catalogue once and keeps it. A star it cannot find or place keeps the
        // position zero, as the list always showed it.
        StarPlace place;
        if (LibraryStarPlace(entry.searchKey, epoch, kStarFlags, place).ok()) {
            entry.longitude = place.longitude;
            entry.latitude = place.latitude;
        }
        entry.displayName = FormatFixedStarName(star->name, star->nomenclature) +
                            PositionText(entry.longitude, entry.latitude);
        entry.number = static_cast<int>(entries.size()) + 1;
        entries.push_back(std::move(entry));
    }
    std::stable_sort(entries.begin(), entries.end(), [](const FixedStarEntry& a, const FixedStarEntry& b) {
        return a.longitude < b.longitude;
    });
    list.entries = std::move(entries);
}

std::optional<int> FindFixedStarByCode(const FixedStarList& list, const std::string& code) {
    const auto found = std::find_if(list.entries.begin(), list.entries.end(),
                                    [&code](const FixedStarEntry& entry) { return entry.searchKey == code; });
    if (found == list.entries.end()) return std::nullopt;
    return static_cast<int>(found - list.entries.begin());
}

void FindCustomStarIndex() {
    g_nCustomStarIndex = FindFixedStarByCode(g_fixedStarList, g_strCustomStarCode).value_or(-1);
}

bool LoadFixedStarList(const std::string& ephemerisFolder) {
    g_fixedStarList.entries.clear();
    g_nCustomStarIndex = -1;
    const StarCatalogueCheck check = UseEphemerisFolder(ephemerisFolder);
    if (!StarCatalogueRefusal().empty()) return false;
    std::istringstream catalogue(check.text);
    ListFixedStars(catalogue, g_fixedStarList);
    FindCustomStarIndex();
    return check.read;
}
