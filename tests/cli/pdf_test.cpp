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

std::string repeat(std::string_view piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i) text += piece;
    return text;
}

struct PrintRow {
    const char* name;
    std::string tape;
    Args options;
    int pages;
};

class PdfPrintTest : public testing::TestWithParam<PrintRow> {};

TEST_P(PdfPrintTest, WritesEveryPage) {
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", encodeCal(GetParam().tape));
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
    testing::Values(PrintRow{"EmptyTapeOnePage", "", {}, 1},
                    PrintRow{"FiftyNineLines", numberedTape(59), {"--title", "March"}, 1},
                    PrintRow{"SixtyLinesAddAnEmptyPage", numberedTape(60), {"--title=March"}, 2},
                    PrintRow{"ThirtyTwoCharacterTitle", numberedTape(130), {"--title", std::string(32, 'x')}, 3},
                    // Characters, not bytes or UTF-16 units, count.
                    PrintRow{"ThirtyTwoEmoji", numberedTape(1), {"--title", repeat("\xf0\x9f\xa7\xbe", 32)}, 1},
                    PrintRow{"ThirtyTwoCjk", numberedTape(1), {"--title", repeat("\xe6\x9d\xb1", 32)}, 1},
                    // Lines that end in a bare line feed, as "keys | pack" writes them.
                    PrintRow{"BareLineFeeds", repeat(" 1.00\n", 60), {}, 2},
                    // A note of 120 characters takes two rows of the 60 a page holds.
                    PrintRow{"LongNoteTakesTwoRows", numberedTape(58) + " " + repeat("note 1234 ", 12) + "\r\n",
                             {}, 2}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PdfTitleTest, TitleAsTheTerminalTypedIt) {
    // UTF-8 as it is; bytes that are not UTF-8 (an 8-bit terminal) one character each, as the
    // document's title shows (UTF-16 with its byte-order mark).
    test::TempDir dir;
    test::writeBytes(dir / "t.cal", encodeCal(" 1.00\r\n"));
    const std::string utf16Cafe("\xfe\xff\0C\0a\0f\0\xe9", 10);
    for (const std::string title : {"Caf\xc3\xa9", "Caf\xe9"}) {
        const Outcome r = run({"--title", title, (dir / "t.cal").string(), (dir / "t.pdf").string()});
        EXPECT_EQ(r.status, kOk) << r.err;
        EXPECT_NE(test::readBytes(dir / "t.pdf").find("/Title (" + utf16Cafe + ")"), std::string::npos)
            << title;
    }
}

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
        FailRow{"CjkTitleTooLong", encodeCal(""), "old.pdf", {"--title", repeat("\xe6\x9d\xb1", 33)},
                kUsage, "at most 32 characters"},
        FailRow{"TitleWithoutValue", encodeCal(""), "old.pdf", {"--title"}, kUsage,
                "usage: zovrek-tape pdf"},
        FailRow{"UnknownOption", encodeCal(""), "old.pdf", {"--landscape"}, kUsage,
                "unknown option '--landscape'"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zovrek::cli
