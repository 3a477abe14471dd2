// The world window and the frames of the two views.

#include <QLineEdit>

#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"
#include "view/frames.h"

void MainWindow::drawFrontFrame() {
    const FrontFrameLook look{.zoomFactor = settings_.zoomFactor(),
                              .elementCount = settings_.elementCount(),
                              .exactModel = settings_.exactModel(),
                              .segmentColour = kSegmentColour,
                              .chargeColour = kChargeColour,
                              .shape = &ShapeInUse(settings_)};
    DrawFrontFrameFigure(*ui_.surface, look);
}

void MainWindow::drawProfileFrame() {
    DrawProfileFrameFigure(*ui_.surface, settings_.zoomFactor(), kChargeColour,
                           ShapeInUse(settings_));
}

// No element is taken and the read-outs are empty.
void MainWindow::emptyComputation() {
    state_.ElementTaken.fill(0);
    state_.FieldEx = state_.FieldEy = state_.Potential = Currency();
    state_.TotalArrowShown = false;
    ui_.exBox->setText("");
    ui_.eyBox->setText("");
    ui_.potentialBox->setText("");
}

void MainWindow::follow(Settings::Changes what) {
    using Change = Settings::Change;
    if (what.testAnyFlags(Change::Charge | Change::View | Change::Zoom | Change::Operation |
                          Change::Cleared))
        startAfresh();
    // Read-outs of another charge, density or view would be read as this
    // one's: the profile view, which keeps them otherwise, empties them too.
    if (!settings_.front() && what.testAnyFlags(Change::Charge | Change::View)) emptyComputation();
    followEquipotentialSet(what);
}

// The front view starts a new computation on its fresh frame; the profile
// frame keeps the read-outs of a new zoom or "Limpiar" (follow() empties
// those of another charge or view).
void MainWindow::startAfresh() {
    if (!settings_.front()) {
        drawProfileFrame();
        return;
    }
    drawFrontFrame();
    emptyComputation();
}
