#pragma once
// Text between the windowless core and Qt. The program's own texts (captions, messages,
// file names) are UTF-8; tape text is 8-bit, one character a byte, as the tape files hold
// it, so nothing in a tape is lost on its way through a window.

#include <QString>
#include <string>
#include <string_view>

namespace zovrek::qt {

inline QString uiText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString tapeText(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

/// A character without a byte of its own becomes '?'.
inline std::string tapeBytes(const QString& text) { return text.toLatin1().toStdString(); }

}  // namespace zovrek::qt
