// The choice of action, the line-family panel and "Calcular".

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

#include "field/number_text.h"
#include "mainwindow/main_window.h"
#include "view/drawing_surface.h"

// The panel lies over the content of "Obtener"; what it covers is out of
// reach, by the mouse and by the keyboard, until it goes. Keyboard focus
// that was in "Obtener" moves along with what is shown.
void MainWindow::showLinePanel() {
    const bool hadFocus = focusInObtainFrame();
    coverObtainFrame(true);
    if (hadFocus) ui_.lineOptions->button(int(settings_.lineChoice()))->setFocus();
}

void MainWindow::hideLinePanel() {
    const bool hadFocus = focusInObtainFrame();
    coverObtainFrame(false);
    if (hadFocus) ui_.actionOptions->button(int(settings_.action()))->setFocus();
}

void MainWindow::coverObtainFrame(bool covered) {
    for (QWidget* part : ui_.obtainFrame->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (part != ui_.linePanel) part->setVisible(!covered);
    ui_.linePanel->setVisible(covered);
}

bool MainWindow::focusInObtainFrame() const {
    return ui_.obtainFrame->isAncestorOf(QApplication::focusWidget());
}

// Reads the step box into the potential step, rounded to whole volts. A step
// below 1 V (zero, negative, or text that reads as no number) would put a
// line at every scan position, and one too large for the program means
// nothing: both are refused.
bool MainWindow::readPotentialStep() {
    const auto step = RoundToInt32(readBox(ui_.stepBox));
    if (!step || *step < 1) {
        refuseData();
        return false;
    }
    settings_.setPotentialStep(*step);
    return true;
}

void MainWindow::acceptLinePanel() {
    if (settings_.lineChoice() == LineChoice::Single) {
        hideLinePanel();
        return;
    }
    if (!readPotentialStep()) return;
    startEquipotentialSet();
}

void MainWindow::cancelLinePanel() { settings_.setAction(Action::FieldAndPotential); }
