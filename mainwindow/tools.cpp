// Tools beyond the drawing: the window of plots and saving the drawing.

#include <QBuffer>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QImageWriter>
#include <QLibrary>
#include <QMessageBox>
#include <QSaveFile>

#include "mainwindow/main_window.h"
#include "mainwindow/plot_follower.h"
#include "plotwindow/plot_view.h"
#include "view/drawing_surface.h"
#include "wholefield/field_keys.h"

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

namespace {

// The formats offered, by the extension each adds to a name typed without one.
struct ImageFormat {
    const char* filter;
    const char* suffix;
};
constexpr ImageFormat kOfferedFormats[] = {{"Imagen PNG (*.png)", "png"},
                                           {"Imagen JPEG (*.jpg *.jpeg)", "jpg"},
                                           {"Imagen BMP (*.bmp)", "bmp"}};

bool Writable(const QString& suffix) {
    return QImageWriter::supportedImageFormats().contains(suffix.toLower().toLatin1());
}

// Writes on after a short write, so that a write that stops part-way ends
// in the failure that stopped it, and the file's error says why.
bool WriteAll(QSaveFile& file, const QByteArray& bytes) {
    for (qsizetype done = 0; done < bytes.size();) {
        const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0) return false;
        done += written;
    }
    return true;
}

}  // namespace

// The drawing as it is, at its device pixels: the image "Copiar al
// Portapapeles" puts on the clipboard, in the format the name's extension
// names, or the chosen type's when the name has none.
void MainWindow::saveDrawing() {
    QStringList filters;
    for (const ImageFormat& format : kOfferedFormats)
        if (Writable(format.suffix)) filters << format.filter;
    QFileDialog dialog(this, "Guardar Imagen", "dibujo.png", filters.join(";;"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setDefaultSuffix("png");
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        for (const ImageFormat& format : kOfferedFormats)
            if (filter == format.filter) dialog.setDefaultSuffix(format.suffix);
    });
    if (dialog.exec() != QDialog::Accepted) return;
    const QString path = dialog.selectedFiles().value(0);
    const QString suffix = QFileInfo(path).suffix();
    const auto say = [this](const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, "Tervik", text, QMessageBox::Ok, this);
        box.exec();
    };
    if (!Writable(suffix)) {
        say("No se guardó la imagen: Tervik no sabe escribir imágenes con la extensión «." +
            suffix + "». Use .png, .jpg o .bmp, o escriba el nombre sin extensión.");
        return;
    }
    // Encoded in memory, so that a write that fails is the program's own and
    // not one inside the encoder, which then loses memory. Written beside
    // the chosen file and renamed over it once complete: a failed write leaves
    // the earlier file whole. Unbuffered, because commit() does not see a
    // write that fails only when its buffer is flushed.
    QByteArray encoded;
    QBuffer buffer(&encoded);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, suffix.toLower().toLatin1());
    QSaveFile file(path);
    QString reason;
    if (!writer.write(ui_.fieldKeys->withKeysUnder(ui_.surface->picture())))
        reason = writer.errorString();
    else if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !WriteAll(file, encoded) ||
             !file.commit())
        reason = file.errorString();
    else
        return;
    say("No se pudo guardar la imagen en «" + path + "»:\n" + reason);
}
