#include "plots/bisector.h"

#include <cmath>

#include "field/model_text.h"

std::vector<BisectorSample> BisectorSamples(const FieldModel& model) {
    std::vector<BisectorSample> samples;
    samples.reserve(kBisectorSamples);
    const double decades = std::log10(kBisectorFarthest / kBisectorNearest);
    const ChargeDistribution& shape = *model.shape;
    // The line lies in the plane z = 0: the front view's.
    const FieldModel exactModel{model.lambda, 0, View::Front, &shape};
    const FieldModel chargesModel{model.lambda, model.charges, View::Front, &shape};
    const PlotLine line = shape.plotLine();
    for (int k = 0; k < kBisectorSamples; ++k) {
        const double s = kBisectorNearest * std::pow(10, decades * k / (kBisectorSamples - 1));
        const WorldPoint p{line.start.x + s * line.direction.x,
                           line.start.y + s * line.direction.y};
        // Off the charge both models are finite: s is at least 1 mm.
        const FieldValue exact = *exactModel.fieldAt(p);
        const FieldValue charges =
            model.charges > 0 ? *chargesModel.fieldAt(p) : FieldValue{NAN, NAN, NAN};
        const BisectorLimits limits = shape.bisectorLimits(s, model.lambda);
        samples.push_back({s, std::hypot(exact.ex, exact.ey), std::hypot(charges.ex, charges.ey),
                           limits.lineE, limits.pointE, limits.planeE, exact.v, charges.v,
                           limits.pointV});
    }
    return samples;
}

std::string BisectorModels(const ChargeDistribution& shape, int n) {
    return model_text::Model(shape, 0) + (n > 0 ? " y " + model_text::Model(shape, n) : "") +
           " · " + model_text::Charge(shape) + " · " + model_text::kCoulomb;
}

bool AlongTheAxis(const ChargeDistribution& shape) { return shape.plotLine().direction.y == 0; }

std::string ElementsNoun(const ChargeDistribution& shape) {
    return shape.element(1, 1).ringRadius != 0 ? "anillos" : "cargas puntuales";
}
