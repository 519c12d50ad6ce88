// New Game: when it acts, its question, and the fresh board it leaves.
#include "FakeHost.h"

#include <gtest/gtest.h>

using namespace game;
using testing_support::Table;

namespace {

// The random number that makes the reveal choose `variant`.
double ForVariant(int variant, int columns) {
    const int variants = columns == 4 ? 9 : 4;
    return (variant - 1 + 0.5) / variants;
}

// A game part-way through: rolled, scored, undo on offer, hints up.
void MidGame(Table& t) {
    Board& b = t.board;
    t.prog.GameInProgress = true;
    t.prog.RedoInProgress = true;
    b.DownRow = 4;
    b.UpRow = 9;
    b.CurrentRow = 3;
    b.CurrentColumn = colDown;
    b.RedoColumn = colUp;
    b.Round = 9;
    b.RollCount = 2;
    b.LastRollCount = 3;
    b.RowScore = 12;
    b.RandUpperCount = 2;
    b.OblgUpperCount = 1;
    b.Announced = true;
    b.OblgWritten = true;
    b.OblgAfterTwoRolls = true;
    b.RedoOblgTwice = true;
    b.CalcOnly = true;
    b.HintShown = true;
    b.HintAvailable = true;
    b.HintsAlwaysOn = true;
    b.SavedSheetReady = true;
    // The pointer rests on a cell; a row of an earlier game is still lit.
    b.HoverActive = true;
    b.CaptureColumn = colUp;
    b.CaptureRow = 9;
    for (int row : {2, 9}) {
        b.lblOption[row].BackColor = ColourToolTipBack;
        b.lblOption[row].ForeColor = ColourBlack;
    }
    b.FirstRollPending = false;
    b.RollAllowed = false;
    b.UpperBonusGiven = {false, true, false, true, false};
    b.SecondPlayerTurn = {false, true, true, true, true};
    b.OtherPlayerTotal = 77;
    for (int die = 0; die < DieCount; ++die) {
        b.Dice[die] = die + 1;
        b.DiceSnapshot[die] = 6 - die;
        b.DieFreeSnapshot[die] = true;
        t.prog.DieFree[die] = die % 2 == 0;
        b.picDice[die].Enabled = true;
        b.picDice[die].Visible = die % 2 == 0;
        b.PicDiceOff[die].Visible = die % 2 != 0;
    }
    b.lblDownTot1.Caption = "30";
    b.lblUpTot2.Caption = "-12";
    b.lblOblgTot.Caption = "44";
    b.lblGrandTotal.Caption = "150";
    for (int panel = 1; panel <= 5; ++panel) {
        b.StatusBar1.Panels[panel].Text = "panel " + std::to_string(panel);
    }
    for (int lamp = 0; lamp < 3; ++lamp) {
        b.picRound[lamp].Visible = true;
        b.picRoundBG[lamp].Visible = false;
    }
    b.picRollDices.Enabled = false;
    b.picRollDices.Picture = b.picRollOff.Picture;
    b.Toolbar2.Buttons[3].Enabled = true;
    b.Toolbar2.Buttons[4].Enabled = true;
    b.mnuUndoUndo.Enabled = true;
    b.mnuUndoRedo.Enabled = true;
    b.tmrRollDice.Enabled = false;
    b.tmrGameOver.Enabled = true;
    b.cmdDown[4].Visible = true;
    b.cmdDown[4].Enabled = true;
    b.Left = 1234;
    b.Top = 567;
}

} // namespace

// ---- When it acts ------------------------------------------------------------

TEST(NewGameQuestion, NothingBeforeTheFirstRoll) {
    Table t;
    MidGame(t);
    t.prog.GameInProgress = false;
    t.game.mnuNewGame_Click();
    EXPECT_TRUE(t.host.messages.empty());
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_EQ(t.board.Round, 9);
    EXPECT_EQ(t.board.lblGrandTotal.Caption, "150");
    EXPECT_FALSE(t.board.tmrRollDice.Enabled);
}

TEST(NewGameQuestion, RunningGameAsksQuitThisGame) {
    Table t;
    MidGame(t);
    t.game.mnuNewGame_Click();
    ASSERT_EQ(t.host.messages.size(), 1u);
    EXPECT_EQ(t.host.messages[0].text, "Quit this Game?");
    EXPECT_EQ(t.host.messages[0].title, "Confirm");
    EXPECT_EQ(t.host.messages[0].buttons, MsgButtons::OKCancel);
    EXPECT_EQ(t.host.messages[0].icon, MsgIcon::Question);
    EXPECT_EQ(t.board.Round, 0) << "OK starts the new game";
}

TEST(NewGameQuestion, CancelLeavesTheGameAsItWas) {
    Table t;
    MidGame(t);
    t.host.messageAnswers = {MsgResult::Cancel};
    const Board before = t.board;
    const Program progBefore = t.prog;
    t.game.mnuNewGame_Click();

    const Board& b = t.board;
    EXPECT_EQ(t.host.messages.size(), 1u);
    EXPECT_TRUE(t.host.sounds.empty());
    EXPECT_EQ(b.DownRow, before.DownRow);
    EXPECT_EQ(b.UpRow, before.UpRow);
    EXPECT_EQ(b.Round, before.Round);
    EXPECT_EQ(b.RollCount, before.RollCount);
    EXPECT_EQ(b.LastRollCount, before.LastRollCount);
    EXPECT_EQ(b.CurrentColumn, before.CurrentColumn);
    EXPECT_EQ(b.RedoColumn, before.RedoColumn);
    EXPECT_EQ(b.Dice, before.Dice);
    EXPECT_EQ(b.DiceSnapshot, before.DiceSnapshot);
    EXPECT_EQ(b.UpperBonusGiven, before.UpperBonusGiven);
    EXPECT_EQ(b.SecondPlayerTurn, before.SecondPlayerTurn);
    EXPECT_EQ(b.Announced, before.Announced);
    EXPECT_EQ(b.HintAvailable, before.HintAvailable);
    EXPECT_EQ(b.SavedSheetReady, before.SavedSheetReady);
    EXPECT_EQ(b.FirstRollPending, before.FirstRollPending);
    EXPECT_EQ(b.lblGrandTotal.Caption, "150");
    EXPECT_EQ(b.lblUpTot2.Caption, "-12");
    for (int panel = 1; panel <= 5; ++panel) {
        EXPECT_EQ(b.StatusBar1.Panels[panel].Text, before.StatusBar1.Panels[panel].Text);
    }
    EXPECT_TRUE(b.picRound[1].Visible);
    EXPECT_FALSE(b.picRollDices.Enabled);
    EXPECT_TRUE(b.mnuUndoUndo.Enabled);
    EXPECT_TRUE(b.mnuUndoRedo.Enabled);
    EXPECT_FALSE(b.tmrRollDice.Enabled);
    EXPECT_TRUE(b.tmrGameOver.Enabled);
    EXPECT_TRUE(b.cmdDown[4].Visible);
    EXPECT_TRUE(b.cmdDown[4].Enabled);
    EXPECT_EQ(t.prog.DieFree, progBefore.DieFree);
    EXPECT_TRUE(t.prog.GameInProgress);
    EXPECT_TRUE(t.prog.RedoInProgress);
    EXPECT_EQ(t.prog.BoardLeft, progBefore.BoardLeft);
}

TEST(NewGameQuestion, NotAskedWhenOverSwitchedOffOrAlreadyAsked) {
    {
        Table t;
        MidGame(t);
        t.board.GameIsOver = true;
        t.game.mnuNewGame_Click();
        EXPECT_TRUE(t.host.messages.empty());
        EXPECT_FALSE(t.board.GameIsOver);
        EXPECT_EQ(t.board.Round, 0);
    }
    {
        Table t;
        MidGame(t);
        t.prog.Settings.ConfirmQuitGame = false;
        t.game.mnuNewGame_Click();
        EXPECT_TRUE(t.host.messages.empty());
        EXPECT_EQ(t.board.Round, 0);
    }
    {
        Table t;
        MidGame(t);
        t.prog.NewGameAnswer = 1; // the options dialog asked "Start a New Game?"
        t.game.mnuNewGame_Click();
        EXPECT_TRUE(t.host.messages.empty());
        EXPECT_EQ(t.board.Round, 0);
    }
}

// ---- The fresh board ----------------------------------------------------------

TEST(NewGameReset, BoardStateAndControls) {
    Table t;
    MidGame(t);
    t.prog.Settings.ConfirmQuitGame = false;
    t.game.mnuNewGame_Click();
    const Board& b = t.board;

    EXPECT_EQ(b.DownRow, 0);
    EXPECT_EQ(b.UpRow, 12);
    EXPECT_EQ(b.CurrentRow, 0);
    EXPECT_EQ(b.CurrentColumn, colNone);
    EXPECT_EQ(b.RedoColumn, colNone);
    EXPECT_EQ(b.Round, 0);
    EXPECT_EQ(b.RollCount, 0);
    EXPECT_EQ(b.LastRollCount, 0);
    EXPECT_EQ(b.RowScore, 0);
    EXPECT_EQ(b.RandUpperCount, 0);
    EXPECT_EQ(b.OblgUpperCount, 0);
    EXPECT_FALSE(b.Announced);
    EXPECT_FALSE(b.OblgWritten);
    EXPECT_FALSE(b.OblgAfterTwoRolls);
    EXPECT_FALSE(b.RedoOblgTwice);
    EXPECT_FALSE(b.CalcOnly);
    EXPECT_FALSE(b.HintShown);
    EXPECT_FALSE(b.HintAvailable) << "no hint until the first roll";
    EXPECT_FALSE(b.HintsAlwaysOn);
    EXPECT_FALSE(b.SavedSheetReady);
    EXPECT_FALSE(b.HoverActive);
    EXPECT_EQ(b.CaptureColumn, colNone);
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_EQ(b.lblOption[row].BackColor, ColourBlack) << row;
        EXPECT_EQ(b.lblOption[row].ForeColor, ColourWhite) << row;
    }
    EXPECT_FALSE(b.GameIsOver);
    EXPECT_FALSE(t.prog.RedoInProgress);
    EXPECT_FALSE(t.prog.GameInProgress);
    for (int column = colDown; column <= colOblg; ++column) {
        EXPECT_FALSE(b.UpperBonusGiven[column]);
        EXPECT_FALSE(b.SecondPlayerTurn[column]);
        EXPECT_EQ(b.UpperTotal(column).Caption, "");
        EXPECT_EQ(b.MiddleTotal(column).Caption, "");
        EXPECT_EQ(b.ColumnTotal(column).Caption, "");
    }
    EXPECT_EQ(b.lblGrandTotal.Caption, "");

    EXPECT_EQ(t.prog.LastDie, 4);
    for (int die = 0; die <= 4; ++die) {
        EXPECT_EQ(b.Dice[die], 0);
        EXPECT_EQ(b.DiceSnapshot[die], 0);
        EXPECT_FALSE(b.DieFreeSnapshot[die]);
        EXPECT_TRUE(t.prog.DieFree[die]);
        EXPECT_FALSE(b.picDice[die].Enabled);
        EXPECT_TRUE(b.picDice[die].Visible);
        EXPECT_FALSE(b.PicDiceOff[die].Visible);
    }

    EXPECT_EQ(b.StatusBar1.Panels[1].Text, "panel 1") << "one player: panel 1 untouched";
    EXPECT_EQ(b.StatusBar1.Panels[2].Text, "");
    EXPECT_EQ(b.StatusBar1.Panels[3].Text, "");
    EXPECT_EQ(b.StatusBar1.Panels[4].Text, "");
    EXPECT_EQ(b.StatusBar1.Panels[5].Text, "panel 5") << "the clock goes on";
    for (int lamp = 0; lamp < 3; ++lamp) {
        EXPECT_FALSE(b.picRound[lamp].Visible);
        EXPECT_TRUE(b.picRoundBG[lamp].Visible);
    }
    EXPECT_TRUE(b.picRollDices.Visible);
    EXPECT_TRUE(b.picRollDices.Enabled);
    EXPECT_EQ(b.picRollDices.Picture, b.picRollDice.Picture);
    EXPECT_TRUE(b.FirstRollPending);
    EXPECT_TRUE(b.RollAllowed) << "rolls normally after an announce reminder";
    EXPECT_FALSE(b.Toolbar2.Buttons[3].Enabled);
    EXPECT_FALSE(b.Toolbar2.Buttons[4].Enabled);
    EXPECT_FALSE(b.mnuUndoUndo.Enabled);
    EXPECT_FALSE(b.mnuUndoRedo.Enabled);
    EXPECT_TRUE(b.tmrRollDice.Enabled);
    EXPECT_FALSE(b.tmrGameOver.Enabled);
    EXPECT_EQ(t.prog.BoardLeft, 1234);
    EXPECT_EQ(t.prog.BoardTop, 567);
    EXPECT_EQ(t.host.sounds, std::vector<std::string>{"newGame"});
}

TEST(NewGameReset, SoundOnlyWithEnabledBoardAndSoundOn) {
    for (bool boardEnabled : {false, true}) {
        for (bool soundOn : {false, true}) {
            Table t;
            MidGame(t);
            t.prog.Settings.ConfirmQuitGame = false;
            t.board.Enabled = boardEnabled;
            t.prog.SoundOn = soundOn;
            t.game.mnuNewGame_Click();
            EXPECT_EQ(t.host.sounds.size(), boardEnabled && soundOn ? 1u : 0u);
        }
    }
}

TEST(NewGameReset, SixDiceAfterFiveRollAllSix) {
    Table t(4);
    MidGame(t);
    t.prog.Settings.ConfirmQuitGame = false;
    t.prog.Settings.NumberOfDice = 5;
    t.prog.DieFree[5] = false;
    t.board.picDice[5].Visible = false;
    t.board.PicDiceOff[5].Visible = true;
    t.game.mnuNewGame_Click();
    EXPECT_EQ(t.prog.LastDie, 5);
    EXPECT_TRUE(t.prog.DieFree[5]);
    EXPECT_EQ(t.board.Dice[5], 0);
    EXPECT_TRUE(t.board.picDice[5].Visible);
    EXPECT_FALSE(t.board.PicDiceOff[5].Visible);
}

TEST(NewGameReset, HintsAlwaysFromTheSetting) {
    Table t;
    MidGame(t);
    t.prog.Settings.ConfirmQuitGame = false;
    t.prog.Settings.hintAllways = true;
    t.board.mnuHintsByRequest.Enabled = false;
    t.board.mnuHintsAllways.Enabled = true;
    t.game.mnuNewGame_Click();
    EXPECT_TRUE(t.board.HintsAlwaysOn);
    EXPECT_TRUE(t.board.mnuHintsByRequest.Enabled);
    EXPECT_FALSE(t.board.mnuHintsAllways.Enabled);
    EXPECT_FALSE(t.board.Toolbar2.Buttons[6].Enabled) << "the hint button";
}

TEST(NewGameReset, TwoPlayerGameStartsWithPlayerOne) {
    Table t(4, 4, 2);
    MidGame(t);
    t.prog.Settings.Player1 = FixedText10("Ann");
    t.board.GameIsOver = true;
    t.board.Caption = "Quorvane - Player 2";
    t.board.cmdShowNextBoard.Visible = true;
    t.board.cmdShowNextBoard.Enabled = true;
    t.board.cmdShowNextBoard.Caption = "    Show      Player 2's  Board";
    t.board.cmdNextPlayer.Visible = true;
    t.game.mnuNewGame_Click();

    const Board& b = t.board;
    EXPECT_FALSE(b.cmdShowNextBoard.Visible);
    EXPECT_FALSE(b.cmdShowNextBoard.Enabled);
    EXPECT_EQ(b.cmdShowNextBoard.Caption, "    Show      Player 1's  Board");
    EXPECT_FALSE(b.cmdNextPlayer.Visible);
    EXPECT_EQ(b.OtherPlayerTotal, 0);
    EXPECT_EQ(b.StatusBar1.Panels[1].Text, "Ann       ");
    EXPECT_EQ(b.StatusBar1.Panels[3].Text, "0 : 0");
    EXPECT_EQ(b.Caption, "Quorvane - Player 1");
    EXPECT_FALSE(b.SecondPlayerTurn[1]);
    EXPECT_FALSE(b.SavedSheetReady);
}

// The options dialog turns a finished two-player game into a one-player
// game: the viewer of the old game must go, or a click on it would swap the
// old game's saved sheet into the new one, and Enter would never roll.
TEST(NewGameReset, OnePlayerGameAfterATwoPlayerGameTakesAwayTheViewer) {
    Table t(4, 4, 2);
    MidGame(t);
    t.board.GameIsOver = true;
    t.board.cmdShowNextBoard.Visible = true;
    t.board.cmdShowNextBoard.Enabled = true;
    t.board.cmdNextPlayer.Visible = true;
    t.prog.Settings.NumberOfPlayers = 1;
    t.prog.NewGameAnswer = 1;
    t.game.mnuNewGame_Click();
    t.game.SetControls();

    EXPECT_FALSE(t.board.cmdShowNextBoard.Visible);
    EXPECT_FALSE(t.board.cmdShowNextBoard.Enabled);
    EXPECT_FALSE(t.board.cmdNextPlayer.Visible);
    t.game.Form_KeyPress(13);
    EXPECT_TRUE(t.prog.GameInProgress) << "Enter rolls in the new game";
    EXPECT_EQ(t.board.RollCount, 1);
}

// Four columns, then one, then four again before the first roll (the
// options dialog lays the board out without a new game when none is in
// progress): the cells of the first game must not come back enabled.
TEST(NewGameReset, OneColumnGameLeavesNoFourColumnCellEnabled) {
    Table t;
    t.game.picRollDices_MouseUp(1, 0, 615, 645); // enables every cell button
    t.prog.Settings.NumberOfColumns = 1;
    t.prog.NewGameAnswer = 1;
    t.game.mnuNewGame_Click();
    t.game.SetControls();
    t.prog.Settings.NumberOfColumns = 4;
    t.game.SetControls();

    for (int column = colDown; column <= colOblg; ++column) {
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_FALSE(t.board.Buttons(column)[row].Enabled) << column << " " << row;
        }
    }
    t.game.picRollDices_MouseUp(1, 0, 615, 645);
    for (int row = 0; row < RowCount; ++row) {
        EXPECT_EQ(t.board.cmdDown[row].Visible, row == 0);
        EXPECT_EQ(t.board.cmdUp[row].Visible, row == 12);
    }
}

TEST(NewGameReset, FourColumnCellButtonsFollowTheReveal) {
    for (int variant : {1, 5}) {
        Table t;
        MidGame(t);
        t.prog.Settings.ConfirmQuitGame = false;
        t.board.RevealVariant = variant;
        t.host.defaultRandom = ForVariant(variant, 4);
        t.game.mnuNewGame_Click();
        ASSERT_EQ(t.board.RevealVariant, variant);
        for (int column = colDown; column <= colOblg; ++column) {
            for (int row = 0; row < RowCount; ++row) {
                EXPECT_FALSE(t.board.Buttons(column)[row].Enabled);
                EXPECT_EQ(t.board.Buttons(column)[row].Visible, variant == 1);
            }
        }
    }
}

TEST(NewGameReset, OneColumnCellButtonsFollowTheReveal) {
    for (int variant : {2, 3}) {
        Table t(4, 1, 1);
        MidGame(t);
        t.prog.Settings.ConfirmQuitGame = false;
        t.board.cmdOblg[2].Visible = true;
        t.board.cmdRand[2].Enabled = true;
        t.board.RevealVariant = variant;
        t.host.defaultRandom = ForVariant(variant, 1);
        t.game.mnuNewGame_Click();
        ASSERT_EQ(t.board.RevealVariant, variant);
        for (int row = 0; row < RowCount; ++row) {
            EXPECT_FALSE(t.board.cmdRand[row].Enabled);
            EXPECT_EQ(t.board.cmdRand[row].Visible, variant == 3);
        }
        if (variant == 2) {
            EXPECT_FALSE(t.board.cmdOblg[2].Visible);
        }
    }
}
