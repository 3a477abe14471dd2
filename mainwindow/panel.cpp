// The choice of action, the line-family panel and "Calcular".

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

#include "field/number_text.h"
#include "mainwindow/main_window.h"
#include "view/drawing_surface.h"

void MainWindow::onActionChosen(int action) {
    settings_.setAction(Action(action));
    if (settings_.action() == Action::FieldAndPotential) {
        ui_.surface->setMarkerVisible(true);
    } else {  // lines are always traced from the exact model
        selectExactModel();
        ui_.surface->setMarkerVisible(false);
    }
    if (settings_.action() == Action::Equipotential) showLinePanel(true);
}

// The panel lies over the content of "Obtener"; what it covers is out of
// reach, by the mouse and by the keyboard, until it goes.
void MainWindow::showLinePanel(bool show) {
    const bool hadFocus = ui_.obtainFrame->isAncestorOf(QApplication::focusWidget());
    for (QWidget* covered : ui_.obtainFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (covered != ui_.linePanel) covered->setVisible(!show);
    ui_.linePanel->setVisible(show);
    // Keyboard focus moves along with what is shown.
    if (!hadFocus) return;
    QAbstractButton* chosen = show ? ui_.lineOptions->button(int(settings_.lineChoice()))
                                   : ui_.actionOptions->button(int(settings_.action()));
    chosen->setFocus();
}

void MainWindow::onLineChoiceChosen(int choice) { settings_.setLineChoice(LineChoice(choice)); }

// Reads the step box into PotentialStep, rounded to whole volts. A step
// below 1 V (zero, negative, or text that reads as no number) would put a
// line at every scan position, and one too large for the program means
// nothing: both are refused.
bool MainWindow::readPotentialStep() {
    const auto step = RoundToInt32(readBox(ui_.stepBox));
    if (!step || *step < 1) {
        refuseData();
        return false;
    }
    state_.PotentialStep = *step;
    return true;
}

void MainWindow::acceptLinePanel() {
    if (settings_.lineChoice() == LineChoice::Single) {
        showLinePanel(false);
        return;
    }
    if (!readPotentialStep()) return;
    drawEquipotentialSet(settings_.front());
}

void MainWindow::cancelLinePanel() {
    Select(ui_.actionOptions, int(Action::FieldAndPotential));
    showLinePanel(false);
}

void MainWindow::calculateTypedPoint() {
    if (!ui_.linePanel->isHidden()) {
        acceptLinePanel();
        return;
    }
    // A point on the segment has no field. In the profile view the same
    // numbers are (Z, Y) and the click routine itself ignores the axis.
    const bool onSegment =
        std::abs(state_.PointY) < 0.003 && state_.PointX > 0 && state_.PointX < segment::kLength;
    if (settings_.front() && onSegment) {
        refuseData();
        return;
    }
    evaluatePoint(true);
}
