// Writing a score through the column handlers: bonuses, totals, sounds,
// the undo offer, the announce column and the end-of-game outcome table.
#include "TurnTable.h"
#include "game/TurnSteps.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::TurnTable;

namespace {

void Fill(RowLabels& cells, std::initializer_list<std::pair<int, const char*>> values) {
    for (const auto& [row, text] : values) {
        cells[row].Caption = text;
    }
}

} // namespace

TEST(DownColumn, BonusAtExactly63OnSixes) {
    TurnTable t;
    Fill(t.board.lblDown, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}});
    t.board.lblDownTot1.Caption = "45";
    t.board.lblDownTot.Caption = "45";
    t.board.lblUpTot.Caption = "10";
    t.board.DownRow = 5;
    t.board.Round = 6;
    t.Roll({6, 6, 6, 1, 2});
    t.game.cmdDown_Click(5);
    EXPECT_EQ(t.board.lblDown[5].Caption, "18");
    EXPECT_EQ(t.board.lblDownTot1.Caption, "98");
    EXPECT_EQ(t.board.lblDownTot.Caption, "98");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "108");
    EXPECT_TRUE(t.board.UpperBonusGiven[colDown]);
    EXPECT_EQ(t.board.DownRow, 6);
}

TEST(DownColumn, NoBonusAt62NorLater) {
    TurnTable t;
    Fill(t.board.lblDown, {{0, "2"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}});
    t.board.lblDownTot1.Caption = "44";
    t.board.lblDownTot.Caption = "44";
    t.board.DownRow = 5;
    t.Roll({6, 6, 6, 1, 2});
    t.game.cmdDown_Click(5);
    EXPECT_EQ(t.board.lblDownTot1.Caption, "62");
    EXPECT_EQ(t.board.lblDownTot.Caption, "62");
    EXPECT_FALSE(t.board.UpperBonusGiven[colDown]);
    // The next Down row is Max: nothing adds the bonus afterwards.
    t.Roll({6, 6, 6, 6, 6});
    EXPECT_EQ(t.Offered(t.board.cmdDown), std::vector<int>{6});
    t.game.cmdDown_Click(6);
    EXPECT_EQ(t.board.lblDownTot1.Caption, "62");
    EXPECT_FALSE(t.board.UpperBonusGiven[colDown]);
}

TEST(UpColumn, BonusTestedOnOnesAt63Not62) {
    for (int ones : {2, 3}) {
        TurnTable t;
        Fill(t.board.lblUp, {{1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}, {5, "18"}});
        Fill(t.board.lblUp, {{6, "28"}, {7, "9"}});
        for (int row = 8; row < RowCount; ++row) {
            t.board.lblUp[row].Caption = "0";
        }
        t.board.lblUpTot1.Caption = "60";
        t.board.lblUpTot.Caption = "60";
        t.board.UpRow = 0;
        if (ones == 3) {
            t.Roll({1, 1, 1, 4, 5});
        } else {
            t.Roll({1, 1, 6, 4, 5});
        }
        t.game.cmdUp_Click(0);
        const int middle = (28 - 9) * ones;
        const int bonus = ones == 3 ? 35 : 0;
        EXPECT_EQ(t.board.lblUpTot2.Caption, std::to_string(middle));
        EXPECT_EQ(t.board.lblUpTot1.Caption, std::to_string(60 + ones + bonus));
        EXPECT_EQ(t.board.lblUpTot.Caption, std::to_string(60 + ones + middle + bonus));
        EXPECT_EQ(t.board.UpperBonusGiven[colUp], ones == 3);
        EXPECT_EQ(t.board.UpRow, -1);
    }
}

TEST(UpColumn, SixesAboveThresholdGiveNoBonus) {
    // Up is filled bottom to top: only Ones ends its upper section.
    TurnTable t;
    t.board.lblUpTot1.Caption = "70"; // as if earlier rows had been written
    t.board.UpRow = 5;
    t.Roll({6, 6, 6, 6, 6});
    t.game.cmdUp_Click(5);
    EXPECT_EQ(t.board.lblUpTot1.Caption, "100");
    EXPECT_FALSE(t.board.UpperBonusGiven[colUp]);
}

TEST(CommitSequence, FirstMoveOfZeroWritesZeroEverywhere) {
    TurnTable t;
    t.Roll({2, 3, 4, 5, 6});
    t.host.ClearRecords();
    t.game.cmdDown_Click(0);
    EXPECT_EQ(t.board.lblDown[0].Caption, "0");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "0");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"scoreZero"});
    EXPECT_EQ(t.board.Round, 1);
    EXPECT_EQ(t.board.DownRow, 1);
}

TEST(CommitSequence, EndsTheTurnAndOffersUndo) {
    TurnTable t;
    t.Roll({5, 1, 5, 2, 5});
    t.Hold({0, 2, 4});
    t.Roll({5, 3});
    t.Roll({4, 5});
    t.board.lblTip[3].Caption = "4";
    t.board.HoverActive = true;
    t.board.lblOption[rowFives].BackColor = ColourToolTipBack;
    t.board.lblOption[rowFives].ForeColor = ColourBlack;
    t.host.ClearRecords();
    t.game.cmdRand_Click(rowFives);

    EXPECT_EQ(t.board.lblRand[rowFives].Caption, "20");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"score"});
    EXPECT_EQ(t.board.LastRollCount, 3);
    EXPECT_EQ(t.board.RollCount, 0);
    // The dice snapshot keeps picture order although the scorer sorted the dice.
    EXPECT_EQ(t.board.DiceSnapshot, (std::array<int, 6>{5, 4, 5, 5, 5, 0}));
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{4, 5, 5, 5, 5, 0}));
    EXPECT_TRUE(t.UndoOffered());
    EXPECT_FALSE(t.board.Toolbar2.Buttons[4].Enabled);
    EXPECT_FALSE(t.board.mnuUndoRedo.Enabled);
    EXPECT_EQ(t.board.TipSnapshot[3], "4");
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_TRUE(t.board.lblTip[row].Caption.empty());
        EXPECT_FALSE(t.board.cmdDown[row].Visible || t.board.cmdUp[row].Visible ||
                     t.board.cmdRand[row].Visible || t.board.cmdOblg[row].Visible)
            << "row " << row;
    }
    for (int die = 0; die <= 4; ++die) {
        EXPECT_TRUE(t.prog.DieFree[die]);
        EXPECT_TRUE(t.board.picDice[die].Visible);
        EXPECT_FALSE(t.board.picDice[die].Enabled);
        EXPECT_FALSE(t.board.PicDiceOff[die].Visible);
    }
    EXPECT_EQ(t.LitLamps(), 0);
    EXPECT_TRUE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollDice.Picture);
    EXPECT_FALSE(t.board.HintAvailable);
    EXPECT_FALSE(t.board.HoverActive);
    EXPECT_EQ(t.board.lblOption[rowFives].BackColor, ColourBlack);
    EXPECT_EQ(t.board.lblOption[rowFives].ForeColor, ColourWhite);
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Roll the dice or undo last move");
    EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
}

TEST(CommitSequence, HoldFlagsAtTheClickAreKeptForUndo) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.Hold({1, 3});
    t.game.cmdRand_Click(rowStraight);
    EXPECT_EQ(t.board.DieFreeSnapshot, (std::array<bool, 6>{true, false, true, false, true}));
}

TEST(CommitSequence, ReplayedMovePlaysNoScoreSoundAndClearsTheFlag) {
    TurnTable t;
    t.Roll({6, 6, 6, 6, 6});
    t.prog.RedoInProgress = true;
    t.host.ClearRecords();
    t.game.cmdUp_Click(12);
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_FALSE(t.prog.RedoInProgress);
    EXPECT_EQ(t.board.lblUp[12].Caption, "100");
}

TEST(CommitSequence, LastMoveOfFourColumnsWaitsForItsSound) {
    TurnTable t;
    for (int row = 0; row < RowCount; ++row) {
        t.board.lblDown[row].Caption = t.board.lblUp[row].Caption = "1";
        t.board.lblOblg[row].Caption = "1";
        t.board.lblRand[row].Caption = row == rowFullHouse ? "" : "1";
    }
    t.board.DownRow = 13;
    t.board.UpRow = -1;
    t.board.Round = 51;
    t.host.defaultFinishAnswer = false; // the real end of game would otherwise finish
    t.Roll({2, 2, 3, 3, 3});
    t.host.ClearRecords();
    t.game.cmdRand_Click(rowFullHouse);
    ASSERT_FALSE(t.host.sounds.empty());
    EXPECT_EQ(t.host.sounds.front(), "sync:score");
}

TEST(CommitSequence, ThirteenthMoveOfOneColumnWaitsForItsSound) {
    TurnTable t(4, 1);
    for (int row = 0; row < RowCount; ++row) {
        t.board.lblRand[row].Caption = row == rowMax || row == rowMin ? "" : "3";
    }
    t.host.defaultFinishAnswer = false;
    t.board.Round = 11;
    t.Roll({1, 1, 1, 1, 2});
    t.host.ClearRecords();
    t.game.cmdRand_Click(rowMax); // the twelfth move is still asynchronous
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"score"});
    t.Roll({1, 1, 1, 1, 1});
    t.host.ClearRecords();
    t.game.cmdRand_Click(rowMin);
    ASSERT_FALSE(t.host.sounds.empty());
    EXPECT_EQ(t.host.sounds.front(), "sync:score");
}

TEST(CommitSequence, OneColumnButtonGetsItsNormalPictureBack) {
    TurnTable t(4, 1);
    t.Roll({1, 2, 3, 4, 5});
    t.board.cmdRand[rowStraight].Picture = t.board.img1Column[rowStraight].Picture;
    t.game.cmdRand_Click(rowStraight);
    EXPECT_EQ(t.board.cmdRand[rowStraight].Picture, t.board.img1ColumnP[rowStraight].Picture);
}

TEST(CommitSequence, TwoPlayersOfferNextPlayerAndShowPlayerOneFirst) {
    for (bool second : {false, true}) {
        TurnTable t(4, 4, 2);
        t.board.OtherPlayerTotal = 143;
        t.board.lblDownTot.Caption = "90";
        if (second) {
            t.board.Caption = "Quorvane - Player 2";
            t.board.SecondPlayerTurn = {false, true, true, true, true};
        }
        t.Roll({3, 3, 3, 3, 1});
        t.game.cmdDown_Click(0);
        EXPECT_TRUE(t.board.cmdNextPlayer.Visible);
        EXPECT_EQ(t.board.lblGrandTotal.Caption, "91");
        EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, second ? "143 : 91" : "91 : 143");
        // The prompt after a write is the one-player game's.
        EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score or roll the dice");
    }
}

// ---- Announce column ---------------------------------------------------

TEST(AnnounceColumn, AnnouncingLeavesOnlyThatCell) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 5});
    const auto dice = t.board.Dice;
    t.host.ClearRecords();
    t.game.cmdOblg_Click(rowFullHouse);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"announce"});
    EXPECT_TRUE(t.board.Announced);
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_EQ(t.board.LastRollCount, 1);
    EXPECT_EQ(t.board.Round, 0);
    EXPECT_EQ(t.board.Dice, dice);
    EXPECT_EQ(t.board.DiceSnapshot, dice);
    EXPECT_TRUE(t.UndoOffered());
    EXPECT_EQ(t.Offered(t.board.cmdOblg), std::vector<int>{rowFullHouse});
    EXPECT_TRUE(t.Offered(t.board.cmdRand).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdDown).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdUp).empty());
    EXPECT_EQ(t.LitLamps(), 1);
    EXPECT_TRUE(t.board.picDice[0].Enabled);
}

TEST(AnnounceColumn, WriteAfterOneRoll) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 5});
    t.game.cmdOblg_Click(rowFullHouse);
    t.host.ClearRecords();
    t.game.cmdOblg_Click(rowFullHouse);
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "39");
    EXPECT_EQ(t.board.lblOblgTot.Caption, "39");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "39");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"score"});
    EXPECT_TRUE(t.UndoOffered());
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Roll the dice or undo last move");
    EXPECT_FALSE(t.board.OblgAfterTwoRolls);
    EXPECT_FALSE(t.board.Announced);
    EXPECT_TRUE(t.board.OblgWritten);
    EXPECT_EQ(t.board.LastRollCount, 1);
    EXPECT_EQ(t.board.Round, 1);
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
}

TEST(AnnounceColumn, WriteAfterTwoRollsBindsTheRow) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 1});
    t.game.cmdOblg_Click(rowFullHouse);
    t.Hold({0, 1, 2, 3});
    t.Roll({5});
    EXPECT_EQ(t.Offered(t.board.cmdOblg), std::vector<int>{rowFullHouse});
    t.game.cmdOblg_Click(rowFullHouse);
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "39");
    EXPECT_TRUE(t.board.OblgAfterTwoRolls);
    EXPECT_EQ(t.board.LastRollCount, 2);
    EXPECT_TRUE(t.UndoOffered());
    // The next turn's first roll lets the row go.
    t.Roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(t.board.OblgAfterTwoRolls);
    EXPECT_FALSE(t.board.OblgWritten);
}

TEST(AnnounceColumn, ThirdRollWritesTheRowByItself) {
    for (int players : {1, 2}) {
        TurnTable t(4, 4, players);
        t.Roll({6, 6, 1, 2, 3});
        t.game.cmdOblg_Click(rowSixes);
        t.Hold({0, 1});
        t.Roll({6, 2, 3});
        t.board.lblTip[0].Caption = "9"; // would be taken for undo by the write
        t.host.ClearRecords();
        t.board.HintsAlwaysOn = true;
        t.Roll({6, 6, 4});
        EXPECT_EQ(t.host.pauses.back(), 200);
        EXPECT_EQ(t.board.lblOblg[rowSixes].Caption, "24");
        EXPECT_EQ(t.board.LastRollCount, 3);
        EXPECT_FALSE(t.UndoOrRedoEnabled());
        EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Roll the dice");
        EXPECT_EQ(t.host.sounds, (std::vector<std::string>{"rollSome", "score"}));
        // No hints for the roll that wrote the row.
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_TRUE(t.board.lblTip[row].Caption.empty());
        }
        EXPECT_TRUE(t.board.picRollDices.Enabled);
        EXPECT_EQ(t.board.cmdNextPlayer.Visible, players == 2);
    }
}

TEST(AnnounceColumn, FiveOfAKindWriteCountsInTheColumnTotal) {
    TurnTable t;
    t.Roll({4, 4, 4, 4, 4});
    t.game.cmdOblg_Click(rowFiveOfAKind);
    t.game.cmdOblg_Click(rowFiveOfAKind);
    EXPECT_EQ(t.board.lblOblg[rowFiveOfAKind].Caption, "100");
    EXPECT_EQ(t.board.lblOblgTot.Caption, "100");
}

TEST(AnnounceColumn, ClickUnlocksARollLockedByTheReminder) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.board.RollAllowed = false;
    t.board.picRollDices.Enabled = false;
    t.board.picRollDices.Picture = t.board.picRollOff.Picture;
    t.game.cmdOblg_Click(rowStraight);
    EXPECT_TRUE(t.board.RollAllowed);
    EXPECT_TRUE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollDice.Picture);
}

// ---- How a handler goes on after the end-of-game check -----------------

TEST(EndOfGameOutcome, OnePlayerByColumn) {
    using turn::FollowEndOfGame;
    for (int column : {colDown, colUp, colRand, colOblg}) {
        EXPECT_FALSE(FollowEndOfGame(column, EndOfGame::NotOver, false, false).endsHandler);
        EXPECT_EQ(FollowEndOfGame(column, EndOfGame::OverAfterThreeRolls, false, false).endsHandler,
                  column != colRand);
        EXPECT_EQ(FollowEndOfGame(column, EndOfGame::Finished, false, false).endsHandler,
                  column == colOblg);
        EXPECT_FALSE(FollowEndOfGame(column, EndOfGame::UndoneLastMove, false, false).endsHandler);
        for (auto outcome : {EndOfGame::NotOver, EndOfGame::OverAfterThreeRolls,
                             EndOfGame::Finished, EndOfGame::UndoneLastMove}) {
            EXPECT_FALSE(FollowEndOfGame(column, outcome, false, false).showsNextPlayer);
        }
    }
}

TEST(EndOfGameOutcome, TwoPlayersSameForEveryColumn) {
    using turn::FollowEndOfGame;
    struct Case {
        EndOfGame outcome;
        bool second;
        bool ends;
        bool shows;
    };
    const Case cases[] = {
        {EndOfGame::NotOver, false, false, true},
        {EndOfGame::NotOver, true, false, true},
        {EndOfGame::OverAfterThreeRolls, true, true, false},
        {EndOfGame::OverAfterThreeRolls, false, false, true},
        {EndOfGame::UndoneLastMove, false, false, false},
        {EndOfGame::UndoneLastMove, true, false, false},
        {EndOfGame::Finished, true, false, false},
        {EndOfGame::Finished, false, false, true},
    };
    for (int column : {colDown, colUp, colRand, colOblg}) {
        for (const auto& c : cases) {
            const auto after = FollowEndOfGame(column, c.outcome, true, c.second);
            EXPECT_EQ(after.endsHandler, c.ends) << column << " " << static_cast<int>(c.outcome);
            EXPECT_EQ(after.showsNextPlayer, c.shows)
                << column << " " << static_cast<int>(c.outcome);
        }
    }
}
