#include "tape/qt/tape_printing.h"

#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QScreen>
#include <QToolBar>
#include <algorithm>

#include "shell/qt/modal.h"
#include "tape/print_file_name.h"
#include "tape/qt/file_names.h"
#include "tape/qt/print_painter.h"
#include "tape/qt/print_paper.h"
#include "tape/qt/print_preview_pane.h"

namespace zovrek::qt {
namespace {

// Room the preview leaves around the page, and the least height it shrinks to on a small
// screen.
constexpr int kPageRoom = 40;
constexpr int kLeastPreviewHeight = 320;

// The window's frame (title bar and borders) around its inside, as the window manager drew
// it; none before it did.
QMargins decorationOf(const QWidget& window) {
    const QRect inside = window.geometry();
    const QRect outside = window.frameGeometry();
    return {inside.left() - outside.left(), inside.top() - outside.top(),
            outside.right() - inside.right(), outside.bottom() - inside.bottom()};
}

}  // namespace

TapePrinting::TapePrinting(Calculator& calculator, CZOVREKDoc& document, QMainWindow& frame)
    : m_calc(calculator), m_document(document), m_frame(frame), m_titleDialog(&frame) {}

TapePrinting::~TapePrinting() {
    // The preview paints through this object; it must not outlive it.
    if (previewing()) endPreview();
}

QPrinter& TapePrinting::printer() {
    if (!m_printer) {
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        // A system printer knows its paper; without one the locale decides.
        if (m_printer->outputFormat() == QPrinter::PdfFormat) m_printer->setPageSize(localePaper());
    }
    return *m_printer;
}

bool TapePrinting::previewing() const { return !m_preview.isNull(); }

void TapePrinting::OnFilePrint() {
    // The preview's Print... and the print command alike leave the preview first.
    endPreview();
    const int lastPage = preparePrinting(m_calc, m_document, m_titleDialog, printCharWidths(),
                                         numberMarks ? numberMarks() : NumberMarks{});
    QPrinter& p = printer();
    // The print dialog proposes the document's name for a file to print to: a plain name,
    // whatever the title holds.
    p.setDocName(displayName(printFileName(m_document.GetTitle())));
    p.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&p, &m_frame);
    dialog.setMinMax(1, lastPage);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    // Cancel ends the job; the prepared lines stay for the next print.
    if (Modal::exec(dialog) != QDialog::Accepted) return;
    int first = 1;
    int last = lastPage;
    if (p.printRange() == QPrinter::PageRange && p.fromPage() > 0) {
        first = std::max(1, p.fromPage());
        last = std::min(lastPage, p.toPage());
    }
    if (first <= last) print(first, last);
}

void TapePrinting::print(int firstPage, int lastPage) {
    QPrinter& p = printer();
    QPainter painter;
    if (!painter.begin(&p)) {
        reportPrintFailure();
        return;
    }
    const bool painted = paintTapePages(painter, p, m_calc, firstPage, lastPage);
    if (!painter.end() || !painted || p.printerState() == QPrinter::Error) reportPrintFailure();
}

void TapePrinting::reportPrintFailure() {
    QString text = tr("Could not start print job.");
    if (!printer().outputFileName().isEmpty())
        text += u'\n' + tr("The file %1 could not be written.").arg(printer().outputFileName());
    Modal::message(&m_frame, QMessageBox::Warning, QStringLiteral("ZOVREK"), text);
}

void TapePrinting::OnFilePrintSetup() {
    QPageSetupDialog dialog(&printer(), &m_frame);
    Modal::exec(dialog);
}

void TapePrinting::OnFilePrintPreview() {
    if (previewing()) return;
    m_previewPages = preparePrinting(m_calc, m_document, m_titleDialog, printCharWidths(),
                                     numberMarks ? numberMarks() : NumberMarks{});
    m_formSize = m_frame.size();
    m_formPos = m_frame.pos();
    m_focus = m_frame.focusWidget();

    // The calculator view stays alive, hidden, as a child of the frame.
    m_view = m_frame.takeCentralWidget();
    if (m_view) {
        m_view->setParent(&m_frame);
        m_view->hide();
    }
    for (QToolBar* bar : m_frame.findChildren<QToolBar*>(Qt::FindDirectChildrenOnly)) {
        if (bar->isHidden()) continue;
        bar->hide();
        m_hiddenBars << bar;
    }

    auto* pane = new PrintPreviewPane(
        printer(),
        [this](QPrinter& p) {
            QPainter painter(&p);
            paintTapePages(painter, p, m_calc, 1, m_previewPages);
        },
        &m_frame);
    connect(pane, &PrintPreviewPane::closeRequested, this, &TapePrinting::endPreview);
    connect(pane, &PrintPreviewPane::printRequested, this, &TapePrinting::OnFilePrint);
    m_preview = pane;
    // The window is as big as the calculator form; a page needs more to be read.
    pane->setFixedSize(previewSize(pane->barSize()));
    m_frame.setCentralWidget(pane);
    pane->show();  // now, so that the layout below counts it
    if (QLayout* layout = m_frame.layout()) layout->activate();
    keepOnScreen();
    pane->preview().setFocus(Qt::OtherFocusReason);
    emit previewModeChanged();
}

QSize TapePrinting::previewSize(QSize bar) {
    const QRect available = m_frame.screen()->availableGeometry();
    const QMargins decoration = decorationOf(m_frame);
    const int menuHeight = m_frame.menuWidget() ? m_frame.menuWidget()->sizeHint().height() : 0;
    // The screen's whole height, so that a page reads without zooming; the window moves up
    // to have it (keepOnScreen).
    const int height = std::max(kLeastPreviewHeight, available.height() - decoration.top() -
                                                         decoration.bottom() - menuHeight);
    const QSizeF paper = printer().pageLayout().fullRectPoints().size();
    const int pageHeight = height - bar.height() - kPageRoom;
    const int width = static_cast<int>(pageHeight * paper.width() / paper.height()) + kPageRoom;
    const int widest = available.width() - decoration.left() - decoration.right();
    return {std::min(std::max(width, bar.width()), widest), height};
}

void TapePrinting::keepOnScreen() {
    const QRect available = m_frame.screen()->availableGeometry();
    const QRect outside = m_frame.geometry().marginsAdded(decorationOf(m_frame));
    // Moved back by as much as it reaches past the bottom or right, never past the top or left.
    const int dx = std::max(std::min(0, available.right() - outside.right()),
                            available.left() - outside.left());
    const int dy = std::max(std::min(0, available.bottom() - outside.bottom()),
                            available.top() - outside.top());
    m_movedForPreview = dx != 0 || dy != 0;
    if (m_movedForPreview) m_frame.move(m_frame.pos() + QPoint(dx, dy));
}

bool TapePrinting::endPreview() {
    if (!m_preview) return false;
    QWidget* pane = m_frame.takeCentralWidget();
    // Later: this may run from the pane's own Close button.
    if (pane) pane->deleteLater();
    m_preview = nullptr;
    if (m_view) {
        m_frame.setCentralWidget(m_view);
        m_view->show();
    }
    for (const QPointer<QToolBar>& bar : std::as_const(m_hiddenBars))
        if (bar) bar->show();
    m_hiddenBars.clear();
    if (QLayout* layout = m_frame.layout()) {
        layout->activate();
        if (layout->sizeConstraint() != QLayout::SetFixedSize) m_frame.resize(m_formSize);
    }
    // Back where it was, if the preview had to move it to fit the screen.
    if (m_movedForPreview) m_frame.move(m_formPos);
    m_movedForPreview = false;
    if (m_focus) m_focus->setFocus(Qt::OtherFocusReason);
    emit previewModeChanged();
    return true;
}

}  // namespace zovrek::qt
