#pragma once

#include <array>
#include <cstdint>

#include "field/currency.h"

using Rgb = std::uint32_t;  // 0xffRRGGBB, as the drawing surface takes it

constexpr Rgb MakeRgb(int r, int g, int b) {
    return 0xff000000u | (std::uint32_t(r) << 16) | (std::uint32_t(g) << 8) | std::uint32_t(b);
}

constexpr int kMaxElements = 50;

// Everything the program knows, read and written by the window's handlers.
// Element arrays are indexed 1..50 like the elements on screen; entry 0 is unused.
struct SharedState {
    bool FrontView = true;  // false in the profile view (the plane x = 0.5)
    double ZoomFactor = 1;  // 1, 0.5, 0.25 or 0.1
    int ElementCount = 5;   // N: 5, 10, 20 or 50
    double Lambda = 1e-6;   // linear charge density, C/m

    Currency FieldEx;  // along the horizontal axis of the view (X, or Z in the profile view)
    Currency FieldEy;
    Currency Potential;

    double StepX = 0;  // element width, or the x part of the last field-line step
    double StepY = 0;  // the y part of the last field-line step

    double PointerX = 0;  // last pointer position over the surface, or the typed point
    double PointerY = 0;
    double PointX = 0.6;  // the current, marked point
    double PointY = 0.4;
    double ProfileRadius = 0;  // distance of the point from the axis in the profile view

    std::array<std::uint8_t, kMaxElements + 1> ElementTaken{};
    std::array<Currency, kMaxElements + 1> ElementEx{};
    std::array<Currency, kMaxElements + 1> ElementEy{};
    std::array<Currency, kMaxElements + 1> ElementV{};

    bool UseTypedPoint = false;      // "Calcular" asks for the point in CajaX, CajaY
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

    // A running set of lines ends when the view, the charge settings or the
    // operation mode change under it, or when the program ends.
    int SettingChanges = 0;
    bool Quitting = false;
    // Points evaluated by a click or "Calcular": once a point has been
    // evaluated during a set, the read-outs are that point's and the set
    // stops writing its lines' potential there.
    int PointsEvaluated = 0;
};
