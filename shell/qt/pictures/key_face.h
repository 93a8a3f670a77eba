#pragma once
// One key of the keypad: a raised key with light top-left and shaded bottom-right edges, or
// the same key pressed in, its face one pixel further down and to the right.

#include <QRectF>
#include <QtGlobal>

#include "pictures/keypad_picture_table.h"

class QPainter;
class QPaintDevice;

namespace zovrek::qt::paint {

/// Draws the key `picture` raised (its up picture) or pressed (its down picture) at the top-left
/// of `painter`'s device, in device-independent pixels.
void paintKey(QPainter& painter, const pictures::KeyPicture& picture, bool down, qreal dpr);

/// The size in pixels of the font of the key's label. The keys of the dialogs share one.
int keyLabelPixels(const pictures::KeyPicture& picture, const QPaintDevice* device);

/// Where a focused key shows its focus: along the edge of its face, clear of the label.
QRectF keyFocusRect(const pictures::KeyPicture& picture, bool down);

}  // namespace zovrek::qt::paint
