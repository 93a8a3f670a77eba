#include "tape_text.h"

namespace zovrek {

TapeText::TapeText(std::string text)
    : buffer_(std::make_shared<const std::string>(std::move(text))), length_(buffer_->size()) {}

std::string_view TapeText::view() const {
    if (!buffer_) return {};
    return std::string_view(buffer_->data(), length_);
}

TapeBuffer::TapeBuffer() : buffer_(std::make_shared<std::string>()) {}

void TapeBuffer::assign(std::string_view text) {
    // A fresh buffer: snapshots of the old one must keep seeing their text. It has room to
    // grow, so the key after a long tape was put in does not copy it to a bigger one.
    auto buffer = std::make_shared<std::string>();
    buffer->reserve(text.size() + text.size() / 2);
    buffer->append(text);
    buffer_ = std::move(buffer);
}

}  // namespace zovrek
