// Painters behind ui::Artwork: one function per kind of picture, each drawing
// into a rectangle given in logical pixels, plus the shared palette and the
// small helpers (dice, fonts, pixel alignment) that keep the style uniform.
#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QRectF>

namespace ui::art {

// The house palette: ivory dice, mahogany and gold, warm amber lamps, and the
// steel blue of the menus.
namespace colour {
inline const QColor Ivory{255, 253, 247};
inline const QColor IvoryShade{231, 223, 208};
inline const QColor DieEdge{122, 108, 90};
inline const QColor Pip{20, 18, 16};
inline const QColor HeldFace{150, 146, 140};
inline const QColor HeldShade{112, 108, 104};
inline const QColor HeldRim{232, 128, 20};
inline const QColor HeldPip{44, 40, 38};
inline const QColor Mahogany{150, 48, 34};
inline const QColor MahoganyDark{92, 24, 16};
inline const QColor Gold{226, 182, 90};
inline const QColor GoldDark{160, 112, 40};
inline const QColor Cream{255, 246, 222};
inline const QColor Amber{255, 178, 30};
inline const QColor Steel{58, 110, 165};
inline const QColor Outline{40, 34, 30};
} // namespace colour

// How a die is drawn.
enum class DieStyle {
    Free,  // ivory with black pips
    Held,  // greyed, with an amber rim
    Faded, // washed out, for the roll picture's off look
};

// A die showing `face` (1 to 6) inside the square `box`, with its shadow.
void PaintDie(QPainter& p, const QRectF& box, int face, DieStyle style);

// A small flat die for row pictures and icons: no shadow, crisp edges.
void PaintTinyDie(QPainter& p, const QRectF& box, int face, bool warm);

// Fonts by pixel size: a serif for titles, a sans for labels.
QFont TitleFont(qreal pixelSize, bool bold = true);
QFont LabelFont(qreal pixelSize, bool bold = true);

// The largest square centred in `r`.
QRectF CentredSquare(const QRectF& r);

// `r` shrunk by half a pixel on each side, so a one-pixel outline falls on
// whole pixels.
QRectF Inset(const QRectF& r, qreal by = 0.5);

// Board pictures (ArtDice.cpp).
void PaintFace(QPainter& p, const QRectF& r, int face, bool held);
enum class RollLook { Normal, Pressed, Off };
void PaintRoll(QPainter& p, const QRectF& r, RollLook look);
void PaintLamp(QPainter& p, const QRectF& r, bool lit);

// Score-sheet pictures (ArtSheet.cpp).
void PaintCellButton(QPainter& p, const QRectF& r);
void PaintRowButton(QPainter& p, const QRectF& r, int row, bool hot);
void PaintArrowStrip(QPainter& p, const QRectF& r, bool shortStrip);
void PaintSheet(QPainter& p, const QRectF& r);
void PaintPattern(QPainter& p, const QRectF& r);

// Toolbar, menu and list-header icons (ArtIcons.cpp). `image` is the
// toolbar's image-list position 1 to 8; `name` a lower-case menu key.
void PaintToolbarImage(QPainter& p, const QRectF& r, int image);
void PaintMenuPicture(QPainter& p, const QRectF& r, const QString& name);
void PaintHeaderIcon(QPainter& p, const QRectF& r, int icon);

// Icon shapes shared by the toolbar and the menus (ArtIcons.cpp).
void PaintUndoArrow(QPainter& p, const QRectF& r, bool redo);
void PaintSpeaker(QPainter& p, const QRectF& r, bool on);
void PaintDoor(QPainter& p, const QRectF& r);
void PaintBulb(QPainter& p, const QRectF& r);
void PaintBook(QPainter& p, const QRectF& r);
void PaintNewGame(QPainter& p, const QRectF& r);

// Larger pictures (ArtScenes.cpp).
void PaintSplash(QPainter& p, const QRectF& r);
void PaintDialogPicture(QPainter& p, const QRectF& r);
void PaintAppIcon(QPainter& p, const QRectF& r);

} // namespace ui::art
