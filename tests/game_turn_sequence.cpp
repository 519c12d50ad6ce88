// A one-column game of twelve moves played through the handlers only:
// rolls with scripted faces, holds and cell clicks. The sheet's totals are
// then checked against sums worked out here from the cell texts.
#include "TurnTable.h"
#include "game/NumberText.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::TurnTable;

namespace {

struct Totals {
    double upper = 0;
    bool middleDue = false;
    double middle = 0;
    double column = 0;
};

// The sheet's rules, restated over the cell texts of one column.
Totals Expected(const RowLabels& cells) {
    auto filled = [&](int row) { return !cells[row].Caption.empty(); };
    auto value = [&](int row) { return ReadNumber(cells[row].Caption); };
    Totals t;
    int upperRows = 0;
    for (int row = rowOnes; row <= rowSixes; ++row) {
        t.upper += value(row);
        upperRows += filled(row) ? 1 : 0;
    }
    if (upperRows == 6 && t.upper >= 63) {
        t.upper += 35;
    }
    t.middleDue = filled(rowOnes) && filled(rowMax) && filled(rowMin);
    if (t.middleDue) {
        t.middle = (value(rowMax) - value(rowMin)) * value(rowOnes);
    }
    t.column = t.upper + t.middle;
    for (int row = rowThreeOfAKind; row <= rowFiveOfAKind; ++row) {
        t.column += value(row);
    }
    return t;
}

} // namespace

TEST(WholeSequence, TwelveMovesOfAOneColumnGame) {
    TurnTable t(4, 1);
    auto& g = t.game;

    t.Roll({1, 1, 1, 4, 5});
    g.cmdRand_Click(rowOnes);

    t.Roll({2, 2, 3, 4, 5});
    t.Hold({0, 1});
    t.Roll({2, 6, 6});
    g.cmdRand_Click(rowTwos);

    t.Roll({3, 3, 3, 1, 2});
    g.cmdRand_Click(rowThrees);

    t.Roll({4, 4, 1, 2, 3});
    t.Hold({0, 1});
    t.Roll({4, 5, 6});
    g.cmdRand_Click(rowFours);

    t.Roll({5, 5, 5, 5, 1});
    g.cmdRand_Click(rowFives);

    t.Roll({6, 6, 1, 2, 3});
    t.Hold({0, 1});
    t.Roll({6, 1, 1});
    g.cmdRand_Click(rowSixes);
    EXPECT_TRUE(t.board.UpperBonusGiven[colRand]);

    t.Roll({6, 6, 5, 5, 4});
    g.cmdRand_Click(rowMax);

    t.Roll({1, 1, 2, 2, 3});
    g.cmdRand_Click(rowMin);

    t.Roll({2, 2, 2, 5, 5});
    g.cmdRand_Click(rowThreeOfAKind);

    t.Roll({3, 3, 3, 6, 6});
    g.cmdRand_Click(rowFullHouse);

    t.Roll({1, 2, 3, 4, 6});
    t.Hold({0, 1, 2, 3});
    t.Roll({5});
    g.cmdRand_Click(rowStraight);

    t.Roll({4, 4, 4, 2, 3});
    t.Hold({0, 1, 2});
    t.Roll({4, 1});
    t.Hold({3});
    t.Roll({2});
    EXPECT_EQ(t.board.StatusBar1.Panels[4].Text, "Round 12 of 13");
    g.cmdRand_Click(rowFiveOfAKind);

    const char* cells[] = {"3", "6", "9", "12", "20", "18", "26", "9", "26", "41", "50", "", "0"};
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_EQ(t.board.lblRand[row].Caption, cells[row]) << "row " << row;
    }
    const Totals expected = Expected(t.board.lblRand);
    ASSERT_TRUE(expected.middleDue);
    EXPECT_EQ(ReadNumber(t.board.lblRandTot1.Caption), expected.upper);
    EXPECT_EQ(ReadNumber(t.board.lblRandTot2.Caption), expected.middle);
    EXPECT_EQ(ReadNumber(t.board.lblRandTot.Caption), expected.column);
    EXPECT_EQ(ReadNumber(t.board.lblGrandTotal.Caption), expected.column);
    EXPECT_EQ(t.board.lblGrandTotal.Caption, TotalText(expected.column));

    EXPECT_EQ(t.board.Round, 12);
    EXPECT_EQ(t.board.RandUpperCount, 6);
    EXPECT_EQ(t.board.LastRollCount, 3);
    EXPECT_EQ(t.Offered(t.board.cmdRand), std::vector<int>{});
    std::size_t scoreSounds = 0;
    for (const auto& sound : t.host.sounds) {
        EXPECT_EQ(sound.rfind("sync:", 0), std::string::npos) << "only the 13th move waits";
        scoreSounds += sound == "score" || sound == "scoreZero" ? 1 : 0;
    }
    EXPECT_EQ(scoreSounds, 12u);
    EXPECT_EQ(t.host.sounds.back(), "scoreZero");

    // The last roll offers the one open row.
    t.Roll({1, 1, 1, 1, 6});
    EXPECT_EQ(t.Offered(t.board.cmdRand), std::vector<int>{rowFourOfAKind});
}
