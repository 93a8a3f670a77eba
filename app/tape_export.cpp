#include "app/tape_export.h"

#include <QAbstractScrollArea>
#include <QEvent>
#include <QProgressBar>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdio>
#include <exception>
#include <ostream>
#include <streambuf>

#include "editor/tape_csv.h"
#include "files/atomic_file.h"
#include "tape/document.h"
#include "tape/qt/file_dialogs.h"

namespace zovrek::qt {
namespace {

// How soon the bar shows, and how often it moves: an export that quick shows none.
constexpr int kPollMs = 100;

// The tape's own name with ".csv", or the name a first save would propose.
std::string proposedName(const CZOVREKDoc& document) {
    std::filesystem::path path = document.GetPathName().empty()
                                     ? std::filesystem::path(document.proposedFileName())
                                     : document.GetPathName();
    return path.replace_extension(".csv").string();
}

// Passes the CSV on to the file, counting the rows (line ends) that went by.
class CountingBuf : public std::streambuf {
public:
    CountingBuf(std::streambuf* target, std::atomic<std::size_t>& rows)
        : target_(target), rows_(rows) {
        setp(buffer_.data(), buffer_.data() + buffer_.size());
    }

protected:
    int_type overflow(int_type ch) override {
        if (!drain()) return traits_type::eof();
        if (traits_type::eq_int_type(ch, traits_type::eof())) return traits_type::not_eof(ch);
        *pptr() = traits_type::to_char_type(ch);
        pbump(1);
        return ch;
    }
    int sync() override { return drain() && target_->pubsync() == 0 ? 0 : -1; }

private:
    bool drain() {
        const std::streamsize n = pptr() - pbase();
        count_ += static_cast<std::size_t>(std::count(pbase(), pptr(), '\n'));
        rows_.store(count_, std::memory_order_relaxed);
        const bool ok = target_->sputn(pbase(), n) == n;
        setp(buffer_.data(), buffer_.data() + buffer_.size());
        return ok;
    }

    std::streambuf* target_;
    std::atomic<std::size_t>& rows_;
    std::size_t count_ = 0;
    std::array<char, 65536> buffer_{};
};

}  // namespace

TapeExport::TapeExport(FileDialogs& dialogs, QWidget* over)
    : QObject(over), dialogs_(dialogs), over_(over), bar_(new QProgressBar(over)) {
    bar_->setRange(0, 100);
    bar_->setFormat(tr("Exporting %p%"));
    bar_->setAccessibleName(tr("Exporting the tape"));
    bar_->hide();
    over_->installEventFilter(this);
    poll_.setInterval(kPollMs);
    connect(&poll_, &QTimer::timeout, this, &TapeExport::showProgress);
}

TapeExport::~TapeExport() {
    if (!worker_.joinable()) return;
    worker_.join();
    if (!result_.ok) std::fprintf(stderr, "zovrek: %s\n", result_.message.c_str());
}

void TapeExport::start(const CZOVREKDoc& document, std::string_view tape) {
    if (running()) return;
    const auto path = dialogs_.askExportPath(proposedName(document));
    if (!path) return;
    // A copy: the calculator goes on writing to its tape meanwhile.
    std::string text(tape);
    rowsWritten_ = 0;
    rows_ = 1;
    worker_ = std::thread([this, target = *path, text = std::move(text)] {
        // The header, and a row for every line, the last one also without its line end.
        rows_ = 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')) +
                (!text.empty() && text.back() != '\n' ? 1 : 0);
        try {
            result_ = writeFileAtomically(target, [&](std::ostream& out) {
                CountingBuf counting(out.rdbuf(), rowsWritten_);
                std::ostream csv(&counting);
                const bool written = writeTapeCsv(csv, text);
                return written && csv.flush() && static_cast<bool>(out);
            });
        } catch (const std::exception& e) {
            // Nothing may leave the thread; the file was left as it was.
            result_ = FileResult::failure("Could not save \"" + target.native() + "\": " +
                                          e.what() + ".");
        }
        QMetaObject::invokeMethod(this, &TapeExport::finish, Qt::QueuedConnection);
    });
    poll_.start();
}

void TapeExport::showProgress() {
    const std::size_t rows = std::max<std::size_t>(rows_.load(), 1);
    const std::size_t done = std::min(rowsWritten_.load(std::memory_order_relaxed), rows);
    bar_->setValue(static_cast<int>(done * 100 / rows));
    if (bar_->isHidden()) {
        placeBar();
        bar_->show();
    }
}

void TapeExport::finish() {
    if (!worker_.joinable()) return;
    worker_.join();
    poll_.stop();
    bar_->hide();
    const FileResult result = std::move(result_);
    result_ = {};
    if (!result.ok) dialogs_.reportFileError(result.message);
    emit finished();
}

void TapeExport::placeBar() {
    // Over the oldest lines in view: the newest, at the bottom, are the ones being typed.
    const auto* scrolled = qobject_cast<QAbstractScrollArea*>(over_);
    const QRect area = scrolled ? scrolled->viewport()->geometry() : over_->rect();
    bar_->setGeometry(area.left(), area.top(), area.width(), bar_->sizeHint().height());
}

bool TapeExport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == over_ && event->type() == QEvent::Resize && !bar_->isHidden()) placeBar();
    return QObject::eventFilter(watched, event);
}

}  // namespace zovrek::qt
