#pragma once
// Tells a screen reader a short text that is not where the keyboard focus is, such as the
// calculator's new total. Assistive technology sees a status bar holding a notification;
// screen readers speak a notification that shows whatever control has the focus. Nothing is
// drawn: the status bar and its notification exist for assistive technology only.
//
// A text that also shows in the focused edit may already be read there: screen readers read
// the new text of the focused edit themselves when Enter brought it, taking it for what the
// key did. The announcer watches the keys to say such a text once.

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

    /// Announces `text`; `changedIn` is the edit whose text just changed to show it, if any.
    void announce(const QString& text, const QWidget* changedIn = nullptr);
    /// The text announced last.
    const QString& text() const { return text_; }
    QWidget* owner() const;
    AnnouncementNote* note() const { return note_; }

signals:
    void announced(const QString& text);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    AnnouncementNote* note_;
    QString text_;
    bool enterDown_ = false;  // Enter (not the keypad's) is being pressed
};

}  // namespace zovrek::qt
