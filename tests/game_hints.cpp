#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

void OfferColumn(Table& t, RowLabels& buttons) {
    for (auto& button : buttons) {
        button.Visible = true;
    }
    for (RowLabels* other :
         {&t.board.cmdDown, &t.board.cmdUp, &t.board.cmdRand, &t.board.cmdOblg}) {
        if (other != &buttons) {
            for (auto& button : *other) {
                button.Visible = false;
            }
        }
    }
}

} // namespace

TEST(Hints, StraightOnFiveDiceWithRandOpen) {
    Table t(4);
    OfferColumn(t, t.board.cmdRand);
    t.SetDice({3, 5, 1, 4, 2});
    t.game.ShowHints();
    const char* expected[] = {"1", "2", "3", "4", "5", "", "15", "15", "", "", "50", "", ""};
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_EQ(t.board.lblTip[row].Caption, expected[row]) << "row " << row;
    }
}

TEST(Hints, RowWithoutShownButtonGetsNoHint) {
    Table t(4);
    OfferColumn(t, t.board.cmdRand);
    t.board.cmdRand[rowFiveOfAKind].Visible = false;
    t.board.cmdDown[rowFiveOfAKind].Visible = false;
    t.SetDice({6, 6, 6, 6, 6});
    t.game.ShowHints();
    EXPECT_TRUE(t.board.lblTip[rowFiveOfAKind].Caption.empty());
    EXPECT_EQ(t.board.lblTip[rowSixes].Caption, "30");
    // Any one shown button of the row is enough.
    t.board.cmdOblg[rowFiveOfAKind].Visible = true;
    t.game.ShowHints();
    EXPECT_EQ(t.board.lblTip[rowFiveOfAKind].Caption, "100");
}

TEST(Hints, KeepDiceOrderAndLastMoveScore) {
    Table t(5);
    OfferColumn(t, t.board.cmdUp);
    t.board.RowScore = 17; // points of the last written move, needed by undo
    t.SetDice({6, 2, 2, 3, 5, 4});
    const auto before = t.board.Dice;
    t.game.ShowHints();
    EXPECT_EQ(t.board.Dice, before);
    EXPECT_EQ(t.board.RowScore, 17);
    EXPECT_FALSE(t.board.CalcOnly);
    EXPECT_EQ(t.board.lblTip[rowStraight].Caption, "60");
}

TEST(Hints, NeverClearAnExistingHint) {
    Table t(4);
    OfferColumn(t, t.board.cmdRand);
    t.board.lblTip[rowFullHouse].Caption = "old";
    t.SetDice({1, 2, 3, 4, 6});
    t.game.ShowHints();
    EXPECT_EQ(t.board.lblTip[rowFullHouse].Caption, "old");
}
