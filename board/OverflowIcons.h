// The program's application style: the platform's own, except that the
// chevron icons of the overflow buttons of menu bars and toolbars are drawn
// by the program: bold, in the palette's text colour, so that they can be
// seen on the menu and toolbar pattern, where the platform's thin grey
// chevron is barely visible. Being drawn, they also load no picture: reading
// the platform's one makes Qt load every image-format plugin it has (and the
// image libraries below them) while the board window is still being built,
// for a button that a window of fixed size hardly ever shows.
#pragma once

#include <QProxyStyle>

namespace ui {

class OverflowIconStyle : public QProxyStyle {
public:
    // Takes `base` over, as any proxy style does.
    explicit OverflowIconStyle(QStyle* base);

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

// Makes the application's style an OverflowIconStyle over the style it has.
// Call it once, before the first window is built.
void UseOverflowIconStyle();

} // namespace ui
