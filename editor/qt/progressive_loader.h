#pragma once
// Puts a long text into a plain text edit a slice at a time, so that the program keeps
// answering while a tape of a million lines goes in (building its document takes seconds
// whatever way it is done) and shows how far it has got.

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>
#include <functional>
#include <vector>

class QPlainTextEdit;
class QProgressBar;

namespace zovrek::qt {

class ProgressiveLoader : public QObject {
    Q_OBJECT
public:
    explicit ProgressiveLoader(QPlainTextEdit* edit);

    /// Replaces the edit's text with `text`. What goes in within one step goes in at once;
    /// the rest follows between events, the edit read-only and a progress bar over it.
    /// While the edit is hidden, all of it waits for its showing (which sets the width the
    /// lines are laid out in). Actions waiting for an earlier text are dropped.
    void load(QString text);
    bool loading() const { return !started_ || next_ < text_.size(); }
    /// While loading, the whole text being put in (the edit shows its beginning).
    const QString& text() const { return text_; }
    /// Runs `action` once the whole text is in: at once when it is.
    void whenLoaded(std::function<void()> action);

    /// The progress bar, shown while loading.
    QProgressBar* progressBar() const { return bar_; }

private:
    void start();
    // Puts slices in until the step's time is up; true when the text is all in.
    bool step();
    void done();
    void placeBar();
    bool eventFilter(QObject* watched, QEvent* event) override;

    QPlainTextEdit* edit_;
    QProgressBar* bar_;
    QTimer timer_;
    QString text_;
    qsizetype next_ = 0;  // the part of text_ not yet in the edit
    bool started_ = true;  // false while a text waits for the edit's showing
    bool wasReadOnly_ = false;
    std::vector<std::function<void()>> whenLoaded_;
};

}  // namespace zovrek::qt
