#include "tape/qt/print_paper.h"

#include <QLocale>
#include <algorithm>
#include <array>

namespace zovrek::qt {
namespace {

constexpr std::array kLetterTerritories = {
    QLocale::UnitedStates, QLocale::Canada,      QLocale::Mexico,     QLocale::Philippines,
    QLocale::Bolivia,      QLocale::Chile,       QLocale::Colombia,   QLocale::CostaRica,
    QLocale::Guatemala,    QLocale::Nicaragua,   QLocale::Panama,     QLocale::PuertoRico,
    QLocale::ElSalvador,   QLocale::Venezuela,
};

}  // namespace

QPageSize paperForLocale(const QString& locale) {
    // "en_US.UTF-8@euro" names its territory before the codeset and the modifier.
    const QString name = locale.section(u'.', 0, 0).section(u'@', 0, 0);
    if (name.isEmpty() || name == u"C" || name == u"POSIX") return QPageSize(QPageSize::A4);
    const QLocale::Territory territory = QLocale(name).territory();
    const bool letter = std::find(kLetterTerritories.begin(), kLetterTerritories.end(),
                                  territory) != kLetterTerritories.end();
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

QPageSize localePaper() {
    for (const char* variable : {"LC_ALL", "LC_PAPER", "LANG"}) {
        const QString value = qEnvironmentVariable(variable);
        if (!value.isEmpty()) return paperForLocale(value);
    }
    return paperForLocale(QString());
}

}  // namespace zovrek::qt
