// The help in every language it is written in: each English page has a translation with the
// same anchors and the same links in the same order, so that a section asked for by name, a
// topic of the contents or a link leads to the same place in every language.

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTest>

#include "app/help/help_topics.h"

namespace {

const char* const kLanguages[] = {"de", "fr"};

QString pageText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList allCaptured(const QString& text, const QRegularExpression& pattern) {
    QStringList found;
    for (auto match = pattern.globalMatch(text); match.hasNext();)
        found += match.next().captured(1);
    return found;
}

}  // namespace

class HelpPagesTest : public QObject {
    Q_OBJECT
  private slots:
    void translationMatchesTheEnglishPage_data();
    void translationMatchesTheEnglishPage();
};

void HelpPagesTest::translationMatchesTheEnglishPage_data() {
    QTest::addColumn<QString>("page");
    QTest::addColumn<QString>("language");
    zovrek::qt::helpUrl(QStringLiteral("contents"));  // brings in the pages
    const QStringList pages = QDir(QStringLiteral(":/help")).entryList({"*.html"}, QDir::Files);
    QVERIFY(pages.size() >= 16);
    for (const QString& page : pages)
        for (const char* language : kLanguages)
            QTest::addRow("%s/%s", language, qPrintable(page))
                << page << QString::fromLatin1(language);
}

void HelpPagesTest::translationMatchesTheEnglishPage() {
    QFETCH(QString, page);
    QFETCH(QString, language);
    static const QRegularExpression anchor(QStringLiteral("\\b(?:name|id)\\s*=\\s*\"([^\"]*)\""));
    static const QRegularExpression link(QStringLiteral("\\bhref\\s*=\\s*\"([^\"]*)\""));
    const QString english = pageText(QStringLiteral(":/help/") + page);
    const QString translated = pageText(QStringLiteral(":/help/%1/%2").arg(language, page));
    QVERIFY2(!translated.isEmpty(), "not translated, or not in the resources");
    QCOMPARE(allCaptured(translated, anchor), allCaptured(english, anchor));
    QCOMPARE(allCaptured(translated, link), allCaptured(english, link));
}

QTEST_MAIN(HelpPagesTest)
#include "help_pages_test.moc"
