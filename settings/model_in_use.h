#pragma once

#include "settings/settings.h"

// The model in use, the one the read-outs use: the number of point charges,
// or 0 for the integral, which is in use when "Infinito (Integral)" is
// chosen, when a click traces a line and in the profile view.
inline int PointChargesInUse(const Settings& settings) {
    const bool exact = settings.exactModel() || !settings.front() ||
                       settings.action() != Action::FieldAndPotential;
    return exact ? 0 : settings.model();
}
