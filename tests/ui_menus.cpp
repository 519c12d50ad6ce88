// The menu look: theme colours, the pictures of the menu captions, the menu
// font, the size rule of menu items, and what MenuStyle paints on real
// menus and on menu-bar items. ui_menus_board.cpp has it on the board window.
#include "board/Artwork.h"
#include "board/MenuStyle.h"
#include "board/OverflowIcons.h"
#include "game/Board.h"

#include <QAction>
#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using ui::GetThemeColor;
using ui::MeasureMenuItem;
using ui::MenuPictureFor;

namespace {

const QColor Dark(50, 50, 50);
const QColor White(255, 255, 255);
const QColor Grey(128, 128, 128);
const QColor MenuBg(58, 110, 165);

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).toRgb();
}

// The pattern tile's colour at widget position (x, y), the tile starting at
// the widget's origin.
QColor PatternAt(int x, int y) {
    static const QImage tile = ui::Artwork::Picture("pattern", 1.0).toImage();
    return tile.pixelColor(x % tile.width(), y % tile.height()).toRgb();
}

int CountPixels(const QImage& image, const QRect& area, const std::function<bool(QColor)>& test) {
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            count += test(At(image, x, y)) ? 1 : 0;
        }
    }
    return count;
}

bool Inked(QColor c) {
    return c.red() + c.green() + c.blue() < 150;
}

} // namespace

// ---- Theme colours ---------------------------------------------------------

TEST(MenuThemeColours, EveryKeyGivesItsColour) {
    const std::pair<const char*, QColor> table[] = {
        {"body", QColor(58, 110, 165)},       {"menubg", QColor(58, 110, 165)},
        {"selected", QColor(50, 50, 50)},     {"selectedtext", QColor(255, 255, 255)},
        {"generaltext", QColor(0, 0, 0)},     {"bordercolor", QColor(255, 255, 255)},
        {"table1bg", QColor(223, 223, 223)},  {"table2bg", QColor(241, 241, 241)},
        {"headingbg", QColor(128, 128, 166)}, {"headingtext", QColor(231, 231, 255)},
    };
    for (const auto& [key, colour] : table) {
        EXPECT_EQ(GetThemeColor(key), colour) << key;
    }
}

TEST(MenuThemeColours, KeysAreComparedInLowerCase) {
    EXPECT_EQ(GetThemeColor("Selected"), QColor(50, 50, 50));
    EXPECT_EQ(GetThemeColor("SelectedText"), QColor(255, 255, 255));
    EXPECT_EQ(GetThemeColor("BorderColor"), QColor(255, 255, 255));
    EXPECT_EQ(GetThemeColor("MENUBG"), QColor(58, 110, 165));
    EXPECT_EQ(GetThemeColor("HeadingBg"), QColor(128, 128, 166));
}

TEST(MenuThemeColours, AnyOtherKeyIsBlack) {
    for (const char* key : {"menutext", "MenuText", "", "menu bg", "selected ", "bodyx", "black"}) {
        EXPECT_EQ(GetThemeColor(key), QColor(0, 0, 0)) << '"' << key << '"';
    }
}

// ---- Pictures of the menu items -----------------------------------------

TEST(MenuPictureTable, FifteenRowsEachWithItsMask) {
    const auto& rows = ui::MenuImages();
    ASSERT_EQ(rows.size(), 15u);
    EXPECT_STREQ(rows.front().caption, "&New Game");
    EXPECT_STREQ(rows.back().caption, "Turn Sou&nd Effects Off");
    for (const ui::MenuImage& row : rows) {
        EXPECT_EQ(QString::fromLatin1(row.mask),
                  QString::fromLatin1(row.picture).toLower() + "mask")
            << row.caption;
        EXPECT_TRUE(ui::Artwork::HasPicture(row.picture)) << row.picture;
    }
}

TEST(MenuPictureTable, EveryBoardMenuItemGetsItsPictureOrNone) {
    const game::Board b;
    const std::pair<const game::MenuItem*, const char*> expected[] = {
        {&b.mnuNewGame, "new"},
        {&b.mnuScores, "scores"},
        {&b.mnuGameExit, "exit"},
        {&b.mnuUndoUndo, "undo"},
        {&b.mnuUndoRedo, "redo"},
        {&b.mnuOptions, "options"},
        {&b.mnuQuickStar, "quickstart"},
        {&b.mnuContents, "help"},
        {&b.mnuGoToWeb, "visitweb"},
        {&b.mnuContact, "sendmail"},
        {&b.mnuAbout, "about"},
        // The plain item of each pair marks the mode in force.
        {&b.mnuHintsByRequest, "check"},
        {&b.mnuHintsAllways, "check"},
        {&b.mnuSoundsOn, "check"},
        {&b.mnuSoundsOff, "check"},
        // Their switching twins and the menu-bar titles have none.
        {&b.mnuHintsByRequest2, ""},
        {&b.mnuHintsAllways2, ""},
        {&b.mnuSoundsOn2, ""},
        {&b.mnuSoundsOff2, ""},
        {&b.mnuGame, ""},
        {&b.mnuTools, ""},
        {&b.mnuHelp, ""},
    };
    for (const auto& [item, picture] : expected) {
        EXPECT_EQ(MenuPictureFor(QString::fromStdString(item->Caption)), QString(picture))
            << item->Caption;
    }
}

TEST(MenuPictureTable, LookUpIsByTheCaptionUpToItsTabExactly) {
    EXPECT_EQ(MenuPictureFor("&Options...\tCtrl+O"), "options");
    EXPECT_EQ(MenuPictureFor("E&xit\tCtrl+X"), "exit");
    EXPECT_EQ(MenuPictureFor("Options..."), "");    // no access key
    EXPECT_EQ(MenuPictureFor("&Options"), "");      // no dots
    EXPECT_EQ(MenuPictureFor("\t&Options..."), ""); // caption is empty
    EXPECT_EQ(MenuPictureFor(""), "");
}

// ---- The size rule -------------------------------------------------------

TEST(MenuItemMeasure, PopupItemIsCaptionPlusSixPlusThePictureColumn) {
    const QFontMetrics fm(ui::GetMenuFont(96));
    EXPECT_EQ(MeasureMenuItem("S&how Hints by Request", true, fm).width(),
              fm.horizontalAdvance("S&how Hints by Request") + 6 + 30);
    EXPECT_EQ(MeasureMenuItem("&About Quorvane...", true, fm).width(),
              fm.horizontalAdvance("&About Quorvane...") + 36);
}

TEST(MenuItemMeasure, AcceleratorIsMeasuredAfterOneBlankInPlaceOfTheTab) {
    const QFontMetrics fm(ui::GetMenuFont(96));
    const QSize options = MeasureMenuItem("&Options...\tCtrl+O", true, fm);
    EXPECT_EQ(options.width(), fm.horizontalAdvance("&Options... Ctrl+O") + 36);
    EXPECT_NE(options.width(), fm.horizontalAdvance("&Options...Ctrl+O") + 36);
}

TEST(MenuItemMeasure, MenuBarItemHasNoPictureColumn) {
    const QFontMetrics fm(ui::GetMenuFont(96));
    EXPECT_EQ(MeasureMenuItem("&Game", false, fm),
              QSize(fm.horizontalAdvance("&Game") + 6, fm.height() + 6));
}

TEST(MenuItemMeasure, HeightIsTheTallerOfPictureAndTextPlusSix) {
    QFont tiny = ui::GetMenuFont(96);
    tiny.setPixelSize(6);
    const QFontMetrics small(tiny);
    ASSERT_LT(small.height(), 15);
    EXPECT_EQ(MeasureMenuItem("&New Game\tF2", true, small).height(), 16 + 6);
    EXPECT_EQ(MeasureMenuItem("Show &Hints by Request", true, small).height(), 15 + 6);
    EXPECT_EQ(MeasureMenuItem("S&how Hints by Request", true, small).height(), small.height() + 6);

    QFont huge = tiny;
    huge.setPixelSize(40);
    const QFontMetrics large(huge);
    ASSERT_GT(large.height(), 16);
    EXPECT_EQ(MeasureMenuItem("&New Game\tF2", true, large).height(), large.height() + 6);
}

TEST(MenuItemMeasure, SeparatorIsMeasuredAsAnEmptyCaption) {
    const QFontMetrics fm(ui::GetMenuFont(96));
    EXPECT_EQ(MeasureMenuItem("", true, fm), QSize(36, fm.height() + 6));
    EXPECT_EQ(MeasureMenuItem("", false, fm), QSize(6, fm.height() + 6));
}

TEST(MenuItemMeasure, HalvesRoundToEven) {
    EXPECT_EQ(ui::RoundHalfEven(7.5), 8);
    EXPECT_EQ(ui::RoundHalfEven(6.5), 6);
    EXPECT_EQ(ui::RoundHalfEven(6.4), 6);
    EXPECT_EQ(ui::RoundHalfEven(-0.5), 0);
}

// ---- The menu font --------------------------------------------------------

class MenuFontTest : public ::testing::Test {
protected:
    void SetUp() override { saved = QApplication::font("QMenu"); }
    void TearDown() override { QApplication::setFont(saved, "QMenu"); }
    QFont saved;
};

TEST_F(MenuFontTest, CharacterHeightEnlargedByAThirdBecomesTheCellHeight) {
    QFont nine = saved;
    nine.setPointSizeF(9);
    QApplication::setFont(nine, "QMenu");
    // 9 points are 12 pixels at 96 dots an inch; 12 x 96 / 72 = 16.
    QFont font = ui::GetMenuFont(96);
    EXPECT_LE(QFontMetrics(font).height(), 16);
    font.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(font).height(), 16);
    EXPECT_EQ(ui::GetMenuFont(96).family(), nine.family());

    // 9 points at 144 dots are 18 pixels; enlarged by a third, 24: the font
    // grows with the resolution, not with its square (18 x 144 / 72 = 36).
    QFont larger = ui::GetMenuFont(144);
    EXPECT_LE(QFontMetrics(larger).height(), 24);
    larger.setPixelSize(larger.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(larger).height(), 24);
}

TEST_F(MenuFontTest, AFontGivenInPixelsAndAnOddDpiStillGiveAUsableFont) {
    QFont pixels = saved;
    pixels.setPixelSize(15); // 15 x 96 / 72 = 20
    QApplication::setFont(pixels, "QMenu");
    QFont font = ui::GetMenuFont(96);
    EXPECT_LE(QFontMetrics(font).height(), 20);
    font.setPixelSize(font.pixelSize() + 1);
    EXPECT_GT(QFontMetrics(font).height(), 20);
    EXPECT_GE(ui::GetMenuFont(0).pixelSize(), 1);
    EXPECT_GE(ui::GetMenuFont(-5).pixelSize(), 1);
}

// ---- Painting -----------------------------------------------------------

class MenuPainting : public ::testing::Test {
protected:
    void SetUp() override {
        newGame = menu.addAction("&New Game");
        newGame->setShortcut(QKeySequence("F2"));
        hints = menu.addAction("S&how Hints by Request");
        separator = menu.addSeparator();
        undo = menu.addAction("&Undo");
        undo->setShortcut(QKeySequence("Ctrl+Z"));
        undo->setEnabled(false);
        options = menu.addAction("&Options...");
        options->setShortcut(QKeySequence("Ctrl+O"));
        menu.setStyle(&style);
        menu.popup(QPoint(20, 20));
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    }

    QImage Shot(QAction* active) {
        menu.setActiveAction(active);
        QApplication::processEvents();
        return menu.grab().toImage();
    }

    ui::MenuStyle style{"pattern"};
    QMenu menu;
    QAction* newGame = nullptr;
    QAction* hints = nullptr;
    QAction* separator = nullptr;
    QAction* undo = nullptr;
    QAction* options = nullptr;
};

TEST_F(MenuPainting, SelectedItemGetsTheDarkBarFromThePictureColumnAndWhiteText) {
    const QImage image = Shot(newGame);
    const QRect r = menu.actionGeometry(newGame);
    const int mid = r.top() + r.height() / 2;
    // Right of the picture column the row is dark, the caption white.
    const QRect bar(r.left() + 30, r.top(), r.width() - 30, r.height());
    const int dark = CountPixels(image, bar, [](QColor c) { return c == Dark; });
    EXPECT_GT(dark, bar.width() * bar.height() * 3 / 4);
    EXPECT_GT(CountPixels(image, bar, [](QColor c) { return c == White; }), 10);
    EXPECT_EQ(CountPixels(image, bar, [](QColor c) { return c.red() < 50; }), 0); // no black
    // A raised edge frames the picture column: light on the left, shadow on
    // the right.
    EXPECT_EQ(At(image, r.left(), mid), White);
    EXPECT_EQ(At(image, r.left() + 29, mid), Grey);
    EXPECT_EQ(At(image, r.left() + 2, r.top()), White);
    EXPECT_EQ(At(image, r.left() + 2, r.bottom()), Grey);
}

TEST_F(MenuPainting, SelectedItemWithoutPictureIsDarkAcrossItsWholeWidth) {
    const QImage image = Shot(hints);
    const QRect r = menu.actionGeometry(hints);
    for (int x = r.left(); x < r.left() + 36; ++x) {
        for (int y = r.top(); y <= r.bottom(); ++y) {
            ASSERT_EQ(At(image, x, y), Dark) << x << "," << y;
        }
    }
}

TEST_F(MenuPainting, UnselectedItemsStandOnThePatternLaidFromTheMenusOrigin) {
    const QImage image = Shot(newGame);
    for (QAction* item : {hints, separator, options}) {
        const QRect r = menu.actionGeometry(item);
        // The blank strip at the item's left edge shows the tile as laid
        // from the menu's own top-left corner, whatever item it falls in.
        for (int y = r.top(); y <= r.bottom(); ++y) {
            for (int x = r.left(); x < r.left() + 3; ++x) {
                ASSERT_EQ(At(image, x, y), PatternAt(x, y)) << x << "," << y;
            }
        }
    }
    // Between the items and the frame, the margin shows the tile as well.
    const QRect first = menu.actionGeometry(newGame);
    EXPECT_EQ(At(image, first.left() - 1, first.top() + 5),
              PatternAt(first.left() - 1, first.top() + 5));
}

TEST_F(MenuPainting, CaptionsOfUnselectedItemsAreBlack) {
    const QImage image = Shot(newGame);
    const QRect r = menu.actionGeometry(hints);
    const QRect caption(r.left() + 36, r.top(), 40, r.height());
    EXPECT_GT(CountPixels(image, caption, [](QColor c) { return c == QColor(0, 0, 0); }), 5);
    EXPECT_EQ(CountPixels(image, caption, [](QColor c) { return c == Dark; }), 0);
}

TEST_F(MenuPainting, SeparatorIsAnEtchedLineAcrossTheMiddleFiveInFromEachSide) {
    const QImage image = Shot(newGame);
    const QRect r = menu.actionGeometry(separator);
    const int y = r.top() + ui::RoundHalfEven((r.height() - 2) / 2.0);
    const int left = r.left() + 5;
    const int right = r.left() + r.width() - 6;
    EXPECT_EQ(At(image, left, y), Grey);
    EXPECT_EQ(At(image, left, y + 1), White);
    EXPECT_EQ(At(image, right, y), Grey);
    EXPECT_EQ(At(image, right, y + 1), White);
    EXPECT_EQ(At(image, left - 1, y), PatternAt(left - 1, y));
    EXPECT_EQ(At(image, right + 1, y), PatternAt(right + 1, y));
    EXPECT_EQ(At(image, left + 10, y - 1), PatternAt(left + 10, y - 1));
    EXPECT_EQ(At(image, left + 10, y + 2), PatternAt(left + 10, y + 2));
}

TEST_F(MenuPainting, AcceleratorEndsTenPixelsFromTheRightEdge) {
    const QImage image = Shot(newGame);
    const QRect r = menu.actionGeometry(options);
    int rightmost = -1;
    for (int x = r.left(); x <= r.right(); ++x) {
        if (CountPixels(image, QRect(x, r.top(), 1, r.height()), Inked) > 0) {
            rightmost = x;
        }
    }
    const int edge = r.left() + r.width() - 10;
    EXPECT_LT(rightmost, edge);
    EXPECT_GE(rightmost, edge - 3);
}

TEST_F(MenuPainting, DisabledItemsShowTheirPictureGreyedAndTheirCaptionEtched) {
    const QImage image = Shot(newGame);
    const QRect r = menu.actionGeometry(undo);
    const QRect column(r.left(), r.top(), 30, r.height());
    auto greyOrPattern = [&](int x, int y) {
        const QColor c = At(image, x, y);
        return c == Grey || c == White || c == PatternAt(x, y);
    };
    int greyed = 0;
    for (int y = column.top(); y <= column.bottom(); ++y) {
        for (int x = column.left(); x <= column.right(); ++x) {
            ASSERT_TRUE(greyOrPattern(x, y)) << x << "," << y;
            greyed += At(image, x, y) == Grey ? 1 : 0;
        }
    }
    EXPECT_GT(greyed, 5);
    const QRect caption(r.left() + 36, r.top(), r.width() - 36, r.height());
    EXPECT_GT(CountPixels(image, caption, [](QColor c) { return c == Grey; }), 5);
    EXPECT_EQ(CountPixels(image, caption, [](QColor c) { return c == QColor(0, 0, 0); }), 0);
}

TEST(MenuStyleBackground, WithoutThePatternPictureTheBackgroundIsPlainMenuBg) {
    ui::MenuStyle style("no such picture");
    QMenu menu;
    QAction* item = menu.addAction("S&how Hints by Request");
    menu.setStyle(&style);
    menu.popup(QPoint(20, 20));
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&menu));
    const QImage image = menu.grab().toImage();
    const QRect r = menu.actionGeometry(item);
    EXPECT_EQ(At(image, r.left() + 2, r.top() + 2), MenuBg);
    EXPECT_EQ(At(image, r.right() - 2, r.bottom() - 2), MenuBg);
}

TEST(MenuStyleBackground, TileAndPicturesAreDrawnAtTheDevicePixelRatio) {
    ui::MenuStyle style("pattern");
    QImage image(QSize(400, 60), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(2.0);
    image.fill(Qt::black);
    QStyleOptionMenuItem item;
    item.rect = QRect(0, 0, 200, 30);
    item.state = QStyle::State_Enabled;
    item.menuItemType = QStyleOptionMenuItem::Normal;
    item.text = "&New Game\tF2";
    {
        QPainter painter(&image);
        style.drawControl(QStyle::CE_MenuItem, &item, &painter, nullptr);
    }
    // Device pixels of the background are those of the 2x tile, not of the
    // 1x tile blown up.
    const QImage tile = ui::Artwork::Picture("pattern", 2.0).toImage();
    for (int y = 0; y < 60; y += 7) {
        for (int x = 0; x < 50; ++x) {
            if (x >= 10 && x < 52 && y >= 14 && y < 46) {
                continue; // the picture
            }
            ASSERT_EQ(image.pixelColor(x, y), tile.pixelColor(x % tile.width(), y % tile.height()))
                << x << "," << y;
        }
    }
    // The 16 x 16 picture sits centred in the column, (7, 7), drawn from its
    // 32 x 32 device pixels.
    QImage expected(QSize(32, 32), QImage::Format_ARGB32_Premultiplied);
    expected.fill(Qt::transparent);
    {
        QPainter painter(&expected);
        QImage under = tile.copy(14, 14, 32, 32);
        under.setDevicePixelRatio(1.0);
        painter.drawImage(0, 0, under);
        painter.drawPixmap(0, 0, [] {
            QPixmap p = ui::Artwork::Picture("new", 2.0);
            p.setDevicePixelRatio(1.0);
            return p;
        }());
    }
    QImage drawn = image.copy(14, 14, 32, 32);
    drawn.setDevicePixelRatio(1.0);
    EXPECT_EQ(drawn, expected.convertToFormat(image.format()));
}

// ---- The menu bar -------------------------------------------------------

class MenuBarPainting : public ::testing::Test {
protected:
    QImage Paint(QStyle::State state) {
        QImage image(QSize(60, 22), QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::black);
        QStyleOptionMenuItem item;
        item.rect = QRect(0, 0, 60, 22);
        item.state = state;
        item.menuItemType = QStyleOptionMenuItem::Normal;
        item.text = "&Game";
        QPainter painter(&image);
        style.drawControl(QStyle::CE_MenuBarItem, &item, &painter, nullptr);
        return image;
    }
    ui::MenuStyle style{"pattern"};
    const QRect inside{2, 2, 56, 18};
};

TEST_F(MenuBarPainting, ItemWhoseMenuIsOpenIsDarkWithAWhiteOutlineAndWhiteText) {
    const QImage image =
        Paint(QStyle::State_Enabled | QStyle::State_Selected | QStyle::State_Sunken);
    for (QPoint corner : {QPoint(0, 0), QPoint(59, 0), QPoint(0, 21), QPoint(59, 21)}) {
        EXPECT_EQ(At(image, corner.x(), corner.y()), White);
    }
    EXPECT_EQ(At(image, 1, 1), Dark);
    EXPECT_GT(CountPixels(image, inside, [](QColor c) { return c == White; }), 10);
    EXPECT_EQ(CountPixels(image, inside, [](QColor c) { return c.red() < 50; }), 0); // no black
}

TEST_F(MenuBarPainting, HotItemHasARaisedEdgeOnThePattern) {
    const QImage image = Paint(QStyle::State_Enabled | QStyle::State_Selected);
    EXPECT_EQ(At(image, 0, 0), White);
    EXPECT_EQ(At(image, 0, 20), White);
    EXPECT_EQ(At(image, 59, 21), Grey);
    EXPECT_EQ(At(image, 59, 0), Grey);
    EXPECT_EQ(At(image, 1, 1), PatternAt(1, 1));
    EXPECT_GT(CountPixels(image, inside, [](QColor c) { return c == QColor(0, 0, 0); }), 5);
}

TEST_F(MenuBarPainting, PlainItemHasABlackCaptionCentredOnThePattern) {
    const QImage image = Paint(QStyle::State_Enabled);
    EXPECT_EQ(At(image, 0, 0), PatternAt(0, 0));
    EXPECT_EQ(At(image, 59, 21), PatternAt(59, 21));
    int left = 60;
    int right = -1;
    for (int x = 0; x < 60; ++x) {
        if (CountPixels(image, QRect(x, 0, 1, 22), Inked) > 0) {
            left = std::min(left, x);
            right = x;
        }
    }
    ASSERT_GE(right, left);
    EXPECT_LE(std::abs(left - (59 - right)), 3); // as much room on either side
}

TEST_F(MenuBarPainting, DisabledCaptionIsEtchedGrey) {
    const QImage image = Paint(QStyle::State_None);
    EXPECT_GT(CountPixels(image, inside, [](QColor c) { return c == Grey; }), 5);
    EXPECT_GT(CountPixels(image, inside, [](QColor c) { return c == White; }), 5);
    EXPECT_EQ(CountPixels(image, inside, [](QColor c) { return c == QColor(0, 0, 0); }), 0);
}

namespace {

// Counts the standard icons asked of it.
class CountingStyle : public QProxyStyle {
public:
    CountingStyle() : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))) {}
    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        ++asked;
        return QProxyStyle::standardIcon(which, option, widget);
    }
    mutable int asked = 0;
};

} // namespace

TEST(OverflowButtons, TheirChevronIsDrawnBoldInTheTextColourWithoutAPicture) {
    auto* base = new CountingStyle;
    ui::OverflowIconStyle style(base);
    const QColor text = QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText);
    std::vector<QImage> drawn;
    for (const auto which :
         {QStyle::SP_ToolBarHorizontalExtensionButton, QStyle::SP_ToolBarVerticalExtensionButton}) {
        base->asked = 0;
        const QIcon icon = style.standardIcon(which);
        EXPECT_FALSE(icon.isNull());
        // The size the overflow buttons ask for.
        drawn.push_back(icon.pixmap(QSize(12, 16)).toImage());
        EXPECT_EQ(base->asked, 0) << "the style's own picture is never read";
        const int solid = CountPixels(drawn.back(), drawn.back().rect(), [&](QColor c) {
            return c.alpha() == 255 && c.rgb() == text.rgb();
        });
        EXPECT_GE(solid, 20) << "bold strokes in the text colour";
    }
    EXPECT_NE(drawn[0], drawn[1]) << "one points across, the other down";
    // Every other icon is the style's own at once.
    base->asked = 0;
    EXPECT_FALSE(style.standardIcon(QStyle::SP_MessageBoxWarning).isNull());
    EXPECT_EQ(base->asked, 1);
}
