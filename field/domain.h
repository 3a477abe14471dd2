#pragma once

#include <array>

// The constants of the program's subject, each written here once: the
// charged segment, the choices offered for its density, its model and the
// zoom, and the world window the drawing shows.

// A point of a view's drawing in metres.
struct WorldPoint {
    double x;
    double y;
};

// The drawing a point belongs to: the plane of the charge (front), or the
// plane across it through its middle (profile). Each value is its option's
// id in the window's button group.
enum class View { Front = 0, Profile = 1 };

namespace segment {
constexpr double kCoulomb = 9e9;         // N·m²/C²
constexpr double kLength = 1.0;          // m, from (0, 0) to (kLength, 0)
constexpr double kMiddle = kLength / 2;  // x of the bisector, the profile view's plane
}  // namespace segment

constexpr double kMicro = 1e-6;  // densities are chosen in µC/m
constexpr std::array<int, 6> kDensityChoices{-10, -5, -1, 1, 5, 10};  // µC/m
constexpr int kStartDensity = 1;                                      // µC/m

// N, the number of point charges of the point-charge model.
constexpr std::array<int, 4> kElementCountChoices{5, 10, 20, 50};
constexpr int kStartElementCount = 5;
constexpr int kMaxElements = kElementCountChoices.back();

constexpr std::array<int, 4> kZoomPercentChoices{100, 50, 25, 10};
constexpr int kStartZoomPercent = 100;

// Volts between the lines of a set at zoom 1; the step follows the zoom factor.
constexpr int kPotentialStepAtZoom1 = 10000;

// The world window at zoom 1 spans both axes from kWorldLow to kWorldHigh
// metres; a zoom factor z divides both.
constexpr double kWorldLow = -0.1;
constexpr double kWorldHigh = 1.1;

constexpr WorldPoint kStartPoint{0.6, 0.4};
