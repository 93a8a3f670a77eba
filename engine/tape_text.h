#pragma once
// The tape text: the view's growing working copy and the document's cheap snapshots of it.

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace zovrek {

/// An immutable tape text. Copying is O(1): a snapshot shares the working tape's buffer and
/// remembers its length, which stays valid because that buffer only ever grows at its end.
class TapeText {
public:
    TapeText() = default;
    explicit TapeText(std::string text);

    /// Valid until the working tape it came from is next appended to.
    std::string_view view() const;
    std::string str() const { return std::string(view()); }
    std::size_t size() const { return length_; }
    bool empty() const { return length_ == 0; }

    friend bool operator==(const TapeText& a, std::string_view b) { return a.view() == b; }

private:
    friend class TapeBuffer;
    TapeText(std::shared_ptr<const std::string> buffer, std::size_t length)
        : buffer_(std::move(buffer)), length_(length) {}

    std::shared_ptr<const std::string> buffer_;
    std::size_t length_ = 0;
};

/// The working tape `m_tape`: appended to line by line, replaced or emptied as a whole.
class TapeBuffer {
public:
    TapeBuffer();

    void append(std::string_view text) { buffer_->append(text); }
    /// Replaces the whole text; earlier snapshots keep what they saw.
    void assign(std::string_view text);
    void clear() { assign({}); }

    std::string_view view() const { return *buffer_; }
    std::size_t size() const { return buffer_->size(); }
    bool empty() const { return buffer_->empty(); }

    /// The current text as an O(1) snapshot.
    TapeText snapshot() const { return TapeText(buffer_, buffer_->size()); }

    friend bool operator==(const TapeBuffer& a, std::string_view b) { return a.view() == b; }

private:
    std::shared_ptr<std::string> buffer_;
};

}  // namespace zovrek
