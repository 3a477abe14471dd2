#include "app/main_window.h"

#include <QAction>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>

#include "field/number_text.h"
#include "view/drawing_surface.h"
#include "view/field_arrow.h"

MainWindow::MainWindow(QWidget* parent) : QMainWindow(parent) {
    setObjectName("Tervik");
    setWindowTitle("Tervik Versión 1.0  // Marnel");
    buildControls();
    connectHandlers();
    setUpKeyboard();
    Form_Load();
}

void MainWindow::connectHandlers() {
    // Option handlers run whenever an option becomes selected, by the user or by code.
    const auto onSelect = [this](QButtonGroup* group, void (MainWindow::*handler)(int)) {
        connect(group, &QButtonGroup::idToggled, this, [this, handler](int id, bool checked) {
            if (checked) (this->*handler)(id);
        });
    };
    onSelect(ui_.Amplia, &MainWindow::Amplia_Click);
    onSelect(ui_.Ver, &MainWindow::Ver_Click);
    onSelect(ui_.Obtener, &MainWindow::Obtener_Click);
    onSelect(ui_.Discretiza, &MainWindow::Discretiza_Click);
    onSelect(ui_.Manual, &MainWindow::Manual_Click);

    // Text handlers run on every change of the text, typed or written by code.
    connect(ui_.CajaX, &QLineEdit::textChanged, this, &MainWindow::CajaX_Change);
    connect(ui_.CajaY, &QLineEdit::textChanged, this, &MainWindow::CajaY_Change);
    connect(ui_.Combo1, &QComboBox::currentIndexChanged, this, &MainWindow::Combo1_Click);
    ui_.Combo1->installEventFilter(this);
    for (QPushButton* command : findChildren<QPushButton*>()) command->installEventFilter(this);

    connect(ui_.CajaDib, &DrawingSurface::pointerMoved, this, &MainWindow::CajaDib_MouseMove);
    connect(ui_.CajaDib, &DrawingSurface::clicked, this, &MainWindow::CajaDib_Click);
    connect(ui_.AceptaV, &QPushButton::clicked, this, &MainWindow::AceptaV_Click);
    connect(ui_.CancelaV, &QPushButton::clicked, this, &MainWindow::CancelaV_Click);
    connect(ui_.Calcular, &QPushButton::clicked, this, &MainWindow::Calcular_Click);
    connect(ui_.Limpiar, &QPushButton::clicked, this, &MainWindow::Limpiar_Click);
    connect(ui_.Copiar, &QPushButton::clicked, this, &MainWindow::Copiar_Click);
    connect(ui_.Command2, &QPushButton::clicked, this, &MainWindow::Command2_Click);
    connect(ui_.menu_salir, &QAction::triggered, this, &MainWindow::menu_salir_Click);
    connect(ui_.menu_acerca, &QAction::triggered, this, &MainWindow::menu_acerca_Click);
    connect(ui_.menu_graficas, &QAction::triggered, this, &MainWindow::menu_graficas_Click);
    connect(ui_.menu_guardar_imagen, &QAction::triggered, this,
            &MainWindow::menu_guardar_imagen_Click);
}

void MainWindow::Form_Load() {
    state_.UseTypedPoint = false;
    state_.FrontView = true;
    state_.ZoomFactor = 1;
    state_.ElementCount = 5;
    state_.Lambda = 1e-6;
    ui_.CajaDib->setBackground(qRgb(200, 200, 200));
    SetWorldScale();
    DrawFrontFrame();
    state_.PointX = 0.6;
    state_.PointY = 0.4;
    ShowPoint(state_.PointX, state_.PointY);
    CentreMarker(state_.PointX, state_.PointY);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    state_.Quitting = true;  // a set of lines being drawn stops at its next yield
    QMainWindow::closeEvent(event);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // A button takes the second press of a double-click as a press of its
    // own; a double-click on a command is one press, as on the surface.
    if (event->type() == QEvent::MouseButtonDblClick && qobject_cast<QPushButton*>(watched))
        return true;
    if (watched == ui_.Combo1 && event->type() == QEvent::KeyPress &&
        Combo1_KeyPress(*static_cast<QKeyEvent*>(event)))
        return true;
    // The wheel passing over the density would change it and wipe the
    // drawing; it turns the list only once the user has chosen the box.
    if (watched == ui_.Combo1 && event->type() == QEvent::Wheel && !ui_.Combo1->hasFocus())
        return true;
    return QMainWindow::eventFilter(watched, event);
}

char MainWindow::DecimalSeparator() const {
    const QString point = QLocale().decimalPoint();
    return point == "," ? ',' : '.';
}

QString MainWindow::CurrencyText(Currency value) const {
    return QString::fromStdString(value.text(DecimalSeparator()));
}

double MainWindow::ReadBox(const QLineEdit* box) {
    return Val(CommasToPoints(box->text().toStdString()));
}

QString MainWindow::CoordinateText(double value) const {
    return QString::fromStdString(FormatCoordinate(value, DecimalSeparator()));
}

void MainWindow::ShowResults() {
    ui_.CajaEx->setText(CurrencyText(state_.FieldEx));
    ui_.CajaEy->setText(CurrencyText(state_.FieldEy));
    ui_.CajaV->setText(CurrencyText(state_.Potential));
}

void MainWindow::DrawArrow(Currency ex, Currency ey, Rgb colour) {
    const ArrowPlacement at{state_.PointX, state_.PointY, state_.ZoomFactor,
                            IsSelected(ui_.Obtener, 1)};
    DrawFieldArrow(*ui_.CajaDib, at, ex, ey, colour);
}

void MainWindow::RefuseData() {
    QMessageBox box(QMessageBox::NoIcon, "Tervik", "Datos No Aceptados", QMessageBox::Ok, this);
    box.setObjectName("DatosNoAceptados");
    box.exec();
}
