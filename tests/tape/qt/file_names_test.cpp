// File names between Qt and the core, under a UTF-8 locale: bytes that are no UTF-8 (a
// Latin-1 name) cross unchanged and read as text the user can read.

#include <QtTest>

#include "tape/qt/file_names.h"

using namespace zovrek;

class FileNamesTest : public QObject {
    Q_OBJECT
private slots:
    void urlGivesTheNameBytes_data();
    void urlGivesTheNameBytes();
    void displayNameReadsEveryName_data();
    void displayNameReadsEveryName();
    void folderUrlRoundTrips();
    void commandLineKeepsTheBytes();
};

void FileNamesTest::urlGivesTheNameBytes_data() {
    QTest::addColumn<QByteArray>("url");
    QTest::addColumn<QByteArray>("path");
    QTest::newRow("Latin-1") << QByteArray("file:///tmp/caf%E9.cal") << QByteArray("/tmp/caf\xe9.cal");
    QTest::newRow("UTF-8") << QByteArray("file:///tmp/caf%C3%A9.cal") << QByteArray("/tmp/caf\xc3\xa9.cal");
    QTest::newRow("Space and percent") << QByteArray("file:///tmp/a%20b%25.cal")
                                       << QByteArray("/tmp/a b%.cal");
    QTest::newRow("Not a file") << QByteArray("https://example.org/a.cal") << QByteArray();
}

void FileNamesTest::urlGivesTheNameBytes() {
    QFETCH(QByteArray, url);
    QFETCH(QByteArray, path);
    QCOMPARE(QByteArray::fromStdString(qt::localPath(QUrl::fromEncoded(url)).native()), path);
}

void FileNamesTest::displayNameReadsEveryName_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shown");
    QTest::newRow("ASCII") << QByteArray("sum.cal") << QStringLiteral("sum.cal");
    QTest::newRow("UTF-8") << QByteArray("caf\xc3\xa9.cal") << QStringLiteral("café.cal");
    QTest::newRow("Latin-1") << QByteArray("caf\xe9.cal") << QStringLiteral("café.cal");
    QTest::newRow("Cut UTF-8") << QByteArray("caf\xc3") << QStringLiteral("caf\u00c3");
}

void FileNamesTest::displayNameReadsEveryName() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shown);
    QCOMPARE(qt::displayName(bytes.toStdString()), shown);
}

void FileNamesTest::folderUrlRoundTrips() {
    const std::filesystem::path folder("/tmp/d\xe9j\xe0 vu/#1");
    QCOMPARE(qt::localPath(qt::fileUrl(folder)), folder);
}

void FileNamesTest::commandLineKeepsTheBytes() {
    struct Row {
        std::vector<const char*> argv;
        QStringList parsed;
        std::vector<std::filesystem::path> files;
    };
    const QString lost = QStringLiteral("caf\ufffd.cal");
    const std::vector<Row> rows = {
        {{"zovrek", "caf\xe9.cal"}, {lost}, {"caf\xe9.cal"}},
        {{"zovrek", "--", "-minus.cal"}, {QStringLiteral("-minus.cal")}, {"-minus.cal"}},
        {{"zovrek", "-"}, {QStringLiteral("-")}, {"-"}},
        {{"zovrek"}, {}, {}},
        // Qt read it otherwise: Qt's reading is taken.
        {{"zovrek", "a.cal"}, {QStringLiteral("a.cal"), QStringLiteral("b.cal")}, {"a.cal", "b.cal"}},
    };
    for (const Row& row : rows)
        QCOMPARE(qt::commandLineFiles(int(row.argv.size()), row.argv.data(), row.parsed), row.files);
}

QTEST_MAIN(FileNamesTest)
#include "file_names_test.moc"
