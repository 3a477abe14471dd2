#pragma once

#include <string>

#include "field/charge_distribution.h"

// The words that tell a reader which constant and which model a number comes
// from, written once for the about box, the plots' titles and every CSV's
// context line. None holds a comma, so a CSV's first line stays one cell.
namespace model_text {

// The constant of Coulomb's law every number of the program uses (segment::kCoulomb).
inline const std::string kCoulomb = "k = 9·10⁹ N·m²/C²";

// The shape's exact model, or its N-element model of `count` elements.
inline std::string Model(const ChargeDistribution& shape, int count) {
    return count == 0 ? shape.words().exactModel : shape.elementsText(std::to_string(count));
}

// The shape's name and how its charge follows from the density: "Anillo · Q = λ·π m".
inline std::string Charge(const ChargeDistribution& shape) {
    return shape.words().name + " · " + shape.words().totalCharge;
}

}  // namespace model_text
