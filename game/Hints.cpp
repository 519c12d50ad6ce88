// The hint engine: what every row with a shown cell button would score with
// the dice on the table.
#include "Game.h"
#include "NumberText.h"

namespace game {

void Game::ShowHints() {
    board.CalcOnly = true;
    const auto savedDice = board.Dice;
    const auto savedScore = board.RowScore;
    SortDice();
    for (int row = 0; row < RowCount; ++row) {
        ScoreRow(row);
        const bool offered = board.cmdDown[row].Visible || board.cmdUp[row].Visible ||
                             board.cmdRand[row].Visible || board.cmdOblg[row].Visible;
        if (offered && board.RowScore > 0) {
            board.lblTip[row].Caption = CellText(board.RowScore);
        }
    }
    board.Dice = savedDice;
    board.RowScore = savedScore;
    board.CalcOnly = false;
}

} // namespace game
