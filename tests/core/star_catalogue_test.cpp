#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/ayanamsa.h"
#include "core/calc_options.h"
#include "core/data_folder.h"
#include "core/ephemeris_flags.h"
#include "core/fixed_stars.h"
#include "core/option_snapshot.h"
#include "core/star_catalogue_check.h"
#include "tests/core/core_test_helpers.h"
#include "tests/core/fifo_file.h"
#include "tests/core/sparse_file.h"

namespace fs = std::filesystem;
using namespace std::string_literals;

namespace {

// The shipped catalogue's Spica line, as the line shapes below vary it.
const std::string kSpica =
    "Spica      ,alVir,ICRS,13,25,11.57937,-11,09,40.7501,-42.35,-30.67,1,13.06,0.97,-10, 3672";

// Lines of the shapes the Swiss Ephemeris 2.10 reads into a crash (no comma, a zero byte, a tail cut off
// by its 256-byte line buffer), into rereading the whole file at every star (too few fields) or into
// shifted fields (an empty one: it joins adjacent commas), beside the shapes it reads whole.
TEST(StarCatalogueLine, OnlyLinesTheLibraryReadsWholePass) {
    struct Case {
        std::string line;
        const char* fault; // a part of the reason; nullptr when the line passes
    };
    const Case kCases[] = {
        {kSpica + "\r\n", nullptr},
        {kSpica + "\n", nullptr},
        {kSpica + ",a further field\n", nullptr},
        {"# a comment, with commas and no fields to speak of\n", nullptr},
        {"\n", nullptr},
        {"\r\n", nullptr},
        {",zzNew,ICRS,1,2,3.5,+4,5,6,.7,-8.,9,10,11,12\n", nullptr}, // no traditional name
        {kSpica, "does not end in a line end"},
        {"x", "does not end in a line end"},
        {"x\n", "it has 1 field,"},
        {" \n", "it has 1 field,"},
        {"\t\r\n", "it has 1 field,"},
        {"Foo ,bar,ICRS,04,35\n", "it has 5 fields, and a star line has at least 14"},
        {kSpica.substr(0, kSpica.find(",0.97")) + "\n", "it has 13 fields"},
        {"\xEF\xBB\xBF# a comment behind a byte-order mark\n", "it has 1 field,"},
        {"Sp\0ica,alVir,ICRS,13,25,11,-11,09,40,-42,-30,1,13,0.9\n"s, "zero byte"},
        {"Spica,alVir,ICRS\r13,25,11,-11,09,40,-42,-30,1,13,0.9\n", "carriage return"},
        {"Spica,,ICRS,13,25,11,-11,09,40,-42,-30,1,13,0.9,-10\n", "nomenclature (field 2) is empty"},
        {"Spica,alVir, ,13,25,11,-11,09,40,-42,-30,1,13,0.9\n", "equinox (field 3) is empty"},
        {"Spica,alVir,ICRS,13,25,,11,-11,09,40,-42,-30,1,13,0.9\n", "field 6 is not a number"},
        {"Spica,alVir,ICRS,13,25,11,-11,09,40,-42,-30,1,nan,0.9\n", "field 13 is not a number"},
        {"Spica,alVir,ICRS,13,25,11,-11,09,40,-42,-30,1,13,1e3\n", "field 14 is not a number"},
        {std::string(254, '#') + "\n", nullptr},
        {std::string(255, '#') + "\n", "longer than 255 bytes"},
        {kSpica + std::string(255 - kSpica.size() - 1, ' ') + "\n", nullptr},
        {kSpica + std::string(255 - kSpica.size(), ' ') + "\n", "longer than 255 bytes"},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(testing::PrintToString(c.line));
        const auto fault = StarCatalogueLineFault(c.line);
        if (c.fault == nullptr) {
            EXPECT_EQ(fault, std::nullopt);
        } else {
            ASSERT_TRUE(fault.has_value());
            EXPECT_NE(fault->find(c.fault), std::string::npos) << *fault;
        }
    }
}

TEST(StarCatalogueLine, TheAnchorStarsPass) {
    std::istringstream lines(kAnchorStarLines);
    int count = 0;
    for (std::string line; std::getline(lines, line); ++count)
        EXPECT_EQ(StarCatalogueLineFault(line + "\n"), std::nullopt) << line;
    EXPECT_EQ(count, 4);
}

std::string ShippedCatalogue() {
    std::ifstream file(fs::path(EphemerisFolder()) / "sefstars.txt", std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

// Star lines of the shipped catalogue (Debian swe-basic-data): grep -v '^#' sefstars.txt | grep -c ','
constexpr int kShippedStars = 1357;
// Its lines: wc -l sefstars.txt; a line added at its end is the next.
constexpr int kShippedLines = 1590;

// Each ayanamsa held on a star of the table, as a chart of J2000 asks for it: the star correction.
struct AnchoredAyanamsa {
    int id;
    double correction;
};

std::vector<AnchoredAyanamsa> AnchoredCorrections() {
    std::vector<AnchoredAyanamsa> corrections;
    for (int id = 0; id < kAyanamsaCount; ++id) {
        if (id == kAyanamsaCustomStar || !StarAnchorOf(id)) continue;
        ChooseAyanamsa(id);
        const std::int32_t flags =
            SetTopocentric(0, 0, 0) | (g_ayanamsaSettings.m_bOwnValue ? 0 : kFlagSidereal);
        const CalcValue k = CalcStarCorrection(*StarAnchorOf(id), 2451545.0, flags);
        EXPECT_TRUE(k.ok()) << "id " << id << ": " << k.status.error;
        corrections.push_back({id, k.value});
    }
    return corrections;
}

// A folder with a catalogue of the test's making, read as the program reads its ephemeris folder's.
// The program's own catalogue and list come back afterwards, then every option.
class StarCatalogueTest : public testing::Test {
protected:
    StarCatalogueTest() { fs::create_directories(m_folder); }

    std::string Folder() const { return m_folder.string(); }
    std::string Catalogue() const { return (m_folder / "sefstars.txt").string(); }
    void WriteCatalogue(const std::string& text) const {
        std::ofstream(Catalogue(), std::ios::binary) << text;
    }

    // Every anchored ayanamsa computes with the catalogue of the test as with the shipped one.
    void ExpectTheShippedAnchorCorrections() const {
        const std::vector<AnchoredAyanamsa> now = AnchoredCorrections();
        ASSERT_EQ(now.size(), m_shippedCorrections.size());
        for (std::size_t i = 0; i < now.size(); ++i)
            EXPECT_NEAR(now[i].correction, m_shippedCorrections[i].correction, 1e-9) << "id " << now[i].id;
    }

private:
    struct ProgramCatalogueBack {
        ~ProgramCatalogueBack() { LoadFixedStarList(); }
    } m_programCatalogueBack; // after the options, so that the custom star is found again
    CScopedOptions m_options;
    fs::path m_folder = fs::temp_directory_path() / ("kh-star-catalogue-" + std::to_string(::getpid()));
    struct FolderGone {
        fs::path folder;
        ~FolderGone() { fs::remove_all(folder); }
    } m_folderGone{m_folder};

protected:
    const std::vector<AnchoredAyanamsa> m_shippedCorrections = AnchoredCorrections();
};

// A stray byte after the last line end crashed the library at every start.
TEST_F(StarCatalogueTest, AStrayByteAtTheEndIsLeftOutAndNamed) {
    WriteCatalogue(ShippedCatalogue() + "x");
    EXPECT_TRUE(LoadFixedStarList(Folder()));
    EXPECT_EQ(g_fixedStarList.Count(), kShippedStars);
    ExpectTheShippedAnchorCorrections();
    const std::string fault = CheckStarCatalogue(Folder()).fault;
    EXPECT_NE(fault.find("\"" + Catalogue() + "\""), std::string::npos) << fault;
    EXPECT_NE(fault.find("line " + std::to_string(kShippedLines + 1) + ": it does not end in a line end"),
              std::string::npos)
        << fault;
    EXPECT_NE(fault.find("its other stars are used"), std::string::npos) << fault;
}

// One line of too few fields made the library reread the whole file at every star: start-up took 50 s.
TEST_F(StarCatalogueTest, ALineOfTooFewFieldsIsLeftOutAndTheCatalogueReadOnce) {
    struct Ending {
        const char* end;
        const char* fault;
    };
    for (const auto& [end, why] :
         {Ending{"\n", "it has 5 fields"}, Ending{"", "it does not end in a line end"}}) {
        SCOPED_TRACE(testing::PrintToString(end));
        const std::string shipped = ShippedCatalogue();
        WriteCatalogue(shipped + "Foo ,bar,ICRS,04,35" + end);
        const std::uint64_t before = BytesReadByThisProcess();
        EXPECT_TRUE(LoadFixedStarList(Folder()));
        ChooseAyanamsa(kAyanamsaTrueLahiri);
        const std::int32_t flags = SetTopocentric(0, 0, 0) | kFlagSidereal;
        for (int day = 0; day < 100; ++day)
            EXPECT_TRUE(CalcStarCorrection(*StarAnchorOf(kAyanamsaTrueLahiri), 2451545.0 + day, flags).ok());
        // The test's catalogue, its copy for the library, the library's one reading: well below a
        // reading for each of the list's stars.
        EXPECT_LT(BytesReadByThisProcess() - before, 5 * shipped.size());
        EXPECT_EQ(g_fixedStarList.Count(), kShippedStars);
        EXPECT_EQ(FindFixedStarByCode(g_fixedStarList, ",bar"), std::nullopt);
        const std::string fault = CheckStarCatalogue(Folder()).fault;
        EXPECT_NE(fault.find("line " + std::to_string(kShippedLines + 1) + ": " + why), std::string::npos)
            << fault;
    }
}

// A catalogue the program does not read (larger than any catalogue, or not a file) is never handed to
// the library: the ayanamsas held on a star take their stars from the program's own lines. The library
// read a 3 GB catalogue whole, and one ending in a cut line crashed it.
TEST_F(StarCatalogueTest, ACatalogueThatIsNotReadGivesWayToTheAnchorStars) {
    const auto expectRefused = [&] {
        const std::uint64_t before = BytesReadByThisProcess();
        EXPECT_FALSE(LoadFixedStarList(Folder()));
        ExpectTheShippedAnchorCorrections();
        EXPECT_LT(BytesReadByThisProcess() - before, kStarCatalogueLimitBytes);
        ASSERT_EQ(g_fixedStarList.Count(), 4);
        EXPECT_EQ(g_fixedStarList.entries[0].searchKey, ",alTau");
        const std::string fault = CheckStarCatalogue(Folder()).fault;
        EXPECT_NE(fault.find("\"" + Catalogue() + "\""), std::string::npos) << fault;
        EXPECT_NE(fault.find("use Spica, Aldebaran, Shaula and Delta Cancri"), std::string::npos) << fault;
    };
    {
        SCOPED_TRACE("over the limit, ending in a cut line");
        const std::string shipped = ShippedCatalogue();
        std::string tooLarge;
        while (tooLarge.size() <= kStarCatalogueLimitBytes) tooLarge += shipped;
        WriteCatalogue(tooLarge + "x");
        expectRefused();
        fs::remove(Catalogue());
    }
    {
        SCOPED_TRACE("64 MB of zero bytes");
        const SparseFile huge(Catalogue(), std::uint64_t{64} << 20);
        ASSERT_TRUE(huge.made());
        expectRefused();
    }
    {
        SCOPED_TRACE("a fifo");
        FifoFile fifo(Catalogue());
        ASSERT_TRUE(fifo.made());
        fifo.ReadAside([&] {
            expectRefused();
            CloseEphemeris();
            return 0;
        });
        EXPECT_FALSE(fifo.readerWaited());
    }
}

// A catalogue whose every line is wrong leaves the anchor stars, and says so.
TEST_F(StarCatalogueTest, ACatalogueWithoutOneSoundStarGivesWayToTheAnchorStars) {
    WriteCatalogue("# my stars\nMy star,alMine\n");
    EXPECT_TRUE(LoadFixedStarList(Folder()));
    ExpectTheShippedAnchorCorrections();
    EXPECT_EQ(g_fixedStarList.Count(), 4);
    const std::string fault = CheckStarCatalogue(Folder()).fault;
    EXPECT_NE(fault.find("line 2: it has 2 fields"), std::string::npos) << fault;
    EXPECT_NE(fault.find("Not one of its stars can be used"), std::string::npos) << fault;
}

// The sound catalogue is used as it is, and the note stays empty.
TEST(StarCatalogue, TheShippedOneIsSound) {
    const StarCatalogueCheck check = CheckStarCatalogue(EphemerisFolder());
    EXPECT_TRUE(check.read);
    EXPECT_EQ(check.fault, "");
    EXPECT_EQ(check.text, ShippedCatalogue());
}

} // namespace
