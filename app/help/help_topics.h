#pragma once
// The help's table of contents, and where each anchor of the help pages lives.

#include <QString>
#include <QUrl>
#include <span>

namespace zovrek::qt {

struct HelpTopic {
    const char* anchor;  ///< anchor name in the pages; a page's own anchor is its file name
    const char* title;   ///< as the page or section heading reads
    int level;           ///< 0 a page, 1 a section of the page above it
};

/// The topics in the order the contents list shows them.
std::span<const HelpTopic> helpTopics();

/// The page, with a fragment unless it is the page's own anchor, that shows `anchor`;
/// the contents page for an anchor that no page has.
QUrl helpUrl(const QString& anchor);

}  // namespace zovrek::qt
