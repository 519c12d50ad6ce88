// The board window while the about box keeps it switched off.
#include "BoardWindow.h"
#include "shell/frmAbout.h"

#include <QTest>
#include <gtest/gtest.h>

namespace {

using testing_support::BoardWindowTest;

class BoardUnderAboutBox : public BoardWindowTest {};

TEST_F(BoardUnderAboutBox, StaysOffThroughClockTicksAndComesBackWhenTheBoxCloses) {
    ui::frmQuorvane& board = Open(4, 4, 1);
    shell::frmAbout* about = shell::frmAbout::Open(program, &board);
    ASSERT_NE(about, nullptr);
    EXPECT_FALSE(board.isEnabled());

    // The clock ticks every second; its handler must not switch the board on.
    const std::string before = Model().lblTimeElapsed.Caption;
    ASSERT_TRUE(QTest::qWaitFor([&] { return Model().lblTimeElapsed.Caption != before; }, 3000));
    EXPECT_FALSE(board.isEnabled());
    EXPECT_FALSE(Model().Enabled);

    about->close();
    EXPECT_TRUE(board.isEnabled());
}

} // namespace
