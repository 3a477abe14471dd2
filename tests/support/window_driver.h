#pragma once

#include <QAbstractButton>
#include <QComboBox>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <cmath>
#include <memory>
#include <ostream>

#include "field/number_text.h"
#include "field/shapes.h"
#include "mainwindow/main_window.h"
#include "settings/settings.h"
#include "view/drawing_surface.h"

// The text boxes of the window, by what they show.
enum Box { X, Y, Ex, Ey, V, PointerX, PointerY, Step };

// Drives the real main window offscreen with real mouse and key events, in
// the words of a user: choose an option, type a point, calculate, read a box.
// As for a user, a control that is hidden or disabled takes no click and no
// keys; the actions say whether they could reach their control. Message
// boxes are answered (Enter, or `answer`) and remembered.
class WindowDriver {
public:
    WindowDriver();

    MainWindow& window() { return *window_; }
    const SharedState& state() const { return window_->state(); }
    const Settings& settings() const { return window_->settings(); }
    DrawingSurface& surface() const { return *window_->findChild<DrawingSurface*>("surface"); }
    const QImage& image() const { return surface().image(); }
    QComboBox* densityList() const { return window_->findChild<QComboBox*>("densityBox"); }
    QWidget& keys() const { return *window_->findChild<QWidget*>("fieldKeys"); }  // under it
    // The control a person finds by its caption, or a screen reader by its name.
    QWidget* control(const QString& caption) const;

    // The options, the check box and the commands, clicked.
    bool chooseZoom(int percent) { return click(option("zoomOptions", percent)); }
    bool chooseModel(int n) { return click(option("modelOptions", n)); }
    bool chooseIntegral() { return chooseModel(kExactModel); }
    bool chooseView(View view) { return click(option("viewOptions", int(view))); }
    bool chooseAction(Action action) { return click(option("actionOptions", int(action))); }
    bool chooseManual() { return click(option("operationOptions", int(Operation::Manual))); }
    bool chooseAutomatic() { return click(option("operationOptions", int(Operation::Automatic))); }
    bool chooseSetOfLines() { return click(option("lineOptions", int(LineChoice::Set))); }
    bool showElementArrows(bool shown = true);     // clicks the check box unless it shows that
    bool chooseDensity(int microCoulombPerMetre);  // arrow keys in the list
    bool calculate() { return click(button("calculateButton")); }
    bool clear() { return click(button("clearButton")); }
    bool copy() { return click(button("copyButton")); }
    bool exit() { return click(button("exitButton")); }
    bool acceptLines() { return click(button("acceptLinesButton")); }
    bool cancelLines() { return click(button("cancelLinesButton")); }
    // Commands as a double-click reaches them: press, release, double-click, release.
    void doubleClickCalculate();

    // The tools and windows of the menus, by their keys.
    void toggleMap() { press(Qt::Key_M, Qt::ControlModifier); }
    void toggleGrid() { press(Qt::Key_R, Qt::ControlModifier); }
    void toggleMapAndGrid() { toggleMap(), toggleGrid(); }
    void toggleVoltmeter() { press(Qt::Key_T, Qt::ControlModifier); }
    void openPlots() { press(Qt::Key_G, Qt::ControlModifier); }
    void saveImage() { press(Qt::Key_S, Qt::ControlModifier); }
    void openAbout();  // "Ayuda" > "Acerca de ...", clicked in the menus
    // "Herramientas" > "Superficie de Gauss...", clicked; closed as its window is.
    void openGaussTool();
    void closeGaussTool();
    // The Gauss surface dragged on the drawing by a handle, pressed where it
    // shows: its centre along the axis to x, its size (the handle at the top
    // of the cut, or of the disc in the profile view) to the height y.
    void dragSurfaceCentre(double toX);
    void dragSurfaceSize(double toY);
    void chooseShape(const ChargeDistribution& shape);  // "Carga" > its item, clicked

    bool type(Box box, const QString& text);  // replaces the text key by key
    void typePoint(const QString& x, const QString& y) { type(X, x), type(Y, y); }
    void calculateAt(const QString& x, const QString& y) { typePoint(x, y), calculate(); }
    void clickInto(Box box);  // the focus to the box, by a click in it
    void enterIn(Box box) { QTest::keyClick(textBox(box), Qt::Key_Return); }
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);  // to the focus

    // In the Gauss tool's window: a kind of surface clicked, a measure in
    // metres typed key by key over its box's text (Shown("0.3") as the user writes it).
    static bool chooseSurface(SurfaceKind kind);
    static bool typeSurfaceCentre(const QString& metres) {
        return typeSurface("gaussCentreBox", metres);
    }
    static bool typeSurfaceRadius(const QString& metres) {
        return typeSurface("gaussRadiusBox", metres);
    }
    static bool typeSurfaceLength(const QString& metres) {
        return typeSurface("gaussLengthBox", metres);
    }
    // A figure of the tool's window by its name: "flux", "enclosedOverEpsilon0", "side".
    static QString gaussReadout(const QString& name);

    QString readout(Box box) const { return textBox(box)->text(); }
    QString caption(Box box) const;  // of the label that names the box
    // The text of a label in any window on the screen, such as the voltmeter's.
    static QString shownLabel(const QString& name);
    // The control with the keyboard focus, by the name a screen reader speaks.
    static QString focused();

    int zoomChosen() const { return checkedId("zoomOptions"); }
    int modelChosen() const { return checkedId("modelOptions"); }  // kExactModel or N
    bool isChosen(View view) const { return checkedId("viewOptions") == int(view); }
    bool isChosen(Action action) const { return checkedId("actionOptions") == int(action); }
    bool isChosen(Operation mode) const { return checkedId("operationOptions") == int(mode); }
    bool isChosen(LineChoice lines) const { return checkedId("lineOptions") == int(lines); }
    bool elementArrowsShown() const { return elementArrowsBox()->isChecked(); }
    bool canChoose(Operation mode) const {
        return option("operationOptions", int(mode))->isEnabled();
    }
    bool canChooseModel(int n) const { return option("modelOptions", n)->isEnabled(); }
    bool canShowElementArrows() const { return elementArrowsBox()->isEnabled(); }
    bool linePanelShown() const;

    // The pointer over the pixel that holds a world point; the surface reports
    // that pixel's top-left corner, which these return.
    QPointF pointAt(double x, double y);
    QPointF clickAt(double x, double y);
    // A double-click, its second press at (x2, y2) when given, as quick
    // clicks on neighbouring pixels arrive.
    QPointF doubleClickAt(double x, double y, double x2 = NAN, double y2 = NAN);
    double metresPerPixel() const;  // of the pointer, in the world window shown

    // The image pixel that holds a world point, and its colour.
    QPoint pixelOf(double x, double y) const;
    QRgb pixelAt(double x, double y) const { return image().pixel(pixelOf(x, y)); }
    // Whether the colour is within a pixel of a world point: for points on a
    // drawn line, whose raster may pass a pixel beside them.
    bool colourNear(double x, double y, QRgb colour) const;
    int countPixels(QRgb colour) const;
    // Whether the middle of the shaft of the arrow of the evaluated point's
    // field, as the read-outs hold it, shows the colour.
    bool arrowShaftShows(QRgb colour) const;

    // Every option, check box and command, and a click on one of them.
    QList<QAbstractButton*> buttons() const;
    bool click(QAbstractButton* target);

    QStringList messages;  // texts of the message boxes shown so far
    QMessageBox::StandardButton answer = QMessageBox::NoButton;  // clicked instead of Enter

private:
    QAbstractButton* button(const char* name) const {
        return window_->findChild<QAbstractButton*>(name);
    }
    QAbstractButton* elementArrowsBox() const { return button("elementArrowsBox"); }
    QAbstractButton* option(const char* group, int id) const;
    int checkedId(const char* group) const;
    QLineEdit* textBox(Box box) const;
    QPoint logicalPixel(double x, double y) const;
    void finishSet();
    void clickMenuItem(const QString& menuCaption, int item);
    static bool typeSurface(const char* box, const QString& metres);
    void drag(WorldPoint from, WorldPoint to);

    std::unique_ptr<MainWindow> window_;
    QTimer dismisser_;
};

// Colours on the surface: the segment's grey and red, the equipotentials'
// blue, and the cyan of the field and the magenta of one element's field as
// the XOR pen shows them on the background.
const QRgb kBarGrey = qRgb(180, 180, 180);
const QRgb kChargeRed = qRgb(200, 50, 50), kBlue = qRgb(50, 50, 250);
const QRgb kFieldOnGrey = qRgb(250, 50, 50), kElementFieldOnGrey = qRgb(50, 172, 50);

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

// A number as the window shows it: the locale's decimal separator for the point.
inline QString Shown(QString number) { return number.replace('.', QLocale().decimalPoint()); }
inline QString Shown(Currency value) { return Shown(QString::fromStdString(value.text('.'))); }
inline QString ShownCoordinate(double value) {
    return Shown(QString::fromStdString(FormatCoordinate(value, '.')));
}
