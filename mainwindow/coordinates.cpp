// Coordinate entry, the marker of the current point and the pointer read-out.

#include <QLineEdit>

#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"

// Runs on every change of the text, typed or written by code: the marker
// follows. A typed point is not evaluated until "Calcular".
void MainWindow::onXTyped() {
    state_.PointX = readBox(ui_.xBox);
    ui_.surface->setMarkerLeft(state_.PointX - ui_.surface->markerWidth() / 2);
}

void MainWindow::onYTyped() {
    const double y = readBox(ui_.yBox);
    ui_.surface->setMarkerTop(y + ui_.surface->markerWidth() / 2);
    state_.PointY = y;
}

// Writes a point into the coordinate boxes; their handlers read it back as shown.
void MainWindow::showPoint(double x, double y) {
    ui_.xBox->setText(coordinateText(x));
    ui_.yBox->setText(coordinateText(y));
}

void MainWindow::centreMarker(double x, double y) {
    ui_.surface->setMarkerLeft(x - ui_.surface->markerWidth() / 2);
    ui_.surface->setMarkerTop(y + ui_.surface->markerWidth() / 2);
}

// The drawn segment, in a band that keeps its height on screen at every zoom.
bool MainWindow::onSegmentBand(double x, double y) const {
    return ShapeInUse(settings_).onDrawnCharge(View::Front, {x, y}, settings_.zoomFactor());
}

void MainWindow::onPointerMoved(float x, float y) {
    state_.PointerX = x;
    state_.PointerY = y;
    const bool overSegment = settings_.front() && onSegmentBand(x, y);
    ui_.surface->setCrossHair(overSegment);
    if (overSegment) return;
    ui_.pointerXBox->setText(coordinateText(x));
    ui_.pointerYBox->setText(coordinateText(y));
}
