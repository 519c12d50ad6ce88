// A table set up as the board window leaves it before a game's first roll,
// with rolls whose faces are scripted, for the tests of the turn and undo.
#pragma once

#include "FakeHost.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace testing_support {

struct TurnTable : Table {
    // The board after New Game's reveal: four columns show all 52 cell
    // buttons disabled; one column shows its Rand buttons alone, with their
    // row pictures. Undo and redo are off, no game is in progress.
    explicit TurnTable(int lastDie = 4, int columns = 4, int players = 1)
        : Table(lastDie, columns, players) {
        auto& b = board;
        for (int row = 0; row < game::RowCount; ++row) {
            for (auto* buttons : {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg}) {
                (*buttons)[row].Visible = columns == 4 || buttons == &b.cmdRand;
                (*buttons)[row].Enabled = false;
            }
            if (columns == 1) {
                b.cmdRand[row].Picture = b.img1ColumnP[row].Picture;
            }
        }
        b.Toolbar2.Buttons[3].Enabled = false;
        b.Toolbar2.Buttons[4].Enabled = false;
        b.mnuUndoUndo.Enabled = false;
        b.mnuUndoRedo.Enabled = false;
        b.StatusBar1.Panels[1].Text = prog.Settings.Player1;
        b.Caption = "Quorvane - Player 1";
        b.lblGrandTotal.Caption = ""; // New Game empties it
        if (players == 2) {
            b.StatusBar1.Panels[3].Text = "0 : 0";
        }
    }

    // The board between two turns of a running game: every cell button
    // hidden by the last write and enabled since the game's first roll.
    void MidGame() {
        auto& b = board;
        b.FirstRollPending = prog.Settings.NumberOfColumns == 1;
        for (int row = 0; row < game::RowCount; ++row) {
            for (auto* buttons : {&b.cmdDown, &b.cmdUp, &b.cmdRand, &b.cmdOblg}) {
                (*buttons)[row].Visible = false;
                (*buttons)[row].Enabled = true;
            }
        }
        prog.GameInProgress = true;
    }

    // Asks for a roll whose free dice show `faces`, in die order.
    void Roll(std::initializer_list<int> faces) {
        ScriptRoll(faces);
        game.picRollDices_MouseUp(1, 0, 615, 645);
        EXPECT_TRUE(host.randoms.empty()) << "the roll drew fewer numbers than scripted";
        host.randoms.clear();
    }

    // Holds the dice with these indexes.
    void Hold(std::initializer_list<int> dice) {
        for (int die : dice) {
            game.picDice_Click(static_cast<std::int16_t>(die));
        }
    }

    bool UndoOffered() const {
        return board.Toolbar2.Buttons[3].Enabled && board.mnuUndoUndo.Enabled &&
               board.Toolbar2.Buttons[3].Key == "tbUndo";
    }
    bool RedoOffered() const {
        return board.Toolbar2.Buttons[4].Enabled && board.mnuUndoRedo.Enabled &&
               board.Toolbar2.Buttons[4].Key == "tbRedo";
    }
    bool UndoOrRedoEnabled() const {
        return board.Toolbar2.Buttons[3].Enabled || board.mnuUndoUndo.Enabled ||
               board.Toolbar2.Buttons[4].Enabled || board.mnuUndoRedo.Enabled;
    }

    // Rows whose button of this column is shown.
    std::vector<int> Offered(const game::RowLabels& buttons) const {
        std::vector<int> rows;
        for (int row = 0; row < game::RowCount; ++row) {
            if (buttons[row].Visible) {
                rows.push_back(row);
            }
        }
        return rows;
    }

    int LitLamps() const {
        int lit = 0;
        for (int k = 0; k < 3; ++k) {
            EXPECT_NE(board.picRound[k].Visible, board.picRoundBG[k].Visible) << "lamp " << k;
            lit += board.picRound[k].Visible ? 1 : 0;
        }
        return lit;
    }
};

} // namespace testing_support
