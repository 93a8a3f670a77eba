#include "tape/qt/print_preview_pane.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QVBoxLayout>
#include <array>

#include "shell/qt/key_dispatcher.h"

namespace zovrek::qt {
namespace {

// How much closer each zoom step shows the page than the whole-page view.
constexpr std::array<qreal, PrintPreviewPane::kZoomSteps> kZoomFactors = {1.0, 1.75, 3.0};

}  // namespace

PrintPreviewPane::PrintPreviewPane(QPrinter& printer, std::function<void(QPrinter&)> paint,
                                   QWidget* parent)
    : QWidget(parent) {
    auto* bar = new QHBoxLayout;
    bar->setContentsMargins(4, 3, 4, 3);
    bar->setSpacing(4);
    preview_ = new QPrintPreviewWidget(&printer, this);
    preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    // The pages' view takes the keys given to the preview, so Page Down and the arrows scroll.
    if (auto* pages = preview_->findChild<QAbstractScrollArea*>()) preview_->setFocusProxy(pages);
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [paint = std::move(paint)](QPrinter* p) { paint(*p); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addLayout(bar);
    layout->addWidget(preview_, 1);

    const auto add = [&](const QString& text, const std::function<void()>& action) {
        QPushButton* b = addButton(text, action);
        bar->addWidget(b);
        return b;
    };
    add(tr("&Print..."), [this] { emit printRequested(); });
    next_ = add(tr("&Next Page"), [this] { turnTo(preview_->currentPage() + 1); });
    previous_ = add(tr("Pre&v Page"), [this] { turnTo(preview_->currentPage() - 1); });
    zoomIn_ = add(tr("Zoom &In"), [this] { zoom(zoomStep_ + 1); });
    zoomOut_ = add(tr("Zoom &Out"), [this] { zoom(zoomStep_ - 1); });
    add(tr("&Close"), [this] { emit closeRequested(); });
    bar->addStretch(1);
    page_ = new QLabel(this);
    page_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    bar->addSpacing(8);
    bar->addWidget(page_);
    bar_ = bar;

    connect(preview_, &QPrintPreviewWidget::previewChanged, this, &PrintPreviewPane::updateButtons);
    preview_->updatePreview();
    // Room for the widest page number from the start, so the row never has to grow.
    const QString widest = tr("Page %1 of %2").arg(preview_->pageCount()).arg(preview_->pageCount());
    page_->setMinimumWidth(page_->fontMetrics().horizontalAdvance(widest));
    updateButtons();
    // The program's keyboard table claims every key of the window before its widgets see it,
    // and gives Esc to Clear Entry; the preview is offered its keys before the table.
    KeyDispatcher::add(KeyStage::PrintPreview, this, [this](QWidget& target, QKeyEvent& event) {
        return eventFilter(&target, &event);
    });
}

bool PrintPreviewPane::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::KeyPress && type != QEvent::ShortcutOverride) return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || !isVisible() || widget->window() != window() ||
        QApplication::activeModalWidget() || QApplication::activePopupWidget())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool escape = key->key() == Qt::Key_Escape && key->modifiers() == Qt::NoModifier;
    QPushButton* pressed = escape ? nullptr : buttonOfKey(*key);
    if (!escape && !pressed) return false;
    // Claimed before any shortcut of the window sees it: Qt gives a key that two shortcuts
    // share to neither, and these buttons take no focus to be reached by instead.
    event->accept();
    if (type == QEvent::KeyPress) {
        if (escape)
            emit closeRequested();
        else
            pressed->click();
    }
    return true;
}

QPushButton* PrintPreviewPane::buttonOfKey(const QKeyEvent& key) const {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers != Qt::AltModifier) return nullptr;
    const QKeySequence sequence(QKeyCombination(modifiers, Qt::Key(key.key())));
    for (QPushButton* b : buttons_)
        if (b->isEnabled() && QKeySequence::mnemonic(b->text()) == sequence) return b;
    return nullptr;
}

QString PrintPreviewPane::pageText() const { return page_->text(); }

QSize PrintPreviewPane::barSize() const { return bar_->sizeHint(); }

QPushButton* PrintPreviewPane::addButton(const QString& text, const std::function<void()>& action) {
    auto* b = new QPushButton(text, this);
    // The pages keep the keyboard, for scrolling.
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, action);
    buttons_ << b;
    return b;
}

QPushButton* PrintPreviewPane::button(const QString& text) const {
    for (QPushButton* b : buttons_) {
        QString plain = b->text();
        if (plain.remove(u'&') == text) return b;
    }
    return nullptr;
}

void PrintPreviewPane::turnTo(int page) {
    preview_->setCurrentPage(page);
    showTopRight();
    // The preview tells of page changes only when the pages are scrolled.
    updateButtons();
}

void PrintPreviewPane::showTopRight() {
    // The tape is printed down the right of the page; a closer look starts at its top there.
    auto* view = preview_->findChild<QAbstractScrollArea*>();
    if (zoomStep_ == 0 || !view || preview_->pageCount() < 1) return;
    QScrollBar* across = view->horizontalScrollBar();
    across->setValue(across->maximum());
    // The pages lie one below the other, evenly spaced.
    QScrollBar* down = view->verticalScrollBar();
    const double pageSpan = double(down->maximum() + down->pageStep()) / preview_->pageCount();
    down->setValue(static_cast<int>(pageSpan * (preview_->currentPage() - 1)));
}

void PrintPreviewPane::zoom(int step) {
    if (step < 0 || step >= kZoomSteps || step == zoomStep_) return;
    // The whole-page view's factor depends on the window; it is read before leaving it.
    if (zoomStep_ == 0) fittedFactor_ = preview_->zoomFactor();
    zoomStep_ = step;
    if (step == 0)
        preview_->setZoomMode(QPrintPreviewWidget::FitInView);
    else
        preview_->setZoomFactor(fittedFactor_ * kZoomFactors[static_cast<std::size_t>(step)]);
    showTopRight();
    updateButtons();
}

void PrintPreviewPane::updateButtons() {
    const int page = preview_->currentPage();
    next_->setEnabled(page < preview_->pageCount());
    previous_->setEnabled(page > 1);
    zoomIn_->setEnabled(zoomStep_ + 1 < kZoomSteps);
    zoomOut_->setEnabled(zoomStep_ > 0);
    const int pages = preview_->pageCount();
    page_->setText(pages > 0 ? tr("Page %1 of %2").arg(page).arg(pages) : QString());
}

}  // namespace zovrek::qt
