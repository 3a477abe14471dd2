#include "tests/support/window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <cmath>

#include "view/field_arrow.h"

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

QAbstractButton* WindowDriver::option(const char* group, int id) const {
    return window_->findChild<QButtonGroup*>(group)->button(id);
}

int WindowDriver::checkedId(const char* group) const {
    return window_->findChild<QButtonGroup*>(group)->checkedId();
}

QLineEdit* WindowDriver::textBox(Box box) const {
    static const char* const names[] = {"xBox",         "yBox",        "exBox",       "eyBox",
                                        "potentialBox", "pointerXBox", "pointerYBox", "stepBox"};
    return window_->findChild<QLineEdit*>(names[box]);
}

QList<QAbstractButton*> WindowDriver::buttons() const {
    QList<QAbstractButton*> buttons = window_->findChildren<QAbstractButton*>();
    buttons.removeIf([](const QAbstractButton* b) {
        return !qobject_cast<const QRadioButton*>(b) && !qobject_cast<const QCheckBox*>(b) &&
               !qobject_cast<const QPushButton*>(b);
    });
    return buttons;
}

bool WindowDriver::click(QAbstractButton* target) {
    if (!target->isVisibleTo(window_.get()) || !target->isEnabled()) return false;
    // Options and check boxes react on their indicator; buttons anywhere.
    const bool indicator = qobject_cast<QRadioButton*>(target) || qobject_cast<QCheckBox*>(target);
    QTest::mouseClick(target, Qt::LeftButton, {},
                      indicator ? QPoint(7, target->height() / 2) : target->rect().center());
    finishSet();
    return true;
}

// A set of equipotentials is drawn while the window runs; the user watches it
// to its end, acting meanwhile only from the event loop (as DuringASet does).
void WindowDriver::finishSet() {
    while (window_->drawingEquipotentialSet()) QCoreApplication::processEvents();
}

bool WindowDriver::showElementArrows(bool shown) {
    return elementArrowsShown() == shown || click(elementArrowsBox());
}

bool WindowDriver::type(Box box, const QString& text) {
    QLineEdit* target = textBox(box);
    if (!target->isVisibleTo(window_.get())) return false;
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
    return true;
}

void WindowDriver::clickInto(Box box) {
    QTest::mouseClick(textBox(box), Qt::LeftButton, {}, textBox(box)->rect().center());
}

bool WindowDriver::chooseDensity(int microCoulombPerMetre) {
    QComboBox* combo = densityList();
    if (!combo->isVisibleTo(window_.get())) return false;
    const int target = combo->findText(QString::number(microCoulombPerMetre));
    for (int key = 0; key < combo->count() && combo->currentIndex() != target; ++key) {
        combo->setFocus();  // each choice sends the focus on to "Calcular"
        QTest::keyClick(combo, combo->currentIndex() < target ? Qt::Key_Down : Qt::Key_Up);
    }
    return true;
}

// Opens the menu of the menu bar with that caption and clicks its item.
void WindowDriver::clickMenuItem(const QString& menuCaption, int item) {
    QMenuBar* bar = window_->menuBar();
    for (QAction* menu : bar->actions()) {
        if (menu->text() != menuCaption) continue;
        QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu).center());
        QTest::mouseClick(menu->menu(), Qt::LeftButton, {},
                          menu->menu()->actionGeometry(menu->menu()->actions()[item]).center());
    }
}

void WindowDriver::openAbout() { clickMenuItem("Ayuda", 0); }

void WindowDriver::openGaussTool() {
    const QMenu* tools = window_->findChild<QMenu*>("toolsMenu");
    clickMenuItem(tools->title(),
                  int(tools->actions().indexOf(window_->findChild<QAction*>("gaussAction"))));
}

void WindowDriver::closeGaussTool() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->isVisible() && top->windowTitle() == "Superficie de Gauss") {
            top->close();  // as its title bar's button does
            return;
        }
    openGaussTool();  // without its window, the menu item shows and hides the surface
}

// Press, a move halfway, a move there and release, as a hand drags.
void WindowDriver::drag(WorldPoint from, WorldPoint to) {
    const QPoint start = logicalPixel(from.x, from.y), end = logicalPixel(to.x, to.y);
    QTest::mousePress(&surface(), Qt::LeftButton, {}, start);
    QTest::mouseMove(&surface(), (start + end) / 2);
    QTest::mouseMove(&surface(), end);
    QTest::mouseRelease(&surface(), Qt::LeftButton, {}, end);
}

void WindowDriver::dragSurfaceCentre(double toX) {
    const GaussSurface& s = settings().gaussSurface();
    drag({s.centre, s.radius / 2}, {toX, s.radius / 2});
}

void WindowDriver::dragSurfaceSize(double toY) {
    const double x = settings().front() ? settings().gaussSurface().centre : 0;
    drag({x, settings().gaussSurface().radius}, {x, toY});
}

void WindowDriver::chooseShape(const ChargeDistribution& shape) {
    clickMenuItem("Carga", ShapeIndex(shape));
    finishSet();
}

void WindowDriver::press(int key, Qt::KeyboardModifiers modifiers) {
    QWidget* target = QApplication::focusWidget() ? QApplication::focusWidget() : window_.get();
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
    finishSet();
}

QString WindowDriver::caption(Box box) const {
    for (const QLabel* label : window_->findChildren<QLabel*>())
        if (label->buddy() == textBox(box)) return label->text();
    return {};
}

QWidget* WindowDriver::control(const QString& caption) const {
    for (QWidget* widget : window_->findChildren<QWidget*>()) {
        const auto* label = qobject_cast<QLabel*>(widget);
        const auto* frame = qobject_cast<QGroupBox*>(widget);
        if (widget->accessibleName() == caption || (label && label->text() == caption) ||
            (frame && frame->title() == caption))
            return widget;
    }
    return nullptr;
}

QString WindowDriver::focused() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->accessibleName() : QString();
}

bool WindowDriver::linePanelShown() const {
    return window_->findChild<QGroupBox*>("linePanel")->isVisible();
}

double WindowDriver::metresPerPixel() const { return surface().world().width / surface().width(); }

QPoint WindowDriver::logicalPixel(double x, double y) const {
    const WorldWindow& w = surface().world();
    return {int(std::floor((x - w.left) / metresPerPixel() + 1e-9)),
            int(std::floor((w.top - y) / metresPerPixel() + 1e-9))};
}

QPointF WindowDriver::pointAt(double x, double y) {
    QTest::mouseMove(&surface(), logicalPixel(x, y));
    return {state().PointerX, state().PointerY};
}

QPointF WindowDriver::clickAt(double x, double y) {
    QTest::mouseClick(&surface(), Qt::LeftButton, {}, logicalPixel(x, y));
    finishSet();
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
    finishSet();
    return {state().PointerX, state().PointerY};
}

void WindowDriver::doubleClickCalculate() {
    QAbstractButton* target = button("calculateButton");
    DoubleClick(target, target->rect().center(), target->rect().center());
    finishSet();
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

bool WindowDriver::arrowShaftShows(QRgb colour) const {
    const SharedState& s = state();
    const WorldPoint p = settings().point();
    const double z = settings().zoomFactor();
    const double half = kArrowMetresPerVoltPerMetre / (2 * z * z * z);
    return colourNear(p.x + half * s.FieldEx.toDouble(), p.y + half * s.FieldEy.toDouble(), colour);
}

QString WindowDriver::shownLabel(const QString& name) {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (auto* label = top->findChild<QLabel*>(name); label && top->isVisible())
            return label->text();
    return "(no se ve)";
}

// The Gauss tool's window, when it shows.
static QWidget* GaussWindowShown() {
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top->objectName() == "SuperficieGauss" && top->isVisible()) return top;
    return nullptr;
}

bool WindowDriver::chooseSurface(SurfaceKind kind) {
    QWidget* gauss = GaussWindowShown();
    auto* option = gauss ? gauss->findChild<QAbstractButton*>(
                               kind == SurfaceKind::Sphere ? "gaussSphere" : "gaussCylinder")
                         : nullptr;
    if (!option || !option->isEnabled()) return false;
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
    return true;
}

bool WindowDriver::typeSurface(const char* name, const QString& metres) {
    QWidget* gauss = GaussWindowShown();
    auto* box = gauss ? gauss->findChild<QDoubleSpinBox*>(name) : nullptr;
    if (!box || !box->isEnabled()) return false;
    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(box, metres);
    return true;
}

QString WindowDriver::gaussReadout(const QString& name) {
    QWidget* gauss = GaussWindowShown();
    auto* label = gauss ? gauss->findChild<QLabel*>(name) : nullptr;
    return label && label->isVisible() ? label->text() : "(no se ve)";
}
