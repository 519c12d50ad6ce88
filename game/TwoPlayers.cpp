// Two players at one board: the shown sheet and the waiting player's saved
// copy are exchanged at each turn change, and after the game the board
// viewer exchanges the two finished sheets on every click.
#include "Game.h"
#include "NumberText.h"

#include <initializer_list>
#include <utility>

namespace game {

namespace {

constexpr std::int32_t EmptyCellMark = 2000;  // an empty cell or column total
constexpr std::int32_t EmptyGrandMark = 3000; // an empty grand total

// Exchanges one label with its saved value: an empty text leaves as the empty
// mark, and only a saved value below the mark comes back as text.
void SwapLabel(Control& label, std::int32_t& saved, std::int32_t emptyMark) {
    std::int32_t outgoing = emptyMark;
    if (!label.Caption.empty()) {
        outgoing = ReadWholeNumber(label.Caption);
    }
    label.Caption = saved < emptyMark ? std::to_string(saved) : "";
    saved = outgoing;
}

// Swaps the sheet of the given columns and the counters that belong to a
// player; the four-column game also swaps the Down and Up rows and the Oblg
// counter.
void SwapSheet(Board& board, SavedSheet& saved, std::initializer_list<int> columns,
               bool fourColumns) {
    if (!board.SavedSheetReady) {
        for (int column : columns) {
            saved.Cells[column].fill(EmptyCellMark);
            saved.Totals[column].fill(EmptyCellMark);
        }
        saved.GrandTotal = EmptyGrandMark;
        saved.Round = 0;
        saved.DownRow = 0;
        saved.UpRow = 12;
        saved.RandUpperCount = 0;
        saved.OblgUpperCount = 0;
        saved.UpperBonusGiven.fill(false);
        board.SavedSheetReady = true;
    }

    std::swap(board.Round, saved.Round);
    if (fourColumns) {
        std::swap(board.DownRow, saved.DownRow);
        std::swap(board.UpRow, saved.UpRow);
    }
    for (int column = colDown; column <= colOblg; ++column) {
        std::swap(board.UpperBonusGiven[column], saved.UpperBonusGiven[column]);
    }
    std::swap(board.RandUpperCount, saved.RandUpperCount);
    if (fourColumns) {
        std::swap(board.OblgUpperCount, saved.OblgUpperCount);
    }

    for (int column : columns) {
        RowLabels& cells = board.Cells(column);
        for (int row = 0; row < RowCount; ++row) {
            SwapLabel(cells[row], saved.Cells[column][row], EmptyCellMark);
        }
    }
    for (int column : columns) {
        SwapLabel(board.UpperTotal(column), saved.Totals[column][0], EmptyCellMark);
        SwapLabel(board.MiddleTotal(column), saved.Totals[column][1], EmptyCellMark);
        SwapLabel(board.ColumnTotal(column), saved.Totals[column][2], EmptyCellMark);
    }
    SwapLabel(board.lblGrandTotal, saved.GrandTotal, EmptyGrandMark);

    // After the exchange the saved grand total is the one that just left.
    board.OtherPlayerTotal = saved.GrandTotal;
}

} // namespace

void Game::SwapPlayerSheets() {
    SwapSheet(board, board.Saved4, {colDown, colUp, colOblg, colRand}, true);
}

void Game::SwapPlayerSheet1Column() {
    SwapSheet(board, board.Saved1, {colRand}, false);
}

void Game::cmdShowNextBoard_Click() {
    const GameSettings& settings = prog.Settings;
    auto& panels = board.StatusBar1.Panels;
    if (board.cmdShowNextBoard.Caption == ShowPlayer1BoardCaption) {
        board.cmdShowNextBoard.Caption = ShowPlayer2BoardCaption;
        board.Caption = PlayerOneCaption;
        panels[1].Text = FixedText10(settings.Player1);
        panels[3].Text = std::to_string(prog.Player2Total);
    } else {
        board.cmdShowNextBoard.Caption = ShowPlayer1BoardCaption;
        board.Caption = PlayerTwoCaption;
        panels[1].Text = FixedText10(settings.Player2);
        panels[3].Text = std::to_string(prog.Player1Total);
    }

    if (settings.NumberOfColumns == 4) {
        SwapPlayerSheets();
        for (int column = colDown; column <= colOblg; ++column) {
            for (Control& cell : board.Cells(column)) {
                cell.Visible = true;
            }
        }
    } else {
        SwapPlayerSheet1Column();
        for (Control& cell : board.lblRand) {
            cell.Visible = true;
        }
    }
}

} // namespace game
