// Builds the controls of the main window. Positions come from the window's
// original design in twips. That design had 15 twips to a pixel for a small
// 8-point font; at 13 twips to a pixel the captions fit the wider fonts of
// today's desktops with the same arrangement. A frame's title takes more
// height here than it did there, so the first row of each frame starts a few
// twips lower, clear of the frame's border.

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <cmath>

#include "app/main_window.h"
#include "app/whole_field.h"
#include "view/drawing_surface.h"

namespace {

constexpr double kTwipsPerPixel = 13;

int Pixels(int twips) { return static_cast<int>(std::lround(twips / kTwipsPerPixel)); }

QRect Twips(int left, int top, int width, int height) {
    return {Pixels(left), Pixels(top), Pixels(width), Pixels(height)};
}

template <typename Widget>
Widget* Place(Widget* widget, const QString& name, QRect geometry) {
    widget->setObjectName(name);
    widget->setGeometry(geometry);
    return widget;
}

// A check box whose caption breaks onto a second line at its run of blanks,
// as the caption was written to do.
class TwoLineCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text.replace(QRegularExpression(" {2,}"), "\n");
        painter.drawControl(QStyle::CE_CheckBox, option);
    }
};

QButtonGroup* OptionArray(QObject* owner, const QString& name) {
    auto* group = new QButtonGroup(owner);
    group->setObjectName(name);
    return group;
}

QRadioButton* AddOption(QButtonGroup* group, QWidget* parent, int index, const QString& caption,
                        QRect geometry) {
    auto* option = Place(new QRadioButton(caption, parent),
                         group->objectName() + "_" + QString::number(index), geometry);
    option->setAccessibleName(caption.trimmed());
    group->addButton(option, index);
    return option;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    return Place(new QLabel(caption, parent), name, geometry);
}

// A text box named by its label, so a screen reader speaks the label's text.
QLineEdit* AddTextBox(QWidget* parent, const QString& name, QLabel* label, QRect geometry,
                      bool readOnly) {
    auto* box = Place(new QLineEdit(parent), name, geometry);
    box->setReadOnly(readOnly);
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    return box;
}

QPushButton* AddCommand(QWidget* parent, const QString& name, const QString& caption,
                        QRect geometry) {
    auto* button = Place(new QPushButton(caption, parent), name, geometry);
    button->setAccessibleName(caption);
    QFont bold = button->font();
    bold.setBold(true);
    button->setFont(bold);
    return button;
}

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption, QRect geometry) {
    auto* frame = Place(new QGroupBox(caption, parent), name, geometry);
    frame->setAccessibleName(caption);
    return frame;
}

}  // namespace

void MainWindow::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName("centralWidget");
    setCentralWidget(central);
    central->setFixedSize(Twips(0, 0, 11535, 7335).size());

    ui_.CajaDib =
        Place(new DrawingSurface(Pixels(6495), central), "CajaDib", Twips(240, 240, 6495, 6495));
    ui_.CajaDib->setAccessibleName("Superficie de dibujo");
    ui_.CajaDib->setAccessibleDescription(
        "Campo eléctrico y potencial de un segmento cargado; haga clic para elegir un punto");

    buildObtenerFrame(central);
    buildSettingsFrames(central);
    buildBottomRow(central);
    buildMenus();
}

void MainWindow::buildObtenerFrame(QWidget* parent) {
    ui_.Frame1 = AddFrame(parent, "Frame1", "Obtener", Twips(6840, 120, 4575, 2295));
    ui_.Obtener = OptionArray(this, "Obtener");
    AddOption(ui_.Obtener, ui_.Frame1, 1, "Campo y Potencial", Twips(120, 360, 2100, 375))
        ->setChecked(true);
    AddOption(ui_.Obtener, ui_.Frame1, 2, "Líneas de Campo", Twips(120, 840, 2100, 375));
    AddOption(ui_.Obtener, ui_.Frame1, 3, "Líneas Equipotenciales", Twips(120, 1320, 2100, 375));
    auto* rule = Place(new QFrame(ui_.Frame1), "Line1", Twips(2280, 260, 30, 1976));
    rule->setFrameShape(QFrame::VLine);

    ui_.Label8 = AddLabel(ui_.Frame1, "Label8", "λ", Twips(2400, 273, 240, 315));
    ui_.Combo1 = Place(new QComboBox(ui_.Frame1), "Combo1", Twips(2640, 273, 780, 315));
    for (int density : kDensityChoices) ui_.Combo1->addItem(QString::number(density));
    ui_.Combo1->setCurrentText(QString::number(kStartDensity));
    ui_.Combo1->setFocusPolicy(Qt::StrongFocus);  // the wheel alone never gives it the focus
    // A screen reader names a combo box by its value and its label; the label
    // is the bare letter, so it gets a spoken name of its own.
    ui_.Label8->setBuddy(ui_.Combo1);
    ui_.Label8->setAccessibleName("Densidad de carga λ (10^-6 C/m)");
    ui_.Combo1->setAccessibleName("Densidad de carga λ (10^-6 C/m)");
    ui_.Label9 = AddLabel(ui_.Frame1, "Label9", ".10^ (-6) C/m", Twips(3480, 273, 1000, 315));
    buildReadouts(ui_.Frame1);
    buildLinePanel(ui_.Frame1);
}

void MainWindow::buildReadouts(QWidget* frame) {
    struct Row {
        QLabel*& label;
        QLineEdit*& box;
        const char* labelName;
        const char* caption;
        const char* boxName;
        bool readOnly;
    };
    const Row rows[] = {
        {ui_.xxx, ui_.CajaX, "xxx", "X (m)", "CajaX", false},
        {ui_.Label5, ui_.CajaY, "Label5", "Y (m)", "CajaY", false},
        {ui_.Label2, ui_.CajaEx, "Label2", "Ex", "CajaEx", true},
        {ui_.Label3, ui_.CajaEy, "Label3", "Ey", "CajaEy", true},
        {ui_.Label4, ui_.CajaV, "Label4", "V", "CajaV", true},
    };
    int top = 611;
    for (const Row& row : rows) {
        row.label = AddLabel(frame, row.labelName, row.caption, Twips(2400, top, 720, 300));
        row.box =
            AddTextBox(frame, row.boxName, row.label, Twips(3120, top, 1335, 300), row.readOnly);
        top += 325;
    }
}

void MainWindow::buildLinePanel(QWidget* frame) {
    // The panel covers the whole of "Obtener" while it is shown.
    ui_.CuadroLV = AddFrame(frame, "CuadroLV", "Líneas Equipotenciales", Twips(0, 0, 4575, 2295));
    ui_.CuadroLV->setAutoFillBackground(true);
    ui_.OptionV = OptionArray(this, "OptionV");
    AddOption(ui_.OptionV, ui_.CuadroLV, 0, "Líneas Individuales", Twips(960, 280, 2295, 330))
        ->setChecked(true);
    AddOption(ui_.OptionV, ui_.CuadroLV, 1, "Conjunto de Líneas", Twips(960, 620, 2535, 330));
    ui_.Label10 = AddLabel(ui_.CuadroLV, "Label10", "Diferencia de Potencial entre Líneas",
                           Twips(360, 1080, 2295, 375));
    ui_.Label10->setWordWrap(true);
    ui_.Delta = AddTextBox(ui_.CuadroLV, "Delta", ui_.Label10, Twips(2760, 1080, 1215, 375), false);
    ui_.Delta->setText(QString::number(kPotentialStepAtZoom1));
    ui_.CancelaV = AddCommand(ui_.CuadroLV, "CancelaV", "Cancelar", Twips(240, 1800, 1335, 375));
    ui_.AceptaV = AddCommand(ui_.CuadroLV, "AceptaV", "Aceptar", Twips(3120, 1800, 1095, 375));
    ui_.CuadroLV->raise();
    ui_.CuadroLV->hide();
}

void MainWindow::buildSettingsFrames(QWidget* parent) {
    ui_.Frame3 = AddFrame(parent, "Frame3", "Ampliación", Twips(6840, 2520, 4455, 735));
    ui_.Amplia = OptionArray(this, "Amplia");
    const int zoomLefts[] = {3120, 2040, 1080, 120};
    for (std::size_t i = 0; i < kZoomPercentChoices.size(); ++i)
        AddOption(ui_.Amplia, ui_.Frame3, kZoomPercentChoices[i],
                  QString::number(kZoomPercentChoices[i]) + " %",
                  Twips(zoomLefts[i], 290, 735, 255));
    ui_.Amplia->button(kStartZoomPercent)->setChecked(true);

    ui_.Frame4 = AddFrame(parent, "Frame4", "Operación", Twips(6840, 3600, 1815, 975));
    QFont bold = ui_.Frame4->font();
    bold.setBold(true);
    ui_.Frame4->setFont(bold);
    ui_.Manual = OptionArray(this, "Manual");
    bold.setBold(false);  // the caption alone is bold
    AddOption(ui_.Manual, ui_.Frame4, 1, "Manual", Twips(240, 290, 1335, 255))->setFont(bold);
    AddOption(ui_.Manual, ui_.Frame4, 0, "Automático", Twips(240, 600, 1335, 255))->setFont(bold);
    ui_.Manual->button(0)->setChecked(true);

    ui_.Ver1 =
        Place(new TwoLineCheckBox("Ver Elementos de campo             (discretización)", parent),
              "Ver1", Twips(8880, 3840, 2535, 495));
    ui_.Ver1->setAccessibleName("Ver Elementos de campo (discretización)");

    ui_.Frame2 = AddFrame(parent, "Frame2", "Discretización", Twips(6840, 4680, 4455, 1455));
    ui_.Label1 = AddLabel(ui_.Frame2, "Label1", "Cantidad de Elementos de carga",
                          Twips(240, 270, 4000, 300));
    ui_.Discretiza = OptionArray(this, "Discretiza");
    AddOption(ui_.Discretiza, ui_.Frame2, 0, "Infinito (Integral)", Twips(240, 630, 2400, 300));
    const int countLefts[] = {240, 1140, 2040, 2940};  // from "50" on the left to " 5"
    for (std::size_t i = 0; i < kElementCountChoices.size(); ++i) {
        const int count = kElementCountChoices.rbegin()[i];
        AddOption(ui_.Discretiza, ui_.Frame2, count, QString::number(count).rightJustified(2),
                  Twips(countLefts[i], 990, 780, 300));
    }
    ui_.Discretiza->button(kStartElementCount)->setChecked(true);
}

void MainWindow::buildBottomRow(QWidget* parent) {
    ui_.Ver = OptionArray(this, "Ver");
    AddOption(ui_.Ver, parent, 0, "Ver Frente", Twips(240, 6840, 1455, 255))->setChecked(true);
    AddOption(ui_.Ver, parent, 1, "Ver Perfil (X=0.5)", Twips(1920, 6840, 2175, 255));
    ui_.Label6 = AddLabel(parent, "Label6", "X", Twips(4440, 6840, 300, 285));
    ui_.MoveX = AddTextBox(parent, "MoveX", ui_.Label6, Twips(4800, 6840, 900, 285), true);
    ui_.Label7 = AddLabel(parent, "Label7", "Y", Twips(5760, 6840, 240, 285));
    ui_.MoveY = AddTextBox(parent, "MoveY", ui_.Label7, Twips(6000, 6840, 900, 285), true);

    ui_.Limpiar = AddCommand(parent, "Limpiar", "Limpiar", Twips(6840, 6240, 1455, 375));
    ui_.Calcular = AddCommand(parent, "Calcular", "Calcular", Twips(8520, 6240, 1215, 375));
    ui_.Command2 = AddCommand(parent, "Command2", "Salir", Twips(9960, 6240, 1455, 375));
    ui_.Copiar =
        AddCommand(parent, "Copiar", "Copiar al Portapapeles", Twips(7200, 6840, 2775, 375));
}

void MainWindow::buildMenus() {
    QMenu* archivo = menuBar()->addMenu("Archivo");
    archivo->setObjectName("menu_archivo");
    ui_.menu_guardar_imagen = archivo->addAction("Guardar Imagen...");
    ui_.menu_guardar_imagen->setObjectName("menu_guardar_imagen");
    ui_.menu_guardar_imagen->setShortcut(QKeySequence("Ctrl+S"));
    ui_.menu_salir = archivo->addAction("Salir");
    ui_.menu_salir->setObjectName("menu_salir");
    QMenu* herramientas = menuBar()->addMenu("Herramientas");
    herramientas->setObjectName("menu_herramientas");
    ui_.menu_graficas = herramientas->addAction("Gráficas...");
    ui_.menu_graficas->setObjectName("menu_graficas");
    ui_.menu_graficas->setShortcut(QKeySequence("Ctrl+G"));
    WholeField::AddTools(*herramientas, *ui_.CajaDib, settings_, state_.ColorSegment);
    QMenu* ayuda = menuBar()->addMenu("Ayuda");
    ayuda->setObjectName("menu_ayuda");
    ui_.menu_acerca = ayuda->addAction("Acerca de ...");
    ui_.menu_acerca->setObjectName("menu_acerca");
}
