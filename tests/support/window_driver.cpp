#include "tests/support/window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QMessageBox>
#include <QTest>
#include <cmath>

#include "view/drawing_surface.h"

WindowDriver::WindowDriver() : window_(std::make_unique<MainWindow>()) {
    window_->show();
    // A modal box runs its own event loop; answer it from there.
    dismisser_.setInterval(1);
    QObject::connect(&dismisser_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box) return;
        if (messages.isEmpty() || messages.last() != box->text() || !answerWithEscape_)
            messages << box->text();
        if (answerWithEscape_)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->accept();
    });
    dismisser_.start();
}

WindowDriver::~WindowDriver() = default;

DrawingSurface& WindowDriver::surface() const {
    return *window_->findChild<DrawingSurface*>("CajaDib");
}

const QImage& WindowDriver::image() const { return surface().image(); }

QAbstractButton* WindowDriver::button(const QString& name) const {
    return window_->findChild<QAbstractButton*>(name);
}

QLineEdit* WindowDriver::box(const QString& name) const {
    return window_->findChild<QLineEdit*>(name);
}

bool WindowDriver::selected(const QString& name) const { return button(name)->isChecked(); }

void WindowDriver::choose(const QString& name) { button(name)->click(); }

void WindowDriver::type(const QString& boxName, const QString& text) {
    QLineEdit* target = box(boxName);
    target->selectAll();
    QTest::keyClick(target, Qt::Key_Delete);
    // QTest maps only printable ASCII to keys; other characters arrive as text alone.
    for (QChar c : text) {
        if (c.unicode() >= 32 && c.unicode() < 127)
            QTest::keyClick(target, char(c.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, target, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

void WindowDriver::setDensity(const QString& density) {
    auto* combo = window_->findChild<QComboBox*>("Combo1");
    combo->setCurrentIndex(combo->findText(density));
}

void WindowDriver::pointAt(double x, double y) {
    emit surface().pointerMoved(static_cast<float>(x), static_cast<float>(y));
}

void WindowDriver::clickAt(double x, double y) {
    pointAt(x, y);
    emit surface().clicked();
}

void WindowDriver::calculateAt(const QString& x, const QString& y) {
    type("CajaX", x);
    type("CajaY", y);
    choose("Calcular");
}

QRgb WindowDriver::pixelAt(double x, double y) const {
    const WorldWindow& w = surface().world();
    return image().pixel(int(std::floor(w.toPixelX(x))), int(std::floor(w.toPixelY(y))));
}

int WindowDriver::countPixels(QRgb colour) const {
    int count = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) count += image().pixel(x, y) == colour;
    return count;
}

bool WindowDriver::colourNear(double x, double y, QRgb colour) const {
    const WorldWindow& w = surface().world();
    const int cx = int(std::floor(w.toPixelX(x))), cy = int(std::floor(w.toPixelY(y)));
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image().valid(cx + dx, cy + dy) && image().pixel(cx + dx, cy + dy) == colour)
                return true;
    return false;
}

void WindowDriver::press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
}
