#include "shell/qt/program_style.h"

#include <QPainter>
#include <QPainterPath>
#include <QStyleFactory>
#include <QStyleOption>
#include <QWidget>

#include "shell/qt/pictures/drawn_icon_engine.h"

namespace zovrek::qt {
namespace {

// The toolbar's overflow button: a double chevron pointing along the toolbar. It only
// shows if the toolbar ever runs out of room.
QIcon extensionIcon(bool horizontal, QColor ink) {
    auto draw = [horizontal, ink](const QSize& size, qreal dpr) {
        QPixmap pixmap(size * dpr);
        pixmap.setDevicePixelRatio(dpr);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        if (!horizontal) {  // pointing down: the same picture turned
            p.translate(size.width(), 0);
            p.rotate(90);
        }
        const qreal s = std::min(size.width(), size.height());
        QPainterPath path;
        for (const qreal x : {0.2, 0.5}) {
            path.moveTo(s * x, s * 0.25);
            path.lineTo(s * (x + 0.25), s * 0.5);
            path.lineTo(s * x, s * 0.75);
        }
        p.setPen(QPen(ink, std::max(1.0, s / 8), Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
        return pixmap;
    };
    return QIcon(new DrawnIconEngine(draw, {QSize(8, 8), QSize(16, 16), QSize(32, 32)}, {8, 64}));
}

}  // namespace

ProgramStyle::ProgramStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}

QIcon ProgramStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                 const QWidget* widget) const {
    const QColor ink = option ? option->palette.buttonText().color()
                              : (widget ? widget->palette() : QPalette()).buttonText().color();
    switch (icon) {
    case SP_ToolBarHorizontalExtensionButton: return extensionIcon(true, ink);
    case SP_ToolBarVerticalExtensionButton: return extensionIcon(false, ink);
    default: return QProxyStyle::standardIcon(icon, option, widget);
    }
}

void ProgramStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                 QPainter* painter, const QWidget* widget) const {
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Fusion's frame: a dark line with a light one inside it, slightly rounded.
    const QColor window = option->palette.window().color();
    const QRectF r = QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(window.darker(125));
    painter->drawRoundedRect(r, 2, 2);
    painter->setPen(window.lighter(108));
    painter->drawRoundedRect(r.adjusted(1, 1, -1, -1), 1.5, 1.5);
    painter->restore();
}

}  // namespace zovrek::qt
