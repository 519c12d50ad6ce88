// Where the board's widgets get their pictures: draws the picture of a
// model picture key into a rectangle.
#pragma once

#include <QPainter>
#include <QRect>
#include <string>

namespace ui {

void DrawPicture(QPainter& painter, const QRect& rect, const std::string& key);

} // namespace ui
