// A click on the drawing surface, or "Calcular" for a typed point: picks the
// point and does there what "Obtener" asks for.

#include <QCheckBox>
#include <QLineEdit>
#include <cmath>

#include "app/main_window.h"
#include "field/number_text.h"
#include "view/drawing_surface.h"

namespace {

// The value a coordinate box shows for x, read back: four decimals at most.
double ShownValue(double x) { return Val(FormatCoordinate(x, '.')); }

constexpr double kProfileAxisRadius = 0.008;  // clicks this close to the axis hit the segment

}  // namespace

void MainWindow::CajaDib_Click() {
    const bool typed = state_.UseTypedPoint;
    if (typed) {
        state_.PointerX = ReadBox(ui_.CajaX);
        state_.PointerY = ReadBox(ui_.CajaY);
        state_.UseTypedPoint = false;
    }
    // Everything from here on uses the point as the coordinate boxes show it.
    const double shownX = ShownValue(state_.PointerX);
    const double shownY = ShownValue(state_.PointerY);
    if (state_.FrontView)
        ClickFront(typed, shownX, shownY);
    else
        ClickProfile(typed, shownX, shownY);
}

void MainWindow::ClickFront(bool typed, double shownX, double shownY) {
    // A click on the drawn segment takes an element in manual mode and is
    // otherwise ignored; a typed point is always meant as a point.
    if (!typed && OnSegmentBand(state_.PointerX, state_.PointerY)) {
        if (IsSelected(ui_.Manual, 1))
            AddChargeElement(static_cast<int>(state_.PointerX * state_.ElementCount / 1) + 1);
        return;
    }
    if (!FrontActionHasValue(shownX, shownY)) {
        RefuseData();
        return;
    }
    const bool fieldMode = IsSelected(ui_.Obtener, 1);
    const bool manualSum = fieldMode && IsSelected(ui_.Manual, 1);
    if (manualSum && SumIsAt(shownX, shownY)) return;  // the sum at this point stays
    ++state_.PointsEvaluated;
    if (!fieldMode) {  // lines are always traced from the exact model
        SelectExactModel();
        ui_.Ver1->setChecked(false);
    }
    if (manualSum) DrawFrontFrame();  // a new point starts a new sum
    state_.PointX = shownX;
    state_.PointY = shownY;
    ShowPoint(shownX, shownY);
    CentreMarker(shownX, shownY);
    if (IsSelected(ui_.Obtener, 2))
        TraceFieldLineFront();
    else if (IsSelected(ui_.Obtener, 3))
        TraceEquipotentialFront(state_.PointX, state_.PointY);
    else
        ShowFieldAndPotential();
}

// Whether the action at (x, y) can be carried out, so that a point without a
// finite value in the model in use is refused before anything changes. The
// point charges sit at element centres: the segment's ends are points there.
bool MainWindow::FrontActionHasValue(double x, double y) const {
    const bool pointCharges = IsSelected(ui_.Obtener, 1) && !IsSelected(ui_.Discretiza, 0);
    if (!pointCharges) return ComputeField(x, y, state_.Lambda).has_value();
    if (IsSelected(ui_.Manual, 1)) return true;  // checked element by element
    return PointChargeSum(state_.ElementCount, x, y, state_.Lambda).has_value();
}

void MainWindow::ShowFieldAndPotential() {
    const bool automatic = IsSelected(ui_.Manual, 0);
    if (IsSelected(ui_.Discretiza, 0)) {
        StoreField(state_.PointX, state_.PointY);
        DrawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    } else if (automatic) {
        state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
        for (int i = 1; i <= state_.ElementCount; ++i) AddChargeElement(i);
        DrawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    }
    if (automatic) ShowResults();
}

void MainWindow::ClickProfile(bool typed, double shownX, double shownY) {
    const double radius = std::hypot(shownX, shownY);
    // A click there falls on the segment's drawn cross-section and is
    // ignored; a typed point must not be dropped without a word.
    if (radius < kProfileAxisRadius) {
        if (typed) RefuseData();
        return;
    }
    if (!ComputeField(0.5, radius, state_.Lambda)) {
        RefuseData();
        return;
    }
    ++state_.PointsEvaluated;
    state_.ProfileRadius = radius;
    ShowPoint(shownX, shownY);
    state_.PointX = shownX;
    state_.PointY = shownY;
    if (IsSelected(ui_.Obtener, 1)) ShowProfileField();
    if (IsSelected(ui_.Obtener, 2)) DrawProfileFieldLine();
    if (IsSelected(ui_.Obtener, 3)) TraceEquipotentialProfile();
}

// The field in the profile view is radial: that of the mid-plane at the same
// distance from the axis, away from the axis for a positive density and
// towards it for a negative one.
void MainWindow::ShowProfileField() {
    StoreField(0.5, state_.ProfileRadius);
    const double strength = state_.FieldEy.toDouble();
    const double radius = state_.ProfileRadius;
    state_.FieldEy = Currency::fromDouble(strength * state_.PointY / radius).value_or(Currency());
    state_.FieldEx = Currency::fromDouble(strength * state_.PointX / radius).value_or(Currency());
    if (!IsSelected(ui_.Obtener, 1)) return;
    CentreMarker(state_.PointX, state_.PointY);
    DrawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    ui_.CajaV->setText(CurrencyText(state_.Potential));
    ui_.CajaEx->setText(CurrencyText(state_.FieldEx));
    ui_.CajaEy->setText(CurrencyText(state_.FieldEy));
}

// The radial field line through the point: the head at the point and a line
// from the axis out beyond the visible area. As for a field line in the
// front view, the field components shown are emptied.
void MainWindow::DrawProfileFieldLine() {
    ShowProfileField();
    ui_.CajaEx->setText("");
    ui_.CajaEy->setText("");
    DrawArrow(state_.FieldEx, state_.FieldEy, state_.ColorField);
    const double reach = 3 / state_.ProfileRadius / state_.ZoomFactor;
    ui_.CajaDib->setPen(DrawingSurface::Pen::Copy);
    ui_.CajaDib->drawSegment(0, 0, state_.PointX * reach, state_.PointY * reach,
                             state_.ColorCharge);
}
