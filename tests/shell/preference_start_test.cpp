// The preference file as the start finds it: unreadable, damaged or absent, it never costs the user
// the file.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <random>

#include <gtest/gtest.h>
#include <linux/capability.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include "core/calc_options.h"
#include "core/data_folder.h"
#include "shell/preference_keys.h"
#include "shell/preferences.h"
#include "shell_test_helpers.h"
#include "tests/core/sparse_file.h"

namespace fs = std::filesystem;

namespace {

// Gives up the capabilities by which root passes over permission bits, and keeps the user: the process
// still enters every folder it could (a checkout in root's home, the ephemeris files) but is refused
// what the bits of its own files refuse.
bool DropPermissionOverride() {
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3] = {};
    if (::syscall(SYS_capget, &header, caps) != 0) return false;
    for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH}) {
        const unsigned bit = 1u << (cap % 32);
        caps[cap / 32].effective &= ~bit;
        caps[cap / 32].permitted &= ~bit;
        caps[cap / 32].inheritable &= ~bit;
    }
    return ::syscall(SYS_capset, &header, caps) == 0;
}

// Runs `scenario` in a child process as an ordinary user would meet permission bits: a test run as root
// gives up the override there. The child's own failures, and anything it throws, fail the test; the
// child never returns into the test runner.
void AsOrdinaryUser(const std::function<void()>& scenario) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        if (::geteuid() == 0 && !DropPermissionOverride()) std::_Exit(2);
        try {
            scenario();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "the scenario threw: %s\n", e.what());
            std::_Exit(3);
        } catch (...) {
            std::_Exit(3);
        }
        std::_Exit(testing::Test::HasFailure() ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "child status " << status;
}

std::optional<std::string> OptionalText(const char* text) {
    return text ? std::optional<std::string>(text) : std::nullopt;
}

// A data folder and a user's folder of the test's own, with the program pointed at them; the data
// folder's ephemeris files are the program's.
class Folders {
public:
    Folders()
        : root(fs::temp_directory_path() / ("kh-start-" + std::to_string(::getpid()))),
          savedDataFolder(g_strDataDirectory), savedConfig(OptionalText(std::getenv("XDG_CONFIG_HOME"))) {
        fs::remove_all(root);
        fs::create_directories(root / "data");
        fs::create_directory_symlink(EphemerisFolder(), root / "data/ephe");
        fs::create_directories(root / "config/kalomithra-hora");
        g_strDataDirectory = (root / "data").string();
        ::setenv("XDG_CONFIG_HOME", (root / "config").c_str(), 1);
    }
    ~Folders() {
        std::error_code ec;
        fs::permissions(root, fs::perms::owner_all, fs::perm_options::add, ec);
        for (const auto& entry : fs::recursive_directory_iterator(root, ec))
            fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
        g_strDataDirectory = savedDataFolder;
        UseEphemerisFolder(savedEphemerisFolder);
        if (savedConfig)
            ::setenv("XDG_CONFIG_HOME", savedConfig->c_str(), 1);
        else
            ::unsetenv("XDG_CONFIG_HOME");
    }
    std::string DataFile() const { return (root / "data/tavro.ini").string(); }
    std::string UserFile() const { return (root / "config/kalomithra-hora/tavro.ini").string(); }

    fs::path root;

private:
    std::string savedDataFolder;
    std::string savedEphemerisFolder = LibraryEphemerisFolder();
    std::optional<std::string> savedConfig;
};

mode_t ModeOf(const std::string& path) {
    struct stat s {};
    return ::stat(path.c_str(), &s) == 0 ? s.st_mode & 07777 : 07777;
}

TEST(PreferenceStart, AFileThatCannotBeReadIsNamedAndNeverReplaced) {
    for (const bool inUsersFolder : {false, true}) {
        SCOPED_TRACE(inUsersFolder ? "user's folder" : "data folder");
        AsOrdinaryUser([inUsersFolder] {
            Folders folders;
            const std::string path = inUsersFolder ? folders.UserFile() : folders.DataFile();
            const std::string held = "TrueNodes=1\nChartStyle=4\n";
            std::ofstream(path) << held;
            ::chmod(path.c_str(), 0);
            ApplyPreferenceDefaults(PreferenceKeys());

            const std::string notice = LoadPreferences();
            EXPECT_NE(notice.find("\"" + path + "\": Permission denied"), std::string::npos) << notice;
            EXPECT_FALSE(g_bTrueNodes);

            const FileWriteResult saved = SavePreferences();
            EXPECT_FALSE(saved.ok);
            EXPECT_NE(saved.message.find(path), std::string::npos) << saved.message;
            EXPECT_EQ(ModeOf(path), 0u);
            ::chmod(path.c_str(), 0600);
            EXPECT_EQ(Slurp(path), held);
        });
    }
}

// A character device of the test's own, with the null device's numbers, where the process may make one
// (root); else a link to /dev/null, which a process that is not root can never replace. False when
// neither can be made.
bool MakeDevice(const std::string& path) {
    if (::mknod(path.c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0) return true;
    return ::geteuid() != 0 && ::symlink("/dev/null", path.c_str()) == 0;
}

// A fifo, a folder or a device where the user's or the data folder's tavro.ini belongs is named at
// start-up, in place of any other file, and never replaced: not even by a user who cannot write the data
// folder, whose saves go to the user's folder.
TEST(PreferenceStart, AnythingButAFileAtEitherPlaceIsNamedAndNeverReplaced) {
    const struct {
        const char* what;
        std::function<bool(const std::string&)> make;
        std::function<bool(const std::string&)> still;
        const char* said; // after the path named
    } kinds[] = {
        {"a fifo", [](const std::string& path) { return ::mkfifo(path.c_str(), 0600) == 0; },
         [](const std::string& path) { return fs::is_fifo(path); }, "it is not a regular file (a fifo)"},
        {"a folder", [](const std::string& path) { return fs::create_directory(path); },
         [](const std::string& path) { return fs::is_directory(path); }, "Is a directory"},
        // The cause may also be a file system mounted without devices.
        {"a device", MakeDevice, [](const std::string& path) { return fs::is_character_file(path); }, ""},
    };
    for (const auto& kind : kinds) {
        for (const bool inUsersFolder : {true, false}) {
            SCOPED_TRACE(std::string(kind.what) +
                         (inUsersFolder ? " in the user's folder" : " in the data folder"));
            AsOrdinaryUser([&] {
                Folders folders;
                const std::string path = inUsersFolder ? folders.UserFile() : folders.DataFile();
                if (inUsersFolder) {
                    std::ofstream(folders.DataFile()) << "TrueNodes=1\n";
                    ::chmod((folders.root / "data").c_str(), 0555);
                }
                if (!kind.make(path)) return; // no device can be made here
                ApplyPreferenceDefaults(PreferenceKeys());

                const std::string notice = LoadPreferences();
                EXPECT_NE(notice.find("\"" + path + "\": " + kind.said), std::string::npos) << notice;
                EXPECT_FALSE(g_bTrueNodes) << "another file was read in its place";

                const FileWriteResult saved = SavePreferences();
                EXPECT_FALSE(saved.ok);
                EXPECT_NE(saved.message.find(path), std::string::npos) << saved.message;
                EXPECT_TRUE(kind.still(path));
            });
        }
    }
}

// Bytes of every value but the line break, from a fixed seed: no line of them names a key.
std::string Garbage(size_t size, bool withLineBreaks) {
    std::mt19937 random(15);
    std::string bytes(size, '\0');
    for (char& c : bytes) {
        c = static_cast<char>(random() % 256);
        if (c == '\n' && !withLineBreaks) c = '=';
    }
    return bytes;
}

TEST(PreferenceStart, AFileWithoutAnyPreferenceIsKeptBesideTheNewOne) {
    struct Case {
        const char* what;
        std::string bytes;
    };
    const Case kCases[] = {
        {"random bytes", Garbage(4096, true)},
        {"3 MB of garbage on one line", Garbage(3 << 20, false)},
        {"a text of another program", "[Settings]\nColour=blue\n"},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        Folders folders;
        std::ofstream(folders.DataFile(), std::ios::binary) << c.bytes;
        ApplyPreferenceDefaults(PreferenceKeys());

        const std::string notice = LoadPreferences();
        EXPECT_NE(notice.find(folders.DataFile()), std::string::npos) << notice;
        EXPECT_NE(notice.find(folders.DataFile() + ".bak"), std::string::npos) << notice;

        ASSERT_TRUE(SavePreferences().ok);
        EXPECT_TRUE(Slurp(folders.DataFile() + ".bak") == c.bytes);
        EXPECT_NE(Slurp(folders.DataFile()).find("\nTrueNodes=0\n"), std::string::npos);
        // The next save replaces the program's own file as usual.
        std::ofstream(folders.DataFile() + ".bak") << "kept";
        ASSERT_TRUE(SavePreferences().ok);
        EXPECT_EQ(Slurp(folders.DataFile() + ".bak"), "kept");
    }
}

TEST(PreferenceStart, AFileLargerThanAnyPreferenceFileIsNamedUnreadAndNeverReplaced) {
    Folders folders;
    const SparseFile huge(folders.DataFile(), std::uint64_t{5} << 30);
    ASSERT_TRUE(huge.made());
    const std::uint64_t readBefore = BytesReadByThisProcess();
    const std::string notice = LoadPreferences();
    EXPECT_LT(BytesReadByThisProcess() - readBefore, std::uint64_t{1} << 20) << "the file was read";
    EXPECT_NE(notice.find("\"" + huge.path() + "\": it holds 5 GB, and a preference file holds at most 4 MB."),
              std::string::npos)
        << notice;
    EXPECT_FALSE(SavePreferences().ok);
    EXPECT_EQ(fs::file_size(huge.path()), std::uint64_t{5} << 30);
}

TEST(PreferenceStart, AValueOutsideItsRangeTakesItsDefaultWithANote) {
    Folders folders;
    std::ofstream(folders.DataFile()) << "DefaultAltitude=-501\nTrueNodes=1\n";
    ApplyPreferenceDefaults(PreferenceKeys());
    const std::string notice = LoadPreferences();
    EXPECT_NE(notice.find("\"" + folders.DataFile() + "\""), std::string::npos) << notice;
    EXPECT_NE(notice.find("\nDefaultAltitude=-501 (accepted: -500 to 20000)"), std::string::npos) << notice;
    EXPECT_DOUBLE_EQ(g_dDefaultAltitude, 491.0);
    EXPECT_TRUE(g_bTrueNodes);

    std::ofstream(folders.DataFile()) << "DefaultAltitude=-500\n";
    EXPECT_EQ(LoadPreferences(), "");
    EXPECT_DOUBLE_EQ(g_dDefaultAltitude, -500.0);
    ApplyPreferenceDefaults(PreferenceKeys());
}

TEST(PreferenceStart, AnEmptyOrMissingFileIsAFirstStart) {
    Folders folders;
    EXPECT_EQ(LoadPreferences(), "");
    std::ofstream(folders.DataFile()) << "";
    EXPECT_EQ(LoadPreferences(), "");
    ASSERT_TRUE(SavePreferences().ok);
    EXPECT_FALSE(fs::exists(folders.DataFile() + ".bak"));
}

TEST(PreferenceStart, AUsersFolderThatCannotBeMadeIsReportedWithItsCause) {
    AsOrdinaryUser([] {
        Folders folders;
        fs::remove_all(folders.root / "config");
        fs::create_directory(folders.root / "config");
        ::chmod((folders.root / "config").c_str(), 0555);
        ::chmod((folders.root / "data").c_str(), 0555); // the data folder is not writable either

        const FileWriteResult saved = SavePreferences();
        EXPECT_FALSE(saved.ok);
        const std::string folder = (folders.root / "config/kalomithra-hora").string();
        EXPECT_NE(saved.message.find("\"" + folder + "\": Permission denied"), std::string::npos)
            << saved.message;
    });
}

} // namespace
