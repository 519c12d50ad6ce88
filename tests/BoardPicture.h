// Everything of the board that a move, its undo and its redo can change,
// as named texts, so two moments of a game can be compared and every
// difference named.
#pragma once

#include "FakeHost.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

namespace testing_support {

using BoardPicture = std::map<std::string, std::string>;

inline BoardPicture TakePicture(const game::Board& b, const game::Program& prog) {
    using namespace game;
    BoardPicture p;
    auto flag = [](bool v) { return std::string(v ? "true" : "false"); };
    const char* columns[] = {"", "Down", "Up", "Rand", "Oblg"};
    for (int column = colDown; column <= colOblg; ++column) {
        const std::string name = columns[column];
        for (int row = 0; row < RowCount; ++row) {
            const std::string at = "[" + std::to_string(row) + "]";
            p["cell." + name + at] = b.Cells(column)[row].Caption;
            const Control& button = b.Buttons(column)[row];
            p["offer." + name + at] = flag(button.Visible) + "/" + flag(button.Enabled);
        }
        p["total1." + name] = b.UpperTotal(column).Caption;
        p["total2." + name] = b.MiddleTotal(column).Caption;
        p["total." + name] = b.ColumnTotal(column).Caption;
        p["bonus." + name] = flag(b.UpperBonusGiven[column]);
        p["second." + name] = flag(b.SecondPlayerTurn[column]);
    }
    p["grand"] = b.lblGrandTotal.Caption;
    for (int row = 0; row < RowCount; ++row) {
        p["tip[" + std::to_string(row) + "]"] = b.lblTip[row].Caption;
    }
    p["Round"] = std::to_string(b.Round);
    p["DownRow"] = std::to_string(b.DownRow);
    p["UpRow"] = std::to_string(b.UpRow);
    p["RandUpperCount"] = std::to_string(b.RandUpperCount);
    p["OblgUpperCount"] = std::to_string(b.OblgUpperCount);
    p["RollCount"] = std::to_string(b.RollCount);
    p["Announced"] = flag(b.Announced);
    p["OblgWritten"] = flag(b.OblgWritten);
    p["OblgAfterTwoRolls"] = flag(b.OblgAfterTwoRolls);
    p["HintAvailable"] = flag(b.HintAvailable);
    p["RollAllowed"] = flag(b.RollAllowed);
    for (int die = 0; die <= prog.LastDie; ++die) {
        const std::string at = "[" + std::to_string(die) + "]";
        p["Dice" + at] = std::to_string(b.Dice[die]);
        p["DieFree" + at] = flag(prog.DieFree[die]);
        p["look" + at] = flag(b.picDice[die].Visible) + "/" + flag(b.picDice[die].Enabled) + " " +
                         flag(b.PicDiceOff[die].Visible) + "/" + flag(b.PicDiceOff[die].Enabled);
        p["face" + at] = b.picDice[die].Picture + " " + b.PicDiceOff[die].Picture;
    }
    for (int k = 0; k < 3; ++k) {
        p["lamp[" + std::to_string(k) + "]"] = flag(b.picRound[k].Visible);
    }
    p["roll"] = flag(b.picRollDices.Enabled) + " " + b.picRollDices.Picture;
    p["panel2"] = b.StatusBar1.Panels[2].Text;
    p["panel3"] = b.StatusBar1.Panels[3].Text;
    p["nextPlayer"] = flag(b.cmdNextPlayer.Visible);
    p["undo"] = flag(b.Toolbar2.Buttons[3].Enabled) + " " + flag(b.mnuUndoUndo.Enabled);
    p["redo"] = flag(b.Toolbar2.Buttons[4].Enabled) + " " + flag(b.mnuUndoRedo.Enabled);
    return p;
}

inline BoardPicture TakePicture(const Table& t) {
    return TakePicture(t.board, t.prog);
}

// Expects two pictures to agree on every key that starts with none of `ignored`.
inline void ExpectSamePicture(const BoardPicture& expected, const BoardPicture& actual,
                              const std::vector<std::string>& ignored = {},
                              const std::string& what = "") {
    auto skip = [&](const std::string& key) {
        for (const auto& prefix : ignored) {
            if (key.rfind(prefix, 0) == 0) {
                return true;
            }
        }
        return false;
    };
    for (const auto& [key, value] : expected) {
        if (skip(key)) {
            continue;
        }
        auto it = actual.find(key);
        ASSERT_NE(it, actual.end()) << key;
        EXPECT_EQ(it->second, value) << what << ": " << key;
    }
}

} // namespace testing_support
