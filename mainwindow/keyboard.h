#pragma once

#include <QObject>

#include "mainwindow/controls.h"

class QMainWindow;

// Keyboard use of the window: the tab order follows the window's columns,
// Tab reaches an option group at its selected option, access keys reach the
// commands and menus without changing their captions, Enter in a box presses
// the command it belongs to and Escape cancels the line panel.
class Keyboard : public QObject {
public:
    Keyboard(QMainWindow& window, const Controls& ui);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    const Controls& ui_;
};
