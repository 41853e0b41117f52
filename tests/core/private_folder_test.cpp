// The private folder seen from other copies of this test program, each with a temporary folder of its
// own: what a start leaves of other copies' folders, which temporary folders are passed over for /tmp,
// and what a copy ended by a signal leaves.
#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iostream>
#include <thread>
#include <vector>

#include <fcntl.h>
#include <sched.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include "core/private_folder.h"

namespace fs = std::filesystem;

namespace {

// The exit status of a copy that could not be set up as asked.
constexpr int kCannotRun = 77;

// How long a copy may run before it is taken for hung: far past what any copy needs, even on a loaded
// machine; only a copy that would never end meets it.
constexpr std::chrono::minutes kCopyDeadline(5);

// The signals the tests send a copy, and which the copy must therefore start with at their defaults:
// a test run under nohup, or started in the background by a shell, would hand them on ignored.
constexpr int kSignalsSent[] = {SIGTERM, SIGHUP, SIGINT};

// Another copy of this test program running the tests of `filter` with `temporary` as its temporary
// folder, its output (stdout and stderr) kept for the messages of a failure; `prepare` runs in it first,
// and a copy it fails ends with kCannotRun. The signals of kSignalsSent start at their defaults,
// unblocked, but for `ignored`. Run `forever`, it repeats them until it is ended.
class ProgramCopy {
public:
    ProgramCopy(const fs::path& temporary, const std::string& filter, bool forever = false,
                const std::function<bool()>& prepare = {}, const std::vector<int>& ignored = {})
        : m_output(::memfd_create("program-copy-output", MFD_CLOEXEC)) {
        const std::string filterArgument = "--gtest_filter=" + filter;
        // The copy starts from the program's path, not from /proc/self/exe: a copy in a mount namespace
        // of its own started through that link is the file as this process's namespace holds it, and
        // reads its own path from outside a chroot (its data folder then is nowhere).
        const std::string program = fs::read_symlink("/proc/self/exe").string();
        m_pid = ::fork();
        if (m_pid != 0) return;
        for (const int signal : kSignalsSent) {
            const bool ignore = std::find(ignored.begin(), ignored.end(), signal) != ignored.end();
            std::signal(signal, ignore ? SIG_IGN : SIG_DFL);
        }
        sigset_t sent;
        sigemptyset(&sent);
        for (const int signal : kSignalsSent) sigaddset(&sent, signal);
        ::sigprocmask(SIG_UNBLOCK, &sent, nullptr);
        if (prepare && !prepare()) std::_Exit(kCannotRun);
        ::setenv("TMPDIR", temporary.c_str(), 1);
        ::dup2(m_output, STDOUT_FILENO);
        ::dup2(m_output, STDERR_FILENO);
        ::execl(program.c_str(), "core_tests", filterArgument.c_str(),
                forever ? "--gtest_repeat=-1" : "--gtest_repeat=1",
                forever ? "--gtest_brief=1" : "--gtest_brief=0", static_cast<char*>(nullptr));
        std::_Exit(127);
    }
    ProgramCopy(const ProgramCopy&) = delete;
    ProgramCopy& operator=(const ProgramCopy&) = delete;
    ~ProgramCopy() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            Wait();
        }
        if (m_output >= 0) ::close(m_output);
    }

    pid_t Pid() const { return m_pid; }
    // True until the copy ends (it is not waited for).
    bool Running() const {
        siginfo_t ended = {};
        return m_pid > 0 &&
               ::waitid(P_PID, static_cast<id_t>(m_pid), &ended, WEXITED | WNOHANG | WNOWAIT) == 0 &&
               ended.si_pid == 0;
    }

    // The copy's wait status once it has ended. A copy still running at kCopyDeadline is killed, and the
    // test fails saying so.
    int Wait() {
        int status = 0;
        auto deadline = std::chrono::steady_clock::now() + kCopyDeadline;
        while (m_pid > 0) {
            const pid_t ended = ::waitpid(m_pid, &status, WNOHANG);
            if (ended == m_pid || (ended < 0 && errno != EINTR)) {
                m_pid = 0;
            } else if (std::chrono::steady_clock::now() > deadline) {
                ::kill(m_pid, SIGKILL);
                ADD_FAILURE() << "the copy still ran after " << kCopyDeadline.count()
                              << " minutes and was killed\n"
                              << Output();
                deadline = std::chrono::steady_clock::time_point::max();
            } else {
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
            }
        }
        return status;
    }

    // What the copy wrote, for a failure message: its end, where a copy that repeats its tests wrote
    // much.
    std::string Output() const {
        constexpr off_t kShown = 64 * 1024;
        struct stat written = {};
        ::fstat(m_output, &written);
        off_t at = std::max<off_t>(0, written.st_size - kShown);
        std::string text = at == 0 ? "the copy's output:\n" : "the copy's output, its last 64 KB:\n";
        char block[4096];
        for (ssize_t size; (size = ::pread(m_output, block, sizeof block, at)) > 0; at += size)
            text.append(block, static_cast<std::size_t>(size));
        return text;
    }

private:
    int m_output;
    pid_t m_pid = -1;
};

// A folder of this test under the temporary folder, empty at the start and removed at the end.
class TestFolder {
public:
    explicit TestFolder(const std::string& name)
        : m_path(fs::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        fs::remove_all(m_path);
        fs::create_directories(m_path);
    }
    ~TestFolder() {
        std::error_code ignored;
        fs::remove_all(m_path, ignored);
    }
    TestFolder(const TestFolder&) = delete;
    TestFolder& operator=(const TestFolder&) = delete;

    const fs::path& Path() const { return m_path; }
    std::ptrdiff_t Count() const {
        return std::distance(fs::directory_iterator(m_path), fs::directory_iterator());
    }

private:
    fs::path m_path;
};

bool WriteWhole(const char* path, const std::string& text) {
    std::ofstream file(path);
    file << text;
    return static_cast<bool>(file.flush());
}

// Makes `folder` a file system of 64 KB in a mount namespace of this process's own (and a user namespace,
// where the process may not make a mount namespace alone): a temporary folder too full for the star
// catalogue. False where the system allows neither.
bool MountFullFolder(const fs::path& folder) {
    const std::string uid = std::to_string(::getuid()), gid = std::to_string(::getgid());
    if (::unshare(CLONE_NEWNS) != 0 &&
        (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0 || !WriteWhole("/proc/self/setgroups", "deny") ||
         !WriteWhole("/proc/self/uid_map", "0 " + uid + " 1") ||
         !WriteWhole("/proc/self/gid_map", "0 " + gid + " 1")))
        return false;
    // Private first: the new file system must not show outside.
    return ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
           ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
}

// Each copy of the program holds a lock on its private folder for as long as it runs. A copy that starts
// removes the folders whose lock it can take, those of copies gone without their exit, and no other:
// asking whether a process of the folder's number still lived removed the folders of copies running in
// another process namespace.
TEST(PrivateFolder, AStartRemovesTheFoldersOfCopiesGoneAndNoOther) {
    std::string failure;
    const std::string own = PrivateFolder(failure);
    ASSERT_FALSE(own.empty()) << failure;
    const int ownLock = ::open((own + "/lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(ownLock, 0);
    EXPECT_NE(::flock(ownLock, LOCK_EX | LOCK_NB), 0); // this copy holds it
    ::close(ownLock);

    const TestFolder temporary("kh-copies");
    for (const char* folder : {"kh-stars-gone01", "kh-stars-runs01", "kh-stars-made01"})
        fs::create_directories(temporary.Path() / folder);
    std::ofstream(temporary.Path() / "kh-stars-gone01/lock");
    std::ofstream(temporary.Path() / "kh-stars-runs01/lock");
    const int running = ::open((temporary.Path() / "kh-stars-runs01/lock").c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_EQ(::flock(running, LOCK_EX | LOCK_NB), 0); // a copy elsewhere, running

    // Another copy starts with its temporary folder there, and ends.
    ProgramCopy copy(temporary.Path(), "DataFolder.BuildTreeHasTheInstalledShape");
    const int status = copy.Wait();
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status << "\n" << copy.Output();
    ::close(running);

    EXPECT_FALSE(fs::exists(temporary.Path() / "kh-stars-gone01"));
    EXPECT_TRUE(fs::exists(temporary.Path() / "kh-stars-runs01"));
    EXPECT_TRUE(fs::exists(temporary.Path() / "kh-stars-made01")); // no lock yet: being made
    EXPECT_EQ(temporary.Count(), 2) << temporary.Path();           // the copy's own went
}

// The tests of a copy that read the user's stars from ephemeris folders of every length and path, and
// the catalogue's own stars.
constexpr const char* kStarTests = "EphemerisPath.*";

// The library takes the checked star catalogue from a path of at most 242 characters that it does not
// split (at ':', ';' or a line end): a temporary folder whose private folder it could not reach so is
// passed over for /tmp. Without that, a temporary folder of 129 characters with an ephemeris folder of
// 209 or more lost the user's stars, and one whose path held a line end lost every star. So is one that
// cannot hold the copy: on a full temporary folder every chart was refused.
TEST(PrivateFolder, ATemporaryFolderThatCannotServeIsPassedOverForTmp) {
    const TestFolder base("kh-places");
    std::string longName = "long";
    while ((base.Path() / longName).string().size() < 129) longName += "g";
    struct Case {
        std::string name;
        bool full;
    };
    for (const Case& c : {Case{longName, false}, Case{"co:lon", false}, Case{"se;mi", false},
                          Case{"new\nline", false}, Case{"full", true}}) {
        SCOPED_TRACE(c.name);
        const fs::path temporary = base.Path() / c.name;
        fs::create_directory(temporary);
        ProgramCopy copy(temporary, kStarTests, false, [&] { return !c.full || MountFullFolder(temporary); });
        const int status = copy.Wait();
        ASSERT_TRUE(WIFEXITED(status)) << status << "\n" << copy.Output();
        if (WEXITSTATUS(status) == kCannotRun) {
            std::cout
                << "No file system of its own can be made here: the full temporary folder is left out.\n";
            continue;
        }
        EXPECT_EQ(WEXITSTATUS(status), 0) << "the copy's tests of the stars failed\n" << copy.Output();
        EXPECT_TRUE(fs::is_empty(temporary)) << "the copy's folders stayed";
    }
}

// A copy ended by SIGTERM (a shut-down, `kill`), SIGHUP (its terminal closed) or SIGINT (Ctrl+C in its
// terminal) removes its private folder as at a normal end, and still ends by that signal. A signal the
// copy was started with ignored (SIGHUP under nohup, SIGINT in a job a shell started in the background)
// stays ignored: the copy runs on, and still removes its folder when SIGTERM ends it.
TEST(PrivateFolder, ACopyEndedBySignalRemovesItsFolder) {
    struct Case {
        int sent;
        bool ignored; // by the copy from its start
    };
    for (const Case c : {Case{SIGTERM, false}, Case{SIGHUP, false}, Case{SIGINT, false}, Case{SIGHUP, true},
                         Case{SIGINT, true}}) {
        SCOPED_TRACE(testing::Message() << "signal " << c.sent << (c.ignored ? ", ignored" : ""));
        const TestFolder temporary("kh-signal");
        ProgramCopy copy(temporary.Path(), "DataFolder.BuildTreeHasTheInstalledShape", true, {},
                         c.ignored ? std::vector<int>{c.sent} : std::vector<int>{});
        // Its folder is ready once the star catalogue stands beside the lock.
        const auto ready = [&] {
            std::error_code ec;
            for (const fs::directory_entry& folder : fs::directory_iterator(temporary.Path(), ec))
                if (std::distance(fs::directory_iterator(folder.path(), ec), fs::directory_iterator()) >= 2)
                    return true;
            return false;
        };
        const auto deadline = std::chrono::steady_clock::now() + kCopyDeadline;
        while (!ready() && copy.Running() && std::chrono::steady_clock::now() < deadline)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        ASSERT_TRUE(ready()) << copy.Output();
        ASSERT_EQ(::kill(copy.Pid(), c.sent), 0);
        // Were the ignored signal taken, it would end the copy first: it is the lower of the two and
        // blocks SIGTERM while its handler runs.
        const int ending = c.ignored ? SIGTERM : c.sent;
        if (c.ignored) {
            ASSERT_EQ(::kill(copy.Pid(), ending), 0);
        }
        const int status = copy.Wait();
        EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == ending) << status << "\n" << copy.Output();
        EXPECT_EQ(temporary.Count(), 0) << temporary.Path();
    }
}

} // namespace
