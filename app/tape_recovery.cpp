#include "app/tape_recovery.h"

#include <QtGlobal>

#include "engine/calculator.h"
#include "shell/qt/modal.h"
#include "shell/qt/qt_text.h"
#include "tape/document.h"

namespace zovrek::qt {

TapeRecovery::TapeRecovery(const Calculator& calculator, const CZOVREKDoc& document)
    : calc_(calculator), doc_(document) {
    timer_.setSingleShot(true);
    timer_.setInterval(kFlushDelayMs);
    connect(&timer_, &QTimer::timeout, this, &TapeRecovery::flushNow);
}

TapeRecovery::~TapeRecovery() {
    if (file_) file_->remove();
}

void TapeRecovery::start(const std::filesystem::path& folder) {
    file_ = std::make_unique<RecoveryFile>(folder);
    if (!file_->open()) {
        failed();
        return;
    }
    // A tape already there (the document's text put on the tape) is written from the start.
    if (!calc_.m_tape.empty()) tapeChanged(false);
}

void TapeRecovery::tapeChanged(bool replaced) {
    if (!file_) return;
    if (replaced)
        file_->tapeReplaced();
    else
        file_->tapeAppended();
    schedule();
}

void TapeRecovery::tapeIsFile(const std::filesystem::path& file) {
    if (!file_) return;
    file_->tapeIsFile(calc_.m_tape.snapshot(), file);
    flushNow();
}

void TapeRecovery::nameChanged() {
    if (!file_) return;
    schedule();
}

void TapeRecovery::schedule() {
    // While failing, the retry is already due.
    if (!timer_.isActive()) timer_.start(kFlushDelayMs);
}

bool TapeRecovery::flushNow() {
    timer_.stop();
    if (!file_) return false;
    if (file_->flush(calc_.m_tape.snapshot(), doc_.GetPathName())) {
        failing_ = false;
        return true;
    }
    failed();
    return false;
}

void TapeRecovery::failed() {
    failing_ = true;
    timer_.start(kRetryDelayMs);
    if (offSaid_) return;
    offSaid_ = true;
    const std::string notice = offNotice(file_->folder(), file_->problem());
    qWarning("zovrek: %s", notice.substr(0, notice.find('\n')).c_str());
    // Shown once the command at work has ended (or, at start-up, once the window shows).
    QTimer::singleShot(0, this, [this, notice] {
        Modal::message(window_, QMessageBox::Warning, QStringLiteral("ZOVREK"), uiText(notice));
    });
}

std::string TapeRecovery::offNotice(const std::filesystem::path& folder,
                                    const std::string& problem) {
    std::string text = "Crash recovery is off: ";
    if (folder.empty()) {
        text += "no folder for its files is known.";
    } else {
        text += "could not write in \"";
        text += folder.native();
        text += "\": ";
        text += problem;
        text += ".\n\nZOVREK will try again every few seconds.";
    }
    return text;
}

std::string incompleteTapeText(const RecoveredTape& tape, const std::filesystem::path& keptAs) {
    std::string text = "ZOVREK was not closed properly, and ";
    switch (tape.gap) {
    case RecoveredTape::Gap::None:
    case RecoveredTape::Gap::Damaged: text += "its recovery file is damaged"; break;
    case RecoveredTape::Gap::Behind:
        text += "its last changes could not be written to its recovery file";
        break;
    case RecoveredTape::Gap::BaseChanged:
        text += "the tape file it began as, \"" + tape.base.native() + "\", has changed since";
        break;
    }
    text += tape.hasTape() ? ": the unsaved tape may be incomplete."
                           : ": nothing of the unsaved tape could be read.";
    text += " The recovery file is kept as \"" + keptAs.native() + "\".";
    if (tape.hasTape()) text += "\n\nRecover what could be read?";
    return text;
}

bool askToRecover(QWidget* window, LeftoverTape& leftover) {
    const RecoveredTape& tape = leftover.tape();
    if (tape.complete()) {
        const auto answer = Modal::message(window, QMessageBox::Question, QStringLiteral("ZOVREK"),
                                           uiText(kRecoverQuestion),
                                           QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
        if (answer == QMessageBox::Yes) return true;
        leftover.discard();
        return false;
    }
    // Out of the way of later starts before anything is asked, and never removed.
    leftover.keepAside();
    const QString text = uiText(incompleteTapeText(tape, leftover.path()));
    if (!tape.hasTape()) {
        Modal::message(window, QMessageBox::Warning, QStringLiteral("ZOVREK"), text);
        return false;
    }
    return Modal::message(window, QMessageBox::Warning, QStringLiteral("ZOVREK"), text,
                          QMessageBox::Yes | QMessageBox::No,
                          QMessageBox::Yes) == QMessageBox::Yes;
}

}  // namespace zovrek::qt
