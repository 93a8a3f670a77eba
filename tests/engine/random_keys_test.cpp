// Long random key sequences must keep the calculator's invariants.

#include <cmath>
#include <limits>
#include <random>

#include "engine/command_ids.h"
#include "recording_window.h"

namespace zovrek::testing {
namespace {

constexpr int kKeys[] = {
    cmd::Zero, cmd::One, cmd::Two, cmd::Three, cmd::Four, cmd::Five, cmd::Six, cmd::Seven,
    cmd::Eight, cmd::Nine, cmd::Decimal, cmd::Back, cmd::PlusMinus, cmd::ClearEntry,
    cmd::Clear, cmd::ClearAll, cmd::Plus, cmd::Minus, cmd::Times, cmd::Divide, cmd::Equal,
    cmd::Equal, cmd::Percent, cmd::Sqrt, cmd::Squared, cmd::Invert, cmd::MemoryClear,
    cmd::MemoryRecall, cmd::MemoryMinus, cmd::MemoryPlus, cmd::MemorySelect, cmd::DigitUp,
    cmd::CalculatorMode, cmd::AddingMachineMode, cmd::Sounds, cmd::Voice,
    -1 /* special-function hand-back */};

constexpr double kHandBacks[] = {0,   1.5, -2, 1e15, 193.328, std::numeric_limits<double>::infinity(),
                                 std::numeric_limits<double>::quiet_NaN(), 1e-9};

// Checks the text appended since `from`: whole lines, one leading space, no trailing space.
void expectWellFormedLines(std::string_view tape, std::size_t from) {
    std::string_view rest = tape.substr(from);
    while (!rest.empty()) {
        const auto end = rest.find("\r\n");
        ASSERT_NE(end, std::string_view::npos) << "unterminated line";
        const auto line = rest.substr(0, end);
        ASSERT_GE(line.size(), 2u) << "line too short";
        EXPECT_EQ(line[0], ' ');
        EXPECT_NE(line[1], ' ');
        EXPECT_NE(line.back(), ' ');
        EXPECT_EQ(line.find_first_of("\r\n"), std::string_view::npos);
        rest.remove_prefix(end + 2);
    }
}

class RandomKeys : public ::testing::TestWithParam<unsigned> {};

TEST_P(RandomKeys, KeepInvariants) {
    std::mt19937 random(GetParam());
    Rig rig(1 + GetParam() % 4, GetParam() % 2);
    const SaveTapeChoice answers[] = {SaveTapeChoice::No, SaveTapeChoice::Cancel,
                                      SaveTapeChoice::Ok};
    std::size_t checked = 0;
    for (int i = 0; i < 3000; ++i) {
        const int key = kKeys[random() % std::size(kKeys)];
        rig.window.saveTapeAnswer = answers[random() % 3];
        rig.window.saveSucceeds = random() % 2;
        if (key < 0) {
            rig.calc.takeSpecialResult(kHandBacks[random() % std::size(kHandBacks)]);
        } else {
            rig.calc.onCommand(key);
        }
        const auto tape = rig.calc.m_tape.view();
        if (tape.size() < checked) checked = 0;  // cleared
        expectWellFormedLines(tape, checked);
        checked = tape.size();

        ASSERT_GE(rig.calc.m_memoryNumber, 1);
        ASSERT_LE(rig.calc.m_memoryNumber, 4);
        ASSERT_GE(rig.calc.m_places, 1);
        ASSERT_LE(rig.calc.m_places, 4);
        if (i % 250 == 0 || i == 2999) {
            ASSERT_EQ(tape, rig.window.tapeControl);
        }
        if (::testing::Test::HasFailure()) FAIL() << "after key " << i << " (" << key << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Seeds, RandomKeys, ::testing::Range(1u, 41u));

}  // namespace
}  // namespace zovrek::testing
