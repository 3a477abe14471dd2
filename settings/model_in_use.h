#pragma once

#include "field/model_in_use.h"
#include "settings/settings.h"

// The user's choices as the rule of the model in use takes them.
inline ModelChoices ChoicesOf(const Settings& settings) {
    return {settings.lambda(), settings.model(), settings.view(),
            settings.action() != Action::FieldAndPotential, &settings.shape()};
}

// The model every evaluation of the window uses.
inline FieldModel ModelInUse(const Settings& settings) { return ModelInUse(ChoicesOf(settings)); }

// The charge the window shows.
inline const ChargeDistribution& ShapeInUse(const Settings& settings) { return settings.shape(); }

// The N point charges of the charge the window shows, as the manual mode and
// the element arrows take them one by one.
inline FieldModel PointChargeModel(const Settings& settings) {
    return {settings.lambda(), settings.elementCount(), View::Front, &ShapeInUse(settings)};
}
