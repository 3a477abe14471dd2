#pragma once

#include <string>

#include "field/model_in_use.h"
#include "gauss/gauss_surface.h"

// The command line's and the files' word for a kind of surface: "esfera", "cilindro".
std::string SurfaceWord(SurfaceKind kind);

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
// A row per radius of SweepRangeFor(surface), as the window's plot takes
// them: Φ and Q_enc/ε₀ as the surface grows, its kind, centre and length kept.
std::string GaussSweepCsv(const FieldModel& model, const GaussSurface& surface);
