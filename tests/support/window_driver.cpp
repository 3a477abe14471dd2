#include "tests/support/window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <cmath>

WindowDriver::WindowDriver() : window_(std::make_unique<MainWindow>()) {
    window_->show();
    QApplication::setActiveWindow(window_.get());  // keyboard focus as on a desktop
    // A modal box runs its own event loop; answer it from there.
    dismisser_.setInterval(1);
    QObject::connect(&dismisser_, &QTimer::timeout, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        messages << box->text();
        if (QAbstractButton* chosen = box->button(answer))
            QTest::mouseClick(chosen, Qt::LeftButton);
        else
            QTest::keyClick(box, Qt::Key_Return);
    });
    dismisser_.start();
}

void WindowDriver::choose(const QString& name) {
    QAbstractButton* target = button(name);
    // Options and check boxes react on their indicator; buttons anywhere.
    const bool indicator = qobject_cast<QRadioButton*>(target) || qobject_cast<QCheckBox*>(target);
    QTest::mouseClick(target, Qt::LeftButton, {},
                      indicator ? QPoint(7, target->height() / 2) : target->rect().center());
    finishSet();
}

// A set of equipotentials is drawn while the window runs; the user watches it
// to its end, acting meanwhile only from the event loop (as DuringASet does).
void WindowDriver::finishSet() {
    while (window_->drawingEquipotentialSet()) QCoreApplication::processEvents();
}

void WindowDriver::type(const QString& boxName, const QString& text) {
    QLineEdit* target = box(boxName);
    target->setFocus();
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
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
    auto* combo = window_->findChild<QComboBox*>("densityBox");
    const int target = combo->findText(density);
    for (int key = 0; key < combo->count() && combo->currentIndex() != target; ++key) {
        combo->setFocus();  // each choice sends the focus on to "Calcular"
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
}

void WindowDriver::calculateAt(const QString& x, const QString& y) {
    type("xBox", x);
    type("yBox", y);
    choose("calculateButton");
}

void WindowDriver::press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    finishSet();
}

QPoint WindowDriver::logicalPixel(double x, double y) const {
    const WorldWindow& w = surface().world();
    const double perPixel = w.width / surface().width();
    return {int(std::floor((x - w.left) / perPixel + 1e-9)),
            int(std::floor((w.top - y) / perPixel + 1e-9))};
}

QPointF WindowDriver::pointAt(double x, double y) {
    QTest::mouseMove(&surface(), logicalPixel(x, y));
    return {state().PointerX, state().PointerY};
}

QPointF WindowDriver::clickAt(double x, double y) {
    QTest::mouseClick(&surface(), Qt::LeftButton, {}, logicalPixel(x, y));
    return {state().PointerX, state().PointerY};
}

// Press, release, double-click, release: as a real double-click arrives.
static void DoubleClick(QWidget* target, QPoint first, QPoint second) {
    QTest::mouseClick(target, Qt::LeftButton, {}, first);
    QTest::mouseDClick(target, Qt::LeftButton, {}, second);
    QTest::mouseRelease(target, Qt::LeftButton, {}, second);
}

QPointF WindowDriver::doubleClickAt(double x, double y, double x2, double y2) {
    const QPoint at = logicalPixel(x, y);
    DoubleClick(&surface(), at, std::isnan(x2) ? at : logicalPixel(x2, y2));
    return {state().PointerX, state().PointerY};
}

void WindowDriver::doubleClick(const QString& buttonName) {
    const QPoint centre = button(buttonName)->rect().center();
    DoubleClick(button(buttonName), centre, centre);
}

QPoint WindowDriver::pixelOf(double x, double y) const {
    const WorldWindow& w = surface().world();
    return {int(PixelIndex(w.toPixelX(x))), int(PixelIndex(w.toPixelY(y)))};
}

bool WindowDriver::colourNear(double x, double y, QRgb colour) const {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            const QPoint p = pixelOf(x, y) + QPoint(dx, dy);
            if (image().valid(p) && image().pixel(p) == colour) return true;
        }
    return false;
}

int WindowDriver::countPixels(QRgb colour) const {
    int count = 0;
    for (int y = 0; y < image().height(); ++y)
        for (int x = 0; x < image().width(); ++x) count += image().pixel(x, y) == colour;
    return count;
}

QString WindowDriver::shownLabel(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* label = top->findChild<QLabel*>(name); label && top->isVisible())
            return label->text();
    return "(no se ve)";
}
