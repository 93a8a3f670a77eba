#include "tape/cal_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

#include <ostream>
#include <stdexcept>

#include "tape/document.h"
#include "test_files.h"

namespace zovrek {
namespace {

using Status = CalReadResult::Status;

TEST(AtomicFileTest, WritesANewFileAndLeavesNoTemporary) {
    test::TempDir dir;
    const FileResult r = writeCalFile(dir / "a.cal", " 5.00\r\n");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(test::readBytes(dir / "a.cal"), encodeCal(" 5.00\r\n"));
    EXPECT_EQ(dir.listing(), "a.cal;");
}

TEST(AtomicFileTest, ReplacesAnOldFileAndKeepsItsPermissions) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", "old content that is longer");
    ::chmod((dir / "a.cal").c_str(), 0640);
    ASSERT_TRUE(writeCalFile(dir / "a.cal", "new").ok);
    EXPECT_EQ(test::readBytes(dir / "a.cal"), encodeCal("new"));
    struct stat st {};
    ASSERT_EQ(::stat((dir / "a.cal").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
    EXPECT_EQ(dir.listing(), "a.cal;");
}

TEST(AtomicFileTest, NameOfTheLongestLengthCanBeSaved) {
    test::TempDir dir;
    const std::string name = std::string(251, 'n') + ".cal";  // 255 bytes, the most allowed
    const FileResult r = writeCalFile(dir / name, " 5.00\r\n");
    ASSERT_TRUE(r.ok) << r.message;
    EXPECT_EQ(test::readBytes(dir / name), encodeCal(" 5.00\r\n"));
    EXPECT_EQ(dir.listing(), name + ";");
}

TEST(AtomicFileTest, SavingThroughALinkReplacesTheFileItPointsAt) {
    test::TempDir dir;
    test::writeBytes(dir / "real.cal", "old");
    std::filesystem::create_symlink("real.cal", dir / "link.cal");
    ASSERT_TRUE(writeCalFile(dir / "link.cal", "new").ok);
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.cal"));
    EXPECT_EQ(test::readBytes(dir / "real.cal"), encodeCal("new"));
    EXPECT_EQ(dir.listing(), "link.cal;real.cal;");
}

// What a save finds at its target: links are followed, things that are no writable regular
// file are refused and stay as they were.
struct TargetRow {
    const char* name;
    /// Makes the target in `dir` and returns the name to save to; empty to skip the row.
    std::filesystem::path (*make)(const test::TempDir& dir);
    const char* refusal;  ///< the reason in the message, or nullptr when the save succeeds
    const char* written;  ///< for a save: the file that then holds the tape
    const char* listing;  ///< the folder afterwards
};

class AtomicFileTargetTest : public testing::TestWithParam<TargetRow> {};

TEST_P(AtomicFileTargetTest, SavesOrRefuses) {
    const TargetRow& row = GetParam();
    test::TempDir dir;
    const std::filesystem::path named = row.make(dir);
    if (named.empty()) GTEST_SKIP() << "needs root";
    struct stat before {};
    ASSERT_EQ(::lstat(named.c_str(), &before), 0);

    const FileResult r = writeCalFile(named, "new");

    struct stat after {};
    ASSERT_EQ(::lstat(named.c_str(), &after), 0);
    EXPECT_EQ(after.st_mode & S_IFMT, before.st_mode & S_IFMT);  // a link stays a link
    EXPECT_EQ(dir.listing(), row.listing);
    if (row.refusal == nullptr) {
        ASSERT_TRUE(r.ok) << r.message;
        EXPECT_EQ(test::readBytes(dir / row.written), encodeCal("new"));
    } else {
        EXPECT_FALSE(r.ok);
        EXPECT_EQ(r.message, "Could not save \"" + named.string() + "\": " + row.refusal + ".");
        EXPECT_EQ(after.st_ino, before.st_ino);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, AtomicFileTargetTest,
    testing::Values(
        TargetRow{"DanglingLinkCreatesItsFile",
                  [](const test::TempDir& d) {
                      std::filesystem::create_symlink(d / "real.cal", d / "link.cal");
                      return d / "link.cal";
                  },
                  nullptr, "real.cal", "link.cal;real.cal;"},
        // Each relative target counts from the folder of its own link.
        TargetRow{"ChainOfRelativeLinks",
                  [](const test::TempDir& d) {
                      std::filesystem::create_directory(d / "sub");
                      std::filesystem::create_symlink("sub/middle", d / "link.cal");
                      std::filesystem::create_symlink("../real.cal", d / "sub" / "middle");
                      test::writeBytes(d / "real.cal", "old");
                      return d / "link.cal";
                  },
                  nullptr, "real.cal", "link.cal;real.cal;sub;"},
        TargetRow{"LinkLoop",
                  [](const test::TempDir& d) {
                      std::filesystem::create_symlink("b.cal", d / "a.cal");
                      std::filesystem::create_symlink("a.cal", d / "b.cal");
                      return d / "a.cal";
                  },
                  "Too many levels of symbolic links", nullptr, "a.cal;b.cal;"},
        TargetRow{"Fifo",
                  [](const test::TempDir& d) {
                      ::mkfifo((d / "pipe.cal").c_str(), 0600);
                      return d / "pipe.cal";
                  },
                  "it is a pipe, not a file", nullptr, "pipe.cal;"},
        TargetRow{"LinkToFifo",
                  [](const test::TempDir& d) {
                      ::mkfifo((d / "pipe").c_str(), 0600);
                      std::filesystem::create_symlink("pipe", d / "link.cal");
                      return d / "link.cal";
                  },
                  "it is a pipe, not a file", nullptr, "link.cal;pipe;"},
        // A node of its own rather than /dev/null, which a regression would destroy.
        TargetRow{"DeviceAsRoot",
                  [](const test::TempDir& d) {
                      const auto node = d / "null.cal";
                      return ::mknod(node.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0
                                 ? node
                                 : std::filesystem::path();
                  },
                  "it is a device, not a file", nullptr, "null.cal;"},
        TargetRow{"ReadOnlyFile",
                  [](const test::TempDir& d) {
                      test::writeBytes(d / "a.cal", "old");
                      ::chmod((d / "a.cal").c_str(), 0444);  // refused even for root
                      return d / "a.cal";
                  },
                  "the file is read-only", nullptr, "a.cal;"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(AtomicFileTest, ReplacedFileKeepsItsOwnerAndGroup) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", "old");
    constexpr uid_t kOther = 54321;
    if (::chown((dir / "a.cal").c_str(), kOther, kOther) != 0) GTEST_SKIP() << "needs root";
    ::chmod((dir / "a.cal").c_str(), 0640);
    ASSERT_TRUE(writeCalFile(dir / "a.cal", "new").ok);
    struct stat st {};
    ASSERT_EQ(::stat((dir / "a.cal").c_str(), &st), 0);
    EXPECT_EQ(st.st_uid, kOther);
    EXPECT_EQ(st.st_gid, kOther);
    EXPECT_EQ(st.st_mode & 07777, 0640u);
    EXPECT_EQ(test::readBytes(dir / "a.cal"), encodeCal("new"));
}

TEST(AtomicFileTest, ProducerThatThrowsLeavesNoTemporary) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", "precious");
    EXPECT_THROW(writeFileAtomically(dir / "a.cal",
                                     [](std::ostream& out) -> bool {
                                         out << std::string(100000, 'x');
                                         throw std::runtime_error("out of memory");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(test::readBytes(dir / "a.cal"), "precious");
    EXPECT_EQ(dir.listing(), "a.cal;");
}

TEST(AtomicFileTest, ProducerFailingHalfWayLeavesTheOldFile) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", encodeCal("precious"));
    const FileResult r = writeFileAtomically(dir / "a.cal", [](std::ostream& out) {
        out << "half";
        return false;
    });
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("a.cal"), std::string::npos) << r.message;
    EXPECT_EQ(test::readBytes(dir / "a.cal"), encodeCal("precious"));
    EXPECT_EQ(dir.listing(), "a.cal;");
}

TEST(AtomicFileTest, StreamFailureMidWayLeavesTheOldFile) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", encodeCal("precious"));
    const FileResult r = writeFileAtomically(dir / "a.cal", [](std::ostream& out) {
        out << std::string(100000, 'x');
        out.setstate(std::ios::badbit);  // as a full disk would leave it
        return true;
    });
    EXPECT_FALSE(r.ok);
    EXPECT_EQ(test::readBytes(dir / "a.cal"), encodeCal("precious"));
    EXPECT_EQ(dir.listing(), "a.cal;");
}

TEST(AtomicFileTest, FolderThatDoesNotExistIsReported) {
    test::TempDir dir;
    const FileResult r = writeCalFile(dir / "missing" / "a.cal", "x");
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.message.find("No such file or directory"), std::string::npos) << r.message;
}

TEST(AtomicFileTest, RenameOntoAFolderFailsAndCleansUp) {
    // Works even for root, who may write anywhere: a non-empty folder can't be replaced.
    test::TempDir dir;
    std::filesystem::create_directory(dir / "a.cal");
    test::writeBytes(dir / "a.cal" / "inside", "x");
    const FileResult r = writeCalFile(dir / "a.cal", "tape");
    EXPECT_FALSE(r.ok);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "a.cal"));
    EXPECT_EQ(dir.listing(), "a.cal;");
}

// A save killed mid-write leaves its temporary beside the file. The next save or open of
// that file removes it once its process is gone, and nothing else.
TEST(AtomicFileTest, NextSaveOrOpenRemovesTemporariesOfDeadSaves) {
    const pid_t dead = ::fork();
    if (dead == 0) ::_exit(0);
    ASSERT_GT(dead, 0);
    ::waitpid(dead, nullptr, 0);
    const std::string gone = std::to_string(dead), own = std::to_string(::getpid());
    for (const bool byOpen : {false, true}) {
        test::TempDir dir;
        ASSERT_TRUE(writeCalFile(dir / "t.cal", "old").ok);
        const std::string litter = ".t.cal." + gone + ".0.tmp";
        const std::vector<std::string> kept = {
            ".t.cal." + own + ".7.tmp",  // this process's own
            ".t.cal.1.0.tmp",            // a process that runs
            ".u.cal." + gone + ".0.tmp", // another file's
            ".t.cal." + gone + ".tmp",   // not a temporary's name
        };
        test::writeBytes(dir / litter, std::string(100000, 'x'));
        for (const auto& name : kept) test::writeBytes(dir / name, "x");
        std::filesystem::create_directory(dir / (".t.cal." + gone + ".1.tmp"));
        if (byOpen)
            EXPECT_TRUE(CZOVREKDoc().OnOpenDocument(dir / "t.cal").ok);
        else
            EXPECT_TRUE(writeCalFile(dir / "t.cal", "new").ok);
        EXPECT_FALSE(std::filesystem::exists(dir / litter)) << byOpen;
        for (const auto& name : kept) EXPECT_TRUE(std::filesystem::exists(dir / name)) << name;
        EXPECT_TRUE(std::filesystem::is_directory(dir / (".t.cal." + gone + ".1.tmp")));
    }
}

TEST(CalFileReadTest, MissingFileHasNotBegun) {
    test::TempDir dir;
    const CalFileRead r = readCalFile(dir / "none.cal");
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.begun);
    EXPECT_NE(r.message.find("none.cal"), std::string::npos);
}

// Things that are no file are refused at once; a FIFO must not block the open.
struct NotAFileRow {
    const char* name;
    std::filesystem::path (*make)(const test::TempDir&);
    const char* reason;
};

class CalFileNotAFileTest : public testing::TestWithParam<NotAFileRow> {};

TEST_P(CalFileNotAFileTest, IsRefusedWithoutReading) {
    test::TempDir dir;
    const std::filesystem::path path = GetParam().make(dir);
    ASSERT_FALSE(path.empty());
    const CalFileRead r = readCalFile(path);
    EXPECT_FALSE(r.ok());
    EXPECT_FALSE(r.begun);
    EXPECT_EQ(r.message, "Could not open \"" + path.string() + "\": " + GetParam().reason + ".");
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CalFileNotAFileTest,
    testing::Values(
        NotAFileRow{"Folder", [](const test::TempDir& d) { return d.path(); }, "Is a directory"},
        NotAFileRow{"Fifo",
                    [](const test::TempDir& d) {
                        return ::mkfifo((d / "pipe.cal").c_str(), 0600) == 0 ? d / "pipe.cal"
                                                                              : std::filesystem::path();
                    },
                    "it is a pipe, not a file"},
        NotAFileRow{"Device", [](const test::TempDir&) { return std::filesystem::path("/dev/null"); },
                    "it is a device, not a file"}),
    [](const auto& row) { return std::string(row.param.name); });

// ---- The document on top of them.

TEST(DocumentTest, StartsUntitledAndEmpty) {
    CZOVREKDoc doc;
    EXPECT_TRUE(doc.m_tapeText.empty());
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
    EXPECT_EQ(doc.proposedFileName(), "Untitled.cal");
}

TEST(DocumentTest, NewDocumentForgetsNameTitleAndText) {
    test::TempDir dir;
    CZOVREKDoc doc;
    doc.m_tapeText = TapeText(" 1.\r\n");
    ASSERT_TRUE(doc.OnSaveDocument(dir / "t.cal").ok);
    EXPECT_EQ(doc.GetTitle(), "t.cal");
    EXPECT_TRUE(doc.OnNewDocument());
    EXPECT_TRUE(doc.m_tapeText.empty());
    EXPECT_TRUE(doc.GetPathName().empty());
    EXPECT_EQ(doc.GetTitle(), "Untitled");
}

struct OpenRow {
    const char* name;
    bool create;
    std::string file;
    bool ok;
    std::string textAfter;  // the document held "before"
    bool named;
    bool textRead;          // the text is now the file's
};

class DocumentOpenTest : public testing::TestWithParam<OpenRow> {};

TEST_P(DocumentOpenTest, TextAndNameAfterOpen) {
    const OpenRow& row = GetParam();
    test::TempDir dir;
    if (row.create) test::writeBytes(dir / "in.cal", row.file);
    CZOVREKDoc doc;
    doc.m_tapeText = TapeText("before");
    bool textRead = !row.textRead;
    const FileResult r = doc.OnOpenDocument(dir / "in.cal", &textRead);
    EXPECT_EQ(r.ok, row.ok) << r.message;
    EXPECT_EQ(textRead, row.textRead);
    EXPECT_EQ(r.message.empty(), row.ok);
    EXPECT_EQ(doc.m_tapeText.str(), row.textAfter);
    EXPECT_EQ(doc.GetPathName().empty(), !row.named);
    EXPECT_EQ(doc.GetTitle(), row.named ? "in.cal" : "Untitled");
}

INSTANTIATE_TEST_SUITE_P(
    Files, DocumentOpenTest,
    testing::Values(OpenRow{"WholeFile", true, encodeCal(" 7.\r\n"), true, " 7.\r\n", true, true},
                    OpenRow{"EmptyText", true, std::string(1, '\0'), true, "", true, true},
                    OpenRow{"ZeroBytesKeepsText", true, "", true, "before", true, false},
                    OpenRow{"DamagedKeepsText", true, "\xFF\x10", false, "before", false, false},
                    OpenRow{"TruncatedKeepsText", true, "\x10" "abc", false, "before", false, false},
                    OpenRow{"MissingKeepsText", false, "", false, "before", false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(DocumentTest, ProposedNameFromTheTitle) {
    const struct {
        const char* title;
        const char* proposed;
    } rows[] = {
        {"March", "March.cal"},
        {"tape.cal", "tape.cal"},  // a title kept from a saved file
        {"TAPE.CAL", "TAPE.CAL"},
        {"tape.cal.old", "tape.cal.old.cal"},
        // Never out of the folder the dialog starts in.
        {"Q1/Q2 totals", "Q1.cal"},
        {"/etc/passwd", "ZOVREK.cal"},
        {"..", "ZOVREK.cal"},
    };
    CZOVREKDoc doc;
    for (const auto& row : rows) {
        doc.SetTitle(row.title);
        EXPECT_EQ(doc.proposedFileName(), row.proposed) << row.title;
    }
}

TEST(DocumentTest, FailedSaveKeepsTheOldName) {
    test::TempDir dir;
    CZOVREKDoc doc;
    doc.m_tapeText = TapeText("x");
    ASSERT_TRUE(doc.OnSaveDocument(dir / "first.cal").ok);
    EXPECT_FALSE(doc.OnSaveDocument(dir / "no" / "second.cal").ok);
    EXPECT_EQ(doc.GetPathName(), dir / "first.cal");
}

}  // namespace
}  // namespace zovrek
