#include "shell/qt/bitmap_button.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "shell/qt/pictures/keypad_pictures.h"

namespace zovrek::qt {
namespace {

constexpr int kFlashMs = 90;

}  // namespace

CBitmapButton::CBitmapButton(const QString& caption, QWidget* parent)
    : QPushButton(parent), caption_(caption) {
    setObjectName(caption);
    const QString spoken = keypadAccessibleName(caption);
    setAccessibleName(spoken.isEmpty() ? caption : spoken);
    // Enter and Space belong to the window's keys; the button never becomes a default one.
    setAutoDefault(false);
}

bool CBitmapButton::AutoLoad() {
    if (keypadPicture(caption_ + u'U', 1).isNull()) return false;
    loaded_ = true;
    loadPictures();
    const QPoint topLeft = geometry().topLeft();
    setGeometry(QRect(topLeft, up_.deviceIndependentSize().toSize()));
    updateGeometry();
    return true;
}

void CBitmapButton::loadPictures() {
    pictureRatio_ = devicePixelRatioF();
    up_ = keypadPicture(caption_ + u'U', pictureRatio_);
    // The down picture is drawn at the first press: start-up only needs the up ones.
    down_ = QPixmap();
    downLoaded_ = false;
}

void CBitmapButton::flash() {
    if (!flashTimer_) {
        flashTimer_ = new QTimer(this);
        flashTimer_->setSingleShot(true);
        connect(flashTimer_, &QTimer::timeout, this, [this] { setDown(false); });
    }
    setDown(true);
    flashTimer_->start(kFlashMs);
}

QSize CBitmapButton::sizeHint() const {
    return loaded_ ? up_.deviceIndependentSize().toSize() : QPushButton::sizeHint();
}

bool CBitmapButton::showsFocus() const {
    // As the style shows focus: on the focused button once the keyboard has moved the focus.
    QStyleOptionButton option;
    initStyleOption(&option);
    return (option.state & QStyle::State_HasFocus) &&
           (option.state & QStyle::State_KeyboardFocusChange);
}

void CBitmapButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (!loaded_) {
        // An owner-drawn button without pictures: a plain face, still no caption.
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.clear();
        style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
        if (showsFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(3, 3, -3, -3);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
        return;
    }
    // On a screen of another pixel ratio the pictures are drawn again, to stay sharp.
    if (!qFuzzyCompare(pictureRatio_, devicePixelRatioF())) loadPictures();
    if (isDown() && !downLoaded_) {
        down_ = keypadPicture(caption_ + u'D', pictureRatio_);
        downLoaded_ = true;
    }
    const QPixmap& picture = (isDown() && !down_.isNull()) ? down_ : up_;
    // Copied from the top-left without stretching: a picture larger than the button is cut.
    painter.drawPixmap(QPoint(0, 0), picture);
    if (showsFocus()) paintKeypadFocus(painter, caption_, &picture == &down_);
}

}  // namespace zovrek::qt
