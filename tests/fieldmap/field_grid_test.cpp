#include <gtest/gtest.h>

#include <algorithm>
#include <clocale>
#include <cmath>

#include "field/ring_field.h"
#include "fieldmap/field_grid.h"
#include "fieldmap/grid_csv.h"
#include "trace/geometry.h"

namespace {

constexpr double kLambda = 1e-6;

// The field the program shows at a point, which its field lines follow.
FieldVector ShownField(const FieldModel& model, double x, double y) {
    const auto s = model.shownAt({x, y});
    if (model.view == View::Profile) {  // the plane's read-outs, along the radius
        const double r = model.evaluatedAt({x, y}).y, e = s->Ey.toDouble();
        return {e * x / r, e * y / r};
    }
    return {s->Ex.toDouble(), s->Ey.toDouble()};
}

// 18 x 18 cells over the view put a row on the axis, and a column on x = 0:
// the cells on the segment get no arrow, 16 at 100 % (x = 0, 1/15, ... 1),
// 8 at 50 % (x = 0, 2/15, ... 14/15), 4 at 25 %; in the profile view the one
// on the axis. No cell centre is within 0.009 m of the ring or the disk in the
// front view; in the profile view 2 of the ring's wire, 71 of the disk
// (counted in Python from the centres). Inside the ring the field points in.
TEST(FieldGrid, ArrowsFollowTheFieldAndLeaveTheSegmentOut) {
    const struct {
        const char* name;
        FieldModel model;
        double zoom;
        std::size_t arrows;
    } cases[] = {
        {"exact, 100 %", {kLambda}, 1, 18 * 18 - 16},
        {"exact, 25 %, negative", {-5 * kLambda}, 0.25, 18 * 18 - 4},
        {"50 charges, 100 %", {kLambda, 50}, 1, 18 * 18 - 16},
        {"10 charges, 50 %", {-kLambda, 10}, 0.5, 18 * 18 - 8},
        {"exact, profile", {kLambda, 0, View::Profile}, 1, 18 * 18 - 1},
        {"ring, profile", {kLambda, 0, View::Profile, &Ring()}, 1, 18 * 18 - 2},
        {"disk, profile", {-kLambda, 0, View::Profile, &Disk()}, 1, 18 * 18 - 71},
        {"disk, 20 rings", {kLambda, 20, View::Front, &Disk()}, 1, 18 * 18},
    };
    for (const auto& c : cases) {
        const FieldGrid grid =
            ComputeFieldGrid(c.model, WorldWindow::forZoom(c.zoom, 18, 18), 0.009);
        EXPECT_EQ(grid.arrows.size(), c.arrows) << c.name;
        for (const GridArrow& a : grid.arrows) {
            const FieldVector e = ShownField(c.model, a.x, a.y);
            const double size = std::hypot(e.ex, e.ey);
            if (size == 0) continue;  // the ring's centre, 1e-16 m off: no direction shown
            EXPECT_NEAR(a.unitX(), e.ex / size, 1e-6) << c.name << " at " << a.x << "," << a.y;
            EXPECT_NEAR(a.unitY(), e.ey / size, 1e-6) << c.name << " at " << a.x << "," << a.y;
            ASSERT_TRUE(a.shade >= 0 && a.shade < FieldGrid::kShades) << c.name;
            EXPECT_GE(a.magnitude, grid.bounds[a.shade]) << c.name;
            EXPECT_LE(a.magnitude, grid.bounds[a.shade + 1]) << c.name;
        }
        const auto strongest = std::max_element(
            grid.arrows.begin(), grid.arrows.end(),
            [](const GridArrow& a, const GridArrow& b) { return a.magnitude < b.magnitude; });
        EXPECT_EQ(strongest->shade, FieldGrid::kShades - 1) << c.name;
    }
}

// One cell centred on (0.5, 0.9375), 1.0625 from either end: Ex = 0,
// Ey = kλ·L/(y·r) = 9000/0.99609375, V = kλ·ln(25/9); in every locale.
TEST(FieldGrid, CsvHoldsEachArrowsField) {
    std::setlocale(LC_ALL, "");
    const FieldGrid grid = ComputeFieldGrid({kLambda}, {0, 1.4375, 1, 1, 1, 1}, 0);
    EXPECT_EQ(FieldGridCsv(grid, {kLambda}, 100),
              "# Rejilla de campo · vista frente · ampliación 100 % · λ = 1 µC/m · integral "
              "exacta sobre el segmento de 1 m · Segmento · Q = λ·1 m · k = 9·10⁹ N·m²/C²\n"
              "x (m),y (m),Ex (V/m),Ey (V/m),|E| (V/m),V (V)\n"
              "0.5,0.9375,0,9035.29411764706,9035.29411764706,9194.861227787833\n");
}

}  // namespace
