#pragma once
// Printed text is the user's own, in any script: the title, and the notes on the tape.
// Characters the print font lacks come from a font that has them, and emoji in colour come
// out on paper too.

#include <QString>

class QFont;
class QPainter;
class QPointF;

namespace zovrek::qt {

/// Draws `text` in `font` (and the fonts that fill in for it) with its baseline starting at
/// `baseline`, as the painter's drawText does, in the painter's layout direction. Glyphs of
/// colour fonts have no outlines for a PDF or a printer to fill, so they are drawn as
/// pictures, at the device's resolution.
void drawPrintText(QPainter& painter, const QFont& font, const QPointF& baseline,
                   const QString& text);

}  // namespace zovrek::qt
