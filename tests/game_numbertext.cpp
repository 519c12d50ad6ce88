#include "game/Board.h"
#include "game/NumberText.h"
#include "game/Program.h"

#include <gtest/gtest.h>

using game::CellText;
using game::ReadNumber;
using game::TotalText;

TEST(NumberText, EmptyAndBlankTextsReadAsZero) {
    EXPECT_EQ(ReadNumber(""), 0.0);
    EXPECT_EQ(ReadNumber("         "), 0.0);
    EXPECT_EQ(ReadNumber("abc"), 0.0);
    EXPECT_EQ(ReadNumber("-"), 0.0);
}

TEST(NumberText, ReadsLeadingBlanksSignAndDigitsOnly) {
    EXPECT_EQ(ReadNumber("  42"), 42.0);
    EXPECT_EQ(ReadNumber("-12"), -12.0);
    EXPECT_EQ(ReadNumber("98 points"), 98.0);
    EXPECT_EQ(ReadNumber("7x3"), 7.0);
}

TEST(NumberText, NegativeTotalRoundTripsWithoutBlank) {
    EXPECT_EQ(TotalText(-12.0), "-12");
    EXPECT_EQ(ReadNumber(TotalText(-12.0)), -12.0);
}

TEST(NumberText, TotalsHaveNoDecimalPointOrBlank) {
    EXPECT_EQ(TotalText(63.0 + 35.0), "98");
    EXPECT_EQ(TotalText(0.0), "0");
    EXPECT_EQ(TotalText(-0.0), "0");
    EXPECT_EQ(TotalText(1234567.0), "1234567");
}

TEST(NumberText, CellsAreIntegerTexts) {
    EXPECT_EQ(CellText(0), "0");
    EXPECT_EQ(CellText(-5), "-5");
    EXPECT_EQ(CellText(100), "100");
}

TEST(BoardModel, FreshBoardHasEmptySheetAndBlankGrandTotal) {
    game::Board board;
    EXPECT_EQ(board.lblGrandTotal.Caption, std::string(9, ' '));
    EXPECT_EQ(ReadNumber(board.lblGrandTotal.Caption), 0.0);
    for (int col = game::colDown; col <= game::colOblg; ++col) {
        for (const auto& cell : board.Cells(col)) {
            EXPECT_TRUE(cell.Caption.empty());
        }
        EXPECT_TRUE(board.UpperTotal(col).Caption.empty());
        EXPECT_TRUE(board.MiddleTotal(col).Caption.empty());
        EXPECT_TRUE(board.ColumnTotal(col).Caption.empty());
    }
    EXPECT_EQ(board.UpRow, 12);
    EXPECT_EQ(board.DownRow, 0);
    EXPECT_TRUE(board.FirstRollPending);
    EXPECT_TRUE(board.RollAllowed);
    EXPECT_EQ(board.Dice, (std::array<std::int32_t, 6>{0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(board.lblOption[12].Caption, "Quorvane");
    EXPECT_EQ(board.cmdShowNextBoard.Caption, "    Show      Player 1's  Board");
}

TEST(BoardModel, NamesAreCutAndPaddedByCharacters) {
    EXPECT_EQ(game::FixedText10("Player 1"), "Player 1  ");
    EXPECT_EQ(game::FixedText10("Maximilianus"), "Maximilian");
    EXPECT_EQ(game::FixedText10(""), std::string(10, ' '));
    // "Zoë" is three characters in four bytes: seven blanks follow.
    EXPECT_EQ(game::FixedText10("Zo\xC3\xAB"), "Zo\xC3\xAB       ");
    EXPECT_EQ(game::FixedText10("\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xxxxxx"),
              "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9xxxx");
}
