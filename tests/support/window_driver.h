#pragma once

#include <QAbstractButton>
#include <QImage>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QTimer>
#include <cmath>
#include <memory>
#include <ostream>

#include "field/number_text.h"
#include "mainwindow/main_window.h"
#include "view/drawing_surface.h"

// Drives the real main window offscreen with real mouse and key events, as a
// user does. Message boxes are answered (Enter, or `answer`) and remembered.
class WindowDriver {
public:
    WindowDriver();

    MainWindow& window() { return *window_; }
    const SharedState& state() const { return window_->state(); }
    const Settings& settings() const { return window_->settings(); }
    DrawingSurface& surface() const { return *window_->findChild<DrawingSurface*>("surface"); }
    const QImage& image() const { return surface().image(); }
    QAbstractButton* button(const QString& name) const {
        return window_->findChild<QAbstractButton*>(name);
    }
    QLineEdit* box(const QString& name) const { return window_->findChild<QLineEdit*>(name); }
    QString text(const QString& name) const { return box(name)->text(); }
    // The text of a label in any window on the screen, such as the voltmeter's.
    static QString shownLabel(const QString& name);
    bool selected(const QString& name) const { return button(name)->isChecked(); }

    // Clicks an option, check box or button. A set of equipotentials that
    // starts is watched to its end, as are the keys that `press` sends.
    void choose(const QString& name);
    void type(const QString& boxName, const QString& text);  // replaces the text key by key
    void setDensity(const QString& density);                 // arrow keys in the list
    void calculateAt(const QString& x, const QString& y);    // types, presses "Calcular"
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);  // to the focus
    // The pointer over the pixel that holds a world point; the surface reports
    // that pixel's top-left corner, which these return.
    QPointF pointAt(double x, double y);
    QPointF clickAt(double x, double y);
    // A double-click, its second press at (x2, y2) when given, as quick
    // clicks on neighbouring pixels arrive.
    QPointF doubleClickAt(double x, double y, double x2 = NAN, double y2 = NAN);
    void doubleClick(const QString& buttonName);

    // The image pixel that holds a world point, and its colour.
    QPoint pixelOf(double x, double y) const;
    QRgb pixelAt(double x, double y) const { return image().pixel(pixelOf(x, y)); }
    // Whether the colour is within a pixel of a world point: for points on a
    // drawn line, whose raster may pass a pixel beside them.
    bool colourNear(double x, double y, QRgb colour) const;
    int countPixels(QRgb colour) const;

    QStringList messages;  // texts of the message boxes shown so far
    QMessageBox::StandardButton answer = QMessageBox::NoButton;  // clicked instead of Enter

private:
    QPoint logicalPixel(double x, double y) const;
    void finishSet();

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
