// The pictures of the splash window, the welcome dialog and the about box.
// Each dialog takes its picture from here and nowhere else, so the finished
// artwork replaces these drawings in one place.
#pragma once

#include <QPixmap>

namespace shell {

// The splash window's background, 378 x 210 pixels.
QPixmap SplashPicture();

// The picture beside the title of the about box, and the same emblem larger
// for the welcome dialog.
QPixmap AboutPicture();
QPixmap WelcomePicture();

} // namespace shell
