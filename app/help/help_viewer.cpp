#include "app/help/help_viewer.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QScrollBar>
#include <QShortcut>
#include <QSignalBlocker>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QToolButton>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>
#include <QVBoxLayout>

#include "app/help/help_topics.h"
#include "shell/qt/paste_guard.h"

namespace zovrek::qt {
namespace {

constexpr int kAnchorRole = Qt::UserRole;

// Spacing only: colours come from the palette, so light and dark themes both read well.
const char* const kPageStyle =
    "h1 { font-size: x-large; margin-bottom: 6px; }"
    "h2 { font-size: large; margin-top: 14px; margin-bottom: 4px; }"
    "table { border-collapse: collapse; margin-top: 4px; margin-bottom: 4px; }"
    "pre { margin-left: 16px; }"
    "blockquote { margin-left: 16px; }";

QToolButton* historyButton(QWidget* parent, QStyle::StandardPixmap icon, const QString& text,
                           const QKeySequence& keys) {
    auto* button = new QToolButton(parent);
    button->setIcon(parent->style()->standardIcon(icon));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    button->setAutoRaise(true);
    button->setShortcut(keys);
    button->setToolTip(
        QStringLiteral("%1 (%2)").arg(text, keys.toString(QKeySequence::NativeText)));
    button->setAccessibleName(text);
    button->setEnabled(false);
    return button;
}

}  // namespace

HelpViewer::HelpViewer(QWidget* parent)
    : QWidget(parent, Qt::Window),
      m_language(helpLanguage()),
      m_back(historyButton(this, QStyle::SP_ArrowBack, tr("Back"), QKeySequence::Back)),
      m_forward(historyButton(this, QStyle::SP_ArrowForward, tr("Forward"), QKeySequence::Forward)),
      m_contents(new QTreeWidget(this)),
      m_browser(new PasteGuarded<QTextBrowser>(this)) {
    setWindowTitle(tr("ZOVREK Help"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_contents->setHeaderHidden(true);
    m_contents->setRootIsDecorated(false);
    m_contents->setAccessibleName(tr("Help contents"));
    buildContents();

    m_browser->setAccessibleName(tr("Help text"));
    m_browser->setOpenExternalLinks(true);
    m_browser->document()->setDefaultStyleSheet(QLatin1String(kPageStyle));
    m_browser->document()->setDocumentMargin(10);

    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(m_contents);
    splitter->addWidget(m_browser);
    splitter->setChildrenCollapsible(false);
    splitter->setStretchFactor(1, 1);
    // The topics as wide as their longest title, which depends on the pages' language.
    m_contents->ensurePolished();
    const QAbstractItemView* list = m_contents;
    const int listWidth = std::max(200, list->sizeHintForColumn(0) +
                                            2 * m_contents->frameWidth() +
                                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    splitter->setSizes({listWidth, 560});
    resize(listWidth + 560, 560);

    auto* history = new QHBoxLayout;
    history->addWidget(m_back);
    history->addWidget(m_forward);
    history->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(history);
    layout->addWidget(splitter, 1);

    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QWidget::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpViewer::selectTopicOf);
    connect(m_contents, &QTreeWidget::currentItemChanged, this, &HelpViewer::openTopic);
    connect(m_contents, &QTreeWidget::itemClicked, this, &HelpViewer::openTopic);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);

    setTabOrder(m_contents, m_browser);
    m_contents->setFocus();
}

void HelpViewer::buildContents() {
    QTreeWidgetItem* page = nullptr;
    for (const HelpTopic& topic : helpTopics()) {
        auto* item =
            topic.level > 0 && page ? new QTreeWidgetItem(page) : new QTreeWidgetItem(m_contents);
        const QString anchor = QString::fromLatin1(topic.anchor);
        item->setText(0, helpTitle(anchor, m_language));
        item->setData(0, kAnchorRole, anchor);
        if (topic.level == 0) page = item;
    }
    m_contents->expandAll();
}

void HelpViewer::showSection(const QString& anchor) {
    navigate(helpUrl(anchor, m_language));
}

void HelpViewer::openTopic(QTreeWidgetItem* item) {
    if (item) navigate(helpUrl(item->data(0, kAnchorRole).toString(), m_language));
}

void HelpViewer::navigate(const QUrl& url) {
    // Asked again for the section already shown: bring its heading back into view.
    if (m_browser->source() != url)
        m_browser->setSource(url);
    else if (url.hasFragment())
        m_browser->scrollToAnchor(url.fragment());
    else
        m_browser->verticalScrollBar()->setValue(0);
}

void HelpViewer::selectTopicOf(const QUrl& url) {
    // The topic of the exact section, else the topic of its page.
    QTreeWidgetItem* pageTopic = nullptr;
    QTreeWidgetItem* match = nullptr;
    for (QTreeWidgetItemIterator it(m_contents); *it && !match; ++it) {
        const QUrl topicUrl = helpUrl((*it)->data(0, kAnchorRole).toString(), m_language);
        if (topicUrl == url)
            match = *it;
        else if (!pageTopic && !topicUrl.hasFragment() && topicUrl.path() == url.path())
            pageTopic = *it;
    }
    const QSignalBlocker quiet(m_contents);
    m_contents->setCurrentItem(match ? match : pageTopic);
}

}  // namespace zovrek::qt
