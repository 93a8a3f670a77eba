#pragma once
// The label of a key, fitted into the key's face: the font shrinks until the text fits,
// and squeezes sideways when even the smallest size is too wide, so no label is cut.

#include <QColor>
#include <QRectF>
#include <QStringView>

class QPainter;

namespace zovrek::qt::paint {

/// Draws `label` centred in `face` (device-independent pixels) on a painter whose device
/// has pixel ratio `dpr`. The arithmetic signs are drawn as strokes, "\n" breaks the line.
void paintKeyLabel(QPainter& painter, const QRectF& face, QStringView label, const QColor& colour,
                   qreal dpr);

}  // namespace zovrek::qt::paint
