#include "core/whole_file.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "tests/core/fifo_file.h"
#include "tests/core/sparse_file.h"

namespace fs = std::filesystem;

namespace {

constexpr FileSizeLimit kTestLimit = {1 << 20, "a test file"};

class WholeFile : public testing::Test {
protected:
    WholeFile() : folder(fs::temp_directory_path() / ("kh-whole-file-" + std::to_string(::getpid()))) {
        fs::create_directories(folder);
    }
    ~WholeFile() override { fs::remove_all(folder); }

    std::string Path(const std::string& name) const { return (folder / name).string(); }
    std::string Slurp(const std::string& name) const {
        std::ifstream in(folder / name, std::ios::binary);
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }
    long EntryCount() const {
        return std::distance(fs::directory_iterator(folder), fs::directory_iterator());
    }

    fs::path folder;
};

TEST_F(WholeFile, WritesWholeFilesAndLeavesNothingElse) {
    ASSERT_TRUE(WriteFileWhole(Path("tavro.ini"), "first\n").ok);
    ASSERT_TRUE(WriteFileWhole(Path("tavro.ini"), "second\n").ok);
    EXPECT_EQ(Slurp("tavro.ini"), "second\n");
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(WholeFile, AFailedWriteSaysSoAndLeavesNothingBehind) {
    const auto missing = WriteFileWhole(Path("no-such-folder/tavro.ini"), "x");
    EXPECT_FALSE(missing.ok);
    EXPECT_NE(missing.message.find("no-such-folder"), std::string::npos);

    // The rename cannot replace a folder: the old entry stays and the temporary file goes.
    fs::create_directory(Path("tavro.ini"));
    const auto blocked = WriteFileWhole(Path("tavro.ini"), "x");
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.message.find("tavro.ini\": Is a directory"), std::string::npos) << blocked.message;
    EXPECT_TRUE(fs::is_directory(Path("tavro.ini")));
    EXPECT_EQ(EntryCount(), 1);
}

TEST_F(WholeFile, KeepsThePermissionsOfTheFileItReplaces) {
    for (const mode_t mode : {0600, 0640, 0644}) {
        SCOPED_TRACE(mode);
        std::ofstream(Path("tavro.ini")) << "old";
        ::chmod(Path("tavro.ini").c_str(), mode);
        ASSERT_TRUE(WriteFileWhole(Path("tavro.ini"), "new").ok);
        struct stat written {};
        ASSERT_EQ(::stat(Path("tavro.ini").c_str(), &written), 0);
        EXPECT_EQ(written.st_mode & 07777, mode);
    }
}

// Root saving a user's file gives it back to the user; anyone else keeps what the system lets keep.
TEST_F(WholeFile, KeepsTheOwnerAndGroupOfTheFileItReplaces) {
    if (::geteuid() != 0) GTEST_SKIP() << "only root may give a file to another user";
    constexpr uid_t kUser = 54321;
    constexpr gid_t kGroup = 54322;
    std::ofstream(Path("chart.tvd")) << "old";
    ASSERT_EQ(::chown(Path("chart.tvd").c_str(), kUser, kGroup), 0);
    ASSERT_EQ(::chmod(Path("chart.tvd").c_str(), 02640), 0); // set-group-id survives the change of owner
    ASSERT_TRUE(WriteFileWhole(Path("chart.tvd"), "new").ok);
    struct stat written {};
    ASSERT_EQ(::stat(Path("chart.tvd").c_str(), &written), 0);
    EXPECT_EQ(written.st_uid, kUser);
    EXPECT_EQ(written.st_gid, kGroup);
    EXPECT_EQ(written.st_mode & 07777, 02640u);
    EXPECT_EQ(Slurp("chart.tvd"), "new");
}

// Saves killed midway leave their temporaries; the next save of the same file clears them, and only
// them.
TEST_F(WholeFile, ASaveRemovesTheTemporariesOfInterruptedSavesOfTheSameFile) {
    const char* const kStale[] = {"chart.tvd.tmp-1", "chart.tvd.tmp-3158906401"};
    const char* const kOthers[] = {"other.tvd.tmp-17", "chart.tvd.tmp-", "chart.tvd.tmp-12x",
                                   "chart.tvd.bak"};
    for (const char* name : kStale) std::ofstream(Path(name)) << "half";
    for (const char* name : kOthers) std::ofstream(Path(name)) << "kept";
    ASSERT_TRUE(WriteFileWhole(Path("chart.tvd"), "whole").ok);
    for (const char* name : kStale) EXPECT_FALSE(fs::exists(folder / name)) << name;
    for (const char* name : kOthers) EXPECT_EQ(Slurp(name), "kept") << name;
    EXPECT_EQ(Slurp("chart.tvd"), "whole");
}

TEST_F(WholeFile, TellsAReadOnlyFile) {
    struct Case {
        const char* name;
        int mode; // -1: no such file
        bool readOnly;
    };
    const Case kCases[] = {
        {"marked.tvd", 0444, true},
        {"owner.tvd", 0644, false},
        {"mine.tvd", 0200, false},
        {"none.tvd", -1, false},
    };
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        if (c.mode >= 0) {
            std::ofstream(Path(c.name)) << "x";
            ::chmod(Path(c.name).c_str(), static_cast<mode_t>(c.mode));
        }
        EXPECT_EQ(IsReadOnlyFile(Path(c.name)), c.readOnly);
    }
}

TEST_F(WholeFile, ANewFileGetsTheUsualPermissions) {
    const mode_t mask = ::umask(027);
    const bool ok = WriteFileWhole(Path("new.ini"), "x").ok;
    ::umask(mask);
    ASSERT_TRUE(ok);
    struct stat written {};
    ASSERT_EQ(::stat(Path("new.ini").c_str(), &written), 0);
    EXPECT_EQ(written.st_mode & 07777, 0640u);
}

TEST_F(WholeFile, WritesThroughSymbolicLinks) {
    // tavro.ini -> settings/mine.ini (relative), and a link to that link.
    fs::create_directory(folder / "settings");
    std::ofstream(folder / "settings/mine.ini") << "old";
    fs::create_symlink("settings/mine.ini", folder / "tavro.ini");
    fs::create_symlink(folder / "tavro.ini", folder / "again.ini");

    ASSERT_TRUE(WriteFileWhole(Path("tavro.ini"), "new").ok);
    EXPECT_TRUE(fs::is_symlink(folder / "tavro.ini"));
    EXPECT_EQ(Slurp("settings/mine.ini"), "new");
    ASSERT_TRUE(WriteFileWhole(Path("again.ini"), "newer").ok);
    EXPECT_TRUE(fs::is_symlink(folder / "again.ini"));
    EXPECT_EQ(Slurp("settings/mine.ini"), "newer");

    // A link to a file not yet there creates the file.
    fs::create_symlink("settings/later.ini", folder / "later.ini");
    ASSERT_TRUE(WriteFileWhole(Path("later.ini"), "made").ok);
    EXPECT_EQ(Slurp("settings/later.ini"), "made");

    fs::create_symlink("loop.ini", folder / "loop.ini");
    const auto loop = WriteFileWhole(Path("loop.ini"), "x");
    EXPECT_FALSE(loop.ok);
    EXPECT_NE(loop.message.find("loop.ini"), std::string::npos);
}

TEST_F(WholeFile, CreatingAFolderReportsTheRealCause) {
    EXPECT_TRUE(CreateFolder(Path("a/b/c")).ok);
    EXPECT_TRUE(fs::is_directory(folder / "a/b/c"));
    std::ofstream(folder / "plain") << "x";
    const auto blocked = CreateFolder(Path("plain/sub"));
    EXPECT_FALSE(blocked.ok);
    EXPECT_NE(blocked.message.find("plain/sub\": Not a directory"), std::string::npos) << blocked.message;
}

TEST_F(WholeFile, ReadsWholeFilesAndTellsMissingFromUnreadable) {
    std::ofstream(Path("some.ini"), std::ios::binary) << std::string("a\0b\nc", 5);
    const FileReadResult read = ReadFileWhole(Path("some.ini"), kTestLimit);
    EXPECT_EQ(read.outcome, FileReadResult::Outcome::kRead);
    EXPECT_EQ(read.text, std::string("a\0b\nc", 5));

    EXPECT_EQ(ReadFileWhole(Path("none.ini"), kTestLimit).outcome, FileReadResult::Outcome::kMissing);

    fs::create_directory(Path("folder.ini"));
    const FileReadResult folderRead = ReadFileWhole(Path("folder.ini"), kTestLimit);
    EXPECT_EQ(folderRead.outcome, FileReadResult::Outcome::kUnreadable);
    EXPECT_NE(folderRead.message.find("folder.ini\": Is a directory"), std::string::npos)
        << folderRead.message;
}

TEST_F(WholeFile, AFifoOrADeviceIsRefusedWithoutWaitingOnIt) {
    FifoFile fifo(Path("chart.tvd"));
    ASSERT_TRUE(fifo.made());
    const FileReadResult fromFifo = fifo.ReadAside([&] { return ReadFileWhole(fifo.path(), kTestLimit); });
    EXPECT_EQ(fromFifo.outcome, FileReadResult::Outcome::kUnreadable);
    EXPECT_NE(fromFifo.message.find("chart.tvd\": it is not a regular file (a fifo)"), std::string::npos)
        << fromFifo.message;

    const FileReadResult fromDevice = ReadFileWhole("/dev/null", kTestLimit);
    EXPECT_EQ(fromDevice.outcome, FileReadResult::Outcome::kUnreadable);
    EXPECT_NE(fromDevice.message.find("\"/dev/null\": it is not a regular file (a device)"),
              std::string::npos)
        << fromDevice.message;

    // A link to a regular file is read as the file.
    std::ofstream(Path("real.ini")) << "x";
    fs::create_symlink(Path("real.ini"), Path("link.ini"));
    EXPECT_EQ(ReadFileWhole(Path("link.ini"), kTestLimit).text, "x");
}

TEST_F(WholeFile, AFileLargerThanItsKindMayBeIsRefusedUnread) {
    // Eight gigabytes that take no room: read whole they would take the memory with them.
    const SparseFile huge(Path("huge.tvd"), std::uint64_t{8} << 30);
    ASSERT_TRUE(huge.made());
    const std::uint64_t readBefore = BytesReadByThisProcess();
    const FileReadResult read = ReadFileWhole(huge.path(), kTestLimit);
    EXPECT_LT(BytesReadByThisProcess() - readBefore, std::uint64_t{64} << 10) << "the file was read";
    EXPECT_EQ(read.outcome, FileReadResult::Outcome::kUnreadable);
    EXPECT_EQ(read.text.capacity(), std::string().capacity());
    EXPECT_EQ(read.message, "Cannot read \"" + huge.path() + "\": it holds 8 GB, and a test file holds at most 1 MB.");

    // The limit itself is still read.
    const SparseFile full(Path("full.tvd"), kTestLimit.bytes);
    EXPECT_EQ(ReadFileWhole(full.path(), kTestLimit).text.size(), kTestLimit.bytes);
    // One byte past it: the sizes are written out, so that the message shows the file to be larger.
    const SparseFile past(Path("past.tvd"), kTestLimit.bytes + 1);
    const FileReadResult pastRead = ReadFileWhole(past.path(), kTestLimit);
    EXPECT_EQ(pastRead.outcome, FileReadResult::Outcome::kUnreadable);
    EXPECT_EQ(pastRead.message,
              "Cannot read \"" + past.path() +
                  "\": it holds 1048577 bytes, and a test file holds at most 1048576 bytes.");
}

TEST(WholeFileSize, SizesAreShownInTheirUnits) {
    EXPECT_EQ(SizeText(1), "1 byte");
    EXPECT_EQ(SizeText(1023), "1023 bytes");
    EXPECT_EQ(SizeText(1024), "1 KB");
    EXPECT_EQ(SizeText(4 << 20), "4 MB");
    EXPECT_EQ(SizeText((std::uint64_t{5} << 30) / 2), "2.5 GB");
}

} // namespace
