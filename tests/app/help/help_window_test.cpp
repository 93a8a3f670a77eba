// The help window as a user meets it: opened from anywhere, one per program, every topic of
// its contents leading to a section that is really there, every desktop key described, in the
// desktop's language.

#include "app/help/help_window.h"

#include <QFile>
#include <QLocale>
#include <QPointer>
#include <QTextDocument>

#include <QApplication>
#include <QDialog>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include "app/help/help_topics.h"
#include "menus/desktop_commands.h"

using zovrek::qt::showHelp;

namespace {

QWidget* helpWindow() {
    QWidget* found = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->windowTitle() == QLatin1String("ZOVREK Help") && w->isVisible()) {
            if (found) return nullptr;  // more than one: not what anybody wants
            found = w;
        }
    return found;
}

QStringList anchorsShown(const QTextBrowser& browser) {
    QStringList names;
    for (QTextBlock block = browser.document()->begin(); block.isValid(); block = block.next())
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
            names += fragment.fragment().charFormat().anchorNames();
    return names;
}

const QLocale kEnglish(QLocale::English, QLocale::UnitedStates);

QString currentTopic(const QTreeWidget& contents) {
    return contents.currentItem() ? contents.currentItem()->data(0, Qt::UserRole).toString()
                                  : QString();
}

}  // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void opensWithTitleAndContents();
    void everyTopicLeadsToItsSection();
    void showsTheSectionAsked_data();
    void showsTheSectionAsked();
    void backAndForwardRetraceTheTopics();
    void secondCallRaisesTheSameWindow();
    void escapeCloses();
    void joinsAnOpenModalWindow();
    void namesEveryDesktopKey();
    void opensInTheDesktopsLanguage_data();
    void opensInTheDesktopsLanguage();
};

// English, whatever the desktop running the tests speaks.
void HelpWindowTest::initTestCase() {
    QLocale::setDefault(kEnglish);
}

void HelpWindowTest::opensWithTitleAndContents() {
    showHelp(nullptr);
    QWidget* window = helpWindow();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("ZOVREK Help"));
    auto* contents = window->findChild<QTreeWidget*>();
    auto* browser = window->findChild<QTextBrowser*>();
    QVERIFY(contents && browser);
    QVERIFY(!contents->accessibleName().isEmpty());
    QVERIFY(!browser->accessibleName().isEmpty());
    QCOMPARE(currentTopic(*contents), QStringLiteral("contents"));
    QVERIFY(browser->toPlainText().contains(QLatin1String("ZOVREK Help")));
}

void HelpWindowTest::everyTopicLeadsToItsSection() {
    showHelp(nullptr);
    QWidget* window = helpWindow();
    QVERIFY(window);
    auto* contents = window->findChild<QTreeWidget*>();
    auto* browser = window->findChild<QTextBrowser*>();
    int topics = 0;
    for (QTreeWidgetItemIterator it(contents); *it; ++it, ++topics) {
        const QString anchor = (*it)->data(0, Qt::UserRole).toString();
        contents->setCurrentItem(*it);
        QVERIFY2(anchorsShown(*browser).contains(anchor), qPrintable(anchor));
        QVERIFY2(browser->toPlainText().contains((*it)->text(0)), qPrintable(anchor));
        QCOMPARE(contents->currentItem(), *it);
    }
    QVERIFY(topics >= 15);
}

void HelpWindowTest::showsTheSectionAsked_data() {
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("topic");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("scrolledDown");
    QTest::newRow("page") << "editing-a-tape"
                          << "editing-a-tape"
                          << "Editing a Tape" << false;
    QTest::newRow("section of a page") << "loan-payment"
                                       << "loan-payment"
                                       << "Loan Payment Calculator" << true;
    QTest::newRow("anchor without a topic") << "save-tape"
                                            << "files"
                                            << "Save Tape?" << true;
    QTest::newRow("unknown") << "no-such-section"
                             << "contents"
                             << "ZOVREK Help" << false;
}

void HelpWindowTest::showsTheSectionAsked() {
    QFETCH(QString, section);
    QFETCH(QString, topic);
    QFETCH(QString, text);
    QFETCH(bool, scrolledDown);
    showHelp(nullptr, QStringLiteral("contents"));
    showHelp(nullptr, section);
    QWidget* window = helpWindow();
    QVERIFY(window);
    auto* browser = window->findChild<QTextBrowser*>();
    QCOMPARE(currentTopic(*window->findChild<QTreeWidget*>()), topic);
    QVERIFY(browser->toPlainText().contains(text));
    if (scrolledDown)
        QTRY_VERIFY(browser->verticalScrollBar()->value() > 0);
    else
        QCOMPARE(browser->verticalScrollBar()->value(), 0);
}

void HelpWindowTest::backAndForwardRetraceTheTopics() {
    showHelp(nullptr, QStringLiteral("memory"));
    showHelp(nullptr, QStringLiteral("files"));
    QWidget* window = helpWindow();
    QVERIFY(window);
    auto* contents = window->findChild<QTreeWidget*>();
    QToolButton* back = nullptr;
    QToolButton* forward = nullptr;
    for (auto* button : window->findChildren<QToolButton*>()) {
        if (button->accessibleName() == QLatin1String("Back")) back = button;
        if (button->accessibleName() == QLatin1String("Forward")) forward = button;
    }
    QVERIFY(back && forward && back->isEnabled());
    QTest::mouseClick(back, Qt::LeftButton);
    QCOMPARE(currentTopic(*contents), QStringLiteral("memory"));
    QVERIFY(forward->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(window));  // window shortcuts need it
    QTest::keyClick(contents, Qt::Key_Right, Qt::AltModifier);
    QTRY_COMPARE(currentTopic(*contents), QStringLiteral("files"));  // the button animates first
}

void HelpWindowTest::secondCallRaisesTheSameWindow() {
    showHelp(nullptr, QStringLiteral("memory"));
    QWidget* first = helpWindow();
    QVERIFY(first);
    first->showMinimized();
    showHelp(nullptr, QStringLiteral("printing"));
    QCOMPARE(helpWindow(), first);
    QVERIFY(!first->isMinimized());
    QCOMPARE(currentTopic(*first->findChild<QTreeWidget*>()), QStringLiteral("printing"));
}

void HelpWindowTest::escapeCloses() {
    showHelp(nullptr);
    QPointer<QWidget> window = helpWindow();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTest::keyClick(window->findChild<QTextBrowser*>(), Qt::Key_Escape);
    QTRY_VERIFY(!window);                         // closed and gone
    showHelp(nullptr, QStringLiteral("memory"));  // and opens again afresh
    QVERIFY(helpWindow());
}

void HelpWindowTest::joinsAnOpenModalWindow() {
    showHelp(nullptr);
    QDialog editor;
    editor.setWindowModality(Qt::ApplicationModal);
    editor.show();
    QVERIFY(QApplication::activeModalWidget() == &editor);
    showHelp(&editor, QStringLiteral("editing-a-tape"));
    QWidget* window = helpWindow();
    QVERIFY(window);
    QCOMPARE(window->parentWidget(), &editor);  // so the modal window does not block it
}

// A key the window answers to is one the help tells of.
void HelpWindowTest::namesEveryDesktopKey() {
    const QUrl page = zovrek::qt::helpUrl(QStringLiteral("copy-and-paste"));
    QFile file(QLatin1Char(':') + page.path());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QTextDocument document;
    document.setHtml(QString::fromUtf8(file.readAll()));
    const QString text = document.toPlainText();
    for (const auto& desktop : zovrek::menus::kDesktopKeys)
        for (QString key : QString::fromLatin1(desktop.keys.data(), qsizetype(desktop.keys.size()))
                               .split(QStringLiteral("; "))) {
            if (key.endsWith(QLatin1String("+Ins"))) key += QLatin1String("ert");
            QVERIFY2(text.contains(key), qPrintable(key));
        }
}

void HelpWindowTest::opensInTheDesktopsLanguage_data() {
    QTest::addColumn<QString>("uiLanguage");
    QTest::addColumn<QString>("folder");
    QTest::addColumn<QString>("contentsTopic");
    QTest::newRow("German") << "de-DE" << "qrc:/help/de/" << "Inhalt";
    QTest::newRow("French") << "fr-CA" << "qrc:/help/fr/" << "Sommaire";
    QTest::newRow("English") << "en-US" << "qrc:/help/" << "Contents";
    QTest::newRow("no pages in it") << "ja" << "qrc:/help/" << "Contents";
}

void HelpWindowTest::opensInTheDesktopsLanguage() {
    QFETCH(QString, uiLanguage);
    QFETCH(QString, folder);
    QFETCH(QString, contentsTopic);
    // The language is chosen as the window opens.
    if (QPointer<QWidget> open = helpWindow()) {
        open->close();
        QTRY_VERIFY(!open);
    }
    QLocale::setDefault(QLocale(uiLanguage));
    showHelp(nullptr);
    QPointer<QWidget> window = helpWindow();
    QVERIFY(window);
    auto* browser = window->findChild<QTextBrowser*>();
    auto* contents = window->findChild<QTreeWidget*>();
    QCOMPARE(browser->source(), QUrl(folder + QStringLiteral("contents.html")));
    QCOMPARE(contents->currentItem()->text(0), contentsTopic);
    showHelp(nullptr, QStringLiteral("loan-payment"));  // and a section stays in it
    QCOMPARE(browser->source(), QUrl(folder + QStringLiteral("special-functions.html#loan-payment")));
    window->close();
    QTRY_VERIFY(!window);
    QLocale::setDefault(kEnglish);
}

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
