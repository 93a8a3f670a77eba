#pragma once
// The crash-recovery file at work: it follows the calculator's tape, is flushed to disk
// within a second of a change, and goes when the program ends normally.

#include <QObject>
#include <QTimer>
#include <filesystem>
#include <memory>

#include "tape/recovery_file.h"

namespace zovrek {
class Calculator;
class CZOVREKDoc;
}  // namespace zovrek

namespace zovrek::qt {

class TapeRecovery : public QObject {
    Q_OBJECT
public:
    /// Half the promised second, so a busy moment still keeps it.
    static constexpr int kFlushDelayMs = 500;
    static constexpr int kRetryDelayMs = 5000;

    TapeRecovery(const Calculator& calculator, const CZOVREKDoc& document);
    /// The program ends normally: the file goes.
    ~TapeRecovery() override;

    /// Starts keeping the tape in `folder`. When no file can be made there, the program
    /// runs without one (said once on standard error).
    void start(const std::filesystem::path& folder);
    bool active() const { return file_ != nullptr; }
    const RecoveryFile* file() const { return file_.get(); }

    /// The tape grew (`replaced` false) or was replaced as a whole.
    void tapeChanged(bool replaced);
    /// The tape is the text just read from a file.
    void tapeIsFile();
    /// The document may have taken another file name.
    void nameChanged();
    /// Writes what is pending at once; true when the file then holds the tape.
    bool flushNow();

private:
    void schedule();

    const Calculator& calc_;
    const CZOVREKDoc& doc_;
    std::unique_ptr<RecoveryFile> file_;
    QTimer timer_;
    bool failureSaid_ = false;
};

}  // namespace zovrek::qt
