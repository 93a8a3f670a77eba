// Files as a user meets them: where the file dialogs start, a dropped file that was not
// opened, a tape whose name is not UTF-8, recent tapes that can never open.

#include <QFileDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/desktop_commands.h"
#include "app/recent_tapes_menu.h"
#include "app_rig.h"
#include "engine/command_ids.h"
#include "shell/recent_files.h"
#include "shell/settings_files.h"
#include "tape/cal_file.h"

using namespace zovrek;
using zovrek::testing::AppRig;
using zovrek::testing::ModalScript;

namespace {

// Answers a file dialog by noting the folder it starts in and cancelling it.
qt::Modal::Answerer noteFolder(QString& folder) {
    return [&folder](QDialog& d) {
        folder = static_cast<QFileDialog&>(d).directory().absolutePath();
        return int(QDialog::Rejected);
    };
}

QString folderOf(ModalScript& modals, qt::CMainFrame& frame, int id, const char* title) {
    QString folder;
    modals.expect(QString::fromUtf8(title), noteFolder(folder));
    frame.runCommand(id);
    return folder;
}

void drop(qt::CMainFrame& frame, const QUrl& url) {
    QMimeData data;
    data.setUrls({url});
    const QPoint at = frame.rect().center();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &enter);
    QDropEvent event(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &event);
}

std::string tapeOf(qt::CZOVREKApp& app) {
    return std::string(app.mainFrame().view().calculator().m_tape.view());
}

}  // namespace

class FilesTest : public QObject {
    Q_OBJECT
private slots:
    void init() { testing::forgetSettings(); }
    void droppedFileIsForgottenWhenSaveTapeIsCancelled();
    void dialogsStartInTheTapesFolderElseTheLastElseHome();
    void latin1NamedTapeOpensAndSavesBack();
    void recentEntryThatNeverOpensLeavesTheList_data();
    void recentEntryThatNeverOpensLeavesTheList();
};

void FilesTest::droppedFileIsForgottenWhenSaveTapeIsCancelled() {
    QTemporaryDir dir;
    const QString dropped = dir.filePath("dropped.cal");
    QVERIFY(writeCalFile(dropped.toStdString(), " 7.00\r\n").ok);
    AppRig rig;
    rig.control(1000)->setFocus();
    rig.type(QStringLiteral("5+3="));
    const std::string tape = tapeOf(rig.app);
    rig.modals.expect(QStringLiteral("Save Tape?"), QDialog::Rejected);
    drop(rig.frame(), QUrl::fromLocalFile(dropped));
    QCOMPARE(tapeOf(rig.app), tape);
    // A later File Open asks for its file.
    rig.modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
        return d.result();
    });
    rig.modals.expect(QStringLiteral("Open"), QDialog::Rejected);
    rig.frame().runCommand(cmd::FileOpen);
    QCOMPARE(tapeOf(rig.app), tape);
    ZOVREK_VERIFY_MODALS(rig.modals);
}

void FilesTest::dialogsStartInTheTapesFolderElseTheLastElseHome() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("tapes")));
    const QString tapes = QDir(dir.filePath("tapes")).absolutePath();
    const QString file = tapes + QStringLiteral("/a.cal");
    QVERIFY(writeCalFile(file.toStdString(), " 7.00\r\n").ok);
    {
        AppRig rig;
        QCOMPARE(folderOf(rig.modals, rig.frame(), cmd::FileOpen, "Open"), QDir::homePath());
        drop(rig.frame(), QUrl::fromLocalFile(file));
        QCOMPARE(rig.frame().windowTitle(), QStringLiteral("a.cal - ZOVREK"));
        QCOMPARE(folderOf(rig.modals, rig.frame(), cmd::FileSaveAs, "Save As"), tapes);
        rig.modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
            d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
            return d.result();
        });
        rig.frame().runCommand(cmd::FileNew);
        QCOMPARE(folderOf(rig.modals, rig.frame(), cmd::FileOpen, "Open"), tapes);
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
    // The next run starts where this one left off.
    QVERIFY(QDir(tapes).rename(QStringLiteral("a.cal"), QStringLiteral("b.cal")));
    AppRig next;
    QCOMPARE(folderOf(next.modals, next.frame(), cmd::FileOpen, "Open"), tapes);
    ZOVREK_VERIFY_MODALS(next.modals);
}

void FilesTest::latin1NamedTapeOpensAndSavesBack() {
    QTemporaryDir dir;
    // QTemporaryDir can't see a name that is no UTF-8, so can't remove it.
    struct RemoveAll {
        std::filesystem::path folder;
        ~RemoveAll() { std::filesystem::remove_all(folder); }
    } cleanup{dir.path().toStdString()};
    const std::filesystem::path name = cleanup.folder / "caf\xe9.cal";
    QVERIFY(writeCalFile(name, " 7.00\r\n").ok);
    ModalScript modals;
    qt::CZOVREKApp app;
    QVERIFY(app.startWithFiles({name}));
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("café.cal - ZOVREK"));
    QCOMPARE(tapeOf(app), std::string(" 7.00\r\n"));
    app.mainFrame().view().form().control(1000)->setFocus();
    QTest::keyClicks(app.mainFrame().view().form().control(1000), QStringLiteral("2+3="));
    app.mainFrame().runCommand(cmd::FileSave);
    QCOMPARE(readCalFile(name).text, tapeOf(app));
    // Save As taking the name it proposes ("café.cal") is the same file again.
    modals.expect(QStringLiteral("Save As"), QDialog::Accepted);
    app.mainFrame().runCommand(cmd::FileSaveAs);
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("café.cal - ZOVREK"));
    const auto entries = std::filesystem::directory_iterator(dir.path().toStdString());
    QCOMPARE(std::distance(begin(entries), end(entries)), 1);  // the same file, no other

    // Dropped, its URL carries the same bytes.
    modals.expect(QStringLiteral("Save Tape?"), [](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("control1074"))->click();
        return d.result();
    });
    app.mainFrame().runCommand(cmd::FileNew);
    drop(app.mainFrame(), QUrl::fromEncoded("file://" + QByteArray::fromStdString(dir.path().toStdString()) +
                                            "/caf%E9.cal"));
    QCOMPARE(tapeOf(app), readCalFile(name).text);
    QCOMPARE(app.mainFrame().windowTitle(), QStringLiteral("café.cal - ZOVREK"));
    ZOVREK_VERIFY_MODALS(modals);
}

void FilesTest::recentEntryThatNeverOpensLeavesTheList_data() {
    QTest::addColumn<QString>("entry");  // under the test's folder
    QTest::addColumn<QString>("why");
    QTest::newRow("folder") << "one" << "it is a folder, not a tape";
    QTest::newRow("name too long") << QString(300, QLatin1Char('n')) + ".cal"
                                   << "the name is too long for the system";
}

// Reported once and taken off the list; the two tapes of one name show their folders.
void FilesTest::recentEntryThatNeverOpensLeavesTheList() {
    QFETCH(QString, entry);
    QFETCH(QString, why);
    QTemporaryDir dir;
    const QDir folder(dir.path());
    QVERIFY(folder.mkdir(QStringLiteral("one")) && folder.mkdir(QStringLiteral("two")));
    shell::RecentFiles list;
    for (const char* tape : {"two/budget.cal", "one/budget.cal"}) {
        QVERIFY(writeCalFile(folder.filePath(tape).toStdString(), " 7.00\r\n").ok);
        list.add(folder.filePath(tape).toStdString());
    }
    list.add(folder.filePath(entry).toStdString());
    const auto listFile = shell::settingsFolder() / shell::kRecentFilesName;
    QVERIFY(list.save(listFile));

    AppRig rig;
    const QList<QAction*> items = rig.frame().desktopCommands().recentTapes().items();
    rig.modals.expect(QStringLiteral("ZOVREK"), [why](QDialog& d) {
        return static_cast<QMessageBox&>(d).text().contains(why) ? int(QMessageBox::Ok) : -1;
    });
    items[0]->trigger();
    ZOVREK_VERIFY_MODALS(rig.modals);
    QCOMPARE(shell::RecentFiles::load(listFile).files().size(), std::size_t(2));
    QStringList shown;
    for (QAction* item : items)
        if (item->isVisible()) shown << item->text();
    QCOMPARE(shown, (QStringList{"&1 one/budget.cal", "&2 two/budget.cal"}));
}

QTEST_MAIN(FilesTest)
#include "files_test.moc"
