#pragma once
// Pages in a PDF file as Qt writes them: one "/Type /Page" object each; -1 for no PDF.

#include <QFile>
#include <QString>

namespace zovrek::testing {

inline int pdfPages(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return -1;
    const QByteArray bytes = file.readAll();
    if (!bytes.startsWith("%PDF-")) return -1;
    return static_cast<int>(bytes.count("/Type /Page") - bytes.count("/Type /Pages"));
}

}  // namespace zovrek::testing
