#include "shell/dialog_template.h"

namespace zovrek::shell {
namespace {

// MulDiv: a * b / c rounded half away from zero.
int mulDiv(int a, int b, int c) {
    const long long n = static_cast<long long>(a) * b;
    return static_cast<int>(n >= 0 ? (2 * n + c) / (2 * c) : -((-2 * n + c) / (2 * c)));
}

constexpr int kBaseX = 6;   // average character width of the dialog font
constexpr int kBaseY = 13;  // its character height

}  // namespace

int horizontalPixels(int dialogUnits) { return mulDiv(dialogUnits, kBaseX, 4); }
int verticalPixels(int dialogUnits) { return mulDiv(dialogUnits, kBaseY, 8); }

PixelRect toPixels(const DluRect& r) {
    const int left = horizontalPixels(r.x);
    const int top = verticalPixels(r.y);
    return {left, top, horizontalPixels(r.x + r.width) - left,
            verticalPixels(r.y + r.height) - top};
}

const ControlTemplate* findControl(const DialogTemplate& dialog, int id) {
    for (const auto& c : dialog.controls)
        if (c.id == id) return &c;
    return nullptr;
}

}  // namespace zovrek::shell
