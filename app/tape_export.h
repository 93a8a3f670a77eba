#pragma once
// File → Export Tape...: the tape as a CSV file for a spreadsheet. A long tape takes
// seconds to write, so it is written off the window's thread, its progress shown over the
// tape, while the calculator goes on.

#include <QObject>
#include <QTimer>
#include <atomic>
#include <filesystem>
#include <string>
#include <thread>

#include "files/atomic_file.h"

class QProgressBar;
class QWidget;

namespace zovrek {
class CZOVREKDoc;
}

namespace zovrek::qt {

class FileDialogs;

class TapeExport : public QObject {
    Q_OBJECT
public:
    /// Progress is shown along the top of `over` (the tape control).
    TapeExport(FileDialogs& dialogs, QWidget* over);
    /// Waits for an export at work to end, so the file asked for is never lost.
    ~TapeExport() override;

    /// Asks where to put the CSV file (proposing the tape's own name and folder), then
    /// writes `tape` (as it is now; the calculator may go on meanwhile) there whole or not
    /// at all. A failure is reported. Nothing while an export is at work.
    void start(const CZOVREKDoc& document, std::string_view tape);
    bool running() const { return worker_.joinable(); }

    QProgressBar* progressBar() const { return bar_; }

signals:
    /// An export ended, written or not.
    void finished();

private:
    void showProgress();
    void finish();
    void placeBar();
    bool eventFilter(QObject* watched, QEvent* event) override;

    FileDialogs& dialogs_;
    QWidget* over_;
    QProgressBar* bar_;
    QTimer poll_;
    std::thread worker_;
    // Shared with the worker.
    std::atomic<std::size_t> rowsWritten_{0};
    std::atomic<std::size_t> rows_{1};
    FileResult result_;  // the worker's, read once it has ended
};

}  // namespace zovrek::qt
