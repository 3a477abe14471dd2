#pragma once

#include <array>
#include <cstdint>

#include "field/currency.h"
#include "field/domain.h"

using Rgb = std::uint32_t;  // 0xffRRGGBB, as the drawing surface takes it

constexpr Rgb MakeRgb(int r, int g, int b) {
    return 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

// The values the window's handlers compute and draw with: the read-outs'
// values, the elements taken, the pointer and the point in the coordinate
// boxes. The settings and the evaluated point are in Settings.
// Element arrays are indexed 1..50 like the elements on screen; entry 0 is unused.
struct SharedState {
    Currency FieldEx;  // along the horizontal axis of the view (X, or Z in the profile view)
    Currency FieldEy;
    Currency Potential;

    double PointerX = 0;  // last pointer position over the surface, or the typed point
    double PointerY = 0;
    double PointX = kStartPoint.x;  // the point the coordinate boxes hold and the marker marks
    double PointY = kStartPoint.y;
    double ProfileRadius = 0;  // distance of the point from the axis in the profile view

    std::array<std::uint8_t, kMaxElements + 1> ElementTaken{};
    std::array<Currency, kMaxElements + 1> ElementEx{};
    std::array<Currency, kMaxElements + 1> ElementEy{};
    std::array<Currency, kMaxElements + 1> ElementV{};

    std::int32_t PotentialStep = 0;  // volts between the lines of a set

    Rgb ColorSegment = MakeRgb(180, 180, 180);
    Rgb ColorCharge = MakeRgb(200, 50, 50);
    Rgb ColorField = MakeRgb(50, 250, 250);
    Rgb ColorElementField = MakeRgb(250, 100, 250);
    Rgb ColorEquipotential = MakeRgb(50, 50, 250);

    // Where the elements taken in manual mode were evaluated, so that a sum
    // never mixes contributions from two points.
    double SumPointX = 0;
    double SumPointY = 0;
    // Whether the arrow of the manual sum's totals is on the surface, to be
    // erased before the next one is drawn.
    bool TotalArrowShown = false;
};
