#pragma once
// A push button that shows a picture instead of its caption: the up picture, and while
// pressed the down picture, both named after the caption.

#include <QPixmap>
#include <QPushButton>
#include <QString>

namespace zovrek::qt {

class CBitmapButton : public QPushButton {
    Q_OBJECT
public:
    /// `caption` names the pictures (caption + "U", caption + "D", in any case); it is never
    /// shown.
    explicit CBitmapButton(const QString& caption, QWidget* parent = nullptr);

    /// Loads the pictures and takes the up picture's size, keeping the top-left corner.
    /// False when there is no up picture: the button then stays as it is, without pictures.
    bool AutoLoad();

    const QString& caption() const { return caption_; }
    bool hasPictures() const { return loaded_; }
    /// Shows the down picture for a moment, as if the button were pressed (no click).
    void flash();

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void loadPictures();
    /// Whether the button shows the mark of keyboard focus.
    bool showsFocus() const;

    QString caption_;
    bool loaded_ = false;
    QPixmap up_;
    QPixmap down_;
    bool downLoaded_ = false;
    qreal pictureRatio_ = 0;
    class QTimer* flashTimer_ = nullptr;
};

}  // namespace zovrek::qt
