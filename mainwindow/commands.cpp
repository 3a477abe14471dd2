// Clear, copy, about and exit.

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "field/model_text.h"
#include "mainwindow/main_window.h"
#include "view/drawing_surface.h"
#include "wholefield/field_keys.h"

void MainWindow::clearDrawing() { settings_.clearDrawing(); }

void MainWindow::copyDrawing() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QImage copy = ui_.fieldKeys->withKeysUnder(ui_.surface->picture());
    clipboard->setImage(copy);
    if (clipboard->image().size() != copy.size()) {
        QMessageBox box(QMessageBox::NoIcon, "Tervik",
                        "No se pudo copiar el dibujo al Portapapeles.", QMessageBox::Ok, this);
        box.exec();
    }
}

void MainWindow::showAbout() {
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
    const std::string facts[] = {
        "Constante de Coulomb: " + model_text::kCoulomb,
        "Carga del segmento: " + model_text::kTotalCharge,
        "«Infinito (Integral)»: " + model_text::kExact,
        "«Discretización» (N = " + std::to_string(n) + "): " + model_text::PointCharges(n),
    };
    QStringList shown = lines;
    shown << "";
    for (const std::string& fact : facts) shown << QString::fromStdString(fact);
    const QString text = shown.join("\r\n");
    QMessageBox box(QMessageBox::NoIcon, "Tervik", text, QMessageBox::Ok, this);
    box.setObjectName("AcercaDe");
    box.exec();
}

// Ends the program at once; nothing is kept.
void MainWindow::exitProgram() {
    settings_.endProgram();
    close();
    QCoreApplication::quit();
}
