#pragma once
// One key of the keypad: a raised key with light top-left and shaded bottom-right edges, or
// the same key pressed in, its face one pixel further down and to the right.

#include <QtGlobal>

#include "pictures/keypad_picture_table.h"

class QPainter;

namespace zovrek::qt::paint {

/// Draws the key `picture` raised (its up picture) or pressed (its down picture) at the top-left
/// of `painter`'s device, in device-independent pixels.
void paintKey(QPainter& painter, const pictures::KeyPicture& picture, bool down, qreal dpr);

}  // namespace zovrek::qt::paint
