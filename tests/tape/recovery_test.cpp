// The crash-recovery file: what it holds after each kind of tape change, what a damaged one
// gives back, and who may take it.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tape/recovery_file.h"
#include "test_files.h"

namespace zovrek {
namespace {

// A log of a named tape in three records.
std::string sampleLog() {
    std::string log(kRecoveryHeader);
    appendRecoveryRecord(log, 'N', "/tapes/sum.cal");
    appendRecoveryRecord(log, 'T', " 5.00\r\n +\r\n");
    appendRecoveryRecord(log, 'T', " 3.00\r\n =\r\n 8.00\r\n");
    return log;
}

constexpr std::size_t kHead = 9;
const std::size_t kNameEnd = kRecoveryHeader.size() + kHead + 14;
const std::size_t kFirstTapeEnd = kNameEnd + kHead + 11;

struct DamageRow {
    const char* name;
    std::string (*damage)(std::string log);
    const char* text;  ///< what comes back
    const char* file;  ///< the name that comes back
    bool damaged;
};

class RecoveryLogDamage : public testing::TestWithParam<DamageRow> {};

TEST_P(RecoveryLogDamage, GivesBackWhatItCanRead) {
    const DamageRow& row = GetParam();
    const RecoveredTape r = readRecoveryLog(row.damage(sampleLog()));
    EXPECT_EQ(r.text, row.text);
    EXPECT_EQ(r.name, std::filesystem::path(row.file));
    EXPECT_EQ(r.damaged, row.damaged);
}

INSTANTIATE_TEST_SUITE_P(
    Logs, RecoveryLogDamage,
    testing::Values(
        DamageRow{"Whole", [](std::string s) { return s; },
                  " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n", "/tapes/sum.cal", false},
        DamageRow{"CutInLastPayload", [](std::string s) { return s.substr(0, s.size() - 3); },
                  " 5.00\r\n +\r\n", "/tapes/sum.cal", true},
        DamageRow{"CutInRecordHead",
                  [](std::string s) { return s.substr(0, kFirstTapeEnd + 4); }, " 5.00\r\n +\r\n",
                  "/tapes/sum.cal", true},
        DamageRow{"CutInHeader", [](std::string s) { return s.substr(0, 5); }, "", "", true},
        DamageRow{"Empty", [](std::string) { return std::string(); }, "", "", true},
        DamageRow{"FlippedByteInLastPayload",
                  [](std::string s) {
                      s[s.size() - 4] ^= 0x20;
                      return s;
                  },
                  " 5.00\r\n +\r\n", "/tapes/sum.cal", true},
        DamageRow{"ZerosAfterTheEnd",  // a power loss can leave the file longer, not written
                  [](std::string s) { return s + std::string(4096, '\0'); },
                  " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n", "/tapes/sum.cal", true},
        DamageRow{"HugeLength",
                  [](std::string s) {
                      s.replace(kFirstTapeEnd + 1, 4, "\xff\xff\xff\x7f");
                      return s;
                  },
                  " 5.00\r\n +\r\n", "/tapes/sum.cal", true},
        DamageRow{"UnknownKind",
                  [](std::string s) {
                      s[kNameEnd] = 'X';
                      return s;
                  },
                  "", "/tapes/sum.cal", true},
        DamageRow{"NotARecoveryFile", [](std::string) { return std::string(" 5.00\r\n"); }, "",
                  "", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecoveryLog, LongTapeIsCutAtLineEnds) {
    std::string tape;
    while (tape.size() < 3 * kRecoveryChunk) tape += " 1234.50\r\n +\r\n";
    std::string log(kRecoveryHeader);
    int records = 0;
    forEachTapeRecord(tape, [&](std::string_view record) {
        EXPECT_LE(record.size(), kRecoveryChunk + kHead);
        EXPECT_TRUE(record.ends_with("\r\n"));
        log += record;
        ++records;
        return true;
    });
    EXPECT_EQ(records, 4);
    EXPECT_EQ(readRecoveryLog(log).text, tape);
}

// ---- The file following the tape: a flush after each step.

enum Event : char { Append = 'A', Replace = 'R', IsFile = 'F', Nothing = '-' };

struct Step {
    std::string events;  ///< what happened since the last flush, in order
    std::string tape;    ///< the tape at the flush
    const char* name;    ///< the document's file at the flush
};

struct FollowRow {
    const char* name;
    std::vector<Step> steps;
    const char* text;      ///< the tape the file gives back at the end
    const char* file;      ///< the name it gives back
    bool appendedOnly;     ///< the file was never written anew after the first step
};

class RecoveryFileFollows : public testing::TestWithParam<FollowRow> {};

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

TEST_P(RecoveryFileFollows, TheTape) {
    const FollowRow& row = GetParam();
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir / "state", problem);
    ASSERT_TRUE(file) << problem;
    ino_t first = 0;
    for (const Step& step : row.steps) {
        for (const char e : step.events) {
            if (e == Append) file->tapeAppended();
            if (e == Replace) file->tapeReplaced();
            if (e == IsFile) file->tapeIsFile();
        }
        ASSERT_TRUE(file->flush(step.tape, step.name));
        EXPECT_FALSE(file->pending());
        if (first == 0) first = inodeOf(file->path());
    }
    const RecoveredTape r = readRecoveryLog(test::readBytes(file->path()));
    EXPECT_EQ(r.text, row.text);
    EXPECT_EQ(r.name, std::filesystem::path(row.file));
    EXPECT_FALSE(r.damaged);
    EXPECT_EQ(inodeOf(file->path()) == first, row.appendedOnly);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RecoveryFileFollows,
    testing::Values(
        FollowRow{"GrowingTapeIsAppended",
                  {{"A", " 5.00\r\n", ""}, {"AA", " 5.00\r\n +\r\n 3.00\r\n", ""}},
                  " 5.00\r\n +\r\n 3.00\r\n", "", true},
        FollowRow{"ReplacedTapeIsWrittenAnew",
                  {{"A", " 5.00\r\n", ""}, {"RA", " 9.00\r\n", ""}}, " 9.00\r\n", "", false},
        FollowRow{"EmptiedTapeLeavesNothing", {{"A", " 5.00\r\n", ""}, {"R", "", ""}}, "", "",
                  false},
        FollowRow{"OpenedTapeIsNotCopied", {{"A", " 5.00\r\n", ""}, {"RAF", " 7.00\r\n", "/t/a.cal"}},
                  "", "/t/a.cal", false},
        FollowRow{"OpenedTapeIsCopiedOnceItChanges",
                  {{"RAF", " 7.00\r\n", "/t/a.cal"}, {"A", " 7.00\r\n +\r\n", "/t/a.cal"}},
                  " 7.00\r\n +\r\n", "/t/a.cal", false},
        FollowRow{"SaveAsRecordsTheNewName",
                  {{"A", " 5.00\r\n", "/t/a.cal"}, {"-", " 5.00\r\n", "/t/b.cal"}}, " 5.00\r\n",
                  "/t/b.cal", true},
        FollowRow{"NewForgetsTheName", {{"A", " 5.00\r\n", "/t/a.cal"}, {"R", "", ""}}, "", "",
                  false},
        FollowRow{"ShrunkTapeIsWrittenAnew", {{"A", " 5.00\r\n +\r\n", ""}, {"A", " 5.00\r\n", ""}},
                  " 5.00\r\n", "", false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecoveryFile, KeyAppendsOnlyItsLines) {
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir.path(), problem);
    ASSERT_TRUE(file) << problem;
    std::string tape;
    for (int i = 0; i < 20000; ++i) tape += " 1234.50\r\n +\r\n";
    file->tapeAppended();
    ASSERT_TRUE(file->flush(tape, ""));
    const auto before = std::filesystem::file_size(file->path());
    tape += " 5.00\r\n";
    file->tapeAppended();
    ASSERT_TRUE(file->flush(tape, ""));
    EXPECT_EQ(std::filesystem::file_size(file->path()), before + kHead + 7);
}

// ---- Files left behind, and who may take them.

std::filesystem::path leaveTape(const std::filesystem::path& folder, std::string_view tape) {
    std::string problem;
    auto file = RecoveryFile::create(folder, problem);
    file->tapeAppended();
    file->flush(tape, "");
    return file->path();  // destroyed without remove(): as when its program dies
}

TEST(LeftoverTape, NewestTapeIsOfferedAndTheOthersWait) {
    test::TempDir dir;
    const auto older = leaveTape(dir.path(), " 1.00\r\n");
    const auto empty = leaveTape(dir.path(), "");
    const auto newer = leaveTape(dir.path(), " 2.00\r\n");
    struct timespec past[2] = {{1000, 0}, {1000, 0}};
    ::utimensat(AT_FDCWD, older.c_str(), past, 0);
    test::writeBytes(dir / ".tape-1.recovery.new", "half written");
    test::writeBytes(dir / "notes.txt", "not ours");

    auto leftover = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->path(), newer);
    EXPECT_EQ(leftover->tape().text, " 2.00\r\n");
    // Nothing unsaved, or half written: gone. Another tape: kept for a later start.
    EXPECT_FALSE(std::filesystem::exists(empty));
    EXPECT_FALSE(std::filesystem::exists(dir / ".tape-1.recovery.new"));
    EXPECT_TRUE(std::filesystem::exists(older));
    EXPECT_TRUE(std::filesystem::exists(dir / "notes.txt"));

    // While it is claimed, nobody else takes it.
    auto other = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(other);
    EXPECT_EQ(other->path(), older);
    other.reset();

    leftover->discard();
    EXPECT_FALSE(std::filesystem::exists(newer));
    leftover = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->path(), older);
}

TEST(LeftoverTape, DamagedFileGivesWhatItCan) {
    test::TempDir dir;
    std::string log = sampleLog();
    log.resize(log.size() - 2);
    test::writeBytes(dir / "tape-99.recovery", log);
    auto leftover = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->tape().text, " 5.00\r\n +\r\n");
    EXPECT_EQ(leftover->tape().name, "/tapes/sum.cal");
}

// A real second program: its file is not taken while it runs, and is once it is killed.
TEST(LeftoverTape, RunningProgramKeepsItsFileUntilKilled) {
    test::TempDir dir;
    int ready[2];
    ASSERT_EQ(::pipe(ready), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        std::string problem;
        auto file = RecoveryFile::create(dir.path(), problem);
        file->tapeAppended();
        const bool ok = file && file->flush(" 7.00\r\n", "/t/seven.cal");
        (void)!::write(ready[1], ok ? "y" : "n", 1);
        for (;;) ::pause();
    }
    char answer = 0;
    ASSERT_EQ(::read(ready[0], &answer, 1), 1);
    ASSERT_EQ(answer, 'y');

    EXPECT_FALSE(LeftoverTape::claim(dir.path()));
    std::string problem;
    const auto own = RecoveryFile::create(dir.path(), problem);
    ASSERT_TRUE(own);

    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    auto leftover = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(leftover);
    EXPECT_NE(leftover->path(), own->path());
    EXPECT_EQ(leftover->tape().text, " 7.00\r\n");
    EXPECT_EQ(leftover->tape().name, "/t/seven.cal");
    ::close(ready[0]);
    ::close(ready[1]);
}

}  // namespace
}  // namespace zovrek
