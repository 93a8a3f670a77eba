#include "tape/file_commands.h"

#include <gtest/gtest.h>

#include <limits>

#include "engine/command_ids.h"
#include "tape/cal_format.h"
#include "tape_rig.h"
#include "test_files.h"

namespace zovrek {
namespace {

using test::TapeRig;

const std::string kFiftyTape = " 12.50\r\n *\r\n 4.00\r\n =\r\n 50.00\r\n";

// ---- The number-line scan of Open.

struct NumberLineRow {
    const char* name;
    std::string tape;
    std::string line;
};

class LastNumberLineTest : public testing::TestWithParam<NumberLineRow> {};

TEST_P(LastNumberLineTest, Finds) { EXPECT_EQ(lastNumberLine(GetParam().tape), GetParam().line); }

INSTANTIATE_TEST_SUITE_P(
    Tapes, LastNumberLineTest,
    testing::Values(NumberLineRow{"Empty", "", ""},
                    NumberLineRow{"LastLineIsNumber", kFiftyTape, " 50.00\r\n"},
                    NumberLineRow{"ClearMarkAfterNumber", " 15.\r\n @\r\n", " 15.\r\n"},
                    NumberLineRow{"LabelsAfterNumber", " 3.00\r\n +\r\n (SQRT)\r\n =\r\n", " 3.00\r\n"},
                    NumberLineRow{"PieceWithoutLineFeedIgnored", " 3.00\r\n 7", " 3.00\r\n"},
                    NumberLineRow{"OnlyAPiece", " 7", ""},
                    NumberLineRow{"NoDigitAtAll", " +\r\n @\r\n", ""},
                    NumberLineRow{"FirstLineOnly", " 9.\r\n", " 9.\r\n"},
                    NumberLineRow{"BareLineFeeds", "1\n\n+\n", "1\n"},
                    NumberLineRow{"BareCarriageReturns", " 1\r 2\r +\r", " 2\r"},
                    NumberLineRow{"MixedBreaks", " 1\r\n 2\r +\n 3", " 2\r"},
                    NumberLineRow{"CrBeforeCrLf", " 4\r\r\n", " 4\r"},
                    NumberLineRow{"NoteWithDigit", " 1.00\r\n total 2 @\r\n", " total 2 @\r\n"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LastNumberLineLongTest, NoLineLimit) {
    std::string tape;
    for (int i = 0; i < 200000; ++i) tape += " " + std::to_string(i) + ".00\r\n +\r\n";
    tape += " @\r\n";
    EXPECT_EQ(lastNumberLine(tape), " 199999.00\r\n");
}

TEST(LastNumberLineLongTest, LongRunWithoutDigits) {
    std::string tape = " 42.\r\n";
    for (int i = 0; i < 200000; ++i) tape += " @\r\n";
    EXPECT_EQ(lastNumberLine(tape), " 42.\r\n");
}

// ---- Where the file dialogs start.

TEST(DialogStartFolderTest, DocumentFolderThenLastUsedThenHome) {
    test::TempDir dir;
    std::filesystem::create_directories(dir / "tapes");
    std::filesystem::create_directories(dir / "last");
    std::filesystem::create_directories(dir / "home");
    struct Row {
        const char* document;
        const char* last;
        const char* home;
        const char* start;
    };
    for (const Row& row : {Row{"tapes/a.cal", "last", "home", "tapes"},
                           Row{"gone/a.cal", "last", "home", "last"},
                           Row{"", "last", "home", "last"},
                           Row{"", "gone", "home", "home"},
                           Row{"", "", "home", "home"},
                           Row{"", "", "gone", ""}}) {
        const auto in = [&](const char* name) {
            return *name ? dir / name : std::filesystem::path();
        };
        EXPECT_EQ(dialogStartFolder(in(row.document), in(row.last), in(row.home)), in(row.start))
            << row.document << " " << row.last << " " << row.home;
    }
}

// ---- New.

enum class SaveDialog { NotAsked, Dismissed, GoodPath, BadPath };

struct NewRow {
    const char* name;
    int tapeSaved;
    SaveTapeChoice answer;
    SaveDialog saveDialog;
    bool offered;  // "Save Tape?" shown
    bool cleared;  // tape and calculator cleared
    bool written;  // a file was written
};

class FileNewTest : public testing::TestWithParam<NewRow> {};

TEST_P(FileNewTest, Outcome) {
    const NewRow& row = GetParam();
    test::TempDir dir;
    TapeRig rig;
    rig.type("12.5*4=");
    ASSERT_EQ(rig.tape(), kFiftyTape);
    rig.calc.m_tapeSaved = row.tapeSaved;
    rig.calc.m_fileOpened = 1;
    rig.saveTapeAnswer = row.answer;
    if (row.saveDialog == SaveDialog::GoodPath) rig.saveAnswer = dir / "saved.cal";
    if (row.saveDialog == SaveDialog::BadPath) rig.saveAnswer = dir / "missing" / "saved.cal";

    rig.command(cmd::FileNew);

    EXPECT_EQ(rig.saw("Save Tape?"), row.offered);
    EXPECT_EQ(rig.saw("sound chimeup.wav"), row.offered);
    EXPECT_EQ(rig.saw("Save As Untitled.cal"), row.saveDialog != SaveDialog::NotAsked);
    EXPECT_EQ(rig.sawPrefix("error Could not save"), row.saveDialog == SaveDialog::BadPath);
    EXPECT_EQ(std::filesystem::exists(dir / "saved.cal"), row.written);
    if (row.written) {
        EXPECT_EQ(test::readBytes(dir / "saved.cal"), encodeCal(kFiftyTape));
    }
    EXPECT_EQ(rig.saw("sound backsp.wav"), row.cleared);
    if (row.cleared) {
        EXPECT_EQ(rig.tape(), "");
        EXPECT_EQ(rig.tapeControl, "");
        EXPECT_EQ(rig.shown.display, "0.");
        EXPECT_EQ(rig.calc.m_fileOpened, 0);
        EXPECT_TRUE(rig.doc.m_tapeText.empty());
        EXPECT_TRUE(rig.doc.GetPathName().empty());
        EXPECT_EQ(rig.doc.GetTitle(), "Untitled");
        EXPECT_EQ(rig.calc.m_tapeSaved, 0);  // the C of New clears it again
    } else {
        EXPECT_EQ(rig.tape(), kFiftyTape);
        EXPECT_EQ(rig.shown.display, "50.00");
        EXPECT_EQ(rig.calc.m_fileOpened, 1);
        EXPECT_EQ(rig.calc.m_tapeSaved, row.tapeSaved);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FileNewTest,
    testing::Values(
        NewRow{"SavedTapeNotOffered", 1, SaveTapeChoice::Cancel, SaveDialog::NotAsked, false, true, false},
        NewRow{"CancelKeepsAll", 0, SaveTapeChoice::Cancel, SaveDialog::NotAsked, true, false, false},
        NewRow{"NoClearsUnsaved", 0, SaveTapeChoice::No, SaveDialog::NotAsked, true, true, false},
        NewRow{"OkSavesThenClears", 0, SaveTapeChoice::Ok, SaveDialog::GoodPath, true, true, true},
        // Without a written file the tape would be lost: New is abandoned.
        NewRow{"OkDismissedKeepsTape", 0, SaveTapeChoice::Ok, SaveDialog::Dismissed, true, false, false},
        NewRow{"OkFailedWriteKeepsTape", 0, SaveTapeChoice::Ok, SaveDialog::BadPath, true, false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FileNewTest, EmptyTapeDoesNothingAtAll) {
    TapeRig rig;
    rig.calc.m_fileOpened = 1;
    rig.events.clear();
    rig.command(cmd::FileNew);
    EXPECT_TRUE(rig.events.empty());
    EXPECT_EQ(rig.calc.m_fileOpened, 1);
}

TEST(FileNewTest, ForgetsTheFileAndThePrintPreparation) {
    test::TempDir dir;
    TapeRig rig;
    rig.type("5+3=");
    rig.saveAnswer = dir / "t.cal";
    rig.command(cmd::FileSave);
    rig.calc.m_titleAsked = 1;
    rig.calc.m_printLineCount = 3;
    rig.command(cmd::FileNew);
    EXPECT_TRUE(rig.doc.GetPathName().empty());
    EXPECT_EQ(rig.calc.m_printLineCount, 0);
    EXPECT_EQ(rig.calc.m_titleAsked, 0);
    EXPECT_EQ(rig.calc.m_entry, 0);
    EXPECT_EQ(rig.calc.m_accumulator, 0);
}

// ---- Save and Save As.

struct SaveRow {
    const char* name;
    int id;
    bool named;            // the document already has a file
    SaveDialog saveDialog;
    bool written;
    int tapeSavedAfter;
};

class FileSaveTest : public testing::TestWithParam<SaveRow> {};

TEST_P(FileSaveTest, Outcome) {
    const SaveRow& row = GetParam();
    test::TempDir dir;
    TapeRig rig;
    if (row.named) {
        rig.type("1+1=");
        rig.saveAnswer = dir / "old.cal";
        rig.command(cmd::FileSave);
        ASSERT_EQ(rig.doc.GetPathName(), dir / "old.cal");
        rig.events.clear();
    }
    rig.type("12.5*4=");
    rig.calc.m_tapeSaved = 0;
    rig.events.clear();
    rig.saveAnswer.reset();
    if (row.saveDialog == SaveDialog::GoodPath) rig.saveAnswer = dir / "new.cal";
    if (row.saveDialog == SaveDialog::BadPath) rig.saveAnswer = dir / "missing" / "new.cal";

    rig.command(row.id);

    ASSERT_FALSE(rig.events.empty());
    EXPECT_EQ(rig.events.front(), "sound click.wav");
    const bool asked = rig.sawPrefix("Save As ");
    EXPECT_EQ(asked, row.saveDialog != SaveDialog::NotAsked);
    if (asked) {
        const std::string proposed = row.named ? (dir / "old.cal").string() : "Untitled.cal";
        EXPECT_TRUE(rig.saw("Save As " + proposed));
    }
    EXPECT_EQ(rig.sawPrefix("error Could not save"), row.saveDialog == SaveDialog::BadPath);
    EXPECT_EQ(rig.calc.m_tapeSaved, row.tapeSavedAfter);
    const std::filesystem::path target = row.saveDialog == SaveDialog::NotAsked ? dir / "old.cal" : dir / "new.cal";
    EXPECT_EQ(std::filesystem::exists(target) && test::readBytes(target) == encodeCal(rig.tape()), row.written);
    EXPECT_EQ(rig.saw("recent " + target.string()), row.written);
    if (row.written) {
        EXPECT_EQ(rig.doc.GetPathName(), target);
        EXPECT_EQ(rig.doc.GetTitle(), target.filename().string());
    }
    EXPECT_EQ(rig.tape(), rig.doc.m_tapeText.str());
}

INSTANTIATE_TEST_SUITE_P(
    Outcomes, FileSaveTest,
    testing::Values(
        SaveRow{"SaveUntitledAsks", cmd::FileSave, false, SaveDialog::GoodPath, true, 1},
        SaveRow{"SaveNamedWritesWithoutAsking", cmd::FileSave, true, SaveDialog::NotAsked, true, 1},
        // Only a written file marks the tape saved.
        SaveRow{"SaveDismissedStaysUnsaved", cmd::FileSave, false, SaveDialog::Dismissed, false, 0},
        SaveRow{"SaveFailedWriteStaysUnsaved", cmd::FileSave, false, SaveDialog::BadPath, false, 0},
        SaveRow{"SaveAsUntitled", cmd::FileSaveAs, false, SaveDialog::GoodPath, true, 0},
        SaveRow{"SaveAsNamedAsksAgain", cmd::FileSaveAs, true, SaveDialog::GoodPath, true, 0},
        SaveRow{"SaveAsDismissed", cmd::FileSaveAs, true, SaveDialog::Dismissed, false, 0},
        SaveRow{"SaveAsFailedWrite", cmd::FileSaveAs, false, SaveDialog::BadPath, false, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FileSaveTest, EmptyTapeDoesNothing) {
    for (int id : {cmd::FileSave, cmd::FileSaveAs}) {
        TapeRig rig;
        rig.events.clear();
        rig.command(id);
        EXPECT_TRUE(rig.events.empty()) << id;
        EXPECT_EQ(rig.calc.m_tapeSaved, 0);
    }
}

TEST(FileSaveTest, SilentWithoutSounds) {
    test::TempDir dir;
    TapeRig rig;
    rig.calc.m_soundsOn = 0;
    rig.type("2+2=");
    rig.saveAnswer = dir / "t.cal";
    rig.command(cmd::FileSave);
    EXPECT_FALSE(rig.sawPrefix("sound "));
    EXPECT_EQ(rig.calc.m_tapeSaved, 1);
}

// ---- Open.

struct OpenRow {
    const char* name;
    int places;  // 1 floating, 2..4 one to three places
    std::string fileText;
    std::string display;
    double entry;
};

class FileOpenTest : public testing::TestWithParam<OpenRow> {};

TEST_P(FileOpenTest, TakesTheLastNumber) {
    const OpenRow& row = GetParam();
    test::TempDir dir;
    test::writeBytes(dir / "in.cal", encodeCal(row.fileText));
    TapeRig rig(row.places);
    rig.openAnswer = dir / "in.cal";
    rig.command(cmd::FileOpen);

    EXPECT_FALSE(rig.saw("Save Tape?"));  // the tape was empty
    EXPECT_EQ(rig.events.front(), "sound click.wav");
    EXPECT_EQ(rig.tape(), row.fileText);
    EXPECT_EQ(rig.tapeControl, row.fileText);
    EXPECT_EQ(rig.shown.display, row.display);
    EXPECT_EQ(rig.calc.m_entry, row.entry);
    EXPECT_EQ(rig.doc.GetTitle(), "in.cal");
    EXPECT_TRUE(rig.saw("recent " + (dir / "in.cal").string()));
    EXPECT_EQ(rig.calc.m_fileOpened, 1);
    EXPECT_EQ(rig.calc.m_resultShown, 1);
    EXPECT_EQ(rig.calc.m_cleared, 0);
    EXPECT_EQ(rig.calc.m_awaitEntry, 0);
    EXPECT_EQ(rig.calc.m_entryEmpty, 0);
    EXPECT_EQ(rig.calc.m_equalsReady, 0);
    EXPECT_EQ(rig.calc.m_resultLocked, 1);
    EXPECT_EQ(rig.calc.m_showTotal, 1);
    EXPECT_EQ(rig.calc.m_tapeSaved, 0);
    EXPECT_EQ(rig.calc.m_entryOnTape, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Files, FileOpenTest,
    testing::Values(
        OpenRow{"TotalTwoPlaces", 3, kFiftyTape, "50.00", 50},
        OpenRow{"FifteenBeforeClearMarkFixed", 2, " 15.\r\n @\r\n", "15.0", 15},
        OpenRow{"FifteenBeforeClearMarkThreePlaces", 4, " 15.\r\n @\r\n", "15.000", 15},
        OpenRow{"FloatingKeepsTheLineAsItIs", 1, " 15.\r\n @\r\n", " 15.\r\n", 15},
        OpenRow{"RoundedWithFixedPlaces", 2, " 2.675\r\n", "2.7", 2.7},
        OpenRow{"NoDigitFloating", 1, " +\r\n @\r\n", "", 0},
        OpenRow{"NoDigitFixed", 3, " +\r\n @\r\n", "0.00", 0},
        OpenRow{"PieceWithoutLineFeedIgnored", 3, " 3.00\r\n 7", "3.00", 3},
        OpenRow{"EmptyTape", 3, "", "0.00", 0},
        OpenRow{"NoteStartingWithInfReadsAsZero", 3, " 5.00\r\nInfo >> 7\r\n", "0.00", 0},
        OpenRow{"NoteStartingWithNanReadsAsZero", 1, "Nanny >> 50\r\n", "Nanny >> 50\r\n", 0},
        OpenRow{"InfiniteTotalIsTheLastNumber", 3, " 8.00\r\n /\r\n 0.00\r\n =\r\n Infinity\r\n",
                "Infinity", std::numeric_limits<double>::infinity()}),
    [](const auto& row) { return std::string(row.param.name); });

struct OpenOfferRow {
    const char* name;
    SaveTapeChoice answer;
    SaveDialog saveDialog;
    bool opened;   // the Open dialog came and the file was put on the tape
    bool written;
};

class FileOpenOfferTest : public testing::TestWithParam<OpenOfferRow> {};

TEST_P(FileOpenOfferTest, Outcome) {
    const OpenOfferRow& row = GetParam();
    test::TempDir dir;
    test::writeBytes(dir / "in.cal", encodeCal(" 7.00\r\n"));
    TapeRig rig;
    rig.type("12.5*4=");
    rig.saveTapeAnswer = row.answer;
    rig.openAnswer = dir / "in.cal";
    if (row.saveDialog == SaveDialog::GoodPath) rig.saveAnswer = dir / "saved.cal";
    if (row.saveDialog == SaveDialog::BadPath) rig.saveAnswer = dir / "missing" / "saved.cal";

    rig.command(cmd::FileOpen);

    EXPECT_TRUE(rig.saw("Save Tape?"));
    EXPECT_EQ(rig.saw("Open"), row.opened);
    EXPECT_EQ(rig.saw("sound click.wav"), row.opened);
    EXPECT_EQ(std::filesystem::exists(dir / "saved.cal"), row.written);
    if (row.opened) {
        EXPECT_EQ(rig.tape(), " 7.00\r\n");
        EXPECT_EQ(rig.shown.display, "7.00");
        EXPECT_EQ(rig.calc.m_fileOpened, 1);
        EXPECT_EQ(rig.calc.m_tapeSaved, 0);
        EXPECT_EQ(rig.doc.GetPathName(), dir / "in.cal");
    } else {
        EXPECT_EQ(rig.tape(), kFiftyTape);
        EXPECT_EQ(rig.calc.m_fileOpened, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Answers, FileOpenOfferTest,
    testing::Values(OpenOfferRow{"CancelAbandons", SaveTapeChoice::Cancel, SaveDialog::NotAsked, false, false},
                    OpenOfferRow{"NoOpens", SaveTapeChoice::No, SaveDialog::NotAsked, true, false},
                    OpenOfferRow{"OkSavesThenOpens", SaveTapeChoice::Ok, SaveDialog::GoodPath, true, true},
                    OpenOfferRow{"OkDismissedAbandons", SaveTapeChoice::Ok, SaveDialog::Dismissed, false, false},
                    OpenOfferRow{"OkFailedWriteAbandons", SaveTapeChoice::Ok, SaveDialog::BadPath, false, false}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FileOpenTest, SavingBranchThenDismissedOpenLeavesAnEmptyTape) {
    test::TempDir dir;
    TapeRig rig;
    rig.type("12.5*4=");
    rig.saveTapeAnswer = SaveTapeChoice::Ok;
    rig.saveAnswer = dir / "saved.cal";
    rig.command(cmd::FileOpen);
    EXPECT_EQ(test::readBytes(dir / "saved.cal"), encodeCal(kFiftyTape));
    EXPECT_EQ(rig.tape(), "");
    EXPECT_EQ(rig.tapeControl, "");
    EXPECT_TRUE(rig.doc.GetPathName().empty());  // the saving branch forgets the name
    EXPECT_EQ(rig.shown.display, "0.00");
    EXPECT_EQ(rig.calc.m_tapeSaved, 0);

    // ... but not the title: it presets the Tape Title and names the next save.
    EXPECT_EQ(rig.doc.GetTitle(), "saved.cal");
    preparePrinting(rig.calc, rig.doc, rig);
    EXPECT_TRUE(rig.saw("Tape Title saved.cal"));
    rig.type("1+1=");
    rig.saveAnswer.reset();
    rig.command(cmd::FileSave);
    EXPECT_TRUE(rig.saw("Save As saved.cal"));
}

TEST(FileOpenTest, DismissedDialogStillTakesTheLastNumber) {
    TapeRig rig;
    rig.type("12.5*4=");
    rig.type("C");
    rig.calc.m_tapeSaved = 1;
    rig.command(cmd::FileOpen);
    EXPECT_TRUE(rig.saw("Open"));
    EXPECT_EQ(rig.tape(), kFiftyTape + " @\r\n");
    EXPECT_EQ(rig.shown.display, "50.00");
    EXPECT_EQ(rig.calc.m_entry, 50);
    EXPECT_EQ(rig.calc.m_tapeSaved, 0);
    EXPECT_EQ(rig.calc.m_fileOpened, 1);
}

TEST(FileOpenTest, DamagedFileIsReportedAndTheTapeStays) {
    test::TempDir dir;
    test::writeBytes(dir / "bad.cal", "\x40" " 1.00\r\n");
    TapeRig rig;
    rig.type("12.5*4=");
    rig.calc.m_tapeSaved = 1;
    rig.openAnswer = dir / "bad.cal";
    rig.command(cmd::FileOpen);
    EXPECT_TRUE(rig.sawPrefix("error Could not read \"" + (dir / "bad.cal").string() + "\""));
    EXPECT_FALSE(rig.sawPrefix("recent "));
    EXPECT_EQ(rig.tape(), kFiftyTape);
    EXPECT_EQ(rig.tapeControl, kFiftyTape);
    EXPECT_EQ(rig.doc.m_tapeText.str(), kFiftyTape);
    EXPECT_TRUE(rig.doc.GetPathName().empty());
    EXPECT_EQ(rig.shown.display, "50.00");  // steps after the read run on the unchanged tape
    EXPECT_EQ(rig.calc.m_fileOpened, 1);

    // A colour command's initial update reloads the tape from the document.
    rig.calc.onInitialUpdate();
    EXPECT_EQ(rig.tape(), kFiftyTape);
}

TEST(FileOpenTest, MissingFileIsReported) {
    test::TempDir dir;
    TapeRig rig;
    rig.openAnswer = dir / "none.cal";
    rig.command(cmd::FileOpen);
    EXPECT_TRUE(rig.sawPrefix("error Could not open"));
    EXPECT_EQ(rig.calc.m_fileOpened, 1);
}

TEST(FileOpenTest, ZeroByteFileKeepsTheDocumentText) {
    test::TempDir dir;
    test::writeBytes(dir / "zero.cal", "");
    TapeRig rig;
    rig.type("5+3=");        // equals copies the tape into the document
    rig.type("+2");          // lines written since are not in the document
    rig.openAnswer = dir / "zero.cal";
    rig.saveTapeAnswer = SaveTapeChoice::No;
    rig.command(cmd::FileOpen);
    EXPECT_FALSE(rig.sawPrefix("error"));
    EXPECT_EQ(rig.tape(), " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n");
    EXPECT_EQ(rig.doc.GetTitle(), "zero.cal");
    EXPECT_EQ(rig.shown.display, "8.00");
}

TEST(FileOpenTest, SecondOpenAfterClearAllForgetsTheFirstFile) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", encodeCal(" 1.00\r\n"));
    TapeRig rig;
    rig.openAnswer = dir / "a.cal";
    rig.command(cmd::FileOpen);
    ASSERT_EQ(rig.doc.GetPathName(), dir / "a.cal");
    rig.saveTapeAnswer = SaveTapeChoice::No;
    rig.type("CA");  // Clear_All keeps m_fileOpened at 1
    ASSERT_EQ(rig.calc.m_fileOpened, 1);
    rig.doc.SetPathName(dir / "a.cal");  // as if the name had survived
    rig.openAnswer.reset();
    rig.command(cmd::FileOpen);
    EXPECT_TRUE(rig.doc.GetPathName().empty());
}

TEST(FileOpenTest, CommandLineOpenPutsTheTextUpButKeepsTheStartDisplay) {
    test::TempDir dir;
    test::writeBytes(dir / "a.cal", encodeCal(kFiftyTape));
    TapeRig rig;
    ASSERT_TRUE(rig.files.openDocumentFile(dir / "a.cal"));
    EXPECT_EQ(rig.tape(), kFiftyTape);
    EXPECT_EQ(rig.tapeControl, kFiftyTape);
    EXPECT_EQ(rig.shown.display, "0.");
    EXPECT_EQ(rig.calc.m_fileOpened, 0);
}

TEST(FileOpenTest, BigTape) {
    test::TempDir dir;
    std::string tape;
    for (int i = 0; i < 100000; ++i) tape += " " + std::to_string(i) + ".00\r\n +\r\n";
    tape += " @\r\n";
    test::writeBytes(dir / "big.cal", encodeCal(tape));
    TapeRig rig;
    rig.openAnswer = dir / "big.cal";
    rig.command(cmd::FileOpen);
    EXPECT_TRUE(rig.tape() == tape);
    EXPECT_EQ(rig.shown.display, "99999.00");
    rig.saveAnswer = dir / "copy.cal";
    rig.command(cmd::FileSaveAs);
    EXPECT_TRUE(test::readBytes(dir / "copy.cal") == encodeCal(tape));
}

// ---- Clear_All through the host's save.

TEST(ClearAllTest, DismissedSaveKeepsTheTape) {
    TapeRig rig;
    rig.type("12.5*4=");
    rig.saveTapeAnswer = SaveTapeChoice::Ok;
    rig.type("CA");
    EXPECT_TRUE(rig.saw("Save As Untitled.cal"));
    EXPECT_EQ(rig.tape(), kFiftyTape);
}

TEST(ClearAllTest, SavedThenNewDocument) {
    test::TempDir dir;
    TapeRig rig;
    rig.type("12.5*4=");
    rig.saveTapeAnswer = SaveTapeChoice::Ok;
    rig.saveAnswer = dir / "t.cal";
    rig.type("CA");
    EXPECT_EQ(test::readBytes(dir / "t.cal"), encodeCal(kFiftyTape));
    EXPECT_EQ(rig.tape(), "");
    EXPECT_TRUE(rig.doc.GetPathName().empty());
}

}  // namespace
}  // namespace zovrek
