#pragma once

#include <optional>

#include "field/segment_field.h"

// Which drawing a world point belongs to: the plane of the segment, or the
// plane across it through its middle, where the field at the distance r from
// the axis is that of the mid-plane point (0.5, r), pointing along the radius.
enum class MapView { Front, Profile };

// The model in use: the exact integral or N point charges, for the density lambda.
struct FieldModel {
    double lambda;    // C/m
    int charges = 0;  // 0: the exact integral
    MapView view = MapView::Front;
};

// The field and potential at the world point (x, y) of the model's view, not
// rounded; empty where the model has no value.
std::optional<FieldValue> ModelFieldAt(const FieldModel& model, double x, double y);

// The potential alone; empty where the model has no potential.
std::optional<double> ModelPotentialAt(const FieldModel& model, double x, double y);
