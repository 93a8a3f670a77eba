#pragma once
// The colours of each family of keys, as on a desk printing calculator: light digits, darker
// operators, accented clear and equals keys. Colours are 0xRRGGBB; the face runs from `top`
// to `bottom`, and the edges are derived from them.

#include <cstdint>

#include "pictures/keypad_picture_table.h"

namespace zovrek::pictures {

struct FaceColours {
    KeyFace face;
    std::uint32_t top;
    std::uint32_t bottom;
    std::uint32_t label;
};

inline constexpr FaceColours kFaceColours[] = {
    {KeyFace::Digit, 0xfbfaf6, 0xdedad1, 0x1d1d1f},
    {KeyFace::Operator, 0x6f747c, 0x50545b, 0xffffff},
    {KeyFace::Function, 0xc9cdd3, 0xa9aeb6, 0x17191d},
    {KeyFace::Memory, 0x5b87b0, 0x3d6890, 0xffffff},
    {KeyFace::Clear, 0xe04a3c, 0xb3291f, 0xffffff},
    {KeyFace::Correction, 0xf5a04a, 0xe07b1f, 0x1d1d1f},
    {KeyFace::Equals, 0x47a067, 0x2c7a48, 0xffffff},
    {KeyFace::Command, 0xeceff3, 0xccd2da, 0x1b2430},
};

constexpr const FaceColours& faceColours(KeyFace face) {
    return kFaceColours[static_cast<int>(face)];
}

static_assert(
    [] {
        int i = 0;
        for (const auto& c : kFaceColours)
            if (static_cast<int>(c.face) != i++) return false;
        return true;
    }(),
    "kFaceColours follows the order of KeyFace");

}  // namespace zovrek::pictures
