// A click on the drawing surface, or "Calcular" for a typed point: picks the
// point and does there what "Obtener" asks for.

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

#include "field/number_text.h"
#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"

using segment::kMiddle;

namespace {

// The value a coordinate box shows for x, read back: four decimals at most.
double ShownValue(double x) { return Val(FormatCoordinate(x, '.')); }

}  // namespace

// The point is the pointer's, or for "Calcular" the one typed in the boxes.
void MainWindow::evaluatePoint(bool typed) {
    if (typed) {
        state_.PointerX = state_.PointX;
        state_.PointerY = state_.PointY;
    }
    // Everything from here on uses the point as the coordinate boxes show it.
    const double shownX = ShownValue(state_.PointerX);
    const double shownY = ShownValue(state_.PointerY);
    if (settings_.front())
        evaluateFrontPoint(typed, shownX, shownY);
    else
        evaluateProfilePoint(typed, shownX, shownY);
}

void MainWindow::evaluateFrontPoint(bool typed, double shownX, double shownY) {
    // A click on the drawn segment takes an element in manual mode and is
    // otherwise ignored; a typed point is always meant as a point.
    if (!typed && onSegmentBand(state_.PointerX, state_.PointerY)) {
        const WorldPoint pointer{state_.PointerX, state_.PointerY};
        const int n = settings_.elementCount();
        if (settings_.manual()) addChargeElement(ShapeInUse(settings_).elementAt(pointer, n));
        return;
    }
    if (!frontActionHasValue(shownX, shownY)) {
        refuseData();
        return;
    }
    const Action action = settings_.action();
    const bool manualSum = action == Action::FieldAndPotential && settings_.manual();
    if (manualSum && sumIsAt(shownX, shownY)) return;  // the sum at this point stays
    if (action != Action::FieldAndPotential) {  // lines are always traced from the exact model
        selectExactModel();
        ui_.elementArrowsBox->setChecked(false);
    }
    if (manualSum) drawFrontFrame();  // a new point starts a new sum
    state_.PointX = shownX;
    state_.PointY = shownY;
    settings_.pointEvaluated({shownX, shownY});
    showPoint(shownX, shownY);
    centreMarker(shownX, shownY);
    if (action == Action::FieldLine)
        traceFieldLine();
    else if (action == Action::Equipotential)
        traceEquipotential(state_.PointX, state_.PointY);
    else
        showFieldAndPotential();
}

// Whether the action at (x, y) can be carried out, so that a point without a
// finite value in the model in use is refused before anything changes. The
// point charges sit at element centres: the segment's ends are points there.
bool MainWindow::frontActionHasValue(double x, double y) const {
    FieldModel model = ModelInUse(settings_);
    if (model.charges > 0) {
        if (settings_.manual()) return true;       // checked element by element
        model.charges = settings_.elementCount();  // the N the read-outs sum
    }
    return model.shownAt({x, y}).has_value();
}

void MainWindow::showFieldAndPotential() {
    const bool automatic = !settings_.manual();
    if (settings_.exactModel()) {
        storeField(state_.PointX, state_.PointY);
        drawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    } else if (automatic) {
        state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
        for (int i = 1; i <= settings_.elementCount(); ++i) addChargeElement(i);
        drawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    }
    if (automatic) showResults();
}

void MainWindow::evaluateProfilePoint(bool typed, double shownX, double shownY) {
    const FieldModel model = ModelInUse(settings_);
    const WorldPoint shown{shownX, shownY};
    // A click there falls on the segment's drawn cross-section and is
    // ignored; a typed point must not be dropped without a word.
    if (model.shape->onDrawnCharge(View::Profile, shown, settings_.zoomFactor())) {
        if (typed) refuseData();
        return;
    }
    if (!model.shownAt(shown)) {
        refuseData();
        return;
    }
    state_.ProfileRadius = model.evaluatedAt(shown).y;
    showPoint(shownX, shownY);
    state_.PointX = shownX;
    state_.PointY = shownY;
    settings_.pointEvaluated({shownX, shownY});
    const Action action = settings_.action();
    if (action == Action::FieldAndPotential) showProfileField();
    if (action == Action::FieldLine) drawProfileFieldLine();
    if (action == Action::Equipotential) traceProfileEquipotential();
}

// The field in the profile view is radial: that of the mid-plane at the same
// distance from the axis, away from the axis for a positive density and
// towards it for a negative one.
void MainWindow::showProfileField() {
    storeField(kMiddle, state_.ProfileRadius);
    const double strength = state_.FieldEy.toDouble();
    const double radius = state_.ProfileRadius;
    state_.FieldEy = Currency::fromDouble(strength * state_.PointY / radius).value_or(Currency());
    state_.FieldEx = Currency::fromDouble(strength * state_.PointX / radius).value_or(Currency());
    if (settings_.action() != Action::FieldAndPotential) return;
    centreMarker(state_.PointX, state_.PointY);
    drawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    ui_.potentialBox->setText(currencyText(state_.Potential));
    ui_.exBox->setText(currencyText(state_.FieldEx));
    ui_.eyBox->setText(currencyText(state_.FieldEy));
}

// The radial field line through the point: the head at the point and a line
// from the axis out beyond the visible area. As for a field line in the
// front view, the field components shown are emptied.
void MainWindow::drawProfileFieldLine() {
    showProfileField();
    ui_.exBox->setText("");
    ui_.eyBox->setText("");
    drawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    const double reach = 3 / state_.ProfileRadius / settings_.zoomFactor();
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    ui_.surface->drawSegment(0, 0, state_.PointX * reach, state_.PointY * reach,
                             state_.ColorCharge);
}
