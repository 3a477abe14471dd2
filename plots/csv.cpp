#include "plots/csv.h"

#include <cmath>

#include "field/domain.h"
#include "field/number_text.h"

namespace {

std::string Row(std::initializer_list<double> values) {
    std::string row;
    bool first = true;
    for (double value : values) row += (first ? "" : ",") + CsvNumber(value), first = false;
    return row + "\n";
}

std::string Density(double lambda) {
    const ChargeDistribution& shape = StartShape();
    return shape.densitySymbol() + " = " + CsvNumber(lambda / kMicro) + " µ" + shape.densityUnit();
}

std::string Slope(const char* what, const std::optional<FittedSlope>& fit) {
    if (!fit) return std::string(" · ") + what + " sin ley de potencias";
    return std::string(" · pendiente ") + what + " " + CsvFixed(fit->slope, 2) +
           " de N = " + std::to_string(fit->fromN) + " a " + std::to_string(kConvergenceLargestN);
}

std::string Limit(const char* what, const std::optional<int>& n) {
    if (!n) return "";
    return std::string(" · ") + what + " se pierde en el redondeo desde N = " + std::to_string(*n) +
           " (celdas vacías)";
}

}  // namespace

std::string BisectorCsv(const std::vector<BisectorSample>& samples, const FieldModel& model) {
    const int n = model.charges;
    std::string csv = "# Mediatriz x = " + CsvNumber(model.shape->bisectorX()) + " m · " +
                      Density(model.lambda) + " · " + BisectorModels(*model.shape, n) + "\n";
    const std::string charges = "cargas puntuales N=" + std::to_string(n);
    csv += "s (m),|E| exacto (V/m)," + (n > 0 ? "|E| " + charges + " (V/m)," : "") +
           "|E| línea infinita (V/m),|E| carga puntual (V/m),V exacto (V)," +
           (n > 0 ? "V " + charges + " (V)," : "") + "V carga puntual (V)\n";
    for (const BisectorSample& b : samples)
        csv += n > 0 ? Row({b.s, b.exactE, b.chargesE, b.lineE, b.pointE, b.exactV, b.chargesV,
                            b.pointV})
                     : Row({b.s, b.exactE, b.lineE, b.pointE, b.exactV, b.pointV});
    return csv;
}

std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples, double x, double y,
                           double lambda) {
    const ConvergenceSlopes slopes = FittedSlopes(samples);
    std::string csv = "# Convergencia en x = " + CsvNumber(x) + " m y = " + CsvNumber(y) + " m · " +
                      Density(lambda) + " · " + ConvergenceModels(StartShape()) +
                      Slope("|E|", slopes.field) + Slope("V", slopes.potential) +
                      Limit("|E|", FieldPrecisionLimit(samples)) +
                      Limit("V", PotentialPrecisionLimit(samples)) + "\n";
    csv += "N,error relativo |E|,error relativo V\n";
    for (const ConvergenceSample& c : samples) csv += Row({double(c.n), c.errorE, c.errorV});
    return csv;
}
