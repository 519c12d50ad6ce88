// Conversion between twips (1440 to the inch), in which the board and the
// dialogs are designed, and pixels at the screen's logical DPI.
#pragma once

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

namespace ui {

// Logical dots per inch of the primary screen (96 at 100 % scale); falls back
// to 96 when there is no screen.
inline double LogicalDpi() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->logicalDotsPerInchY() : 96.0;
}

inline int TwipsToPixels(double twips) {
    return static_cast<int>(std::lround(twips * LogicalDpi() / 1440.0));
}

inline double PixelsToTwips(double pixels) {
    return pixels * 1440.0 / LogicalDpi();
}

} // namespace ui
