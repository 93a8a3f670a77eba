#include "tape/qt/locale_marks.h"

#include <vector>

namespace zovrek::qt {

NumberMarks localeMarks(const QLocale& locale) {
    NumberMarks marks;
    const QString decimal = locale.decimalPoint();
    if (!decimal.isEmpty()) marks.decimal = decimal.toStdString();
    // Locales that write their own digits are read with ours; the marks are what counts.
    QLocale grouping = locale;
    grouping.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    const QString written = grouping.toString(1234567890LL);
    std::vector<int> runs;
    int run = 0;
    for (const QChar c : written) {
        if (c.isDigit()) {
            ++run;
        } else if (run > 0) {
            runs.push_back(run);
            run = 0;
        }
    }
    if (run > 0) runs.push_back(run);
    const bool groups = runs.size() >= 2 && !(locale.numberOptions() & QLocale::OmitGroupSeparator);
    if (groups) {
        marks.group = locale.groupSeparator().toStdString();
        marks.firstGroup = runs.back();
        marks.nextGroup = runs[runs.size() - 2];
    }
    // A mark that is a digit or the same for both could not be read back.
    if (marks.group == marks.decimal) marks.group.clear();
    return marks;
}

}  // namespace zovrek::qt
