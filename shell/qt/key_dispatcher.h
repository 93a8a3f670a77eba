#pragma once
// The program's one application-wide key filter. Every key press (and the shortcut override
// before it) aimed at a widget passes it while no modal window or popup is open, and is
// offered to the registered handlers in the order of KeyStage; the first that claims it takes
// it before any shortcut, other handler or the focused control sees it.

#include <QObject>
#include <functional>
#include <memory>
#include <vector>

class QKeyEvent;
class QWidget;

namespace zovrek::qt {

/// Who is offered a key, first to last, whenever each registered.
enum class KeyStage {
    /// A print preview's own keys: its Esc closes it, though the calculator's table gives Esc
    /// to Clear Entry.
    PrintPreview,
    /// The desktop's usual shortcuts (Ctrl+C, Ctrl+V, Ctrl+O...) go to their menu actions
    /// before the calculator's table or an edit can take them.
    DesktopKeys,
    /// The calculator's accelerator table: every key of the keypad, whatever has the focus.
    Accelerators,
};

class KeyDispatcher : public QObject {
    Q_OBJECT
public:
    /// Gets the key event and the widget it is aimed at; true claims the key. A handler
    /// accepts the event itself when a shortcut override must keep the key from shortcuts.
    using Handler = std::function<bool(QWidget& target, QKeyEvent& event)>;

    /// Offers the application's keys to `handler` at `stage` for as long as `owner` lives.
    /// Handlers of one stage are offered a key in the order they were added.
    static void add(KeyStage stage, QObject* owner, Handler handler);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Entry {
        KeyStage stage;
        QObject* owner;
        std::shared_ptr<const Handler> handler;
    };

    explicit KeyDispatcher(QObject* parent);
    static KeyDispatcher& instance();
    void remove(QObject* owner);

    std::vector<Entry> entries_;  // by stage, then in the order added
};

}  // namespace zovrek::qt
