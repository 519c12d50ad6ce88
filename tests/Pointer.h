// The mouse of the window tests. On the offscreen platform it sends Qt's own
// test events to a widget. On an X server (the xcb platform) it moves and
// clicks the server's pointer through the XTest extension: the events reach
// the windows the way a player's do, so a pointer grab held by some other
// window catches them just as it would catch the player's clicks.
#pragma once

#include <QPoint>

class QWidget;

namespace testing_support {

// True when the tests run on an X server.
bool OnXServer();

// Moves the pointer onto `widget`, `at` in the widget's own coordinates.
void PointerMoveTo(QWidget* widget, QPoint at);

// A left click on `widget` at `at`. It returns at once on every platform:
// the click and whatever it opens happen in the event loop.
void PointerClick(QWidget* widget, QPoint at);

// On an X server: the pointer goes to the screen's bottom-right corner, so
// that it rests on no window until a test moves it.
void PointerPark();

} // namespace testing_support
