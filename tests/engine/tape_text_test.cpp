#include "engine/tape_text.h"

#include <gtest/gtest.h>

namespace zovrek {
namespace {

TEST(TapeText, SnapshotKeepsItsTextWhileTapeGrows) {
    TapeBuffer tape;
    tape.append(" 1.00\r\n");
    const TapeText snapshot = tape.snapshot();
    for (int i = 0; i < 10000; ++i) tape.append(" +\r\n");  // reallocates the buffer
    EXPECT_EQ(snapshot.view(), " 1.00\r\n");
}

TEST(TapeText, SnapshotSurvivesReplacementAndClear) {
    TapeBuffer tape;
    tape.append("abc");
    const TapeText before = tape.snapshot();
    tape.assign("xyz");
    const TapeText replaced = tape.snapshot();
    tape.clear();
    EXPECT_EQ(before.view(), "abc");
    EXPECT_EQ(replaced.view(), "xyz");
    EXPECT_TRUE(tape.snapshot().empty());
}

TEST(TapeText, AssignFromOwnSnapshot) {
    TapeBuffer tape;
    tape.append("line\r\n");
    tape.assign(tape.snapshot().view());
    EXPECT_EQ(tape.view(), "line\r\n");
}

TEST(TapeText, DefaultIsEmpty) {
    EXPECT_TRUE(TapeText().empty());
    EXPECT_EQ(TapeText().view(), "");
}

}  // namespace
}  // namespace zovrek
