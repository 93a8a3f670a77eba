#pragma once
// The label of a key, fitted into the key's face: the font shrinks until the text fits,
// and squeezes sideways when even the smallest size is too wide, so no label is cut.

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QStringView>

class QPainter;
class QPaintDevice;

namespace zovrek::qt::paint {

/// Draws `label` centred in `face` (device-independent pixels) on a painter whose device
/// has pixel ratio `dpr`. The arithmetic signs are drawn as strokes, "\n" breaks the line.
/// The font is `pixels` large (narrowed where the label would not fit), or when `pixels`
/// is 0 the largest that fits.
void paintKeyLabel(QPainter& painter, const QRectF& face, QStringView label, const QColor& colour,
                   qreal dpr, int pixels = 0);

/// The size of font in pixels at which `label` fits `face`, as paintKeyLabel chooses it.
int fittedLabelPixels(QStringView label, QSizeF face, const QPaintDevice* device);

}  // namespace zovrek::qt::paint
