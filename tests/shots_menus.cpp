// Pictures of the board window's menus for a look by eye: the menu bar with
// the toolbar, and each popup menu open under its title with one item
// selected, laid over the board. Writes PNGs into QUORVANE_SHOTS_DIR
// ("shots" when unset); run under a display or offscreen.
#include "board/frmQuorvane.h"
#include "game/Program.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <gtest/gtest.h>

namespace {

QString ShotsFolder() {
    return qEnvironmentVariable("QUORVANE_SHOTS_DIR", QStringLiteral("shots"));
}

TEST(MenuShots, MenuBarAndEachOpenMenu) {
    QDir().mkpath(ShotsFolder());
    game::Program program;
    program.Settings = game::GameSettings::FirstRunDefaults();
    ui::frmQuorvane board(program, ui::BoardServices{});
    board.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&board));
    EXPECT_TRUE(board.grab().save(QDir(ShotsFolder()).filePath("menu_bar.png")));

    // Each menu with its second enabled item selected, drawn where it opens.
    for (QAction* title : board.menuBar()->actions()) {
        QMenu* menu = title->menu();
        ASSERT_NE(menu, nullptr);
        board.menuBar()->setActiveAction(title); // opens the menu under its title
        ASSERT_TRUE(QTest::qWaitForWindowExposed(menu));
        int enabled = 0;
        for (QAction* item : menu->actions()) {
            if (item->isVisible() && item->isEnabled() && !item->isSeparator() && ++enabled == 2) {
                menu->setActiveAction(item);
            }
        }
        QTest::qWait(50);
        QPixmap picture = board.grab();
        {
            QPainter painter(&picture);
            painter.drawPixmap(board.mapFromGlobal(menu->pos()), menu->grab());
        }
        const QString name = title->text().remove(QLatin1Char('&')).toLower();
        EXPECT_TRUE(picture.save(QDir(ShotsFolder()).filePath("menu_" + name + ".png")));
        menu->close();
    }
}

} // namespace
