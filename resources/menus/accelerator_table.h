#pragma once
// Accelerator table 128: every key of the calculator. The first entry that matches wins,
// which matters only for Ctrl+P (print before paste).

#include "engine/command_ids.h"
#include "shell/accelerators.h"

namespace zovrek::menus {

using namespace zovrek::shell;

inline constexpr std::uint8_t V = kVirtualKey | kNoInvert;  // a virtual key
inline constexpr std::uint8_t C = kNoInvert;                // a typed character

inline constexpr Accelerator kAccelerators[] = {
    {V, '0', cmd::Zero},        {V, vk::Numpad0 + 0, cmd::Zero},
    {V, '1', cmd::One},         {V, vk::Numpad0 + 1, cmd::One},
    {V, '2', cmd::Two},         {V, vk::Numpad0 + 2, cmd::Two},
    {V, '3', cmd::Three},       {V, vk::Numpad0 + 3, cmd::Three},
    {V, '4', cmd::Four},        {V, vk::Numpad0 + 4, cmd::Four},
    {V, '5', cmd::Five},        {V, vk::Numpad0 + 5, cmd::Five},
    {V, '6', cmd::Six},         {V, vk::Numpad0 + 6, cmd::Six},
    {V, '7', cmd::Seven},       {V, vk::Numpad0 + 7, cmd::Seven},
    {V, '8', cmd::Eight},       {V, vk::Numpad0 + 8, cmd::Eight},
    {V, '9', cmd::Nine},        {V, vk::Numpad0 + 9, cmd::Nine},
    {C, '.', cmd::Decimal},     {V, vk::Decimal, cmd::Decimal},
    {C, '+', cmd::Plus},        {V, vk::Add, cmd::Plus},
    {C, '-', cmd::Minus},       {V, vk::Subtract, cmd::Minus},
    {V | kShift, '8', cmd::Times}, {V, vk::Multiply, cmd::Times},
    {C, '/', cmd::Divide},      {V, vk::Divide, cmd::Divide},
    {C, '=', cmd::Equal},       {V, vk::Return, cmd::Equal},
    {V, vk::Back, cmd::Back},
    {V, vk::Escape, cmd::ClearEntry},
    {V | kControl, vk::Delete, cmd::Clear},
    {V | kControl | kAlt, vk::Return, cmd::ClearAll},
    {V, vk::F1 + 3, cmd::PlusMinus},
    {V, vk::F1 + 4, cmd::Squared},
    {V, vk::F1 + 5, cmd::Sqrt},
    {V, vk::F1 + 6, cmd::Percent},
    {V, vk::F1 + 7, cmd::Invert},
    {V, vk::F1 + 8, cmd::MemoryPlus},
    {V, vk::F1 + 9, cmd::MemoryMinus},
    {V, vk::F1 + 10, cmd::MemoryRecall},
    {V, vk::F1 + 11, cmd::MemoryClear},
    {V | kControl, 'D', cmd::MemorySelect},
    {V | kControl, 'U', cmd::DigitUp},
    {V | kAlt, 'E', cmd::TapeEdit},
    {V, vk::Space, cmd::CalculatorMode},
    {V | kControl, 'P', cmd::Print},
    {V | kControl, 'P', cmd::EditPaste},
    {V | kControl, 'S', cmd::EditSelectAll},
    {V | kControl, vk::Insert, cmd::EditCopy},
    {V | kControl | kLastEntry, vk::F1, cmd::HelpDefault},
};

static_assert(std::size(kAccelerators) == 54);

}  // namespace zovrek::menus
