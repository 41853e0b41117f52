#include "core/star_catalogue_check.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <map>
#include <optional>
#include <set>
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

constexpr const char* kUnreadLines = "has lines that the Swiss Ephemeris cannot read:";

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

// Nomenclatures the Swiss Ephemeris 2.10 answers from records of its own, whatever the catalogue holds
// (",deCnc" of the Pushya-paksha ayanamsa among them): tried with the library on an empty catalogue.
constexpr std::string_view kLibraryNomenclatures[] = {"deCnc", "laSco", "zePsc", "SgrA*", "GP1958", "GPol"};

// The line that gives each star its place: by nomenclature, as the star list and a custom ayanamsa ask
// for a star, and by name, as the ayanamsas ask for theirs. Of lines that give one nomenclature or one
// name two places the library answers with any, as its sorted index falls (",alVir" gave a later
// line's place in a catalogue of 1357 stars, the first line's in one of two; it compares names without
// their blanks and case, so "Dupe" and "dupe" are one name), and the star list showed each. One line
// gives each nomenclature and each name its place: a later line that gives the nomenclature another
// place is left out, and one that gives the name to another nomenclature is kept without its name. That
// is the first line, but for an anchor star's nomenclature and name, which are given by the line the
// anchor's ayanamsa finds it by, or by the program's own line when the catalogue holds none.
class StarOwners {
public:
    // A star line: its number (0 for the program's own line of an anchor star), its fields, and whether
    // the catalogue the Swiss Ephemeris data package installs holds it too.
    struct Line {
        std::size_t number;
        const std::vector<std::string_view>& fields;
        bool shipped;
    };

    // The line that gives `anchor` its place.
    void OwnAnchor(const AnchorStar& anchor, const Line& line) {
        const Owner owner = OwnerOf(line, anchor.called);
        m_nomenclatures.insert_or_assign(owner.nomenclature, owner);
        m_names.insert_or_assign(StarNameKey(anchor.star), owner);
    }

    // What becomes of a sound star line that gives a nomenclature or a name otherwise than the line that
    // owns it: it is left out (it gives the nomenclature another place), or kept without its name (it
    // gives the name to another nomenclature); nullopt when it stays as it is. `why` tells how the line
    // would move a star; it is empty for a name given to another nomenclature at the same place, which
    // moves none. `shipped`: the catalogue the data package installs gives both lines, as it gives the
    // Virgo Cluster two places, Zeta Ursae Majoris a second as "Miz0", and nine names to two stars.
    struct Verdict {
        bool leftOut;
        std::string why;
        bool shipped;
    };
    std::optional<Verdict> Judge(const Line& line) {
        const Owner own = OwnerOf(line, nullptr);
        const std::string_view name = WithoutBlanks(line.fields[kStarName]);
        const std::string nameKey = StarNameKey(name);
        const auto named = m_names.find(nameKey);
        const Owner* nameOwner = named == m_names.end() ? nullptr : &named->second;
        const auto nameMoves =
            nameOwner ? Moves(*nameOwner, line.number, own.place, "name", name) : std::nullopt;
        const auto [owner, isFirst] = m_nomenclatures.try_emplace(own.nomenclature, own);
        const Owner& nomenclatureOwner = owner->second;
        const auto why =
            isFirst ? std::nullopt
                    : Moves(nomenclatureOwner, line.number, own.place, "nomenclature", own.nomenclature);
        const auto verdict = [&line](bool leftOut, const std::string& why, const Owner& of) {
            return Verdict{leftOut, why, line.shipped && of.shipped};
        };
        if (why && nameMoves)
            return verdict(true, *nameMoves + "; " + Used(*nameOwner, line.number), *nameOwner);
        // The library answers some nomenclatures from records of its own, whatever the catalogue holds.
        if (why && std::find(std::begin(kLibraryNomenclatures), std::end(kLibraryNomenclatures),
                             own.nomenclature) != std::end(kLibraryNomenclatures))
            return verdict(true, *why + "; the Swiss Ephemeris gives that nomenclature a place of its own",
                           nomenclatureOwner);
        if (why) return verdict(true, *why + "; " + Used(nomenclatureOwner, line.number), nomenclatureOwner);
        if (nameOwner && nameOwner->nomenclature != own.nomenclature)
            return verdict(false, nameMoves.value_or(""), *nameOwner);
        if (!nameKey.empty()) m_names.try_emplace(nameKey, own);
        return std::nullopt;
    }

private:
    struct Owner {
        std::size_t lineNumber; // 0: the program's own line for an anchor star
        CataloguePlace place;
        std::string nomenclature;
        const char* anchor; // what messages call the anchor star it gives; nullptr for another star
        bool shipped;       // the installed catalogue holds the line too
    };
    static Owner OwnerOf(const Line& line, const char* anchor) {
        return {line.number, CataloguePlace(line.fields),
                std::string(WithoutBlanks(line.fields[kStarNomenclature])), anchor, line.shipped};
    }

    // How the line would move the star `owner` gives by `what` ("name" or "nomenclature") `key`;
    // nullopt when it is that line or gives the same place.
    static std::optional<std::string> Moves(const Owner& owner, std::size_t lineNumber,
                                            const CataloguePlace& place, const char* what,
                                            std::string_view key) {
        if (owner.lineNumber == lineNumber || owner.place == place) return std::nullopt;
        const std::string given = std::string(what) + " \"" + std::string(key) + "\"";
        if (owner.lineNumber == 0) return "it gives the " + given + " of " + owner.anchor + " another place";
        if (owner.lineNumber > lineNumber)
            return "it gives the " + given + " of " + owner.anchor + " (line " +
                   std::to_string(owner.lineNumber) + ") another place";
        return "it repeats the " + given + " of line " + std::to_string(owner.lineNumber) +
               " with another place";
    }
    static std::string Used(const Owner& owner, std::size_t lineNumber) {
        if (owner.lineNumber == 0) return "the program's own line is used";
        return owner.lineNumber > lineNumber ? "that line is used" : "the first is used";
    }

    std::map<std::string, Owner, std::less<>> m_nomenclatures;
    std::map<std::string, Owner, std::less<>> m_names; // by StarNameKey
};

// True when the star line is the one the library finds for an anchor star's name ("Aldebaran", or ","
// and the nomenclature).
bool GivesAnchor(const std::vector<std::string_view>& fields, std::string_view star) {
    if (star.starts_with(',')) return WithoutBlanks(fields[kStarNomenclature]) == star.substr(1);
    return StarNameKey(fields[kStarName]) == StarNameKey(star);
}

// Calls `visit`(line number from 1, line with its line end) for each line of `text`; the last line may
// lack its line end.
template <class Visit> void ForEachLine(const std::string& text, Visit visit) {
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < text.size();) {
        const std::size_t end = text.find('\n', start);
        const std::size_t next = end == std::string::npos ? text.size() : end + 1;
        visit(++lineNumber, std::string_view(text).substr(start, next - start));
        start = next;
    }
}

// The line as the library may read it: a negative parallax carried as 0.
std::string LineToCopy(std::string_view line, const std::vector<std::string_view>& fields) {
    const std::string_view parallax = fields[kStarParallax];
    if (StarFieldValue(parallax) >= 0.0) return std::string(line);
    const std::size_t start = static_cast<std::size_t>(parallax.data() - line.data());
    return std::string(line.substr(0, start)) + "0" + std::string(line.substr(start + parallax.size()));
}

// The lines (without their line ends) of the star catalogue the Swiss Ephemeris data package installs;
// none when it cannot be read.
std::set<std::string, std::less<>> ShippedStarLines() {
    const FileReadResult shipped = ReadFileWhole(std::string(KH_SHIPPED_EPHEMERIS_FOLDER) + "/sefstars.txt",
                                                 {kStarCatalogueLimitBytes, "a star catalogue"});
    std::set<std::string, std::less<>> lines;
    if (shipped.outcome != FileReadResult::Outcome::kRead) return lines;
    ForEachLine(shipped.text,
                [&lines](std::size_t, std::string_view line) { lines.emplace(StarLineBody(line)); });
    return lines;
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
    // What the catalogue repeats as the installed one does is no fault of the user's, and is not told.
    const std::set<std::string, std::less<>> shippedLines = ShippedStarLines();
    const auto shipped = [&shippedLines](std::string_view line) {
        return shippedLines.contains(StarLineBody(line));
    };
    // The anchor stars the library finds in the catalogue: the first sound line it would find each by
    // gives its place, else the program's own line, which is added.
    StarOwners owners;
    std::array<bool, kAnchorStarCount> anchorFound{}, anchorLeftOut{};
    ForEachLine(file.text, [&](std::size_t lineNumber, std::string_view line) {
        const bool sound = !StarCatalogueLineFault(line) && IsStarLine(line);
        const std::vector<std::string_view> fields = StarLineFields(StarLineBody(line));
        if (fields.size() <= kStarNomenclature) return;
        for (std::size_t a = 0; a < kAnchorStarCount; ++a) {
            if (anchorFound[a] || kAnchorStars[a].libraryHeld || !GivesAnchor(fields, kAnchorStars[a].star))
                continue;
            (sound ? anchorFound : anchorLeftOut)[a] = true;
            if (sound) owners.OwnAnchor(kAnchorStars[a], {lineNumber, fields, shipped(line)});
        }
    });
    for (std::size_t a = 0; a < kAnchorStarCount; ++a) {
        if (!anchorFound[a] && !kAnchorStars[a].libraryHeld)
            owners.OwnAnchor(kAnchorStars[a], {0, StarLineFields(StarLineBody(kAnchorStars[a].line)), false});
    }
    LineFaults faults, namesLeftOut;
    bool anyStar = false;
    ForEachLine(file.text, [&](std::size_t lineNumber, std::string_view line) {
        std::optional<std::string> why = StarCatalogueLineFault(line);
        const std::vector<std::string_view> fields = StarLineFields(StarLineBody(line));
        std::size_t nameLeftOut = 0; // the length of the name the copy of the line goes without
        if (!why && IsStarLine(line)) {
            const auto verdict = owners.Judge({lineNumber, fields, shipped(line)});
            if (verdict && verdict->leftOut) {
                if (verdict->shipped) return;
                why = verdict->why;
            } else if (verdict) {
                nameLeftOut = fields[kStarName].size();
                if (!verdict->shipped && !verdict->why.empty()) namesLeftOut.Add(lineNumber, verdict->why);
            }
        }
        if (why) {
            faults.Add(lineNumber, *why);
        } else if (!IsStarLine(line)) {
            check.text += line;
        } else {
            check.text += LineToCopy(line, fields).substr(nameLeftOut);
            anyStar = true;
        }
    });
    const std::string head = "The star catalogue \"" + check.path + "\" ";
    if (!anyStar && !faults.Empty()) {
        check.text = AnchorStarLines();
        check.fault =
            head + kUnreadLines + faults.List() + "\nNot one of its stars can be used." + kAnchorStarsUsed;
        return check;
    }
    if (!faults.Empty()) {
        check.fault = head + kUnreadLines + faults.List() +
                      "\nThose lines are left out and its other stars are used; the file is left as it is.";
    }
    if (!namesLeftOut.Empty()) {
        check.fault += (check.fault.empty() ? "" : "\n") + head +
                       "gives the names of earlier lines to stars at other places:" + namesLeftOut.List() +
                       "\nEach name stays with its first line; the stars of those lines are used without it, "
                       "by their nomenclature; the file is left as it is.";
    }
    // The library answers some anchor stars from records of its own: they need no line.
    std::vector<std::string> lacking, leftOut;
    for (std::size_t a = 0; a < kAnchorStarCount; ++a) {
        if (anchorFound[a] || kAnchorStars[a].libraryHeld) continue;
        check.text += kAnchorStars[a].line;
        (anchorLeftOut[a] ? leftOut : lacking).push_back(kAnchorStars[a].called);
    }
    const auto tell = [&check](const std::vector<std::string>& stars, const std::string& says,
                               const std::string& where) {
        if (stars.empty()) return;
        const bool one = stars.size() == 1;
        check.fault +=
            (check.fault.empty() ? "" : "\n") +
            ("The star catalogue \"" + check.path + "\" " + says + Names(stars) +
             (one ? ", on which an ayanamsa is held" + where + "; the program's own line is used for it."
                  : ", on which ayanamsas are held" + where +
                        "; the program's own lines are used for them."));
    };
    tell(lacking, "holds no line for ", "");
    tell(leftOut, "gives ", ", only on lines left out");
    check.asFound = check.text == file.text;
    return check;
}
