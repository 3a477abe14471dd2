#include "fieldmap/field_model.h"

#include <cmath>

namespace {

std::optional<FieldValue> InPlane(const FieldModel& model, double x, double y) {
    if (model.charges == 0) return ExactFieldAt(x, y, model.lambda);
    return PointChargeFieldAt(model.charges, x, y, model.lambda);
}

}  // namespace

std::optional<FieldValue> ModelFieldAt(const FieldModel& model, double x, double y) {
    if (model.view == MapView::Front) return InPlane(model, x, y);
    const double radius = std::hypot(x, y);
    if (radius == 0) return std::nullopt;
    const auto plane = InPlane(model, segment::kMiddle, radius);
    if (!plane) return std::nullopt;
    return FieldValue{plane->ey * x / radius, plane->ey * y / radius, plane->v};
}

std::optional<double> ModelPotentialAt(const FieldModel& model, double x, double y) {
    if (model.view == MapView::Profile)
        return ModelPotentialAt({model.lambda, model.charges}, segment::kMiddle, std::hypot(x, y));
    if (model.charges == 0) return PotentialAt(x, y, model.lambda);
    const auto f = PointChargeFieldAt(model.charges, x, y, model.lambda);
    if (!f) return std::nullopt;
    return f->v;
}
