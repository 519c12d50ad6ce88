#include "FakeHost.h"
#include "game/NumberText.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

// Computes a row's score in calc-only mode, the way the hint engine does.
int Calc(Table& t, int row) {
    t.board.CalcOnly = true;
    const auto saved = t.board.Dice;
    t.game.SortDice();
    t.game.ScoreRow(row);
    t.board.Dice = saved;
    t.board.CalcOnly = false;
    return t.board.RowScore;
}

// Writes the dice on the table into a cell, as a column handler would.
void Write(Table& t, int column, int row, std::initializer_list<int> dice) {
    t.SetDice(dice);
    t.board.CurrentColumn = column;
    t.board.CurrentRow = row;
    t.game.ScoreRow(row);
}

} // namespace

TEST(RowScorers, FiveDiceTwoTwoTwoFiveFive) {
    Table t(4);
    t.SetDice({2, 2, 2, 5, 5});
    EXPECT_EQ(Calc(t, rowThreeOfAKind), 26);
    EXPECT_EQ(Calc(t, rowFullHouse), 36);
    EXPECT_EQ(Calc(t, rowFourOfAKind), 0);
    EXPECT_EQ(Calc(t, rowTwos), 6);
    EXPECT_EQ(Calc(t, rowFives), 10);
}

TEST(RowScorers, SixDiceThreeOfAKindTakesTripleAndTwoHighestOthers) {
    Table t(5);
    t.SetDice({2, 2, 2, 3, 4, 6});
    EXPECT_EQ(Calc(t, rowThreeOfAKind), 26);
    t.SetDice({5, 2, 5, 2, 5, 2});
    EXPECT_EQ(Calc(t, rowThreeOfAKind), 29);
    EXPECT_EQ(Calc(t, rowFullHouse), 39);
}

TEST(RowScorers, SixDiceFourOfAKindTakesHighestOther) {
    Table t(5);
    t.SetDice({3, 3, 3, 3, 1, 5});
    EXPECT_EQ(Calc(t, rowFourOfAKind), 47);
    t.SetDice({1, 6, 6, 6, 6, 2});
    EXPECT_EQ(Calc(t, rowFourOfAKind), 6 * 4 + 2 + 30);
}

TEST(RowScorers, FiveEqualDice) {
    Table t(4);
    t.SetDice({4, 4, 4, 4, 4});
    EXPECT_EQ(Calc(t, rowFullHouse), 0);
    EXPECT_EQ(Calc(t, rowFourOfAKind), 50);
    EXPECT_EQ(Calc(t, rowFiveOfAKind), 100);
    EXPECT_EQ(Calc(t, rowFours), 20);
    EXPECT_EQ(Calc(t, rowThreeOfAKind), 30);
}

TEST(RowScorers, SixEqualDiceCountFiveOnly) {
    Table t(5);
    t.SetDice({4, 4, 4, 4, 4, 4});
    EXPECT_EQ(Calc(t, rowFours), 20);
    EXPECT_EQ(Calc(t, rowMax), 20);
    EXPECT_EQ(Calc(t, rowMin), 20);
    EXPECT_EQ(Calc(t, rowFiveOfAKind), 100);
}

TEST(RowScorers, SixDiceMaxAndMinTakeFiveHighestAndLowest) {
    Table t(5);
    t.SetDice({1, 6, 2, 5, 3, 4});
    EXPECT_EQ(Calc(t, rowMax), 20);
    EXPECT_EQ(Calc(t, rowMin), 15);
    // With six dice the five-of-a-kind may lie in the five highest.
    t.SetDice({1, 3, 3, 3, 3, 3});
    EXPECT_EQ(Calc(t, rowFiveOfAKind), 100);
    t.SetDice({3, 3, 3, 3, 2, 6});
    EXPECT_EQ(Calc(t, rowFiveOfAKind), 0);
}

TEST(RowScorers, Straights) {
    Table five(4);
    five.SetDice({1, 2, 3, 4, 5});
    EXPECT_EQ(Calc(five, rowStraight), 50);
    five.SetDice({6, 5, 4, 3, 2});
    EXPECT_EQ(Calc(five, rowStraight), 60);
    five.SetDice({1, 2, 3, 4, 6});
    EXPECT_EQ(Calc(five, rowStraight), 0);

    Table six(5);
    six.SetDice({1, 2, 3, 4, 5, 6});
    EXPECT_EQ(Calc(six, rowStraight), 60);
    six.SetDice({1, 1, 2, 3, 4, 5});
    EXPECT_EQ(Calc(six, rowStraight), 50);
    six.SetDice({2, 2, 3, 4, 5, 6});
    EXPECT_EQ(Calc(six, rowStraight), 60);
    six.SetDice({1, 3, 4, 5, 6, 6});
    EXPECT_EQ(Calc(six, rowStraight), 0);
    six.SetDice({5, 1, 3, 2, 4, 4});
    EXPECT_EQ(Calc(six, rowStraight), 50);
}

TEST(RowScorers, FullHouseWithSixDiceTakesHigherTripleWithLowerPair) {
    Table t(5);
    t.SetDice({2, 2, 2, 3, 3, 3});
    EXPECT_EQ(Calc(t, rowFullHouse), 2 + 2 + 3 + 3 + 3 + 20);
    t.SetDice({1, 4, 4, 6, 6, 6});
    EXPECT_EQ(Calc(t, rowFullHouse), 4 + 4 + 6 + 6 + 6 + 20);
    t.SetDice({1, 1, 1, 2, 5, 5});
    EXPECT_EQ(Calc(t, rowFullHouse), 1 + 1 + 1 + 5 + 5 + 20);
    t.SetDice({1, 2, 2, 2, 5, 5});
    EXPECT_EQ(Calc(t, rowFullHouse), 2 + 2 + 2 + 5 + 5 + 20);
    t.SetDice({2, 2, 2, 2, 5, 5});
    EXPECT_EQ(Calc(t, rowFullHouse), 2 + 2 + 2 + 5 + 5 + 20);
}

TEST(RowScorers, WriteLeavesDiceSortedExceptAfterStraight) {
    Table t(4);
    Write(t, colRand, rowSixes, {6, 1, 5, 2, 4});
    EXPECT_EQ(t.board.Dice, (std::array<std::int32_t, 6>{1, 2, 4, 5, 6, 0}));
    Write(t, colRand, rowStraight, {6, 1, 5, 2, 4});
    EXPECT_EQ(t.board.Dice, (std::array<std::int32_t, 6>{6, 1, 5, 2, 4, 0}));
}

TEST(RowScorers, StraightRestoresDiceWithSixDiceAfterZeroing) {
    Table t(5);
    Write(t, colRand, rowStraight, {4, 2, 2, 5, 3, 6});
    EXPECT_EQ(t.board.RowScore, 60);
    EXPECT_EQ(t.board.Dice, (std::array<std::int32_t, 6>{4, 2, 2, 5, 3, 6}));
    EXPECT_EQ(t.board.lblRand[rowStraight].Caption, "60");
}

TEST(RowScorers, ZeroIsWrittenAndFillsTheCell) {
    Table t(4);
    Write(t, colDown, rowOnes, {2, 3, 4, 5, 6});
    EXPECT_EQ(t.board.lblDown[rowOnes].Caption, "0");
    EXPECT_EQ(t.board.lblDownTot1.Caption, "0");
    EXPECT_EQ(t.board.lblDownTot.Caption, "0");
}

TEST(RowScorers, CalcOnlyChangesNoTextNorDiceOrder) {
    Table t(4);
    t.SetDice({5, 3, 5, 3, 5});
    t.board.CalcOnly = true;
    t.board.CurrentColumn = colRand;
    t.board.CurrentRow = rowFullHouse;
    t.game.ScoreFullHouse();
    t.board.CalcOnly = false;
    EXPECT_TRUE(t.board.lblRand[rowFullHouse].Caption.empty());
    EXPECT_TRUE(t.board.lblRandTot.Caption.empty());
    EXPECT_EQ(t.board.Dice, (std::array<std::int32_t, 6>{5, 3, 5, 3, 5, 0}));
}

TEST(Posting, RandMiddleTotalCompletedByOnes) {
    Table t(4);
    Write(t, colRand, rowMax, {6, 6, 6, 5, 5});
    EXPECT_EQ(t.board.lblRand[rowMax].Caption, "28");
    EXPECT_TRUE(t.board.lblRandTot2.Caption.empty());
    EXPECT_TRUE(t.board.lblRandTot.Caption.empty());
    Write(t, colRand, rowMin, {1, 1, 2, 2, 3});
    EXPECT_TRUE(t.board.lblRandTot2.Caption.empty());
    Write(t, colRand, rowOnes, {1, 1, 1, 4, 5});
    EXPECT_EQ(t.board.lblRandTot2.Caption, "57");
    EXPECT_EQ(t.board.lblRandTot.Caption, "60");
    EXPECT_EQ(t.board.lblRandTot1.Caption, "3");
}

TEST(Posting, NegativeMiddleTotalWhenMaxBelowMin) {
    Table t(4);
    Write(t, colRand, rowOnes, {1, 1, 3, 4, 6});
    Write(t, colRand, rowMin, {4, 4, 4, 4, 4});
    Write(t, colRand, rowMax, {2, 2, 2, 2, 2});
    EXPECT_EQ(t.board.lblRandTot2.Caption, "-20");
    EXPECT_EQ(t.board.lblRandTot.Caption, "-18");
}

TEST(Posting, DownMinCompletesMiddleAndUpOnesCompletesMiddle) {
    Table t(4);
    Write(t, colDown, rowOnes, {1, 1, 2, 3, 4});
    Write(t, colDown, rowMax, {6, 6, 6, 6, 5});
    Write(t, colDown, rowMin, {1, 1, 1, 2, 2});
    EXPECT_EQ(t.board.lblDownTot2.Caption, "44"); // (29 - 7) x 2
    EXPECT_EQ(t.board.lblDownTot.Caption, "46");

    Write(t, colUp, rowMax, {6, 6, 6, 6, 6});
    Write(t, colUp, rowMin, {1, 1, 1, 1, 2});
    EXPECT_TRUE(t.board.lblUpTot2.Caption.empty());
    Write(t, colUp, rowOnes, {1, 1, 1, 5, 5});
    EXPECT_EQ(t.board.lblUpTot2.Caption, "72"); // (30 - 6) x 3
    EXPECT_EQ(t.board.lblUpTot.Caption, "75");
}

TEST(Posting, MaxAndMinArePostedToCellsOnlyInDownAndUp) {
    Table t(4);
    Write(t, colDown, rowMax, {6, 6, 6, 6, 5});
    Write(t, colUp, rowMin, {1, 1, 1, 2, 2});
    EXPECT_EQ(t.board.lblDown[rowMax].Caption, "29");
    EXPECT_TRUE(t.board.lblDownTot.Caption.empty());
    EXPECT_TRUE(t.board.lblUpTot.Caption.empty());
}

TEST(Posting, RandUpperBonusAtExactly63) {
    Table t(4);
    // 3 + 6 + 9 + 12 + 15 + 18 = 63
    for (int face = 1; face <= 6; ++face) {
        Write(t, colRand, face - 1, {face, face, face, (face % 6) + 1, (face % 6) + 1});
    }
    EXPECT_EQ(t.board.lblRandTot1.Caption, "98");
    EXPECT_EQ(t.board.lblRandTot.Caption, "98");
    EXPECT_TRUE(t.board.UpperBonusGiven[colRand]);
    EXPECT_EQ(t.board.RandUpperCount, 6);
}

TEST(Posting, RandNoBonusAt62AndNoneLater) {
    Table t(4);
    Write(t, colRand, rowOnes, {1, 1, 2, 3, 4}); // 2, one short of par
    for (int face = 2; face <= 6; ++face) {
        Write(t, colRand, face - 1, {face, face, face, 1, 1});
    }
    EXPECT_EQ(t.board.lblRandTot1.Caption, "62");
    EXPECT_FALSE(t.board.UpperBonusGiven[colRand]);
    EXPECT_EQ(t.board.RandUpperCount, 6);
    // A seventh upper write (an undone row written again) brings no bonus.
    t.board.lblRand[rowSixes].Caption.clear();
    Write(t, colRand, rowSixes, {6, 6, 6, 6, 6});
    EXPECT_FALSE(t.board.UpperBonusGiven[colRand]);
}

TEST(Posting, OblgUpperBonusCountsItsOwnColumn) {
    Table t(4);
    for (int face = 1; face <= 6; ++face) {
        Write(t, colOblg, face - 1, {face, face, face, face, 1});
    }
    EXPECT_TRUE(t.board.UpperBonusGiven[colOblg]);
    EXPECT_EQ(t.board.OblgUpperCount, 6);
    EXPECT_EQ(t.board.RandUpperCount, 0);
}

TEST(Posting, DownAndUpHaveNoBonusInTheScorer) {
    Table t(4);
    for (int face = 1; face <= 6; ++face) {
        Write(t, colDown, face - 1, {face, face, face, face, face});
    }
    EXPECT_EQ(t.board.lblDownTot1.Caption, "105");
    EXPECT_FALSE(t.board.UpperBonusGiven[colDown]);
}

TEST(Posting, FiveOfAKindInOblgCountsOnlyWhileWritten) {
    Table t(4);
    Write(t, colOblg, rowFiveOfAKind, {3, 3, 3, 3, 3});
    EXPECT_EQ(t.board.lblOblg[rowFiveOfAKind].Caption, "100");
    EXPECT_TRUE(t.board.lblOblgTot.Caption.empty());
    t.board.lblOblg[rowFiveOfAKind].Caption.clear();
    t.board.OblgWritten = true;
    Write(t, colOblg, rowFiveOfAKind, {3, 3, 3, 3, 3});
    EXPECT_EQ(t.board.lblOblgTot.Caption, "100");
}

TEST(Posting, ColumnNoneWritesNothing) {
    Table t(4);
    Write(t, colNone, rowSixes, {6, 6, 6, 6, 6});
    EXPECT_EQ(t.board.RowScore, 30);
    for (int col = colDown; col <= colOblg; ++col) {
        EXPECT_TRUE(t.board.Cells(col)[rowSixes].Caption.empty());
    }
}

TEST(Posting, FiveDiceIgnoreTheSixthDie) {
    Table t(4);
    t.board.Dice = {2, 2, 2, 2, 2, 1};
    EXPECT_EQ(Calc(t, rowOnes), 0);
    EXPECT_EQ(Calc(t, rowFiveOfAKind), 100);
    Write(t, colRand, rowTwos, {2, 2, 2, 2, 2});
    EXPECT_EQ(t.board.Dice[5], 1);
}
