#pragma once
// The accelerator table's entries and how a key stroke is matched against them, without any
// window: the Qt side only turns its key events into key strokes.

#include <cstdint>
#include <span>

namespace zovrek::shell {

/// Flag bits of an accelerator entry.
enum AcceleratorFlags : std::uint8_t {
    kVirtualKey = 0x01,  ///< `key` is a virtual key; otherwise a typed character
    kNoInvert = 0x02,    ///< no menu is highlighted (set on every entry)
    kShift = 0x04,
    kControl = 0x08,
    kAlt = 0x10,
    kLastEntry = 0x80,
};

struct Accelerator {
    std::uint8_t flags;
    std::uint16_t key;  ///< virtual-key code, or the character
    int command;
};

/// Virtual-key codes the table uses.
namespace vk {
inline constexpr std::uint16_t Back = 0x08, Return = 0x0D, Escape = 0x1B, Space = 0x20,
                               Insert = 0x2D, Delete = 0x2E, Numpad0 = 0x60, Multiply = 0x6A,
                               Add = 0x6B, Subtract = 0x6D, Decimal = 0x6E, Divide = 0x6F,
                               F1 = 0x70;
/// Digits and letters are their upper-case characters: '0'..'9', 'A'..'Z'.
}  // namespace vk

/// One key press: the key that went down with the modifiers held, and the character it
/// types (0 for none).
struct KeyStroke {
    std::uint16_t virtualKey = 0;
    bool shift = false;
    bool control = false;
    bool alt = false;
    char32_t typed = 0;
};

/// The command of the first entry that matches, or 0. A virtual-key entry matches its key
/// with exactly its modifiers; a character entry matches the typed character (not while
/// Ctrl or Alt is held, which type no character).
int matchAccelerator(std::span<const Accelerator> table, const KeyStroke& stroke);

}  // namespace zovrek::shell
