// The status bar's texts and its three timers: player on turn, clock,
// delayed roll prompt and game-over marquee.
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

const std::string& Panel(const Table& t, int panel) {
    return t.board.StatusBar1.Panels[panel].Text;
}

std::string GameOverText() {
    return std::string(50, ' ') + "G a m e  O v e r !" + std::string(28, ' ') + "To begin a new" +
           " game click the 'New Game' button or press F2";
}

} // namespace

TEST(StatusBar, TurnPlayerNameKeepsTheFullTenCharacters) {
    Table t(4, 4, 2);
    t.prog.Settings.Player2 = FixedText10("Ann");
    t.game.ShowTurnPlayerName(2);
    EXPECT_EQ(Panel(t, 1), "Ann       ");
    t.game.ShowTurnPlayerName(3);
    EXPECT_EQ(Panel(t, 1), "Player 1  ");
    t.prog.Settings.Player1 = FixedText10("Maximilian");
    t.game.ShowTurnPlayerName(3);
    EXPECT_EQ(Panel(t, 1), "Maximilian");
    for (int code : {0, 1, 4, -2}) {
        t.game.ShowTurnPlayerName(code);
        EXPECT_EQ(Panel(t, 1), "Maximilian") << code;
    }
}

TEST(Clock, CountsOneSecondPerTickIntoLabelAndPanel) {
    Table t;
    t.board.lblTimeElapsed.Caption = "00:00:00";
    EXPECT_EQ(Panel(t, 5), "") << "nothing before the first tick";
    t.game.tmrTimeElapsed_Timer();
    EXPECT_EQ(t.board.lblTimeElapsed.Caption, "00:00:01");
    EXPECT_EQ(Panel(t, 5), "00:00:01");
}

TEST(Clock, CarriesAndWrapsAfterADay) {
    struct Case {
        const char* before;
        const char* after;
    };
    for (auto c :
         {Case{"00:00:59", "00:01:00"}, Case{"00:59:59", "01:00:00"}, Case{"09:59:59", "10:00:00"},
          Case{"23:59:59", "00:00:00"}, Case{"12:34:56", "12:34:57"}}) {
        Table t;
        t.board.lblTimeElapsed.Caption = c.before;
        t.game.tmrTimeElapsed_Timer();
        EXPECT_EQ(t.board.lblTimeElapsed.Caption, c.after) << c.before;
        EXPECT_EQ(Panel(t, 5), c.after);
    }
}

TEST(Clock, UsesTheRegionalTimeSeparator) {
    Table t;
    t.host.timeSeparator = ".";
    t.board.lblTimeElapsed.Caption = "00.00.09";
    t.game.tmrTimeElapsed_Timer();
    EXPECT_EQ(t.board.lblTimeElapsed.Caption, "00.00.10");
    // A separator changed while the clock runs: the shown time still counts on.
    t.board.lblTimeElapsed.Caption = "01:02:03";
    t.game.tmrTimeElapsed_Timer();
    EXPECT_EQ(t.board.lblTimeElapsed.Caption, "01.02.04");
    EXPECT_EQ(Panel(t, 5), "01.02.04");
}

TEST(Clock, UnreadableTimeStartsAgainFromZero) {
    for (const char* garbled : {"", "abc", "25:00:00", "00:61:00", "1:2", "00:00:00:00"}) {
        Table t;
        t.board.lblTimeElapsed.Caption = garbled;
        t.game.tmrTimeElapsed_Timer();
        EXPECT_EQ(t.board.lblTimeElapsed.Caption, "00:00:01") << '"' << garbled << '"';
    }
}

TEST(RollPrompt, ShownOnTheSecondTick) {
    Table t;
    t.board.tmrRollDice.Enabled = true;
    t.game.tmrRollDice_Timer();
    EXPECT_EQ(Panel(t, 2), "");
    EXPECT_TRUE(t.board.tmrRollDice.Enabled);
    t.game.tmrRollDice_Timer();
    EXPECT_EQ(Panel(t, 2), "Roll the dice");
    EXPECT_FALSE(t.board.tmrRollDice.Enabled);
    EXPECT_EQ(t.board.RollPromptTicks, 0);
}

TEST(RollPrompt, ANewGameWithinTheWaitKeepsTheCount) {
    // A second New Game restarts the timer, but the tick already counted stays.
    Table t;
    t.board.tmrRollDice.Enabled = true;
    t.game.tmrRollDice_Timer();
    t.board.tmrRollDice.Enabled = true; // New Game again
    t.game.tmrRollDice_Timer();
    EXPECT_EQ(Panel(t, 2), "Roll the dice");
    EXPECT_EQ(t.board.RollPromptTicks, 0);
    // The next start waits two ticks again.
    t.board.StatusBar1.Panels[2].Text = "";
    t.board.tmrRollDice.Enabled = true;
    t.game.tmrRollDice_Timer();
    EXPECT_EQ(Panel(t, 2), "");
    t.game.tmrRollDice_Timer();
    EXPECT_EQ(Panel(t, 2), "Roll the dice");
}

TEST(Marquee, FirstGameOverBlanksAndPausesThenScrolls) {
    Table t;
    t.board.MarqueeText = GameOverText();
    ASSERT_EQ(t.board.MarqueeText.size(), 155u);
    t.board.StatusBar1.Panels[4].Text = "Round 52 of 52";
    t.board.tmrGameOver = {1, true};
    t.game.tmrGameOver_Timer();
    EXPECT_EQ(Panel(t, 2), "");
    EXPECT_EQ(Panel(t, 4), "");
    EXPECT_EQ(t.board.tmrGameOver.Interval, 2000);
    EXPECT_EQ(t.board.MarqueeText, GameOverText());
    EXPECT_EQ(t.board.MarqueeStarted, 1);

    t.game.tmrGameOver_Timer();
    EXPECT_EQ(t.board.tmrGameOver.Interval, 150);
    const std::string once = GameOverText().substr(1) + GameOverText().front();
    EXPECT_EQ(t.board.MarqueeText, once);
    EXPECT_EQ(Panel(t, 2), once);
    for (int tick = 1; tick < 155; ++tick) {
        t.game.tmrGameOver_Timer();
    }
    EXPECT_EQ(t.board.MarqueeText, GameOverText()) << "a full turn of the text";
}

TEST(Marquee, LaterGameOverScrollsAtOnceAndKeepsTheRound) {
    Table t;
    t.board.MarqueeStarted = 1; // a game over earlier in the run
    t.board.MarqueeText = "ab";
    t.board.StatusBar1.Panels[4].Text = "Round 13 of 13";
    t.board.tmrGameOver = {1, true};
    t.game.tmrGameOver_Timer();
    EXPECT_EQ(Panel(t, 2), "ba");
    EXPECT_EQ(Panel(t, 4), "Round 13 of 13");
    EXPECT_EQ(t.board.tmrGameOver.Interval, 150);
}

TEST(Marquee, EmptyTextScrollsNothing) {
    Table t;
    t.board.MarqueeStarted = 1;
    t.game.tmrGameOver_Timer();
    EXPECT_EQ(Panel(t, 2), "");
    EXPECT_EQ(t.board.MarqueeText, "");
}
