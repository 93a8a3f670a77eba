#pragma once
// The help window: the topics on the left, the page on the right, Back and Forward above;
// in the desktop's language when the pages are written in it.

#include <QString>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace zovrek::qt {

class HelpViewer final : public QWidget {
    Q_OBJECT
  public:
    explicit HelpViewer(QWidget* parent = nullptr);

    /// Shows the page and section of `anchor` (a topic, or any anchor of the pages); the
    /// contents when it is empty or unknown.
    void showSection(const QString& anchor);

  private:
    void buildContents();
    void openTopic(QTreeWidgetItem* item);
    void navigate(const QUrl& url);
    void selectTopicOf(const QUrl& url);

    QString m_language;  ///< the folder of the pages shown, empty for English
    QToolButton* m_back;
    QToolButton* m_forward;
    QTreeWidget* m_contents;
    QTextBrowser* m_browser;
};

}  // namespace zovrek::qt
