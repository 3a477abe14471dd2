#pragma once

#include <array>
#include <cstdint>

#include "field/currency.h"
#include "field/domain.h"

// The values the window's handlers compute and draw with: the read-outs'
// values, the elements taken and the pointer. What the user chose, the
// point among it, is in Settings.
// ElementTaken is indexed 1..50 like the elements on screen; entry 0 is unused.
struct SharedState {
    Currency FieldEx;  // along the horizontal axis of the view (X, or Z in the profile view)
    Currency FieldEy;
    Currency Potential;

    double PointerX = 0;  // last pointer position over the surface, or the typed point
    double PointerY = 0;
    double ProfileRadius = 0;  // distance of the point from the axis in the profile view

    std::array<std::uint8_t, kMaxElements + 1> ElementTaken{};

    // Where the elements taken in manual mode were evaluated, so that a sum
    // never mixes contributions from two points.
    double SumPointX = 0;
    double SumPointY = 0;
    // Whether the arrow of the manual sum's totals is on the surface, to be
    // erased before the next one is drawn.
    bool TotalArrowShown = false;
};
