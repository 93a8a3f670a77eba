#include "editor/tape_csv.h"

#include <gtest/gtest.h>

#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "tape_lines.h"

namespace zovrek {
namespace {

using test::tape;

struct LineRow {
    const char* name;
    std::string line;  // one tape line, without its "\r\n"
    std::string note, entry, value, kind;
};
void PrintTo(const LineRow& row, std::ostream* os) { *os << row.name; }

class TapeCsvLineTest : public ::testing::TestWithParam<LineRow> {};

TEST_P(TapeCsvLineTest, FieldsOfOneLine) {
    const LineRow& r = GetParam();
    const std::vector<TapeCsvRow> rows = tapeCsvRows(tape({r.line}));
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].line, 1u);
    EXPECT_EQ(rows[0].note, r.note);
    EXPECT_EQ(rows[0].entry, r.entry);
    EXPECT_EQ(rows[0].value, r.value);
    EXPECT_EQ(rows[0].kind, r.kind);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TapeCsvLineTest,
    ::testing::Values(
        LineRow{"Number", " 1200.00", "", "1200.00", "1200.00", "number"},
        LineRow{"Negative", " -5.00", "", "-5.00", "-5.00", "number"},
        LineRow{"ExponentUp", " 1.e+012", "", "1.e+012", "1.e+012", "number"},
        LineRow{"NotFinite", " -Infinity", "", "-Infinity", "-Infinity", "number"},
        LineRow{"NumberWithOperator", " 5 +", "", "5 +", "5", "number"},
        LineRow{"Plus", " +", "", "+", "", "operator"},
        LineRow{"Equals", " =", "", "=", "", "operator"},
        LineRow{"Clear", " @", "", "@", "", "clear"},
        LineRow{"SquareRoot", " (SQRT)", "", "(SQRT)", "", "function"},
        LineRow{"Reciprocal", " (l/x)", "", "(l/x)", "", "function"},
        LineRow{"PercentLabel", " (%)", "", "(%)", "", "function"},
        LineRow{"Note", "Rent >> 1200.00", "Rent", "1200.00", "1200.00", "number"},
        LineRow{"NoteWithCommaAndQuotes", "Paid, \"cash\" >> 12", "Paid, \"cash\"", "12", "12",
                "number"},
        LineRow{"NoteWithoutMarker", "a>b 5", "a>b", "5", "5", "number"},
        LineRow{"Empty", "", "", "", "", "blank"},
        LineRow{"TextWithoutEntry", "Groceries", "Groceries", "", "", "blank"},
        LineRow{"EntryReadAsNothing", " abc", "", "abc", "", "blank"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TapeCsvTest, TheNumberAfterEqualsIsATotal) {
    // Calculator mode, 12.5 * 4 = then C then 7 SQRT.
    const std::string t = tape({" 12.50", " *", " 4.00", " =", " 50.00", " @", " (SQRT)",
                                " 7.00", " =", " 2.65"});
    std::vector<std::string_view> kinds;
    for (const TapeCsvRow& row : tapeCsvRows(t)) kinds.push_back(row.kind);
    EXPECT_EQ(kinds, (std::vector<std::string_view>{"number", "operator", "number", "operator",
                                                     "total", "clear", "function", "number",
                                                     "operator", "total"}));
}

TEST(TapeCsvTest, WritesRfc4180InUtf8) {
    // A note with a comma, quotes and an "e acute"; a last piece without a line break.
    const std::string t =
        tape({"Caf\xC3\xA9, \"bar\" >> 12.50", " +", " 3.00", " =", " 15.50"}) + " @";
    std::ostringstream out;
    ASSERT_TRUE(writeTapeCsv(out, t));
    EXPECT_EQ(out.str(),
              "line,note,entry,value,kind\r\n"
              "1,\"Caf\xC3\xA9, \"\"bar\"\"\",12.50,12.50,number\r\n"
              "2,,+,,operator\r\n"
              "3,,3.00,3.00,number\r\n"
              "4,,=,,operator\r\n"
              "5,,15.50,15.50,total\r\n"
              "6,,@,,clear\r\n");
}

TEST(TapeCsvTest, EveryKindOfLineBreakGivesTheSameRows) {
    const std::string crlf = tape({"Rent >> 5.00", " +", " 3.00", " =", " 8.00"});
    std::ostringstream expected;
    ASSERT_TRUE(writeTapeCsv(expected, crlf));
    for (const char* breaks : {"\n", "\r"}) {
        std::string other = crlf;
        for (std::size_t at = other.find("\r\n"); at != std::string::npos;
             at = other.find("\r\n", at))
            other.replace(at, 2, breaks);
        std::ostringstream out;
        ASSERT_TRUE(writeTapeCsv(out, other));
        EXPECT_EQ(out.str(), expected.str()) << (breaks[0] == '\n' ? "LF" : "CR");
    }
    EXPECT_NE(expected.str().find("5,,8.00,8.00,total\r\n"), std::string::npos);
}

// A cell a spreadsheet would take as a formula is written as text; numbers and the tape's own
// operator lines stay as they are.
struct CellRow {
    const char* name;
    std::string tape;
    std::string rows;  // what follows the header
};
void PrintTo(const CellRow& row, std::ostream* os) { *os << row.name; }

class TapeCsvCellTest : public ::testing::TestWithParam<CellRow> {};

TEST_P(TapeCsvCellTest, FormulasBecomeText) {
    std::ostringstream out;
    ASSERT_TRUE(writeTapeCsv(out, GetParam().tape));
    EXPECT_EQ(out.str(), std::string(kTapeCsvHeader) + "\r\n" + GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(
    Cells, TapeCsvCellTest,
    ::testing::Values(
        CellRow{"Equals", tape({"=1+1 >> 5"}), "1,'=1+1,5,5,number\r\n"},
        CellRow{"Hyperlink", tape({"=HYPERLINK(\"http://x\";\"y\") >> 5"}),
                "1,\"'=HYPERLINK(\"\"http://x\"\";\"\"y\"\")\",5,5,number\r\n"},
        CellRow{"Plus", tape({"+cmd|' /C calc'!A0 >> 5"}), "1,'+cmd|' /C calc'!A0,5,5,number\r\n"},
        CellRow{"Minus", tape({"-x >> 5"}), "1,'-x,5,5,number\r\n"},
        CellRow{"At", tape({"@SUM(A1) >> 5"}), "1,'@SUM(A1),5,5,number\r\n"},
        CellRow{"TabBeforeFormula", tape({"\t=1+1 >> 5"}), "1,'=1+1,5,5,number\r\n"},
        CellRow{"FormulaAfterBareCarriageReturn", "=1 >> 5\r=2 >> 6\r",
                "1,'=1,5,5,number\r\n2,'=2,6,6,number\r\n"},
        CellRow{"FormulaInTheEntry", tape({" =SUM(A)"}), "1,,'=SUM(A),,operator\r\n"},
        CellRow{"NotANumberAfterMinus", tape({" -Infinity"}),
                "1,,'-Infinity,'-Infinity,number\r\n"},
        CellRow{"NegativeNumberStays", tape({" -5"}), "1,,-5,-5,number\r\n"},
        CellRow{"SignedExponentStays", tape({" -1.e+012"}), "1,,-1.e+012,-1.e+012,number\r\n"},
        CellRow{"OperatorLinesStay", tape({" 5", " +", " 3", " -", " 1", " =", " 7", " @"}),
                "1,,5,5,number\r\n2,,+,,operator\r\n3,,3,3,number\r\n4,,-,,operator\r\n"
                "5,,1,1,number\r\n6,,=,,operator\r\n7,,7,7,total\r\n8,,@,,clear\r\n"},
        CellRow{"ChineseNote", tape({"\xE6\x99\x9A\xE9\xA5\xAD >> 2.00"}),
                "1,\xE6\x99\x9A\xE9\xA5\xAD,2.00,2.00,number\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(TapeCsvTest, EmptyTapeIsTheHeaderAlone) {
    std::ostringstream out;
    ASSERT_TRUE(writeTapeCsv(out, ""));
    EXPECT_EQ(out.str(), "line,note,entry,value,kind\r\n");
}

}  // namespace
}  // namespace zovrek
