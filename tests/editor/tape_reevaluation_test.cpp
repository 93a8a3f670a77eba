#include "editor/tape_reevaluation.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "engine/number_text.h"
#include "tape_lines.h"

namespace zovrek {
namespace {

using test::tape;

// Names each table row by its `name` field.
struct RowName {
    template <class Row>
    std::string operator()(const ::testing::TestParamInfo<Row>& row) const {
        return row.param.name;
    }
};

const std::string F(kFormatMessage);
const std::string C(kClearMarkMessage);
const std::string B(kBlankLineMessage);

// ---------------------------------------------------------------- editing form

struct MarkRow {
    const char* name;
    std::string text;
    std::string marked;
};
void PrintTo(const MarkRow& row, std::ostream* os) { *os << row.name; }


class MarkSeparatorsTest : public ::testing::TestWithParam<MarkRow> {};

TEST_P(MarkSeparatorsTest, GivesEditingForm) {
    EXPECT_EQ(markSeparators(GetParam().text), GetParam().marked);
}

INSTANTIATE_TEST_SUITE_P(
    Rows, MarkSeparatorsTest,
    ::testing::Values(
        MarkRow{"NumberLine", " 12.50\r\n", "_12.50\r\n"},
        MarkRow{"TagLine", " (SQRT)\r\n", "_(SQRT)\r\n"},
        MarkRow{"EverySpaceOfASpaceLine", " 5 + 3 \r\n", "_5_+_3_\r\n"},
        MarkRow{"RewrittenNote", "Rent >> 1200\r\n", "Rent >>_1200\r\n"},
        MarkRow{"PlainLineUnchanged", "Rent 1200\r\n", "Rent 1200\r\n"},
        MarkRow{"MarkingEndsWithTheLine", "a > b\r\nc d\r\n", "a >_b\r\nc d\r\n"},
        MarkRow{"NextLineStartsAfresh", " 5\r\nx y\r\n 6\r\n", "_5\r\nx y\r\n_6\r\n"},
        MarkRow{"TextAfterLastBreakKept", " 5\r\n 6", "_5\r\n_6"},
        MarkRow{"Empty", "", ""}),
    RowName());

// ---------------------------------------------------------------- one Update

struct UpdateRow {
    const char* name;
    std::string input;
    std::string expected;
    std::vector<std::string> messages = {};
    int places = 3;
    bool marked = false;  // input already in editing form
    std::optional<std::size_t> errorLine = {};  // the line pointed at after the messages
};
void PrintTo(const UpdateRow& row, std::ostream* os) { *os << row.name; }

class UpdateTapeTest : public ::testing::TestWithParam<UpdateRow> {};

TEST_P(UpdateTapeTest, RewritesAndReports) {
    const UpdateRow& row = GetParam();
    const Reevaluation r = reevaluateTape(row.input, row.places, row.marked);
    EXPECT_EQ(r.text, row.expected);
    EXPECT_EQ(r.messages, row.messages);
    EXPECT_TRUE(r.dialogs.empty());
    EXPECT_EQ(r.errorLine, row.errorLine);
}

const std::string kExampleTape = tape({" 12.50", " *", " 4.00", " =", " 50.00", " @", " (SQRT)",
                                      " 7.00", " =", " 2.65"});
const std::string kChain =
    tape({" 10.00", " +", " (SQRT)", " 16.00", " =", " 4.00", " =", " 14.00"});

INSTANTIATE_TEST_SUITE_P(
    CalculatorTapes, UpdateTapeTest,
    ::testing::Values(
        UpdateRow{"UneditedTapeGivesItselfBack", kExampleTape, kExampleTape},
        UpdateRow{"FunctionInsideAChain", kChain, kChain},
        UpdateRow{"CorrectedRootRipplesOn",
                  tape({"_10.00", "_+", "_(SQRT)", "_25", "_=", "_4.00", "_=", "_14.00"}),
                  tape({" 10.00", " +", " (SQRT)", " 25", " =", " 5.00", " =", " 15.00"}),
                  {}, 3, true},
        UpdateRow{"AddingMachineTape",
                  tape({" 5.00", " +", " 3.00", " +", " 2.00", " =", " 10.00"}),
                  tape({" 5.00", " +", " 3.00", " +", " 2.00", " =", " 10.00"})},
        UpdateRow{"CalculatorModeTape",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00", " +", " 2.00", " =", " 10.00"}),
                  tape({" 5.00", " +", " 3.00", " =", " 8.00", " +", " 2.00", " =", " 10.00"})},
        UpdateRow{"CorrectionRipplesThroughEveryTotal",
                  tape({"_5.00", "_+", "_4.00", "_=", "_8.00", "_+", "_2.00", "_=", "_10.00"}),
                  tape({" 5.00", " +", " 4.00", " =", " 9.00", " +", " 2.00", " =", " 11.00"}),
                  {}, 3, true},
        UpdateRow{"NoteAndCorrection", tape({"Rent_5", "_+", "_4", "_=", "_8"}),
                  tape({"Rent >> 5", " +", " 4", " =", " 9.00"}), {}, 3, true},
        UpdateRow{"RootAsATotal", tape({"_(SQRT)", "_25", "_=", "_4.00"}),
                  tape({" (SQRT)", " 25", " =", " 5.00"}), {}, 3, true},
        UpdateRow{"Square", tape({" (Sqrd)", " 3", " =", " 0"}),
                  tape({" (Sqrd)", " 3", " =", " 9.00"})},
        UpdateRow{"Reciprocal", tape({" (l/x)", " 4", " =", " 0"}),
                  tape({" (l/x)", " 4", " =", " 0.25"})},
        UpdateRow{"ReciprocalInsideAChain",
                  tape({" 1", " +", " (l/x)", " 4", " =", " 0", " =", " 0"}),
                  tape({" 1", " +", " (l/x)", " 4", " =", " 0.25", " =", " 1.25"})},
        UpdateRow{"Percent", tape({" 200", " %", " 5", " =", " 0"}),
                  tape({" 200", " %", " 5", " =", " 10.00"})},
        UpdateRow{"Division", tape({" 10", " /", " 4", " =", " 0"}),
                  tape({" 10", " /", " 4", " =", " 2.50"})},
        UpdateRow{"ClearStartsAFreshCalculation",
                  tape({" 2", " *", " 3", " =", " 0", " @", " 1", " +", " 1", " =", " 0"}),
                  tape({" 2", " *", " 3", " =", " 6.00", " @", " 1", " +", " 1", " =",
                        " 2.00"})},
        UpdateRow{"RepeatedEquals",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00", " +", " 3.00", " =", " 0"}),
                  tape({" 5.00", " +", " 3.00", " =", " 8.00", " +", " 3.00", " =",
                        " 11.00"})}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    LineReading, UpdateTapeTest,
    ::testing::Values(
        UpdateRow{"MinusOnANumberLineIsItsSign", tape({" -5.00", " +", " 3.00", " =", " 0"}),
                  tape({" -5.00", " +", " 3.00", " =", " -2.00"})},
        UpdateRow{"NumberAndOperatorOnOneLine", tape({"_5_+", "_3", "_=", "_0"}),
                  tape({" 5 +", " 3", " =", " 8.00"}), {}, 3, true},
        UpdateRow{"ExponentWithPlusIsAlsoAnOperator",
                  tape({" 1.e+012", " 3.00", " =", " 0"}),
                  tape({" 1.e+012", " 3.00", " =", " 1.e+012"}), {F}, 3, false, 3},
        UpdateRow{"ExponentWithMinusIsOnlyANumber", tape({" 5.e-002", " +", " 1", " =", " 0"}),
                  tape({" 5.e-002", " +", " 1", " =", " 1.05"})},
        UpdateRow{"ZeroRunningValueStartsAFreshOperand",
                  tape({" 5", " -", " 5", " -", " 2", " =", " 0"}),
                  tape({" 5", " -", " 5", " -", " 2", " =", " 2.00"})},
        UpdateRow{"TwoSeparatorsReadAsZero", tape({"__5", "_+", "_3", "_=", "_0"}),
                  tape({"  5", " +", " 3", " =", " 3.00"}), {}, 3, true},
        UpdateRow{"NoteBeforeNumber", tape({"Paid in cash_120", "_+", "_5", "_=", "_0"}),
                  tape({"Paid in cash >> 120", " +", " 5", " =", " 125.00"}), {}, 3, true},
        UpdateRow{"NoteOfDigitsGetsNoMarker", tape({"123_5", "_+", "_1", "_=", "_0"}),
                  tape({"123 5", " +", " 1", " =", " 6.00"}), {}, 3, true},
        UpdateRow{"NoteOfTagLettersGetsNoMarker", tape({"qd_5", "_+", "_1", "_=", "_0"}),
                  tape({"qd 5", " +", " 1", " =", " 6.00"}), {}, 3, true},
        UpdateRow{"MarkedNoteGetsNoSecondMarker", tape({"Rent >> 5", " +", " 1", " =", " 0"}),
                  tape({"Rent >> 5", " +", " 1", " =", " 6.00"})},
        UpdateRow{"DollarMarksANote", tape({"$_5", "_+", "_1", "_=", "_0"}),
                  tape({"$ >> 5", " +", " 1", " =", " 6.00"}), {}, 3, true},
        UpdateRow{"SeparatorOnlyLineIsNotBlank",
                  tape({"_5", "_", "_+", "_3", "_=", "_0"}),
                  tape({" 5", " ", " +", " 3", " =", " 8.00"}), {}, 3, true},
        UpdateRow{"TextAfterLastBreakDropped",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00"}) + " junk",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00"})},
        UpdateRow{"BareLineFeeds", " 5.00\n +\n 3.00\n =\n 0\n",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00"})},
        UpdateRow{"BareCarriageReturns", " 5.00\r +\r\n 3.00\r =\r 0\r",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00"})},
        UpdateRow{"TrailingClearKeepsOnlyItsNote",
                  tape({" 5.00", " +", " 3.00", " =", " 8.00", " @"}),
                  tape({" 5.00", " +", " 3.00", " =", " 8.00"}) + " "}),
    RowName());

// ---------------------------------------------------------------- the note marker

struct NoteRow {
    const char* name;
    std::string note;  // typed left of the separator on the first line
    bool marked;       // whether Update puts ">> " after it
};
void PrintTo(const NoteRow& row, std::ostream* os) { *os << row.name; }

class NoteMarkerTest : public ::testing::TestWithParam<NoteRow> {};

TEST_P(NoteMarkerTest, MarksNotesInAnyScript) {
    const NoteRow& row = GetParam();
    const Reevaluation r =
        reevaluateTape(tape({row.note + "_5", "_+", "_1", "_=", "_0"}), 3, true);
    EXPECT_TRUE(r.messages.empty());
    const std::string first = row.note + (row.marked ? " >> 5" : " 5");
    EXPECT_EQ(r.text, tape({first, " +", " 1", " =", " 6.00"}));
}

INSTANTIATE_TEST_SUITE_P(
    Notes, NoteMarkerTest,
    ::testing::Values(NoteRow{"Latin", "Rent", true},
                      NoteRow{"Chinese", "\xE6\x99\x9A\xE9\xA5\xAD", true},
                      NoteRow{"Arabic", "\xD8\xB9\xD8\xB4\xD8\xA7\xD8\xA1", true},
                      NoteRow{"Emoji", "\xF0\x9F\x98\x80", true},
                      NoteRow{"LatinAccented", "\xC3\xA0", true},
                      NoteRow{"RootTag", "(SQRT)", false},
                      NoteRow{"SquareTag", "(Sqrd)", false},
                      NoteRow{"ReciprocalTag", "(l/x)", false},
                      NoteRow{"Digits", "1.5", false}),
    RowName());

INSTANTIATE_TEST_SUITE_P(
    StructureErrors, UpdateTapeTest,
    ::testing::Values(
        UpdateRow{"EmptyText", "", "", {F}},
        UpdateRow{"OneLineStaysInEditingForm", tape({" 5.00"}), tape({"_5.00"}), {F}},
        UpdateRow{"OneLineWithTrailingText", tape({" 5.00"}) + " 6", tape({"_5.00"}) + "_6",
                  {F}},
        UpdateRow{"EndsOnEquals", tape({" 5.00", " +", " 3.00", " ="}),
                  tape({" 5.00", " +", " 3.00", " ="}), {F}, 3, false, 3},
        UpdateRow{"TwoNumbersInARow", tape({" 5.00", " 3.00", " =", " 0"}),
                  tape({" 5.00", " 3.00", " =", " 0"}), {F}, 3, false, 1},
        UpdateRow{"OperatorAfterOperator", tape({" 5", " +", " -", " 3"}),
                  tape({" 5", " +", " -", " 3"}), {F}, 3, false, 2},
        UpdateRow{"EqualsAfterRootTag", tape({" (SQRT)", " =", " 4"}),
                  tape({" (SQRT)", " =", " 4"}), {F}, 3, false, 1},
        UpdateRow{"TotalsBeforeTheErrorAreKept",
                  tape({" 5", " +", " 4", " =", " 0", " 1", " =", " 0"}),
                  tape({" 5", " +", " 4", " =", " 9.00", " 1", " =", " 0"}), {F}, 3, false, 5},
        UpdateRow{"EmptyLineIsBlank", tape({" 5", "", " +", " 3", " =", " 0"}),
                  tape({" 5", "", " +", " 3", " =", " 0"}), {F, B}, 3, false, 1},
        UpdateRow{"SeparatorsTurnedBackOnBlankError", tape({"_5", "", "_+", "_3"}),
                  tape({" 5", "", " +", " 3"}), {F, B}, 3, true, 1},
        UpdateRow{"BackToBackClears", tape({" 5.00", " @", " @", " 7.00"}),
                  tape({" 5.00", " @", " @", " 7.00"}), {F, C}, 3, false, 2},
        UpdateRow{"BackToBackClearsAndBlank", tape({" 5.00", " @", " @", "", " 7.00"}),
                  tape({" 5.00", " @", " @", "", " 7.00"}), {F, C, B}, 3, false, 2}),
    RowName());

// A typed line without a separator is blank; its note keeps its line break, so the marker
// lands after it.
TEST(UpdateTape, TypedLineWithoutSeparatorIsBlank) {
    const Reevaluation r = reevaluateTape(tape({" 5", "Rent", " +", " 3"}), 3);
    EXPECT_EQ(r.messages, (std::vector<std::string>{F, B}));
    EXPECT_EQ(r.text, " 5\r\nRent\r\n>>  +\r\n 3\r\n");
}

// ---------------------------------------------------------------- results and last value

struct PlacesRow {
    const char* name;
    int places;
    const char* total;
};
void PrintTo(const PlacesRow& row, std::ostream* os) { *os << row.name; }


class TotalPlacesTest : public ::testing::TestWithParam<PlacesRow> {};

TEST_P(TotalPlacesTest, TotalFollowsTheSetting) {
    const Reevaluation r = reevaluateTape(tape({" 5", " +", " 3", " =", " 0"}), GetParam().places);
    EXPECT_EQ(r.text, tape({" 5", " +", " 3", " =", std::string(" ") + GetParam().total}));
    EXPECT_EQ(r.lastValue, std::string(GetParam().total) + "\r\n");
    EXPECT_TRUE(r.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(Rows, TotalPlacesTest,
                         ::testing::Values(PlacesRow{"Floating", 1, "8."},
                                           PlacesRow{"OnePlace", 2, "8.0"},
                                           PlacesRow{"TwoPlaces", 3, "8.00"},
                                           PlacesRow{"ThreePlaces", 4, "8.000"}),
                         RowName());

TEST(UpdateTape, FloatingTotalHasTwelveDigits) {
    const Reevaluation r = reevaluateTape(tape({" 1", " /", " 3", " =", " 0"}), 1);
    EXPECT_EQ(r.text, tape({" 1", " /", " 3", " =", " 0.333333333333"}));
}

TEST(UpdateTape, HalfCentRoundsUpAfterTheNudge) {
    const Reevaluation r = reevaluateTape(tape({" 2.6", " +", " 0.075", " =", " 0"}), 3);
    EXPECT_EQ(r.lastValue, "2.68\r\n");
}

TEST(UpdateTape, LastValueHasSeparatorsTurnedToSpaces) {
    const Reevaluation r =
        reevaluateTape(tape({"_5", "_+", "_3", "_=", "_0", "_+", "_2_kg"}), 3, true);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.lastValue, "2 kg\r\n");
}

TEST(UpdateTape, NoNumberLeavesLastValueEmpty) {
    const Reevaluation r = reevaluateTape(tape({" +", " -"}), 3);
    EXPECT_EQ(r.lastValue, "");
    EXPECT_EQ(r.messages, std::vector<std::string>{F});
    EXPECT_EQ(r.errorLine, 0u);
}

TEST(UpdateTape, DivisionByZeroIsFormattedWithoutCheck) {
    const Reevaluation r = reevaluateTape(tape({" 5", " /", " 0", " =", " 0"}), 3);
    const std::string infinity = placesFormat(std::numeric_limits<double>::infinity(), 2).text;
    EXPECT_EQ(r.text, tape({" 5", " /", " 0", " =", " " + infinity}));
}

TEST(UpdateTape, RootOfANegativeValueIsFormattedWithoutCheck) {
    const Reevaluation r = reevaluateTape(tape({" (SQRT)", " -4", " =", " 0"}), 3);
    const std::string nan = placesFormat(std::nan(""), 2).text;
    EXPECT_EQ(r.text, tape({" (SQRT)", " -4", " =", " " + nan}));
}

// ---------------------------------------------------------------- Out Of Range

// -999999999999.6 shows as "-1000000000000." (15 characters): too long for fixed places.
const std::string kOverLong = tape({" -999999999999", " -", " 0.6", " =", " 0", " @",
                                    " -999999999999", " -", " 0.7", " =", " 0"});

TEST(UpdateTape, OverLongTotalWarnsOncePerOpening) {
    const Reevaluation r = reevaluateTape(kOverLong, 3);
    EXPECT_EQ(r.text, tape({" -999999999999", " -", " 0.6", " =", " -1000000000000.00", " @",
                            " -999999999999", " -", " 0.7", " =", " -1000000000000.00"}));
    EXPECT_EQ(r.dialogs, std::vector<std::string>{std::string(kOutOfRangeTitle)});
    EXPECT_TRUE(r.messages.empty());
}

TEST(UpdateTape, FloatingSettingNeverWarns) {
    const Reevaluation r = reevaluateTape(kOverLong, 1);
    EXPECT_TRUE(r.dialogs.empty());
    EXPECT_EQ(r.lastValue, "-1000000000000.\r\n");
}

// ---------------------------------------------------------------- the edit control

TEST(UpdateTape, ReadsTheControlFirst) {
    struct Window : TapeEditorWindow {
        void showMessage(std::string_view) override {}
        void showOutOfRange() override {}
        void readEditText(std::string& text) override { text = tape({"_2", "_*", "_4", "_=", "_0"}); }
    } window;
    TapeReevaluation editor(window);
    editor.m_editText = "stale";
    editor.UpdateTape();
    EXPECT_EQ(editor.m_editText, tape({" 2", " *", " 4", " =", " 8.00"}));
    EXPECT_EQ(editor.m_lineCount, 0u);
}

// ---------------------------------------------------------------- any number of lines

std::string longChain(std::size_t additions) {
    std::string text = " 1.00\r\n";
    for (std::size_t i = 0; i < additions; ++i) text += " +\r\n 1.00\r\n =\r\n 0\r\n";
    return text;
}

TEST(UpdateTape, TapeBeyondAThousandLinesIsWhollyRecomputed) {
    const Reevaluation r = reevaluateTape(longChain(2000), 3);
    EXPECT_TRUE(r.messages.empty());
    std::string expected = " 1.00\r\n";
    for (int i = 1; i <= 2000; ++i)
        expected += " +\r\n 1.00\r\n =\r\n " + std::to_string(i + 1) + ".00\r\n";
    EXPECT_EQ(r.text, expected);
    EXPECT_EQ(r.lastValue, "2001.00\r\n");
}

TEST(UpdateTape, TotalOnTheLastLineIsNotWrittenIntoTheText) {
    std::string text = longChain(1500);
    text += " +\r\n 1\r\n =\r\n";
    const Reevaluation r = reevaluateTape(text, 3);
    EXPECT_EQ(r.messages, std::vector<std::string>{F});
    EXPECT_TRUE(r.text.ends_with(" 1501.00\r\n +\r\n 1\r\n =\r\n"));
}

TEST(UpdateTape, MillionLineTape) {
    std::string text;
    text.reserve(12'000'000);
    text += " 0.5\r\n";
    for (int i = 0; i < 333'333; ++i) text += " +\r\n 0.5\r\n =\r\n 0\r\n";
    const Reevaluation r = reevaluateTape(text, 2);
    EXPECT_TRUE(r.messages.empty());
    EXPECT_EQ(r.lastValue, "166667.0\r\n");
}

}  // namespace
}  // namespace zovrek
