#include <filesystem>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

#include "core/data_folder.h"
#include "shell/preferences.h"

namespace fs = std::filesystem;

namespace {

// The start-up notice names the star catalogue's lines that are left out, and says nothing of the
// program's own catalogue.
TEST(DataFolderNotice, NamesTheStarCatalogueLinesLeftOut) {
    EXPECT_EQ(DataFolderNotice(AtlasFilePath(), EphemerisFolder()), "");

    const fs::path ephe = fs::temp_directory_path() / ("kh-star-notice-" + std::to_string(::getpid()));
    fs::create_directories(ephe);
    const std::string catalogue = (ephe / "sefstars.txt").string();
    std::ofstream(catalogue, std::ios::binary)
        << "# my own stars\n"
           "Spica,alVir,ICRS,13,25,11.57937,-11,09,40.7501,-42.35,-30.67,1,13.06,0.97,-10, 3672\n"
           "Foo ,bar,ICRS,04,35\n"
           "x";
    const std::string notice = DataFolderNotice(AtlasFilePath(), ephe.string());
    fs::remove_all(ephe);

    const std::string kParts[] = {
        "The star catalogue \"" + catalogue + "\" has lines that the Swiss Ephemeris cannot read:",
        "\nline 3: it has 5 fields, and a star line has at least 14",
        "\nline 4: it does not end in a line end",
        "Those lines are left out and its other stars are used; the file is left as it is.",
    };
    for (const std::string& part : kParts)
        EXPECT_NE(notice.find(part), std::string::npos) << part << "\n" << notice;
    EXPECT_EQ(notice.find("line 2"), std::string::npos) << notice;
}

} // namespace
