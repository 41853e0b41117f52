#include "core/star_catalogue_check.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <optional>
#include <string_view>
#include <vector>

#include "core/whole_file.h"

namespace {

constexpr std::size_t kFaultsShown = 10;

// The wrong lines of a catalogue: the first kFaultsShown with the reason, then how many more.
class LineFaults {
public:
    void Add(std::size_t lineNumber, const std::string& why) {
        if (++m_count <= kFaultsShown) m_shown += "\nline " + std::to_string(lineNumber) + ": " + why;
    }
    bool Empty() const { return m_count == 0; }
    std::string List() const {
        if (m_count <= kFaultsShown) return m_shown;
        return m_shown + "\n... and " + std::to_string(m_count - kFaultsShown) + " more.";
    }

private:
    std::size_t m_count = 0;
    std::string m_shown;
};

constexpr const char* kAnchorStarsUsed =
    "\nThe ayanamsas held on a star use Spica, Aldebaran, Shaula and Delta Cancri from the program's own "
    "list; no other star can be chosen for a custom ayanamsa.";

// The catalogue the library opens: the first of its two names that opens, as a link is followed.
std::optional<std::string> CataloguePath(const std::string& ephemerisFolder) {
    for (const char* fileName : {"sefstars.txt", "fixstars.cat"}) {
        const std::filesystem::path path = std::filesystem::path(ephemerisFolder) / fileName;
        std::error_code unreachable; // a folder that cannot be entered holds no catalogue
        if (std::filesystem::exists(path, unreachable)) return path.string();
    }
    return std::nullopt;
}

// A traditional name as the library compares names: its blanks left out, in lower case.
std::string NameKey(std::string_view name) {
    std::string key;
    for (const char c : name) {
        if (c != ' ' && c != '\t') key += (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
    }
    return key;
}

// What places a star: its equinox, and its numbers up to the parallax (taken as 0 when negative, as
// the copy carries it).
struct CataloguePlace {
    std::string equinox;
    std::array<double, kStarMagnitude - kStarRaHours> numbers{};

    explicit CataloguePlace(const std::vector<std::string_view>& fields)
        : equinox(WithoutBlanks(fields[kStarEquinox])) {
        for (std::size_t i = kStarRaHours; i < kStarMagnitude; ++i)
            numbers[i - kStarRaHours] = StarFieldValue(fields[i]);
        numbers.back() = std::max(numbers.back(), 0.0);
    }
    bool operator==(const CataloguePlace&) const = default;
};

// The anchor stars' names and nomenclatures as the catalogue first gives them: a later line that gives
// one of them another place is refused, so that the library finds one place for each.
class AnchorRepeats {
public:
    AnchorRepeats() {
        for (const AnchorStar& anchor : kAnchorStars) {
            const std::vector<std::string_view> fields = StarLineFields(StarLineBody(anchor.line));
            for (const StarField field : {kStarName, kStarNomenclature})
                m_keys.push_back({field, KeyOf(field, fields)});
        }
    }

    // Why the star line must be left out; else nullopt, and the line gives the place of the keys it is
    // the first to give.
    std::optional<std::string> Fault(std::size_t lineNumber, const std::vector<std::string_view>& fields) {
        const CataloguePlace place(fields);
        std::vector<Key*> firstGiven;
        for (Key& key : m_keys) {
            if (KeyOf(key.field, fields) != key.text) continue;
            if (!key.first) {
                firstGiven.push_back(&key);
            } else if (!(key.first->place == place)) {
                return "it repeats the " + std::string(key.field == kStarName ? "name" : "nomenclature") +
                       " \"" + std::string(WithoutBlanks(fields[key.field])) + "\" of line " +
                       std::to_string(key.first->lineNumber) + " with another place; the first is used";
            }
        }
        for (Key* key : firstGiven) key->first = First{lineNumber, place};
        return std::nullopt;
    }

private:
    // A name as the library compares names (NameKey); a nomenclature as it stands.
    static std::string KeyOf(StarField field, const std::vector<std::string_view>& fields) {
        return field == kStarName ? NameKey(fields[kStarName])
                                  : std::string(WithoutBlanks(fields[kStarNomenclature]));
    }

    struct First {
        std::size_t lineNumber;
        CataloguePlace place;
    };
    struct Key {
        StarField field;
        std::string text;
        std::optional<First> first = std::nullopt;
    };
    std::vector<Key> m_keys;
};

// True when the star line is the one the library finds for an anchor star's name ("Spica", or ","
// and the nomenclature).
bool GivesAnchor(const std::vector<std::string_view>& fields, std::string_view star) {
    if (star.starts_with(',')) return WithoutBlanks(fields[kStarNomenclature]) == star.substr(1);
    return NameKey(fields[kStarName]) == NameKey(star);
}

// The line as the library may read it: a negative parallax carried as 0.
std::string LineToCopy(std::string_view line, const std::vector<std::string_view>& fields) {
    const std::string_view parallax = fields[kStarParallax];
    if (StarFieldValue(parallax) >= 0.0) return std::string(line);
    const std::size_t start = static_cast<std::size_t>(parallax.data() - line.data());
    return std::string(line.substr(0, start)) + "0" + std::string(line.substr(start + parallax.size()));
}

std::string Names(const std::vector<std::string>& names) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
        text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
    return text;
}

} // namespace

std::string AnchorStarLines() {
    std::string lines;
    for (const AnchorStar& anchor : kAnchorStars) lines += anchor.line;
    return lines;
}

StarCatalogueCheck CheckStarCatalogue(const std::string& ephemerisFolder) {
    StarCatalogueCheck check;
    const auto path = CataloguePath(ephemerisFolder);
    if (!path) {
        check.text = AnchorStarLines();
        check.fault = "The ephemeris folder \"" + ephemerisFolder +
                      "\" holds no star catalogue (\"sefstars.txt\")." + kAnchorStarsUsed;
        return check;
    }
    check.path = *path;
    const FileReadResult file = ReadFileWhole(check.path, {kStarCatalogueLimitBytes, "a star catalogue"});
    if (file.outcome != FileReadResult::Outcome::kRead) {
        check.text = AnchorStarLines();
        check.fault = file.message + kAnchorStarsUsed;
        return check;
    }
    check.read = true;
    LineFaults faults;
    AnchorRepeats repeats;
    std::array<bool, kAnchorStarCount> anchorGiven{};
    bool anyStar = false;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < file.text.size();) {
        const std::size_t end = file.text.find('\n', start);
        const std::size_t next = end == std::string::npos ? file.text.size() : end + 1;
        const std::string_view line = std::string_view(file.text).substr(start, next - start);
        start = next;
        ++lineNumber;
        std::optional<std::string> why = StarCatalogueLineFault(line);
        const std::vector<std::string_view> fields = StarLineFields(StarLineBody(line));
        if (!why && IsStarLine(line)) why = repeats.Fault(lineNumber, fields);
        if (why) {
            faults.Add(lineNumber, *why);
            continue;
        }
        if (!IsStarLine(line)) {
            check.text += line;
            continue;
        }
        check.text += LineToCopy(line, fields);
        anyStar = true;
        for (std::size_t a = 0; a < kAnchorStarCount; ++a)
            anchorGiven[a] = anchorGiven[a] || GivesAnchor(fields, kAnchorStars[a].star);
    }
    const std::string head =
        "The star catalogue \"" + check.path + "\" has lines that the Swiss Ephemeris cannot read:";
    if (!anyStar && !faults.Empty()) {
        check.text = AnchorStarLines();
        check.fault = head + faults.List() + "\nNot one of its stars can be used." + kAnchorStarsUsed;
        return check;
    }
    if (!faults.Empty()) {
        check.fault = head + faults.List() +
                      "\nThose lines are left out and its other stars are used; the file is left as it is.";
    }
    std::vector<std::string> lacking;
    for (std::size_t a = 0; a < kAnchorStarCount; ++a) {
        if (anchorGiven[a]) continue;
        check.text += kAnchorStars[a].line;
        lacking.push_back(kAnchorStars[a].called);
    }
    if (!lacking.empty()) {
        const bool one = lacking.size() == 1;
        check.fault += (check.fault.empty() ? "" : "\n") +
                       ("The star catalogue \"" + check.path + "\" holds no line for " + Names(lacking) +
                        (one ? ", on which an ayanamsa is held; the program's own line is used for it."
                             : ", on which ayanamsas are held; the program's own lines are used for them."));
    }
    check.asFound = check.text == file.text;
    return check;
}
