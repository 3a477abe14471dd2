#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <algorithm>

#include "app/deferred_icon_style.h"
#include "tests/support/window_driver.h"

namespace {

// Why a control does not show its caption whole; empty when it does. A
// frame asks for room for its title at least, the others for all their text.
std::string Clipped(const QWidget* control, const QWidget* contents) {
    auto* label = qobject_cast<const QLabel*>(control);
    const QSize asked =
        qobject_cast<const QGroupBox*>(control) ? control->minimumSizeHint() : control->sizeHint();
    if (label && label->wordWrap()
            ? control->height() < control->heightForWidth(control->width())
            : control->width() < asked.width() || control->height() < asked.height())
        return "smaller than its caption";
    // Up to the window's contents, which scroll when the screen is smaller.
    for (const QWidget* inner = control; !inner->isWindow() && inner != contents;
         inner = inner->parentWidget())
        if (!inner->parentWidget()->rect().contains(inner->geometry()))
            return "cut by " + inner->parentWidget()->objectName().toStdString();
    return "";
}

struct FontCase {
    int points;
    bool onSmallScreen;  // the window fits 1024×768 under a title bar and a panel
};
// The desktop's font at the size given, for the window opened in the test.
class DesktopFont : public ::testing::TestWithParam<FontCase> {
protected:
    DesktopFont() { QApplication::setFont(QFont(desktop.family(), GetParam().points)); }
    ~DesktopFont() override { QApplication::setFont(desktop); }
    const QFont desktop = QApplication::font();
};

TEST_P(DesktopFont, EveryCaptionWholeAndTheWindowOnTheScreen) {
    WindowDriver driver;
    QApplication::processEvents();  // the window takes its size as the event loop runs
    EXPECT_TRUE(driver.isChosen(View::Front) && driver.isChosen(Action::FieldAndPotential) &&
                driver.zoomChosen() == 100 && driver.isChosen(Operation::Automatic) &&
                driver.modelChosen() == 5);  // as the window opens
    const QWidget* contents = driver.window().findChild<QScrollArea*>()->widget();
    for (const char* shown : {"at start-up", "with the line-family panel"}) {
        for (QWidget* control : driver.window().findChildren<QWidget*>()) {
            const bool captioned =
                qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control);
            if (!captioned || !control->isVisibleTo(&driver.window())) continue;
            EXPECT_EQ(Clipped(control, contents), "")
                << shown << ": " << control->objectName().toStdString();
        }
        driver.chooseAction(Action::Equipotential);
    }
    // The desktop's size everywhere; the commands and the caption of "Operación" alone bold.
    const std::pair<const char*, bool> fonts[] = {{"Cantidad de Elementos de carga", false},
                                                  {"Calcular", true},
                                                  {"Operación", true},
                                                  {"Manual", false}};
    for (auto [caption, bold] : fonts) {
        const QFont font = driver.control(caption)->font();
        EXPECT_TRUE(font.pointSize() == GetParam().points && font.bold() == bold) << caption;
    }
    // Its caption whole and live on both lines.
    QWidget* twoLines = driver.control("Ver Elementos de campo (discretización)");
    QTest::mouseClick(twoLines, Qt::LeftButton, {}, {twoLines->width() / 2, 3});
    EXPECT_GE(twoLines->height(), 2 * twoLines->fontMetrics().lineSpacing());
    EXPECT_TRUE(driver.elementArrowsShown());
    // The window as a screen that holds its contents shows it: the contents
    // under the menu bar.
    const QSize window = contents->size() + QSize(0, driver.window().menuBar()->height());
    const bool fits = window.width() <= 1024 && window.height() <= 768 - 60;
    EXPECT_TRUE(fits || !GetParam().onSmallScreen) << window.width() << " x " << window.height();
}

// On a screen smaller than the window's contents the window stays on the
// screen and its contents scroll: every control and the keys of the map and
// the grid can be scrolled wholly into view, and the drawing surface keeps
// the size of its image. The offscreen screen is 800 × 800, narrower than the
// contents; ctest runs this again at scale 1.5 (533 × 533 logical pixels, as
// low as a 1280 × 800 projector at 150 %).
TEST_P(DesktopFont, EveryControlReachableOnASmallScreen) {
    WindowDriver driver;
    driver.toggleMapAndGrid();  // the map and the grid show their keys
    QApplication::processEvents();
    const QRect screen = driver.window().screen()->availableGeometry();
    EXPECT_TRUE(screen.contains(driver.window().frameGeometry()));
    auto* area = driver.window().findChild<QScrollArea*>();
    ASSERT_TRUE(area) << "the contents cannot scroll";
    QWidget* contents = area->widget();
    EXPECT_EQ(driver.surface().size() * driver.surface().devicePixelRatioF(),
              driver.image().size());
    const QSize view = area->viewport()->size();
    const QSize scroll(area->horizontalScrollBar()->maximum(),
                       area->verticalScrollBar()->maximum());
    EXPECT_TRUE(driver.keys().isVisible());
    for (QWidget* control : contents->findChildren<QWidget*>()) {
        if (!control->isVisibleTo(contents)) continue;
        const QRect at(control->mapTo(contents, QPoint()), control->size());
        // The scroll that brings its far edge into view must not hide its near
        // edge, unless it is larger than the view (the surface on a low
        // screen, a frame at a large font): then it is seen piece by piece.
        const QPoint needed(std::max(0, at.right() + 1 - view.width()),
                            std::max(0, at.bottom() + 1 - view.height()));
        const bool whole = at.width() <= view.width() && at.height() <= view.height();
        const QPoint nearEdge = whole ? at.topLeft() : needed;
        const bool reachable = needed.x() <= std::min(nearEdge.x(), scroll.width()) &&
                               needed.y() <= std::min(nearEdge.y(), scroll.height());
        EXPECT_TRUE(reachable) << control->objectName().toStdString() << " at " << at.x() << ", "
                               << at.y();
    }
    // Tab, twice round the window, scrolls each control it reaches into view.
    driver.clickInto(X);
    for (int key = 0; key < 60; ++key) {
        driver.press(Qt::Key_Tab);
        const QWidget* focus = QApplication::focusWidget();
        const QRect shown(focus->mapTo(area->viewport(), QPoint()), focus->size());
        EXPECT_TRUE(area->viewport()->rect().contains(shown)) << focus->objectName().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Points, DesktopFont,
                         ::testing::Values(FontCase{9, true}, FontCase{11, true},
                                           FontCase{14, false}),
                         [](const auto& font) { return std::to_string(font.param.points) + "pt"; });

}  // namespace

// The program's style draws every icon as the desktop's, the menu bar's
// overflow arrows (read only when first drawn) among them.
TEST(DeferredIconStyle, IconsAsTheDesktopsStyle) {
    const DeferredIconStyle style;
    const QStyle& deferred = style;
    for (QStyle::StandardPixmap icon :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton,
          QStyle::SP_MessageBoxWarning}) {
        const QImage shown = deferred.standardIcon(icon).pixmap(16).toImage();
        EXPECT_FALSE(shown.isNull()) << icon;
        EXPECT_EQ(shown, QApplication::style()->standardIcon(icon).pixmap(16).toImage()) << icon;
    }
}
