#include "fieldmap/grid_csv.h"

#include "field/domain.h"
#include "field/model_text.h"
#include "field/number_text.h"

namespace {

std::string Context(const FieldModel& model, int zoomPercent) {
    const bool front = model.view == View::Front;
    const std::string charges = model_text::Model(*model.shape, model.charges);
    return "# Rejilla de campo · vista " + std::string(front ? "frente" : "perfil") +
           " · ampliación " + std::to_string(zoomPercent) + " % · " +
           model_text::Density(*model.shape, model.lambda) + " · " + charges + " · " +
           model_text::Charge(*model.shape) + " · " + model_text::kCoulomb + "\n";
}

}  // namespace

std::string FieldGridCsv(const FieldGrid& grid, const FieldModel& model, int zoomPercent) {
    // The profile view looks along the axis: its across axis is z.
    const std::string across = model.view == View::Front ? "x" : "z";
    std::string csv = Context(model, zoomPercent) + across + " (m),y (m),E" + across +
                      " (V/m),Ey (V/m),|E| (V/m),V (V)\n";
    for (const GridArrow& a : grid.arrows) {
        std::string row;
        for (double value : {a.x, a.y, a.field.ex, a.field.ey, a.magnitude, a.field.v})
            row += (row.empty() ? "" : ",") + CsvNumber(value);
        csv += row + "\n";
    }
    return csv;
}
