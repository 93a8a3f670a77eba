// The four memory registers.

#include "recording_window.h"

namespace zovrek::testing {
namespace {

struct MemoryCase {
    const char* name;
    const char* keys;
    const char* memoryText;
    int memoryNumber;
    const char* shown;
};

class Memory : public ::testing::TestWithParam<MemoryCase> {};

TEST_P(Memory, ShowsRegister) {
    const auto& c = GetParam();
    Rig rig;
    rig.press(c.keys);
    EXPECT_EQ(rig.window.shown.memoryText, c.memoryText);
    EXPECT_EQ(rig.window.shown.memoryNumber, c.memoryNumber);
    EXPECT_EQ(rig.window.shown.display, c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Examples, Memory,
    ::testing::Values(
        MemoryCase{"plus_at_start_ignored", "M+", "0.", 1, "0."},
        MemoryCase{"plus_after_operator_ignored", "5+ M+", "0.", 1, "5."},
        MemoryCase{"adds_number_as_printed", "1/3= M+", "0.33", 1, "0.33"},
        MemoryCase{"subtracts", "5 M+ 7 M-", "-2.", 1, "7."},
        MemoryCase{"recall_starts_new_number", "5 M+ 1+2= MR", "5.", 1, "5."},
        MemoryCase{"select_cycles_and_shows_each", "5 M+ MSEL 7 M+ MSEL MSEL MSEL", "5.", 1,
                   "7."},
        MemoryCase{"select_shows_other_register", "5 M+ MSEL 7 M+ MSEL", "0.", 3, "7."},
        MemoryCase{"clear_only_selected", "5 M+ MSEL 7 M+ MC MSEL MSEL MSEL", "5.", 1, "7."},
        MemoryCase{"recall_after_function_ignored", "5 M+ 16 SQRT MR", "5.", 1, "4.00"}),
    [](const auto& p) { return std::string(p.param.name); });

TEST(Memory, RecallAfterEqualsClearsWithMark) {
    Rig rig;
    rig.press("5 M+ 1+2= MR");
    EXPECT_EQ(rig.tapeLines(),
              (std::vector<std::string>{" 1.00", " +", " 2.00", " =", " 3.00", " @"}));
    rig.press("+1=");
    EXPECT_EQ(rig.window.shown.display, "6.00");
}

TEST(Memory, RegistersSurviveClearAll) {
    Rig rig;
    rig.press("5 M+ +1= CA MR");
    EXPECT_EQ(rig.window.shown.display, "5.");
}

}  // namespace
}  // namespace zovrek::testing
