#pragma once
// Text between the windowless core and Qt. The program's own texts (captions, messages,
// file names) and tape text alike are UTF-8.

#include <QString>
#include <string>
#include <string_view>

namespace zovrek::qt {

inline QString uiText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString tapeText(std::string_view bytes) {
    return QString::fromUtf8(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

inline std::string tapeBytes(const QString& text) { return text.toUtf8().toStdString(); }

}  // namespace zovrek::qt
