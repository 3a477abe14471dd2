#pragma once

#include <QObject>
#include <QPointer>

#include "settings/settings.h"

class GaussWindow;
class QMenu;
class QWidget;

// "Superficie de Gauss...": its menu item opens the tool's window, or raises
// it; the window is open while the settings say so, and says so when the
// user closes it.
class GaussTool : public QObject {
    Q_OBJECT

public:
    // Adds the item to the menu; the window belongs to `window`.
    static GaussTool* AddTool(QMenu& menu, QWidget& window, Settings& settings);

private:
    GaussTool(QWidget& window, Settings& settings);
    void follow(Settings::Changes what);
    void raise();

    QWidget& window_;
    Settings& settings_;
    QPointer<GaussWindow> gauss_;
};
