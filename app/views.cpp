// The world window, the frames of the two views, the zoom and the view switch.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "app/main_window.h"
#include "field/number_text.h"
#include "view/drawing_surface.h"
#include "view/frames.h"

void MainWindow::SetWorldScale() { ui_.CajaDib->setWorldScale(state_.ZoomFactor); }

// Draws the front view afresh and starts a new computation: no element is
// taken and the read-outs are empty.
void MainWindow::DrawFrontFrame() {
    const FrontFrameLook look{state_.ZoomFactor, state_.ElementCount, IsSelected(ui_.Discretiza, 0),
                              state_.ColorSegment, state_.ColorCharge};
    DrawFrontFrameFigure(*ui_.CajaDib, look);
    state_.StepX = 1.0 / state_.ElementCount;
    state_.ElementTaken.fill(0);
    state_.ElementEx.fill(Currency());
    state_.ElementEy.fill(Currency());
    state_.ElementV.fill(Currency());
    state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
    state_.TotalArrowShown = false;
    ui_.CajaEx->setText("");
    ui_.CajaEy->setText("");
    ui_.CajaV->setText("");
}

// The profile frame resets nothing: the read-outs keep their values.
void MainWindow::DrawProfileFrame() {
    DrawProfileFrameFigure(*ui_.CajaDib, state_.ZoomFactor, state_.ColorCharge);
}

void MainWindow::Amplia_Click(int index) {
    state_.ZoomFactor = index / 100.0;
    SetWorldScale();
    if (state_.FrontView)
        DrawFrontFrame();
    else
        DrawProfileFrame();
    ShowPoint(state_.PointX, state_.PointY);
    CentreMarker(state_.PointX, state_.PointY);
    // The step between the lines of a set follows the zoom until the user types another.
    ui_.Delta->setText(QString::number(std::lround(10000 * state_.ZoomFactor)));
    ReadPotentialStep();
}

void MainWindow::Ver_Click(int index) {
    const bool front = index == 0;
    ++state_.SettingChanges;
    state_.FrontView = front;
    if (front) {
        DrawFrontFrame();
    } else {
        DrawProfileFrame();
    }
    ui_.Frame2->setEnabled(front);
    ui_.Frame4->setEnabled(front);
    ui_.Ver1->setEnabled(front);
    // The profile view always works with the exact model.
    if (!front) SelectExactModel();
    ui_.Label2->setText(front ? "Ex" : "Ez");
    ui_.Label6->setText(front ? "X" : "Z");
    ui_.xxx->setText(front ? "X(m)" : "Z(m)");
    ui_.CajaEx->setAccessibleName(ui_.Label2->text());
    ui_.MoveX->setAccessibleName(ui_.Label6->text());
    ui_.CajaX->setAccessibleName(ui_.xxx->text());
    FollowPlots();
}
