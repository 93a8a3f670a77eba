// A tape is never lost to a crash: the program keeps it in a recovery file of its own, and
// the next start offers a tape that a dead program left behind.

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <fstream>

#include "app_rig.h"
#include "engine/command_ids.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"
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
    return files;
}

/// Leaves the file a program has when it dies with `tape` on it.
void leaveTape(const std::string& tape, const std::filesystem::path& name) {
    std::string problem;
    auto file = RecoveryFile::create(stateFolder(), problem);
    QVERIFY2(file, problem.c_str());
    file->tapeAppended();
    QVERIFY(file->flush(tape, name));
}

RecoveredTape keptBy(qt::CZOVREKApp& app) {
    app.recovery().flushNow();
    return readRecoveryLog(bytesOf(app.recovery().file()->path()));
}

}  // namespace

class RecoveryTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::forgetSettings(); }
    void leftTapeIsRecoveredWithEnter();
    void noDiscardsTheLeftTape();
    void runningProgramsFileIsNotTaken();
    void tapeIsKeptAsItGrowsAndGoesAtTheEnd();
    void openedTapeIsCopiedOnlyOnceChanged();
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
        QTRY_COMPARE_WITH_TIMEOUT(readRecoveryLog(bytesOf(file)).text, kSum, 3000);
        rig.type(QStringLiteral("+1="));
        QTRY_COMPARE_WITH_TIMEOUT(readRecoveryLog(bytesOf(file)).text,
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

void RecoveryTest::openedTapeIsCopiedOnlyOnceChanged() {
    QTemporaryDir dir;
    const std::filesystem::path saved = (dir.filePath("start.cal")).toStdString();
    QVERIFY(writeCalFile(saved, kSum).ok);
    AppRig rig({dir.filePath("start.cal")});
    const RecoveredTape before = keptBy(rig.app);
    QCOMPARE(before.text, std::string());
    QCOMPARE(before.name, saved);
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("2+3="));
    QVERIFY(tapeOf(rig.app).starts_with(kSum + " 2.00\r\n +\r\n"));
    QCOMPARE(keptBy(rig.app).text, tapeOf(rig.app));
    // Saved, the tape is its file again: a crash now leaves nothing to offer.
    rig.frame().runCommand(cmd::FileSave);
    QCOMPARE(keptBy(rig.app).text, std::string());
    QCOMPARE(keptBy(rig.app).name, saved);
}

QTEST_MAIN(RecoveryTest)
#include "recovery_test.moc"
