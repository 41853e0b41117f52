#include <filesystem>

#include <gtest/gtest.h>

#include "core/data_folder.h"

TEST(DataFolder, BuildTreeHasTheInstalledShape) {
    namespace fs = std::filesystem;
    EXPECT_EQ(fs::path(DataFolder()).filename(), "tvcore");
    EXPECT_TRUE(fs::exists(fs::path(EphemerisFolder()) / "sepl_18.se1")) << EphemerisFolder();
}
