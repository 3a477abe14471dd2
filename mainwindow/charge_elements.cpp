// The point-charge model built element by element, with its marks and arrows.

#include <cmath>

#include "mainwindow/dialogue.h"
#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"
#include "view/frames.h"

int MainWindow::takenElementCount() const {
    int taken = 0;
    for (int j = 1; j <= settings_.elementCount(); ++j) taken += state_.ElementTaken[j] == 1;
    return taken;
}

// A manual sum belongs to one point: once the point has moved, the next
// element starts the sum afresh instead of mixing two points in one total.
bool MainWindow::manualSumBelongsElsewhere() const {
    return takenElementCount() > 0 && !sumIsAt(settings_.point().x, settings_.point().y);
}

// Whether elements taken in manual mode were evaluated at (x, y).
bool MainWindow::sumIsAt(double x, double y) const {
    return takenElementCount() > 0 && x == state_.SumPointX && y == state_.SumPointY;
}

// The element a click at the pointer on the drawn charge takes: the one
// under it. Where point charges lie off the view's plane (a ring's, seen
// edge-on), a click takes the charge not yet in the sum that lies nearest
// the pointer as the view shows them, the one in front (z > 0) before the
// one behind: clicks at one place take them all, also those below the
// window's lower edge.
int MainWindow::elementToTake(WorldPoint pointer) const {
    const ChargeDistribution& shape = ShapeInUse(settings_);
    const int n = settings_.elementCount();
    const int under = shape.elementAt(pointer, n);
    if (manualSumBelongsElsewhere()) return under;
    int take = under;
    double nearest = INFINITY;
    bool offThePlane = false;
    for (int j = 1; j <= n; ++j) {
        const ChargeElement e = shape.element(j, n);
        offThePlane = offThePlane || (e.ringRadius == 0 && e.centre.z != 0);
        if (e.ringRadius > 0 || state_.ElementTaken[j] == 1) continue;
        const double d = std::hypot(e.centre.x - pointer.x, e.centre.y - pointer.y);
        const bool closer =
            d < nearest || (d == nearest && e.centre.z > shape.element(take, n).centre.z);
        if (closer) take = j, nearest = d;
    }
    return offThePlane ? take : under;
}

void MainWindow::addChargeElement(int i) {
    if (settings_.action() != Action::FieldAndPotential) return;
    const bool manual = settings_.manual();
    const bool newSum = manual && manualSumBelongsElsewhere();
    if (manual && !newSum && state_.ElementTaken[i] == 1) return;
    const int n = settings_.elementCount();
    const WorldPoint point = settings_.point();

    // Refused before anything changes: at or extremely close to the element's charge.
    const auto term = PointChargeModel(settings_).shownElementAt(i, point);
    const FieldSample base =
        newSum ? FieldSample{} : FieldSample{state_.FieldEx, state_.FieldEy, state_.Potential};
    const auto ex = term ? base.Ex.plus(term->Ex) : std::nullopt;
    const auto ey = term ? base.Ey.plus(term->Ey) : std::nullopt;
    const auto v = term ? base.V.plus(term->V) : std::nullopt;
    if (!ex || !ey || !v) {
        RefuseData(this);
        return;
    }
    // Taken by hand, an element evaluates the point; in automatic mode the click already did.
    if (manual) settings_.evaluateTypedPoint();
    if (newSum) {
        drawFrontFrame();
        emptyComputation();
    }
    const int m = takenElementCount();

    // The previous total arrow goes (XOR) before the new one is drawn. With
    // element arrows shown, the first one is the total, so no total arrow is
    // drawn for it; the flag keeps this right when that option changes in between.
    const bool showElements = settings_.elementArrows();
    if (manual && state_.TotalArrowShown) eraseTotalArrow();

    state_.ElementTaken[i] = 1;
    if (m == 0) {
        state_.SumPointX = point.x;
        state_.SumPointY = point.y;
    }
    MarkElement(*ui_.surface, ShapeInUse(settings_), i, n, settings_.zoomFactor(), kChargeColour);

    state_.FieldEx = *ex;
    state_.FieldEy = *ey;
    state_.Potential = *v;
    showResults();

    if (showElements) drawArrow(term->Ex, term->Ey, kElementFieldColour);
    if (manual && (!showElements || m > 0)) showTotalArrow();
}

// The arrow of the totals, in XOR: drawn again over itself, it goes.
void MainWindow::showTotalArrow() {
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    state_.TotalArrowShown = true;
}

void MainWindow::eraseTotalArrow() {
    drawArrow(state_.FieldEx, state_.FieldEy, kFieldColour);
    state_.TotalArrowShown = false;
}
