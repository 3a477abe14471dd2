// Field lines and equipotentials through a point, and sets of equipotentials.

#include <QCoreApplication>
#include <QLineEdit>
#include <QScopeGuard>
#include <cmath>

#include "mainwindow/main_window.h"
#include "trace/geometry.h"
#include "trace/line_drawing.h"
#include "view/drawing_surface.h"

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
    const WorldPoint start = settings_.point();
    if (!storeField(start.x, start.y)) return;
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
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

    surface.setPixel(start.x, start.y, surface.foreground());
    const long long limit = FieldLineStepLimit(start, h, z);
    const FieldLinePass outward = TraceFieldLinePass(
        start, h, field, [z](double x, double y) { return OutsideWorldWindow(x, y, z); }, limit);
    ContinuePolyline(surface, outward.points, kFieldColour);
    surface.setPixel(start.x, start.y, kFieldColour);
    const FieldLinePass inward = TraceFieldLinePass(
        start, -h, field, [z](double x, double y) { return InsideSegmentBox(x, y, z); }, limit);
    ContinuePolyline(surface, inward.points, kFieldColour);
    surface.setPen(DrawingSurface::Pen::Copy);
}

// The ellipse with foci at the segment's ends through (x, y), with the copy pen.
void MainWindow::drawEquipotentialEllipse(double x, double y) {
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    DrawPolyline(*ui_.surface, EquipotentialEllipse(x, y, settings_.zoomFactor()),
                 kEquipotentialColour);
}

// The circle of the profile view around the axis, with the copy pen.
void MainWindow::drawEquipotentialCircle(double radius) {
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    ui_.surface->drawCircle(0, 0, radius, kEquipotentialColour);
}

// The ellipse through (x, y), and its potential.
void MainWindow::traceEquipotential(double x, double y) {
    if (!storeField(x, y)) return;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawEquipotentialEllipse(x, y);
}

// The circle through a point of the set at the distance s from the axis.
void MainWindow::traceProfileCircle(double s) {
    state_.ProfileRadius = s;
    traceProfileEquipotential();
}

// The circle around the axis at the distance ProfileRadius, and its potential.
void MainWindow::traceProfileEquipotential() {
    const auto potential = PotentialAt(kMiddle, state_.ProfileRadius, settings_.lambda());
    const auto stored = potential ? Currency::fromDouble(*potential) : std::nullopt;
    if (!stored) return;
    state_.Potential = *stored;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawEquipotentialCircle(state_.ProfileRadius);
}

// A set of equipotentials spaced by the potential step, scanning outward from
// the segment along the bisector. The scan yields to the window once per
// position; meanwhile every control stays live. "Limpiar" and the zoom let it
// go on (the zoom sets the potential step that the next level uses); a change
// of view, charge settings or operation mode ends it, as does the end of the
// program. The current point is left where the user put it.
void MainWindow::drawEquipotentialSet() {
    const bool front = settings_.front();
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
        const auto decision = levels.visit(s == range.first, *potential, settings_.potentialStep());
        for (int k = 0; k < decision.linesToDraw; ++k) {
            // While the read-outs are the set's, a line shows its potential like
            // a single line; once the user has evaluated a point meanwhile, it is
            // only drawn, so the read-outs stay that point's.
            if (pointEvaluated)
                front ? drawEquipotentialEllipse(kMiddle, s) : drawEquipotentialCircle(s);
            else if (front)
                traceEquipotential(kMiddle, s);
            else
                traceProfileCircle(s);
        }
        if (decision.stop) break;
        QCoreApplication::processEvents();
        if (ended) break;
    }
}
