#pragma once
// The decimal mark and digit grouping of the user's locale, for showing numbers their way.

#include <QLocale>

#include "engine/number_marks.h"

namespace zovrek::qt {

/// The marks `locale` writes numbers with; the group sizes are read off how it writes
/// 1234567890 (Indian grouping: 3, then 2). A locale without grouping gives no group mark.
NumberMarks localeMarks(const QLocale& locale = QLocale());

}  // namespace zovrek::qt
