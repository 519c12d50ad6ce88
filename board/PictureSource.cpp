#include "PictureSource.h"

#include "Artwork.h"

namespace ui {

void DrawPicture(QPainter& painter, const QRect& rect, const std::string& key) {
    if (key.empty() || rect.isEmpty()) {
        return;
    }
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QPixmap pixmap = Artwork::Picture(QString::fromStdString(key), rect.size(), dpr);
    if (!pixmap.isNull()) {
        painter.drawPixmap(rect.topLeft(), pixmap);
    }
}

QIcon ToolbarIcon(int image) {
    return Artwork::Icon(Artwork::ToolbarImageKey(image));
}

} // namespace ui
