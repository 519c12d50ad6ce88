// The board's Options command around its dialog: what a changed rule set,
// dice count, player count or status-bar choice does to a running game, to a
// board waiting for its first roll, and what Cancel in "Start a New Game?"
// puts back.
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

constexpr int ScreenWidth = 19200;
constexpr int ScreenHeight = 14400;

const char* const StartNewGameText = "Click OK to start a new game or click Cancel to discard "
                                     "changes and return to current game.";

// A board just opened, as the window creates it.
void OpenBoard(Table& t) {
    t.game.Form_Load(ScreenWidth, ScreenHeight);
}

// A board whose first roll has been made: a game is in progress.
void RollOnce(Table& t) {
    OpenBoard(t);
    t.ScriptRoll({1, 2, 3, 4, 5, 6});
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    ASSERT_TRUE(t.prog.GameInProgress);
    t.host.ClearRecords();
}

TEST(OptionsCommand, BeginKeepsTheSettingsAndResetsTheDialogResults) {
    Table t(5, 1, 2);
    t.prog.Settings.ShowStatusBar = false;
    t.prog.SettingsChanged = true;
    t.prog.NewGameAnswer = 2;
    t.prog.OpenedFromBoard = false;

    const KeptOptions kept = t.game.BeginOptions();

    EXPECT_EQ(kept.NumberOfDice, 5);
    EXPECT_EQ(kept.NumberOfColumns, 1);
    EXPECT_EQ(kept.NumberOfPlayers, 2);
    EXPECT_FALSE(kept.ShowStatusBar);
    EXPECT_TRUE(t.prog.OpenedFromBoard);
    EXPECT_FALSE(t.prog.SettingsChanged);
    EXPECT_EQ(t.prog.NewGameAnswer, 0);
}

TEST(OptionsCommand, OkWithoutChangesLeavesGameAndBoardAlone) {
    Table t;
    RollOnce(t);
    const Board before = t.board;
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.SettingsChanged = true; // what OK does when nothing was touched

    t.game.ApplyOptions(kept);

    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_TRUE(t.prog.GameInProgress);
    EXPECT_EQ(t.board.Height, before.Height);
    EXPECT_EQ(t.board.Dice, before.Dice);
    EXPECT_EQ(t.board.StatusBar1.Visible, before.StatusBar1.Visible);
    EXPECT_EQ(t.prog.Settings.NumberOfDice, 4);
}

TEST(OptionsCommand, CancelInStartNewGameRestoresRulesDiceAndPlayersOnly) {
    Table t;
    RollOnce(t);
    const auto dice = t.board.Dice;
    const KeptOptions kept = t.game.BeginOptions();
    // The dialog's OK: six dice, one column, two players, a new name and flags.
    GameSettings& s = t.prog.Settings;
    s.NumberOfDice = 5;
    s.NumberOfColumns = 1;
    s.NumberOfPlayers = 2;
    s.Player1 = FixedText10("Zoe");
    s.ConfirmOnExit = false;
    s.ShowDialog = false;
    s.ShowSplash = true;
    s.ShowStatusBar = true;
    t.prog.SettingsChanged = true;
    t.host.messageAnswers.push_back(MsgResult::Cancel);

    t.game.ApplyOptions(kept);

    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, StartNewGameText);
    EXPECT_EQ(t.host.messages[0].title, "Start a New Game?");
    EXPECT_EQ(t.host.messages[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(t.host.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(t.prog.NewGameAnswer, 2);
    EXPECT_EQ(s.NumberOfDice, 4);
    EXPECT_EQ(s.NumberOfColumns, 4);
    EXPECT_EQ(s.NumberOfPlayers, 1);
    EXPECT_EQ(s.Player1, FixedText10("Zoe"));
    EXPECT_FALSE(s.ConfirmOnExit);
    EXPECT_FALSE(s.ShowDialog);
    EXPECT_TRUE(s.ShowSplash);
    EXPECT_TRUE(s.ShowStatusBar);
    EXPECT_TRUE(t.prog.SettingsChanged);
    // The running game goes on untouched.
    EXPECT_TRUE(t.prog.GameInProgress);
    EXPECT_EQ(t.prog.LastDie, 4);
    EXPECT_EQ(t.board.Dice, dice);
    EXPECT_EQ(t.board.Caption, "Quorvane 2.0");
}

TEST(OptionsCommand, CancelStillArrangesAChangedStatusBar) {
    Table t;
    t.prog.Settings.ShowStatusBar = false;
    RollOnce(t);
    ASSERT_FALSE(t.board.StatusBar1.Visible);
    const KeptOptions kept = t.game.BeginOptions();
    // Two players lock the status bar on; Cancel then takes the second player back.
    t.prog.Settings.NumberOfPlayers = 2;
    t.prog.Settings.ShowStatusBar = true;
    t.host.messageAnswers.push_back(MsgResult::Cancel);

    t.game.ApplyOptions(kept);

    EXPECT_EQ(t.prog.Settings.NumberOfPlayers, 1);
    EXPECT_TRUE(t.prog.Settings.ShowStatusBar);
    EXPECT_TRUE(t.board.StatusBar1.Visible);
    EXPECT_TRUE(t.board.StatusBar1.Panels[2].Visible);
    EXPECT_FALSE(t.board.StatusBar1.Panels[3].Visible);
}

TEST(OptionsCommand, OkInStartNewGameStartsANewGameLaidOutForTheNewRules) {
    Table t;
    RollOnce(t);
    t.board.lblGrandTotal.Caption = "42";
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.Settings.NumberOfDice = 5;
    t.prog.Settings.NumberOfPlayers = 2;
    t.host.messageAnswers.push_back(MsgResult::OK);

    t.game.ApplyOptions(kept);

    // Only the options' question: New Game does not ask "Quit this Game?" again.
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].title, "Start a New Game?");
    EXPECT_FALSE(t.prog.GameInProgress);
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "");
    EXPECT_EQ(t.prog.LastDie, 5);
    EXPECT_TRUE(t.board.picDice[5].Visible);
    EXPECT_EQ(t.prog.Settings.NumberOfDice, 5);
    // SetControls ran after New Game: two-player caption and status bar.
    EXPECT_EQ(t.board.Caption, "Quorvane - Player 1");
    EXPECT_TRUE(t.board.StatusBar1.Panels[3].Visible);
    EXPECT_EQ(t.board.StatusBar1.Panels[3].Text, "0 : 0");
}

TEST(OptionsCommand, ALaterNewGameAsksQuitThisGameAgain) {
    Table t;
    RollOnce(t);
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.Settings.NumberOfColumns = 1;
    t.host.messageAnswers.push_back(MsgResult::OK);
    t.game.ApplyOptions(kept);
    ASSERT_FALSE(t.prog.GameInProgress);

    t.ScriptRoll({1, 2, 3, 4, 5});
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    t.host.ClearRecords();
    t.host.messageAnswers.push_back(MsgResult::Cancel);
    t.game.mnuNewGame_Click();

    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "Quit this Game?");
    EXPECT_TRUE(t.prog.GameInProgress);
}

TEST(OptionsCommand, BeforeTheFirstRollANewDiceCountShowsAtOnce) {
    Table t;
    OpenBoard(t);
    ASSERT_FALSE(t.board.picDice[5].Visible);
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.Settings.NumberOfDice = 5;

    t.game.ApplyOptions(kept);

    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_EQ(t.prog.LastDie, 5);
    for (int die = 0; die <= 5; ++die) {
        EXPECT_TRUE(t.prog.DieFree[die]) << die;
        EXPECT_TRUE(t.board.picDice[die].Visible) << die;
        EXPECT_FALSE(t.board.picDice[die].Enabled) << die;
        EXPECT_FALSE(t.board.PicDiceOff[die].Visible) << die;
    }

    // The first roll then rolls all six dice.
    t.ScriptRoll({6, 5, 4, 3, 2, 1});
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    EXPECT_NE(t.board.Dice[5], 0);
}

TEST(OptionsCommand, BeforeTheFirstRollFiveDiceHideTheSixth) {
    Table t(5);
    OpenBoard(t);
    ASSERT_TRUE(t.board.picDice[5].Visible);
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.Settings.NumberOfDice = 4;

    t.game.ApplyOptions(kept);

    EXPECT_EQ(t.prog.LastDie, 4);
    EXPECT_FALSE(t.board.picDice[5].Visible);
    EXPECT_TRUE(t.board.picDice[4].Visible);
}

TEST(OptionsCommand, StatusBarChoiceAloneNeedsNoNewGame) {
    Table t;
    RollOnce(t);
    ASSERT_TRUE(t.board.StatusBar1.Visible);
    const int height = t.board.Height;
    const KeptOptions kept = t.game.BeginOptions();
    t.prog.Settings.ShowStatusBar = false;

    t.game.ApplyOptions(kept);

    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_TRUE(t.prog.GameInProgress);
    EXPECT_FALSE(t.board.StatusBar1.Visible);
    EXPECT_LT(t.board.Height, height);
}

} // namespace
