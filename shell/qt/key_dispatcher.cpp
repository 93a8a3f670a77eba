#include "shell/qt/key_dispatcher.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace zovrek::qt {

KeyDispatcher::KeyDispatcher(QObject* parent) : QObject(parent) {}

KeyDispatcher& KeyDispatcher::instance() {
    // One for the application, going with it.
    static QPointer<KeyDispatcher> dispatcher;
    if (!dispatcher) {
        dispatcher = new KeyDispatcher(qApp);
        qApp->installEventFilter(dispatcher);
    }
    return *dispatcher;
}

void KeyDispatcher::add(KeyStage stage, QObject* owner, Handler handler) {
    KeyDispatcher& self = instance();
    const auto after = std::upper_bound(
        self.entries_.begin(), self.entries_.end(), stage,
        [](KeyStage s, const Entry& entry) { return s < entry.stage; });
    self.entries_.insert(after, {stage, owner, std::make_shared<const Handler>(std::move(handler))});
    connect(owner, &QObject::destroyed, &self, [&self, owner] { self.remove(owner); });
}

void KeyDispatcher::remove(QObject* owner) {
    std::erase_if(entries_, [owner](const Entry& entry) { return entry.owner == owner; });
}

bool KeyDispatcher::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    auto* target = qobject_cast<QWidget*>(watched);
    if (!target || QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    auto& key = *static_cast<QKeyEvent*>(event);
    for (std::size_t i = 0; i < entries_.size(); ++i) {
        // Held while it runs: a claiming handler may close a window and so remove itself.
        const std::shared_ptr<const Handler> handler = entries_[i].handler;
        if ((*handler)(*target, key)) return true;
    }
    return false;
}

}  // namespace zovrek::qt
