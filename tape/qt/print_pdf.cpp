#include "tape/qt/print_pdf.h"

#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include "tape/qt/print_painter.h"

namespace zovrek::qt {

QString writeTapePdf(CalculatorState& state, int lastPage, const QString& path,
                     const QPageSize& paper) {
    // Written beside the target and renamed at the end: a failed print leaves the old file.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QStringLiteral("Could not write \"%1\": %2.").arg(path, file.errorString());
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("ZOVREK"));
        writer.setTitle(QString::fromStdString(state.m_printTitle));
        writer.setPageSize(paper);
        QPainter painter;
        if (!painter.begin(&writer)) {
            file.cancelWriting();
            return QStringLiteral("Could not start a PDF in \"%1\".").arg(path);
        }
        paintTapePages(painter, writer, state, 1, lastPage);
        painter.end();
    }
    if (!file.commit())
        return QStringLiteral("Could not write \"%1\": %2.").arg(path, file.errorString());
    return {};
}

}  // namespace zovrek::qt
