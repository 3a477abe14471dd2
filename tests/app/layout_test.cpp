#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QTest>

#include "app/deferred_icon_style.h"
#include "tests/support/window_driver.h"

namespace {

// Why a control does not show its caption whole; empty when it does. A
// frame asks for room for its title at least, the others for all their text.
std::string Clipped(const QWidget* control) {
    auto* label = qobject_cast<const QLabel*>(control);
    const QSize asked =
        qobject_cast<const QGroupBox*>(control) ? control->minimumSizeHint() : control->sizeHint();
    if (label && label->wordWrap()
            ? control->height() < control->heightForWidth(control->width())
            : control->width() < asked.width() || control->height() < asked.height())
        return "smaller than its caption";
    for (const QWidget* inner = control; !inner->isWindow(); inner = inner->parentWidget())
        if (!inner->parentWidget()->rect().contains(inner->geometry()))
            return "cut by " + inner->parentWidget()->objectName().toStdString();
    return "";
}

struct FontCase {
    int points;
    bool onSmallScreen;  // the window fits 1024×768 under a title bar and a panel
};
class DesktopFont : public ::testing::TestWithParam<FontCase> {};

TEST_P(DesktopFont, EveryCaptionWholeAndTheWindowOnTheScreen) {
    const QFont desktop = QApplication::font();
    QApplication::setFont(QFont(desktop.family(), GetParam().points));
    WindowDriver driver;
    QApplication::processEvents();  // the window takes its size as the event loop runs
    for (const char* option : {"Ver_0", "Obtener_1", "Amplia_100", "Manual_0", "Discretiza_5"})
        EXPECT_TRUE(driver.selected(option)) << option;  // as the window opens
    for (const char* shown : {"at start-up", "with the line-family panel"}) {
        for (QWidget* control : driver.window().findChildren<QWidget*>()) {
            const bool captioned =
                qobject_cast<QLabel*>(control) || qobject_cast<QGroupBox*>(control) ||
                qobject_cast<QAbstractButton*>(control) || qobject_cast<QComboBox*>(control);
            if (!captioned || !control->isVisibleTo(&driver.window())) continue;
            EXPECT_EQ(Clipped(control), "") << shown << ": " << control->objectName().toStdString();
        }
        driver.choose("Obtener_3");
    }
    // The desktop's size everywhere; the commands and the caption of "Operación" alone bold.
    const std::pair<const char*, bool> fonts[] = {
        {"Label1", false}, {"Calcular", true}, {"Frame4", true}, {"Manual_1", false}};
    for (auto [name, bold] : fonts) {
        const QFont font = driver.window().findChild<QWidget*>(name)->font();
        EXPECT_TRUE(font.pointSize() == GetParam().points && font.bold() == bold) << name;
    }
    QWidget* twoLines = driver.button("Ver1");  // its caption whole and live on both lines
    QTest::mouseClick(twoLines, Qt::LeftButton, {}, {twoLines->width() / 2, 3});
    EXPECT_GE(twoLines->height(), 2 * twoLines->fontMetrics().lineSpacing());
    EXPECT_TRUE(driver.selected("Ver1"));
    const QSize window = driver.window().frameGeometry().size();
    const bool fits = window.width() <= 1024 && window.height() <= 768 - 60;
    EXPECT_TRUE(fits || !GetParam().onSmallScreen) << window.width() << " x " << window.height();
    QApplication::setFont(desktop);
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
