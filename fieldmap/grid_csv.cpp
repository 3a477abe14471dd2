#include "fieldmap/grid_csv.h"

#include <charconv>

namespace {

// to_chars never looks at the C library's locale.
std::string Number(double value) {
    char buffer[32];
    return {
        buffer,
        std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 10).ptr};
}

}  // namespace

std::string FieldGridCsv(const FieldGrid& grid) {
    std::string csv = "x (m),y (m),Ex (V/m),Ey (V/m),|E| (V/m),V (V)\n";
    for (const GridArrow& a : grid.arrows) {
        std::string row;
        for (double value : {a.x, a.y, a.field.ex, a.field.ey, a.magnitude, a.field.v})
            row += (row.empty() ? "" : ",") + Number(value);
        csv += row + "\n";
    }
    return csv;
}
