// The crash-recovery file: what it holds after each kind of tape change, what a damaged one
// gives back, what a full disk leaves, how a tape opened from a file is rebuilt, and who may
// take a file left behind.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "tape/cal_file.h"
#include "tape/leftover_tape.h"
#include "tape/recovery_file.h"
#include "test_files.h"

namespace zovrek {
namespace {

// A log of a named tape in three records.
std::string sampleLog() {
    std::string log = recoveryHeader(kRecoveryKeptUp);
    appendRecoveryRecord(log, 'N', "/tapes/sum.cal");
    appendRecoveryRecord(log, 'T', " 5.00\r\n +\r\n");
    appendRecoveryRecord(log, 'T', " 3.00\r\n =\r\n 8.00\r\n");
    return log;
}

const std::string kSum = " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n";
constexpr std::size_t kHead = 9;
const std::size_t kNameEnd = kRecoveryHeaderSize + kHead + 14;
const std::size_t kFirstTapeEnd = kNameEnd + kHead + 11;

struct DamageRow {
    const char* name;
    std::string (*damage)(std::string log);
    std::string text;  ///< what comes back
    const char* file;  ///< the name that comes back
    bool damaged;
};

class RecoveryLogDamage : public testing::TestWithParam<DamageRow> {};

TEST_P(RecoveryLogDamage, GivesBackWhatItCanRead) {
    const DamageRow& row = GetParam();
    const RecoveryLog r = readRecoveryLog(row.damage(sampleLog()));
    EXPECT_EQ(r.added, row.text);
    EXPECT_EQ(r.name, std::filesystem::path(row.file));
    EXPECT_EQ(r.damaged, row.damaged);
}

std::string flipped(std::string s, std::size_t at, char bits) {
    s[at] = static_cast<char>(s[at] ^ bits);
    return s;
}

INSTANTIATE_TEST_SUITE_P(
    Logs, RecoveryLogDamage,
    testing::Values(
        DamageRow{"Whole", [](std::string s) { return s; }, kSum, "/tapes/sum.cal", false},
        // Cut short: the lines of the cut record that are whole come back.
        DamageRow{"CutInLastPayload", [](std::string s) { return s.substr(0, s.size() - 3); },
                  " 5.00\r\n +\r\n 3.00\r\n =\r\n", "/tapes/sum.cal", true},
        DamageRow{"CutInRecordHead",
                  [](std::string s) { return s.substr(0, kFirstTapeEnd + 4); }, " 5.00\r\n +\r\n",
                  "/tapes/sum.cal", true},
        DamageRow{"CutInFirstTapeRecord",
                  [](std::string s) { return s.substr(0, kFirstTapeEnd - 4); }, " 5.00\r\n",
                  "/tapes/sum.cal", true},
        DamageRow{"CutInHeader", [](std::string s) { return s.substr(0, 5); }, "", "", true},
        DamageRow{"Empty", [](std::string) { return std::string(); }, "", "", true},
        // A flipped bit: the record is taken as it stands, and the ones after it follow.
        DamageRow{"FlippedByteInLastPayload",
                  [](std::string s) { return flipped(s, s.size() - 4, 0x01); },
                  " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.10\r\n", "/tapes/sum.cal", true},
        DamageRow{"FlippedBitInHeader", [](std::string s) { return flipped(s, 3, 0x04); }, kSum,
                  "/tapes/sum.cal", true},
        DamageRow{"FlippedBitInState",
                  [](std::string s) { return flipped(s, kRecoveryStateAt, 0x02); }, kSum,
                  "/tapes/sum.cal", true},
        DamageRow{"FlippedBitInFirstChecksum",
                  [](std::string s) { return flipped(s, kNameEnd + 6, 0x10); }, kSum,
                  "/tapes/sum.cal", true},
        DamageRow{"FlippedBitInFirstTapeLength",
                  [](std::string s) { return flipped(s, kNameEnd + 3, 0x40); }, kSum,
                  "/tapes/sum.cal", true},
        // The name is lost, the tape is not.
        DamageRow{"FlippedBitInNameLength",
                  [](std::string s) { return flipped(s, kRecoveryHeaderSize + 2, 0x01); }, kSum,
                  "", true},
        DamageRow{"ZerosAfterTheEnd",  // a power loss can leave the file longer, not written
                  [](std::string s) { return s + std::string(4096, '\0'); }, kSum,
                  "/tapes/sum.cal", true},
        DamageRow{"HugeLength",
                  [](std::string s) {
                      s.replace(kFirstTapeEnd + 1, 4, "\xff\xff\xff\x7f");
                      return s;
                  },
                  kSum, "/tapes/sum.cal", true},
        DamageRow{"UnknownKind", [](std::string s) { return flipped(s, kNameEnd, 0x7f); }, "",
                  "/tapes/sum.cal", true},
        DamageRow{"NotARecoveryFile", [](std::string) { return std::string(" 5.00\r\n"); }, "",
                  "", true}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(RecoveryLog, LongTapeIsCutAtLineEnds) {
    std::string tape;
    while (tape.size() < 3 * kRecoveryChunk) tape += " 1234.50\r\n +\r\n";
    std::string log = recoveryHeader(kRecoveryKeptUp);
    int records = 0;
    forEachTapeRecord(tape, [&](std::string_view record) {
        EXPECT_LE(record.size(), kRecoveryChunk + kHead);
        EXPECT_TRUE(record.ends_with("\r\n"));
        log += record;
        ++records;
        return true;
    });
    EXPECT_EQ(records, 4);
    EXPECT_EQ(readRecoveryLog(log).added, tape);
}

// ---- The file following the tape: a flush after each step.

enum Event : char { Append = 'A', Replace = 'R', IsFile = 'F', Nothing = '-' };

struct Step {
    std::string events;  ///< what happened since the last flush, in order ('F' last)
    std::string tape;    ///< the tape at the flush
    const char* name;    ///< the document's file at the flush
};

struct FollowRow {
    const char* name;
    std::vector<Step> steps;
    const char* base;   ///< the file the log names as the tape's start, or ""
    std::size_t kept;   ///< bytes of that file's text still at the tape's start
    const char* added;  ///< the text after them
    const char* file;   ///< the document's name the log gives back
};

class RecoveryFileFollows : public testing::TestWithParam<FollowRow> {};

TEST_P(RecoveryFileFollows, TheTape) {
    const FollowRow& row = GetParam();
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir / "state", problem);
    ASSERT_TRUE(file) << problem;
    for (const Step& step : row.steps) {
        const TapeText tape(step.tape);
        for (const char e : step.events) {
            if (e == Append) file->tapeAppended();
            if (e == Replace) file->tapeReplaced();
            if (e == IsFile) file->tapeIsFile(tape, step.name);
        }
        ASSERT_TRUE(file->flush(tape, step.name));
        EXPECT_FALSE(file->pending());
    }
    const RecoveryLog r = readRecoveryLog(test::readBytes(file->path()));
    EXPECT_EQ(r.base ? r.base->file : std::filesystem::path(), std::filesystem::path(row.base));
    EXPECT_EQ(r.keptOfBase, row.kept);
    EXPECT_EQ(r.added, row.added);
    EXPECT_EQ(r.name, std::filesystem::path(row.file));
    EXPECT_TRUE(r.complete());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RecoveryFileFollows,
    testing::Values(
        FollowRow{"GrowingTapeIsAppended",
                  {{"A", " 5.00\r\n", ""}, {"AA", " 5.00\r\n +\r\n 3.00\r\n", ""}},
                  "", 0, " 5.00\r\n +\r\n 3.00\r\n", ""},
        FollowRow{"ReplacedTapeIsCutBackToWhatItShares",
                  {{"A", " 5.00\r\n +\r\n", ""}, {"RA", " 5.00\r\n 9.00\r\n", ""}}, "", 0,
                  " 5.00\r\n 9.00\r\n", ""},
        FollowRow{"EmptiedTapeLeavesNothing", {{"A", " 5.00\r\n", ""}, {"R", "", ""}}, "", 0, "",
                  ""},
        FollowRow{"ShrunkTapeIsCutBack", {{"A", " 5.00\r\n +\r\n", ""}, {"A", " 5.00\r\n", ""}},
                  "", 0, " 5.00\r\n", ""},
        FollowRow{"OpenedTapeIsNamedNotCopied",
                  {{"A", " 5.00\r\n", ""}, {"RAF", " 7.00\r\n", "/t/a.cal"}}, "/t/a.cal", 7, "",
                  "/t/a.cal"},
        FollowRow{"KeysAfterOpenAddOnlyTheirLines",
                  {{"RF", " 7.00\r\n", "/t/a.cal"}, {"A", " 7.00\r\n +\r\n", "/t/a.cal"}},
                  "/t/a.cal", 7, " +\r\n", "/t/a.cal"},
        FollowRow{"ColourCommandAfterOpenCutsBack",
                  {{"RF", " 7.00\r\n", "/t/a.cal"},
                   {"A", " 7.00\r\n +\r\n 2.00\r\n", "/t/a.cal"},
                   {"R", " 7.00\r\n +\r\n", "/t/a.cal"}},
                  "/t/a.cal", 7, " +\r\n", "/t/a.cal"},
        FollowRow{"EditedLineOfTheOpenedTape",
                  {{"RF", " 7.00\r\n 8.00\r\n", "/t/a.cal"},
                   {"R", " 7.00\r\n 9.00\r\n", "/t/a.cal"}},
                  "/t/a.cal", 8, "9.00\r\n", "/t/a.cal"},
        FollowRow{"SaveAsNamesTheNewFile",
                  {{"A", " 5.00\r\n", "/t/a.cal"}, {"F", " 5.00\r\n", "/t/b.cal"}}, "/t/b.cal", 7,
                  "", "/t/b.cal"},
        FollowRow{"NewForgetsTheName",
                  {{"RF", " 7.00\r\n", "/t/a.cal"}, {"R", "", ""}}, "/t/a.cal", 0, "", ""}),
    [](const auto& row) { return std::string(row.param.name); });

std::string longTape(int lines) {
    std::string tape;
    for (int i = 0; i < lines; ++i) tape += " 1234.50\r\n +\r\n";
    return tape;
}

ino_t inodeOf(const std::filesystem::path& path) {
    struct stat info {};
    return ::stat(path.c_str(), &info) == 0 ? info.st_ino : 0;
}

// After Open, neither the first key nor a colour command copies the opened tape.
TEST(RecoveryFile, OpenedTapeIsNeverCopied) {
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir.path(), problem);
    ASSERT_TRUE(file) << problem;
    std::string tape = longTape(20000);
    file->tapeReplaced();
    file->tapeIsFile(TapeText(tape), "/t/long.cal");
    ASSERT_TRUE(file->flush(TapeText(tape), "/t/long.cal"));
    const auto opened = std::filesystem::file_size(file->path());
    EXPECT_LT(opened, 100u);
    const ino_t inode = inodeOf(file->path());

    tape += " 5.00\r\n";
    file->tapeAppended();
    ASSERT_TRUE(file->flush(TapeText(tape), "/t/long.cal"));
    EXPECT_EQ(std::filesystem::file_size(file->path()), opened + kHead + 7);
    file->tapeReplaced();  // the same text put on the tape again
    ASSERT_TRUE(file->flush(TapeText(tape), "/t/long.cal"));
    EXPECT_EQ(std::filesystem::file_size(file->path()), opened + kHead + 7);
    EXPECT_EQ(inodeOf(file->path()), inode);
}

// A log grown far past the tape it describes is written anew, and still says the same.
TEST(RecoveryFile, GrownLogIsWrittenAnew) {
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir.path(), problem);
    ASSERT_TRUE(file) << problem;
    const std::string big = longTape(100000);
    for (int i = 0; i < 3; ++i) {
        file->tapeReplaced();
        ASSERT_TRUE(file->flush(TapeText(i % 2 ? " 1.00\r\n" + big : big), ""));
    }
    EXPECT_LT(std::filesystem::file_size(file->path()), 2 * big.size() + (1u << 20) + 100);
    EXPECT_EQ(readRecoveryLog(test::readBytes(file->path())).added, big);
}

// ---- A disk that fills: the file says it fell behind, and catches up once there is room.

class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        ::signal(SIGXFSZ, SIG_IGN);
        ::getrlimit(RLIMIT_FSIZE, &old_);
        rlimit limit = old_;
        limit.rlim_cur = bytes;
        ::setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() { ::setrlimit(RLIMIT_FSIZE, &old_); }

private:
    rlimit old_{};
};

TEST(RecoveryFile, FullDiskIsNeverTakenForTheWholeTape) {
    test::TempDir dir;
    std::string problem;
    const auto file = RecoveryFile::create(dir.path(), problem);
    ASSERT_TRUE(file) << problem;
    file->tapeAppended();
    ASSERT_TRUE(file->flush(TapeText(" 5.00\r\n"), ""));
    const std::string more = " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n";
    {
        const FileSizeLimit full(std::filesystem::file_size(file->path()) + 4);
        file->tapeAppended();
        EXPECT_FALSE(file->flush(TapeText(more), ""));
        EXPECT_FALSE(file->problem().empty());
    }
    RecoveryLog r = readRecoveryLog(test::readBytes(file->path()));
    EXPECT_EQ(r.added, " 5.00\r\n");
    EXPECT_TRUE(r.behind);
    EXPECT_FALSE(r.damaged);
    EXPECT_EQ(rebuildTape(r).gap, RecoveredTape::Gap::Behind);

    // Room again: what was missing is written, and the file is whole again.
    ASSERT_TRUE(file->flush(TapeText(more), ""));
    r = readRecoveryLog(test::readBytes(file->path()));
    EXPECT_EQ(r.added, more);
    EXPECT_TRUE(r.complete());
}

// A state folder that can't be used: no file, and a later flush makes one holding the tape.
TEST(RecoveryFile, FolderThatCantBeUsedIsTriedAgain) {
    test::TempDir dir;
    test::writeBytes(dir / "state", "a file, not a folder");
    RecoveryFile file(dir / "state");
    EXPECT_FALSE(file.open());
    EXPECT_FALSE(file.problem().empty());
    file.tapeIsFile(TapeText(" 7.00\r\n"), "/t/a.cal");
    EXPECT_FALSE(file.flush(TapeText(" 7.00\r\n"), "/t/a.cal"));
    file.tapeAppended();
    EXPECT_FALSE(file.flush(TapeText(" 7.00\r\n +\r\n"), "/t/a.cal"));

    std::filesystem::remove(dir / "state");
    file.tapeAppended();
    ASSERT_TRUE(file.flush(TapeText(" 7.00\r\n +\r\n 1.00\r\n"), "/t/a.cal"));
    const RecoveryLog r = readRecoveryLog(test::readBytes(file.path()));
    EXPECT_EQ(r.base->file, "/t/a.cal");
    EXPECT_EQ(r.keptOfBase, 7u);
    EXPECT_EQ(r.added, " +\r\n 1.00\r\n");
}

// ---- Files left behind, and who may take them.

std::filesystem::path leaveTape(const std::filesystem::path& folder, std::string_view tape) {
    std::string problem;
    auto file = RecoveryFile::create(folder, problem);
    file->tapeAppended();
    file->flush(TapeText(std::string(tape)), "");
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
    EXPECT_TRUE(leftover->tape().complete());
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

struct LeftDamageRow {
    const char* name;
    std::string (*damage)(std::string log);
    const char* text;
};

class DamagedLeftover : public testing::TestWithParam<LeftDamageRow> {};

// Never removed unasked: what can be read is offered as incomplete, and the file is kept
// aside for good, out of the way of later starts.
TEST_P(DamagedLeftover, IsOfferedAsIncompleteAndKept) {
    test::TempDir dir;
    std::string log = recoveryHeader(kRecoveryKeptUp);
    appendRecoveryRecord(log, 'T', " 5.00\r\n +\r\n 3.00\r\n");
    appendRecoveryRecord(log, 'T', " =\r\n 8.00\r\n");
    test::writeBytes(dir / "tape-99.recovery", GetParam().damage(log));
    auto leftover = LeftoverTape::claim(dir.path());
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->tape().text, GetParam().text);
    EXPECT_EQ(leftover->tape().gap, RecoveredTape::Gap::Damaged);
    ASSERT_TRUE(leftover->keepAside());
    EXPECT_EQ(leftover->path(), dir / "tape-99.recovery.incomplete");
    leftover.reset();
    EXPECT_FALSE(LeftoverTape::claim(dir.path()));
    EXPECT_TRUE(std::filesystem::exists(dir / "tape-99.recovery.incomplete"));
}

INSTANTIATE_TEST_SUITE_P(
    Damage, DamagedLeftover,
    testing::Values(
        LeftDamageRow{"FirstRecordCutShort",
                      [](std::string s) { return s.substr(0, kRecoveryHeaderSize + kHead + 15); },
                      " 5.00\r\n +\r\n"},
        LeftDamageRow{"FlippedBitInFirstRecordHead",
                      [](std::string s) { return flipped(s, kRecoveryHeaderSize + 7, 0x08); },
                      " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n"},
        LeftDamageRow{"UnknownFirstRecord",
                      [](std::string s) { return flipped(s, kRecoveryHeaderSize, 0x40); }, ""},
        LeftDamageRow{"LaterRecordCutShort",
                      [](std::string s) { return s.substr(0, s.size() - 8); },
                      " 5.00\r\n +\r\n 3.00\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

// A tape opened from a file and changed after: rebuilt from the file when it is still the
// text that was opened, else only what was added comes back, and says so.
struct BaseRow {
    const char* name;
    void (*change)(const std::filesystem::path& file);
    const char* text;
    RecoveredTape::Gap gap;
};

class OpenedThenChanged : public testing::TestWithParam<BaseRow> {};

TEST_P(OpenedThenChanged, IsRebuiltFromItsFile) {
    test::TempDir dir;
    const std::filesystem::path cal = dir / "sum.cal";
    const std::string opened = " 5.00\r\n +\r\n 3.00\r\n =\r\n";
    ASSERT_TRUE(writeCalFile(cal, opened).ok);
    {
        std::string problem;
        const auto file = RecoveryFile::create(dir / "state", problem);
        ASSERT_TRUE(file) << problem;
        file->tapeIsFile(TapeText(opened), cal);
        file->tapeAppended();
        ASSERT_TRUE(file->flush(TapeText(opened + " 8.00\r\n"), cal));
    }
    GetParam().change(cal);
    const auto leftover = LeftoverTape::claim(dir / "state");
    ASSERT_TRUE(leftover);
    EXPECT_EQ(leftover->tape().text, GetParam().text);
    EXPECT_EQ(leftover->tape().gap, GetParam().gap);
    EXPECT_EQ(leftover->tape().name, cal);
}

INSTANTIATE_TEST_SUITE_P(
    Files, OpenedThenChanged,
    testing::Values(
        BaseRow{"Unchanged", [](const std::filesystem::path&) {},
                " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n", RecoveredTape::Gap::None},
        BaseRow{"OneDigitChanged",
                [](const std::filesystem::path& f) {
                    ASSERT_TRUE(writeCalFile(f, " 5.00\r\n +\r\n 4.00\r\n =\r\n").ok);
                },
                " 8.00\r\n", RecoveredTape::Gap::BaseChanged},
        BaseRow{"Removed", [](const std::filesystem::path& f) { std::filesystem::remove(f); },
                " 8.00\r\n", RecoveredTape::Gap::BaseChanged},
        BaseRow{"NowAPipe",
                [](const std::filesystem::path& f) {
                    std::filesystem::remove(f);
                    ASSERT_EQ(::mkfifo(f.c_str(), 0600), 0);
                },
                " 8.00\r\n", RecoveredTape::Gap::BaseChanged}),
    [](const auto& row) { return std::string(row.param.name); });

// Saved and not changed since: nothing to offer, and the file goes.
TEST(LeftoverTape, SavedTapeIsNotOffered) {
    test::TempDir dir;
    std::filesystem::path left;
    {
        std::string problem;
        const auto file = RecoveryFile::create(dir.path(), problem);
        file->tapeAppended();
        ASSERT_TRUE(file->flush(TapeText(" 5.00\r\n"), ""));
        file->tapeIsFile(TapeText(" 5.00\r\n"), dir / "saved.cal");
        ASSERT_TRUE(file->flush(TapeText(" 5.00\r\n"), dir / "saved.cal"));
        left = file->path();
    }
    EXPECT_FALSE(LeftoverTape::claim(dir.path()));
    EXPECT_FALSE(std::filesystem::exists(left));
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
        bool ok = false;
        if (file) {
            file->tapeAppended();
            ok = file->flush(TapeText(" 7.00\r\n"), "/t/seven.cal");
        }
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
