// New Game: leaves the running or finished game and prepares a fresh board
// whose cells come back through the reveal animation.
#include "Game.h"
#include "TurnSteps.h"

namespace game {

void Game::mnuNewGame_Click() {
    const GameSettings& settings = prog.Settings;
    auto& panels = board.StatusBar1.Panels;

    // Nothing to leave before the first roll.
    if (!prog.GameInProgress) {
        return;
    }
    // The options dialog has already asked when it answers 1.
    if (prog.NewGameAnswer != 1 && settings.ConfirmQuitGame && !board.GameIsOver) {
        if (host.MessageBox("Quit this Game?", "Confirm", MsgButtons::OKCancel,
                            MsgIcon::Question) == MsgResult::Cancel) {
            return;
        }
    }

    board.GameIsOver = false;

    board.DownRow = 0;
    board.UpRow = 12;
    board.CurrentRow = 0;
    board.CurrentColumn = colNone;
    board.RedoColumn = colNone;
    board.Round = 0;
    board.RollCount = 0;
    board.LastRollCount = 0;
    board.RowScore = 0;
    board.RandUpperCount = 0;
    board.OblgUpperCount = 0;
    board.Announced = false;
    board.OblgWritten = false;
    board.OblgAfterTwoRolls = false;
    board.RedoOblgTwice = false;
    board.CalcOnly = false;
    board.HintShown = false;
    board.HintAvailable = false;
    board.HintsAlwaysOn = false;
    board.SavedSheetReady = false;
    // No row of the old game stays lit and no button keeps the mouse.
    EndRowHighlight();
    board.HoverActive = false;
    for (Control& name : board.lblOption) {
        name.BackColor = ColourBlack;
        name.ForeColor = ColourWhite;
    }
    prog.RedoInProgress = false;

    prog.LastDie = settings.NumberOfDice;
    for (int die = 0; die <= prog.LastDie && die < DieCount; ++die) {
        board.Dice[die] = 0;
        board.DiceSnapshot[die] = 0;
        board.DieFreeSnapshot[die] = false;
        turn::IdleFreeDie(board, prog, die);
    }

    board.UpperBonusGiven.fill(false);
    board.SecondPlayerTurn.fill(false);

    if (board.Enabled && prog.SoundOn) {
        PlaySoundAsync("newGame");
    }

    for (int column = colDown; column <= colOblg; ++column) {
        board.UpperTotal(column).Caption = "";
        board.MiddleTotal(column).Caption = "";
        board.ColumnTotal(column).Caption = "";
    }
    board.lblGrandTotal.Caption = "";

    panels[2].Text = "";
    panels[3].Text = "";
    panels[4].Text = "";

    turn::SetLamps(board, 0);
    board.picRollDices.Visible = true;
    board.picRollDices.Picture = board.picRollDice.Picture;

    prog.GameInProgress = false;

    // The board viewer starts every game offering player 1's sheet. The
    // viewer and Next Player belong to the game that is left, also when the
    // new game has one player only: a viewer left on offer would swap a
    // stale sheet into the new game and keep Enter from rolling.
    board.cmdShowNextBoard.Caption = ShowPlayer1BoardCaption;
    board.cmdShowNextBoard.Visible = false;
    board.cmdShowNextBoard.Enabled = false;
    board.cmdNextPlayer.Visible = false;
    if (settings.NumberOfPlayers == 2) {
        board.OtherPlayerTotal = 0;
        panels[1].Text = FixedText10(settings.Player1);
        panels[3].Text = "0 : 0";
        board.Caption = PlayerOneCaption;
    }

    if (settings.hintAllways) {
        board.HintsAlwaysOn = true;
        board.mnuHintsByRequest.Enabled = true;
        board.mnuHintsAllways.Enabled = false;
        board.Toolbar2.Buttons[6].Enabled = false; // the hint button
    }

    prog.BoardLeft = board.Left;
    prog.BoardTop = board.Top;

    StartSheetAnimation();

    for (int row = 0; row < RowCount; ++row) {
        if (settings.NumberOfColumns == 4) {
            const bool shown = board.RevealVariant == 1;
            for (int column = colDown; column <= colOblg; ++column) {
                board.Buttons(column)[row].Enabled = false;
                board.Buttons(column)[row].Visible = shown;
            }
        } else {
            if (board.RevealVariant == 3 || board.RevealVariant == 4) {
                board.cmdRand[row].Visible = true;
                board.cmdRand[row].Enabled = false;
            } else {
                board.cmdRand[row].Visible = false;
                board.cmdRand[row].Enabled = false;
                board.cmdOblg[row].Visible = false;
            }
            // The other columns are not played, but a switch to four columns
            // before the first roll lays them out again as they stand: they
            // must not keep the enabled state of an earlier game's cells.
            board.cmdDown[row].Enabled = false;
            board.cmdUp[row].Enabled = false;
            board.cmdOblg[row].Enabled = false;
        }
    }

    board.FirstRollPending = true;
    board.RollAllowed = true;
    board.picRollDices.Enabled = true;
    turn::WithdrawUndoRedo(board);
    board.tmrRollDice.Enabled = true;
    board.tmrGameOver.Enabled = false;
}

} // namespace game
