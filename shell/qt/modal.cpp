#include "shell/qt/modal.h"

#include <QDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QRegularExpression>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace zovrek::qt {
namespace {

/// Shortens in their middle the parts of `text` that `pattern` finds and that are wider
/// than `width`.
QString elideMatches(const QString& text, const QRegularExpression& pattern,
                     const QFontMetrics& metrics, int width) {
    QString out;
    qsizetype done = 0;
    for (const QRegularExpressionMatch& m : pattern.globalMatch(text)) {
        out += QStringView(text).mid(done, m.capturedStart() - done);
        const QString part = m.captured();
        out += metrics.horizontalAdvance(part) > width
                   ? metrics.elidedText(part, Qt::ElideMiddle, width)
                   : part;
        done = m.capturedEnd();
    }
    out += QStringView(text).mid(done);
    return out;
}

/// The text with the names and words that would make the box wider or taller than the screen
/// shortened in their middle: a word can't be wrapped, and a quoted name with spaces in it
/// would wrap into many lines.
QString fitted(const QString& text, const QFontMetrics& metrics, const QScreen* screen) {
    const int available = screen ? screen->availableGeometry().width() : 800;
    // Room for the icon and the margins beside the text, on any screen.
    const int width = std::clamp(available / 2 - 100, 100, 400);
    static const QRegularExpression quoted(QStringLiteral("\"[^\"\n]+\""));
    static const QRegularExpression word(QStringLiteral("\\S+"));
    return elideMatches(elideMatches(text, quoted, metrics, 2 * width), word, metrics, width);
}

Modal::Answerer& answerer() {
    static Modal::Answerer instance;
    return instance;
}

}  // namespace

int Modal::exec(QDialog& dialog) {
    if (answerer()) {
        // A copy: the answerer may install another one while it runs.
        const Answerer answer = answerer();
        return answer(dialog);
    }
    return dialog.exec();
}

QMessageBox::StandardButton Modal::message(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
    QMessageBox box(icon, title, QString(), buttons, parent);
    // Names in the text are the user's: never read as markup.
    box.setTextFormat(Qt::PlainText);
    const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    const QString shown = fitted(text, box.fontMetrics(), screen);
    box.setText(shown);
    // What was shortened to fit stays at hand whole, to read and to copy.
    if (shown != text) box.setDetailedText(text);
    if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
    const int result = exec(box);
    // An answerer may return a standard button, or QDialog's codes for a box it dismissed.
    if (buttons.testFlag(static_cast<QMessageBox::StandardButton>(result)))
        return static_cast<QMessageBox::StandardButton>(result);
    return result == QDialog::Accepted ? QMessageBox::Ok : QMessageBox::Cancel;
}

void Modal::setAnswerer(Answerer a) { answerer() = std::move(a); }

bool Modal::answered() { return static_cast<bool>(answerer()); }

}  // namespace zovrek::qt
