#pragma once
// Scalar types and the layout array shared by every part of antkeys.
#include <array>
#include <cstdint>

namespace antkeys {

using Byte = std::uint8_t;     // 8-bit unsigned
using Integer = std::int16_t;  // 16-bit signed
using Long = std::int32_t;     // 32-bit signed
using Single = float;
using Double = double;

// Key index 0 is the dummy key; a keyboard has at most this many real keys.
inline constexpr int kMaxKeys = 64;
inline constexpr int kCharCodes = 256;

// A layout: for every character code the index of the key that carries it, 0 = not placed.
using Layout = std::array<Byte, kCharCodes>;
// A yes or no for every character code (e.g. which characters are fixed to their keys).
using CharFlags = std::array<bool, kCharCodes>;

}  // namespace antkeys
