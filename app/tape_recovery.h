#pragma once
// The crash-recovery file at work: it follows the calculator's tape, is flushed to disk
// within a second of a change, and goes when the program ends normally. When it can't be
// written, the user is told once that crash recovery is off, and it is tried again later.

#include <QObject>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <filesystem>
#include <memory>
#include <string>

#include "tape/leftover_tape.h"
#include "tape/recovery_file.h"

namespace zovrek {
class Calculator;
class CZOVREKDoc;
}  // namespace zovrek

namespace zovrek::qt {

/// The question asked at start-up when a program left a tape behind.
inline constexpr const char* kRecoverQuestion =
    "ZOVREK was not closed properly. Recover the unsaved tape?";

class TapeRecovery : public QObject {
    Q_OBJECT
public:
    /// Half the promised second, so a busy moment still keeps it.
    static constexpr int kFlushDelayMs = 500;
    /// A file that could not be made or written is tried again this much later (a full
    /// disk may have been freed meanwhile).
    static constexpr int kRetryDelayMs = 5000;

    TapeRecovery(const Calculator& calculator, const CZOVREKDoc& document);
    /// The program ends normally: the file goes.
    ~TapeRecovery() override;

    /// Starts keeping the tape in `folder`.
    void start(const std::filesystem::path& folder);
    /// The window the notice that crash recovery is off is shown over.
    void setWindow(QWidget* window) { window_ = window; }
    /// A file keeps the tape, up to its last flush.
    bool active() const { return file_ && file_->isOpen() && !failing_; }
    const RecoveryFile* file() const { return file_.get(); }

    /// The tape grew (`replaced` false) or was replaced as a whole.
    void tapeChanged(bool replaced);
    /// The tape is the text of `file`, just read or written: the recovery file says so at
    /// once, so a crash right after a save offers nothing.
    void tapeIsFile(const std::filesystem::path& file);
    /// The document may have taken another file name.
    void nameChanged();
    /// Writes what is pending at once; true when the file then holds the tape.
    bool flushNow();

    /// The notice that crash recovery is off because of `problem` in `folder`.
    static std::string offNotice(const std::filesystem::path& folder, const std::string& problem);

private:
    void schedule();
    void failed();

    const Calculator& calc_;
    const CZOVREKDoc& doc_;
    std::unique_ptr<RecoveryFile> file_;
    QTimer timer_;
    QPointer<QWidget> window_;
    bool failing_ = false;
    bool offSaid_ = false;
};

/// Asks the user about the tape `leftover` holds (saying so when it may be incomplete, whose
/// file is then kept aside whatever the answer). True when the tape is to be put on the
/// window; a complete tape's file is removed when the user lets it go.
bool askToRecover(QWidget* window, LeftoverTape& leftover);

/// The question or notice for a tape that may be incomplete.
std::string incompleteTapeText(const RecoveredTape& tape, const std::filesystem::path& keptAs);

}  // namespace zovrek::qt
