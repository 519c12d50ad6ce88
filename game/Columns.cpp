// Writing a score: the click handlers of the four columns' cell buttons and
// ResetTurn, which ends a turn before the score is computed. Down, Up and
// Rand share one commit sequence; Oblg announces a row on its first click
// and writes it on the next (or after the third roll).
#include "Game.h"
#include "NumberText.h"
#include "TurnSteps.h"

namespace game {

namespace {

constexpr int BonusThreshold = 63;
constexpr int UpperBonus = 35;

bool ValidRow(int row) {
    return row >= 0 && row < RowCount;
}

bool TwoPlayers(const Program& prog) {
    return prog.Settings.NumberOfPlayers == 2;
}

// Keeps the hint texts for undo, then clears them.
void SnapshotAndClearTips(Board& board) {
    for (int row = 0; row < RowCount; ++row) {
        board.TipSnapshot[row] = board.lblTip[row].Caption;
        board.lblTip[row].Caption = "";
    }
}

void HideNextDownAndUp(Board& board) {
    if (board.UpRow >= 0 && board.UpRow < RowCount) {
        board.cmdUp[board.UpRow].Visible = false;
    }
    if (board.DownRow <= 12 && board.DownRow >= 0) {
        board.cmdDown[board.DownRow].Visible = false;
    }
}

// The clicked row's name loses its highlight and the button lets go of the mouse.
void RowHighlightOff(Game& game, int row) {
    game.board.HoverActive = false;
    game.board.lblOption[row].BackColor = ColourBlack;
    game.board.lblOption[row].ForeColor = ColourWhite;
    game.ReleaseCapture();
}

// "score" or "scoreZero"; the player's last move waits for its sound.
void PlayScoreSound(Game& game) {
    if (!game.prog.SoundOn || game.prog.RedoInProgress) {
        return;
    }
    const std::string name = game.board.RowScore != 0 ? "score" : "scoreZero";
    if (game.board.Round == game.MovesPerSheet() - 1) {
        game.PlaySoundSync(name);
    } else {
        game.PlaySoundAsync(name);
    }
}

// Down and Up earn their upper bonus on the last upper row of their order,
// tested once, on that move only.
void DownUpBonus(Board& board, int column) {
    Control& upper = board.UpperTotal(column);
    if (ReadNumber(upper.Caption) >= BonusThreshold) {
        upper.Caption = TotalText(ReadNumber(upper.Caption) + UpperBonus);
        Control& total = board.ColumnTotal(column);
        total.Caption = TotalText(ReadNumber(total.Caption) + UpperBonus);
        board.UpperBonusGiven[column] = true;
    }
}

// The commit sequence of Down, Up and Rand.
void WriteScore(Game& game, int column, int Index) {
    Board& board = game.board;
    Program& prog = game.prog;
    if (!ValidRow(Index)) {
        return;
    }
    board.CurrentColumn = column;
    board.CurrentRow = Index;
    turn::OfferUndo(board);
    SnapshotAndClearTips(board);
    board.Buttons(column)[Index].Visible = false;
    game.ResetTurn();
    game.ScoreRow(Index);
    if ((column == colDown && Index == rowSixes) || (column == colUp && Index == rowOnes)) {
        DownUpBonus(board, column);
    }
    turn::WriteGrandTotal(board);
    if (column == colRand && prog.Settings.NumberOfColumns == 1) {
        board.cmdRand[Index].Picture = board.img1ColumnP[Index].Picture;
    }
    PlayScoreSound(game);
    if (column == colDown) {
        ++board.DownRow;
    } else if (column == colUp) {
        --board.UpRow;
    }
    ++board.Round;
    turn::RollButtonNormal(board);
    // No hint for a written move; set before the end-of-game check, so that
    // its Undo Last Move makes the hint available again as any undo does.
    board.HintAvailable = false;

    EndOfGame outcome = EndOfGame::NotOver;
    if (board.Round == game.MovesPerSheet()) {
        outcome = game.CheckEndOfGame();
    }
    const auto after =
        turn::FollowEndOfGame(column, outcome, TwoPlayers(prog), board.SecondPlayerTurn[1]);
    if (after.endsHandler) {
        // The end of the game cuts the handler short; the row under the
        // pointer must not stay lit into the next game.
        RowHighlightOff(game, Index);
        return;
    }
    prog.RedoInProgress = false;
    if (TwoPlayers(prog) && after.showsNextPlayer) {
        board.cmdNextPlayer.Visible = true;
    }
    if (TwoPlayers(prog)) {
        board.StatusBar1.Panels[3].Text = turn::PlayersTotalsText(board);
    } else if (outcome != EndOfGame::UndoneLastMove) {
        board.StatusBar1.Panels[2].Text = "Roll the dice or undo last move";
    }
    RowHighlightOff(game, Index);
}

void AnnounceOblg(Game& game, int Index) {
    Board& board = game.board;
    Program& prog = game.prog;
    for (int die = 0; die <= prog.LastDie; ++die) {
        board.DieFreeSnapshot[die] = prog.DieFree[die];
        board.DiceSnapshot[die] = board.Dice[die];
    }
    turn::OfferUndo(board);
    if (prog.SoundOn && !prog.RedoInProgress) {
        game.PlaySoundAsync("announce");
    }
    for (int row = 0; row < RowCount; ++row) {
        board.cmdOblg[row].Visible = false;
        board.cmdRand[row].Visible = false;
    }
    board.cmdOblg[Index].Visible = true;
    HideNextDownAndUp(board);
    board.RollCount = 1;
    board.LastRollCount = 1;
    board.Announced = true;
    prog.RedoInProgress = false;
    RowHighlightOff(game, Index);
}

void WriteOblg(Game& game, int Index) {
    Board& board = game.board;
    Program& prog = game.prog;
    board.OblgAfterTwoRolls = false;
    board.cmdOblg[Index].Visible = false;
    board.LastRollCount = board.RollCount;
    board.RollCount = 0;
    turn::SetLamps(board, 0);
    board.OblgWritten = true;
    // The hold flags' copy stays the one the announcement took.
    for (int die = 0; die <= prog.LastDie; ++die) {
        turn::IdleFreeDie(board, prog, die);
        board.DiceSnapshot[die] = board.Dice[die];
    }
    game.ScoreRow(Index);
    turn::WriteGrandTotal(board);
    PlayScoreSound(game);
    turn::RollButtonNormal(board);
    // A write after the third roll is the one move that cannot be taken back.
    if (board.LastRollCount < 3) {
        turn::OfferUndo(board);
        board.StatusBar1.Panels[2].Text = "Roll the dice or undo last move";
    } else {
        board.StatusBar1.Panels[2].Text = "Roll the dice";
    }
    if (board.LastRollCount == 2) {
        board.OblgAfterTwoRolls = true;
    }
    ++board.Round;
    board.Announced = false;
    board.RedoOblgTwice = false;
    prog.RedoInProgress = false;
    board.HintAvailable = false; // before the end-of-game check, as in WriteScore

    EndOfGame outcome = EndOfGame::NotOver;
    if (board.Round == game.MovesPerSheet()) {
        outcome = game.CheckEndOfGame();
    }
    const auto after =
        turn::FollowEndOfGame(colOblg, outcome, TwoPlayers(prog), board.SecondPlayerTurn[1]);
    if (after.endsHandler) {
        // The end of the game cuts the handler short; the row under the
        // pointer must not stay lit into the next game.
        RowHighlightOff(game, Index);
        return;
    }
    // Undo Last Move of a write made on the announcing roll leaves that
    // row announced again.
    if (outcome == EndOfGame::UndoneLastMove && board.LastRollCount == 1) {
        board.Announced = true;
    }
    if (TwoPlayers(prog) && after.showsNextPlayer) {
        board.cmdNextPlayer.Visible = true;
    }
    if (TwoPlayers(prog)) {
        board.StatusBar1.Panels[3].Text = turn::PlayersTotalsText(board);
    }
    RowHighlightOff(game, Index);
}

} // namespace

void Game::ResetTurn() {
    for (int row = 0; row < RowCount; ++row) {
        board.cmdOblg[row].Visible = false;
        board.cmdRand[row].Visible = false;
    }
    HideNextDownAndUp(board);
    turn::SetLamps(board, 0);
    board.LastRollCount = board.RollCount;
    board.RollCount = 0;
    for (int die = 0; die <= prog.LastDie; ++die) {
        board.DieFreeSnapshot[die] = prog.DieFree[die];
        turn::IdleFreeDie(board, prog, die);
        board.DiceSnapshot[die] = board.Dice[die];
    }
}

void Game::cmdDown_Click(std::int16_t Index) {
    WriteScore(*this, colDown, Index);
}

void Game::cmdUp_Click(std::int16_t Index) {
    WriteScore(*this, colUp, Index);
}

void Game::cmdRand_Click(std::int16_t Index) {
    WriteScore(*this, colRand, Index);
}

void Game::cmdOblg_Click(std::int16_t Index) {
    if (!ValidRow(Index)) {
        return;
    }
    board.CurrentColumn = colOblg;
    board.CurrentRow = Index;
    if (!board.RollAllowed) {
        turn::RollButtonNormal(board);
        board.RollAllowed = true;
    }
    SnapshotAndClearTips(board);
    if (board.Announced || board.OblgAfterTwoRolls) {
        WriteOblg(*this, Index);
    } else {
        AnnounceOblg(*this, Index);
    }
}

void Game::CellClick(int column, std::int16_t Index) {
    switch (column) {
    case colDown:
        cmdDown_Click(Index);
        break;
    case colUp:
        cmdUp_Click(Index);
        break;
    case colRand:
        cmdRand_Click(Index);
        break;
    case colOblg:
        cmdOblg_Click(Index);
        break;
    default:
        break;
    }
}

} // namespace game
