// Coordinate entry, the marker of the current point and the pointer read-out.

#include <QLineEdit>

#include "app/main_window.h"
#include "app/model_in_use.h"
#include "view/drawing_surface.h"

// Runs on every change of the text, typed or written by code: the marker
// follows. A typed point is not evaluated until "Calcular".
void MainWindow::onXTyped() {
    state_.PointX = readBox(ui_.CajaX);
    ui_.CajaDib->setMarkerLeft(state_.PointX - ui_.CajaDib->markerWidth() / 2);
}

void MainWindow::onYTyped() {
    const double y = readBox(ui_.CajaY);
    ui_.CajaDib->setMarkerTop(y + ui_.CajaDib->markerWidth() / 2);
    state_.PointY = y;
}

// Writes a point into the coordinate boxes; their handlers read it back as shown.
void MainWindow::showPoint(double x, double y) {
    ui_.CajaX->setText(coordinateText(x));
    ui_.CajaY->setText(coordinateText(y));
}

void MainWindow::centreMarker(double x, double y) {
    ui_.CajaDib->setMarkerLeft(x - ui_.CajaDib->markerWidth() / 2);
    ui_.CajaDib->setMarkerTop(y + ui_.CajaDib->markerWidth() / 2);
}

// The drawn segment, in a band that keeps its height on screen at every zoom.
bool MainWindow::onSegmentBand(double x, double y) const {
    return ShapeInUse(settings_).onDrawnCharge(View::Front, {x, y}, settings_.zoomFactor());
}

void MainWindow::onPointerMoved(float x, float y) {
    state_.PointerX = x;
    state_.PointerY = y;
    const bool overSegment = settings_.front() && onSegmentBand(x, y);
    ui_.CajaDib->setCrossHair(overSegment);
    if (overSegment) return;
    ui_.MoveX->setText(coordinateText(x));
    ui_.MoveY->setText(coordinateText(y));
}
