#pragma once
// The help's table of contents, and where each anchor of the help pages lives, in each
// language the pages are written in.

#include <QString>
#include <QUrl>
#include <span>

namespace zovrek::qt {

struct HelpTopic {
    const char* anchor;  ///< anchor name in the pages; a page's own anchor is its file name
    int level;           ///< 0 a page, 1 a section of the page above it
};

/// The topics in the order the contents list shows them.
std::span<const HelpTopic> helpTopics();

/// The language of the pages for the desktop's languages (QLocale().uiLanguages()): the folder
/// of the first that has one ("de"), or empty for the English pages.
QString helpLanguage();

/// How the topic of `anchor` is called in the pages of `language`: a page by its title, a
/// section by its heading. Empty for an anchor that no page has.
QString helpTitle(const QString& anchor, const QString& language = {});

/// The page of `language`, with a fragment unless it is the page's own anchor, that shows
/// `anchor`; the English page when that language has none, and the contents page for an
/// anchor that no page has.
QUrl helpUrl(const QString& anchor, const QString& language = {});

}  // namespace zovrek::qt
