#pragma once
// File names between Qt and the core. On Linux a file name is bytes, not text: Qt 6 reads
// every name as UTF-8 and loses one that is not (a Latin-1 "caf\xe9.cal"), so a name from
// the system reaches the core as its bytes, and only what the user reads becomes text.

#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <string_view>
#include <vector>

namespace zovrek::qt {

/// The file a "file:" URL names, byte for byte (a dropped file, a file dialog's choice);
/// empty for any other URL.
std::filesystem::path localPath(const QUrl& url);

/// A name typed or shown as Qt text, in the system's encoding (QFile::encodeName).
std::filesystem::path localPath(const QString& name);

/// The URL of `path`, byte for byte, for a file dialog's folder.
QUrl fileUrl(const std::filesystem::path& path);

/// Bytes of a name (or of a message holding one) as the user reads them: UTF-8 when they
/// are, else one character a byte (Latin-1), so "caf\xe9.cal" reads "café.cal".
QString displayName(std::string_view bytes);

/// The file arguments of the command line as the system gave them. `argv` is what is left
/// once QApplication took its own options, `parsed` the positional arguments Qt found in
/// it; when the two disagree, Qt's reading is taken.
std::vector<std::filesystem::path> commandLineFiles(int argc, const char* const* argv,
                                                    const QStringList& parsed);

}  // namespace zovrek::qt
