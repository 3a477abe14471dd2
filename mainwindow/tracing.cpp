// Field lines and equipotentials through a point, and sets of equipotentials.

#include <QLineEdit>
#include <cmath>

#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "trace/geometry.h"
#include "trace/level_curve.h"
#include "view/drawing_surface.h"
#include "view/line_drawing.h"

std::optional<FieldSample> MainWindow::storeShownAt(const FieldModel& model, WorldPoint p) {
    const auto sample = model.shownAt(p);
    if (sample) {
        state_.FieldEx = sample->Ex;
        state_.FieldEy = sample->Ey;
        state_.Potential = sample->V;
    }
    return sample;
}

// Follows the field from the current point outward to the edge of the window
// and inward to the charge, each way ending where it meets the charge as
// drawn, in XOR so that tracing the same point again erases it.
void MainWindow::traceFieldLine() {
    DrawingSurface& surface = *ui_.surface;
    const WorldPoint start = settings_.point();
    const FieldModel model = ModelInUse(settings_);
    if (!storeShownAt(model, start)) return;
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    surface.setPen(DrawingSurface::Pen::Xor);
    ui_.exBox->setText("");
    ui_.eyBox->setText("");

    const FieldAt field = [this, &model](double x, double y) -> std::optional<FieldVector> {
        const auto sample = storeShownAt(model, {x, y});
        if (!sample) return std::nullopt;
        return FieldVector{sample->Ex.toDouble(), sample->Ey.toDouble()};
    };
    surface.setPixel(start.x, start.y, surface.foreground());
    const FieldLine line = TraceFieldLine(model, start, field, settings_.zoomFactor());
    ContinuePolyline(surface, line.outward.points, kFieldColour);
    surface.setPixel(start.x, start.y, kFieldColour);
    ContinuePolyline(surface, line.inward.points, kFieldColour);
    surface.setPen(DrawingSurface::Pen::Copy);
}

// The equipotential of the front view through p, with the copy pen: the
// ellipse with foci at the segment's ends, or the level curve traced.
void MainWindow::drawFrontEquipotential(const FieldModel& model, WorldPoint p) {
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    for (const auto& stroke : FrontEquipotential(model, p, settings_.zoomFactor()).strokes)
        DrawPolyline(*ui_.surface, stroke, kEquipotentialColour);
}

// The circle of the profile view around the axis, with the copy pen.
void MainWindow::drawEquipotentialCircle(double radius) {
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    ui_.surface->drawCircle(0, 0, radius, kEquipotentialColour);
}

// The equipotential through p, and its potential.
void MainWindow::traceEquipotential(const FieldModel& model, WorldPoint p) {
    if (!storeShownAt(model, p)) return;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawFrontEquipotential(model, p);
}

// The circle around the axis through p, and its potential. Every shape looks
// the same all round its axis, and the profile view draws the plane across
// the axis through the charge's middle, where V depends on the distance from
// the axis alone: every equipotential there is a circle round it.
void MainWindow::traceProfileEquipotential(const FieldModel& model, WorldPoint p) {
    state_.ProfileRadius = model.evaluatedAt(p).y;
    const auto potential = model.potentialAt(p);
    const auto stored = potential ? Currency::fromDouble(*potential) : std::nullopt;
    if (!stored) return;
    state_.Potential = *stored;
    ui_.potentialBox->setText(currencyText(state_.Potential));
    drawEquipotentialCircle(state_.ProfileRadius);
}

// A set of equipotentials spaced by the potential step, scanning outward from
// the charge along the line the first plot follows ("Mediatriz", "Eje del
// anillo"...): one scan position now and one at each turn of the event
// loop, so that every control stays live meanwhile. "Limpiar" and the zoom
// let it go on (the zoom sets the potential step that the next level uses);
// a change of view, charge settings or operation mode ends it, as does the
// end of the program. A new set takes the place of a running one. The
// current point is left where the user put it.
void MainWindow::startEquipotentialSet() {
    const EquipotentialScanRange range = ScanRangeFor(settings_.zoomFactor());
    lineSet_ = LineSetRun{range, range.first, {}, ModelInUse(settings_), false};
    traceNextPositionOfSet();
    if (settings_.ending()) stopEquipotentialSet();
    if (lineSet_) lineSetTimer_.start(0);
}

void MainWindow::stopEquipotentialSet() {
    lineSetTimer_.stop();
    lineSet_.reset();
}

// Once the user has evaluated a point, the read-outs are that point's.
void MainWindow::followEquipotentialSet(Settings::Changes what) {
    using Change = Settings::Change;
    if (!lineSet_) return;
    if (what.testAnyFlags(Change::View | Change::Charge | Change::Operation | Change::Ending))
        stopEquipotentialSet();
    else if (what & Change::Point)
        lineSet_->pointEvaluated = true;
}

void MainWindow::traceNextPositionOfSet() {
    LineSetRun& set = *lineSet_;
    const double s = set.position;
    const WorldPoint p = set.pointAt(s);
    const auto potential = set.model.potentialAt(p);
    if (!potential) {
        stopEquipotentialSet();
        return;
    }
    const bool front = set.model.view == View::Front;
    if (front && !set.pointEvaluated)
        state_.Potential = Currency::fromDouble(*potential).value_or(state_.Potential);
    const auto decision =
        set.levels.visit(s == set.range.first, *potential, settings_.potentialStep());
    for (int k = 0; k < decision.linesToDraw; ++k) {
        // While the read-outs are the set's, a line shows its potential like
        // a single line; once the user has evaluated a point meanwhile, it is
        // only drawn, so the read-outs stay that point's.
        if (set.pointEvaluated)
            front ? drawFrontEquipotential(set.model, p)
                  : drawEquipotentialCircle(std::hypot(p.x, p.y));
        else if (front)
            traceEquipotential(set.model, p);
        else
            traceProfileEquipotential(set.model, p);
    }
    set.position += set.range.step;
    if (decision.stop || set.position > set.range.end) stopEquipotentialSet();
}

// The scan position s as a point of the set's view. In the front view, the
// line the first plot follows (plotLine), on which |V| falls from the charge
// outwards: the segments' bisector, and the axis of the ring and the disk
// from their centre, where each level below the centre's has its curve
// round the whole charge (the ring's levels above it are two loops, one
// round each of its cuts, which no line from the centre meets). In the
// profile view, straight up from the axis, s beyond the charge's circle if
// it has one: inside a ring |V| grows outwards, and a disk has no inside.
WorldPoint MainWindow::LineSetRun::pointAt(double s) const {
    if (model.view == View::Front) {
        const PlotLine line = model.shape->plotLine();
        return {line.start.x + s * line.direction.x, line.start.y + s * line.direction.y};
    }
    const auto circle = model.shape->figure(View::Profile).circle;
    return {0, (circle ? circle->radius : 0) + s};
}
