#pragma once

#include <QProxyStyle>

// The desktop's style, except that the menu bar's overflow button gets its
// icon only when it is first drawn. Qt 6.4 reads that icon as each menu bar
// is made, and reading an image file makes it open every image-format plugin
// (SVG with Qt SVG, JPEG, GIF, ICO) to ask whether it knows the file: a
// twentieth of start-up and half a mebibyte, for a button this window, whose
// menus always fit, never shows.
class DeferredIconStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option,
                       const QWidget* widget) const override;
};
