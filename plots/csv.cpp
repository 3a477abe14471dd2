#include "plots/csv.h"

#include <cmath>

#include "field/domain.h"
#include "field/model_text.h"
#include "field/number_text.h"

namespace {

// The cells of a row; none for a column left out.
std::string Row(std::initializer_list<std::optional<double>> values) {
    std::string row;
    bool first = true;
    for (const std::optional<double>& value : values) {
        if (!value) continue;
        row += (first ? "" : ",") + CsvNumber(*value), first = false;
    }
    return row + "\n";
}

// The density with its symbol and unit, and the whole charge, in µC.
std::string Charge(const ChargeDistribution& shape, double density) {
    return model_text::Density(shape, density) + " · " + model_text::WholeCharge(shape, density);
}

std::string Slope(const char* what, const std::optional<FittedSlope>& fit, ConvergenceLaw law) {
    const bool geometric = law == ConvergenceLaw::Geometric;
    if (!fit)
        return std::string(" · ") + what +
               (geometric ? " sin caída geométrica" : " sin ley de potencias");
    const std::string range =
        " de N = " + std::to_string(fit->fromN) + " a " + std::to_string(fit->toN);
    if (geometric)
        return std::string(" · ") + what + " cae ×10 cada ΔN ≈ " + CsvFixed(TenfoldStep(*fit), 2) +
               range;
    return std::string(" · pendiente ") + what + " " + CsvFixed(fit->slope, 2) + range;
}

std::string Limit(const char* what, const std::optional<int>& n) {
    if (!n) return "";
    return std::string(" · ") + what + " se pierde en el redondeo desde N = " + std::to_string(*n) +
           " (celdas vacías)";
}

// A column the shape has: its header, else none and its cells left out.
std::string Column(bool has, const std::string& header) { return has ? header + "," : ""; }
std::optional<double> Cell(bool has, double value) {
    return has ? std::optional(value) : std::nullopt;
}

}  // namespace

std::string PlotLineText(const ChargeDistribution& shape) {
    const std::string name = shape.words().plotLine;
    if (AlongTheAxis(shape)) return name;
    return name + " x = " + CsvNumber(shape.plotLine().start.x) + " m";
}

std::string BisectorCsv(const std::vector<BisectorSample>& samples, const FieldModel& model) {
    const int n = model.charges;
    const ChargeDistribution& shape = *model.shape;
    std::string csv = "# " + PlotLineText(shape) + " · " + Charge(shape, model.lambda) + " · " +
                      BisectorModels(shape, n) + "\n";
    const std::string elements = ElementsNoun(shape) + " N=" + std::to_string(n);
    const bool charges = n > 0, line = !std::isnan(shape.bisectorLimits(1, 1).lineE),
               plane = !std::isnan(shape.bisectorLimits(1, 1).planeE);
    csv += "s (m),|E| exacto (V/m)," + Column(charges, "|E| " + elements + " (V/m)") +
           Column(line, "|E| línea infinita (V/m)") + "|E| carga puntual (V/m)," +
           Column(plane, "|E| plano infinito (V/m)") + "V exacto (V)," +
           Column(charges, "V " + elements + " (V)") + "V carga puntual (V)\n";
    for (const BisectorSample& b : samples)
        csv += Row({b.s, b.exactE, Cell(charges, b.chargesE), Cell(line, b.lineE), b.pointE,
                    Cell(plane, b.planeE), b.exactV, Cell(charges, b.chargesV), b.pointV});
    return csv;
}

std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples,
                           const ChargeDistribution& shape, double x, double y, double lambda) {
    const ConvergenceLaw law = shape.convergenceLaw();
    const ConvergenceSlopes slopes = FittedSlopes(samples, law);
    std::string csv = "# Convergencia en x = " + CsvNumber(x) + " m y = " + CsvNumber(y) + " m · " +
                      Charge(shape, lambda) + " · " + ConvergenceModels(shape) +
                      Slope("|E|", slopes.field, law) + Slope("V", slopes.potential, law) +
                      Limit("|E|", FieldPrecisionLimit(samples)) +
                      Limit("V", PotentialPrecisionLimit(samples)) + "\n";
    csv += "N,error relativo |E|,error relativo V\n";
    for (const ConvergenceSample& c : samples) csv += Row({double(c.n), c.errorE, c.errorV});
    return csv;
}
