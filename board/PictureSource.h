// Where the board's widgets get their pictures: draws the picture of a
// model picture key into a rectangle.
#pragma once

#include <QIcon>
#include <QPainter>
#include <QRect>
#include <string>

namespace ui {

void DrawPicture(QPainter& painter, const QRect& rect, const std::string& key);

// Picture `image` (1 to 8) of the toolbar's image list; null for 0.
QIcon ToolbarIcon(int image);

} // namespace ui
