// Loads the board's mouse pointer from the cursor file beside the program.
// Qt reads the picture of a .cur file but not its hot spot, so the hot spot
// is taken from the file's directory entry here.
#include "board/Artwork.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPixmap>
#include <QtEndian>

namespace ui {

namespace {

// Anything bigger than this is not a cursor of ours.
constexpr qint64 MaxCursorFileBytes = 1 << 20;

struct CursorFile {
    QImage image;
    QPoint hotSpot;
};

// Parses the bytes of a cursor file: a 6-byte header (reserved 0, type 2,
// image count), then 16-byte directory entries whose bytes 4 to 7 hold the
// hot spot. Returns a null image when the bytes are not a usable cursor.
CursorFile ParseCursor(const QByteArray& bytes) {
    CursorFile result;
    if (bytes.size() < 6 + 16) {
        return result;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    const quint16 reserved = qFromLittleEndian<quint16>(data);
    const quint16 type = qFromLittleEndian<quint16>(data + 2);
    const quint16 count = qFromLittleEndian<quint16>(data + 4);
    if (reserved != 0 || type != 2 || count == 0) {
        return result;
    }
    const uchar* entry = data + 6;
    const int hotX = qFromLittleEndian<quint16>(entry + 4);
    const int hotY = qFromLittleEndian<quint16>(entry + 6);

    QImage image = QImage::fromData(bytes, "CUR");
    if (image.isNull()) {
        image = QImage::fromData(bytes, "ICO");
    }
    if (image.isNull()) {
        return result;
    }
    result.image = image;
    result.hotSpot =
        QPoint(qBound(0, hotX, image.width() - 1), qBound(0, hotY, image.height() - 1));
    return result;
}

} // namespace

QCursor LoadBoardCursor(const QString& appPath) {
    QFile file(QDir(appPath).filePath(QStringLiteral("base.cur")));
    if (!file.open(QIODevice::ReadOnly) || file.size() > MaxCursorFileBytes) {
        return QCursor(Qt::ArrowCursor);
    }
    const CursorFile cursor = ParseCursor(file.readAll());
    if (cursor.image.isNull()) {
        return QCursor(Qt::ArrowCursor);
    }
    return QCursor(QPixmap::fromImage(cursor.image), cursor.hotSpot.x(), cursor.hotSpot.y());
}

} // namespace ui
