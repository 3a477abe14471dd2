// A click on the drawing surface, or "Calcular" for a typed point: picks the
// point and does there what "Obtener" asks for.

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "mainwindow/dialogue.h"
#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"

// A click takes the point under the pointer, as the coordinate boxes show it.
// On the drawn charge it takes an element in manual mode and is otherwise
// ignored; in the profile view a click on the drawn charge is ignored.
void MainWindow::clickSurface() {
    const Settings::Batch batch(settings_);
    const double x = ShownValue(state_.PointerX), y = ShownValue(state_.PointerY);
    const ChargeDistribution& shape = ShapeInUse(settings_);
    if (!settings_.front()) {
        if (!shape.onDrawnCharge(View::Profile, {x, y}, settings_.zoomFactor()))
            evaluateProfilePoint(x, y);
        return;
    }
    if (!onSegmentBand(state_.PointerX, state_.PointerY)) {
        evaluateFrontPoint(x, y);
        return;
    }
    if (settings_.manual()) addChargeElement(elementToTake({state_.PointerX, state_.PointerY}));
}

// "Calcular": the point typed in the boxes, as they show it. A typed point is
// always meant as a point: on the charge it is refused, not ignored. In the
// profile view the same numbers are (Z, Y).
void MainWindow::calculateTypedPoint() {
    if (!ui_.linePanel->isHidden()) {  // "Calcular" accepts the line panel shown
        ui_.acceptLinesButton->click();
        return;
    }
    const WorldPoint typed = settings_.point();
    if (settings_.front() && ShapeInUse(settings_).onChargeAsTyped(typed)) {
        RefuseData(this);
        return;
    }
    state_.PointerX = typed.x;
    state_.PointerY = typed.y;
    const double x = ShownValue(typed.x), y = ShownValue(typed.y);
    if (!settings_.front() &&
        ShapeInUse(settings_).onDrawnCharge(View::Profile, {x, y}, settings_.zoomFactor())) {
        RefuseData(this);
        return;
    }
    const Settings::Batch batch(settings_);
    if (settings_.front())
        evaluateFrontPoint(x, y);
    else
        evaluateProfilePoint(x, y);
}

void MainWindow::evaluateFrontPoint(double x, double y) {
    if (!frontActionHasValue(x, y)) {
        RefuseData(this);
        return;
    }
    const Action action = settings_.action();
    const bool manualSum = action == Action::FieldAndPotential && settings_.manual();
    if (manualSum && sumIsAt(x, y)) return;  // the sum at this point stays
    // Lines are traced from the integral, which the settings hold with them.
    if (action != Action::FieldAndPotential) settings_.setElementArrows(false);
    if (manualSum) {  // a new point starts a new sum
        drawFrontFrame();
        emptyComputation();
    }
    settings_.evaluatePoint({x, y});
    if (action == Action::FieldLine)
        traceFieldLine();
    else if (action == Action::Equipotential)
        traceEquipotential(ModelInUse(settings_), settings_.point());
    else
        showFieldAndPotential();
}

// Whether the action at (x, y) can be carried out, so that a point without a
// finite value in the model in use is refused before anything changes. The
// point charges sit at element centres: the segment's ends are points there.
bool MainWindow::frontActionHasValue(double x, double y) const {
    const FieldModel model = ModelInUse(settings_);
    if (model.charges > 0 && settings_.manual()) return true;  // checked element by element
    return model.shownAt({x, y}).has_value();
}

void MainWindow::showFieldAndPotential() {
    const bool automatic = !settings_.manual();
    if (settings_.exactModel()) {
        storeShownAt(ModelInUse(settings_), settings_.point());
        drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    } else if (automatic) {
        state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
        for (int i = 1; i <= settings_.elementCount(); ++i) addChargeElement(i);
        drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    }
    if (automatic) showResults();
}

void MainWindow::evaluateProfilePoint(double x, double y) {
    const FieldModel model = ModelInUse(settings_);
    if (!model.shownAt({x, y})) {
        RefuseData(this);
        return;
    }
    state_.ProfileRadius = model.evaluatedAt({x, y}).y;
    settings_.evaluatePoint({x, y});
    const Action action = settings_.action();
    if (action == Action::FieldAndPotential) showProfileField();
    if (action == Action::FieldLine) traceProfileFieldLine();
    if (action == Action::Equipotential) traceProfileEquipotential(model, settings_.point());
}

// The field in the profile view is radial: the read-out's strength, that of
// the charge's plane at the same distance from the axis, turned along the
// radius, away from the axis or towards it as its sign says.
void MainWindow::showProfileField() {
    const WorldPoint point = settings_.point();
    storeShownAt(ModelInUse(settings_), point);
    const double strength = state_.FieldEy.toDouble();
    const double radius = state_.ProfileRadius;
    state_.FieldEy = Currency::fromDouble(strength * point.y / radius).value_or(Currency());
    state_.FieldEx = Currency::fromDouble(strength * point.x / radius).value_or(Currency());
    if (settings_.action() != Action::FieldAndPotential) return;
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    ui_.potentialBox->setText(currencyText(state_.Potential));
    ui_.exBox->setText(currencyText(state_.FieldEx));
    ui_.eyBox->setText(currencyText(state_.FieldEy));
}

// The radial field line through the point: the head at the point and a line
// along the radius between the charges that bound it, the axis or a ring's
// wire within and a ring's wire or beyond the visible area without. As for
// a field line in the front view, the field components shown are emptied.
void MainWindow::traceProfileFieldLine() {
    showProfileField();
    ui_.exBox->setText("");
    ui_.eyBox->setText("");
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    const double radius = state_.ProfileRadius;
    double inner = 0, outer = 3 / settings_.zoomFactor();
    if (const auto circle = ShapeInUse(settings_).figure(View::Profile).circle)
        (radius < circle->radius ? outer : inner) = circle->radius;
    const WorldPoint along{settings_.point().x / radius, settings_.point().y / radius};
    ui_.surface->setPen(DrawingSurface::Pen::Copy);
    ui_.surface->drawSegment(along.x * inner, along.y * inner, along.x * outer, along.y * outer,
                             kChargeColour);
}
