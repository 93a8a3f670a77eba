#pragma once
// The signs of the arithmetic keys and the decimal point drawn as strokes on the device's
// pixel grid: fonts place and weigh + − × ÷ = √ . unevenly, and such a key shows nothing
// but its sign.

#include <QColor>
#include <QRectF>
#include <QStringView>

class QPainter;

namespace zovrek::qt::paint {

/// True when `label` is one of the signs drawn as strokes.
bool isKeySymbol(QStringView label);

/// Draws the sign `label` centred in `face`; does nothing unless isKeySymbol(label).
void paintKeySymbol(QPainter& painter, const QRectF& face, QStringView label, const QColor& colour,
                    qreal dpr);

}  // namespace zovrek::qt::paint
