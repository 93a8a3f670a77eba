#include "tape/qt/file_names.h"

#include <QFile>
#include <QStringDecoder>

namespace zovrek::qt {

std::filesystem::path localPath(const QUrl& url) {
    if (!url.isLocalFile()) return {};
    // Bytes that are no UTF-8 stay percent-encoded inside QUrl; decoding the encoded form
    // gives them back as they were.
    const QByteArray bytes =
        QByteArray::fromPercentEncoding(url.path(QUrl::FullyEncoded).toLatin1());
    return std::filesystem::path(bytes.toStdString());
}

std::filesystem::path localPath(const QString& name) {
    return std::filesystem::path(QFile::encodeName(name).toStdString());
}

QUrl fileUrl(const std::filesystem::path& path) {
    const QByteArray bytes(path.native().data(), static_cast<qsizetype>(path.native().size()));
    return QUrl::fromEncoded("file://" + bytes.toPercentEncoding("/"), QUrl::StrictMode);
}

QString displayName(std::string_view bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())));
    if (!utf8.hasError()) return text;
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::vector<std::filesystem::path> commandLineFiles(int argc, const char* const* argv,
                                                    const QStringList& parsed) {
    std::vector<std::filesystem::path> files;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        if (options && arg == "--") {
            options = false;
            continue;
        }
        if (options && arg.size() > 1 && arg.front() == '-') continue;
        files.emplace_back(std::string(arg));
    }
    if (files.size() == static_cast<std::size_t>(parsed.size())) return files;
    files.clear();
    for (const QString& name : parsed) files.push_back(localPath(name));
    return files;
}

}  // namespace zovrek::qt
