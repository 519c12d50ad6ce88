// MenuStyle on the board window: which widgets wear it, how the real menus
// and the menu bar are laid out by the size rule, and the toolbar's tiled
// background.
#include "board/Artwork.h"
#include "board/MenuStyle.h"
#include "board/frmQuorvane.h"
#include "game/Program.h"

#include <QAction>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <gtest/gtest.h>

using ui::MeasureMenuItem;

namespace {

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y).toRgb();
}

QColor PatternAt(int x, int y) {
    static const QImage tile = ui::Artwork::Picture("pattern", 1.0).toImage();
    return tile.pixelColor(x % tile.width(), y % tile.height()).toRgb();
}

class BoardMenus : public ::testing::Test {
protected:
    void SetUp() override {
        program.Settings = game::GameSettings::FirstRunDefaults();
        board = std::make_unique<ui::frmQuorvane>(program, ui::BoardServices{});
    }
    QMenu* MenuTitled(const QString& title) {
        for (QAction* action : board->menuBar()->actions()) {
            if (action->text() == title) {
                return action->menu();
            }
        }
        return nullptr;
    }
    // The widest measure among the visible items of `menu`, as QMenu shows
    // them: caption, then a tab and the shortcut.
    static int WidestItem(QMenu* menu) {
        const QFontMetrics fm(menu->font());
        int widest = 0;
        for (QAction* action : menu->actions()) {
            if (!action->isVisible()) {
                continue;
            }
            QString text = action->isSeparator() ? QString() : action->text();
            if (!action->shortcut().isEmpty()) {
                text += "\t" + action->shortcut().toString(QKeySequence::NativeText);
            }
            widest = std::max(widest, MeasureMenuItem(text, true, fm).width());
        }
        return widest;
    }
    game::Program program;
    std::unique_ptr<ui::frmQuorvane> board;
};

TEST_F(BoardMenus, MenuBarItsPopupsAndTheToolbarWearTheMenuStyle) {
    ui::MenuStyle* style = board->MenuLook();
    ASSERT_NE(style, nullptr);
    EXPECT_EQ(style->PatternKey(), QString::fromStdString(board->Model().Image1.Picture));
    EXPECT_EQ(board->menuBar()->style(), style);
    int menus = 0;
    for (QAction* action : board->menuBar()->actions()) {
        ASSERT_NE(action->menu(), nullptr);
        EXPECT_EQ(action->menu()->style(), style) << action->text().toStdString();
        EXPECT_EQ(action->menu()->font(), ui::GetMenuFont(action->menu()->logicalDpiY()));
        ++menus;
    }
    EXPECT_EQ(menus, 3);
    EXPECT_EQ(board->Toolbar()->style(), style);
    EXPECT_NE(board->View()->style(), style);
    EXPECT_NE(board->statusBar()->style(), style);
}

TEST_F(BoardMenus, PopupItemsAreAsWideAsTheWidestMeasureWithTheMenusRoom) {
    for (const char* title : {"&Game", "&Tools", "&Help"}) {
        QMenu* menu = MenuTitled(title);
        ASSERT_NE(menu, nullptr);
        const int expected = WidestItem(menu) + ui::MenuItemRoom();
        const QFontMetrics fm(menu->font());
        for (QAction* action : menu->actions()) {
            if (!action->isVisible()) {
                continue;
            }
            const QRect r = menu->actionGeometry(action);
            EXPECT_EQ(r.width(), expected) << title << " " << action->text().toStdString();
            QString text = action->isSeparator() ? QString() : action->text();
            EXPECT_EQ(r.height(), MeasureMenuItem(text, true, fm).height())
                << action->text().toStdString();
        }
    }
}

TEST_F(BoardMenus, SwitchingThePairsKeepsEveryVisibleItemMeasured) {
    QMenu* tools = MenuTitled("&Tools");
    ASSERT_NE(tools, nullptr);
    board->ActionFor(program.SoundOn ? "mnuSoundsOff2" : "mnuSoundsOn2")->trigger();
    board->ActionFor(board->Model().HintsAlwaysOn ? "mnuHintsByRequest2" : "mnuHintsAllways2")
        ->trigger();
    const int expected = WidestItem(tools) + ui::MenuItemRoom();
    int visible = 0;
    for (QAction* action : tools->actions()) {
        if (action->isVisible()) {
            ++visible;
            EXPECT_EQ(tools->actionGeometry(action).width(), expected);
        } else {
            EXPECT_TRUE(tools->actionGeometry(action).isEmpty());
        }
    }
    EXPECT_EQ(visible, 10); // undo, redo, two of each pair, options, three separators
}

TEST_F(BoardMenus, MenuBarItemsAreMeasuredWithoutThePictureColumn) {
    QMenuBar* bar = board->menuBar();
    const QFontMetrics fm(bar->font());
    int x = 0;
    for (QAction* action : bar->actions()) {
        const QRect r = bar->actionGeometry(action);
        const QSize measured = MeasureMenuItem(action->text(), false, fm);
        EXPECT_EQ(r.width(), measured.width() + ui::MenuItemRoom()) << action->text().toStdString();
        EXPECT_EQ(r.height(), measured.height());
        EXPECT_EQ(r.left(), x); // items side by side from the bar's left edge
        x = r.right() + 1;
    }
}

TEST_F(BoardMenus, ToolbarBackgroundIsTiledWithThePatternFromItsOrigin) {
    board->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board.get()));
    QToolBar* toolbar = board->Toolbar();
    const QImage image = toolbar->grab().toImage();
    ASSERT_GT(image.width(), 100);
    // The right end of the toolbar holds no button.
    for (int y = 0; y < image.height(); ++y) {
        for (int x = image.width() - 40; x < image.width(); ++x) {
            ASSERT_EQ(At(image, x, y), PatternAt(x, y)) << x << "," << y;
        }
    }
}

TEST_F(BoardMenus, BoardViewKeepsItsOwnBackground) {
    board->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(board.get()));
    const QImage image = board->View()->grab().toImage();
    int pattern = 0;
    for (int x = 0; x < image.width(); x += 3) {
        pattern += At(image, x, 1) == PatternAt(x, 1) ? 1 : 0;
    }
    EXPECT_LT(pattern, image.width() / 3 / 2);
}

} // namespace
