// The recent-file list: newest first, no duplicates, at most its size, kept across runs in the settings.
#include <QFile>
#include <QTemporaryDir>
#include <chrono>

#include <gtest/gtest.h>

#include "tests/core/fifo_file.h"
#include "platform/recent_file_list.h"

namespace {

// The settings file is one of the test's own: other test processes keep their lists meanwhile.
TEST(RecentFileList, NewestFirstWithoutDuplicatesAndKeptAcrossRuns) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString settings = folder.filePath("Kalomithra Hora.conf");
    CRecentFileList list(3, settings);
    for (const char* path : {"/c/a.tvd", "/c/b.tvd", "/c/c.tvd", "/c/a.tvd", "/c/d.tvd"}) list.Add(path);
    EXPECT_EQ(list.Paths(), (QStringList{"/c/d.tvd", "/c/a.tvd", "/c/c.tvd"}));
    EXPECT_EQ(list.MenuText(1), "&2 a.tvd");
    list.WriteList();

    CRecentFileList reread(3, settings);
    reread.ReadList();
    EXPECT_EQ(reread.Paths(), list.Paths());
    reread.Remove(0);
    reread.Remove(7); // past the end: nothing
    EXPECT_EQ(reread.Paths(), (QStringList{"/c/a.tvd", "/c/c.tvd"}));
    reread.WriteList();
    list.ReadList();
    EXPECT_EQ(list.Paths(), reread.Paths());
}

// A settings file far too large to be the list's, or a fifo in its place, is not read (at once, without
// taking its size in memory or waiting on the fifo), leaves the list empty with a message naming the file
// and the cause, and is not written over. A folder of the test's own holds it: other test processes
// keep their lists in the shared test settings meanwhile.
TEST(RecentFileList, RefusesASettingsFileItCannotReadAndLeavesIt) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString settings = folder.filePath("Kalomithra Hora.conf");
    {
        QFile file(settings);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        ASSERT_TRUE(file.resize(qint64(3) << 30)); // 3 GB, sparse
    }
    CRecentFileList list(CRecentFileList::kDefaultSize, settings);
    const auto start = std::chrono::steady_clock::now();
    list.ReadList();
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
    EXPECT_TRUE(list.Paths().isEmpty());
    EXPECT_EQ(list.ReadFailure(),
              "Cannot read \"" + settings.toStdString() +
                  "\": it holds 3 GB, and the settings file of the recent-file list holds at "
                  "most 1 MB.");
    list.Add("/c/a.tvd");
    list.WriteList();
    EXPECT_EQ(QFileInfo(settings).size(), qint64(3) << 30);
    ASSERT_TRUE(QFile::remove(settings));

    FifoFile fifo(settings.toStdString());
    ASSERT_TRUE(fifo.made());
    const bool refused = fifo.ReadAside([&settings] {
        CRecentFileList aside(CRecentFileList::kDefaultSize, settings);
        aside.ReadList();
        return !aside.ReadFailure().empty();
    });
    EXPECT_TRUE(refused);
    EXPECT_FALSE(fifo.readerWaited());
}

} // namespace
