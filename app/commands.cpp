// Clear, copy, operation mode, about and exit.

#include <QClipboard>
#include <QGuiApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "view/drawing_surface.h"

void MainWindow::Limpiar_Click() {
    if (IsSelected(ui_.Ver, 0))
        DrawFrontFrame();
    else
        DrawProfileFrame();
}

void MainWindow::Copiar_Click() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    const QImage copy = ui_.CajaDib->picture();
    clipboard->setImage(copy);
    if (clipboard->image().size() != copy.size()) {
        QMessageBox box(QMessageBox::NoIcon, "Tervik",
                        "No se pudo copiar el dibujo al Portapapeles.", QMessageBox::Ok, this);
        box.exec();
    }
}

void MainWindow::Manual_Click(int /*index*/) {
    ++state_.SettingChanges;
    DrawFrontFrame();
    // Both operation modes work on point charges.
    if (IsSelected(ui_.Discretiza, 0)) {
        Select(ui_.Discretiza, 5);
        state_.ElementCount = 5;
    }
}

void MainWindow::menu_acerca_Click() {
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
    const QString text = lines.join("\r\n");
    QMessageBox box(QMessageBox::NoIcon, "Tervik", text, QMessageBox::Ok, this);
    box.setObjectName("AcercaDe");
    box.exec();
}

// Ends the program at once; nothing is kept.
void MainWindow::Command2_Click() {
    state_.Quitting = true;
    close();
    QCoreApplication::quit();
}

void MainWindow::menu_salir_Click() { Command2_Click(); }
