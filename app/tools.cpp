// Tools beyond the drawing: the window of plots and saving the drawing.

#include <QCoreApplication>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QSaveFile>
#include <cmath>

#include "app/main_window.h"
#include "plotwindow/plot_view.h"
#include "view/drawing_surface.h"

namespace {

// The plot window, made by its module; none, with the reason in error, when
// the module cannot be loaded. The module stays loaded to the end.
PlotView* LoadPlotView(QWidget* parent, QString& error) {
    QLibrary module(QCoreApplication::applicationDirPath() + "/" TERVIK_PLOT_MODULE);
    const auto make = reinterpret_cast<MakePlotViewFunction>(module.resolve(kMakePlotViewName));
    if (make) return make(parent);
    error = module.errorString();
    return nullptr;
}

}  // namespace

void MainWindow::menu_graficas_Click() {
    QString error;
    if (!plots_) plots_ = LoadPlotView(this, error);
    if (!plots_) {
        QMessageBox box(QMessageBox::NoIcon, "Tervik",
                        "No se pudieron cargar las gráficas.\n" + error, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    FollowPlots();
    QWidget* window = plots_->widget();
    window->show();
    window->raise();
    window->activateWindow();
}

// The plots follow the current point; in the profile view that point lies in
// the plane x = 0.5 at its distance from the axis.
void MainWindow::FollowPlots() {
    if (!plots_) return;
    const bool front = state_.FrontView;
    plots_->follow({state_.Lambda, state_.ElementCount, front ? state_.PointX : 0.5,
                    front ? state_.PointY : std::hypot(state_.PointX, state_.PointY)});
}

// The drawing as it is, at its device pixels: the image "Copiar al
// Portapapeles" puts on the clipboard.
void MainWindow::menu_guardar_imagen_Click() {
    QFileDialog dialog(this, "Guardar Imagen", "dibujo.png", "Imagen PNG (*.png)");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("png");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    // Written beside the chosen file and renamed over it once complete: a
    // failed write leaves the earlier file whole. Unbuffered, because commit()
    // does not see a write that fails only when its buffer is flushed.
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) &&
        ui_.CajaDib->picture().save(&file, "PNG") && file.commit())
        return;
    QMessageBox box(QMessageBox::NoIcon, "Tervik",
                    "No se pudo guardar la imagen en «" + path + "».", QMessageBox::Ok, this);
    box.exec();
}
