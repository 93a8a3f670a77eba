#include "editor/qt/progressive_loader.h"

#include <QEvent>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace zovrek::qt {
namespace {

// A slice of about 2,000 tape lines, cut after a line break so that "\r\n" stays whole.
constexpr qsizetype kSlice = 16 * 1024;
// Time one step may take before events are let through again.
constexpr qint64 kStepMs = 40;

// Where the text after the first line break ("\r\n", "\n" or "\r") at or after `from`
// starts; the end of the text when there is none.
qsizetype afterLineBreak(const QString& text, qsizetype from) {
    for (qsizetype i = from; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'\n') return i + 1;
        if (c == u'\r') return i + 1 < text.size() && text[i + 1] == u'\n' ? i + 2 : i + 1;
    }
    return text.size();
}

}  // namespace

ProgressiveLoader::ProgressiveLoader(QPlainTextEdit* edit)
    : QObject(edit), edit_(edit), bar_(new QProgressBar(edit)) {
    bar_->setRange(0, 100);
    bar_->setFormat(tr("Loading %p%"));
    bar_->setAccessibleName(tr("Loading the tape"));
    bar_->hide();
    edit_->installEventFilter(this);
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] {
        if (step()) done();
    });
}

void ProgressiveLoader::load(QString text) {
    timer_.stop();
    if (!bar_->isHidden()) {
        bar_->hide();
        edit_->setReadOnly(wasReadOnly_);
    }
    whenLoaded_.clear();
    text_ = std::move(text);
    next_ = 0;
    started_ = false;
    // No undo of the loading itself (this also empties the undo history).
    edit_->document()->setUndoRedoEnabled(false);
    edit_->document()->clear();
    if (edit_->isVisible()) start();
}

void ProgressiveLoader::start() {
    started_ = true;
    if (step()) {
        done();
        return;
    }
    // The user reads the beginning while the rest goes in, and changes nothing until then.
    wasReadOnly_ = edit_->isReadOnly();
    edit_->setReadOnly(true);
    placeBar();
    bar_->show();
    timer_.start();
}

bool ProgressiveLoader::step() {
    QElapsedTimer clock;
    clock.start();
    QTextCursor end(edit_->document());
    end.movePosition(QTextCursor::End);
    while (next_ < text_.size() && clock.elapsed() < kStepMs) {
        const qsizetype cut = afterLineBreak(text_, std::min(next_ + kSlice, text_.size()) - 1);
        end.insertText(QStringView(text_).sliced(next_, cut - next_).toString());
        next_ = cut;
    }
    if (next_ < text_.size()) {
        bar_->setValue(static_cast<int>(next_ * 100 / text_.size()));
        return false;
    }
    return true;
}

void ProgressiveLoader::done() {
    timer_.stop();
    if (!bar_->isHidden()) {
        bar_->hide();
        edit_->setReadOnly(wasReadOnly_);
    }
    text_.clear();
    next_ = 0;
    started_ = true;
    edit_->document()->setUndoRedoEnabled(true);
    // An action may load another text, which brings its own actions.
    const std::vector<std::function<void()>> actions = std::move(whenLoaded_);
    whenLoaded_.clear();
    for (const auto& action : actions) action();
}

void ProgressiveLoader::whenLoaded(std::function<void()> action) {
    if (loading())
        whenLoaded_.push_back(std::move(action));
    else
        action();
}

void ProgressiveLoader::placeBar() {
    const QRect area = edit_->viewport()->geometry();
    const int height = bar_->sizeHint().height();
    bar_->setGeometry(area.left(), area.bottom() + 1 - height, area.width(), height);
}

bool ProgressiveLoader::eventFilter(QObject* watched, QEvent* event) {
    if (watched == edit_) {
        if (event->type() == QEvent::Show && !started_) start();
        if (event->type() == QEvent::Resize && !bar_->isHidden()) placeBar();
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace zovrek::qt
