// The recent-file list: newest first, no duplicates, at most its size, kept across runs in the settings.
#include <QStandardPaths>

#include <gtest/gtest.h>

#include "platform/recent_file_list.h"

namespace {

TEST(RecentFileList, NewestFirstWithoutDuplicatesAndKeptAcrossRuns) {
    QStandardPaths::setTestModeEnabled(true); // settings go to a test folder, not the user's
    CRecentFileList list(3);
    for (const char* path : {"/c/a.tvd", "/c/b.tvd", "/c/c.tvd", "/c/a.tvd", "/c/d.tvd"}) list.Add(path);
    EXPECT_EQ(list.Paths(), (QStringList{"/c/d.tvd", "/c/a.tvd", "/c/c.tvd"}));
    EXPECT_EQ(list.MenuText(1), "&2 a.tvd");
    list.WriteList();

    CRecentFileList reread(3);
    reread.ReadList();
    EXPECT_EQ(reread.Paths(), list.Paths());
    reread.Remove(0);
    reread.Remove(7); // past the end: nothing
    EXPECT_EQ(reread.Paths(), (QStringList{"/c/a.tvd", "/c/c.tvd"}));
    reread.WriteList();
    list.ReadList();
    EXPECT_EQ(list.Paths(), reread.Paths());
    QStandardPaths::setTestModeEnabled(false);
}

} // namespace
