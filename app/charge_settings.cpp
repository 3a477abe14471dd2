// The charge density and the model of the segment.

#include <QComboBox>
#include <QPushButton>

#include "app/main_window.h"
#include "field/number_text.h"

void MainWindow::Combo1_Click() {
    static const QStringList kDensities{"-10", "-5", "-1", "1", "5", "10"};
    QString chosen = ui_.Combo1->currentText();
    if (!kDensities.contains(chosen)) {
        chosen = "1";
        ui_.Combo1->setCurrentText(chosen);
    }
    state_.Lambda = Val(chosen.toStdString()) * 1e-6;
    ++state_.SettingChanges;
    if (state_.FrontView)
        DrawFrontFrame();
    else
        DrawProfileFrame();
    ui_.Calcular->setFocus();
    FollowPlots();
}

// The density is chosen from the list: typed characters never reach it.
// Arrow keys still move through the list.
bool MainWindow::Combo1_KeyPress(const QKeyEvent& key) const {
    const bool character = !key.text().isEmpty() && key.text().at(0).isPrint();
    return character || key.key() == Qt::Key_Backspace || key.key() == Qt::Key_Delete;
}

void MainWindow::Discretiza_Click(int index) {
    // The profile view selects the integral itself and keeps its own frame.
    if (!state_.FrontView) return;
    ++state_.SettingChanges;
    // Point charges are offered only for the field and potential at a point.
    if (!IsSelected(ui_.Obtener, 1)) {
        Select(ui_.Discretiza, 0);
        index = 0;
    }
    if (index != 0) {
        state_.ElementCount = index;
        DrawFrontFrame();
        FollowPlots();
        return;
    }
    // The integral is always evaluated at once: "Automático" goes with it. Its
    // own handler is not run, since it would fall back to five elements.
    const QSignalBlocker quiet(ui_.Manual);
    Select(ui_.Manual, 0);
    DrawFrontFrame();  // with the integral selected it paints the continuous charge
}

// Selects the integral (its handler runs if the selection changes) together
// with "Automático", so the options never contradict the picture.
void MainWindow::SelectExactModel() {
    Select(ui_.Discretiza, 0);
    const QSignalBlocker quiet(ui_.Manual);
    Select(ui_.Manual, 0);
}
