// The artwork catalogue: which painter draws each key, the size each picture
// is designed for, and the cache of painted pixmaps.
#include "board/Artwork.h"

#include "board/ArtPaint.h"

#include <QGuiApplication>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <functional>
#include <vector>

namespace ui {

namespace {

using Painter = std::function<void(QPainter&, const QRectF&)>;

struct Entry {
    QString key; // as written in the catalogue; lookups use the lower-case form
    QSize natural;
    Painter paint;
    bool board = false; // a key the board model uses
};

constexpr int MaxLogicalSide = 4096;
constexpr int MaxCachedPixmaps = 600;

std::vector<Entry> BuildCatalogue() {
    using namespace art;
    std::vector<Entry> list;
    auto add = [&list](const QString& key, QSize natural, Painter paint, bool board) {
        list.push_back(Entry{key, natural, std::move(paint), board});
    };

    for (int face = 1; face <= 6; ++face) {
        add(
            QStringLiteral("face%1").arg(face), {48, 48},
            [face](QPainter& p, const QRectF& r) { PaintFace(p, r, face, false); }, true);
        add(
            QStringLiteral("faceHeld%1").arg(face), {48, 48},
            [face](QPainter& p, const QRectF& r) { PaintFace(p, r, face, true); }, true);
    }
    add(
        "roll", {82, 86}, [](QPainter& p, const QRectF& r) { PaintRoll(p, r, RollLook::Normal); },
        true);
    add(
        "rollPressed", {82, 86},
        [](QPainter& p, const QRectF& r) { PaintRoll(p, r, RollLook::Pressed); }, true);
    add(
        "rollOff", {82, 86}, [](QPainter& p, const QRectF& r) { PaintRoll(p, r, RollLook::Off); },
        true);
    add(
        "lampOn", {20, 20}, [](QPainter& p, const QRectF& r) { PaintLamp(p, r, true); }, true);
    add(
        "lampOff", {20, 20}, [](QPainter& p, const QRectF& r) { PaintLamp(p, r, false); }, true);
    add(
        "cellButton", {40, 19}, [](QPainter& p, const QRectF& r) { PaintCellButton(p, r); }, true);
    for (int row = 0; row <= 12; ++row) {
        add(
            QStringLiteral("row%1").arg(row), {160, 19},
            [row](QPainter& p, const QRectF& r) { PaintRowButton(p, r, row, false); }, true);
        add(
            QStringLiteral("row%1hot").arg(row), {160, 19},
            [row](QPainter& p, const QRectF& r) { PaintRowButton(p, r, row, true); }, true);
    }
    add(
        "arrow", {27, 316}, [](QPainter& p, const QRectF& r) { PaintArrowStrip(p, r, false); },
        true);
    add(
        "arrowShort", {27, 300}, [](QPainter& p, const QRectF& r) { PaintArrowStrip(p, r, true); },
        true);
    add(
        "sheet", {107, 316}, [](QPainter& p, const QRectF& r) { PaintSheet(p, r); }, true);
    add(
        "pattern", {135, 64}, [](QPainter& p, const QRectF& r) { PaintPattern(p, r); }, true);

    for (int image = 1; image <= 8; ++image) {
        add(
            Artwork::ToolbarImageKey(image), {24, 24},
            [image](QPainter& p, const QRectF& r) { PaintToolbarImage(p, r, image); }, false);
    }
    const char* menuNames[] = {"new",  "options",  "scores",   "exit",  "undo",       "redo",
                               "help", "sendmail", "visitweb", "about", "quickstart", "check"};
    for (const char* name : menuNames) {
        const QString menu = QString::fromLatin1(name);
        QSize size(16, 16);
        if (menu == "sendmail") {
            size = QSize(18, 16);
        } else if (menu == "check") {
            size = QSize(15, 15);
        }
        add(
            menu, size, [menu](QPainter& p, const QRectF& r) { PaintMenuPicture(p, r, menu); },
            false);
    }
    for (int icon = 1; icon <= 4; ++icon) {
        add(
            QStringLiteral("header%1").arg(icon), {16, 16},
            [icon](QPainter& p, const QRectF& r) { PaintHeaderIcon(p, r, icon); }, false);
    }
    add(
        "splash", {378, 210}, [](QPainter& p, const QRectF& r) { PaintSplash(p, r); }, false);
    add(
        "dialog", {128, 128}, [](QPainter& p, const QRectF& r) { PaintDialogPicture(p, r); },
        false);
    add(
        "appIcon", {64, 64}, [](QPainter& p, const QRectF& r) { PaintAppIcon(p, r); }, false);
    return list;
}

struct Catalogue {
    std::vector<Entry> entries = BuildCatalogue();
    QHash<QString, int> index; // lower-case key -> entry

    Catalogue() {
        for (int i = 0; i < static_cast<int>(entries.size()); ++i) {
            index.insert(entries[i].key.toLower(), i);
        }
    }

    const Entry* Find(const QString& key) const {
        const auto it = index.constFind(key.toLower());
        return it == index.constEnd() ? nullptr : &entries[*it];
    }
};

const Catalogue& TheCatalogue() {
    static const Catalogue catalogue;
    return catalogue;
}

QHash<QString, QPixmap>& TheCache() {
    static QHash<QString, QPixmap> cache;
    return cache;
}

QPixmap Render(const Entry& entry, QSize logicalSize, qreal dpr) {
    const QSize device(qMax(1, qRound(logicalSize.width() * dpr)),
                       qMax(1, qRound(logicalSize.height() * dpr)));
    QImage image(device, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        // Painters work in logical pixels whatever the device size.
        painter.scale(qreal(device.width()) / logicalSize.width(),
                      qreal(device.height()) / logicalSize.height());
        entry.paint(painter, QRectF(QPointF(0, 0), QSizeF(logicalSize)));
    }
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

} // namespace

QPixmap Artwork::Picture(const QString& key, QSize logicalSize, qreal dpr) {
    const Entry* entry = TheCatalogue().Find(key);
    if (entry == nullptr || logicalSize.width() <= 0 || logicalSize.height() <= 0 ||
        logicalSize.width() > MaxLogicalSide || logicalSize.height() > MaxLogicalSide) {
        return QPixmap();
    }
    if (!(dpr > 0) || dpr > 8) {
        dpr = 1;
    }
    const QString cacheKey = QStringLiteral("%1|%2x%3@%4")
                                 .arg(entry->key)
                                 .arg(logicalSize.width())
                                 .arg(logicalSize.height())
                                 .arg(dpr);
    QHash<QString, QPixmap>& cache = TheCache();
    const auto found = cache.constFind(cacheKey);
    if (found != cache.constEnd()) {
        return *found;
    }
    if (cache.size() >= MaxCachedPixmaps) {
        cache.clear();
    }
    QPixmap pixmap = Render(*entry, logicalSize, dpr);
    cache.insert(cacheKey, pixmap);
    return pixmap;
}

QPixmap Artwork::Picture(const QString& key, qreal dpr) {
    return Picture(key, NaturalSize(key), dpr);
}

QSize Artwork::NaturalSize(const QString& key) {
    const Entry* entry = TheCatalogue().Find(key);
    return entry ? entry->natural : QSize();
}

bool Artwork::HasPicture(const QString& key) {
    return TheCatalogue().Find(key) != nullptr;
}

QIcon Artwork::Icon(const QString& key, QSize logicalSize) {
    if (!HasPicture(key)) {
        return QIcon();
    }
    // The 1x picture, and a 2x one only when a screen is finer than 1x: a
    // plain screen never pays for pictures it does not show.
    QIcon icon;
    icon.addPixmap(Picture(key, logicalSize, 1.0));
    qreal finest = 1.0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        finest = std::max(finest, screen->devicePixelRatio());
    }
    if (finest > 1.0) {
        icon.addPixmap(Picture(key, logicalSize, 2.0));
    }
    return icon;
}

QIcon Artwork::Icon(const QString& key) {
    return Icon(key, NaturalSize(key));
}

QIcon Artwork::WindowIcon() {
    QIcon icon;
    for (int side : {16, 24, 32, 48, 64, 128, 256}) {
        icon.addPixmap(Picture("appIcon", QSize(side, side), 1.0));
    }
    return icon;
}

QString Artwork::ToolbarImageKey(int image) {
    return QStringLiteral("toolbar%1").arg(image);
}

QStringList Artwork::BoardKeys() {
    QStringList keys;
    for (const Entry& entry : TheCatalogue().entries) {
        if (entry.board) {
            keys << entry.key;
        }
    }
    return keys;
}

QStringList Artwork::AllKeys() {
    QStringList keys;
    for (const Entry& entry : TheCatalogue().entries) {
        keys << entry.key;
    }
    return keys;
}

void Artwork::ClearCache() {
    TheCache().clear();
}

int Artwork::CacheSize() {
    return static_cast<int>(TheCache().size());
}

} // namespace ui
