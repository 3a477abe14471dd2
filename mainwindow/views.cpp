// The world window, the frames of the two views, the zoom and the view switch.

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "field/number_text.h"
#include "mainwindow/main_window.h"
#include "view/drawing_surface.h"
#include "view/frames.h"

void MainWindow::applyZoomToSurface() { ui_.surface->setWorldScale(settings_.zoomFactor()); }

// Draws the front view afresh and starts a new computation: no element is
// taken and the read-outs are empty.
void MainWindow::drawFrontFrame() {
    const FrontFrameLook look{settings_.zoomFactor(), settings_.elementCount(),
                              settings_.exactModel(), state_.ColorSegment, state_.ColorCharge};
    DrawFrontFrameFigure(*ui_.surface, look);
    state_.ElementTaken.fill(0);
    state_.ElementEx.fill(Currency());
    state_.ElementEy.fill(Currency());
    state_.ElementV.fill(Currency());
    state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
    state_.TotalArrowShown = false;
    ui_.exBox->setText("");
    ui_.eyBox->setText("");
    ui_.potentialBox->setText("");
}

// The profile frame resets nothing: the read-outs keep their values.
void MainWindow::drawProfileFrame() {
    DrawProfileFrameFigure(*ui_.surface, settings_.zoomFactor(), state_.ColorCharge);
}

void MainWindow::redrawFrame() {
    if (settings_.front())
        drawFrontFrame();
    else
        drawProfileFrame();
}

void MainWindow::onZoomChosen(int percent) {
    settings_.setZoomPercent(percent);
    applyZoomToSurface();
    redrawFrame();
    showPoint(state_.PointX, state_.PointY);
    centreMarker(state_.PointX, state_.PointY);
    // The step between the lines of a set follows the zoom until the user types another.
    ui_.stepBox->setText(
        QString::number(std::lround(kPotentialStepAtZoom1 * settings_.zoomFactor())));
    readPotentialStep();
}

void MainWindow::onViewChosen(int view) {
    settings_.setView(View(view));
    redrawFrame();
    // The profile view always works with the exact model.
    if (!settings_.front()) selectExactModel();
}

void MainWindow::showView() {
    const bool front = settings_.front();
    ui_.modelFrame->setEnabled(front);
    ui_.operationFrame->setEnabled(front);
    ui_.elementArrowsBox->setEnabled(front);
    // A box is spoken by its label's caption.
    const auto caption = [](QLabel* label, QWidget* box, const QString& text) {
        label->setText(text);
        box->setAccessibleName(text);
    };
    caption(ui_.exLabel, ui_.exBox, front ? "Ex" : "Ez");
    caption(ui_.pointerXLabel, ui_.pointerXBox, front ? "X" : "Z");
    caption(ui_.xLabel, ui_.xBox, front ? "X(m)" : "Z(m)");
}
