#pragma once
// The paper a print starts on when no printer says otherwise.

#include <QPageSize>
#include <QString>

namespace zovrek::qt {

/// Letter for the locales that print on Letter (the United States, Canada, Mexico, the
/// Philippines and the Latin American countries that glibc's locales give Letter), A4 for
/// every other. `locale` is a POSIX locale name such as "en_US.UTF-8"; empty or "C" gives A4.
QPageSize paperForLocale(const QString& locale);

/// The paper of the user's locale, read as the C library reads LC_PAPER: LC_ALL, then
/// LC_PAPER, then LANG.
QPageSize localePaper();

}  // namespace zovrek::qt
