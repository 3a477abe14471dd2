// Coordinate entry, the marker of the current point and the pointer read-out.

#include <QLineEdit>

#include "app/main_window.h"
#include "view/drawing_surface.h"

// Runs on every change of the text, typed or written by code: the marker follows.
void MainWindow::CajaX_Change() {
    state_.PointX = ReadBox(ui_.CajaX);
    ui_.CajaDib->setMarkerLeft(state_.PointX - ui_.CajaDib->markerWidth() / 2);
    FollowPlots();
}

void MainWindow::CajaY_Change() {
    const double y = ReadBox(ui_.CajaY);
    ui_.CajaDib->setMarkerTop(y + ui_.CajaDib->markerWidth() / 2);
    state_.PointY = y;
    FollowPlots();
}

// Writes a point into the coordinate boxes; their handlers read it back as shown.
void MainWindow::ShowPoint(double x, double y) {
    ui_.CajaX->setText(CoordinateText(x));
    ui_.CajaY->setText(CoordinateText(y));
}

void MainWindow::CentreMarker(double x, double y) {
    ui_.CajaDib->setMarkerLeft(x - ui_.CajaDib->markerWidth() / 2);
    ui_.CajaDib->setMarkerTop(y + ui_.CajaDib->markerWidth() / 2);
}

// The drawn segment, in a band that keeps its height on screen at every zoom.
bool MainWindow::OnSegmentBand(double x, double y) const {
    const double halfHeight = 0.008 / state_.ZoomFactor;
    return x > 0 && x < 1 && y > -halfHeight && y < halfHeight;
}

void MainWindow::CajaDib_MouseMove(float x, float y) {
    state_.PointerX = x;
    state_.PointerY = y;
    const bool overSegment = state_.FrontView && OnSegmentBand(x, y);
    ui_.CajaDib->setCrossHair(overSegment);
    if (overSegment) return;
    ui_.MoveX->setText(CoordinateText(x));
    ui_.MoveY->setText(CoordinateText(y));
}
