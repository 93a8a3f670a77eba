#include "app/tape_recovery.h"

#include <QtGlobal>

#include "engine/calculator.h"
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
    std::string problem;
    file_ = RecoveryFile::create(folder, problem);
    if (!file_) {
        qWarning("zovrek: no crash-recovery file in \"%s\": %s", folder.c_str(), problem.c_str());
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

void TapeRecovery::tapeIsFile() {
    if (!file_) return;
    file_->tapeIsFile();
    schedule();
}

void TapeRecovery::nameChanged() {
    if (!file_) return;
    schedule();
}

void TapeRecovery::schedule() {
    if (!timer_.isActive()) timer_.start();
}

bool TapeRecovery::flushNow() {
    timer_.stop();
    if (!file_) return false;
    if (file_->flush(calc_.m_tape.view(), doc_.GetPathName())) return true;
    if (!failureSaid_) {
        failureSaid_ = true;
        qWarning("zovrek: the crash-recovery file \"%s\" could not be written",
                 file_->path().c_str());
    }
    // Tried again later; a full disk is not hammered with whole tapes.
    timer_.start(kRetryDelayMs);
    return false;
}

}  // namespace zovrek::qt
