#pragma once

#include <optional>

#include "field/currency.h"
#include "field/model_in_use.h"
#include "fieldmap/line_integral.h"

// What the voltmeter shows for the points A (evaluated before) and B (the
// current point) of the model's view.
struct VoltmeterReading {
    Currency va;      // V(A), V, rounded as the read-outs show it
    Currency vb;      // V(B)
    Currency deltaV;  // V(B) - V(A)
    double work;      // q·ΔV, µJ for q in µC
    // −∫E·dl along the straight path from A to B and its error bound, V;
    // empty when the path crosses or touches the charge as the view shows it
    // or, for elements in the front view, passes through one of them.
    std::optional<PathIntegral> lineIntegral;
};

// Empty when A or B has no value in the model or ΔV does not fit a Currency.
std::optional<VoltmeterReading> ReadVoltmeter(const FieldModel& model, WorldPoint a, WorldPoint b,
                                              double chargeMicrocoulombs);
