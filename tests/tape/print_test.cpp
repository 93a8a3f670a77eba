#include "tape/print_file_name.h"
#include "tape/print_layout.h"
#include "tape/print_preparation.h"

#include <gtest/gtest.h>

#include "engine/command_ids.h"
#include "tape/cal_format.h"
#include "tape_rig.h"
#include "test_files.h"

namespace zovrek {
namespace {

using test::TapeRig;

const std::string kExampleTape =
    " 12.50\r\n *\r\n 4.00\r\n =\r\n 50.00\r\n @\r\n (SQRT)\r\n 7.00\r\n =\r\n 2.65\r\n";

std::vector<std::string> linesOf(std::string_view tape) {
    CalculatorState state;
    state.m_tape.assign(tape);
    buildPrintLines(state);
    EXPECT_EQ(state.m_printLineCount, static_cast<int>(state.m_printLines.size()));
    return state.m_printLines;
}

std::string numberedTape(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += " " + std::to_string(i) + ".\r\n";
    return tape;
}

// ---- Splitting.

struct SplitRow {
    const char* name;
    std::string tape;
    std::vector<std::string> lines;
};

class PrintLinesTest : public testing::TestWithParam<SplitRow> {};

TEST_P(PrintLinesTest, Split) { EXPECT_EQ(linesOf(GetParam().tape), GetParam().lines); }

INSTANTIATE_TEST_SUITE_P(
    Tapes, PrintLinesTest,
    testing::Values(
        SplitRow{"Example",
                 kExampleTape,
                 {" 12.50 ", " * ", " 4.00 ", " = ", " 50.00 ", " @", " ", " (SQRT) ", " 7.00 ", " = ", " 2.65 "}},
        SplitRow{"Empty", "", {}},
        SplitRow{"ClearMarkGivesABlankLine", " @\r\n @\r\n", {" @", " ", " @", " "}},
        SplitRow{"NoteWithAtIsCut", " total @ march\r\n", {" total @", " march "}},
        SplitRow{"LastLineWithoutItsBreakPrinted", " 1.\r\n 2.", {" 1. ", " 2. "}},
        SplitRow{"OnlyAPiece", " 2.", {" 2. "}},
        // Every reader splits at "\r\n", a bare "\n" or a bare "\r" alike.
        SplitRow{"BareLineFeeds", " 5.00\n +\n @\n 1.\n", {" 5.00 ", " + ", " @", " ", " 1. "}},
        SplitRow{"BareCarriageReturns", " 5.00\r +\r @\r", {" 5.00 ", " + ", " @", " "}},
        SplitRow{"MixedBreaks", "a\nb\r\n\nc\rd", {"a ", "b ", " ", "c ", "d "}}),
    [](const auto& row) { return std::string(row.param.name); });

// Numbers print with the marks, operators and notes as they are; the tape is not touched.
TEST(PrintLinesTest, NumbersPrintWithTheMarks) {
    const NumberMarks german{",", ".", 3, 3};
    CalculatorState state;
    const std::string tape = " 1285.50\r\n +\r\n rent >> -1234567.\r\n @\r\n 1.5e+012\r\n";
    state.m_tape.assign(tape);
    buildPrintLines(state, german);
    EXPECT_EQ(state.m_printLines,
              (std::vector<std::string>{" 1.285,50 ", " + ", " rent >> -1.234.567, ", " @", " ",
                                        " 1,5e+012 "}));
    EXPECT_EQ(state.m_tape.view(), tape);
}

TEST(PrintLinesTest, PrintTextHoldsTheTapeWithoutLineFeeds) {
    CalculatorState state;
    state.m_tape.assign(" 2.\r\n 3");
    buildPrintLines(state);
    buildPrintLines(state);  // built again: the text is not doubled
    EXPECT_EQ(state.m_printText, " 2.\r 3\r");
}

struct PageCountRow {
    int lines;
    int pages;
};

class PageCountTest : public testing::TestWithParam<PageCountRow> {};

TEST_P(PageCountTest, Count) { EXPECT_EQ(printPageCount(GetParam().lines), GetParam().pages); }

INSTANTIATE_TEST_SUITE_P(Counts, PageCountTest,
                         testing::Values(PageCountRow{0, 1}, PageCountRow{1, 1}, PageCountRow{59, 1},
                                         PageCountRow{60, 2}, PageCountRow{119, 2}, PageCountRow{120, 3},
                                         PageCountRow{100000, 1667}),
                         [](const auto& row) { return "Lines" + std::to_string(row.param.lines); });

// ---- Preparation: title asked once, lines cached until a discard.

TEST(PreparePrintingTest, AsksTheTitleOnceAndCachesTheLines) {
    TapeRig rig;
    rig.type("12.5*4=");
    rig.type("+");  // " +": not yet in the document
    rig.titleAnswer = "March";
    EXPECT_EQ(preparePrinting(rig.calc, rig.doc, rig), 1);
    EXPECT_TRUE(rig.saw("Tape Title Untitled"));
    EXPECT_EQ(rig.calc.m_printTitle, "March");
    EXPECT_EQ(rig.doc.GetTitle(), "March");
    EXPECT_EQ(rig.calc.m_titleAsked, 1);
    EXPECT_EQ(rig.calc.m_printLineCount, 6);
    EXPECT_EQ(rig.doc.m_tapeText.str(), rig.tape());

    rig.events.clear();
    rig.type("2=");  // a digit before any page was drawn keeps the lines
    preparePrinting(rig.calc, rig.doc, rig);
    EXPECT_FALSE(rig.sawPrefix("Tape Title"));
    EXPECT_EQ(rig.calc.m_printLineCount, 6);
}

TEST(PreparePrintingTest, EscKeepsThePreviousTitle) {
    TapeRig rig;
    rig.type("1+1=");
    rig.calc.m_printTitle = "Old";
    rig.doc.SetTitle("Doc");
    rig.titleAnswer.reset();
    preparePrinting(rig.calc, rig.doc, rig);
    EXPECT_TRUE(rig.saw("Tape Title Doc"));
    EXPECT_EQ(rig.calc.m_printTitle, "Old");
    EXPECT_EQ(rig.doc.GetTitle(), "Doc");
}

void drawPageOne(TapeRig& rig) {
    layoutPrintPage(rig.calc, 1, 240, [](std::string_view s) { return static_cast<int>(s.size()) * 100; });
}

TEST(PreparePrintingTest, DigitAfterAPrintSplitsTheGrownTape) {
    TapeRig rig;
    rig.type("5+3=");
    preparePrinting(rig.calc, rig.doc, rig);
    ASSERT_EQ(rig.calc.m_printLineCount, 5);
    drawPageOne(rig);
    ASSERT_EQ(rig.calc.m_printLinesUsed, 1);

    rig.type("+");  // an operator alone keeps the old lines
    preparePrinting(rig.calc, rig.doc, rig);
    EXPECT_EQ(rig.calc.m_printLineCount, 5);

    rig.type("4");
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
    EXPECT_EQ(rig.calc.m_printLinesUsed, 0);
    rig.events.clear();
    preparePrinting(rig.calc, rig.doc, rig);
    EXPECT_FALSE(rig.sawPrefix("Tape Title"));  // the digit leaves the title asked
    EXPECT_EQ(rig.calc.m_printLineCount, 6);
}

TEST(PreparePrintingTest, ReloadsAndNewAskTheTitleAgain) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", encodeCal(kExampleTape));
    TapeRig rig;
    rig.type("5+3=");
    rig.calc.m_tapeSaved = 1;

    auto asksAfter = [&](auto&& action) {
        preparePrinting(rig.calc, rig.doc, rig);
        action();
        rig.events.clear();
        preparePrinting(rig.calc, rig.doc, rig);
        return rig.sawPrefix("Tape Title");
    };
    rig.openAnswer = dir / "a.cal";
    EXPECT_TRUE(asksAfter([&] { rig.command(cmd::FileOpen); }));
    EXPECT_EQ(rig.calc.m_printLineCount, 11);
    EXPECT_TRUE(asksAfter([&] { rig.calc.onInitialUpdate(); }));  // a colour command
    rig.calc.m_tapeSaved = 1;
    EXPECT_TRUE(asksAfter([&] { rig.command(cmd::FileNew); }));
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
}

// ---- One page in twips.

// 120 twips a character (a code point, whatever its bytes).
int widthOf(std::string_view s) { return static_cast<int>(printTitleLength(s)) * 120; }

TEST(PrintLayoutTest, EmptyTapeHasHeaderAndFooterOnly) {
    CalculatorState state;
    buildPrintLines(state);
    const auto texts = layoutPrintPage(state, 1, 250, widthOf);
    const std::vector<TextPlacement> expected = {
        {0, -250, "ZOVREK Tape Data"},
        {10000 - 120, -250, " "},
        {11520 - 6 * 120, -14700, "Page 1"},
    };
    EXPECT_EQ(texts, expected);
    EXPECT_EQ(state.m_printLinesUsed, 0);
    EXPECT_EQ(state.m_printPage, 1);
}

TEST(PrintLayoutTest, ExamplePageCoordinates) {
    CalculatorState state;
    state.m_tape.assign(kExampleTape);
    state.m_printTitle = "March";
    buildPrintLines(state);
    const int h = 253;  // tmHeight + tmExternalLeading
    const auto texts = layoutPrintPage(state, 1, h, widthOf);
    ASSERT_EQ(texts.size(), 2u + 11u + 1u);
    EXPECT_EQ(texts[1], (TextPlacement{10000 - 6 * 120, -250, "March "}));
    EXPECT_EQ(texts[2], (TextPlacement{10520 - 7 * 120, -720, " 12.50  "}));
    EXPECT_EQ(texts[7], (TextPlacement{10520 - 2 * 120, -720 - 5 * h, " @ "}));
    EXPECT_EQ(texts[8], (TextPlacement{10520 - 1 * 120, -720 - 6 * h, "  "}));
    EXPECT_EQ(texts[12], (TextPlacement{10520 - 6 * 120, -720 - 10 * h, " 2.65  "}));
    EXPECT_EQ(texts[13], (TextPlacement{11520 - 6 * 120, -14700, "Page 1"}));
    EXPECT_EQ(state.m_printLinesUsed, 1);
}

TEST(PrintLayoutTest, TextsAreUtf8EndingAtTheirEdges) {
    // Title and tape alike: "Café" is 4 characters wide, not 5.
    CalculatorState state;
    state.m_tape.assign(" caf\xc3\xa9\r\n");
    state.m_printTitle = "Caf\xc3\xa9";
    buildPrintLines(state);
    const auto texts = layoutPrintPage(state, 1, 250, widthOf);
    EXPECT_EQ(texts[1], (TextPlacement{10000 - 5 * 120, -250, "Caf\xc3\xa9 "}));
    EXPECT_EQ(texts[2], (TextPlacement{10520 - 6 * 120, -720, " caf\xc3\xa9  "}));
}

struct PageRow {
    const char* name;
    int lines;
    int page;
    int first;  // first line number on the page, -1 for none
    int count;
};

class PrintPageTest : public testing::TestWithParam<PageRow> {};

TEST_P(PrintPageTest, LinesOnThePage) {
    const PageRow& row = GetParam();
    CalculatorState state;
    state.m_tape.assign(numberedTape(row.lines));
    buildPrintLines(state);
    const auto texts = layoutPrintPage(state, row.page, 200, widthOf);
    ASSERT_EQ(texts.size(), static_cast<std::size_t>(3 + row.count));
    EXPECT_EQ(texts.back().text, "Page " + std::to_string(row.page));
    if (row.count > 0) {
        EXPECT_EQ(texts[2].text, " " + std::to_string(row.first) + ".  ");
        EXPECT_EQ(texts[2].y, -720);
        EXPECT_EQ(texts[texts.size() - 2].y, -720 - (row.count - 1) * 200);
    }
    EXPECT_EQ(state.m_printLinesUsed, row.count > 0 ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, PrintPageTest,
    testing::Values(PageRow{"FiftyNineOnOnePage", 59, 1, 0, 59}, PageRow{"SixtyFillPageOne", 60, 1, 0, 60},
                    PageRow{"SixtyLeaveTwoEmpty", 60, 2, -1, 0}, PageRow{"SixtyOneOnPageTwo", 61, 2, 60, 1},
                    PageRow{"PageBeyondTheLines", 10, 5, -1, 0}, PageRow{"PageZeroDrawsNoLine", 10, 0, -1, 0},
                    PageRow{"LastOfABigTape", 100000, 1667, 99960, 40}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- Lines too wide for the page wrap into rows.

// 1000 twips a character, 2000 beyond Latin-1: a row of 10,520 twips holds 10 characters,
// 9 before the space that ends a line.
CharWidths wideCharacters() {
    CharWidths widths([](char32_t) { return 2000.0; });
    for (std::size_t c = 0; c < CharWidths::size(); ++c) widths[c] = 1000;
    return widths;
}

int thousandEach(std::string_view s) { return static_cast<int>(printTitleLength(s)) * 1000; }

struct WrapRow {
    const char* name;
    std::string tape;
    std::vector<std::string> rows;
};

class PrintRowsTest : public testing::TestWithParam<WrapRow> {};

TEST_P(PrintRowsTest, Rows) {
    CalculatorState state;
    state.m_tape.assign(GetParam().tape);
    buildPrintLines(state);
    wrapPrintLines(state, wideCharacters());
    EXPECT_EQ(state.m_printLines, GetParam().rows);
    EXPECT_EQ(state.m_printLineCount, static_cast<int>(GetParam().rows.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Lines, PrintRowsTest,
    testing::Values(
        WrapRow{"FittingLineStaysWhole", " 12345678\r\n", {" 12345678 "}},
        // Each row ends in the line's closing space, so all end where the line would.
        WrapRow{"NoteWrapsAtWords", " rent and heat\r\n 5.00\r\n", {" rent and ", "heat ", " 5.00 "}},
        WrapRow{"LongWordBrokenInside", " 1234567890123\r\n", {" 12345678 ", "90123 "}},
        WrapRow{"LineCutAtClearMarkHasNoClosingSpace", " rent and heat @\r\n",
                {" rent and", "heat @", " "}},
        WrapRow{"ChineseBetweenCharacters",
                " \xe6\x99\x9a\xe9\xa5\xad\xe6\x99\x9a\xe9\xa5\xad\xe6\x99\x9a\xe9\xa5\xad\r\n",
                {" \xe6\x99\x9a\xe9\xa5\xad\xe6\x99\x9a\xe9\xa5\xad ", "\xe6\x99\x9a\xe9\xa5\xad "}},
        WrapRow{"ManyClosingSpacesDoNotPushRowsOff", " rent and heat" + std::string(8, ' ') + "\r\n",
                {" rent and", "heat"}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PrintRowsTest, RowsRightAlignedOneBelowTheOther) {
    CalculatorState state;
    state.m_tape.assign(" rent and heat\r\n 5.00\r\n");
    buildPrintLines(state);
    wrapPrintLines(state, wideCharacters());
    const int h = 250;
    const auto texts = layoutPrintPage(state, 1, h, thousandEach);
    ASSERT_EQ(texts.size(), 2u + 3u + 1u);
    EXPECT_EQ(texts[2], (TextPlacement{10520 - 10 * 1000, -720, " rent and  "}));
    EXPECT_EQ(texts[3], (TextPlacement{10520 - 5 * 1000, -720 - h, "heat  "}));
    EXPECT_EQ(texts[4], (TextPlacement{10520 - 6 * 1000, -720 - 2 * h, " 5.00  "}));
}

TEST(PrintRowsTest, PagesCountRows) {
    // 58 lines and a note of two rows fill a page: the next page is empty.
    CalculatorState state;
    state.m_tape.assign(numberedTape(58) + " rent and heat\r\n");
    buildPrintLines(state);
    wrapPrintLines(state, wideCharacters());
    ASSERT_EQ(printPageCount(state.m_printLineCount), 2);
    const auto first = layoutPrintPage(state, 1, 200, thousandEach);
    ASSERT_EQ(first.size(), 3u + 60u);
    EXPECT_EQ(first[first.size() - 2], (TextPlacement{10520 - 5 * 1000, -720 - 59 * 200, "heat  "}));
    EXPECT_EQ(layoutPrintPage(state, 2, 200, thousandEach).size(), 3u);
}

// ---- The file name Print to File proposes.

struct FileNameRow {
    const char* name;
    std::string title;
    std::string fileName;
};

class PrintFileNameTest : public testing::TestWithParam<FileNameRow> {};

TEST_P(PrintFileNameTest, PlainName) {
    const std::string name = printFileName(GetParam().title);
    EXPECT_EQ(name, GetParam().fileName);
    EXPECT_EQ(name.find('/'), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, PrintFileNameTest,
    testing::Values(
        FileNameRow{"SlashesCannotReachAnotherFolder", "../../etc/cron.d/x", "-..-etc-cron.d-x"},
        FileNameRow{"Date", "03/2024", "03-2024"},
        FileNameRow{"NoHiddenFile", " .profile ", "profile"},
        FileNameRow{"ControlCharactersGo", "a\tb\nc", "abc"},
        FileNameRow{"AnyScript", "Caf\xc3\xa9 \xe6\x9d\xb1\xe4\xba\xac", "Caf\xc3\xa9 \xe6\x9d\xb1\xe4\xba\xac"},
        FileNameRow{"LongNameCutBetweenCharacters", std::string(239, 'x') + "\xc3\xa9x",
                    std::string(239, 'x')}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
}  // namespace zovrek
