// Tools beyond the drawing: the window of plots and saving the drawing.

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QLibrary>
#include <QMessageBox>
#include <QSaveFile>

#include "app/field_keys.h"
#include "app/main_window.h"
#include "app/plot_follower.h"
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

void MainWindow::showPlots() {
    QString error;
    if (!plots_) {
        plots_ = LoadPlotView(this, error);
        if (plots_) FollowSettings(*plots_, settings_);
    }
    if (!plots_) {
        QMessageBox box(QMessageBox::NoIcon, "Tervik",
                        "No se pudieron cargar las gráficas.\n" + error, QMessageBox::Ok, this);
        box.exec();
        return;
    }
    QWidget* window = plots_->widget();
    window->show();
    window->raise();
    window->activateWindow();
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
    // Encoded in memory, so that a write that fails is the program's own and
    // not one inside the PNG encoder, which then loses memory. Written beside
    // the chosen file and renamed over it once complete: a failed write leaves
    // the earlier file whole. Unbuffered, because commit() does not see a
    // write that fails only when its buffer is flushed.
    QByteArray png;
    QBuffer encoded(&png);
    QSaveFile file(path);
    if (encoded.open(QIODevice::WriteOnly) &&
        ui_.LeyendaCampo->withKeysUnder(ui_.CajaDib->picture()).save(&encoded, "PNG") &&
        file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && file.write(png) == png.size() &&
        file.commit())
        return;
    QMessageBox box(QMessageBox::NoIcon, "Tervik",
                    "No se pudo guardar la imagen en «" + path + "».", QMessageBox::Ok, this);
    box.exec();
}
