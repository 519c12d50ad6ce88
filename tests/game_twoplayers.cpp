// Two players at one board: the exchange of the shown and the saved sheet,
// and the final totals and the board viewer after the game.
#include "TempFolder.h"
#include "TurnTable.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;
using testing_support::TempFolder;
using testing_support::TurnTable;

namespace {

const char* const ShowPlayer1 = "    Show      Player 1's  Board";
const char* const ShowPlayer2 = "    Show      Player 2's  Board";

// Player 1's sheet part-way through a four-column game.
void FillFirstSheet(Table& t) {
    Board& b = t.board;
    b.lblDown[0].Caption = "3";
    b.lblDown[1].Caption = "0";
    b.lblDown[2].Caption = "9";
    b.lblUp[12].Caption = "0";
    b.lblRand[6].Caption = "28";
    b.lblOblg[8].Caption = "26";
    b.lblDownTot1.Caption = "12";
    b.lblDownTot.Caption = "12";
    b.lblUpTot.Caption = "0";
    b.lblRandTot2.Caption = "-12";
    b.lblOblgTot.Caption = "26";
    b.lblGrandTotal.Caption = "38";
    b.Round = 7;
    b.DownRow = 3;
    b.UpRow = 11;
    b.RandUpperCount = 2;
    b.OblgUpperCount = 1;
    b.UpperBonusGiven[colRand] = true;
}

bool SheetIsEmpty(const Board& b) {
    for (int column = colDown; column <= colOblg; ++column) {
        for (const Control& cell : b.Cells(column)) {
            if (!cell.Caption.empty()) {
                return false;
            }
        }
        if (!b.UpperTotal(column).Caption.empty() || !b.MiddleTotal(column).Caption.empty() ||
            !b.ColumnTotal(column).Caption.empty()) {
            return false;
        }
    }
    return b.lblGrandTotal.Caption.empty();
}

void ExpectFirstSheet(const Board& b) {
    EXPECT_EQ(b.lblDown[0].Caption, "3");
    EXPECT_EQ(b.lblDown[1].Caption, "0");
    EXPECT_EQ(b.lblDown[2].Caption, "9");
    EXPECT_EQ(b.lblDown[3].Caption, "");
    EXPECT_EQ(b.lblUp[12].Caption, "0");
    EXPECT_EQ(b.lblRand[6].Caption, "28");
    EXPECT_EQ(b.lblOblg[8].Caption, "26");
    EXPECT_EQ(b.lblDownTot1.Caption, "12");
    EXPECT_EQ(b.lblDownTot2.Caption, "");
    EXPECT_EQ(b.lblUpTot.Caption, "0");
    EXPECT_EQ(b.lblRandTot2.Caption, "-12");
    EXPECT_EQ(b.lblOblgTot.Caption, "26");
    EXPECT_EQ(b.lblGrandTotal.Caption, "38");
    EXPECT_EQ(b.Round, 7);
    EXPECT_EQ(b.DownRow, 3);
    EXPECT_EQ(b.UpRow, 11);
    EXPECT_EQ(b.RandUpperCount, 2);
    EXPECT_EQ(b.OblgUpperCount, 1);
    EXPECT_TRUE(b.UpperBonusGiven[colRand]);
    EXPECT_FALSE(b.UpperBonusGiven[colDown]);
}

} // namespace

TEST(SheetSwap, FirstTurnChangeGivesSecondPlayerAnEmptySheet) {
    Table t(4, 4, 2);
    FillFirstSheet(t);
    t.game.SwapPlayerSheets();
    const Board& b = t.board;
    EXPECT_TRUE(b.SavedSheetReady);
    EXPECT_TRUE(SheetIsEmpty(b));
    EXPECT_EQ(b.Round, 0);
    EXPECT_EQ(b.DownRow, 0);
    EXPECT_EQ(b.UpRow, 12);
    EXPECT_EQ(b.RandUpperCount, 0);
    EXPECT_EQ(b.OblgUpperCount, 0);
    for (int column = colDown; column <= colOblg; ++column) {
        EXPECT_FALSE(b.UpperBonusGiven[column]);
    }
    EXPECT_EQ(b.OtherPlayerTotal, 38);
}

TEST(SheetSwap, SecondExchangeBringsFirstSheetBackWithItsZeros) {
    Table t(4, 4, 2);
    FillFirstSheet(t);
    t.game.SwapPlayerSheets();
    t.board.lblUp[12].Caption = "0"; // player 2 writes a zero
    t.board.lblUpTot.Caption = "0";
    t.board.lblGrandTotal.Caption = "0";
    t.board.Round = 1;
    t.board.UpRow = 11;

    t.game.SwapPlayerSheets();
    ExpectFirstSheet(t.board);
    EXPECT_EQ(t.board.OtherPlayerTotal, 0);

    t.game.SwapPlayerSheets();
    EXPECT_EQ(t.board.lblUp[12].Caption, "0");
    EXPECT_EQ(t.board.lblUpTot.Caption, "0");
    EXPECT_EQ(t.board.lblDown[1].Caption, "") << "player 1's zero stays on player 1's sheet";
    EXPECT_EQ(t.board.Round, 1);
    EXPECT_EQ(t.board.UpRow, 11);
    EXPECT_EQ(t.board.OtherPlayerTotal, 38);
}

TEST(SheetSwap, GrandTotalOfExactly2000Survives) {
    Table t(5, 4, 2);
    t.board.lblGrandTotal.Caption = "2000";
    t.game.SwapPlayerSheets();
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "");
    EXPECT_EQ(t.board.OtherPlayerTotal, 2000);
    t.game.SwapPlayerSheets();
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "2000");
    EXPECT_EQ(t.board.OtherPlayerTotal, 3000) << "the other sheet's grand total was empty";
}

TEST(SheetSwap, OneColumnGameSwapsOnlyItsOwnFields) {
    Table t(4, 1, 2);
    Board& b = t.board;
    b.lblRand[0].Caption = "0";
    b.lblRand[12].Caption = "50";
    b.lblRandTot1.Caption = "0";
    b.lblRandTot.Caption = "50";
    b.lblGrandTotal.Caption = "50";
    b.Round = 2;
    b.RandUpperCount = 1;
    b.DownRow = 4; // not part of a one-column player's sheet
    b.OblgUpperCount = 3;

    t.game.SwapPlayerSheet1Column();
    EXPECT_EQ(b.lblRand[0].Caption, "");
    EXPECT_EQ(b.lblRand[12].Caption, "");
    EXPECT_EQ(b.lblRandTot.Caption, "");
    EXPECT_EQ(b.lblGrandTotal.Caption, "");
    EXPECT_EQ(b.Round, 0);
    EXPECT_EQ(b.RandUpperCount, 0);
    EXPECT_EQ(b.DownRow, 4);
    EXPECT_EQ(b.OblgUpperCount, 3);
    EXPECT_EQ(b.OtherPlayerTotal, 50);

    t.game.SwapPlayerSheet1Column();
    EXPECT_EQ(b.lblRand[0].Caption, "0");
    EXPECT_EQ(b.lblRand[12].Caption, "50");
    EXPECT_EQ(b.lblRandTot1.Caption, "0");
    EXPECT_EQ(b.lblRandTot.Caption, "50");
    EXPECT_EQ(b.lblGrandTotal.Caption, "50");
    EXPECT_EQ(b.Round, 2);
    EXPECT_EQ(b.RandUpperCount, 1);
}

TEST(SheetSwap, NewGameStartsTheSavedSheetAfresh) {
    Table t(4, 4, 2);
    FillFirstSheet(t);
    t.game.SwapPlayerSheets(); // player 1's sheet is now saved
    t.board.SavedSheetReady = false;
    t.game.SwapPlayerSheets();
    EXPECT_TRUE(SheetIsEmpty(t.board)) << "an old game's saved sheet never comes back";
}

// ---- The board viewer ---------------------------------------------------------

namespace {

// A finished two-player game: player 2's sheet shown, player 1's saved.
void FinishedTwoPlayerGame(Table& t) {
    t.prog.Settings.Player1 = FixedText10("Ann");
    t.prog.Settings.Player2 = FixedText10("Bob");
    FillFirstSheet(t);
    t.game.SwapPlayerSheets();
    t.board.lblDown[0].Caption = "5";
    t.board.lblGrandTotal.Caption = "97";
    t.prog.Player1Total = 38;
    t.prog.Player2Total = 97;
    t.board.Caption = "Quorvane - Player 2";
    t.board.StatusBar1.Panels[1].Text = t.prog.Settings.Player2;
    t.board.cmdShowNextBoard.Caption = ShowPlayer1;
}

} // namespace

TEST(BoardViewer, FirstClickShowsPlayerOnesSheet) {
    Table t(4, 4, 2);
    FinishedTwoPlayerGame(t);
    t.board.lblUp[4].Visible = false;
    t.game.cmdShowNextBoard_Click();
    EXPECT_EQ(t.board.cmdShowNextBoard.Caption, ShowPlayer2);
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 1");
    EXPECT_EQ(t.board.StatusBar1.Panels[1].Text, "Ann       ");
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "97");
    ExpectFirstSheet(t.board);
    EXPECT_TRUE(t.board.lblUp[4].Visible);
}

TEST(BoardViewer, SecondClickShowsPlayerTwosSheetAgain) {
    Table t(4, 4, 2);
    FinishedTwoPlayerGame(t);
    t.game.cmdShowNextBoard_Click();
    t.game.cmdShowNextBoard_Click();
    EXPECT_EQ(t.board.cmdShowNextBoard.Caption, ShowPlayer1);
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 2");
    EXPECT_EQ(t.board.StatusBar1.Panels[1].Text, "Bob       ");
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "38");
    EXPECT_EQ(t.board.lblDown[0].Caption, "5");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "97");
}

TEST(BoardViewer, OneColumnGameExchangesTheRandColumn) {
    Table t(4, 1, 2);
    t.board.lblRand[3].Caption = "12";
    t.board.lblGrandTotal.Caption = "12";
    t.game.SwapPlayerSheet1Column();
    t.board.lblRand[3].Caption = "9";
    t.board.lblGrandTotal.Caption = "9";
    t.board.lblRand[7].Visible = false;
    t.board.lblDown[7].Caption = "stale"; // not part of the one-column sheet
    t.prog.Player2Total = 9;

    t.game.cmdShowNextBoard_Click();
    EXPECT_EQ(t.board.lblRand[3].Caption, "12");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "12");
    EXPECT_TRUE(t.board.lblRand[7].Visible);
    EXPECT_EQ(t.board.lblDown[7].Caption, "stale");
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "9");
}

// A one-column game played to its end through the handlers, each player's last
// box written on the third roll, so no question is asked. The second player's
// last box ends the game inside its handler; the status bar must still show
// the final totals, player 1's first, and the viewer then the other sheet's.
TEST(BoardViewer, GameEndedOnTheThirdRollShowsBothFinalTotals) {
    TurnTable t(4, 1, 2);
    TempFolder folder;
    t.prog.AppPath = folder.appPath();
    t.prog.ScoresPath = folder.appPath();
    for (int row = 0; row < RowCount; ++row) {
        const int rolls = row == rowFiveOfAKind ? 3 : 1;
        for (int roll = 0; roll < rolls; ++roll) {
            t.Roll({1, 2, 3, 4, 5}); // player 1 ends with 15 + 50 for the straight
        }
        t.game.cmdRand_Click(static_cast<std::int16_t>(row));
        for (int roll = 0; roll < rolls; ++roll) {
            t.Roll({6, 6, 6, 6, 6}); // player 2: 30 + 40 + 60, then 100 in the last box
        }
        t.game.cmdRand_Click(static_cast<std::int16_t>(row));
    }
    ASSERT_TRUE(t.board.GameIsOver);
    EXPECT_EQ(t.host.finishQuestions, 0);
    EXPECT_EQ(t.prog.Player1Total, 65);
    EXPECT_EQ(t.prog.Player2Total, 230);
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "65 : 230");
    EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
    EXPECT_FALSE(t.UndoOrRedoEnabled());

    t.game.cmdShowNextBoard_Click();
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "230");
    t.game.cmdShowNextBoard_Click();
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "65");
}
