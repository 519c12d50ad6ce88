// The dialogs' pictures, taken from the game's artwork.
#include "DialogArt.h"

#include "board/Artwork.h"

#include <QGuiApplication>

namespace shell {

namespace {

qreal DeviceRatio() {
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? app->devicePixelRatio() : 1.0;
}

} // namespace

QPixmap SplashPicture() {
    return ui::Artwork::Picture(QStringLiteral("splash"), DeviceRatio());
}

QPixmap AboutPicture() {
    return ui::Artwork::Picture(QStringLiteral("dialog"), DeviceRatio());
}

QPixmap WelcomePicture() {
    // The start screen shows the emblem larger than the about box does.
    return ui::Artwork::Picture(QStringLiteral("dialog"), QSize(184, 184), DeviceRatio());
}

} // namespace shell
