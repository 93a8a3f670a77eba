#pragma once
// Tells a screen reader a short text that is not where the keyboard focus is, such as the
// calculator's new total. Assistive technology sees a status bar holding a notification;
// screen readers speak a notification that shows whatever control has the focus. Nothing is
// drawn: the status bar and its notification exist for assistive technology only.

#include <QObject>
#include <QString>

class QWidget;

namespace zovrek::qt {

/// The notification inside the announcer; its accessible name is the text.
class AnnouncementNote : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
};

class Announcer : public QObject {
    Q_OBJECT
public:
    /// Announces on behalf of `owner`, the window part the texts are about.
    explicit Announcer(QWidget* owner);

    /// Makes Qt give announcers their interfaces; before the first widget exists.
    static void installAccessibleFactory();

    void announce(const QString& text);
    /// The text announced last.
    const QString& text() const { return text_; }
    QWidget* owner() const;
    AnnouncementNote* note() const { return note_; }

signals:
    void announced(const QString& text);

private:
    AnnouncementNote* note_;
    QString text_;
};

}  // namespace zovrek::qt
