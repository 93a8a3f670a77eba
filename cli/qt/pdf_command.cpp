// zovrek-tape pdf: a ".cal" file printed into a PDF, page by page as Print prints it, without
// a window or a display.

#include <QGuiApplication>
#include <QStringDecoder>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "commands.h"
#include "forms/tape_dialog_texts.h"
#include "tape/cal_file.h"
#include "tape/print_preparation.h"
#include "tape/qt/locale_marks.h"
#include "tape/qt/print_painter.h"
#include "tape/qt/print_paper.h"
#include "tape/qt/print_pdf.h"

namespace zovrek::cli {
namespace {

constexpr std::string_view kSynopsis =
    "usage: zovrek-tape pdf [--title TEXT] [--marks] FILE.cal OUT.pdf\n";

struct PdfOptions {
    std::string title;  // empty, as after Esc in the title dialog
    std::string input;
    std::string output;
    bool marks = false;  // numbers with the locale's decimal mark and grouping
};

// The title as the terminal typed it: UTF-8, or from an 8-bit terminal one character a byte,
// rather than the replacement marks a failed UTF-8 reading would print.
std::string titleText(std::string_view arg) {
    QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
    const QString text = utf8(QByteArrayView(arg.data(), static_cast<qsizetype>(arg.size())));
    if (!utf8.hasError()) return std::string(arg);
    return QString::fromLatin1(arg.data(), static_cast<qsizetype>(arg.size())).toStdString();
}

int usage(Streams io, std::string_view problem) {
    io.err << "zovrek-tape pdf: " << problem << '\n' << kSynopsis;
    return kUsage;
}

// The problem text when the arguments are not usable.
std::optional<std::string> parse(const Args& args, PdfOptions& options) {
    std::vector<std::string> files;
    bool onlyFiles = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view arg = args[i];
        if (!onlyFiles && arg == "--") {
            onlyFiles = true;
        } else if (!onlyFiles && arg == "--marks") {
            options.marks = true;
        } else if (!onlyFiles && (arg == "--title" || arg.starts_with("--title="))) {
            if (arg.size() > 7) {
                options.title = titleText(arg.substr(8));
            } else if (i + 1 < args.size()) {
                options.title = titleText(args[++i]);
            } else {
                return "--title needs a value";
            }
        } else if (!onlyFiles && arg.size() > 1 && arg.front() == '-') {
            return "unknown option '" + std::string(arg) + "'";
        } else {
            files.emplace_back(arg);
        }
    }
    if (files.size() != 2) return "give one FILE.cal and one OUT.pdf";
    // The title dialog takes no more.
    if (printTitleLength(options.title) > std::size_t{TapeTitleDialogTexts::kMaxLength})
        return "--title takes at most " + std::to_string(TapeTitleDialogTexts::kMaxLength) +
               " characters";
    options.input = files[0];
    options.output = files[1];
    return std::nullopt;
}

QtMessageHandler previousQtHandler = nullptr;

// Qt's own notes (no runtime folder, fonts) are no business of a script's error output;
// what fails is reported by the command itself.
void quietQt(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if ((type == QtCriticalMsg || type == QtFatalMsg) && previousQtHandler)
        previousQtHandler(type, context, message);
}

/// A GUI application for painting, on the offscreen platform unless one is chosen.
std::unique_ptr<QGuiApplication> guiApplication() {
    if (QCoreApplication::instance()) return nullptr;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "zovrek-tape";
    static char* argv[] = {name, nullptr};
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int runPdf(const Args& args, Streams io) {
    PdfOptions options;
    if (const auto problem = parse(args, options)) return usage(io, *problem);

    const CalFileRead read = readCalFile(options.input);
    if (!read.ok()) {
        io.err << "zovrek-tape: " << read.message << '\n';
        return kFailed;
    }
    previousQtHandler = qInstallMessageHandler(quietQt);
    const auto app = guiApplication();
    CalculatorState state;
    state.m_tape.assign(read.text);
    buildPrintLines(state, options.marks ? qt::localeMarks() : NumberMarks{});
    // Rows as the print font measures them, which takes the application's fonts.
    wrapPrintLines(state, qt::printCharWidths());
    state.m_printTitle = options.title;

    const QString problem = qt::writeTapePdf(state, printPageCount(state.m_printLineCount),
                                             QString::fromStdString(options.output),
                                             qt::localePaper());
    qInstallMessageHandler(previousQtHandler);
    if (!problem.isEmpty()) {
        io.err << "zovrek-tape: " << problem.toStdString() << '\n';
        return kFailed;
    }
    return kOk;
}

}  // namespace zovrek::cli
