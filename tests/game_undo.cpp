// Undo and redo edge cases: what a take-back leaves in the totals, the
// announce column's special cases, the offer of the two commands, the
// Next Player button and the upper bonus over repeated undo and redo.
#include "BoardPicture.h"
#include "TurnTable.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

using namespace game;
using testing_support::TakePicture;
using testing_support::TurnTable;

namespace {

void Fill(TurnTable& t, int column, std::initializer_list<std::pair<int, const char*>> cells) {
    for (const auto& [row, text] : cells) {
        t.board.Cells(column)[row].Caption = text;
    }
}

} // namespace

TEST(UndoTotals, DownSixesThatWonTheBonus) {
    TurnTable t;
    t.MidGame();
    Fill(t, colDown, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}});
    t.board.lblDownTot1.Caption = t.board.lblDownTot.Caption = "45";
    t.board.lblUpTot.Caption = "20";
    t.board.lblGrandTotal.Caption = "65";
    t.board.DownRow = 5;
    t.Roll({6, 6, 6, 1, 2});
    t.game.cmdDown_Click(5);
    ASSERT_EQ(t.board.lblDownTot.Caption, "98");
    ASSERT_EQ(t.board.lblGrandTotal.Caption, "118");

    t.game.mnuUndoUndo_Click();
    EXPECT_TRUE(t.board.lblDown[5].Caption.empty());
    EXPECT_EQ(t.board.lblDownTot1.Caption, "45");
    EXPECT_EQ(t.board.lblDownTot.Caption, "45");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "65");
    EXPECT_FALSE(t.board.UpperBonusGiven[colDown]);
    EXPECT_EQ(t.board.DownRow, 5);
    EXPECT_TRUE(t.board.cmdDown[5].Visible && t.board.cmdDown[5].Enabled);

    t.game.mnuUndoRedo_Click();
    EXPECT_EQ(t.board.lblDown[5].Caption, "18");
    EXPECT_EQ(t.board.lblDownTot1.Caption, "98");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "118");
    EXPECT_TRUE(t.board.UpperBonusGiven[colDown]);
}

TEST(UndoTotals, UpOnesThatCompletedTheMiddleTotal) {
    TurnTable t;
    t.MidGame();
    Fill(t, colUp, {{1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}, {5, "18"}, {6, "28"}, {7, "9"}});
    Fill(t, colUp, {{8, "0"}, {9, "0"}, {10, "0"}, {11, "0"}, {12, "0"}});
    t.board.lblUpTot1.Caption = t.board.lblUpTot.Caption = t.board.lblGrandTotal.Caption = "60";
    t.board.UpRow = 0;
    t.Roll({1, 1, 1, 2, 3});
    t.game.cmdUp_Click(0);
    ASSERT_EQ(t.board.lblUpTot2.Caption, "57");
    ASSERT_EQ(t.board.lblUpTot.Caption, "155"); // 60 + 3 + 57 + 35

    t.game.mnuUndoUndo_Click();
    EXPECT_TRUE(t.board.lblUpTot2.Caption.empty());
    EXPECT_EQ(t.board.lblUpTot1.Caption, "60");
    EXPECT_EQ(t.board.lblUpTot.Caption, "60");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "60");
    EXPECT_EQ(t.board.UpRow, 0);
    EXPECT_FALSE(t.board.UpperBonusGiven[colUp]);
}

TEST(UndoTotals, OnlyPointsOfAColumnLeaveEmptyLabels) {
    TurnTable t;
    t.Roll({5, 5, 1, 2, 3});
    t.game.cmdRand_Click(rowFives);
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.board.lblRandTot1.Caption, "");
    EXPECT_EQ(t.board.lblRandTot.Caption, "");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "");
}

TEST(UndoTotals, ZeroWriteOnlyEmptiesTotalsThatReadZero) {
    TurnTable t;
    t.MidGame();
    Fill(t, colRand, {{rowOnes, "0"}});
    t.board.lblRandTot1.Caption = t.board.lblRandTot.Caption = "0";
    t.board.lblDownTot.Caption = "12";
    t.board.lblGrandTotal.Caption = "12";
    t.board.RandUpperCount = 1;
    t.Roll({1, 3, 4, 5, 6});
    t.game.cmdRand_Click(rowTwos);
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.board.lblRandTot1.Caption, "");
    EXPECT_EQ(t.board.lblRandTot.Caption, "");
    EXPECT_EQ(t.board.lblDownTot.Caption, "12");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "12");
    EXPECT_EQ(t.board.RandUpperCount, 1);
}

TEST(UndoTotals, NegativeColumnTotalSurvivesUndoAndRewrite) {
    // Max 10 below Min 20 makes the middle total and the column total
    // negative; taking Twos back must not lose that.
    TurnTable t;
    t.Roll({1, 2, 2, 2, 3});
    t.game.cmdRand_Click(rowMax);
    t.Roll({4, 4, 4, 4, 4});
    t.game.cmdRand_Click(rowMin);
    t.Roll({1, 3, 4, 5, 6});
    t.game.cmdRand_Click(rowOnes);
    ASSERT_EQ(t.board.lblRandTot2.Caption, "-10");
    ASSERT_EQ(t.board.lblRandTot.Caption, "-9");
    t.Roll({2, 3, 4, 5, 6});
    t.game.cmdRand_Click(rowTwos);
    ASSERT_EQ(t.board.lblRandTot.Caption, "-7");

    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.board.lblRandTot.Caption, "-9");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "-9");
    EXPECT_EQ(t.board.lblRandTot1.Caption, "1");
    t.game.cmdRand_Click(rowTwos);
    EXPECT_EQ(t.board.lblRandTot.Caption, "-7");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "-7");
}

TEST(UndoTotals, TotalThatComesBackToZeroIsEmptied) {
    // Max 10, Min 20 and Ones 1 leave the column at -9; Threes 9 bring it
    // to 0, then Twos to 2. Taking Twos back leaves exactly 0: emptied.
    TurnTable t;
    t.MidGame();
    Fill(t, colRand, {{rowOnes, "1"}, {rowMax, "10"}, {rowMin, "20"}, {rowThrees, "9"}});
    t.board.lblRandTot1.Caption = "10";
    t.board.lblRandTot2.Caption = "-10";
    t.board.lblRandTot.Caption = t.board.lblGrandTotal.Caption = "0";
    t.board.RandUpperCount = 2;
    t.Roll({2, 1, 3, 4, 6});
    t.game.cmdRand_Click(rowTwos);
    ASSERT_EQ(t.board.lblRandTot.Caption, "2");
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.board.lblRandTot.Caption, "");
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "");
    EXPECT_EQ(t.board.lblRandTot1.Caption, "10");
    EXPECT_EQ(t.board.lblRandTot2.Caption, "-10");
}

// ---- Announce column ---------------------------------------------------

TEST(UndoAnnounce, AnnouncementIsTakenBackOnItsOwn) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 5});
    const auto before = TakePicture(t);
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.mnuUndoUndo_Click();
    EXPECT_TRUE(t.board.lblOblg[rowFullHouse].Caption.empty());
    EXPECT_EQ(t.board.Round, 0);
    EXPECT_EQ(t.board.RollCount, 1);
    EXPECT_FALSE(t.board.Announced);
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 13u);
    EXPECT_EQ(t.Offered(t.board.cmdDown), std::vector<int>{0});
    EXPECT_EQ(t.Offered(t.board.cmdUp), std::vector<int>{12});
    EXPECT_EQ(t.Offered(t.board.cmdRand).size(), 13u);
    EXPECT_EQ(TakePicture(t).at("grand"), before.at("grand"));

    t.host.ClearRecords();
    t.game.mnuUndoRedo_Click();
    EXPECT_TRUE(t.board.Announced);
    EXPECT_TRUE(t.board.lblOblg[rowFullHouse].Caption.empty());
    EXPECT_EQ(t.Offered(t.board.cmdOblg), std::vector<int>{rowFullHouse});
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"redo"});
    EXPECT_TRUE(t.UndoOffered());
}

TEST(UndoAnnounce, WriteAfterOneRollGoesBackWithItsAnnouncement) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 5});
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.cmdOblg_Click(rowFullHouse);
    ASSERT_EQ(t.board.Round, 1);
    t.game.mnuUndoUndo_Click();
    EXPECT_TRUE(t.board.lblOblg[rowFullHouse].Caption.empty());
    EXPECT_TRUE(t.board.lblOblgTot.Caption.empty());
    EXPECT_EQ(t.board.Round, 0);
    EXPECT_TRUE(t.board.RedoOblgTwice);
    EXPECT_FALSE(t.board.Announced);
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 13u);

    t.host.ClearRecords();
    t.game.mnuUndoRedo_Click();
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "39");
    EXPECT_EQ(t.board.Round, 1);
    EXPECT_FALSE(t.board.Announced);
    EXPECT_FALSE(t.board.RedoOblgTwice);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"redo"});
}

TEST(UndoAnnounce, WriteAfterTwoRollsKeepsTheRowBound) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 1});
    t.game.cmdOblg_Click(rowFullHouse);
    t.Hold({0, 1, 2, 3});
    t.Roll({5});
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.Offered(t.board.cmdOblg), std::vector<int>{rowFullHouse});
    EXPECT_TRUE(t.Offered(t.board.cmdDown).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdUp).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdRand).empty());
    EXPECT_TRUE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.RollCount, 2);

    // Redo writes with one click: the write clears the second click.
    t.host.ClearRecords();
    t.game.mnuUndoRedo_Click();
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "39");
    EXPECT_EQ(t.board.Round, 1);
    EXPECT_FALSE(t.board.Announced);
    EXPECT_FALSE(t.board.RedoOblgTwice);
    EXPECT_TRUE(t.board.OblgAfterTwoRolls);

    // Undone again, the third roll writes the row by itself.
    t.game.mnuUndoUndo_Click();
    t.Roll({2});
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "36");
    EXPECT_EQ(t.board.LastRollCount, 3);
    EXPECT_FALSE(t.UndoOrRedoEnabled());
}

TEST(UndoAnnounce, ClickOnTheBoundRowWritesWithoutANewAnnouncement) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 1});
    t.game.cmdOblg_Click(rowFullHouse);
    t.Roll({2, 2, 5, 5, 5});
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.mnuUndoUndo_Click();
    t.host.ClearRecords();
    t.game.cmdOblg_Click(rowFullHouse);
    EXPECT_EQ(t.board.lblOblg[rowFullHouse].Caption, "39");
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"score"});
}

TEST(UndoAnnounce, LaterAnnouncementRedoneAnnouncesOnly) {
    TurnTable t;
    t.Roll({2, 2, 5, 5, 5});
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.cmdOblg_Click(rowFullHouse);
    t.game.mnuUndoUndo_Click(); // not redone: another cell is written instead
    t.game.cmdRand_Click(rowFullHouse);
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdOblg_Click(rowStraight);
    t.game.mnuUndoUndo_Click();
    t.game.mnuUndoRedo_Click();
    EXPECT_TRUE(t.board.Announced);
    EXPECT_TRUE(t.board.lblOblg[rowStraight].Caption.empty());
    EXPECT_EQ(t.board.Round, 1);
}

// ---- Rolls, dice and cells on offer after undo ------------------------

TEST(UndoTurn, MoveAfterTheThirdRollStaysLocked) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.Roll({1, 2, 3, 4, 5});
    t.Roll({1, 2, 3, 4, 6});
    t.game.cmdDown_Click(0);
    t.game.mnuUndoUndo_Click();
    EXPECT_FALSE(t.board.picRollDices.Enabled);
    EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score");
    EXPECT_EQ(t.LitLamps(), 3);
    EXPECT_EQ(t.board.RollCount, 3);
    for (int die = 0; die <= 4; ++die) {
        EXPECT_TRUE(t.prog.DieFree[die]);
        EXPECT_TRUE(t.board.picDice[die].Visible);
        EXPECT_FALSE(t.board.picDice[die].Enabled);
    }
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
}

TEST(UndoTurn, MoveAfterOneRollReopensTheAnnounceWindow) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.Hold({2});
    t.game.cmdUp_Click(12);
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.Offered(t.board.cmdOblg).size(), 13u);
    EXPECT_EQ(t.Offered(t.board.cmdUp), std::vector<int>{12});
    EXPECT_FALSE(t.prog.DieFree[2]);
    EXPECT_TRUE(t.board.PicDiceOff[2].Visible && t.board.PicDiceOff[2].Enabled);
    EXPECT_FALSE(t.board.picDice[2].Visible);
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{1, 2, 3, 4, 5, 0}));
    EXPECT_EQ(t.board.StatusBar1.Panels[2].Text, "Place your score or roll the dice");
    EXPECT_TRUE(t.board.HintAvailable);
    // The player can roll on from here: the held die keeps its face.
    t.Roll({6, 6, 6, 6});
    EXPECT_EQ(t.board.Dice, (std::array<int, 6>{6, 6, 3, 6, 6, 0}));
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
}

// Every die was held when the move was made: the holds come back, and so
// does the roll button's off look, or the next roll would count and throw
// nothing. A write after one roll (which reopens the announce window), after
// two rolls, an announcement and a bound Oblg row written after two rolls.
TEST(UndoTurn, MoveWithEveryDieHeldLeavesTheRollOff) {
    // Each case starts after the turn's first roll and ends with a move
    // made while every die is held.
    const std::pair<const char*, std::function<void(TurnTable&)>> moves[] = {
        {"Rand after one roll",
         [](TurnTable& t) {
             t.Hold({0, 1, 2, 3, 4});
             t.game.cmdRand_Click(rowFives);
         }},
        {"Down after two rolls",
         [](TurnTable& t) {
             t.Roll({5, 5, 5, 5, 5});
             t.Hold({0, 1, 2, 3, 4});
             t.game.cmdDown_Click(0);
         }},
        {"announcement",
         [](TurnTable& t) {
             t.Hold({0, 1, 2, 3, 4});
             t.game.cmdOblg_Click(rowFives);
         }},
        {"bound Oblg row after two rolls",
         [](TurnTable& t) {
             t.game.cmdOblg_Click(rowFives);
             t.Roll({5, 5, 5, 5, 5});
             t.Hold({0, 1, 2, 3, 4});
             t.game.cmdOblg_Click(rowFives);
         }},
    };
    for (const auto& [name, move] : moves) {
        SCOPED_TRACE(name);
        TurnTable t;
        t.Roll({5, 5, 5, 5, 5});
        move(t);
        t.game.mnuUndoUndo_Click();
        for (int die = 0; die <= 4; ++die) {
            EXPECT_FALSE(t.prog.DieFree[die]);
        }
        EXPECT_FALSE(t.board.picRollDices.Enabled);
        EXPECT_EQ(t.board.picRollDices.Picture, t.board.picRollOff.Picture);
        // Taking one die back allows the roll again.
        t.game.PicDiceOff_Click(2);
        EXPECT_TRUE(t.board.picRollDices.Enabled);
    }
}

TEST(UndoTurn, OneColumnGameOffersOnlyRandAgain) {
    TurnTable t(4, 1);
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdRand_Click(rowStraight);
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.Offered(t.board.cmdRand).size(), 13u);
    EXPECT_TRUE(t.Offered(t.board.cmdOblg).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdDown).empty());
    EXPECT_TRUE(t.Offered(t.board.cmdUp).empty());
}

TEST(UndoTurn, RoundZeroStaysZero) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdRand_Click(rowStraight);
    t.board.Round = 0;
    t.game.mnuUndoUndo_Click();
    EXPECT_EQ(t.board.Round, 0);
}

// ---- Two players -------------------------------------------------------

TEST(UndoTwoPlayers, EmptyGrandTotalShowsZeroAndPlayerOneComesFirst) {
    for (bool second : {false, true}) {
        TurnTable t(4, 4, 2);
        t.board.OtherPlayerTotal = 77;
        if (second) {
            t.board.Caption = "Quorvane - Player 2";
        }
        t.Roll({1, 2, 3, 4, 5});
        t.game.cmdRand_Click(rowStraight);
        ASSERT_TRUE(t.board.cmdNextPlayer.Visible);
        t.game.mnuUndoUndo_Click();
        EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
        EXPECT_EQ(t.board.lblGrandTotal.Caption, "0");
        EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, second ? "77 : 0" : "0 : 77");

        t.game.mnuUndoRedo_Click();
        EXPECT_TRUE(t.board.cmdNextPlayer.Visible);
        EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, second ? "77 : 50" : "50 : 77");
    }
}

TEST(UndoTwoPlayers, RedoOfAnAnnouncementOffersNoTurnChange) {
    TurnTable t(4, 4, 2);
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdOblg_Click(rowStraight);
    t.game.mnuUndoUndo_Click();
    t.game.mnuUndoRedo_Click();
    EXPECT_TRUE(t.board.Announced);
    EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
}

// ---- The two commands --------------------------------------------------

TEST(UndoOffer, MoveUndoRedoAndRollSwitchTheCommands) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(t.UndoOrRedoEnabled());
    t.game.cmdRand_Click(rowStraight);
    EXPECT_TRUE(t.UndoOffered());
    EXPECT_FALSE(t.RedoOffered());
    t.game.mnuUndoUndo_Click();
    EXPECT_FALSE(t.board.Toolbar2.Buttons[3].Enabled || t.board.mnuUndoUndo.Enabled);
    EXPECT_TRUE(t.RedoOffered());
    t.game.mnuUndoRedo_Click();
    EXPECT_TRUE(t.UndoOffered());
    EXPECT_FALSE(t.board.Toolbar2.Buttons[4].Enabled || t.board.mnuUndoRedo.Enabled);
    t.game.mnuUndoUndo_Click();
    t.Roll({1, 2, 3, 4, 5});
    EXPECT_FALSE(t.UndoOrRedoEnabled());
}

TEST(UndoOffer, UndoSoundOnlyWhileSoundsAreOn) {
    TurnTable t;
    t.Roll({1, 2, 3, 4, 5});
    t.game.cmdRand_Click(rowStraight);
    t.prog.SoundOn = false;
    t.host.ClearRecords();
    t.game.mnuUndoUndo_Click();
    t.game.mnuUndoRedo_Click();
    EXPECT_TRUE(t.host.sounds.empty());
}

// ---- The upper bonus of Rand and Oblg over repeated undo ---------------

TEST(UndoBonus, AlwaysTakenBackWithTheMoveThatWonIt) {
    for (int column : {colRand, colOblg}) {
        SCOPED_TRACE(column);
        TurnTable t;
        t.MidGame();
        Fill(t, column, {{0, "3"}, {1, "6"}, {2, "9"}, {3, "12"}, {4, "15"}});
        t.board.UpperTotal(column).Caption = t.board.ColumnTotal(column).Caption = "45";
        t.board.lblGrandTotal.Caption = "45";
        (column == colRand ? t.board.RandUpperCount : t.board.OblgUpperCount) = 5;
        auto counter = [&] {
            return column == colRand ? t.board.RandUpperCount : t.board.OblgUpperCount;
        };
        auto write = [&] {
            if (column == colRand) {
                t.game.cmdRand_Click(rowSixes);
            } else {
                t.game.cmdOblg_Click(rowSixes);
            }
        };
        auto announce = [&] {
            if (column == colOblg) {
                t.game.cmdOblg_Click(rowSixes);
            }
        };
        t.Roll({6, 6, 6, 1, 2});
        announce();
        write();
        ASSERT_EQ(t.board.UpperTotal(column).Caption, "98");
        for (int time = 0; time < 3; ++time) {
            t.game.mnuUndoUndo_Click();
            EXPECT_EQ(t.board.UpperTotal(column).Caption, "45");
            EXPECT_EQ(t.board.ColumnTotal(column).Caption, "45");
            EXPECT_EQ(t.board.lblGrandTotal.Caption, "45");
            EXPECT_FALSE(t.board.UpperBonusGiven[column]);
            EXPECT_EQ(counter(), 5);
            t.game.mnuUndoRedo_Click();
            EXPECT_EQ(t.board.UpperTotal(column).Caption, "98");
            EXPECT_EQ(t.board.ColumnTotal(column).Caption, "98");
            EXPECT_TRUE(t.board.UpperBonusGiven[column]);
            EXPECT_EQ(counter(), 6);
        }
        // Taken back once more, the row is written again with fewer sixes:
        // below 63 no bonus is left over.
        t.game.mnuUndoUndo_Click();
        announce();
        t.Hold({0});
        t.Roll({1, 1, 2, 3});
        write();
        EXPECT_EQ(t.board.Cells(column)[rowSixes].Caption, "6");
        EXPECT_EQ(t.board.UpperTotal(column).Caption, "51");
        EXPECT_EQ(t.board.ColumnTotal(column).Caption, "51");
        EXPECT_FALSE(t.board.UpperBonusGiven[column]);
        EXPECT_EQ(counter(), 6);
    }
}
