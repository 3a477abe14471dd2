#pragma once

#include <cctype>
#include <string>

#include "field/charge_distribution.h"
#include "field/domain.h"
#include "field/number_text.h"

// The words that tell a reader which constant and which model a number comes
// from, written once for the about box, the plots' titles and every CSV's
// context line. None holds a comma, so a CSV's first line stays one cell.
namespace model_text {

// The constant of Coulomb's law every number of the program uses (segment::kCoulomb).
inline const std::string kCoulomb = "k = 9·10⁹ N·m²/C²";
// The permittivity of vacuum Gauss's law divides by, from that constant.
inline const std::string kPermittivity = "ε₀ = 1/(4π·k)";

// The shape's exact model, or its N-element model of `count` elements.
inline std::string Model(const ChargeDistribution& shape, int count) {
    return count == 0 ? shape.words().exactModel : shape.elementsText(std::to_string(count));
}

// The density, given in C/m (C/m² over a surface), in the unit it is chosen
// in, for a CSV's first line: "λ = -5 µC/m", "σ = 1 µC/m²".
inline std::string Density(const ChargeDistribution& shape, double density) {
    return shape.densitySymbol() + " = " + CsvNumber(density / kMicro) + " µ" + shape.densityUnit();
}
// The whole charge at that density, in µC: "Q = 0.7853981633974483 µC".
inline std::string WholeCharge(const ChargeDistribution& shape, double density) {
    return "Q = " + CsvNumber(density / kMicro * shape.chargePerDensity()) + " µC";
}

// The shape's name and how its charge follows from the density: "Anillo · Q = λ·π m".
inline std::string Charge(const ChargeDistribution& shape) {
    return shape.words().name + " · " + shape.words().totalCharge;
}

// The charge's name in a sentence: "segmento", "anillo", "disco".
inline std::string ChargeNoun(const ChargeDistribution& shape) {
    std::string noun = shape.words().name.substr(0, shape.words().name.find(' '));
    noun[0] = char(std::tolower(static_cast<unsigned char>(noun[0])));
    return noun;
}

// Whether the shape's `count` elements are rings rather than point charges.
inline bool ElementsAreRings(const ChargeDistribution& shape, int count) {
    return count > 0 && shape.element(1, count).ringRadius > 0;
}

// The model as a tool's window names it, not for a CSV: "segmento continuo
// (integral)", "5 cargas puntuales", "5 anillos"; with manualSum, the
// window's read-outs show a sum of elements picked by hand, and the tool says
// (after a comma) that it takes all N.
inline std::string ShortName(const ChargeDistribution& shape, int count, bool manualSum = false) {
    if (count == 0) return ChargeNoun(shape) + " continuo (integral)";
    const std::string name =
        std::to_string(count) + (ElementsAreRings(shape, count) ? " anillos" : " cargas puntuales");
    return manualSum ? name + ", todas\n(no solo las sumadas a mano)" : name;
}

}  // namespace model_text
