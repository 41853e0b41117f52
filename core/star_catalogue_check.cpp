#include "core/star_catalogue_check.h"

#include <filesystem>
#include <vector>

#include "core/whole_file.h"

namespace {

// The library reads a line with fgets into a buffer of 256 bytes: the line and its end must fit.
constexpr std::size_t kLongestLine = 255;
// Name, nomenclature, equinox and eleven numbers are what the library computes a star from.
constexpr std::size_t kStarFields = 14;
constexpr std::size_t kFirstNumberField = 3;
constexpr std::size_t kFaultsShown = 10;

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view WithoutBlanks(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// A decimal number as atof reads it whole: an optional sign, digits with an optional point.
bool IsPlainNumber(std::string_view field) {
    field = WithoutBlanks(field);
    if (!field.empty() && (field.front() == '+' || field.front() == '-')) field.remove_prefix(1);
    bool digits = false, point = false;
    for (const char c : field) {
        if (IsDigit(c)) {
            digits = true;
        } else if (c == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digits;
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma == std::string_view::npos ? comma : comma - start));
        if (comma == std::string_view::npos) return fields;
        start = comma + 1;
    }
}

std::optional<std::string> StarFieldsFault(std::string_view body) {
    // The library joins adjacent commas, so an empty field would shift every field after it.
    const std::vector<std::string_view> fields = Fields(body);
    if (fields.size() < kStarFields) {
        return "it has " + std::to_string(fields.size()) + (fields.size() == 1 ? " field" : " fields") +
               ", and a star line has at least " + std::to_string(kStarFields);
    }
    if (WithoutBlanks(fields[1]).empty()) return std::string("its nomenclature (field 2) is empty");
    if (WithoutBlanks(fields[2]).empty()) return std::string("its equinox (field 3) is empty");
    for (std::size_t i = kFirstNumberField; i < kStarFields; ++i) {
        if (!IsPlainNumber(fields[i])) return "field " + std::to_string(i + 1) + " is not a number";
    }
    return std::nullopt;
}

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

} // namespace

std::optional<std::string> StarCatalogueLineFault(std::string_view line) {
    if (line.empty() || line.back() != '\n') return std::string("it does not end in a line end");
    if (line.size() > kLongestLine) {
        return "it is longer than " + std::to_string(kLongestLine) +
               " bytes, the most the Swiss Ephemeris reads as a line";
    }
    std::string_view body = line.substr(0, line.size() - 1);
    if (!body.empty() && body.back() == '\r') body.remove_suffix(1);
    if (body.empty() || body.front() == '#') return std::nullopt;
    if (body.find('\0') != std::string_view::npos) return std::string("it holds a zero byte");
    if (body.find('\r') != std::string_view::npos)
        return std::string("it holds a carriage return inside the line");
    return StarFieldsFault(body);
}

StarCatalogueCheck CheckStarCatalogue(const std::string& ephemerisFolder) {
    StarCatalogueCheck check;
    const auto path = CataloguePath(ephemerisFolder);
    if (!path) return check;
    check.path = *path;
    const FileReadResult file = ReadFileWhole(check.path, {kStarCatalogueLimitBytes, "a star catalogue"});
    if (file.outcome != FileReadResult::Outcome::kRead) {
        check.text = kAnchorStarLines;
        check.fault = file.message + kAnchorStarsUsed;
        return check;
    }
    check.read = true;
    LineFaults faults;
    bool anyStar = false;
    std::size_t lineNumber = 0;
    for (std::size_t start = 0; start < file.text.size();) {
        const std::size_t end = file.text.find('\n', start);
        const std::size_t next = end == std::string::npos ? file.text.size() : end + 1;
        const std::string_view line = std::string_view(file.text).substr(start, next - start);
        start = next;
        ++lineNumber;
        if (const auto why = StarCatalogueLineFault(line)) {
            faults.Add(lineNumber, *why);
            continue;
        }
        check.text += line;
        anyStar = anyStar || (line.front() != '#' && line.front() != '\n' && line.front() != '\r');
    }
    if (faults.Empty()) return check;
    const std::string head =
        "The star catalogue \"" + check.path + "\" has lines that the Swiss Ephemeris cannot read:";
    if (anyStar) {
        check.fault = head + faults.List() +
                      "\nThose lines are left out and its other stars are used; the file is left as it is.";
    } else {
        check.text = kAnchorStarLines;
        check.fault = head + faults.List() + "\nNot one of its stars can be used." + kAnchorStarsUsed;
    }
    return check;
}
