#pragma once

#include <string>

// The words that tell a reader which constant and which model a number comes
// from, written once for the about box, the plots' titles and every CSV's
// context line. None holds a comma, so a CSV's first line stays one cell.
namespace model_text {

// The constant of Coulomb's law every number of the program uses (segment::kCoulomb).
inline const std::string kCoulomb = "k = 9·10⁹ N·m²/C²";

// The exact model: the closed-form integral over the continuous segment.
inline const std::string kExact = "integral exacta sobre el segmento de 1 m";

// The point-charge model of `count` elements (a number, or "N" for any):
// each element's charge at its centre.
inline std::string PointCharges(const std::string& count) {
    return count + " cargas puntuales Q/" + count + " en los centros de " + count +
           " elementos iguales";
}
inline std::string PointCharges(int n) { return PointCharges(std::to_string(n)); }

// The total charge of the segment.
inline const std::string kTotalCharge = "Q = λ·1 m";

}  // namespace model_text
