// Print, Print Preview and Print Setup on a stand-in main window: the preview takes the
// window's place of the calculator, as high as the screen, and gives it back as big and
// where it was; Esc closes it and Alt+P prints; the print dialog prints into a PDF under a
// plain file name; every dialog goes through the modal seam.

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolBar>
#include <QtTest>
#include <string>

#include "engine/calculator.h"
#include "engine/scripted_window.h"
#include "modal_script.h"
#include "tape/document.h"
#include "pdf_pages.h"
#include "shell/qt/key_dispatcher.h"
#include "tape/qt/print_preview_pane.h"
#include "tape/qt/tape_printing.h"

using namespace zovrek;
using zovrek::testing::pdfPages;
using zovrek::testing::ModalScript;

namespace {

const QString kTitle = QStringLiteral("Tape Title");

// As the program's keyboard table: every key it knows, Esc among them, claimed for the
// calculator before any widget of the window sees it.
class KeyboardTable : public QObject {
public:
    explicit KeyboardTable(QWidget* window) {
        qt::KeyDispatcher::add(qt::KeyStage::Accelerators, this,
                               [this, window](QWidget& target, QKeyEvent& event) {
                                   if (event.type() != QEvent::KeyPress ||
                                       target.window() != window || event.key() != Qt::Key_Escape)
                                       return false;
                                   ++claimed;
                                   return true;
                               });
    }
    int claimed = 0;
};

// A main window as the program's: a fixed-size form in the middle, a menu, a toolbar, and a
// size that follows the form.
struct Frame {
    QMainWindow window;
    QWidget* form = new QWidget;
    QToolBar* toolBar = nullptr;

    Frame() {
        form->setFixedSize(320, 240);
        window.setCentralWidget(form);
        window.menuBar()->addMenu(QStringLiteral("&File"));
        toolBar = window.addToolBar(QStringLiteral("Tools"));
        toolBar->addAction(QStringLiteral("New"));
        window.layout()->setSizeConstraint(QLayout::SetFixedSize);
        window.move(40, 30);
        window.show();
    }
    KeyboardTable keyboard{&window};
};

struct Rig {
    ScriptedWindow calculatorWindow;
    CZOVREKDoc document;
    Calculator calculator{calculatorWindow, document};
    Frame frame;
    qt::TapePrinting printing{calculator, document, frame.window};
    QSignalSpy modeChanges{&printing, &qt::TapePrinting::previewModeChanged};

    explicit Rig(int lines) {
        calculatorWindow.attach(calculator);
        calculator.onInitialUpdate();
        std::string tape;
        for (int i = 0; i < lines; ++i) tape += " " + std::to_string(i) + ".00\r\n";
        calculator.m_tape.assign(tape);
        QVERIFY(QTest::qWaitForWindowExposed(&frame.window));
    }

    QPushButton* previewButton(const QString& text) {
        qt::PrintPreviewPane* pane = printing.previewPane();
        return pane ? pane->button(text) : nullptr;
    }
};

// Answers the print dialog as a user printing to the PDF file `path`.
qt::Modal::Answerer printTo(const QString& path) {
    return [path](QDialog& dialog) {
        auto& print = static_cast<QPrintDialog&>(dialog);
        print.printer()->setOutputFormat(QPrinter::PdfFormat);
        print.printer()->setOutputFileName(path);
        return int(QDialog::Accepted);
    };
}

}  // namespace

class TapePrintingTest : public QObject {
    Q_OBJECT
private slots:
    void previewTakesTheWindowAndGivesItBack();
    void escClosesThePreview();
    void previewPagesAndButtons();
    void printWritesTheChosenPdf();
    void cancelledPrintKeepsThePreparation();
    void previewsPrintButtonPrints();
    void altPReachesThePreviewsPrint();
    void unwritableOutputIsReported();
    void printSetupRunsThroughTheSeam();
};

void TapePrintingTest::previewTakesTheWindowAndGivesItBack() {
    Rig rig(10);
    const QSize formSize = rig.frame.window.size();
    const QPoint topLeft = rig.frame.window.pos();
    QVERIFY(!rig.printing.endPreview());  // no preview yet: nothing to end
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted);

    rig.printing.OnFilePrintPreview();
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(rig.modeChanges.count(), 1);
    QVERIFY(rig.printing.previewing());
    QCOMPARE(rig.frame.window.centralWidget(), rig.printing.previewPane());
    QVERIFY(rig.frame.toolBar->isHidden());
    QVERIFY(rig.frame.form->isHidden());
    QCOMPARE(rig.frame.form->parentWidget(), &rig.frame.window);
    // Grown to the screen's height, so that a page can be read, and moved up to have it.
    const QRect screen = rig.frame.window.screen()->availableGeometry();
    QCOMPARE(rig.frame.window.frameGeometry().height(), screen.height());
    QVERIFY(screen.contains(rig.frame.window.frameGeometry()));
    QCOMPARE(rig.frame.window.x(), topLeft.x());

    QVERIFY(rig.previewButton(QStringLiteral("Close")));
    QTest::mouseClick(rig.previewButton(QStringLiteral("Close")), Qt::LeftButton);
    QCOMPARE(rig.modeChanges.count(), 2);
    QVERIFY(!rig.printing.previewing());
    QCOMPARE(rig.frame.window.centralWidget(), rig.frame.form);
    QVERIFY(rig.frame.form->isVisible());
    QVERIFY(rig.frame.toolBar->isVisible());
    QTRY_COMPARE(rig.frame.window.size(), formSize);
    QCOMPARE(rig.frame.window.pos(), topLeft);

    // A second preview shows the lines prepared before, without asking for the title.
    rig.printing.OnFilePrintPreview();
    ZOVREK_VERIFY_MODALS(script);
    QVERIFY(rig.printing.endPreview());
    QCOMPARE(rig.modeChanges.count(), 4);
}

void TapePrintingTest::escClosesThePreview() {
    Rig rig(10);
    const QPoint topLeft = rig.frame.window.pos();
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted);
    rig.printing.OnFilePrintPreview();
    QTRY_VERIFY(rig.printing.previewPane()->preview().hasFocus());
    QTest::keyClick(&rig.printing.previewPane()->preview(), Qt::Key_Escape);
    ZOVREK_VERIFY_MODALS(script);
    QVERIFY(!rig.printing.previewing());
    QCOMPARE(rig.frame.keyboard.claimed, 0);
    QCOMPARE(rig.frame.window.centralWidget(), rig.frame.form);
    QCOMPARE(rig.frame.window.pos(), topLeft);
    // Afterwards Esc is the calculator's again.
    QTest::keyClick(rig.frame.form, Qt::Key_Escape);
    QCOMPARE(rig.frame.keyboard.claimed, 1);
}

void TapePrintingTest::previewPagesAndButtons() {
    Rig rig(60);  // 60 lines: a full page and an empty one
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted);
    rig.printing.OnFilePrintPreview();
    QPrintPreviewWidget& preview = rig.printing.previewPane()->preview();
    preview.updatePreview();
    QCOMPARE(preview.pageCount(), 2);
    QCOMPARE(rig.calculator.m_printLinesUsed, 1);

    QPushButton* next = rig.previewButton(QStringLiteral("Next Page"));
    QPushButton* previous = rig.previewButton(QStringLiteral("Prev Page"));
    QPushButton* zoomIn = rig.previewButton(QStringLiteral("Zoom In"));
    QPushButton* zoomOut = rig.previewButton(QStringLiteral("Zoom Out"));
    QVERIFY(next && previous && zoomIn && zoomOut);
    QVERIFY(next->isEnabled() && !previous->isEnabled());
    QCOMPARE(rig.printing.previewPane()->pageText(), QStringLiteral("Page 1 of 2"));
    // The pages take the keys: Page Down scrolls to the next page.
    QVERIFY(preview.focusProxy());
    QTest::keyClick(preview.focusProxy(), Qt::Key_PageDown);
    QTRY_COMPARE(preview.currentPage(), 2);
    QCOMPARE(rig.printing.previewPane()->pageText(), QStringLiteral("Page 2 of 2"));
    QTest::mouseClick(previous, Qt::LeftButton);
    QCOMPARE(preview.currentPage(), 1);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(preview.currentPage(), 2);
    QVERIFY(!next->isEnabled() && previous->isEnabled());
    QCOMPARE(rig.printing.previewPane()->pageText(), QStringLiteral("Page 2 of 2"));

    QVERIFY(zoomIn->isEnabled() && !zoomOut->isEnabled());
    const qreal whole = preview.zoomFactor();
    for (int i = 1; i < qt::PrintPreviewPane::kZoomSteps; ++i) QTest::mouseClick(zoomIn, Qt::LeftButton);
    QVERIFY(preview.zoomFactor() > whole);
    QVERIFY(!zoomIn->isEnabled() && zoomOut->isEnabled());
    for (int i = 1; i < qt::PrintPreviewPane::kZoomSteps; ++i) QTest::mouseClick(zoomOut, Qt::LeftButton);
    QCOMPARE(preview.zoomMode(), QPrintPreviewWidget::FitInView);
    QVERIFY(rig.printing.endPreview());
}

void TapePrintingTest::printWritesTheChosenPdf() {
    Rig rig(121);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.pdf"));
    // The print dialog proposes a file named after the title: a plain name, in no other folder.
    rig.document.SetTitle("../../Q1/Q2 budget");
    QString proposed;
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted).expect(QStringLiteral("Print"), [&](QDialog& dialog) {
        proposed = static_cast<QPrintDialog&>(dialog).printer()->docName();
        return printTo(path)(dialog);
    });
    rig.printing.OnFilePrint();
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(proposed, QStringLiteral("-..-Q1-Q2 budget"));
    QCOMPARE(pdfPages(path), 3);
    QCOMPARE(rig.calculator.m_printLinesUsed, 1);
    QCOMPARE(rig.calculator.m_printPage, 3);
}

void TapePrintingTest::cancelledPrintKeepsThePreparation() {
    Rig rig(5);
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted).expect(QStringLiteral("Print"), QDialog::Rejected);
    rig.printing.OnFilePrint();
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(rig.calculator.m_printLineCount, 5);
    QCOMPARE(rig.calculator.m_printLinesUsed, 0);
    QCOMPARE(rig.calculator.m_titleAsked, 1);
}

void TapePrintingTest::previewsPrintButtonPrints() {
    Rig rig(3);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tape.pdf"));
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted).expect(QStringLiteral("Print"), printTo(path));
    rig.printing.OnFilePrintPreview();
    QTest::mouseClick(rig.previewButton(QStringLiteral("Print...")), Qt::LeftButton);
    ZOVREK_VERIFY_MODALS(script);
    QVERIFY(!rig.printing.previewing());
    QCOMPARE(rig.modeChanges.count(), 2);
    QCOMPARE(rig.frame.window.centralWidget(), rig.frame.form);
    QCOMPARE(pdfPages(path), 1);
}

void TapePrintingTest::altPReachesThePreviewsPrint() {
    Rig rig(3);
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted).expect(QStringLiteral("Print"), QDialog::Rejected);
    rig.printing.OnFilePrintPreview();
    QPrintPreviewWidget& preview = rig.printing.previewPane()->preview();
    QTRY_VERIFY(preview.hasFocus());
    // A window of the program claims keys for itself; the preview's buttons answer theirs first.
    QAction stray(QStringLiteral("&Paste"), &rig.frame.window);
    stray.setShortcut(QKeySequence(Qt::ALT | Qt::Key_P));
    rig.frame.window.addAction(&stray);
    QSignalSpy strayRuns(&stray, &QAction::triggered);
    QTest::keyClick(preview.focusProxy(), Qt::Key_P, Qt::AltModifier);
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(strayRuns.count(), 0);
    QVERIFY(!rig.printing.previewing());
}

void TapePrintingTest::unwritableOutputIsReported() {
    Rig rig(3);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("missing/tape.pdf"));
    ModalScript script;
    script.expect(kTitle, QDialog::Accepted)
        .expect(QStringLiteral("Print"), printTo(path))
        .expect(QStringLiteral("ZOVREK"), QMessageBox::Ok);
    rig.printing.OnFilePrint();
    ZOVREK_VERIFY_MODALS(script);
    QVERIFY(!QFile::exists(path));
}

void TapePrintingTest::printSetupRunsThroughTheSeam() {
    Rig rig(3);
    QPrinter* printer = &rig.printing.printer();
    ModalScript script;
    script.expect(QStringLiteral("Page Setup"), QDialog::Accepted);
    rig.printing.OnFilePrintSetup();
    ZOVREK_VERIFY_MODALS(script);
    QCOMPARE(&rig.printing.printer(), printer);  // kept for the prints that follow
}

QTEST_MAIN(TapePrintingTest)
#include "tape_printing_test.moc"
