#pragma once
// The look of every window: Fusion, with the few pictures Fusion reads from files (group box
// frames, standard icons) drawn by the program instead, so that no picture file is read, nor
// any image plugin loaded, on the way to the first paint.

#include <QProxyStyle>

namespace zovrek::qt {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT
public:
    ProgramStyle();

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

}  // namespace zovrek::qt
