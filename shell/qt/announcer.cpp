#include "shell/qt/announcer.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace zovrek::qt {
namespace {

// Window-less accessible objects: the status bar (the announcer) and its one notification.
class AnnouncerAccessible : public QAccessibleObject {
public:
    AnnouncerAccessible(QObject* object, Announcer* announcer, QAccessible::Role role)
        : QAccessibleObject(object), announcer_(announcer), role_(role) {}

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(
            isNote() ? static_cast<QObject*>(announcer_) : announcer_->owner());
    }
    QAccessibleInterface* child(int index) const override {
        return !isNote() && index == 0 ? QAccessible::queryAccessibleInterface(announcer_->note())
                                       : nullptr;
    }
    int childCount() const override { return isNote() ? 0 : 1; }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return !isNote() && child && child->object() == announcer_->note() ? 0 : -1;
    }
    QString text(QAccessible::Text t) const override {
        return isNote() && t == QAccessible::Name ? announcer_->text() : QString();
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.readOnly = true;
        return s;
    }
    QRect rect() const override {
        const QWidget* w = announcer_->owner();
        return QRect(w->mapToGlobal(QPoint(0, 0)), w->size());
    }

private:
    bool isNote() const { return role_ == QAccessible::Notification; }

    Announcer* announcer_;
    QAccessible::Role role_;
};

QAccessibleInterface* announcerFactory(const QString& className, QObject* object) {
    // Inside a status bar, screen readers speak a notification without naming its kind.
    if (className == QLatin1String("zovrek::qt::Announcer"))
        if (auto* announcer = qobject_cast<Announcer*>(object))
            return new AnnouncerAccessible(announcer, announcer, QAccessible::StatusBar);
    if (className == QLatin1String("zovrek::qt::AnnouncementNote"))
        if (auto* announcer = qobject_cast<Announcer*>(object->parent()))
            return new AnnouncerAccessible(object, announcer, QAccessible::Notification);
    return nullptr;
}

}  // namespace

Announcer::Announcer(QWidget* owner) : QObject(owner), note_(new AnnouncementNote(this)) {
    // Installed after the calculator's own key filter, this one sees every key first; a key
    // comes to the window before its control in any case.
    QCoreApplication::instance()->installEventFilter(this);
}

void Announcer::installAccessibleFactory() {
    static const bool installed = [] {
        QAccessible::installFactory(announcerFactory);
        return true;
    }();
    (void)installed;
}

QWidget* Announcer::owner() const { return static_cast<QWidget*>(parent()); }

bool Announcer::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
        enterDown_ = static_cast<const QKeyEvent*>(event)->key() == Qt::Key_Return;
        break;
    case QEvent::KeyRelease:
    case QEvent::MouseButtonPress: enterDown_ = false; break;
    default: break;
    }
    return false;
}

void Announcer::announce(const QString& text, const QWidget* changedIn) {
    if (changedIn && changedIn->hasFocus() && enterDown_) return;
    text_ = text;
    if (QAccessible::isActive()) {
        // A notification that shows is spoken at once.
        QAccessibleEvent event(note_, QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&event);
    }
    emit announced(text);
}

}  // namespace zovrek::qt
