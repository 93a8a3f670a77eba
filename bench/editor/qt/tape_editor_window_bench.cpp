// How long the Tape Editor holds the user up on a long tape: opening (until the first paint),
// the rest of the tape going in (and the longest the program is deaf to events meanwhile),
// a key typed into the tape, Update, and ToCalculator's hand-back, each with the repaint
// that follows. Run offscreen unless a display is asked for:
//   editor_qt_bench [lines ...]      (default 10000 100000 1000000)
//   editor_qt_bench long [digits]    one number of 200000 digits (or as many as asked)

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QTextBlock>
#include <QTextCursor>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "editor/qt/tape_edit.h"
#include "editor/qt/tape_editor_dlg.h"
#include "forms/tape_editor_texts.h"

namespace {

using zovrek::qt::CTapeEditorDlg;
namespace te = zovrek::tape_editor;

// A calculator-mode tape of about `lines` lines: running additions, each total on its line.
std::string tapeOf(long lines) {
    std::string text;
    text.reserve(static_cast<std::size_t>(lines) * 9);
    text += " 12.50\r\n";
    double total = 12.5;
    for (long written = 1; written + 4 <= lines; written += 4) {
        total += 1.25;
        char line[48];
        std::snprintf(line, sizeof line, " +\r\n 1.25\r\n =\r\n %.2f\r\n", total);
        text += line;
    }
    return text;
}

/// Wall time, what the user waits, and the process's processor time, the work done: on a
/// machine shared with other jobs the two part.
class Stopwatch {
public:
    Stopwatch() { restart(); }
    void restart() {
        wall_.start();
        cpu_ = cpuNow();
    }
    std::string read() const {
        char text[48];
        std::snprintf(text, sizeof text, "%7.0f ms (cpu %7.0f)",
                      static_cast<double>(wall_.nsecsElapsed()) / 1e6, (cpuNow() - cpu_) / 1e6);
        return text;
    }

private:
    static double cpuNow() {
        timespec t{};
        clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
        return static_cast<double>(t.tv_sec) * 1e9 + static_cast<double>(t.tv_nsec);
    }
    QElapsedTimer wall_;
    double cpu_ = 0;
};

// Lets the window paint what the last step changed.
void settle(QWidget& window) {
    window.repaint();
    QApplication::processEvents();
}

// A short tape whose first operand is a number of `digits` digits, as a file may hold.
std::string tapeWithLongNumber(long digits) {
    std::string text = " ";
    text.append(static_cast<std::size_t>(digits), '7');
    text += "\r\n +\r\n 1.25\r\n =\r\n 0\r\n";
    return text;
}

void click(CTapeEditorDlg& dialog, int id) {
    qobject_cast<QAbstractButton*>(dialog.form().control(id))->click();
}

void type(QWidget* widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(widget, &release);
}

// Lets events through until the whole text is in the edit; gives the time it took and the
// longest single turn of the event loop, which is how long the program answered nothing.
std::string waitForWholeText(QWidget& window, zovrek::qt::TapeEdit* edit) {
    Stopwatch timer;
    QElapsedTimer turn;
    qint64 longest = 0;
    while (edit->loading()) {
        turn.start();
        QApplication::processEvents();
        longest = std::max(longest, turn.elapsed());
    }
    settle(window);
    char text[96];
    std::snprintf(text, sizeof text, "%s, longest turn %lld ms", timer.read().c_str(),
                  static_cast<long long>(longest));
    return text;
}

void measure(const char* what, long size, std::string tape) {
    zovrek::TapeEditorInput input;
    input.editText = std::move(tape);
    input.placesText.assign(1, '2');  // assigning the literal trips GCC 12's false -Wrestrict

    Stopwatch timer;
    CTapeEditorDlg dialog(input);
    dialog.show();
    settle(dialog);
    const std::string open = timer.read();
    zovrek::qt::TapeEdit* edit = dialog.tapeEdit();
    const std::string openRest = waitForWholeText(dialog, edit);

    // Change the first operand, as a user correcting a number would.
    QTextCursor cursor(edit->document()->firstBlock());
    cursor.movePosition(QTextCursor::EndOfBlock);
    edit->setTextCursor(cursor);
    edit->setFocus();
    timer.restart();
    type(edit, Qt::Key_Backspace);
    type(edit, Qt::Key_1, QStringLiteral("1"));
    settle(dialog);
    const std::string typing = timer.read();

    timer.restart();
    click(dialog, te::kUpdateId);
    settle(dialog);
    const std::string update = timer.read();
    const std::string updateRest = waitForWholeText(dialog, edit);

    timer.restart();
    click(dialog, te::kToCalculatorId);
    const zovrek::TapeEditorResult result = dialog.editor().result();
    const std::string handBack = timer.read();

    std::string last = result.lastValue.substr(0, 24);
    while (!last.empty() && (last.back() == '\n' || last.back() == '\r')) last.pop_back();
    std::printf("%ld %s (%.1f MB), last value %s\n"
                "  open, first screen  %s\n"
                "  rest of the tape    %s\n"
                "  two keys            %s\n"
                "  Update              %s\n"
                "  rest of the tape    %s\n"
                "  ToCalculator        %s\n",
                size, what, static_cast<double>(input.editText.size()) / 1e6, last.c_str(),
                open.c_str(), openRest.c_str(), typing.c_str(), update.c_str(),
                updateRest.c_str(), handBack.c_str());
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc > 1 && std::string_view(argv[1]) == "long") {
        const long digits = argc > 2 ? std::strtol(argv[2], nullptr, 10) : 200'000;
        measure("digits", digits, tapeWithLongNumber(digits));
        return 0;
    }
    std::vector<long> sizes;
    for (int i = 1; i < argc; ++i) sizes.push_back(std::strtol(argv[i], nullptr, 10));
    if (sizes.empty()) sizes = {10'000, 100'000, 1'000'000};
    for (const long lines : sizes) measure("lines", lines, tapeOf(lines));
    return 0;
}
