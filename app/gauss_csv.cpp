#include "app/gauss_csv.h"

#include <cmath>
#include <initializer_list>

#include "field/model_text.h"
#include "field/number_text.h"
#include "gauss/flux.h"

namespace {

// The cells of a row; NaN, a figure there is none of, is an empty cell.
std::string Row(std::initializer_list<double> values) {
    std::string row;
    for (double value : values) row += (row.empty() ? "" : ",") + CsvNumber(value);
    return row + "\n";
}

// "esfera · centro x = 0.5 m", and the radius unless a sweep gives it.
std::string Surface(const GaussSurface& surface, bool withRadius) {
    std::string text = SurfaceWord(surface.kind) + " · centro x = " + CsvNumber(surface.centre) +
                       " m" + (withRadius ? " · radio " + CsvNumber(surface.radius) + " m" : "");
    if (surface.kind == SurfaceKind::Cylinder)
        text += " · largo " + CsvNumber(surface.length) + " m";
    return text;
}

// The charge, the model and the constants the figures come from.
std::string Source(const FieldModel& model) {
    const ChargeDistribution& shape = *model.shape;
    return model_text::Density(shape, model.lambda) + " · " +
           model_text::WholeCharge(shape, model.lambda) + " · " +
           model_text::Model(shape, model.charges) + " · " + model_text::Charge(shape) + " · " +
           model_text::kCoulomb + " · " + model_text::kPermittivity +
           (model.charges > 0 ? " · un elemento sobre la superficie cuenta la mitad" : "");
}

double Value(const std::optional<Flux>& flux) { return flux ? flux->value : NAN; }

}  // namespace

std::string SurfaceWord(SurfaceKind kind) {
    return kind == SurfaceKind::Sphere ? "esfera" : "cilindro";
}

std::string GaussCsv(const FieldModel& model, const GaussSurface& surface) {
    const GaussFigures g = GaussLaw(model, surface);
    const bool cylinder = surface.kind == SurfaceKind::Cylinder;
    std::string csv = "# Ley de Gauss · " + Surface(surface, true) + " · " + Source(model) + "\n";
    csv +=
        "superficie,centro (m),radio (m),largo (m),Φ (V·m),error estimado de Φ (V·m),Q_enc (C),"
        "elementos sobre la superficie,Q_enc/ε₀ (V·m),diferencia relativa,A (m²),|E| medio (V/m),"
        "E·n mínimo (V/m),E·n máximo (V/m),E·A (V·m),Φ tapa x menor (V·m),Φ tapa x mayor (V·m),"
        "Φ lateral (V·m)\n";
    csv +=
        SurfaceWord(surface.kind) + "," +
        Row({surface.centre, surface.radius, cylinder ? surface.length : NAN, g.total.value,
             g.total.error, g.enclosedCharge, model.charges > 0 ? double(g.elementsOnSurface) : NAN,
             g.enclosedOverEpsilon0, g.relativeDifference, g.area, g.meanField, g.leastNormal,
             g.greatestNormal, g.fieldTimesArea, Value(g.lowCap), Value(g.highCap), Value(g.side)});
    return csv;
}

std::string GaussSweepCsv(const FieldModel& model, const GaussSurface& surface) {
    const SweepRange sweep = SweepRangeFor(surface);
    std::string csv = "# Φ frente al radio · " + Surface(surface, false) + " · " +
                      std::to_string(kSweepRadii) + " radios de " + CsvNumber(sweep.from) +
                      " m a " + CsvNumber(sweep.to) + " m · " + Source(model) + "\n";
    csv += "radio (m),Φ (V·m),Q_enc/ε₀ (V·m)\n";
    for (const FluxAtRadius& point :
         FluxAgainstRadius(model, surface, sweep.from, sweep.to, kSweepRadii))
        csv += Row({point.radius, point.flux, point.enclosedOverEpsilon0});
    return csv;
}
