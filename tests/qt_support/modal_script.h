#pragma once
// Answers the program's modal windows in a test, in the order the test expects them. A
// window the test did not expect is recorded and dismissed, so the test fails instead of
// hanging; so is a modal window that opens outside the seam.

#include <QDialog>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <deque>

#include "shell/qt/modal.h"

namespace zovrek::testing {

class ModalScript {
public:
    ModalScript();
    ~ModalScript();
    ModalScript(const ModalScript&) = delete;
    ModalScript& operator=(const ModalScript&) = delete;

    /// Expects a window titled `title`; `answer` acts in the user's place and returns the
    /// result code.
    ModalScript& expect(const QString& title, qt::Modal::Answerer answer);
    /// Expects a window titled `title` and ends it with `result`.
    ModalScript& expect(const QString& title, int result);

    /// Titles of the windows that came, in order.
    const QStringList& seen() const { return seen_; }
    /// Empty when every expected window came and no other did; else what went wrong.
    QString problems() const;

private:
    int answer(QDialog& dialog);
    void checkForStrayModal();

    struct Expected {
        QString title;
        qt::Modal::Answerer answer;
    };
    std::deque<Expected> expected_;
    QStringList seen_;
    QStringList unexpected_;
    QTimer watchdog_;
};

}  // namespace zovrek::testing

/// Fails the test unless the script ran exactly as expected.
#define ZOVREK_VERIFY_MODALS(script) \
    QVERIFY2((script).problems().isEmpty(), qPrintable((script).problems()))
