// The game's artwork: every picture of the board, the toolbar, the menus, the
// top-score list and the dialogs, painted by our own code with QPainter so
// that it is sharp at any scale. Pictures are looked up by key (the keys the
// board model stores in its controls, plus the names below) and cached.
//
// Keys:
//   board       "face1".."face6", "faceHeld1".."faceHeld6", "roll",
//               "rollPressed", "rollOff", "lampOn", "lampOff", "cellButton",
//               "row0".."row12", "row0hot".."row12hot", "arrow", "arrowShort",
//               "sheet", "pattern" (a seamless tile for menus and toolbar)
//   toolbar     "toolbar1".."toolbar8" (image-list positions: 1 new game,
//               2 undo, 3 redo, 4 hints, 5 sound on, 6 quick help, 7 exit,
//               8 sound off)
//   menus       "new", "options", "scores", "exit", "undo", "redo", "help",
//               "sendmail", "visitweb", "about", "quickstart", "check"
//   list        "header1".."header4" (1 name, 2 date, 3 score, 4 place)
//   dialogs     "splash" (378 x 210), "dialog" (welcome and about boxes),
//               "appIcon" (the window icon's picture)
// Keys are matched without regard to case, as the menu-bitmap names are.
#pragma once

#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace ui {

class Artwork {
public:
    // The picture for `key`, painted for `logicalSize` at device-pixel ratio
    // `dpr`: a pixmap of round(size x dpr) device pixels whose
    // devicePixelRatio is `dpr`. Repeated calls with the same arguments return
    // the cached pixmap. An unknown key, an empty size or a size beyond
    // 4096 logical pixels gives a null pixmap. A dpr outside (0, 8] counts
    // as 1. Like every QPixmap, for use on the GUI thread.
    static QPixmap Picture(const QString& key, QSize logicalSize, qreal dpr);

    // The same at the size the picture is designed for.
    static QPixmap Picture(const QString& key, qreal dpr);

    // The logical size the picture is designed for; invalid for an unknown key.
    static QSize NaturalSize(const QString& key);

    // True when `key` names a picture.
    static bool HasPicture(const QString& key);

    // An icon holding the picture at 1x, and at 2x when a screen has a
    // device-pixel ratio above 1, for toolbars, menus and list headers. Null
    // for an unknown key.
    static QIcon Icon(const QString& key, QSize logicalSize);
    static QIcon Icon(const QString& key);

    // The window icon, with sizes from 16 to 256 pixels.
    static QIcon WindowIcon();

    // Key of picture `image` (1 to 8) of the toolbar's image list.
    static QString ToolbarImageKey(int image);

    // Keys the board model puts into its controls, and every key there is.
    static QStringList BoardKeys();
    static QStringList AllKeys();

    // Forgets every cached pixmap (for instance after a screen change).
    static void ClearCache();
    static int CacheSize();
};

// The board's mouse pointer from the cursor file "base.cur" in `appPath` (the
// program's folder, with or without a trailing "/"). A missing, unreadable or
// malformed file gives the ordinary arrow pointer.
QCursor LoadBoardCursor(const QString& appPath);

} // namespace ui
