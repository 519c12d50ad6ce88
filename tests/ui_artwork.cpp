// Tests of the painted artwork and the board cursor: every picture the board
// model names exists at both scales with the right device size, the looks
// that must be told apart differ, bad requests give nothing rather than a
// crash, and the cursor file loads or falls back to the arrow.
#include "board/Artwork.h"
#include "game/Board.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <algorithm>
#include <gtest/gtest.h>
#include <set>
#include <string>

using ui::Artwork;

namespace {

// Every picture key that the board model puts into its controls.
std::set<std::string> KeysOfTheBoardModel() {
    const game::Board board;
    std::set<std::string> keys;
    auto take = [&keys](const game::Control& c) {
        for (const std::string& key : {c.Picture, c.DisabledPicture}) {
            if (!key.empty()) {
                keys.insert(key);
            }
        }
    };
    for (const auto* cells : {&board.cmdDown, &board.cmdUp, &board.cmdRand, &board.cmdOblg,
                              &board.img1Column, &board.img1ColumnP}) {
        for (const game::Control& c : *cells) {
            take(c);
        }
    }
    for (const auto* dice :
         {&board.picHide, &board.picHideOff, &board.picDice, &board.PicDiceOff}) {
        for (const game::Control& c : *dice) {
            take(c);
        }
    }
    for (const game::Control& c : board.picRound) {
        take(c);
    }
    for (const game::Control& c : board.picRoundBG) {
        take(c);
    }
    for (const game::Control* c :
         {&board.imgBut3, &board.imgArrow, &board.imgArrow2, &board.Picture2, &board.Image1,
          &board.picRollDice, &board.picRollOn, &board.picRollOff, &board.picRollDices}) {
        take(*c);
    }
    return keys;
}

QImage ImageOf(const QString& key, QSize size = QSize(), qreal dpr = 1.0) {
    if (!size.isValid()) {
        size = Artwork::NaturalSize(key);
    }
    return Artwork::Picture(key, size, dpr).toImage().convertToFormat(QImage::Format_ARGB32);
}

int OpaquePixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += qAlpha(image.pixel(x, y)) > 0 ? 1 : 0;
        }
    }
    return count;
}

// Opaque, dark pixels: the pips of a free die.
int DarkPixels(const QImage& image) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb px = image.pixel(x, y);
            count += (qAlpha(px) > 200 && qGray(px) < 80) ? 1 : 0;
        }
    }
    return count;
}

// Mean lightness and colourfulness (chroma: the spread between the strongest
// and the weakest channel) of the opaque pixels.
struct Average {
    double lightness = 0;
    double chroma = 0;
};

Average AverageOf(const QImage& image) {
    Average avg;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = QColor::fromRgba(image.pixel(x, y));
            if (c.alpha() < 250) {
                continue;
            }
            avg.lightness += c.lightnessF();
            avg.chroma += (std::max({c.red(), c.green(), c.blue()}) -
                           std::min({c.red(), c.green(), c.blue()})) /
                          255.0;
            ++n;
        }
    }
    if (n > 0) {
        avg.lightness /= n;
        avg.chroma /= n;
    }
    return avg;
}

QString SourceFolder() {
    return QFileInfo(QStringLiteral(__FILE__)).absoluteDir().absoluteFilePath("..");
}

} // namespace

TEST(Artwork, EveryPictureOfTheBoardModelRendersAtOneAndTwoTimesScale) {
    const std::set<std::string> keys = KeysOfTheBoardModel();
    ASSERT_GE(keys.size(), 40u); // faces, held faces, rows, roll looks, lamps, strips...
    for (const std::string& name : keys) {
        const QString key = QString::fromStdString(name);
        SCOPED_TRACE(name);
        ASSERT_TRUE(Artwork::HasPicture(key));
        EXPECT_TRUE(Artwork::BoardKeys().contains(key));
        const QSize natural = Artwork::NaturalSize(key);
        ASSERT_TRUE(natural.isValid());
        for (QSize size : {natural, QSize(natural.width() + 7, natural.height() + 3)}) {
            for (qreal dpr : {1.0, 2.0, 1.5}) {
                const QPixmap pixmap = Artwork::Picture(key, size, dpr);
                ASSERT_FALSE(pixmap.isNull());
                EXPECT_EQ(pixmap.size(),
                          QSize(qRound(size.width() * dpr), qRound(size.height() * dpr)));
                EXPECT_DOUBLE_EQ(pixmap.devicePixelRatio(), dpr);
                EXPECT_EQ(pixmap.deviceIndependentSize().toSize(), size);
                EXPECT_GT(OpaquePixels(pixmap.toImage()), 0) << "nothing painted";
            }
        }
    }
}

TEST(Artwork, PicturesOfToolbarMenusListAndDialogsExistAtTheirSizes) {
    const game::Board board;
    for (const auto& button : board.Toolbar2.Buttons) {
        if (button.Image > 0) {
            EXPECT_TRUE(Artwork::HasPicture(Artwork::ToolbarImageKey(button.Image))) << button.Key;
        }
    }
    // Image 8 is the sound-off picture the sound switch puts on tbSound.
    EXPECT_TRUE(Artwork::HasPicture(Artwork::ToolbarImageKey(8)));
    EXPECT_FALSE(Artwork::HasPicture(Artwork::ToolbarImageKey(9)));

    // Menu bitmaps are named without regard to case ("CHECK" and "check").
    for (const char* name : {"new", "OPTIONS", "scores", "exit", "undo", "redo", "help", "visitweb",
                             "about", "quickstart"}) {
        EXPECT_EQ(Artwork::NaturalSize(name), QSize(16, 16)) << name;
    }
    EXPECT_EQ(Artwork::NaturalSize("sendmail"), QSize(18, 16));
    EXPECT_EQ(Artwork::NaturalSize("CHECK"), QSize(15, 15));
    EXPECT_EQ(Artwork::NaturalSize("splash"), QSize(378, 210));
    EXPECT_EQ(Artwork::NaturalSize("pattern"), QSize(135, 64));
    for (int icon = 1; icon <= 4; ++icon) {
        EXPECT_FALSE(Artwork::Icon(QStringLiteral("header%1").arg(icon)).isNull());
    }

    const QIcon window = Artwork::WindowIcon();
    ASSERT_FALSE(window.isNull());
    for (int side : {16, 32, 48, 256}) {
        EXPECT_TRUE(window.availableSizes().contains(QSize(side, side))) << side;
    }
}

TEST(Artwork, SmallIconsHaveTransparentBackgrounds) {
    QStringList keys = {"new",   "options",    "scores",   "exit",     "undo",
                        "redo",  "help",       "sendmail", "visitweb", "about",
                        "check", "quickstart", "appIcon",  "dialog"};
    for (int i = 1; i <= 8; ++i) {
        keys << Artwork::ToolbarImageKey(i);
    }
    for (int i = 1; i <= 4; ++i) {
        keys << QStringLiteral("header%1").arg(i);
    }
    for (const QString& key : keys) {
        for (qreal dpr : {1.0, 2.0}) {
            const QImage image = ImageOf(key, QSize(), dpr);
            const int w = image.width() - 1;
            const int h = image.height() - 1;
            EXPECT_EQ(qAlpha(image.pixel(0, 0)) + qAlpha(image.pixel(w, 0)) +
                          qAlpha(image.pixel(0, h)) + qAlpha(image.pixel(w, h)),
                      0)
                << key.toStdString() << " at " << dpr;
            const int area = image.width() * image.height();
            EXPECT_GT(OpaquePixels(image), area / 6) << key.toStdString();
            EXPECT_LT(OpaquePixels(image), area) << key.toStdString();
        }
    }
}

TEST(Artwork, DiceShowTheirPipsAndHeldDiceLookDifferent) {
    int previousPips = 0;
    for (int face = 1; face <= 6; ++face) {
        SCOPED_TRACE(face);
        const QImage free = ImageOf(QStringLiteral("face%1").arg(face));
        const QImage held = ImageOf(QStringLiteral("faceHeld%1").arg(face));
        EXPECT_NE(free, held);
        // More pips, more black: each face is told apart by its pips.
        const int pips = DarkPixels(free);
        EXPECT_GT(pips, previousPips);
        previousPips = pips;
        // Held dice are plainly darker and carry the coloured rim.
        const Average a = AverageOf(free);
        const Average b = AverageOf(held);
        EXPECT_GT(a.lightness - b.lightness, 0.15);
        EXPECT_GT(b.chroma, a.chroma);
    }
    for (int face = 2; face <= 6; ++face) {
        EXPECT_NE(ImageOf(QStringLiteral("face%1").arg(face)),
                  ImageOf(QStringLiteral("face%1").arg(face - 1)));
    }
}

TEST(Artwork, RollPictureHasDistinctPressedAndOffLooks) {
    for (qreal dpr : {1.0, 2.0}) {
        const QImage normal = ImageOf("roll", QSize(), dpr);
        const QImage pressed = ImageOf("rollPressed", QSize(), dpr);
        const QImage off = ImageOf("rollOff", QSize(), dpr);
        EXPECT_NE(normal, pressed);
        EXPECT_NE(normal, off);
        EXPECT_NE(pressed, off);
        // Pressed sits darker, off is greyed out.
        EXPECT_LT(AverageOf(pressed).lightness, AverageOf(normal).lightness);
        EXPECT_LT(AverageOf(off).chroma, AverageOf(normal).chroma / 3);
    }
    EXPECT_GT(AverageOf(ImageOf("lampOn")).lightness,
              AverageOf(ImageOf("lampOff")).lightness + 0.15);
    for (int row = 0; row <= 12; ++row) {
        EXPECT_NE(ImageOf(QStringLiteral("row%1").arg(row)),
                  ImageOf(QStringLiteral("row%1hot").arg(row)));
        if (row > 0) {
            EXPECT_NE(ImageOf(QStringLiteral("row%1").arg(row)),
                      ImageOf(QStringLiteral("row%1").arg(row - 1)));
        }
    }
}

TEST(Artwork, PatternTileJoinsWithoutSeams) {
    for (qreal dpr : {1.0, 2.0}) {
        const QImage tile = ImageOf("pattern", QSize(), dpr);
        auto close = [](QRgb a, QRgb b) {
            return qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) +
                   qAbs(qBlue(a) - qBlue(b));
        };
        // Neighbouring pixels across the tile's edges differ no more than
        // neighbours inside it do.
        int across = 0;
        int within = 0;
        const int w = tile.width();
        const int h = tile.height();
        for (int y = 0; y < h; ++y) {
            across += close(tile.pixel(w - 1, y), tile.pixel(0, y));
            within += close(tile.pixel(w / 2 - 1, y), tile.pixel(w / 2, y));
        }
        for (int x = 0; x < w; ++x) {
            across += close(tile.pixel(x, h - 1), tile.pixel(x, 0));
            within += close(tile.pixel(x, h / 2 - 1), tile.pixel(x, h / 2));
        }
        EXPECT_LE(across, within * 2 + w + h) << dpr;
        EXPECT_EQ(OpaquePixels(tile), w * h);
    }
}

TEST(Artwork, BadRequestsGiveANullPixmap) {
    EXPECT_TRUE(Artwork::Picture("no such picture", QSize(20, 20), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("", QSize(20, 20), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("face7", QSize(20, 20), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("row13", QSize(20, 20), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("face1", QSize(0, 20), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("face1", QSize(-5, -5), 1.0).isNull());
    EXPECT_TRUE(Artwork::Picture("face1", QSize(100000, 20), 1.0).isNull());
    EXPECT_FALSE(Artwork::NaturalSize("no such picture").isValid());
    EXPECT_TRUE(Artwork::Icon("no such picture").isNull());
    EXPECT_TRUE(Artwork::Picture("no such picture", 2.0).isNull());

    // A nonsensical scale is taken as 1.
    const QPixmap odd = Artwork::Picture("face1", QSize(30, 30), 0.0);
    ASSERT_FALSE(odd.isNull());
    EXPECT_EQ(odd.size(), QSize(30, 30));
    EXPECT_EQ(Artwork::Picture("face1", QSize(30, 30), -2.0).size(), QSize(30, 30));
}

TEST(Artwork, RepeatedRequestsComeFromTheCache) {
    Artwork::ClearCache();
    EXPECT_EQ(Artwork::CacheSize(), 0);
    const QPixmap first = Artwork::Picture("lampOn", QSize(20, 20), 2.0);
    const QPixmap again = Artwork::Picture("LAMPON", QSize(20, 20), 2.0);
    EXPECT_EQ(first.cacheKey(), again.cacheKey());
    EXPECT_EQ(Artwork::CacheSize(), 1);
    const QPixmap other = Artwork::Picture("lampOn", QSize(20, 20), 1.0);
    EXPECT_NE(first.cacheKey(), other.cacheKey());
    EXPECT_EQ(Artwork::CacheSize(), 2);
}

TEST(BoardCursor, LoadsThePointerFromTheCursorFile) {
    const QString folder = QDir(SourceFolder()).absoluteFilePath("resources/beside");
    ASSERT_TRUE(QFile::exists(folder + "/base.cur"));
    for (const QString& appPath : {folder + "/", folder}) {
        const QCursor cursor = ui::LoadBoardCursor(appPath);
        EXPECT_EQ(cursor.shape(), Qt::BitmapCursor);
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32));
        EXPECT_EQ(cursor.hotSpot(), QPoint(1, 1));
        // The tip pixel is painted, the far corner is clear.
        const QImage image = cursor.pixmap().toImage();
        EXPECT_GT(qAlpha(image.pixel(1, 1)), 0);
        EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0);
    }
}

TEST(BoardCursor, FallsBackToTheArrowWhenTheFileIsMissingOrBroken) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString appPath = dir.path() + "/";
    EXPECT_EQ(ui::LoadBoardCursor(appPath).shape(), Qt::ArrowCursor);

    QFile original(QDir(SourceFolder()).absoluteFilePath("resources/beside/base.cur"));
    ASSERT_TRUE(original.open(QIODevice::ReadOnly));
    const QByteArray good = original.readAll();

    auto tryBytes = [&appPath](const QByteArray& bytes) {
        QFile file(appPath + "base.cur");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(bytes);
        file.close();
        return ui::LoadBoardCursor(appPath);
    };
    EXPECT_EQ(tryBytes(QByteArray()).shape(), Qt::ArrowCursor);
    EXPECT_EQ(tryBytes("not a cursor at all, just text").shape(), Qt::ArrowCursor);
    EXPECT_EQ(tryBytes(good.left(30)).shape(), Qt::ArrowCursor); // cut short
    QByteArray icon = good;
    icon[2] = 1; // an icon, not a cursor
    EXPECT_EQ(tryBytes(icon).shape(), Qt::ArrowCursor);
    QByteArray noImages = good;
    noImages[4] = 0;
    EXPECT_EQ(tryBytes(noImages).shape(), Qt::ArrowCursor);

    // A hot spot beyond the picture is pulled back inside it.
    QByteArray farHotSpot = good;
    farHotSpot[10] = char(200);
    farHotSpot[12] = char(100);
    const QCursor clamped = tryBytes(farHotSpot);
    EXPECT_EQ(clamped.shape(), Qt::BitmapCursor);
    EXPECT_EQ(clamped.hotSpot(), QPoint(31, 31));
    EXPECT_EQ(tryBytes(good).shape(), Qt::BitmapCursor);

    // A folder where the cursor file should be.
    QFile::remove(appPath + "base.cur");
    ASSERT_TRUE(QDir(appPath).mkdir("base.cur"));
    EXPECT_EQ(ui::LoadBoardCursor(appPath).shape(), Qt::ArrowCursor);
}
