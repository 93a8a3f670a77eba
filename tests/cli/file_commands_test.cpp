#include <gtest/gtest.h>

#include <sstream>

#include "command_run.h"
#include "tape/cal_format.h"
#include "test_files.h"

namespace zovrek::cli {
namespace {

using runner::Outcome;
using runner::run;

const std::string kTape = " 12.50\r\n *\r\n 4.00\r\n =\r\n 50.00\r\n";

struct CatRow {
    const char* name;
    std::string file;
    std::string out;
};

class CatTest : public testing::TestWithParam<CatRow> {};

TEST_P(CatTest, PrintsTheTapeInUtf8) {
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", GetParam().file);
    const Outcome r = run(runCat, {(dir / "t.cal").string()});
    EXPECT_EQ(r.status, kOk);
    EXPECT_EQ(r.out, GetParam().out);
    EXPECT_EQ(r.err, "");
}

INSTANTIATE_TEST_SUITE_P(
    Files, CatTest,
    testing::Values(CatRow{"Latin1", "\x07" " \xE9\x01\r\n +", " \xC3\xA9\x01\r\n +"},
                    CatRow{"Utf8", "\x0C" "\xE6\x99\x9A >> 2\r\n +", "\xE6\x99\x9A >> 2\r\n +"},
                    CatRow{"Wide", std::string("\xFF\xFE\xFF\x03\x5A\x66\x3D\xD8\x00\xDE", 10),
                           "\xE6\x99\x9A\xF0\x9F\x98\x80"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(CatTest, ZeroByteFileGivesNothing) {
    test::TempDir dir;
    test::writeBytes(dir / "z.cal", "");
    const Outcome r = run(runCat, {(dir / "z.cal").string()});
    EXPECT_EQ(r.status, kOk);
    EXPECT_EQ(r.out, "");
}

struct FailRow {
    const char* name;
    bool create;
    std::string file;
    std::string errPart;
};

class CatFailTest : public testing::TestWithParam<FailRow> {};

TEST_P(CatFailTest, ClearMessageAndStatusOne) {
    test::TempDir dir;
    if (GetParam().create) test::writeBytes(dir / "f.cal", GetParam().file);
    const Outcome r = run(runCat, {(dir / "f.cal").string()});
    EXPECT_EQ(r.status, kFailed);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err.rfind("zovrek-tape: ", 0), 0u) << r.err;
    EXPECT_NE(r.err.find(GetParam().errPart), std::string::npos) << r.err;
    EXPECT_NE(r.err.find("f.cal"), std::string::npos) << r.err;
}

INSTANTIATE_TEST_SUITE_P(
    Files, CatFailTest,
    testing::Values(FailRow{"Missing", false, "", "No such file or directory"},
                    FailRow{"TruncatedPrefix", true, "\xFF\x01", "ends inside its length prefix"},
                    FailRow{"LengthBeyondFile", true, "\x20 short", "32 bytes of text promised, 6 present"},
                    FailRow{"WideOddBytes", true, std::string("\xFF\xFE\xFF\x01" "a", 5),
                            "middle of a 16-bit character"}),
    [](const auto& row) { return std::string(row.param.name); });

struct UsageRow {
    const char* name;
    Args args;
};

class FileCommandUsageTest : public testing::TestWithParam<UsageRow> {};

TEST_P(FileCommandUsageTest, CatAndPackGiveUsage) {
    for (auto command : {runCat, runPack}) {
        const Outcome r = run(command, GetParam().args, "x");
        EXPECT_EQ(r.status, kUsage);
        EXPECT_NE(r.err.find("usage: zovrek-tape "), std::string::npos) << r.err;
        EXPECT_EQ(r.out, "");
    }
}

INSTANTIATE_TEST_SUITE_P(Args, FileCommandUsageTest,
                         testing::Values(UsageRow{"None", {}}, UsageRow{"Two", {"a.cal", "b.cal"}},
                                         UsageRow{"Option", {"--help"}}, UsageRow{"Empty", {""}}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(PackTest, WritesTheShortestForm) {
    test::TempDir dir;
    const std::string text(300, 'x');
    const Outcome r = run(runPack, {(dir / "p.cal").string()}, text);
    EXPECT_EQ(r.status, kOk) << r.err;
    EXPECT_EQ(test::readBytes(dir / "p.cal"), encodeCal(text));
    EXPECT_EQ(dir.listing(), "p.cal;");
}

TEST(PackTest, EmptyInputIsTheEmptyTape) {
    test::TempDir dir;
    EXPECT_EQ(run(runPack, {(dir / "e.cal").string()}).status, kOk);
    EXPECT_EQ(test::readBytes(dir / "e.cal"), std::string(1, '\0'));
}

TEST(PackTest, FailedWriteLeavesTheOldFile) {
    test::TempDir dir;
    std::filesystem::create_directory(dir / "d.cal");
    test::writeBytes(dir / "d.cal" / "keep", "x");
    const Outcome r = run(runPack, {(dir / "d.cal").string()}, kTape);
    EXPECT_EQ(r.status, kFailed);
    EXPECT_NE(r.err.find("Could not save"), std::string::npos) << r.err;
    EXPECT_EQ(dir.listing(), "d.cal;");

    const Outcome missing = run(runPack, {(dir / "no" / "p.cal").string()}, kTape);
    EXPECT_EQ(missing.status, kFailed);
}

TEST(PackTest, CatGivesBackWhatPackTook) {
    test::TempDir dir;
    std::string big;
    for (int i = 0; big.size() < 3'000'000; ++i) big += " " + std::to_string(i) + ".00\r\n =\r\n";
    big += std::string("\0\xC3\xBF\xE6\x99\x9A\r\n", 9);
    ASSERT_EQ(run(runPack, {(dir / "b.cal").string()}, big).status, kOk);
    const Outcome r = run(runCat, {(dir / "b.cal").string()});
    EXPECT_EQ(r.status, kOk);
    EXPECT_TRUE(r.out == big);
}

TEST(PackTest, InputThatIsNotUtf8IsLatin1) {
    test::TempDir dir;
    ASSERT_EQ(run(runPack, {(dir / "l.cal").string()}, "Caf\xE9\r\n").status, kOk);
    EXPECT_EQ(test::readBytes(dir / "l.cal"), "\x06" "Caf\xE9\r\n");
    EXPECT_EQ(run(runCat, {(dir / "l.cal").string()}).out, "Caf\xC3\xA9\r\n");
}

}  // namespace
}  // namespace zovrek::cli
