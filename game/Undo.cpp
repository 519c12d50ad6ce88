// Single-level undo and redo of the last move. Undo puts the board back to
// where it stood between the last roll and the move: rolls, lamps, dice and
// their hold flags, hints, the move counter, the cell and its points with
// any bonus and middle total, and the cells on offer. Redo replays the move
// through the column's own click handler.
#include "Game.h"
#include "NumberText.h"
#include "TurnSteps.h"

#include <cmath>

namespace game {

namespace {

constexpr int UpperBonus = 35;

double Read(const Control& label) {
    return ReadNumber(label.Caption);
}

// The three ways a total is written back after a take-back.
void KeptIfPositive(Control& label, double value) {
    label.Caption = value > 0 ? TotalText(value) : "";
}

void KeptIfNotZero(Control& label, double value) {
    const double whole = std::round(value);
    label.Caption = whole != 0 ? TotalText(whole) : "";
}

void Plain(Control& label, double value) {
    label.Caption = TotalText(value);
}

// The upper row whose undo can take back the column's bonus: the row that
// wins it. Down wins it on Sixes (and its rows 1 to 5 are the candidates),
// Up on Ones, Rand and Oblg on whichever upper row is written sixth.
bool BonusRow(int column, int row) {
    if (row == rowOnes) {
        return column != colDown;
    }
    return column != colUp;
}

// Takes a written cell's points, its share of the middle total and any
// upper bonus it won back off the column's totals and the grand total.
//
// Column totals and the grand total are kept while they are not zero, so a
// total that went negative with a negative middle total stays as it is and
// later writes add to the right value.
void TakeBackCell(Board& board, int column, int row, double score) {
    Control& upper = board.UpperTotal(column);
    Control& middle = board.MiddleTotal(column);
    Control& total = board.ColumnTotal(column);
    Control& grand = board.lblGrandTotal;
    const double mid = Read(middle);

    board.Cells(column)[row].Caption = "";
    if (row <= rowSixes) {
        std::int32_t* counter = column == colRand   ? &board.RandUpperCount
                                : column == colOblg ? &board.OblgUpperCount
                                                    : nullptr;
        if (counter != nullptr && *counter > 0) {
            --*counter;
        }
        KeptIfPositive(upper, Read(upper) - score);
        // The bonus always goes with the move that won it, so the totals,
        // the counters and the flag keep agreeing with the written rows
        // however often the move is undone and redone.
        if (BonusRow(column, row) && board.UpperBonusGiven[column]) {
            Plain(upper, Read(upper) - UpperBonus);
            Plain(total, Read(total) - UpperBonus);
            Plain(grand, Read(grand) - UpperBonus);
            board.UpperBonusGiven[column] = false;
        }
        if (row == rowOnes) {
            KeptIfNotZero(total, Read(total) - mid - score);
            middle.Caption = "";
            KeptIfNotZero(grand, Read(grand) - mid - score);
        } else {
            KeptIfNotZero(total, Read(total) - score);
        }
    } else if (row == rowMax || row == rowMin) {
        if (!middle.Caption.empty()) {
            KeptIfNotZero(total, Read(total) - mid);
            middle.Caption = "";
            KeptIfNotZero(grand, Read(grand) - mid);
        }
    } else {
        KeptIfNotZero(total, Read(total) - score);
    }
}

void ShowAndEnable(Control& button) {
    button.Visible = true;
    button.Enabled = true;
}

} // namespace

void Game::mnuUndoUndo_Click() {
    const bool fourColumns = prog.Settings.NumberOfColumns != 1;
    const int last = prog.LastDie;

    // 1 to 3.
    board.HintAvailable = !board.HintAvailable;
    board.cmdNextPlayer.Visible = false;
    board.Toolbar2.Buttons[3].Enabled = false;
    board.mnuUndoUndo.Enabled = false;

    // 4. Lamps as the move found them.
    if (board.LastRollCount >= 1 && board.LastRollCount <= 3) {
        turn::SetLamps(board, board.LastRollCount);
    }

    // 5.
    for (int row = 0; row < RowCount; ++row) {
        board.lblTip[row].Caption = board.TipSnapshot[row];
    }

    // 6. An announcement left the roll count as it was.
    if (!(board.Announced && !board.OblgWritten)) {
        board.RollCount = board.LastRollCount;
    }

    // 7. A write in Oblg goes back together with its announcement.
    if (!board.Announced && board.OblgWritten) {
        board.OblgWritten = false;
        board.RedoOblgTwice = true;
    } else {
        board.RedoOblgTwice = false;
    }

    // 8. An announcement is not counted as a move.
    if (board.Round > 0 && !board.Announced) {
        --board.Round;
    }

    // 9.
    if (board.RollCount == 3) {
        turn::RollButtonOff(board);
        board.StatusBar1.Panels[2].Text = "Place your score";
    } else {
        board.StatusBar1.Panels[2].Text = "Place your score or roll the dice";
    }

    // 10. The face pictures still show these faces.
    for (int die = 0; die <= last; ++die) {
        board.Dice[die] = board.DiceSnapshot[die];
    }

    // 11. After a move on the third roll the dice stay free and locked.
    const bool holdsBack = board.RollCount < 3 || board.Announced || board.OblgWritten;
    if (holdsBack) {
        for (int die = 0; die <= last; ++die) {
            const bool free = board.DieFreeSnapshot[die];
            prog.DieFree[die] = free;
            board.picDice[die].Enabled = true;
            board.PicDiceOff[die].Enabled = true;
            board.picDice[die].Visible = free;
            board.PicDiceOff[die].Visible = !free;
        }
    }

    // 12 and 13. The cell and its points.
    const int column = board.CurrentColumn;
    const double score = board.RowScore;
    int row = board.CurrentRow;
    bool cellTakenBack = false;
    switch (column) {
    case colDown:
        if (board.DownRow > 0) {
            --board.DownRow;
            row = board.DownRow;
            cellTakenBack = true;
        }
        break;
    case colUp:
        if (board.UpRow < 12) {
            ++board.UpRow;
            row = board.UpRow;
            cellTakenBack = true;
        }
        break;
    case colRand:
        cellTakenBack = true;
        break;
    case colOblg:
        cellTakenBack = !board.Announced;
        break;
    default:
        break;
    }
    if (cellTakenBack && row >= 0 && row < RowCount) {
        TakeBackCell(board, column, row, score);
    }
    const int tested = board.CurrentRow;
    const bool grandByScore = (tested >= rowTwos && tested <= rowSixes) ||
                              (tested >= rowThreeOfAKind && tested <= rowFiveOfAKind);
    if (grandByScore && !board.Announced && column != colNone) {
        KeptIfNotZero(board.lblGrandTotal, Read(board.lblGrandTotal) - score);
    }

    // 14. The cells on offer again.
    if (!board.OblgAfterTwoRolls) {
        if (fourColumns) {
            if (board.DownRow <= 12 && board.DownRow >= 0) {
                ShowAndEnable(board.cmdDown[board.DownRow]);
            }
            if (board.UpRow >= 0 && board.UpRow < RowCount) {
                ShowAndEnable(board.cmdUp[board.UpRow]);
            }
        }
        for (int i = 0; i < RowCount; ++i) {
            if (board.lblRand[i].Caption.empty()) {
                ShowAndEnable(board.cmdRand[i]);
            }
        }
    }
    if (fourColumns && (board.Announced || board.OblgWritten || board.RollCount == 1)) {
        for (int i = 0; i < RowCount; ++i) {
            if (board.lblOblg[i].Caption.empty()) {
                ShowAndEnable(board.cmdOblg[i]);
            }
        }
        turn::RollButtonNormal(board);
        board.Announced = false;
    }
    if (board.OblgAfterTwoRolls && board.CurrentRow >= 0 && board.CurrentRow < RowCount) {
        // The row stays bound: it is the only cell, and a third roll writes it.
        ShowAndEnable(board.cmdOblg[board.CurrentRow]);
    }

    // The holds are back as the move found them: with every die set aside
    // the roll stays off, as holding the last die left it, or the next roll
    // would count and throw nothing.
    if (holdsBack && turn::EveryDieHeld(prog)) {
        turn::RollButtonOff(board);
    }

    // 15 to 17.
    board.RedoColumn = board.CurrentColumn;
    board.CurrentColumn = colNone;
    turn::OfferRedo(board);
    if (prog.SoundOn) {
        PlaySoundAsync("undo");
    }

    // 18.
    if (prog.Settings.NumberOfPlayers == 2) {
        if (board.lblGrandTotal.Caption.empty()) {
            // Built, not assigned from "0": GCC 12 at -O3 reports a false
            // -Wrestrict overlap for the assignment of a short literal.
            board.lblGrandTotal.Caption = std::string(1, '0');
        }
        board.StatusBar1.Panels[3].Text = turn::PlayersTotalsText(board);
    }
}

void Game::mnuUndoRedo_Click() {
    board.HintAvailable = !board.HintAvailable;
    // The Next Player button is left to the replayed handler: it offers the
    // turn change after a write that does not end the game, and never after
    // an announcement, a taken-back move or the game's end.
    board.cmdNextPlayer.Visible = false;
    board.Toolbar2.Buttons[4].Enabled = false;
    board.mnuUndoRedo.Enabled = false;
    for (auto& tip : board.lblTip) {
        tip.Caption = "";
    }
    prog.RedoInProgress = true;
    // The replayed handler copies the hint texts, which were just emptied;
    // the undo record keeps the copy the move itself took, so that a later
    // undo shows the hints of the dice again.
    const auto tips = board.TipSnapshot;

    const auto row = static_cast<std::int16_t>(board.CurrentRow);
    CellClick(board.RedoColumn, row);
    if (board.RedoColumn == colOblg) {
        // The first click announced the row; the second writes it. When the
        // first click already wrote the row (it was still bound) and the
        // end-of-game question took that write back, the undo has set the
        // flag again, but the move is back and must stay so: no second write.
        if (board.RedoOblgTwice && board.CurrentColumn == colOblg) {
            prog.RedoInProgress = true;
            cmdOblg_Click(row);
        }
    }

    board.TipSnapshot = tips;
    const bool moveStands = board.CurrentColumn != colNone;
    if (!moveStands) {
        // The end-of-game question took the replayed move back: the hint
        // texts come back with it, as after any undo.
        for (int i = 0; i < RowCount; ++i) {
            board.lblTip[i].Caption = tips[i];
        }
    }

    // Undo is offered for the replayed move only while it stands: not when
    // the end-of-game question took it back again (redo stays on offer),
    // and not once the move has ended the sheet (its total is entered).
    const bool sheetEnded = board.GameIsOver || board.Round >= MovesPerSheet();
    if (moveStands && !sheetEnded) {
        turn::OfferUndo(board);
    }
    if (prog.SoundOn) {
        PlaySoundAsync("redo");
    }
}

} // namespace game
