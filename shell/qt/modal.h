#pragma once
// Every modal window of the program runs through here, so that a test can answer it in the
// user's place (and fail, instead of hanging, on one it did not expect).

#include <QMessageBox>
#include <QString>
#include <functional>

class QDialog;
class QWidget;

namespace zovrek::qt {

class Modal {
public:
    /// Takes the user's place: gets the dialog (built, not shown) and returns how it ends.
    using Answerer = std::function<int(QDialog&)>;

    /// Runs `dialog` modally and returns its result code.
    static int exec(QDialog& dialog);

    /// A message box with the program's look; returns the button that ended it.
    static QMessageBox::StandardButton message(
        QWidget* parent, QMessageBox::Icon icon, const QString& title, const QString& text,
        QMessageBox::StandardButtons buttons = QMessageBox::Ok,
        QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);

    /// Installs (or, with an empty function, removes) the answerer; while one is installed
    /// no modal window is shown.
    static void setAnswerer(Answerer answerer);
    static bool answered();
};

}  // namespace zovrek::qt
