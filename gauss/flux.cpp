#include "gauss/flux.h"

#include <cmath>
#include <numbers>

#include "field/domain.h"

using std::numbers::pi;

double VacuumPermittivity() { return 1 / (4 * pi * segment::kCoulomb); }

namespace {

// The part of the charge's piece inside the surface, as the fractions of the
// way along it where it enters and leaves; empty where none is.
struct Stretch {
    double from;
    double to;
};

}  // namespace

EnclosedCharge ChargeInside(const FieldModel& model, const GaussSurface& surface) {
    (void)model;
    (void)surface;
    return {};
}

Flux FluxThrough(const FieldModel& model, const GaussSurface& surface) {
    (void)model;
    (void)surface;
    return {};
}

GaussFigures GaussLaw(const FieldModel& model, const GaussSurface& surface) {
    GaussFigures figures;
    figures.total = FluxThrough(model, surface);
    const EnclosedCharge inside = ChargeInside(model, surface);
    figures.enclosedCharge = inside.charge;
    figures.elementsOnSurface = inside.elementsOnSurface;
    figures.chargeOnSurface = inside.chargeOnSurface;
    figures.enclosedOverEpsilon0 = inside.charge / VacuumPermittivity();
    figures.area = SurfaceArea(surface);
    return figures;
}

std::vector<FluxAtRadius> FluxAgainstRadius(const FieldModel& model, GaussSurface surface,
                                            double from, double to, int count) {
    std::vector<FluxAtRadius> points;
    for (int i = 0; i < count; ++i) {
        surface.radius = from + (to - from) * i / (count - 1);
        points.push_back({surface.radius, FluxThrough(model, surface).value,
                          ChargeInside(model, surface).charge / VacuumPermittivity()});
    }
    return points;
}
