// The window's commands, and the tools beyond the drawing: the window of
// plots and saving the drawing.

#include "mainwindow/commands.h"

#include <QAction>
#include <QBuffer>
#include <QClipboard>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageWriter>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>

#include "field/model_text.h"
#include "mainwindow/plot_follower.h"
#include "plotwindow/plot_module.h"
#include "plotwindow/plot_view.h"
#include "settings/model_in_use.h"
#include "settings/settings.h"
#include "view/drawing_surface.h"
#include "wholefield/field_keys.h"

Commands::Commands(QMainWindow& window, Settings& settings, const Controls& ui)
    : window_(window), settings_(settings), ui_(ui) {
    connect(ui_.clearButton, &QPushButton::clicked, this, &Commands::clearDrawing);
    connect(ui_.copyButton, &QPushButton::clicked, this, &Commands::copyDrawing);
    connect(ui_.exitButton, &QPushButton::clicked, this, &Commands::exitProgram);
    connect(ui_.exitAction, &QAction::triggered, this, &Commands::exitProgram);
    connect(ui_.aboutAction, &QAction::triggered, this, &Commands::showAbout);
    connect(ui_.plotsAction, &QAction::triggered, this, &Commands::showPlots);
    connect(ui_.saveImageAction, &QAction::triggered, this, &Commands::saveDrawing);
}

void Commands::say(const QString& text) {
    QMessageBox box(QMessageBox::NoIcon, "Tervik", text, QMessageBox::Ok, &window_);
    box.exec();
}

void Commands::clearDrawing() { settings_.clearDrawing(); }

void Commands::copyDrawing() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QImage copy = ui_.fieldKeys->withKeysUnder(ui_.surface->picture());
    clipboard->setImage(copy);
    if (clipboard->image().size() != copy.size())
        say("No se pudo copiar el dibujo al Portapapeles.");
}

void Commands::showAbout() {
    const QStringList lines = {
        "Programa para Enseñanza de la Física",
        "Marnel",
        "Autores: el equipo de Tervik",
        "Contacto: por medio del repositorio del proyecto",
        "",
        " © 2026 Marnel. Se permite su uso libre en la enseñanza.",
        "",
        "Comuniquese para obtener mayor información,",
        "nuevas versiones y otros programas",
    };
    // Then the constant and the models every number of the program comes from.
    const int n = settings_.elementCount();
    const ChargeDistribution& shape = ShapeInUse(settings_);
    const std::string facts[] = {
        "Constante de Coulomb: " + model_text::kCoulomb,
        "Carga: " + model_text::Charge(shape),
        "«Infinito (Integral)»: " + model_text::Model(shape, 0),
        "«Discretización» (N = " + std::to_string(n) + "): " + model_text::Model(shape, n),
    };
    QStringList shown = lines;
    shown << "";
    for (const std::string& fact : facts) shown << QString::fromStdString(fact);
    const QString text = shown.join("\r\n");
    QMessageBox box(QMessageBox::NoIcon, "Tervik", text, QMessageBox::Ok, &window_);
    box.setObjectName("AcercaDe");
    box.exec();
}

// Ends the program at once; nothing is kept.
void Commands::exitProgram() {
    settings_.endProgram();
    window_.close();
    QCoreApplication::quit();
}

namespace {

// The plot window, made by its module; none, with the reason in error, when
// the module cannot be loaded. The module stays loaded to the end.
PlotView* LoadPlotView(QWidget* parent, QString& error) {
    const auto make =
        reinterpret_cast<MakePlotViewFunction>(PlotModuleEntry(kMakePlotViewName, error));
    return make ? make(parent) : nullptr;
}

}  // namespace

void Commands::showPlots() {
    QString error;
    if (!plots_) {
        plots_ = LoadPlotView(&window_, error);
        if (plots_) FollowSettings(*plots_, settings_);
    }
    if (!plots_) {
        say("No se pudieron cargar las gráficas.\n" + error);
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
void Commands::saveDrawing() {
    QStringList filters;
    for (const ImageFormat& format : kOfferedFormats)
        if (Writable(format.suffix)) filters << format.filter;
    QFileDialog dialog(&window_, "Guardar Imagen", "dibujo.png", filters.join(";;"));
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
