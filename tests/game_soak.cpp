// The soak: thousands of whole games played at random through the board's
// handlers, in every mix of one or two players, one or four columns and five
// or six dice, each from a fixed seed. After every handler the sheets' sums,
// the move counters, the offered cells, the undo commands, the end of the
// game and the top-score file are checked against the rules.
#include "SoakPlayer.h"

#include <gtest/gtest.h>

#include <ostream>

using testing_support::Describe;
using testing_support::SoakConfig;
using testing_support::SoakPlayer;
using testing_support::SoakSwitches;

namespace {

struct SoakCase {
    SoakConfig start;
    unsigned seed;
    int games;
    SoakSwitches switches;
};

void PrintTo(const SoakCase& c, std::ostream* out) {
    *out << Describe(c.start) << ", seed " << c.seed << ", " << c.games << " games"
         << (c.switches.confirmQuitGame ? "" : ", no quit question")
         << (c.switches.hintsAlways ? ", hints always" : "");
}

class Soak : public ::testing::TestWithParam<SoakCase> {};

std::string CaseName(const ::testing::TestParamInfo<SoakCase>& info) {
    const SoakConfig& c = info.param.start;
    return "Dice" + std::to_string(c.lastDie + 1) + "Columns" + std::to_string(c.columns) +
           "Players" + std::to_string(c.players);
}

} // namespace

TEST_P(Soak, WholeGamesKeepTheSheetsRight) {
    const SoakCase& c = GetParam();
    SoakPlayer player(c.start, c.seed, c.switches);
    player.Play(c.games);
    ASSERT_EQ(player.fault, "") << Describe(c.start) << ", seed " << c.seed;
    const auto& tally = player.tally;
    EXPECT_EQ(tally.games, c.games);
    // The run went through the paths it is meant to soak.
    EXPECT_GT(tally.questions, 0);
    EXPECT_GT(tally.undoAnswers, 0);
    EXPECT_GT(tally.redoQuestions, 0) << "a replayed last move asks again";
    EXPECT_GT(tally.undos, c.games);
    EXPECT_GT(tally.redos, c.games / 4);
    EXPECT_GT(tally.reminders, 0);
    EXPECT_GT(tally.bonuses, 0);
    EXPECT_GT(tally.interestingUndos, c.games / 4);
    EXPECT_GT(tally.newGames, 0);
    EXPECT_EQ(tally.cancels > 0, c.switches.confirmQuitGame);
    EXPECT_GT(tally.placed, 0);
    EXPECT_LT(tally.placed, tally.entries) << "no entry missed a full table";
    EXPECT_GE(tally.entries, tally.games);
}

INSTANTIATE_TEST_SUITE_P(EveryMix, Soak,
                         ::testing::Values(SoakCase{{4, 4, 1}, 1001u, 250, {true, false}},
                                           SoakCase{{5, 4, 1}, 1002u, 250, {false, true}},
                                           SoakCase{{4, 1, 1}, 1003u, 400, {true, true}},
                                           SoakCase{{5, 1, 1}, 1004u, 400, {false, false}},
                                           SoakCase{{4, 4, 2}, 1005u, 150, {true, true}},
                                           SoakCase{{5, 4, 2}, 1006u, 150, {false, false}},
                                           SoakCase{{4, 1, 2}, 1007u, 300, {true, false}},
                                           SoakCase{{5, 1, 2}, 1008u, 300, {false, true}}),
                         CaseName);
