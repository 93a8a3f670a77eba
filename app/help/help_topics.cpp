#include "app/help/help_topics.h"

#include <QDir>
#include <QFile>
#include <QHash>
#include <QRegularExpression>

// Q_INIT_RESOURCE must be used outside any namespace. The pages live in a static library,
// so nothing would pull their resource object into the program without this reference.
static void initHelpResources() {
    Q_INIT_RESOURCE(zovrek_help);
}

namespace zovrek::qt {
namespace {

constexpr HelpTopic kTopics[] = {
    {"contents", "Contents", 0},
    {"getting-started", "Getting Started", 0},
    {"the-keypad", "The Keypad and the Keyboard", 0},
    {"the-tape", "The Tape", 0},
    {"tape-modes", "Tape Modes", 0},
    {"decimal-places", "Decimal Places", 0},
    {"memory", "Memory", 0},
    {"files", "Saving and Opening Tapes", 0},
    {"recovery", "Crash Recovery", 0},
    {"printing", "Printing", 0},
    {"editing-a-tape", "Editing a Tape", 0},
    {"special-functions", "Special Functions", 0},
    {"scientific-calculations", "Scientific Calculations", 1},
    {"simple-interest", "Simple Interest Calculator", 1},
    {"fixed-savings", "Fixed Savings Calculator", 1},
    {"annuity-savings", "Annuity Savings Calculator", 1},
    {"loan-payment", "Loan Payment Calculator", 1},
    {"menus-and-toolbar", "Menus and Toolbar", 0},
    {"sounds-and-voice", "Sounds and Voice", 0},
    {"colours-and-settings", "Colours and Settings", 0},
    {"closing", "Closing ZOVREK", 0},
};

const QString kFolder = QStringLiteral(":/help/");

// Every anchor of every page, read once from the pages themselves, so a link or a caller
// can name any section without a second list to keep in step.
const QHash<QString, QString>& pageOfAnchor() {
    static const QHash<QString, QString> index = [] {
        initHelpResources();
        static const QRegularExpression anchor(QStringLiteral("<a\\s+name=\"([^\"]+)\""),
                                               QRegularExpression::CaseInsensitiveOption);
        QHash<QString, QString> pages;
        const QStringList files = QDir(kFolder).entryList({QStringLiteral("*.html")});
        for (const QString& file : files) {
            QFile page(kFolder + file);
            if (!page.open(QIODevice::ReadOnly)) continue;
            const QString text = QString::fromUtf8(page.readAll());
            for (auto match = anchor.globalMatch(text); match.hasNext();)
                pages.insert(match.next().captured(1), file);
        }
        return pages;
    }();
    return index;
}

}  // namespace

std::span<const HelpTopic> helpTopics() {
    return kTopics;
}

QUrl helpUrl(const QString& anchor) {
    const auto& pages = pageOfAnchor();
    const auto found = pages.constFind(anchor);
    if (found == pages.constEnd()) return QUrl(QStringLiteral("qrc:/help/contents.html"));
    QUrl url(QStringLiteral("qrc:/help/") + *found);
    if (*found != anchor + QStringLiteral(".html")) url.setFragment(anchor);
    return url;
}

}  // namespace zovrek::qt
