#include "plots/csv.h"

#include <charconv>

namespace {

// to_chars never looks at the C library's locale.
std::string Number(double value) {
    char buffer[32];
    return {
        buffer,
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 10).ptr};
}

std::string Row(std::initializer_list<double> values) {
    std::string row;
    for (double value : values) row += (row.empty() ? "" : ",") + Number(value);
    return row + "\n";
}

}  // namespace

std::string BisectorCsv(const std::vector<BisectorSample>& samples, int n) {
    const std::string charges = "cargas puntuales N=" + std::to_string(n);
    std::string csv = "s (m),|E| exacto (V/m),|E| " + charges +
                      " (V/m),|E| línea infinita (V/m),|E| carga puntual (V/m),V exacto (V),V " +
                      charges + " (V),V carga puntual (V)\n";
    for (const BisectorSample& b : samples)
        csv += Row({b.s, b.exactE, b.chargesE, b.lineE, b.pointE, b.exactV, b.chargesV, b.pointV});
    return csv;
}

std::string ConvergenceCsv(const std::vector<ConvergenceSample>& samples) {
    std::string csv = "N,error relativo |E|,error relativo V\n";
    for (const ConvergenceSample& c : samples) csv += Row({double(c.n), c.errorE, c.errorV});
    return csv;
}
