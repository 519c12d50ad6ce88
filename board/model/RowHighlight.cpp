// Feedback under the mouse: the row name of the cell button under the
// pointer is drawn in highlight colours (the wide one-column button also
// changes its picture), and the roll picture shows its pressed look while a
// mouse button is held on it. The hovered button holds the mouse capture, so
// it keeps receiving moves until the pointer has left it.
#include "Game.h"

namespace game {

namespace {

// Only the Rand column of the one-column game swaps its picture.
bool SwapsPicture(const Game& game, int column) {
    return column == colRand && game.prog.Settings.NumberOfColumns != 4;
}

// The pointer has left the hovered button: its row name and picture look
// normal again and it lets go of the mouse.
void HoverOff(Game& game, int column, int Index) {
    Board& b = game.board;
    b.HoverActive = false;
    if (SwapsPicture(game, column)) {
        b.Buttons(column)[Index].Picture = b.img1ColumnP[Index].Picture;
    }
    b.lblOption[Index].BackColor = ColourBlack;
    b.lblOption[Index].ForeColor = ColourWhite;
    game.ReleaseCapture();
}

// One procedure for the four button arrays.
void HoverMove(Game& game, int column, std::int16_t Index, float X, float Y) {
    if (Index < 0 || Index >= RowCount) {
        return;
    }
    Board& b = game.board;
    Control& button = b.Buttons(column)[Index];
    Control& name = b.lblOption[Index];
    const bool swapsPicture = SwapsPicture(game, column);

    if (!b.HoverActive) {
        // The pointer has just come onto the button: it takes the capture.
        b.CaptureColumn = column;
        b.CaptureRow = Index;
        b.HoverActive = true;
        if (swapsPicture) {
            button.Picture = b.img1Column[Index].Picture;
        }
        name.BackColor = ColourToolTipBack;
        name.ForeColor = ColourBlack;
        return;
    }
    // Edges count as inside.
    const bool inside = X >= 0 && X <= button.Width && Y >= 0 && Y <= button.Height;
    if (!inside) {
        HoverOff(game, column, Index);
    }
}

} // namespace

void Game::cmdDown_MouseMove(std::int16_t Index, std::int16_t, std::int16_t, float X, float Y) {
    HoverMove(*this, colDown, Index, X, Y);
}

void Game::cmdUp_MouseMove(std::int16_t Index, std::int16_t, std::int16_t, float X, float Y) {
    HoverMove(*this, colUp, Index, X, Y);
}

void Game::cmdRand_MouseMove(std::int16_t Index, std::int16_t, std::int16_t, float X, float Y) {
    HoverMove(*this, colRand, Index, X, Y);
}

void Game::cmdOblg_MouseMove(std::int16_t Index, std::int16_t, std::int16_t, float X, float Y) {
    HoverMove(*this, colOblg, Index, X, Y);
}

void Game::ReleaseCapture() {
    board.CaptureColumn = colNone;
    board.CaptureRow = 0;
}

void Game::EndRowHighlight() {
    if (board.CaptureColumn != colNone) {
        HoverOff(*this, board.CaptureColumn, board.CaptureRow);
    }
}

void Game::picRollDices_MouseDown(std::int16_t, std::int16_t, float, float) {
    // A disabled picture receives no mouse events.
    if (!board.picRollDices.Enabled) {
        return;
    }
    board.picRollDices.Picture = board.picRollOn.Picture;
}

void Game::CellMouseMove(int column, std::int16_t Index, float X, float Y) {
    switch (column) {
    case colDown:
        cmdDown_MouseMove(Index, 0, 0, X, Y);
        break;
    case colUp:
        cmdUp_MouseMove(Index, 0, 0, X, Y);
        break;
    case colRand:
        cmdRand_MouseMove(Index, 0, 0, X, Y);
        break;
    case colOblg:
        cmdOblg_MouseMove(Index, 0, 0, X, Y);
        break;
    default:
        break;
    }
}

} // namespace game
