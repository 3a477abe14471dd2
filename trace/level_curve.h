#pragma once

#include <vector>

#include "field/model_in_use.h"

// The equipotential through a point of the front view, for any shape, as
// strokes of world points in metres.
struct LevelCurve {
    std::vector<std::vector<WorldPoint>> strokes;  // each drawn as one continued stroke
    bool closed = false;                           // came back to where it started
    double level = 0;                              // V, the potential of the start
};

// The curve V = V(start) of the model's front view, followed numerically:
// steps across the field (along the level) corrected back onto it by Newton
// on V, the step halved where the curve turns sharply or the correction
// fails, from 0.01/zoom down to a thousandth of that. It is closed once it
// comes back to its start; else it is followed the other way too, each way
// ending where it has gone far beyond the window (its width beyond each of
// its sides), would cross the charge or cannot go on.
// A curve ending on a charge that lies across the axis at both ends (the
// disk's cut, where V is continuous) goes on beyond it as its mirror image,
// that charge's plane being one of symmetry. Empty where start has no value.
LevelCurve TraceLevelCurve(const FieldModel& model, WorldPoint start, double zoomFactor);

// The equipotential of the front view through p: the segment's exact
// ellipse (trace/geometry.h), else the traced level curve.
LevelCurve FrontEquipotential(const FieldModel& model, WorldPoint p, double zoomFactor);
