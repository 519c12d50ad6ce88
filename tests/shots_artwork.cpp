// A contact sheet of every picture at 1x and 2x, for looking the artwork
// over by eye. Runs only when QUORVANE_ART_SHEET names the PNG to write:
//   QUORVANE_ART_SHEET=/tmp/art.png build/tests/ui_tests --gtest_filter='ArtworkSheet.*'
#include "board/Artwork.h"

#include <QImage>
#include <QPainter>
#include <cstdio>
#include <QDir>
#include <QFileInfo>
#include <gtest/gtest.h>

using ui::Artwork;

namespace {

// Backgrounds the pictures are seen on: a dark board, the steel-blue menu
// pattern and the dark selection bar of the menus.
const QColor BoardBack(46, 52, 44);
const QColor SelectionBack(50, 50, 50);

QPixmap AtDeviceScale(const QPixmap& pixmap) {
    QPixmap copy = pixmap;
    copy.setDevicePixelRatio(1.0);
    return copy;
}

} // namespace

TEST(ArtworkSheet, WritesEveryPictureWhenAsked) {
    const QString output =
        qEnvironmentVariable("QUORVANE_ART_SHEET", QStringLiteral("shots/artwork.png"));
    QDir().mkpath(QFileInfo(output).absolutePath());
    const int width = 1500;
    const int margin = 10;
    const int labelHeight = 14;

    // What to show: every picture at its own size, plus the window icon and
    // the toolbar images at the smaller sizes they are also used at.
    struct Wanted {
        QString key;
        QSize size;
    };
    std::vector<Wanted> wanted;
    for (const QString& key : Artwork::AllKeys()) {
        wanted.push_back({key, Artwork::NaturalSize(key)});
    }
    for (int side : {16, 24, 32, 48}) {
        wanted.push_back({"appIcon", QSize(side, side)});
    }
    for (int image = 1; image <= 8; ++image) {
        wanted.push_back({Artwork::ToolbarImageKey(image), QSize(16, 16)});
    }

    // Lay the pictures out in rows, first all at 1x, then all at 2x.
    struct Placed {
        QString key;
        QSize size;
        qreal dpr;
        QRect area;
    };
    std::vector<Placed> placed;
    int x = margin;
    int y = margin + 20;
    int rowHeight = 0;
    for (qreal dpr : {1.0, 2.0}) {
        for (const Wanted& want : wanted) {
            const QSize device = Artwork::Picture(want.key, want.size, dpr).size();
            const int cellW = std::max(device.width(), 70) + margin;
            const int cellH = device.height() + labelHeight + margin;
            if (x + cellW > width) {
                x = margin;
                y += rowHeight;
                rowHeight = 0;
            }
            placed.push_back({want.key, want.size, dpr, QRect(QPoint(x, y), device)});
            // Where each picture lies, for cropping the sheet further.
            std::printf("%s%s@%g %d %d %d %d\n", qPrintable(want.key),
                        want.size == Artwork::NaturalSize(want.key)
                            ? ""
                            : qPrintable(QStringLiteral("-%1").arg(want.size.width())),
                        dpr, x, y, device.width(), device.height());
            x += cellW;
            rowHeight = std::max(rowHeight, cellH);
        }
        x = margin;
        y += rowHeight + 30;
        rowHeight = 0;
    }

    QImage sheet(width, y + margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(BoardBack);
    QPainter p(&sheet);
    p.setPen(Qt::white);
    const QBrush pattern(AtDeviceScale(Artwork::Picture("pattern", 1.0)));
    for (const Placed& item : placed) {
        const QString lower = item.key.toLower();
        const bool menuLike = item.size.height() <= 24 && !lower.startsWith("row") &&
                              !lower.startsWith("lamp") && lower != "cellbutton";
        if (menuLike) {
            // Small icons: half on the menu pattern, half on the selection bar.
            const QRect back = item.area.adjusted(-3, -3, 3, 3);
            p.fillRect(back, pattern);
            p.fillRect(QRect(back.center().x(), back.top(), back.width() / 2 + 1, back.height()),
                       SelectionBack);
        }
        p.drawPixmap(item.area.topLeft(),
                     AtDeviceScale(Artwork::Picture(item.key, item.size, item.dpr)));
        QFont font;
        font.setPixelSize(10);
        p.setFont(font);
        p.drawText(QRect(item.area.left(), item.area.bottom() + 2, 90, labelHeight),
                   Qt::AlignLeft | Qt::AlignTop,
                   item.key + (item.dpr > 1 ? QStringLiteral(" 2x") : QString()));
    }
    p.end();
    ASSERT_TRUE(sheet.save(output));
}
