// Field lines and equipotentials through a point, and sets of equipotentials.

#include <QCoreApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <cmath>

#include "mainwindow/main_window.h"
#include "trace/geometry.h"
#include "view/drawing_surface.h"
#include "view/line_drawing.h"

using segment::kMiddle;

std::optional<FieldSample> MainWindow::storeField(double x, double y) {
    const auto sample = ComputeField(x, y, settings_.lambda());
    if (sample) {
        state_.FieldEx = sample->Ex;
        state_.FieldEy = sample->Ey;
        state_.Potential = sample->V;
    }
    return sample;
}

// Follows the field from the current point outward to the edge of the window
// and inward to the segment, in XOR so that tracing the same point again erases it.
void MainWindow::traceFieldLine() {
    DrawingSurface& surface = *ui_.surface;
    if (!storeField(state_.PointX, state_.PointY)) return;
    drawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    surface.setPen(DrawingSurface::Pen::Xor);
    ui_.exBox->setText("");
    ui_.eyBox->setText("");

    const FieldAt field = [this](double x, double y) -> std::optional<FieldVector> {
        const auto sample = storeField(x, y);
        if (!sample) return std::nullopt;
        return FieldVector{sample->Ex.toDouble(), sample->Ey.toDouble()};
    };
    const double z = settings_.zoomFactor();
    const double h = std::copysign(0.01, settings_.lambda()) / z;  // away from the charge
    const WorldPoint start{state_.PointX, state_.PointY};

    surface.setPixel(start.x, start.y, surface.foreground());
    const long long limit = FieldLineStepLimit(start, h, z);
    const FieldLinePass outward = TraceFieldLinePass(
        start, h, field, [z](double x, double y) { return OutsideWorldWindow(x, y, z); }, limit);
    ContinuePolyline(surface, outward.points, state_.ColorField);
    surface.setPixel(start.x, start.y, state_.ColorField);
    const FieldLinePass inward = TraceFieldLinePass(
        start, -h, field, [z](double x, double y) { return InsideSegmentBox(x, y, z); }, limit);
    ContinuePolyline(surface, inward.points, state_.ColorField);
    surface.setPen(DrawingSurface::Pen::Copy);
}

// The curve alone, with the copy pen: in the front view the ellipse with foci
// at the segment's ends through (x, y); in the profile view the circle of
// radius y around the axis.
void MainWindow::drawEquipotential(bool front, double x, double y) {
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    if (front)
        DrawPolyline(*ui_.surface, EquipotentialEllipse(x, y, settings_.zoomFactor()),
                     state_.ColorEquipotential);
    else
        ui_.surface->drawCircle(0, 0, y, state_.ColorEquipotential);
}

// The ellipse through (x, y), and its potential.
void MainWindow::traceEquipotential(double x, double y) {
    if (!storeField(x, y)) return;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawEquipotential(true, x, y);
}

// The circle around the axis at the distance ProfileRadius, and its potential.
void MainWindow::traceProfileEquipotential() {
    const auto potential = PotentialAt(kMiddle, state_.ProfileRadius, settings_.lambda());
    const auto stored = potential ? Currency::fromDouble(*potential) : std::nullopt;
    if (!stored) return;
    state_.Potential = *stored;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawEquipotential(false, 0, state_.ProfileRadius);
}

// One line of a set through (0.5, s). While the read-outs are the set's, the
// line shows its potential like a single line; once the user has evaluated a
// point meanwhile, it is only drawn, so the read-outs stay that point's.
void MainWindow::traceLineOfSet(bool front, double s, bool showValue) {
    if (!showValue) {
        drawEquipotential(front, kMiddle, s);
    } else if (front) {
        traceEquipotential(kMiddle, s);
    } else {
        state_.ProfileRadius = s;
        traceProfileEquipotential();
    }
}

// A set of equipotentials spaced by PotentialStep volts, scanning outward from
// the segment along the bisector. The scan yields to the window once per
// position; meanwhile every control stays live. "Limpiar" and the zoom let it
// go on (the zoom sets the potential step that the next level uses); a change
// of view, charge settings or operation mode ends it, as does the end of the
// program. The current point is left where the user put it.
void MainWindow::drawEquipotentialSet(bool front) {
    const EquipotentialScanRange range = ScanRangeFor(settings_.zoomFactor());
    using Change = Settings::Change;
    bool ended = settings_.ending();
    bool pointEvaluated = false;  // the read-outs are that point's from then on
    const auto watch = connect(&settings_, &Settings::changed, this, [&](Settings::Changes what) {
        ended = ended || what.testAnyFlags(Change::View | Change::Charge | Change::Operation |
                                           Change::Ending);
        pointEvaluated = pointEvaluated || what.testFlag(Change::Point);
    });
    const auto unwatch = qScopeGuard([watch] { disconnect(watch); });
    EquipotentialLevels levels;
    for (double s = range.first; s <= range.end; s += range.step) {
        const auto potential = PotentialAt(kMiddle, s, settings_.lambda());
        if (!potential) break;
        if (front && !pointEvaluated)
            state_.Potential = Currency::fromDouble(*potential).value_or(state_.Potential);
        const auto decision = levels.visit(s == range.first, *potential, state_.PotentialStep);
        for (int k = 0; k < decision.linesToDraw; ++k) traceLineOfSet(front, s, !pointEvaluated);
        if (decision.stop) break;
        QCoreApplication::processEvents();
        if (ended) break;
    }
}
