// Numbers shown the locale's way: what the windows show, and what is kept and saved.

#include <QClipboard>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include "app_rig.h"
#include "engine/command_ids.h"
#include "menus/desktop_commands.h"

using namespace zovrek;
using namespace zovrek::testing;

class NumberFormatTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        forgetSettings();
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    }
    void cleanup() { QLocale::setDefault(QLocale::c()); }
    void shownMarkedSavedPlain();
};

namespace {

QString memoryText(AppRig& rig) { return rig.view().form().edit(1016)->text(); }

}  // namespace

void NumberFormatTest::shownMarkedSavedPlain() {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("marks.cal"));
    {
        AppRig rig;
        QVERIFY(!rig.view().numberFormat());
        rig.frame().runCommand(cmd::NumberFormat);
        QVERIFY(rig.frame().action(cmd::NumberFormat)->isCheckable());
        rig.control(1000)->setFocus();
        // "," is the German decimal mark: it types the point.
        rig.type(QStringLiteral("1285,5"));
        rig.frame().runCommand(cmd::MemoryPlus);
        rig.type(QStringLiteral("+3"));
        rig.frame().runCommand(cmd::Equal);
        QCOMPARE(rig.display().trimmed(), QStringLiteral("1.288,50"));
        QCOMPARE(memoryText(rig).trimmed(), QStringLiteral("1.285,5"));
        QCOMPARE(rig.view().tape().lineRows(0).join(QString()).trimmed(), QStringLiteral("1.285,50"));
        // The engine and the tape keep their own form.
        QVERIFY(rig.tape().starts_with(" 1285.50\r\n"));
        QCOMPARE(QString::fromStdString(rig.calc().m_display).trimmed(), QStringLiteral("1288.50"));

        rig.frame().runCommand(cmd::CopyTape);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral(" 1285.50\n")));
        rig.control(1000)->setFocus();
        rig.frame().runCommand(cmd::EditCopy);
        QCOMPARE(QApplication::clipboard()->text(), rig.display());

        rig.modals.expect(QStringLiteral("Save As"), chooseFile(file));
        rig.frame().runCommand(cmd::FileSaveAs);
        ZOVREK_VERIFY_MODALS(rig.modals);
    }
    QFile saved(file);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QByteArray bytes = saved.readAll();
    QVERIFY(bytes.contains(" 1285.50\r\n"));
    QVERIFY(!bytes.contains("1.285"));

    // The choice is kept for the next run; turned off, the plain form is back.
    AppRig next;
    QVERIFY(next.view().numberFormat());
    next.control(1000)->setFocus();
    next.type(QStringLiteral("2,5+"));
    QCOMPARE(next.display().trimmed(), QStringLiteral("2,5"));
    next.frame().runCommand(cmd::NumberFormat);
    QCOMPARE(next.display().trimmed(), QStringLiteral("2.5"));
    QCOMPARE(next.view().tape().lineRows(0).join(QString()).trimmed(), QStringLiteral("2.50"));
}

QTEST_MAIN(NumberFormatTest)
#include "number_format_test.moc"
