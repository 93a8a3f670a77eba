#include "app/help/help_topics.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QLocale>
#include <QRegularExpression>
#include <QTextDocumentFragment>

#include "shell/qt/sound/sound_file.h"

// Q_INIT_RESOURCE must be used outside any namespace. The pages live in a static library,
// so nothing would pull their resource object into the program without this reference.
static void initHelpResources() {
    Q_INIT_RESOURCE(zovrek_help);
}

namespace zovrek::qt {
namespace {

constexpr HelpTopic kTopics[] = {
    {"contents", 0},
    {"getting-started", 0},
    {"the-keypad", 0},
    {"the-tape", 0},
    {"tape-modes", 0},
    {"decimal-places", 0},
    {"memory", 0},
    {"files", 0},
    {"recovery", 0},
    {"printing", 0},
    {"editing-a-tape", 0},
    {"special-functions", 0},
    {"scientific-calculations", 1},
    {"simple-interest", 1},
    {"fixed-savings", 1},
    {"annuity-savings", 1},
    {"loan-payment", 1},
    {"menus-and-toolbar", 0},
    {"sounds-and-voice", 0},
    {"colours-and-settings", 0},
    {"closing", 0},
};

struct Anchor {
    QString file;   ///< "files.html"
    QString title;  ///< the heading it names, or the page's title
};

// Each language's pages in a folder of their own; English at the top.
QString folderOf(const QString& language) {
    return language.isEmpty() ? QStringLiteral(":/help/")
                              : QStringLiteral(":/help/") + language + QLatin1Char('/');
}

QString plainText(const QString& html) {
    if (!html.contains(QLatin1Char('&')) && !html.contains(QLatin1Char('<')))
        return html.trimmed();
    return QTextDocumentFragment::fromHtml(html).toPlainText().trimmed();
}

// Every anchor of every page of one folder, read from the pages themselves, so that a link,
// a caller or the contents list can name any section in any language without a second list
// to keep in step.
QHash<QString, Anchor> readPages(const QString& folder) {
    static const QRegularExpression anchor(
        QStringLiteral("<a\\s+name=\"([^\"]+)\"\\s*>(.*?)</a>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    static const QRegularExpression title(
        QStringLiteral("<title>(.*?)</title>"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::DotMatchesEverythingOption);
    QHash<QString, Anchor> pages;
    const QStringList files = QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files);
    for (const QString& file : files) {
        QFile page(folder + file);
        if (!page.open(QIODevice::ReadOnly)) continue;
        const QString text = QString::fromUtf8(page.readAll());
        for (auto match = anchor.globalMatch(text); match.hasNext();) {
            const auto found = match.next();
            pages.insert(found.captured(1), {file, plainText(found.captured(2))});
        }
        // A page is listed by its title, which may be shorter than its first heading.
        if (const auto found = title.match(text); found.hasMatch())
            pages.insert(QFileInfo(file).completeBaseName(), {file, plainText(found.captured(1))});
    }
    return pages;
}

const QHash<QString, Anchor>& pagesOf(const QString& language) {
    static QHash<QString, QHash<QString, Anchor>> languages;
    auto pages = languages.find(language);
    if (pages == languages.end()) {
        initHelpResources();
        pages = languages.insert(language, readPages(folderOf(language)));
    }
    return *pages;
}

// The anchor in the pages of `language`, else in the English ones.
std::pair<QString, const Anchor*> find(const QString& anchor, const QString& language) {
    for (const QString& folder : {language, QString()}) {
        const auto& pages = pagesOf(folder);
        if (const auto found = pages.constFind(anchor); found != pages.constEnd())
            return {folder, &*found};
    }
    return {language, nullptr};
}

}  // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

QString helpLanguage() {
    initHelpResources();
    return desktopLanguage(QLocale().uiLanguages(), QStringLiteral(":/help"));
}

QString helpTitle(const QString& anchor, const QString& language) {
    const auto [folder, found] = find(anchor, language);
    return found ? found->title : QString();
}

QUrl helpUrl(const QString& anchor, const QString& language) {
    const auto [folder, found] = find(anchor, language);
    if (!found) {
        const auto contents = find(QStringLiteral("contents"), language);
        return QUrl(QStringLiteral("qrc") + folderOf(contents.first) + QStringLiteral("contents.html"));
    }
    QUrl url(QStringLiteral("qrc") + folderOf(folder) + found->file);
    if (found->file != anchor + QStringLiteral(".html")) url.setFragment(anchor);
    return url;
}

}  // namespace zovrek::qt
