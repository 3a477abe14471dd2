#pragma once

#include <QImage>
#include <QLineEdit>
#include <QString>
#include <QStringList>
#include <QTimer>
#include <memory>

#include "app/main_window.h"

class QAbstractButton;
class DrawingSurface;

// Drives the real main window offscreen as a user would: options, texts,
// pointer and clicks. Message boxes are answered with OK and remembered.
class WindowDriver {
public:
    WindowDriver();
    ~WindowDriver();

    MainWindow& window() { return *window_; }
    const SharedState& state() const { return window_->state(); }
    DrawingSurface& surface() const;
    const QImage& image() const;

    QAbstractButton* button(const QString& name) const;
    QLineEdit* box(const QString& name) const;
    QString text(const QString& name) const { return box(name)->text(); }
    bool selected(const QString& name) const;

    void choose(const QString& name);  // clicks an option, check box or button
    void type(const QString& boxName, const QString& text);  // replaces the text key by key
    void setDensity(const QString& density);
    void pointAt(double x, double y);  // the pointer over the surface, in metres
    void clickAt(double x, double y);
    void calculateAt(const QString& x, const QString& y);  // types the point and presses "Calcular"

    // The colour of the pixel holding a world point.
    QRgb pixelAt(double x, double y) const;
    // Whether a pixel within one pixel of a world point has the colour: for
    // points on a drawn line, whose raster may pass a pixel beside them.
    bool colourNear(double x, double y, QRgb colour) const;
    int countPixels(QRgb colour) const;

    // Message boxes are answered with Escape instead of OK from now on.
    void answerWithEscape() { answerWithEscape_ = true; }
    // A key as the user presses it: to whichever control has the focus.
    void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    QStringList messages;  // texts of the message boxes shown so far

private:
    std::unique_ptr<MainWindow> window_;
    QTimer dismisser_;
    bool answerWithEscape_ = false;
};
