// The end of a game: the check that a column handler runs after counting its
// move, the "Finish Game?" question, GameOver and the winner dialog's texts.
#include "Game.h"
#include "NumberText.h"
#include "TurnSteps.h"

namespace game {

namespace {

// Removes the blanks that pad a stored name to 10 characters.
std::string TrimRight(std::string text) {
    const auto end = text.find_last_not_of(' ');
    text.erase(end == std::string::npos ? 0 : end + 1);
    return text;
}

const char* const GameOverMarquee = "G a m e  O v e r !";
const char* const NewGameHint = "To begin a new";
const char* const NewGameHintEnd = " game click the 'New Game' button or press F2";

} // namespace

EndOfGame Game::CheckEndOfGame() {
    if (board.Round < MovesPerSheet()) {
        return EndOfGame::NotOver;
    }
    // A last box written on the third roll could not have been bettered by
    // another roll, so the game ends without asking.
    if (board.LastRollCount == 3) {
        GameOver();
        return EndOfGame::OverAfterThreeRolls;
    }
    prog.EndGameFinish = host.AskFinishGame();
    if (prog.EndGameFinish) {
        GameOver();
        return EndOfGame::Finished;
    }
    mnuUndoUndo_Click();
    return EndOfGame::UndoneLastMove;
}

void Game::GameOver() {
    const GameSettings& settings = prog.Settings;
    const bool twoPlayers = settings.NumberOfPlayers == 2;
    auto& panels = board.StatusBar1.Panels;

    prog.GameInProgress = false;
    // One blank, built rather than assigned from " ": GCC 12 at -O3 reports
    // a false -Wrestrict overlap for the assignment of a short literal.
    panels[2].Text = std::string(1, ' ');

    EnterTopScore();
    panels[2].Text = "";
    const bool tookPlace = prog.NewScorePosition >= 1 && prog.NewScorePosition <= 20;

    if (!twoPlayers) {
        host.ShowTopScores();
    } else {
        if (tookPlace) {
            host.ShowTopScores();
        }
        if (!board.SecondPlayerTurn[1]) {
            // The first player's sheet is full: only the total is kept, and
            // play goes on with the second player. The total is in the
            // top-score table now, so the last move can no longer be taken
            // back (and entered a second time).
            prog.Player1Total = ReadWholeNumber(board.lblGrandTotal.Caption);
            turn::WithdrawUndoRedo(board);
            // The game is still in progress: New Game asks before it leaves
            // it, and the options dialog does not lay the board out afresh
            // under the second player's running game.
            prog.GameInProgress = true;
            return;
        }
        prog.Player2Total = ReadWholeNumber(board.lblGrandTotal.Caption);
        // The status bar shows the final totals here: a last box written on
        // the third roll ends its column handler before the handler's own
        // update of panel 3.
        panels[3].Text = turn::PlayersTotalsText(board);

        WinnerTexts texts;
        texts.lblPlayer1 = TrimRight(settings.Player1) + "'s Total Score:";
        texts.lblPlayer2 = TrimRight(settings.Player2) + "'s Total Score:";
        texts.lblScore1 = std::to_string(prog.Player1Total);
        texts.lblScore2 = std::to_string(prog.Player2Total);
        std::string sound = "applause";
        if (prog.Player1Total > prog.Player2Total) {
            texts.lblWiner = FixedText10(settings.Player1) + "Wins!";
        } else if (prog.Player2Total > prog.Player1Total) {
            texts.lblWiner = FixedText10(settings.Player2) + "Wins!";
        } else {
            texts.lblWiner = "It's a Draw!";
            sound = "draw";
        }
        if (prog.SoundOn) {
            PlaySoundAsync(sound); // the dialog's sound starts as it opens
        }
        host.ShowWinner(texts);

        // The board viewer: player 2's sheet is on screen, so the first click
        // must bring player 1's.
        board.cmdShowNextBoard.Caption = ShowPlayer1BoardCaption;
        board.cmdShowNextBoard.Visible = true;
        board.cmdShowNextBoard.Enabled = true;
    }

    // Both sheets are full after a two-player game too: a roll would offer
    // no cell, so the roll button is switched off in either game.
    turn::RollButtonOff(board);

    turn::WithdrawUndoRedo(board);

    prog.GameInProgress = true;
    board.GameIsOver = true;

    board.MarqueeText = std::string(50, ' ') + GameOverMarquee + std::string(28, ' ') +
                        NewGameHint + NewGameHintEnd;
    board.tmrGameOver.Interval = 1;
    board.tmrGameOver.Enabled = true;
}

} // namespace game
