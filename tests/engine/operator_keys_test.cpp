// Operators, equals and the two tape modes, as whole tapes.

#include "recording_window.h"

namespace zovrek::testing {
namespace {

using Operators = TapeCases;
TEST_P(Operators, WriteTape) { checkTapeCase(GetParam()); }

INSTANTIATE_TEST_SUITE_P(
    Examples, Operators,
    ::testing::Values(
        TapeCase{"calculator_mode_writes_intermediate_totals", kTwoPlaces, kCalculatorMode,
                 "5+3+2=",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " +", " 2.00", " =", " 10.00"},
                 "10.00"},
        TapeCase{"adding_mode_writes_only_the_total", kTwoPlaces, kAddingMode, "5+3+2=",
                 {" 5.00", " +", " 3.00", " +", " 2.00", " =", " 10.00"}, "10.00"},
        TapeCase{"adding_mode_display_keeps_keyed_number", kTwoPlaces, kAddingMode, "5+3+",
                 {" 5.00", " +", " 3.00", " +"}, "3."},
        TapeCase{"adding_mode_repeated_equals_writes_total", kTwoPlaces, kAddingMode, "5+3==",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " +", " 3.00", " =", " 11.00"},
                 "11.00"},
        TapeCase{"repeated_equals_adds_again", kTwoPlaces, kCalculatorMode, "5+3==",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " +", " 3.00", " =", " 11.00"},
                 "11.00"},
        TapeCase{"repeated_equals_divides_again", kTwoPlaces, kCalculatorMode, "8/2==",
                 {" 8.00", " /", " 2.00", " =", " 4.00", " /", " 2.00", " =", " 2.00"},
                 "2.00"},
        TapeCase{"repeated_equals_subtracts_again", kTwoPlaces, kCalculatorMode, "5-3==",
                 {" 5.00", " -", " 3.00", " =", " 2.00", " -", " 3.00", " =", " -1.00"},
                 "-1.00"},
        TapeCase{"equals_after_operator_does_nothing", kTwoPlaces, kCalculatorMode, "5+=",
                 {" 5.00", " +"}, "5."},
        TapeCase{"equals_on_bare_number_does_nothing", kTwoPlaces, kCalculatorMode, "5=", {},
                 "5."},
        TapeCase{"second_operator_press_ignored", kTwoPlaces, kCalculatorMode, "5++",
                 {" 5.00", " +"}, "5."},
        TapeCase{"result_reused_without_writing_it_again", kTwoPlaces, kCalculatorMode,
                 "5+3=+2=",
                 {" 5.00", " +", " 3.00", " =", " 8.00", " +", " 2.00", " =", " 10.00"},
                 "10.00"},
        TapeCase{"times_after_operator_ignored", kTwoPlaces, kCalculatorMode, "5+*",
                 {" 5.00", " +"}, "5."},
        TapeCase{"times_on_equal_magnitude_ignored", kTwoPlaces, kCalculatorMode, "5-5*",
                 {" 5.00", " -"}, "5."},
        TapeCase{"zero_entry_leaves_accumulator_zero", kTwoPlaces, kCalculatorMode, "5+.0+3=",
                 {" 5.00", " +", " 0.00", " +", " 3.00", " =", " 3.00"}, "3.00"},
        TapeCase{"decimal_point_last_blocks_equals", kTwoPlaces, kCalculatorMode, "5+3.=",
                 {" 5.00", " +"}, "3."},
        TapeCase{"floating_setting_keeps_twelve_digits", kFloating, kCalculatorMode, "1/3=",
                 {" 1.", " /", " 3.", " =", " 0.333333333333"}, "0.333333333333"},
        TapeCase{"fixed_places_round_operands", kTwoPlaces, kCalculatorMode, "1/3*3=",
                 {" 1.00", " /", " 3.00", " =", " 0.33", " *", " 3.00", " =", " 0.99"},
                 "0.99"},
        // The rounding nudge stays out of the values, so the tape adds up.
        TapeCase{"nudge_not_kept_in_product", kTwoPlaces, kCalculatorMode, "1000000*3=",
                 {" 1000000.00", " *", " 3.00", " =", " 3000000.00"}, "3000000.00"},
        TapeCase{"nudge_not_kept_in_second_product", kTwoPlaces, kCalculatorMode, "600000*2=",
                 {" 600000.00", " *", " 2.00", " =", " 1200000.00"}, "1200000.00"},
        TapeCase{"division_by_zero_is_infinite", kTwoPlaces, kCalculatorMode, "8/.0=",
                 {" 8.00", " /", " 0.00", " =", " Infinity"}, "Infinity"},
        TapeCase{"printed_operand_is_the_constant", kTwoPlaces, kCalculatorMode, "2*1.005==",
                 {" 2.00", " *", " 1.01", " =", " 2.02", " *", " 1.01", " =", " 2.04"},
                 "2.04"},
        TapeCase{"one_place_rounds_half_up", kOnePlace, kCalculatorMode, ".25+.25=",
                 {" 0.3", " +", " 0.3", " =", " 0.6"}, "0.6"}),
    caseName);

TEST(Operators, CopyTapeToDocumentAfterEveryEquals) {
    Rig rig;
    rig.press("5+3=");
    EXPECT_EQ(rig.document.m_tapeText, rig.calc.m_tape.view());
    rig.press("+2");
    EXPECT_EQ(rig.document.m_tapeText.view(), " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n");
}

TEST(Operators, OperatorKeepsShownNumberWhileMemberIsReset) {
    Rig rig;
    rig.press("5+");
    EXPECT_EQ(rig.calc.m_display, "0.");
    EXPECT_EQ(rig.window.shown.display, "5.");
    rig.press("3");
    EXPECT_EQ(rig.window.shown.display, "3.");
}

TEST(Operators, ReadBackAfterOperatorContinuesShownNumber) {
    for (const char* key : {"BACK", "DIGITUP", "MSEL"}) {
        Rig rig;
        rig.press("5+");
        rig.press(key);
        rig.press("3");
        EXPECT_EQ(rig.calc.m_entry, 53) << key;
    }
}

}  // namespace
}  // namespace zovrek::testing
