// Closing the board window while one of the game's handlers is still running.
#include "BoardWindow.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using testing_support::BoardWindowTest;

class BoardClosingInHandler : public BoardWindowTest {};

// A close from the window manager that arrives while a handler waits (here:
// while it starts a sound) must not tear the window down under the handler;
// it comes once the handler has ended.
TEST_F(BoardClosingInHandler, ACloseDuringAHandlerWaitsForItsEnd) {
    ui::frmQuorvane& board = Open(4, 4, 1, [](game::GameSettings& s) {
        s.ConfirmOnExit = false;
        s.hintAllways = false;
    });
    bool visibleAfterClose = false;
    onSound = [&](const std::string& name) {
        if (name == "hint") {
            board.close();
            visibleAfterClose = board.isVisible();
        }
    };
    Choose("mnuHintsAllways2");
    EXPECT_TRUE(visibleAfterClose);
    EXPECT_TRUE(Model().HintsAlwaysOn); // the handler ran to its end
    ASSERT_TRUE(QTest::qWaitFor([&] { return !board.isVisible(); }, 2000));
    EXPECT_EQ(saves, 1);
}

} // namespace
