// The row highlight under the mouse and the roll picture's pressed look.
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

bool Highlighted(const Board& b, int row) {
    return b.lblOption[row].BackColor == ColourToolTipBack &&
           b.lblOption[row].ForeColor == ColourBlack;
}

bool Normal(const Board& b, int row) {
    return b.lblOption[row].BackColor == ColourBlack && b.lblOption[row].ForeColor == ColourWhite;
}

using MoveHandler = void (Game::*)(std::int16_t, std::int16_t, std::int16_t, float, float);

struct ColumnHandler {
    int column;
    MoveHandler move;
};

const ColumnHandler AllColumns[] = {{colDown, &Game::cmdDown_MouseMove},
                                    {colUp, &Game::cmdUp_MouseMove},
                                    {colRand, &Game::cmdRand_MouseMove},
                                    {colOblg, &Game::cmdOblg_MouseMove}};

} // namespace

TEST(RowHighlight, EnteringHighlightsTheRowAndTakesTheCapture) {
    for (auto [column, move] : AllColumns) {
        Table t;
        t.game.SetControls();
        (t.game.*move)(4, 0, 0, 100, 100);
        EXPECT_TRUE(t.board.HoverActive);
        EXPECT_TRUE(Highlighted(t.board, 4)) << column;
        EXPECT_EQ(t.board.CaptureColumn, column);
        EXPECT_EQ(t.board.CaptureRow, 4);
        for (int row = 0; row < RowCount; ++row) {
            if (row != 4) {
                EXPECT_TRUE(Normal(t.board, row));
            }
        }
    }
}

TEST(RowHighlight, EdgesCountAsInside) {
    Table t;
    t.game.SetControls();
    const float w = static_cast<float>(t.board.cmdUp[2].Width);
    const float h = static_cast<float>(t.board.cmdUp[2].Height);
    t.game.cmdUp_MouseMove(2, 0, 0, 5, 5);
    for (auto [x, y] : {std::pair{0.0f, 0.0f}, std::pair{w, h}, std::pair{w, 0.0f},
                        std::pair{0.0f, h}, std::pair{w / 2, h / 2}}) {
        t.game.cmdUp_MouseMove(2, 0, 0, x, y);
        EXPECT_TRUE(t.board.HoverActive) << x << "," << y;
        EXPECT_TRUE(Highlighted(t.board, 2));
        EXPECT_EQ(t.board.CaptureColumn, colUp);
    }
}

TEST(RowHighlight, LeavingOnAnySideEndsIt) {
    Table t;
    t.game.SetControls();
    const float w = static_cast<float>(t.board.cmdOblg[7].Width);
    const float h = static_cast<float>(t.board.cmdOblg[7].Height);
    for (auto [x, y] : {std::pair{-1.0f, 5.0f}, std::pair{w + 0.5f, 5.0f}, std::pair{5.0f, -0.5f},
                        std::pair{5.0f, h + 1.0f}}) {
        t.game.cmdOblg_MouseMove(7, 0, 0, 5, 5);
        ASSERT_TRUE(t.board.HoverActive);
        t.game.cmdOblg_MouseMove(7, 0, 0, x, y);
        EXPECT_FALSE(t.board.HoverActive) << x << "," << y;
        EXPECT_TRUE(Normal(t.board, 7));
        EXPECT_EQ(t.board.CaptureColumn, colNone);
    }
}

TEST(RowHighlight, MovingOntoTheNeighbourTakesTwoMoves) {
    Table t;
    t.game.SetControls();
    t.game.cmdDown_MouseMove(3, 0, 0, 300, 200);
    // The first move over the row below still goes to the button holding the
    // capture, measured from its own corner: below its bottom edge.
    const float belowRow3 =
        static_cast<float>(t.board.cmdDown[4].Top - t.board.cmdDown[3].Top + 10);
    t.game.cmdDown_MouseMove(3, 0, 0, 300, belowRow3);
    EXPECT_TRUE(Normal(t.board, 3));
    EXPECT_TRUE(Normal(t.board, 4));
    EXPECT_FALSE(t.board.HoverActive);
    // The next move reaches the neighbour itself.
    t.game.cmdDown_MouseMove(4, 0, 0, 300, 10);
    EXPECT_TRUE(Highlighted(t.board, 4));
    EXPECT_TRUE(Normal(t.board, 3));
    EXPECT_EQ(t.board.CaptureRow, 4);
}

TEST(RowHighlight, OneColumnRandButtonSwapsItsPicture) {
    Table t(4, 1, 1);
    t.game.SetControls();
    const std::string normal = t.board.img1ColumnP[9].Picture;
    const std::string hot = t.board.img1Column[9].Picture;
    ASSERT_NE(normal, hot);
    ASSERT_EQ(t.board.cmdRand[9].Picture, normal);
    t.game.cmdRand_MouseMove(9, 0, 0, 1000, 100);
    EXPECT_EQ(t.board.cmdRand[9].Picture, hot);
    EXPECT_TRUE(Highlighted(t.board, 9));
    t.game.cmdRand_MouseMove(9, 0, 0, 2401, 100); // the wide button is 2400 across
    EXPECT_EQ(t.board.cmdRand[9].Picture, normal);
    EXPECT_TRUE(Normal(t.board, 9));
}

TEST(RowHighlight, FourColumnButtonsKeepTheirPictures) {
    for (auto [column, move] : AllColumns) {
        Table t;
        t.game.SetControls();
        const std::string before = t.board.Buttons(column)[9].Picture;
        (t.game.*move)(9, 0, 0, 10, 10);
        EXPECT_EQ(t.board.Buttons(column)[9].Picture, before);
        (t.game.*move)(9, 0, 0, -10, 10);
        EXPECT_EQ(t.board.Buttons(column)[9].Picture, before);
    }
}

// A modal window takes the pointer: the hovered button ends its highlight
// as when the pointer leaves it, and with nothing hovered nothing changes.
TEST(RowHighlight, AWindowTakingTheMouseEndsItAsLeavingDoes) {
    Table t(4, 1, 1);
    t.game.SetControls();
    t.game.cmdRand_MouseMove(5, 0, 0, 1000, 100);
    ASSERT_TRUE(Highlighted(t.board, 5));
    t.game.EndRowHighlight();
    EXPECT_FALSE(t.board.HoverActive);
    EXPECT_TRUE(Normal(t.board, 5));
    EXPECT_EQ(t.board.cmdRand[5].Picture, t.board.img1ColumnP[5].Picture);
    EXPECT_EQ(t.board.CaptureColumn, colNone);
    t.game.EndRowHighlight();
    EXPECT_FALSE(t.board.HoverActive);
    // The next move over the button lights its row again.
    t.game.cmdRand_MouseMove(5, 0, 0, 1000, 100);
    EXPECT_TRUE(Highlighted(t.board, 5));
}

TEST(RowHighlight, RowOutsideTheSheetIsIgnored) {
    Table t;
    t.game.cmdDown_MouseMove(13, 0, 0, 5, 5);
    t.game.cmdUp_MouseMove(-1, 0, 0, 5, 5);
    EXPECT_FALSE(t.board.HoverActive);
    EXPECT_EQ(t.board.CaptureColumn, colNone);
}

TEST(RollLook, PressShowsThePressedPicture) {
    Table t;
    t.board.picRollDices.Enabled = true;
    t.game.picRollDices_MouseDown(2, 1, 0, 0); // any button
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOn.Picture);
}

TEST(RollLook, DisabledPictureIgnoresThePress) {
    Table t;
    t.board.picRollDices.Enabled = false;
    t.board.picRollDices.Picture = t.board.picRollOff.Picture; // after a third roll
    t.game.picRollDices_MouseDown(1, 0, 615, 645);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
}
