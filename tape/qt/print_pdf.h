#pragma once
// A tape printed into a PDF file, without a window or a printer.

#include <QPageSize>
#include <QString>

#include "engine/calculator_state.h"

namespace zovrek::qt {

/// Prints pages 1 to `lastPage` of the prepared print lines into the PDF file `path`, on
/// `paper` with margins of 10 points (a printer's unprintable edge, and the print dialog's
/// own default). The file is replaced only once the whole document is written. Returns an
/// empty string, or what went wrong.
QString writeTapePdf(CalculatorState& state, int lastPage, const QString& path,
                     const QPageSize& paper);

}  // namespace zovrek::qt
