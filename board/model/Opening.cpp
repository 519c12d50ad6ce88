// The model's part of opening the board window and of the two keys it
// answers. The window itself installs the cursor and the menu pictures.
#include "Game.h"
#include "TurnSteps.h"

#include <algorithm>
#include <cmath>

namespace game {

void Game::Form_Load(int screenWidthTwips, int screenHeightTwips) {
    board.Width = 4900;
    if (prog.BoardLeft != 0) {
        board.Left = prog.BoardLeft;
        board.Top = prog.BoardTop;
    } else {
        // Centred across and high on the screen; a Top above the screen
        // (a screen under 8100 twips high) is kept as it is.
        board.Left = static_cast<int>(std::lround((screenWidthTwips - board.Width) / 2.0));
        board.Top = static_cast<int>(std::lround((screenHeightTwips - 8100) / 4.3));
    }

    prog.LastDie = prog.Settings.NumberOfDice;
    SetSheetHeight();
    ShowHintColumn();

    board.FirstRollPending = true;
    board.RollAllowed = true;
    board.UpRow = 12;

    SetControls();

    // The dice of the first game; none can be set aside before the first roll.
    const int lastDie = std::min(prog.LastDie, DieCount - 1);
    for (int die = 0; die <= lastDie; ++die) {
        turn::IdleFreeDie(board, prog, die);
    }

    // Nothing to undo or redo yet.
    turn::WithdrawUndoRedo(board);

    // The clock counts from here for the rest of the run.
    board.lblTimeElapsed.Caption = "00:00:00";
    board.tmrTimeElapsed.Enabled = true;
}

void Game::Form_KeyPress(int key) {
    constexpr int Enter = 13;
    constexpr int Space = 32;
    if (key == Space) {
        board.Minimized = true;
    } else if (key == Enter) {
        // A roll exactly as a click in the middle of the roll picture, but
        // never after a two-player game, while the board viewer is offered.
        if (board.picRollDices.Enabled && !board.cmdShowNextBoard.Visible) {
            picRollDices_MouseUp(1, 0, 615, 645);
        }
    }
}

} // namespace game
