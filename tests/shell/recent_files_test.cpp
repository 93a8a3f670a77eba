#include <gtest/gtest.h>

#include <filesystem>

#include "shell/recent_files.h"

namespace zovrek::shell {
namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(RecentFiles, NewestFirstWithoutRepeatsAndAtMostFour) {
    RecentFiles list;
    for (const char* name : {"/t/a.cal", "/t/b.cal", "/t/c.cal", "/t/a.cal", "/t/d.cal",
                             "/t/e.cal", "/t/bad\nname.cal", ""})
        list.add(name);
    EXPECT_EQ(list.files(), (Paths{"/t/e.cal", "/t/d.cal", "/t/a.cal", "/t/c.cal"}));
}

TEST(RecentFiles, FileRoundTripAndDamagedText) {
    const auto folder = std::filesystem::temp_directory_path() / "zovrek-recent-test";
    std::filesystem::remove_all(folder);
    RecentFiles list;
    list.add("/tapes/b.cal");
    list.add("/tapes/with = sign.cal");
    ASSERT_TRUE(list.save(folder / kRecentFilesName));
    EXPECT_EQ(RecentFiles::load(folder / kRecentFilesName).files(), list.files());
    EXPECT_TRUE(RecentFiles::load(folder / "missing.ini").files().empty());
    std::filesystem::remove_all(folder);

    const auto read = RecentFiles::decode(
        "File1=/outside/section.cal\n[Other]\nFile1=/other.cal\n[Recent File List]\r\n"
        "garbage\nFile1=/x.cal\r\nFile2=\nFile3=/x.cal\nFile4=/y.cal\n");
    EXPECT_EQ(read.files(), (Paths{"/x.cal", "/y.cal"}));
}

}  // namespace
}  // namespace zovrek::shell
