#pragma once
// The print preview shown in the main window in place of the calculator: the pages as the
// printer will get them, under a row of buttons (Print..., Next Page, Prev Page, Zoom In,
// Zoom Out, Close) and the page shown, "Page n of m". Esc closes it, as Close does; Alt and
// a button's underlined letter press that button.

#include <QWidget>
#include <functional>

class QKeyEvent;
class QLabel;
class QLayout;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace zovrek::qt {

class PrintPreviewPane : public QWidget {
    Q_OBJECT
public:
    /// `paint` draws every page on the printer it is given, each time the preview is built;
    /// the first time at once, so that the page count is known before the pane is placed.
    PrintPreviewPane(QPrinter& printer, std::function<void(QPrinter&)> paint, QWidget* parent);

    QPrintPreviewWidget& preview() { return *preview_; }
    /// The button of `text` as it reads without its mnemonic ("Next Page"), or nullptr.
    QPushButton* button(const QString& text) const;
    /// "Page n of m" as it shows.
    QString pageText() const;
    /// The row of buttons' least size.
    QSize barSize() const;

    /// Three steps, as the framework's preview had: the whole page, then two closer views.
    static constexpr int kZoomSteps = 3;

signals:
    void printRequested();
    void closeRequested();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPushButton* addButton(const QString& text, const std::function<void()>& action);
    /// The enabled button whose mnemonic `key` is, or nullptr.
    QPushButton* buttonOfKey(const QKeyEvent& key) const;
    void turnTo(int page);
    void showTopRight();
    void zoom(int step);
    void updateButtons();

    QPrintPreviewWidget* preview_ = nullptr;
    QLayout* bar_ = nullptr;
    QLabel* page_ = nullptr;
    QList<QPushButton*> buttons_;
    QPushButton* next_ = nullptr;
    QPushButton* previous_ = nullptr;
    QPushButton* zoomIn_ = nullptr;
    QPushButton* zoomOut_ = nullptr;
    int zoomStep_ = 0;
    qreal fittedFactor_ = 1.0;
};

}  // namespace zovrek::qt
