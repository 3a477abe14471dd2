#include "plots/bisector.h"

#include <cmath>

#include "field/model_text.h"

std::vector<BisectorSample> BisectorSamples(const FieldModel& model) {
    std::vector<BisectorSample> samples;
    samples.reserve(kBisectorSamples);
    const double decades = std::log10(kBisectorFarthest / kBisectorNearest);
    const FieldModel exactModel{model.lambda, 0, View::Front, model.shape};
    const double x = model.shape->bisectorX();
    for (int k = 0; k < kBisectorSamples; ++k) {
        const double s = kBisectorNearest * std::pow(10, decades * k / (kBisectorSamples - 1));
        // Off the charge both models are finite: s is at least 1 mm.
        const FieldValue exact = *exactModel.fieldAt({x, s});
        const FieldValue charges =
            model.charges > 0 ? *model.fieldAt({x, s}) : FieldValue{NAN, NAN, NAN};
        const BisectorLimits limits = model.shape->bisectorLimits(s, model.lambda);
        samples.push_back({s, std::hypot(exact.ex, exact.ey), std::hypot(charges.ex, charges.ey),
                           limits.lineE, limits.pointE, exact.v, charges.v, limits.pointV});
    }
    return samples;
}

std::string BisectorModels(const ChargeDistribution& shape, int n) {
    return model_text::Model(shape, 0) + (n > 0 ? " y " + model_text::Model(shape, n) : "") +
           " · " + model_text::Charge(shape) + " · " + model_text::kCoulomb;
}
