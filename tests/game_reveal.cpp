// The reveal of a new sheet, run tick by tick for every variant.
#include "FakeHost.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>

using namespace game;
using testing_support::Table;

namespace {

constexpr int TickLimit = 200;

// The random number that makes StartSheetAnimation choose `variant`.
double ForVariant(int variant, int columns) {
    return (variant - 0.5) / (columns == 4 ? 9 : 4);
}

int ShownCount(const Board& b, int column) {
    return static_cast<int>(std::count_if(b.Buttons(column).begin(), b.Buttons(column).end(),
                                          [](const Control& c) { return c.Visible; }));
}

int ShownCount(const Board& b) {
    int n = 0;
    for (int column = colDown; column <= colOblg; ++column) {
        n += ShownCount(b, column);
    }
    return n;
}

// A board right after New Game has chosen `variant`: the cell buttons stand
// as New Game leaves them before the first tick.
struct Reveal : Table {
    Reveal(int variant, int columns) : Table(4, columns, 1) {
        host.randoms.push_back(ForVariant(variant, columns));
        // The shuffle of variant 6 draws from an even spread of numbers.
        std::mt19937 gen(7);
        std::uniform_real_distribution<double> spread(0.0, 1.0);
        for (int i = 0; i < 400; ++i) {
            host.randoms.push_back(spread(gen));
        }
        game.StartSheetAnimation();
        EXPECT_EQ(board.RevealVariant, variant);
        for (int row = 0; row < RowCount; ++row) {
            for (int column = colDown; column <= colOblg; ++column) {
                Control& button = board.Buttons(column)[row];
                button.Enabled = false;
                if (columns == 4) {
                    button.Visible = variant == 1;
                } else {
                    button.Visible = column == colRand && (variant == 3 || variant == 4);
                }
            }
        }
    }

    // Runs ticks until the timer stops; returns how many ran.
    int RunToEnd() {
        int ticks = 0;
        while (board.tmrAnimation.Enabled && ticks < TickLimit) {
            game.tmrAnimation_Timer();
            ++ticks;
        }
        return ticks;
    }
};

struct VariantTicks {
    int variant;
    int ticks;
};

class FourColumnVariant : public ::testing::TestWithParam<VariantTicks> {};

TEST_P(FourColumnVariant, RevealsEveryCellInItsTickCount) {
    const auto [variant, expectedTicks] = GetParam();
    Reveal r(variant, 4);
    r.board.picRollDices.Enabled = true;
    r.game.tmrAnimation_Timer();
    EXPECT_FALSE(r.board.picRollDices.Enabled) << "no roll once the reveal has begun";
    const int ticks = 1 + r.RunToEnd();
    EXPECT_EQ(ticks, expectedTicks);
    EXPECT_FALSE(r.board.tmrAnimation.Enabled);
    EXPECT_TRUE(r.board.picRollDices.Enabled);
    EXPECT_EQ(ShownCount(r.board), 52);
    for (int column = colDown; column <= colOblg; ++column) {
        for (const Control& button : r.board.Buttons(column)) {
            EXPECT_FALSE(button.Enabled); // the first roll enables them
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Reveal, FourColumnVariant,
    ::testing::Values(VariantTicks{1, 14}, VariantTicks{2, 13}, VariantTicks{3, 8},
                      VariantTicks{4, 17}, VariantTicks{5, 13}, VariantTicks{6, 18},
                      VariantTicks{7, 26}, VariantTicks{8, 26}, VariantTicks{9, 27}),
    [](const auto& info) { return "Variant" + std::to_string(info.param.variant); });

class OneColumnVariant : public ::testing::TestWithParam<VariantTicks> {};

TEST_P(OneColumnVariant, RevealsOnlyTheRandColumn) {
    const auto [variant, expectedTicks] = GetParam();
    Reveal r(variant, 1);
    // The hidden columns carry marks that the reveal must never touch.
    r.board.cmdDown[0].Visible = true;
    r.board.cmdUp[5].Visible = true;
    r.board.picRollDices.Enabled = true;
    const auto order = r.board.RevealOrder;
    int ticks = 0;
    while (r.board.tmrAnimation.Enabled && ticks < TickLimit) {
        r.game.tmrAnimation_Timer();
        ++ticks;
        // The roll goes off on the first tick; variant 4 only prepares on it.
        if (ticks <= 2) {
            EXPECT_EQ(r.board.picRollDices.Enabled, ticks == 1 && variant == 4);
        }
        EXPECT_EQ(ShownCount(r.board, colDown), 1);
        EXPECT_EQ(ShownCount(r.board, colUp), 1);
        EXPECT_EQ(ShownCount(r.board, colOblg), 0);
    }
    EXPECT_EQ(ticks, expectedTicks);
    EXPECT_EQ(ShownCount(r.board, colRand), 13);
    EXPECT_TRUE(r.board.picRollDices.Enabled);
    EXPECT_EQ(r.board.RevealOrder, order);
    EXPECT_EQ(r.board.tmrAnimation.Interval, 1);
}

INSTANTIATE_TEST_SUITE_P(Reveal, OneColumnVariant,
                         ::testing::Values(VariantTicks{1, 13}, VariantTicks{2, 13},
                                           VariantTicks{3, 14}, VariantTicks{4, 15}),
                         [](const auto& info) {
                             return "Variant" + std::to_string(info.param.variant);
                         });

} // namespace

TEST(Reveal, StartEmptiesTheSheetAndTheHintsAndStartsTheTimer) {
    Table t(4, 4, 1);
    for (int row = 0; row < RowCount; ++row) {
        for (int column = colDown; column <= colOblg; ++column) {
            t.board.Cells(column)[row].Caption = "7";
        }
        t.board.lblTip[row].Caption = "9";
        t.board.lblTip[row].Visible = false; // hint column hidden
    }
    t.board.RevealStep = 11;
    t.board.RevealPhase = 3;
    t.board.tmrAnimation.Interval = 5;
    t.host.randoms = {0.0};
    t.game.StartSheetAnimation();
    for (int row = 0; row < RowCount; ++row) {
        for (int column = colDown; column <= colOblg; ++column) {
            EXPECT_EQ(t.board.Cells(column)[row].Caption, "");
        }
        EXPECT_EQ(t.board.lblTip[row].Caption, "");
    }
    EXPECT_EQ(t.host.reseeds, 1);
    EXPECT_EQ(t.board.RevealVariant, 1);
    EXPECT_EQ(t.board.RevealStep, 0);
    EXPECT_EQ(t.board.RevealPhase, 0);
    EXPECT_TRUE(t.board.tmrAnimation.Enabled);
    EXPECT_EQ(t.board.tmrAnimation.Interval, 5); // left as the last reveal set it
}

TEST(Reveal, VariantIsDrawnFromOneRandomNumber) {
    struct Case {
        int columns;
        double r;
        int variant;
    };
    for (auto c : {Case{4, 0.0, 1}, Case{4, 0.5, 5}, Case{4, 0.999999, 9}, Case{1, 0.0, 1},
                   Case{1, 0.74, 3}, Case{1, 0.999999, 4}, Case{2, 0.6, 3}}) {
        Table t(4, c.columns, 1);
        t.host.randoms = {c.r};
        t.game.StartSheetAnimation();
        EXPECT_EQ(t.board.RevealVariant, c.variant) << c.columns << " columns, r " << c.r;
    }
}

TEST(Reveal, FourColumnVariant1HidesThenShows) {
    Reveal r(1, 4);
    auto rowShown = [&](int row) {
        return r.board.cmdDown[row].Visible && r.board.cmdUp[row].Visible &&
               r.board.cmdRand[row].Visible && r.board.cmdOblg[row].Visible;
    };
    auto rowHidden = [&](int row) {
        return !r.board.cmdDown[row].Visible && !r.board.cmdUp[row].Visible &&
               !r.board.cmdRand[row].Visible && !r.board.cmdOblg[row].Visible;
    };
    r.game.tmrAnimation_Timer();
    EXPECT_TRUE(rowHidden(0));
    EXPECT_TRUE(rowHidden(12));
    EXPECT_EQ(ShownCount(r.board), 52 - 8);
    for (int tick = 2; tick <= 7; ++tick) {
        r.game.tmrAnimation_Timer();
    }
    EXPECT_EQ(ShownCount(r.board), 0);
    r.game.tmrAnimation_Timer(); // the 8th tick: the middle row
    EXPECT_TRUE(rowShown(6));
    EXPECT_EQ(ShownCount(r.board), 4);
    for (int tick = 9; tick <= 13; ++tick) {
        r.game.tmrAnimation_Timer();
    }
    EXPECT_TRUE(rowHidden(0));
    EXPECT_TRUE(r.board.tmrAnimation.Enabled);
    r.game.tmrAnimation_Timer(); // the 14th tick: the outer rows, and the end
    EXPECT_TRUE(rowShown(0));
    EXPECT_TRUE(rowShown(12));
    EXPECT_FALSE(r.board.tmrAnimation.Enabled);
    EXPECT_EQ(r.board.RevealStep, 0);
    EXPECT_EQ(r.board.RevealPhase, 0);
}

TEST(Reveal, FourColumnVariant3ChangesTheIntervalForGood) {
    Reveal r(3, 4);
    r.board.tmrAnimation.Interval = 1;
    r.game.tmrAnimation_Timer();
    EXPECT_EQ(r.board.tmrAnimation.Interval, 50);
    for (int tick = 2; tick <= 5; ++tick) {
        r.game.tmrAnimation_Timer();
    }
    EXPECT_EQ(r.board.tmrAnimation.Interval, 50);
    r.game.tmrAnimation_Timer();
    EXPECT_EQ(r.board.tmrAnimation.Interval, 5);
    r.game.tmrAnimation_Timer();
    EXPECT_FALSE(r.board.picRollDices.Enabled);
    r.game.tmrAnimation_Timer(); // the 8th: the last odd rows and the roll back on
    EXPECT_TRUE(r.board.picRollDices.Enabled);
    EXPECT_FALSE(r.board.tmrAnimation.Enabled);
    EXPECT_EQ(r.board.tmrAnimation.Interval, 5);

    // Every later reveal of the run ticks at 5 ms.
    r.host.randoms = {ForVariant(2, 4)};
    r.game.StartSheetAnimation();
    EXPECT_EQ(r.board.tmrAnimation.Interval, 5);
    r.RunToEnd();
    EXPECT_EQ(r.board.tmrAnimation.Interval, 5);
}

TEST(Reveal, FourColumnVariant6ShowsEachCellOnceInShuffledOrder) {
    Reveal r(6, 4);
    std::vector<int> order(r.board.RevealOrder.begin(), r.board.RevealOrder.begin() + 52);
    std::vector<int> sorted = order;
    std::sort(sorted.begin(), sorted.end());
    for (int i = 0; i < 52; ++i) {
        ASSERT_EQ(sorted[i], i) << "RevealOrder is a permutation of 0..51";
    }
    std::vector<int> identity(52);
    for (int i = 0; i < 52; ++i) {
        identity[i] = i;
    }
    EXPECT_NE(order, identity);

    std::vector<int> shownOrder;
    std::set<int> shown;
    int ticks = 0;
    while (r.board.tmrAnimation.Enabled && ticks < TickLimit) {
        r.game.tmrAnimation_Timer();
        ++ticks;
        int newThisTick = 0;
        for (int code : order) {
            const bool visible = r.board.Buttons(code / 13 + 1)[code % 13].Visible;
            if (visible && !shown.count(code)) {
                shown.insert(code);
                shownOrder.push_back(code);
                ++newThisTick;
            }
        }
        EXPECT_EQ(newThisTick, ticks < 18 ? 3 : 1) << "tick " << ticks;
    }
    EXPECT_EQ(ticks, 18);
    EXPECT_EQ(shownOrder, order);
    EXPECT_EQ(r.board.RevealStep, 53);
}

TEST(Reveal, ShuffleKeepsAPermutationWhateverTheNumbers) {
    // Extreme draws: r = 0 always swaps with element 1, r near 1 with element i.
    for (double value : {0.0, 0.999999, 0.5}) {
        Table t(4, 4, 1);
        t.board.RevealOrder[52] = 77;
        t.host.defaultRandom = value;
        t.game.ShuffleRevealOrder();
        std::vector<int> order(t.board.RevealOrder.begin(), t.board.RevealOrder.begin() + 52);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < 52; ++i) {
            EXPECT_EQ(order[i], i);
        }
        EXPECT_EQ(t.board.RevealOrder[52], 77); // never part of the shuffle
        EXPECT_EQ(t.host.reseeds, 1);
    }
    // Near 1 every swap but the one at i = 0 is with itself, and three rounds
    // of a downward and an upward pass swap elements 0 and 1 six times.
    Table t(4, 4, 1);
    t.host.defaultRandom = 0.999999;
    t.game.ShuffleRevealOrder();
    for (int i = 0; i < 52; ++i) {
        EXPECT_EQ(t.board.RevealOrder[i], i);
    }
}

TEST(Reveal, ShuffleSwapsWithElementOneWhenTheDrawIsZero) {
    // j = floor(r * i + 1): a draw of 0 at i = 51 swaps elements 51 and 1;
    // draws near 1 swap every other element with itself, and element 0 with
    // element 1 an even number of times.
    Table t(4, 4, 1);
    t.host.randoms = {0.0};
    t.host.defaultRandom = 0.999999;
    t.game.ShuffleRevealOrder();
    EXPECT_EQ(t.board.RevealOrder[51], 1);
    EXPECT_EQ(t.board.RevealOrder[1], 51);
    EXPECT_EQ(t.board.RevealOrder[0], 0);
    EXPECT_EQ(t.board.RevealOrder[50], 50);
}

TEST(Reveal, ShuffleDrawsOneNumberPerSwap) {
    Table t(4, 4, 1);
    t.host.randoms.assign(400, 0.25);
    t.game.ShuffleRevealOrder();
    EXPECT_EQ(t.host.randoms.size(), 400u - 3 * 2 * 52);
}

TEST(Reveal, FourColumnVariant9SpiralsAndShowsUp1Twice) {
    Reveal r(9, 4);
    for (int tick = 1; tick <= 15; ++tick) { // top row, Oblg down, bottom row and Down up
        r.game.tmrAnimation_Timer();
    }
    EXPECT_TRUE(r.board.cmdUp[1].Visible) << "the end of the third leg";
    EXPECT_EQ(ShownCount(r.board, colDown), 13);
    EXPECT_EQ(ShownCount(r.board, colOblg), 13);
    EXPECT_EQ(ShownCount(r.board, colRand), 2); // rows 0 and 12 only
    EXPECT_EQ(ShownCount(r.board, colUp), 3);   // rows 0, 1 and 12
    r.board.cmdUp[1].Visible = false;
    EXPECT_EQ(r.RunToEnd(), 12);
    EXPECT_TRUE(r.board.cmdUp[1].Visible) << "and again at the end";
    EXPECT_EQ(ShownCount(r.board), 52);
}

TEST(Reveal, OneColumnVariantsNeverShuffle) {
    Table t(4, 1, 1);
    t.host.randoms = {0.999999};
    t.game.StartSheetAnimation();
    EXPECT_EQ(t.board.RevealVariant, 4);
    EXPECT_EQ(t.host.reseeds, 1);
    for (int i = 0; i < 53; ++i) {
        EXPECT_EQ(t.board.RevealOrder[i], 0);
    }
}

TEST(Reveal, UnknownVariantDoesNothing) {
    Reveal r(2, 4);
    r.board.RevealVariant = 10;
    r.board.picRollDices.Enabled = true;
    r.game.tmrAnimation_Timer();
    EXPECT_EQ(ShownCount(r.board), 0);
    EXPECT_TRUE(r.board.picRollDices.Enabled);
    EXPECT_TRUE(r.board.tmrAnimation.Enabled);
    EXPECT_EQ(r.board.RevealStep, 0);
}

TEST(Reveal, NewGameDuringARevealStartsOver) {
    Reveal r(7, 4);
    for (int tick = 0; tick < 15; ++tick) {
        r.game.tmrAnimation_Timer();
    }
    EXPECT_EQ(r.board.RevealPhase, 1);
    r.host.randoms.push_front(ForVariant(5, 4));
    r.game.StartSheetAnimation();
    EXPECT_EQ(r.board.RevealVariant, 5);
    EXPECT_EQ(r.board.RevealStep, 0);
    EXPECT_EQ(r.board.RevealPhase, 0);
    EXPECT_TRUE(r.board.tmrAnimation.Enabled);
    EXPECT_EQ(r.RunToEnd(), 13);
}
