// The handlers of the options, the density and the coordinate boxes: each
// sets what the user chose, and what shows it follows the settings.

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

#include "field/shapes.h"
#include "mainwindow/dialogue.h"
#include "mainwindow/main_window.h"
#include "settings/model_in_use.h"
#include "view/drawing_surface.h"
#include "view/readout_text.h"

void MainWindow::onZoomChosen(int percent) { settings_.setZoomPercent(percent); }

void MainWindow::onViewChosen(int view) { settings_.setView(View(view)); }

void MainWindow::onActionChosen(int action) { settings_.setAction(Action(action)); }

void MainWindow::onModelChosen(int model) { settings_.chooseModel(model); }

void MainWindow::onOperationChosen(int operation) { settings_.setOperation(Operation(operation)); }

void MainWindow::onLineChoiceChosen(int choice) { settings_.setLineChoice(LineChoice(choice)); }

void MainWindow::onShapeChosen(const QAction* item) {
    if (!followers_->showingSettings()) settings_.setShape(*ChargeShapes()[item->data().toInt()]);
}

void MainWindow::onDensityChosen() {
    if (followers_->showingSettings()) return;
    settings_.setDensity(ui_.densityBox->currentText().toInt());
    ui_.calculateButton->setFocus();
}

// The density is chosen from the list: typed characters never reach it.
// Arrow keys still move through the list.
bool MainWindow::dropsDensityKey(const QKeyEvent& key) const {
    const bool character = !key.text().isEmpty() && key.text().at(0).isPrint();
    return character || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
}

// Runs on every change of the text the user types: the marker follows. A
// typed point is not evaluated until "Calcular".
void MainWindow::onXTyped() {
    if (!followers_->showingSettings()) settings_.setTypedX(ReadBox(ui_.xBox));
}

void MainWindow::onYTyped() {
    if (!followers_->showingSettings()) settings_.setTypedY(ReadBox(ui_.yBox));
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
    ui_.pointerXBox->setText(CoordinateText(x));
    ui_.pointerYBox->setText(CoordinateText(y));
}
