// Builds the controls of the main window and lays them out with Qt's layouts,
// in the desktop's font: the drawing surface with the view choice under it on
// the left, the settings in a column of frames on the right and the commands
// below them. Every control takes at least the room its caption needs, so the
// window grows with the font and never clips a caption; on a screen too small
// for it, its contents scroll. The options of a group are built in their
// order on the screen, which is also their order for Tab.

#include "mainwindow/layout.h"

#include <QAction>
#include <QActionGroup>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <ranges>
#include <utility>

#include "field/shapes.h"
#include "gausstool/gauss_tool.h"
#include "gausstool/surface_drag.h"
#include "mainwindow/colours.h"
#include "settings/settings.h"
#include "view/drawing_surface.h"
#include "wholefield/field_keys.h"
#include "wholefield/whole_field.h"

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

Controls Layout::Build(QMainWindow& window, Settings& settings) {
    Layout layout(window, settings);
    layout.buildControls();
    return layout.ui_;
}

void Layout::buildControls() {
    auto* central = Named(new QWidget, "contents");
    window_.setCentralWidget(Named(new ScreenFittingArea(&window_, central), "screenFittingArea"));
    ui_.surface = Named(new DrawingSurface(kSurfaceSide, central), "surface");
    ui_.surface->setAccessibleName("Superficie de dibujo");
    ui_.surface->setAccessibleDescription(
        "Campo eléctrico y potencial de la carga elegida; haga clic para elegir un punto");
    SurfaceDrag::Install(*ui_.surface, settings_);

    auto* surface = new QVBoxLayout;
    surface->addWidget(ui_.surface);
    surface->addLayout(buildViewRow(central));
    ui_.fieldKeys = new FieldKeys(kSurfaceSide, central);
    surface->addWidget(ui_.fieldKeys);
    surface->addStretch();

    auto* settings = new QVBoxLayout;
    settings->addWidget(buildActionFrame(central));
    buildSettingsFrames(central, settings);
    settings->addLayout(buildCommandRow(central));
    ui_.copyButton = AddCommand(central, "copyButton", "Copiar al Portapapeles");
    settings->addWidget(ui_.copyButton, 0, Qt::AlignHCenter);
    settings->addStretch();  // the commands stay put when the keys show under the surface

    auto* window = new QHBoxLayout(central);
    // The window follows its contents, shrinking too when the keys hide.
    window->setSizeConstraint(QLayout::SetFixedSize);
    window_.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window->addLayout(surface);
    window->addLayout(settings);
    buildMenus();
}

// "Obtener" holds the choice of action and the read-outs; the line-family
// panel takes the same place and covers them while it is shown.
QGroupBox* Layout::buildActionFrame(QWidget* parent) {
    ui_.obtainFrame = AddFrame(parent, "obtainFrame", "Obtener");
    auto* content = Named(new QWidget(ui_.obtainFrame), "obtainContents");
    auto* grid = new QGridLayout(content);
    grid->setContentsMargins({});
    ui_.actionOptions = OptionArray(&window_, "actionOptions");
    auto* actions = new QVBoxLayout;
    const char* const captions[] = {"Campo y Potencial", "Líneas de Campo",
                                    "Líneas Equipotenciales"};
    for (int index = 1; index <= 3; ++index) {  // the values of Action
        actions->addWidget(AddOption(ui_.actionOptions, content, index, captions[index - 1]));
        actions->addStretch();
    }
    // Under the actions, the whole charge of the density beside it.
    ui_.chargeLabel = AddLabel(content, "chargeLabel", "");
    actions->addWidget(ui_.chargeLabel);
    ui_.actionOptions->button(int(Action::FieldAndPotential))->setChecked(true);
    grid->addLayout(actions, 0, 0, 6, 1);
    auto* rule = Named(new QFrame(content), "actionRule");
    rule->setFrameShape(QFrame::VLine);
    grid->addWidget(rule, 0, 1, 6, 1);
    buildDensityRow(grid);
    buildReadouts(grid);

    auto* place = new QGridLayout(ui_.obtainFrame);
    place->addWidget(content, 0, 0);
    place->addWidget(buildLinePanel(ui_.obtainFrame), 0, 0);
    KeepRoomWhenHidden(content);
    return ui_.obtainFrame;
}

void Layout::buildDensityRow(QGridLayout* grid) {
    QWidget* frame = grid->parentWidget();
    ui_.densityLabel = AddLabel(frame, "densityLabel", "");
    ui_.densityBox = Named(new QComboBox(frame), "densityBox");
    for (int density : kDensityChoices) ui_.densityBox->addItem(QString::number(density));
    ui_.densityBox->setCurrentText(QString::number(kStartDensity));
    ui_.densityBox->setFocusPolicy(Qt::StrongFocus);  // the wheel alone never gives it the focus
    // A screen reader names a combo box by its value and its label; the label
    // is the bare letter, so it gets a spoken name of its own.
    // The captions follow the shape (Followers::showCharge).
    ui_.densityLabel->setBuddy(ui_.densityBox);
    ui_.densityUnitLabel = AddLabel(frame, "densityUnitLabel", "");
    grid->addWidget(ui_.densityLabel, 0, 2);
    grid->addWidget(ui_.densityBox, 0, 3);
    grid->addWidget(ui_.densityUnitLabel, 0, 4);
}

void Layout::buildReadouts(QGridLayout* grid) {
    struct Row {
        QLabel*& label;
        QLineEdit*& box;
        const char* labelName;
        const char* caption;
        const char* boxName;
        bool readOnly;
    };
    const Row rows[] = {
        {ui_.xLabel, ui_.xBox, "xLabel", "X (m)", "xBox", false},
        {ui_.yLabel, ui_.yBox, "yLabel", "Y (m)", "yBox", false},
        {ui_.exLabel, ui_.exBox, "exLabel", "Ex", "exBox", true},
        {ui_.eyLabel, ui_.eyBox, "eyLabel", "Ey", "eyBox", true},
        {ui_.potentialLabel, ui_.potentialBox, "potentialLabel", "V", "potentialBox", true},
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
QGroupBox* Layout::buildLinePanel(QWidget* frame) {
    ui_.linePanel = AddFrame(frame, "linePanel", "Líneas Equipotenciales");
    auto* grid = new QGridLayout(ui_.linePanel);
    ui_.lineOptions = OptionArray(&window_, "lineOptions");
    const auto lineOption = [this](LineChoice choice, const char* caption) {
        return AddOption(ui_.lineOptions, ui_.linePanel, int(choice), caption);
    };
    grid->addWidget(lineOption(LineChoice::Single, "Líneas Individuales"), 0, 0, 1, 2);
    grid->addWidget(lineOption(LineChoice::Set, "Conjunto de Líneas"), 1, 0, 1, 2);
    ui_.lineOptions->button(int(LineChoice::Single))->setChecked(true);
    ui_.stepLabel = AddLabel(ui_.linePanel, "stepLabel", "Diferencia de Potencial entre Líneas");
    ui_.stepLabel->setWordWrap(true);
    ui_.stepBox = AddTextBox(ui_.linePanel, "stepBox", ui_.stepLabel, false);
    ui_.stepBox->setText(QString::number(kPotentialStepAtZoom1));
    FitText(ui_.stepBox, "-2147483648");
    grid->addWidget(ui_.stepLabel, 2, 0);
    grid->addWidget(ui_.stepBox, 2, 1);
    ui_.cancelLinesButton = AddCommand(ui_.linePanel, "cancelLinesButton", "Cancelar");
    ui_.acceptLinesButton = AddCommand(ui_.linePanel, "acceptLinesButton", "Aceptar");
    grid->addWidget(ui_.cancelLinesButton, 3, 0, Qt::AlignLeft);
    grid->addWidget(ui_.acceptLinesButton, 3, 1, Qt::AlignRight);
    KeepRoomWhenHidden(ui_.linePanel);
    ui_.linePanel->hide();
    return ui_.linePanel;
}

void Layout::buildSettingsFrames(QWidget* parent, QVBoxLayout* column) {
    ui_.zoomFrame = AddFrame(parent, "zoomFrame", "Ampliación");
    auto* zooms = new QHBoxLayout(ui_.zoomFrame);
    ui_.zoomOptions = OptionArray(&window_, "zoomOptions");
    for (int percent : std::views::reverse(kZoomPercentChoices))
        zooms->addWidget(
            AddOption(ui_.zoomOptions, ui_.zoomFrame, percent, QString::number(percent) + " %"));
    ui_.zoomOptions->button(kStartZoomPercent)->setChecked(true);
    column->addWidget(ui_.zoomFrame);

    auto* modes = new QHBoxLayout;
    modes->addWidget(buildOperationFrame(parent));
    ui_.elementArrowsBox =
        Named(new TwoLineCheckBox("Ver Elementos de campo             (discretización)", parent),
              "elementArrowsBox");
    ui_.elementArrowsBox->setAccessibleName("Ver Elementos de campo (discretización)");
    modes->addWidget(ui_.elementArrowsBox, 0, Qt::AlignCenter);
    column->addLayout(modes);
    column->addWidget(buildDiscretizationFrame(parent));
}

QGroupBox* Layout::buildOperationFrame(QWidget* parent) {
    ui_.operationFrame = AddFrame(parent, "operationFrame", "Operación");
    ui_.operationFrame->setFont(Weight(true));
    auto* column = new QVBoxLayout(ui_.operationFrame);
    ui_.operationOptions = OptionArray(&window_, "operationOptions");
    for (auto [operation, caption] :
         {std::pair(Operation::Manual, "Manual"), std::pair(Operation::Automatic, "Automático")}) {
        QRadioButton* option =
            AddOption(ui_.operationOptions, ui_.operationFrame, int(operation), caption);
        option->setFont(Weight(false));  // the frame's caption alone is bold
        column->addWidget(option);
    }
    ui_.operationOptions->button(int(Operation::Automatic))->setChecked(true);
    return ui_.operationFrame;
}

QGroupBox* Layout::buildDiscretizationFrame(QWidget* parent) {
    ui_.modelFrame = AddFrame(parent, "modelFrame", "Discretización");
    auto* grid = new QGridLayout(ui_.modelFrame);
    ui_.modelLabel = AddLabel(ui_.modelFrame, "modelLabel", "Cantidad de Elementos de carga");
    grid->addWidget(ui_.modelLabel, 0, 0, 1, 4);
    ui_.modelOptions = OptionArray(&window_, "modelOptions");
    grid->addWidget(AddOption(ui_.modelOptions, ui_.modelFrame, kExactModel, "Infinito (Integral)"),
                    1, 0, 1, 4);
    int column = 0;
    for (int count : std::views::reverse(kElementCountChoices)) {
        const QString caption = QString::number(count).rightJustified(2);  // " 5" under "50"
        grid->addWidget(AddOption(ui_.modelOptions, ui_.modelFrame, count, caption), 2, column++);
    }
    ui_.modelOptions->button(kStartElementCount)->setChecked(true);
    return ui_.modelFrame;
}

QBoxLayout* Layout::buildCommandRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    ui_.clearButton = AddCommand(parent, "clearButton", "Limpiar");
    ui_.calculateButton = AddCommand(parent, "calculateButton", "Calcular");
    ui_.exitButton = AddCommand(parent, "exitButton", "Salir");
    for (QPushButton* command : {ui_.clearButton, ui_.calculateButton, ui_.exitButton})
        row->addWidget(command);
    return row;
}

// Under the drawing surface: the view and the pointer's coordinates.
QBoxLayout* Layout::buildViewRow(QWidget* parent) {
    auto* row = new QHBoxLayout;
    ui_.viewOptions = OptionArray(&window_, "viewOptions");
    row->addWidget(AddOption(ui_.viewOptions, parent, int(View::Front), "Ver Frente"));
    row->addWidget(AddOption(ui_.viewOptions, parent, int(View::Profile), "Ver Perfil (X=0.5)"));
    ui_.viewOptions->button(int(View::Front))->setChecked(true);
    row->addStretch();
    ui_.pointerXLabel = AddLabel(parent, "pointerXLabel", "X");
    ui_.pointerXBox = AddTextBox(parent, "pointerXBox", ui_.pointerXLabel, true);
    ui_.pointerYLabel = AddLabel(parent, "pointerYLabel", "Y");
    ui_.pointerYBox = AddTextBox(parent, "pointerYBox", ui_.pointerYLabel, true);
    for (QWidget* control :
         {static_cast<QWidget*>(ui_.pointerXLabel), static_cast<QWidget*>(ui_.pointerXBox),
          static_cast<QWidget*>(ui_.pointerYLabel), static_cast<QWidget*>(ui_.pointerYBox)})
        row->addWidget(control);
    FitText(ui_.pointerXBox, "-00.0000");  // the pointer's coordinates, at every zoom
    FitText(ui_.pointerYBox, "-00.0000");
    return row;
}

// "Carga": the shapes the program offers, in their list's order, Ctrl+1 up.
void Layout::buildShapeMenu() {
    QMenu* carga = window_.menuBar()->addMenu("Carga");
    carga->setObjectName("shapeMenu");
    ui_.shapeActions = new QActionGroup(&window_);
    ui_.shapeActions->setObjectName("shapeActions");
    const auto& shapes = ChargeShapes();
    for (int i = 0; i < int(shapes.size()); ++i) {
        const ShapeWords words = shapes[i]->words();
        QAction* item = carga->addAction(QString::fromStdString(words.name));
        item->setObjectName("shapeActions_" + QString::fromStdString(words.commandWord));
        item->setCheckable(true);
        item->setData(i);
        item->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + i)));
        ui_.shapeActions->addAction(item);
    }
    ui_.shapeActions->actions().front()->setChecked(true);
}

void Layout::buildMenus() {
    QMenu* archivo = window_.menuBar()->addMenu("Archivo");
    archivo->setObjectName("fileMenu");
    ui_.saveImageAction = archivo->addAction("Guardar Imagen...");
    ui_.saveImageAction->setObjectName("saveImageAction");
    ui_.saveImageAction->setShortcut(QKeySequence("Ctrl+S"));
    ui_.exitAction = archivo->addAction("Salir");
    ui_.exitAction->setObjectName("exitAction");
    buildShapeMenu();
    QMenu* herramientas = window_.menuBar()->addMenu("Herramientas");
    herramientas->setObjectName("toolsMenu");
    ui_.plotsAction = herramientas->addAction("Gráficas...");
    ui_.plotsAction->setObjectName("plotsAction");
    ui_.plotsAction->setShortcut(QKeySequence("Ctrl+G"));
    WholeField::AddTools(*herramientas, *ui_.surface, *ui_.fieldKeys, settings_, kSegmentColour);
    GaussTool::AddTool(*herramientas, window_, settings_);
    QMenu* ayuda = window_.menuBar()->addMenu("Ayuda");
    ayuda->setObjectName("helpMenu");
    ui_.aboutAction = ayuda->addAction("Acerca de ...");
    ui_.aboutAction->setObjectName("aboutAction");
}
