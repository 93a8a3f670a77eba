#include <gtest/gtest.h>

#include <sstream>

#include "commands.h"
#include "tape/cal_format.h"
#include "test_files.h"

namespace zovrek::cli {
namespace {

struct Outcome {
    int status;
    std::string err;
};

Outcome run(const Args& args) {
    std::istringstream in;
    std::ostringstream out, err;
    const int status = runPdf(args, Streams{in, out, err});
    EXPECT_EQ(out.str(), "");
    return {status, err.str()};
}

std::string numberedTape(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += " " + std::to_string(i) + ".00\r\n";
    return tape;
}

int pdfPages(const std::string& bytes) {
    if (bytes.rfind("%PDF-", 0) != 0) return -1;
    int pages = 0;
    for (std::size_t at = bytes.find("/Type /Page"); at != std::string::npos;
         at = bytes.find("/Type /Page", at + 1))
        if (bytes.compare(at, 12, "/Type /Pages") != 0) ++pages;
    return pages;
}

struct PrintRow {
    const char* name;
    int lines;
    Args options;
    int pages;
};

class PdfPrintTest : public testing::TestWithParam<PrintRow> {};

TEST_P(PdfPrintTest, WritesEveryPage) {
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", encodeCal(numberedTape(GetParam().lines)));
    Args args = GetParam().options;
    args.push_back((dir / "t.cal").string());
    args.push_back((dir / "t.pdf").string());
    const Outcome r = run(args);
    EXPECT_EQ(r.status, kOk) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(pdfPages(test::readBytes(dir / "t.pdf")), GetParam().pages);
}

INSTANTIATE_TEST_SUITE_P(
    Tapes, PdfPrintTest,
    testing::Values(PrintRow{"EmptyTapeOnePage", 0, {}, 1},
                    PrintRow{"FiftyNineLines", 59, {"--title", "March"}, 1},
                    PrintRow{"SixtyLinesAddAnEmptyPage", 60, {"--title=March"}, 2},
                    PrintRow{"ThirtyTwoCharacterTitle", 130, {"--title", std::string(32, 'x')}, 3}),
    [](const auto& row) { return std::string(row.param.name); });

struct FailRow {
    const char* name;
    std::string input;   // bytes of t.cal; "-" for no file
    std::string output;  // name in the folder
    Args options;
    int status;
    std::string errPart;
};

class PdfFailTest : public testing::TestWithParam<FailRow> {};

TEST_P(PdfFailTest, ClearMessageAndOldFileKept) {
    const FailRow& row = GetParam();
    test::TempDir dir;
    if (row.input != "-") test::writeBytes(dir / "t.cal", row.input);
    test::writeBytes(dir / "old.pdf", "old");
    Args args = row.options;
    if (row.status != kUsage || !row.options.empty()) {
        args.push_back((dir / "t.cal").string());
        args.push_back((dir / row.output).string());
    }
    const Outcome r = run(args);
    EXPECT_EQ(r.status, row.status);
    EXPECT_NE(r.err.find(row.errPart), std::string::npos) << r.err;
    EXPECT_EQ(test::readBytes(dir / "old.pdf"), "old");
}

INSTANTIATE_TEST_SUITE_P(
    Problems, PdfFailTest,
    testing::Values(
        FailRow{"DamagedFile", "garbage", "old.pdf", {}, kFailed, "zovrek-tape: Could not read"},
        FailRow{"MissingFile", "-", "old.pdf", {}, kFailed, "zovrek-tape: Could not open"},
        FailRow{"OutputInAMissingFolder", encodeCal(" 1.\r\n"), "none/t.pdf", {}, kFailed,
                "none/t.pdf"},
        FailRow{"OutputIsAFolder", encodeCal(" 1.\r\n"), ".", {}, kFailed, "Could not write"},
        FailRow{"NoFiles", "-", "", {}, kUsage, "give one FILE.cal and one OUT.pdf"},
        FailRow{"TitleTooLong", encodeCal(""), "old.pdf", {"--title", std::string(33, 'x')},
                kUsage, "at most 32 characters"},
        FailRow{"TitleWithoutValue", encodeCal(""), "old.pdf", {"--title"}, kUsage,
                "usage: zovrek-tape pdf"},
        FailRow{"UnknownOption", encodeCal(""), "old.pdf", {"--landscape"}, kUsage,
                "unknown option '--landscape'"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zovrek::cli
