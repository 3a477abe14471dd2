#pragma once

#include <QObject>

#include "mainwindow/controls.h"

class PlotView;
class QMainWindow;
class Settings;

// The window's commands: "Limpiar", "Copiar al Portapapeles", "Salir" (the
// button and the menu's), "Acerca de ...", "Gráficas..." and "Guardar
// Imagen...". Each acts on the settings or on the drawing as it is.
class Commands : public QObject {
public:
    Commands(QMainWindow& window, Settings& settings, const Controls& ui);

private:
    void clearDrawing();
    void copyDrawing();
    void showAbout();
    void exitProgram();
    void showPlots();
    void saveDrawing();
    void say(const QString& text);  // a message with only "OK"

    QMainWindow& window_;
    Settings& settings_;
    const Controls& ui_;
    PlotView* plots_ = nullptr;  // loaded when first asked for
};
