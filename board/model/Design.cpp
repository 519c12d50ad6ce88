#include "board/model/Design.h"

#include "game/Board.h"

namespace game {

void LoadDesignGeometry(Board& board) {
    // Score columns: Down at 2205, then Up, Rand and Oblg 600 twips apart.
    const int columnLefts[] = {2205, 2805, 3405, 4005};
    int column = 0;
    for (RowLabels* cells : {&board.lblDown, &board.lblUp, &board.lblRand, &board.lblOblg}) {
        for (Control& cell : *cells) {
            cell.Left = columnLefts[column];
            cell.Width = 600;
        }
        ++column;
    }
    column = 0;
    for (RowLabels* buttons : {&board.cmdDown, &board.cmdUp, &board.cmdRand, &board.cmdOblg}) {
        for (Control& button : *buttons) {
            button.Left = columnLefts[column];
            button.Width = 600;
        }
        ++column;
    }
    board.lblRandTot1.Left = board.lblRandTot2.Left = board.lblRandTot.Left = 3405;
    board.lblRandTot1.Width = board.lblRandTot2.Width = board.lblRandTot.Width = 600;
    board.lblGrandTotal.Left = 2205;
    board.lblGrandTotal.Width = 2400;
    for (int row = 0; row < RowCount; ++row) {
        board.lblOption[row].Left = 30;
        board.lblOption[row].Width = 1250;
        board.shpOptions[row].Left = 30;
        board.shpOptions[row].Width = 1250;
        board.lblTip[row].Left = 1300;
        board.lblTip[row].Width = 300;
    }
}

} // namespace game
