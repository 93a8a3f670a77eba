#pragma once
// Print, Print Preview and Print Setup of the main window. The preparation (title once,
// lines once) and the page layout are the tape's own; this class shows the dialogs, keeps
// the printer between prints and shows the preview inside the main window.

#include <QList>
#include <QObject>
#include <QPointer>
#include <QPoint>
#include <QSize>
#include <functional>
#include <memory>

#include "engine/calculator.h"
#include "tape/document.h"
#include "tape/qt/print_preview_pane.h"
#include "tape/qt/tape_title_dialog.h"

class QMainWindow;
class QPrinter;
class QToolBar;
class QWidget;

namespace zovrek::qt {

class TapePrinting : public QObject {
    Q_OBJECT
public:
    TapePrinting(Calculator& calculator, CZOVREKDoc& document, QMainWindow& frame);
    ~TapePrinting() override;

    /// Print (57607, Ctrl+P): the preparation, the print dialog, then the chosen pages.
    void OnFilePrint();
    /// Print Preview (57609): the preparation, then the pages in place of the calculator.
    void OnFilePrintPreview();
    /// Print Setup (57606): paper and margins, kept for the prints that follow.
    void OnFilePrintSetup();
    /// Ends a showing preview and gives the window back to the calculator; false when no
    /// preview shows.
    bool endPreview();
    bool previewing() const;

    /// The printer every print and preview uses, made at the first use.
    QPrinter& printer();
    /// The preview while it shows, else nullptr.
    PrintPreviewPane* previewPane() const { return m_preview; }

    /// The marks the numbers are printed with (none set: as on the tape).
    std::function<NumberMarks()> numberMarks;

signals:
    /// The preview switched on or off.
    void previewModeChanged();

private:
    void print(int firstPage, int lastPage);
    QSize previewSize(QSize bar);
    void keepOnScreen();
    void reportPrintFailure();

    Calculator& m_calc;
    CZOVREKDoc& m_document;
    QMainWindow& m_frame;
    TapeTitlePrompt m_titleDialog;
    std::unique_ptr<QPrinter> m_printer;

    // While the preview shows: the calculator view it replaced, the bars it hid, the focus,
    // size and place to give back, and the pages it shows.
    QPointer<PrintPreviewPane> m_preview;
    QPointer<QWidget> m_view;
    QList<QPointer<QToolBar>> m_hiddenBars;
    QPointer<QWidget> m_focus;
    QSize m_formSize;
    QPoint m_formPos;
    bool m_movedForPreview = false;
    int m_previewPages = 0;
};

}  // namespace zovrek::qt
