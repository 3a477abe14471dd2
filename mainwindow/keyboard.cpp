// Keyboard use: the tab order follows the window's columns, and access keys
// reach the commands and menus without changing their captions.

#include "mainwindow/keyboard.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QShortcut>

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
// arrow keys move within the group. The options' own signals are followed,
// whoever selects them: the user, or the window showing the settings.
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

Keyboard::Keyboard(QMainWindow& window, const Controls& ui) : ui_(ui) {
    // The drawing surface's column first, then "Obtener" and the panel over
    // it, then the settings and the commands below them.
    QList<QWidget*> order = Options(ui_.viewOptions);
    order << ui_.pointerXBox << ui_.pointerYBox << Options(ui_.actionOptions) << ui_.densityBox
          << ui_.xBox << ui_.yBox << ui_.exBox << ui_.eyBox << ui_.potentialBox
          << Options(ui_.lineOptions) << ui_.stepBox << ui_.cancelLinesButton
          << ui_.acceptLinesButton << Options(ui_.zoomOptions) << Options(ui_.operationOptions)
          << ui_.elementArrowsBox << Options(ui_.modelOptions) << ui_.clearButton
          << ui_.calculateButton << ui_.exitButton << ui_.copyButton;
    for (qsizetype i = 0; i + 1 < order.size(); ++i) QWidget::setTabOrder(order[i], order[i + 1]);
    for (QButtonGroup* group : {ui_.viewOptions, ui_.actionOptions, ui_.lineOptions,
                                ui_.zoomOptions, ui_.operationOptions, ui_.modelOptions})
        TabToSelectedOption(group);

    const auto accessKey = [&window](const char* keys, QAbstractButton* button) {
        auto* shortcut = new QShortcut(QKeySequence(keys), &window);
        connect(shortcut, &QShortcut::activated, button, &QAbstractButton::click);
        button->setToolTip(button->text() + " (" + QKeySequence(keys).toString() + ")");
    };
    accessKey("Alt+L", ui_.clearButton);
    accessKey("Alt+C", ui_.calculateButton);
    accessKey("Alt+S", ui_.exitButton);
    accessKey("Alt+P", ui_.copyButton);

    QMenuBar* menus = window.menuBar();
    const auto menuKey = [&window, menus](const char* keys, QMenu* menu) {
        auto* shortcut = new QShortcut(QKeySequence(keys), &window);
        connect(shortcut, &QShortcut::activated, menus,
                [menus, menu] { menus->setActiveAction(menu->menuAction()); });
    };
    menuKey("Alt+A", menus->findChild<QMenu*>("fileMenu"));
    menuKey("Alt+H", menus->findChild<QMenu*>("toolsMenu"));
    menuKey("Alt+Y", menus->findChild<QMenu*>("helpMenu"));

    // Enter in a coordinate box calculates; in the step box it accepts.
    connect(ui_.xBox, &QLineEdit::returnPressed, ui_.calculateButton, &QAbstractButton::click);
    connect(ui_.yBox, &QLineEdit::returnPressed, ui_.calculateButton, &QAbstractButton::click);
    connect(ui_.stepBox, &QLineEdit::returnPressed, ui_.acceptLinesButton, &QAbstractButton::click);
    window.installEventFilter(this);
}

// Escape that reaches the window while the line panel is shown cancels it,
// like its "Cancelar".
bool Keyboard::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !ui_.linePanel->isHidden()) {
        ui_.cancelLinesButton->click();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
