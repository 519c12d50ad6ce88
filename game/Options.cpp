// The board's Options command around its dialog: what it keeps before the
// dialog opens and how it applies the result to the board and the game.
#include "Game.h"
#include "TurnSteps.h"

namespace game {

KeptOptions Game::BeginOptions() {
    const GameSettings& s = prog.Settings;
    KeptOptions kept;
    kept.NumberOfColumns = s.NumberOfColumns;
    kept.NumberOfDice = s.NumberOfDice;
    kept.ShowStatusBar = s.ShowStatusBar;
    kept.NumberOfPlayers = s.NumberOfPlayers;

    prog.OpenedFromBoard = true;
    prog.SettingsChanged = false;
    prog.NewGameAnswer = 0;
    return kept;
}

void Game::ApplyOptions(const KeptOptions& kept) {
    GameSettings& s = prog.Settings;

    if (s.NumberOfColumns != kept.NumberOfColumns || s.NumberOfDice != kept.NumberOfDice ||
        s.NumberOfPlayers != kept.NumberOfPlayers) {
        if (prog.GameInProgress) {
            const MsgResult answer =
                host.MessageBox("Click OK to start a new game or click Cancel to discard changes "
                                "and return to current game.",
                                "Start a New Game?", MsgButtons::OKCancel, MsgIcon::Question);
            prog.NewGameAnswer = answer == MsgResult::OK ? 1 : 2;
            if (prog.NewGameAnswer == 1) {
                mnuNewGame_Click();
                SetControls();
                // The answer stood for this one new game only: a later New
                // Game must ask "Quit this Game?" again.
                prog.NewGameAnswer = 0;
                return;
            }
        } else {
            // Before the first roll the new dice count shows at once.
            prog.LastDie = s.NumberOfDice;
            for (int die = 0; die <= prog.LastDie && die < DieCount; ++die) {
                turn::IdleFreeDie(board, prog, die);
            }
            SetControls();
        }
    }

    if (prog.NewGameAnswer == 2) {
        s.NumberOfColumns = kept.NumberOfColumns;
        s.NumberOfDice = kept.NumberOfDice;
        s.NumberOfPlayers = kept.NumberOfPlayers;
    }

    if (s.ShowStatusBar != kept.ShowStatusBar) {
        ArrangeStatusBar();
    }
}

} // namespace game
