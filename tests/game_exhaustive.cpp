// Runs the row scorers over every ordered tuple of five and of six dice and
// checks properties that a wrong scorer would break.
#include "FakeHost.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace game;
using testing_support::Table;

namespace {

struct Tally {
    std::array<int, 7> counts{};
    int sumAll = 0;
};

// Walks all 6^n ordered tuples and calls check(table, dice, tally) for each.
template <typename Check> void ForEveryThrow(int lastDie, Check check) {
    Table t(lastDie);
    for (auto& button : t.board.cmdRand) {
        button.Visible = true;
    }
    const int n = lastDie + 1;
    std::array<int, 6> dice{1, 1, 1, 1, 1, 1};
    long long total = 1;
    for (int i = 0; i < n; ++i) {
        total *= 6;
    }
    for (long long k = 0; k < total; ++k) {
        long long rest = k;
        Tally tally;
        for (int i = 0; i < n; ++i) {
            dice[i] = static_cast<int>(rest % 6) + 1;
            rest /= 6;
            tally.counts[dice[i]]++;
        }
        for (int i = 0; i < 6; ++i) {
            t.board.Dice[i] = i < n ? dice[i] : 0;
        }
        check(t, tally);
    }
}

// The five dice a row may count: with six dice the scorers pick five.
int SumOfHighestFive(const std::array<std::int32_t, 6>& dice, int n) {
    std::array<int, 6> sorted{};
    std::copy(dice.begin(), dice.begin() + n, sorted.begin());
    std::sort(sorted.begin(), sorted.begin() + n);
    int sum = 0;
    for (int i = n - 5; i < n; ++i) {
        sum += sorted[i];
    }
    return sum;
}

void CheckThrow(Table& t, const Tally& tally, int n) {
    // In calc-only mode the caller sorts, as the hint engine does.
    t.game.SortDice();
    const auto before = t.board.Dice;
    t.board.CalcOnly = true;
    std::array<int, RowCount> scores{};
    for (int row = 0; row < RowCount; ++row) {
        t.game.ScoreRow(row);
        scores[row] = t.board.RowScore;
        ASSERT_EQ(t.board.Dice, before) << "calc-only changed the dice order, row " << row;
    }
    t.board.CalcOnly = false;
    for (int col = colDown; col <= colOblg; ++col) {
        for (const auto& cell : t.board.Cells(col)) {
            ASSERT_TRUE(cell.Caption.empty());
        }
    }
    const int maxCount = *std::max_element(tally.counts.begin() + 1, tally.counts.end());

    // Five of a kind: 100 exactly when five dice are equal.
    ASSERT_EQ(scores[rowFiveOfAKind] == 100, maxCount >= 5);
    ASSERT_TRUE(scores[rowFiveOfAKind] == 0 || scores[rowFiveOfAKind] == 100);

    // Straight: 0, 50 or 60, and 60 exactly when 2-3-4-5-6 are all there.
    const int straight = scores[rowStraight];
    ASSERT_TRUE(straight == 0 || straight == 50 || straight == 60);
    const bool high =
        tally.counts[2] && tally.counts[3] && tally.counts[4] && tally.counts[5] && tally.counts[6];
    const bool low =
        tally.counts[1] && tally.counts[2] && tally.counts[3] && tally.counts[4] && tally.counts[5];
    ASSERT_EQ(straight, high ? 60 : (low ? 50 : 0));

    // Upper rows count each face at most five times.
    for (int face = 1; face <= 6; ++face) {
        ASSERT_EQ(scores[face - 1], face * std::min(tally.counts[face], 5));
    }

    // Multiples: 0, or their bonus plus five dice (each die 1 to 6).
    const int bonuses[] = {10, 20, 30};
    const int rows[] = {rowThreeOfAKind, rowFullHouse, rowFourOfAKind};
    for (int i = 0; i < 3; ++i) {
        const int s = scores[rows[i]];
        ASSERT_TRUE(s == 0 || (s >= bonuses[i] + 5 && s <= bonuses[i] + 30))
            << "row " << rows[i] << " score " << s;
    }
    ASSERT_EQ(scores[rowThreeOfAKind] > 0, maxCount >= 3);
    ASSERT_EQ(scores[rowFourOfAKind] > 0, maxCount >= 4);
    if (n == 5) {
        ASSERT_EQ(scores[rowThreeOfAKind], maxCount >= 3 ? tally.sumAll + 10 : 0);
        int pairs = 0;
        int triples = 0;
        for (int face = 1; face <= 6; ++face) {
            pairs += tally.counts[face] == 2;
            triples += tally.counts[face] == 3;
        }
        ASSERT_EQ(scores[rowFullHouse] > 0, pairs == 1 && triples == 1);
    }
    ASSERT_EQ(scores[rowMax], SumOfHighestFive(before, n));
    ASSERT_LE(scores[rowMin], scores[rowMax]);
}

} // namespace

TEST(ExhaustiveScoring, EveryThrowOfFiveDice) {
    ForEveryThrow(4, [](Table& t, Tally tally) {
        for (int i = 0; i < 5; ++i) {
            tally.sumAll += t.board.Dice[i];
        }
        CheckThrow(t, tally, 5);
    });
}

TEST(ExhaustiveScoring, EveryThrowOfSixDice) {
    ForEveryThrow(5, [](Table& t, Tally tally) {
        for (int i = 0; i < 6; ++i) {
            tally.sumAll += t.board.Dice[i];
        }
        CheckThrow(t, tally, 6);
    });
}
