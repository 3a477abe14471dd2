// Builds the controls of the main window and lays them out with Qt's layouts,
// in the desktop's font: the drawing surface with the view choice under it on
// the left, the settings in a column of frames on the right and the commands
// below them. Every control takes at least the room its caption needs, so the
// window grows with the font and never clips a caption; on a screen too small
// for it, its contents scroll. The options of a group are built in their
// order on the screen, which is also their order for Tab.

#include <QAction>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <ranges>
#include <utility>

#include "app/field_keys.h"
#include "app/main_window.h"
#include "app/whole_field.h"
#include "view/drawing_surface.h"

namespace {

constexpr int kSurfaceSide = 500;  // logical pixels, whatever the font

template <typename Widget>
Widget* Named(Widget* widget, const QString& name) {
    widget->setObjectName(name);
    return widget;
}

// A font that changes only the weight and takes everything else from the
// desktop's font through the widget's parent.
QFont Weight(bool bold) {
    QFont font;
    font.setBold(bold);
    return font;
}

// The text with each run of two or more blanks made a line break. (Plain
// code: a regular expression here would load and compile PCRE at start-up.)
QString BlankRunsAsLineBreaks(const QString& text) {
    QStringList lines = text.split(QStringLiteral("  "), Qt::SkipEmptyParts);
    for (QString& line : lines) line = line.trimmed();
    return lines.join(u'\n');
}

// A check box whose caption breaks onto a second line at its run of blanks,
// as the caption was written to do; it asks for the room of the two lines.
class TwoLineCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

    QSize sizeHint() const override {
        const QStyleOptionButton option = twoLineOption();
        const QSize text = fontMetrics().size(Qt::TextShowMnemonic, option.text);
        return style()->sizeFromContents(QStyle::CT_CheckBox, &option, text, this);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QStylePainter painter(this);
        painter.drawControl(QStyle::CE_CheckBox, twoLineOption());
    }
    // Either line of the caption toggles it, as one line would.
    bool hitButton(const QPoint& pos) const override {
        const QStyleOptionButton option = twoLineOption();
        return style()->subElementRect(QStyle::SE_CheckBoxClickRect, &option, this).contains(pos);
    }

private:
    QStyleOptionButton twoLineOption() const {
        QStyleOptionButton option;
        initStyleOption(&option);
        option.text = BlankRunsAsLineBreaks(option.text);
        return option;
    }
};

QButtonGroup* OptionArray(QObject* owner, const QString& name) {
    return Named(new QButtonGroup(owner), name);
}

QRadioButton* AddOption(QButtonGroup* group, QWidget* parent, int index, const QString& caption) {
    auto* option = Named(new QRadioButton(caption, parent),
                         group->objectName() + "_" + QString::number(index));
    option->setAccessibleName(caption.trimmed());
    group->addButton(option, index);
    return option;
}

QLabel* AddLabel(QWidget* parent, const QString& name, const QString& caption) {
    return Named(new QLabel(caption, parent), name);
}

// A text box named by its label, so a screen reader speaks the label's text.
QLineEdit* AddTextBox(QWidget* parent, const QString& name, QLabel* label, bool readOnly) {
    auto* box = Named(new QLineEdit(parent), name);
    box->setReadOnly(readOnly);
    label->setBuddy(box);
    box->setAccessibleName(label->text());
    return box;
}

// A box as wide as the longest text it takes. A line edit's size hint is
// room for 17 'x' and its frame.
void FitText(QLineEdit* box, const char* longest) {
    const QFontMetrics metrics = box->fontMetrics();
    const int frame = box->sizeHint().width() - 17 * metrics.horizontalAdvance('x');
    box->setMaximumWidth(frame + metrics.horizontalAdvance(longest));
}

QPushButton* AddCommand(QWidget* parent, const QString& name, const QString& caption) {
    auto* button = Named(new QPushButton(caption, parent), name);
    button->setAccessibleName(caption);
    button->setFont(Weight(true));
    return button;
}

QGroupBox* AddFrame(QWidget* parent, const QString& name, const QString& caption) {
    auto* frame = Named(new QGroupBox(caption, parent), name);
    frame->setAccessibleName(caption);
    return frame;
}

// Hidden, it keeps its place, so the frame keeps its size whether the
// line-family panel or what it covers is shown.
void KeepRoomWhenHidden(QWidget* widget) {
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

// The window's contents, scrolled when the screen cannot hold them (a
// projector at a large scale factor). On a screen that holds them it is
// exactly their size and shows no scroll bar, so the window looks and follows
// its contents as it would without it.
class ScreenFittingArea : public QScrollArea {
public:
    ScreenFittingArea(QMainWindow* window, QWidget* contents) : QScrollArea(window) {
        setFrameShape(QFrame::NoFrame);
        setFocusPolicy(Qt::NoFocus);  // Tab goes through the controls alone
        setWidget(contents);
        // The contents size themselves; the window follows them.
        contents->installEventFilter(this);
        // The window's frame and its screen are known only once it is shown.
        window->installEventFilter(this);
    }

    QSize sizeHint() const override {
        const QSize contents = widget()->sizeHint();
        const QSize room = roomOnScreen();
        // A scroll bar in one direction takes room from the other.
        const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
        bool across = false, down = false;
        for (int pass = 0; pass < 2; ++pass) {
            across = contents.width() + (down ? bar : 0) > room.width();
            down = contents.height() + (across ? bar : 0) > room.height();
        }
        const QSize shown = contents + QSize(down ? bar : 0, across ? bar : 0);
        return shown.boundedTo(room);
    }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    // Tab brings the whole control it reaches into view, not only a text
    // box's cursor.
    bool focusNextPrevChild(bool next) override {
        if (!QScrollArea::focusNextPrevChild(next)) return false;
        if (const QWidget* focus = focusWidget()) {
            const QRect at(focus->mapTo(widget(), QPoint()), focus->size());
            const int margin = 10;
            ensureVisible(at.center().x(), at.center().y(), at.width() / 2 + margin,
                          at.height() / 2 + margin);
        }
        return true;
    }
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool contents = watched == widget() && event->type() == QEvent::Resize;
        const bool window =
            watched == parentWidget() &&
            (event->type() == QEvent::Move || event->type() == QEvent::ScreenChangeInternal);
        if (contents || window) updateGeometry();
        return QScrollArea::eventFilter(watched, event);
    }

private:
    // The screen's room for the area: its available part, less the window's
    // frame and menu bar.
    QSize roomOnScreen() const {
        const auto* window = static_cast<const QMainWindow*>(parentWidget());
        const QScreen* screen = window->screen();
        if (!screen) return QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        const QSize frame = window->frameGeometry().size() - window->geometry().size();
        const int menu = window->menuWidget() ? window->menuWidget()->sizeHint().height() : 0;
        return screen->availableGeometry().size() - frame - QSize(0, menu);
    }
};

}  // namespace

void MainWindow::buildControls() {
    auto* central = Named(new QWidget, "Contenido");
    setCentralWidget(Named(new ScreenFittingArea(this, central), "ScreenFittingArea"));
    ui_.CajaDib = Named(new DrawingSurface(kSurfaceSide, central), "CajaDib");
    ui_.CajaDib->setAccessibleName("Superficie de dibujo");
    ui_.CajaDib->setAccessibleDescription(
        "Campo eléctrico y potencial de un segmento cargado; haga clic para elegir un punto");

    auto* surface = new QVBoxLayout;
    surface->addWidget(ui_.CajaDib);
    surface->addLayout(buildViewRow(central));
    ui_.LeyendaCampo = new FieldKeys(kSurfaceSide, central);
    surface->addWidget(ui_.LeyendaCampo);
    surface->addStretch();

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildObtenerFrame(central));
    buildSettingsFrames(central, settings);
    settings->addLayout(buildCommandRow(central));
    ui_.Copiar = AddCommand(central, "Copiar", "Copiar al Portapapeles");
    settings->addWidget(ui_.Copiar, 0, Qt::AlignHCenter);
    settings->addStretch();  // the commands stay put when the keys show under the surface

    auto* window = new QHBoxLayout(central);
    // The window follows its contents, shrinking too when the keys hide.
    window->setSizeConstraint(QLayout::SetFixedSize);
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(surface);
    window->addLayout(settings);
    buildMenus();
}

// "Obtener" holds the choice of action and the read-outs; the line-family
// panel takes the same place and covers them while it is shown.
QGroupBox* MainWindow::buildObtenerFrame(QWidget* parent) {
    ui_.Frame1 = AddFrame(parent, "Frame1", "Obtener");
    auto* content = Named(new QWidget(ui_.Frame1), "ObtenerContent");
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins({});
    ui_.Obtener = OptionArray(this, "Obtener");
    auto* actions = new QVBoxLayout;
    const char* const captions[] = {"Campo y Potencial", "Líneas de Campo",
                                    "Líneas Equipotenciales"};
    for (int index = 1; index <= 3; ++index) {  // the values of Action
        actions->addWidget(AddOption(ui_.Obtener, content, index, captions[index - 1]));
        actions->addStretch();
    }
    ui_.Obtener->button(int(Action::FieldAndPotential))->setChecked(true);
    grid->addLayout(actions, 0, 0, 6, 1);
    auto* rule = Named(new QFrame(content), "Line1");
    rule->setFrameShape(QFrame::VLine);
    grid->addWidget(rule, 0, 1, 6, 1);
    buildDensityRow(grid);
    buildReadouts(grid);

    auto* place = new QGridLayout(ui_.Frame1);
    place->addWidget(content, 0, 0);
    place->addWidget(buildLinePanel(ui_.Frame1), 0, 0);
    KeepRoomWhenHidden(content);
    return ui_.Frame1;
}

void MainWindow::buildDensityRow(QGridLayout* grid) {
    QWidget* frame = grid->parentWidget();
    ui_.Label8 = AddLabel(frame, "Label8", "λ");
    ui_.Combo1 = Named(new QComboBox(frame), "Combo1");
    for (int density : kDensityChoices) ui_.Combo1->addItem(QString::number(density));
    ui_.Combo1->setCurrentText(QString::number(kStartDensity));
    ui_.Combo1->setFocusPolicy(Qt::StrongFocus);  // the wheel alone never gives it the focus
    // A screen reader names a combo box by its value and its label; the label
    // is the bare letter, so it gets a spoken name of its own.
    ui_.Label8->setBuddy(ui_.Combo1);
    ui_.Label8->setAccessibleName("Densidad de carga λ (10^-6 C/m)");
    ui_.Combo1->setAccessibleName("Densidad de carga λ (10^-6 C/m)");
    ui_.Label9 = AddLabel(frame, "Label9", ".10^ (-6) C/m");
    grid->addWidget(ui_.Label8, 0, 2);
    grid->addWidget(ui_.Combo1, 0, 3);
    grid->addWidget(ui_.Label9, 0, 4);
}

void MainWindow::buildReadouts(QGridLayout* grid) {
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
    QWidget* frame = grid->parentWidget();
    int line = 1;
    for (const Row& row : rows) {
        row.label = AddLabel(frame, row.labelName, row.caption);
        row.box = AddTextBox(frame, row.boxName, row.label, row.readOnly);
        grid->addWidget(row.label, line, 2);
        grid->addWidget(row.box, line, 3, 1, 2);
        ++line;
    }
}

// The line-family panel; it covers the content of "Obtener" while shown.
QGroupBox* MainWindow::buildLinePanel(QWidget* frame) {
    ui_.CuadroLV = AddFrame(frame, "CuadroLV", "Líneas Equipotenciales");
    auto* grid = new QGridLayout(ui_.CuadroLV);
    ui_.OptionV = OptionArray(this, "OptionV");
    const auto lineOption = [this](LineChoice choice, const char* caption) {
        return AddOption(ui_.OptionV, ui_.CuadroLV, int(choice), caption);
    };
    grid->addWidget(lineOption(LineChoice::Single, "Líneas Individuales"), 0, 0, 1, 2);
    grid->addWidget(lineOption(LineChoice::Set, "Conjunto de Líneas"), 1, 0, 1, 2);
    ui_.OptionV->button(int(LineChoice::Single))->setChecked(true);
    ui_.Label10 = AddLabel(ui_.CuadroLV, "Label10", "Diferencia de Potencial entre Líneas");
    ui_.Label10->setWordWrap(true);
    ui_.Delta = AddTextBox(ui_.CuadroLV, "Delta", ui_.Label10, false);
    ui_.Delta->setText(QString::number(kPotentialStepAtZoom1));
    FitText(ui_.Delta, "-2147483648");
    grid->addWidget(ui_.Label10, 2, 0);
    grid->addWidget(ui_.Delta, 2, 1);
    ui_.CancelaV = AddCommand(ui_.CuadroLV, "CancelaV", "Cancelar");
    ui_.AceptaV = AddCommand(ui_.CuadroLV, "AceptaV", "Aceptar");
    grid->addWidget(ui_.CancelaV, 3, 0, Qt::AlignLeft);
    grid->addWidget(ui_.AceptaV, 3, 1, Qt::AlignRight);
    KeepRoomWhenHidden(ui_.CuadroLV);
    ui_.CuadroLV->hide();
    return ui_.CuadroLV;
}

void MainWindow::buildSettingsFrames(QWidget* parent, QVBoxLayout* column) {
    ui_.Frame3 = AddFrame(parent, "Frame3", "Ampliación");
    auto* zooms = new QHBoxLayout(ui_.Frame3);
    ui_.Amplia = OptionArray(this, "Amplia");
    for (int percent : std::views::reverse(kZoomPercentChoices))
        zooms->addWidget(
            AddOption(ui_.Amplia, ui_.Frame3, percent, QString::number(percent) + " %"));
    ui_.Amplia->button(kStartZoomPercent)->setChecked(true);
    column->addWidget(ui_.Frame3);

    auto* modes = new QHBoxLayout;
    modes->addWidget(buildOperationFrame(parent));
    ui_.Ver1 = Named(
        new TwoLineCheckBox("Ver Elementos de campo             (discretización)", parent), "Ver1");
    ui_.Ver1->setAccessibleName("Ver Elementos de campo (discretización)");
    modes->addWidget(ui_.Ver1, 0, Qt::AlignCenter);
    column->addLayout(modes);
    column->addWidget(buildDiscretizationFrame(parent));
}

QGroupBox* MainWindow::buildOperationFrame(QWidget* parent) {
    ui_.Frame4 = AddFrame(parent, "Frame4", "Operación");
    ui_.Frame4->setFont(Weight(true));
    auto* column = new QVBoxLayout(ui_.Frame4);
    ui_.Manual = OptionArray(this, "Manual");
    for (auto [operation, caption] :
         {std::pair(Operation::Manual, "Manual"), std::pair(Operation::Automatic, "Automático")}) {
        QRadioButton* option = AddOption(ui_.Manual, ui_.Frame4, int(operation), caption);
        option->setFont(Weight(false));  // the frame's caption alone is bold
        column->addWidget(option);
    }
    ui_.Manual->button(int(Operation::Automatic))->setChecked(true);
    return ui_.Frame4;
}

QGroupBox* MainWindow::buildDiscretizationFrame(QWidget* parent) {
    ui_.Frame2 = AddFrame(parent, "Frame2", "Discretización");
    auto* grid = new QGridLayout(ui_.Frame2);
    ui_.Label1 = AddLabel(ui_.Frame2, "Label1", "Cantidad de Elementos de carga");
    grid->addWidget(ui_.Label1, 0, 0, 1, 4);
    ui_.Discretiza = OptionArray(this, "Discretiza");
    grid->addWidget(AddOption(ui_.Discretiza, ui_.Frame2, kExactModel, "Infinito (Integral)"), 1, 0,
                    1, 4);
    int column = 0;
    for (int count : std::views::reverse(kElementCountChoices)) {
        const QString caption = QString::number(count).rightJustified(2);  // " 5" under "50"
        grid->addWidget(AddOption(ui_.Discretiza, ui_.Frame2, count, caption), 2, column++);
    }
    ui_.Discretiza->button(kStartElementCount)->setChecked(true);
    return ui_.Frame2;
}

QBoxLayout* MainWindow::buildCommandRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    ui_.Limpiar = AddCommand(parent, "Limpiar", "Limpiar");
    ui_.Calcular = AddCommand(parent, "Calcular", "Calcular");
    ui_.Command2 = AddCommand(parent, "Command2", "Salir");
    for (QPushButton* command : {ui_.Limpiar, ui_.Calcular, ui_.Command2}) row->addWidget(command);
    return row;
}

// Under the drawing surface: the view and the pointer's coordinates.
QBoxLayout* MainWindow::buildViewRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    ui_.Ver = OptionArray(this, "Ver");
    row->addWidget(AddOption(ui_.Ver, parent, int(View::Front), "Ver Frente"));
    row->addWidget(AddOption(ui_.Ver, parent, int(View::Profile), "Ver Perfil (X=0.5)"));
    ui_.Ver->button(int(View::Front))->setChecked(true);
    row->addStretch();
    ui_.Label6 = AddLabel(parent, "Label6", "X");
    ui_.MoveX = AddTextBox(parent, "MoveX", ui_.Label6, true);
    ui_.Label7 = AddLabel(parent, "Label7", "Y");
    ui_.MoveY = AddTextBox(parent, "MoveY", ui_.Label7, true);
    for (QWidget* control : {static_cast<QWidget*>(ui_.Label6), static_cast<QWidget*>(ui_.MoveX),
                             static_cast<QWidget*>(ui_.Label7), static_cast<QWidget*>(ui_.MoveY)})
        row->addWidget(control);
    FitText(ui_.MoveX, "-00.0000");  // the pointer's coordinates, at every zoom
    FitText(ui_.MoveY, "-00.0000");
    return row;
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
    WholeField::AddTools(*herramientas, *ui_.CajaDib, *ui_.LeyendaCampo, settings_,
                         state_.ColorSegment);
    QMenu* ayuda = menuBar()->addMenu("Ayuda");
    ayuda->setObjectName("menu_ayuda");
    ui_.menu_acerca = ayuda->addAction("Acerca de ...");
    ui_.menu_acerca->setObjectName("menu_acerca");
}
