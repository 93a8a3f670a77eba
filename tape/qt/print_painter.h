#pragma once
// The one paint routine of printing, for the printer, the preview and PDF files: it draws a
// page laid out by layoutPrintPage, mapping twips onto the device by its resolution.

#include <QFont>

#include "engine/calculator_state.h"
#include "tape/line_wrap.h"

class QPagedPaintDevice;
class QPainter;

namespace zovrek::qt {

/// The print font, sized in twips for a painter that maps twips: characters 220 twips (11
/// points) high, weight 500, a fixed-pitch face. The modern family with default pitch picks
/// Courier New on Windows; Liberation Mono has its metrics. Without hinting
/// its widths are the design's at every resolution.
QFont printFont();

/// The print font's character widths in twips, for wrapping print lines (wrapPrintLines):
/// the first 256 measured at once, the others as they come, with the fonts that draw them.
CharWidths printCharWidths();

/// Draws page `page` (1-based) of the prepared print lines with the painter's origin at the
/// top-left corner of the printable area, as printers and PDF writers place it, and the
/// device's size as that area: a page that does not fit it is scaled down to fit. Like the
/// layout, sets m_printPage, and m_printLinesUsed when a tape line was drawn.
void paintTapePage(QPainter& painter, CalculatorState& state, int page);

/// Draws pages `first` to `last` on `device`, which the painter is active on, starting a
/// new sheet between them. False when the device refused a new page.
bool paintTapePages(QPainter& painter, QPagedPaintDevice& device, CalculatorState& state,
                    int first, int last);

}  // namespace zovrek::qt
