// Tools beyond the drawing: the window of plots and saving the drawing.

#include <QFileDialog>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/plot_follower.h"
#include "plotwindow/plot_window.h"
#include "view/drawing_surface.h"

void MainWindow::showPlots() {
    if (!plots_) {
        plots_ = new PlotWindow(this);
        FollowSettings(*plots_, settings_);
    }
    plots_->show();
    plots_->raise();
    plots_->activateWindow();
}

// The drawing as it is, at its device pixels: the image "Copiar al
// Portapapeles" puts on the clipboard.
void MainWindow::saveDrawing() {
    QFileDialog dialog(this, "Guardar Imagen", "dibujo.png", "Imagen PNG (*.png)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("png");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    if (ui_.CajaDib->picture().save(path, "PNG")) return;
    QMessageBox box(QMessageBox::NoIcon, "Tervik",
                    "No se pudo guardar la imagen en «" + path + "».", QMessageBox::Ok, this);
    box.exec();
}
