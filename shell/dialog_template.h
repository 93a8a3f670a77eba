#pragma once
// Dialog templates as data: each control's id, kind, text and rectangle in dialog units,
// as the resource script gives them. The Qt side builds its windows from these.

#include <cstdint>
#include <span>
#include <string_view>

namespace zovrek::shell {

enum class ControlKind : std::uint8_t {
    BitmapButton,  ///< owner-drawn push button showing the pictures named by its text
    PushButton,    ///< an ordinary push button
    Edit,
    Static,
    GroupBox,
    RadioButton,
    CheckBox,
};

/// Style bits of a control, as far as the windows need them.
enum ControlStyle : std::uint32_t {
    kStyleNone = 0,
    kReadOnly = 1u << 0,
    kMultiLine = 1u << 1,
    kAlignRight = 1u << 2,
    kAlignCenter = 1u << 3,
    kVScroll = 1u << 4,
    kDigitsOnly = 1u << 5,
    kNoTabStop = 1u << 6,
    kGrey = 1u << 7,         ///< a static text drawn disabled
    kStaticEdge = 1u << 8,   ///< thin edge
    kClientEdge = 1u << 9,   ///< sunken edge
    kBorder = 1u << 10,
    kAutoHScroll = 1u << 11,
    kGroupStart = 1u << 12,  ///< first control of a group (radio buttons)
    kDefaultButton = 1u << 13,
    kWantReturn = 1u << 14,  ///< a multi-line edit in which Enter starts a new line
};

/// A rectangle in dialog units.
struct DluRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

/// A rectangle in pixels at 96 DPI (Qt's device-independent pixels).
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

struct ControlTemplate {
    int id;  ///< -1 for a static or group box without one
    ControlKind kind;
    std::string_view text;
    DluRect rect;
    std::uint32_t style = kStyleNone;
};

struct DialogTemplate {
    int id;
    std::string_view title;
    int width;   ///< dialog units
    int height;  ///< dialog units
    std::span<const ControlTemplate> controls;  ///< template order, which is the tab order
};

/// The id of a control that has none.
inline constexpr int kNoId = -1;

/// Dialog units to pixels by the base units of the dialog font ("MS Sans Serif" 8 at 96 DPI:
/// 6 x 13 pixels, so 1.5 px a horizontal and 1.625 px a vertical unit). Edges are converted
/// and rounded, as the platform maps dialog rectangles.
PixelRect toPixels(const DluRect& rect);
int horizontalPixels(int dialogUnits);
int verticalPixels(int dialogUnits);

/// The control of `id` in `dialog`, or nullptr.
const ControlTemplate* findControl(const DialogTemplate& dialog, int id);

}  // namespace zovrek::shell
