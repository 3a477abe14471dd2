#pragma once

#include <cstdint>

using Rgb = std::uint32_t;  // 0xffRRGGBB, as the drawing surface takes it

constexpr Rgb MakeRgb(int r, int g, int b) {
    return 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

// The colours of the drawing.
constexpr Rgb kSegmentColour = MakeRgb(180, 180, 180);
constexpr Rgb kChargeColour = MakeRgb(200, 50, 50);
constexpr Rgb kFieldColour = MakeRgb(50, 250, 250);
constexpr Rgb kElementFieldColour = MakeRgb(250, 100, 250);
constexpr Rgb kEquipotentialColour = MakeRgb(50, 50, 250);
