#pragma once
// The document's copy of the tape, as the calculator sees the document.

#include "tape_text.h"

namespace zovrek {

/// Base of the tape document: the one string files are written from and read into.
struct DocumentTape {
    virtual ~DocumentTape() = default;
    TapeText m_tapeText;
};

}  // namespace zovrek
