// The handlers and procedures of the game: the rules, the turn, the game
// flow and the window-side procedures that only move, show and hide controls
// of the board model. Each topic lives in its own source file; everything
// outside the model goes through the Host.
#pragma once

#include "Board.h"
#include "Host.h"
#include "Program.h"

#include <cstdint>
#include <string>

namespace game {

// How a column handler goes on after its end-of-game check.
enum class EndOfGame {
    NotOver,             // the sheet is not full yet
    OverAfterThreeRolls, // the last move used three rolls: GameOver ran, no question
    Finished,            // "Finish Game": GameOver ran
    UndoneLastMove,      // "Undo Last Move": the move has been taken back
};

// The settings that the board's Options command keeps before it opens the
// options dialog, so that it can tell what the dialog changed and undo the
// changes that would need a new game.
struct KeptOptions {
    std::int32_t NumberOfColumns = 0;
    std::int32_t NumberOfDice = 0;
    std::int32_t NumberOfPlayers = 0;
    bool ShowStatusBar = false;
};

class Game {
public:
    Game(Board& board, Program& program, Host& host);

    Board& board;
    Program& prog;
    Host& host;

    // ---- Row scorers (Scoring.cpp) -----------------------------------------
    void SortDice();
    void ScoreUpperRow(std::uint8_t face);
    void ScoreMaxRow();
    void ScoreMinRow();
    void ScoreThreeOfAKind();
    void ScoreFullHouse();
    void ScoreStraight();
    void ScoreFourOfAKind();
    void ScoreFiveOfAKind();
    // Runs the scorer of `row` (rows 0 to 5 with face row + 1).
    void ScoreRow(int row);

    // ---- Hints (Hints.cpp) -------------------------------------------------
    void ShowHints();

    // ---- Writing a score (Columns.cpp) -------------------------------------
    void ResetTurn();
    void cmdDown_Click(std::int16_t Index);
    void cmdUp_Click(std::int16_t Index);
    void cmdRand_Click(std::int16_t Index);
    void cmdOblg_Click(std::int16_t Index);
    // The click handler of `column`'s cell button in row Index; no column, nothing.
    void CellClick(int column, std::int16_t Index);

    // ---- The roll and holding dice (Roll.cpp, Hold.cpp) --------------------
    void picRollDices_MouseUp(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void cmdNextPlayer_Click();
    void picDice_Click(std::int16_t Index);
    void PicDiceOff_Click(std::int16_t Index);

    // ---- Undo and redo (Undo.cpp) ------------------------------------------
    void mnuUndoUndo_Click();
    void mnuUndoRedo_Click();

    // ---- End of game (EndOfGame.cpp), top scores (TopScores.cpp) -----------
    // The end-of-game check that a column handler runs after counting its
    // move; it tells the handler how the rest of the handler goes on. With two
    // players the handler tells the first player's end from the second's by
    // SecondPlayerTurn, which the check leaves as it found it.
    EndOfGame CheckEndOfGame();
    void GameOver();
    // Enters the shown grand total into the top-score file of the rule set
    // and dice count in play; fills NewScore, NewScorePosition and the rest.
    void EnterTopScore();

    // ---- Two players (TwoPlayers.cpp), new game (NewGame.cpp) --------------
    void SwapPlayerSheets();
    void SwapPlayerSheet1Column();
    void cmdShowNextBoard_Click();
    void mnuNewGame_Click();

    // ---- The board's Options command (Options.cpp) -------------------------
    // Before the options dialog opens: keeps the settings it may change and
    // resets OpenedFromBoard, SettingsChanged and NewGameAnswer for it.
    KeptOptions BeginOptions();
    // After the dialog has closed: a changed rule set, dice count or player
    // count starts a new game (asking first while a game is in progress) or,
    // before the first roll, takes effect at once; a refused new game puts
    // those three back. A changed status-bar choice re-arranges the bar.
    void ApplyOptions(const KeptOptions& kept);

    // ---- Window-side procedures over the model (board/model) ---------------
    // Opening and keys: the model's part of creating the board window, given
    // the screen size in twips, and a character key pressed on the board.
    void Form_Load(int screenWidthTwips, int screenHeightTwips);
    void Form_KeyPress(int key);
    // Layout
    void SetControls();
    void ArrangeStatusBar();
    void SetSheetHeight();
    void ShowHintColumn();
    // Status bar and timers
    void ShowTurnPlayerName(std::int32_t code);
    void tmrTimeElapsed_Timer();
    void tmrRollDice_Timer();
    void tmrGameOver_Timer();
    // Reveal animation
    void StartSheetAnimation();
    void ShuffleRevealOrder();
    void tmrAnimation_Timer();
    // Toolbar and menu switches
    void Toolbar2_ButtonClick(const std::string& key);
    void mnuHintsByRequest2_Click();
    void mnuHintsAllways2_Click();
    void mnuSoundsOff2_Click();
    void mnuSoundsOn2_Click();
    // Row highlight and roll-button look; X and Y in twips from the button's corner
    void cmdDown_MouseMove(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                           float Y);
    void cmdUp_MouseMove(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                         float Y);
    void cmdRand_MouseMove(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                           float Y);
    void cmdOblg_MouseMove(std::int16_t Index, std::int16_t Button, std::int16_t Shift, float X,
                           float Y);
    // The mouse-move handler of `column`'s cell button in row Index.
    void CellMouseMove(int column, std::int16_t Index, float X, float Y);
    void picRollDices_MouseDown(std::int16_t Button, std::int16_t Shift, float X, float Y);
    void ReleaseCapture();
    // The hovered cell button loses the pointer as if it had left it: a
    // window is about to take the mouse (a modal window opens).
    void EndRowHighlight();

    // ---- Small shared steps ------------------------------------------------
    // Sounds; callers test SoundOn themselves.
    void PlaySoundAsync(const std::string& name) { host.PlaySoundAsync(name); }
    void PlaySoundSync(const std::string& name) { host.PlaySoundSync(name); }

    // Number of the last move of a sheet: 52 with four columns, 13 with one.
    int MovesPerSheet() const;

private:
    // Writes RowScore into the cell of CurrentColumn/CurrentRow and raises the
    // column's totals, the middle total and, in Rand and Oblg, the upper bonus.
    void PostScore();
    void UpperBonusStep(int column);
};

} // namespace game
