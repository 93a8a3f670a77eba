// A tape is never lost to a crash: the program keeps it in a recovery file of its own, and
// the next start offers a tape that a dead program left behind, saying so when it may be
// incomplete. When no file can be kept, the user is told.

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>

#include "app_rig.h"
#include "engine/command_ids.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"
#include "tape/leftover_tape.h"
#include "tape/recovery_file.h"

using namespace zovrek;
using zovrek::testing::AppRig;
using zovrek::testing::ModalScript;

namespace {

const std::string kSum = " 5.00\r\n +\r\n 3.00\r\n =\r\n 8.00\r\n";

std::filesystem::path stateFolder() { return shell::stateFolder(); }

std::string bytesOf(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string tapeOf(qt::CZOVREKApp& app) {
    return std::string(app.mainFrame().view().calculator().m_tape.view());
}

std::vector<std::filesystem::path> recoveryFiles() {
    std::vector<std::filesystem::path> files;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(stateFolder(), ec))
        files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

/// Leaves the file a program has when it dies with `tape` on it.
void leaveTape(const std::string& tape, const std::filesystem::path& name) {
    std::string problem;
    auto file = RecoveryFile::create(stateFolder(), problem);
    QVERIFY2(file, problem.c_str());
    file->tapeAppended();
    QVERIFY(file->flush(TapeText(tape), name));
}

/// What the file of a running program says, as if it died at this moment.
RecoveryLog logOf(qt::CZOVREKApp& app) {
    return readRecoveryLog(bytesOf(app.recovery().file()->path()));
}

RecoveredTape keptBy(qt::CZOVREKApp& app) {
    app.recovery().flushNow();
    return rebuildTape(logOf(app));
}

/// Answers a message box with `button` when its text holds every one of `parts`.
qt::Modal::Answerer answerMessage(const QStringList& parts, int button) {
    return [parts, button](QDialog& d) {
        // A long path is shortened in the text and given whole in the details.
        const auto& box = static_cast<QMessageBox&>(d);
        const QString text = box.text() + QLatin1Char('\n') + box.detailedText();
        for (const QString& part : parts)
            if (!text.contains(part)) return -1;
        return button;
    };
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::forgetSettings(); }
    void leftTapeIsRecoveredWithEnter();
    void noDiscardsTheLeftTape();
    void damagedTapeIsOfferedAsIncompleteAndKept_data();
    void damagedTapeIsOfferedAsIncompleteAndKept();
    void runningProgramsFileIsNotTaken();
    void tapeIsKeptAsItGrowsAndGoesAtTheEnd();
    void openedTapeIsNamedNotCopied();
    void saveAsThenKillOffersNothing();
    void unwritableStateFolderIsToldOnce();
};

void RecoveryTest::leftTapeIsRecoveredWithEnter() {
    leaveTape(kSum, "/tapes/sum.cal");
    ModalScript script;
    script.expect(QStringLiteral("ZOVREK"), [](QDialog& d) {
        auto& box = static_cast<QMessageBox&>(d);
        if (box.text() != QString::fromUtf8(qt::kRecoverQuestion)) return -1;
        if (box.defaultButton() != box.button(QMessageBox::Yes)) return -1;
        box.show();
        QTest::keyClick(&box, Qt::Key_Return);
        return box.result();
    });
    qt::CZOVREKApp app;
    QVERIFY(app.InitInstance({}));
    ZOVREK_VERIFY_MODALS(script);
    auto& view = app.mainFrame().view();
    QCOMPARE(tapeOf(app), kSum);
    QCOMPARE(view.form().edit(1000)->text(), QStringLiteral("0."));
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("sum.cal - ZOVREK"));
    QCOMPARE(view.calculator().m_tapeSaved, 0);
    // The tape moved into this run's own file; the old one is gone.
    QCOMPARE(recoveryFiles(), std::vector<std::filesystem::path>{app.recovery().file()->path()});
    QCOMPARE(keptBy(app).text, kSum);
    QCOMPARE(keptBy(app).name, std::filesystem::path("/tapes/sum.cal"));
    // An unsaved tape: New asks first.
    script.expect(QStringLiteral("Save Tape?"), QDialog::Rejected);
    app.mainFrame().runCommand(cmd::FileNew);
    ZOVREK_VERIFY_MODALS(script);
}

void RecoveryTest::noDiscardsTheLeftTape() {
    leaveTape(kSum, "");
    ModalScript script;
    script.expect(QStringLiteral("ZOVREK"), QMessageBox::No);
    qt::CZOVREKApp app;
    QVERIFY(app.InitInstance({}));
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(tapeOf(app), std::string());
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
    QCOMPARE(recoveryFiles(), std::vector<std::filesystem::path>{app.recovery().file()->path()});
}

void RecoveryTest::damagedTapeIsOfferedAsIncompleteAndKept_data() {
    QTest::addColumn<int>("cut");  // bytes cut off the end of the file
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("answer");
    QTest::addColumn<QString>("tape");
    QTest::newRow("first record cut short")
        << 24 << "may be incomplete" << int(QMessageBox::Yes) << " 5.00\r\n +\r\n";
    QTest::newRow("later record cut short")
        << 3 << "may be incomplete" << int(QMessageBox::Yes) << " 5.00\r\n +\r\n 3.00\r\n =\r\n";
    QTest::newRow("answered No") << 3 << "may be incomplete" << int(QMessageBox::No) << "";
    QTest::newRow("nothing readable")
        << 41 << "nothing of the unsaved tape" << int(QMessageBox::Ok) << "";
}

void RecoveryTest::damagedTapeIsOfferedAsIncompleteAndKept() {
    QFETCH(int, cut);
    QFETCH(QString, text);
    QFETCH(int, answer);
    QFETCH(QString, tape);
    std::string log = recoveryHeader(kRecoveryKeptUp);
    appendRecoveryRecord(log, 'N', "/tapes/sum.cal");
    appendRecoveryRecord(log, 'T', " 5.00\r\n +\r\n 3.00\r\n");
    appendRecoveryRecord(log, 'T', " =\r\n 8.00\r\n");
    log.resize(log.size() - std::size_t(cut));
    std::filesystem::create_directories(stateFolder());
    std::ofstream(stateFolder() / "tape-99.recovery", std::ios::binary) << log;
    const std::filesystem::path kept = stateFolder() / "tape-99.recovery.incomplete";

    ModalScript script;
    script.expect(QStringLiteral("ZOVREK"),
                  answerMessage({text, QString::fromStdString(kept.native())}, answer));
    qt::CZOVREKApp app;
    QVERIFY(app.InitInstance({}));
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(tapeOf(app), tape.toStdString());
    // Part of a tape: a Save must ask where, not put it over the whole tape's file.
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("Untitled - ZOVREK"));
    // Kept aside whatever the answer, and not asked about again.
    QCOMPARE(bytesOf(kept), log);
    QCOMPARE(keptBy(app).text, tape.toStdString());
    QVERIFY(!LeftoverTape::claim(stateFolder()));
}

void RecoveryTest::runningProgramsFileIsNotTaken() {
    AppRig first;
    first.control(1000)->setFocus();
    first.type(QStringLiteral("2*3="));
    first.app.recovery().flushNow();
    {
        AppRig second;  // asks nothing: the first one's tape is not left behind
        ZOVREK_VERIFY_MODALS(second.modals);
        QVERIFY(second.app.recovery().file()->path() != first.app.recovery().file()->path());
        QCOMPARE(recoveryFiles().size(), std::size_t{2});
    }
    QCOMPARE(keptBy(first.app).text, tapeOf(first.app));
    ZOVREK_VERIFY_MODALS(first.modals);
}

void RecoveryTest::tapeIsKeptAsItGrowsAndGoesAtTheEnd() {
    std::filesystem::path file;
    {
        AppRig rig;
        file = rig.app.recovery().file()->path();
        rig.control(1000)->setFocus();
        rig.type(QStringLiteral("5+3="));
        // Flushed by itself within a second.
        QTRY_COMPARE_WITH_TIMEOUT(readRecoveryLog(bytesOf(file)).added, kSum, 3000);
        rig.type(QStringLiteral("+1="));
        QTRY_COMPARE_WITH_TIMEOUT(readRecoveryLog(bytesOf(file)).added,
                                  kSum + " +\r\n 1.00\r\n =\r\n 9.00\r\n", 3000);
        // Clear_All empties it; the file follows.
        rig.modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
            return d.result();
        });
        rig.frame().runCommand(cmd::ClearAll);
        QCOMPARE(keptBy(rig.app).text, std::string());
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
    QVERIFY(!std::filesystem::exists(file));
}

void RecoveryTest::openedTapeIsNamedNotCopied() {
    QTemporaryDir dir;
    const std::filesystem::path saved = (dir.filePath("start.cal")).toStdString();
    QVERIFY(writeCalFile(saved, kSum).ok);
    AppRig rig({dir.filePath("start.cal")});
    // Named at once, nothing copied: nothing unsaved.
    QCOMPARE(logOf(rig.app).base->file, saved);
    QVERIFY(!logOf(rig.app).unsaved());
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("2+3="));
    QVERIFY(tapeOf(rig.app).starts_with(kSum + " 2.00\r\n +\r\n"));
    QCOMPARE(keptBy(rig.app).text, tapeOf(rig.app));
    QCOMPARE(logOf(rig.app).added, tapeOf(rig.app).substr(kSum.size()));
    // Saved, the tape is its file again: a crash now leaves nothing to offer.
    rig.frame().runCommand(cmd::FileSave);
    QVERIFY(!logOf(rig.app).unsaved());
    QCOMPARE(logOf(rig.app).name, saved);
}

void RecoveryTest::saveAsThenKillOffersNothing() {
    QTemporaryDir dir;
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    rig.app.recovery().flushNow();
    QVERIFY(logOf(rig.app).unsaved());
    rig.modals.expect(QStringLiteral("Save As"), testing::chooseFile(dir.filePath("sum.cal")));
    rig.frame().runCommand(cmd::FileSaveAs);
    ZOVREK_VERIFY_MODALS(rig.modals);
    // Killed right now, before any timer: the file says the tape is the saved file.
    const RecoveryLog log = logOf(rig.app);
    QVERIFY(!log.unsaved());
    QCOMPARE(log.name, std::filesystem::path(dir.filePath("sum.cal").toStdString()));
}

void RecoveryTest::unwritableStateFolderIsToldOnce() {
    // Not a folder: a file stands where the folder should be.
    const std::filesystem::path folder = stateFolder();
    std::filesystem::create_directories(folder.parent_path());
    std::ofstream(folder) << "in the way";
    struct Cleanup {
        std::filesystem::path path;
        ~Cleanup() {
            std::error_code ec;
            std::filesystem::remove_all(path, ec);
        }
    } cleanup{folder};

    ModalScript script;
    script.expect(QStringLiteral("ZOVREK"),
                  answerMessage({QStringLiteral("Crash recovery is off")}, QMessageBox::Ok));
    qt::CZOVREKApp app;
    QVERIFY(app.InitInstance({}));
    QTRY_COMPARE(script.seen().size(), 1);
    QVERIFY(!app.recovery().active());
    app.mainFrame().view().form().control(1000)->setFocus();
    QTest::keyClicks(app.mainFrame().view().form().control(1000), QStringLiteral("5+3="));
    QVERIFY(!app.recovery().flushNow());
    QVERIFY(!app.recovery().flushNow());
    QTest::qWait(50);
    ZOVREK_VERIFY_MODALS(script);

    // Tried again later: once the folder can be made, the file holds the tape.
    std::filesystem::remove(folder);
    QVERIFY(app.recovery().flushNow());
    QVERIFY(app.recovery().active());
    QCOMPARE(keptBy(app).text, kSum);
    ZOVREK_VERIFY_MODALS(script);
}

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
