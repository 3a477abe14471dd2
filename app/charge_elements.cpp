// The point-charge model built element by element, with its marks and arrows.

#include <QCheckBox>

#include "app/main_window.h"
#include "view/drawing_surface.h"
#include "view/frames.h"

int MainWindow::TakenElementCount() const {
    int taken = 0;
    for (int j = 1; j <= state_.ElementCount; ++j) taken += state_.ElementTaken[j] == 1;
    return taken;
}

// A manual sum belongs to one point: once the point has moved, the next
// element starts the sum afresh instead of mixing two points in one total.
bool MainWindow::ManualSumBelongsElsewhere() const {
    return TakenElementCount() > 0 && !SumIsAt(state_.PointX, state_.PointY);
}

// Whether elements taken in manual mode were evaluated at (x, y).
bool MainWindow::SumIsAt(double x, double y) const {
    return TakenElementCount() > 0 && x == state_.SumPointX && y == state_.SumPointY;
}

void MainWindow::AddChargeElement(int i) {
    if (!IsSelected(ui_.Obtener, 1)) return;
    const bool manual = IsSelected(ui_.Manual, 1);
    const bool newSum = manual && ManualSumBelongsElsewhere();
    if (manual && !newSum && state_.ElementTaken[i] == 1) return;
    const int n = state_.ElementCount;

    // Refused before anything changes: at or extremely close to the element's charge.
    const auto term = ElementContribution(i, n, state_.PointX, state_.PointY, state_.Lambda);
    const FieldSample base =
        newSum ? FieldSample{} : FieldSample{state_.FieldEx, state_.FieldEy, state_.Potential};
    const auto ex = term ? base.Ex.plus(term->Ex) : std::nullopt;
    const auto ey = term ? base.Ey.plus(term->Ey) : std::nullopt;
    const auto v = term ? base.V.plus(term->V) : std::nullopt;
    if (!ex || !ey || !v) {
        RefuseData();
        return;
    }
    ++state_.PointsEvaluated;
    if (newSum) DrawFrontFrame();
    const int m = TakenElementCount();

    // The previous total arrow goes (XOR) before the new one is drawn. With
    // Ver1 the first element's own arrow is the total, so no total arrow is
    // drawn for it; the flag keeps this right when Ver1 changes in between.
    const bool showElements = ui_.Ver1->isChecked();
    if (manual && state_.TotalArrowShown) DrawTotalArrow(false);

    state_.ElementTaken[i] = 1;
    if (m == 0) {
        state_.SumPointX = state_.PointX;
        state_.SumPointY = state_.PointY;
    }
    const double d = 1.0 / n;
    state_.StepX = d;
    const double start = (i - 1) * d, end = start + d;
    ui_.CajaDib->setPen(DrawingSurface::Pen::Copy);
    FillBar(*ui_.CajaDib, start + 0.4 * d, end - 0.4 * d, state_.ZoomFactor, state_.ColorCharge);

    state_.ElementEx[i] = term->Ex;
    state_.ElementEy[i] = term->Ey;
    state_.ElementV[i] = term->V;
    state_.FieldEx = *ex;
    state_.FieldEy = *ey;
    state_.Potential = *v;
    ShowResults();

    if (showElements) DrawArrow(state_.ElementEx[i], state_.ElementEy[i], state_.ColorElementField);
    if (manual && (!showElements || m > 0)) DrawTotalArrow(true);
}

void MainWindow::DrawTotalArrow(bool shown) {
    DrawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    state_.TotalArrowShown = shown;
}
