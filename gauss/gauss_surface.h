#pragma once

// A closed surface round the x axis for Gauss's law: a sphere centred on the
// axis, or a cylinder along it. Both look the same from every side of the
// axis, as every charge shape does, so the flux through them is an integral
// along the outline they cut from a half-plane (x, ρ ≥ 0) through the axis.
enum class SurfaceKind { Sphere, Cylinder };

struct GaussSurface {
    SurfaceKind kind = SurfaceKind::Sphere;
    double centre = 0.5;  // x of its centre on the axis, m
    double radius = 0.8;  // m
    double length = 1.0;  // the cylinder's, along the axis, m; a sphere has none

    bool operator==(const GaussSurface&) const = default;
};

// What the boxes, a drag and the command line accept, m.
namespace gauss_limits {
constexpr double kCentreMin = -10;
constexpr double kCentreMax = 10;
constexpr double kRadiusMin = 1e-4;
constexpr double kRadiusMax = 10;
constexpr double kLengthMin = 1e-4;
constexpr double kLengthMax = 20;
}  // namespace gauss_limits

// The surface with each measure brought inside the limits above.
GaussSurface WithinLimits(GaussSurface surface);

// Its area, m².
double SurfaceArea(const GaussSurface& surface);

// Half its greatest extent, m: the radius of a sphere.
double SurfaceSize(const GaussSurface& surface);

// How far the point (x, ρ) of the half-plane lies out of the surface, m:
// negative inside. Off a cylinder's corners, the distance to the nearer of
// the planes of its cap and its side.
double OutwardDistance(const GaussSurface& surface, double x, double rho);

// Where the point lies: inside the surface, on it (within a part in 10¹² of
// its size), or outside.
enum class Side { Inside, On, Outside };
Side SideOf(const GaussSurface& surface, double x, double rho);

// The surface moved out by `by` (in by −by) along its normal everywhere.
GaussSurface Grown(GaussSurface surface, double by);
