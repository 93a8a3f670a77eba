// Percent, square root, square and reciprocal.

#include "recording_window.h"

namespace zovrek::testing {
namespace {

using Functions = TapeCases;
TEST_P(Functions, WriteTape) { checkTapeCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Examples, Functions,
    ::testing::Values(
        TapeCase{"square_root_nothing_pending", kTwoPlaces, kCalculatorMode, "16 SQRT",
                 {" (SQRT)", " 16.00", " =", " 4.00"}, "4.00"},
        TapeCase{"square_root_with_pending_addition", kTwoPlaces, kCalculatorMode,
                 "10+16 SQRT", {" 10.00", " +", " (SQRT)", " 16.00", " ="}, "4.00"},
        TapeCase{"square_root_result_is_next_operand", kTwoPlaces, kCalculatorMode,
                 "10+16 SQRT =",
                 {" 10.00", " +", " (SQRT)", " 16.00", " =", " 4.00", " =", " 14.00"}, "14.00"},
        TapeCase{"square_root_of_function_result", kTwoPlaces, kCalculatorMode, "16 SQRT SQRT",
                 {" (SQRT)", " 16.00", " =", " 4.00", " @", " (SQRT)", " 4.00", " =", " 2.00"},
                 "2.00"},
        TapeCase{"square_root_of_negative_refused", kTwoPlaces, kCalculatorMode, "3 NEG SQRT",
                 {}, "-3."},
        TapeCase{"square_root_of_zero_refused", kTwoPlaces, kCalculatorMode, ".0 SQRT", {},
                 "0.0"},
        TapeCase{"square_of_negative", kTwoPlaces, kCalculatorMode, "3 NEG SQR",
                 {" (Sqrd)", " -3.00", " =", " 9.00"}, "9.00"},
        TapeCase{"reciprocal_label_has_letter_l", kTwoPlaces, kCalculatorMode, "3 INV",
                 {" (l/x)", " 3.00", " =", " 0.33"}, "0.33"},
        TapeCase{"reciprocal_of_zero_refused", kTwoPlaces, kCalculatorMode, ".0 INV", {},
                 "0.0"},
        TapeCase{"percent_of_base", kTwoPlaces, kCalculatorMode, "200%15=",
                 {" 200.00", " (%)", " 15.00", " =", " 30.00"}, "30.00"},
        TapeCase{"percent_repeated_equals", kTwoPlaces, kCalculatorMode, "200%15==",
                 {" 200.00", " (%)", " 15.00", " =", " 30.00", " %", " 15.00", " =",
                  " 4.50"},
                 "4.50"},
        TapeCase{"percent_completing_to_zero_blocks", kTwoPlaces, kCalculatorMode, "5-5%=",
                 {" 5.00", " -", " 5.00", " =", " 0.00"}, "0.00"},
        TapeCase{"percent_at_start_ignored", kTwoPlaces, kCalculatorMode, "%", {}, "0."},
        TapeCase{"digit_after_function_ignored", kTwoPlaces, kCalculatorMode, "16 SQRT 5",
                 {" (SQRT)", " 16.00", " =", " 4.00"}, "4.00"},
        TapeCase{"operator_after_square_root_does_not_repeat_it", kTwoPlaces, kCalculatorMode,
                 "16 SQRT +1=",
                 {" (SQRT)", " 16.00", " =", " 4.00", " +", " 1.00", " =", " 5.00"}, "5.00"}),
    caseName);

TEST(Functions, SquareAllowsRangeWarningAgain) {
    Rig rig;
    rig.press("1234567890123456 NEG +");
    EXPECT_EQ(rig.window.dialogs, std::vector<std::string>{"Out Of Range Value!"});
    rig.press("1234567890123456 NEG +");
    EXPECT_EQ(rig.window.dialogs.size(), 1u);  // once while the flag stays set
    EXPECT_EQ(rig.tapeLines().front(), " -1.23456789012e+015");
    rig.press("C 3 SQR");
    EXPECT_EQ(rig.calc.m_rangeWarned, 0);
}

}  // namespace
}  // namespace zovrek::testing
