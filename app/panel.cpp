// The choice of action, the line-family panel and "Calcular".

#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>

#include "app/main_window.h"
#include "field/number_text.h"
#include "view/drawing_surface.h"

void MainWindow::Obtener_Click(int index) {
    if (index <= 1) {
        ui_.CajaDib->setMarkerVisible(true);
    } else {  // lines are always traced from the exact model
        SelectExactModel();
        ui_.CajaDib->setMarkerVisible(false);
    }
    if (IsSelected(ui_.Obtener, 3)) ShowLinePanel(true);
}

// The panel lies over the content of "Obtener"; what it covers is out of
// reach, by the mouse and by the keyboard, until it goes.
void MainWindow::ShowLinePanel(bool show) {
    const bool hadFocus = ui_.Frame1->isAncestorOf(QApplication::focusWidget());
    for (QWidget* covered : ui_.Frame1->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (covered != ui_.CuadroLV) covered->setVisible(!show);
    ui_.CuadroLV->setVisible(show);
    // Keyboard focus moves along with what is shown.
    if (!hadFocus) return;
    QButtonGroup* options = show ? ui_.OptionV : ui_.Obtener;
    options->checkedButton()->setFocus();
}

// Reads Delta into PotentialStep; a step too large for the program is refused.
bool MainWindow::ReadPotentialStep() {
    const auto step = RoundToInt32(ReadBox(ui_.Delta));
    if (!step) {
        RefuseData();
        return false;
    }
    state_.PotentialStep = *step;
    return true;
}

void MainWindow::AceptaV_Click() {
    if (IsSelected(ui_.OptionV, 0)) {
        ShowLinePanel(false);
        return;
    }
    if (!ReadPotentialStep()) return;
    DrawEquipotentialSet(IsSelected(ui_.Ver, 0));
}

void MainWindow::CancelaV_Click() {
    Select(ui_.Obtener, 1);
    ShowLinePanel(false);
}

void MainWindow::Calcular_Click() {
    if (!ui_.CuadroLV->isHidden()) {
        AceptaV_Click();
        return;
    }
    // A point on the segment has no field. In the profile view the same
    // numbers are (Z, Y) and the click routine itself ignores the axis.
    const bool onSegment =
        std::abs(state_.PointY) < 0.003 && state_.PointX > 0 && state_.PointX < 1;
    if (state_.FrontView && onSegment) {
        RefuseData();
        return;
    }
    state_.UseTypedPoint = true;
    CajaDib_Click();
}
