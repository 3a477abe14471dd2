// Keyboard use: the tab order follows the window's columns, and access keys
// reach the commands and menus without changing their captions.

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

#include "app/main_window.h"
#include "view/drawing_surface.h"

namespace {

// The options of a group in the order they were built, which is the order
// they stand in on the screen: left to right, then top to bottom.
QList<QWidget*> Options(const QButtonGroup* group) {
    QList<QWidget*> options;
    for (QAbstractButton* option : group->buttons()) options << option;
    return options;
}

// Tab reaches a group at its selected option, as on every desktop; the
// arrow keys move within the group. The options' own signals are followed:
// the window selects some options itself with the group's signals blocked.
void TabToSelectedOption(QButtonGroup* group) {
    const auto follow = [group] {
        for (QAbstractButton* option : group->buttons())
            option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    };
    follow();
    for (QAbstractButton* option : group->buttons())
        QObject::connect(option, &QAbstractButton::toggled, group, follow);
}

}  // namespace

void MainWindow::setUpKeyboard() {
    // The drawing surface's column first, then "Obtener" and the panel over
    // it, then the settings and the commands below them.
    QList<QWidget*> order = Options(ui_.Ver);
    order << ui_.MoveX << ui_.MoveY << Options(ui_.Obtener) << ui_.Combo1 << ui_.CajaX << ui_.CajaY
          << ui_.CajaEx << ui_.CajaEy << ui_.CajaV << Options(ui_.OptionV) << ui_.Delta
          << ui_.CancelaV << ui_.AceptaV << Options(ui_.Amplia) << Options(ui_.Manual) << ui_.Ver1
          << Options(ui_.Discretiza) << ui_.Limpiar << ui_.Calcular << ui_.Command2 << ui_.Copiar;
    for (qsizetype i = 0; i + 1 < order.size(); ++i) setTabOrder(order[i], order[i + 1]);
    for (QButtonGroup* group :
         {ui_.Ver, ui_.Obtener, ui_.OptionV, ui_.Amplia, ui_.Manual, ui_.Discretiza})
        TabToSelectedOption(group);

    const auto accessKey = [this](const char* keys, QAbstractButton* button) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        button->setToolTip(button->text() + " (" + QKeySequence(keys).toString() + ")");
    };
    accessKey("Alt+L", ui_.Limpiar);
    accessKey("Alt+C", ui_.Calcular);
    accessKey("Alt+S", ui_.Command2);
    accessKey("Alt+P", ui_.Copiar);

    const auto menuKey = [this](const char* keys, QMenu* menu) {
        auto* shortcut = new QShortcut(QKeySequence(keys), this);
        connect(shortcut, &QShortcut::activated, this,
                [this, menu] { menuBar()->setActiveAction(menu->menuAction()); });
    };
    menuKey("Alt+A", menuBar()->findChild<QMenu*>("menu_archivo"));
    menuKey("Alt+H", menuBar()->findChild<QMenu*>("menu_herramientas"));
    menuKey("Alt+Y", menuBar()->findChild<QMenu*>("menu_ayuda"));

    // Enter in a coordinate box calculates; in the step box it accepts.
    connect(ui_.CajaX, &QLineEdit::returnPressed, this, &MainWindow::calculateTypedPoint);
    connect(ui_.CajaY, &QLineEdit::returnPressed, this, &MainWindow::calculateTypedPoint);
    connect(ui_.Delta, &QLineEdit::returnPressed, this, &MainWindow::acceptLinePanel);
}

// Escape while the line panel is shown cancels it, like its "Cancelar".
void MainWindow::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && !ui_.CuadroLV->isHidden()) {
        ui_.CancelaV->click();
        return;
    }
    QMainWindow::keyPressEvent(event);
}
