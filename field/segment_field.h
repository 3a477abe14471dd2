#pragma once

#include <optional>

#include "field/domain.h"
#include "field/field_value.h"

// The electric field and potential of a straight segment from (0, 0) to
// (L, 0) carrying a uniform linear charge density, in vacuum.

// Exact model, not rounded: for comparisons of the models. Empty where
// ComputeField's parts are not finite.
std::optional<FieldValue> ExactFieldAt(double x, double y, double lambda);

// Exact model: the closed-form integral over the continuous segment at (x, y)
// for the density lambda (C/m). Empty where the field has no value (on the
// closed segment, ends included) or a result is not finite or does not fit a
// Currency.
std::optional<FieldSample> ComputeField(double x, double y, double lambda);

// Exact potential at (x, y), not rounded; empty where ComputeField has no potential.
std::optional<double> PotentialAt(double x, double y, double lambda);

// Point-charge model: element i of n (1-based) carries the charge lambda/n at
// the centre of [(i - 1)/n, i/n]. Its contribution at (x, y), not rounded;
// empty where it is not finite (at or extremely close to the element's centre).
std::optional<FieldValue> ElementFieldAt(int i, int n, double x, double y, double lambda);

// Centre of element i of n on the x axis.
double ElementCentre(int i, int n);

// The segment as a charge shape (field/charge_distribution.h): these
// formulas, and in space the same about the axis.
class ChargeDistribution;
const ChargeDistribution& UniformSegment();

// The same segment with its density growing along it, λ(x) = 2λ·x/L: the
// same total charge λL, its N equal pieces each with its own charge.
const ChargeDistribution& GrowingSegment();
