#pragma once

#include <QObject>
#include <functional>

#include "mainwindow/controls.h"
#include "settings/settings.h"

// The line-family panel: it comes over the content of "Obtener" with the
// equipotentials and goes with "Cancelar" (or Escape); "Aceptar" keeps single
// lines or, with "Conjunto de Líneas", reads the step and starts a set. The
// step box shows the step that follows the zoom until the user types another.
class LinePanel : public QObject {
public:
    // startSet draws a set of equipotentials with the settings' step.
    LinePanel(QWidget& window, Settings& settings, const Controls& ui,
              std::function<void()> startSet);

private:
    void follow(Settings::Changes what);
    void show();
    void hide();
    void setObtainFrameCovered(bool covered);
    bool focusInObtainFrame() const;
    void accept();
    void cancel();
    bool readPotentialStep();

    QWidget& window_;
    Settings& settings_;
    const Controls& ui_;
    std::function<void()> startSet_;
};
