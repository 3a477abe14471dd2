#include "field/model_in_use.h"

#include <cmath>

namespace {

FieldValue InPlane(const SpaceField& f) { return {f.ex, f.ey, f.v}; }

// The read-outs' rounding of a field in the drawing's plane.
std::optional<FieldSample> Rounded(const std::optional<SpaceField>& f) {
    return f ? Rounded(InPlane(*f)) : std::nullopt;
}

std::optional<FieldValue> FieldInPlane(const FieldModel& model, SpacePoint p) {
    const auto f = model.fieldInSpace(p);
    if (!f) return std::nullopt;
    return InPlane(*f);
}

}  // namespace

std::optional<SpaceField> FieldModel::fieldInSpace(SpacePoint p) const {
    if (charges == 0) return shape->exactField(p, lambda);
    SpaceField sum{0, 0, 0, 0};
    for (int i = 1; i <= charges; ++i) {
        const auto term = shape->elementField(i, charges, p, lambda);
        if (!term) return std::nullopt;
        sum = {sum.ex + term->ex, sum.ey + term->ey, sum.ez + term->ez, sum.v + term->v};
    }
    if (!std::isfinite(sum.ex) || !std::isfinite(sum.ey) || !std::isfinite(sum.ez) ||
        !std::isfinite(sum.v))
        return std::nullopt;
    return sum;
}

SpacePoint FieldModel::evaluatedAt(WorldPoint p) const {
    if (view == View::Front) return {p.x, p.y, 0};
    return {shape->bisectorX(), std::hypot(p.x, p.y), 0};
}

std::optional<FieldValue> FieldModel::fieldAt(WorldPoint p) const {
    const SpacePoint at = evaluatedAt(p);
    const auto plane = FieldInPlane(*this, at);
    if (!plane || view == View::Front) return plane;
    const double radius = at.y;
    // On the axis the field has no part across it: none in the view.
    if (radius == 0) return FieldValue{0, 0, plane->v};
    return FieldValue{plane->ey * p.x / radius, plane->ey * p.y / radius, plane->v};
}

std::optional<double> FieldModel::potentialAt(WorldPoint p) const {
    const SpacePoint at = evaluatedAt(p);
    if (charges == 0) return shape->exactPotential(at, lambda);
    const auto f = fieldInSpace(at);
    if (!f) return std::nullopt;
    return f->v;
}

std::optional<FieldSample> FieldModel::shownElementAt(int i, WorldPoint p) const {
    return Rounded(shape->elementField(i, charges, evaluatedAt(p), lambda));
}

std::optional<FieldSample> FieldModel::shownAt(WorldPoint p) const {
    if (charges == 0) return Rounded(shape->exactField(evaluatedAt(p), lambda));
    FieldSample sum{};
    for (int i = 1; i <= charges; ++i) {
        const auto term = shownElementAt(i, p);
        if (!term) return std::nullopt;
        const auto ex = sum.Ex.plus(term->Ex), ey = sum.Ey.plus(term->Ey), v = sum.V.plus(term->V);
        if (!ex || !ey || !v) return std::nullopt;
        sum = {*ex, *ey, *v};
    }
    return sum;
}

FieldModel ModelInUse(const ModelChoices& choices) {
    const bool exact = choices.model == 0 || choices.view != View::Front || choices.tracesLine;
    return {choices.lambda, exact ? 0 : choices.model, choices.view, choices.shape};
}
