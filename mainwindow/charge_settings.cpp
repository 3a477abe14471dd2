// The charge density and the model of the segment.

#include <QComboBox>
#include <QPushButton>
#include <algorithm>

#include "mainwindow/main_window.h"

void MainWindow::onDensityChosen() {
    bool number = false;
    int density = ui_.densityBox->currentText().toInt(&number);
    if (!number || std::ranges::find(kDensityChoices, density) == kDensityChoices.end()) {
        density = kStartDensity;
        ui_.densityBox->setCurrentText(QString::number(density));
    }
    settings_.setDensity(density);
    redrawFrame();
    ui_.calculateButton->setFocus();
}

// The density is chosen from the list: typed characters never reach it.
// Arrow keys still move through the list.
bool MainWindow::dropsDensityKey(const QKeyEvent& key) const {
    const bool character = !key.text().isEmpty() && key.text().at(0).isPrint();
    return character || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
}

void MainWindow::onModelChosen(int model) {
    settings_.setModel(model);
    // The profile view selects the integral itself and keeps its own frame.
    if (!settings_.front()) return;
    // Point charges are offered only for the field and potential at a point.
    if (settings_.action() != Action::FieldAndPotential) {
        Select(ui_.modelOptions, kExactModel);
        model = kExactModel;
    }
    if (model != kExactModel) {
        settings_.setElementCount(model);
        drawFrontFrame();
        return;
    }
    // The integral is always evaluated at once: "Automático" goes with it. Its
    // own handler is not run, since it would fall back to five elements.
    selectAutomaticQuietly();
    drawFrontFrame();  // with the integral selected it paints the continuous charge
}

// Selects the integral (its handler runs if the selection changes) together
// with "Automático", so the options never contradict the picture.
void MainWindow::selectExactModel() {
    Select(ui_.modelOptions, kExactModel);
    selectAutomaticQuietly();
}

void MainWindow::selectAutomaticQuietly() {
    const QSignalBlocker quiet(ui_.operationOptions);
    Select(ui_.operationOptions, int(Operation::Automatic));
    settings_.setOperation(Operation::Automatic);
}
