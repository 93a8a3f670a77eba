#include "shell/qt/paste_guard.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

namespace zovrek::qt {
namespace {

bool clipboardHoldsText(QClipboard::Mode mode) {
    return holdsText(QGuiApplication::clipboard()->mimeData(mode));
}

/// Drops a line edit's pastes while there is nothing to paste.
class LinePasteGuard : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type != QEvent::KeyPress && type != QEvent::MouseButtonRelease) return false;
        // The edit still gets events while its base is being destroyed, when it is a line
        // edit no longer.
        const auto* edit = qobject_cast<QLineEdit*>(watched);
        if (!edit || edit->isReadOnly()) return false;
        if (type == QEvent::KeyPress &&
            static_cast<QKeyEvent*>(event)->matches(QKeySequence::Paste))
            return !clipboardHoldsText(QClipboard::Clipboard);
        if (type == QEvent::MouseButtonRelease &&
            static_cast<QMouseEvent*>(event)->button() == Qt::MiddleButton &&
            QGuiApplication::clipboard()->supportsSelection())
            return !clipboardHoldsText(QClipboard::Selection);
        return false;
    }
};

}  // namespace

bool holdsText(const QMimeData* data) {
    if (!data || data->formats().isEmpty()) return false;
    return (data->hasText() && !data->text().isEmpty()) || data->hasHtml();
}

void guardPaste(QLineEdit* edit) { edit->installEventFilter(new LinePasteGuard(edit)); }

}  // namespace zovrek::qt
