#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <string>
#include <vector>

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

struct NamesRow {
    const char* name;
    std::vector<std::string> files;  // newest first
    std::vector<std::string> shown;
};
void PrintTo(const NamesRow& row, std::ostream* os) { *os << row.name; }

class RecentNamesTest : public ::testing::TestWithParam<NamesRow> {};

TEST_P(RecentNamesTest, SameNamesShowTheirFolders) {
    const NamesRow& row = GetParam();
    RecentFiles list;
    for (auto file = row.files.rbegin(); file != row.files.rend(); ++file) list.add(*file);
    EXPECT_EQ(list.shownNames(), row.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Names, RecentNamesTest,
    ::testing::Values(
        NamesRow{"AllDifferent", {"/t/a.cal", "/t/b.cal", "/u/c.cal"}, {"a.cal", "b.cal", "c.cal"}},
        NamesRow{"TwoFolders",
                 {"/home/ann/budget.cal", "/home/bob/budget.cal", "/home/ann/rent.cal"},
                 {"ann/budget.cal", "bob/budget.cal", "rent.cal"}},
        NamesRow{"ThreeFoldersTwoOfOneName",
                 {"/home/ann/2023/budget.cal", "/home/bob/2023/budget.cal",
                  "/home/ann/2024/budget.cal"},
                 {"ann/2023/budget.cal", "bob/2023/budget.cal", "2024/budget.cal"}},
        NamesRow{"NestedSameFolderNames",
                 {"/x/tapes/tapes/budget.cal", "/y/tapes/tapes/budget.cal",
                  "/tapes/tapes/budget.cal", "/tapes/budget.cal"},
                 {"x/tapes/tapes/budget.cal", "y/tapes/tapes/budget.cal",
                  "/tapes/tapes/budget.cal", "/tapes/budget.cal"}},
        NamesRow{"RootFolder", {"/budget.cal", "/a/budget.cal"}, {"/budget.cal", "a/budget.cal"}}));

}  // namespace
}  // namespace zovrek::shell
