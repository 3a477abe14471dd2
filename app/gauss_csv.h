#pragma once

#include <string>

#include "field/model_in_use.h"
#include "gauss/gauss_surface.h"

// The command line's and the files' word for a kind of surface: "esfera", "cilindro".
std::string SurfaceWord(SurfaceKind kind);

// The radii Φ is drawn against: from 1 cm to half as far again as the
// surface's own radius, and at least to 1.5 m, past the whole charge of every
// shape, so that the curve shows Φ settling once all of it is inside.
// The Gauss window's plot spans the same radii.
namespace radius_sweep {
constexpr double kFrom = 0.01;    // m
constexpr double kLeastTo = 1.5;  // m
constexpr double kBeyond = 1.5;   // times the surface's radius
constexpr int kCount = 100;
}  // namespace radius_sweep
struct RadiusSweep {
    double from;
    double to;
    int count;
};
RadiusSweep SweepFor(const GaussSurface& surface);

// Gauss's law for a spreadsheet, as the plots' CSV are written: a first line
// that starts with "# " and holds no comma, saying what was computed (the
// surface, the density and the whole charge Q in µC, the model with the shape,
// its charge and the constants k and ε₀); a header row with names and units;
// '.' as the decimal separator in every locale, each value the shortest text
// that reads back as the same double, and an empty cell for a figure the
// surface or the model has none of (a sphere's caps and side, the exact
// model's elements on the surface).
// One row: the surface and every figure the Gauss window shows of it.
std::string GaussCsv(const FieldModel& model, const GaussSurface& surface);
// A row per radius of SweepFor(surface): Φ and Q_enc/ε₀ as the surface grows,
// its kind, centre and length kept.
std::string GaussSweepCsv(const FieldModel& model, const GaussSurface& surface);
