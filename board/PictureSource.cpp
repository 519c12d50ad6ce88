#include "PictureSource.h"

namespace ui {

void DrawPicture(QPainter& painter, const QRect& rect, const std::string& key) {
    if (key.empty()) {
        return;
    }
    painter.fillRect(rect.adjusted(1, 1, -1, -1), QColor(200, 200, 210));
    painter.drawText(rect, Qt::AlignCenter, QString::fromStdString(key));
}

} // namespace ui
